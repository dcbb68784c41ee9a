#include "app/globalmanager.h"
#include "core/midctrlrecord.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {
const char kDevices[] = R"({"MidCtrls": [
    {"uuid": 100001, "name": "matrix", "ip": "192.168.1.10", "port": 5000, "protocol": 1,
     "cmds": [
        {"uuid": 200001, "name": "on", "data": "AA 01", "data_type": 0, "send_type": 0, "ms": 0},
        {"uuid": 200002, "name": "no interval", "data": "x", "data_type": 1, "send_type": 1},
        "not a command",
        {"uuid": "200003", "name": "uuid as text", "data": "x", "data_type": 1, "send_type": 1, "ms": 5},
        {"uuid": 200004, "name": "poll", "data": "status", "data_type": 1, "send_type": 1, "ms": 500}
     ]},
    {"uuid": 100002, "ip": 17, "port": 1, "protocol": 0, "cmds": []},
    {"uuid": 100003, "ip": "10.0.0.3", "protocol": 0},
    {"uuid": 100004, "name": 12, "ip": "10.0.0.4", "port": 23, "protocol": 0},
    7
]})";

// What saving the devices above writes back: skipped elements gone, a device
// without commands given an empty list; written indented with sorted keys.
const char kDevicesKept[] = R"({"MidCtrls": [
    {"uuid": 100001, "name": "matrix", "ip": "192.168.1.10", "port": 5000, "protocol": 1,
     "cmds": [
        {"uuid": 200001, "name": "on", "data": "AA 01", "data_type": 0, "send_type": 0, "ms": 0},
        {"uuid": 200004, "name": "poll", "data": "status", "data_type": 1, "send_type": 1, "ms": 500}
     ]},
    {"uuid": 100004, "name": "", "ip": "10.0.0.4", "port": 23, "protocol": 0, "cmds": []}
]})";

QByteArray devicesWritten()
{
    return QJsonDocument(jsonFixture(kDevicesKept)).toJson(QJsonDocument::Indented);
}

QString makeProject(const QString &root, const QByteArray &devices = QByteArray(),
                    const QByteArray &events = QByteArray(), const QString &folder = QStringLiteral("hall"))
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

QString gridPath(const char *language)
{
    return QStringLiteral("data_template/grid_template/") + QLatin1String(language) + "/template.json";
}

QJsonObject gridTemplate(const QString &name, const QString &modeKey = QStringLiteral("gridmode"))
{
    return QJsonObject{{"id", 1}, {"name", name}, {"standard", 0}, {"walltype", 1}, {modeKey, 2},
                       {"row", 2}, {"col", 3}, {"tw", 1920}, {"th", 1080},
                       {"rect", QJsonArray{QJsonObject{{"x", 0}, {"y", 0}, {"w", 640}, {"h", 540}}}}};
}
} // namespace

class TestStoreFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void devicesLoadSkippingBrokenElementsAndWriteBackSorted();
    void textsAreCutAtFieldSizes_data();
    void textsAreCutAtFieldSizes();
    void recordTextDropsHalfCharacter();
    void missingOrBrokenDeviceFileGivesNoDevices_data();
    void missingOrBrokenDeviceFileGivesNoDevices();
    void devicesStayAfterCloseAndAreReplacedOnNextOpen();
    void emptyDeviceListWritesEmptyArray();
    void unwritableDeviceFileIsReported();
    void brokenEventFileIsIgnored();

    void gridTemplatesFollowLanguage();
    void gridTemplatesKeepOnlyComplete();
    void gridTemplatesOtherThanArrayGiveNone_data();
    void gridTemplatesOtherThanArrayGiveNone();
    void gridTemplatesRoundTrip();
    void gridTemplatesWithoutFolderAreNotWritten();
};

void TestStoreFiles::devicesLoadSkippingBrokenElementsAndWriteBackSorted()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    const QString project = makeProject(dir.path(), kDevices);
    QVERIFY(manager->openProject(project));
    QCOMPARE(manager->midCtrls().size(), 2);
    QVERIFY(manager->saveMidCtrls());
    QCOMPARE(writtenDevices(project), devicesWritten());
    QVERIFY(writtenDevices(project).startsWith("{\n    \"MidCtrls\": [\n        {\n            \"cmds\": ["));
    QVERIFY(notifier.prompts().isEmpty());

    // What was written reads back and writes again unchanged.
    const QString again = makeProject(dir.path(), devicesWritten(), QByteArray(), "again");
    QVERIFY(manager->openProject(again));
    QVERIFY(manager->saveMidCtrls());
    QCOMPARE(writtenDevices(again), devicesWritten());
}

void TestStoreFiles::textsAreCutAtFieldSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QString>("storedIp");
    QTest::addColumn<QString>("storedData");

    const QString longAscii(70, QLatin1Char('n'));
    const QString longIp = QStringLiteral("192.168.100.100.100.100");
    const QString longData(1100, QLatin1Char('d'));
    QTest::newRow("ascii") << longAscii << longIp << longData
                           << longAscii.left(63) << longIp.left(19) << longData.left(1023);
    QTest::newRow("fits") << QString(63, 'n') << QString(19, '1') << QString(1023, 'd')
                          << QString(63, 'n') << QString(19, '1') << QString(1023, 'd');
    // 30 three-byte characters: 63 bytes hold exactly 21 of them; 1023 bytes
    // hold 341 of 400.
    const QString wide = QString::fromUtf8("会议室") .repeated(10);
    const QString wideData = QString::fromUtf8("数据").repeated(200);
    QTest::newRow("utf-8") << wide << QString("10.0.0.1") << wideData
                           << wide.left(21) << QString("10.0.0.1") << wideData.left(341);
    // Two-byte characters: 63 bytes end inside the 32nd, which is dropped.
    const QString twoByte = QString::fromUtf8("é").repeated(40);
    QTest::newRow("cut inside a character") << twoByte << QString("1.1.1.1") << QString("x")
                                            << twoByte.left(31) << QString("1.1.1.1") << QString("x");
}

void TestStoreFiles::textsAreCutAtFieldSizes()
{
    QFETCH(QString, name);
    QFETCH(QString, ip);
    QFETCH(QString, data);
    QFETCH(QString, storedName);
    QFETCH(QString, storedIp);
    QFETCH(QString, storedData);
    TestWorkDir dir;
    TestNotifier notifier;

    QJsonObject cmd{{"uuid", 200001}, {"name", name}, {"data", data}, {"data_type", 1},
                    {"send_type", 0}, {"ms", 0}};
    QJsonObject device{{"uuid", 100001}, {"name", name}, {"ip", ip}, {"port", 1}, {"protocol", 0},
                       {"cmds", QJsonArray{cmd}}};
    const QByteArray file = QJsonDocument(QJsonObject{{"MidCtrls", QJsonArray{device}}}).toJson();
    const QString project = makeProject(dir.path(), file);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(project));

    const MidCtrlRecord &record = manager->midCtrls().at(0);
    QCOMPARE(recordText(record.name), storedName);
    QCOMPARE(recordText(record.ip), storedIp);
    QCOMPARE(recordText(record.cmds.at(0).name), storedName);
    QCOMPARE(recordText(record.cmds.at(0).data), storedData);
    QCOMPARE(record.name[63], '\0');
    QCOMPARE(record.ip[19], '\0');
    QCOMPARE(record.cmds.at(0).data[1023], '\0');

    QVERIFY(manager->saveMidCtrls());
    const QJsonObject written = QJsonDocument::fromJson(writtenDevices(project)).object();
    const QJsonObject writtenDevice = written.value("MidCtrls").toArray().at(0).toObject();
    QCOMPARE(writtenDevice.value("name").toString(), storedName);
    QCOMPARE(writtenDevice.value("ip").toString(), storedIp);
    QCOMPARE(writtenDevice.value("cmds").toArray().at(0).toObject().value("data").toString(), storedData);
}

void TestStoreFiles::recordTextDropsHalfCharacter()
{
    // A buffer filled byte-wise elsewhere may end inside a character.
    char buffer[8] = {};
    const QByteArray bytes = QString::fromUtf8("ab会").toUtf8();
    memcpy(buffer, bytes.constData(), 4); // "ab" and the first two of three bytes
    QCOMPARE(recordText(buffer), QString("ab"));

    char full[4] = {'a', 'b', 'c', 'd'}; // no terminator at all
    QCOMPARE(recordText(full), QString("abcd"));

    char field[5];
    memset(field, 'x', sizeof field);
    setRecordText(field, QString::fromUtf8("a会"));
    QCOMPARE(QByteArray(field, 5), QByteArray("a\xe4\xbc\x9a\0", 5));
    setRecordText(field, QStringLiteral("abcdefg"));
    QCOMPARE(QByteArray(field, 5), QByteArray("abcd\0", 5));
}

void TestStoreFiles::missingOrBrokenDeviceFileGivesNoDevices_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("broken") << QByteArray("{\"MidCtrls\": [");
    QTest::newRow("array") << QByteArray("[{\"uuid\": 1}]");
    QTest::newRow("no MidCtrls") << QByteArray("{\"Devices\": []}");
    QTest::newRow("MidCtrls object") << QByteArray("{\"MidCtrls\": {}}");
}

void TestStoreFiles::missingOrBrokenDeviceFileGivesNoDevices()
{
    QFETCH(QByteArray, content);
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(makeProject(dir.path(), kDevices, QByteArray(), "first")));
    QCOMPARE(manager->midCtrls().size(), 2);
    QVERIFY(manager->openProject(makeProject(dir.path(), content, QByteArray(), "second")));
    QVERIFY(manager->midCtrls().isEmpty());
    QVERIFY(notifier.prompts().isEmpty());
}

void TestStoreFiles::devicesStayAfterCloseAndAreReplacedOnNextOpen()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openProject(makeProject(dir.path(), kDevices, QByteArray(), "first")));
    manager->closeProject();
    QCOMPARE(manager->midCtrls().size(), 2);
    // With no project open the devices have nowhere to go.
    QVERIFY(!manager->saveMidCtrls());
    QVERIFY(!QFile::exists(QDir::rootPath() + "mid_ctrl.dat"));

    const QByteArray one = R"({"MidCtrls": [{"uuid": 5, "ip": "1.2.3.4", "port": 9, "protocol": 0}]})";
    QVERIFY(manager->openProject(makeProject(dir.path(), one, QByteArray(), "second")));
    QCOMPARE(manager->midCtrls().size(), 1);
    // The reader takes any integer id; the editor keeps its own ranges.
    QCOMPARE(manager->midCtrls().at(0).uuid, 5);
}

void TestStoreFiles::emptyDeviceListWritesEmptyArray()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    const QString project = makeProject(dir.path());
    QVERIFY(manager->openProject(project));
    QVERIFY(manager->saveMidCtrls());
    QCOMPARE(writtenDevices(project), QByteArray("{\n    \"MidCtrls\": [\n    ]\n}\n"));
}

void TestStoreFiles::unwritableDeviceFileIsReported()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    const QString project = makeProject(dir.path(), kDevices);
    QVERIFY(manager->openProject(project));
    const QString devices = QFileInfo(project).absolutePath() + "/mid_ctrl.dat";
    QVERIFY(QFile::remove(devices));
    QVERIFY(QDir().mkpath(devices)); // a folder where the file should go

    QVERIFY(!manager->saveMidCtrls());
    QCOMPARE(notifier.texts(), QStringList(QString::fromUtf8("open file fail: ") + devices));
    QVERIFY(QFileInfo(devices).isDir());
    QCOMPARE(manager->midCtrls().size(), 2);
}

void TestStoreFiles::brokenEventFileIsIgnored()
{
    TestWorkDir dir;
    TestNotifier notifier;
    GlobalManager *manager = GlobalManager::instance();
    const QByteArray events = R"({"Events": [{"uuid": "e1"}, {"uuid": 2}, 3]})";
    const QString good = makeProject(dir.path(), QByteArray(), events, "good");
    QVERIFY(manager->openProject(good));
    QVERIFY(manager->openProject(makeProject(dir.path(), QByteArray(), "{\"Events\"", "broken")));
    QVERIFY(manager->isProjectOpen());
    QVERIFY(notifier.prompts().isEmpty());
    // Events are read, never written.
    QCOMPARE(readFixture(QFileInfo(good).absolutePath() + "/event.dat"), events);
}

void TestStoreFiles::gridTemplatesFollowLanguage()
{
    TestWorkDir dir;
    const QByteArray zhTw = QJsonDocument(QJsonArray{gridTemplate("tw")}).toJson();
    const QByteArray en = QJsonDocument(QJsonArray{gridTemplate("en1"), gridTemplate("en2")}).toJson();
    writeFixture(gridPath("zh_tw"), zhTw);
    writeFixture(gridPath("en"), en);
    writeFixture("config.ini", "[config]\nlanguage=2\n");

    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(manager->language(), 2);
    QCOMPARE(manager->gridTemplates().size(), 2);
    QCOMPARE(manager->gridTemplates().at(1).toObject().value("name").toString(), QString("en2"));

    manager->setLanguage(1);
    QCOMPARE(manager->gridTemplates().size(), 1);
    QCOMPARE(manager->gridTemplates().at(0).toObject(), gridTemplate("tw"));

    manager->setLanguage(0); // no zh_cn file
    QVERIFY(manager->gridTemplates().isEmpty());
}

void TestStoreFiles::gridTemplatesKeepOnlyComplete()
{
    TestWorkDir dir;
    QJsonObject noName = gridTemplate("x");
    noName.remove("name");
    QJsonObject textRow = gridTemplate("x");
    textRow.insert("row", "2");
    QJsonObject bare{{"name", "bare"}, {"standard", 1}, {"gridmode", 0}, {"row", 1}, {"col", 1}};
    const QJsonArray file{gridTemplate("keep"), gridTemplate("capital", "gridMode"), noName, textRow,
                          bare, 5, QJsonArray()};
    writeFixture(gridPath("zh_cn"), QJsonDocument(file).toJson());
    writeFixture("config.ini", "[config]\nlanguage=0\n");

    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(manager->gridTemplates(), QJsonArray({gridTemplate("keep"), bare}));
}

void TestStoreFiles::gridTemplatesOtherThanArrayGiveNone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("object") << QByteArray(R"({"name": "x"})");
    QTest::newRow("broken") << QByteArray(R"([{"name": )");
    QTest::newRow("empty") << QByteArray();
}

void TestStoreFiles::gridTemplatesOtherThanArrayGiveNone()
{
    QFETCH(QByteArray, content);
    TestWorkDir dir;
    writeFixture(gridPath("zh_cn"), content);
    writeFixture("config.ini", "[config]\nlanguage=0\n");
    QVERIFY(GlobalManager::instance()->gridTemplates().isEmpty());
    QVERIFY(!GlobalManager::instance()->loadGridTemplates());
}

void TestStoreFiles::gridTemplatesRoundTrip()
{
    TestWorkDir dir;
    writeFixture("config.ini", "[config]\nlanguage=2\n");
    QVERIFY(QDir().mkpath("data_template/grid_template/en"));
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->gridTemplates().isEmpty());

    const QJsonArray templates{gridTemplate("one"), gridTemplate("two")};
    QVERIFY(manager->saveGridTemplates(templates));
    // The list in memory follows the file only at the next load.
    QVERIFY(manager->gridTemplates().isEmpty());
    const QByteArray written = readFixture(gridPath("en"));
    QCOMPARE(written, QJsonDocument(templates).toJson(QJsonDocument::Indented));
    QVERIFY(written.startsWith("[\n    {\n        \"col\": 3,\n        \"gridmode\": 2,"));

    QVERIFY(manager->loadGridTemplates());
    QCOMPARE(manager->gridTemplates(), templates);
    QVERIFY(manager->saveGridTemplates(manager->gridTemplates()));
    QCOMPARE(readFixture(gridPath("en")), written);
}

void TestStoreFiles::gridTemplatesWithoutFolderAreNotWritten()
{
    TestWorkDir dir;
    TestNotifier notifier;
    writeFixture("config.ini", "[config]\nlanguage=1\n");
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(!manager->saveGridTemplates(QJsonArray{gridTemplate("one")}));
    QVERIFY(!QDir("data_template").exists());
    QVERIFY(notifier.prompts().isEmpty());
}

QTEST_MAIN(TestStoreFiles)
#include "tst_storefiles.moc"
