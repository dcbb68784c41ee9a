// Real window-system mouse handling, so a drag keeps the implicit grab as a
// user's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "canvas/addcommand.h"
#include "canvas/deletecommand.h"
#include "canvas/editcommand.h"
#include "canvas/uipage.h"
#include "core/globalmanager.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QPointer>
#include <QUndoStack>
#include <QtTest>

using namespace pagefixture;

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addDeleteUndoUndoRedoRedoKeepsRightControls();
    void editDeleteUndoRedoSequenceRestoresEachObject();
    void undoOfAddMakesNoStaleAccess();
    void propertyEditUndoAndRedoRestoreExactObjects();
    void undoTakesOutKeysTheStepAdded();
    void earlierEditIsUndoneAfterDeleteAndRestore();
    void redoneAddIsNewUnselectedControlWithSameObject();
    void removeControlIgnoresControlsNotFiledThere();
    void controlRemovedByUndoLeavesSelection();
    void ctrlClickTwiceSelectsOnce();
    void clickWithoutCtrlSelectsOnlyClicked();
    void wallGridButtonMovesEditsAndDeletes();
    void mouseMoveIsOneStepPerSelectedControl();
    void mouseResizeUndoRestoresGeometry();
    void pageAttributeEditIsOneStep();
    void undoAndRedoAfterSaveReachTheFile();
    void stepsReachTheControlTheyWereMadeFor_data();
    void stepsReachTheControlTheyWereMadeFor();
    void renameStepCanBeUndone();
    void zoomIsNotUndoneWithAnEarlierPageEdit();
    void deleteFromControlTreeSlot_data();
    void deleteFromControlTreeSlot();

private:
    UIBase *add(int nClass, const QString &name, int x = 10, int y = 10, int w = 80, int h = 40);
    void drag(UIBase *control, QPoint start, QPoint delta);

    TestWorkDir *m_workDir = nullptr;
    QWidget *m_window = nullptr;
    UIPage *m_page = nullptr;
};

void TestUndo::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_window = new QWidget;
    m_window->resize(900, 700);
    m_page = new UIPage(m_window);
    m_page->openPage(info(m_workDir->path(), QStringLiteral("home")));
    m_page->setPageJson(pageObject(800, 600));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestUndo::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_page = nullptr;
    flushDeletes();
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

UIBase *TestUndo::add(int nClass, const QString &name, int x, int y, int w, int h)
{
    m_page->undoStack()->push(
        new AddCommand(m_page, nClass, control(designControlTypeName(nClass), name, x, y, w, h)));
    return m_page->findControl(nClass, name);
}

void TestUndo::drag(UIBase *control, QPoint start, QPoint delta)
{
    QTest::mouseMove(control, start);
    QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, start);
    const QPoint startInPage = control->mapToParent(start);
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(m_page, startInPage + delta * i / 4);
    QTest::mouseRelease(m_page, Qt::LeftButton, Qt::NoModifier, startInPage + delta);
}

void TestUndo::addDeleteUndoUndoRedoRedoKeepsRightControls()
{
    UIBase *first = add(113, QStringLiteral("Button_0"));
    add(113, QStringLiteral("Button_1"), 200);
    QVERIFY(first);
    m_page->deleteControl(first);
    flushDeletes();
    QCOMPARE(names(m_page, 113), QStringList{"Button_1"});

    m_page->undo();   // the deletion: Button_0 is back, as a new object
    flushDeletes();
    QCOMPARE(names(m_page, 113), (QStringList{"Button_1", "Button_0"}));
    m_page->undo();   // the second add
    flushDeletes();
    QCOMPARE(names(m_page, 113), QStringList{"Button_0"});
    m_page->undo();   // the first add: takes off the re-created Button_0
    flushDeletes();
    QVERIFY(!m_page->controls().contains(113));

    m_page->redo();
    m_page->redo();
    flushDeletes();
    QCOMPARE(names(m_page, 113), (QStringList{"Button_0", "Button_1"}));
    m_page->redo();   // the deletion again, of the object made by the redo
    flushDeletes();
    QCOMPARE(names(m_page, 113), QStringList{"Button_1"});
    QCOMPARE(m_page->findControl(113, QStringLiteral("Button_1"))->geometry().x(), 200);
    QVERIFY(!m_page->undoStack()->canRedo());
}

void TestUndo::editDeleteUndoRedoSequenceRestoresEachObject()
{
    UIBase *button = add(113, QStringLiteral("Button_0"));
    const QJsonObject created = button->attributes();
    button->setAttributes({{"text", "Go"}}, true, true);
    const QJsonObject edited = m_page->findControl(113, QStringLiteral("Button_0"))->attributes();
    QCOMPARE(edited.value(QStringLiteral("text")), QJsonValue(QStringLiteral("Go")));
    m_page->deleteControl(m_page->findControl(113, QStringLiteral("Button_0")));
    flushDeletes();

    const QVector<QJsonObject> expected{edited, created};
    for (const QJsonObject &object : expected) {
        m_page->undo();
        flushDeletes();
        UIBase *now = m_page->findControl(113, QStringLiteral("Button_0"));
        QVERIFY(now);
        QCOMPARE(now->attributes(), object);
    }
    m_page->undo();
    flushDeletes();
    QCOMPARE(m_page->controlCount(), 0);

    m_page->redo();
    flushDeletes();
    QCOMPARE(m_page->findControl(113, QStringLiteral("Button_0"))->attributes(), created);
    m_page->redo();
    flushDeletes();
    QCOMPARE(m_page->findControl(113, QStringLiteral("Button_0"))->attributes(), edited);
    m_page->redo();
    flushDeletes();
    QCOMPARE(m_page->controlCount(), 0);
}

void TestUndo::undoOfAddMakesNoStaleAccess()
{
    // Undo of an add whose control a later delete and undo replaced: the
    // command must not touch the freed first object.
    QPointer<UIBase> original = add(104, QStringLiteral("Label_0"));
    m_page->deleteControl(original);
    flushDeletes();
    QVERIFY(original.isNull());
    m_page->undo();
    UIBase *restored = m_page->findControl(104, QStringLiteral("Label_0"));
    QVERIFY(restored);
    m_page->undo();
    flushDeletes();
    QCOMPARE(m_page->controlCount(), 0);
    m_page->redo();
    QCOMPARE(names(m_page, 104), QStringList{"Label_0"});
}

void TestUndo::propertyEditUndoAndRedoRestoreExactObjects()
{
    UIBase *label = add(104, QStringLiteral("Label_0"));
    const QJsonObject before = label->attributes();
    // The property editor's route: the control reports, the page pushes.
    label->setAttributes({{"text", "标题"}, {"fontsize", 20}, {"normalColor", "#ff00ff00"}}, true, true);
    const QJsonObject after = label->attributes();
    QCOMPARE(after.value(QStringLiteral("fontsize")), QJsonValue(20));
    QCOMPARE(label->text(), QStringLiteral("标题"));
    QCOMPARE(m_page->undoStack()->count(), 2);

    m_page->undo();
    QCOMPARE(label->attributes(), before);
    QCOMPARE(label->text(), QString());
    m_page->redo();
    QCOMPARE(label->attributes(), after);
}

void TestUndo::undoTakesOutKeysTheStepAdded()
{
    UIBase *label = add(104, QStringLiteral("Label_0"));
    const QJsonObject before = label->attributes();
    QJsonObject locked = before;
    locked.insert(QStringLiteral("self_locking"), 1);
    locked.insert(QStringLiteral("m_group_id"), 3);
    m_page->undoStack()->push(new EditCommand(m_page, 104, 1, label, before, locked));
    QCOMPARE(label->groupId(), 3);
    m_page->undo();
    QCOMPARE(label->attributes(), before);
    QVERIFY(!label->attributes().contains(QStringLiteral("self_locking")));
    QCOMPARE(label->groupId(), 0);
    m_page->redo();
    QCOMPARE(label->attributes(), locked);
}

void TestUndo::earlierEditIsUndoneAfterDeleteAndRestore()
{
    UIBase *button = add(113, QStringLiteral("Button_0"));
    button->setAttributes({{"text", "A"}}, true, true);
    m_page->deleteControl(button);
    flushDeletes();
    m_page->undo();
    UIBase *restored = m_page->findControl(113, QStringLiteral("Button_0"));
    QVERIFY(restored);
    QCOMPARE(restored->text(), QStringLiteral("A"));
    m_page->undo();
    QCOMPARE(restored->text(), QString());
    QVERIFY(!restored->attributes().contains(QStringLiteral("text")));
}

void TestUndo::redoneAddIsNewUnselectedControlWithSameObject()
{
    UIBase *button = add(113, QStringLiteral("Button_0"), 30, 40, 50, 60);
    const QJsonObject object = button->attributes();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(25, 30));
    QVERIFY(button->isSelected());
    m_page->undo();
    flushDeletes();
    m_page->redo();
    UIBase *again = m_page->findControl(113, QStringLiteral("Button_0"));
    QVERIFY(again);
    QCOMPARE(again->attributes(), object);
    QVERIFY(!again->isSelected());
    QCOMPARE(again->geometry(), QRect(30, 40, 50, 60));
    QVERIFY(m_page->isModified());
}

void TestUndo::removeControlIgnoresControlsNotFiledThere()
{
    UIBase *button = add(113, QStringLiteral("Button_0"));
    UIPage other;
    UIBase *foreign = other.createControl(113, control(QStringLiteral("Button"), QStringLiteral("Button_0"), 0, 0, 5, 5));
    m_page->setModified(false);
    m_page->removeControl(113, foreign);
    m_page->removeControl(104, button);
    m_page->removeControl(113, nullptr);
    QCOMPARE(names(m_page, 113), QStringList{"Button_0"});
    QCOMPARE(names(&other, 113), QStringList{"Button_0"});
    QVERIFY(!m_page->isModified());
    // A control of another page cannot be deleted here either.
    m_page->deleteControl(foreign);
    QCOMPARE(m_page->undoStack()->count(), 1);
    QCOMPARE(other.controlCount(), 1);
}

void TestUndo::controlRemovedByUndoLeavesSelection()
{
    UIBase *label = add(104, QStringLiteral("Label_0"), 100, 100);
    UIBase *button = add(113, QStringLiteral("Button_0"), 300, 100);
    QTest::keyPress(m_page, Qt::Key_Control);
    QTest::mouseClick(label, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 10));
    QTest::mouseClick(button, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 10));
    QCOMPARE(m_page->selection(), (QList<UIBase *>{label, button}));
    QCOMPARE(m_page->lastSelected(), button);

    m_page->undo();   // the button's add
    QCOMPARE(m_page->selection(), QList<UIBase *>{label});
    QVERIFY(!m_page->lastSelected());
    flushDeletes();
    // Delete on the page now meets only live controls.
    QTest::keyClick(m_page, Qt::Key_Delete);
    flushDeletes();
    QCOMPARE(m_page->controlCount(), 0);
}

void TestUndo::ctrlClickTwiceSelectsOnce()
{
    UIBase *label = add(104, QStringLiteral("Label_0"), 100, 100);
    UIBase *button = add(113, QStringLiteral("Button_0"), 300, 100);
    QTest::keyPress(m_page, Qt::Key_Control);
    for (UIBase *control : {label, button, label, label})
        QTest::mouseClick(control, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 10));
    QCOMPARE(m_page->selection(), (QList<UIBase *>{label, button}));
    QVERIFY(label->isSelected() && button->isSelected());
    // Deleting the selection takes each control once: two steps.
    QTest::keyPress(m_page, Qt::Key_Delete);
    QCOMPARE(m_page->undoStack()->count(), 4);
    QCOMPARE(m_page->controlCount(), 0);
}

void TestUndo::clickWithoutCtrlSelectsOnlyClicked()
{
    UIBase *label = add(104, QStringLiteral("Label_0"), 100, 100);
    UIBase *button = add(113, QStringLiteral("Button_0"), 300, 100);
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(m_page->selection(), QList<UIBase *>{button});
    QVERIFY(!label->isSelected());
    QVERIFY(button->isSelected());
    // A click on the empty page deselects and makes the page the last selected.
    QTest::mouseClick(m_page, Qt::LeftButton, Qt::NoModifier, QPoint(600, 500));
    QVERIFY(m_page->selection().isEmpty());
    QVERIFY(!button->isSelected());
    QCOMPARE(m_page->lastSelected(), static_cast<UIBase *>(m_page));
}

void TestUndo::wallGridButtonMovesEditsAndDeletes()
{
    QJsonObject object = control(QStringLiteral("WallGridSettingButton"), QStringLiteral("Wall_0"), 100, 100, 80, 40);
    QVERIFY(m_page->createControlFromJson(object) == 0);
    UIBase *wall = m_page->findControl(142, QStringLiteral("Wall_0"));
    QVERIFY(wall);
    QCOMPARE(wall->getType(), 140);

    QTest::mouseClick(wall, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    drag(wall, QPoint(40, 20), QPoint(50, 30));
    QCOMPARE(wall->attributes().value(QStringLiteral("x")), QJsonValue(150));
    QCOMPARE(wall->attributes().value(QStringLiteral("y")), QJsonValue(130));
    wall->setAttributes({{"text", "墙"}}, true, true);
    QCOMPARE(wall->text(), QStringLiteral("墙"));
    m_page->undo();
    m_page->undo();
    QCOMPARE(wall->attributes(), object);

    m_page->deleteControl(wall);
    flushDeletes();
    QVERIFY(!m_page->controls().contains(142));
    m_page->undo();
    QCOMPARE(names(m_page, 142), QStringList{"Wall_0"});
    QVERIFY(!m_page->controls().contains(140));
}

void TestUndo::mouseMoveIsOneStepPerSelectedControl()
{
    UIBase *a = add(113, QStringLiteral("Button_0"), 100, 100);
    UIBase *b = add(113, QStringLiteral("Button_1"), 300, 100);
    UIBase *c = add(104, QStringLiteral("Label_0"), 500, 100);
    // Ctrl stays down: the press that starts the drag adds b to the selection.
    QTest::keyPress(m_page, Qt::Key_Control);
    for (UIBase *control : {a, c})
        QTest::mouseClick(control, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 10));
    const int before = m_page->undoStack()->count();
    drag(b, QPoint(10, 10), QPoint(30, -20));
    QCOMPARE(m_page->selection(), (QList<UIBase *>{a, c, b}));
    QCOMPARE(m_page->undoStack()->count(), before + 3);
    QCOMPARE(a->geometry().topLeft(), QPoint(130, 80));
    QCOMPARE(b->geometry().topLeft(), QPoint(330, 80));
    QCOMPARE(c->geometry().topLeft(), QPoint(530, 80));
    // Undone control by control: the dragged one went last, so it comes back first.
    m_page->undo();
    QCOMPARE(b->geometry().topLeft(), QPoint(300, 100));
    QCOMPARE(c->geometry().topLeft(), QPoint(530, 80));
    m_page->undo();
    QCOMPARE(c->geometry().topLeft(), QPoint(500, 100));
    QCOMPARE(a->geometry().topLeft(), QPoint(130, 80));
    m_page->undo();
    QCOMPARE(a->geometry().topLeft(), QPoint(100, 100));
    QCOMPARE(a->attributes().value(QStringLiteral("x")), QJsonValue(100));
}

void TestUndo::mouseResizeUndoRestoresGeometry()
{
    UIBase *button = add(113, QStringLiteral("Button_0"), 100, 100, 80, 40);
    const QJsonObject before = button->attributes();
    // Pressed 2 pixels inside the right edge and moved 30 to the right: the
    // inclusive right edge lands on x 208.
    drag(button, QPoint(78, 20), QPoint(30, 0));
    QCOMPARE(button->attributes().value(QStringLiteral("w")), QJsonValue(109));
    QCOMPARE(button->geometry().width(), 109);
    m_page->undo();
    QCOMPARE(button->attributes(), before);
    QCOMPARE(button->geometry(), QRect(100, 100, 80, 40));
}

void TestUndo::pageAttributeEditIsOneStep()
{
    const QJsonObject before = m_page->attributes();
    m_page->setModified(false);
    m_page->setControlAttributes({{"normalBkColor", "#ff00ff00"}, {"text", "欢迎"}}, true, 1);
    QVERIFY(m_page->isModified());
    QCOMPARE(m_page->undoStack()->count(), 1);
    QCOMPARE(m_page->normalBkColor(), QStringLiteral("#ff00ff00"));
    QCOMPARE(m_page->pageText(), QStringLiteral("欢迎"));
    const QJsonObject after = m_page->attributes();
    m_page->undo();
    QCOMPARE(m_page->attributes(), before);
    QCOMPARE(m_page->pageText(), QString());
    QCOMPARE(m_page->normalBkColor(), QStringLiteral("#ff181818"));
    m_page->redo();
    QCOMPARE(m_page->attributes(), after);
}

void TestUndo::undoAndRedoAfterSaveReachTheFile()
{
    auto savedText = [this]() {
        for (const QJsonValue &element : readPage(m_page->pageFilePath())) {
            if (element.toObject().value(QStringLiteral("name")) == QStringLiteral("Button_0"))
                return element.toObject().value(QStringLiteral("text")).toString();
        }
        return QStringLiteral("<none>");
    };
    UIBase *button = add(113, QStringLiteral("Button_0"));
    button->setAttributes({{"text", "A"}}, true, true);
    m_page->slotSaveFile();
    QVERIFY(!m_page->isModified());
    QCOMPARE(savedText(), QStringLiteral("A"));

    // The canvas no longer shows what the file holds: closing must ask and
    // a save must write.
    m_page->undo();
    QCOMPARE(button->text(), QString());
    QVERIFY(m_page->isModified());
    m_page->slotSaveFile();
    QCOMPARE(savedText(), QString());

    m_page->redo();
    QVERIFY(m_page->isModified());
    m_page->slotSaveFile();
    QCOMPARE(savedText(), QStringLiteral("A"));

    // Undoing the add changes the controls themselves, which marks the page.
    m_page->undo();
    m_page->undo();
    QVERIFY(m_page->isModified());
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
    QJsonObject first = control(QStringLiteral("Button"), firstName, 100, 100, 80, 40);
    QJsonObject second = control(QStringLiteral("Button"), secondName, 300, 100, 80, 40);
    if (secondName.isEmpty())
        second.remove(QStringLiteral("name"));
    QCOMPARE(m_page->createControlFromJson(first), 0);
    QCOMPARE(m_page->createControlFromJson(second), 0);
    const QList<UIBase *> buttons = m_page->controls().value(113);
    QCOMPARE(buttons.size(), 2);
    UIBase *a = buttons.at(0);
    UIBase *b = buttons.at(1);

    // The dragged control is the one that moves, on screen and in the file.
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
    drag(b, QPoint(40, 20), QPoint(50, 30));
    QCOMPARE(b->attributes().value(QStringLiteral("x")), QJsonValue(350));
    QCOMPARE(b->geometry().topLeft(), QPoint(350, 130));
    QCOMPARE(a->attributes().value(QStringLiteral("x")), QJsonValue(100));
    QCOMPARE(a->geometry().topLeft(), QPoint(100, 100));

    b->setAttributes({{"text", "B"}}, true, true);
    QCOMPARE(b->text(), QStringLiteral("B"));
    QCOMPARE(a->text(), QString());

    m_page->undo();
    m_page->undo();
    QCOMPARE(b->attributes(), second);
    QCOMPARE(a->attributes(), first);
    QCOMPARE(b->geometry().topLeft(), QPoint(300, 100));
}

void TestUndo::renameStepCanBeUndone()
{
    UIBase *button = add(113, QStringLiteral("Button_0"));
    button->setAttributes({{"text", "A"}}, true, true);
    button->setAttributes({{"name", "Start"}}, true, true);
    QCOMPARE(button->getName(), QStringLiteral("Start"));
    m_page->undo();
    QCOMPARE(button->getName(), QStringLiteral("Button_0"));
    m_page->undo();
    QCOMPARE(button->text(), QString());
    m_page->redo();
    m_page->redo();
    QCOMPARE(button->getName(), QStringLiteral("Start"));
    QCOMPARE(button->text(), QStringLiteral("A"));
}

void TestUndo::zoomIsNotUndoneWithAnEarlierPageEdit()
{
    UIBase *button = add(113, QStringLiteral("Button_0"), 100, 100, 80, 40);
    m_page->setControlAttributes({{"normalBkColor", "#ff0000ff"}}, true, 1);
    m_page->setEditScale(QStringLiteral("editScale"), 0.5, true);
    m_page->undo();
    QCOMPARE(m_page->normalBkColor(), QStringLiteral("#ff181818"));
    QCOMPARE(m_page->getScale(), 0.5);
    QCOMPARE(m_page->attributes().value(QStringLiteral("editScale")), QJsonValue(0.5));
    QCOMPARE(m_page->size(), QSize(400, 300));
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
        add(113, QStringLiteral("Button_%1").arg(i), 100 * i);
    UIPage other;
    m_page->slotDeleteControl(113, QStringLiteral("Button_1"), type, &other);
    QCOMPARE(m_page->controlCount(), 3);
    m_page->slotDeleteControl(113, QStringLiteral("Button_1"), type, m_page);
    flushDeletes();
    QCOMPARE(names(m_page, 113), left);
    while (m_page->undoStack()->canUndo() && m_page->controlCount() < 3)
        m_page->undo();
    QCOMPARE(m_page->controlCount(), 3);
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
