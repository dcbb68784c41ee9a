#include "app/globalmanager.h"
#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "shell/mainwindow.h"
#include "shell/projectframe.h"
#include "shell/srcgrouplistwidget.h"
#include "shell/srclistwidget.h"
#include "shell/statusbarframe.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {
const char kProject[] = R"({"Page": [
    {"File": "home.json", "PageType": 0},
    {"File": "login.json", "PageType": 2},
    {"File": "popup.json", "PageType": 1},
    {"File": "rooms.json", "PageType": 3}
]})";

QString makeProject(const QString &root, const QByteArray &content = kProject,
                    const QString &folder = QStringLiteral("hall"))
{
    return writeProjectFixture(root, content, {"home.json", "login.json", "popup.json", "rooms.json"}, folder);
}

QTreeWidget *treeOf(MainWindow &window)
{
    return window.projectFrame()->tree()->treeWidget();
}

// The tree as "name:kind" lines, the project item first.
QStringList treeLines(MainWindow &window)
{
    QStringList lines;
    QTreeWidget *tree = treeOf(window);
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *root = tree->topLevelItem(i);
        lines << root->text(0) + ":" + root->data(0, Qt::UserRole + 1).toString();
        for (int c = 0; c < root->childCount(); ++c)
            lines << root->child(c)->text(0) + ":" + root->child(c)->data(0, Qt::UserRole + 1).toString();
    }
    return lines;
}

QTreeWidgetItem *pageItem(MainWindow &window, int index)
{
    return treeOf(window)->topLevelItem(0)->child(index);
}

// Answers the next modal input dialog with text (or cancels it).
void answerInputDialog(const QString &text, bool accept = true)
{
    QTimer::singleShot(0, [text, accept] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setTextValue(text);
        accept ? dialog->accept() : dialog->reject();
    });
}
} // namespace

class TestProjectTree : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowHandsItsPanelsToManager();
    void openingListsProjectAndPagesInFileOrder();
    void badProjectFileKeepsTheTreeAndProject();
    void secondOpenReplacesTheTree();
    void zoomBarShowsManagerZoom();
    void renameFromTreeAsksAndRenames();
    void renameFromTreeRefusesTakenAndEmptyNames();
    void moveFromTreeSwapsItemsAndEntries();
    void deleteFromTreeRemovesItemAndFile();
    void closeFromTreeOrMenuEmptiesTree();
    void pageMenuOffersStoreActions();

private:
    // The window with the project "hall" open; project is its file.
    MainWindow &openWindow()
    {
        project = makeProject(dir->path());
        window->openProjectFile(project);
        return *window;
    }

    std::unique_ptr<TestWorkDir> dir;
    std::unique_ptr<TestNotifier> notifier;
    std::unique_ptr<MainWindow> window;
    QString project;
};

void TestProjectTree::init()
{
    dir.reset(new TestWorkDir);
    QVERIFY(dir->isValid());
    notifier.reset(new TestNotifier);
    window.reset(new MainWindow);
}

void TestProjectTree::cleanup()
{
    window.reset();
    notifier.reset();
    dir.reset();
    GlobalManager::resetInstance();
}

void TestProjectTree::windowHandsItsPanelsToManager()
{
    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(manager->tabWidget(), window->pageTabWidget());
    QCOMPARE(manager->controlFrame(), window->controlFrame());
    QCOMPARE(manager->propertyWidget(), window->propertyWidget());
    QCOMPARE(manager->srcListWidget(), window->srcListWidget());
}

void TestProjectTree::openingListsProjectAndPagesInFileOrder()
{
    openWindow();
    QCOMPARE(treeLines(*window), QStringList({"hall:-1", "home:0", "login:2", "popup:1", "rooms:3"}));
    QVERIFY(treeOf(*window)->topLevelItem(0)->isExpanded());
    // Login and place pages count with the forms when they come from a file.
    QCOMPARE(window->projectFrame()->tree()->pageCount(), 1);
    QCOMPARE(window->projectFrame()->tree()->formCount(), 3);
    QVERIFY(notifier->prompts().isEmpty());

    window->resize(1200, 700);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(saveGrabIfAsked(window->grab().toImage(), "store_mainwindow.png"));
}

void TestProjectTree::badProjectFileKeepsTheTreeAndProject()
{
    openWindow();
    window->openProjectFile(makeProject(dir->path(), R"({"Pages": []})", "other"));
    QCOMPARE(notifier->texts(), QStringList(QString::fromUtf8("文件格式不对")));
    QCOMPARE(treeLines(*window).size(), 5);
    QCOMPARE(treeLines(*window).first(), QString("hall:-1"));
    QCOMPARE(GlobalManager::instance()->projectName(), QString("hall"));
}

void TestProjectTree::secondOpenReplacesTheTree()
{
    openWindow();
    window->openProjectFile(makeProject(dir->path(), R"({"Page": [{"File": "only.json"}]})", "lobby"));
    QCOMPARE(treeLines(*window), QStringList({"lobby:-1", "only:0"}));
    QCOMPARE(window->projectFrame()->tree()->pageCount(), 1);
    QCOMPARE(window->projectFrame()->tree()->formCount(), 0);
}

void TestProjectTree::zoomBarShowsManagerZoom()
{
    GlobalManager *manager = GlobalManager::instance();
    manager->setScreenMetrics(96, 0.963, 1.0);
    auto *scroll = new QScrollArea;
    scroll->setWidget(new QWidget);
    window->pageTabWidget()->addTab(scroll, "home");
    QCOMPARE(window->statusBarFrame()->slider()->value(), 65);
    manager->resetZoom();
    QCOMPARE(window->statusBarFrame()->slider()->value(), 65);
}

void TestProjectTree::renameFromTreeAsksAndRenames()
{
    SrcGroupListWidget *tree = openWindow().projectFrame()->tree();
    treeOf(*window)->setCurrentItem(pageItem(*window, 1));

    answerInputDialog("welcome", false);
    tree->onRenameFile();
    QCOMPARE(pageItem(*window, 1)->text(0), QString("login"));

    answerInputDialog("welcome");
    tree->onRenameFile();
    QCOMPARE(pageItem(*window, 1)->text(0), QString("welcome"));
    QCOMPARE(projectEntryFiles(project), QStringList({"home.json", "welcome.json", "popup.json", "rooms.json"}));
    QVERIFY(QFile::exists(QFileInfo(project).absolutePath() + "/welcome.json"));
    QVERIFY(GlobalManager::instance()->hasPage("welcome"));
    QVERIFY(notifier->prompts().isEmpty());
}

void TestProjectTree::renameFromTreeRefusesTakenAndEmptyNames()
{
    SrcGroupListWidget *tree = openWindow().projectFrame()->tree();
    treeOf(*window)->setCurrentItem(pageItem(*window, 0));

    for (const char *name : {"popup", "", "a/b"})
        tree->renameCurrentPage(name);
    QCOMPARE(notifier->texts(), QStringList({QString::fromUtf8("名称已存在"), QString::fromUtf8("文件名为空"),
                                             QString::fromUtf8("页面名称无效")}));
    QCOMPARE(pageItem(*window, 0)->text(0), QString("home"));
    QCOMPARE(projectEntryFiles(project), QStringList({"home.json", "login.json", "popup.json", "rooms.json"}));
}

void TestProjectTree::moveFromTreeSwapsItemsAndEntries()
{
    SrcGroupListWidget *tree = openWindow().projectFrame()->tree();
    treeOf(*window)->setCurrentItem(pageItem(*window, 2));
    tree->onMoveUpFile();
    QCOMPARE(treeLines(*window), QStringList({"hall:-1", "home:0", "popup:1", "login:2", "rooms:3"}));
    QCOMPARE(projectEntryFiles(project), QStringList({"home.json", "popup.json", "login.json", "rooms.json"}));
    QCOMPARE(treeOf(*window)->currentItem()->text(0), QString("popup"));

    treeOf(*window)->setCurrentItem(pageItem(*window, 3));
    tree->onMoveDownFile();
    QCOMPARE(treeLines(*window).last(), QString("rooms:3"));
    QCOMPARE(projectEntryFiles(project).last(), QString("rooms.json"));
}

void TestProjectTree::deleteFromTreeRemovesItemAndFile()
{
    openWindow();
    QSignalSpy deleted(window->projectFrame(), SIGNAL(signalDeleteFile(QString&)));
    treeOf(*window)->setCurrentItem(pageItem(*window, 0));
    notifier->queueAnswer(QMessageBox::Yes);
    window->projectFrame()->tree()->onDeleteFile();

    QCOMPARE(treeLines(*window), QStringList({"hall:-1", "login:2", "popup:1", "rooms:3"}));
    QCOMPARE(projectEntryFiles(project), QStringList({"login.json", "popup.json", "rooms.json"}));
    QVERIFY(!QFile::exists(QFileInfo(project).absolutePath() + "/home.json"));
    QCOMPARE(deleted.count(), 1);
}

void TestProjectTree::closeFromTreeOrMenuEmptiesTree()
{
    openWindow();
    treeOf(*window)->setCurrentItem(treeOf(*window)->topLevelItem(0));
    window->projectFrame()->tree()->onCloseProject();
    QCOMPARE(treeOf(*window)->topLevelItemCount(), 0);
    QVERIFY(!GlobalManager::instance()->isProjectOpen());
    QCOMPARE(window->projectFrame()->tree()->pageCount(), 0);

    window->openProjectFile(project);
    window->findChild<QAction *>("removeAction")->trigger();
    QCOMPARE(treeOf(*window)->topLevelItemCount(), 0);
    QVERIFY(!GlobalManager::instance()->isProjectOpen());
}

void TestProjectTree::pageMenuOffersStoreActions()
{
    SrcGroupListWidget *tree = openWindow().projectFrame()->tree();
    auto menuFor = [this, tree](QTreeWidgetItem *item) {
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *action : menu->actions())
                seen << action->text();
            menu->close();
        });
        treeOf(*window)->setCurrentItem(item);
        tree->onShowMenu(QPoint());
        return seen;
    };
    QCOMPARE(menuFor(pageItem(*window, 2)).mid(0, 2),
             QStringList({QString::fromUtf8("删除窗体"), QString::fromUtf8("重命名")}));
    QVERIFY(menuFor(treeOf(*window)->topLevelItem(0)).contains(QString::fromUtf8("关闭项目")));
}

QTEST_MAIN(TestProjectTree)
#include "tst_projecttree.moc"
