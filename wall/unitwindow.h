#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

class QLabel;

// One cell of the wall viewer as a window the user can move and resize
// inside its screen. What the user does to it is not reported anywhere.
class UnitWindow : public QWidget
{
    Q_OBJECT

public:
    enum Edge { EdgeTop = 1, EdgeBottom = 2, EdgeLeft = 4, EdgeRight = 8 };
    enum DragState { DragNone = 0, DragMove = 1, DragResize = 3 };

    // The band along the border that grabs an edge, and the smallest window
    // a resize leaves, in pixels.
    static const int kEdgeMargin = 6;
    static const int kMinWidth = 24;
    static const int kMinHeight = 24;

    explicit UnitWindow(QWidget *parent);

    // Keeps the rectangle and takes it, times the scale, as the geometry.
    void setWindowRect(const QRect &rect);
    QRect windowRect() const { return m_rect; }
    // A press selects a window and deselects its siblings.
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    int edgeCode() const { return m_edge; }
    int dragState() const { return m_state; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int edgeAt(const QPoint &pos) const;
    void updateCursor();
    // The drag so far applied to the geometry, for the cursor at global.
    void applyDrag(const QPoint &global);

    QRect m_rect;
    double m_scale = 1.0;
    QPoint m_pressTopLeft;
    QPoint m_pressGlobal;
    bool m_pressed = false;
    bool m_changed = false;
    bool m_selected = false;
    int m_edge = 0;
    int m_state = DragNone;
    QPoint m_lastGlobal;
    QLabel *m_infoLabel = nullptr;
    QLabel *m_unselectLabel = nullptr;
};
