#include "uibase.h"

#include <QDebug>
#include <QMouseEvent>

#include <cstdlib>

namespace {

enum Edge { EdgeTop = 1, EdgeBottom = 2, EdgeLeft = 4, EdgeRight = 8 };
enum Action { ActionNone = 0, ActionMove = 1, ActionResize = 3 };

// A drag shorter than this in both directions is taken for a shaky click.
const int kDragThreshold = 4;

Qt::CursorShape cursorForEdge(int edge)
{
    switch (edge) {
    case EdgeTop | EdgeLeft:
    case EdgeBottom | EdgeRight:
        return Qt::SizeFDiagCursor;
    case EdgeTop | EdgeRight:
    case EdgeBottom | EdgeLeft:
        return Qt::SizeBDiagCursor;
    case EdgeTop:
    case EdgeBottom:
        return Qt::SizeVerCursor;
    case EdgeLeft:
    case EdgeRight:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

void UIBase::mousePressEvent(QMouseEvent *event)
{
    // Not passed on: a press on a control never reaches the page's own handler.
    if (event->button() != Qt::LeftButton)
        return;
    // The hover may have last reached the control at an edge before the mouse
    // went on over a child; the press point alone decides move or resize.
    m_edge = edgeAt(event->pos());
    setCursor(cursorForEdge(m_edge));
    m_pressPoint = event->globalPos();
    m_startTopLeft = pos();
    m_pressed = true;
    emit signalControlSelect();
}

void UIBase::mouseMoveEvent(QMouseEvent *event)
{
    const int x = event->pos().x();
    const int y = event->pos().y();

    if (!m_pressed) {
        m_edge = edgeAt(event->pos());
        setCursor(cursorForEdge(m_edge));
        return;
    }

    if (m_edge != 0) {
        resizeTo(x, y);
        m_action = ActionResize;
    } else {
        qDebug() << "MOUSE_AT_CENTER: " << event->globalPos();
        dragTo(event->globalPos().x(), event->globalPos().y());
        m_action = ActionMove;
    }
    m_changed = true;
}

int UIBase::edgeAt(const QPoint &point) const
{
    // Top before bottom and left before right, so a control narrower than two
    // bands resolves to top or left.
    int edge = 0;
    if (point.y() < m_borderWidth)
        edge |= EdgeTop;
    else if (std::abs(point.y() - height()) < m_borderWidth)
        edge |= EdgeBottom;
    if (point.x() < m_borderWidth)
        edge |= EdgeLeft;
    else if (std::abs(point.x() - width()) < m_borderWidth)
        edge |= EdgeRight;
    return edge;
}

void UIBase::mouseReleaseEvent(QMouseEvent *event)
{
    qDebug() << "UIBase::mouseReleaseEvent" << m_type << m_changed;
    m_pressed = false;
    if (!m_changed)
        return;
    m_changed = false;

    if (m_action == ActionMove) {
        const QPoint travel = event->globalPos() - m_pressPoint;
        if (std::abs(travel.x()) < kDragThreshold && std::abs(travel.y()) < kDragThreshold) {
            qDebug() << "move action " << m_pressPoint << event->globalPos();
            move(m_startTopLeft);
            return;
        }
        dragTo(event->globalPos().x(), event->globalPos().y());
        // The mouse's travel, also where the page edge stopped the widget.
        emit signalRectMoveChange(QPoint(roundHalfUp(travel.x() / m_zoomScale),
                                         roundHalfUp(travel.y() / m_zoomScale)));
        return;
    }

    const QRect g = geometry();
    QJsonObject updated = m_attributes;
    updated.insert(QStringLiteral("x"), roundHalfUp(g.x() / m_zoomScale));
    updated.insert(QStringLiteral("y"), roundHalfUp(g.y() / m_zoomScale));
    updated.insert(QStringLiteral("w"), roundHalfUp(g.width() / m_zoomScale));
    updated.insert(QStringLiteral("h"), roundHalfUp(g.height() / m_zoomScale));
    emit signalRectChange(m_attributes, updated);
}

void UIBase::dragTo(int globalX, int globalY)
{
    int nx = qMax(m_startTopLeft.x() + (globalX - m_pressPoint.x()), 0);
    int ny = qMax(m_startTopLeft.y() + (globalY - m_pressPoint.y()), 0);
    if (const QWidget *page = parentWidget()) {
        // Applied after the clamp at 0, so a control larger than the page
        // ends at a negative position with its far edge on the page's.
        if (nx + width() >= page->width())
            nx = page->width() - width();
        if (ny + height() >= page->height())
            ny = page->height() - height();
    }
    move(nx, ny);
}

void UIBase::resizeTo(int x, int y)
{
    const QPoint mapped = mapToParent(QPoint(x, y));
    const int px = qMax(mapped.x(), 0);
    const int py = qMax(mapped.y(), 0);
    const QWidget *page = parentWidget();
    const int pageWidth = page ? page->width() : QWIDGETSIZE_MAX;
    const int pageHeight = page ? page->height() : QWIDGETSIZE_MAX;

    // Inclusive edges; they stay at least the minimum apart, so the smallest
    // control is one pixel larger than the minimum.
    int left = geometry().left();
    int top = geometry().top();
    int right = geometry().right();
    int bottom = geometry().bottom();

    if (m_edge & EdgeLeft)
        left = px + m_minWidth < right ? px : right - m_minWidth;
    if (m_edge & EdgeTop)
        top = py + m_minHeight < bottom ? py : bottom - m_minHeight;
    if (m_edge & EdgeRight) {
        if (px > left + m_minWidth)
            right = px >= pageWidth ? pageWidth - 1 : px;
        else
            right = left + m_minWidth;
    }
    if (m_edge & EdgeBottom) {
        if (py > top + m_minHeight)
            bottom = py >= pageHeight ? pageHeight - 1 : py;
        else
            bottom = top + m_minHeight;
    }
    setGeometry(left, top, right - left + 1, bottom - top + 1);
}
