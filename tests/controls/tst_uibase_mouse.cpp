// Mouse events go through the window system path, so a held button gives the
// pressed control the implicit grab exactly as a user's drag does.
#define QTEST_QPA_MOUSE_HANDLING

#include "controls/plaincontrols.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(Qt::CursorShape)
Q_DECLARE_METATYPE(Qt::MouseButton)

class TestUIBaseMouse : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pressSelectsOnlyWithLeftButtonAndClickMovesNothing_data();
    void pressSelectsOnlyWithLeftButtonAndClickMovesNothing();
    void dragThresholdAndReportedOffset_data();
    void dragThresholdAndReportedOffset();
    void dragStopsAtPageEdgeButReportsFullTravel();
    void hoverSetsEdgeCursor_data();
    void hoverSetsEdgeCursor();
    void resizeFromEdges_data();
    void resizeFromEdges();
    void resizeReportsNewGeometryInStoredUnits();
    void narrowControlResolvesToTopAndLeft();

private:
    UIBase *makeControl(double zoom, const QRect &stored);
    // Hovers at a point, presses there, moves by delta in steps and releases.
    void drag(UIBase *control, QPoint start, QPoint delta);

    std::unique_ptr<TestWorkDir> m_workDir;
    // The page lies inside a larger window, so the mouse can leave the page
    // and still be over the window, as on the designer's canvas.
    QWidget *m_window = nullptr;
    QWidget *m_page = nullptr;
};

void TestUIBaseMouse::init()
{
    m_workDir.reset(new TestWorkDir);
    QVERIFY(m_workDir->isValid());
    m_window = new QWidget;
    m_window->resize(700, 700);
    m_page = new QWidget(m_window);
    m_page->setGeometry(100, 100, 400, 300);
}

void TestUIBaseMouse::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_page = nullptr;
    m_workDir.reset();
    GlobalManager::resetInstance();
}

UIBase *TestUIBaseMouse::makeControl(double zoom, const QRect &stored)
{
    UIBase *control = createPlainControl(129, m_page);
    control->setScaleValue(zoom);
    control->setAttributes({{"name", "CmdButton_1"},
                            {"x", stored.x()},
                            {"y", stored.y()},
                            {"w", stored.width()},
                            {"h", stored.height()}},
                           true, false);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window))
        return nullptr;
    return control;
}

void TestUIBaseMouse::drag(UIBase *control, QPoint start, QPoint delta)
{
    QTest::mouseMove(control, start);
    QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, start);
    // Coordinates are taken in the control's own frame at press time; the
    // moves are given relative to the page so that they stay put while the
    // control moves under the mouse.
    const QPoint startInPage = control->mapToParent(start);
    const int steps = 4;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(m_page, startInPage + delta * i / steps);
    QTest::mouseRelease(m_page, Qt::LeftButton, Qt::NoModifier, startInPage + delta);
}

void TestUIBaseMouse::pressSelectsOnlyWithLeftButtonAndClickMovesNothing_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseInPage");
    QTest::addColumn<int>("selects");
    QTest::newRow("left click") << Qt::LeftButton << QPoint(100, 80) << 1;
    QTest::newRow("right drag") << Qt::RightButton << QPoint(150, 120) << 0;
    QTest::newRow("middle drag") << Qt::MiddleButton << QPoint(150, 120) << 0;
}

void TestUIBaseMouse::pressSelectsOnlyWithLeftButtonAndClickMovesNothing()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseInPage);
    QFETCH(int, selects);
    UIBase *control = makeControl(1.0, QRect(50, 50, 100, 60));
    QVERIFY(control);
    QSignalSpy select(control, &UIBase::signalControlSelect);
    QSignalSpy move(control, &UIBase::signalRectMoveChange);
    QSignalSpy rect(control, &UIBase::signalRectChange);
    QTest::mouseMove(control, QPoint(50, 30));
    QTest::mousePress(control, button, Qt::NoModifier, QPoint(50, 30));
    QTest::mouseMove(m_page, releaseInPage);
    QTest::mouseRelease(m_page, button, Qt::NoModifier, releaseInPage);
    QCOMPARE(select.count(), selects);
    QCOMPARE(move.count(), 0);
    QCOMPARE(rect.count(), 0);
    QCOMPARE(control->geometry(), QRect(50, 50, 100, 60));
    // The control is not marked selected by itself; the page does that.
    QVERIFY(!control->isSelected());
}

void TestUIBaseMouse::dragThresholdAndReportedOffset_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<QPoint>("offset");

    QTest::newRow("3,3 snaps back") << 1.0 << QPoint(3, 3) << false << QPoint();
    QTest::newRow("-3,3 snaps back") << 1.0 << QPoint(-3, 3) << false << QPoint();
    QTest::newRow("4 right") << 1.0 << QPoint(4, 0) << true << QPoint(4, 0);
    QTest::newRow("4 up") << 1.0 << QPoint(0, -4) << true << QPoint(0, -4);
    QTest::newRow("4 right at 0.5") << 0.5 << QPoint(4, 0) << true << QPoint(8, 0);
    QTest::newRow("5 right at 2 rounds up") << 2.0 << QPoint(5, 0) << true << QPoint(3, 0);
    QTest::newRow("5 left at 2 rounds up") << 2.0 << QPoint(-5, 0) << true << QPoint(-2, 0);
    QTest::newRow("3 across 40 down") << 1.0 << QPoint(3, 40) << true << QPoint(3, 40);
}

void TestUIBaseMouse::dragThresholdAndReportedOffset()
{
    QFETCH(double, zoom);
    QFETCH(QPoint, delta);
    QFETCH(bool, reported);
    QFETCH(QPoint, offset);

    UIBase *control = makeControl(zoom, QRect(60, 60, 80, 50));
    QVERIFY(control);
    const QRect start = control->geometry();
    const QJsonObject attributes = control->attributes();
    QSignalSpy move(control, &UIBase::signalRectMoveChange);
    QSignalSpy rect(control, &UIBase::signalRectChange);
    drag(control, QPoint(start.width() / 2, start.height() / 2), delta);

    QCOMPARE(rect.count(), 0);
    QCOMPARE(move.count(), reported ? 1 : 0);
    if (reported) {
        QCOMPARE(move.at(0).at(0).toPoint(), offset);
        QCOMPARE(control->pos(), start.topLeft() + delta);
    } else {
        QCOMPARE(control->pos(), start.topLeft());
    }
    // The page writes the move back; the control's own object is untouched.
    QCOMPARE(control->attributes(), attributes);
}

void TestUIBaseMouse::dragStopsAtPageEdgeButReportsFullTravel()
{
    UIBase *control = makeControl(1.0, QRect(300, 100, 80, 40));
    QVERIFY(control);
    QSignalSpy move(control, &UIBase::signalRectMoveChange);
    drag(control, QPoint(40, 20), QPoint(50, 0));
    QCOMPARE(control->pos(), QPoint(320, 100));
    QCOMPARE(move.count(), 1);
    QCOMPARE(move.at(0).at(0).toPoint(), QPoint(50, 0));

    // Past the top-left corner the control stops at 0, 0.
    drag(control, QPoint(40, 20), QPoint(-400, -150));
    QCOMPARE(control->pos(), QPoint(0, 0));
    QCOMPARE(move.at(1).at(0).toPoint(), QPoint(-400, -150));
}

void TestUIBaseMouse::hoverSetsEdgeCursor_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Qt::CursorShape>("shape");
    // Control of 100 x 60.
    QTest::newRow("top-left") << QPoint(3, 3) << Qt::SizeFDiagCursor;
    QTest::newRow("top-right") << QPoint(97, 3) << Qt::SizeBDiagCursor;
    QTest::newRow("top") << QPoint(50, 2) << Qt::SizeVerCursor;
    QTest::newRow("bottom-left") << QPoint(3, 57) << Qt::SizeBDiagCursor;
    QTest::newRow("bottom-right") << QPoint(98, 58) << Qt::SizeFDiagCursor;
    QTest::newRow("bottom") << QPoint(50, 57) << Qt::SizeVerCursor;
    QTest::newRow("left") << QPoint(2, 30) << Qt::SizeHorCursor;
    QTest::newRow("right") << QPoint(97, 30) << Qt::SizeHorCursor;
    QTest::newRow("inside") << QPoint(50, 30) << Qt::ArrowCursor;
    QTest::newRow("just past top band") << QPoint(50, 6) << Qt::ArrowCursor;
    QTest::newRow("last row of top band") << QPoint(50, 5) << Qt::SizeVerCursor;
    QTest::newRow("just past right band") << QPoint(94, 30) << Qt::ArrowCursor;
    QTest::newRow("first column of right band") << QPoint(95, 30) << Qt::SizeHorCursor;
}

void TestUIBaseMouse::hoverSetsEdgeCursor()
{
    QFETCH(QPoint, at);
    QFETCH(Qt::CursorShape, shape);
    UIBase *control = makeControl(1.0, QRect(100, 100, 100, 60));
    QVERIFY(control);
    QTest::mouseMove(control, QPoint(50, 30));
    QTest::mouseMove(control, at);
    QCOMPARE(control->cursor().shape(), shape);
}

void TestUIBaseMouse::resizeFromEdges_data()
{
    QTest::addColumn<QPoint>("grab");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("geometry");
    // Control at 100, 100 of 100 x 60 (inclusive right 199, bottom 159) on a 400 x 300 page.

    QTest::newRow("right edge out")
        << QPoint(98, 30) << QPoint(20, 0) << QRect(100, 100, 119, 60);
    QTest::newRow("right edge past the left edge")
        << QPoint(98, 30) << QPoint(-150, 0) << QRect(100, 100, 17, 60);
    QTest::newRow("right edge past the page")
        << QPoint(98, 30) << QPoint(300, 0) << QRect(100, 100, 300, 60);
    QTest::newRow("left edge past the right edge")
        << QPoint(2, 30) << QPoint(150, 0) << QRect(183, 100, 17, 60);
    QTest::newRow("left edge past the page")
        << QPoint(2, 30) << QPoint(-150, 0) << QRect(0, 100, 200, 60);
    QTest::newRow("bottom edge past the page")
        << QPoint(50, 58) << QPoint(0, 300) << QRect(100, 100, 100, 200);
    QTest::newRow("top edge down past the bottom")
        << QPoint(50, 2) << QPoint(0, 100) << QRect(100, 143, 100, 17);
    QTest::newRow("top-left corner out")
        << QPoint(3, 3) << QPoint(-20, -30) << QRect(83, 73, 117, 87);
    QTest::newRow("bottom-right corner in")
        << QPoint(97, 57) << QPoint(-30, -20) << QRect(100, 100, 68, 38);
    QTest::newRow("bottom-left corner")
        << QPoint(3, 57) << QPoint(-10, 10) << QRect(93, 100, 107, 68);
}

void TestUIBaseMouse::resizeFromEdges()
{
    QFETCH(QPoint, grab);
    QFETCH(QPoint, delta);
    QFETCH(QRect, geometry);
    UIBase *control = makeControl(1.0, QRect(100, 100, 100, 60));
    QVERIFY(control);
    QSignalSpy move(control, &UIBase::signalRectMoveChange);
    QSignalSpy rect(control, &UIBase::signalRectChange);
    drag(control, grab, delta);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(move.count(), 0);
    QCOMPARE(rect.count(), 1);
}

void TestUIBaseMouse::resizeReportsNewGeometryInStoredUnits()
{
    // Stored 50, 50, 50 x 30 at zoom 2: on screen 100, 100, 100 x 60.
    UIBase *control = makeControl(2.0, QRect(50, 50, 50, 30));
    QVERIFY(control);
    control->setAttribute("text", "keep", true);
    const QJsonObject before = control->attributes();
    QSignalSpy rect(control, &UIBase::signalRectChange);
    drag(control, QPoint(98, 30), QPoint(20, 0));
    QCOMPARE(control->geometry(), QRect(100, 100, 119, 60));
    QCOMPARE(rect.count(), 1);
    const QJsonObject oldObject = rect.at(0).at(0).toJsonObject();
    const QJsonObject newObject = rect.at(0).at(1).toJsonObject();
    QCOMPARE(oldObject, before);
    QCOMPARE(newObject.value("x"), QJsonValue(50));
    QCOMPARE(newObject.value("y"), QJsonValue(50));
    QCOMPARE(newObject.value("w"), QJsonValue(60)); // 119 / 2 = 59.5 rounds up
    QCOMPARE(newObject.value("h"), QJsonValue(30));
    QCOMPARE(newObject.value("text"), QJsonValue("keep"));
    QCOMPARE(control->attributes(), before);
}

void TestUIBaseMouse::narrowControlResolvesToTopAndLeft()
{
    // 10 x 10: the point 5, 5 lies in all four bands.
    UIBase *control = makeControl(1.0, QRect(100, 100, 10, 10));
    QVERIFY(control);
    QTest::mouseMove(control, QPoint(5, 5));
    QCOMPARE(control->cursor().shape(), Qt::SizeFDiagCursor);
    drag(control, QPoint(5, 5), QPoint(-20, -20));
    // The top-left corner moved out; the bottom-right stayed.
    QCOMPARE(control->geometry(), QRect(85, 85, 25, 25));
}

QTEST_MAIN(TestUIBaseMouse)
#include "tst_uibase_mouse.moc"
