#include "expoppagewidgetframe.h"

#include "preview/expoppagewidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ExPopPageWidgetFrame::ExPopPageWidgetFrame(QWidget *parent)
    : QFrame(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("ExPopPageWidgetFrame"));
    resize(806, 459);
    setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    setWindowTitle(tr("Frame"));
    setAttribute(Qt::WA_TranslucentBackground);
    m_widget = new ExPopPageWidget(this);
    m_widget->setObjectName(QStringLiteral("widget"));
    m_widget->setGeometry(120, 50, 561, 291);
}

ExPopPageWidgetFrame::~ExPopPageWidgetFrame()
{
    m_widget->deleteLater();
}

void ExPopPageWidgetFrame::showPage(const QString &pageFile, int width, int height)
{
    m_widget->setGeometry((this->width() - width) / 2, (this->height() - height) / 2, width, height);
    m_widget->init(pageFile, width, height);
}

void ExPopPageWidgetFrame::mousePressEvent(QMouseEvent *event)
{
    // QRect::contains counts the last row and column as inside.
    if (m_widget->geometry().contains(event->pos())) {
        event->accept();
        return;
    }
    emit signalExit();
}

void ExPopPageWidgetFrame::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    emit signalExit();
}

void ExPopPageWidgetFrame::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    // Not quite transparent, so that presses beside the pop-up reach the frame.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 127, 127, 1));
}
