#pragma once

#include "canvas/pageservices.h"
#include "commands/devicestore.h"
#include "core/cmdbtnargs.h"
#include "core/controltypetable.h"
#include "core/midctrlrecord.h"
#include "core/pageinfo.h"
#include "core/wholefile.h"
#include "properties/imagechooser.h"
#include "wall/gridtemplatestore.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>

#include <memory>

class ControlFrame;
class ImgDlg;
class PropertyWidget;
class QTabWidget;
class QTranslator;
class QWidget;
class SrcListWidget;
class UIBase;
class UIPage;

// The one application-wide object: settings, language, the open project and
// plain pointers to the main window's panels, which belong to the main window.
// The shell reaches it through instance(). The layers below never include it:
// they read shared values from core/ and reach it through the interfaces of
// their own level that it implements and installs while it lives.
class GlobalManager : public QObject,
                      public PageServices,
                      public DeviceStore,
                      public GridTemplateStore,
                      public ImageChooser
{
    Q_OBJECT

public:
    static GlobalManager *instance();
    // Test seam: drops the one object so that the next instance() builds a
    // fresh one from the current working directory.
    static void resetInstance();

    ~GlobalManager() override;

    // Settings and language
    int language() const { return m_language; }
    void setLanguage(int language);
    void loadTranslator();
    QString templateConfigDir() const;
    QString openDir() const { return m_openDir; }
    QString newProjectDir() const { return m_newProjectDir; }
    void setNewProjectDir(const QString &dir) { m_newProjectDir = dir; }

    // Start-up services
    void loadFonts();
    void loadStyleSheet();
    void setScreenMetrics(double dpi, double fitScale, double wideScale);
    // Kept in core/ for every layer; these read and write that one copy.
    double dpi() const;
    double fitScale() const;
    double wideScale() const;

    // Paths and names. The program's, the temporary and the project folder
    // and the project file are kept in core/ for every layer; these read and
    // write that one copy.
    QString tempPath() const;
    QString homePath() const { return m_homePath; }
    QString appDirPath() const;
    QString projectPath() const;
    QString projectName() const { return m_projectName; }
    QString projectFile() const;
    QString midCtrlFile() const { return m_midCtrlFile; }
    QString eventFile() const { return m_eventFile; }
    QString scriptFile() const;
    QString scriptPath() const;

    // Control kinds
    const QVector<ControlTypeEntry> &controlTypeTable() const { return m_controlTypes; }
    void initControlTypes();

    // Pages of the open project
    const QVector<PageInfo> &pages() const { return m_pages; }
    PageInfo *hasPage(const QString &name);
    // A new page may not take the name of a page of the project, nor that of
    // a file in its folder that the project does not list.
    bool isPageNameTaken(const QString &name);
    const QJsonObject &project() const { return m_project; }
    bool isProjectOpen() const;

    // A page entry's "File" is a bare file name inside the project folder:
    // not empty, no separator, not "." or "..".
    static bool isSafePageFile(const QString &file);
    // A page name that can become such a file name with ".json".
    static bool isValidPageName(const QString &name);
    // Why a page or a project could not be sent to a panel under this new
    // name (the upload refuses its file name), in a sentence; empty when it
    // can. Names a project already holds are not asked: they open and save.
    static QString newPageNameProblem(const QString &name);
    static QString newProjectNameProblem(const QString &name);

    // Project file and page entries
    bool openProject(const QString &path);
    // False, with the project, its tabs and their edits kept, when a page
    // could not be saved.
    bool closeProject();
    // When the folder cannot be made, *failure says which and why.
    bool createProjectDir(const QString &path, FileWrite *failure = nullptr);
    bool saveOpenDir(const QString &path, FileWrite *failure = nullptr);
    bool createProjectFile(const QString &name);
    // The file of a project without pages written whole at path, nothing said.
    static FileWrite writeEmptyProjectFile(const QString &path);
    bool createEmptyFile(const QString &name);
    bool saveProjectFile();
    // With a limit, an object whose file would be larger is refused and said.
    bool writeJsonFile(const QString &path, const QJsonObject &object, qint64 limit = -1);
    bool addPageEntry(int mainPage, const QString &file, int pageType);
    bool updatePageEntry(PageInfo page) override;
    bool movePageUp(const QString &name);
    bool movePageDown(const QString &name);
    bool renamePage(const QString &oldName, const QString &newName);
    bool deletePage(const QString &name);
    bool closePageTabs(const QString &name);
    void saveAllPages();

    // The project image dialog, made on first use and kept for the run.
    int showImageDialog(QString &path) override;
    ImgDlg *imageDialog() const { return m_imgDlg.get(); }

    // Devices and events of the project
    const QVector<MidCtrlRecord> &midCtrls() const override { return m_midCtrls; }
    void setMidCtrls(const QVector<MidCtrlRecord> &records) override;
    void loadMidCtrls(const QString &fileName);
    // Refuses to write over a device file that was not read whole.
    FileWrite saveMidCtrls() override;
    // Why the device file of the open project must not be written: it was
    // not read whole, or a write would be refused there now. Empty when it
    // can be edited.
    QString midCtrlsReadOnlyReason() const;
    // Writes a device list as "mid_ctrl.dat" into a project folder; the list
    // held here is not touched.
    FileWrite writeMidCtrls(const QString &folder, const QVector<MidCtrlRecord> &records) override;
    void loadEvents(const QString &fileName);

    // Interlock group ids, kept in canvas/ where every page reads them
    int maxId() const;
    void updateMaxId(int id);

    // Armed palette kind
    int dropClass() const override { return m_dropClass; }
    void setDropClass(int nClass) { m_dropClass = nClass; }

    // Grid templates of the current language
    QString gridTemplatePath() const override;
    const QJsonArray &gridTemplates() const override { return m_gridTemplates; }
    bool loadGridTemplates() override;
    // Refuses while the file of the language was refused at the last load.
    FileWrite saveGridTemplates(QJsonArray templates) override;

    // Panels of the main window; remembered, never owned.
    void setTabWidget(QTabWidget *tabWidget);
    void setControlFrame(ControlFrame *frame);
    void setPropertyWidget(PropertyWidget *widget);
    void setSrcListWidget(SrcListWidget *widget);
    QTabWidget *tabWidget() const;
    ControlFrame *controlFrame() const;
    PropertyWidget *propertyWidget() const;
    SrcListWidget *srcListWidget() const;

    // Each page tab is a scroll area holding the page canvas; these return
    // that canvas (null when there is none). The canvas narrows them to its
    // own class.
    QWidget *currentPageWidget() const override;
    QWidget *pageWidgetAt(int index) const;
    int currentIndex() const { return m_currentIndex; }
    QWidget *propertyControl() const override;
    int defaultZoom() const;
    // A control that is going away: it leaves the property panel's memory and
    // the canvas clipboard, so no pointer to it survives.
    void forgetControl(QWidget *control) override;

    // What was typed into the property panel and not yet committed goes to
    // its control before a command, a save or a close.
    void commitPanelTyping();

    // Forwarders from the main window to the current page
    void alignControls(int mode);
    void addControlAtCursor(QRect rect);
    void raiseControl(bool toTop);
    // The control tree names a control by its identity too, since two
    // controls can share a name.
    void deleteControl(int nClass, QString name, int type, quint64 id = 0);
    void selectControl(int nClass, QString name, quint64 id = 0);

    // The canvas clipboard, kept in canvas/: live controls of one page, never
    // owned; entries whose control has gone are left out.
    void setClipboard(QWidget *sourcePage, const QVector<QPointer<QWidget>> &controls);
    QVector<QPointer<QWidget>> clipboard() const;
    QWidget *clipSourcePage() const;
    // A copy of a control's attribute object, whose command lists paste
    // into other command controls.
    QJsonObject cmdClipboard() const;
    void setCmdClipboard(const QJsonObject &attributes);
    // The first page record of that name is no longer open in a tab.
    void markPageClosed(const QString &name);
    // The canvas of the current tab, or of tab index; null when there is none.
    UIPage *currentPage() const;
    UIPage *pageAt(int index) const;

    // Page files and page tabs. A page name becomes its file name with
    // ".json", so it must be a bare file name; a new name is taken without
    // the blanks around it, and one of blanks only is refused.
    bool createPage(const QString &name, int width, int height, int pageType);
    bool copyPage(const QString &sourceName, const QString &name, int width, int height, int pageType);
    bool importPage(const QString &path, int *pageType);
    // The name a page imported from that file gets.
    static QString importedPageName(const QString &path);
    bool openPageTab(const QString &name, int pageKind);
    void openPreview();

    // Forwarders from the pages to the panels
    void showProperty(const QString &pageName, QWidget *control, int nClass, const QJsonObject &data) override;
    // Refills the panel's rows when control is the one on view.
    void refreshProperty(const QString &pageName, QWidget *control, int nClass, const QJsonObject &data);
    void fillProperty(QWidget *control, int nClass, const QJsonObject &data) override;
    void hideProperty() override;
    // The control tree's items carry the control's identity, so that of two
    // controls of one name the item of the one that goes is taken out.
    void addControlItem(int nClass, const QString &name, quint64 id = 0) override;
    void removeControlItem(int nClass, const QString &name, quint64 id = 0) override;
    void resetZoom() override;
    void setCurrentTabByName(const QString &name);

public slots:
    void slotPageChange(int index);
    void slotSetResData(QString pagename, int width, int height);
    void slotPageClose(int index);
    void slotUndo();
    void slotRedo();
    void slotCopy();
    void slotPaste();
    void slotFormatPainter();
    void slotSelfLock();
    void slotAllLock();
    void slotUnlock();
    void slotCopyCmd();
    void slotPasteCmd();
    void slotReplaceArgsCmd(CMD_BTN_ARGS args);
    void slotSetScaleData(int percent);

private slots:
    // A page changed a control's attributes: the panel shows them again when
    // that control is on view.
    void slotControlAttributesChanged(UIBase *control);

signals:
    void signalClearItems();
    void signalAddItem(QString name, int type);
    void signalWidgetScaleData(int percent);

private:
    GlobalManager();

    // Guard of the forwarders to the current page: a page tab is current.
    bool hasCurrentTab() const;
    // The page in front and the zoom bar both take the default zoom.
    void showDefaultZoom();
    // The property panel shows what was last selected on the page in front,
    // or hides when no page is in front.
    void showFrontPageProperties();
    // The current page, once typing pending in the property panel has gone
    // to its control: the page that the tool-bar and menu commands act on.
    UIPage *pageForCommand();
    // The file read whole; a refusal (a FIFO, a device, over the bound) is
    // said to the user.
    static WholeFile readSayingRefusal(const QString &path, WholeFile::Kind kind);
    // The file written whole; a failure, also a refusal to write over what is
    // no regular file or bytes over the limit, is said to the user with the path.
    static bool writeSayingFailure(const QString &path, const QByteArray &bytes, qint64 limit = -1);
    // Says a failed write with its path and why; true when it was written.
    static bool sayWriteFailure(const FileWrite &written);
    // The project file written whole from m_project, nothing said.
    FileWrite writeProjectFile() const;
    // The project folder is still there. One moved or deleted while the
    // project is open is said, and nothing is written into its old path.
    bool projectFolderPresent() const;
    bool mayAddPage(const QString &name, const QString &sourceName = QString());
    PageInfo newPageInfo(const QString &name, int width, int height, int pageType) const;

    // Calls into the canvas of an open tab, by slot name: the canvas offers
    // slotSaveFile(), onPageChange() and slotPageRenamed(QString,QString). A
    // tab whose widget lacks the slot is left as it is. False while the page
    // still holds changes that its save could not write.
    static bool savePageWidget(QWidget *page);
    // Hook for "open page renamed": the canvas of a renamed page takes its
    // new name and file, so that its next save writes the new file.
    static void openPageRenamed(QWidget *page, const QString &name, const QString &file);
    void removeTabAt(int index);
    QString projectFilePath() const;
    QString pageFilePath(const QString &file) const;
    int findPageEntry(const QJsonArray &entries, const QString &file) const;
    bool movePageEntry(QJsonArray entries, int from, int to);
    bool commitProject(const QJsonObject &previous);
    // The current page while the manager follows a current tab.
    UIPage *indexedPage() const;

    // Records a new page in the page list and the project file; on failure
    // neither holds it.
    bool addNewPage(const PageInfo &page);
    // The page file of a page that has no tab, rewritten for a new size.
    void resizePageFile(const QString &name, int width, int height);

    struct ImgDlgDeleter { void operator()(ImgDlg *dialog) const; };

    QTranslator *m_translator = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    QPointer<QWidget> m_propertyControl;
    QVector<ControlTypeEntry> m_controlTypes;
    QJsonArray m_gridTemplates;
    // The template file of the language was there but refused: it is not
    // written over with what little was held instead.
    bool m_gridTemplatesRefused = false;
    QString m_homePath;
    int m_language = 0;
    int m_currentIndex = -1;
    int m_dropClass = -1;
    QString m_openDir;
    QString m_projectName;
    QString m_newProjectDir;
    QString m_midCtrlFile;
    QString m_eventFile;
    QVector<MidCtrlRecord> m_midCtrls;
    enum class MidCtrlRead { Whole, Refused, Unparseable, Incomplete };
    MidCtrlRead m_midCtrlRead = MidCtrlRead::Whole;
    QString m_midCtrlProblem;   // which file and why, when refused
    QVector<PageInfo> m_pages;
    QJsonObject m_project;
    QPointer<QTabWidget> m_tabWidget;
    QPointer<ControlFrame> m_controlFrame;
    QPointer<PropertyWidget> m_propertyWidget;
    QPointer<SrcListWidget> m_srcListWidget;
    std::unique_ptr<ImgDlg, ImgDlgDeleter> m_imgDlg;
};
