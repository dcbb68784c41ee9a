#include "undokeyrouter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>

namespace {
// True for a text editor that has nothing of its own to undo (or redo).
bool nothingToTakeBack(QWidget *widget, bool undo)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return !(undo ? line->isUndoAvailable() : line->isRedoAvailable());
    QTextDocument *document = nullptr;
    if (auto *text = qobject_cast<QTextEdit *>(widget))
        document = text->document();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        document = plain->document();
    return document && !(undo ? document->isUndoAvailable() : document->isRedoAvailable());
}
} // namespace

UndoKeyRouter::UndoKeyRouter(QWidget *window, QAction *undo, QAction *redo)
    : QObject(window)
    , m_window(window)
    , m_undo(undo)
    , m_redo(redo)
{
    qApp->installEventFilter(this);
}

bool UndoKeyRouter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool undo = matches(key, m_undo);
    if (!undo && !matches(key, m_redo))
        return false;
    // Kept from the editor and left unaccepted, the key fires the window's action.
    return nothingToTakeBack(widget, undo);
}

bool UndoKeyRouter::matches(const QKeyEvent *key, const QAction *action)
{
    if (!action || action->shortcut().isEmpty())
        return false;
    const int pressed = key->key() | int(key->modifiers() & ~Qt::KeypadModifier);
    return action->shortcut() == QKeySequence(pressed);
}
