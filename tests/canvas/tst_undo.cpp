// Real window-system mouse handling, so a drag keeps the implicit grab as a
// user's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "canvas/editcommand.h"
#include "tests/canvas/pagefixture.h"

using namespace pagefixture;

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600, PageFixture::Shown)); }
    void cleanup() { f.tearDown(); }

    void addDeleteUndoUndoRedoRedoKeepsRightControls();
    void editDeleteUndoRedoSequenceRestoresEachObject();
    void undoOfAddMakesNoStaleAccess();
    void editStepsRestoreExactObjects_data();
    void editStepsRestoreExactObjects();
    void redoneAddIsNewUnselectedControlWithSameObject();
    void removeControlIgnoresControlsNotFiledThere();
    void clickSelectsOnlyClickedAndCtrlClickTwiceSelectsOnce();
    void wallGridButtonMovesEditsAndDeletes();
    void mouseMoveIsOneStepPerSelectedControl();
    void mouseResizeUndoRestoresGeometry();
    void pageAttributeEditIsOneStep();
    void undoAndRedoAfterSaveReachTheFile();
    void stepsReachTheControlTheyWereMadeFor_data();
    void stepsReachTheControlTheyWereMadeFor();
    void zoomIsNotUndoneWithAnEarlierPageEdit();
    void deleteFromControlTreeSlot_data();
    void deleteFromControlTreeSlot();

private:
    void drag(UIBase *control, QPoint start, QPoint delta)
    {
        QTest::mouseMove(control, start);
        QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, start);
        const QPoint startInPage = control->mapToParent(start);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(f.page, startInPage + delta * i / 4);
        QTest::mouseRelease(f.page, Qt::LeftButton, Qt::NoModifier, startInPage + delta);
    }

    PageFixture f;
};

void TestUndo::addDeleteUndoUndoRedoRedoKeepsRightControls()
{
    UIBase *first = f.add(113, "Button_0");
    f.add(113, "Button_1", 200);
    QVERIFY(first);
    f.page->deleteControl(first);
    flushDeletes();
    QCOMPARE(names(f.page, 113), QStringList{"Button_1"});

    f.page->undo();   // the deletion: Button_0 is back, as a new object
    flushDeletes();
    QCOMPARE(names(f.page, 113), (QStringList{"Button_1", "Button_0"}));
    f.page->undo();   // the second add
    flushDeletes();
    QCOMPARE(names(f.page, 113), QStringList{"Button_0"});
    f.page->undo();   // the first add: takes off the re-created Button_0
    flushDeletes();
    QVERIFY(!f.page->controls().contains(113));

    f.page->redo();
    f.page->redo();
    flushDeletes();
    QCOMPARE(names(f.page, 113), (QStringList{"Button_0", "Button_1"}));
    f.page->redo();   // the deletion again, of the object made by the redo
    flushDeletes();
    QCOMPARE(names(f.page, 113), QStringList{"Button_1"});
    QCOMPARE(f.page->findControl(113, "Button_1")->geometry().x(), 200);
    QVERIFY(!f.page->undoStack()->canRedo());
}

void TestUndo::editDeleteUndoRedoSequenceRestoresEachObject()
{
    UIBase *button = f.add(113, "Button_0");
    const QJsonObject created = button->attributes();
    button->setAttributes({{"text", "Go"}}, true, true);
    const QJsonObject edited = f.page->findControl(113, "Button_0")->attributes();
    QCOMPARE(edited.value("text"), QJsonValue(QStringLiteral("Go")));
    f.page->deleteControl(f.page->findControl(113, "Button_0"));
    flushDeletes();

    // Each step back and forth, and the object the page then holds (none: no control).
    const QVector<QPair<bool, QJsonObject>> steps{{false, edited}, {false, created}, {false, {}},
                                                  {true, created},  {true, edited},   {true, {}}};
    for (const auto &step : steps) {
        step.first ? f.page->redo() : f.page->undo();
        flushDeletes();
        QCOMPARE(f.page->controlCount(), step.second.isEmpty() ? 0 : 1);
        if (!step.second.isEmpty())
            QCOMPARE(f.page->findControl(113, "Button_0")->attributes(), step.second);
    }
}

void TestUndo::undoOfAddMakesNoStaleAccess()
{
    // Undo of an add whose control a later delete and undo replaced: the
    // command must not touch the freed first object.
    QPointer<UIBase> original = f.add(104, "Label_0");
    f.page->deleteControl(original);
    flushDeletes();
    QVERIFY(original.isNull());
    f.page->undo();
    UIBase *restored = f.page->findControl(104, "Label_0");
    QVERIFY(restored);
    f.page->undo();
    flushDeletes();
    QCOMPARE(f.page->controlCount(), 0);
    f.page->redo();
    QCOMPARE(names(f.page, 104), QStringList{"Label_0"});
}

void TestUndo::editStepsRestoreExactObjects_data()
{
    QTest::addColumn<QJsonObject>("changes");
    QTest::addColumn<bool>("pushed");
    // The property editor's route: the control reports, the page pushes.
    QTest::newRow("property edit") << QJsonObject{{"text", "标题"}, {"fontsize", 20}, {"normalColor", "#ff00ff00"}}
                                   << false;
    QTest::newRow("rename") << QJsonObject{{"name", "Start"}} << false;
    // As the latch operations push it: the undo takes the added keys out again.
    QTest::newRow("keys the step adds") << QJsonObject{{"self_locking", 1}, {"m_group_id", 3}} << true;
}

void TestUndo::editStepsRestoreExactObjects()
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
    QCOMPARE(f.steps(), 3);
    // What the control shows follows its object.
    auto shown = [label]() {
        return QStringList{label->text(), label->getName(), QString::number(label->groupId())};
    };
    auto expected = [](const QJsonObject &o) {
        return QStringList{o.value("text").toString(), o.value("name").toString(),
                           QString::number(o.value("m_group_id").toInt())};
    };
    QCOMPARE(label->attributes(), after);
    QCOMPARE(shown(), expected(after));
    f.page->undo();
    QCOMPARE(label->attributes(), before);
    QCOMPARE(shown(), expected(before));
    f.page->undo();
    QCOMPARE(label->attributes(), created);
    f.page->redo();
    f.page->redo();
    QCOMPARE(label->attributes(), after);
    QCOMPARE(shown(), expected(after));
}

void TestUndo::redoneAddIsNewUnselectedControlWithSameObject()
{
    UIBase *button = f.add(113, "Button_0", 30, 40, 50, 60);
    const QJsonObject object = button->attributes();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(25, 30));
    QVERIFY(button->isSelected());
    f.page->undo();
    flushDeletes();
    f.page->redo();
    UIBase *again = f.page->findControl(113, "Button_0");
    QVERIFY(again);
    QCOMPARE(again->attributes(), object);
    QVERIFY(!again->isSelected());
    QCOMPARE(again->geometry(), QRect(30, 40, 50, 60));
    QVERIFY(f.page->isModified());
}

void TestUndo::removeControlIgnoresControlsNotFiledThere()
{
    UIBase *button = f.add(113, "Button_0");
    UIPage other;
    UIBase *foreign = other.createControl(113, control("Button", "Button_0", 0, 0, 5, 5));
    f.page->setModified(false);
    f.page->removeControl(113, foreign);
    f.page->removeControl(104, button);
    f.page->removeControl(113, nullptr);
    QCOMPARE(names(f.page, 113), QStringList{"Button_0"});
    QCOMPARE(names(&other, 113), QStringList{"Button_0"});
    QVERIFY(!f.page->isModified());
    // A control of another page cannot be deleted here either.
    f.page->deleteControl(foreign);
    QCOMPARE(f.steps(), 1);
    QCOMPARE(other.controlCount(), 1);
}

void TestUndo::clickSelectsOnlyClickedAndCtrlClickTwiceSelectsOnce()
{
    UIBase *label = f.add(104, "Label_0", 100, 100);
    UIBase *button = f.add(113, "Button_0", 300, 100);
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(f.page->selection(), QList<UIBase *>{button});
    QVERIFY(!label->isSelected() && button->isSelected());
    // A click on the empty page deselects and makes the page the last selected.
    QTest::mouseClick(f.page, Qt::LeftButton, Qt::NoModifier, QPoint(600, 500));
    QVERIFY(f.page->selection().isEmpty());
    QVERIFY(!button->isSelected());
    QCOMPARE(f.page->lastSelected(), static_cast<UIBase *>(f.page));

    QTest::keyPress(f.page, Qt::Key_Control);
    for (UIBase *control : {label, button, label, label})
        QTest::mouseClick(control, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 10));
    QCOMPARE(f.page->selection(), (QList<UIBase *>{label, button}));
    QVERIFY(label->isSelected() && button->isSelected());
    // Deleting the selection takes each control once: two steps.
    QTest::keyPress(f.page, Qt::Key_Delete);
    QCOMPARE(f.steps(), 4);
    QCOMPARE(f.page->controlCount(), 0);
}

void TestUndo::wallGridButtonMovesEditsAndDeletes()
{
    QJsonObject object = control("WallGridSettingButton", "Wall_0", 100, 100, 80, 40);
    QVERIFY(f.page->createControlFromJson(object) == 0);
    UIBase *wall = f.page->findControl(142, "Wall_0");
    QVERIFY(wall);
    QCOMPARE(wall->getType(), 140);

    QTest::mouseClick(wall, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    drag(wall, QPoint(40, 20), QPoint(50, 30));
    QCOMPARE(wall->attributes().value("x"), QJsonValue(150));
    QCOMPARE(wall->attributes().value("y"), QJsonValue(130));
    wall->setAttributes({{"text", "墙"}}, true, true);
    QCOMPARE(wall->text(), QStringLiteral("墙"));
    f.page->undo();
    f.page->undo();
    QCOMPARE(wall->attributes(), object);

    f.page->deleteControl(wall);
    flushDeletes();
    QVERIFY(!f.page->controls().contains(142));
    f.page->undo();
    QCOMPARE(names(f.page, 142), QStringList{"Wall_0"});
    QVERIFY(!f.page->controls().contains(140));
}

void TestUndo::mouseMoveIsOneStepPerSelectedControl()
{
    UIBase *a = f.add(113, "Button_0", 100, 100);
    UIBase *b = f.add(113, "Button_1", 300, 10);
    UIBase *c = f.add(104, "Label_0", 700, 100);
    // Ctrl stays down: the press that starts the drag adds b to the selection.
    QTest::keyPress(f.page, Qt::Key_Control);
    for (UIBase *control : {a, c})
        QTest::mouseClick(control, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 10));
    const int before = f.steps();
    drag(b, QPoint(10, 10), QPoint(30, -20));
    QCOMPARE(f.page->selection(), (QList<UIBase *>{a, c, b}));
    QCOMPARE(f.steps(), before + 3);
    QCOMPARE(a->geometry().topLeft(), QPoint(130, 80));
    // Held at 0 and at the page's right edge.
    QCOMPARE(b->geometry().topLeft(), QPoint(330, 0));
    QCOMPARE(c->geometry().topLeft(), QPoint(720, 80));
    QCOMPARE(intAt(c, "x"), 720);
    // Undone control by control: the dragged one went last, so it comes back first.
    f.page->undo();
    QCOMPARE(b->geometry().topLeft(), QPoint(300, 10));
    QCOMPARE(c->geometry().topLeft(), QPoint(720, 80));
    f.page->undo();
    QCOMPARE(c->geometry().topLeft(), QPoint(700, 100));
    QCOMPARE(a->geometry().topLeft(), QPoint(130, 80));
    f.page->undo();
    QCOMPARE(a->geometry().topLeft(), QPoint(100, 100));
    QCOMPARE(a->attributes().value("x"), QJsonValue(100));
}

void TestUndo::mouseResizeUndoRestoresGeometry()
{
    UIBase *button = f.add(113, "Button_0", 100, 100, 80, 40);
    const QJsonObject before = button->attributes();
    // Pressed 2 pixels inside the right edge and moved 30 to the right: the
    // inclusive right edge lands on x 208.
    drag(button, QPoint(78, 20), QPoint(30, 0));
    QCOMPARE(button->attributes().value("w"), QJsonValue(109));
    QCOMPARE(button->geometry().width(), 109);
    f.page->undo();
    QCOMPARE(button->attributes(), before);
    QCOMPARE(button->geometry(), QRect(100, 100, 80, 40));
}

void TestUndo::pageAttributeEditIsOneStep()
{
    const QJsonObject before = f.page->attributes();
    f.page->setModified(false);
    f.page->setControlAttributes({{"normalBkColor", "#ff00ff00"}, {"text", "欢迎"}}, true, 1);
    QVERIFY(f.page->isModified());
    QCOMPARE(f.steps(), 1);
    QCOMPARE(f.page->normalBkColor(), QStringLiteral("#ff00ff00"));
    QCOMPARE(f.page->pageText(), QStringLiteral("欢迎"));
    const QJsonObject after = f.page->attributes();
    f.page->undo();
    QCOMPARE(f.page->attributes(), before);
    QCOMPARE(f.page->pageText(), QString());
    QCOMPARE(f.page->normalBkColor(), QStringLiteral("#ff181818"));
    f.page->redo();
    QCOMPARE(f.page->attributes(), after);
}

void TestUndo::undoAndRedoAfterSaveReachTheFile()
{
    auto savedText = [this]() {
        for (const QJsonValue &element : readPage(f.page->pageFilePath())) {
            if (element.toObject().value("name") == QStringLiteral("Button_0"))
                return element.toObject().value("text").toString();
        }
        return QStringLiteral("<none>");
    };
    UIBase *button = f.add(113, "Button_0");
    button->setAttributes({{"text", "A"}}, true, true);
    f.page->slotSaveFile();
    QVERIFY(!f.page->isModified());
    QCOMPARE(savedText(), QStringLiteral("A"));

    // The canvas no longer shows what the file holds: closing must ask and
    // a save must write.
    f.page->undo();
    QCOMPARE(button->text(), QString());
    QVERIFY(f.page->isModified());
    f.page->slotSaveFile();
    QCOMPARE(savedText(), QString());

    f.page->redo();
    QVERIFY(f.page->isModified());
    f.page->slotSaveFile();
    QCOMPARE(savedText(), QStringLiteral("A"));

    // Undoing the add changes the controls themselves, which marks the page.
    f.page->undo();
    f.page->undo();
    QVERIFY(f.page->isModified());
}

void TestUndo::stepsReachTheControlTheyWereMadeFor_data()
{
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("secondName");
    QTest::newRow("two controls of one name") << "Button_0" << "Button_0";
    QTest::newRow("a control without a name") << "Button_0" << QString();
}

void TestUndo::stepsReachTheControlTheyWereMadeFor()
{
    QFETCH(QString, firstName);
    QFETCH(QString, secondName);
    QJsonObject first = control("Button", firstName, 100, 100, 80, 40);
    QJsonObject second = control("Button", secondName, 300, 100, 80, 40);
    if (secondName.isEmpty())
        second.remove("name");
    QCOMPARE(f.page->createControlFromJson(first), 0);
    QCOMPARE(f.page->createControlFromJson(second), 0);
    const QList<UIBase *> buttons = f.page->controls().value(113);
    QCOMPARE(buttons.size(), 2);
    UIBase *a = buttons.at(0);
    UIBase *b = buttons.at(1);

    // The dragged control is the one that moves, on screen and in the file.
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    drag(b, QPoint(40, 20), QPoint(50, 30));
    QCOMPARE(b->attributes().value("x"), QJsonValue(350));
    QCOMPARE(b->geometry().topLeft(), QPoint(350, 130));
    QCOMPARE(a->attributes().value("x"), QJsonValue(100));
    QCOMPARE(a->geometry().topLeft(), QPoint(100, 100));

    b->setAttributes({{"text", "B"}}, true, true);
    QCOMPARE(b->text(), QStringLiteral("B"));
    QCOMPARE(a->text(), QString());

    f.page->undo();
    f.page->undo();
    QCOMPARE(b->attributes(), second);
    QCOMPARE(a->attributes(), first);
    QCOMPARE(b->geometry().topLeft(), QPoint(300, 100));
}

void TestUndo::zoomIsNotUndoneWithAnEarlierPageEdit()
{
    UIBase *button = f.add(113, "Button_0", 100, 100, 80, 40);
    f.page->setControlAttributes({{"normalBkColor", "#ff0000ff"}}, true, 1);
    f.page->setEditScale("editScale", 0.5, true);
    f.page->undo();
    QCOMPARE(f.page->normalBkColor(), QStringLiteral("#ff181818"));
    QCOMPARE(f.page->getScale(), 0.5);
    QCOMPARE(f.page->attributes().value("editScale"), QJsonValue(0.5));
    QCOMPARE(f.page->size(), QSize(400, 300));
    QCOMPARE(button->geometry(), QRect(50, 50, 40, 20));
}

void TestUndo::deleteFromControlTreeSlot_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("one item") << 0 << QStringList{"Button_0", "Button_2"};
    QTest::newRow("kind item") << 1 << QStringList();
}

void TestUndo::deleteFromControlTreeSlot()
{
    QFETCH(int, type);
    QFETCH(QStringList, left);
    for (int i = 0; i < 3; ++i)
        f.add(113, "Button_" + QString::number(i), 100 * i);
    UIPage other;
    f.page->slotDeleteControl(113, "Button_1", type, &other);
    QCOMPARE(f.page->controlCount(), 3);
    f.page->slotDeleteControl(113, "Button_1", type, f.page);
    flushDeletes();
    QCOMPARE(names(f.page, 113), left);
    while (f.page->undoStack()->canUndo() && f.page->controlCount() < 3)
        f.page->undo();
    QCOMPARE(f.page->controlCount(), 3);
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
