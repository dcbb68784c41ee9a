#include "canvas/uipage.h"
#include "app/globalmanager.h"
#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "shell/mainwindow.h"
#include "shell/projectframe.h"
#include "shell/srclistwidget.h"
#include "shell/statusbarframe.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

namespace {
const int kCmdButton = 129;
const int kLabel = 104;

QJsonObject commandButton(const char *name, int x, int y, int w, int h, const QJsonArray &onCommands)
{
    QJsonObject object = pagefixture::control("CmdButton", QLatin1String(name), x, y, w, h);
    object.insert("on_cmd_data_list", onCommands);
    object.insert("off_cmd_data_list", QJsonArray());
    return object;
}

QList<int> ints(std::initializer_list<int> values)
{
    return QList<int>(values);
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
    void undoAndRedoActionsStepThroughAlignment();
    void copyAndPasteActionsDuplicateSelection();
    void orderActionsRaiseAndLowerLastSelected();
    void lockActionsSetLatchOfSelection();
    void commandCopyAndPasteActionsMoveCommandLists();
    void formatPainterNeedsSelectionAndFollowsPage();
    void controlTreeDoubleClickSelectsControlOnly();
    void controlTreeDeleteRemovesControlOrWholeKind_data();
    void controlTreeDeleteRemovesControlOrWholeKind();
    void paletteDragDropsArmedKindOnlyInsidePage_data();
    void paletteDragDropsArmedKindOnlyInsidePage();
    void paletteDragFromEmptySpaceShowsNothing();
    void zoomBarAndPageScaleFollowEachOther();
    void closingWindowWithModifiedPage_data();
    void closingWindowWithModifiedPage();
    void failedSaveOnCloseKeepsWindow();
    void windowShowsProjectAndPage();

private:
    UIPage *openPage(const QString &name);
    UIBase *control(const char *name) const;
    void select(const QList<UIBase *> &controls);
    void trigger(const char *objectName);
    QList<int> values(const char *key) const;
    void dragPaletteEntry(int row, const QPoint &globalEnd, bool releaseToo = true);
    QTreeWidgetItem *controlItem(const QString &text) const;
    // Right-clicks the control tree's item and chooses entry; returns what
    // the menu offered.
    QStringList chooseFromControlMenu(QTreeWidgetItem *item, const QString &entry);

    TestWorkDir *m_workDir = nullptr;
    TestNotifier *m_notifier = nullptr;
    MainWindow *m_window = nullptr;
    UIPage *m_page = nullptr;
    QString m_projectDir;
};

void TestMainWindow::init()
{
    m_workDir = new TestWorkDir(TestWorkDir::WithAssets);
    QVERIFY(m_workDir->isValid());
    m_notifier = new TestNotifier;
    GlobalManager *manager = GlobalManager::instance();
    manager->setScreenMetrics(96.0, 1.0, 1.0);
    // The texts below are those of simplified Chinese, whatever the machine's locale.
    manager->setLanguage(0);
    manager->loadStyleSheet();

    const QString projectFile = writeProjectFixture(
        m_workDir->path(),
        "{\"Page\": [{\"File\": \"a.json\", \"PageType\": 0}, {\"File\": \"b.json\", \"PageType\": 0}]}",
        QStringList(), "hall", "hall.projectui");
    m_projectDir = QFileInfo(projectFile).absolutePath();
    const QJsonArray commands{QJsonObject{{"ip", "10.0.0.5"}, {"port", 5000}, {"data", "AA 01"}}};
    QVERIFY(pagefixture::writePage(m_projectDir + "/a.json",
                                   {pagefixture::pageObject(800, 600),
                                    commandButton("CmdButton_1", 300, 50, 100, 40, commands),
                                    commandButton("CmdButton_2", 100, 200, 60, 30, QJsonArray()),
                                    commandButton("CmdButton_3", 500, 350, 40, 80, QJsonArray())}));
    QVERIFY(pagefixture::writePage(m_projectDir + "/b.json", {pagefixture::pageObject(800, 600)}));

    m_window = new MainWindow;
    m_window->move(0, 0);
    m_window->resize(1400, 860);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->openProjectFile(projectFile);
    m_page = openPage("a");
    QVERIFY(m_page);
    QCOMPARE(m_page->controlCount(), 3);
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_page = nullptr;
    pagefixture::flushDeletes();
    GlobalManager::resetInstance();
    qApp->setStyleSheet(QString());
    delete m_notifier;
    m_notifier = nullptr;
    delete m_workDir;
    m_workDir = nullptr;
}

UIPage *TestMainWindow::openPage(const QString &name)
{
    GlobalManager *manager = GlobalManager::instance();
    return manager->openPageTab(name, 0) ? manager->currentPage() : nullptr;
}

UIBase *TestMainWindow::control(const char *name) const
{
    return m_page->findControl(kCmdButton, QLatin1String(name));
}

void TestMainWindow::select(const QList<UIBase *> &controls)
{
    // A plain click starts the selection afresh; Ctrl-clicks add the rest.
    QTest::mouseClick(controls.first(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::keyPress(m_page, Qt::Key_Control);
    for (UIBase *control : controls.mid(1))
        QTest::mouseClick(control, Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
    QTest::keyRelease(m_page, Qt::Key_Control);
    QCOMPARE(m_page->selection(), controls);
}

void TestMainWindow::trigger(const char *objectName)
{
    QAction *action = m_window->action(QLatin1String(objectName));
    QVERIFY2(action, objectName);
    QVERIFY2(action->isEnabled(), objectName);
    action->trigger();
}

QList<int> TestMainWindow::values(const char *key) const
{
    QList<int> result;
    for (const char *name : {"CmdButton_1", "CmdButton_2", "CmdButton_3"})
        result << control(name)->attributes().value(QLatin1String(key)).toInt();
    return result;
}

void TestMainWindow::dragPaletteEntry(int row, const QPoint &globalEnd, bool releaseToo)
{
    auto *tabs = m_window->findChild<QTabWidget *>("tabWidget_4");
    tabs->setCurrentIndex(0);
    DragListWidget *list = m_window->srcListWidget()->listWidget();
    QWidget *viewport = list->viewport();
    const QPoint start = list->visualItemRect(list->item(row)).center();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    // Two moves: the indicator follows the cursor on each.
    const QPoint globalStart = viewport->mapToGlobal(start);
    for (const QPoint &global : {(globalStart + globalEnd) / 2, globalEnd}) {
        QCursor::setPos(global);
        QMouseEvent move(QEvent::MouseMove, viewport->mapFromGlobal(global), global, Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    if (releaseToo)
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, viewport->mapFromGlobal(globalEnd));
}

QTreeWidgetItem *TestMainWindow::controlItem(const QString &text) const
{
    QTreeWidget *tree = m_window->controlFrame()->treeWidget();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *category = tree->topLevelItem(i);
        if (category->text(0) == text)
            return category;
        for (int c = 0; c < category->childCount(); ++c) {
            if (category->child(c)->text(0) == text)
                return category->child(c);
        }
    }
    return nullptr;
}

QStringList TestMainWindow::chooseFromControlMenu(QTreeWidgetItem *item, const QString &entry)
{
    QStringList offered;
    QTimer::singleShot(0, [&offered, entry] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *choice = nullptr;
        for (QAction *action : menu->actions()) {
            offered << action->text();
            if (action->text() == entry)
                choice = action;
        }
        if (!choice) {
            menu->close();
            return;
        }
        menu->setActiveAction(choice);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTreeWidget *tree = m_window->controlFrame()->treeWidget();
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &event);
    return offered;
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
        QVERIFY2(!action->icon().pixmap(24, 24).isNull(), qPrintable(action->objectName()));
        QVERIFY(action->shortcut().isEmpty());
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
    QTest::addColumn<QList<int>>("x");
    QTest::addColumn<QList<int>>("y");
    QTest::addColumn<QList<int>>("w");
    QTest::newRow("left") << "leftJAction" << ints({300, 300, 300}) << ints({50, 200, 350}) << ints({100, 60, 40});
    QTest::newRow("right") << "rightJAction" << ints({300, 340, 360}) << ints({50, 200, 350}) << ints({100, 60, 40});
    QTest::newRow("top") << "topJAction" << ints({300, 100, 500}) << ints({50, 50, 50}) << ints({100, 60, 40});
    QTest::newRow("bottom") << "bottomJAction" << ints({300, 100, 500}) << ints({50, 60, 10}) << ints({100, 60, 40});
    QTest::newRow("centre x") << "vcenterAction" << ints({300, 320, 330}) << ints({50, 200, 350}) << ints({100, 60, 40});
    QTest::newRow("centre y") << "hcenterAction" << ints({300, 100, 500}) << ints({50, 55, 30}) << ints({100, 60, 40});
    QTest::newRow("spread vertically") << "vdAlignAction" << ints({300, 100, 500}) << ints({50, 205, 350})
                                       << ints({100, 60, 40});
    QTest::newRow("spread horizontally") << "hdAlignAction" << ints({280, 100, 500}) << ints({50, 200, 350})
                                         << ints({100, 60, 40});
    QTest::newRow("same size") << "sameAlignAction" << ints({300, 100, 500}) << ints({50, 200, 350})
                               << ints({100, 100, 100});
    QTest::newRow("page centre vertically") << "vcenterAction_2" << ints({300, 100, 500}) << ints({110, 260, 410})
                                            << ints({100, 60, 40});
    QTest::newRow("page centre horizontally") << "hcenterAction_2" << ints({380, 180, 580}) << ints({50, 200, 350})
                                              << ints({100, 60, 40});
}

void TestMainWindow::alignmentActionsReachCurrentPage()
{
    QFETCH(QString, action);
    QFETCH(QList<int>, x);
    QFETCH(QList<int>, y);
    QFETCH(QList<int>, w);
    select({control("CmdButton_1"), control("CmdButton_2"), control("CmdButton_3")});
    trigger(qPrintable(action));
    QCOMPARE(values("x"), x);
    QCOMPARE(values("y"), y);
    QCOMPARE(values("w"), w);
    QVERIFY(m_page->isModified());
}

void TestMainWindow::undoAndRedoActionsStepThroughAlignment()
{
    select({control("CmdButton_1"), control("CmdButton_2"), control("CmdButton_3")});
    trigger("leftJAction");
    QCOMPARE(values("x"), ints({300, 300, 300}));
    // One step per control: undone and redone control by control.
    trigger("undoAction");
    QCOMPARE(values("x"), ints({300, 300, 500}));
    trigger("undoAction");
    trigger("undoAction");
    QCOMPARE(values("x"), ints({300, 100, 500}));
    trigger("redoAction");
    trigger("redoAction");
    QCOMPARE(values("x"), ints({300, 300, 500}));
    trigger("redoAction");
    QCOMPARE(values("x"), ints({300, 300, 300}));
}

void TestMainWindow::copyAndPasteActionsDuplicateSelection()
{
    select({control("CmdButton_2")});
    trigger("copyAction");
    trigger("pasteAction");
    QCOMPARE(m_page->controlCount(), 4);
    const QList<UIBase *> buttons = m_page->controls().value(kCmdButton);
    UIBase *copy = buttons.last();
    QVERIFY(copy->getName() != "CmdButton_2");
    QCOMPARE(copy->attributes().value("w").toInt(), 60);
    QCOMPARE(copy->attributes().value("h").toInt(), 30);
    trigger("undoAction");
    QCOMPARE(m_page->controlCount(), 3);
}

void TestMainWindow::orderActionsRaiseAndLowerLastSelected()
{
    auto stackIndex = [this](UIBase *control) {
        QList<UIBase *> order;
        for (QObject *child : m_page->children()) {
            if (auto *base = qobject_cast<UIBase *>(child))
                order << base;
        }
        return order.indexOf(control);
    };
    UIBase *first = control("CmdButton_1");
    select({first});
    trigger("toTopAction");
    QCOMPARE(stackIndex(first), 2);
    trigger("toBottomAction");
    QCOMPARE(stackIndex(first), 0);
}

void TestMainWindow::lockActionsSetLatchOfSelection()
{
    select({control("CmdButton_1"), control("CmdButton_2")});
    trigger("selflockAction");
    QCOMPARE(values("self_locking"), ints({1, 1, 0}));
    trigger("unlockAction");
    QCOMPARE(values("self_locking"), ints({0, 0, 0}));
    trigger("alllockAction");
    const QList<int> groups = values("m_group_id");
    QVERIFY(groups.at(0) > 0);
    QCOMPARE(groups.at(1), groups.at(0));
    QCOMPARE(groups.at(2), 0);
}

void TestMainWindow::commandCopyAndPasteActionsMoveCommandLists()
{
    const QJsonArray source = control("CmdButton_1")->attributes().value("on_cmd_data_list").toArray();
    QCOMPARE(source.size(), 1);
    select({control("CmdButton_1")});
    trigger("copyCmdAction");
    select({control("CmdButton_3")});
    trigger("pasteCmdAction");
    QCOMPARE(control("CmdButton_3")->attributes().value("on_cmd_data_list").toArray(), source);
    QVERIFY(control("CmdButton_2")->attributes().value("on_cmd_data_list").toArray().isEmpty());
}

void TestMainWindow::formatPainterNeedsSelectionAndFollowsPage()
{
    QAction *painter = m_window->action("formatCopyAction");
    // Nothing selected yet: the painter cannot start.
    painter->trigger();
    QVERIFY(!painter->isChecked());
    QCOMPARE(m_notifier->texts(), QStringList("请选中控件"));
    QVERIFY(!m_page->isFormatPainterOn());

    select({control("CmdButton_1")});
    painter->trigger();
    QVERIFY(painter->isChecked());
    QVERIFY(m_page->isFormatPainterOn());

    // Another page in front has its own painter, which is off.
    UIPage *second = openPage("b");
    QVERIFY(second && second != m_page);
    QVERIFY(!painter->isChecked());
    QCOMPARE(openPage("a"), m_page);
    QVERIFY(painter->isChecked());

    // Deleting the source control drops the painter: unchecking then must
    // not arm it again.
    QTest::keyClick(m_page, Qt::Key_Delete);
    QVERIFY(!m_page->isFormatPainterOn());
    painter->trigger();
    QVERIFY(!painter->isChecked());
    QVERIFY(!m_page->isFormatPainterOn());
    QCOMPARE(m_notifier->prompts().size(), 1);
}

void TestMainWindow::controlTreeDoubleClickSelectsControlOnly()
{
    QTreeWidget *tree = m_window->controlFrame()->treeWidget();
    auto doubleClick = [tree](QTreeWidgetItem *item) {
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    };
    QTreeWidgetItem *category = controlItem("普通命令");
    QVERIFY(category);
    doubleClick(category);
    for (const char *name : {"CmdButton_1", "CmdButton_2", "CmdButton_3"})
        QVERIFY(!control(name)->isSelected());
    QVERIFY(category->isExpanded());
    QVERIFY(!m_window->propertyWidget()->currentControl());

    // Marked and shown in the property panel; the canvas selection list
    // takes it only when it is clicked there.
    doubleClick(controlItem("CmdButton_2"));
    QVERIFY(control("CmdButton_2")->isSelected());
    QVERIFY(!control("CmdButton_1")->isSelected());
    QCOMPARE(m_page->lastSelected(), control("CmdButton_2"));
    QCOMPARE(m_window->propertyWidget()->currentControl(), static_cast<QWidget *>(control("CmdButton_2")));
    QCOMPARE(m_window->propertyWidget()->shownClass(), kCmdButton);
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
    QTreeWidgetItem *chosen = controlItem(item);
    QVERIFY(chosen);
    QCOMPARE(chooseFromControlMenu(chosen, "删除"), QStringList("删除"));

    QCOMPARE(m_page->controlCount(), 1 + left.size());
    QCOMPARE(m_page->controls().value(kLabel).size(), 1);
    QStringList names;
    for (UIBase *button : m_page->controls().value(kCmdButton))
        names << button->getName();
    QCOMPARE(names, left);
    QCOMPARE(m_window->controlFrame()->controlNames(kCmdButton), left);
    QCOMPARE(controlItem("普通命令") != nullptr, !left.isEmpty());
    QVERIFY(!controlItem(item));
    QVERIFY(m_page->isModified());
    QVERIFY(m_notifier->prompts().isEmpty());

    // One undo step per deleted control brings each back, into the tree too.
    for (int i = left.size(); i < 3; ++i)
        trigger("undoAction");
    QCOMPARE(m_page->controls().value(kCmdButton).size(), 3);
    QCOMPARE(m_window->controlFrame()->controlNames(kCmdButton).size(), 3);
}

void TestMainWindow::paletteDragDropsArmedKindOnlyInsidePage_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("added");
    QTest::newRow("inside the page") << "page" << 1;
    QTest::newRow("over the palette") << "palette" << 0;
    QTest::newRow("on the tab area's border") << "border" << 0;
}

void TestMainWindow::paletteDragDropsArmedKindOnlyInsidePage()
{
    QFETCH(QString, where);
    QFETCH(int, added);
    QTabWidget *tabs = m_window->pageTabWidget();
    QPoint end;
    if (where == "page")
        end = m_page->mapToGlobal(QPoint(400, 300));
    else if (where == "palette")
        end = m_window->srcListWidget()->mapToGlobal(QPoint(20, 20));
    else
        end = tabs->mapToGlobal(QPoint(0, tabs->height() / 2));

    QSignalSpy starts(m_window->srcListWidget(), SIGNAL(signalDragStart(QString)));
    QSignalSpy ends(m_window->srcListWidget(), SIGNAL(signalDragEnd()));
    dragPaletteEntry(1, end, false); // 文本控件
    QCOMPARE(starts.count(), 2);
    QCOMPARE(starts.at(1).at(0).toString(), QString("文本控件"));
    QCOMPARE(GlobalManager::instance()->dropClass(), kLabel);
    QLabel *label = m_window->dragLabel();
    QVERIFY(!label->isHidden());
    QCOMPARE(label->text(), QString("文本控件"));
    QCOMPARE(label->size(), QSize(160, 90));
    QCOMPARE(label->geometry().topLeft() + QPoint(80, 45), m_window->mapFromGlobal(end));

    QTest::mouseRelease(m_window->srcListWidget()->listWidget()->viewport(), Qt::LeftButton, Qt::NoModifier,
                        m_window->srcListWidget()->listWidget()->viewport()->mapFromGlobal(end));
    QVERIFY(label->isHidden());
    QCOMPARE(ends.count(), 1);
    QCOMPARE(m_page->controlCount(), 3 + added);
    QCOMPARE(m_page->controls().value(kLabel).size(), added);
    if (added) {
        // Where the indicator showed it: centred on the cursor.
        const QRect placed = m_page->controls().value(kLabel).first()->geometry();
        QVERIFY(qAbs(placed.x() - 320) <= 1 && qAbs(placed.y() - 255) <= 1);
        QVERIFY(qAbs(placed.width() - 160) <= 1 && qAbs(placed.height() - 90) <= 1);
        QVERIFY(m_page->isModified());
    }
}

void TestMainWindow::paletteDragFromEmptySpaceShowsNothing()
{
    SrcListWidget *palette = m_window->srcListWidget();
    auto *tabs = m_window->findChild<QTabWidget *>("tabWidget_4");
    tabs->setCurrentIndex(0);
    // A login page offers three entries; the rest of the list is empty.
    palette->setPageKind(2);
    DragListWidget *list = palette->listWidget();
    QSignalSpy starts(palette, SIGNAL(signalDragStart(QString)));
    QSignalSpy ends(palette, SIGNAL(signalDragEnd()));
    // A click without a move arms the kind and reports no drag.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(1)).center());
    QVERIFY(list->currentItem());
    QCOMPARE(GlobalManager::instance()->dropClass(), kLabel);
    const QPoint blank(10, list->viewport()->height() - 10);
    QVERIFY(!list->itemAt(blank));
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, blank);
    const QPoint global = m_page->mapToGlobal(QPoint(400, 300));
    QCursor::setPos(global);
    QMouseEvent move(QEvent::MouseMove, list->viewport()->mapFromGlobal(global), global, Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->viewport()->mapFromGlobal(global));
    QCOMPARE(starts.count(), 0);
    QCOMPARE(ends.count(), 0);
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
    QCOMPARE(m_page->width(), 1200);
    QCOMPARE(m_page->height(), 900);
    QCOMPARE(control("CmdButton_1")->geometry(), QRect(450, 75, 150, 60));

    // Bringing another page forward shows and applies the default again.
    UIPage *second = openPage("b");
    QVERIFY(second);
    QCOMPARE(bar->slider()->value(), 68);
    QCOMPARE(second->width(), 544);
}

void TestMainWindow::closingWindowWithModifiedPage_data()
{
    QTest::addColumn<bool>("modify");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("unmodified asks nothing") << false << int(QMessageBox::Cancel) << true << false;
    QTest::newRow("cancel keeps the window") << true << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("escape keeps the window") << true << int(QMessageBox::Escape) << false << false;
    QTest::newRow("no closes unsaved") << true << int(QMessageBox::No) << true << false;
    QTest::newRow("save writes and closes") << true << int(QMessageBox::Save) << true << true;
}

void TestMainWindow::closingWindowWithModifiedPage()
{
    QFETCH(bool, modify);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    const QByteArray before = readFixture(m_projectDir + "/a.json");
    if (modify) {
        select({control("CmdButton_2")});
        trigger("selflockAction");
        QVERIFY(m_page->isModified());
    }
    m_notifier->queueAnswer(QMessageBox::StandardButton(answer));
    QCOMPARE(m_window->close(), closes);
    QCOMPARE(m_window->isVisible(), !closes);
    QCOMPARE(m_notifier->texts(), modify ? QStringList("是否保存?") : QStringList());
    if (modify)
        QCOMPARE(int(m_notifier->prompts().first().buttons),
                 int(QMessageBox::Save | QMessageBox::No | QMessageBox::Cancel));

    const QByteArray after = readFixture(m_projectDir + "/a.json");
    QCOMPARE(after != before, written);
    if (written) {
        QVERIFY(!m_page->isModified());
        QVERIFY(after.contains("\"self_locking\": 1"));
    } else {
        QCOMPARE(m_page->isModified(), modify);
    }
}

void TestMainWindow::failedSaveOnCloseKeepsWindow()
{
    select({control("CmdButton_2")});
    trigger("selflockAction");
    // The page file can no longer be written.
    QVERIFY(QFile::remove(m_projectDir + "/a.json"));
    QVERIFY(QDir().mkpath(m_projectDir + "/a.json"));
    m_notifier->queueAnswer(QMessageBox::Save);
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QVERIFY(m_page->isModified());
    QCOMPARE(m_notifier->texts().first(), QString("是否保存?"));
    QCOMPARE(m_notifier->texts().size(), 2);
}

void TestMainWindow::windowShowsProjectAndPage()
{
    m_window->findChild<QTabWidget *>("tabWidget_4")->setCurrentIndex(0);
    // A few kinds with their default looks, as a user would place them.
    const int kinds[] = {104, 105, 130, 131, 159};
    for (int i = 0; i < 5; ++i)
        m_page->addNewControl(kinds[i], QRect(20 + i * 100, 300, 90, 50));
    select({control("CmdButton_1")});
    QCOMPARE(m_window->windowTitle(), QString("Brivane"));
    QTreeWidget *controls = m_window->controlFrame()->treeWidget();
    QCOMPARE(controls->topLevelItemCount(), 6);
    QCOMPARE(controls->topLevelItem(0)->childCount(), 3);
    QCOMPARE(m_window->pageTabWidget()->tabText(0), QString("a"));
    QVERIFY(!m_window->mainToolBar()->isHidden());
    QVERIFY(saveGrabIfAsked(m_window->grab().toImage(), "mainwindow.png"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
