#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QtTest>

namespace {
const QLocale kTraditional(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan);
const QLocale kHongKong(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::HongKong);
const QLocale kSimplified(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
const QLocale kGerman(QLocale::German, QLocale::Germany);

QString enterText()
{
    return QCoreApplication::translate("InitDataWidget", "进入系统");
}
} // namespace

class TestGlobalManager : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void languageAtStart_data();
    void languageAtStart();
    void openDirAtStart_data();
    void openDirAtStart();
    void setLanguageToCurrentWritesNothing_data();
    void setLanguageToCurrentWritesNothing();
    void setLanguageStoresAndSwitchesTranslation();
    void templateConfigDirFollowsLanguage_data();
    void templateConfigDirFollowsLanguage();
    void updateMaxIdNeverLowers();
};

void TestGlobalManager::cleanup()
{
    GlobalManager::resetInstance();
    QLocale::setDefault(QLocale::system());
}

void TestGlobalManager::languageAtStart_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("config"); // null: no config.ini at all
    QTest::addColumn<int>("language");

    QTest::newRow("traditional locale, no config") << kTraditional << QByteArray() << 1;
    QTest::newRow("hong kong locale, no config") << kHongKong << QByteArray() << 1;
    QTest::newRow("simplified locale, no config") << kSimplified << QByteArray() << 0;
    QTest::newRow("german locale, no config") << kGerman << QByteArray() << 2;
    QTest::newRow("stored 5 taken as 0") << kGerman << QByteArray("[config]\nlanguage=5\n") << 0;
    QTest::newRow("stored -1 taken as 0") << kTraditional << QByteArray("[config]\nlanguage=-1\n") << 0;
    QTest::newRow("stored text taken as 0") << kGerman << QByteArray("[config]\nlanguage=en\n") << 0;
    QTest::newRow("stored 1 over german locale") << kGerman << QByteArray("[config]\nlanguage=1\n") << 1;
    QTest::newRow("stored 2 over chinese locale") << kSimplified << QByteArray("[config]\nlanguage=2\n") << 2;
    QTest::newRow("stored 0 over traditional locale") << kTraditional << QByteArray("[config]\nlanguage=0\n") << 0;
    QTest::newRow("no language key keeps traditional locale")
        << kTraditional << QByteArray("[config]\nopen_dir=\n") << 1;
    QTest::newRow("no language key keeps german locale") << kGerman << QByteArray("[log]\non=1\n") << 2;
    QTest::newRow("empty config keeps locale") << kTraditional << QByteArray("") << 1;
}

void TestGlobalManager::languageAtStart()
{
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, config);
    QFETCH(int, language);
    TestWorkDir work;
    QVERIFY(work.isValid());
    if (!config.isNull())
        QVERIFY(writeFixture("config.ini", config));
    QLocale::setDefault(locale);

    QCOMPARE(GlobalManager::instance()->language(), language);
    // Reading the settings never writes them.
    if (config.isNull())
        QVERIFY(!QFileInfo::exists("config.ini"));
    else
        QCOMPARE(readFixture("config.ini"), config);
}

void TestGlobalManager::openDirAtStart_data()
{
    QTest::addColumn<QByteArray>("config"); // "@" stands for the work folder
    QTest::addColumn<QString>("openDir");   // the same; "~" for the home folder

    QTest::newRow("no config: home") << QByteArray() << QString("~");
    QTest::newRow("no key: empty") << QByteArray("[config]\nlanguage=0\n") << QString();
    QTest::newRow("existing folder kept")
        << QByteArray("[config]\nopen_dir=@/projects\n") << QString("@/projects");
    QTest::newRow("missing folder: home") << QByteArray("[config]\nopen_dir=@/gone\n") << QString("~");
}

void TestGlobalManager::openDirAtStart()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, openDir);
    TestWorkDir work;
    QVERIFY(QDir().mkdir("projects"));
    if (!config.isNull())
        QVERIFY(writeFixture("config.ini", config.replace('@', work.path().toUtf8())));
    const QString expected = openDir == QLatin1String("~") ? QDir::homePath()
                                                           : QString(openDir).replace('@', work.path());
    QCOMPARE(GlobalManager::instance()->openDir(), expected);
}

void TestGlobalManager::setLanguageToCurrentWritesNothing_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("language");
    QTest::newRow("stored language") << QByteArray("[config]\nlanguage=2\nopen_dir=\n") << 2;
    QTest::newRow("out-of-range stored value") << QByteArray("[config]\nlanguage=7\n") << 0;
    QTest::newRow("locale language, no config") << QByteArray() << 2;
}

void TestGlobalManager::setLanguageToCurrentWritesNothing()
{
    QFETCH(QByteArray, config);
    QFETCH(int, language);
    TestWorkDir work(TestWorkDir::WithAssets);
    QVERIFY(work.isValid());
    if (!config.isNull())
        QVERIFY(writeFixture("config.ini", config));
    QLocale::setDefault(kGerman);

    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(manager->language(), language);
    const QString before = enterText();
    manager->setLanguage(language);
    QCoreApplication::processEvents();

    QCOMPARE(manager->language(), language);
    // The installed translator stays in place.
    QCOMPARE(enterText(), before);
    if (config.isNull())
        QVERIFY(!QFileInfo::exists("config.ini"));
    else
        QCOMPARE(readFixture("config.ini"), config);
}

void TestGlobalManager::setLanguageStoresAndSwitchesTranslation()
{
    // The start dialog's test covers the stored value and the retranslation.
    TestWorkDir work(TestWorkDir::WithAssets);
    QVERIFY(work.isValid());
    QVERIFY(writeFixture("config.ini", "[config]\nlanguage=0\n"));

    GlobalManager *manager = GlobalManager::instance();
    manager->setLanguage(2);
    QCOMPARE(QLocale().language(), QLocale::English);
    QVERIFY(manager->gridTemplatePath().endsWith("/en/template.json"));
    manager->setLanguage(1);
    QCOMPARE(QLocale().script(), QLocale::TraditionalHanScript);

    // The next start uses the last choice.
    GlobalManager::resetInstance();
    QLocale::setDefault(kGerman);
    QCOMPARE(GlobalManager::instance()->language(), 1);
}

void TestGlobalManager::templateConfigDirFollowsLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("folder");
    QTest::newRow("simplified") << 0 << QString("./template/config/zh_cn");
    QTest::newRow("traditional") << 1 << QString("./template/config/zh_tw");
    QTest::newRow("english") << 2 << QString("./template/config/en");
}

void TestGlobalManager::templateConfigDirFollowsLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, folder);
    TestWorkDir work;
    QVERIFY(writeFixture("config.ini", "[config]\nlanguage=" + QByteArray::number(language) + "\n"));
    QCOMPARE(GlobalManager::instance()->templateConfigDir(), folder);
}

void TestGlobalManager::updateMaxIdNeverLowers()
{
    TestWorkDir work;
    GlobalManager *manager = GlobalManager::instance();
    for (int id : {7, 3, 7, -1})
        manager->updateMaxId(id);
    QCOMPARE(manager->maxId(), 7);
    manager->updateMaxId(8);
    QCOMPARE(manager->maxId(), 8);
}

QTEST_MAIN(TestGlobalManager)
#include "tst_globalmanager.moc"
