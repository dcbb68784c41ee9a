#include "core/globalmanager.h"
#include "core/iniutils.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

namespace {
// Stands in for the page canvas inside a tab: records the calls the store
// makes on an open page.
class FakePage : public QWidget
{
    Q_OBJECT
public:
    int saves = 0;
    QString renamedName;
    QString renamedFile;
public slots:
    void slotSaveFile() { ++saves; }
    void slotPageRenamed(const QString &name, const QString &file)
    {
        renamedName = name;
        renamedFile = file;
    }
};

FakePage *addPageTab(QTabWidget *tabs, const QString &name)
{
    auto *scroll = new QScrollArea;
    auto *page = new FakePage;
    scroll->setWidget(page);
    tabs->addTab(scroll, name);
    return page;
}

QByteArray json(const char *text)
{
    return QByteArray(text);
}

// A project folder "<root>/<folder>" with its project file and one file per
// page listed in pageFiles (content: the page name).
QString makeProject(const QString &root, const QByteArray &projectJson,
                    const QStringList &pageFiles = QStringList(),
                    const QString &folder = QStringLiteral("hall"),
                    const QString &fileName = QStringLiteral("main.projectui"))
{
    const QString dir = root + QLatin1Char('/') + folder;
    writeFixture(dir + QLatin1Char('/') + fileName, projectJson);
    for (const QString &page : pageFiles)
        writeFixture(dir + QLatin1Char('/') + page, page.toUtf8());
    return dir + QLatin1Char('/') + fileName;
}

QJsonArray pageEntries(const QString &projectFile)
{
    return QJsonDocument::fromJson(readFixture(projectFile)).object().value("Page").toArray();
}

QStringList entryFiles(const QJsonArray &entries)
{
    QStringList files;
    for (const QJsonValue &entry : entries)
        files << entry.toObject().value("File").toString();
    return files;
}

QStringList pageNames()
{
    QStringList names;
    for (const PageInfo &page : GlobalManager::instance()->pages())
        names << page.name;
    return names;
}

// Every file below a folder with its content, to show that nothing changed.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(dir).relativeFilePath(path), readFixture(path));
    }
    return files;
}

const char kThreePages[] = R"({"Page": [
    {"File": "a.json", "MainPage": 1, "PlaceId": 4, "PageType": 0},
    {"File": "b.json", "PageType": 1},
    {"File": "c.json", "PageType": 2}
]})";

// A project file whose name leaves no room for the temporary file that an
// atomic write puts beside it: every save of it fails.
QString unwritableProjectFileName()
{
    return QString(245, QLatin1Char('p')) + QStringLiteral(".projectui");
}
} // namespace

class TestProjectStore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    // Opening and normalising
    void openKeepsOnlyUsableEntriesAndFillsTree();
    void entryNumbersGetDefaults_data();
    void entryNumbersGetDefaults();
    void openRemembersFolderAndNamesProjectAfterIt();
    void badProjectFileIsReportedAndOpenProjectStays_data();
    void badProjectFileIsReportedAndOpenProjectStays();
    void unreadableFileChangesNothingSilently();
    void unsafePageFileNamesAreDroppedAndToldOnce();
    void secondOpenSavesAndClosesTheFirstProjectsTabs();

    // Creating and saving
    void newProjectFileHoldsEmptyPageArray();
    void newProjectRefusesBadNameAndMissingFolder_data();
    void newProjectRefusesBadNameAndMissingFolder();
    void withNoProjectOpenNothingIsWritten();
    void failedSaveKeepsPreviousFileAndMemory();

    // Entries
    void addPageEntryAppendsThreeKeysOrUpdatesMainPage();
    void addPageEntryRefusesUnsafeFileName();
    void updatePageEntryWritesPlaceAndMainPage();
    void updatePageEntryRewritesFileEvenWhenUnchanged();
    void moveUpAndDownFollowFileAndPageList();
    void moveAtTheEndsChangesNothingAndDoesNotSave();

    // Rename and delete
    void renameMovesFileEntryTabAndOpenPage();
    void renameRefusalsLeaveMemoryAndDiskUnchanged_data();
    void renameRefusalsLeaveMemoryAndDiskUnchanged();
    void renameRollsBackWhenProjectFileCannotBeWritten();
    void deleteRemovesEntryTabAndFile();
    void deleteRefusesUnknownAndUnsafeNames();
    void deleteKeepsEverythingWhenProjectFileCannotBeWritten();

    // Closing and the rest
    void closeProjectSavesTabsAndForgetsProject();
    void saveAllPagesAsksEveryOpenPage();
    void imageDialogNeedsAProject();
};

void TestProjectStore::openKeepsOnlyUsableEntriesAndFillsTree()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QByteArray original = json(
        R"({"Other": 1, "Page": [{"File": "a.json"}, 5, {"File": 7}, {"File": "x.js"}]})");
    const QString path = makeProject(dir.path(), original);

    GlobalManager *manager = GlobalManager::instance();
    QSignalSpy clears(manager, SIGNAL(signalClearItems()));
    QSignalSpy items(manager, SIGNAL(signalAddItem(QString,int)));
    QVERIFY(manager->openProject(path));

    QCOMPARE(clears.count(), 1);
    QCOMPARE(items.count(), 2);
    QCOMPARE(items.at(0), QList<QVariant>({QString("hall"), -1}));
    QCOMPARE(items.at(1), QList<QVariant>({QString("a"), 0}));

    QCOMPARE(manager->pages().size(), 1);
    const PageInfo page = manager->pages().first();
    QCOMPARE(page.name, QString("a"));
    QCOMPARE(page.file, QString("a.json"));
    QCOMPARE(page.pageType, 0);
    QCOMPARE(page.placeId, -1);
    QCOMPARE(page.mainPage, 0);
    QCOMPARE(page.opened, 0);
    QCOMPARE(page.dir, QFileInfo(path).absolutePath());

    const QJsonObject expected = QJsonDocument::fromJson(
        R"({"Page": [{"File": "a.json", "MainPage": 0, "PlaceId": -1, "PageType": 0}]})").object();
    QCOMPARE(manager->project(), expected);
    // Normalising happens in memory; the file is rewritten by the next save only.
    QCOMPARE(readFixture(path), original);
    QVERIFY(notifier.prompts().isEmpty());
}

void TestProjectStore::entryNumbersGetDefaults_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<int>("mainPage");
    QTest::addColumn<int>("placeId");
    QTest::addColumn<int>("pageType");

    QTest::newRow("all missing") << json(R"({"File": "p.json"})") << 0 << -1 << 0;
    QTest::newRow("all given") << json(R"({"File": "p.json", "MainPage": 1, "PlaceId": 7, "PageType": 3})")
                               << 1 << 7 << 3;
    QTest::newRow("strings") << json(R"({"File": "p.json", "MainPage": "1", "PlaceId": "2", "PageType": "1"})")
                             << 0 << -1 << 0;
    QTest::newRow("fractions read 0") << json(R"({"File": "p.json", "MainPage": 1.5, "PlaceId": 2.5, "PageType": 1.5})")
                                      << 0 << 0 << 0;
    QTest::newRow("null and bool") << json(R"({"File": "p.json", "MainPage": true, "PlaceId": null, "PageType": false})")
                                   << 0 << -1 << 0;
}

void TestProjectStore::entryNumbersGetDefaults()
{
    QFETCH(QByteArray, entry);
    QFETCH(int, mainPage);
    QFETCH(int, placeId);
    QFETCH(int, pageType);
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), "{\"Page\": [" + entry + "]}");
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));

    const QJsonObject stored = manager->project().value("Page").toArray().first().toObject();
    QCOMPARE(stored.value("MainPage"), QJsonValue(mainPage));
    QCOMPARE(stored.value("PlaceId"), QJsonValue(placeId));
    QCOMPARE(stored.value("PageType"), QJsonValue(pageType));
    QCOMPARE(manager->pages().first().placeId, placeId);
    QCOMPARE(manager->pages().first().pageType, pageType);

    // The first save writes the normalised entry.
    QVERIFY(manager->saveProjectFile());
    QCOMPARE(pageEntries(path).first().toObject(), stored);
}

void TestProjectStore::openRemembersFolderAndNamesProjectAfterIt()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), json(R"({"Page": []})"), {}, "hall", "main.projectui");
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));

    QCOMPARE(manager->projectName(), QString("hall"));
    QCOMPARE(manager->projectFile(), QString("main.projectui"));
    QCOMPARE(manager->projectPath(), QFileInfo(path).absolutePath());
    QCOMPARE(manager->openDir(), QFileInfo(path).absolutePath());
    QCOMPARE(readIniString("config.ini", "/config/open_dir"), QFileInfo(path).absolutePath());
}

void TestProjectStore::badProjectFileIsReportedAndOpenProjectStays_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QString parse = QString::fromUtf8("文件解析错误");
    const QString format = QString::fromUtf8("文件格式不对");
    QTest::newRow("array") << json(R"([{"File": "a.json"}])") << parse;
    QTest::newRow("broken") << json(R"({"Page": [)") << parse;
    QTest::newRow("empty") << QByteArray() << parse;
    QTest::newRow("number") << json("12") << parse;
    QTest::newRow("Pages") << json(R"({"Pages": []})") << format;
    QTest::newRow("Page object") << json(R"({"Page": {"File": "a.json"}})") << format;
    QTest::newRow("Page string") << json(R"({"Page": "a.json"})") << format;
}

void TestProjectStore::badProjectFileIsReportedAndOpenProjectStays()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    TestWorkDir dir;
    TestNotifier notifier;
    const QString good = makeProject(dir.path(), kThreePages, {"a.json", "b.json", "c.json"});
    const QString bad = makeProject(dir.path(), content, {}, "other", "bad.projectui");
    GlobalManager *manager = GlobalManager::instance();
    QTabWidget tabs;
    manager->setTabWidget(&tabs);
    QVERIFY(manager->openProject(good));
    FakePage *open = addPageTab(&tabs, "a");
    const QJsonObject project = manager->project();
    const QVector<PageInfo> pages = manager->pages();

    QSignalSpy clears(manager, SIGNAL(signalClearItems()));
    QVERIFY(!manager->openProject(bad));

    QCOMPARE(notifier.texts(), QStringList(message));
    QCOMPARE(notifier.prompts().first().title, QString::fromUtf8("提示"));
    QCOMPARE(clears.count(), 0);
    QCOMPARE(manager->project(), project);
    QCOMPARE(manager->pages().size(), pages.size());
    QCOMPARE(manager->projectName(), QString("hall"));
    QCOMPARE(manager->projectPath(), QFileInfo(good).absolutePath());
    QCOMPARE(tabs.count(), 1);
    QCOMPARE(open->saves, 0);
    QCOMPARE(readFixture(bad), content);
}

void TestProjectStore::unreadableFileChangesNothingSilently()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString good = makeProject(dir.path(), kThreePages);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(good));
    QVERIFY(!manager->openProject(dir.filePath("missing/none.projectui")));
    QVERIFY(notifier.prompts().isEmpty());
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
}

void TestProjectStore::unsafePageFileNamesAreDroppedAndToldOnce()
{
    TestWorkDir dir;
    TestNotifier notifier;
    writeFixture(dir.filePath("victim.json"), "keep");
    const QString path = makeProject(dir.path(), json(R"({"Page": [
        {"File": "../victim.json"}, {"File": "sub/p.json"}, {"File": "a\\b.json"},
        {"File": "."}, {"File": ".."}, {"File": ""}, {"File": "ok.json", "PageType": 1},
        {"File": "/etc/passwd.json"}
    ]})"));
    GlobalManager *manager = GlobalManager::instance();
    QSignalSpy items(manager, SIGNAL(signalAddItem(QString,int)));
    QVERIFY(manager->openProject(path));

    QCOMPARE(pageNames(), QStringList("ok"));
    QCOMPARE(entryFiles(manager->project().value("Page").toArray()), QStringList("ok.json"));
    QCOMPARE(items.count(), 2);
    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("项目文件中有无效的页面文件名，已忽略")));

    // Nothing reaches outside the folder through such a name.
    QVERIFY(!manager->deletePage("../victim"));
    QVERIFY(!manager->renamePage("ok", "../victim"));
    QCOMPARE(readFixture(dir.filePath("victim.json")), QByteArray("keep"));
}

void TestProjectStore::secondOpenSavesAndClosesTheFirstProjectsTabs()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString first = makeProject(dir.path(), kThreePages);
    const QString second = makeProject(dir.path(), json(R"({"Page": [{"File": "z.json", "PageType": 3}]})"),
                                       {}, "lobby", "lobby.projectui");
    GlobalManager *manager = GlobalManager::instance();
    QTabWidget tabs;
    manager->setTabWidget(&tabs);
    QVERIFY(manager->openProject(first));
    FakePage *a = addPageTab(&tabs, "a");
    FakePage *b = addPageTab(&tabs, "b");
    QPointer<FakePage> watchA(a);

    QSignalSpy items(manager, SIGNAL(signalAddItem(QString,int)));
    QVERIFY(manager->openProject(second));

    QCOMPARE(a->saves, 1);
    QCOMPARE(b->saves, 1);
    QCOMPARE(tabs.count(), 0);
    QCOMPARE(manager->currentIndex(), -1);
    QCOMPARE(pageNames(), QStringList("z"));
    QCOMPARE(manager->projectName(), QString("lobby"));
    QCOMPARE(items.count(), 2);
    QCOMPARE(items.at(1), QList<QVariant>({QString("z"), 3}));
    // The closed pages go on the next turn of the event loop.
    QTRY_VERIFY(watchA.isNull());
}

void TestProjectStore::newProjectFileHoldsEmptyPageArray()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    const QString folder = dir.filePath("made/deep/demo");
    QVERIFY(manager->createProjectDir(folder));
    QVERIFY(manager->saveOpenDir(folder));
    QCOMPARE(manager->openDir(), folder);
    QCOMPARE(readIniString("config.ini", "/config/open_dir"), folder);
    QVERIFY(manager->createProjectFile("demo"));

    QCOMPARE(manager->projectFile(), QString("demo.projectui"));
    QCOMPARE(manager->projectName(), QString("demo"));
    QCOMPARE(readFixture(folder + "/demo.projectui"), QByteArray("{\n    \"Page\": [\n    ]\n}\n"));

    // The new project takes entries at once.
    QVERIFY(manager->addPageEntry(0, "page1.json", 0));
    QCOMPARE(readFixture(folder + "/demo.projectui"),
             QByteArray("{\n    \"Page\": [\n        {\n            \"File\": \"page1.json\",\n"
                        "            \"MainPage\": 0,\n            \"PageType\": 0\n        }\n    ]\n}\n"));
}

void TestProjectStore::newProjectRefusesBadNameAndMissingFolder_data()
{
    QTest::addColumn<bool>("withFolder");
    QTest::addColumn<QString>("name");
    QTest::newRow("no folder") << false << "demo";
    QTest::newRow("slash") << true << "a/b";
    QTest::newRow("backslash") << true << "a\\b";
    QTest::newRow("dot dot") << true << "..";
    QTest::newRow("empty") << true << "";
}

void TestProjectStore::newProjectRefusesBadNameAndMissingFolder()
{
    QFETCH(bool, withFolder);
    QFETCH(QString, name);
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    const QString folder = dir.filePath("demo");
    if (withFolder)
        QVERIFY(manager->saveOpenDir(folder));
    const auto before = snapshot(dir.path());

    QVERIFY(!manager->createProjectFile(name));
    QCOMPARE(manager->projectFile(), QString());
    QCOMPARE(manager->projectName(), QString());
    QCOMPARE(snapshot(dir.path()), before);
    QVERIFY(!QFile::exists(QDir::rootPath() + name + ".projectui"));
}

void TestProjectStore::withNoProjectOpenNothingIsWritten()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(!manager->isProjectOpen());

    PageInfo page;
    page.file = "a.json";
    QVERIFY(!manager->saveProjectFile());
    QVERIFY(!manager->addPageEntry(0, "a.json", 0));
    QVERIFY(!manager->updatePageEntry(page));
    QVERIFY(!manager->createEmptyFile("a.json"));
    QVERIFY(!manager->createProjectFile("a"));
    QVERIFY(!manager->saveMidCtrls());
    QVERIFY(!manager->renamePage("a", "b"));
    QVERIFY(!manager->deletePage("a"));
    QVERIFY(!manager->movePageUp("a"));

    for (const char *name : {"mid_ctrl.dat", "main.js", ".projectui", "a.json", "a.projectui"})
        QVERIFY2(!QFile::exists(QDir::rootPath() + QLatin1String(name)), name);
    QVERIFY(snapshot(dir.path()).isEmpty());
    QVERIFY(notifier.prompts().isEmpty());
}

void TestProjectStore::failedSaveKeepsPreviousFileAndMemory()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages, {}, "hall", unwritableProjectFileName());
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));
    const QJsonObject project = manager->project();

    QVERIFY(!manager->addPageEntry(0, "d.json", 0));
    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("open file fail: ") + path));
    QCOMPARE(manager->project(), project);
    QCOMPARE(readFixture(path), QByteArray(kThreePages));

    PageInfo changed = manager->pages().first();
    changed.placeId = 9;
    QVERIFY(!manager->updatePageEntry(changed));
    QCOMPARE(manager->pages().first().placeId, 4);
    QCOMPARE(manager->project(), project);

    QVERIFY(!manager->movePageDown("a"));
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(manager->project(), project);
    QCOMPARE(readFixture(path), QByteArray(kThreePages));
}

void TestProjectStore::addPageEntryAppendsThreeKeysOrUpdatesMainPage()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));

    QVERIFY(manager->addPageEntry(0, "d.json", 1));
    QJsonArray entries = pageEntries(path);
    QCOMPARE(entryFiles(entries), QStringList({"a.json", "b.json", "c.json", "d.json"}));
    QCOMPARE(entries.at(3).toObject().keys(), QStringList({"File", "MainPage", "PageType"}));
    QCOMPARE(entries.at(3).toObject().value("PageType").toInt(), 1);

    // An existing entry only takes the new "MainPage".
    QVERIFY(manager->addPageEntry(1, "b.json", 3));
    entries = pageEntries(path);
    QCOMPARE(entries.size(), 4);
    QCOMPARE(entries.at(1).toObject().value("MainPage").toInt(), 1);
    QCOMPARE(entries.at(1).toObject().value("PageType").toInt(), 1);
    QCOMPARE(entries.at(1).toObject().value("PlaceId").toInt(), -1);
    QCOMPARE(QJsonObject({{"Page", entries}}), manager->project());
}

void TestProjectStore::addPageEntryRefusesUnsafeFileName()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));
    const QJsonObject project = manager->project();
    for (const char *file : {"../x.json", "x/y.json", "x\\y.json", "..", ".", ""})
        QVERIFY2(!manager->addPageEntry(0, QString::fromLatin1(file), 0), file);
    QCOMPARE(manager->project(), project);
    QCOMPARE(readFixture(path), QByteArray(kThreePages));
}

void TestProjectStore::updatePageEntryWritesPlaceAndMainPage()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));

    PageInfo saved = manager->pages().at(1);
    saved.placeId = 12;
    saved.mainPage = 1;
    QVERIFY(manager->updatePageEntry(saved));
    QCOMPARE(manager->pages().at(1).placeId, 12);
    QCOMPARE(manager->pages().at(1).mainPage, 1);
    const QJsonObject entry = pageEntries(path).at(1).toObject();
    QCOMPARE(entry.value("PlaceId").toInt(), 12);
    QCOMPARE(entry.value("MainPage").toInt(), 1);
    QCOMPARE(entry.value("PageType").toInt(), 1);
}

void TestProjectStore::updatePageEntryRewritesFileEvenWhenUnchanged()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));
    QVERIFY(QFile::remove(path));

    QVERIFY(manager->updatePageEntry(manager->pages().first()));
    QCOMPARE(QJsonDocument::fromJson(readFixture(path)).object(), manager->project());
    // A record of no known page still saves.
    PageInfo stranger;
    stranger.file = "nobody.json";
    QVERIFY(QFile::remove(path));
    QVERIFY(manager->updatePageEntry(stranger));
    QVERIFY(QFile::exists(path));
}

void TestProjectStore::moveUpAndDownFollowFileAndPageList()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));

    QVERIFY(manager->movePageUp("b"));
    QCOMPARE(entryFiles(pageEntries(path)), QStringList({"b.json", "a.json", "c.json"}));
    QCOMPARE(pageNames(), QStringList({"b", "a", "c"}));

    QVERIFY(manager->movePageDown("a"));
    QCOMPARE(entryFiles(pageEntries(path)), QStringList({"b.json", "c.json", "a.json"}));
    QCOMPARE(pageNames(), QStringList({"b", "c", "a"}));
    // The entry keeps its own fields on the way.
    QCOMPARE(pageEntries(path).at(2).toObject().value("PlaceId").toInt(), 4);
}

void TestProjectStore::moveAtTheEndsChangesNothingAndDoesNotSave()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));
    QVERIFY(QFile::remove(path));

    QVERIFY(!manager->movePageUp("a"));
    QVERIFY(!manager->movePageDown("c"));
    QVERIFY(!manager->movePageUp("nothere"));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
}

void TestProjectStore::renameMovesFileEntryTabAndOpenPage()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages, {"a.json", "b.json"});
    const QString folder = QFileInfo(path).absolutePath();
    GlobalManager *manager = GlobalManager::instance();
    QTabWidget tabs;
    manager->setTabWidget(&tabs);
    QVERIFY(manager->openProject(path));
    addPageTab(&tabs, "c");
    FakePage *open = addPageTab(&tabs, "a");

    QVERIFY(manager->renamePage("a", "lobby"));

    QCOMPARE(readFixture(folder + "/lobby.json"), QByteArray("a.json"));
    QVERIFY(!QFile::exists(folder + "/a.json"));
    QCOMPARE(entryFiles(pageEntries(path)), QStringList({"lobby.json", "b.json", "c.json"}));
    QCOMPARE(pageEntries(path).first().toObject().value("PlaceId").toInt(), 4);
    QCOMPARE(pageNames(), QStringList({"lobby", "b", "c"}));
    QCOMPARE(manager->pages().first().file, QString("lobby.json"));
    QCOMPARE(tabs.tabText(1), QString("lobby"));
    QCOMPARE(tabs.tabText(0), QString("c"));
    QCOMPARE(open->renamedName, QString("lobby"));
    QCOMPARE(open->renamedFile, QString("lobby.json"));
    QVERIFY(notifier.prompts().isEmpty());

    // A page whose file was never written is renamed in the project only.
    QVERIFY(manager->renamePage("c", "hall2"));
    QCOMPARE(entryFiles(pageEntries(path)), QStringList({"lobby.json", "b.json", "hall2.json"}));
    QVERIFY(!QFile::exists(folder + "/hall2.json"));
}

void TestProjectStore::renameRefusalsLeaveMemoryAndDiskUnchanged_data()
{
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("message");
    const QString exists = QString::fromUtf8("名称已存在");
    const QString invalid = QString::fromUtf8("页面名称无效");
    QTest::newRow("page of that name") << "a" << "b" << exists;
    QTest::newRow("stray file of that name") << "a" << "stray" << exists;
    QTest::newRow("slash") << "a" << "x/y" << invalid;
    QTest::newRow("backslash") << "a" << "x\\y" << invalid;
    QTest::newRow("parent") << "a" << "../a" << invalid;
    QTest::newRow("dot dot") << "a" << ".." << invalid;
    QTest::newRow("empty") << "a" << "" << invalid;
    QTest::newRow("unknown page") << "nobody" << "z" << QString();
}

void TestProjectStore::renameRefusalsLeaveMemoryAndDiskUnchanged()
{
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    QFETCH(QString, message);
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages, {"a.json", "b.json", "stray.json"});
    GlobalManager *manager = GlobalManager::instance();
    QTabWidget tabs;
    manager->setTabWidget(&tabs);
    QVERIFY(manager->openProject(path));
    FakePage *open = addPageTab(&tabs, "a");
    const auto before = snapshot(dir.path());
    const QJsonObject project = manager->project();

    QVERIFY(!manager->renamePage(oldName, newName));

    QCOMPARE(notifier.texts(), message.isEmpty() ? QStringList() : QStringList(message));
    QCOMPARE(snapshot(dir.path()), before);
    QCOMPARE(manager->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(tabs.tabText(0), QString("a"));
    QVERIFY(open->renamedName.isEmpty());
}

void TestProjectStore::renameRollsBackWhenProjectFileCannotBeWritten()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages, {"a.json"}, "hall", unwritableProjectFileName());
    const QString folder = QFileInfo(path).absolutePath();
    GlobalManager *manager = GlobalManager::instance();
    QTabWidget tabs;
    manager->setTabWidget(&tabs);
    QVERIFY(manager->openProject(path));
    FakePage *open = addPageTab(&tabs, "a");
    const auto before = snapshot(dir.path());
    const QJsonObject project = manager->project();

    QVERIFY(!manager->renamePage("a", "z"));

    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("open file fail: ") + path));
    QCOMPARE(snapshot(dir.path()), before);
    QVERIFY(QFile::exists(folder + "/a.json"));
    QCOMPARE(manager->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(tabs.tabText(0), QString("a"));
    QVERIFY(open->renamedName.isEmpty());
}

void TestProjectStore::deleteRemovesEntryTabAndFile()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages, {"a.json", "b.json", "c.json"});
    const QString folder = QFileInfo(path).absolutePath();
    GlobalManager *manager = GlobalManager::instance();
    QTabWidget tabs;
    manager->setTabWidget(&tabs);
    QVERIFY(manager->openProject(path));
    FakePage *kept = addPageTab(&tabs, "a");
    FakePage *gone = addPageTab(&tabs, "b");
    QPointer<FakePage> watchGone(gone);

    QVERIFY(manager->deletePage("b"));

    QCOMPARE(entryFiles(pageEntries(path)), QStringList({"a.json", "c.json"}));
    QCOMPARE(pageNames(), QStringList({"a", "c"}));
    QVERIFY(!QFile::exists(folder + "/b.json"));
    QVERIFY(QFile::exists(folder + "/a.json"));
    QCOMPARE(tabs.count(), 1);
    QCOMPARE(tabs.tabText(0), QString("a"));
    // A deleted page is not saved on the way out.
    QCOMPARE(gone->saves, 0);
    QCOMPARE(kept->saves, 0);
    QTRY_VERIFY(watchGone.isNull());
}

void TestProjectStore::deleteRefusesUnknownAndUnsafeNames()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages, {"a.json", "stray.json"});
    writeFixture(dir.filePath("outside.json"), "outside");
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));
    const auto before = snapshot(dir.path());

    for (const char *name : {"stray", "../outside", "..", "", "x/a"})
        QVERIFY2(!manager->deletePage(QString::fromLatin1(name)), name);
    QCOMPARE(snapshot(dir.path()), before);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
}

void TestProjectStore::deleteKeepsEverythingWhenProjectFileCannotBeWritten()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages, {"a.json"}, "hall", unwritableProjectFileName());
    GlobalManager *manager = GlobalManager::instance();
    QTabWidget tabs;
    manager->setTabWidget(&tabs);
    QVERIFY(manager->openProject(path));
    addPageTab(&tabs, "a");
    const auto before = snapshot(dir.path());

    QVERIFY(!manager->deletePage("a"));
    QCOMPARE(snapshot(dir.path()), before);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(tabs.count(), 1);
}

void TestProjectStore::closeProjectSavesTabsAndForgetsProject()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QString path = makeProject(dir.path(), kThreePages);
    writeFixture(QFileInfo(path).absolutePath() + "/mid_ctrl.dat",
                 R"({"MidCtrls": [{"uuid": 100001, "ip": "10.0.0.1", "port": 5000, "protocol": 1}]})");
    GlobalManager *manager = GlobalManager::instance();
    QTabWidget tabs;
    manager->setTabWidget(&tabs);
    QVERIFY(manager->openProject(path));
    FakePage *a = addPageTab(&tabs, "a");
    FakePage *b = addPageTab(&tabs, "b");
    manager->setDropClass(129);

    QVERIFY(manager->closeProject());

    QCOMPARE(a->saves, 1);
    QCOMPARE(b->saves, 1);
    QCOMPARE(tabs.count(), 0);
    QVERIFY(!manager->isProjectOpen());
    QCOMPARE(manager->projectPath(), QString());
    QCOMPARE(manager->projectName(), QString());
    QCOMPARE(manager->projectFile(), QString());
    QVERIFY(manager->pages().isEmpty());
    QVERIFY(manager->project().isEmpty());
    QCOMPARE(manager->dropClass(), -1);
    QCOMPARE(manager->currentIndex(), -1);
    // Devices stay until the next project is read.
    QCOMPARE(manager->midCtrls().size(), 1);
}

void TestProjectStore::saveAllPagesAsksEveryOpenPage()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    QTabWidget tabs;
    manager->setTabWidget(&tabs);
    FakePage *a = addPageTab(&tabs, "a");
    FakePage *b = addPageTab(&tabs, "b");
    tabs.addTab(new QWidget, "not a page");
    manager->saveAllPages();
    QCOMPARE(a->saves, 1);
    QCOMPARE(b->saves, 1);
    QCOMPARE(tabs.count(), 3);
}

void TestProjectStore::imageDialogNeedsAProject()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    QString path = "stale";
    QCOMPARE(manager->showImageDialog(path), 0);
    QCOMPARE(path, QString());
    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("未选中项目!")));
    QVERIFY(!manager->imageDialog());
}

QTEST_MAIN(TestProjectStore)
#include "tst_projectstore.moc"
