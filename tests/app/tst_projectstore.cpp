#include "app/globalmanager.h"
#include "core/iniutils.h"
#include "shell/imgdlg.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QListWidget>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace {
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

QJsonArray pageEntries(const QString &projectFile)
{
    return QJsonDocument::fromJson(readFixture(projectFile)).object().value("Page").toArray();
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

// A page canvas as far as saving goes: it reports its entry on every save.
class SavingPage : public QWidget
{
    Q_OBJECT
public:
    explicit SavingPage(const PageInfo &info) : m_info(info) {}
public slots:
    void slotSaveFile() { GlobalManager::instance()->updatePageEntry(m_info); }
private:
    PageInfo m_info;
};

// A project "hall" opened in a store that has the window's tab widget.
struct OpenProject {
    TestWorkDir dir; // first: the store reads its settings from the working folder
    TestNotifier notifier;
    QTabWidget tabs;
    GlobalManager *manager = GlobalManager::instance();
    QString path;
    bool opened = false;

    explicit OpenProject(const QByteArray &json = kThreePages, const QStringList &pageFiles = QStringList(),
                         const QString &fileName = QStringLiteral("main.projectui"))
    {
        path = writeProjectFixture(dir.path(), json, pageFiles, QStringLiteral("hall"), fileName);
        manager->setTabWidget(&tabs);
        opened = manager->openProject(path);
    }
    QString folder() const { return QFileInfo(path).absolutePath(); }
};
} // namespace

class TestProjectStore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    // Opening and normalising
    void openKeepsOnlyUsableEntriesAndRemembersFolder();
    void entryNumbersGetDefaults_data();
    void entryNumbersGetDefaults();
    void badProjectFileIsReportedAndOpenProjectStays_data();
    void badProjectFileIsReportedAndOpenProjectStays();
    void unreadableFileChangesNothingSilently();
    void unsafePageFileNamesAreDroppedAndToldOnce();
    void secondOpenSavesAndClosesTheFirstProjectsTabs();
    void reopeningKeepsWhatItsClosingPagesSaved();

    // Creating and saving
    void newProjectFileHoldsEmptyPageArray();
    void newProjectRefusesBadNameAndMissingFolder_data();
    void newProjectRefusesBadNameAndMissingFolder();
    void unmakeableFolderBecomesNoProjectFolder();
    void withNoProjectOpenNothingIsWritten();
    void unwritableProjectFileKeepsMemoryDiskAndTabs_data();
    void unwritableProjectFileKeepsMemoryDiskAndTabs();

    // Entries
    void addPageEntryAppendsThreeKeysOrUpdatesMainPage();
    void unsafeOrUnknownNamesAreRefused();
    void updatePageEntryRewritesFileEvenWhenUnchanged();
    void moveFollowsFileAndPageListButNotPastTheEnds();

    // Rename and delete
    void renameMovesFileEntryTabAndOpenPage();
    void renameRefusalsLeaveMemoryAndDiskUnchanged_data();
    void renameRefusalsLeaveMemoryAndDiskUnchanged();
    void deleteRemovesEntryTabAndFile();

    // Closing and the rest
    void closeProjectSavesTabsAndForgetsProject();
    void saveAllPagesAsksEveryOpenPage();
    void imageDialogNeedsAProjectAndListsItsPicturesAfresh();
};

void TestProjectStore::openKeepsOnlyUsableEntriesAndRemembersFolder()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QByteArray original = R"({"Other": 1, "Page": [{"File": "a.json"}, 5, {"File": 7}, {"File": "x.js"}]})";
    const QString path = writeProjectFixture(dir.path(), original);
    const QString folder = QFileInfo(path).absolutePath();
    GlobalManager *manager = GlobalManager::instance();
    QSignalSpy clears(manager, SIGNAL(signalClearItems()));
    QSignalSpy items(manager, SIGNAL(signalAddItem(QString,int)));
    QVERIFY(manager->openProject(path));

    QCOMPARE(clears.count(), 1);
    QCOMPARE(items.count(), 2);
    QCOMPARE(items.at(0), QList<QVariant>({QString("hall"), -1}));
    QCOMPARE(items.at(1), QList<QVariant>({QString("a"), 0}));
    QCOMPARE(pageNames(), QStringList("a"));
    QCOMPARE(manager->pages().first().dir, folder);
    QCOMPARE(manager->project(),
             jsonFixture(R"({"Page": [{"File": "a.json", "MainPage": 0, "PlaceId": -1, "PageType": 0}]})"));
    // Normalising happens in memory; the file is rewritten by the next save only.
    QCOMPARE(readFixture(path), original);
    QVERIFY(notifier.prompts().isEmpty());

    // The project is named after its folder, which is remembered for the next open.
    QCOMPARE(manager->projectName(), QString("hall"));
    QCOMPARE(manager->projectFile(), QString("main.projectui"));
    QCOMPARE(manager->projectPath(), folder);
    QCOMPARE(manager->openDir(), folder);
    QCOMPARE(readIniString("config.ini", "/config/open_dir"), folder);
}

void TestProjectStore::entryNumbersGetDefaults_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<int>("mainPage");
    QTest::addColumn<int>("placeId");
    QTest::addColumn<int>("pageType");

    QTest::newRow("all missing") << QByteArray(R"({"File": "p.json"})") << 0 << -1 << 0;
    QTest::newRow("all given")
        << QByteArray(R"({"File": "p.json", "MainPage": 1, "PlaceId": 7, "PageType": 3})") << 1 << 7 << 3;
    QTest::newRow("strings")
        << QByteArray(R"({"File": "p.json", "MainPage": "1", "PlaceId": "2", "PageType": "1"})") << 0 << -1 << 0;
    QTest::newRow("fractions read 0")
        << QByteArray(R"({"File": "p.json", "MainPage": 1.5, "PlaceId": 2.5, "PageType": 1.5})") << 0 << 0 << 0;
    QTest::newRow("null and bool")
        << QByteArray(R"({"File": "p.json", "MainPage": true, "PlaceId": null, "PageType": false})") << 0 << -1 << 0;
}

void TestProjectStore::entryNumbersGetDefaults()
{
    QFETCH(QByteArray, entry);
    QFETCH(int, mainPage);
    QFETCH(int, placeId);
    QFETCH(int, pageType);
    OpenProject open("{\"Page\": [" + entry + "]}");
    QVERIFY(open.opened);

    const QJsonObject stored = open.manager->project().value("Page").toArray().first().toObject();
    QCOMPARE(stored.value("MainPage"), QJsonValue(mainPage));
    QCOMPARE(stored.value("PlaceId"), QJsonValue(placeId));
    QCOMPARE(stored.value("PageType"), QJsonValue(pageType));
    QCOMPARE(open.manager->pages().first().placeId, placeId);
    QCOMPARE(open.manager->pages().first().pageType, pageType);

    // The first save writes the normalised entry.
    QVERIFY(open.manager->saveProjectFile());
    QCOMPARE(pageEntries(open.path).first().toObject(), stored);
}

void TestProjectStore::badProjectFileIsReportedAndOpenProjectStays_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QString parse = QString::fromUtf8("文件解析错误");
    const QString format = QString::fromUtf8("文件格式不对");
    QTest::newRow("array") << QByteArray(R"([{"File": "a.json"}])") << parse;
    QTest::newRow("broken") << QByteArray(R"({"Page": [)") << parse;
    QTest::newRow("empty") << QByteArray() << parse;
    QTest::newRow("number") << QByteArray("12") << parse;
    QTest::newRow("Pages") << QByteArray(R"({"Pages": []})") << format;
    QTest::newRow("Page object") << QByteArray(R"({"Page": {"File": "a.json"}})") << format;
    QTest::newRow("Page string") << QByteArray(R"({"Page": "a.json"})") << format;
}

void TestProjectStore::badProjectFileIsReportedAndOpenProjectStays()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    OpenProject open(kThreePages, {"a.json", "b.json", "c.json"});
    QVERIFY(open.opened);
    const QString bad = writeProjectFixture(open.dir.path(), content, {}, "other", "bad.projectui");
    RecordingPage *page = addRecordingPageTab(&open.tabs, "a");
    const QJsonObject project = open.manager->project();

    QSignalSpy clears(open.manager, SIGNAL(signalClearItems()));
    QVERIFY(!open.manager->openProject(bad));

    QCOMPARE(open.notifier.texts(), QStringList(message));
    QCOMPARE(open.notifier.prompts().first().title, QString::fromUtf8("提示"));
    QCOMPARE(clears.count(), 0);
    QCOMPARE(open.manager->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(open.manager->projectName(), QString("hall"));
    QCOMPARE(open.manager->projectPath(), open.folder());
    QCOMPARE(open.tabs.count(), 1);
    QCOMPARE(page->saves, 0);
    QCOMPARE(readFixture(bad), content);
}

void TestProjectStore::unreadableFileChangesNothingSilently()
{
    OpenProject open;
    QVERIFY(open.opened);
    QVERIFY(!open.manager->openProject(open.dir.filePath("missing/none.projectui")));
    QVERIFY(open.notifier.prompts().isEmpty());
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
}

void TestProjectStore::unsafePageFileNamesAreDroppedAndToldOnce()
{
    TestWorkDir dir;
    TestNotifier notifier;
    writeFixture(dir.filePath("victim.json"), "keep");
    const QString path = writeProjectFixture(dir.path(), R"({"Page": [
        {"File": "../victim.json"}, {"File": "sub/p.json"}, {"File": "a\\b.json"},
        {"File": "."}, {"File": ".."}, {"File": ""}, {"File": "ok.json", "PageType": 1},
        {"File": "/etc/passwd.json"}
    ]})");
    GlobalManager *manager = GlobalManager::instance();
    QSignalSpy items(manager, SIGNAL(signalAddItem(QString,int)));
    QVERIFY(manager->openProject(path));

    QCOMPARE(pageNames(), QStringList("ok"));
    QCOMPARE(manager->project().value("Page").toArray().size(), 1);
    QCOMPARE(items.count(), 2);
    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("项目文件中有无效的页面文件名，已忽略")));

    // Nothing reaches outside the folder through such a name.
    QVERIFY(!manager->deletePage("../victim"));
    QVERIFY(!manager->renamePage("ok", "../victim"));
    QCOMPARE(readFixture(dir.filePath("victim.json")), QByteArray("keep"));
}

void TestProjectStore::secondOpenSavesAndClosesTheFirstProjectsTabs()
{
    OpenProject open;
    QVERIFY(open.opened);
    const QString second = writeProjectFixture(open.dir.path(), R"({"Page": [{"File": "z.json", "PageType": 3}]})",
                                               {}, "lobby", "lobby.projectui");
    RecordingPage *a = addRecordingPageTab(&open.tabs, "a");
    RecordingPage *b = addRecordingPageTab(&open.tabs, "b");
    QPointer<RecordingPage> watchA(a);

    QSignalSpy items(open.manager, SIGNAL(signalAddItem(QString,int)));
    QVERIFY(open.manager->openProject(second));

    QCOMPARE(a->saves, 1);
    QCOMPARE(b->saves, 1);
    QCOMPARE(open.tabs.count(), 0);
    QCOMPARE(open.manager->currentIndex(), -1);
    QCOMPARE(pageNames(), QStringList("z"));
    QCOMPARE(open.manager->projectName(), QString("lobby"));
    QCOMPARE(items.count(), 2);
    QCOMPARE(items.at(1), QList<QVariant>({QString("z"), 3}));
    // The closed pages go on the next turn of the event loop.
    QTRY_VERIFY(watchA.isNull());
}

void TestProjectStore::reopeningKeepsWhatItsClosingPagesSaved()
{
    OpenProject open;
    QVERIFY(open.opened);
    PageInfo edited = open.manager->pages().at(1);
    edited.placeId = 12;
    edited.mainPage = 1;
    auto *scroll = new QScrollArea;
    scroll->setWidget(new SavingPage(edited));
    open.tabs.addTab(scroll, "b");

    // Closing the open page on the way writes its entry into this very file.
    QVERIFY(open.manager->openProject(open.path));

    const QJsonObject expected = jsonFixture(R"({"File": "b.json", "MainPage": 1, "PlaceId": 12, "PageType": 1})");
    QCOMPARE(pageEntries(open.path).at(1).toObject(), expected);
    QCOMPARE(open.manager->project().value("Page").toArray().at(1).toObject(), expected);
    QCOMPARE(open.manager->pages().at(1).placeId, 12);
    // The next save of the project keeps it.
    QVERIFY(open.manager->movePageDown("a"));
    QCOMPARE(pageEntries(open.path).at(0).toObject(), expected);
}

void TestProjectStore::newProjectFileHoldsEmptyPageArray()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    const QString folder = dir.filePath("made/deep/demo");
    QVERIFY(manager->createProjectDir(folder));
    QVERIFY(manager->saveOpenDir(folder));
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
    if (withFolder)
        QVERIFY(manager->saveOpenDir(dir.filePath("demo")));
    const auto before = snapshot(dir.path());

    QVERIFY(!manager->createProjectFile(name));
    QCOMPARE(manager->projectFile(), QString());
    QCOMPARE(manager->projectName(), QString());
    QCOMPARE(snapshot(dir.path()), before);
    QVERIFY(!QFile::exists(QDir::rootPath() + name + ".projectui"));
}

void TestProjectStore::unmakeableFolderBecomesNoProjectFolder()
{
    TestWorkDir dir;
    TestNotifier notifier;
    QVERIFY(writeFixture(dir.filePath("blocker"), "a file where a folder should go"));
    GlobalManager *manager = GlobalManager::instance();
    const QString openDir = manager->openDir();

    QVERIFY(!manager->saveOpenDir(dir.filePath("blocker/demo")));
    QCOMPARE(manager->projectPath(), QString());
    QCOMPARE(manager->openDir(), openDir);
    QVERIFY(!manager->imageDialog());
    QString path;
    QCOMPARE(manager->showImageDialog(path), 0);
    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("未选中项目!")));
    QVERIFY(!QFile::exists("config.ini"));
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

void TestProjectStore::unwritableProjectFileKeepsMemoryDiskAndTabs_data()
{
    QTest::addColumn<QString>("operation");
    for (const char *operation : {"add entry", "update entry", "move down", "rename", "delete"})
        QTest::newRow(operation) << operation;
}

void TestProjectStore::unwritableProjectFileKeepsMemoryDiskAndTabs()
{
    QFETCH(QString, operation);
    OpenProject open(kThreePages, {"a.json"}, unwritableProjectFileName());
    QVERIFY(open.opened);
    RecordingPage *page = addRecordingPageTab(&open.tabs, "a");
    const auto before = snapshot(open.dir.path());
    const QJsonObject project = open.manager->project();

    PageInfo changed = open.manager->pages().first();
    changed.placeId = 9;
    const bool done = operation == "add entry"      ? open.manager->addPageEntry(0, "d.json", 0)
                      : operation == "update entry" ? open.manager->updatePageEntry(changed)
                      : operation == "move down"    ? open.manager->movePageDown("a")
                      : operation == "rename"       ? open.manager->renamePage("a", "z")
                                                    : open.manager->deletePage("a");
    QVERIFY(!done);

    QCOMPARE(open.notifier.texts(), QStringList(QString::fromUtf8("open file fail: ") + open.path));
    QCOMPARE(snapshot(open.dir.path()), before);
    QCOMPARE(open.manager->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(open.manager->pages().first().placeId, 4);
    QCOMPARE(open.tabs.count(), 1);
    QCOMPARE(open.tabs.tabText(0), QString("a"));
    QVERIFY(page->renamedName.isEmpty());
}

void TestProjectStore::addPageEntryAppendsThreeKeysOrUpdatesMainPage()
{
    OpenProject open;
    QVERIFY(open.opened);
    QVERIFY(open.manager->addPageEntry(0, "d.json", 1));
    QJsonArray entries = pageEntries(open.path);
    QCOMPARE(projectEntryFiles(open.path), QStringList({"a.json", "b.json", "c.json", "d.json"}));
    QCOMPARE(entries.at(3).toObject(), jsonFixture(R"({"File": "d.json", "MainPage": 0, "PageType": 1})"));

    // An existing entry only takes the new "MainPage".
    QVERIFY(open.manager->addPageEntry(1, "b.json", 3));
    entries = pageEntries(open.path);
    QCOMPARE(entries.size(), 4);
    QCOMPARE(entries.at(1).toObject(), jsonFixture(R"({"File": "b.json", "MainPage": 1, "PlaceId": -1, "PageType": 1})"));
    QCOMPARE(QJsonObject({{"Page", entries}}), open.manager->project());
}

void TestProjectStore::unsafeOrUnknownNamesAreRefused()
{
    OpenProject open(kThreePages, {"a.json", "stray.json"});
    QVERIFY(open.opened);
    writeFixture(open.dir.filePath("outside.json"), "outside");
    const auto before = snapshot(open.dir.path());
    const QJsonObject project = open.manager->project();

    for (const char *file : {"../x.json", "x/y.json", "x\\y.json", "..", ".", ""})
        QVERIFY2(!open.manager->addPageEntry(0, QString::fromLatin1(file), 0), file);
    // A file in the folder that the project does not list is no page.
    for (const char *name : {"stray", "../outside", "..", "", "x/a"})
        QVERIFY2(!open.manager->deletePage(QString::fromLatin1(name)), name);
    QCOMPARE(open.manager->project(), project);
    QCOMPARE(snapshot(open.dir.path()), before);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
}

void TestProjectStore::updatePageEntryRewritesFileEvenWhenUnchanged()
{
    OpenProject open;
    QVERIFY(open.opened);
    PageInfo saved = open.manager->pages().at(1);
    saved.placeId = 12;
    saved.mainPage = 1;
    QVERIFY(open.manager->updatePageEntry(saved));
    QCOMPARE(open.manager->pages().at(1).placeId, 12);
    QCOMPARE(open.manager->pages().at(1).mainPage, 1);
    QCOMPARE(pageEntries(open.path).at(1).toObject(),
             jsonFixture(R"({"File": "b.json", "MainPage": 1, "PlaceId": 12, "PageType": 1})"));

    QVERIFY(QFile::remove(open.path));
    QVERIFY(open.manager->updatePageEntry(open.manager->pages().first()));
    QCOMPARE(QJsonDocument::fromJson(readFixture(open.path)).object(), open.manager->project());
    // A record of no known page still saves.
    PageInfo stranger;
    stranger.file = "nobody.json";
    QVERIFY(QFile::remove(open.path));
    QVERIFY(open.manager->updatePageEntry(stranger));
    QVERIFY(QFile::exists(open.path));
}

void TestProjectStore::moveFollowsFileAndPageListButNotPastTheEnds()
{
    OpenProject open;
    QVERIFY(open.opened);
    QVERIFY(open.manager->movePageUp("b"));
    QCOMPARE(projectEntryFiles(open.path), QStringList({"b.json", "a.json", "c.json"}));
    QCOMPARE(pageNames(), QStringList({"b", "a", "c"}));

    QVERIFY(open.manager->movePageDown("a"));
    QCOMPARE(projectEntryFiles(open.path), QStringList({"b.json", "c.json", "a.json"}));
    QCOMPARE(pageNames(), QStringList({"b", "c", "a"}));
    // The entry keeps its own fields on the way.
    QCOMPARE(pageEntries(open.path).at(2).toObject().value("PlaceId").toInt(), 4);

    // At the ends nothing changes and nothing is saved.
    QVERIFY(QFile::remove(open.path));
    QVERIFY(!open.manager->movePageUp("b"));
    QVERIFY(!open.manager->movePageDown("a"));
    QVERIFY(!open.manager->movePageUp("nothere"));
    QVERIFY(!QFile::exists(open.path));
    QCOMPARE(pageNames(), QStringList({"b", "c", "a"}));
}

void TestProjectStore::renameMovesFileEntryTabAndOpenPage()
{
    OpenProject open(kThreePages, {"a.json", "b.json"});
    QVERIFY(open.opened);
    addRecordingPageTab(&open.tabs, "c");
    RecordingPage *page = addRecordingPageTab(&open.tabs, "a");

    QVERIFY(open.manager->renamePage("a", "lobby"));

    QCOMPARE(readFixture(open.folder() + "/lobby.json"), QByteArray("a.json"));
    QVERIFY(!QFile::exists(open.folder() + "/a.json"));
    QCOMPARE(projectEntryFiles(open.path), QStringList({"lobby.json", "b.json", "c.json"}));
    QCOMPARE(pageEntries(open.path).first().toObject().value("PlaceId").toInt(), 4);
    QCOMPARE(pageNames(), QStringList({"lobby", "b", "c"}));
    QCOMPARE(open.manager->pages().first().file, QString("lobby.json"));
    QCOMPARE(open.tabs.tabText(1), QString("lobby"));
    QCOMPARE(open.tabs.tabText(0), QString("c"));
    QCOMPARE(page->renamedName, QString("lobby"));
    QCOMPARE(page->renamedFile, QString("lobby.json"));
    QVERIFY(open.notifier.prompts().isEmpty());

    // A page whose file was never written is renamed in the project only.
    QVERIFY(open.manager->renamePage("c", "hall2"));
    QCOMPARE(projectEntryFiles(open.path), QStringList({"lobby.json", "b.json", "hall2.json"}));
    QVERIFY(!QFile::exists(open.folder() + "/hall2.json"));
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
    OpenProject open(kThreePages, {"a.json", "b.json", "stray.json"});
    QVERIFY(open.opened);
    RecordingPage *page = addRecordingPageTab(&open.tabs, "a");
    const auto before = snapshot(open.dir.path());
    const QJsonObject project = open.manager->project();

    QVERIFY(!open.manager->renamePage(oldName, newName));

    QCOMPARE(open.notifier.texts(), message.isEmpty() ? QStringList() : QStringList(message));
    QCOMPARE(snapshot(open.dir.path()), before);
    QCOMPARE(open.manager->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(open.tabs.tabText(0), QString("a"));
    QVERIFY(page->renamedName.isEmpty());
}

void TestProjectStore::deleteRemovesEntryTabAndFile()
{
    OpenProject open(kThreePages, {"a.json", "b.json", "c.json"});
    QVERIFY(open.opened);
    RecordingPage *kept = addRecordingPageTab(&open.tabs, "a");
    RecordingPage *gone = addRecordingPageTab(&open.tabs, "b");
    QPointer<RecordingPage> watchGone(gone);

    QVERIFY(open.manager->deletePage("b"));

    QCOMPARE(projectEntryFiles(open.path), QStringList({"a.json", "c.json"}));
    QCOMPARE(pageNames(), QStringList({"a", "c"}));
    QVERIFY(!QFile::exists(open.folder() + "/b.json"));
    QVERIFY(QFile::exists(open.folder() + "/a.json"));
    QCOMPARE(open.tabs.count(), 1);
    QCOMPARE(open.tabs.tabText(0), QString("a"));
    // A deleted page is not saved on the way out.
    QCOMPARE(gone->saves, 0);
    QCOMPARE(kept->saves, 0);
    QTRY_VERIFY(watchGone.isNull());
}

void TestProjectStore::closeProjectSavesTabsAndForgetsProject()
{
    OpenProject open;
    writeFixture(open.folder() + "/mid_ctrl.dat",
                 R"({"MidCtrls": [{"uuid": 100001, "ip": "10.0.0.1", "port": 5000, "protocol": 1}]})");
    QVERIFY(open.manager->openProject(open.path));
    RecordingPage *a = addRecordingPageTab(&open.tabs, "a");
    RecordingPage *b = addRecordingPageTab(&open.tabs, "b");
    open.manager->setDropClass(129);

    QVERIFY(open.manager->closeProject());

    QCOMPARE(a->saves, 1);
    QCOMPARE(b->saves, 1);
    QCOMPARE(open.tabs.count(), 0);
    QVERIFY(!open.manager->isProjectOpen());
    QVERIFY(open.manager->projectPath().isEmpty() && open.manager->projectName().isEmpty());
    QVERIFY(open.manager->projectFile().isEmpty());
    QVERIFY(open.manager->pages().isEmpty() && open.manager->project().isEmpty());
    QCOMPARE(open.manager->dropClass(), -1);
    QCOMPARE(open.manager->currentIndex(), -1);
    // Devices stay until the next project is read.
    QCOMPARE(open.manager->midCtrls().size(), 1);
}

void TestProjectStore::saveAllPagesAsksEveryOpenPage()
{
    TestWorkDir dir;
    GlobalManager *manager = GlobalManager::instance();
    QTabWidget tabs;
    manager->setTabWidget(&tabs);
    RecordingPage *a = addRecordingPageTab(&tabs, "a");
    RecordingPage *b = addRecordingPageTab(&tabs, "b");
    tabs.addTab(new QWidget, "not a page");
    manager->saveAllPages();
    QCOMPARE(a->saves, 1);
    QCOMPARE(b->saves, 1);
    QCOMPARE(tabs.count(), 3);
}

void TestProjectStore::imageDialogNeedsAProjectAndListsItsPicturesAfresh()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    QString path = "stale";
    QCOMPARE(manager->showImageDialog(path), 0);
    QCOMPARE(path, QString());
    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("未选中项目!")));
    QVERIFY(!manager->imageDialog());

    const QString project = writeProjectFixture(dir.path(), R"({"Page": []})");
    const QString folder = QFileInfo(project).absolutePath();
    writeFixture(folder + "/a.png", "png");
    QVERIFY(manager->openProject(project));
    const auto cancelDialog = [manager] { manager->imageDialog()->reject(); };
    QTimer::singleShot(0, cancelDialog);
    QCOMPARE(manager->showImageDialog(path), int(QDialog::Rejected));
    QCOMPARE(manager->imageDialog()->listWidget()->count(), 1);

    // A picture put into the folder between two runs is offered in the next.
    writeFixture(folder + "/b.png", "png");
    QTimer::singleShot(0, cancelDialog);
    manager->showImageDialog(path);
    QCOMPARE(manager->imageDialog()->listWidget()->count(), 2);
    QCOMPARE(notifier.prompts().size(), 1);
}

QTEST_MAIN(TestProjectStore)
#include "tst_projectstore.moc"
