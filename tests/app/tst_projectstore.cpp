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

#include <memory>

namespace {
const char kThreePages[] = R"({"Page": [
    {"File": "a.json", "MainPage": 1, "PlaceId": 4, "PageType": 0},
    {"File": "b.json", "PageType": 1},
    {"File": "c.json", "PageType": 2}
]})";
const char kNoPages[] = R"({"Page": []})";

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

// Devices with elements that are no device or command: two devices are read.
const char kDevices[] = R"({"MidCtrls": [
    {"uuid": 100001, "name": "matrix", "ip": "192.168.1.10", "port": 5000, "protocol": 1, "cmds": [
        {"uuid": 200001, "name": "on", "data": "AA 01", "data_type": 0, "send_type": 0, "ms": 0},
        {"uuid": 200002, "name": "no interval", "data": "x", "data_type": 1, "send_type": 1},
        {"uuid": "200003", "name": "uuid as text", "data": "x", "data_type": 1, "send_type": 1, "ms": 5},
        "not a command"]},
    {"uuid": 100002, "ip": 17, "port": 1, "protocol": 0, "cmds": []},
    {"uuid": 100004, "name": 12, "ip": "10.0.0.4", "port": 23, "protocol": 0}, 7]})";

// A grid template; the mode key as given.
QJsonObject gridTemplate(const QString &name, const QString &modeKey = QStringLiteral("gridmode"))
{
    return QJsonObject{{"name", name}, {"standard", 0}, {modeKey, 2}, {"row", 2}, {"col", 3}};
}
} // namespace

// The store of the open project, its page entries, devices and templates.
class TestProjectStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.reset(new TestWorkDir); // first: the store reads its settings from the working folder
        m_notifier.reset(new TestNotifier);
        m_tabs.reset(new QTabWidget);
    }
    void cleanup()
    {
        GlobalManager::resetInstance();
        m_tabs.reset();
        m_notifier.reset();
        m_dir.reset();
    }

    void openKeepsUsableSafeEntriesAndRemembersFolder();
    void badProjectFileIsReportedAndOpenProjectStays_data();
    void badProjectFileIsReportedAndOpenProjectStays();
    void reopeningKeepsWhatItsClosingPagesSaved();
    void newProjectFile_data();
    void newProjectFile();
    void refusalsKeepMemoryDiskAndTabs_data();
    void refusalsKeepMemoryDiskAndTabs();
    void entriesAreAddedRenamedAndMovedWithTheirRecords();
    void devicesAndPicturesGoWithTheirProject();
    void deviceTextsAreCutAtFieldSizes();
    void recordTextDropsHalfCharacter();
    void gridTemplatesFollowLanguageAndKeepOnlyComplete();

private:
    static GlobalManager *manager() { return GlobalManager::instance(); }
    // Writes the project "<folder>/<fileName>" with the page files named (each
    // holding its own name) and "mid_ctrl.dat" unless null, and opens it.
    bool open(const QByteArray &json = kThreePages, const QStringList &pageFiles = {},
              const QByteArray &devices = QByteArray(), const QString &fileName = QStringLiteral("main.projectui"),
              const QString &folder = QStringLiteral("hall"))
    {
        m_path = writeProjectFixture(m_dir->path(), json, pageFiles, folder, fileName);
        if (!devices.isNull())
            writeFixture(this->folder() + "/mid_ctrl.dat", devices);
        manager()->setTabWidget(m_tabs.get());
        return manager()->openProject(m_path);
    }
    QString folder() const { return QFileInfo(m_path).absolutePath(); }

    std::unique_ptr<TestWorkDir> m_dir;
    std::unique_ptr<TestNotifier> m_notifier;
    std::unique_ptr<QTabWidget> m_tabs;
    QString m_path;
};

void TestProjectStore::openKeepsUsableSafeEntriesAndRemembersFolder()
{
    writeFixture(m_dir->filePath("victim.json"), "keep");
    // Numbers of the wrong type take their defaults, fractions read 0; names
    // that would reach outside the folder are dropped, and said once.
    const QByteArray original = R"({"Other": 1, "Page": [{"File": "a.json"}, 5, {"File": 7}, {"File": "x.js"},
        {"File": "../victim.json"}, {"File": "sub/p.json"}, {"File": "a\\b.json"}, {"File": "."}, {"File": ".."},
        {"File": ""}, {"File": "/etc/passwd.json"}, {"File": "b.json", "MainPage": "1", "PlaceId": 2.5, "PageType": "1"},
        {"File": "c.json", "MainPage": 1, "PlaceId": 7, "PageType": 3}]})";
    QVERIFY(open(original, {"stray.json"}));
    const QJsonObject normalised = jsonFixture(R"({"Page": [
        {"File": "a.json", "MainPage": 0, "PlaceId": -1, "PageType": 0},
        {"File": "b.json", "MainPage": 0, "PlaceId": 0, "PageType": 0},
        {"File": "c.json", "MainPage": 1, "PlaceId": 7, "PageType": 3}]})");
    QCOMPARE(manager()->project(), normalised);
    QCOMPARE(m_notifier->texts(), QStringList(QString::fromUtf8("项目文件中有无效的页面文件名，已忽略")));
    // The project is named after its folder, which is remembered for the next open.
    QCOMPARE(manager()->projectName(), QString("hall"));
    QCOMPARE(readIniString("config.ini", "/config/open_dir"), folder());

    // Nothing reaches outside the folder through such a name, nor is a file
    // the project does not list taken for a page.
    const auto before = folderSnapshot(m_dir->path());
    for (const char *file : {"../x.json", "x/y.json", "x\\y.json", "..", ""})
        QVERIFY2(!manager()->addPageEntry(0, QString::fromLatin1(file), 0), file);
    for (const char *name : {"stray", "../victim", "..", "", "x/a"})
        QVERIFY2(!manager()->deletePage(QString::fromLatin1(name)), name);
    QVERIFY(!manager()->renamePage("a", "../victim"));
    QCOMPARE(manager()->project(), normalised);
    QCOMPARE(folderSnapshot(m_dir->path()), before);
    // Normalising happens in memory; the file is rewritten by the next save only.
    QCOMPARE(readFixture(m_path), original);
    QVERIFY(manager()->saveProjectFile());
    QCOMPARE(jsonFixture(readFixture(m_path)), normalised);
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
    QVERIFY(open(kThreePages, {"a.json", "b.json", "c.json"}));
    const QString bad = m_dir->filePath("other/bad.projectui");
    if (!content.isNull())
        QVERIFY(writeFixture(bad, content));
    RecordingPage *page = addRecordingPageTab(m_tabs.get(), "a");
    const QJsonObject project = manager()->project();

    QSignalSpy clears(manager(), SIGNAL(signalClearItems()));
    QVERIFY(!manager()->openProject(bad));
    QCOMPARE(m_notifier->texts(), QStringList(message + (content.isNull() ? bad : QString())));
    QCOMPARE(clears.count(), 0);
    QCOMPARE(manager()->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(manager()->projectPath(), folder());
    QCOMPARE(m_tabs->count(), 1);
    QCOMPARE(page->saves, 0);
    QCOMPARE(readFixture(bad), content);
}

void TestProjectStore::reopeningKeepsWhatItsClosingPagesSaved()
{
    QVERIFY(open());
    PageInfo edited = manager()->pages().at(1);
    edited.placeId = 12;
    edited.mainPage = 1;
    auto *scroll = new QScrollArea;
    scroll->setWidget(new SavingPage(edited));
    m_tabs->addTab(scroll, "b");

    // Closing the open page on the way writes its entry into this very file.
    QVERIFY(manager()->openProject(m_path));
    const QJsonObject expected = jsonFixture(R"({"File": "b.json", "MainPage": 1, "PlaceId": 12, "PageType": 1})");
    QCOMPARE(projectEntries(m_path).at(1).toObject(), expected);
    QCOMPARE(manager()->pages().at(1).placeId, 12);
    // The next save of the project keeps it.
    QVERIFY(manager()->movePageDown("a"));
    QCOMPARE(projectEntries(m_path).at(0).toObject(), expected);
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
    QVERIFY(writeFixture(m_dir->filePath("blocker"), "a file where a folder should go"));
    const QString openDir = manager()->openDir();
    const bool folderMade = !folder.isEmpty() && !folder.startsWith("blocker");
    if (!folder.isEmpty())
        QCOMPARE(manager()->saveOpenDir(m_dir->filePath(folder)), folderMade);
    // A folder that could not be made is not taken for the project's.
    QCOMPARE(manager()->projectPath().isEmpty(), !folderMade);
    QCOMPARE(manager()->openDir() == openDir, !folderMade);
    QCOMPARE(QFile::exists("config.ini"), folderMade);
    const auto before = folderSnapshot(m_dir->path());
    if (folder.startsWith("made")) {
        QVERIFY(manager()->createProjectFile(name));
        QCOMPARE(readFixture(m_dir->filePath(folder + "/demo.projectui")), QByteArray("{\n    \"Page\": [\n    ]\n}\n"));
        return;
    }
    QVERIFY(!manager()->createProjectFile(name));
    QCOMPARE(folderSnapshot(m_dir->path()), before);
    QVERIFY(!QFile::exists(QDir::rootPath() + name + ".projectui"));
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
    QTest::newRow("rename to empty") << true << "rename" << "" << invalid;
    QTest::newRow("rename an unknown page") << true << "rename nobody" << "z" << QString();
}

void TestProjectStore::refusalsKeepMemoryDiskAndTabs()
{
    QFETCH(bool, writable);
    QFETCH(QString, operation);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(open(kThreePages, {"a.json", "b.json", "stray.json"}, QByteArray(),
                 writable ? QStringLiteral("main.projectui") : QString(245, QLatin1Char('p')) + ".projectui"));
    RecordingPage *page = addRecordingPageTab(m_tabs.get(), "a");
    const auto before = folderSnapshot(m_dir->path());
    const QJsonObject project = manager()->project();
    PageInfo changed = manager()->pages().first();
    changed.placeId = 9;
    const bool done = operation == "add entry"       ? manager()->addPageEntry(0, "d.json", 0)
                      : operation == "update entry"  ? manager()->updatePageEntry(changed)
                      : operation == "move down"     ? manager()->movePageDown("a")
                      : operation == "rename"        ? manager()->renamePage("a", name)
                      : operation == "rename nobody" ? manager()->renamePage("nobody", name)
                                                     : manager()->deletePage("a");
    QVERIFY(!done);
    QCOMPARE(m_notifier->texts(), message.isEmpty() ? QStringList() : QStringList(writable ? message : message + m_path));
    QCOMPARE(folderSnapshot(m_dir->path()), before);
    QCOMPARE(manager()->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(manager()->pages().first().placeId, 4);
    QCOMPARE(m_tabs->tabText(0), QString("a"));
    QVERIFY(page->renamedName.isEmpty());
}

void TestProjectStore::entriesAreAddedRenamedAndMovedWithTheirRecords()
{
    QVERIFY(open(kThreePages, {"a.json", "b.json"}));
    addRecordingPageTab(m_tabs.get(), "c");
    RecordingPage *page = addRecordingPageTab(m_tabs.get(), "a");
    QVERIFY(manager()->addPageEntry(0, "d.json", 1));
    QCOMPARE(projectEntries(m_path).at(3).toObject(), jsonFixture(R"({"File": "d.json", "MainPage": 0, "PageType": 1})"));
    // An existing entry only takes the new "MainPage".
    QVERIFY(manager()->addPageEntry(1, "b.json", 3));
    QCOMPARE(projectEntries(m_path).at(1).toObject(),
             jsonFixture(R"({"File": "b.json", "MainPage": 1, "PlaceId": -1, "PageType": 1})"));
    // A rename takes file, entry and tab along, and tells the open page.
    QVERIFY(manager()->renamePage("a", "lobby"));
    QCOMPARE(readFixture(folder() + "/lobby.json"), QByteArray("a.json"));
    QVERIFY(!QFile::exists(folder() + "/a.json"));
    QCOMPARE(m_tabs->tabText(0) + " " + m_tabs->tabText(1), QString("c lobby"));
    QCOMPARE(page->renamedName + " " + page->renamedFile, QString("lobby lobby.json"));
    // A move takes the entry with its own fields, and the page record too.
    QVERIFY(manager()->movePageUp("b"));
    QVERIFY(manager()->movePageDown("lobby"));
    QCOMPARE(projectEntryFiles(m_path), QStringList({"b.json", "c.json", "lobby.json", "d.json"}));
    QCOMPARE(pageNames(), QStringList({"b", "c", "lobby"}));
    QCOMPARE(projectEntries(m_path).at(2).toObject().value("PlaceId").toInt(), 4);
    QVERIFY(m_notifier->prompts().isEmpty());
    // At the ends nothing changes and nothing is saved.
    QVERIFY(QFile::remove(m_path));
    QVERIFY(!manager()->movePageUp("b"));
    QVERIFY(!manager()->movePageDown("d"));
    QVERIFY(!QFile::exists(m_path));
}

void TestProjectStore::devicesAndPicturesGoWithTheirProject()
{
    // Without a project there are no pictures to choose from.
    QString path = "stale";
    QCOMPARE(manager()->showImageDialog(path), 0);
    QCOMPARE(path, QString());
    QCOMPARE(m_notifier->texts(), QStringList(QString::fromUtf8("未选中项目!")));
    QVERIFY(!manager()->imageDialog());

    // Broken elements stay out of the list, and so the file is never written over.
    QVERIFY(open(kNoPages, {"a.png"}, kDevices));
    QCOMPARE(manager()->midCtrls().size(), 2);
    QVERIFY(!manager()->saveMidCtrls());
    QCOMPARE(readFixture(folder() + "/mid_ctrl.dat"), QByteArray(kDevices));
    // The pictures are listed afresh on every run.
    const auto cancelDialog = [] { manager()->imageDialog()->reject(); };
    QTimer::singleShot(0, cancelDialog);
    QCOMPARE(manager()->showImageDialog(path), int(QDialog::Rejected));
    QCOMPARE(manager()->imageDialog()->listWidget()->count(), 1);
    writeFixture(folder() + "/b.png", "png");
    QTimer::singleShot(0, cancelDialog);
    manager()->showImageDialog(path);
    QCOMPARE(manager()->imageDialog()->listWidget()->count(), 2);
    QCOMPARE(m_notifier->prompts().size(), 1);

    // Closed, the project takes its devices along, and nothing has anywhere to go.
    manager()->closeProject();
    QVERIFY(manager()->midCtrls().isEmpty());
    const auto before = folderSnapshot(m_dir->path());
    PageInfo page;
    page.file = "a.json";
    QVERIFY(!manager()->saveMidCtrls() && !manager()->saveProjectFile() && !manager()->updatePageEntry(page));
    QVERIFY(!manager()->addPageEntry(0, "a.json", 0) && !manager()->createEmptyFile("a.json"));
    QVERIFY(!manager()->renamePage("a", "b") && !manager()->deletePage("a") && !manager()->movePageUp("a"));
    for (const char *name : {"mid_ctrl.dat", "main.js", ".projectui", "a.json"})
        QVERIFY2(!QFile::exists(QDir::rootPath() + QLatin1String(name)), name);
    QCOMPARE(folderSnapshot(m_dir->path()), before);
    QCOMPARE(m_notifier->prompts().size(), 1);

    // A device or event file that does not parse is no reason to refuse a
    // project; the devices one is said.
    writeFixture(m_dir->filePath("broken/event.dat"), "{\"Events\"");
    QVERIFY(open(kNoPages, {}, "{\"MidCtrls\": [],}", "main.projectui", "broken"));
    QVERIFY(manager()->midCtrls().isEmpty() && !manager()->saveMidCtrls());
    QCOMPARE(m_notifier->prompts().size(), 2);
}

void TestProjectStore::deviceTextsAreCutAtFieldSizes()
{
    // 63 bytes of name and 19 of address; 1023 bytes of data end inside the
    // 341st three-byte character, which is dropped.
    const QString name(70, QLatin1Char('n'));
    const QString data = "d" + QString::fromUtf8("数据").repeated(200);
    const QString ip = QStringLiteral("192.168.100.100.100.100");
    QJsonObject cmd{{"uuid", 200001}, {"name", name}, {"data", data}, {"data_type", 1}, {"send_type", 0}, {"ms", 0}};
    QJsonObject device{{"uuid", 100001}, {"name", name}, {"ip", ip}, {"port", 1}, {"protocol", 0},
                       {"cmds", QJsonArray{cmd}}};
    QVERIFY(open(kNoPages, {}, QJsonDocument(QJsonObject{{"MidCtrls", QJsonArray{device}}}).toJson()));
    const MidCtrlRecord &record = manager()->midCtrls().at(0);
    QCOMPARE(recordText(record.name), name.left(63));
    QCOMPARE(recordText(record.ip), ip.left(19));
    QCOMPARE(recordText(record.cmds.at(0).name), name.left(63));
    QCOMPARE(recordText(record.cmds.at(0).data), data.left(341));

    // Read whole, the devices are written on saving; a write that fails is said.
    const QString devices = folder() + "/mid_ctrl.dat";
    QVERIFY(QFile::remove(devices) && QDir().mkpath(devices)); // a folder where the file should go
    QVERIFY(!manager()->saveMidCtrls());
    QCOMPARE(m_notifier->texts(), QStringList(QString::fromUtf8("open file fail: ") + devices));
    QCOMPARE(manager()->midCtrls().size(), 1);
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

void TestProjectStore::gridTemplatesFollowLanguageAndKeepOnlyComplete()
{
    QJsonObject textRow = gridTemplate("text row");
    textRow.insert("row", "2");
    const QString folder = QStringLiteral("data_template/grid_template/");
    writeFixture(folder + "zh_cn/template.json",
                 QJsonDocument(QJsonArray{gridTemplate("keep"), gridTemplate("capital", "gridMode"), textRow, 5}).toJson());
    writeFixture(folder + "zh_tw/template.json", R"({"name": "an object, not a list"})");
    writeFixture("config.ini", "[config]\nlanguage=0\n");
    QCOMPARE(manager()->gridTemplates(), QJsonArray({gridTemplate("keep")}));
    manager()->setLanguage(1);
    QVERIFY(manager()->gridTemplates().isEmpty() && !manager()->loadGridTemplates());
    // Written only into a language folder that is there.
    manager()->setLanguage(2);
    QVERIFY(!manager()->saveGridTemplates({gridTemplate("one")}));
    QVERIFY(!QFileInfo::exists(folder + "en"));
}

QTEST_MAIN(TestProjectStore)
#include "tst_projectstore.moc"
