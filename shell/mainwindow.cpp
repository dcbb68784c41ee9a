#include "mainwindow.h"

#include "core/globalmanager.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setupUi();
    setWindowTitle(QStringLiteral("Brivane"));
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    move((desktop.width() - width()) / 2, (desktop.height() - height()) / 2);

    const int sideWidth = int(280 * GlobalManager::instance()->wideScale());
    m_projectTabs->setMinimumWidth(sideWidth);
    m_propertyTabs->setMinimumWidth(sideWidth);
    m_controlTabs->setMinimumWidth(sideWidth);
}

MainWindow::~MainWindow() = default;

void MainWindow::setupUi()
{
    setObjectName(QStringLiteral("MainWindow"));
    resize(1075, 722);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto *row = new QHBoxLayout(central);
    row->setObjectName(QStringLiteral("horizontalLayout"));
    row->setSpacing(6);

    auto *left = new QVBoxLayout;
    left->setObjectName(QStringLiteral("verticalLayout_2"));
    left->setSpacing(6);

    m_projectTabs = new QTabWidget(central);
    m_projectTabs->setObjectName(QStringLiteral("tabWidget_2"));
    m_projectTabs->setMinimumWidth(240);
    m_projectFrame = new QWidget;
    m_projectFrame->setObjectName(QStringLiteral("projectFrame"));
    m_projectTabs->addTab(m_projectFrame, QString());

    m_controlTabs = new QTabWidget(central);
    m_controlTabs->setObjectName(QStringLiteral("tabWidget_4"));
    m_srcListWidget = new QWidget;
    m_srcListWidget->setObjectName(QStringLiteral("widget"));
    m_controlFrame = new QWidget;
    m_controlFrame->setObjectName(QStringLiteral("frame"));
    m_controlTabs->addTab(m_srcListWidget, QString());
    m_controlTabs->addTab(m_controlFrame, QString());
    m_controlTabs->setCurrentIndex(1);

    left->addWidget(m_projectTabs);
    left->addWidget(m_controlTabs);

    m_tabWidget = new QTabWidget(central);
    m_tabWidget->setObjectName(QStringLiteral("tabWidget"));
    m_tabWidget->setStyleSheet(QStringLiteral("background-color: rgb(221, 221, 221);"));
    m_tabWidget->setTabPosition(QTabWidget::North);
    m_tabWidget->setTabsClosable(true);
    m_tabWidget->setMovable(true);

    m_propertyTabs = new QTabWidget(central);
    m_propertyTabs->setObjectName(QStringLiteral("tabWidget_3"));
    m_propertyTabs->setMinimumWidth(240);
    m_propertyWidget = new QWidget;
    m_propertyWidget->setObjectName(QStringLiteral("widget_2"));
    m_propertyTabs->addTab(m_propertyWidget, QString());

    row->addLayout(left);
    row->addWidget(m_tabWidget, 1);
    row->addWidget(m_propertyTabs);
    setCentralWidget(central);

    auto *menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("menuBar"));
    setMenuBar(menus);
    auto *tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("mainToolBar"));
    addToolBar(Qt::TopToolBarArea, tools);
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("statusBar"));
    setStatusBar(status);

    retranslateUi();
}

void MainWindow::retranslateUi()
{
    m_projectTabs->setTabText(0, tr("项目视图"));
    m_controlTabs->setTabText(0, tr("所有控件"));
    m_controlTabs->setTabText(1, tr("页面控件"));
    m_propertyTabs->setTabText(0, tr("属性框"));
}
