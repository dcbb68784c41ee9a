#include "app/globalmanager.h"
#include "preview/expagewidget.h"
#include "preview/exqbutton.h"
#include "preview/exscale.h"
#include "preview/exstylereader.h"
#include "tests/canvas/pagefixture.h"

using namespace pagefixture;

class TestStyleReader : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void buttonStyle_data();
    void buttonStyle();
    void otherReaders();
    void fontRatioNeverDividesByNothing_data();
    void fontRatioNeverDividesByNothing();
    void recordWithOnlyTypeBuildsAtOrigin();
};

void TestStyleReader::buttonStyle_data()
{
    QTest::addColumn<double>("scaleX");
    QTest::addColumn<double>("scaleY");
    QTest::addColumn<double>("font");
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("defaultSize");
    // x, y, w, h, font size, bold
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("picture");

    QTest::newRow("half scale cuts toward zero")
        << 0.5 << 0.5 << 0.5 << QByteArray(R"({"x": 101, "y": -101, "w": 100, "h": -3})") << 14
        << QList<int>{50, -50, 50, -1, 7, 0} << "";
    // 1920 x 1080 shown at 1280 x 800: the width's factor is the smaller.
    QTest::newRow("font by the smaller factor")
        << 1280.0 / 1920 << 800.0 / 1080 << fontRatio(1280, 800, 1920, 1080)
        << QByteArray(R"({"fontsize": 20, "h": 100})") << 14 << QList<int>{0, 0, 0, 74, 13, 0} << "";
    QTest::newRow("text font size and boolean bold keep defaults")
        << 1.0 << 1.0 << 1.0 << QByteArray(R"({"fontsize": "20", "bold": true})") << 0
        << QList<int>{0, 0, 0, 0, 0, 0} << "";
    QTest::newRow("fraction is cut") << 1.0 << 1.0 << 1.0 << QByteArray(R"({"x": 10.5, "bold": 1})") << 14
                                     << QList<int>{10, 0, 0, 0, 14, 1} << "";
    QTest::newRow("huge values held at the widget limit")
        << 2.0 << 2.0 << 2.0 << QByteArray(R"({"x": 2147483647, "w": 1e300, "y": -1e300, "fontsize": 2000000000})")
        << 14 << QList<int>{QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX, 0, QWIDGETSIZE_MAX, 0} << "";
    QTest::newRow("picture by its bare name") << 1.0 << 1.0 << 1.0
                                              << QByteArray(R"({"normal_image_path": "C:\\art\\images/a.png"})")
                                              << 14 << QList<int>{0, 0, 0, 0, 14, 0} << "/page/a.png";
}

void TestStyleReader::buttonStyle()
{
    QFETCH(double, scaleX);
    QFETCH(double, scaleY);
    QFETCH(double, font);
    QFETCH(QByteArray, json);
    QFETCH(int, defaultSize);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, picture);
    ExButtonStyle style;
    style.fontSize = defaultSize;
    ExStyleReader(scaleX, scaleY, font, QStringLiteral("/page")).readButtonStyle(jsonFixture(json), &style);
    QCOMPARE((QList<int>{style.x, style.y, style.w, style.h, style.fontSize, style.bold}), numbers);
    QCOMPARE(style.normalImage, picture);
    QVERIFY(style.pressImage.isEmpty());
}

void TestStyleReader::otherReaders()
{
    const QJsonObject record = jsonFixture(R"({"text_position": 1.9, "text_radio": "0.5", "bg_radio": 0.25})");
    const ExStyleReader page(0.5, 0.5, 0.5, QStringLiteral("/page"));
    ExTextLayout layout;
    page.readTextLayout(record, &layout);
    QCOMPARE(layout.position, 1);
    QCOMPARE(layout.textRatio, 1.0);
    QCOMPARE(layout.pictureRatio, 0.25);

    ExWallGrid grid;
    grid.standard = 5;
    grid.rows = 7;
    page.readWallGrid(record, &grid);
    QCOMPARE((QList<int>{grid.standard, grid.rows}), (QList<int>{1, 7}));
    page.readWallGrid(jsonFixture(R"({"grid_layout": {"standard": 0, "row": 2, "rect": [{"w": 5}, 1]}})"), &grid);
    QCOMPARE((QList<int>{grid.standard, grid.rows, int(grid.rects.size())}), (QList<int>{0, 2, 1}));
}

void TestStyleReader::fontRatioNeverDividesByNothing_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QSize>("host");
    QTest::addColumn<double>("font");
    QTest::newRow("no page object, host 0 high") << QByteArray() << QSize(1000, 0) << 1.0;
    QTest::newRow("design 1920 x 1080, host 0 high") << QByteArray(R"({"type": "Page", "w": 1920, "h": 1080})")
                                                     << QSize(1000, 0) << 0.0;
}

void TestStyleReader::fontRatioNeverDividesByNothing()
{
    QFETCH(QByteArray, page);
    QFETCH(QSize, host);
    QFETCH(double, font);
    TestWorkDir dir;
    const QString path = dir.filePath(QStringLiteral("home.json"));
    QJsonArray controls{control("CmdButton", "b", 100, 100, 100, 100)};
    if (!page.isEmpty())
        controls.prepend(jsonFixture(page));
    QVERIFY(writePage(path, controls));
    ExPageWidget widget(1, path);
    widget.resize(host);
    widget.show();
    QCOMPARE(widget.loadCount(), 1);
    QCOMPARE(widget.reader().fontFactor(), font);
    QVERIFY(std::isfinite(widget.scaleX()) && std::isfinite(widget.scaleY()));
}

void TestStyleReader::recordWithOnlyTypeBuildsAtOrigin()
{
    TestWorkDir dir;
    const QString path = dir.filePath(QStringLiteral("home.json"));
    QVERIFY(writePage(path, {QJsonObject{{"type", "CmdButton"}}, QJsonObject{{"type", "label"}}}));
    ExPageWidget widget(1, path);
    widget.resize(1000, 600);
    widget.show();
    QCOMPARE(widget.elements().size(), 2);
    for (const CtrlElement &element : widget.elements())
        QCOMPARE(element.widget->geometry(), QRect(0, 0, 0, 0));
    auto *button = qobject_cast<ExQButton *>(widget.elements().first().widget);
    QCOMPARE(button->fontSize(), 14);
    QCOMPARE(button->bold(), 0);
}

QTEST_MAIN(TestStyleReader)
#include "tst_stylereader.moc"
