#include "propertywidget.h"

#include "app/globalmanager.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

PropertyWidget::PropertyWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi();
    m_tableWidget->setColumnCount(2);
    m_tableWidget->setColumnWidth(0, int(80 * GlobalManager::instance()->fitScale()));
    m_tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableWidget->setSelectionMode(QAbstractItemView::NoSelection);
    m_tableWidget->setEditTriggers(QAbstractItemView::DoubleClicked);
    m_tableWidget->horizontalHeader()->setStretchLastSection(true);
    m_tableWidget->horizontalHeader()->setVisible(false);
    m_tableWidget->verticalHeader()->setVisible(false);
}

PropertyWidget::~PropertyWidget() = default;

void PropertyWidget::setupUi()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("PropertyWidget"));
    resize(400, 300);
    m_verticalLayout = new QVBoxLayout(this);
    m_verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    m_verticalLayout->setContentsMargins(0, 0, 0, 0);
    m_tableWidget = new QTableWidget(this);
    m_tableWidget->setObjectName(QStringLiteral("tableWidget"));
    m_verticalLayout->addWidget(m_tableWidget);
    setWindowTitle(tr("Form"));
}

void PropertyWidget::showProperty(QWidget *control, int nClass, const QJsonObject &data)
{
    hideProperty(1);
    m_currentControl = control;
    m_builtClasses.insert(nClass);
    fillProperty(nClass, data);
}

void PropertyWidget::refreshProperty(QWidget *control, int nClass, const QJsonObject &data)
{
    if (!control || control != m_currentControl || !m_builtClasses.contains(nClass))
        return;
    fillProperty(nClass, data);
}

void PropertyWidget::updateProperty(QWidget *control, int nClass, const QJsonObject &data)
{
    Q_UNUSED(control)
    fillProperty(nClass, data);
}

void PropertyWidget::hideProperty(int mode)
{
    Q_UNUSED(mode)
    m_currentControl = nullptr;
    m_shownClass = -1;
    m_shownData = QJsonObject();
}

void PropertyWidget::fillProperty(int nClass, const QJsonObject &data)
{
    if (!m_builtClasses.contains(nClass))
        return;
    m_shownClass = nClass;
    m_shownData = data;
}
