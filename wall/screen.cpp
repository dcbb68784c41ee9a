#include "screen.h"

#include "wall/rubberband.h"
#include "wall/unitwindow.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
int scaledAxis(int view, int value, int wall)
{
    const double result = std::trunc(double(qint64(view) * value) / wall);
    const double limit = std::numeric_limits<int>::max();
    return int(std::max(-limit, std::min(limit, result)));
}
} // namespace

Screen::Screen(QWidget *parent)
    : QWidget(parent)
{
    m_rubberBand = rubberband::createLabel(this, QColor(168, 192, 175, 80));
}

QRect Screen::toView(const QRect &wallRect) const
{
    return QRect(scaledAxis(m_viewSize.width(), wallRect.x(), kWallWidth),
                 scaledAxis(m_viewSize.height(), wallRect.y(), kWallHeight),
                 scaledAxis(m_viewSize.width(), wallRect.width(), kWallWidth),
                 scaledAxis(m_viewSize.height(), wallRect.height(), kWallHeight));
}

void Screen::setWindowRects(const QVector<QRect> &rects)
{
    m_rects = rects;
    rebuildWindows();
}

void Screen::clearWindows()
{
    for (UnitWindow *window : qAsConst(m_windows)) {
        window->hide();
        window->deleteLater();
    }
    m_windows.clear();
}

void Screen::rebuildWindows()
{
    clearWindows();
    for (const QRect &rect : qAsConst(m_rects)) {
        auto *window = new UnitWindow(this);
        window->setWindowRect(toView(rect));
        window->show();
        m_windows.append(window);
    }
    m_rubberBand->raise();
}

void Screen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(QStringLiteral("#ff00ff00")));
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (event->size().width() > 0 && event->size().height() > 0) {
        m_viewSize = event->size();
        rebuildWindows();
    }
}

void Screen::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_moved = false;
    m_pressPoint = event->pos();
    m_selection = QRect(m_pressPoint, QSize(1, 1));
}

void Screen::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return;
    m_moved = true;
    m_selection = rubberband::stretch(m_rubberBand, m_pressPoint, event->pos(), size());
}

void Screen::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_rubberBand->hide();
    m_pressed = false;
    m_moved = false;
}
