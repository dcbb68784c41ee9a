#include "canvas/uipage.h"
#include "app/globalmanager.h"
#include "commands/codeeditor.h"
#include "commands/codeeditordlg.h"
#include "commands/midctrformdlg.h"
#include "commands/midctrldlg.h"
#include "core/wholefile.h"
#include "preview/pagedlg.h"
#include "properties/propertywidget.h"
#include "shell/changepagesizedg.h"
#include "shell/controlframe.h"
#include "shell/imgdlg.h"
#include "shell/imglabel.h"
#include "shell/imgshowframe.h"
#include "shell/mainwindow.h"
#include "shell/newfiledlg.h"
#include "shell/projectframe.h"
#include "shell/qruner.h"
#include "shell/srcgrouplistwidget.h"
#include "shell/srclistwidget.h"
#include "shell/statusbarframe.h"
#include "tests/canvas/pagefixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QCursor>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

// The main window: its actions, panels, project tree and tool windows, and new projects.
using namespace pagefixture;

namespace {
const int kCmdButton = 129;
const int kLabel = 104;

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList entriesOf(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

const char kSizeMessage[] = "宽度必须在160--15360,高度必须在64-8640之间";

// Runs act on the modal dialog of class T once it is up: the dialogs run
// their own loop inside the slot that opened them.
template <typename T, typename F>
void whenModal(F act)
{
    auto *timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (dialog || ++*tries > 300) {
            timer->stop();
            timer->deleteLater();
        }
        if (dialog)
            act(dialog);
    });
    timer->start(10);
}

void typeInto(QWidget *dialog, const char *editName, const QString &text)
{
    auto *edit = dialog->findChild<QLineEdit *>(QLatin1String(editName));
    edit->clear();
    QTest::keyClicks(edit, text);
}

void press(QWidget *dialog, const char *buttonName)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(buttonName)), Qt::LeftButton);
}

// Answers the next new-page dialog with name and width (OK or Cancel).
void answerNewFile(const QString &name, const QString &width, bool accept)
{
    whenModal<NewFileDlg>([=](NewFileDlg *dialog) {
        typeInto(dialog, "lineEdit", name);
        if (!width.isNull())
            typeInto(dialog, "lineEdit_2", width);
        press(dialog, accept ? "pushButton_2" : "pushButton");
        // A refused answer keeps the dialog open.
        if (dialog->isVisible())
            press(dialog, "pushButton");
    });
}

// Answers the next text question.
void answerInput(const QString &text, bool accept = true)
{
    whenModal<QInputDialog>([=](QInputDialog *dialog) {
        dialog->setTextValue(text);
        accept ? dialog->accept() : dialog->reject();
        // A refused answer keeps the dialog open.
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Types text key by key, also characters beyond Latin-1.
void typeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A write refused or failed, as the window says it: the whole path, then why.
QString writeFailure(const QString &lead, const QString &path, const char *reason)
{
    return lead + QDir::toNativeSeparators(path) + QLatin1Char('\n') + u(reason);
}

// Devices as a hand writes them: no blanks, keys in another order than a save's.
const QByteArray kHandWrittenDevices = "{\"MidCtrls\":[{\"name\":\"matrix\",\"cmds\":[],\"uuid\":100003,"
                                       "\"port\":5000,\"protocol\":1,\"ip\":\"10.0.0.3\"},\r\n"
                                       "{\"ip\":\"10.0.0.7\",\"uuid\":100007,\"name\":\"dsp\",\"port\":23,\"protocol\":0}]}";

// The names of the devices in a device file, in order.
QStringList deviceNames(const QString &file)
{
    QStringList names;
    for (const QJsonValue &device : jsonFixture(readFixture(file))["MidCtrls"].toArray())
        names << device["name"].toString();
    return names;
}

// The tool window of that class open beside the window, or null.
QDialog *openTool(const QString &className)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && QLatin1String(widget->metaObject()->className()) == className)
            return qobject_cast<QDialog *>(widget);
    }
    return nullptr;
}

// What a tool holds: the script's text, or the names of the devices listed.
QString heldBy(QDialog *tool)
{
    if (auto *script = qobject_cast<CodeEditorDlg *>(tool))
        return script->editor()->toPlainText();
    QStringList names;
    for (const MidCtrlRecord &device : qobject_cast<MidCtrlDlg *>(tool)->midCtrls())
        names << recordText(device.name);
    return names.join(',');
}

// While it lives, answers every real message box as a user does; their
// texts go to asked.
class BoxAnswerer
{
public:
    BoxAnswerer(QStringList *asked, std::function<void(QMessageBox *)> act)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [asked, act] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked->append(box->text());
                act(box);
            }
        });
        m_timer.start(10);
    }

private:
    QTimer m_timer;
};

QStringList listed(const ImgDlg &dialog)
{
    QStringList names;
    for (int row = 0; row < dialog.listWidget()->count(); ++row)
        names << dialog.listWidget()->item(row)->text();
    names.sort();
    return names;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menusToolBarActionsAndLanguages();
    void editActionsReachTheSelection();
    void formatPainterNeedsSelectionAndFollowsPage();
    void controlTreeDoubleClickSelectsControlOnly();
    void controlTreeDeleteRemovesControlOrWholeKind_data();
    void controlTreeDeleteRemovesControlOrWholeKind();
    void paletteDragDropsArmedKindOnlyInsidePage_data();
    void paletteDragDropsArmedKindOnlyInsidePage();
    void paletteFollowsPageInFrontAndDragsOnlyAnEntry();
    void pageKeepsKeysAfterClickBesideIt();
    void zoomBarAndPageScaleFollowEachOther();
    void closingWindowWithModifiedPage_data();
    void closingWindowWithModifiedPage();
    void fullDiskKeepsThePageModifiedAndSaysWhy_data();
    void fullDiskKeepsThePageModifiedAndSaysWhy();
    void retriedSaveWritesTheEntryTheProjectFileRefused_data();
    void retriedSaveWritesTheEntryTheProjectFileRefused();
    void pageOverItsBoundAfterAPasteIsNotSaved();
    void previewAndUploadAskToSaveFirst();
    void previewHoldsTheWindowUntilClosed();
    void treeListsProjectThenPagesUntilClosed();
    void newPageOrCopy_data();
    void newPageOrCopy();
    void importAddsPageInFrontOrRefusesIt_data();
    void importAddsPageInFrontOrRefusesIt();
    void doubleClickOpensOneTabCopyAsksToSaveIt();
    void renameMoveAndResizeChangeTreeAndFiles();
    void renameOntoALinkToNothingIsSaidAndChangesNothing_data();
    void renameOntoALinkToNothingIsSaidAndChangesNothing();
    void deleteAsksAndNoKeepsEverything_data();
    void deleteAsksAndNoKeepsEverything();
    void refusedNameKeepsItsDialogOpenAsTyped_data();
    void refusedNameKeepsItsDialogOpenAsTyped();
    void newProjectFromTemplateOrEmpty_data();
    void newProjectFromTemplateOrEmpty();
    void refusedNewProjectOpensNothing_data();
    void refusedNewProjectOpensNothing();
    void newProjectOnAFullDiskSaysTheCause_data();
    void newProjectOnAFullDiskSaysTheCause();
    void newProjectFolderThatCannotBeMadeKeepsTheOpenOne_data();
    void newProjectFolderThatCannotBeMadeKeepsTheOpenOne();
    void projectFolderGoneIsSaidAndNotMadeAgain_data();
    void projectFolderGoneIsSaidAndNotMadeAgain();
    void existingProjectQuestions_data();
    void existingProjectQuestions();
    void escapeAtExistingProjectKeepsTheOpenOne_data();
    void escapeAtExistingProjectKeepsTheOpenOne();
    void toolActionsOpenTheirWindows_data();
    void toolActionsOpenTheirWindows();
    void unwritableToolFileIsSaidAtOpening_data();
    void unwritableToolFileIsSaidAtOpening();
    void refusedToolSaveAsksBeforeClosing_data();
    void refusedToolSaveAsksBeforeClosing();
    void windowClosesAfterARefusedToolSave_data();
    void windowClosesAfterARefusedToolSave();
    void uneditedDeviceListWritesNothing_data();
    void uneditedDeviceListWritesNothing();
    void runDialogStartsProgramWithoutShell();
    void imageDialogImportsPicksAndDeletesPicturesOnly();
    void imageDialogShowsNothingOfWhatIsNoFile();
    void imageImportRefusesNamesTheUploadRefuses_data();
    void imageImportRefusesNamesTheUploadRefuses();
    void imageDialogListsNoPictureCutShort();
    void panelFollowsThePageInFront();
    void saveUndoRedoKeysAndChoiceListsInThePanel();
    void typingLeftInARowIsWhatTheFileHolds_data();
    void typingLeftInARowIsWhatTheFileHolds();
    void toolBarCommandsCommitTypingFirst_data();
    void toolBarCommandsCommitTypingFirst();
    void oneUndoTakesBackACommittedRow_data();
    void oneUndoTakesBackACommittedRow();
    void rowHistoryStaysWithItsControl();

private:
    UIBase *control(const char *name) const { return m_page->findControl(kCmdButton, QLatin1String(name)); }
    void trigger(const char *objectName)
    {
        QAction *action = m_window->action(QLatin1String(objectName));
        QVERIFY2(action && action->isEnabled(), objectName);
        action->trigger();
    }
    // One key of the three buttons, in order.
    QList<int> values(const char *key) const
    {
        QList<int> result;
        for (const char *name : {"CmdButton_1", "CmdButton_2", "CmdButton_3"})
            result << intAt(control(name), key);
        return result;
    }
    void dragPaletteEntry(int row, const QPoint &globalEnd);
    // Types into the X row of the first button, selected, and leaves it
    // there without Enter; the row keeps the focus.
    QLineEdit *typeXWithoutEnter(const QString &text);
    QTreeWidgetItem *controlItem(const QString &text) const;
    QString folder() const { return m_workDir->filePath("projects"); }
    QTreeWidget *treeWidget() const { return m_window->projectFrame()->tree()->treeWidget(); }
    QTreeWidgetItem *root() const { return treeWidget()->topLevelItem(0); }
    QTreeWidgetItem *pageItem(const QString &name) const;
    QString pagePath(const QString &name) const { return m_projectDir + "/" + name + ".json"; }
    // The project, then each page with its kind.
    QStringList treeLines() const;
    // Tree, page list, project file, folder contents and tabs, for checking
    // that a refused action left all of them alone.
    QStringList state() const;
    QJsonObject lastEntry() const { return jsonFixture(readFixture(m_projectFile))["Page"].toArray().last().toObject(); }
    // The tool of 函数 or 反馈 opened on a script and devices written by hand,
    // and edited as a user does (a line typed, a device deleted); its file,
    // and what it holds.
    struct EditedTool {
        QPointer<QDialog> dialog;
        QString path;
        QString held;
    };
    EditedTool openEditedTool(const QString &action);
    QStringList chooseFromMenu(QTreeWidgetItem *item, const QString &entry)
    {
        return chooseFromContextMenu(treeWidget(), item, entry);
    }

    std::unique_ptr<TestWorkDir> m_workDir;
    std::unique_ptr<TestNotifier> m_notifier;
    MainWindow *m_window = nullptr;
    QTabWidget *m_tabs = nullptr;
    UIPage *m_page = nullptr;
    QString m_projectFile;
    QString m_projectDir;
};

void TestMainWindow::init()
{
    m_workDir.reset(new TestWorkDir(TestWorkDir::WithAssets));
    QVERIFY(m_workDir->isValid());
    m_notifier.reset(new TestNotifier);
    GlobalManager *manager = GlobalManager::instance();
    manager->setScreenMetrics(96.0, 1.0, 1.0);
    // The texts below are those of simplified Chinese, whatever the machine's locale.
    manager->setLanguage(0);
    manager->loadStyleSheet();
    // Page a holds three command buttons and opens in front; b is a login
    // page with a label, c a form.
    m_projectFile = writeProjectFixture(m_workDir->path(), R"({"Page": [{"File": "a.json"},
        {"File": "b.json", "PageType": 2}, {"File": "c.json", "PageType": 1}]})", {}, "hall", "hall.projectui");
    m_projectDir = QFileInfo(m_projectFile).absolutePath();
    QJsonObject first = pagefixture::control("CmdButton", "CmdButton_1", 300, 50, 100, 40);
    const QJsonObject second = pagefixture::control("CmdButton", "CmdButton_2", 100, 200, 60, 30);
    QJsonObject third = pagefixture::control("CmdButton", "CmdButton_3", 500, 350, 40, 80);
    first.insert("on_cmd_data_list", QJsonArray{QJsonObject{{"ip", "10.0.0.5"}, {"port", 5000}, {"data", "AA 01"}}});
    third.insert("on_cmd_data_list", QJsonArray());
    QVERIFY(writePage(pagePath("a"), {pageObject(800, 600), first, second, third}));
    QVERIFY(writePage(pagePath("b"), {pageObject(800, 600), pagefixture::control("Label", "Label_1", 100, 50, 333, 99)}));
    QVERIFY(writePage(pagePath("c"), {pageObject(1600, 900)}));
    m_window = new MainWindow;
    m_tabs = m_window->pageTabWidget();
    m_window->move(0, 0);
    m_window->resize(1400, 860);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->openProjectFile(m_projectFile);
    m_page = openPageTab("a");
    QVERIFY(m_page);
}

void TestMainWindow::cleanup()
{
    // A test that showed the real boxes and failed on the way: none may show now.
    if (!m_notifier)
        m_notifier.reset(new TestNotifier);
    delete m_window;
    flushDeletes();
    GlobalManager::resetInstance();
    WholeFile::setLimitForTesting(WholeFile::Kind::PageFile, -1);
    qApp->setStyleSheet(QString());
    m_notifier.reset();
    m_workDir.reset();
}

void TestMainWindow::dragPaletteEntry(int row, const QPoint &globalEnd)
{
    m_window->findChild<QTabWidget *>("tabWidget_4")->setCurrentIndex(0);
    DragListWidget *list = m_window->srcListWidget()->listWidget();
    QWidget *viewport = list->viewport();
    const QPoint start = row < 0 ? QPoint(10, viewport->height() - 10) : list->visualItemRect(list->item(row)).center();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    // Two moves: the indicator follows the cursor on each.
    const QPoint globalStart = viewport->mapToGlobal(start);
    for (const QPoint &global : {(globalStart + globalEnd) / 2, globalEnd}) {
        QCursor::setPos(global);
        QMouseEvent move(QEvent::MouseMove, viewport->mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
}

QLineEdit *TestMainWindow::typeXWithoutEnter(const QString &text)
{
    QApplication::setActiveWindow(m_window);
    if (!QTest::qWaitForWindowActive(m_window) || !select({control("CmdButton_1")}))
        return nullptr;
    PropertyWidget *panel = m_window->propertyWidget();
    auto *x = qobject_cast<QLineEdit *>(panel->editorAt(panel->rowOf(kCmdButton, "x")));
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, text);
    return x->hasFocus() && x->isModified() ? x : nullptr;
}

QTreeWidgetItem *TestMainWindow::controlItem(const QString &text) const
{
    const QList<QTreeWidgetItem *> found =
        m_window->controlFrame()->treeWidget()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

QTreeWidgetItem *TestMainWindow::pageItem(const QString &name) const
{
    for (int i = 0; root() && i < root()->childCount(); ++i) {
        if (root()->child(i)->text(0) == name)
            return root()->child(i);
    }
    return nullptr;
}

QStringList TestMainWindow::treeLines() const
{
    QStringList lines;
    for (int i = -1; root() && i < root()->childCount(); ++i) {
        QTreeWidgetItem *item = i < 0 ? root() : root()->child(i);
        lines << item->text(0) + (i < 0 ? QString() : ":" + item->data(0, Qt::UserRole + 1).toString());
    }
    return lines;
}

QStringList TestMainWindow::state() const
{
    SrcGroupListWidget *tree = m_window->projectFrame()->tree();
    QStringList lines = treeLines() + pageNames();
    lines << QString("counters %1 %2").arg(tree->pageCount()).arg(tree->formCount());
    const QMap<QString, QByteArray> files = folderSnapshot(m_projectDir);
    for (auto it = files.begin(); it != files.end(); ++it)
        lines << it.key() + " " + QString::number(qHash(it.value()));
    for (int i = 0; i < m_tabs->count(); ++i)
        lines << "tab " + m_tabs->tabText(i);
    return lines;
}

void TestMainWindow::menusToolBarActionsAndLanguages()
{
    QStringList menus;
    for (QAction *menuAction : m_window->menuBar()->actions()) {
        if (menuAction->isVisible())
            menus << menuAction->text();
    }
    QCOMPARE(menus, QStringList({"文件", "编辑", "事件", "上传", "帮助", "工具"}));
    QStringList bar;
    for (QAction *action : m_window->mainToolBar()->actions()) {
        if (!action->isVisible())
            continue;
        bar << (action->isSeparator() ? QString("|") : action->text());
        // Every button can be chosen and shows a picture that the resources really hold.
        QVERIFY2(action->isSeparator() || (action->isEnabled() && !action->icon().pixmap(24, 24).isNull()),
                 qPrintable(action->objectName()));
    }
    QCOMPARE(bar.join(' '),
             QString("新建 打开 保存 | 左对齐 垂直居中对齐 右对齐 | 上对齐 水平居中对齐 下对齐 | 水平居中 垂直居中 | "
                     "水平分散对齐 垂直分散对齐 | 适配对齐 | 撤销 重做 复制 粘贴 格式刷 | 复制命令 粘贴命令 命令IP替换 | "
                     "置顶 置底 | 自锁 未锁 互锁 | 预览 |"));
    // Hidden actions have pictures of their own too.
    for (const char *name : {"newSaveAction", "runAction"})
        QVERIFY2(!m_window->action(name)->isVisible() && !m_window->action(name)->icon().pixmap(24, 24).isNull(), name);

    // A language switch retitles everything, Qt's own buttons too.
    m_page->addNewControl(kLabel, QRect(10, 10, 90, 50));
    m_window->action("actionEnglish")->trigger();
    QCOMPARE(m_window->action("newAction")->text(), QString("New"));
    QCOMPARE(m_window->findChild<QMenu *>("menu")->title(), QString("File"));
    QCOMPARE(m_window->findChild<QTabWidget *>("tabWidget_2")->tabText(0), QString("Project"));
    QCOMPARE(m_window->srcListWidget()->listWidget()->item(0)->text(), QString("Background"));
    QVERIFY(controlItem("Text") && controlItem("Command"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
    m_window->action("actionjianti")->trigger();
    QVERIFY(controlItem(u("文本控件")) && !controlItem("Text"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u("取消"));
}

void TestMainWindow::editActionsReachTheSelection()
{
    // Aligned to the first selected, one step per control: an undo takes
    // back the last one. Before: x 300 100 500, w 100 60 40.
    QVERIFY(select({control("CmdButton_1"), control("CmdButton_2"), control("CmdButton_3")}));
    trigger("leftJAction");
    QCOMPARE(values("x"), QList<int>({300, 300, 300}));
    trigger("undoAction");
    QCOMPARE(values("x"), QList<int>({300, 300, 500}));
    trigger("redoAction");
    trigger("sameAlignAction");
    trigger("hcenterAction_2");
    QCOMPARE(values("w") + values("x"), QList<int>({100, 100, 100, 350, 350, 350}));
    QVERIFY(select({control("CmdButton_1"), control("CmdButton_2")}));
    trigger("selflockAction");
    QCOMPARE(values("self_locking"), QList<int>({1, 1, 0}));
    trigger("alllockAction");
    QVERIFY(values("m_group_id").at(0) > 0 && values("m_group_id").at(1) == values("m_group_id").at(0));
    trigger("unlockAction");
    QCOMPARE(values("m_group_id") + values("self_locking"), QList<int>({0, 0, 0, 0, 0, 0}));
    // Commands of the first button pasted onto the third; the third to the
    // bottom; a copy of it pasted under a name of its own.
    QVERIFY(select({control("CmdButton_1")}));
    trigger("copyCmdAction");
    QVERIFY(select({control("CmdButton_3")}));
    trigger("pasteCmdAction");
    QCOMPARE(control("CmdButton_3")->attributes().value("on_cmd_data_list").toArray().size(), 1);
    trigger("toBottomAction");
    QVERIFY(m_page->children().indexOf(control("CmdButton_3")) < m_page->children().indexOf(control("CmdButton_1")));
    trigger("copyAction");
    trigger("pasteAction");
    QCOMPARE(storedRect(m_page->controls().value(kCmdButton).last()), QRect(360, 360, 100, 40));
    QCOMPARE(m_page->controls().value(kCmdButton).last()->getName(), QString("CmdButton_4"));
}

void TestMainWindow::formatPainterNeedsSelectionAndFollowsPage()
{
    QAction *painter = m_window->action("formatCopyAction");
    // Nothing selected yet: the painter cannot start.
    painter->trigger();
    QVERIFY(!painter->isChecked());
    QCOMPARE(m_notifier->texts(), QStringList("请选中控件"));
    QVERIFY(select({control("CmdButton_1")}));
    painter->trigger();
    QVERIFY(painter->isChecked() && m_page->isFormatPainterOn());
    // Another page in front has its own painter, which is off.
    QVERIFY(openPageTab("b") != m_page);
    QVERIFY(!painter->isChecked());
    QCOMPARE(openPageTab("a"), m_page);
    QVERIFY(painter->isChecked());
    // Deleting the source control drops the painter: unchecking then must
    // not arm it again.
    QTest::keyClick(m_page, Qt::Key_Delete);
    QVERIFY(!m_page->isFormatPainterOn());
    painter->trigger();
    QVERIFY(!painter->isChecked() && !m_page->isFormatPainterOn());
    QCOMPARE(m_notifier->prompts().size(), 1);
}

void TestMainWindow::controlTreeDoubleClickSelectsControlOnly()
{
    QTreeWidget *tree = m_window->controlFrame()->treeWidget();
    QTreeWidgetItem *category = controlItem("普通命令");
    doubleClickItem(tree, category);
    QVERIFY(category->isExpanded());
    QVERIFY(!control("CmdButton_1")->isSelected() && !control("CmdButton_2")->isSelected());
    QCOMPARE(m_window->propertyWidget()->currentControl(), static_cast<QWidget *>(m_page));
    // Marked and shown in the property panel.
    doubleClickItem(tree, controlItem("CmdButton_2"));
    QVERIFY(control("CmdButton_2")->isSelected() && !control("CmdButton_1")->isSelected());
    QCOMPARE(m_page->lastSelected(), control("CmdButton_2"));
    QCOMPARE(m_window->propertyWidget()->currentControl(), static_cast<QWidget *>(control("CmdButton_2")));
    QVERIFY(!m_page->isModified());
    // Two controls of one name, as a hand-made file can hold: the second item
    // is the second control, for selecting and for deleting.
    addControl(m_page, kCmdButton, "CmdButton_2", 600, 400);
    UIBase *twin = m_page->controls().value(kCmdButton).last();
    QTreeWidgetItem *twinItem = tree->findItems("CmdButton_2", Qt::MatchExactly | Qt::MatchRecursive).last();
    doubleClickItem(tree, twinItem);
    QVERIFY(twin->isSelected() && !control("CmdButton_2")->isSelected());
    chooseFromContextMenu(tree, twinItem, "删除");
    QCOMPARE(storedRect(m_page->controls().value(kCmdButton).at(1)).topLeft(), QPoint(100, 200));
}

void TestMainWindow::controlTreeDeleteRemovesControlOrWholeKind_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("control item") << "CmdButton_2" << QStringList({"CmdButton_1", "CmdButton_3"});
    QTest::newRow("category") << "普通命令" << QStringList();
}

void TestMainWindow::controlTreeDeleteRemovesControlOrWholeKind()
{
    QFETCH(QString, item);
    QFETCH(QStringList, left);
    // A label of another kind stays whatever is deleted.
    m_page->addNewControl(kLabel, QRect(20, 300, 90, 50));
    QTreeWidget *tree = m_window->controlFrame()->treeWidget();
    QCOMPARE(chooseFromContextMenu(tree, controlItem(item), "删除"), QStringList("删除"));
    QCOMPARE(m_page->controls().value(kLabel).size(), 1);
    QCOMPARE(names(m_page, kCmdButton), left);
    QCOMPARE(m_window->controlFrame()->controlNames(kCmdButton), left);
    QCOMPARE(controlItem("普通命令") != nullptr, !left.isEmpty());
    QVERIFY(m_page->isModified());
    QVERIFY(m_notifier->prompts().isEmpty());
    // One undo step per deleted control brings each back, into the tree too.
    for (int i = left.size(); i < 3; ++i)
        trigger("undoAction");
    QCOMPARE(m_window->controlFrame()->controlNames(kCmdButton).size(), 3);
    QCOMPARE(m_page->controlCount(), 4);
}

void TestMainWindow::paletteDragDropsArmedKindOnlyInsidePage_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("placed"); // on the page, zoomed as it is
    QTest::newRow("inside the page") << "page" << QPoint(400, 300) << QPoint(240, 210);
    QTest::newRow("near the corner: held at 0") << "page" << QPoint(100, 50) << QPoint(0, 0);
    QTest::newRow("over the palette") << "palette" << QPoint(20, 20) << QPoint();
}

void TestMainWindow::paletteDragDropsArmedKindOnlyInsidePage()
{
    QFETCH(QString, where);
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, placed);
    const bool onPage = where == "page";
    const QPoint end = onPage ? m_page->mapToGlobal(cursor) : m_window->srcListWidget()->mapToGlobal(cursor);
    QSignalSpy starts(m_window->srcListWidget(), SIGNAL(signalDragStart(QString)));
    QSignalSpy ends(m_window->srcListWidget(), SIGNAL(signalDragEnd()));
    dragPaletteEntry(1, end); // 文本控件
    QCOMPARE(starts.count(), 2);
    QCOMPARE(GlobalManager::instance()->dropClass(), kLabel);
    QLabel *label = m_window->dragLabel();
    QVERIFY(!label->isHidden());
    QCOMPARE(label->text(), QString("文本控件"));
    // Its bottom-right corner at the cursor, as the drop puts the control's.
    QCOMPARE(label->geometry(), QRect(m_window->mapFromGlobal(end) - QPoint(160, 90), QSize(160, 90)));

    QWidget *viewport = m_window->srcListWidget()->listWidget()->viewport();
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, viewport->mapFromGlobal(end));
    QVERIFY(label->isHidden());
    QCOMPARE(ends.count(), 1);
    QCOMPARE(m_page->controls().value(kLabel).size(), int(onPage));
    if (onPage) {
        // The indicator's size on screen, within a pixel of the page's zoom.
        const QRect shown = m_page->controls().value(kLabel).first()->geometry();
        QVERIFY2((shown.topLeft() - placed).manhattanLength() <= 1 && qAbs(shown.width() - 160) <= 1
                     && qAbs(shown.height() - 90) <= 1,
                 qPrintable(QString("%1 %2 %3 %4").arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())));
    }
}

void TestMainWindow::paletteFollowsPageInFrontAndDragsOnlyAnEntry()
{
    GlobalManager *manager = GlobalManager::instance();
    SrcListWidget *palette = m_window->srcListWidget();
    QVERIFY(manager->openPageTab("b", 2));
    manager->setDropClass(101); // 登录框, armed on the login page
    QVERIFY(manager->openPageTab("a", 0));
    // A kind the page in front refuses is no longer armed.
    QCOMPARE(manager->dropClass(), -1);
    // By the tab header, as a user switches pages.
    QCOMPARE(visibleKinds(palette).size(), 36);
    m_window->pageTabWidget()->setCurrentIndex(1);
    QCOMPARE(visibleKinds(palette), QList<int>({104, 159, 101}));
    UIPage *login = manager->currentPage();

    // A click without a move arms the kind and reports no drag; a drag from
    // the empty space below the login page's entries shows and drops nothing.
    QSignalSpy starts(palette, SIGNAL(signalDragStart(QString)));
    DragListWidget *list = palette->listWidget();
    m_window->findChild<QTabWidget *>("tabWidget_4")->setCurrentIndex(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(1)).center());
    QCOMPARE(manager->dropClass(), kLabel);
    const QPoint end = login->mapToGlobal(QPoint(400, 300));
    dragPaletteEntry(-1, end);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->viewport()->mapFromGlobal(end));
    QCOMPARE(starts.count(), 0);
    QVERIFY(m_window->dragLabel()->isHidden());
    QCOMPARE(login->controlCount(), 1);
    // With nothing armed a drag shows no indicator.
    manager->setDropClass(-1);
    m_window->slotOnSignalDragStart(QString("文本控件"));
    QVERIFY(m_window->dragLabel()->isHidden());
}

void TestMainWindow::pageKeepsKeysAfterClickBesideIt()
{
    m_page->addNewControl(kLabel, QRect(10, 10, 90, 50));
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *scroll = qobject_cast<QScrollArea *>(m_window->pageTabWidget()->currentWidget());
    const QPoint beside(10, scroll->viewport()->height() - 5);
    QVERIFY(!m_page->geometry().contains(beside));
    QTest::mouseClick(scroll->viewport(), Qt::LeftButton, Qt::NoModifier, beside);
    QTRY_VERIFY(m_page->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!m_page->isModified());
    // The project tree fills its tab, leaving no dead strip beside it.
    QCOMPARE(m_window->projectFrame()->width(), m_window->findChild<QTabWidget *>("tabWidget_2")->currentWidget()->width());
}

void TestMainWindow::zoomBarAndPageScaleFollowEachOther()
{
    StatusBarFrame *bar = m_window->statusBarFrame();
    // Opening the page showed the default zoom, 68 % of the fit scale.
    QCOMPARE(bar->slider()->value(), 68);
    QCOMPARE(m_page->width(), 544);
    bar->slider()->setValue(150);
    QCOMPARE(bar->label()->text(), QString("150%"));
    QCOMPARE(m_page->size(), QSize(1200, 900));
    // Values outside 10 to 300 % are not taken; the step buttons stop at the ends.
    for (int outside : {9, 301})
        bar->slotSetScaleData(outside);
    QCOMPARE(m_page->width(), 1200);
    bar->slider()->setValue(12);
    QTest::mouseClick(bar->smallerButton(), Qt::LeftButton);
    QTest::mouseClick(bar->smallerButton(), Qt::LeftButton);
    QCOMPARE(bar->label()->text(), QString("10%"));
    bar->slider()->setValue(290);
    QTest::mouseClick(bar->biggerButton(), Qt::LeftButton);
    QTest::mouseClick(bar->biggerButton(), Qt::LeftButton);
    QCOMPARE(m_page->width(), 2336);
    // Bringing another page forward shows and applies the default again.
    UIPage *second = openPageTab("b");
    QCOMPARE(bar->slider()->value(), 68);
    QCOMPARE(second->width(), 544);
    // The bar shows 68 already: a new page without a stored zoom takes it all
    // the same, and + steps from there.
    QVERIFY(GlobalManager::instance()->createPage("d", 800, 600, 0));
    UIPage *third = openPageTab("d");
    QCOMPARE(third->width(), 544);
    QTest::mouseClick(bar->biggerButton(), Qt::LeftButton);
    QCOMPARE(third->width(), 560);
}

void TestMainWindow::closingWindowWithModifiedPage_data()
{
    QTest::addColumn<bool>("modify");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("closes");
    QTest::newRow("unmodified asks nothing") << false << int(QMessageBox::Cancel) << true << true;
    QTest::newRow("cancel keeps the window") << true << int(QMessageBox::Cancel) << true << false;
    QTest::newRow("save writes and closes") << true << int(QMessageBox::Save) << true << true;
    QTest::newRow("save that fails keeps the window") << true << int(QMessageBox::Save) << false << false;
}

void TestMainWindow::closingWindowWithModifiedPage()
{
    QFETCH(bool, modify);
    QFETCH(int, answer);
    QFETCH(bool, writable);
    QFETCH(bool, closes);
    const QString path = pagePath("a");
    if (modify) {
        QVERIFY(select({control("CmdButton_2")}));
        trigger("selflockAction");
    }
    // A folder in place of the page file: it can no longer be written.
    if (!writable)
        QVERIFY(QFile::remove(path) && QDir().mkpath(path));
    const QByteArray before = readFixture(path);
    m_notifier->queueAnswer(QMessageBox::StandardButton(answer));
    QCOMPARE(m_window->close(), closes);
    QCOMPARE(m_notifier->texts().mid(0, 1), modify ? QStringList("是否保存?") : QStringList());
    QCOMPARE(m_notifier->texts().size(), !modify ? 0 : writable ? 1 : 2);
    if (modify)
        QCOMPARE(int(m_notifier->prompts().first().buttons), int(QMessageBox::Save | QMessageBox::No | QMessageBox::Cancel));
    const bool written = answer == QMessageBox::Save && writable;
    QCOMPARE(readFixture(path) != before, written);
    QCOMPARE(m_page->isModified(), modify && !written);
}

void TestMainWindow::fullDiskKeepsThePageModifiedAndSaysWhy_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<int>("answer");   // to the question the route asks
    QTest::newRow("Ctrl+S") << "save" << int(QMessageBox::NoButton);
    QTest::newRow("closing the tab with 是") << "close tab" << int(QMessageBox::Yes);
    QTest::newRow("关闭项目") << "close project" << int(QMessageBox::NoButton);
    QTest::newRow("新建") << "new project" << int(QMessageBox::NoButton);
    QTest::newRow("closing the window with 是") << "close window" << int(QMessageBox::Save);
}

void TestMainWindow::fullDiskKeepsThePageModifiedAndSaysWhy()
{
    QFETCH(QString, route);
    QFETCH(int, answer);
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window) && select({control("CmdButton_2")}));
    trigger("selflockAction");
    const QByteArray page = readFixture(pagePath("a"));
    const QByteArray project = readFixture(m_projectFile);
    m_notifier->queueAnswer(QMessageBox::StandardButton(answer));
    {
        FileSizeLimit full{64};
        if (!full.active)
            QSKIP("the file size limit cannot be set here");
        if (route == "save") {
            QTest::keyClick(m_page, Qt::Key_S, Qt::ControlModifier);
        } else if (route == "close tab") {
            QTabBar *bar = m_tabs->tabBar();
            QWidget *close = bar->tabButton(0, QTabBar::RightSide);
            QTest::mouseClick(close ? close : bar->tabButton(0, QTabBar::LeftSide), Qt::LeftButton);
        } else if (route == "close project") {
            trigger("removeAction");
        } else if (route == "new project") {
            QVERIFY(!m_window->createProject("fresh", folder(), false));
        } else {
            QVERIFY(!m_window->close());
        }
    }
    QVERIFY2(m_notifier->texts().contains(writeFailure(u("打开文件失败: "), pagePath("a"), "磁盘空间不足")),
             qPrintable(m_notifier->texts().join('|')));
    QCOMPARE(readFixture(pagePath("a")), page);
    QCOMPARE(readFixture(m_projectFile), project);
    QVERIFY(m_page->isModified() && m_tabs->count() == 1);
    QVERIFY(GlobalManager::instance()->isProjectOpen() && m_window->isVisible());
}

void TestMainWindow::retriedSaveWritesTheEntryTheProjectFileRefused_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("route");
    for (const char *key : {"PlaceId", "MainPage"}) {
        for (const char *route : {"Ctrl+S", "保存", "closing the tab", "关闭项目", "closing the window"})
            QTest::newRow(qPrintable(QString("%1, %2").arg(key, u(route)))) << key << u(route);
    }
}

// The page file is written but the page's entry in the project file is not:
// the page stays modified, and the same command once more writes the entry.
void TestMainWindow::retriedSaveWritesTheEntryTheProjectFileRefused()
{
    QFETCH(QString, key);
    QFETCH(QString, route);
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    // The page itself on view in the panel, its row changed as a user does.
    QTest::mouseClick(m_page, Qt::LeftButton, Qt::NoModifier, QPoint(520, 20));
    PropertyWidget *panel = m_window->propertyWidget();
    QWidget *editor = panel->editorAt(panel->rowOf(100, key));
    if (auto *text = qobject_cast<QLineEdit *>(editor)) {
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, "7\r");
    } else if (auto *choice = qobject_cast<QComboBox *>(editor)) {
        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Down);
    }
    const QJsonValue wanted(key == "PlaceId" ? 7 : 1);
    QVERIFY(m_page->attributes().value(key) == wanted && m_page->isModified());
    const QJsonObject entryBefore = projectEntries(m_projectFile).first().toObject();
    QVERIFY(entryBefore.value(key) != wanted);

    const auto saveBy = [this, &route] {
        if (route == u("Ctrl+S")) {
            QTest::keyClick(m_page, Qt::Key_S, Qt::ControlModifier);
        } else if (route == u("保存")) {
            trigger("saveAction");
        } else if (route == "closing the tab") {
            m_notifier->queueAnswer(QMessageBox::Yes);
            QTest::mouseClick(m_tabs->tabBar()->tabButton(0, QTabBar::RightSide), Qt::LeftButton);
        } else if (route == u("关闭项目")) {
            trigger("removeAction");
        } else {
            m_notifier->queueAnswer(QMessageBox::Save);
            m_window->close();
        }
    };
    // A folder in place of the project file: the page file goes, its entry does not.
    const QByteArray project = readFixture(m_projectFile);
    QVERIFY(QFile::remove(m_projectFile) && QDir().mkdir(m_projectFile));
    const QByteArray pageBefore = readFixture(pagePath("a"));
    saveBy();
    QVERIFY(readFixture(pagePath("a")) != pageBefore);
    QVERIFY2(m_notifier->texts().contains(writeFailure(u("打开文件失败: "), m_projectFile,
                                                       "该位置是设备、管道、套接字或文件夹，不是普通文件")),
             qPrintable(m_notifier->texts().join('|')));
    // Nothing is closed while the entry is not saved.
    QVERIFY(m_page->isModified() && m_tabs->count() == 1 && m_window->isVisible());
    QVERIFY(GlobalManager::instance()->isProjectOpen());

    QVERIFY(QDir().rmdir(m_projectFile) && writeFixture(m_projectFile, project));
    m_notifier->clear();
    saveBy();
    QCOMPARE(projectEntries(m_projectFile).first().toObject().value(key), wanted);
    QCOMPARE(m_tabs->count(), route == "closing the tab" || route == u("关闭项目") ? 0 : 1);
    QCOMPARE(m_window->isVisible(), route != "closing the window");
    if (m_tabs->count() == 1)
        QVERIFY(!m_page->isModified());
}

void TestMainWindow::pageOverItsBoundAfterAPasteIsNotSaved()
{
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    const QString path = pagePath("a");
    const QByteArray before = readFixture(path);
    // The bound lies between the page as it is and the page with a copy of its buttons.
    const int size = QJsonDocument(m_page->pageDocument()).toJson().size();
    WholeFile::setLimitForTesting(WholeFile::Kind::PageFile, size + size / 4);
    QVERIFY(select({control("CmdButton_1"), control("CmdButton_2"), control("CmdButton_3")}));
    const int steps = m_page->undoStack()->count();
    QTest::keyClick(m_page, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(m_page, Qt::Key_V, Qt::ControlModifier);
    const QByteArray pasted = QJsonDocument(m_page->pageDocument()).toJson();
    QVERIFY(m_page->controlCount() == 6 && pasted.size() > size + size / 4);
    QTest::keyClick(m_page, Qt::Key_S, Qt::ControlModifier);
    // Refused, naming the file, its size and the bound; nothing written.
    QCOMPARE(m_notifier->texts().size(), 1);
    const QString said = m_notifier->texts().first();
    QVERIFY2(said.startsWith(u("打开文件失败: ") + path + "\n") && said.contains(QString::number(pasted.size()))
                 && said.contains("MB"),
             qPrintable(said));
    QCOMPARE(readFixture(path), before);
    QVERIFY(m_page->isModified());
    // Undone, the page fits again: it is saved and opens again.
    for (int pastedSteps = m_page->undoStack()->count() - steps; pastedSteps > 0; --pastedSteps)
        QTest::keyClick(m_page, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(m_page, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!m_page->isModified() && readFixture(path) != before);
    QCOMPARE(m_notifier->texts().size(), 1);
    GlobalManager::instance()->slotPageClose(0);
    UIPage *reopened = openPageTab("a");
    QVERIFY(reopened && reopened->controlCount() == 3);
}

void TestMainWindow::previewAndUploadAskToSaveFirst()
{
    // Each reads the page files: what it opens finds the edit saved, or nothing opens.
    for (const char *action : {"actionPreview", "actionshangchuang"}) {
        for (QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::Save}) {
            QVERIFY(select({control("CmdButton_2")}));
            trigger("selflockAction");
            bool openedSaved = false;
            whenShown<QDialog>([this, &openedSaved](QDialog *dialog) {
                openedSaved = !m_page->isModified();
                dialog->reject();
            });
            m_notifier->queueAnswer(answer);
            trigger(action);
            QCOMPARE(openedSaved, answer == QMessageBox::Save);
            QCoreApplication::processEvents();
        }
    }
    QCOMPARE(m_notifier->texts().join(" "), QString("是否保存? ").repeated(4).trimmed());
}

// The preview runs its own loop over the pages as saved: the window under it
// takes no input until it is closed.
void TestMainWindow::previewHoldsTheWindowUntilClosed()
{
    QTreeWidgetItem *before = treeWidget()->currentItem();
    QTreeWidgetItem *other = pageItem("c");
    QVERIFY(other && other != before);
    bool modal = false;
    whenShown<PageDlg>([&](PageDlg *preview) {
        modal = QApplication::activeModalWidget() == preview;
        // Through the window, as a user's click comes.
        QWidget *view = treeWidget()->viewport();
        const QPoint at = view->mapTo(m_window, treeWidget()->visualItemRect(other).center());
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, at);
        preview->reject();
    });
    trigger("actionPreview");
    QCOMPARE(treeWidget()->currentItem(), before);
    QVERIFY(modal);
}

void TestMainWindow::treeListsProjectThenPagesUntilClosed()
{
    QVERIFY(root()->isExpanded());
    QCOMPARE(treeLines(), QStringList({"hall", "a:0", "b:2", "c:1"}));
    // Login and place pages count with the forms when they come from a file.
    QCOMPARE(m_window->projectFrame()->tree()->pageCount(), 1);
    QCOMPARE(m_window->projectFrame()->tree()->formCount(), 2);
    // A file that is no project keeps the tree; another project replaces it.
    const QStringList before = state();
    m_window->openProjectFile(writeProjectFixture(m_workDir->path(), R"({"Pages": []})", {}, "other"));
    QCOMPARE(m_notifier->texts(), QStringList(u("文件格式不对")));
    QCOMPARE(state(), before);
    m_window->openProjectFile(writeProjectFixture(m_workDir->path(), R"({"Page": [{"File": "only.json"}]})", {}, "lobby"));
    QCOMPARE(treeLines(), QStringList({"lobby", "only:0"}));
    QVERIFY(saveGrabIfAsked(m_window->grab().toImage(), "store_mainwindow.png"));
    // Closing, from the tree or the menu, empties it.
    QCOMPARE(chooseFromMenu(root(), u("关闭项目")), QStringList({u("新建页面"), u("新建登录页面"), u("新建场所页面"),
                                                              u("新建窗体"), u("关闭项目"), u("打开项目目录"), u("导入页面")}));
    QCOMPARE(treeWidget()->topLevelItemCount(), 0);
    m_window->openProjectFile(m_projectFile);
    m_window->action("removeAction")->trigger();
    QCOMPARE(treeWidget()->topLevelItemCount(), 0);
    QVERIFY(!GlobalManager::instance()->isProjectOpen());
}

void TestMainWindow::newPageOrCopy_data()
{
    QTest::addColumn<QString>("item");        // the item whose menu is used
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("width");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("pageType");         // of the page made; -1: nothing made
    QTest::addColumn<QString>("prompt");
    QTest::newRow("page") << "" << u("新建页面") << "fresh" << "" << true << 0 << "";
    QTest::newRow("form") << "" << u("新建窗体") << "fresh" << "" << true << 1 << "";
    QTest::newRow("copy of a form") << "c" << u("创建副本") << "fresh" << "" << true << 1 << "";
    QTest::newRow("new: name taken") << "" << u("新建页面") << "a" << "" << true << -1 << u("名称已存在");
    QTest::newRow("new: empty name") << "" << u("新建页面") << "" << "" << true << -1 << u("文件名为空");
    QTest::newRow("new: separator") << "" << u("新建页面") << "a/b" << "" << true << -1
                                    << u("文件名不能包含“:”、“\\”或“/”");
    QTest::newRow("new: width below a page") << "" << u("新建页面") << "fresh" << "159" << true << -1 << u(kSizeMessage);
    QTest::newRow("copy: name taken") << "a" << u("创建副本") << "b" << "" << true << -1 << u("名称已存在");
    QTest::newRow("copy: separator") << "a" << u("创建副本") << "x\\y" << "" << true << -1
                                     << u("文件名不能包含“:”、“\\”或“/”");
    QTest::newRow("copy: cancelled") << "a" << u("创建副本") << "fresh" << "" << false << -1 << "";
}

void TestMainWindow::newPageOrCopy()
{
    QFETCH(QString, item);
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, width);
    QFETCH(bool, accept);
    QFETCH(int, pageType);
    QFETCH(QString, prompt);
    const QStringList before = state();
    if (item.isEmpty())
        answerNewFile(name, width.isEmpty() ? QString() : width, accept);
    else
        answerInput(name, accept);
    chooseFromMenu(item.isEmpty() ? root() : pageItem(item), entry);
    QCOMPARE(m_notifier->texts(), prompt.isEmpty() ? QStringList() : QStringList(prompt));
    if (pageType < 0) {
        // The tree gets an item only when the store made the page.
        QCOMPARE(state(), before);
        return;
    }
    if (!item.isEmpty())
        QCOMPARE(readFixture(pagePath("fresh")), readFixture(pagePath(item)));
    QCOMPARE(lastEntry().value("File").toString(), QString("fresh.json"));
    QCOMPARE(lastEntry().value("PageType").toInt(), pageType);
    QCOMPARE(treeLines().last(), QString("fresh:%1").arg(pageType));
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QString("fresh"));
    // A new login or place page counts with the pages, a new form with the forms.
    QCOMPARE(m_window->projectFrame()->tree()->formCount(), pageType == 1 ? 3 : 2);
    if (item.isEmpty())
        QCOMPARE(readPage(pagePath("fresh")).first()["page_type"].toInt(), pageType);
}

void TestMainWindow::importAddsPageInFrontOrRefusesIt_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("prompts");
    const QByteArray placePage = R"({"Control": [{"type": "Page", "w": 1280, "h": 800, "PlaceId": 4,
                                                   "page_type": 3}]})";
    QTest::newRow("dotted name, place page") << "guest.v2.json" << placePage << QStringList();
    QTest::newRow("name taken") << "a.json" << placePage << QStringList(u("导入失败，页面名称已存在"));
    QTest::newRow("no PlaceId") << "plain.json" << QByteArray(R"({"Control": [{"type": "Page", "w": 1, "h": 1}]})")
                                << QStringList(u("导入 JSON 文件失败，JSON 格式无效"));
}

void TestMainWindow::importAddsPageInFrontOrRefusesIt()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, prompts);
    const QString source = m_workDir->path() + "/outside/" + fileName;
    QVERIFY(writeFixture(source, content));
    const QStringList before = state();
    m_window->projectFrame()->tree()->importPageFile(source);
    QCOMPARE(m_notifier->texts(), prompts);
    if (!prompts.isEmpty()) {
        QCOMPARE(state(), before);
        return;
    }
    QCOMPARE(treeLines().last(), QString("guest:3"));
    QCOMPARE(readFixture(pagePath("guest")), content);
    QCOMPARE(lastEntry().value("PageType").toInt(), 3);
    // An imported page counts with the pages whatever its kind.
    QCOMPARE(m_window->projectFrame()->tree()->pageCount(), 2);
    // It opens in front, so the palette's place-page entries belong to the page shown.
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QString("guest"));
    QCOMPARE(visibleKinds(m_window->srcListWidget()), QList<int>({159, 102}));
}

void TestMainWindow::doubleClickOpensOneTabCopyAsksToSaveIt()
{
    doubleClickItem(treeWidget(), root());
    QCOMPARE(m_tabs->count(), 1);
    doubleClickItem(treeWidget(), pageItem("c"));
    QCOMPARE(m_tabs->tabText(m_tabs->currentIndex()), QString("c"));
    doubleClickItem(treeWidget(), pageItem("a"));
    QCOMPARE(m_tabs->count(), 2);
    QCOMPARE(m_tabs->currentIndex(), 0);
    QCOMPARE(GlobalManager::instance()->currentPage(), m_page);
    QCOMPARE(m_window->findChildren<UIPage *>().size(), 2);
    // A copy of the edited page asks to save it first: saved, the copy holds
    // the new label too; cancelled, there is no copy.
    for (QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::Save}) {
        m_page->addNewControl(kLabel, QRect(10, 10, 90, 50));
        answerInput("fresh");
        m_notifier->queueAnswer(answer);
        chooseFromMenu(pageItem("a"), u("创建副本"));
        QCOMPARE(readPage(pagePath("fresh")).size(), answer == QMessageBox::Save ? 6 : 0);
    }
    QCOMPARE(m_notifier->texts().join(" "), u("是否保存? 是否保存?"));
}

void TestMainWindow::renameMoveAndResizeChangeTreeAndFiles()
{
    answerInput("welcome", false);
    chooseFromMenu(pageItem("b"), u("重命名"));
    QCOMPARE(treeLines().at(2), QString("b:2"));
    answerInput("welcome");
    chooseFromMenu(pageItem("b"), u("重命名"));
    chooseFromMenu(pageItem("a"), u("下移"));
    chooseFromMenu(pageItem("c"), u("下移"));
    QCOMPARE(treeLines(), QStringList({"hall", "welcome:2", "a:0", "c:1"}));
    QCOMPARE(projectEntryFiles(m_projectFile), QStringList({"welcome.json", "a.json", "c.json"}));
    QVERIFY(QFile::exists(pagePath("welcome")));
    QVERIFY(m_notifier->prompts().isEmpty());

    // The kind's size is offered; a size a page cannot take is refused and
    // the dialog stays as typed; a closed page's file is rescaled.
    QStringList seen;
    whenModal<ChangePageSizeDg>([&seen](ChangePageSizeDg *dialog) {
        seen << dialog->findChild<QLineEdit *>("lineEdit_2")->text() << dialog->findChild<QLineEdit *>("lineEdit_3")->text();
        for (const char *size : {"15361 1080", "1920 63", "160 64"}) {
            typeInto(dialog, "lineEdit_2", QString(size).section(' ', 0, 0));
            typeInto(dialog, "lineEdit_3", QString(size).section(' ', 1));
            press(dialog, "pushButton_2");
            seen << (dialog->isVisible() ? dialog->findChild<QLineEdit *>("lineEdit_3")->text() : QString("closed"));
        }
    });
    chooseFromMenu(pageItem("welcome"), u("调整大小"));
    QCOMPARE(seen, QStringList({"1600", "900", "1080", "63", "closed"}));
    QCOMPARE(m_notifier->texts(), QStringList({u(kSizeMessage), u(kSizeMessage)}));
    const QJsonArray saved = readPage(pagePath("welcome"));
    QCOMPARE(saved.at(0)["w"].toInt(), 160);
    QCOMPARE(saved.at(1)["x"].toInt(), 20);
}

void TestMainWindow::renameOntoALinkToNothingIsSaidAndChangesNothing_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("closed page") << "b";
    QTest::newRow("page open in its tab") << "a";
}

void TestMainWindow::renameOntoALinkToNothingIsSaidAndChangesNothing()
{
    QFETCH(QString, page);
    // Under the new name, a link to a file that is not there: renaming onto
    // it would replace the link, copying through it would make its file.
    const QString target = m_workDir->filePath("elsewhere/welcome.json");
    QVERIFY(QDir().mkpath(m_workDir->filePath("elsewhere")) && QFile::link(target, pagePath("welcome")));
    const QStringList before = state();
    const QByteArray project = readFixture(m_projectFile);
    answerInput("welcome");
    chooseFromMenu(pageItem(page), u("重命名"));
    QCOMPARE(m_notifier->texts(), QStringList(writeFailure(u("页面文件重命名失败: "), pagePath("welcome"),
                                                           "该位置是指向不存在文件的链接")));
    QCOMPARE(state(), before);
    QCOMPARE(readFixture(m_projectFile), project);
    QVERIFY(!QFileInfo::exists(target) && fileKind(pagePath("welcome")) == "link");
}

void TestMainWindow::deleteAsksAndNoKeepsEverything_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("answer");
    QTest::newRow("page, no") << "a" << u("删除页面") << int(QMessageBox::No);
    QTest::newRow("form, yes") << "c" << u("删除窗体") << int(QMessageBox::Yes);
}

void TestMainWindow::deleteAsksAndNoKeepsEverything()
{
    QFETCH(QString, item);
    QFETCH(QString, entry);
    QFETCH(int, answer);
    doubleClickItem(treeWidget(), pageItem(item));
    const QStringList before = state();
    m_notifier->queueAnswer(QMessageBox::StandardButton(answer));
    QCOMPARE(chooseFromMenu(pageItem(item), entry),
             QStringList({entry, u("重命名"), u("调整大小"), u("创建副本"), u("上移"), u("下移")}));
    QCOMPARE(m_notifier->texts(), QStringList(u("确定删除吗?")));
    QCOMPARE(m_notifier->prompts().first().kind, Notifier::Question);
    if (answer == QMessageBox::No) {
        QCOMPARE(state(), before);
        return;
    }
    QVERIFY(!pageItem(item));
    QVERIFY(!QFile::exists(pagePath(item)));
    QVERIFY(!projectEntryFiles(m_projectFile).contains(item + ".json"));
    QVERIFY(!GlobalManager::instance()->hasPage(item));
    QCOMPARE(m_tabs->count(), 1);
}

void TestMainWindow::refusedNameKeepsItsDialogOpenAsTyped_data()
{
    QTest::addColumn<QString>("item");   // whose menu is used; empty: the new-project action
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString reserved = u("文件名不能包含“:”、“\\”或“/”");
    // Characters of three UTF-8 bytes: 72 bytes, 77 with ".json".
    const QString wide(24, QChar(0x5385));
    const QString tooLong = u("文件名过长：“%1.json”有77字节，多了14字节（最多63字节）").arg(wide);
    QTest::newRow("new project") << "" << "" << "room:A" << reserved;
    QTest::newRow("new page") << "hall" << u("新建页面") << "main:ctrl" << reserved;
    QTest::newRow("new place page") << "hall" << u("新建场所页面") << wide << tooLong;
    QTest::newRow("rename") << "a" << u("重命名") << wide << tooLong;
    QTest::newRow("copy") << "c" << u("创建副本") << "home:1" << reserved;
    // Checked as used, without the blanks around it; no bare file name is
    // said why, as the name check says it.
    const QString notAName = u("文件名不能为空，也不能是“.”或“..”");
    QTest::newRow("new project: blank, dots") << "" << "" << " .." << notAName;
    QTest::newRow("new page: dots, blank") << "hall" << u("新建页面") << ".. " << notAName;
    QTest::newRow("new login page: blank, dots") << "hall" << u("新建登录页面") << " .." << notAName;
    QTest::newRow("new project: separator") << "" << "" << "room/A" << reserved;
    QTest::newRow("rename: separator") << "a" << u("重命名") << "a/b" << reserved;
    QTest::newRow("copy: dots") << "c" << u("创建副本") << ".." << notAName;
    // A name taken by a page, or by a file the project does not list.
    const QString taken = u("名称已存在");
    QTest::newRow("new form: page of the name") << "hall" << u("新建窗体") << "c" << taken;
    QTest::newRow("new place page: unlisted file") << "hall" << u("新建场所页面") << " old" << taken;
    QTest::newRow("copy: page of the name") << "a" << u("创建副本") << "b " << taken;
    QTest::newRow("copy: unlisted file") << "b" << u("创建副本") << "old" << taken;
    QTest::newRow("rename: page of the name") << "b" << u("重命名") << "a" << taken;
    // A file the upload would leave out, the blanks around it aside.
    const QString hidden = u("文件名不能以“.”开头：这样的隐藏文件不会上传");
    QTest::newRow("new project: hidden") << "" << "" << ".x" << hidden;
    QTest::newRow("new page: hidden") << "hall" << u("新建页面") << ".x" << hidden;
    QTest::newRow("new form: hidden") << "hall" << u("新建窗体") << " .x" << hidden;
    QTest::newRow("new login page: hidden") << "hall" << u("新建登录页面") << ".x" << hidden;
    QTest::newRow("new place page: hidden") << "hall" << u("新建场所页面") << ".x" << hidden;
    QTest::newRow("copy: hidden") << "c" << u("创建副本") << ".x " << hidden;
    QTest::newRow("rename: hidden") << "a" << u("重命名") << ".x" << hidden;
}

void TestMainWindow::refusedNameKeepsItsDialogOpenAsTyped()
{
    QFETCH(QString, item);
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, message);
    // Someone's page, taken out of the project.
    QVERIFY(writePage(pagePath("old"), {pageObject(800, 600)}));
    const QStringList before = state();
    QStringList seen;
    whenModal<QDialog>([&seen, name](QDialog *dialog) {
        // The name edit comes first in each of these dialogs.
        auto *edit = dialog->findChild<QLineEdit *>();
        edit->selectAll();
        typeKeys(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
        seen << (dialog->isVisible() ? edit->text() : QString("closed"));
        dialog->reject();
    });
    if (item.isEmpty())
        trigger("newAction");
    else
        chooseFromMenu(item == "hall" ? root() : pageItem(item), entry);
    QCOMPARE(seen, QStringList(name));
    QCOMPARE(m_notifier->texts(), QStringList(message));
    QCOMPARE(state(), before);
    QVERIFY(GlobalManager::instance()->isProjectOpen());
}

void TestMainWindow::newProjectFromTemplateOrEmpty_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");   // of the template's page; none: an empty project
    QTest::newRow("defaults, English") << 2 << "main" << "Meeting room";
    QTest::newRow("own name, simplified Chinese") << 0 << "hall" << u("会议室");
    QTest::newRow("own name, traditional Chinese") << 1 << "hall" << u("會議室");
    QTest::newRow("empty, the blanks around the name left out") << 0 << " bare " << QString();
}

void TestMainWindow::newProjectFromTemplateOrEmpty()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(QString, title);
    GlobalManager *manager = GlobalManager::instance();
    manager->setLanguage(language);
    // Nothing of the project open before comes along.
    manager->setMidCtrls(QVector<MidCtrlRecord>(1));
    manager->updateMaxId(9);
    QVERIFY(m_window->createProject(name, folder(), !title.isNull()));
    QVERIFY(manager->midCtrls().isEmpty() && manager->maxId() == 0);
    name = name.trimmed();
    const QString dir = folder() + '/' + name;
    QCOMPARE(manager->imageDialog()->path(), dir);
    if (title.isNull()) {
        QCOMPARE(jsonFixture(readFixture(dir + "/bare.projectui")), jsonFixture(R"({"Page": []})"));
        QCOMPARE(treeLines(), QStringList("bare"));
        return;
    }
    QStringList files({"home.json", name + ".projectui"});
    files.sort();
    QCOMPARE(entriesOf(dir), files);
    QCOMPARE(manager->projectFile(), name + ".projectui");
    QCOMPARE(treeLines(), QStringList({name, "home:0"}));
    QVERIFY(readFixture(dir + "/home.json").contains(title.toUtf8()));
    // Pressed, each button shows its own caption, in the template's language.
    for (const QJsonValue &each : jsonFixture(readFixture(dir + "/home.json")).value("Control").toArray())
        QCOMPARE(each["pressText"].isUndefined() ? each["text"] : each["pressText"], each["text"]);
    QVERIFY(manager->openPageTab("home", 0));
    QCOMPARE(manager->currentPage()->controlCount(), 5);
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestMainWindow::refusedNewProjectOpensNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("templateFault");
    QTest::addColumn<int>("messages");
    for (const char *name : {"", "  ", ".", "..", "a/b", "a\\b"})
        QTest::newRow(name) << name << "projects" << "" << 1;
    QTest::newRow("no folder") << "fine" << "" << "" << 1;
    QTest::newRow("template missing") << "main" << "projects" << "missing" << 2;
    QTest::newRow("template without its project file") << "main" << "projects" << "no project file" << 1;
}

void TestMainWindow::refusedNewProjectOpensNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, where);
    QFETCH(QString, templateFault);
    QFETCH(int, messages);
    const QString templateDir = GlobalManager::instance()->templateConfigDir();
    if (!templateFault.isEmpty())
        QVERIFY(templateFault == "missing" ? QDir(templateDir).removeRecursively()
                                           : QFile::remove(templateDir + "/main.projectui"));
    QVERIFY(writeFixture(folder() + "/keep.txt", "mine"));
    const QStringList before = state();
    QVERIFY(!m_window->createProject(name, where.isEmpty() ? where : m_workDir->filePath(where), true));
    QCOMPARE(m_notifier->prompts().size(), messages);
    if (templateFault == "no project file")
        QCOMPARE(m_notifier->texts(), QStringList(u("创建默认文件失败: ") + QDir::toNativeSeparators(templateDir)
                                                  + "/main.projectui\n" + u("无法读取源文件")));
    // A bad name or a broken template is found while the open project is
    // still open: it stays, and nothing is left of the new one.
    QVERIFY(GlobalManager::instance()->isProjectOpen());
    QCOMPARE(state(), before);
    QCOMPARE(entriesOf(folder()), QStringList("keep.txt"));
}

void TestMainWindow::newProjectOnAFullDiskSaysTheCause_data()
{
    QTest::addColumn<bool>("useTemplate");
    QTest::addColumn<QString>("standing");   // in the project folder beforehand: "" (no folder), "project"
    QTest::addColumn<QString>("file");       // the one said
    QTest::addColumn<bool>("modified");      // the open page holds unsaved edits
    QTest::newRow("默认模板") << true << "" << "home.json" << false;
    QTest::newRow("empty") << false << "" << "fresh.projectui" << false;
    QTest::newRow("默认模板, a page unsaved") << true << "" << "home.json" << true;
    // 否 makes a new one over the project there: it stays byte for byte.
    QTest::newRow("默认模板 over a project, 否, 是") << true << "project" << "home.json" << false;
    QTest::newRow("empty over a project, 否") << false << "project" << "fresh.projectui" << true;
}

// Found before the open project closes: it stays as it was, nothing new is
// left, and the file that could not be written is said with why.
void TestMainWindow::newProjectOnAFullDiskSaysTheCause()
{
    QFETCH(bool, useTemplate);
    QFETCH(QString, standing);
    QFETCH(QString, file);
    QFETCH(bool, modified);
    const QString dir = folder() + "/fresh";
    if (standing == "project") {
        QVERIFY(writeFixture(dir + "/fresh.projectui", R"({"Page": [{"File": "old.json"}]})"));
        QVERIFY(writeFixture(dir + "/old.json", "someone's page"));
        m_notifier->queueAnswer(QMessageBox::No);
        m_notifier->queueAnswer(QMessageBox::Yes);
    }
    if (modified)
        QVERIFY(addControl(m_page, kLabel, "Label_9") && m_page->isModified());
    const QMap<QString, QByteArray> kept = folderSnapshot(m_workDir->filePath("projects"));
    const QStringList before = state();
    {
        FileSizeLimit full{0};
        if (!full.active)
            QSKIP("the file size limit cannot be set here");
        QVERIFY(!m_window->createProject("fresh", folder(), useTemplate));
    }
    // Said once, after the questions, with the file where it was to be.
    QStringList texts = m_notifier->texts();
    QCOMPARE(texts.size(), standing.isEmpty() ? 1 : 1 + (useTemplate ? 2 : 1));
    QCOMPARE(texts.last(), writeFailure(u("创建默认文件失败: "), dir + "/" + file, "磁盘空间不足"));
    QCOMPARE(state(), before);
    QCOMPARE(m_page->isModified(), modified);
    QCOMPARE(GlobalManager::instance()->currentPage(), m_page);
    QCOMPARE(folderSnapshot(m_workDir->filePath("projects")), kept);
    QCOMPARE(QFileInfo::exists(folder()), !standing.isEmpty());
}

void TestMainWindow::newProjectFolderThatCannotBeMadeKeepsTheOpenOne_data()
{
    QTest::addColumn<QString>("blocker");   // below the working folder: what stands where a folder goes
    QTest::addColumn<QString>("kind");      // of the blocker: "file", "link" (to nothing), "link to folder",
                                            // "long" (nothing: a name too long for the file system)
    QTest::addColumn<QString>("where");     // the 项目路径, below the working folder
    QTest::addColumn<bool>("useTemplate");
    QTest::newRow("项目路径 a file, 默认模板") << "plan.txt" << "file" << "plan.txt" << true;
    QTest::newRow("项目路径 a file, empty") << "plan.txt" << "file" << "plan.txt" << false;
    QTest::newRow("a file above 项目路径") << "plan.txt" << "file" << "plan.txt/sub" << false;
    QTest::newRow("a file named as the project") << "projects/fresh" << "file" << "projects" << true;
    QTest::newRow("a link to nothing named as the project") << "projects/fresh" << "link" << "projects" << false;
    // The template's copy empties the folder: never the one a link leads to.
    QTest::newRow("a link to a folder named as the project, 默认模板")
        << "projects/fresh" << "link to folder" << "projects" << true;
    // Found only once "projects" is made: it goes again.
    const QString tooLong = "projects/" + QString(256, 'n');
    QTest::newRow("a name too long below a folder made now") << tooLong << "long" << tooLong << false;
}

// Found before the open project closes: it stays open as it was, and the
// message names what stands in the way and why.
void TestMainWindow::newProjectFolderThatCannotBeMadeKeepsTheOpenOne()
{
    QFETCH(QString, blocker);
    QFETCH(QString, kind);
    QFETCH(QString, where);
    QFETCH(bool, useTemplate);
    const QString blockerPath = m_workDir->filePath(blocker);
    const QString linked = m_workDir->filePath("elsewhere");
    if (kind == "file")
        QVERIFY(writeFixture(blockerPath, "someone's notes"));
    else if (kind != "long")
        QVERIFY(QDir().mkpath(QFileInfo(blockerPath).path()) && QDir().mkpath(linked)
                && QFile::link(kind == "link" ? blockerPath + ".gone" : linked, blockerPath));
    QVERIFY(addControl(m_page, kLabel, "Label_9") && m_page->isModified());
    const QStringList before = state();
    QVERIFY(!m_window->createProject("fresh", m_workDir->filePath(where), useTemplate));
    const QString why = kind == "file"   ? u("写入失败: ") + QString::fromLocal8Bit(std::strerror(ENOTDIR))
                      : kind == "long"   ? u("写入失败: ") + QString::fromLocal8Bit(std::strerror(ENAMETOOLONG))
                      : kind == "link"   ? u("该位置是指向不存在文件的链接")
                                         : u("该位置是指向文件夹的链接");
    QCOMPARE(m_notifier->texts(), QStringList(u("创建项目目录失败: ") + QDir::toNativeSeparators(blockerPath) + "\n" + why));
    QCOMPARE(state(), before);
    QVERIFY(m_page->isModified() && GlobalManager::instance()->currentPage() == m_page);
    QCOMPARE(GlobalManager::instance()->projectPath(), m_projectDir);
    QCOMPARE(fileKind(blockerPath), kind == "file" ? QString("file") : kind == "long" ? QString("missing") : QString("link"));
    QVERIFY(entriesOf(linked).isEmpty());
    QCOMPARE(QFileInfo::exists(folder()), kind != "long" && blocker.startsWith("projects"));
}

void TestMainWindow::projectFolderGoneIsSaidAndNotMadeAgain_data()
{
    QTest::addColumn<QString>("item");   // whose menu is used; empty: the import
    QTest::addColumn<QString>("entry");
    for (const char *entry : {"新建页面", "新建窗体", "新建登录页面", "新建场所页面"})
        QTest::newRow(entry) << "hall" << u(entry);
    QTest::newRow("创建副本") << "c" << u("创建副本");
    QTest::newRow("重命名") << "b" << u("重命名");
    QTest::newRow("下移") << "a" << u("下移");
    QTest::newRow("调整大小") << "b" << u("调整大小");
    QTest::newRow("导入页面") << "" << "";
}

void TestMainWindow::projectFolderGoneIsSaidAndNotMadeAgain()
{
    QFETCH(QString, item);
    QFETCH(QString, entry);
    const QString source = m_workDir->filePath("outside/guest.json");
    QVERIFY(writeFixture(source, R"({"Control": [{"type": "Page", "w": 1280, "h": 800, "PlaceId": 4}]})"));
    // Moved away while open.
    const QString moved = m_workDir->filePath("moved");
    QVERIFY(QDir().rename(m_projectDir, moved));
    const QMap<QString, QByteArray> kept = folderSnapshot(moved);
    const QStringList tree = treeLines();
    const QStringList pages = pageNames();
    if (entry.startsWith(u("新建")))
        answerNewFile("fresh", QString(), true);
    else if (entry == u("调整大小"))
        whenModal<ChangePageSizeDg>([](ChangePageSizeDg *dialog) { press(dialog, "pushButton_2"); });
    else
        answerInput("fresh");
    if (item.isEmpty())
        m_window->projectFrame()->tree()->importPageFile(source);
    else
        chooseFromMenu(item == "hall" ? root() : pageItem(item), entry);
    QCOMPARE(m_notifier->texts(), QStringList(u("项目文件夹不存在: ") + QDir::toNativeSeparators(m_projectDir)));
    QVERIFY(!QFileInfo::exists(m_projectDir));
    QCOMPARE(folderSnapshot(moved), kept);
    QCOMPARE(treeLines(), tree);
    QCOMPARE(pageNames(), pages);
}

void TestMainWindow::existingProjectQuestions_data()
{
    QTest::addColumn<int>("openIt");
    QTest::addColumn<int>("clearIt");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("mode");   // of the project folder, asked as a user; 0: as root
    const QStringList before({"hall.projectui", "notes.txt"});
    QTest::newRow("open the one there") << int(QMessageBox::Yes) << 0 << before << true << 0;
    // Backing out keeps the project that was open.
    QTest::newRow("keep the other files") << int(QMessageBox::No) << int(QMessageBox::No) << before << true << 0;
    QTest::newRow("replace by the template") << int(QMessageBox::No) << int(QMessageBox::Yes)
                                             << QStringList({"hall.projectui", "home.json"}) << true << 0;
    // A folder the user may not list may hold anything: asked all the same.
    QTest::newRow("keep the files of a folder the user may not list")
        << int(QMessageBox::No) << int(QMessageBox::No) << before << true << 0333;
}

void TestMainWindow::existingProjectQuestions()
{
    QFETCH(int, openIt);
    QFETCH(int, clearIt);
    QFETCH(QStringList, entries);
    QFETCH(bool, open);
    QFETCH(int, mode);
    const QString dir = folder() + "/hall";
    QVERIFY(writeFixture(dir + "/hall.projectui", "{\"Page\": []}"));
    QVERIFY(writeFixture(dir + "/notes.txt", "someone's work"));
    m_notifier->queueAnswer(QMessageBox::StandardButton(openIt));
    if (clearIt)
        m_notifier->queueAnswer(QMessageBox::StandardButton(clearIt));
    QString said;
    if (mode) {
        QString whyNot;
        if (!canRunAsNobody(&whyNot))
            QSKIP(qPrintable(whyNot));
        // The temporary folder is its owner's alone.
        QCOMPARE(::chmod(QFile::encodeName(m_workDir->path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(dir).constData(), mode_t(mode)), 0);
        QByteArray answer;
        const bool ran = runAsNobody([&]() -> QByteArray {
            const bool made = m_window->createProject("hall", folder(), true);
            return QByteArray(made ? "made " : "kept ") + QByteArray::number(m_notifier->prompts().size());
        }, &answer);
        ::chmod(QFile::encodeName(dir).constData(), 0755);
        QVERIFY(ran);
        said = QString::fromLatin1(answer);
    } else {
        said = m_window->createProject("hall", folder(), true) ? "made " : "kept ";
        said += QString::number(m_notifier->prompts().size());
    }
    const QString made = open && clearIt != int(QMessageBox::No) ? "made " : "kept ";
    QCOMPARE(said, QString(made + (clearIt ? "2" : "1")));
    QCOMPARE(entriesOf(dir), entries);
    QCOMPARE(GlobalManager::instance()->isProjectOpen(), open);
}

void TestMainWindow::escapeAtExistingProjectKeepsTheOpenOne_data()
{
    QTest::addColumn<int>("escapeAt");   // the question answered by Escape, the ones before by 否; 0: none
    QTest::addColumn<bool>("useTemplate");
    QTest::newRow("Escape, empty") << 1 << false;
    QTest::newRow("Escape, from the template") << 1 << true;
    // The template's copy would empty the folder: asked while the open project is still open.
    QTest::newRow("否, then Escape at the template's question") << 2 << true;
    QTest::newRow("否 creates over it") << 0 << false;
}

// 新建 with the open project's own name and folder.
void TestMainWindow::escapeAtExistingProjectKeepsTheOpenOne()
{
    QFETCH(int, escapeAt);
    QFETCH(bool, useTemplate);
    const QString devices = m_projectDir + "/mid_ctrl.dat";
    QVERIFY(writeFixture(devices, kHandWrittenDevices));
    m_window->openProjectFile(m_projectFile);
    QVERIFY(openPageTab("a"));
    const QMap<QString, QByteArray> before = folderSnapshot(m_projectDir);
    const QStringList tree = treeLines();
    QStringList asked;
    if (escapeAt > 0) {
        // The real boxes: their Escape is what the user has.
        m_notifier.reset();
        const BoxAnswerer escapes(&asked, [&asked, escapeAt](QMessageBox *box) {
            if (asked.size() < escapeAt)
                box->button(QMessageBox::No)->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QVERIFY(!m_window->createProject("hall", m_workDir->path(), useTemplate));
        m_notifier.reset(new TestNotifier);
        QStringList questions{u("检测该目录下已存在项目，是否直接打开?")};
        if (escapeAt == 2)
            questions << u("目录“%1”中已有文件，使用模板创建将删除其中的全部文件，是否继续?")
                             .arg(QDir::toNativeSeparators(m_projectDir));
        QCOMPARE(asked, questions);
        QCOMPARE(folderSnapshot(m_projectDir), before);
        QCOMPARE(GlobalManager::instance()->projectPath(), m_projectDir);
        QCOMPARE(GlobalManager::instance()->projectFile(), QString("hall.projectui"));
        QCOMPARE(treeLines(), tree);
        QCOMPARE(m_tabs->count(), 1);
        QCOMPARE(GlobalManager::instance()->midCtrls().size(), 2);
        return;
    }
    m_notifier->queueAnswer(QMessageBox::No);
    QVERIFY(m_window->createProject("hall", m_workDir->path(), useTemplate));
    QCOMPARE(jsonFixture(readFixture(m_projectFile)), jsonFixture(R"({"Page": []})"));
    QCOMPARE(treeLines(), QStringList("hall"));
    // The devices file is not the new project's to write: shown and closed, it stays.
    trigger("zhongkongAction");
    QTest::keyClick(openTool("MidCtrlDlg"), Qt::Key_Escape);
    QVERIFY(!openTool("MidCtrlDlg"));
    QCOMPARE(readFixture(devices), kHandWrittenDevices);
}

void TestMainWindow::toolActionsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("withProject");
    QTest::addColumn<QString>("dialog");     // "" opens none
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("devices"); // "mid_ctrl.dat", when there is one; "<kind>" a special file

    const QString noProject = "请先打开或者创建工程";
    for (const char *action : {"zhongkongAction", "functionAction", "shijianAction"})
        QTest::addRow("%s without project", action) << action << false << "" << noProject << QByteArray();
    QTest::newRow("事件") << "shijianAction" << true << "" << "" << QByteArray();
    QTest::newRow("反馈") << "zhongkongAction" << true << "MidCtrlDlg" << "" << QByteArray();
    // Said on opening the project and again by the editor, which opens read-only.
    QTest::newRow("反馈, device file that does not parse") << "zhongkongAction" << true << "MidCtrlDlg"
                                                          << "中控文件无法解析" << QByteArray("{\"MidCtrls\": [],}");
    QTest::newRow("反馈, device file that is a FIFO") << "zhongkongAction" << true << "MidCtrlDlg"
                                                     << "不是普通文件" << QByteArray("<fifo>");
    QTest::newRow("函数") << "functionAction" << true << "CodeEditorDlg" << "" << QByteArray();
    QTest::newRow("字符串助手") << "actionzifu" << false << "KivToolStringAssistant" << "" << QByteArray();
}

void TestMainWindow::toolActionsOpenTheirWindows()
{
    QFETCH(QString, action);
    QFETCH(bool, withProject);
    QFETCH(QString, dialog);
    QFETCH(QString, message);
    QFETCH(QByteArray, devices);
    const QString deviceFile = m_projectDir + "/mid_ctrl.dat";
    const QString special = devices.startsWith('<') ? QString(devices.mid(1, devices.size() - 2)) : QString();
    if (!devices.isNull()) {
        QFile::remove(deviceFile);
        QVERIFY(special.isEmpty() ? writeFixture(deviceFile, devices) : makeSpecialFile(deviceFile, special));
        const ReadWatchdog readWatchdog;
        m_window->openProjectFile(m_projectFile);
    }
    if (!withProject)
        QVERIFY(GlobalManager::instance()->closeProject());
    const auto openDialogs = [dialog] {
        QList<QDialog *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *each = qobject_cast<QDialog *>(widget);
            if (each && each->isVisible() && (dialog.isEmpty() || QLatin1String(each->metaObject()->className()) == dialog))
                found.append(each);
        }
        return found;
    };
    // A dialog that held the window until it closed would hold the test too.
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, [&] { for (QDialog *each : openDialogs()) each->reject(); });
    watchdog.start(3000);

    // Twice: a dialog that has closed opens again; the second time the
    // window's closing closes it, as its own close does.
    for (int run = 0; run < 2 && (run == 0 || !dialog.isEmpty()); ++run) {
        trigger(qPrintable(action));
        // Beside the window, which stays usable; a second trigger raises it.
        QVERIFY(!QApplication::activeModalWidget());
        trigger(qPrintable(action));
        QCOMPARE(openDialogs().size(), dialog.isEmpty() ? 0 : 1);
        if (auto *editor = qobject_cast<MidCtrlDlg *>(openDialogs().value(0)))
            QCOMPARE(editor->isEditDisabled(), !devices.isNull());
        if (run == 0)
            for (QDialog *each : openDialogs())
                each->reject();
    }
    QVERIFY(m_window->close());
    QVERIFY(openDialogs().isEmpty());
    for (const QString &text : m_notifier->texts())
        QVERIFY(!message.isEmpty() && text.startsWith(message));
    QCOMPARE(m_notifier->texts().size(), message.isEmpty() ? 0 : devices.isNull() ? 2 : 3);
    if (!special.isEmpty())
        QCOMPARE(fileKind(deviceFile), special);
    else if (!devices.isNull())
        QCOMPARE(readFixture(deviceFile), devices);
}

void TestMainWindow::unwritableToolFileIsSaidAtOpening_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("tool");
    QTest::newRow("函数") << "functionAction" << "main.js" << "CodeEditorDlg";
    QTest::newRow("反馈") << "zhongkongAction" << "mid_ctrl.dat" << "MidCtrlDlg";
}

void TestMainWindow::unwritableToolFileIsSaidAtOpening()
{
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(QString, tool);
    const QString path = m_projectDir + "/" + file;
    QVERIFY(QFile::link("nowhere", path));
    trigger(qPrintable(action));
    QCOMPARE(m_notifier->texts().size(), 1);
    const QString said = m_notifier->texts().first();
    QVERIFY2(said.contains(QDir::toNativeSeparators(path) + u("\n该位置是指向不存在文件的链接")), qPrintable(said));
    // Read-only: nothing can be typed or changed that could not be saved.
    QPointer<QDialog> dialog = openTool(tool);
    QVERIFY(dialog);
    if (auto *script = qobject_cast<CodeEditorDlg *>(dialog.data())) {
        QTest::keyClicks(script->editor(), "let a;");
        QCOMPARE(heldBy(dialog), QString());
    } else {
        QVERIFY(!dialog->findChild<QPushButton *>("pushButton")->isEnabled());
    }
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog || !dialog->isVisible());
    QCOMPARE(m_notifier->texts().size(), 1);
    QCOMPARE(fileKind(path), QString("link"));
    QCOMPARE(QFile::symLinkTarget(path), m_projectDir + "/nowhere");
    QVERIFY(m_window->close());
}

TestMainWindow::EditedTool TestMainWindow::openEditedTool(const QString &action)
{
    const bool script = action == "functionAction";
    EditedTool tool;
    tool.path = m_projectDir + (script ? "/main.js" : "/mid_ctrl.dat");
    if (!writeFixture(m_projectDir + "/main.js", "let a = 1;\n") || !writeFixture(m_projectDir + "/mid_ctrl.dat", kHandWrittenDevices))
        return tool;
    m_window->openProjectFile(m_projectFile);
    m_window->action(action)->trigger();
    tool.dialog = openTool(script ? "CodeEditorDlg" : "MidCtrlDlg");
    if (!tool.dialog)
        return tool;
    if (script) {
        CodeEditor *editor = qobject_cast<CodeEditorDlg *>(tool.dialog)->editor();
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, "let b = 2;");
    } else {
        tool.dialog->findChild<QTableWidget *>("tableWidget")->item(0, 0)->setCheckState(Qt::Checked);
        press(tool.dialog, "pushButton_2");
    }
    tool.held = heldBy(tool.dialog);
    return tool;
}

void TestMainWindow::refusedToolSaveAsksBeforeClosing_data()
{
    QTest::addColumn<QString>("action");
    // "full disk"; "folder": one made where the file stood; "bound": more
    // than the designer reads back of the kind
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("reason");   // how the reason begins
    QTest::addColumn<int>("answer");
    const QStringList causes({"full disk", "folder", "bound"});
    const QStringList reasons({u("磁盘空间不足"), u("该位置是设备、管道、套接字或文件夹，不是普通文件"), u("文件将有")});
    for (const char *action : {"functionAction", "zhongkongAction"}) {
        for (int answer : {int(QMessageBox::No), int(QMessageBox::Yes)}) {
            for (int i = 0; i < causes.size(); ++i)
                QTest::addRow("%s, %s, %s", action, qPrintable(causes[i]), answer == QMessageBox::No ? "否" : "是")
                    << action << causes[i] << reasons[i] << answer;
        }
    }
}

void TestMainWindow::refusedToolSaveAsksBeforeClosing()
{
    QFETCH(QString, action);
    QFETCH(QString, cause);
    QFETCH(QString, reason);
    QFETCH(int, answer);
    const EditedTool tool = openEditedTool(action);
    QVERIFY(tool.dialog);
    if (cause == "folder")
        QVERIFY(QFile::remove(tool.path) && QDir().mkpath(tool.path));
    const QMap<QString, QByteArray> before = folderSnapshot(m_projectDir);
    m_notifier->queueAnswer(QMessageBox::StandardButton(answer));
    const bool script = action == "functionAction";
    const WholeFile::Kind kind = script ? WholeFile::Kind::ScriptFile : WholeFile::Kind::DeviceFile;
    {
        std::unique_ptr<FileSizeLimit> fullDisk(cause == "full disk" ? new FileSizeLimit(8) : nullptr);
        if (fullDisk && !fullDisk->active)
            QSKIP("the file size limit cannot be set here");
        if (cause == "bound")
            WholeFile::setLimitForTesting(kind, 8);
        QTest::keyClick(tool.dialog, Qt::Key_Escape);
        WholeFile::setLimitForTesting(kind, -1);
    }
    QCOMPARE(m_notifier->prompts().size(), 1);
    const Notifier::Prompt asked = m_notifier->prompts().first();
    QCOMPARE(int(asked.buttons), int(QMessageBox::Yes | QMessageBox::No));
    QVERIFY2(asked.text.startsWith(u("打开文件失败: ") + QDir::toNativeSeparators(tool.path) + "\n" + reason)
                 && asked.text.endsWith(u("\n是否不保存直接关闭?")),
             qPrintable(asked.text));
    // 否 keeps the tool with its edits; 是 closes it. The file is as it was either way.
    QCOMPARE(tool.dialog && tool.dialog->isVisible(), answer == QMessageBox::No);
    if (tool.dialog)
        QCOMPARE(heldBy(tool.dialog), tool.held);
    QCOMPARE(folderSnapshot(m_projectDir), before);
    // Dropped edits are not kept in memory either.
    QCOMPARE(GlobalManager::instance()->midCtrls().size(), answer == QMessageBox::Yes || script ? 2 : 1);
}

void TestMainWindow::windowClosesAfterARefusedToolSave_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("函数") << "functionAction";
    QTest::newRow("反馈") << "zhongkongAction";
}

// The real boxes: Enter and Escape keep the window and the tool, 是 lets both
// go, and each close asks once.
void TestMainWindow::windowClosesAfterARefusedToolSave()
{
    QFETCH(QString, action);
    const EditedTool tool = openEditedTool(action);
    QVERIFY(tool.dialog);
    QVERIFY(QFile::remove(tool.path) && QDir().mkpath(tool.path));
    m_notifier.reset();
    QStringList asked;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        const BoxAnswerer keys(&asked, [key](QMessageBox *box) { QTest::keyClick(box, key); });
        QVERIFY(!m_window->close());
        QVERIFY(tool.dialog && tool.dialog->isVisible());
        QCOMPARE(heldBy(tool.dialog), tool.held);
    }
    {
        const BoxAnswerer yes(&asked, [](QMessageBox *box) {
            if (QAbstractButton *button = box->button(QMessageBox::Yes))
                button->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QVERIFY(m_window->close());
    }
    m_notifier.reset(new TestNotifier);
    QCOMPARE(asked.size(), 3);
    QVERIFY(!tool.dialog || !tool.dialog->isVisible());
    QCOMPARE(fileKind(tool.path), QString("folder"));
}

void TestMainWindow::uneditedDeviceListWritesNothing_data()
{
    QTest::addColumn<QByteArray>("devices");   // null: no file
    QTest::addColumn<bool>("add");
    QTest::addColumn<QStringList>("saved");
    QTest::newRow("hand-written, unedited") << kHandWrittenDevices << false << QStringList();
    QTest::newRow("absent, unedited") << QByteArray() << false << QStringList();
    QTest::newRow("hand-written, a device added") << kHandWrittenDevices << true
                                                  << QStringList({"matrix", "dsp", "projector"});
    QTest::newRow("absent, a device added") << QByteArray() << true << QStringList("projector");
}

void TestMainWindow::uneditedDeviceListWritesNothing()
{
    QFETCH(QByteArray, devices);
    QFETCH(bool, add);
    QFETCH(QStringList, saved);
    const QString path = m_projectDir + "/mid_ctrl.dat";
    if (!devices.isNull())
        QVERIFY(writeFixture(path, devices));
    m_window->openProjectFile(m_projectFile);
    trigger("zhongkongAction");
    QPointer<QDialog> tool = openTool("MidCtrlDlg");
    QVERIFY(tool);
    if (add) {
        whenShown<MidCtrFormDlg>([](MidCtrFormDlg *form) {
            typeInto(form, "lineEdit_3", "projector");
            typeInto(form, "lineEdit", "10.0.0.9");
            typeInto(form, "lineEdit_2", "4001");
            press(form, "pushButton");
        });
        press(tool, "pushButton");
    }
    QTest::keyClick(tool, Qt::Key_Escape);
    QVERIFY(!tool || !tool->isVisible());
    if (add)
        QCOMPARE(deviceNames(path), saved);
    else
        QCOMPARE(fileKind(path) == "missing" ? QByteArray() : readFixture(path), devices);
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestMainWindow::runDialogStartsProgramWithoutShell()
{
    QRuner dialog;
    dialog.show();
    // A shell would run two commands; without one ";" is part of a name.
    const QString dir = m_workDir->path();
    QTest::keyClicks(dialog.commandEdit(), QString("touch \"%1/a b\" %1/c;touch").arg(dir));
    QTest::keyClick(dialog.commandEdit(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QTRY_VERIFY(QFile::exists(dir + "/a b") && QFile::exists(dir + "/c;touch"));
    QVERIFY(!dialog.runCommandLine("/no/such/program"));
    QCOMPARE(m_notifier->prompts().size(), 1);
}

void TestMainWindow::imageDialogImportsPicksAndDeletesPicturesOnly()
{
    for (const char *file : {"a.png", "b.JPG", "c.jpeg", "notes.txt", "sub.png/inner.png"})
        QVERIFY(writeFixture(m_projectDir + "/" + file, "old"));
    ImgDlg dialog;
    dialog.setPath(m_projectDir);
    QCOMPARE(listed(dialog), QStringList({"a.png", "b.JPG", "c.jpeg"}));

    // Pictures by content are imported once. Nothing the folder holds is
    // replaced, also not a file that arrived after the listing, nor written
    // through a link, to nothing or to someone's file.
    QVERIFY(writeFixture(m_projectDir + "/late.png", "old"));
    QVERIFY(writeFixture(m_workDir->filePath("outside/held.png"), "mine"));
    QVERIFY(QFile::link("../outside/victim.png", m_projectDir + "/link.png"));
    QVERIFY(QFile::link("../outside/held.png", m_projectDir + "/held.png"));
    for (const char *picture : {"new.png", "C.PNG", "a.png", "late.png", "link.png", "held.png"})
        QVERIFY(writeColourPicture(m_workDir->filePath(picture), Qt::red));
    for (const char *file : {"hall.projectui", "fake.png"})
        QVERIFY(writeFixture(m_workDir->filePath(file), "text"));
    QStringList files;
    const QStringList out{"a.png", "late.png", "hall.projectui", "fake.png", "gone.png", "link.png", "held.png"};
    for (const QString &file : QStringList{"new.png", "C.PNG"} + out)
        files << m_workDir->filePath(file);
    dialog.importFiles(files);
    QCOMPARE(readFixture(m_projectDir + "/C.PNG"), readFixture(m_workDir->filePath("C.PNG")));
    QCOMPARE(listed(dialog), QStringList({"C.PNG", "a.png", "b.JPG", "c.jpeg", "new.png"}));
    for (const char *file : {"a.png", "late.png"})
        QCOMPARE(readFixture(m_projectDir + "/" + file), QByteArray("old"));
    QVERIFY(!QFile::exists(m_workDir->filePath("outside/victim.png")));
    QCOMPARE(readFixture(m_workDir->filePath("outside/held.png")), QByteArray("mine"));
    // One message names the files that stayed out.
    QCOMPARE(m_notifier->prompts().size(), 1);
    const QString text = m_notifier->prompts().first().text;
    for (const QString &file : out)
        QVERIFY2(text.contains(file), qPrintable(file));
    QVERIFY(!text.contains("new.png") && !text.contains("C.PNG"));
    QCOMPARE(text.count(u("链接")), 2);

    // A pick is deleted on request.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QListWidget *list = dialog.listWidget();
    const auto pick = [list](const char *name) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->findItems(name, Qt::MatchExactly).first()).center());
    };
    pick("new.png");
    QCOMPARE(dialog.selectedPath(), m_projectDir + "/new.png");
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QVERIFY(!QFile::exists(m_projectDir + "/new.png"));
    QCOMPARE(listed(dialog), QStringList({"C.PNG", "a.png", "b.JPG", "c.jpeg"}));
    QCOMPARE(dialog.selectedPath(), QString());
    // A file that cannot go stays listed and picked, and the user is told.
    pick("c.jpeg");
    QVERIFY(QFile::remove(m_projectDir + "/c.jpeg"));
    QVERIFY(writeFixture(m_projectDir + "/c.jpeg/inner", "blocks removal"));
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QCOMPARE(m_notifier->prompts().size(), 2);
    QCOMPARE(listed(dialog).size(), 4);
    QCOMPARE(dialog.selectedPath(), m_projectDir + "/c.jpeg");
    // A new folder forgets the pick.
    dialog.setPath(m_projectDir);
    QVERIFY(dialog.selectedPath().isEmpty() && dialog.findChild<QPushButton *>("pushButton_6")->isHidden());
}

void TestMainWindow::imageDialogShowsNothingOfWhatIsNoFile()
{
    // Named like pictures, yet Qt reading one would wait for ever or never end.
    QVERIFY(makeSpecialFile(m_projectDir + "/a.png", "fifo"));
    QVERIFY(QFile::link(m_projectDir + "/a.png", m_projectDir + "/b.png"));
    QVERIFY(makeSpecialFile(m_projectDir + "/z.png", "zero"));
    QVERIFY(writeColourPicture(m_projectDir + "/c.png", Qt::red));
    ImgDlg dialog;
    dialog.setPath(m_projectDir);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const ReadWatchdog watchdog;
    // As it opens on a control's picture, and as a user picks one.
    dialog.selectImage("b.png");
    QVERIFY(dialog.preview()->label()->image().isNull());
    QListWidget *list = dialog.listWidget();
    // A bare FIFO is not listed; a link to one is.
    QVERIFY(listed(dialog).contains("b.png") && listed(dialog).contains("c.png"));
    for (int row = 0; row < list->count(); ++row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(row)).center());
        QCOMPARE(dialog.preview()->label()->image().isNull(), list->item(row)->text() != "c.png");
    }
}

void TestMainWindow::imageImportRefusesNamesTheUploadRefuses_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("problem");   // empty: imported
    const QString long64 = QString(60, 'p') + ".png";
    QTest::newRow("colon") << "a:b.png" << u("文件名不能包含“:”、“\\”或“/”");
    QTest::newRow("tab") << "a\tb.png" << u("文件名不能包含控制字符");
    QTest::newRow("64 bytes") << long64 << u("文件名过长：“%1”有64字节，多了1字节（最多63字节）").arg(long64);
    QTest::newRow("hidden") << ".hidden.png" << u("文件名不能以“.”开头：这样的隐藏文件不会上传");
    QTest::newRow("63 bytes") << QString(59, 'p') + ".png" << QString();
}

void TestMainWindow::imageImportRefusesNamesTheUploadRefuses()
{
    QFETCH(QString, fileName);
    QFETCH(QString, problem);
    const QString source = m_workDir->filePath(fileName);
    QVERIFY(writeColourPicture(source, Qt::red));
    ImgDlg dialog;
    dialog.setPath(m_projectDir);
    const auto before = folderSnapshot(m_projectDir);
    dialog.importFiles({source});
    QCOMPARE(listed(dialog).contains(fileName), problem.isEmpty());
    if (problem.isEmpty()) {
        QCOMPARE(readFixture(m_projectDir + "/" + fileName), readFixture(source));
        QVERIFY(m_notifier->prompts().isEmpty());
        return;
    }
    // Nothing copied; the list of refused files says which and why.
    QCOMPARE(folderSnapshot(m_projectDir), before);
    QCOMPARE(m_notifier->prompts().size(), 1);
    const QString text = m_notifier->prompts().first().text;
    QVERIFY2(text.contains(fileName + ": " + problem), qPrintable(text));
}

void TestMainWindow::imageDialogListsNoPictureCutShort()
{
    const QString source = m_workDir->filePath("photo.png");
    QVERIFY(writeColourPicture(source, Qt::red, QSize(64, 64)));
    QVERIFY(QFileInfo(source).size() > 64);
    ImgDlg dialog;
    dialog.setPath(m_projectDir);
    {
        FileSizeLimit full{64};
        if (!full.active)
            QSKIP("the file size limit cannot be set here");
        dialog.importFiles({source});
    }
    QVERIFY(listed(dialog).isEmpty() && !QFileInfo::exists(m_projectDir + "/photo.png"));
    QCOMPARE(m_notifier->texts().size(), 1);
    const QString said = m_notifier->texts().first();
    QVERIFY2(said.endsWith(writeFailure(u("复制失败: "), m_projectDir + "/photo.png", "磁盘空间不足")), qPrintable(said));
    // With room, the same picture comes in whole.
    dialog.importFiles({source});
    QCOMPARE(listed(dialog), QStringList("photo.png"));
    QCOMPARE(readFixture(m_projectDir + "/photo.png"), readFixture(source));
}

void TestMainWindow::panelFollowsThePageInFront()
{
    GlobalManager *manager = GlobalManager::instance();
    PropertyWidget *panel = m_window->propertyWidget();
    m_page->setControlAttributes({{"normal_image_path", "bg.png"}}, true, 0);
    QVERIFY(select({control("CmdButton_1")}));
    QWidget *second = openPageTab("b");
    QCOMPARE(panel->currentControl(), second);
    openPageTab("a");
    QCOMPARE(panel->currentControl(), static_cast<QWidget *>(control("CmdButton_1")));
    // The page itself on view, then a new form in front: its 清除 clears the form's picture.
    QTest::mouseClick(m_page, Qt::LeftButton, Qt::NoModifier, QPoint(520, 20));
    QVERIFY(manager->createPage("Lighting", 1600, 900, 1) && manager->openPageTab("Lighting", 1));
    QWidget *cell = panel->tableWidget()->cellWidget(panel->rowOf(100, "normal_image_path"), 1);
    QTest::mouseClick(cell->findChildren<QPushButton *>().at(1), Qt::LeftButton);
    QCOMPARE(m_page->attributes().value("normal_image_path"), QJsonValue("bg.png"));
    manager->slotPageClose(m_window->pageTabWidget()->currentIndex());
    QCOMPARE(panel->currentControl(), static_cast<QWidget *>(manager->currentPage()));
}

void TestMainWindow::saveUndoRedoKeysAndChoiceListsInThePanel()
{
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window) && select({control("CmdButton_1")}));
    PropertyWidget *panel = m_window->propertyWidget();
    auto *x = qobject_cast<QLineEdit *>(panel->editorAt(panel->rowOf(kCmdButton, "x")));
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, "40\r");
    // The keys act wherever the focus is in the window; Enter leaves it in
    // the row, which has nothing of its own to undo then.
    QTest::keyClick(x, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!m_page->isModified());
    QTest::keyClick(x, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(intAt(control("CmdButton_1"), "x"), 300);
    QTest::keyClick(x, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(intAt(control("CmdButton_1"), "x"), 40);
    // Typing not yet committed is the row's own to take back: the page's
    // steps are left alone.
    const int steps = m_page->undoStack()->count();
    QTest::keyClicks(x, "7");
    QTest::keyClick(x, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(x->text(), QString("40"));
    QCOMPARE(m_page->undoStack()->count(), steps);

    // A choice list opens with every option on view.
    auto *combo = qobject_cast<QComboBox *>(panel->editorAt(panel->rowOf(kCmdButton, "text_position")));
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView *list = combo->view();
    QVERIFY(list->isVisible() && combo->count() * list->sizeHintForRow(0) <= list->viewport()->height());
    combo->hidePopup();
}

void TestMainWindow::typingLeftInARowIsWhatTheFileHolds_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("asked");
    QTest::newRow("Ctrl+S") << "save key" << QStringList();
    QTest::newRow("tab closed") << "tab" << QStringList("检测到配置已修改，是否保存修改在关闭?");
    QTest::newRow("project closed") << "removeAction" << QStringList();
    QTest::newRow("window closed") << "window" << QStringList("是否保存?");
    QTest::newRow("preview") << "actionPreview" << QStringList("是否保存?");
    QTest::newRow("upload") << "actionshangchuang" << QStringList("是否保存?");
}

void TestMainWindow::typingLeftInARowIsWhatTheFileHolds()
{
    QFETCH(QString, how);
    QFETCH(QStringList, asked);
    QLineEdit *x = typeXWithoutEnter("40");
    QVERIFY(x);
    m_notifier->setDefaultAnswer(how == "tab" ? QMessageBox::Yes : QMessageBox::Save);
    if (how == "save key") {
        QTest::keyClick(x, Qt::Key_S, Qt::ControlModifier);
    } else if (how == "tab") {
        QTest::mouseClick(m_tabs->tabBar()->tabButton(0, QTabBar::RightSide), Qt::LeftButton);
    } else if (how == "window") {
        QVERIFY(m_window->close());
    } else {
        // The preview and the transfer page read the files as they open.
        whenShown<QDialog>([](QDialog *dialog) { dialog->reject(); });
        trigger(qPrintable(how));
    }
    QCOMPARE(m_notifier->texts(), asked);
    QJsonValue stored;
    for (const QJsonValue &entry : readPage(pagePath("a"))) {
        if (entry["name"] == "CmdButton_1")
            stored = entry["x"];
    }
    QCOMPARE(stored, QJsonValue(40));
}

void TestMainWindow::toolBarCommandsCommitTypingFirst_data()
{
    QTest::addColumn<QString>("action");
    for (const char *action : {"leftJAction", "hdAlignAction", "toTopAction", "selflockAction", "alllockAction",
                               "unlockAction", "pasteAction", "pasteCmdAction", "formatCopyAction"})
        QTest::newRow(action) << action;
}

void TestMainWindow::toolBarCommandsCommitTypingFirst()
{
    QFETCH(QString, action);
    QLineEdit *x = typeXWithoutEnter("40");
    QVERIFY(x);
    // A click on the tool bar leaves the focus in the row; the command's
    // refill of the rows then shows what was typed, not what was there.
    QTest::mouseClick(m_window->mainToolBar()->widgetForAction(m_window->action(action)), Qt::LeftButton);
    QCOMPARE(intAt(control("CmdButton_1"), "x"), 40);
    QCOMPARE(x->text(), QString("40"));
}

namespace {
// Scrolls the row of key into view and clicks into its editor, as a user
// does; returns the widget that then holds the focus.
QWidget *clickIntoRow(PropertyWidget *panel, int nClass, const char *key)
{
    const int row = panel->rowOf(nClass, QLatin1String(key));
    QWidget *editor = panel->editorAt(row);
    if (!editor)
        return nullptr;
    panel->tableWidget()->scrollToItem(panel->tableWidget()->item(row, 0));
    auto *text = qobject_cast<QTextEdit *>(editor);
    QTest::mouseClick(text ? text->viewport() : editor, Qt::LeftButton);
    return editor->hasFocus() ? editor : nullptr;
}

// Replaces what the focused row shows with text and presses Enter.
void retype(QWidget *editor, const QString &text)
{
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

QString shownIn(const QWidget *editor)
{
    const auto *text = qobject_cast<const QTextEdit *>(editor);
    return text ? text->toPlainText() : qobject_cast<const QLineEdit *>(editor)->text();
}

QString valueText(const UIBase *control, const char *key)
{
    return control->attributes().value(QLatin1String(key)).toVariant().toString();
}
} // namespace

void TestMainWindow::oneUndoTakesBackACommittedRow_data()
{
    QTest::addColumn<int>("nClass");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QString>("typed");
    QTest::newRow("文本") << kLabel << "text" << QVariant("A") << "XYZ";
    QTest::newRow("激活文本") << kLabel << "pressText" << QVariant("A") << "XYZ";
    QTest::newRow("正常文本") << kCmdButton << "text" << QVariant("A") << "XYZ";
    QTest::newRow("跳转") << 126 << "goto" << QVariant("home") << "XYZ";
    // A switch's on caption, filled from either of two keys.
    QTest::newRow("switch 激活文本") << 130 << "text" << QVariant("on") << "XYZ";
    QTest::newRow("X") << kCmdButton << "x" << QVariant(600) << "40";
    QTest::newRow("文字占比") << kCmdButton << "text_radio" << QVariant(0.25) << "0.5";
}

void TestMainWindow::oneUndoTakesBackACommittedRow()
{
    QFETCH(int, nClass);
    QFETCH(QString, key);
    QFETCH(QVariant, before);
    QFETCH(QString, typed);
    const QByteArray name = key.toLatin1();
    UIBase *made = addControl(m_page, nClass, designControlTypeName(nClass) + "_9", 600, 450, 120, 40,
                              {{key, QJsonValue::fromVariant(before)}});
    QVERIFY(made);
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window) && select({made}));
    PropertyWidget *panel = m_window->propertyWidget();
    QWidget *editor = clickIntoRow(panel, nClass, name.constData());
    QVERIFY(editor);
    const QString shown = shownIn(editor);
    const QImage drawn = m_page->grab().toImage();
    const int index = m_page->undoStack()->index();
    retype(editor, typed);
    QCOMPARE(valueText(made, name.constData()), typed);
    const QString committed = shownIn(editor);

    // The focus stays in the row; one press takes the step back, one redoes it.
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(made->attributes().value(key), QJsonValue::fromVariant(before));
    QCOMPARE(m_page->undoStack()->index(), index);
    QCOMPARE(shownIn(editor), shown);
    QCOMPARE(m_page->grab().toImage(), drawn);
    QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(valueText(made, name.constData()), typed);
    QCOMPARE(shownIn(editor), committed);

    // Typing not yet committed is still the row's own to take back.
    QTest::keyClicks(editor, "7");
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(shownIn(editor), committed);
    QCOMPARE(m_page->undoStack()->count(), index + 1);
    QCOMPARE(m_page->undoStack()->index(), index + 1);
}

void TestMainWindow::rowHistoryStaysWithItsControl()
{
    UIBase *first = addControl(m_page, kLabel, "Label_7", 600, 450, 120, 40, {{"text", "A"}});
    UIBase *second = addControl(m_page, kLabel, "Label_8", 600, 520, 120, 40, {{"text", "B"}});
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window) && select({first}));
    PropertyWidget *panel = m_window->propertyWidget();
    QWidget *editor = clickIntoRow(panel, kLabel, "text");
    QVERIFY(editor);
    retype(editor, "B");
    QVERIFY(select({second}));
    QCOMPARE(clickIntoRow(panel, kLabel, "text"), editor);
    // The row holds nothing of the first label's: the key undoes the page's
    // last step, and leaving the row stores nothing.
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(shownIn(editor), QString("B"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QVERIFY(!editor->hasFocus());
    QCOMPARE(valueText(first, "text"), QString("A"));
    QCOMPARE(valueText(second, "text"), QString("B"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
