#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

class ControlFrame;
class GlobalManager;
class NewProjectFiles;
class ProjectFrame;
class PropertyWidget;
class QAction;
class QCloseEvent;
class QDialog;
class QLabel;
class QMenu;
class QMenuBar;
class QTabWidget;
class QToolBar;
class QWidget;
class SrcListWidget;
class StatusBarFrame;
class UIPage;

// The designer's only top-level window: side panels, the page tab area, the
// menus and the tool bar, each command forwarded to GlobalManager.
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
    QLabel *dragLabel() const { return m_dragLabel; }
    QToolBar *mainToolBar() const { return m_mainToolBar; }
    // The action of that object name ("undoAction"), or null.
    QAction *action(const QString &objectName) const { return m_actions.value(objectName); }

    // The open command once a file is chosen.
    void openProjectFile(const QString &path);
    // The new-project command once the dialog is answered: name of the
    // project folder (the blanks around it dropped), the folder it is made
    // in, and whether the language's template fills it. True when the new
    // project, or the one found there, is open; a refusal, 取消 and every
    // failure found before the open project closes keep that one open.
    bool createProject(const QString &name, const QString &folder, bool useTemplate);
    // Fills the new project's files from the template folder of the
    // language and names the project file after the project; a failure is
    // said with the file and why.
    bool createProjectFromTemplate(const NewProjectFiles &files, const QString &name);
    // The project file of an empty project among the new project's files.
    bool createEmptyProjectFile(const NewProjectFiles &files, const QString &name);

    // Every text and tool tip again, in the language now loaded.
    void retranslateUi();

public slots:
    void slotNew();
    void slotOpen();
    void slotRemove();
    void slotCloseProjecct();
    void slotDeleteProjecctFile(QString &name);
    void slotClearTreeItems();
    void slotLoadItem(QString name, int type);

    void saveSlot();
    void undoSlot();
    void redoSlot();
    void copySlot();
    void pasteSlot();
    void copyCmdSlot();
    void pasteCmdSlot();
    void formatPainterSlot(bool checked);

    void slotLeftJ();
    void slotRightJ();
    void slotTopJ();
    void slotBottomJ();
    void slotVCenter();
    void slotHCenter();
    void slotVdAlign();
    void slotHdAlign();
    void slotSameAlign();
    void slotVCenter2();
    void slotHCenter2();
    void slotToTop();
    void slotToBottom();

    void slotSelfLock();
    void slotUnlock();
    void slotAllLock();
    void slotPreview();
    void slotUpload();

    void slotOnSignalDragStart(QString title);
    void slotOnSignalDragEnd();

    void fontSlot();
    void colorSlot();
    void infoSlot();
    void aboutSlot();
    void quitSlot();
    void updateSlot();
    void runSlot();
    void slotLanguageZhCn();
    void slotLanguageZhTw();
    void slotLanguageEn();
    // Tool and device actions (mainwindow_tools.cpp)
    void replaceIPSlot();
    void slotMidCtrl();
    void slotFunction();
    void slotEvent();
    void slotTrans();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    // The painter button and the palette follow the page now in front.
    void syncWithPageInFront();

private:
    void setupUi();
    void createActions();
    void createMenus(QMenuBar *bar);
    void createToolBar();
    void initConnections();
    // The canvases of the page tabs, in tab order.
    QList<UIPage *> openPages() const;
    void switchLanguage(int language);

    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QToolBar *m_mainToolBar = nullptr;
    QTabWidget *m_projectTabs = nullptr;   // tabWidget_2
    QTabWidget *m_controlTabs = nullptr;   // tabWidget_4
    QTabWidget *m_tabWidget = nullptr;     // the page tabs
    QTabWidget *m_propertyTabs = nullptr;  // tabWidget_3
    ProjectFrame *m_projectFrame = nullptr;
    SrcListWidget *m_srcListWidget = nullptr;
    ControlFrame *m_controlFrame = nullptr;
    PropertyWidget *m_propertyWidget = nullptr;
    // Follows the cursor while a palette entry is dragged; a child of the
    // window, outside every layout.
    QLabel *m_dragLabel = nullptr;
    int m_dragWidth = 160;
    int m_dragHeight = 90;
    GlobalManager *m_manager = nullptr;
    StatusBarFrame *m_statusBarFrame = nullptr;

    // The project check of the device, event and script actions.
    bool hasOpenProject();
    // Brings the tool's window to the front; false when it is not open.
    static bool raiseTool(QDialog *tool);
    void showTool(QPointer<QDialog> &slot, QDialog *tool);
    // Closes the open tool windows as their own close does (each saves);
    // false while one stays open because it could not save and the user
    // kept it.
    bool closeTools();

    // The windows of the device editor, the script editor and the string
    // tool: one of each, beside the window, each gone once it is closed.
    QPointer<QDialog> m_midCtrlDlg;
    QPointer<QDialog> m_scriptEditor;
    QPointer<QDialog> m_stringTool;
};
