#include "../testsupport.h"
#include "wallfixture.h"
#include "wall/gridvirwall.h"

#include <QtTest>

namespace {
QVector<QRect> rectsOf(const QVector<GridCell> &cells)
{
    QVector<QRect> rects;
    for (const GridCell &cell : cells)
        rects.append(QRect(cell.x, cell.y, cell.w, cell.h));
    return rects;
}

// A 3840 x 2160 wall at ten units per pixel, 2 x 2 after its first resize.
struct Canvas {
    GridVirWall wall;
    Canvas(const QSize &size = QSize(384, 216))
    {
        wall.resize(size);
        wall.show();
    }
};
} // namespace

class TestGridVirWall : public QObject
{
    Q_OBJECT

private slots:
    void dragMergesTouchedCells_data();
    void dragMergesTouchedCells();
    void clickSelectsOneOfTouchingCells_data();
    void clickSelectsOneOfTouchingCells();
    void splitWorkedExamples_data();
    void splitWorkedExamples();
    void hugeWallsMapWithoutOverflow();
    void paintShowsSelectionAndLabelsThatFit();
};

void TestGridVirWall::dragMergesTouchedCells_data()
{
    QTest::addColumn<QVector<QRect>>("start");   // empty: the regular 2 x 2
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QVector<QRect>>("expected");

    QTest::newRow("two side by side") << QVector<QRect>() << QPoint(50, 40) << QPoint(250, 60)
        << QVector<QRect>{{0, 1080, 1920, 1080}, {1920, 1080, 1920, 1080}, {0, 0, 3840, 1080}};
    // The box of the first two cuts into a third, that one into a fourth.
    QTest::newRow("rounds pull cells in")
        << QVector<QRect>{{0, 0, 1000, 1000}, {1000, 0, 1000, 1000}, {1500, 500, 1000, 1000},
                          {0, 1200, 500, 500}, {3000, 0, 500, 500}}
        << QPoint(50, 10) << QPoint(120, 30)
        << QVector<QRect>{{3000, 0, 500, 500}, {0, 0, 2500, 1700}};
}

void TestGridVirWall::dragMergesTouchedCells()
{
    QFETCH(QVector<QRect>, start);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QVector<QRect>, expected);
    Canvas canvas;
    if (!start.isEmpty()) {
        QVector<GridCell> cells;
        for (const QRect &rect : start)
            cells.append(GridCell::fromRect(rect));
        canvas.wall.setTemplate(canvas.wall.gridTemplate(), cells);
    }
    drag(&canvas.wall, from, to);
    QCOMPARE(rectsOf(canvas.wall.cells()), expected);
    QVERIFY(canvas.wall.selection().right() < canvas.wall.width());
}

void TestGridVirWall::clickSelectsOneOfTouchingCells_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRect>("selected");
    QTest::newRow("last pixel of the left cell") << QPoint(191, 50) << QRect(0, 0, 1920, 1080);
    QTest::newRow("on the corner") << QPoint(192, 108) << QRect(1920, 1080, 1920, 1080);
}

void TestGridVirWall::clickSelectsOneOfTouchingCells()
{
    QFETCH(QPoint, at);
    QFETCH(QRect, selected);
    Canvas canvas;
    click(&canvas.wall, at);
    QRect cell;
    QVERIFY(canvas.wall.selectedRect(&cell));
    QCOMPARE(cell, selected);
    canvas.wall.deleteSelectedCells();
    QCOMPARE(canvas.wall.cells().size(), 3);
    QVERIFY(!rectsOf(canvas.wall.cells()).contains(selected));
}

void TestGridVirWall::splitWorkedExamples_data()
{
    QTest::addColumn<int>("wallWidth");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("cellW");
    QTest::addColumn<int>("cellH");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QVector<int>>("firstRowWidths");   // empty: refused
    QTest::addColumn<int>("count");

    QTest::newRow("even 1 x 7") << 1920 << 1 << 7 << 0 << 0 << false
                                << QVector<int>{274, 274, 274, 274, 274, 274, 276} << 7;
    QTest::newRow("fixed 700 wide") << 1920 << 1 << 2 << 700 << 1080 << true << QVector<int>{700, 1220} << 2;
    QTest::newRow("fixed too wide") << 1920 << 1 << 3 << 1000 << 100 << true << QVector<int>() << 1;
    QTest::newRow("fixed exactly full") << 1920 << 1 << 3 << 960 << 1080 << true << QVector<int>() << 1;
    QTest::newRow("even into nothing") << 6 << 1 << 4 << 0 << 0 << false << QVector<int>() << 1;
}

void TestGridVirWall::splitWorkedExamples()
{
    QFETCH(int, wallWidth);
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, cellW);
    QFETCH(int, cellH);
    QFETCH(bool, fixed);
    QFETCH(QVector<int>, firstRowWidths);
    QFETCH(int, count);
    TestNotifier notifier;
    Canvas canvas;
    canvas.wall.setRegularGrid(1, 1, 1, wallWidth, 1080);
    click(&canvas.wall, QPoint(10, 10));
    canvas.wall.splitCells(rows, cols, cellW, cellH, fixed);

    const QVector<GridCell> cells = canvas.wall.cells();
    QCOMPARE(cells.size(), count);
    if (firstRowWidths.isEmpty()) {
        QCOMPARE(notifier.prompts().size(), 1);
        QVERIFY(notifier.prompts().at(0).text.startsWith(QStringLiteral("满足以下条件才允许拆分")));
        QCOMPARE(cells.at(0), GridCell({0, 0, wallWidth, 1080}));
        return;
    }
    QVERIFY(notifier.prompts().isEmpty());
    QVector<int> widths;
    for (int c = 0; c < cols; ++c)
        widths.append(cells.at(c).w);
    QCOMPARE(widths, firstRowWidths);
    // The new cells cover the old one exactly.
    qint64 area = 0;
    for (const GridCell &cell : cells)
        area += qint64(cell.w) * cell.h;
    QCOMPARE(area, qint64(wallWidth) * 1080);
}

void TestGridVirWall::hugeWallsMapWithoutOverflow()
{
    // The largest total width on a 1000-pixel canvas, in 999 columns.
    Canvas canvas(QSize(1000, 100));
    canvas.wall.setRegularGrid(1, 1, 999, 99999999, 2160);
    const QRect last = rectsOf(canvas.wall.cells()).last();
    QCOMPARE(last, QRect(99899898, 0, 100100, 2160));
    QCOMPARE(canvas.wall.mapRect(last, GridVirWall::WallToWidget).x(), 998);

    click(&canvas.wall, QPoint(999, 50));
    QRect selected;
    QVERIFY(canvas.wall.selectedRect(&selected));
    QCOMPARE(selected, last);
    QVERIFY(!renderSelf(&canvas.wall).isNull());
    // Rows and columns past what the editor takes, as a file may hold them.
    QCOMPARE(regularGridCells(100000, 3, 3840, 2160).size(), kMaxGridLines * 3);
}

void TestGridVirWall::paintShowsSelectionAndLabelsThatFit()
{
    Canvas canvas;
    click(&canvas.wall, QPoint(10, 10));
    QImage image = renderSelf(&canvas.wall);
    QCOMPARE(image.pixelColor(50, 50), QColor(0, 220, 241));
    QCOMPARE(image.pixelColor(191, 150), QColor(200, 200, 200));   // the bottom-left cell's right edge
    // The blue size labels, smoothed: some of their pixels are pure blue.
    QVERIFY(countNear(image.copy(192, 0, 192, 108), Qt::blue) > 0);

    // Cells of less than a pixel: outlines cover the canvas, no label fits.
    canvas.wall.setRegularGrid(1, kMaxGridLines, kMaxGridLines, 3840, 2160);
    image = renderSelf(&canvas.wall);
    QCOMPARE(image.pixelColor(100, 100), QColor(200, 200, 200));
    QCOMPARE(countNear(image, Qt::blue), 0);

    // A wall narrower than one unit draws nothing and divides by nothing.
    GridTemplate record = canvas.wall.gridTemplate();
    record.tw = 0;
    canvas.wall.setTemplate(record, {{0, 0, 100, 100}});
    image = renderSelf(&canvas.wall);
    QCOMPARE(countNear(image, QColor(0, 0, 0, 0), 255), 0);
    QCOMPARE(canvas.wall.mapRect(QRect(0, 0, 100, 100), GridVirWall::WallToWidget), QRect());
}

QTEST_MAIN(TestGridVirWall)
#include "tst_gridvirwall.moc"
