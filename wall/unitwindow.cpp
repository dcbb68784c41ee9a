#include "unitwindow.h"

#include <QDebug>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

UnitWindow::UnitWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("UnitWindow"));
    setMouseTracking(true);
    setAcceptDrops(true);
    // The screen's background colour would otherwise fill the labels over
    // the outline.
    setStyleSheet(QStringLiteral("QLabel { background-color: transparent; }"));
    m_infoLabel = new QLabel(this);
    m_infoLabel->setObjectName(QStringLiteral("winAttrInfoLabel"));
    m_infoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_infoLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_infoLabel->hide();
    m_unselectLabel = new QLabel(this);
    m_unselectLabel->setObjectName(QStringLiteral("WinUnSelectLabel"));
    m_unselectLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void UnitWindow::setWindowRect(const QRect &rect)
{
    m_rect = rect;
    setGeometry(int(rect.x() * m_scale), int(rect.y() * m_scale), int(rect.width() * m_scale),
                int(rect.height() * m_scale));
}

void UnitWindow::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

int UnitWindow::edgeAt(const QPoint &pos) const
{
    int edge = 0;
    if (pos.y() < kEdgeMargin)
        edge |= EdgeTop;
    else if (std::abs(pos.y() - height()) < kEdgeMargin)
        edge |= EdgeBottom;
    if (pos.x() < kEdgeMargin)
        edge |= EdgeLeft;
    else if (std::abs(pos.x() - width()) < kEdgeMargin)
        edge |= EdgeRight;
    return edge;
}

void UnitWindow::updateCursor()
{
    switch (m_edge) {
    case EdgeTop:
    case EdgeBottom: setCursor(Qt::SizeVerCursor); break;
    case EdgeLeft:
    case EdgeRight: setCursor(Qt::SizeHorCursor); break;
    case EdgeTop | EdgeLeft:
    case EdgeBottom | EdgeRight: setCursor(Qt::SizeFDiagCursor); break;
    case EdgeTop | EdgeRight:
    case EdgeBottom | EdgeLeft: setCursor(Qt::SizeBDiagCursor); break;
    default: setCursor(Qt::ArrowCursor); break;
    }
}

void UnitWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressTopLeft = pos();
    m_pressGlobal = event->globalPos();
    m_pressed = true;
    m_edge = edgeAt(event->pos());
    updateCursor();
    const auto siblings = parentWidget()->findChildren<UnitWindow *>(QString(), Qt::FindDirectChildrenOnly);
    for (UnitWindow *window : siblings)
        window->setSelected(window == this);
}

void UnitWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed) {
        m_edge = edgeAt(event->pos());
        updateCursor();
        return;
    }
    if (m_edge == 0)
        qDebug() << "MOUSE_AT_CENTER: " << event->globalPos();
    applyDrag(event->globalPos());
}

void UnitWindow::applyDrag(const QPoint &global)
{
    const QWidget *screen = parentWidget();
    m_lastGlobal = global;
    m_changed = true;
    if (m_edge == 0) {
        QPoint topLeft = m_pressTopLeft + (global - m_pressGlobal);
        topLeft.setX(std::max(0, std::min(topLeft.x(), screen->width() - width())));
        topLeft.setY(std::max(0, std::min(topLeft.y(), screen->height() - height())));
        move(topLeft);
        m_state = DragMove;
        return;
    }
    const QPoint cursor = screen->mapFromGlobal(global);
    const int x = std::max(0, cursor.x());
    const int y = std::max(0, cursor.y());
    QRect g = geometry();
    if (m_edge & EdgeLeft)
        g.setLeft(std::min(x, g.right() - kMinWidth + 1));
    if (m_edge & EdgeTop)
        g.setTop(std::min(y, g.bottom() - kMinHeight + 1));
    if (m_edge & EdgeRight)
        g.setRight(std::max(g.left() + kMinWidth - 1, std::min(x, screen->width() - 1)));
    if (m_edge & EdgeBottom)
        g.setBottom(std::max(g.top() + kMinHeight - 1, std::min(y, screen->height() - 1)));
    setGeometry(g);
    m_state = DragResize;
}

void UnitWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    qDebug() << "UnitWindow::mouseReleaseEvent";
    m_pressed = false;
    if (m_changed) {
        applyDrag(event->globalPos());
        m_state = DragMove;
        m_changed = false;
        qDebug() << geometry();
    }
}

void UnitWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int penWidth = m_selected ? 4 : 2;
    painter.setPen(QPen(m_selected ? QColor(255, 0, 0) : QColor(196, 199, 206), penWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = penWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

void UnitWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_infoLabel->setGeometry(rect());
    m_unselectLabel->setGeometry(rect());
}
