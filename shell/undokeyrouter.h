#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QKeyEvent;
class QWidget;

// Lets the window's undo and redo keys reach the page while a text editor of
// the window holds the focus but has nothing of its own to take back: after
// Enter in a property row the focus stays in its editor, whose history the
// refill has cleared. An editor with a history of its own keeps the keys.
class UndoKeyRouter : public QObject
{
    Q_OBJECT

public:
    // Watches the whole application, for the editors of window only; a child
    // of window.
    UndoKeyRouter(QWidget *window, QAction *undo, QAction *redo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static bool matches(const QKeyEvent *key, const QAction *action);

    QWidget *m_window;
    QPointer<QAction> m_undo;
    QPointer<QAction> m_redo;
};
