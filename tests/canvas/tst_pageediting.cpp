// Editing on a shown page: what the page adds to the rules of tst_editrules.
// Real window-system mouse handling, so a drag keeps the implicit grab as a
// user's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "canvas/editcommand.h"
#include "tests/canvas/pagefixture.h"

#include <QLabel>

#include <climits>

using namespace pagefixture;

class TestPageEditing : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600, PageFixture::TwoPages)); }
    void cleanup() { f.tearDown(); }

    void undoWalksExactObjectsAndMarksThePage_data()
    {
        QTest::addColumn<QJsonObject>("changes");
        QTest::addColumn<bool>("pushed");
        // The property editor's route: the control reports, the page pushes.
        QTest::newRow("property edit") << QJsonObject{{"text", "标题"}, {"fontsize", 20}} << false;
        // A name that numbers the control carries its index.
        QTest::newRow("rename") << QJsonObject{{"name", "Label_7"}, {"widgetIndex", 7}} << false;
        // As the latch operations push it: the undo takes the added keys out again.
        QTest::newRow("keys the step adds") << QJsonObject{{"self_locking", 1}, {"m_group_id", 3}} << true;
    }
    void undoWalksExactObjectsAndMarksThePage()
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
        // Back past the add and forward again: the label comes back as new
        // objects, which the other steps must still reach. Freed at every
        // step, so a stale pointer shows under the sanitizer.
        const QVector<QJsonObject> states{after, before, created, {}, created, before, after, {}};
        for (int i = 0; i < states.size(); ++i) {
            f.page->setModified(false);
            i < 4 ? f.page->undo() : f.page->redo();
            flushDeletes();
            // The canvas no longer shows what a save wrote: closing must ask.
            QVERIFY(f.page->isModified());
            const QJsonObject &state = states.at(i);
            QCOMPARE(f.page->controlCount(), state.isEmpty() ? 0 : 1);
            if (state.isEmpty())
                continue;
            // What the control shows follows its object.
            const UIBase *shown = f.page->controls().value(104).first();
            QCOMPARE(shown->attributes(), state);
            QCOMPARE(shown->text(), state.value("text").toString());
            QCOMPARE(shown->getName(), state.value("name").toString());
            QCOMPARE(shown->getIndex(), state.value("widgetIndex").toInt());
            QCOMPARE(shown->groupId(), state.value("m_group_id").toInt());
        }
    }

    void stepsReachTheirOwnControlUnderItsOwnKind_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("secondName");
        QTest::newRow("two controls of one name") << "Button" << "Twin_0";
        QTest::newRow("a control without a name") << "Button" << QString();
        // Made by the class of kind 140, yet filed, edited and brought back as 142.
        QTest::newRow("wall grid buttons") << "WallGridSettingButton" << "Twin_0";
    }
    void stepsReachTheirOwnControlUnderItsOwnKind()
    {
        QFETCH(QString, type);
        QFETCH(QString, secondName);
        const int kind = designControlTypeId(type);
        QJsonObject first = control(type, "Twin_0", 100, 100, 80, 40);
        QJsonObject second = control(type, secondName, 300, 100, 80, 40);
        if (secondName.isEmpty())
            second.remove("name");
        QCOMPARE(f.page->createControlFromJson(first) + f.page->createControlFromJson(second), 0);
        UIBase *b = f.page->controls().value(kind).at(1);
        // The dragged control is the one that moves, on screen and in the file.
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(40, 20));
        drag(b, QPoint(40, 20), QPoint(50, 30));
        b->setAttributes({{"text", "B"}}, true, true);
        QCOMPARE(storedRect(b), QRect(350, 130, 80, 40));
        QCOMPARE(b->geometry().topLeft(), QPoint(350, 130));
        // Deleted and brought back, it is still the one its steps reach.
        f.page->deleteControl(b);
        for (int i = 0; i < 3; ++i)
            f.page->undo();
        QCOMPARE(f.page->controls().keys(), QList<int>{kind});
        const QList<UIBase *> both = f.page->controls().value(kind);
        QCOMPARE(both.at(1)->attributes(), second);
        f.page->redo();
        f.page->redo();
        QCOMPARE(both.at(0)->attributes(), first);
        QCOMPARE(both.at(1)->text(), QStringLiteral("B"));
        QCOMPARE(both.at(1)->geometry().topLeft(), QPoint(350, 130));
    }

    void zoomIsNoStepAndStepsTakeIt()
    {
        UIBase *button = f.add(113, "Button_0", 101, 41, 33, 21);
        // A page edit that added "editScale", undone, shows the page at 1.0 as it opens.
        f.page->setControlAttributes({{"editScale", 0.5}}, true, 1);
        QCOMPARE(button->geometry(), QRect(50, 20, 16, 10));
        f.page->undo();
        QCOMPARE(button->geometry(), QRect(101, 41, 33, 21));
        // Zooming is neither a change nor a step, and the steps take the zoom:
        // a redo and its undo bring no other zoom back. Unusable zooms are ignored.
        f.page->setModified(false);
        f.page->setEditScale("editScale", 0.8, true);
        for (const QJsonValue &zoom : {QJsonValue(0.0), QJsonValue(-0.5), QJsonValue("0.60")}) {
            f.page->setEditScale("editScale", zoom, true);
            f.page->setPageAttribute("editScale", zoom, true);
        }
        f.page->redo();
        f.page->undo();
        QCOMPARE(f.page->attributes().value("editScale"), QJsonValue(0.8));
        QCOMPARE(f.page->size(), QSize(640, 480));
        QCOMPARE(storedRect(button), QRect(101, 41, 33, 21));
        QVERIFY(!f.page->isModified());
        // A control brought back by an undo takes the zoom of the moment.
        f.page->deleteControl(button);
        f.page->setEditScale("editScale", 2.0, true);
        f.page->undo();
        QCOMPARE(f.page->findControl(113, "Button_0")->geometry(), QRect(202, 82, 66, 42));
        // After the int maximum a new control takes an unused index.
        f.add(113, "Button_" + QString::number(INT_MAX));
        QCOMPARE(f.page->nextWidgetIndex(113), 1);
    }

    void pageSizeRescalesControls_data()
    {
        QTest::addColumn<int>("oldWidth");
        QTest::addColumn<QSize>("newSize");
        QTest::addColumn<QRect>("stored");   // null: the size is refused
        QTest::newRow("800x600 to 400x300") << 800 << QSize(400, 300) << QRect(150, 75, 100, 50);
        // An old size of 0 or less leaves that axis alone.
        QTest::newRow("old width 0") << 0 << QSize(480, 320) << QRect(300, 80, 200, 53);
        QTest::newRow("159 wide is refused") << 800 << QSize(159, 320) << QRect();
        QTest::newRow("8641 high is refused") << 800 << QSize(1280, 8641) << QRect();
    }
    void pageSizeRescalesControls()
    {
        QFETCH(int, oldWidth);
        QFETCH(QSize, newSize);
        QFETCH(QRect, stored);
        UIBase *button = f.add(113, "Button_0", 300, 150, 200, 100);
        button->setAttributes({{"text", "A"}}, true, true);
        f.page->setPageAttribute("w", oldWidth, true);
        f.page->setEditScale("editScale", 0.1, true);
        f.page->setModified(false);
        f.page->setPageSize(newSize.width(), newSize.height());
        QCOMPARE(f.page->isModified(), !stored.isNull());
        const QSize size = stored.isNull() ? QSize(oldWidth, 600) : newSize;
        QCOMPARE(QSize(intAt(f.page, "w"), intAt(f.page, "h")), size);
        QCOMPARE(f.page->size(), size / 10);
        // Not a step either: an undo keeps the geometry of the new size.
        f.page->undo();
        QCOMPARE(storedRect(button), stored.isNull() ? QRect(300, 150, 200, 100) : stored);
    }

    void bandAddsOneControlOfArmedKindOrSelectsPage_data()
    {
        QTest::addColumn<int>("armed");
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<bool>("modified");
        QTest::newRow("command button") << 129 << QPoint(260, 190) << true;
        QTest::newRow("4 x 40 is too narrow") << 104 << QPoint(104, 140) << false;
        QTest::newRow("nothing armed") << -1 << QPoint(200, 200) << false;
        // Still marked, as the page has always done.
        QTest::newRow("kind without defaults") << 142 << QPoint(200, 200) << true;
    }
    void bandAddsOneControlOfArmedKindOrSelectsPage()
    {
        QFETCH(int, armed);
        QFETCH(QPoint, corner);
        QFETCH(bool, modified);
        UIBase *button = f.add(113, "Button_0", 300, 300);
        QVERIFY(select({button}));
        f.page->setModified(false);
        GlobalManager::instance()->setDropClass(armed);
        // Drawn backwards: the band spans the two corners, above the controls.
        QTest::mouseMove(f.page, corner);
        QTest::mousePress(f.page, Qt::LeftButton, Qt::NoModifier, corner);
        QTest::mouseMove(f.page, (corner + QPoint(100, 100)) / 2);
        QTest::mouseMove(f.page, QPoint(100, 100));
        auto *bandLabel = f.page->findChild<QLabel *>();
        QCOMPARE(bandLabel->geometry(), QRect(100, 100, corner.x() - 100, corner.y() - 100));
        QVERIFY(bandLabel->isVisible() && f.page->children().last() == bandLabel);
        QVERIFY(saveGrabIfAsked(f.window->grab().toImage(), "page_band.png"));
        QTest::mouseRelease(f.page, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        UIBase *made = f.page->findControl(armed, designControlTypeName(armed) + "_0");
        QCOMPARE(f.steps(), made ? 2 : 1);
        QCOMPARE(f.page->isModified(), modified);
        // A band that makes nothing selects the page.
        QVERIFY(!bandLabel->isVisible());
        QCOMPARE(f.page->lastSelected() == f.page && f.page->selection().isEmpty() && !button->isSelected(), !made);
        if (made)
            QCOMPARE(storedRect(made), QRect(100, 100, 160, 90));
    }

    void goneControlsLeaveSelectionAndClipboard_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("deleted") << "delete";
        QTest::newRow("add undone") << "undo";
        QTest::newRow("source page closed") << "close";
    }
    void goneControlsLeaveSelectionAndClipboard()
    {
        QFETCH(QString, how);
        UIBase *a = f.add(104, "Label_0", 10, 20);
        UIBase *b = f.add(113, "Button_1", 200, 20);
        // A second Ctrl-click on a control does not select it twice.
        QVERIFY(!select({a, b, b}) && f.page->selection() == (QList<UIBase *>{a, b}));
        f.page->copyControl();
        // One step per copy, with the next names, on any page.
        f.other->pasteControl();
        QCOMPARE(storedRect(f.other->findControl(113, "Button_0")).topLeft(), QPoint(210, 30));
        if (how == "close") {
            delete f.page;
            f.page = nullptr;
        } else {
            how == "undo" ? f.page->undo() : f.page->deleteControl(b);
            QCOMPARE(f.page->selection(), QList<UIBase *>{a});
            QVERIFY(!f.page->lastSelected());
        }
        // Not pasted while it waits for its deletion, nor after.
        f.other->pasteControl();
        flushDeletes();
        f.other->pasteControl();
        QCOMPARE(names(f.other, 113), QStringList{"Button_0"});
        QCOMPARE(f.other->controlCount(), how == "close" ? 2 : 4);
        QCOMPARE(f.other->undoStack()->count(), f.other->controlCount());
        QCOMPARE(GlobalManager::instance()->clipboard().isEmpty(), how == "close");
        // The Delete key deletes what is left of the selection, and ends.
        if (f.page) {
            QTest::keyClick(f.page, Qt::Key_Delete);
            QCOMPARE(f.page->controlCount(), 0);
        }
    }

    void painterPaintsWhileItsSourceIsThereAndKeepsTheKind_data()
    {
        QTest::addColumn<int>("sourceKind");
        QTest::addColumn<int>("targetKind");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<int>("width");
        // One class makes both grid button kinds: the painter takes them for
        // one kind, and the target keeps its own.
        QTest::newRow("between the grid button kinds") << 140 << 142 << false << 200;
        QTest::newRow("another kind") << 113 << 104 << false << 100;
        QTest::newRow("source deleted") << 113 << 113 << true << 100;
    }
    void painterPaintsWhileItsSourceIsThereAndKeepsTheKind()
    {
        QFETCH(int, sourceKind);
        QFETCH(int, targetKind);
        QFETCH(bool, deleted);
        QFETCH(int, width);
        UIBase *source = f.add(sourceKind, "Source_0", 10, 10, 200, 80);
        UIBase *target = f.add(targetKind, "Target_1", 300, 300, 100, 40);
        click(source);
        QVERIFY(f.page->setFormatPainter());
        if (deleted)
            f.page->deleteControl(source);
        flushDeletes();
        const QJsonObject before = target->attributes();
        f.page->setModified(false);
        click(target);
        QCOMPARE(intAt(target, "w"), width);
        QCOMPARE(target->attributes().value("type"), before.value("type"));
        QCOMPARE(f.page->isModified(), width == 200);
        // One step, undoable.
        if (width == 200)
            f.page->undo();
        QCOMPARE(target->attributes(), before);
    }

    void commandListsPasteAsCopyOntoCommandKindsAndReachSave()
    {
        const QJsonArray copied{QJsonObject{{"ip", "h"}, {"port", 5000}}};
        UIBase *source = addControl(f.page, 129, "CmdButton_0", 10, 10, 80, 40, {{"on_cmd_data_list", copied}});
        UIBase *status = addControl(f.other, 130, "CmdStatusButton_1", 10, 10, 80, 40, {{"on_cmd_data_list", QJsonArray()}});
        UIBase *label = f.other->createControl(104, control("Label", "Label_2", 200, 10, 80, 40));
        QVERIFY(select({source}));
        f.page->copyCmd();
        // The source changes and goes; the clipboard holds its commands as copied.
        source->setAttributes({{"on_cmd_data_list", QJsonArray()}}, true, true);
        f.page->deleteControl(source);
        flushDeletes();
        QVERIFY(select({status, label}));
        f.other->slotSaveFile();
        f.other->pasteCmd();
        QCOMPARE(f.other->undoStack()->count(), 2);
        QCOMPARE(status->attributes().value("on_cmd_data_list").toArray(), copied);
        // A paste that changed lists is saved with the page.
        QVERIFY(f.other->isModified());
        f.other->slotSaveFile();
        QCOMPARE(readPage(f.other->pageFilePath()).at(1)["on_cmd_data_list"].toArray(), copied);
    }

    void busyPageDropsEditingAndKeys()
    {
        UIBase *a = f.add(129, "CmdButton_0", 50, 10, 20, 20);
        QVERIFY(select({a, f.add(113, "Button_1", 20, 60, 20, 20)}));
        a->setAttributes({{"text", "A"}}, true, true);
        f.page->undo();
        GlobalManager::instance()->updateMaxId(7);
        {
            UIPage::Guard held(f.page);
            QVERIFY(held.isHeld() && f.page->isBusy() && !UIPage::Guard(f.page).isHeld());
            for (int key : {Qt::Key_Z, Qt::Key_Y, Qt::Key_S, Qt::Key_C})
                QTest::keyClick(f.page, Qt::Key(key), Qt::ControlModifier);
            for (int key : {Qt::Key_Left, Qt::Key_Delete})
                QTest::keyClick(f.page, Qt::Key(key));
            f.page->allLock();
            f.page->copyControl();
            f.page->alignControls(0);
            QCOMPARE(f.steps(), 3);
            QCOMPARE(f.page->undoStack()->index(), 2);
            QVERIFY(!QFile::exists(f.page->pageFilePath()) && GlobalManager::instance()->clipboard().isEmpty());
        }
        // Once free, an interlock is one step per control, in a group above the largest.
        f.page->allLock();
        QCOMPARE(f.steps(), 4);
        QCOMPARE(intAt(a, "m_group_id") + GlobalManager::instance()->maxId(), 8 + 8);
    }
private:
    PageFixture f;
};

QTEST_MAIN(TestPageEditing)
#include "tst_pageediting.moc"
