#include "app/globalmanager.h"
#include "app/initdatawidget.h"
#include "app/initdlg.h"
#include "core/iniutils.h"
#include "core/screenscale.h"
#include "tests/testsupport.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

// What the designer reads and shows at start: screen scales, the settings
// (language, last folder) and the start dialog.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        GlobalManager::resetInstance();
        QLocale::setDefault(QLocale::system());
    }

    void scaleFactors();
    void languageAtStart_data();
    void languageAtStart();
    void openDirAtStart_data();
    void openDirAtStart();
    void startDialogShowsStoredLanguageAndSwitchesIt();
    void enterAcceptsExitRejects();
};

void TestStartup::scaleFactors()
{
    // Wider than 16:9 the height decides the fit; 5:4 the width.
    QCOMPARE(computeScreenScales(2560, 1040).fit, 1040 / 1080.0);
    QCOMPARE(computeScreenScales(2560, 1040).wide, 2560 / 1920.0);
    QCOMPARE(computeScreenScales(1280, 1024).fit, 1280 / 1920.0);
    QCOMPARE(computeScreenScales(1280, 1024).wide, 1.0);
    QCOMPARE(screenScaleFactorsText({{"HDMI-1", 1920}, {"DP-2", 2561}}), QString("HDMI-1=1;DP-2=1.5"));
}

void TestStartup::languageAtStart_data()
{
    const QLocale traditional(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::HongKong);
    const QLocale simplified(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("config"); // null: no config.ini at all
    QTest::addColumn<int>("language");
    QTest::newRow("traditional locale, no config") << traditional << QByteArray() << 1;
    QTest::newRow("german locale, no config") << german << QByteArray() << 2;
    QTest::newRow("stored 5 taken as 0") << german << QByteArray("[config]\nlanguage=5\n") << 0;
    QTest::newRow("stored 2 over chinese locale") << simplified << QByteArray("[config]\nlanguage=2\n") << 2;
    QTest::newRow("no language key keeps the locale's") << traditional << QByteArray("[config]\nopen_dir=\n") << 1;
}

void TestStartup::languageAtStart()
{
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, config);
    QFETCH(int, language);
    TestWorkDir work;
    if (!config.isNull())
        QVERIFY(writeFixture("config.ini", config));
    QLocale::setDefault(locale);
    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(manager->language(), language);
    const QStringList folders{"zh_cn", "zh_tw", "en"};
    QCOMPARE(manager->templateConfigDir(), "./template/config/" + folders.at(language));
    // Neither reading the settings nor choosing the language of the moment writes them.
    manager->setLanguage(language);
    if (config.isNull())
        QVERIFY(!QFileInfo::exists("config.ini"));
    else
        QCOMPARE(readFixture("config.ini"), config);
}

void TestStartup::openDirAtStart_data()
{
    QTest::addColumn<QByteArray>("config"); // "@" stands for the work folder
    QTest::addColumn<QString>("openDir");   // the same; "~" for the home folder
    QTest::newRow("no key: empty") << QByteArray("[config]\nlanguage=0\n") << QString();
    QTest::newRow("existing folder kept") << QByteArray("[config]\nopen_dir=@/projects\n") << QString("@/projects");
    QTest::newRow("missing folder: home") << QByteArray("[config]\nopen_dir=@/gone\n") << QString("~");
}

void TestStartup::openDirAtStart()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, openDir);
    TestWorkDir work;
    QVERIFY(QDir().mkdir("projects"));
    if (!config.isNull())
        QVERIFY(writeFixture("config.ini", config.replace('@', work.path().toUtf8())));
    const QString expected = openDir == QLatin1String("~") ? QDir::homePath() : QString(openDir).replace('@', work.path());
    QCOMPARE(GlobalManager::instance()->openDir(), expected);
}

void TestStartup::startDialogShowsStoredLanguageAndSwitchesIt()
{
    TestWorkDir dir(TestWorkDir::WithAssets);
    writeIniValue("config.ini", "/config/language", 2);
    const QByteArray before = readFixture("config.ini");
    GlobalManager::instance(); // as at start-up: settings are read before the dialog exists
    InitDataWidget panel;
    auto *combo = panel.findChild<QComboBox *>("comboBox");
    auto *enter = panel.findChild<QPushButton *>("initDataBtn");
    QCOMPARE(combo->currentIndex(), 2);
    QCOMPARE(enter->text(), QString("Enter"));
    // Showing the stored choice writes nothing.
    QCOMPARE(readFixture("config.ini"), before);
    combo->setCurrentIndex(1);
    QCOMPARE(readIniInt("config.ini", "/config/language"), 1);
    QCOMPARE(enter->text(), QString::fromUtf8("進入系統"));
    QCOMPARE(QLocale().script(), QLocale::TraditionalHanScript);
    combo->setCurrentIndex(0);
    QCOMPARE(enter->text(), QString::fromUtf8("进入系统"));
    // The next start uses the last choice.
    GlobalManager::resetInstance();
    QCOMPARE(GlobalManager::instance()->language(), 0);
}

void TestStartup::enterAcceptsExitRejects()
{
    TestWorkDir dir(TestWorkDir::WithAssets);
    {
        InitDlg dialog;
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton *>("initDataBtn"), Qt::LeftButton);
        // The enter signal is queued: the dialog is accepted on the next turn.
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
    }
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

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
