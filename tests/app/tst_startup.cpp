#include "app/globalmanager.h"
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
    void settingsAtStart_data();
    void settingsAtStart();
    void startDialogSwitchesLanguageThenEntersOrLeaves();
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

void TestStartup::settingsAtStart_data()
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

void TestStartup::settingsAtStart()
{
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, config);
    QFETCH(int, language);
    QFETCH(QString, openDir);
    TestWorkDir work;
    QVERIFY(QDir().mkdir("projects"));
    config.replace('@', work.path().toUtf8());
    if (!config.isNull())
        QVERIFY(writeFixture("config.ini", config));
    QLocale::setDefault(locale);
    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(manager->language(), language);
    QCOMPARE(manager->openDir(), openDir == "~" ? QDir::homePath() : openDir.replace('@', work.path()));
    // Neither reading the settings nor choosing the language of the moment writes them.
    manager->setLanguage(language);
    QCOMPARE(readFixture("config.ini"), config);
    QCOMPARE(QFileInfo::exists("config.ini"), !config.isNull());
}

void TestStartup::startDialogSwitchesLanguageThenEntersOrLeaves()
{
    TestWorkDir dir(TestWorkDir::WithAssets);
    writeIniValue("config.ini", "/config/language", 2);
    const QByteArray before = readFixture("config.ini");
    GlobalManager::instance(); // as at start-up: settings are read before the dialog exists
    {
        InitDlg dialog;
        dialog.show();
        auto *combo = dialog.findChild<QComboBox *>("comboBox");
        auto *enter = dialog.findChild<QPushButton *>("initDataBtn");
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
        QTest::mouseClick(enter, Qt::LeftButton);
        // The enter signal is queued: the dialog is accepted on the next turn.
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
    }
    // The next start uses the last choice.
    GlobalManager::resetInstance();
    QCOMPARE(GlobalManager::instance()->language(), 0);
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
