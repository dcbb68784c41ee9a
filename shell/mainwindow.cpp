#include "mainwindow.h"

#include "core/globalmanager.h"
#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "shell/projectframe.h"
#include "shell/srclistwidget.h"
#include "shell/statusbarframe.h"

#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
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
    m_statusBarFrame = new StatusBarFrame(this);
    statusBar()->addPermanentWidget(m_statusBarFrame);
    setWindowTitle(QStringLiteral("Brivane"));
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    move((desktop.width() - width()) / 2, (desktop.height() - height()) / 2);

    initConnections();
    m_manager = GlobalManager::instance();
    connect(m_manager, SIGNAL(signalClearItems()), this, SLOT(slotClearTreeItems()));
    connect(m_manager, SIGNAL(signalAddItem(QString,int)), this, SLOT(slotLoadItem(QString,int)));
    connect(m_manager, SIGNAL(signalWidgetScaleData(int)), m_statusBarFrame, SLOT(slotSetScaleData(int)));

    const int sideWidth = int(280 * m_manager->wideScale());
    m_projectTabs->setMinimumWidth(sideWidth);
    m_propertyTabs->setMinimumWidth(sideWidth);
    m_controlTabs->setMinimumWidth(sideWidth);

    m_manager->setControlFrame(m_controlFrame);
    m_manager->setPropertyWidget(m_propertyWidget);
    m_manager->setSrcListWidget(m_srcListWidget);
    m_manager->setTabWidget(m_tabWidget);
}

MainWindow::~MainWindow() = default;

void MainWindow::setupUi()
{
    setObjectName(QStringLiteral("MainWindow"));
    resize(1075, 722);

    m_openAction = new QAction(QIcon(QStringLiteral(":/new/icon/images/open.png")), QString(), this);
    m_openAction->setObjectName(QStringLiteral("openAction"));
    m_removeAction = new QAction(QIcon(QStringLiteral(":/new/icon/images/close.png")), QString(), this);
    m_removeAction->setObjectName(QStringLiteral("removeAction"));

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
    m_projectFrame = new ProjectFrame;
    m_projectFrame->setObjectName(QStringLiteral("projectFrame"));
    m_projectTabs->addTab(m_projectFrame, QString());

    m_controlTabs = new QTabWidget(central);
    m_controlTabs->setObjectName(QStringLiteral("tabWidget_4"));
    m_srcListWidget = new SrcListWidget;
    m_srcListWidget->setObjectName(QStringLiteral("widget"));
    m_controlFrame = new ControlFrame;
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
    m_propertyWidget = new PropertyWidget;
    m_propertyWidget->setObjectName(QStringLiteral("widget_2"));
    m_propertyTabs->addTab(m_propertyWidget, QString());

    row->addLayout(left);
    row->addWidget(m_tabWidget, 1);
    row->addWidget(m_propertyTabs);
    setCentralWidget(central);

    auto *menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("menuBar"));
    m_fileMenu = new QMenu(menus);
    m_fileMenu->setObjectName(QStringLiteral("menu"));
    m_fileMenu->addAction(m_openAction);
    m_fileMenu->addAction(m_removeAction);
    menus->addAction(m_fileMenu->menuAction());
    setMenuBar(menus);

    m_mainToolBar = new QToolBar(this);
    m_mainToolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_mainToolBar->addAction(m_openAction);
    addToolBar(Qt::TopToolBarArea, m_mainToolBar);
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("statusBar"));
    setStatusBar(status);

    retranslateUi();
}

void MainWindow::retranslateUi()
{
    m_openAction->setText(tr("打开"));
    m_removeAction->setText(tr("关闭项目"));
    m_removeAction->setToolTip(tr("关闭项目"));
    m_fileMenu->setTitle(tr("文件"));
    m_projectTabs->setTabText(0, tr("项目视图"));
    m_controlTabs->setTabText(0, tr("所有控件"));
    m_controlTabs->setTabText(1, tr("页面控件"));
    m_propertyTabs->setTabText(0, tr("属性框"));
}

void MainWindow::initConnections()
{
    connect(m_openAction, SIGNAL(triggered(bool)), this, SLOT(slotOpen()));
    connect(m_removeAction, SIGNAL(triggered(bool)), this, SLOT(slotRemove()));
    connect(m_projectFrame, SIGNAL(signalClose()), this, SLOT(slotCloseProjecct()));
}

void MainWindow::slotOpen()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("打开配置文件"), m_manager->openDir(),
                                                      QStringLiteral("UIProject Files (*.projectui)"));
    if (!path.isEmpty())
        openProjectFile(path);
}

void MainWindow::openProjectFile(const QString &path)
{
    m_manager->openProject(path);
}

void MainWindow::slotRemove()
{
    m_manager->closeProject();
    m_projectFrame->clearItems();
}

void MainWindow::slotCloseProjecct()
{
    m_manager->closeProject();
}

void MainWindow::slotClearTreeItems()
{
    m_projectFrame->clearItems();
}

void MainWindow::slotLoadItem(QString name, int type)
{
    qDebug() << name << type;
    m_projectFrame->addItem(name, type);
}
