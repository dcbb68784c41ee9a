#pragma once

#include <QMainWindow>

class ControlFrame;
class GlobalManager;
class ProjectFrame;
class PropertyWidget;
class QAction;
class QMenu;
class QTabWidget;
class QToolBar;
class QWidget;
class SrcListWidget;
class StatusBarFrame;

// The designer's only top-level window: side panels, the page tab area and
// the menus, each command forwarded to GlobalManager.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    QTabWidget *pageTabWidget() const { return m_tabWidget; }
    ProjectFrame *projectFrame() const { return m_projectFrame; }
    SrcListWidget *srcListWidget() const { return m_srcListWidget; }
    ControlFrame *controlFrame() const { return m_controlFrame; }
    PropertyWidget *propertyWidget() const { return m_propertyWidget; }
    StatusBarFrame *statusBarFrame() const { return m_statusBarFrame; }

    // The open command once a file is chosen.
    void openProjectFile(const QString &path);

public slots:
    void slotOpen();
    void slotRemove();
    void slotCloseProjecct();
    void slotClearTreeItems();
    void slotLoadItem(QString name, int type);

private:
    void setupUi();
    void retranslateUi();
    void initConnections();

    QAction *m_openAction = nullptr;
    QAction *m_removeAction = nullptr;
    QMenu *m_fileMenu = nullptr;
    QToolBar *m_mainToolBar = nullptr;
    QTabWidget *m_projectTabs = nullptr;   // tabWidget_2
    QTabWidget *m_controlTabs = nullptr;   // tabWidget_4
    QTabWidget *m_tabWidget = nullptr;     // the page tabs
    QTabWidget *m_propertyTabs = nullptr;  // tabWidget_3
    ProjectFrame *m_projectFrame = nullptr;
    SrcListWidget *m_srcListWidget = nullptr;
    ControlFrame *m_controlFrame = nullptr;
    PropertyWidget *m_propertyWidget = nullptr;
    GlobalManager *m_manager = nullptr;
    StatusBarFrame *m_statusBarFrame = nullptr;
};
