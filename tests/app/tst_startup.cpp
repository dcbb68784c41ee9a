#include "app/globalmanager.h"
#include "app/initdatawidget.h"
#include "app/initdlg.h"
#include "core/iniutils.h"
#include "core/screenscale.h"
#include "tests/testsupport.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void scaleFactors_data();
    void scaleFactors();
    void scaleFactorText();

    void storedLanguageSelectedAndSwitchingWritesAndRetranslates();
    void enterAcceptsExitRejects();
    void missingPictureFillsDarkBlue();
};

void TestStartup::scaleFactors_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<double>("fit");
    QTest::addColumn<double>("wide");
    QTest::newRow("wider than 16:9") << 2560 << 1040 << 1040 / 1080.0 << 2560 / 1920.0;
    QTest::newRow("taskbar shortened") << 1920 << 1040 << 1040 / 1080.0 << 1.0;
    QTest::newRow("reference") << 1920 << 1080 << 1.0 << 1.0;
    QTest::newRow("exact 16:9 smaller") << 1600 << 900 << 1600 / 1920.0 << 1.0;
    QTest::newRow("5:4") << 1280 << 1024 << 1280 / 1920.0 << 1.0;
}

void TestStartup::scaleFactors()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(double, fit);
    QFETCH(double, wide);
    const ScreenScales scales = computeScreenScales(w, h);
    QCOMPARE(scales.fit, fit);
    QCOMPARE(scales.wide, wide);
}

void TestStartup::scaleFactorText()
{
    QCOMPARE(screenScaleFactorsText({{"HDMI-1", 1920}, {"DP-2", 2560}}), QString("HDMI-1=1;DP-2=1.5"));
    QCOMPARE(screenScaleFactorsText({{"eDP", 2561}}), QString("eDP=1.5"));
    QCOMPARE(screenScaleFactorsText({}), QString());
}

void TestStartup::storedLanguageSelectedAndSwitchingWritesAndRetranslates()
{
    TestWorkDir dir(TestWorkDir::WithAssets);
    QVERIFY(dir.isValid());
    writeIniValue("config.ini", "/config/language", 2);
    const QByteArray before = readFixture("config.ini");

    GlobalManager::instance(); // as at start-up: settings are read before the dialog exists
    InitDataWidget panel;
    auto *combo = panel.findChild<QComboBox *>("comboBox");
    auto *enter = panel.findChild<QPushButton *>("initDataBtn");
    QVERIFY(combo && enter);
    QCOMPARE(combo->currentIndex(), 2);
    QCOMPARE(combo->currentText(), QString("English"));
    QCOMPARE(enter->text(), QString("Enter"));
    // Showing the stored choice writes nothing.
    QCOMPARE(readFixture("config.ini"), before);

    combo->setCurrentIndex(1);
    QCOMPARE(readIniInt("config.ini", "/config/language"), 1);
    QCOMPARE(GlobalManager::instance()->language(), 1);
    QCOMPARE(enter->text(), QString::fromUtf8("進入系統"));
    combo->setCurrentIndex(0);
    QCOMPARE(readIniInt("config.ini", "/config/language"), 0);
    QCOMPARE(enter->text(), QString::fromUtf8("进入系统"));
}

void TestStartup::enterAcceptsExitRejects()
{
    TestWorkDir dir(TestWorkDir::WithAssets);
    {
        InitDlg dialog;
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton *>("initDataBtn"), Qt::LeftButton);
        // The enter signal is queued: the dialog is accepted on the next turn.
        QVERIFY(dialog.isVisible());
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    {
        InitDlg dialog;
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
}

void TestStartup::missingPictureFillsDarkBlue()
{
    TestWorkDir dir(TestWorkDir::NoAssets);
    InitDlg dialog;
    dialog.resize(400, 300);
    const QImage image = dialog.grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), QColor(0, 0, 128));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
