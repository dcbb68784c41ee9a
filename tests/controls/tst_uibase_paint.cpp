#include "controls/plaincontrols.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>

namespace {

bool near(QRgb pixel, const QColor &expected, int tolerance = 3)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance
           && qAbs(qGreen(pixel) - expected.green()) <= tolerance
           && qAbs(qBlue(pixel) - expected.blue()) <= tolerance;
}

// Bounding box of the dark (text) pixels, a few pixels away from the frame.
QRect darkBox(const QImage &image)
{
    QRect box;
    for (int y = 4; y < image.height() - 4; ++y) {
        for (int x = 4; x < image.width() - 4; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

int countNear(const QImage &image, const QColor &color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += near(image.pixel(x, y), color, 40) ? 1 : 0;
    return n;
}

const QColor kFrameGrey(196, 199, 206);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

} // namespace

class TestUIBasePaint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutRectsSplitByTextPosition_data();
    void layoutRectsSplitByTextPosition();
    void layoutWithoutTextPositionResetsRatioFields();

    void backgroundInsideFrame_data();
    void backgroundInsideFrame();
    void roundedPictureIsCutInItsOwnPixels();

    void verticalTextStandsOneCharacterPerLine();
    void fontSizeFollowsFitScale();
    void textColourFallsBackToBlack();
    void hugeFontSizeStillPaints();

    void showcaseAtTwoZooms();

private:
    UIBase *makeControl(int kind, const QJsonObject &attributes);

    std::unique_ptr<TestWorkDir> m_workDir;
    QWidget *m_page = nullptr;
};

void TestUIBasePaint::init()
{
    m_workDir.reset(new TestWorkDir);
    QVERIFY(m_workDir->isValid());
    m_page = new QWidget;
    m_page->resize(640, 480);
    m_page->setAutoFillBackground(true);
    QPalette palette = m_page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_page->setPalette(palette);
}

void TestUIBasePaint::cleanup()
{
    delete m_page;
    m_page = nullptr;
    m_workDir.reset();
    GlobalManager::resetInstance();
}

UIBase *TestUIBasePaint::makeControl(int kind, const QJsonObject &attributes)
{
    UIBase *control = createPlainControl(kind, m_page);
    control->setFileDir(m_workDir->path());
    control->setAttributes(attributes, true, false);
    return control;
}

void TestUIBasePaint::layoutRectsSplitByTextPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("textRatio");
    QTest::addColumn<double>("pictureRatio");
    QTest::addColumn<QRect>("text");
    QTest::addColumn<QRect>("picture");
    // Control of 200 x 100.
    QTest::newRow("0 whole") << 0 << 0.3 << 0.7 << QRect(0, 0, 200, 100) << QRect(0, 0, 200, 100);
    QTest::newRow("1 text on top")
        << 1 << 0.3 << 0.7 << QRect(0, 0, 200, 30) << QRect(0, 30, 200, 70);
    QTest::newRow("1 top band uncapped, far band capped")
        << 1 << 1.5 << 1.5 << QRect(0, 0, 200, 150) << QRect(0, 0, 200, 100);
    QTest::newRow("1 bands leave a gap")
        << 1 << 0.2 << 0.5 << QRect(0, 0, 200, 20) << QRect(0, 50, 200, 50);
    QTest::newRow("2 text at bottom")
        << 2 << 0.4 << 0.6 << QRect(0, 60, 200, 40) << QRect(0, 0, 200, 60);
    QTest::newRow("2 text capped, picture not")
        << 2 << 1.5 << 1.5 << QRect(0, 0, 200, 100) << QRect(0, 0, 200, 150);
    QTest::newRow("3 text on the left")
        << 3 << 0.25 << 0.75 << QRect(0, 0, 50, 100) << QRect(50, 0, 150, 100);
    QTest::newRow("4 text on the right")
        << 4 << 0.25 << 0.5 << QRect(150, 0, 50, 100) << QRect(0, 0, 100, 100);
    QTest::newRow("7 as any other")
        << 7 << 0.25 << 0.5 << QRect(150, 0, 50, 100) << QRect(0, 0, 100, 100);
    QTest::newRow("-1 as any other")
        << -1 << 0.5 << 0.5 << QRect(100, 0, 100, 100) << QRect(0, 0, 100, 100);
    QTest::newRow("huge ratio stays in range")
        << 1 << 1e12 << 0.5 << QRect(0, 0, 200, QWIDGETSIZE_MAX) << QRect(0, 50, 200, 50);
    QTest::newRow("negative ratio gives no band")
        << 3 << -0.5 << 0.5 << QRect(0, 0, 0, 100) << QRect(100, 0, 100, 100);
}

void TestUIBasePaint::layoutRectsSplitByTextPosition()
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

void TestUIBasePaint::layoutWithoutTextPositionResetsRatioFields()
{
    UIBase *control = makeControl(113, {{"w", 200}, {"h", 100}, {"text_position", 0},
                                        {"text_radio", 0.3}, {"bg_radio", 0.7}});
    QCOMPARE(control->textRatio(), 0.3);
    control->grab();
    QCOMPARE(control->textRatio(), 1.0);
    QCOMPARE(control->pictureRatio(), 1.0);
    QCOMPARE(control->attributes().value("text_radio").toDouble(), 0.3);
    QCOMPARE(control->attributes().value("bg_radio").toDouble(), 0.7);
}

void TestUIBasePaint::backgroundInsideFrame_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QJsonObject>("attributes"); // all 120 x 60
    QTest::addColumn<bool>("selected");
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
        << 113 << with(textOnTop, {{"normalBkColor", "#ff0000ff"}}) << false
        << QList<QPoint>{{60, 45}, {60, 10}, {0, 30}, {119, 30}, {60, 0}, {60, 59}}
        << QList<QColor>{kBlue, kBlue, kFrameGrey, kFrameGrey, kFrameGrey, kFrameGrey};
    QTest::newRow("selected frame is red") << 104 << QJsonObject() << true << QList<QPoint>{{0, 30}, {60, 59}}
                                           << QList<QColor>{kRed, kRed};
    QTest::newRow("picture wins over colour")
        << 103 << QJsonObject{{"normalBkColor", "#ff0000ff"}, {"normal_image_path", "D:\\elsewhere\\green.png"}}
        << false << QList<QPoint>{{60, 30}, {10, 10}, {110, 50}} << QList<QColor>{kGreen, kGreen, kGreen};
    // A negative radius rounds nothing, down to the lowest a page file holds.
    QTest::newRow("picture with the lowest stored radius is not cut")
        << 103 << QJsonObject{{"normal_image_path", "green.png"}, {"borderRadius", -2147483647 - 1}}
        << false << QList<QPoint>{{60, 30}, {10, 10}, {110, 50}} << QList<QColor>{kGreen, kGreen, kGreen};
    QTest::newRow("unloadable picture: colour in the picture area only")
        << 103 << with(textOnTop, {{"normalBkColor", "#ff0000ff"}, {"normal_image_path", "missing.png"}}) << false
        << QList<QPoint>{{60, 45}, {2, 45}, {60, 10}} << QList<QColor>{kBlue, kBlue, white};
    for (const char *colour : {"#00ff0000", "", "#zzz"}) {
        QTest::newRow(qPrintable(QString("colour '%1' draws nothing").arg(colour)))
            << 104 << QJsonObject{{"normalBkColor", colour}} << false << QList<QPoint>{{60, 30}, {0, 30}}
            << QList<QColor>{white, kFrameGrey};
    }
}

void TestUIBasePaint::backgroundInsideFrame()
{
    QFETCH(int, kind);
    QFETCH(QJsonObject, attributes);
    QFETCH(bool, selected);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QColor>, colours);
    QVERIFY(writeColourPicture(m_workDir->filePath("green.png"), kGreen, QSize(10, 10)));
    attributes.insert("w", 120);
    attributes.insert("h", 60);
    UIBase *control = makeControl(kind, attributes);
    control->setSelected(selected);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    const QImage image = m_page->grab(control->geometry()).toImage();
    for (int i = 0; i < points.size(); ++i) {
        const QColor actual = image.pixelColor(points.at(i));
        QVERIFY2(near(actual.rgb(), colours.at(i)),
                 qPrintable(QString("at %1,%2: %3").arg(points.at(i).x()).arg(points.at(i).y()).arg(actual.name())));
    }
}

void TestUIBasePaint::roundedPictureIsCutInItsOwnPixels()
{
    QVERIFY(writeColourPicture(m_workDir->filePath("green.png"), kGreen, QSize(100, 100)));
    // Radius 20 in picture pixels: the clip starts 10 picture pixels in and,
    // stretched by 2, 20 control pixels in.
    UIBase *control = makeControl(103, {{"w", 200}, {"h", 200}, {"borderRadius", 20},
                                        {"normal_image_path", "green.png"}});
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    const QImage image = m_page->grab(control->geometry()).toImage();
    QVERIFY(near(image.pixel(100, 100), kGreen));
    QVERIFY(near(image.pixel(30, 100), kGreen));
    QVERIFY(near(image.pixel(12, 100), Qt::white));
    QVERIFY(near(image.pixel(100, 12), Qt::white));
    QVERIFY(near(image.pixel(24, 24), Qt::white)); // cut corner
}

void TestUIBasePaint::verticalTextStandsOneCharacterPerLine()
{
    const QJsonObject common{{"w", 240}, {"h", 240}, {"text", "ABC"}, {"fontsize", 24},
                             {"normalBkColor", "#ffffffff"}};
    QJsonObject vertical = common;
    vertical.insert("direction", 1);
    const QRect across = darkBox(makeControl(104, common)->grab().toImage());
    const QRect down = darkBox(makeControl(104, vertical)->grab().toImage());
    QVERIFY(!across.isEmpty());
    QVERIFY(!down.isEmpty());
    QVERIFY2(across.width() > 2 * across.height(), qPrintable(QString::number(across.width())));
    QVERIFY(down.height() > 2 * down.width());
    // Three lines of text with an empty line before and after, centred.
    QVERIFY(down.height() > 2 * across.height());
    QVERIFY(qAbs(down.center().y() - 120) <= 12);
    QVERIFY(qAbs(across.center().x() - 120) <= 6);
}

void TestUIBasePaint::fontSizeFollowsFitScale()
{
    const QJsonObject base{{"w", 300}, {"h", 150}, {"text", "H"}, {"normalBkColor", "#ffffffff"}};
    QJsonObject size30 = base;
    size30.insert("fontsize", 30);
    QJsonObject size60 = base;
    size60.insert("fontsize", 60);

    GlobalManager::instance()->setScreenMetrics(96, 1.0, 1.0);
    const int height30 = darkBox(makeControl(104, size30)->grab().toImage()).height();
    const int height60 = darkBox(makeControl(104, size60)->grab().toImage()).height();
    GlobalManager::instance()->setScreenMetrics(96, 0.5, 1.0);
    const int height60Half = darkBox(makeControl(104, size60)->grab().toImage()).height();

    QVERIFY(height30 > 10);
    QVERIFY(height60 > height30 * 3 / 2);
    QVERIFY(qAbs(height60Half - height30) <= 1);

    // Size 0 keeps the application's font.
    QJsonObject size0 = base;
    size0.insert("fontsize", 0);
    QCOMPARE(makeControl(104, size0)->grab().toImage(), makeControl(104, base)->grab().toImage());
}

void TestUIBasePaint::textColourFallsBackToBlack()
{
    const QJsonObject base{{"w", 200}, {"h", 100}, {"text", "WWW"}, {"fontsize", 40},
                           {"bold", 1}, {"normalBkColor", "#ffffffff"}};
    QJsonObject red = base;
    red.insert("normalColor", "#ffff0000");
    const QImage redImage = makeControl(104, red)->grab().toImage();
    QVERIFY(countNear(redImage, kRed) > 50);
    QVERIFY(darkBox(redImage).isEmpty());
    const QImage blackImage = makeControl(104, base)->grab().toImage();
    QVERIFY(!darkBox(blackImage).isEmpty());
}

void TestUIBasePaint::hugeFontSizeStillPaints()
{
    UIBase *control = makeControl(104, {{"w", 200}, {"h", 100}, {"text", "A"},
                                        {"fontsize", 2000000000}});
    QElapsedTimer timer;
    timer.start();
    const QImage image = control->grab().toImage();
    QCOMPARE(image.size(), QSize(200, 100));
    QVERIFY(timer.elapsed() < 10000);
}

void TestUIBasePaint::showcaseAtTwoZooms()
{
    QVERIFY(writeColourPicture(m_workDir->filePath("teal.png"), QColor(0, 128, 128), QSize(40, 40)));
    const QJsonObject controls[] = {
        {{"type", "Label"}, {"text", "文本控件"}, {"fontsize", 20}, {"x", 20}, {"y", 20},
         {"w", 180}, {"h", 60}},
        {{"type", "CmdButton"}, {"text", "普通命令"}, {"fontsize", 18}, {"bold", 1},
         {"normalBkColor", "#ff2d6cdf"}, {"normalColor", "#ffffffff"}, {"borderRadius", 12},
         {"x", 220}, {"y", 20}, {"w", 160}, {"h", 60}},
        {{"type", "ImageLabel"}, {"normal_image_path", "C:\\pics\\teal.png"}, {"x", 20},
         {"y", 100}, {"w", 120}, {"h", 120}},
        {{"type", "PageButton"}, {"text", "竖排文字"}, {"direction", 1}, {"fontsize", 16},
         {"normalBkColor", "#ffffd966"}, {"x", 160}, {"y", 100}, {"w", 60}, {"h", 160}},
        {{"type", "FeatureButton"}, {"text", "Pic+Text"}, {"text_position", 2},
         {"text_radio", 0.3}, {"bg_radio", 0.7}, {"normal_image_path", "teal.png"},
         {"normalColor", "#ffcc0000"}, {"fontsize", 16}, {"x", 240}, {"y", 100}, {"w", 140},
         {"h", 120}},
    };
    const int kinds[] = {104, 129, 103, 126, 159};

    QWidget host;
    host.resize(420 + 220, 290);
    auto *left = new QWidget(&host);
    auto *right = new QWidget(&host);
    left->setGeometry(0, 0, 410, 290);
    right->setGeometry(420, 0, 210, 145);
    const double zooms[] = {1.0, 0.5};
    QWidget *panels[] = {left, right};
    for (int p = 0; p < 2; ++p) {
        panels[p]->setAutoFillBackground(true);
        QPalette palette = panels[p]->palette();
        palette.setColor(QPalette::Window, QColor(245, 246, 248));
        panels[p]->setPalette(palette);
        for (int i = 0; i < 5; ++i) {
            UIBase *control = createPlainControl(kinds[i], panels[p]);
            control->setFileDir(m_workDir->path());
            control->setScaleValue(zooms[p]);
            control->setAttributes(controls[i], true, false);
            control->setSelected(i == 1);
        }
    }
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QImage shot = host.grab().toImage();

    // The selected button's frame is red at both zooms; the picture is teal.
    QVERIFY(near(shot.pixel(220 + 80, 20 + 59), kRed, 40));
    QVERIFY(near(shot.pixel(420 + 110 + 40, 10 + 29), kRed, 40));
    QVERIFY(near(shot.pixel(80, 160), QColor(0, 128, 128)));
    QVERIFY(near(shot.pixel(420 + 40, 80), QColor(0, 128, 128)));

    QVERIFY(saveGrabIfAsked(shot, "uibase_showcase.png"));
}

QTEST_MAIN(TestUIBasePaint)
#include "tst_uibase_paint.moc"
