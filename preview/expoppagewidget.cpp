#include "expoppagewidget.h"

#include <QDebug>
#include <QResizeEvent>

ExPopPageWidget::ExPopPageWidget(QWidget *parent)
    : ExPageHost(PopupHost, 0, QString(), parent)
{
    setObjectName(QStringLiteral("ExPopPageWidget"));
}

ExPopPageWidget::~ExPopPageWidget()
{
    qWarning() << "ExPopPageWidget::~ExPopPageWidget()" << m_pageFile;
    releaseElements();
}

void ExPopPageWidget::init(const QString &pageFile, int width, int height)
{
    m_width = width;
    m_height = height;
    m_pageFile = pageFile;
    loadPageFile();
    qDebug() << "ExPopPageWidget::init()" << geometry();
}

void ExPopPageWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    qDebug() << "ExPopPageWidget::resizeEvent old:" << event->oldSize() << geometry();
    qDebug() << "ExPopPageWidget::resizeEvent new:" << event->size() << geometry();
}
