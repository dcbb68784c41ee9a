#include "tests/canvas/pagefixture.h"

// What the page adds to the paste, latch and painter rules (tst_editrules):
// undo steps, group ids, copies that have gone, and the painter's source.
using namespace pagefixture;

class TestPageClipboard : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600, PageFixture::TwoPages)); }
    void cleanup() { f.tearDown(); }

    void interlockTakesNextGroupIdForAll();
    void selfLockAndUnlockAnyKind();
    void latchIsDroppedOnBusyPage();
    void pasteIsOneStepPerCopyWithNextNames();
    void pasteReadsCurrentAttributesOnAnyPage();
    void deletedCopiedControlIsSkipped();
    void controlTakenOffByUndoIsSkipped();
    void closedSourcePageLeavesNothingToPaste();
    void painterIsOneStepAndUndoable();
    void painterPaintsOnlyWhileItsSourceIsThere_data();
    void painterPaintsOnlyWhileItsSourceIsThere();
    void painterBetweenGridButtonKindsKeepsTargetKind();

private:
    static void click(UIBase *control) { QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3)); }

    PageFixture f;
};

void TestPageClipboard::interlockTakesNextGroupIdForAll()
{
    GlobalManager::instance()->updateMaxId(7);
    UIBase *a = f.add(129, "CmdButton_0");
    UIBase *b = f.add(129, "CmdButton_1", 100);
    UIBase *c = f.add(159, "FeatureButton_0", 200);
    // With nothing selected no id is handed out, but the page counts as changed.
    f.page->setModified(false);
    f.page->allLock();
    QCOMPARE(GlobalManager::instance()->maxId(), 7);
    QVERIFY(f.page->isModified());
    QVERIFY(select({a, b, c}));
    const int steps = f.steps();

    f.page->allLock();
    QCOMPARE(f.steps(), steps + 3);
    for (UIBase *control : {a, b, c}) {
        QCOMPARE(intAt(control, "m_group_id"), 8);
        QCOMPARE(intAt(control, "self_locking"), 0);
    }
    QCOMPARE(GlobalManager::instance()->maxId(), 8);
    f.page->allLock();
    QCOMPARE(intAt(a, "m_group_id"), 9);
    // Undoing does not hand the id back.
    f.page->undo();
    QCOMPARE(GlobalManager::instance()->maxId(), 9);
}

void TestPageClipboard::selfLockAndUnlockAnyKind()
{
    UIBase *label = f.add(104, "Label_0");
    QVERIFY(select({label}));
    f.page->selfLock();
    QCOMPARE(intAt(label, "self_locking"), 1);
    QCOMPARE(intAt(label, "m_group_id"), 0);
    f.page->allLock();
    f.page->unlock();
    QCOMPARE(intAt(label, "self_locking"), 0);
    QCOMPARE(intAt(label, "m_group_id"), 0);
    // Three steps, undone one at a time.
    f.page->undo();
    QCOMPARE(intAt(label, "m_group_id"), 1);
}

void TestPageClipboard::latchIsDroppedOnBusyPage()
{
    UIBase *a = f.add(129, "CmdButton_0");
    QVERIFY(select({a}));
    const int steps = f.steps();
    {
        UIPage::Guard held(f.page);
        f.page->selfLock();
        f.page->allLock();
        f.page->copyControl();
        f.page->pasteControl();
    }
    QCOMPARE(f.steps(), steps);
    QCOMPARE(GlobalManager::instance()->maxId(), 0);
    QVERIFY(GlobalManager::instance()->clipboard().isEmpty());
}

void TestPageClipboard::pasteIsOneStepPerCopyWithNextNames()
{
    int steps = f.steps();
    f.page->pasteControl();   // nothing copied yet
    QCOMPARE(f.steps(), steps);
    UIBase *a = f.add(113, "Button_0", 10, 20);
    UIBase *b = f.add(113, "Button_1", 200, 20);
    QVERIFY(select({a, b}));
    f.page->copyControl();
    steps = f.steps();
    f.page->pasteControl();
    QCOMPARE(f.steps(), steps + 2);
    f.page->pasteControl();
    QCOMPARE(names(f.page, 113), (QStringList{"Button_0", "Button_1", "Button_2", "Button_3", "Button_4", "Button_5"}));
    QCOMPARE(intAt(f.page->findControl(113, "Button_4"), "widgetIndex"), 4);
    QCOMPARE(intAt(f.page->findControl(113, "Button_5"), "x"), 210);
}

void TestPageClipboard::pasteReadsCurrentAttributesOnAnyPage()
{
    UIBase *a = f.add(113, "Button_0", 10, 20);
    addControl(f.other, 113, "Button_0", 500, 500);
    QVERIFY(select({a}));
    f.page->copyControl();
    QCOMPARE(GlobalManager::instance()->clipSourcePage(), static_cast<QWidget *>(f.page));
    a->setAttributes({{"x", 300}, {"text", "moved"}}, true, true);
    f.other->pasteControl();
    UIBase *copy = f.other->findControl(113, "Button_1");
    QVERIFY(copy);
    QCOMPARE(intAt(copy, "x"), 310);
    QCOMPARE(copy->attributes().value("text").toString(), QString("moved"));
    QCOMPARE(f.page->controlCount(), 1);
}

void TestPageClipboard::deletedCopiedControlIsSkipped()
{
    UIBase *a = f.add(113, "Button_0", 10, 20);
    UIBase *b = f.add(104, "Label_0", 200, 20);
    QVERIFY(select({a, b}));
    f.page->copyControl();
    f.page->deleteControl(a);
    flushDeletes();
    f.other->pasteControl();
    QCOMPARE(f.other->controlCount(), 1);
    QVERIFY(f.other->findControl(104, "Label_0"));
}

void TestPageClipboard::controlTakenOffByUndoIsSkipped()
{
    f.add(113, "Button_0", 10, 20);
    UIBase *b = f.add(113, "Button_1", 200, 20);
    QVERIFY(select({b}));
    f.page->copyControl();
    // The add of the copied control is undone: it leaves the page at once
    // and is freed later.
    f.page->undoStack()->undo();
    f.other->pasteControl();
    QCOMPARE(f.other->controlCount(), 0);
    flushDeletes();
    f.other->pasteControl();
    QCOMPARE(f.other->controlCount(), 0);
}

void TestPageClipboard::closedSourcePageLeavesNothingToPaste()
{
    UIBase *a = f.add(113, "Button_0", 10, 20);
    QVERIFY(select({a}));
    f.page->copyControl();
    delete f.page;
    f.page = nullptr;
    flushDeletes();
    f.other->pasteControl();
    QCOMPARE(f.other->controlCount(), 0);
    QVERIFY(GlobalManager::instance()->clipboard().isEmpty());
}

void TestPageClipboard::painterIsOneStepAndUndoable()
{
    UIBase *source = f.add(113, "Button_0", 10, 10, 200, 80);
    UIBase *target = f.add(113, "Button_1", 300, 300, 100, 40);
    QVERIFY(!f.page->setFormatPainter());   // nothing selected yet
    click(source);
    QVERIFY(f.page->setFormatPainter());
    const int steps = f.steps();
    const QJsonObject before = target->attributes();
    f.page->setModified(false);
    click(target);
    QCOMPARE(f.steps(), steps + 1);
    QCOMPARE(target->geometry(), QRect(300, 300, 200, 80));
    QVERIFY(f.page->isModified());
    f.page->undo();
    QCOMPARE(target->attributes(), before);
}

void TestPageClipboard::painterPaintsOnlyWhileItsSourceIsThere_data()
{
    QTest::addColumn<QString>("between");
    QTest::addColumn<int>("targetKind");
    QTest::addColumn<int>("width");
    QTest::newRow("click on the page in between") << "page" << 113 << 200;
    QTest::newRow("another kind") << "" << 104 << 100;
    QTest::newRow("switched off again") << "off" << 113 << 100;
    QTest::newRow("source deleted") << "delete" << 113 << 100;
}

void TestPageClipboard::painterPaintsOnlyWhileItsSourceIsThere()
{
    QFETCH(QString, between);
    QFETCH(int, targetKind);
    QFETCH(int, width);
    UIBase *source = f.add(113, "Button_0", 10, 10, 200, 80);
    UIBase *target = f.add(targetKind, designControlTypeName(targetKind) + "_1", 300, 300, 100, 40);
    click(source);
    QVERIFY(f.page->setFormatPainter());
    if (between == "page") {
        f.page->selectPage();
    } else if (between == "off") {
        QVERIFY(f.page->setFormatPainter());
    } else if (between == "delete") {
        f.page->deleteControl(source);
        flushDeletes();
    }
    const QJsonObject before = target->attributes();
    click(target);
    QCOMPARE(intAt(target, "w"), width);
    if (width == 200) {
        // The painter stays on for further clicks.
        UIBase *third = f.add(113, "Button_2", 500, 100, 30, 30);
        click(third);
        QCOMPARE(intAt(third, "w"), 200);
    } else {
        QCOMPARE(target->attributes(), before);
    }
}

void TestPageClipboard::painterBetweenGridButtonKindsKeepsTargetKind()
{
    // Both kinds are made by one class, so the painter takes them for one kind.
    UIBase *source = f.add(140, "GridSettingButton_0", 10, 10, 200, 80);
    UIBase *target = f.add(142, "WallGridSettingButton_0", 300, 300, 100, 40);
    click(source);
    QVERIFY(f.page->setFormatPainter());
    click(target);
    QCOMPARE(target->geometry().size(), QSize(200, 80));
    QCOMPARE(target->attributes().value("type").toString(), QString("WallGridSettingButton"));

    f.page->slotSaveFile();
    UIPage reopened;
    QCOMPARE(reopened.openPage(f.page->pageInfo()), UIPage::LoadOk);
    QCOMPARE(names(&reopened, 142), QStringList{"WallGridSettingButton_0"});
    QCOMPARE(names(&reopened, 140), QStringList{"GridSettingButton_0"});
}

QTEST_MAIN(TestPageClipboard)
#include "tst_pageclipboard.moc"
