#include "projectframe.h"

#include "shell/srcgrouplistwidget.h"

#include <QVBoxLayout>

ProjectFrame::ProjectFrame(QWidget *parent)
    : QFrame(parent)
{
    setupUi();
    connect(m_widget, SIGNAL(signalAddFile(QString&)), this, SIGNAL(signalAddFile(QString&)));
    connect(m_widget, SIGNAL(signalDeleteFile(QString&)), this, SIGNAL(signalDeleteFile(QString&)));
    connect(m_widget, SIGNAL(signalClose()), this, SIGNAL(signalClose()));
}

ProjectFrame::~ProjectFrame()
{
    disconnect(m_widget, nullptr, this, nullptr);
}

void ProjectFrame::setupUi()
{
    setObjectName(QStringLiteral("ProjectFrame"));
    resize(200, 369);
    setMinimumSize(0, 0);
    // No maximum width: the tree fills its tab, which is wider than 200.
    m_verticalLayout = new QVBoxLayout(this);
    m_verticalLayout->setObjectName(QStringLiteral("verticalLayout_2"));
    m_verticalLayout->setContentsMargins(0, 0, 0, 0);
    m_widget = new SrcGroupListWidget(this);
    m_widget->setObjectName(QStringLiteral("widget"));
    m_verticalLayout->addWidget(m_widget);
}

void ProjectFrame::clearItems()
{
    m_widget->clearItems();
}

void ProjectFrame::addItem(const QString &name, int type)
{
    m_widget->addItem(name, type);
}

void ProjectFrame::createItem(const QString &name, int type)
{
    m_widget->createItem(name, type);
}
