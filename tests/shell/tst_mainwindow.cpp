#include "canvas/uipage.h"
#include "app/globalmanager.h"
#include "core/controltypetable.h"
#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "shell/imgdlg.h"
#include "shell/mainwindow.h"
#include "shell/srclistwidget.h"
#include "shell/statusbarframe.h"
#include "tests/canvas/pagefixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

using namespace pagefixture;

namespace {
const int kCmdButton = 129;
const int kLabel = 104;

QJsonObject commandButton(const char *name, int x, int y, int w, int h, const QJsonArray &onCommands)
{
    QJsonObject object = control("CmdButton", QLatin1String(name), x, y, w, h);
    object.insert("on_cmd_data_list", onCommands);
    object.insert("off_cmd_data_list", QJsonArray());
    return object;
}

QList<int> ints(std::initializer_list<int> values)
{
    return QList<int>(values);
}

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

    void menusAndToolBarOfferTheEditingCommands();
    void alignmentActionsReachCurrentPage_data();
    void alignmentActionsReachCurrentPage();
    void editActionsReachTheSelection();
    void formatPainterNeedsSelectionAndFollowsPage();
    void controlTreeDoubleClickSelectsControlOnly();
    void controlTreeDeleteRemovesControlOrWholeKind_data();
    void controlTreeDeleteRemovesControlOrWholeKind();
    void controlTreeReachesEachTwinByItsOwnItem();
    void paletteDragDropsArmedKindOnlyInsidePage_data();
    void paletteDragDropsArmedKindOnlyInsidePage();
    void paletteDragFromEmptySpaceShowsNothing();
    void zoomBarAndPageScaleFollowEachOther();
    void closingWindowWithModifiedPage_data();
    void closingWindowWithModifiedPage();
    void previewAndUploadAskToSaveFirst();
    void imageDialogListsImportsPicksAndDeletesPicturesOnly();
    void panelFollowsThePageInFront();
    void saveUndoRedoKeysAndChoiceListsInThePanel();

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
    QTreeWidgetItem *controlItem(const QString &text) const;

    std::unique_ptr<TestWorkDir> m_workDir;
    std::unique_ptr<TestNotifier> m_notifier;
    MainWindow *m_window = nullptr;
    UIPage *m_page = nullptr;
    QString m_projectDir;
};

void TestMainWindow::init()
{
    m_workDir.reset(new TestWorkDir(TestWorkDir::WithAssets));
    m_notifier.reset(new TestNotifier);
    GlobalManager *manager = GlobalManager::instance();
    manager->setScreenMetrics(96.0, 1.0, 1.0);
    // The texts below are those of simplified Chinese, whatever the machine's locale.
    manager->setLanguage(0);
    manager->loadStyleSheet();
    const QString projectFile = writeProjectFixture(
        m_workDir->path(), "{\"Page\": [{\"File\": \"a.json\", \"PageType\": 0}, {\"File\": \"b.json\", \"PageType\": 0}]}",
        QStringList(), "hall", "hall.projectui");
    m_projectDir = QFileInfo(projectFile).absolutePath();
    const QJsonArray commands{QJsonObject{{"ip", "10.0.0.5"}, {"port", 5000}, {"data", "AA 01"}}};
    QVERIFY(writePage(m_projectDir + "/a.json", {pageObject(800, 600), commandButton("CmdButton_1", 300, 50, 100, 40, commands),
                                                 commandButton("CmdButton_2", 100, 200, 60, 30, QJsonArray()),
                                                 commandButton("CmdButton_3", 500, 350, 40, 80, QJsonArray())}));
    QVERIFY(writePage(m_projectDir + "/b.json", {pageObject(800, 600)}));
    m_window = new MainWindow;
    m_window->move(0, 0);
    m_window->resize(1400, 860);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->openProjectFile(projectFile);
    m_page = openPageTab("a");
    QVERIFY(m_page);
}

void TestMainWindow::cleanup()
{
    delete m_window;
    flushDeletes();
    GlobalManager::resetInstance();
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

QTreeWidgetItem *TestMainWindow::controlItem(const QString &text) const
{
    const QList<QTreeWidgetItem *> found =
        m_window->controlFrame()->treeWidget()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void TestMainWindow::menusAndToolBarOfferTheEditingCommands()
{
    QStringList menus;
    for (QAction *menuAction : m_window->menuBar()->actions()) {
        if (menuAction->isVisible())
            menus << menuAction->text();
    }
    QCOMPARE(menus, QStringList({"文件", "编辑", "事件", "上传", "帮助", "工具"}));
    auto *edit = m_window->findChild<QMenu *>("menu_W");
    QStringList editEntries;
    for (QAction *action : edit->actions()) {
        if (action->isVisible())
            editEntries << action->objectName();
    }
    QCOMPARE(editEntries, QStringList({"undoAction", "redoAction", "copyAction", "pasteAction",
                                       "copyCmdAction", "pasteCmdAction", "replaceIPAction"}));

    QStringList bar;
    QStringList disabled;
    for (QAction *action : m_window->mainToolBar()->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator()) {
            bar << "|";
            continue;
        }
        bar << action->text();
        // Every button shows a picture that the resources really hold.
        QVERIFY2(action->isSeparator() || !action->icon().pixmap(24, 24).isNull(), qPrintable(action->objectName()));
        if (!action->isEnabled())
            disabled << action->objectName();
    }
    QCOMPARE(bar.join(' '),
             QString("新建 打开 保存 | 左对齐 垂直居中对齐 右对齐 | 上对齐 水平居中对齐 下对齐 | 水平居中 垂直居中 | "
                     "水平分散对齐 垂直分散对齐 | 适配对齐 | 撤销 重做 复制 粘贴 格式刷 | 复制命令 粘贴命令 命令IP替换 | "
                     "置顶 置底 | 自锁 未锁 互锁 | 预览 |"));
    // Every reachable command can be chosen.
    QVERIFY2(disabled.isEmpty(), qPrintable(disabled.join(QLatin1Char(' '))));
    for (const char *name : {"zhongkongAction", "shijianAction", "functionAction", "actionzifu"})
        QVERIFY2(m_window->action(name)->isEnabled(), name);
    QCOMPARE(m_window->action("rightJAction")->toolTip(), QString("右对齐"));
    QVERIFY(m_window->action("selflockAction")->isCheckable());
    QVERIFY(m_window->action("formatCopyAction")->isCheckable());
}

void TestMainWindow::alignmentActionsReachCurrentPage_data()
{
    // Selection order 1, 2, 3; the first selected control is the reference.
    // Before: x 300 100 500, y 50 200 350, w 100 60 40, h 40 30 80.
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("left") << "leftJAction" << "x" << ints({300, 300, 300});
    QTest::newRow("spread horizontally") << "hdAlignAction" << "x" << ints({280, 100, 500});
    QTest::newRow("same size") << "sameAlignAction" << "w" << ints({100, 100, 100});
    QTest::newRow("page centre horizontally") << "hcenterAction_2" << "x" << ints({380, 180, 580});
}

void TestMainWindow::alignmentActionsReachCurrentPage()
{
    QFETCH(QString, action);
    QFETCH(QString, key);
    QFETCH(QList<int>, expected);
    const QByteArray name = key.toLatin1();
    QVERIFY(select({control("CmdButton_1"), control("CmdButton_2"), control("CmdButton_3")}));
    const QList<int> before = values(name);
    trigger(qPrintable(action));
    QCOMPARE(values(name), expected);
    QVERIFY(m_page->isModified());
    // One step per control: undone and redone control by control.
    trigger("undoAction");
    QCOMPARE(values(name).mid(0, 2), expected.mid(0, 2));
    trigger("undoAction");
    trigger("undoAction");
    QCOMPARE(values(name), before);
    for (int i = 0; i < 3; ++i)
        trigger("redoAction");
    QCOMPARE(values(name), expected);
}

void TestMainWindow::editActionsReachTheSelection()
{
    QVERIFY(select({control("CmdButton_1"), control("CmdButton_2")}));
    trigger("selflockAction");
    QCOMPARE(values("self_locking"), ints({1, 1, 0}));
    trigger("alllockAction");
    QVERIFY(values("m_group_id").at(0) > 0 && values("m_group_id").at(1) == values("m_group_id").at(0));
    trigger("unlockAction");
    QCOMPARE(values("m_group_id") + values("self_locking"), ints({0, 0, 0, 0, 0, 0}));
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
    QCOMPARE(storedRect(m_page->controls().value(kCmdButton).last()), QRect(510, 360, 40, 80));
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
    QVERIFY(control("CmdButton_2")->isSelected());
    QVERIFY(!control("CmdButton_1")->isSelected());
    QCOMPARE(m_page->lastSelected(), control("CmdButton_2"));
    QCOMPARE(m_window->propertyWidget()->currentControl(), static_cast<QWidget *>(control("CmdButton_2")));
    QVERIFY(!m_page->isModified());
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

void TestMainWindow::controlTreeReachesEachTwinByItsOwnItem()
{
    // Two controls of one name, as a hand-made file can hold: the second item is the second control.
    addControl(m_page, kCmdButton, "CmdButton_2", 600, 400);
    UIBase *twin = m_page->controls().value(kCmdButton).last();
    QTreeWidget *tree = m_window->controlFrame()->treeWidget();
    QTreeWidgetItem *twinItem = tree->findItems("CmdButton_2", Qt::MatchExactly | Qt::MatchRecursive).last();
    doubleClickItem(tree, twinItem);
    QVERIFY(twin->isSelected() && !control("CmdButton_2")->isSelected());
    chooseFromContextMenu(tree, twinItem, "删除");
    QCOMPARE(storedRect(m_page->controls().value(kCmdButton).at(1)).topLeft(), QPoint(100, 200));
}

void TestMainWindow::paletteDragDropsArmedKindOnlyInsidePage_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("added");
    QTest::newRow("inside the page") << "page" << 1;
    QTest::newRow("over the palette") << "palette" << 0;
}

void TestMainWindow::paletteDragDropsArmedKindOnlyInsidePage()
{
    QFETCH(QString, where);
    QFETCH(int, added);
    const QPoint end = where == "page" ? m_page->mapToGlobal(QPoint(400, 300))
                                       : m_window->srcListWidget()->mapToGlobal(QPoint(20, 20));
    QSignalSpy starts(m_window->srcListWidget(), SIGNAL(signalDragStart(QString)));
    QSignalSpy ends(m_window->srcListWidget(), SIGNAL(signalDragEnd()));
    dragPaletteEntry(1, end); // 文本控件
    QCOMPARE(starts.count(), 2);
    QCOMPARE(GlobalManager::instance()->dropClass(), kLabel);
    QLabel *label = m_window->dragLabel();
    QVERIFY(!label->isHidden());
    QCOMPARE(label->text(), QString("文本控件"));
    QCOMPARE(label->geometry(), QRect(m_window->mapFromGlobal(end) - QPoint(80, 45), QSize(160, 90)));

    QWidget *viewport = m_window->srcListWidget()->listWidget()->viewport();
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, viewport->mapFromGlobal(end));
    QVERIFY(label->isHidden());
    QCOMPARE(ends.count(), 1);
    QCOMPARE(m_page->controls().value(kLabel).size(), added);
    if (added) {
        // Where the indicator showed it: centred on the cursor.
        const QRect placed = m_page->controls().value(kLabel).first()->geometry();
        QVERIFY(qAbs(placed.x() - 320) <= 1 && qAbs(placed.y() - 255) <= 1);
        QVERIFY(qAbs(placed.width() - 160) <= 1 && qAbs(placed.height() - 90) <= 1);
    }
}

void TestMainWindow::paletteDragFromEmptySpaceShowsNothing()
{
    SrcListWidget *palette = m_window->srcListWidget();
    // Each entry's kind is one the page file knows; a form offers all but
    // the login and place widgets, a login page three entries.
    DragListWidget *list = palette->listWidget();
    QCOMPARE(list->count(), 38);
    for (int row = 0; row < list->count(); ++row)
        QVERIFY(!designControlTypeName(list->item(row)->data(Qt::UserRole).toInt()).isEmpty());
    palette->setPageKind(1);
    QCOMPARE(visibleKinds(palette).size(), 36);
    QVERIFY(!visibleKinds(palette).contains(101) && !visibleKinds(palette).contains(102));
    palette->setPageKind(2);
    QCOMPARE(visibleKinds(palette), QList<int>({104, 159, 101}));
    QSignalSpy starts(palette, SIGNAL(signalDragStart(QString)));
    // A click without a move arms the kind and reports no drag.
    m_window->findChild<QTabWidget *>("tabWidget_4")->setCurrentIndex(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(1)).center());
    QCOMPARE(GlobalManager::instance()->dropClass(), kLabel);
    const QPoint end = m_page->mapToGlobal(QPoint(400, 300));
    dragPaletteEntry(-1, end);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->viewport()->mapFromGlobal(end));
    QCOMPARE(starts.count(), 0);
    QVERIFY(m_window->dragLabel()->isHidden());
    QCOMPARE(m_page->controlCount(), 3);
    // With nothing armed a drag shows no indicator.
    GlobalManager::instance()->setDropClass(-1);
    m_window->slotOnSignalDragStart(QString("文本控件"));
    QVERIFY(m_window->dragLabel()->isHidden());
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
    QCOMPARE(control("CmdButton_1")->geometry(), QRect(450, 75, 150, 60));
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
    QVERIFY(GlobalManager::instance()->createPage("c", 800, 600, 0));
    UIPage *third = openPageTab("c");
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
    const QString path = m_projectDir + "/a.json";
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
    QCOMPARE(m_window->isVisible(), !closes);
    QCOMPARE(m_notifier->texts().mid(0, 1), modify ? QStringList("是否保存?") : QStringList());
    QCOMPARE(m_notifier->texts().size(), !modify ? 0 : writable ? 1 : 2);
    if (modify)
        QCOMPARE(int(m_notifier->prompts().first().buttons), int(QMessageBox::Save | QMessageBox::No | QMessageBox::Cancel));
    const bool written = answer == QMessageBox::Save && writable;
    QCOMPARE(readFixture(path) != before, written);
    QCOMPARE(m_page->isModified(), modify && !written);
    if (written)
        QVERIFY(readFixture(path).contains("\"self_locking\": 1"));
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

void TestMainWindow::imageDialogListsImportsPicksAndDeletesPicturesOnly()
{
    for (const char *file : {"a.png", "b.JPG", "c.jpeg", "notes.txt", "sub.png/inner.png", "main.projectui"})
        writeFixture(m_workDir->filePath("hall/") + file, "old");
    for (const char *file : {"a.png", "late.png", "main.projectui", "readme.txt"})
        writeFixture(m_workDir->filePath("elsewhere/") + file, "new");
    QVERIFY(writeColourPicture(m_workDir->filePath("elsewhere/d.png"), Qt::green));
    ImgDlg dialog;
    dialog.setPath(m_workDir->filePath("hall"));
    QCOMPARE(listed(dialog), QStringList({"a.png", "b.JPG", "c.jpeg"}));
    QCOMPARE(dialog.listWidget()->findItems("a.png", Qt::MatchExactly).first()->data(Qt::UserRole + 1).toString(),
             m_workDir->filePath("hall/a.png"));
    // A picture is imported once; nothing the folder holds is replaced, also
    // not a file that arrived after the listing; what is no picture stays out.
    writeFixture(m_workDir->filePath("hall/late.png"), "old");
    QVERIFY(dialog.addImage(m_workDir->filePath("elsewhere/d.png")));
    for (const char *file : {"a.png", "late.png", "main.projectui", "readme.txt", "missing.png"})
        QVERIFY2(!dialog.addImage(m_workDir->filePath("elsewhere/") + file), file);
    QCOMPARE(readFixture(m_workDir->filePath("hall/d.png")), readFixture(m_workDir->filePath("elsewhere/d.png")));
    for (const char *file : {"a.png", "late.png", "main.projectui"})
        QCOMPARE(readFixture(m_workDir->filePath("hall/") + file), QByteArray("old"));
    QCOMPARE(listed(dialog), QStringList({"a.png", "b.JPG", "c.jpeg", "d.png"}));
    // A pick is kept on OK and deleted on request.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QListWidget *list = dialog.listWidget();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->findItems("d.png", Qt::MatchExactly).first()).center());
    QCOMPARE(dialog.selectedPath(), m_workDir->filePath("hall/d.png"));
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_4"), Qt::LeftButton);
    QVERIFY(!QFile::exists(m_workDir->filePath("hall/d.png")));
    QCOMPARE(listed(dialog), QStringList({"a.png", "b.JPG", "c.jpeg"}));
    QCOMPARE(dialog.selectedPath(), QString());
    // Cancel rejects; a new folder forgets the pick.
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    dialog.setPath(m_workDir->filePath("hall"));
    QVERIFY(dialog.findChild<QPushButton *>("pushButton_6")->isHidden());
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
    // The keys act wherever the focus is in the window.
    QTest::keyClick(x, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!m_page->isModified());
    QTest::keyClick(panel->tableWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(intAt(control("CmdButton_1"), "x"), 300);
    QTest::keyClick(panel->tableWidget(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(intAt(control("CmdButton_1"), "x"), 40);

    // A choice list opens with every option on view.
    auto *combo = qobject_cast<QComboBox *>(panel->editorAt(panel->rowOf(kCmdButton, "text_position")));
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView *list = combo->view();
    QVERIFY(list->isVisible() && combo->count() * list->sizeHintForRow(0) <= list->viewport()->height());
    combo->hidePopup();
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
