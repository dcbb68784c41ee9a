#pragma once

#include <QListWidget>

// The palette's list: a press followed by a move beyond the start-drag
// distance reports a drag of the current entry on every move, and the
// release ends it. The list's own item dragging stays off.
class DragListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit DragListWidget(QWidget *parent = nullptr);
    ~DragListWidget() override;

    bool isDragging() const { return m_dragging != 0; }

signals:
    void signalDragStart(QString title);
    void signalDragEnd();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_pressX = 0;
    int m_pressY = 0;
    int m_dragging = 0;
    // Whether the press landed on an entry: a drag begun on empty space
    // must not drop the kind pressed some time before.
    bool m_pressedOnItem = false;
};
