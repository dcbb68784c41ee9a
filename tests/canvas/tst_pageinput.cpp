// Real window-system mouse handling, so a band drag keeps the implicit grab
// as a user's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "canvas/addcommand.h"
#include "canvas/uipage.h"
#include "core/globalmanager.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QCursor>
#include <QLabel>
#include <QUndoStack>
#include <QtTest>

using namespace pagefixture;

class TestPageInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bandAddsOneControlOfArmedKind();
    void bandAtZoomStoresUnscaledGeometry();
    void bandShowsWhileDragging();
    void bandTooSmallSelectsPage_data();
    void bandTooSmallSelectsPage();
    void bandWithoutArmedKindSelectsPage();
    void bandForKindWithoutDefaultsAddsNothing();
    void addedControlUndoesAndRedoesWithSameObject();
    void secondButtonTakesNextIndex();
    void dropPutsControlUnderCursor();
    void dropOutsidePageAddsNothing();
    void arrowKeysNudgeEverySelectedControl_data();
    void arrowKeysNudgeEverySelectedControl();
    void arrowAtBoundStillPushesStep();
    void arrowsNudgeWithCtrlHeld();
    void arrowsDoNotScrollTheScrollArea();
    void deleteKeyDeletesWholeSelection();
    void deleteKeyEndsWhenSelectedControlIsGone();
    void deleteKeyIsOneStepPerControl();
    void ctrlZAndCtrlYUndoAndRedo();
    void ctrlSSavesModifiedPage();
    void ctrlCAndCtrlVCopyAndPaste();
    void ctrlCWithEmptySelectionKeepsClipboard();
    void busyPageDropsGuardedKeys();
    void ctrlWheelZooms_data();
    void ctrlWheelZooms();
    void wheelWithoutCtrlDoesNothing();
    void releasingAnyKeyEndsCtrlZoom();
    void draggingOneSelectedControlMovesAll();

private:
    UIBase *add(int nClass, const QString &name, int x = 10, int y = 10, int w = 80, int h = 40);
    void band(QPoint from, QPoint to);
    void select(const QList<UIBase *> &controls);

    TestWorkDir *m_workDir = nullptr;
    QWidget *m_window = nullptr;
    UIPage *m_page = nullptr;
};

void TestPageInput::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_window = new QWidget;
    m_window->resize(900, 700);
    m_page = new UIPage(m_window);
    m_page->openPage(info(m_workDir->path(), QStringLiteral("home")));
    m_page->setPageJson(pageObject(800, 600));
    m_page->setModified(false);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    GlobalManager::instance()->setDropClass(-1);
}

void TestPageInput::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_page = nullptr;
    flushDeletes();
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

UIBase *TestPageInput::add(int nClass, const QString &name, int x, int y, int w, int h)
{
    QJsonObject object = control(designControlTypeName(nClass), name, x, y, w, h);
    object.insert("widgetIndex", name.section('_', -1).toInt());
    m_page->undoStack()->push(new AddCommand(m_page, nClass, object));
    return m_page->findControl(nClass, name);
}

void TestPageInput::band(QPoint from, QPoint to)
{
    QTest::mouseMove(m_page, from);
    QTest::mousePress(m_page, Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(m_page, from + (to - from) * i / 4);
    QTest::mouseRelease(m_page, Qt::LeftButton, Qt::NoModifier, to);
}

void TestPageInput::select(const QList<UIBase *> &controls)
{
    // A plain click starts the selection afresh; Ctrl-clicks add the rest.
    QTest::mouseClick(controls.first(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::keyPress(m_page, Qt::Key_Control);
    for (UIBase *control : controls.mid(1))
        QTest::mouseClick(control, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    QTest::keyRelease(m_page, Qt::Key_Control);
    QCOMPARE(m_page->selection(), controls);
}

void TestPageInput::bandAddsOneControlOfArmedKind()
{
    GlobalManager::instance()->setDropClass(129);
    const int before = m_page->undoStack()->count();
    band(QPoint(100, 100), QPoint(260, 190));
    QCOMPARE(m_page->undoStack()->count(), before + 1);
    QCOMPARE(m_page->controlCount(), 1);
    UIBase *made = m_page->findControl(129, "CmdButton_0");
    QVERIFY(made);
    const QJsonObject attributes = made->attributes();
    QCOMPARE(attributes.value("x").toInt(), 100);
    QCOMPARE(attributes.value("y").toInt(), 100);
    QCOMPARE(attributes.value("w").toInt(), 160);
    QCOMPARE(attributes.value("h").toInt(), 90);
    QCOMPARE(attributes.value("widgetIndex").toInt(), 0);
    QCOMPARE(attributes.value("pressText").toString(), QString::fromUtf8("命令按钮"));
    QVERIFY(attributes.value("select_cmd_data_list").isArray());
    QVERIFY(m_page->isModified());
    // The band is gone once the control is made, and the kind stays armed.
    QVERIFY(!m_page->findChild<QLabel *>()->isVisible());
    band(QPoint(300, 300), QPoint(360, 340));
    QVERIFY(m_page->findControl(129, "CmdButton_1"));
}

void TestPageInput::bandAtZoomStoresUnscaledGeometry()
{
    m_page->setEditScale("editScale", 0.5, true);
    GlobalManager::instance()->setDropClass(113);
    band(QPoint(50, 40), QPoint(151, 91));
    UIBase *made = m_page->findControl(113, "Button_0");
    QVERIFY(made);
    QCOMPARE(made->attributes().value("x").toInt(), 100);
    QCOMPARE(made->attributes().value("y").toInt(), 80);
    QCOMPARE(made->attributes().value("w").toInt(), 202);
    QCOMPARE(made->attributes().value("h").toInt(), 102);
}

void TestPageInput::bandShowsWhileDragging()
{
    add(113, "Button_0", 150, 150);
    GlobalManager::instance()->setDropClass(113);
    auto *bandLabel = m_page->findChild<QLabel *>();
    QVERIFY(!bandLabel->isVisible());
    QTest::mouseMove(m_page, QPoint(300, 250));
    QTest::mousePress(m_page, Qt::LeftButton, Qt::NoModifier, QPoint(300, 250));
    QTest::mouseMove(m_page, QPoint(200, 200));
    QTest::mouseMove(m_page, QPoint(100, 120));
    // Drawn backwards: the band still spans the two corners, above the controls.
    QVERIFY(bandLabel->isVisible());
    QCOMPARE(bandLabel->geometry(), QRect(100, 120, 200, 130));
    QCOMPARE(m_page->children().last(), static_cast<QObject *>(bandLabel));
    QVERIFY(saveGrabIfAsked(m_window->grab().toImage(), "page_band.png"));
    QTest::mouseRelease(m_page, Qt::LeftButton, Qt::NoModifier, QPoint(100, 120));
    QVERIFY(!bandLabel->isVisible());
    QCOMPARE(m_page->findControl(113, "Button_1")->attributes().value("x").toInt(), 100);
}

void TestPageInput::bandTooSmallSelectsPage_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("made");
    QTest::newRow("4 x 40 is too narrow") << QPoint(104, 140) << false;
    QTest::newRow("40 x 4 is too low") << QPoint(140, 104) << false;
    QTest::newRow("5 x 5 is enough") << QPoint(105, 105) << true;
}

void TestPageInput::bandTooSmallSelectsPage()
{
    QFETCH(QPoint, to);
    QFETCH(bool, made);
    GlobalManager::instance()->setDropClass(104);
    band(QPoint(100, 100), to);
    QCOMPARE(m_page->controlCount(), made ? 1 : 0);
    QCOMPARE(m_page->lastSelected() == m_page, !made);
}

void TestPageInput::bandWithoutArmedKindSelectsPage()
{
    UIBase *button = add(113, "Button_0", 10, 10);
    select({button});
    band(QPoint(300, 300), QPoint(400, 400));
    QCOMPARE(m_page->controlCount(), 1);
    QCOMPARE(m_page->lastSelected(), static_cast<UIBase *>(m_page));
    QVERIFY(m_page->selection().isEmpty());
    QVERIFY(!button->isSelected());
}

void TestPageInput::bandForKindWithoutDefaultsAddsNothing()
{
    GlobalManager::instance()->setDropClass(142);
    const int before = m_page->undoStack()->count();
    band(QPoint(100, 100), QPoint(200, 200));
    QCOMPARE(m_page->undoStack()->count(), before);
    QCOMPARE(m_page->controlCount(), 0);
    // Still marked, as the page has always done.
    QVERIFY(m_page->isModified());
}

void TestPageInput::addedControlUndoesAndRedoesWithSameObject()
{
    GlobalManager::instance()->setDropClass(126);
    band(QPoint(10, 10), QPoint(110, 60));
    const QJsonObject made = m_page->findControl(126, "PageButton_0")->attributes();
    QCOMPARE(made.value("PlaceId").toInt(), -1);
    m_page->undo();
    flushDeletes();
    QCOMPARE(m_page->controlCount(), 0);
    m_page->redo();
    QCOMPARE(m_page->findControl(126, "PageButton_0")->attributes(), made);
}

void TestPageInput::secondButtonTakesNextIndex()
{
    add(113, "Button_0", 10, 10);
    add(113, "Button_4", 10, 100);
    GlobalManager::instance()->setDropClass(113);
    band(QPoint(300, 300), QPoint(400, 400));
    UIBase *made = m_page->findControl(113, "Button_5");
    QVERIFY(made);
    QCOMPARE(made->attributes().value("widgetIndex").toInt(), 5);
}

void TestPageInput::dropPutsControlUnderCursor()
{
    GlobalManager::instance()->setDropClass(103);
    QCursor::setPos(m_page->mapToGlobal(QPoint(400, 300)));
    if (m_page->mapFromGlobal(QCursor::pos()) != QPoint(400, 300))
        QSKIP("this platform cannot place the cursor");
    // The palette hands over the drag label's screen rectangle; only its size counts.
    m_page->addControlAtCursor(QRect(QPoint(-50, -50), QSize(160, 90)));
    UIBase *made = m_page->findControl(103, "ImageLabel_0");
    QVERIFY(made);
    QCOMPARE(made->attributes().value("x").toInt(), 240);
    QCOMPARE(made->attributes().value("y").toInt(), 210);
    QCOMPARE(made->attributes().value("w").toInt(), 160);
    QCOMPARE(made->attributes().value("normalBkColor").toString(), QString("#334e6ef2"));

    QCursor::setPos(m_page->mapToGlobal(QPoint(100, 50)));
    m_page->addControlAtCursor(QRect(0, 0, 160, 90));
    made = m_page->findControl(103, "ImageLabel_1");
    QVERIFY(made);
    QCOMPARE(made->geometry().topLeft(), QPoint(0, 0));
}

void TestPageInput::dropOutsidePageAddsNothing()
{
    GlobalManager::instance()->setDropClass(103);
    QCursor::setPos(m_page->mapToGlobal(QPoint(850, 650)));
    if (m_page->mapFromGlobal(QCursor::pos()) != QPoint(850, 650))
        QSKIP("this platform cannot place the cursor");
    m_page->addControlAtCursor(QRect(0, 0, 160, 90));
    QCOMPARE(m_page->controlCount(), 0);
    // Inside, but nothing armed.
    GlobalManager::instance()->setDropClass(-1);
    QCursor::setPos(m_page->mapToGlobal(QPoint(400, 300)));
    m_page->addControlAtCursor(QRect(0, 0, 160, 90));
    QCOMPARE(m_page->controlCount(), 0);
}

void TestPageInput::arrowKeysNudgeEverySelectedControl_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("second");
    QTest::newRow("left") << int(Qt::Key_Left) << QPoint(99, 100) << QPoint(0, 50);
    QTest::newRow("right") << int(Qt::Key_Right) << QPoint(101, 100) << QPoint(720, 50);
    QTest::newRow("up") << int(Qt::Key_Up) << QPoint(100, 99) << QPoint(0, 49);
    QTest::newRow("down") << int(Qt::Key_Down) << QPoint(100, 101) << QPoint(0, 51);
}

void TestPageInput::arrowKeysNudgeEverySelectedControl()
{
    QFETCH(int, key);
    QFETCH(QPoint, first);
    QFETCH(QPoint, second);
    UIBase *a = add(113, "Button_0", 100, 100);
    UIBase *b = add(113, "Button_1", 0, 50);
    add(113, "Button_2", 300, 300);
    // The second control reaches the page's right edge only after a nudge.
    if (key == Qt::Key_Right)
        b->setAttributes({{"x", 720}}, true, true);
    select({a, b});
    const int before = m_page->undoStack()->count();
    m_page->setModified(false);
    QTest::keyClick(m_page, Qt::Key(key));
    QCOMPARE(m_page->undoStack()->count(), before + 2);
    QVERIFY(m_page->isModified());
    auto place = [](UIBase *c) {
        return QPoint(c->attributes().value("x").toInt(), c->attributes().value("y").toInt());
    };
    QCOMPARE(place(a), first);
    QCOMPARE(place(b), second);
    QCOMPARE(place(m_page->findControl(113, "Button_2")), QPoint(300, 300));
    // Undone one control at a time.
    m_page->undo();
    QCOMPARE(place(a), first);
    m_page->undo();
    QCOMPARE(place(a), QPoint(100, 100));
}

void TestPageInput::arrowAtBoundStillPushesStep()
{
    UIBase *a = add(113, "Button_0", 0, 0);
    select({a});
    const int before = m_page->undoStack()->count();
    QTest::keyClick(m_page, Qt::Key_Left);
    QTest::keyClick(m_page, Qt::Key_Up);
    QCOMPARE(m_page->undoStack()->count(), before + 2);
    QCOMPARE(a->attributes().value("x").toInt(), 0);
    QCOMPARE(a->attributes().value("y").toInt(), 0);
}

void TestPageInput::arrowsNudgeWithCtrlHeld()
{
    UIBase *a = add(113, "Button_0", 50, 50);
    select({a});
    QTest::keyClick(m_page, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(a->attributes().value("x").toInt(), 49);
}

void TestPageInput::arrowsDoNotScrollTheScrollArea()
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(m_page, &press);
    QVERIFY(press.isAccepted());
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(m_page, &other);
    QVERIFY(!other.isAccepted());
}

void TestPageInput::deleteKeyDeletesWholeSelection()
{
    UIBase *a = add(113, "Button_0", 10, 10);
    UIBase *b = add(104, "Label_0", 200, 10);
    UIBase *c = add(113, "Button_1", 400, 10);
    select({a, b});
    QTest::keyClick(m_page, Qt::Key_Delete);
    flushDeletes();
    QCOMPARE(m_page->controlCount(), 1);
    QCOMPARE(m_page->findControl(113, "Button_1"), c);
    QVERIFY(m_page->selection().isEmpty());
}

void TestPageInput::deleteKeyEndsWhenSelectedControlIsGone()
{
    UIBase *a = add(113, "Button_0", 10, 10);
    UIBase *b = add(113, "Button_1", 200, 10);
    select({a, b});
    // Taken off the page by an undo while still selected.
    QPointer<UIBase> gone = b;
    m_page->undoStack()->undo();
    flushDeletes();
    QVERIFY(!gone);
    QTest::keyClick(m_page, Qt::Key_Delete);
    flushDeletes();
    QCOMPARE(m_page->controlCount(), 0);
}

void TestPageInput::deleteKeyIsOneStepPerControl()
{
    UIBase *a = add(113, "Button_0", 10, 10);
    UIBase *b = add(113, "Button_1", 200, 10);
    select({a, b});
    const int before = m_page->undoStack()->count();
    QTest::keyClick(m_page, Qt::Key_Delete);
    flushDeletes();
    QCOMPARE(m_page->undoStack()->count(), before + 2);
    QTest::keyClick(m_page, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(names(m_page, 113), QStringList{"Button_1"});
}

void TestPageInput::ctrlZAndCtrlYUndoAndRedo()
{
    UIBase *a = add(113, "Button_0", 10, 10);
    a->setAttributes({{"text", "Go"}}, true, true);
    QTest::keyClick(m_page, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_page->findControl(113, "Button_0")->attributes().value("text").toString(), QString());
    QTest::keyClick(m_page, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(m_page->findControl(113, "Button_0")->attributes().value("text").toString(), QString("Go"));
}

void TestPageInput::ctrlSSavesModifiedPage()
{
    add(113, "Button_0", 10, 10);
    QVERIFY(m_page->isModified());
    QTest::keyClick(m_page, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!m_page->isModified());
    const QJsonArray saved = readPage(m_page->pageFilePath());
    QCOMPARE(saved.size(), 2);
    QCOMPARE(saved.at(0).toObject().value("name").toString(), QString("Button_0"));
}

void TestPageInput::ctrlCAndCtrlVCopyAndPaste()
{
    UIBase *a = add(113, "Button_0", 10, 20);
    select({a});
    QTest::keyClick(m_page, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(m_page, Qt::Key_V, Qt::ControlModifier);
    UIBase *copy = m_page->findControl(113, "Button_1");
    QVERIFY(copy);
    QCOMPARE(copy->attributes().value("x").toInt(), 20);
    QCOMPARE(copy->attributes().value("y").toInt(), 30);
}

void TestPageInput::ctrlCWithEmptySelectionKeepsClipboard()
{
    UIBase *a = add(113, "Button_0", 10, 20);
    select({a});
    QTest::keyClick(m_page, Qt::Key_C, Qt::ControlModifier);
    m_page->selectPage();
    QTest::keyClick(m_page, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(GlobalManager::instance()->clipboard().size(), 1);
}

void TestPageInput::busyPageDropsGuardedKeys()
{
    UIBase *a = add(113, "Button_0", 50, 50);
    select({a});
    const int before = m_page->undoStack()->count();
    {
        UIPage::Guard held(m_page);
        QVERIFY(held.isHeld());
        QTest::keyClick(m_page, Qt::Key_Left);
        QTest::keyClick(m_page, Qt::Key_Delete);
        QTest::keyClick(m_page, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(m_page, Qt::Key_C, Qt::ControlModifier);
    }
    QCOMPARE(m_page->undoStack()->count(), before);
    QCOMPARE(m_page->controlCount(), 1);
    QVERIFY(GlobalManager::instance()->clipboard().isEmpty());
    QCOMPARE(a->attributes().value("x").toInt(), 50);
}

void TestPageInput::ctrlWheelZooms_data()
{
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<double>("expected");
    QTest::newRow("one notch in") << QPoint(0, 120) << 1.01;
    QTest::newRow("two notches, one step") << QPoint(0, 240) << 1.01;
    QTest::newRow("half a notch out") << QPoint(0, 60) << 0.99;
    QTest::newRow("horizontal wheel out") << QPoint(120, 0) << 0.99;
    QTest::newRow("out") << QPoint(0, -120) << 0.99;
}

void TestPageInput::ctrlWheelZooms()
{
    QFETCH(QPoint, delta);
    QFETCH(double, expected);
    const QSize size = m_page->size();
    QTest::keyPress(m_page, Qt::Key_Control);
    QWheelEvent wheel(QPointF(100, 100), QPointF(m_page->mapToGlobal(QPoint(100, 100))), QPoint(), delta,
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_page, &wheel);
    QVERIFY(qFuzzyCompare(m_page->getScale(), expected));
    // Only the stored scale changes; the page is not relaid.
    QCOMPARE(m_page->size(), size);
}

void TestPageInput::wheelWithoutCtrlDoesNothing()
{
    QWheelEvent wheel(QPointF(100, 100), QPointF(m_page->mapToGlobal(QPoint(100, 100))), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    wheel.ignore();
    QCoreApplication::sendEvent(m_page, &wheel);
    QVERIFY(wheel.isAccepted());
    QCOMPARE(m_page->getScale(), 1.0);
}

void TestPageInput::releasingAnyKeyEndsCtrlZoom()
{
    QTest::keyPress(m_page, Qt::Key_Control);
    QTest::keyRelease(m_page, Qt::Key_S, Qt::ControlModifier);
    QWheelEvent wheel(QPointF(100, 100), QPointF(m_page->mapToGlobal(QPoint(100, 100))), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_page, &wheel);
    QCOMPARE(m_page->getScale(), 1.0);
    // Scale stays within 0.5 .. 2.0 however often the wheel turns.
    QTest::keyPress(m_page, Qt::Key_Control);
    for (int i = 0; i < 200; ++i) {
        QWheelEvent in(QPointF(1, 1), QPointF(m_page->mapToGlobal(QPoint(1, 1))), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_page, &in);
    }
    QVERIFY(qFuzzyCompare(m_page->getScale(), 2.0));
}

void TestPageInput::draggingOneSelectedControlMovesAll()
{
    UIBase *a = add(113, "Button_0", 100, 100);
    UIBase *b = add(113, "Button_1", 300, 10);
    UIBase *c = add(104, "Label_0", 700, 100, 80, 40);
    select({a, c});
    QTest::keyPress(m_page, Qt::Key_Control);
    const int before = m_page->undoStack()->count();
    QTest::mouseMove(b, QPoint(10, 10));
    QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    const QPoint start = b->mapToParent(QPoint(10, 10));
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(m_page, start + QPoint(30, -20) * i / 4);
    QTest::mouseRelease(m_page, Qt::LeftButton, Qt::NoModifier, start + QPoint(30, -20));
    QTest::keyRelease(m_page, Qt::Key_Control);
    QCOMPARE(m_page->undoStack()->count(), before + 3);
    QCOMPARE(a->attributes().value("x").toInt(), 130);
    QCOMPARE(a->attributes().value("y").toInt(), 80);
    // Held at the page's right edge and at 0.
    QCOMPARE(c->attributes().value("x").toInt(), 720);
    QCOMPARE(b->attributes().value("y").toInt(), 0);
}

QTEST_MAIN(TestPageInput)
#include "tst_pageinput.moc"
