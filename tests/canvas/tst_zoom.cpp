#include "canvas/uipage.h"
#include "core/globalmanager.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QUndoStack>
#include <QtTest>

using namespace pagefixture;

class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void halfZoomSizesPageAndTruncatesControls();
    void unusableZoomIsIgnored_data();
    void unusableZoomIsIgnored();
    void zoomIsNeitherModificationNorStep();
    void controlsMadeLaterTakeCurrentZoom();
    void resolutionOutsideRangeIsIgnored_data();
    void resolutionOutsideRangeIsIgnored();
    void resolutionChangeRescalesControls();
    void pageWithoutOldSizeKeepsControlGeometry_data();
    void pageWithoutOldSizeKeepsControlGeometry();
    void resolutionChangeCannotBeUndone();

private:
    UIBase *addButton(int x, int y, int w, int h);

    TestWorkDir *m_workDir = nullptr;
    UIPage *m_page = nullptr;
};

void TestZoom::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_page = new UIPage;
    m_page->openPage(info(m_workDir->path(), QStringLiteral("home")));
    m_page->setPageJson(pageObject(1920, 1080));
}

void TestZoom::cleanup()
{
    delete m_page;
    m_page = nullptr;
    flushDeletes();
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

UIBase *TestZoom::addButton(int x, int y, int w, int h)
{
    return m_page->createControl(113, control(QStringLiteral("Button"), QStringLiteral("Button_%1").arg(x), x, y, w, h));
}

void TestZoom::halfZoomSizesPageAndTruncatesControls()
{
    UIBase *button = addButton(101, 41, 33, 21);
    m_page->setEditScale(QStringLiteral("editScale"), 0.5, true);
    QCOMPARE(m_page->size(), QSize(960, 540));
    QCOMPARE(button->geometry(), QRect(50, 20, 16, 10));
    QCOMPARE(m_page->attributes().value(QStringLiteral("editScale")), QJsonValue(0.5));
    // The stored geometry stays in page pixels.
    QCOMPARE(button->attributes().value(QStringLiteral("x")), QJsonValue(101));
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
    m_page->setEditScale(QStringLiteral("editScale"), 0.8, true);
    m_page->setEditScale(QStringLiteral("editScale"), zoom, true);
    QCOMPARE(m_page->getScale(), 0.8);
    QCOMPARE(m_page->attributes().value(QStringLiteral("editScale")), QJsonValue(0.8));
    QCOMPARE(m_page->size(), QSize(1536, 864));
    // The page-object route refuses it the same way.
    m_page->setPageAttribute(QStringLiteral("editScale"), zoom, true);
    QCOMPARE(m_page->getScale(), 0.8);
}

void TestZoom::zoomIsNeitherModificationNorStep()
{
    m_page->setModified(false);
    m_page->setEditScale(QStringLiteral("editScale"), 1.5, true);
    QVERIFY(!m_page->isModified());
    QCOMPARE(m_page->undoStack()->count(), 0);
}

void TestZoom::controlsMadeLaterTakeCurrentZoom()
{
    m_page->setEditScale(QStringLiteral("editScale"), 0.6, true);
    UIBase *button = addButton(30, 45, 100, 50);
    QCOMPARE(button->getScale(), 0.6);
    // Placed by the first application: halves rounded up.
    QCOMPARE(button->geometry(), QRect(18, 27, 60, 30));
    // Undoing a deletion rebuilds at the zoom of the moment.
    m_page->deleteControl(button);
    flushDeletes();
    m_page->setEditScale(QStringLiteral("editScale"), 2.0, true);
    m_page->undo();
    UIBase *back = m_page->findControl(113, QStringLiteral("Button_30"));
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
    m_page->setModified(false);
    m_page->setEditScale(QStringLiteral("editScale"), 0.1, true);
    m_page->setPageSize(width, height);
    QCOMPARE(m_page->isModified(), accepted);
    const int w = accepted ? width : 1920;
    const int h = accepted ? height : 1080;
    QCOMPARE(m_page->attributes().value(QStringLiteral("w")), QJsonValue(w));
    QCOMPARE(m_page->attributes().value(QStringLiteral("h")), QJsonValue(h));
    QCOMPARE(m_page->size(), QSize(qRound(w * 0.1), qRound(h * 0.1)));
    QCOMPARE(button->attributes().value(QStringLiteral("x")), QJsonValue(accepted ? w / 2 : 960));
}

void TestZoom::resolutionChangeRescalesControls()
{
    UIBase *button = addButton(300, 150, 200, 100);
    m_page->setPageSize(1280, 720);
    QCOMPARE(m_page->size(), QSize(1280, 720));
    const QJsonObject a = button->attributes();
    QCOMPARE(a.value(QStringLiteral("x")), QJsonValue(200));
    QCOMPARE(a.value(QStringLiteral("y")), QJsonValue(100));
    QCOMPARE(a.value(QStringLiteral("w")), QJsonValue(133));
    QCOMPARE(a.value(QStringLiteral("h")), QJsonValue(66));
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
    m_page->setPageAttribute(QStringLiteral("w"), oldWidth, true);
    m_page->setPageSize(1280, 720);
    const QJsonObject a = button->attributes();
    QCOMPARE(a.value(QStringLiteral("x")), QJsonValue(300));
    QCOMPARE(a.value(QStringLiteral("w")), QJsonValue(200));
    // The height still had its old value, so it scales.
    QCOMPARE(a.value(QStringLiteral("y")), QJsonValue(100));
    QCOMPARE(a.value(QStringLiteral("h")), QJsonValue(66));
}

void TestZoom::resolutionChangeCannotBeUndone()
{
    UIBase *button = addButton(300, 150, 200, 100);
    button->setAttributes({{"text", "A"}}, true, true);
    m_page->setPageSize(1280, 720);
    m_page->undo();
    QCOMPARE(button->text(), QString());
    QCOMPARE(m_page->attributes().value(QStringLiteral("w")), QJsonValue(1280));
    // The earlier step does not put back the geometry of the old size.
    QCOMPARE(button->attributes().value(QStringLiteral("x")), QJsonValue(200));
    QCOMPARE(m_page->size(), QSize(1280, 720));
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
