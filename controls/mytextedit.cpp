#include "mytextedit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>

MyTextEdit::MyTextEdit(QWidget *parent)
    : QTextEdit(parent)
{
}

void MyTextEdit::setSingleLine(bool single)
{
    m_singleLine = single;
    setTabChangesFocus(single);
}

void MyTextEdit::focusOutEvent(QFocusEvent *event)
{
    // The edit finishes its own focus handling before listeners read the text.
    QTextEdit::focusOutEvent(event);
    emit signalFocusOut();
}

void MyTextEdit::keyPressEvent(QKeyEvent *event)
{
    // With any modifier: Shift+Enter too would break the line.
    if (m_singleLine && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        emit signalEditFinished();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void MyTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!m_singleLine || !source->hasText()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n\\t\\x{2028}\\x{2029}]"));
    insertPlainText(source->text().replace(breaks, QStringLiteral(" ")));
}
