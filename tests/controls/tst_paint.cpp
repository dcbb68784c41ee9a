#include "controls/baseitem.h"
#include "controls/plaincontrols.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QtTest>

namespace {

const QColor kFrameGrey(196, 199, 206);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

} // namespace

class TestPaint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layoutRectsSplitByTextPosition_data();
    void layoutRectsSplitByTextPosition();

    void backgroundInsideFrame_data();
    void backgroundInsideFrame();

    void cellBackgroundInsideFrame_data();
    void cellBackgroundInsideFrame();
    void cellFontFollowsSizeScaleAndBold_data();
    void cellFontFollowsSizeScaleAndBold();
    void cellTextKeepsItsColourLinesAndFlagsOverRepaints();

private:
    UIBase *makeControl(int kind, const QJsonObject &attributes);

    TestWorkDir m_workDir;
    QWidget *m_page = nullptr;
};

void TestPaint::initTestCase()
{
    // Named like a picture; Qt opening it would wait for a writer for ever.
    QVERIFY(makeSpecialFile(m_workDir.filePath("fifo.png"), "fifo"));
}

void TestPaint::init()
{
    m_page = new QWidget;
    m_page->resize(640, 480);
    m_page->setAutoFillBackground(true);
    QPalette palette = m_page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_page->setPalette(palette);
}

void TestPaint::cleanup()
{
    delete m_page;
    GlobalManager::resetInstance();
}

UIBase *TestPaint::makeControl(int kind, const QJsonObject &attributes)
{
    UIBase *control = createPlainControl(kind, m_page);
    control->setFileDir(m_workDir.path());
    control->setAttributes(attributes, true, false);
    return control;
}

void TestPaint::layoutRectsSplitByTextPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("textRatio");
    QTest::addColumn<double>("pictureRatio");
    QTest::addColumn<QRect>("text");
    QTest::addColumn<QRect>("picture");
    // Control of 200 x 100.
    QTest::newRow("0 whole") << 0 << 0.3 << 0.7 << QRect(0, 0, 200, 100) << QRect(0, 0, 200, 100);
    QTest::newRow("1 text on top") << 1 << 0.3 << 0.7 << QRect(0, 0, 200, 30) << QRect(0, 30, 200, 70);
    QTest::newRow("1 top band uncapped, far band capped")
        << 1 << 1.5 << 1.5 << QRect(0, 0, 200, 150) << QRect(0, 0, 200, 100);
    QTest::newRow("2 text at bottom") << 2 << 0.4 << 0.6 << QRect(0, 60, 200, 40) << QRect(0, 0, 200, 60);
    QTest::newRow("-1 as any other") << -1 << 0.5 << 0.5 << QRect(100, 0, 100, 100) << QRect(0, 0, 100, 100);
    QTest::newRow("huge ratio stays in range")
        << 1 << 1e12 << 0.5 << QRect(0, 0, 200, QWIDGETSIZE_MAX) << QRect(0, 50, 200, 50);
    QTest::newRow("negative ratio gives no band")
        << 3 << -0.5 << 0.5 << QRect(0, 0, 0, 100) << QRect(100, 0, 100, 100);
}

void TestPaint::layoutRectsSplitByTextPosition()
{
    QFETCH(int, position);
    QFETCH(double, textRatio);
    QFETCH(double, pictureRatio);
    QFETCH(QRect, text);
    QFETCH(QRect, picture);

    UIBase *control = makeControl(113, {{"w", 200}, {"h", 100}, {"text_position", position},
                                        {"text_radio", textRatio}, {"bg_radio", pictureRatio}});
    QRect gotPicture;
    QRect gotText;
    control->layoutRects(gotPicture, gotText);
    QCOMPARE(gotText, text);
    QCOMPARE(gotPicture, picture);
}

void TestPaint::backgroundInsideFrame_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QJsonObject>("attributes"); // 120 x 60 unless given
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QColor>>("colours"); // white: the page shows through

    const QJsonObject textOnTop{{"text_position", 1}, {"text_radio", 0.5}, {"bg_radio", 0.5}};
    auto with = [](QJsonObject object, const QJsonObject &more) {
        for (auto it = more.constBegin(); it != more.constEnd(); ++it)
            object.insert(it.key(), it.value());
        return object;
    };
    const QColor white(Qt::white);
    // The picture area is only the bottom half, yet the frame takes the
    // colour's brush and fills the text area too.
    QTest::newRow("colour fills the whole control")
        << 113 << with(textOnTop, {{"normalBkColor", "#ff0000ff"}})
        << QList<QPoint>{{60, 45}, {60, 10}, {0, 30}, {119, 30}, {60, 0}, {60, 59}}
        << QList<QColor>{kBlue, kBlue, kFrameGrey, kFrameGrey, kFrameGrey, kFrameGrey};
    // A negative radius rounds nothing, down to the lowest a page file holds.
    QTest::newRow("picture wins over colour, the lowest stored radius cuts nothing")
        << 103 << QJsonObject{{"normalBkColor", "#ff0000ff"}, {"normal_image_path", "D:\\elsewhere\\green.png"},
                              {"borderRadius", -2147483647 - 1}}
        << QList<QPoint>{{60, 30}, {10, 10}, {110, 50}} << QList<QColor>{kGreen, kGreen, kGreen};
    QTest::newRow("unloadable picture: colour in the picture area only")
        << 103 << with(textOnTop, {{"normalBkColor", "#ff0000ff"}, {"normal_image_path", "missing.png"}})
        << QList<QPoint>{{60, 45}, {2, 45}, {60, 10}} << QList<QColor>{kBlue, kBlue, white};
    QTest::newRow("picture that is a FIFO: as unloadable")
        << 103 << with(textOnTop, {{"normalBkColor", "#ff0000ff"}, {"normal_image_path", "fifo.png"}})
        << QList<QPoint>{{60, 45}, {2, 45}, {60, 10}} << QList<QColor>{kBlue, kBlue, white};
    // Radius 20 in picture pixels: the clip starts 10 picture pixels in and,
    // stretched by 2, 20 control pixels in.
    QTest::newRow("rounded picture is cut in its own pixels")
        << 103 << QJsonObject{{"w", 200}, {"h", 200}, {"borderRadius", 20}, {"normal_image_path", "big.png"}}
        << QList<QPoint>{{100, 100}, {30, 100}, {12, 100}, {100, 12}, {24, 24}}
        << QList<QColor>{kGreen, kGreen, white, white, white};
    // Text of the largest stored size still paints, within its frame.
    QTest::newRow("huge font size") << 104 << QJsonObject{{"text", "A"}, {"fontsize", 2000000000}}
                                    << QList<QPoint>{{0, 30}, {60, 59}} << QList<QColor>{kFrameGrey, kFrameGrey};
}

void TestPaint::backgroundInsideFrame()
{
    QFETCH(int, kind);
    QFETCH(QJsonObject, attributes);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QColor>, colours);
    QVERIFY(writeColourPicture(m_workDir.filePath("green.png"), kGreen, QSize(10, 10)));
    QVERIFY(writeColourPicture(m_workDir.filePath("big.png"), kGreen, QSize(100, 100)));
    if (!attributes.contains("w")) {
        attributes.insert("w", 120);
        attributes.insert("h", 60);
    }
    const ReadWatchdog watchdog;
    UIBase *control = makeControl(kind, attributes);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    const QImage image = m_page->grab(control->geometry()).toImage();
    for (int i = 0; i < points.size(); ++i) {
        const QColor actual = image.pixelColor(points.at(i));
        QVERIFY2(countNear(image.copy(QRect(points.at(i), QSize(1, 1))), colours.at(i), 3) == 1,
                 qPrintable(QString("at %1,%2: %3").arg(points.at(i).x()).arg(points.at(i).y()).arg(actual.name())));
    }
}

void TestPaint::cellBackgroundInsideFrame_data()
{
    QTest::addColumn<QJsonObject>("style");
    QTest::addColumn<QRgb>("centre");
    const QRgb none = qRgba(0, 0, 0, 0);
    QTest::newRow("default is white") << QJsonObject() << qRgba(255, 255, 255, 255);
    QTest::newRow("alpha 00 paints nothing") << QJsonObject{{"normalBkColor", "#00ff0000"}} << none;
    QTest::newRow("unreadable colour paints nothing") << QJsonObject{{"normalBkColor", "red-ish"}} << none;
    QTest::newRow("picture found by its bare name wins")
        << QJsonObject{{"normalBkColor", "#ffff0000"}, {"normal_image_path", "D:\\old\\place\\cell.png"}}
        << qRgb(0, 200, 0);
    QTest::newRow("missing picture falls back to the colour")
        << QJsonObject{{"normalBkColor", "#ffff0000"}, {"normal_image_path", "missing.png"}} << qRgb(255, 0, 0);
    QTest::newRow("FIFO as picture falls back to the colour")
        << QJsonObject{{"normalBkColor", "#ffff0000"}, {"normal_image_path", "fifo.png"}} << qRgb(255, 0, 0);
}

void TestPaint::cellBackgroundInsideFrame()
{
    QFETCH(QJsonObject, style);
    QFETCH(QRgb, centre);
    QVERIFY(writeColourPicture(m_workDir.filePath("cell.png"), QColor(0, 200, 0)));
    BaseItem item;
    item.resize(40, 30);
    item.setFileDir(m_workDir.path());
    item.setStyle(style, false);
    const ReadWatchdog watchdog;
    for (int i = 0; i < 2; ++i) {
        const QImage image = renderSelf(&item);
        QCOMPARE(image.pixel(20, 15), centre);
        QCOMPARE(image.pixelColor(0, 15), QColor(196, 199, 206));
    }
}

void TestPaint::cellFontFollowsSizeScaleAndBold_data()
{
    QTest::addColumn<QJsonObject>("style");
    QTest::addColumn<double>("fitScale");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<int>("weight");
    QTest::newRow("fit 1.5, zoom 0.6") << QJsonObject{{"fontsize", 14}} << 1.5 << 0.6 << 12 << 50;
    QTest::newRow("bold") << QJsonObject{{"fontsize", 10}, {"bold", 1}} << 1.0 << 1.0 << 10 << 75;
    // Stored sizes near the int limit stay huge instead of wrapping around.
    QTest::newRow("largest size on a large screen") << QJsonObject{{"fontsize", 2147483647}} << 1.5 << 1.0 << 16777215 << 50;
    QTest::newRow("large size at a zoom above one") << QJsonObject{{"fontsize", 2000000000}} << 1.0 << 2.0 << 16777215 << 50;
}

void TestPaint::cellFontFollowsSizeScaleAndBold()
{
    QFETCH(QJsonObject, style);
    QFETCH(double, fitScale);
    QFETCH(double, scale);
    QFETCH(int, pixelSize);
    QFETCH(int, weight);
    GlobalManager::instance()->setScreenMetrics(96.0, fitScale, 1.0);
    BaseItem item;
    item.setScale(scale);
    item.setStyle(style, false);
    QCOMPARE(item.textFont().pixelSize(), pixelSize);
    QCOMPARE(item.textFont().weight(), weight);
}

void TestPaint::cellTextKeepsItsColourLinesAndFlagsOverRepaints()
{
    BaseItem item;
    item.resize(40, 120);
    item.setStyle(QJsonObject{{"text", "WB"}, {"direction", 1}, {"fontsize", 16}, {"normalBkColor", "#ffffffff"}}, false);
    // One character per line, with an empty line before and after; blue without a colour of its own.
    QCOMPARE(item.displayText().split('\n'), QStringList({"", "W", "B", ""}));
    const int blue = countNear(renderSelf(&item), Qt::blue);
    QVERIFY(blue > 10);
    // Painted again and again on the canvas, the text and its flags stay as they were.
    const int flags = item.alignment();
    QCOMPARE(flags, int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(countNear(renderSelf(&item), Qt::blue), blue);
        QCOMPARE(item.alignment(), flags);
    }
    item.setStyle(QJsonObject{{"normalColor", "#ffff0000"}, {"direction", 0}}, false);
    QCOMPARE(item.displayText(), QString("WB"));
    const QImage red = renderSelf(&item);
    QVERIFY(countNear(red, Qt::red) > 10);
    QCOMPARE(countNear(red, Qt::blue), 0);
}

QTEST_MAIN(TestPaint)
#include "tst_paint.moc"
