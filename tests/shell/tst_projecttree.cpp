#include "core/globalmanager.h"
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
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

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
    const QString dir = root + QLatin1Char('/') + folder;
    writeFixture(dir + "/main.projectui", content);
    for (const char *page : {"home.json", "login.json", "popup.json", "rooms.json"})
        writeFixture(dir + QLatin1Char('/') + QLatin1String(page), page);
    return dir + "/main.projectui";
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

QStringList entryFiles(const QString &projectFile)
{
    QStringList files;
    const QJsonArray entries = QJsonDocument::fromJson(readFixture(projectFile)).object().value("Page").toArray();
    for (const QJsonValue &entry : entries)
        files << entry.toObject().value("File").toString();
    return files;
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
    void cleanup() { GlobalManager::resetInstance(); }

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
    void shotOfOpenProject();
};

void TestProjectTree::windowHandsItsPanelsToManager()
{
    TestWorkDir dir;
    MainWindow window;
    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(manager->tabWidget(), window.pageTabWidget());
    QCOMPARE(manager->controlFrame(), window.controlFrame());
    QCOMPARE(manager->propertyWidget(), window.propertyWidget());
    QCOMPARE(manager->srcListWidget(), window.srcListWidget());
    QCOMPARE(window.findChild<QAction *>("openAction")->text(), QString::fromUtf8("打开"));
    QCOMPARE(window.findChild<QAction *>("removeAction")->text(), QString::fromUtf8("关闭项目"));
    QVERIFY(treeOf(window)->topLevelItemCount() == 0);
}

void TestProjectTree::openingListsProjectAndPagesInFileOrder()
{
    TestWorkDir dir;
    TestNotifier notifier;
    MainWindow window;
    window.openProjectFile(makeProject(dir.path()));

    QCOMPARE(treeLines(window), QStringList({"hall:-1", "home:0", "login:2", "popup:1", "rooms:3"}));
    QVERIFY(treeOf(window)->topLevelItem(0)->isExpanded());
    // Login and place pages count with the forms when they come from a file.
    QCOMPARE(window.projectFrame()->tree()->pageCount(), 1);
    QCOMPARE(window.projectFrame()->tree()->formCount(), 3);
    QVERIFY(notifier.prompts().isEmpty());
}

void TestProjectTree::badProjectFileKeepsTheTreeAndProject()
{
    TestWorkDir dir;
    TestNotifier notifier;
    MainWindow window;
    window.openProjectFile(makeProject(dir.path()));
    const QString bad = makeProject(dir.path(), R"({"Pages": []})", "other");
    window.openProjectFile(bad);

    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("文件格式不对")));
    QCOMPARE(treeLines(window).size(), 5);
    QCOMPARE(GlobalManager::instance()->projectName(), QString("hall"));

    notifier.clear();
    writeFixture(bad, "not json");
    window.openProjectFile(bad);
    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("文件解析错误")));
    QCOMPARE(treeLines(window).first(), QString("hall:-1"));
}

void TestProjectTree::secondOpenReplacesTheTree()
{
    TestWorkDir dir;
    TestNotifier notifier;
    MainWindow window;
    window.openProjectFile(makeProject(dir.path()));
    window.openProjectFile(makeProject(dir.path(), R"({"Page": [{"File": "only.json"}]})", "lobby"));
    QCOMPARE(treeLines(window), QStringList({"lobby:-1", "only:0"}));
    QCOMPARE(window.projectFrame()->tree()->pageCount(), 1);
    QCOMPARE(window.projectFrame()->tree()->formCount(), 0);
}

void TestProjectTree::zoomBarShowsManagerZoom()
{
    TestWorkDir dir;
    MainWindow window;
    GlobalManager *manager = GlobalManager::instance();
    manager->setScreenMetrics(96, 0.963, 1.0);
    auto *scroll = new QScrollArea;
    scroll->setWidget(new QWidget);
    window.pageTabWidget()->addTab(scroll, "home");
    QCOMPARE(window.statusBarFrame()->slider()->value(), 65);
    manager->resetZoom();
    QCOMPARE(window.statusBarFrame()->slider()->value(), 65);
}

void TestProjectTree::renameFromTreeAsksAndRenames()
{
    TestWorkDir dir;
    TestNotifier notifier;
    MainWindow window;
    const QString project = makeProject(dir.path());
    window.openProjectFile(project);
    SrcGroupListWidget *tree = window.projectFrame()->tree();
    treeOf(window)->setCurrentItem(pageItem(window, 1));

    answerInputDialog("welcome", false);
    tree->onRenameFile();
    QCOMPARE(pageItem(window, 1)->text(0), QString("login"));

    answerInputDialog("welcome");
    tree->onRenameFile();
    QCOMPARE(pageItem(window, 1)->text(0), QString("welcome"));
    QCOMPARE(entryFiles(project), QStringList({"home.json", "welcome.json", "popup.json", "rooms.json"}));
    QVERIFY(QFile::exists(QFileInfo(project).absolutePath() + "/welcome.json"));
    QVERIFY(GlobalManager::instance()->hasPage("welcome"));
    QVERIFY(notifier.prompts().isEmpty());
}

void TestProjectTree::renameFromTreeRefusesTakenAndEmptyNames()
{
    TestWorkDir dir;
    TestNotifier notifier;
    MainWindow window;
    const QString project = makeProject(dir.path());
    window.openProjectFile(project);
    SrcGroupListWidget *tree = window.projectFrame()->tree();
    treeOf(window)->setCurrentItem(pageItem(window, 0));

    tree->renameCurrentPage("popup");
    tree->renameCurrentPage("");
    tree->renameCurrentPage("a/b");
    QCOMPARE(notifier.texts(), QStringList({QString::fromUtf8("名称已存在"), QString::fromUtf8("文件名为空"),
                                            QString::fromUtf8("页面名称无效")}));
    QCOMPARE(pageItem(window, 0)->text(0), QString("home"));
    QCOMPARE(entryFiles(project), QStringList({"home.json", "login.json", "popup.json", "rooms.json"}));
}

void TestProjectTree::moveFromTreeSwapsItemsAndEntries()
{
    TestWorkDir dir;
    TestNotifier notifier;
    MainWindow window;
    const QString project = makeProject(dir.path());
    window.openProjectFile(project);
    SrcGroupListWidget *tree = window.projectFrame()->tree();

    treeOf(window)->setCurrentItem(pageItem(window, 2));
    tree->onMoveUpFile();
    QCOMPARE(treeLines(window), QStringList({"hall:-1", "home:0", "popup:1", "login:2", "rooms:3"}));
    QCOMPARE(entryFiles(project), QStringList({"home.json", "popup.json", "login.json", "rooms.json"}));
    QCOMPARE(treeOf(window)->currentItem()->text(0), QString("popup"));

    treeOf(window)->setCurrentItem(pageItem(window, 3));
    tree->onMoveDownFile();
    QCOMPARE(treeLines(window).last(), QString("rooms:3"));
    QCOMPARE(entryFiles(project).last(), QString("rooms.json"));
}

void TestProjectTree::deleteFromTreeRemovesItemAndFile()
{
    TestWorkDir dir;
    TestNotifier notifier;
    MainWindow window;
    const QString project = makeProject(dir.path());
    window.openProjectFile(project);
    QSignalSpy deleted(window.projectFrame(), SIGNAL(signalDeleteFile(QString&)));
    treeOf(window)->setCurrentItem(pageItem(window, 0));
    window.projectFrame()->tree()->onDeleteFile();

    QCOMPARE(treeLines(window), QStringList({"hall:-1", "login:2", "popup:1", "rooms:3"}));
    QCOMPARE(entryFiles(project), QStringList({"login.json", "popup.json", "rooms.json"}));
    QVERIFY(!QFile::exists(QFileInfo(project).absolutePath() + "/home.json"));
    QCOMPARE(deleted.count(), 1);
}

void TestProjectTree::closeFromTreeOrMenuEmptiesTree()
{
    TestWorkDir dir;
    TestNotifier notifier;
    MainWindow window;
    const QString project = makeProject(dir.path());
    window.openProjectFile(project);
    treeOf(window)->setCurrentItem(treeOf(window)->topLevelItem(0));
    window.projectFrame()->tree()->onCloseProject();
    QCOMPARE(treeOf(window)->topLevelItemCount(), 0);
    QVERIFY(!GlobalManager::instance()->isProjectOpen());
    QCOMPARE(window.projectFrame()->tree()->pageCount(), 0);

    window.openProjectFile(project);
    window.findChild<QAction *>("removeAction")->trigger();
    QCOMPARE(treeOf(window)->topLevelItemCount(), 0);
    QVERIFY(!GlobalManager::instance()->isProjectOpen());
}

void TestProjectTree::pageMenuOffersStoreActions()
{
    TestWorkDir dir;
    TestNotifier notifier;
    MainWindow window;
    window.openProjectFile(makeProject(dir.path()));
    SrcGroupListWidget *tree = window.projectFrame()->tree();

    QStringList seen;
    auto readMenu = [&seen] {
        QTimer::singleShot(0, [&seen] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *action : menu->actions())
                seen << action->text();
            menu->close();
        });
    };
    treeOf(window)->setCurrentItem(pageItem(window, 2));
    readMenu();
    tree->onShowMenu(QPoint());
    QCOMPARE(seen, QStringList({QString::fromUtf8("删除窗体"), QString::fromUtf8("重命名"),
                                QString::fromUtf8("上移"), QString::fromUtf8("下移")}));
    seen.clear();
    treeOf(window)->setCurrentItem(treeOf(window)->topLevelItem(0));
    readMenu();
    tree->onShowMenu(QPoint());
    QCOMPARE(seen, QStringList({QString::fromUtf8("关闭项目"), QString::fromUtf8("打开项目目录")}));
}

void TestProjectTree::shotOfOpenProject()
{
    const QString out = qEnvironmentVariable("BRIVANE_SHOT_DIR");
    if (out.isEmpty())
        QSKIP("set BRIVANE_SHOT_DIR to keep a picture of the window");
    TestWorkDir dir(TestWorkDir::WithAssets);
    TestNotifier notifier;
    MainWindow window;
    window.resize(1200, 700);
    window.openProjectFile(makeProject(dir.path()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.grab().save(out + "/store_mainwindow.png"));
}

QTEST_MAIN(TestProjectTree)
#include "tst_projecttree.moc"
