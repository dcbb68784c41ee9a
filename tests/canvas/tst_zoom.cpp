#include "tests/canvas/pagefixture.h"

using namespace pagefixture;

class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(1920, 1080)); }
    void cleanup() { f.tearDown(); }

    void halfZoomSizesPageAndTruncatesControls();
    void unusableZoomIsIgnored_data();
    void unusableZoomIsIgnored();
    void controlsMadeLaterTakeCurrentZoom();
    void resolutionOutsideRangeIsIgnored_data();
    void resolutionOutsideRangeIsIgnored();
    void resolutionChangeRescalesControls();
    void pageWithoutOldSizeKeepsControlGeometry_data();
    void pageWithoutOldSizeKeepsControlGeometry();
    void resolutionChangeCannotBeUndone();

private:
    UIBase *addButton(int x, int y, int w, int h)
    {
        return f.page->createControl(113, control("Button", "Button_" + QString::number(x), x, y, w, h));
    }
    static QRect stored(const UIBase *c) { return QRect(intAt(c, "x"), intAt(c, "y"), intAt(c, "w"), intAt(c, "h")); }

    PageFixture f;
};

void TestZoom::halfZoomSizesPageAndTruncatesControls()
{
    UIBase *button = addButton(101, 41, 33, 21);
    f.page->setModified(false);
    f.page->setEditScale("editScale", 0.5, true);
    QCOMPARE(f.page->size(), QSize(960, 540));
    QCOMPARE(button->geometry(), QRect(50, 20, 16, 10));
    QCOMPARE(f.page->attributes().value("editScale"), QJsonValue(0.5));
    // The stored geometry stays in page pixels; zooming is neither a change nor a step.
    QCOMPARE(stored(button), QRect(101, 41, 33, 21));
    QVERIFY(!f.page->isModified());
    QCOMPARE(f.steps(), 0);
}

void TestZoom::unusableZoomIsIgnored_data()
{
    QTest::addColumn<QJsonValue>("zoom");
    QTest::newRow("zero") << QJsonValue(0.0);
    QTest::newRow("negative") << QJsonValue(-0.5);
    QTest::newRow("text") << QJsonValue(QStringLiteral("0.60"));
    QTest::newRow("null") << QJsonValue();
}

void TestZoom::unusableZoomIsIgnored()
{
    QFETCH(QJsonValue, zoom);
    f.page->setEditScale("editScale", 0.8, true);
    f.page->setEditScale("editScale", zoom, true);
    QCOMPARE(f.page->getScale(), 0.8);
    QCOMPARE(f.page->attributes().value("editScale"), QJsonValue(0.8));
    QCOMPARE(f.page->size(), QSize(1536, 864));
    // The page-object route refuses it the same way.
    f.page->setPageAttribute("editScale", zoom, true);
    QCOMPARE(f.page->getScale(), 0.8);
}

void TestZoom::controlsMadeLaterTakeCurrentZoom()
{
    f.page->setEditScale("editScale", 0.6, true);
    UIBase *button = addButton(30, 45, 100, 50);
    QCOMPARE(button->getScale(), 0.6);
    // Placed by the first application: halves rounded up.
    QCOMPARE(button->geometry(), QRect(18, 27, 60, 30));
    // Undoing a deletion rebuilds at the zoom of the moment.
    f.page->deleteControl(button);
    flushDeletes();
    f.page->setEditScale("editScale", 2.0, true);
    f.page->undo();
    UIBase *back = f.page->findControl(113, "Button_30");
    QVERIFY(back);
    QCOMPARE(back->getScale(), 2.0);
    QCOMPARE(back->geometry(), QRect(60, 90, 200, 100));
}

void TestZoom::resolutionOutsideRangeIsIgnored_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("479 wide") << 479 << 720 << false;
    QTest::newRow("8641 high") << 1280 << 8641 << false;
    QTest::newRow("319 high") << 1280 << 319 << false;
    QTest::newRow("15361 wide") << 15361 << 720 << false;
    QTest::newRow("smallest") << 480 << 320 << true;
    QTest::newRow("largest") << 15360 << 8640 << true;
}

void TestZoom::resolutionOutsideRangeIsIgnored()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, accepted);
    UIBase *button = addButton(960, 540, 192, 108);
    f.page->setModified(false);
    f.page->setEditScale("editScale", 0.1, true);
    f.page->setPageSize(width, height);
    QCOMPARE(f.page->isModified(), accepted);
    const int w = accepted ? width : 1920;
    const int h = accepted ? height : 1080;
    QCOMPARE(f.page->attributes().value("w"), QJsonValue(w));
    QCOMPARE(f.page->attributes().value("h"), QJsonValue(h));
    QCOMPARE(f.page->size(), QSize(qRound(w * 0.1), qRound(h * 0.1)));
    QCOMPARE(button->attributes().value("x"), QJsonValue(accepted ? w / 2 : 960));
}

void TestZoom::resolutionChangeRescalesControls()
{
    UIBase *button = addButton(300, 150, 200, 100);
    f.page->setPageSize(1280, 720);
    QCOMPARE(f.page->size(), QSize(1280, 720));
    const QJsonObject a = button->attributes();
    QCOMPARE(a.value("x"), QJsonValue(200));
    QCOMPARE(a.value(QStringLiteral("y")), QJsonValue(100));
    QCOMPARE(a.value("w"), QJsonValue(133));
    QCOMPARE(a.value("h"), QJsonValue(66));
    QCOMPARE(button->geometry(), QRect(200, 100, 133, 66));
}

void TestZoom::pageWithoutOldSizeKeepsControlGeometry_data()
{
    QTest::addColumn<QJsonValue>("oldWidth");
    QTest::newRow("0") << QJsonValue(0);
    QTest::newRow("negative") << QJsonValue(-1920);
}

void TestZoom::pageWithoutOldSizeKeepsControlGeometry()
{
    QFETCH(QJsonValue, oldWidth);
    UIBase *button = addButton(300, 150, 200, 100);
    f.page->setPageAttribute("w", oldWidth, true);
    f.page->setPageSize(1280, 720);
    const QJsonObject a = button->attributes();
    QCOMPARE(a.value("x"), QJsonValue(300));
    QCOMPARE(a.value("w"), QJsonValue(200));
    // The height still had its old value, so it scales.
    QCOMPARE(a.value(QStringLiteral("y")), QJsonValue(100));
    QCOMPARE(a.value("h"), QJsonValue(66));
}

void TestZoom::resolutionChangeCannotBeUndone()
{
    UIBase *button = addButton(300, 150, 200, 100);
    button->setAttributes({{"text", "A"}}, true, true);
    f.page->setPageSize(1280, 720);
    f.page->undo();
    QCOMPARE(button->text(), QString());
    QCOMPARE(f.page->attributes().value("w"), QJsonValue(1280));
    // The earlier step does not put back the geometry of the old size.
    QCOMPARE(button->attributes().value("x"), QJsonValue(200));
    QCOMPARE(f.page->size(), QSize(1280, 720));
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
