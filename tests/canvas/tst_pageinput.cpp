// Mouse, keys, zoom and undo on a shown page. Real window-system mouse
// handling, so a drag keeps the implicit grab as a user's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "canvas/editcommand.h"
#include "tests/canvas/pagefixture.h"

#include <QLabel>

using namespace pagefixture;

class TestPageInput : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600, PageFixture::Shown)); }
    void cleanup() { f.tearDown(); }

    void addDeleteUndoUndoRedoRedoKeepsRightControls();
    void editStepsRestoreExactObjectsAcrossDelete_data();
    void editStepsRestoreExactObjectsAcrossDelete();
    void stepsReachTheControlTheyWereMadeFor_data();
    void stepsReachTheControlTheyWereMadeFor();
    void clickSelectsOnlyClickedAndCtrlClickTwiceSelectsOnce();
    void wallGridButtonMovesEditsAndDeletesUnderItsOwnKind();
    void undoAndRedoAfterSaveReachTheFile();
    void zoomSizesPageAndControlsButNotTheirObjects();
    void unusableZoomIsIgnored();
    void pageSizeRescalesControls_data();
    void pageSizeRescalesControls();
    void bandAddsOneControlOfArmedKind();
    void bandThatMakesNothingSelectsPage_data();
    void bandThatMakesNothingSelectsPage();
    void deleteKeyEndsWhenSelectedControlIsGone();
    void onlyCtrlWheelZooms();

private:
    void band(QPoint from, QPoint to, bool release = true)
    {
        QTest::mouseMove(f.page, from);
        QTest::mousePress(f.page, Qt::LeftButton, Qt::NoModifier, from);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(f.page, from + (to - from) * i / 4);
        if (release)
            QTest::mouseRelease(f.page, Qt::LeftButton, Qt::NoModifier, to);
    }
    bool wheel(QPoint delta, Qt::KeyboardModifiers modifiers)
    {
        QWheelEvent event(QPointF(100, 100), QPointF(f.page->mapToGlobal(QPoint(100, 100))), QPoint(), delta,
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        event.ignore();
        QCoreApplication::sendEvent(f.page, &event);
        return event.isAccepted();
    }

    PageFixture f;
};

void TestPageInput::addDeleteUndoUndoRedoRedoKeepsRightControls()
{
    UIBase *first = f.add(113, "Button_0");
    f.add(113, "Button_1", 200);
    f.page->deleteControl(first);
    // Each undo or redo, and the buttons left; freed at once so a stale
    // pointer shows under the sanitizer.
    const QVector<QPair<bool, QStringList>> steps{
        {false, {"Button_1", "Button_0"}}, {false, {"Button_0"}}, {false, {}},
        {true, {"Button_0"}}, {true, {"Button_0", "Button_1"}}, {true, {"Button_1"}}};
    for (const auto &step : steps) {
        flushDeletes();
        step.first ? f.page->redo() : f.page->undo();
        flushDeletes();
        QCOMPARE(names(f.page, 113), step.second);
    }
}

void TestPageInput::editStepsRestoreExactObjectsAcrossDelete_data()
{
    QTest::addColumn<QJsonObject>("changes");
    QTest::addColumn<bool>("pushed");
    // The property editor's route: the control reports, the page pushes.
    QTest::newRow("property edit") << QJsonObject{{"text", "标题"}, {"fontsize", 20}} << false;
    QTest::newRow("rename") << QJsonObject{{"name", "Start"}} << false;
    // As the latch operations push it: the undo takes the added keys out again.
    QTest::newRow("keys the step adds") << QJsonObject{{"self_locking", 1}, {"m_group_id", 3}} << true;
}

void TestPageInput::editStepsRestoreExactObjectsAcrossDelete()
{
    QFETCH(QJsonObject, changes);
    QFETCH(bool, pushed);
    UIBase *label = f.add(104, "Label_0");
    const QJsonObject created = label->attributes();
    label->setAttributes({{"text", "A"}}, true, true);
    const QJsonObject before = label->attributes();
    QJsonObject after = before;
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        after.insert(it.key(), it.value());
    if (pushed)
        f.page->undoStack()->push(new EditCommand(f.page, 104, 1, label, before, after));
    else
        label->setAttributes(changes, true, true);
    f.page->deleteControl(label);

    // Back to the add and forward again; the deleted label comes back as a
    // new object, which the older steps must still reach.
    const QVector<QPair<bool, QJsonObject>> steps{{false, after}, {false, before}, {false, created},
                                                  {true, before}, {true, after},   {true, {}}};
    for (const auto &step : steps) {
        flushDeletes();
        step.first ? f.page->redo() : f.page->undo();
        QCOMPARE(f.page->controlCount(), step.second.isEmpty() ? 0 : 1);
        if (step.second.isEmpty())
            continue;
        const UIBase *shown = f.page->controls().value(104).first();
        QCOMPARE(shown->attributes(), step.second);
        // What the control shows follows its object.
        QCOMPARE(shown->text(), step.second.value("text").toString());
        QCOMPARE(shown->getName(), step.second.value("name").toString());
        QCOMPARE(shown->groupId(), step.second.value("m_group_id").toInt());
    }
}

void TestPageInput::stepsReachTheControlTheyWereMadeFor_data()
{
    QTest::addColumn<QString>("secondName");
    QTest::newRow("two controls of one name") << "Button_0";
    QTest::newRow("a control without a name") << QString();
}

void TestPageInput::stepsReachTheControlTheyWereMadeFor()
{
    QFETCH(QString, secondName);
    QJsonObject first = control("Button", "Button_0", 100, 100, 80, 40);
    QJsonObject second = control("Button", secondName, 300, 100, 80, 40);
    if (secondName.isEmpty())
        second.remove("name");
    QCOMPARE(f.page->createControlFromJson(first), 0);
    QCOMPARE(f.page->createControlFromJson(second), 0);
    UIBase *a = f.page->controls().value(113).at(0);
    UIBase *b = f.page->controls().value(113).at(1);

    // The dragged control is the one that moves, on screen and in the file.
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    drag(b, QPoint(40, 20), QPoint(50, 30));
    b->setAttributes({{"text", "B"}}, true, true);
    QCOMPARE(storedRect(b), QRect(350, 130, 80, 40));
    QCOMPARE(b->geometry().topLeft(), QPoint(350, 130));
    QCOMPARE(a->attributes(), first);
    f.page->undo();
    f.page->undo();
    QCOMPARE(b->attributes(), second);
    QCOMPARE(a->attributes(), first);
    QCOMPARE(b->geometry().topLeft(), QPoint(300, 100));
}

void TestPageInput::clickSelectsOnlyClickedAndCtrlClickTwiceSelectsOnce()
{
    UIBase *label = f.add(104, "Label_0", 100, 100);
    UIBase *button = f.add(113, "Button_0", 300, 100);
    click(label);
    click(button);
    QCOMPARE(f.page->selection(), QList<UIBase *>{button});
    QVERIFY(!label->isSelected() && button->isSelected());
    // A click on the empty page deselects and makes the page the last selected.
    QTest::mouseClick(f.page, Qt::LeftButton, Qt::NoModifier, QPoint(600, 500));
    QVERIFY(f.page->selection().isEmpty() && !button->isSelected());
    QCOMPARE(f.page->lastSelected(), static_cast<UIBase *>(f.page));

    QTest::keyPress(f.page, Qt::Key_Control);
    for (UIBase *control : {label, button, label, label})
        QTest::mouseClick(control, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 10));
    QCOMPARE(f.page->selection(), (QList<UIBase *>{label, button}));
    // A drag moves the whole selection, one step per control, each held at 0.
    drag(button, QPoint(10, 10), QPoint(30, -120));
    QTest::keyRelease(f.page, Qt::Key_Control);
    QCOMPARE(storedRect(label).topLeft(), QPoint(130, 0));
    QCOMPARE(button->geometry().topLeft(), QPoint(330, 0));
    QCOMPARE(f.steps(), 4);
    // Deleting the selection takes each control once: two steps.
    QTest::keyPress(f.page, Qt::Key_Delete);
    QCOMPARE(f.steps(), 6);
    QCOMPARE(f.page->controlCount(), 0);
}

void TestPageInput::wallGridButtonMovesEditsAndDeletesUnderItsOwnKind()
{
    QJsonObject object = control("WallGridSettingButton", "Wall_0", 100, 100, 80, 40);
    QCOMPARE(f.page->createControlFromJson(object), 0);
    UIBase *wall = f.page->findControl(142, "Wall_0");
    QVERIFY(wall);
    QCOMPARE(wall->getType(), 140);
    QVERIFY(!f.page->controls().contains(140));

    QTest::mouseClick(wall, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    drag(wall, QPoint(40, 20), QPoint(50, 30));
    QCOMPARE(storedRect(wall).topLeft(), QPoint(150, 130));
    wall->setAttributes({{"text", "墙"}}, true, true);
    f.page->undo();
    f.page->undo();
    QCOMPARE(wall->attributes(), object);

    f.page->deleteControl(wall);
    flushDeletes();
    QVERIFY(f.page->controls().isEmpty());
    f.page->undo();
    QCOMPARE(names(f.page, 142), QStringList{"Wall_0"});
    QVERIFY(!f.page->controls().contains(140));
}

void TestPageInput::undoAndRedoAfterSaveReachTheFile()
{
    auto savedText = [this]() { return readPage(f.page->pageFilePath()).at(0)["text"].toString(); };
    UIBase *button = f.add(113, "Button_0");
    button->setAttributes({{"text", "A"}}, true, true);
    f.page->slotSaveFile();
    QVERIFY(!f.page->isModified());
    QCOMPARE(savedText(), QStringLiteral("A"));

    // The canvas no longer shows what the file holds: closing must ask and
    // a save must write.
    f.page->undo();
    QVERIFY(f.page->isModified());
    f.page->slotSaveFile();
    QCOMPARE(savedText(), QString());
    f.page->redo();
    QVERIFY(f.page->isModified());
    f.page->slotSaveFile();
    QCOMPARE(savedText(), QStringLiteral("A"));
    f.page->undo();
    f.page->slotSaveFile();
    f.page->undo();
    QVERIFY(f.page->isModified());
}

void TestPageInput::zoomSizesPageAndControlsButNotTheirObjects()
{
    UIBase *button = f.add(113, "Button_0", 101, 41, 33, 21);
    f.page->setModified(false);
    f.page->setEditScale("editScale", 0.5, true);
    QCOMPARE(f.page->size(), QSize(400, 300));
    QCOMPARE(button->geometry(), QRect(50, 20, 16, 10));
    // Zooming is neither a change nor a step.
    QCOMPARE(storedRect(button), QRect(101, 41, 33, 21));
    QVERIFY(!f.page->isModified());
    QCOMPARE(f.steps(), 1);

    // A control made later, or brought back by an undo, takes the zoom of the
    // moment: halves rounded up when first placed.
    f.page->setEditScale("editScale", 0.6, true);
    UIBase *later = f.add(113, "Button_1", 30, 45, 100, 50);
    QCOMPARE(later->geometry(), QRect(18, 27, 60, 30));
    f.page->deleteControl(later);
    flushDeletes();
    f.page->setEditScale("editScale", 2.0, true);
    f.page->undo();
    QCOMPARE(f.page->findControl(113, "Button_1")->geometry(), QRect(60, 90, 200, 100));
}

void TestPageInput::unusableZoomIsIgnored()
{
    f.page->setEditScale("editScale", 0.8, true);
    for (const QJsonValue &zoom : {QJsonValue(0.0), QJsonValue(-0.5), QJsonValue("0.60")}) {
        f.page->setEditScale("editScale", zoom, true);
        f.page->setPageAttribute("editScale", zoom, true);
        QCOMPARE(f.page->attributes().value("editScale"), QJsonValue(0.8));
        QCOMPARE(f.page->size(), QSize(640, 480));
    }
}

void TestPageInput::pageSizeRescalesControls_data()
{
    QTest::addColumn<int>("oldWidth");
    QTest::addColumn<QSize>("newSize");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QRect>("stored");
    QTest::newRow("800x600 to 480x320") << 800 << QSize(480, 320) << true << QRect(180, 80, 120, 53);
    // An old size of 0 or less leaves that axis alone.
    QTest::newRow("old width 0") << 0 << QSize(480, 320) << true << QRect(300, 80, 200, 53);
    QTest::newRow("800x600 to 400x300") << 800 << QSize(400, 300) << true << QRect(150, 75, 100, 50);
    QTest::newRow("159 wide is refused") << 800 << QSize(159, 320) << false << QRect(300, 150, 200, 100);
    QTest::newRow("8641 high is refused") << 800 << QSize(1280, 8641) << false << QRect(300, 150, 200, 100);
}

void TestPageInput::pageSizeRescalesControls()
{
    QFETCH(int, oldWidth);
    QFETCH(QSize, newSize);
    QFETCH(bool, accepted);
    QFETCH(QRect, stored);
    UIBase *button = f.add(113, "Button_0", 300, 150, 200, 100);
    f.page->setPageAttribute("w", oldWidth, true);
    f.page->setEditScale("editScale", 0.1, true);
    f.page->setModified(false);
    f.page->setPageSize(newSize.width(), newSize.height());
    QCOMPARE(f.page->isModified(), accepted);
    const QSize size = accepted ? newSize : QSize(oldWidth, 600);
    QCOMPARE(f.page->attributes().value("w"), QJsonValue(size.width()));
    QCOMPARE(f.page->attributes().value("h"), QJsonValue(size.height()));
    QCOMPARE(f.page->size(), QSize(qRound(size.width() * 0.1), qRound(size.height() * 0.1)));
    QCOMPARE(storedRect(button), stored);
}

void TestPageInput::bandAddsOneControlOfArmedKind()
{
    f.add(113, "Button_0", 150, 150);
    GlobalManager::instance()->setDropClass(129);
    auto *bandLabel = f.page->findChild<QLabel *>();
    // Drawn backwards: the band spans the two corners, above the controls.
    band(QPoint(260, 190), QPoint(100, 100), false);
    QVERIFY(bandLabel->isVisible());
    QCOMPARE(bandLabel->geometry(), QRect(100, 100, 160, 90));
    QCOMPARE(f.page->children().last(), static_cast<QObject *>(bandLabel));
    QVERIFY(saveGrabIfAsked(f.window->grab().toImage(), "page_band.png"));
    QTest::mouseRelease(f.page, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QVERIFY(!bandLabel->isVisible());

    QCOMPARE(f.steps(), 2);
    UIBase *made = f.page->findControl(129, "CmdButton_0");
    QCOMPARE(storedRect(made), QRect(100, 100, 160, 90));
    QCOMPARE(made->attributes().value("pressText").toString(), QString::fromUtf8("命令按钮"));
    // One step: undone and redone, the same object comes back.
    const QJsonObject object = made->attributes();
    f.page->undo();
    flushDeletes();
    QCOMPARE(f.page->controlCount(), 1);
    f.page->redo();
    QCOMPARE(f.page->findControl(129, "CmdButton_0")->attributes(), object);

    // The kind stays armed; at a zoom the stored geometry is in page pixels.
    f.page->setEditScale("editScale", 0.5, true);
    band(QPoint(200, 200), QPoint(301, 251));
    QCOMPARE(storedRect(f.page->findControl(129, "CmdButton_1")), QRect(400, 400, 202, 102));
}

void TestPageInput::bandThatMakesNothingSelectsPage_data()
{
    QTest::addColumn<int>("armed");
    QTest::addColumn<bool>("modified");
    QTest::newRow("4 x 40 is too narrow") << 104 << false;
    QTest::newRow("nothing armed") << -1 << false;
    // Still marked, as the page has always done.
    QTest::newRow("kind without defaults") << 142 << true;
}

void TestPageInput::bandThatMakesNothingSelectsPage()
{
    QFETCH(int, armed);
    QFETCH(bool, modified);
    UIBase *button = f.add(113, "Button_0", 300, 300);
    QVERIFY(select({button}));
    f.page->setModified(false);
    GlobalManager::instance()->setDropClass(armed);
    band(QPoint(100, 100), armed == 104 ? QPoint(104, 140) : QPoint(200, 200));
    QCOMPARE(f.page->controlCount(), 1);
    QCOMPARE(f.steps(), 1);
    QCOMPARE(f.page->isModified(), modified);
    QCOMPARE(f.page->lastSelected(), static_cast<UIBase *>(f.page));
    QVERIFY(f.page->selection().isEmpty() && !button->isSelected());
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
    QTest::keyClick(f.page, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(names(f.page, 104), QStringList{"Label_0"});
}

void TestPageInput::onlyCtrlWheelZooms()
{
    const QSize size = f.page->size();
    QVERIFY(wheel(QPoint(0, 120), Qt::NoModifier));
    QCOMPARE(f.page->getScale(), 1.0);
    QTest::keyPress(f.page, Qt::Key_Control);
    wheel(QPoint(0, 120), Qt::ControlModifier);
    QVERIFY(qFuzzyCompare(f.page->getScale(), 1.01));
    // Only the stored scale changes; the page is not relaid.
    QCOMPARE(f.page->size(), size);
    // Releasing any key ends the Ctrl zoom.
    QTest::keyRelease(f.page, Qt::Key_S, Qt::ControlModifier);
    wheel(QPoint(0, 120), Qt::ControlModifier);
    QVERIFY(qFuzzyCompare(f.page->getScale(), 1.01));
}

QTEST_MAIN(TestPageInput)
#include "tst_pageinput.moc"
