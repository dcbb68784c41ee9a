#include "app/globalmanager.h"
#include "app/initdlg.h"
#include "core/iniutils.h"
#include "core/midctrlrecord.h"
#include "core/screenscale.h"
#include "core/wholefile.h"
#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "shell/imgdlg.h"
#include "wall/gridtemplate.h"
#include "tests/canvas/pagefixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTimer>

#include <cerrno>
#include <cstring>

// The manager: settings and start dialog; the project store with its page
// entries and devices; the forwarders to the page in front and the panels.
using namespace pagefixture;

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
} // namespace

class TestGlobalManager : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.reset(new TestWorkDir); // first: the manager reads its settings from the working folder
        m_notifier.reset(new TestNotifier);
        m_tabs.reset(new QTabWidget);
    }
    void cleanup();

    void scaleFactors();
    void settingsAtStart_data();
    void settingsAtStart();
    void startDialogSwitchesLanguageThenEntersOrLeaves();
    void languageThatCannotBeStoredIsSaid();

    void openKeepsUsableSafeEntriesAndRemembersFolder();
    void newProjectFile_data();
    void newProjectFile();
    void refusalsKeepMemoryDiskAndTabs_data();
    void refusalsKeepMemoryDiskAndTabs();
    void fullDiskKeepsEveryFileOfTheProject_data();
    void fullDiskKeepsEveryFileOfTheProject();
    void namesTheUploadRefusesAreRefusedWhenGiven_data();
    void namesTheUploadRefusesAreRefusedWhenGiven();
    void namesAlreadyGivenStillOpenAndSave_data();
    void namesAlreadyGivenStillOpenAndSave();
    void entriesAreAddedRenamedAndMovedWithTheirRecords();
    void devicesAndPicturesGoWithTheirProject();
    void specialProjectFilesAreNamedNotRead_data();
    void specialProjectFilesAreNamedNotRead();
    void specialProgramFilesAreNamedAndKept_data();
    void specialProgramFilesAreNamedAndKept();
    void savesThroughALinkToADeviceAreRefused_data();
    void savesThroughALinkToADeviceAreRefused();
    void refusedGridTemplatesAreSaidOnceAtStart();
    void largestGridTemplateIsReadBack();
    void deviceTextsAreCutAtFieldSizes();
    void recordTextDropsHalfCharacter();

    void closingTabAsksOnlyWhenModified_data();
    void closingTabAsksOnlyWhenModified();
    void forwardersReachOnlyThePageInFront();
    void propertyForwardersServeOnlyTheControlOnView();
    void languageThatDoesNotFitKeepsTheOtherSettings_data();
    void languageThatDoesNotFitKeepsTheOtherSettings();
    void projectFileOverItsBoundIsNotWritten_data();
    void projectFileOverItsBoundIsNotWritten();

private:
    static GlobalManager *manager() { return GlobalManager::instance(); }
    // Writes and opens "<folder>/<fileName>", its page files holding their names, "mid_ctrl.dat" unless null.
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
    // Pages a and b made in an open project, control tree and property panel wired.
    bool openTwoPages();
    // Pages a, b (saved with a control) and c open, and a page d elsewhere to import.
    bool openProjectToChange();
    QString importedPage() const { return m_dir->filePath("elsewhere/d.json"); }
    // One change of the project's entries, named as the rows name it; true when done.
    bool changeEntries(const QString &operation);
    QString folder() const { return QFileInfo(m_path).absolutePath(); }
    QString pagePath(const QString &name) const { return folder() + "/" + name + ".json"; }

    std::unique_ptr<TestWorkDir> m_dir;
    std::unique_ptr<TestNotifier> m_notifier;
    std::unique_ptr<QTabWidget> m_tabs;
    QPointer<ControlFrame> m_controls;
    QPointer<PropertyWidget> m_properties;
    QString m_path;
};

bool TestGlobalManager::openProjectToChange()
{
    return open(kThreePages, {"a.json", "c.json"})
        && writePage(pagePath("b"), {pageObject(800, 600), control("Button", "Button_0", 100, 50, 80, 40)})
        && writePage(importedPage(), {QJsonObject{{"type", "Page"}, {"w", 800}, {"h", 600}, {"PlaceId", 1}}});
}

bool TestGlobalManager::changeEntries(const QString &operation)
{
    // The new name is longer than the old, so that the project file grows.
    return operation == "new page"    ? manager()->createPage("d", 800, 600, 0)
         : operation == "copy"      ? manager()->copyPage("b", "d", 800, 600, 0)
         : operation == "import"    ? manager()->importPage(importedPage(), nullptr)
         : operation == "add entry" ? manager()->addPageEntry(0, "d.json", 0)
         : operation == "rename"    ? manager()->renamePage("a", "a longer name")
         : operation == "move down" ? manager()->movePageDown("a")
                                    : manager()->deletePage("a");
}

void TestGlobalManager::cleanup()
{
    GlobalManager::instance()->setTabWidget(nullptr);
    m_tabs.reset();
    flushDeletes();
    delete m_controls;
    delete m_properties;
    GlobalManager::resetInstance();
    QLocale::setDefault(QLocale::system());
    m_notifier.reset();
    m_dir.reset();
}

bool TestGlobalManager::openTwoPages()
{
    m_controls = new ControlFrame;
    m_properties = new PropertyWidget;
    manager()->setControlFrame(m_controls);
    manager()->setPropertyWidget(m_properties);
    manager()->setScreenMetrics(96.0, 1.0, 1.0);
    m_tabs->resize(1000, 800);
    m_tabs->show();
    return open(kNoPages) && manager()->createPage("a", 800, 600, 0) && manager()->createPage("b", 800, 600, 0)
           && QTest::qWaitForWindowExposed(m_tabs.get());
}

void TestGlobalManager::scaleFactors()
{
    // Wider than 16:9 the height decides the fit; 5:4 the width.
    QCOMPARE(computeScreenScales(2560, 1040).fit, 1040 / 1080.0);
    QCOMPARE(computeScreenScales(2560, 1040).wide, 2560 / 1920.0);
    QCOMPARE(computeScreenScales(1280, 1024).fit, 1280 / 1920.0);
    QCOMPARE(computeScreenScales(1280, 1024).wide, 1.0);
    QCOMPARE(screenScaleFactorsText({{"HDMI-1", 1920}, {"DP-2", 2561}}), QString("HDMI-1=1;DP-2=1.5"));
}

void TestGlobalManager::settingsAtStart_data()
{
    const QLocale traditional(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::HongKong);
    const QLocale simplified(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("config"); // null: no config.ini at all; "@" stands for the work folder
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("openDir");   // "@" as above, "~" for the home folder
    QTest::newRow("traditional locale, no config") << traditional << QByteArray() << 1 << "~";
    QTest::newRow("german locale, no config") << german << QByteArray() << 2 << "~";
    QTest::newRow("stored 5 taken as 0, missing folder") << german << QByteArray("[config]\nlanguage=5\nopen_dir=@/gone\n")
                                                         << 0 << "~";
    QTest::newRow("stored 2 over chinese locale, folder kept")
        << simplified << QByteArray("[config]\nlanguage=2\nopen_dir=@/projects\n") << 2 << "@/projects";
    QTest::newRow("no language key keeps the locale's") << traditional << QByteArray("[config]\nopen_dir=\n") << 1 << "";
}

void TestGlobalManager::settingsAtStart()
{
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, config);
    QFETCH(int, language);
    QFETCH(QString, openDir);
    QVERIFY(QDir().mkdir("projects"));
    config.replace('@', m_dir->path().toUtf8());
    if (!config.isNull())
        QVERIFY(writeFixture("config.ini", config));
    QLocale::setDefault(locale);
    QCOMPARE(manager()->language(), language);
    QCOMPARE(manager()->openDir(), openDir == "~" ? QDir::homePath() : openDir.replace('@', m_dir->path()));
    // Neither reading the settings nor choosing the language of the moment writes them.
    manager()->setLanguage(language);
    QCOMPARE(readFixture("config.ini"), config);
    QCOMPARE(QFileInfo::exists("config.ini"), !config.isNull());
}

void TestGlobalManager::startDialogSwitchesLanguageThenEntersOrLeaves()
{
    TestWorkDir dir(TestWorkDir::WithAssets);
    // Spelled as no write of the settings would spell it.
    QVERIFY(writeFixture("config.ini", "[config]\nlanguage = 2\n"));
    GlobalManager::instance(); // as at start-up: settings are read before the dialog exists
    {
        InitDlg dialog;
        dialog.show();
        auto *combo = dialog.findChild<QComboBox *>("comboBox");
        auto *enter = dialog.findChild<QPushButton *>("initDataBtn");
        QCOMPARE(combo->currentIndex(), 2);
        QCOMPARE(enter->text(), QString("Enter"));
        // Showing the stored choice writes nothing.
        QCOMPARE(readFixture("config.ini"), QByteArray("[config]\nlanguage = 2\n"));
        combo->setCurrentIndex(1);
        QCOMPARE(readIniInt("config.ini", "/config/language"), 1);
        QCOMPARE(enter->text(), QString::fromUtf8("進入系統"));
        QTest::mouseClick(enter, Qt::LeftButton);
        // The enter signal is queued: the dialog is accepted on the next turn.
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
    }
    // The next start uses the last choice.
    GlobalManager::resetInstance();
    QCOMPARE(GlobalManager::instance()->language(), 1);
    InitDlg dialog;
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    // Without its picture the dialog is filled dark blue.
    TestWorkDir bare;
    InitDlg plain;
    plain.resize(400, 300);
    QCOMPARE(plain.grab().toImage().pixelColor(2, 2), QColor(0, 0, 128));
}

void TestGlobalManager::openKeepsUsableSafeEntriesAndRemembersFolder()
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
    // The folder is remembered for the next open.
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

void TestGlobalManager::newProjectFile_data()
{
    QTest::addColumn<QString>("folder");   // the open folder asked for
    QTest::addColumn<QString>("name");
    QTest::newRow("no folder") << QString() << "demo";
    QTest::newRow("slash") << "demo" << "a/b";
    QTest::newRow("folder that cannot be made") << "blocker/demo" << "demo";
}

void TestGlobalManager::newProjectFile()
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
    QVERIFY(!manager()->createProjectFile(name));
    QCOMPARE(folderSnapshot(m_dir->path()), before);
    QVERIFY(!QFile::exists(QDir::rootPath() + name + ".projectui"));
}

void TestGlobalManager::refusalsKeepMemoryDiskAndTabs_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("name");      // the new name of a rename; what the file opened holds
    QTest::addColumn<QString>("message");   // "@": the file that failed
    // A file name that leaves no room for the temporary file an atomic write
    // puts beside it: every save of the project file fails.
    for (const char *operation : {"add entry", "update entry", "move down", "rename", "delete"})
        QTest::newRow(qPrintable(QStringLiteral("%1, project file unwritable").arg(operation)))
            << false << operation << "z"
            << QStringLiteral("open file fail: @\n写入失败: ") + QString::fromLocal8Bit(std::strerror(ENAMETOOLONG));
    const QString exists = QString::fromUtf8("名称已存在");
    QTest::newRow("rename onto a page of that name") << true << "rename" << "b" << exists;
    QTest::newRow("rename onto a stray file of that name") << true << "rename" << "stray" << exists;
    // Said why, as the name check says it.
    QTest::newRow("rename to a backslash") << true << "rename" << "x\\y"
                                           << QString::fromUtf8("文件名不能包含“:”、“\\”或“/”");
    QTest::newRow("rename to empty") << true << "rename" << ""
                                     << QString::fromUtf8("文件名不能为空，也不能是“.”或“..”");
    QTest::newRow("rename an unknown page") << true << "rename nobody" << "z" << QString();
    // Opening a file that is no project keeps the open one, unsaved and unclosed.
    QTest::newRow("open a broken file") << true << "open" << R"({"Page": [)" << QString::fromUtf8("文件解析错误");
    QTest::newRow("open a Page object") << true << "open" << R"({"Page": {}})" << QString::fromUtf8("文件格式不对");
    QTest::newRow("open a missing file") << true << "open" << QString() << "open file fail: @";
}

void TestGlobalManager::refusalsKeepMemoryDiskAndTabs()
{
    QFETCH(bool, writable);
    QFETCH(QString, operation);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(open(kThreePages, {"a.json", "b.json", "stray.json"}, QByteArray(),
                 writable ? QStringLiteral("main.projectui") : QString(245, QLatin1Char('p')) + ".projectui"));
    RecordingPage *page = addRecordingPageTab(m_tabs.get(), "a");
    const QString bad = m_dir->filePath("other/bad.projectui");
    if (operation == "open" && !name.isNull())
        QVERIFY(writeFixture(bad, name.toUtf8()));
    const auto before = folderSnapshot(m_dir->path());
    const QJsonObject project = manager()->project();
    PageInfo changed = manager()->pages().first();
    changed.placeId = 9;
    QSignalSpy clears(manager(), SIGNAL(signalClearItems()));
    // Put back before it is said, not once the box is closed.
    QList<bool> keptWhileSaid;
    m_notifier->whileShown([&](const Notifier::Prompt &) { keptWhileSaid << (folderSnapshot(m_dir->path()) == before); });
    const bool done = operation == "open"            ? manager()->openProject(bad)
                      : operation == "add entry"     ? manager()->addPageEntry(0, "d.json", 0)
                      : operation == "update entry"  ? manager()->updatePageEntry(changed)
                      : operation == "move down"     ? manager()->movePageDown("a")
                      : operation == "rename"        ? manager()->renamePage("a", name)
                      : operation == "rename nobody" ? manager()->renamePage("nobody", name)
                                                     : manager()->deletePage("a");
    QVERIFY(!done);
    const QString failed = message.replace('@', operation == "open" ? bad : m_path);
    // A failed write says why on a line of its own.
    QCOMPARE(m_notifier->texts(), failed.isEmpty() ? QStringList() : QStringList(failed));
    QCOMPARE(keptWhileSaid, failed.isEmpty() ? QList<bool>() : QList<bool>{true});
    QCOMPARE(folderSnapshot(m_dir->path()), before);
    QCOMPARE(clears.count(), 0);
    QCOMPARE(manager()->projectPath(), folder());
    QCOMPARE(manager()->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(manager()->pages().first().placeId, 4);
    QCOMPARE(m_tabs->tabText(0), QString("a"));
    QVERIFY(page->renamedName.isEmpty() && page->saves == 0);
}

void TestGlobalManager::fullDiskKeepsEveryFileOfTheProject_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("file");   // the one whose write fails
    for (const char *operation : {"new page", "copy", "import"})
        QTest::newRow(operation) << operation << "d.json";
    QTest::newRow("resize a closed page") << "resize" << "b.json";
    for (const char *operation : {"add entry", "rename", "move down", "delete"})
        QTest::newRow(operation) << operation << "main.projectui";
}

void TestGlobalManager::fullDiskKeepsEveryFileOfTheProject()
{
    QFETCH(QString, operation);
    QFETCH(QString, file);
    QVERIFY(openProjectToChange());
    const auto before = folderSnapshot(folder());
    const QJsonObject project = manager()->project();
    {
        FileSizeLimit full{16};
        if (!full.active)
            QSKIP("the file size limit cannot be set here");
        if (operation == "resize")
            manager()->slotSetResData("b", 1280, 720);
        else
            QVERIFY(!changeEntries(operation));
    }
    QCOMPARE(m_notifier->texts(), QStringList("open file fail: " + folder() + "/" + file + "\n" + QString::fromUtf8("磁盘空间不足")));
    QCOMPARE(folderSnapshot(folder()), before);
    QCOMPARE(manager()->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
}

void TestGlobalManager::namesTheUploadRefusesAreRefusedWhenGiven_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");   // empty: the page or project is made
    const QString reserved = QString::fromUtf8("文件名不能包含“:”、“\\”或“/”");
    // Characters of three UTF-8 bytes each.
    const QString wide25(25, QChar(0x5385));
    const QString wide19(19, QChar(0x5385));
    const QString wide17(17, QChar(0x5385));
    const QString tooLong = QString::fromUtf8("文件名过长：“%1”有%2字节，多了%3字节（最多63字节）");
    const QString hidden = QString::fromUtf8("文件名不能以“.”开头：这样的隐藏文件不会上传");
    for (const char *route : {"create page", "rename", "copy", "import", "create project file"}) {
        const QString routeName = QString::fromLatin1(route);
        const bool project = routeName == "create project file";
        const QString suffix = project ? ".projectui" : ".json";
        QTest::addRow("%s: colon", route) << route << "main:ctrl" << reserved;
        QTest::addRow("%s: colon and digit", route) << route << "home:1" << reserved;
        // No bare file name: the reason the name check gives too.
        QTest::addRow("%s: backslash", route) << route << "x\\y" << reserved;
        if (routeName != "import")
            QTest::addRow("%s: dots", route) << route << ".." << QString::fromUtf8("文件名不能为空，也不能是“.”或“..”");
        QTest::addRow("%s: 25 wide characters", route)
            << route << wide25 << tooLong.arg(wide25 + suffix).arg(75 + suffix.size()).arg(12 + suffix.size());
        // 62 bytes with ".json", 61 with ".projectui": the most that fits.
        QTest::addRow("%s: fits", route) << route << (project ? wide17 : wide19) << QString();
        // An imported page is named by its file up to the first dot: never hidden.
        if (routeName != "import")
            QTest::addRow("%s: hidden", route) << route << ".x" << hidden;
    }
}

void TestGlobalManager::namesTheUploadRefusesAreRefusedWhenGiven()
{
    QFETCH(QString, route);
    QFETCH(QString, name);
    QFETCH(QString, message);
    const bool project = route == "create project file";
    const QString outside = m_dir->filePath("outside/" + name + ".json");
    if (project) {
        QVERIFY(manager()->saveOpenDir(m_dir->filePath("fresh")));
    } else {
        QVERIFY(open(kThreePages, {"a.json", "b.json"}));
        QVERIFY(writePage(outside, {QJsonObject{{"type", "Page"}, {"w", 800}, {"h", 600}, {"PlaceId", 2}}}));
    }
    const auto before = folderSnapshot(m_dir->path());
    const QJsonObject projectBefore = manager()->project();
    const QStringList pagesBefore = pageNames();
    const bool done = route == "create page" ? manager()->createPage(name, 800, 600, 0)
                      : route == "rename"    ? manager()->renamePage("a", name)
                      : route == "copy"      ? manager()->copyPage("a", name, 1920, 1080, 0)
                      : route == "import"    ? manager()->importPage(outside, nullptr)
                                             : manager()->createProjectFile(name);
    QCOMPARE(done, message.isEmpty());
    if (!done) {
        // Said once, and nothing made: no file, no page, the project file as it was.
        QCOMPARE(m_notifier->texts(), QStringList(message));
        QCOMPARE(folderSnapshot(m_dir->path()), before);
        QCOMPARE(manager()->project(), projectBefore);
        QCOMPARE(pageNames(), pagesBefore);
        return;
    }
    QVERIFY(m_notifier->prompts().isEmpty());
    if (project) {
        QCOMPARE(manager()->projectFile(), name + ".projectui");
        QVERIFY(QFile::exists(m_dir->filePath("fresh/" + name + ".projectui")));
        return;
    }
    QVERIFY(QFile::exists(pagePath(name)));
    QVERIFY(pageNames().contains(name));
    QVERIFY(projectEntryFiles(m_path).contains(name + ".json"));
}

void TestGlobalManager::namesAlreadyGivenStillOpenAndSave_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("page");
    QTest::newRow("colon") << "room:A" << "main:ctrl";
    QTest::newRow("hidden") << ".x" << ".x";
}

void TestGlobalManager::namesAlreadyGivenStillOpenAndSave()
{
    QFETCH(QString, project);
    QFETCH(QString, page);
    // A project and a page named before such names were refused.
    QVERIFY(open(R"({"Page": [{"File": ")" + page.toUtf8() + R"(.json"}]})", {}, QByteArray(), project + ".projectui",
                 project));
    QVERIFY(writePage(pagePath(page), {pageObject(800, 600)}));
    QCOMPARE(pageNames(), QStringList(page));
    QVERIFY(manager()->openPageTab(page, 0));
    QVERIFY(addControl(manager()->currentPage(), 113, "Button_0"));
    manager()->saveAllPages();
    QCOMPARE(readPage(pagePath(page)).size(), 2);
    // Its own name is no new name; a name that fits is taken.
    QVERIFY(manager()->renamePage(page, page));
    QVERIFY(manager()->renamePage(page, "main"));
    QCOMPARE(projectEntryFiles(m_path), QStringList("main.json"));
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestGlobalManager::entriesAreAddedRenamedAndMovedWithTheirRecords()
{
    QVERIFY(open(kThreePages, {"a.json", "b.json"}));
    // Reopened, the project is read after its open pages were closed: what
    // a closing page wrote into this very file stays, also on the next save.
    PageInfo edited = manager()->pages().at(1);
    edited.placeId = 12;
    edited.mainPage = 1;
    auto *scroll = new QScrollArea;
    scroll->setWidget(new SavingPage(edited));
    m_tabs->addTab(scroll, "b");
    QVERIFY(manager()->openProject(m_path));
    QCOMPARE(manager()->pages().at(1).placeId, 12);
    addRecordingPageTab(m_tabs.get(), "c");
    RecordingPage *page = addRecordingPageTab(m_tabs.get(), "a");
    QVERIFY(manager()->addPageEntry(0, "d.json", 1));
    QCOMPARE(projectEntries(m_path).at(3).toObject(), jsonFixture(R"({"File": "d.json", "MainPage": 0, "PageType": 1})"));
    // An existing entry only takes the new "MainPage".
    QVERIFY(manager()->addPageEntry(0, "b.json", 3));
    QCOMPARE(projectEntries(m_path).at(1).toObject(),
             jsonFixture(R"({"File": "b.json", "MainPage": 0, "PlaceId": 12, "PageType": 1})"));
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

void TestGlobalManager::devicesAndPicturesGoWithTheirProject()
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
    for (int pictures : {1, 2}) {
        QTimer::singleShot(0, [] { manager()->imageDialog()->reject(); });
        QCOMPARE(manager()->showImageDialog(path), int(QDialog::Rejected));
        QCOMPARE(manager()->imageDialog()->listWidget()->count(), pictures);
        writeFixture(folder() + "/b.png", "png");
    }

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

void TestGlobalManager::specialProjectFilesAreNamedNotRead_data()
{
    QTest::addColumn<QString>("file");   // in the project folder
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("opens");
    for (const char *kind : {"fifo", "zero"}) {
        QTest::addRow("project file, %s", kind) << "main.projectui" << kind << false;
        // The devices are kept from being written over: their editor opens read-only.
        QTest::addRow("devices, %s", kind) << "mid_ctrl.dat" << kind << true;
        QTest::addRow("events, %s", kind) << "event.dat" << kind << true;
    }
}

void TestGlobalManager::specialProjectFilesAreNamedNotRead()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(bool, opens);
    QVERIFY(open(kThreePages, {"a.json"}));
    const QString special = m_dir->filePath("special/") + file;
    const QString project = m_dir->filePath("special/main.projectui");
    QVERIFY(makeSpecialFile(special, kind) && (opens ? writeFixture(project, kNoPages) : true));
    {
        const ReadWatchdog watchdog;
        QCOMPARE(manager()->openProject(project), opens);
    }
    QCOMPARE(m_notifier->texts().size(), 1);
    QVERIFY(m_notifier->texts().first().startsWith(QString::fromUtf8("不是普通文件，未读取: ") + special));
    // A refused project leaves the open one; an opened one has what it could read.
    QCOMPARE(manager()->projectPath(), opens ? m_dir->filePath("special") : folder());
    QCOMPARE(pageNames(), opens ? QStringList() : QStringList({"a", "b", "c"}));
    const bool devicesKept = file == "mid_ctrl.dat";
    QCOMPARE(manager()->midCtrlsReadOnlyReason().isEmpty(), !devicesKept);
    if (devicesKept)
        QVERIFY(manager()->midCtrls().isEmpty() && !manager()->saveMidCtrls());
    QCOMPARE(fileKind(special), kind);
}

void TestGlobalManager::specialProgramFilesAreNamedAndKept_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"fifo", "zero"}) {
        QTest::addRow("grid templates, %s", kind) << "templates" << kind;
        QTest::addRow("style sheet, %s", kind) << "./resource/assets/qss/index.qss" << kind;
    }
}

void TestGlobalManager::specialProgramFilesAreNamedAndKept()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    const bool templates = file == "templates";
    if (templates)
        file = manager()->gridTemplatePath();
    const QString sheet = qApp->styleSheet();
    QVERIFY(makeSpecialFile(file, kind));
    {
        const ReadWatchdog watchdog;
        if (templates)
            QVERIFY(!manager()->loadGridTemplates());
        else
            manager()->loadStyleSheet();
    }
    QCOMPARE(m_notifier->texts(), QStringList(QString::fromUtf8("不是普通文件，未读取: ") + file));
    QCOMPARE(qApp->styleSheet(), sheet);
    // Not written over with the little that was held instead.
    QVERIFY(!templates || (manager()->gridTemplates().isEmpty() && !manager()->saveGridTemplates({QJsonObject()})));
    QCOMPARE(fileKind(file), kind);
}

void TestGlobalManager::savesThroughALinkToADeviceAreRefused_data()
{
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("file");   // in the project folder; "@": the grid template file
    QTest::addColumn<QString>("said");   // "%1": the file's path
    // The device editor says it, with its question.
    QTest::newRow("devices") << "devices" << "mid_ctrl.dat" << "";
    QTest::newRow("open page") << "page" << "a.json" << "open file fail: %1";
    QTest::newRow("copied page") << "copy" << "d.json" << "open file fail: %1";
    QTest::newRow("imported page") << "import" << "d.json" << "open file fail: %1";
    // The grid editor says it, naming the file.
    QTest::newRow("grid templates") << "grid" << "@" << "";
}

void TestGlobalManager::savesThroughALinkToADeviceAreRefused()
{
    QFETCH(QString, save);
    QFETCH(QString, file);
    QFETCH(QString, said);
    // Read while they were files; then the name is made a link to a device.
    QVERIFY(openTwoPages());
    const QString grid = manager()->gridTemplatePath();
    QVERIFY(writeFixture(grid, "[]") && manager()->loadGridTemplates());
    UIPage *page = openPageTab("a");
    QVERIFY(page);
    const QString imported = m_dir->filePath("elsewhere/d.json");
    QVERIFY(writeFixture(imported, R"({"Control": [{"type": "Page", "w": 1, "h": 1, "PlaceId": 1}]})"));
    const QString path = file == "@" ? grid : folder() + "/" + file;
    QFile::remove(path);
    QVERIFY(makeSpecialFile(path, "zero"));
    m_notifier->clear();

    const ReadWatchdog watchdog;
    if (save == "page") {
        page->setModified(true);
        page->slotSaveFile();
        QVERIFY(page->isModified());
    } else {
        QVERIFY(!(save == "devices"  ? manager()->saveMidCtrls().isWritten()
                  : save == "copy"   ? manager()->copyPage("a", "d", 800, 600, 0)
                  : save == "import" ? manager()->importPage(imported, nullptr)
                                     : manager()->saveGridTemplates({QJsonObject()}).isWritten()));
    }
    // Said with the whole path and why.
    QCOMPARE(m_notifier->texts(), said.isEmpty() ? QStringList()
                                                 : QStringList(FileWrite(path, FileWrite::NotAFile).problem(said.section('%', 0, 0))));
    QCOMPARE(pageNames(), QStringList({"a", "b"}));
    QCOMPARE(fileKind(path), QString("zero"));
}

void TestGlobalManager::refusedGridTemplatesAreSaidOnceAtStart()
{
    QVERIFY(writeFixture("config.ini", "[config]\nlanguage=0\n"));
    const QString simplified = "./data_template/grid_template/zh_cn/template.json";
    const QString traditional = "./data_template/grid_template/zh_tw/template.json";
    QVERIFY(makeSpecialFile(simplified, "fifo") && makeSpecialFile(traditional, "fifo"));
    const QString refusal = QString::fromUtf8("不是普通文件，未读取: ");
    const ReadWatchdog watchdog;
    {
        // As at start-up: the manager, then the start dialog entered in the stored language.
        GlobalManager::instance();
        InitDlg dialog;
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton *>("initDataBtn"), Qt::LeftButton);
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(m_notifier->texts(), QStringList(refusal + simplified));
    // Every later reading says it again: a language switch, and the property
    // editor's before the template dialog.
    manager()->setLanguage(1);
    QVERIFY(!manager()->loadGridTemplates());
    QCOMPARE(m_notifier->texts(), QStringList({refusal + simplified, refusal + traditional, refusal + traditional}));
}

void TestGlobalManager::deviceTextsAreCutAtFieldSizes()
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
    QCOMPARE(recordText(record.cmds.at(0).data), data.left(341));

    // Read whole, the devices are written on saving; a write that fails
    // comes back with its reason, for the device editor to say.
    const QString devices = folder() + "/mid_ctrl.dat";
    QVERIFY(QFile::remove(devices) && QDir().mkpath(devices)); // a folder where the file should go
    const FileWrite written = manager()->saveMidCtrls();
    QCOMPARE(written.status(), FileWrite::NotAFile);
    QCOMPARE(written.path(), devices);
    QVERIFY(m_notifier->texts().isEmpty());
    QCOMPARE(manager()->midCtrls().size(), 1);
}

void TestGlobalManager::recordTextDropsHalfCharacter()
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

void TestGlobalManager::closingTabAsksOnlyWhenModified_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("closed");
    QTest::newRow("unmodified: no question") << false << int(QMessageBox::Cancel) << true << true;
    QTest::newRow("save") << true << int(QMessageBox::Yes) << true << true;
    QTest::newRow("do not save") << true << int(QMessageBox::No) << true << true;
    QTest::newRow("cancel") << true << int(QMessageBox::Cancel) << true << false;
    QTest::newRow("save that fails keeps the tab") << true << int(QMessageBox::Yes) << false << false;
}

void TestGlobalManager::closingTabAsksOnlyWhenModified()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, writable);
    QFETCH(bool, closed);
    QVERIFY(openTwoPages());
    UIPage *page = openPageTab("a");
    QPointer<UIPage> watch = page;
    click(addControl(page, 113, "Button_0", 10, 10));
    manager()->slotCopy();
    page->setModified(modified);
    // A folder in place of the page file: it can no longer be written.
    if (!writable)
        QVERIFY(QFile::remove(pagePath("a")) && QDir().mkdir(pagePath("a")));
    const QByteArray before = readFixture(pagePath("a"));
    m_notifier->queueAnswer(QMessageBox::StandardButton(answer));
    emit m_tabs->tabCloseRequested(0);

    QCOMPARE(m_notifier->prompts().size(), !modified ? 0 : writable ? 1 : 2);
    if (modified) {
        QCOMPARE(m_notifier->prompts().first().kind, Notifier::Warning);
        QCOMPARE(m_notifier->prompts().first().text, QString::fromUtf8("检测到配置已修改，是否保存修改在关闭?"));
    }
    QCOMPARE(m_tabs->count(), closed ? 0 : 1);
    QCOMPARE(manager()->hasPage("a")->opened, closed ? 0 : 1);
    QCOMPARE(readFixture(pagePath("a")) != before, modified && answer == QMessageBox::Yes && writable);
    // No copy of a closed page's controls is left to paste.
    QCOMPARE(manager()->clipboard().isEmpty(), closed);
    flushDeletes();
    QCOMPARE(watch.isNull(), closed);
    if (!closed) {
        // The page, its changes and its history stay.
        QVERIFY(page->isModified());
        QCOMPARE(page->undoStack()->count(), 1);
    }
}

void TestGlobalManager::forwardersReachOnlyThePageInFront()
{
    QVERIFY(openTwoPages());
    UIPage *a = openPageTab("a");
    UIBase *inA = addControl(a, 129, "CmdButton_0", 10, 10);
    click(inA);
    const QJsonObject before = inA->attributes();
    UIPage *b = openPageTab("b");
    UIBase *first = addControl(b, 129, "CmdButton_0", 10, 10);
    UIBase *second = addControl(b, 129, "CmdButton_1", 100, 10);
    QVERIFY(select({first, second}));
    manager()->slotSelfLock();
    manager()->alignControls(0);
    manager()->raiseControl(false);
    manager()->slotCopy();
    manager()->slotPaste();
    manager()->slotUndo();
    manager()->slotSetScaleData(50);
    click(first);
    manager()->slotFormatPainter();
    QVERIFY(b->controlCount() == 3 && b->isFormatPainterOn());
    // The page behind saw none of it, and kept the default zoom it took in front.
    QCOMPARE(a->controlCount(), 1);
    QCOMPARE(inA->attributes(), before);
    QCOMPARE(a->getScale(), manager()->defaultZoom() / 100.0);
    QVERIFY(!a->isFormatPainterOn());

    // Brought forward, a page shows the default zoom, 68 % of the fit scale,
    // and its own controls in the tree.
    QSignalSpy zoom(manager(), SIGNAL(signalWidgetScaleData(int)));
    m_tabs->setCurrentIndex(0);
    QCOMPARE(zoom.count(), 1);
    QCOMPARE(zoom.first().first().toInt(), 68);
    QCOMPARE(m_controls->controlNames(129), QStringList("CmdButton_0"));
    manager()->setCurrentTabByName("b");
    QCOMPARE(m_tabs->currentIndex(), 1);
    QCOMPARE(zoom.count(), 2);
    // Closing another page keeps what was copied here.
    m_notifier->queueAnswer(QMessageBox::No);
    emit m_tabs->tabCloseRequested(0);
    QCOMPARE(m_tabs->count(), 1);
    manager()->slotPaste();
    QCOMPARE(b->controlCount(), 5);
}

void TestGlobalManager::propertyForwardersServeOnlyTheControlOnView()
{
    QVERIFY(openTwoPages());
    QWidget shown;
    QWidget other;
    auto rowText = [this](const char *key) {
        return qobject_cast<QLineEdit *>(m_properties->editorAt(m_properties->rowOf(104, key)))->text();
    };
    // Without a current page nothing is shown.
    manager()->showProperty("a", &shown, 104, QJsonObject{{"x", 1}});
    QVERIFY(!manager()->propertyControl() && !m_properties->currentControl());
    openPageTab("a");
    manager()->showProperty("ignored", &shown, 104, QJsonObject{{"x", 1}});
    QCOMPARE(m_properties->currentControl(), &shown);
    QCOMPARE(m_properties->shownClass(), 104);
    // A refresh reaches the rows for the control on view only.
    manager()->refreshProperty("a", &other, 104, QJsonObject{{"x", 2}});
    QCOMPARE(rowText("x"), QString("1"));
    manager()->refreshProperty("a", &shown, 104, QJsonObject{{"x", 3}});
    QCOMPARE(rowText("x"), QString("3"));
    // A tab that is visible but not the recorded current one is not enough.
    manager()->setCurrentTabByName("none");
    manager()->showProperty("a", &other, 100, QJsonObject());
    manager()->refreshProperty("a", &shown, 104, QJsonObject{{"x", 4}});
    QCOMPARE(m_properties->currentControl(), &shown);
    QCOMPARE(rowText("x"), QString("3"));
    manager()->forgetControl(&shown);
    QVERIFY(!manager()->propertyControl());
    manager()->hideProperty();
    QVERIFY(!m_properties->currentControl());

    // With no tab left nothing reaches a page, nor the window's panels that went first.
    emit m_tabs->tabCloseRequested(0);
    delete m_controls;
    delete m_properties;
    QVERIFY(!manager()->controlFrame() && !manager()->propertyWidget());
    QSignalSpy zooms(manager(), SIGNAL(signalWidgetScaleData(int)));
    manager()->showProperty("a", &shown, 100, QJsonObject());
    manager()->fillProperty(&shown, 100, QJsonObject());
    manager()->hideProperty();
    manager()->removeControlItem(100, "page");
    manager()->resetZoom();
    manager()->setCurrentTabByName("a");
    manager()->addControlAtCursor(QRect(0, 0, 160, 90));
    manager()->slotFormatPainter();
    manager()->slotAllLock();
    QVERIFY(!manager()->propertyControl());
    QCOMPARE(zooms.count(), 0);
    QCOMPARE(manager()->maxId(), 0);
    QVERIFY(m_notifier->prompts().isEmpty());
}

QTEST_MAIN(TestGlobalManager)
void TestGlobalManager::largestGridTemplateIsReadBack()
{
    // The editor's largest grid lists a million cells: the template file's
    // bound must take what the editor itself writes.
    GridTemplate record;
    record.row = record.col = kMaxGridLines;
    record.tw = 1920;
    record.th = 1080;
    const QVector<GridCell> cells = regularGridCells(record.row, record.col, record.tw, record.th);
    QVERIFY(QDir().mkpath(QFileInfo(manager()->gridTemplatePath()).absolutePath()));
    QVERIFY(manager()->saveGridTemplates(QJsonArray{gridTemplateObject(record, 0, cells)}));
    QVERIFY(manager()->loadGridTemplates());
    QCOMPARE(manager()->gridTemplates().size(), 1);
    QVERIFY(m_notifier->texts().isEmpty());
}

void TestGlobalManager::languageThatDoesNotFitKeepsTheOtherSettings_data()
{
    // The language key is new: the settings grow by its line, which is more
    // than the room left, and it sorts before the folder, so a cut copy still
    // holds the new language and loses the end of the folder.
    QTest::addColumn<int>("room");   // bytes the file may grow by
    QTest::newRow("no room") << 0;
    QTest::newRow("four bytes of room") << 4;
    QTest::newRow("eight bytes of room") << 8;
}

void TestGlobalManager::languageThatDoesNotFitKeepsTheOtherSettings()
{
    QFETCH(int, room);
    const QString openDir = "/" + QString(200, 'p') + "/hall";
    const QByteArray old = "[config]\nopen_dir=" + openDir.toUtf8() + "\n";
    QVERIFY(writeFixture("config.ini", old));
    bool written = true;
    {
        FileSizeLimit full{quint64(old.size() + room)};
        if (!full.active)
            QSKIP("the file size limit cannot be set here");
        written = writeIniValue("config.ini", "/config/language", 2);
    }
    QCOMPARE(readFixture("config.ini"), old);
    QVERIFY(!written);
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList("config.ini"));
    // With room the language goes in beside the folder.
    QVERIFY(writeIniValue("config.ini", "/config/language", 2));
    QCOMPARE(readIniInt("config.ini", "/config/language"), 2);
    QCOMPARE(readIniString("config.ini", "/config/open_dir"), openDir);
}

// The language changes at once either way; a choice the settings cannot keep
// is said, since the next start would silently go back.
void TestGlobalManager::languageThatCannotBeStoredIsSaid()
{
    TestWorkDir dir(TestWorkDir::WithAssets);
    QVERIFY(writeFixture("config.ini", "[config]\nlanguage=0\n"));
    GlobalManager::instance();
    InitDlg dialog;
    dialog.show();
    auto *combo = dialog.findChild<QComboBox *>("comboBox");
    auto *enter = dialog.findChild<QPushButton *>("initDataBtn");
    QVERIFY(QFile::remove("config.ini"));
    QVERIFY(QDir().mkdir("config.ini"));

    combo->setCurrentIndex(2);
    QCOMPARE(enter->text(), QString("Enter"));
    const QString path = QDir::toNativeSeparators(QFileInfo("config.ini").absoluteFilePath());
    QCOMPARE(m_notifier->texts(),
             QStringList("Cannot save the language setting: " + path + "\nThe next start still uses the previous language"));
    QVERIFY(QFileInfo("config.ini").isDir());

    // Once the settings can be written the next choice is kept, and nothing is said.
    QVERIFY(QDir().rmdir("config.ini"));
    combo->setCurrentIndex(1);
    QCOMPARE(readIniInt("config.ini", "/config/language"), 1);
    QCOMPARE(m_notifier->texts().size(), 1);
}

void TestGlobalManager::projectFileOverItsBoundIsNotWritten_data()
{
    QTest::addColumn<QString>("operation");
    for (const char *operation : {"new page", "copy", "import", "add entry", "rename"})
        QTest::newRow(operation) << operation;
}

// Every change of the project's entries makes the project file longer here;
// the bound lies at its length now.
void TestGlobalManager::projectFileOverItsBoundIsNotWritten()
{
    QFETCH(QString, operation);
    QVERIFY(openProjectToChange());
    const auto before = folderSnapshot(folder());
    const QJsonObject project = manager()->project();
    const qint64 bound = QJsonDocument(project).toJson().size();
    WholeFile::setLimitForTesting(WholeFile::Kind::ProjectFile, bound);
    const auto restore = qScopeGuard([] { WholeFile::setLimitForTesting(WholeFile::Kind::ProjectFile, -1); });

    const bool done = changeEntries(operation);
    QCOMPARE(folderSnapshot(folder()), before);
    QVERIFY(!done);
    QCOMPARE(m_notifier->texts().size(), 1);
    QVERIFY2(saysTooLarge(m_notifier->texts().first(), "open file fail: ", m_path, bound),
             qPrintable(m_notifier->texts().first()));
    QCOMPARE(manager()->project(), project);
    QCOMPARE(pageNames(), QStringList({"a", "b", "c"}));
}

#include "tst_globalmanager.moc"
