#include "draglistwidget.h"

#include <QApplication>
#include <QDebug>
#include <QMouseEvent>
#include <QPoint>

DragListWidget::DragListWidget(QWidget *parent)
    : QListWidget(parent)
{
}

DragListWidget::~DragListWidget() = default;

void DragListWidget::mousePressEvent(QMouseEvent *event)
{
    // The list makes the pressed entry current and reports it first.
    QListWidget::mousePressEvent(event);
    m_dragging = 0;
    m_pressedOnItem = false;
    if (event->buttons() & Qt::LeftButton) {
        m_pressX = event->pos().x();
        m_pressY = event->pos().y();
        m_pressedOnItem = itemAt(event->pos()) != nullptr;
    }
}

void DragListWidget::mouseMoveEvent(QMouseEvent *event)
{
    // The list's own move handling would start its item drag or a rubber band.
    if (!(event->buttons() & Qt::LeftButton) || !m_pressedOnItem || !currentItem())
        return;
    if ((event->pos() - QPoint(m_pressX, m_pressY)).manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragging = 1;
    qDebug() << "DragListWidget::mouseMoveEvent" << event->pos();
    emit signalDragStart(currentItem()->text());
}

void DragListWidget::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    if (currentItem() && m_dragging == 1)
        emit signalDragEnd();
    m_dragging = 0;
    m_pressedOnItem = false;
}
