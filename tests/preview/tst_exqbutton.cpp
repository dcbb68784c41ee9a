#include "app/globalmanager.h"
#include "preview/exqbutton.h"
#include "preview/exqlabel.h"
#include "tests/testsupport.h"

#include <QSignalSpy>
#include <QtTest>

class TestExQButton : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void layoutRects_data();
    void layoutRects();
    void looksThroughPressReleaseAndSelect_data();
    void looksThroughPressReleaseAndSelect();
    void pictureThatIsNoFileShowsAsNone();
    void textPixelSizeFollowsFitScale();
    void labelElidesAndExplainsInToolTip();
};

void TestExQButton::layoutRects_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("textRatio");
    QTest::addColumn<double>("pictureRatio");
    QTest::addColumn<QRect>("text");
    QTest::addColumn<QRect>("picture");
    QTest::addColumn<double>("ratioAfter");

    QTest::newRow("0 whole, ratios reset") << QSize(100, 50) << 0 << 0.3 << 0.5 << QRect(0, 0, 100, 50)
                                           << QRect(0, 0, 100, 50) << 1.0;
    QTest::newRow("other code: text right") << QSize(100, 50) << 7 << 0.25 << 0.5 << QRect(75, 0, 25, 50)
                                            << QRect(0, 0, 50, 50) << 0.25;
    QTest::newRow("ratio beyond 1 ignored") << QSize(100, 50) << 3 << 1.5 << 0.0 << QRect(0, 0, 100, 50)
                                            << QRect(0, 0, 100, 50) << 1.0;
}

void TestExQButton::layoutRects()
{
    QFETCH(QSize, size);
    QFETCH(int, code);
    QFETCH(double, textRatio);
    QFETCH(double, pictureRatio);
    QFETCH(QRect, text);
    QFETCH(QRect, picture);
    QFETCH(double, ratioAfter);
    ExQButton button;
    button.resize(size);
    button.setDirection(code, textRatio, pictureRatio);
    QRect gotPicture;
    QRect gotText;
    button.layoutRects(&gotPicture, &gotText);
    QCOMPARE(gotText, text);
    QCOMPARE(gotPicture, picture);
    QCOMPARE(button.textRatio(), ratioAfter);

    // The label splits its bands the same way.
    ExQLabel label;
    label.resize(size);
    label.setDirection(code, textRatio, pictureRatio);
    label.layoutRects(&gotPicture, &gotText);
    QCOMPARE(gotText, text);
    QCOMPARE(gotPicture, picture);
}

void TestExQButton::looksThroughPressReleaseAndSelect_data()
{
    QTest::addColumn<int>("groupId");
    QTest::addColumn<QString>("pressText");
    // After press, after release, after select(true), after select(false):
    // text and background colour.
    QTest::addColumn<QStringList>("looks");

    QTest::newRow("no group, empty pressed text")
        << 0 << "" << QStringList{"", "#ff00ff00", "开", "#ff0000ff", "开", "#ff00ff00", "开", "#ff0000ff"};
    QTest::newRow("group keeps the pressed look")
        << 3 << "关" << QStringList{"关", "#ff00ff00", "关", "#ff00ff00", "关", "#ff00ff00", "关", "#ff0000ff"};
}

void TestExQButton::looksThroughPressReleaseAndSelect()
{
    QFETCH(int, groupId);
    QFETCH(QString, pressText);
    QFETCH(QStringList, looks);
    ExQButton button;
    button.resize(80, 40);
    button.setGroupId(groupId);
    button.setPressText(QStringLiteral("ignored before the text style"));
    button.setImages(QStringLiteral("#ff0000ff"), QStringLiteral("#ff00ff00"), QString(), QString());
    button.setTextStyle(QStringLiteral("开"), 0, 0, QStringLiteral("#ff111111"), QStringLiteral("#ff222222"));
    button.setPressText(pressText);
    QCOMPARE(button.fontSize(), 14);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    QStringList got;
    QTest::mousePress(&button, Qt::LeftButton);
    got << button.currentText() << button.currentBkColor();
    QTest::mouseRelease(&button, Qt::LeftButton);
    got << button.currentText() << button.currentBkColor();
    button.onSelect(true);
    button.onSelect(true);
    got << button.currentText() << button.currentBkColor();
    button.onSelect(false);
    got << button.currentText() << button.currentBkColor();
    QCOMPARE(got, looks);
}

void TestExQButton::pictureThatIsNoFileShowsAsNone()
{
    TestWorkDir work;
    QVERIFY(writeColourPicture(work.filePath("normal.png"), Qt::green));
    // Loaded again on every press: Qt opening it would wait for a writer for ever.
    QVERIFY(makeSpecialFile(work.filePath("press.png"), "fifo"));
    ExQButton button;
    button.resize(80, 40);
    button.setImages(QStringLiteral("#ff0000ff"), QStringLiteral("#ffff0000"), work.filePath("normal.png"),
                     work.filePath("press.png"));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    const ReadWatchdog watchdog;
    // Shown as no picture: the pressed colour instead.
    QTest::mousePress(&button, Qt::LeftButton);
    QVERIFY(button.currentPicture().isNull());
    QImage look = renderSelf(&button);
    QVERIFY(countNear(look, Qt::red) > 0 && countNear(look, Qt::green) == 0);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(button.currentPicture().size(), QSize(8, 8));
    look = renderSelf(&button);
    QVERIFY(countNear(look, Qt::green) > 0 && countNear(look, Qt::red) == 0);
}

void TestExQButton::textPixelSizeFollowsFitScale()
{
    GlobalManager::instance()->setScreenMetrics(96, 0.75, 1.0);
    ExQButton button;
    button.setTextStyle(QStringLiteral("a"), 14, 1, QString(), QString());
    QCOMPARE(button.paintFont().pixelSize(), 10);
    QCOMPARE(button.paintFont().weight(), 75);
}

void TestExQButton::labelElidesAndExplainsInToolTip()
{
    GlobalManager::instance()->setScreenMetrics(96, 1.0, 1.0);
    const QString text = QStringLiteral("一段放不下的很长很长的说明文字");
    ExQLabel label;
    label.setTextStyle(text, 14, 0, QStringLiteral("#ff000000"), QString());
    label.resize(40, 20);
    renderSelf(&label);
    QCOMPARE(label.toolTip(), text);
    label.resize(1000, 20);
    renderSelf(&label);
    QVERIFY(label.toolTip().isEmpty());
}

QTEST_MAIN(TestExQButton)
#include "tst_exqbutton.moc"
