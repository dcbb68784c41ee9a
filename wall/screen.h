#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>
#include <QWidget>

class QLabel;
class UnitWindow;

// A scaled picture of a 1920 x 1080 wall in the grid viewer: one window per
// cell, rebuilt whenever the cells or the screen's size change.
class Screen : public QWidget
{
    Q_OBJECT

public:
    static const int kWallWidth = 1920;
    static const int kWallHeight = 1080;

    explicit Screen(QWidget *parent = nullptr);

    // Cells in wall units.
    void setWindowRects(const QVector<QRect> &rects);
    const QVector<QRect> &windowRects() const { return m_rects; }
    const QVector<UnitWindow *> &windows() const { return m_windows; }
    // A cell of the wall in screen pixels, the products in 64 bits.
    QRect toView(const QRect &wallRect) const;

    void clearWindows();
    void rebuildWindows();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QSize m_viewSize{kWallWidth, kWallHeight};
    QVector<QRect> m_rects;
    QVector<UnitWindow *> m_windows;
    QLabel *m_rubberBand = nullptr;
    bool m_pressed = false;
    bool m_moved = false;
    QPoint m_pressPoint;
    QRect m_selection;
};
