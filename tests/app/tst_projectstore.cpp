#include "app/globalmanager.h"
#include "core/iniutils.h"
#include "core/midctrlrecord.h"
#include "shell/imgdlg.h"
#include "tests/testsupport.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QListWidget>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace {
const char kThreePages[] = R"({"Page": [
    {"File": "a.json", "MainPage": 1, "PlaceId": 4, "PageType": 0},
    {"File": "b.json", "PageType": 1},
    {"File": "c.json", "PageType": 2}
]})";

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

// Devices, and what saving them writes back: elements that are no device or
// command dropped, an empty command list added, keys sorted and indented.
const char kDevices[] = R"({"MidCtrls": [
    {"uuid": 100001, "name": "matrix", "ip": "192.168.1.10", "port": 5000, "protocol": 1, "cmds": [
        {"uuid": 200001, "name": "on", "data": "AA 01", "data_type": 0, "send_type": 0, "ms": 0},
        {"uuid": 200002, "name": "no interval", "data": "x", "data_type": 1, "send_type": 1},
        {"uuid": "200003", "name": "uuid as text", "data": "x", "data_type": 1, "send_type": 1, "ms": 5},
        "not a command"]},
    {"uuid": 100002, "ip": 17, "port": 1, "protocol": 0, "cmds": []},
    {"uuid": 100004, "name": 12, "ip": "10.0.0.4", "port": 23, "protocol": 0}, 7]})";
const char kDevicesKept[] = R"({"MidCtrls": [
    {"uuid": 100001, "name": "matrix", "ip": "192.168.1.10", "port": 5000, "protocol": 1, "cmds": [
        {"uuid": 200001, "name": "on", "data": "AA 01", "data_type": 0, "send_type": 0, "ms": 0}]},
    {"uuid": 100004, "name": "", "ip": "10.0.0.4", "port": 23, "protocol": 0, "cmds": []}]})";

// A project "<folder>" with the device and event files given (null: none).
QString makeProject(const QString &root, const QByteArray &devices, const QByteArray &events = QByteArray(),
                    const QString &folder = QStringLiteral("hall"))
{
    const QString project = writeProjectFixture(root, R"({"Page": []})", {}, folder);
    if (!devices.isNull())
        writeFixture(QFileInfo(project).absolutePath() + "/mid_ctrl.dat", devices);
    if (!events.isNull())
        writeFixture(QFileInfo(project).absolutePath() + "/event.dat", events);
    return project;
}

QByteArray writtenDevices(const QString &project)
{
    return readFixture(QFileInfo(project).absolutePath() + "/mid_ctrl.dat");
}

// A grid template; the mode key as given.
QJsonObject gridTemplate(const QString &name, const QString &modeKey = QStringLiteral("gridmode"))
{
    return QJsonObject{{"name", name}, {"standard", 0}, {modeKey, 2}, {"row", 2}, {"col", 3}};
}
} // namespace

class TestProjectStore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void openKeepsOnlyUsableEntriesAndRemembersFolder();
    void badProjectFileIsReportedAndOpenProjectStays_data();
    void badProjectFileIsReportedAndOpenProjectStays();
    void unsafePageFileNamesAreDroppedAndRefused();
    void reopeningKeepsWhatItsClosingPagesSaved();
    void newProjectFile_data();
    void newProjectFile();
    void withNoProjectOpenNothingIsWritten();
    void refusalsKeepMemoryDiskAndTabs_data();
    void refusalsKeepMemoryDiskAndTabs();
    void entriesAreAddedUpdatedAndMovedWithTheirRecords();
    void renameMovesFileEntryTabAndOpenPage();
    void imageDialogNeedsAProjectAndListsItsPicturesAfresh();
    void devicesLoadSkippingBrokenElementsAndWriteBackSorted();
    void textsAreCutAtFieldSizes_data();
    void textsAreCutAtFieldSizes();
    void recordTextDropsHalfCharacter();
    void unwritableDeviceFileIsReported();
    void gridTemplatesFollowLanguageAndKeepOnlyComplete();

};

void TestProjectStore::openKeepsOnlyUsableEntriesAndRemembersFolder()
{
    TestWorkDir dir;
    TestNotifier notifier;
    const QByteArray original = R"({"Other": 1, "Page": [{"File": "a.json"}, 5, {"File": 7}, {"File": "x.js"},
        {"File": "b.json", "MainPage": "1", "PlaceId": 2.5, "PageType": "1"},
        {"File": "c.json", "MainPage": 1, "PlaceId": 7, "PageType": 3}]})";
    const QString path = writeProjectFixture(dir.path(), original);
    const QString folder = QFileInfo(path).absolutePath();
    GlobalManager *manager = GlobalManager::instance();
    QSignalSpy items(manager, SIGNAL(signalAddItem(QString,int)));
    QVERIFY(manager->openProject(path));

    QCOMPARE(items.count(), 4);
    QCOMPARE(items.at(3), QList<QVariant>({QString("c"), 3}));
    // Numbers of the wrong type take their defaults; fractions read 0.
    const QJsonObject normalised = jsonFixture(R"({"Page": [
        {"File": "a.json", "MainPage": 0, "PlaceId": -1, "PageType": 0},
        {"File": "b.json", "MainPage": 0, "PlaceId": 0, "PageType": 0},
        {"File": "c.json", "MainPage": 1, "PlaceId": 7, "PageType": 3}]})");
    QCOMPARE(manager->project(), normalised);
    // Normalising happens in memory; the file is rewritten by the next save only.
    QCOMPARE(readFixture(path), original);
    QVERIFY(manager->saveProjectFile());
    QCOMPARE(jsonFixture(readFixture(path)), normalised);
    QVERIFY(notifier.prompts().isEmpty());
    // The project is named after its folder, which is remembered for the next open.
    QCOMPARE(manager->projectName(), QString("hall"));
    QCOMPARE(readIniString("config.ini", "/config/open_dir"), folder);
}

void TestProjectStore::badProjectFileIsReportedAndOpenProjectStays_data()
{
    QTest::addColumn<QByteArray>("content");   // null: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("broken") << QByteArray(R"({"Page": [)") << QString::fromUtf8("文件解析错误");
    QTest::newRow("Page object") << QByteArray(R"({"Page": {"File": "a.json"}})") << QString::fromUtf8("文件格式不对");
    QTest::newRow("missing file") << QByteArray() << QString::fromUtf8("open file fail: ");
}

void TestProjectStore::badProjectFileIsReportedAndOpenProjectStays()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    OpenProject open(kThreePages, {"a.json", "b.json", "c.json"});
    QVERIFY(open.opened);
    const QString bad = open.dir.filePath("other/bad.projectui");
    if (!content.isNull())
        QVERIFY(writeFixture(bad, content));
    RecordingPage *page = addRecordingPageTab(&open.tabs, "a");
    const QJsonObject project = open.manager->project();

    QSignalSpy clears(open.manager, SIGNAL(signalClearItems()));
    QVERIFY(!open.manager->openProject(bad));
    QCOMPARE(open.notifier.texts(), QStringList(message + (content.isNull() ? bad : QString())));
    QCOMPARE(clears.count(), 0);
    QCOMPARE(open.manager->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(open.manager->projectPath(), open.folder());
    QCOMPARE(open.tabs.count(), 1);
    QCOMPARE(page->saves, 0);
    QCOMPARE(readFixture(bad), content);
}

void TestProjectStore::unsafePageFileNamesAreDroppedAndRefused()
{
    TestWorkDir dir;
    TestNotifier notifier;
    writeFixture(dir.filePath("victim.json"), "keep");
    const QString path = writeProjectFixture(dir.path(), R"({"Page": [
        {"File": "../victim.json"}, {"File": "sub/p.json"}, {"File": "a\\b.json"},
        {"File": "."}, {"File": ".."}, {"File": ""}, {"File": "ok.json", "PageType": 1},
        {"File": "/etc/passwd.json"}
    ]})", {"stray.json"});
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(path));
    QCOMPARE(pageNames(), QStringList("ok"));
    QCOMPARE(manager->project().value("Page").toArray().size(), 1);
    // Told once, whatever the number of names.
    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("项目文件中有无效的页面文件名，已忽略")));

    // Nothing reaches outside the folder through such a name, nor is a file
    // the project does not list taken for a page.
    const auto before = folderSnapshot(dir.path());
    const QJsonObject project = manager->project();
    for (const char *file : {"../x.json", "x/y.json", "x\\y.json", "..", ""})
        QVERIFY2(!manager->addPageEntry(0, QString::fromLatin1(file), 0), file);
    for (const char *name : {"stray", "../victim", "..", "", "x/a"})
        QVERIFY2(!manager->deletePage(QString::fromLatin1(name)), name);
    QVERIFY(!manager->renamePage("ok", "../victim"));
    QCOMPARE(manager->project(), project);
    QCOMPARE(folderSnapshot(dir.path()), before);
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
    QCOMPARE(projectEntries(open.path).at(1).toObject(), expected);
    QCOMPARE(open.manager->pages().at(1).placeId, 12);
    // The next save of the project keeps it.
    QVERIFY(open.manager->movePageDown("a"));
    QCOMPARE(projectEntries(open.path).at(0).toObject(), expected);
}

void TestProjectStore::newProjectFile_data()
{
    QTest::addColumn<QString>("folder");   // the open folder asked for
    QTest::addColumn<QString>("name");
    QTest::newRow("made") << "made/deep/demo" << "demo";
    QTest::newRow("no folder") << QString() << "demo";
    QTest::newRow("slash") << "demo" << "a/b";
    QTest::newRow("folder that cannot be made") << "blocker/demo" << "demo";
}

void TestProjectStore::newProjectFile()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    TestWorkDir dir;
    TestNotifier notifier;
    QVERIFY(writeFixture(dir.filePath("blocker"), "a file where a folder should go"));
    GlobalManager *manager = GlobalManager::instance();
    const QString openDir = manager->openDir();
    const bool folderMade = !folder.isEmpty() && !folder.startsWith("blocker");
    if (!folder.isEmpty())
        QCOMPARE(manager->saveOpenDir(dir.filePath(folder)), folderMade);
    // A folder that could not be made is not taken for the project's.
    QCOMPARE(manager->projectPath().isEmpty(), !folderMade);
    QCOMPARE(manager->openDir() == openDir, !folderMade);
    QCOMPARE(QFile::exists("config.ini"), folderMade);
    const auto before = folderSnapshot(dir.path());
    if (folder.startsWith("made")) {
        QVERIFY(manager->createProjectFile(name));
        QCOMPARE(readFixture(dir.filePath(folder + "/demo.projectui")), QByteArray("{\n    \"Page\": [\n    ]\n}\n"));
        // The new project takes entries at once, with three keys.
        QVERIFY(manager->addPageEntry(0, "page1.json", 0));
        QCOMPARE(projectEntries(dir.filePath(folder + "/demo.projectui")).first().toObject(),
                 jsonFixture(R"({"File": "page1.json", "MainPage": 0, "PageType": 0})"));
        return;
    }
    QVERIFY(!manager->createProjectFile(name));
    QCOMPARE(folderSnapshot(dir.path()), before);
    QVERIFY(!QFile::exists(QDir::rootPath() + name + ".projectui"));
}

void TestProjectStore::withNoProjectOpenNothingIsWritten()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    PageInfo page;
    page.file = "a.json";
    QVERIFY(!manager->saveProjectFile());
    QVERIFY(!manager->addPageEntry(0, "a.json", 0));
    QVERIFY(!manager->updatePageEntry(page));
    QVERIFY(!manager->createEmptyFile("a.json"));
    QVERIFY(!manager->renamePage("a", "b"));
    QVERIFY(!manager->deletePage("a"));
    QVERIFY(!manager->movePageUp("a"));
    for (const char *name : {"main.js", ".projectui", "a.json"})
        QVERIFY2(!QFile::exists(QDir::rootPath() + QLatin1String(name)), name);
    QVERIFY(folderSnapshot(dir.path()).isEmpty());
    QVERIFY(notifier.prompts().isEmpty());
}

void TestProjectStore::refusalsKeepMemoryDiskAndTabs_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("name");   // the new name of a rename
    QTest::addColumn<QString>("message");
    // A file name that leaves no room for the temporary file an atomic write
    // puts beside it: every save of the project file fails.
    for (const char *operation : {"add entry", "update entry", "move down", "rename", "delete"})
        QTest::newRow(qPrintable(QStringLiteral("%1, project file unwritable").arg(operation)))
            << false << operation << "z" << "open file fail: ";
    const QString exists = QString::fromUtf8("名称已存在");
    const QString invalid = QString::fromUtf8("页面名称无效");
    QTest::newRow("rename onto a page of that name") << true << "rename" << "b" << exists;
    QTest::newRow("rename onto a stray file of that name") << true << "rename" << "stray" << exists;
    QTest::newRow("rename to a backslash") << true << "rename" << "x\\y" << invalid;
    QTest::newRow("rename to the parent") << true << "rename" << "../a" << invalid;
    QTest::newRow("rename to empty") << true << "rename" << "" << invalid;
    QTest::newRow("rename an unknown page") << true << "rename nobody" << "z" << QString();
}

void TestProjectStore::refusalsKeepMemoryDiskAndTabs()
{
    QFETCH(bool, writable);
    QFETCH(QString, operation);
    QFETCH(QString, name);
    QFETCH(QString, message);
    OpenProject open(kThreePages, {"a.json", "b.json", "stray.json"},
                     writable ? QStringLiteral("main.projectui") : QString(245, QLatin1Char('p')) + ".projectui");
    QVERIFY(open.opened);
    RecordingPage *page = addRecordingPageTab(&open.tabs, "a");
    const auto before = folderSnapshot(open.dir.path());
    const QJsonObject project = open.manager->project();
    PageInfo changed = open.manager->pages().first();
    changed.placeId = 9;
    const bool done = operation == "add entry"       ? open.manager->addPageEntry(0, "d.json", 0)
                      : operation == "update entry"  ? open.manager->updatePageEntry(changed)
                      : operation == "move down"     ? open.manager->movePageDown("a")
                      : operation == "rename"        ? open.manager->renamePage("a", name)
                      : operation == "rename nobody" ? open.manager->renamePage("nobody", name)
                                                     : open.manager->deletePage("a");
    QVERIFY(!done);
    QCOMPARE(open.notifier.texts(), message.isEmpty() ? QStringList()
                                    : QStringList(writable ? message : message + open.path));
    QCOMPARE(folderSnapshot(open.dir.path()), before);
    QCOMPARE(open.manager->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(open.manager->pages().first().placeId, 4);
    QCOMPARE(open.tabs.tabText(0), QString("a"));
    QVERIFY(page->renamedName.isEmpty());
}

void TestProjectStore::entriesAreAddedUpdatedAndMovedWithTheirRecords()
{
    OpenProject open;
    QVERIFY(open.manager->addPageEntry(0, "d.json", 1));
    QCOMPARE(projectEntries(open.path).at(3).toObject(), jsonFixture(R"({"File": "d.json", "MainPage": 0, "PageType": 1})"));
    // An existing entry only takes the new "MainPage".
    QVERIFY(open.manager->addPageEntry(1, "b.json", 3));
    QCOMPARE(projectEntries(open.path).at(1).toObject(),
             jsonFixture(R"({"File": "b.json", "MainPage": 1, "PlaceId": -1, "PageType": 1})"));
    // A move takes the entry with its own fields, and the page record too.
    QVERIFY(open.manager->movePageUp("b"));
    QVERIFY(open.manager->movePageDown("a"));
    QCOMPARE(projectEntryFiles(open.path), QStringList({"b.json", "c.json", "a.json", "d.json"}));
    QCOMPARE(pageNames(), QStringList({"b", "c", "a"}));
    QCOMPARE(projectEntries(open.path).at(2).toObject().value("PlaceId").toInt(), 4);
    // At the ends nothing changes and nothing is saved.
    QVERIFY(QFile::remove(open.path));
    QVERIFY(!open.manager->movePageUp("b"));
    QVERIFY(!open.manager->movePageDown("d"));
    QVERIFY(!QFile::exists(open.path));
}

void TestProjectStore::renameMovesFileEntryTabAndOpenPage()
{
    OpenProject open(kThreePages, {"a.json", "b.json"});
    addRecordingPageTab(&open.tabs, "c");
    RecordingPage *page = addRecordingPageTab(&open.tabs, "a");
    QVERIFY(open.manager->renamePage("a", "lobby"));
    QCOMPARE(readFixture(open.folder() + "/lobby.json"), QByteArray("a.json"));
    QVERIFY(!QFile::exists(open.folder() + "/a.json"));
    QCOMPARE(projectEntryFiles(open.path), QStringList({"lobby.json", "b.json", "c.json"}));
    QCOMPARE(pageNames(), QStringList({"lobby", "b", "c"}));
    QCOMPARE(open.tabs.tabText(1), QString("lobby"));
    QCOMPARE(open.tabs.tabText(0), QString("c"));
    QCOMPARE(page->renamedName, QString("lobby"));
    QCOMPARE(page->renamedFile, QString("lobby.json"));
    QVERIFY(open.notifier.prompts().isEmpty());
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

    const QString project = writeProjectFixture(dir.path(), R"({"Page": []})", {"a.png"});
    QVERIFY(manager->openProject(project));
    const auto cancelDialog = [manager] { manager->imageDialog()->reject(); };
    QTimer::singleShot(0, cancelDialog);
    QCOMPARE(manager->showImageDialog(path), int(QDialog::Rejected));
    QCOMPARE(manager->imageDialog()->listWidget()->count(), 1);
    // A picture put into the folder between two runs is offered in the next.
    writeFixture(QFileInfo(project).absolutePath() + "/b.png", "png");
    QTimer::singleShot(0, cancelDialog);
    manager->showImageDialog(path);
    QCOMPARE(manager->imageDialog()->listWidget()->count(), 2);
}

void TestProjectStore::devicesLoadSkippingBrokenElementsAndWriteBackSorted()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    // Broken elements stay out of the list, and so the file is never written over.
    const QString project = makeProject(dir.path(), kDevices);
    QVERIFY(manager->openProject(project));
    QCOMPARE(manager->midCtrls().size(), 2);
    QVERIFY(!manager->saveMidCtrls());
    QCOMPARE(writtenDevices(project), QByteArray(kDevices));
    QVERIFY(notifier.prompts().isEmpty());
    // Closed, the project takes its devices along; there is nowhere to write either.
    manager->closeProject();
    QVERIFY(manager->midCtrls().isEmpty());
    QVERIFY(!manager->saveMidCtrls());
    QVERIFY(!QFile::exists(QDir::rootPath() + "mid_ctrl.dat"));
    // A device file that does not parse is reported, and is no reason to refuse the project.
    QVERIFY(manager->openProject(makeProject(dir.path(), "{\"MidCtrls\": [],}", "{\"Events\"", "broken")));
    QVERIFY(manager->midCtrls().isEmpty() && !manager->saveMidCtrls());
    QCOMPARE(notifier.prompts().size(), 1);
}

void TestProjectStore::textsAreCutAtFieldSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QString>("storedData");
    const QString longData(1100, QLatin1Char('d'));
    QTest::newRow("ascii") << QString(70, 'n') << longData << QString(63, 'n') << longData.left(1023);
    // 30 three-byte characters: 63 bytes hold exactly 21 of them; 1023 bytes
    // hold 341 of 400.
    const QString wide = QString::fromUtf8("会议室").repeated(10);
    const QString wideData = QString::fromUtf8("数据").repeated(200);
    QTest::newRow("utf-8") << wide << wideData << wide.left(21) << wideData.left(341);
    // Two-byte characters: 63 bytes end inside the 32nd, which is dropped.
    const QString twoByte = QString::fromUtf8("é").repeated(40);
    QTest::newRow("cut inside a character") << twoByte << QString("x") << twoByte.left(31) << QString("x");
}

void TestProjectStore::textsAreCutAtFieldSizes()
{
    TestWorkDir dir;
    TestNotifier notifier;
    QFETCH(QString, name);
    QFETCH(QString, data);
    QFETCH(QString, storedName);
    QFETCH(QString, storedData);
    const QString ip = QStringLiteral("192.168.100.100.100.100");
    QJsonObject cmd{{"uuid", 200001}, {"name", name}, {"data", data}, {"data_type", 1}, {"send_type", 0}, {"ms", 0}};
    QJsonObject device{{"uuid", 100001}, {"name", name}, {"ip", ip}, {"port", 1}, {"protocol", 0},
                       {"cmds", QJsonArray{cmd}}};
    const QString project =
        makeProject(dir.path(), QJsonDocument(QJsonObject{{"MidCtrls", QJsonArray{device}}}).toJson());
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(project));

    const MidCtrlRecord &record = manager->midCtrls().at(0);
    QCOMPARE(recordText(record.name), storedName);
    QCOMPARE(recordText(record.ip), ip.left(19));
    QCOMPARE(recordText(record.cmds.at(0).name), storedName);
    QCOMPARE(recordText(record.cmds.at(0).data), storedData);
}

void TestProjectStore::recordTextDropsHalfCharacter()
{
    // A buffer filled byte-wise elsewhere may end inside a character.
    char buffer[8] = {};
    memcpy(buffer, QString::fromUtf8("ab会").toUtf8().constData(), 4); // "ab" and two of three bytes
    QCOMPARE(recordText(buffer), QString("ab"));
    char full[4] = {'a', 'b', 'c', 'd'}; // no terminator at all
    QCOMPARE(recordText(full), QString("abcd"));
    char field[5];
    memset(field, 'x', sizeof field);
    // Four bytes and the terminator: the second character does not fit whole.
    setRecordText(field, QString::fromUtf8("ab会"));
    QCOMPARE(QByteArray(field, 5), QByteArray("ab\0\0\0", 5));
    setRecordText(field, QStringLiteral("abcdefg"));
    QCOMPARE(QByteArray(field, 5), QByteArray("abcd\0", 5));
}

void TestProjectStore::unwritableDeviceFileIsReported()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    const QString project = makeProject(dir.path(), kDevicesKept);
    QVERIFY(manager->openProject(project));
    const QString devices = QFileInfo(project).absolutePath() + "/mid_ctrl.dat";
    QVERIFY(QFile::remove(devices));
    QVERIFY(QDir().mkpath(devices)); // a folder where the file should go
    QVERIFY(!manager->saveMidCtrls());
    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("open file fail: ") + devices));
    QCOMPARE(manager->midCtrls().size(), 2);
}

void TestProjectStore::gridTemplatesFollowLanguageAndKeepOnlyComplete()
{
    TestWorkDir dir;
    QJsonObject textRow = gridTemplate("text row");
    textRow.insert("row", "2");
    const QString folder = QStringLiteral("data_template/grid_template/");
    writeFixture(folder + "zh_cn/template.json",
                 QJsonDocument(QJsonArray{gridTemplate("keep"), gridTemplate("capital", "gridMode"), textRow, 5}).toJson());
    writeFixture(folder + "zh_tw/template.json", R"({"name": "an object, not a list"})");
    writeFixture("config.ini", "[config]\nlanguage=0\n");
    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(manager->gridTemplates(), QJsonArray({gridTemplate("keep")}));
    manager->setLanguage(1);
    QVERIFY(manager->gridTemplates().isEmpty() && !manager->loadGridTemplates());
    // Written only into a folder that is there, and read back as written.
    const QJsonArray templates{gridTemplate("one"), gridTemplate("two")};
    manager->setLanguage(2);
    QVERIFY(!manager->saveGridTemplates(templates));
    QVERIFY(QDir().mkpath(folder + "en"));
    QVERIFY(manager->saveGridTemplates(templates));
    QVERIFY(readFixture(folder + "en/template.json").startsWith("[\n    {\n        \"col\": 3,\n        \"gridmode\": 2,"));
    QVERIFY(manager->loadGridTemplates());
    QCOMPARE(manager->gridTemplates(), templates);
}

QTEST_MAIN(TestProjectStore)
#include "tst_projectstore.moc"
