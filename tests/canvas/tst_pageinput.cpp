// Real window-system mouse handling, so a band drag keeps the implicit grab
// as a user's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "tests/canvas/pagefixture.h"

#include <QCursor>
#include <QLabel>

using namespace pagefixture;

class TestPageInput : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600, PageFixture::Shown)); }
    void cleanup() { f.tearDown(); }

    void bandAddsOneControlOfArmedKind();
    void bandAtZoomStoresUnscaledGeometry();
    void bandShowsWhileDragging();
    void bandThatMakesNothingSelectsPage_data();
    void bandThatMakesNothingSelectsPage();
    void dropPutsControlUnderCursor_data();
    void dropPutsControlUnderCursor();
    void arrowKeysNudgeEverySelectedControl_data();
    void arrowKeysNudgeEverySelectedControl();
    void arrowsDoNotScrollTheScrollArea();
    void deleteKeyIsOneStepPerSelectedControl();
    void deleteKeyEndsWhenSelectedControlIsGone();
    void ctrlCAndCtrlVCopyAndPaste();
    void ctrlWheelZooms_data();
    void ctrlWheelZooms();
    void wheelWithoutCtrlDoesNothing();
    void releasingAnyKeyEndsCtrlZoom();

private:
    void band(QPoint from, QPoint to)
    {
        QTest::mouseMove(f.page, from);
        QTest::mousePress(f.page, Qt::LeftButton, Qt::NoModifier, from);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(f.page, from + (to - from) * i / 4);
        QTest::mouseRelease(f.page, Qt::LeftButton, Qt::NoModifier, to);
    }
    void wheel(QPoint delta, Qt::KeyboardModifiers modifiers, bool *accepted = nullptr)
    {
        QWheelEvent event(QPointF(100, 100), QPointF(f.page->mapToGlobal(QPoint(100, 100))), QPoint(), delta,
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        event.ignore();
        QCoreApplication::sendEvent(f.page, &event);
        if (accepted)
            *accepted = event.isAccepted();
    }
    static QPoint place(const UIBase *c) { return QPoint(intAt(c, "x"), intAt(c, "y")); }

    PageFixture f;
};

void TestPageInput::bandAddsOneControlOfArmedKind()
{
    GlobalManager::instance()->setDropClass(129);
    const int before = f.steps();
    band(QPoint(100, 100), QPoint(260, 190));
    QCOMPARE(f.steps(), before + 1);
    QCOMPARE(f.page->controlCount(), 1);
    UIBase *made = f.page->findControl(129, "CmdButton_0");
    QVERIFY(made);
    QCOMPARE(made->geometry(), QRect(100, 100, 160, 90));
    QCOMPARE(QRect(place(made), QSize(intAt(made, "w"), intAt(made, "h"))), QRect(100, 100, 160, 90));
    QCOMPARE(made->attributes().value("pressText").toString(), QString::fromUtf8("命令按钮"));
    QVERIFY(f.page->isModified());
    // One step: undone and redone, the same object comes back.
    const QJsonObject object = made->attributes();
    f.page->undo();
    flushDeletes();
    QCOMPARE(f.page->controlCount(), 0);
    f.page->redo();
    QCOMPARE(f.page->findControl(129, "CmdButton_0")->attributes(), object);
    // The band is gone once the control is made, and the kind stays armed.
    QVERIFY(!f.page->findChild<QLabel *>()->isVisible());
    band(QPoint(300, 300), QPoint(360, 340));
    QCOMPARE(intAt(f.page->findControl(129, "CmdButton_1"), "widgetIndex"), 1);
}

void TestPageInput::bandAtZoomStoresUnscaledGeometry()
{
    f.page->setEditScale("editScale", 0.5, true);
    GlobalManager::instance()->setDropClass(113);
    band(QPoint(50, 40), QPoint(151, 91));
    UIBase *made = f.page->findControl(113, "Button_0");
    QVERIFY(made);
    QCOMPARE(place(made), QPoint(100, 80));
    QCOMPARE(QSize(intAt(made, "w"), intAt(made, "h")), QSize(202, 102));
}

void TestPageInput::bandShowsWhileDragging()
{
    f.add(113, "Button_0", 150, 150);
    GlobalManager::instance()->setDropClass(113);
    auto *bandLabel = f.page->findChild<QLabel *>();
    QVERIFY(!bandLabel->isVisible());
    QTest::mouseMove(f.page, QPoint(300, 250));
    QTest::mousePress(f.page, Qt::LeftButton, Qt::NoModifier, QPoint(300, 250));
    QTest::mouseMove(f.page, QPoint(200, 200));
    QTest::mouseMove(f.page, QPoint(100, 120));
    // Drawn backwards: the band still spans the two corners, above the controls.
    QVERIFY(bandLabel->isVisible());
    QCOMPARE(bandLabel->geometry(), QRect(100, 120, 200, 130));
    QCOMPARE(f.page->children().last(), static_cast<QObject *>(bandLabel));
    QVERIFY(saveGrabIfAsked(f.window->grab().toImage(), "page_band.png"));
    QTest::mouseRelease(f.page, Qt::LeftButton, Qt::NoModifier, QPoint(100, 120));
    QVERIFY(!bandLabel->isVisible());
    QCOMPARE(intAt(f.page->findControl(113, "Button_1"), "x"), 100);
}

void TestPageInput::bandThatMakesNothingSelectsPage_data()
{
    QTest::addColumn<int>("armed");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("made");
    QTest::addColumn<bool>("modified");
    QTest::newRow("4 x 40 is too narrow") << 104 << QPoint(104, 140) << false << false;
    QTest::newRow("40 x 4 is too low") << 104 << QPoint(140, 104) << false << false;
    QTest::newRow("5 x 5 is enough") << 104 << QPoint(105, 105) << true << true;
    QTest::newRow("nothing armed") << -1 << QPoint(200, 200) << false << false;
    // Still marked, as the page has always done.
    QTest::newRow("kind without defaults") << 142 << QPoint(200, 200) << false << true;
}

void TestPageInput::bandThatMakesNothingSelectsPage()
{
    QFETCH(int, armed);
    QFETCH(QPoint, to);
    QFETCH(bool, made);
    QFETCH(bool, modified);
    UIBase *button = f.add(113, "Button_0", 300, 300);
    QVERIFY(select({button}));
    f.page->setModified(false);
    const int steps = f.steps();
    GlobalManager::instance()->setDropClass(armed);
    band(QPoint(100, 100), to);
    QCOMPARE(f.page->controlCount(), made ? 2 : 1);
    QCOMPARE(f.steps(), made ? steps + 1 : steps);
    QCOMPARE(f.page->isModified(), modified);
    QCOMPARE(f.page->lastSelected() == f.page, !made);
    if (!made) {
        QVERIFY(f.page->selection().isEmpty());
        QVERIFY(!button->isSelected());
    }
}

void TestPageInput::dropPutsControlUnderCursor_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<int>("armed");
    QTest::addColumn<QRect>("expected");
    // The palette hands over the drag label's screen rectangle, centred on the cursor.
    QTest::newRow("where the label shows") << QPoint(400, 300) << 103 << QRect(320, 255, 160, 90);
    QTest::newRow("cursor outside the page") << QPoint(850, 650) << 103 << QRect();
    QTest::newRow("nothing armed") << QPoint(400, 300) << -1 << QRect();
}

void TestPageInput::dropPutsControlUnderCursor()
{
    QFETCH(QPoint, cursor);
    QFETCH(int, armed);
    QFETCH(QRect, expected);
    GlobalManager::instance()->setDropClass(armed);
    QCursor::setPos(f.page->mapToGlobal(cursor));
    if (f.page->mapFromGlobal(QCursor::pos()) != cursor)
        QSKIP("this platform cannot place the cursor");
    f.page->addControlAtCursor(QRect(f.page->mapToGlobal(cursor - QPoint(80, 45)), QSize(160, 90)));
    QCOMPARE(f.page->controlCount(), expected.isNull() ? 0 : 1);
    if (!expected.isNull()) {
        UIBase *made = f.page->findControl(103, "ImageLabel_0");
        QCOMPARE(made->geometry(), expected);
        QCOMPARE(made->attributes().value("normalBkColor").toString(), QString("#334e6ef2"));
    }
}

void TestPageInput::arrowKeysNudgeEverySelectedControl_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("secondAt");
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("second");
    // The first control starts at (100, 100); the second one at the page's
    // edge, or reaching the right edge only after a nudge.
    QTest::newRow("left") << int(Qt::Key_Left) << 0 << QPoint(0, 50) << QPoint(99, 100) << QPoint(0, 50);
    QTest::newRow("right") << int(Qt::Key_Right) << 0 << QPoint(720, 50) << QPoint(101, 100) << QPoint(720, 50);
    QTest::newRow("up") << int(Qt::Key_Up) << 0 << QPoint(0, 0) << QPoint(100, 99) << QPoint(0, 0);
    QTest::newRow("down") << int(Qt::Key_Down) << 0 << QPoint(0, 50) << QPoint(100, 101) << QPoint(0, 51);
    QTest::newRow("left with Ctrl held") << int(Qt::Key_Left) << int(Qt::ControlModifier) << QPoint(5, 50)
                                         << QPoint(99, 100) << QPoint(4, 50);
}

void TestPageInput::arrowKeysNudgeEverySelectedControl()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QPoint, secondAt);
    QFETCH(QPoint, first);
    QFETCH(QPoint, second);
    UIBase *a = f.add(113, "Button_0", 100, 100);
    UIBase *b = f.add(113, "Button_1", secondAt.x(), secondAt.y());
    f.add(113, "Button_2", 300, 300);
    QVERIFY(select({a, b}));
    const int before = f.steps();
    f.page->setModified(false);
    QTest::keyClick(f.page, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // A step for each selected control, also for one held at the edge.
    QCOMPARE(f.steps(), before + 2);
    QVERIFY(f.page->isModified());
    QCOMPARE(place(a), first);
    QCOMPARE(place(b), second);
    QCOMPARE(place(f.page->findControl(113, "Button_2")), QPoint(300, 300));
    // Undone one control at a time.
    f.page->undo();
    QCOMPARE(place(a), first);
    f.page->undo();
    QCOMPARE(place(a), QPoint(100, 100));
}

void TestPageInput::arrowsDoNotScrollTheScrollArea()
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(f.page, &press);
    QVERIFY(press.isAccepted());
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(f.page, &other);
    QVERIFY(!other.isAccepted());
}

void TestPageInput::deleteKeyIsOneStepPerSelectedControl()
{
    UIBase *a = f.add(113, "Button_0", 10, 10);
    UIBase *b = f.add(104, "Label_0", 200, 10);
    UIBase *c = f.add(113, "Button_1", 400, 10);
    QVERIFY(select({a, b}));
    const int before = f.steps();
    QTest::keyClick(f.page, Qt::Key_Delete);
    flushDeletes();
    QCOMPARE(f.steps(), before + 2);
    QCOMPARE(f.page->controlCount(), 1);
    QCOMPARE(f.page->findControl(113, "Button_1"), c);
    QVERIFY(f.page->selection().isEmpty());
    QTest::keyClick(f.page, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(names(f.page, 104), QStringList{"Label_0"});
    QCOMPARE(names(f.page, 113), QStringList{"Button_1"});
}

void TestPageInput::deleteKeyEndsWhenSelectedControlIsGone()
{
    UIBase *a = f.add(104, "Label_0", 10, 10);
    UIBase *b = f.add(113, "Button_1", 200, 10);
    QVERIFY(select({a, b}));
    QCOMPARE(f.page->lastSelected(), b);
    // Taken off the page by an undo while still selected: the selection lets go of it.
    QPointer<UIBase> gone = b;
    f.page->undo();
    QCOMPARE(f.page->selection(), QList<UIBase *>{a});
    QVERIFY(!f.page->lastSelected());
    flushDeletes();
    QVERIFY(!gone);
    QTest::keyClick(f.page, Qt::Key_Delete);
    flushDeletes();
    QCOMPARE(f.page->controlCount(), 0);
}

void TestPageInput::ctrlCAndCtrlVCopyAndPaste()
{
    UIBase *a = f.add(113, "Button_0", 10, 20);
    QVERIFY(select({a}));
    QTest::keyClick(f.page, Qt::Key_C, Qt::ControlModifier);
    // Ctrl+C with nothing selected keeps what was copied.
    f.page->selectPage();
    QTest::keyClick(f.page, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(GlobalManager::instance()->clipboard().size(), 1);
    QTest::keyClick(f.page, Qt::Key_V, Qt::ControlModifier);
    UIBase *copy = f.page->findControl(113, "Button_1");
    QVERIFY(copy);
    QCOMPARE(place(copy), QPoint(20, 30));
}

void TestPageInput::ctrlWheelZooms_data()
{
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<double>("expected");
    QTest::newRow("one notch in") << QPoint(0, 120) << 1.01;
    QTest::newRow("horizontal wheel out") << QPoint(120, 0) << 0.99;
}

void TestPageInput::ctrlWheelZooms()
{
    QFETCH(QPoint, delta);
    QFETCH(double, expected);
    const QSize size = f.page->size();
    QTest::keyPress(f.page, Qt::Key_Control);
    wheel(delta, Qt::ControlModifier);
    QVERIFY(qFuzzyCompare(f.page->getScale(), expected));
    // Only the stored scale changes; the page is not relaid.
    QCOMPARE(f.page->size(), size);
}

void TestPageInput::wheelWithoutCtrlDoesNothing()
{
    bool accepted = false;
    wheel(QPoint(0, 120), Qt::NoModifier, &accepted);
    QVERIFY(accepted);
    QCOMPARE(f.page->getScale(), 1.0);
}

void TestPageInput::releasingAnyKeyEndsCtrlZoom()
{
    QTest::keyPress(f.page, Qt::Key_Control);
    QTest::keyRelease(f.page, Qt::Key_S, Qt::ControlModifier);
    wheel(QPoint(0, 120), Qt::ControlModifier);
    QCOMPARE(f.page->getScale(), 1.0);
}

QTEST_MAIN(TestPageInput)
#include "tst_pageinput.moc"
