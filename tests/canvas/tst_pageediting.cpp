#include "tests/canvas/pagefixture.h"

// What the page adds to the editing rules (tst_editrules): the selection it
// passes, one undo step per control, the modified mark, copies and sources
// that have gone, and the busy guard.
using namespace pagefixture;

namespace {

QJsonObject lists(const QJsonArray &on)
{
    return QJsonObject{{"on_cmd_data_list", on}, {"off_cmd_data_list", QJsonArray()}};
}

QJsonArray onList(const UIBase *control)
{
    return control->attributes().value("on_cmd_data_list").toArray();
}

QJsonArray commands(const QString &ip)
{
    return QJsonArray{QJsonObject{{"ip", ip}, {"port", 5000}}};
}

// Port 1 for the commands to the address.
CMD_BTN_ARGS replacePort(const QString &findIp)
{
    CMD_BTN_ARGS args;
    args.findIpEnabled = true;
    args.findIp = findIp;
    args.port = 1;
    return args;
}

} // namespace

class TestPageEditing : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600, PageFixture::TwoPages)); }
    void cleanup() { f.tearDown(); }

    void latchesAreOneStepPerControlWithNextGroupId();
    void pasteIsOneStepPerCopyWithNextNamesOnAnyPage();
    void copiesThatHaveGoneAreNotPasted_data();
    void copiesThatHaveGoneAreNotPasted();
    void painterPaintsOnlyWhileItsSourceIsThere_data();
    void painterPaintsOnlyWhileItsSourceIsThere();
    void painterBetweenGridButtonKindsKeepsTargetKind();
    void commandListsPasteAsCopyOntoCommandKindsAndReachSave();
    void commandReplacementIsOneStepPerCommandButton();
    void busyPageDropsEditing();
    void guardedKeysWaitForFreePage_data();
    void guardedKeysWaitForFreePage();

private:
    PageFixture f;
};

void TestPageEditing::latchesAreOneStepPerControlWithNextGroupId()
{
    GlobalManager::instance()->updateMaxId(7);
    UIBase *a = f.add(129, "CmdButton_0");
    UIBase *b = f.add(104, "Label_1", 100);
    QVERIFY(select({a, b}));
    f.page->allLock();
    f.page->allLock();
    QCOMPARE(f.steps(), 6);
    QCOMPARE(intAt(a, "m_group_id"), 9);
    // Undone one control at a time; the id is not handed back.
    f.page->undo();
    QCOMPARE(intAt(b, "m_group_id"), 8);
    QCOMPARE(intAt(a, "m_group_id"), 9);
    QCOMPARE(GlobalManager::instance()->maxId(), 9);
}

void TestPageEditing::pasteIsOneStepPerCopyWithNextNamesOnAnyPage()
{
    f.page->pasteControl();   // nothing copied yet
    UIBase *a = f.add(113, "Button_0", 10, 20);
    UIBase *b = f.add(113, "Button_1", 200, 20);
    addControl(f.other, 113, "Button_0", 500, 500);
    QVERIFY(select({a, b}));
    f.page->copyControl();
    f.page->pasteControl();
    QCOMPARE(f.steps(), 4);
    f.page->pasteControl();
    QCOMPARE(names(f.page, 113), (QStringList{"Button_0", "Button_1", "Button_2", "Button_3", "Button_4", "Button_5"}));
    QCOMPARE(intAt(f.page->findControl(113, "Button_4"), "widgetIndex"), 4);
    QCOMPARE(intAt(f.page->findControl(113, "Button_5"), "x"), 210);
    // The paste reads the copied control as it is now, on whichever page.
    a->setAttributes({{"x", 300}, {"text", "moved"}}, true, true);
    f.other->pasteControl();
    UIBase *copy = f.other->findControl(113, "Button_1");
    QCOMPARE(intAt(copy, "x"), 310);
    QCOMPARE(copy->attributes().value("text").toString(), QString("moved"));
}

void TestPageEditing::copiesThatHaveGoneAreNotPasted_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("pasted");
    QTest::newRow("deleted") << "delete" << 1;
    QTest::newRow("add undone, not yet freed") << "undo" << 2;
    QTest::newRow("source page closed") << "close" << 0;
}

void TestPageEditing::copiesThatHaveGoneAreNotPasted()
{
    QFETCH(QString, how);
    QFETCH(int, pasted);
    UIBase *a = f.add(104, "Label_0", 10, 20);
    UIBase *b = f.add(113, "Button_1", 200, 20);
    QVERIFY(select({a, b}));
    f.page->copyControl();
    if (how == "delete") {
        f.page->deleteControl(b);
    } else if (how == "undo") {
        f.page->undoStack()->undo();
        f.other->pasteControl();
    } else {
        delete f.page;
        f.page = nullptr;
    }
    flushDeletes();
    f.other->pasteControl();
    QVERIFY(!f.other->findControl(113, "Button_1"));
    QCOMPARE(f.other->controlCount(), pasted);
    QCOMPARE(GlobalManager::instance()->clipboard().isEmpty(), how == "close");
}

void TestPageEditing::painterPaintsOnlyWhileItsSourceIsThere_data()
{
    QTest::addColumn<QString>("between");
    QTest::addColumn<int>("targetKind");
    QTest::addColumn<int>("width");
    QTest::newRow("click on the page in between") << "page" << 113 << 200;
    QTest::newRow("another kind") << "" << 104 << 100;
    QTest::newRow("switched off again") << "off" << 113 << 100;
    QTest::newRow("source deleted") << "delete" << 113 << 100;
}

void TestPageEditing::painterPaintsOnlyWhileItsSourceIsThere()
{
    QFETCH(QString, between);
    QFETCH(int, targetKind);
    QFETCH(int, width);
    UIBase *source = f.add(113, "Button_0", 10, 10, 200, 80);
    UIBase *target = f.add(targetKind, designControlTypeName(targetKind) + "_1", 300, 300, 100, 40);
    QVERIFY(!f.page->setFormatPainter());   // nothing selected yet
    click(source);
    QVERIFY(f.page->setFormatPainter());
    if (between == "page")
        f.page->selectPage();
    else if (between == "off")
        QVERIFY(f.page->setFormatPainter());
    else if (between == "delete")
        f.page->deleteControl(source);
    flushDeletes();
    const QJsonObject before = target->attributes();
    f.page->setModified(false);
    click(target);
    QCOMPARE(intAt(target, "w"), width);
    QCOMPARE(f.page->isModified(), width == 200);
    if (width == 100) {
        QCOMPARE(target->attributes(), before);
        return;
    }
    // One step, undoable; the painter stays on for further clicks.
    UIBase *third = f.add(113, "Button_2", 500, 100, 30, 30);
    click(third);
    QCOMPARE(intAt(third, "w"), 200);
    for (int i = 0; i < 3; ++i)
        f.page->undo();
    QCOMPARE(target->attributes(), before);
}

void TestPageEditing::painterBetweenGridButtonKindsKeepsTargetKind()
{
    // Both kinds are made by one class, so the painter takes them for one kind.
    UIBase *source = f.add(140, "GridSettingButton_0", 10, 10, 200, 80);
    UIBase *target = f.add(142, "WallGridSettingButton_0", 300, 300, 100, 40);
    click(source);
    QVERIFY(f.page->setFormatPainter());
    click(target);
    QCOMPARE(target->geometry().size(), QSize(200, 80));
    QCOMPARE(target->attributes().value("type"), QJsonValue("WallGridSettingButton"));
}

void TestPageEditing::commandListsPasteAsCopyOntoCommandKindsAndReachSave()
{
    const QJsonArray copied = commands("10.1.1.1");
    UIBase *source = addControl(f.page, 129, "CmdButton_0", 10, 10, 80, 40, lists(copied));
    UIBase *label = f.add(104, "Label_1", 100);
    UIBase *status = addControl(f.other, 130, "CmdStatusButton_1", 10, 10, 80, 40, lists({}));
    UIBase *progress = addControl(f.other, 131, "CmdProgress_4", 100, 10, 80, 40, {{"on_cmd_data_list", QJsonArray()}});
    UIBase *otherLabel = f.other->createControl(104, control("Label", "Label_2", 200, 10, 80, 40));
    QVERIFY(select({source}));
    f.page->copyCmd();
    // Neither another kind nor the page replaces the clipboard.
    QVERIFY(select({label}));
    f.page->copyCmd();
    f.page->selectPage();
    f.page->copyCmd();
    // The source goes; its commands stay on the clipboard as a copy.
    f.page->deleteControl(source);
    flushDeletes();

    QVERIFY(select({status, otherLabel, progress}));
    f.other->slotSaveFile();
    f.other->pasteCmd();
    QCOMPARE(f.other->undoStack()->count(), 4);
    QCOMPARE(onList(status), copied);
    QCOMPARE(onList(progress), copied);
    // A paste that changed lists is saved with the page.
    QVERIFY(f.other->isModified());
    f.other->slotSaveFile();
    QCOMPARE(readPage(f.other->pageFilePath()).at(1)["on_cmd_data_list"].toArray(), copied);
}

void TestPageEditing::commandReplacementIsOneStepPerCommandButton()
{
    UIBase *status = addControl(f.page, 130, "CmdStatusButton_0", 10, 10, 80, 40, lists(commands("h")));
    QList<UIBase *> buttons{status};
    for (int i = 1; i < 4; ++i)
        buttons << addControl(f.page, 129, "CmdButton_" + QString::number(i), 100 * i, 10, 80, 40,
                              lists(commands(i == 3 ? "other" : "h")));
    QVERIFY(select(buttons));
    f.page->setModified(false);
    f.page->replaceArgsCmd(replacePort("h"));
    // Only command buttons take part, each one step; a button whose
    // commands do not match still counts.
    QCOMPARE(f.steps(), 4 + 3);
    QVERIFY(f.page->isModified());
    auto port = [&buttons](int i) { return onList(buttons.at(i)).at(0)["port"].toInt(); };
    QCOMPARE(QList<int>({port(0), port(1), port(2), port(3)}), QList<int>({5000, 1, 1, 5000}));
}

void TestPageEditing::busyPageDropsEditing()
{
    UIBase *a = addControl(f.page, 129, "CmdButton_0", 50, 10, 20, 20, lists(commands("h")));
    UIBase *b = f.add(129, "CmdButton_1", 20, 60, 20, 20);
    QVERIFY(select({a, b}));
    {
        UIPage::Guard held(f.page);
        QVERIFY(held.isHeld() && f.page->isBusy());
        QVERIFY(!UIPage::Guard(f.page).isHeld());
        f.page->selfLock();
        f.page->allLock();
        f.page->copyControl();
        f.page->pasteControl();
        f.page->alignControls(0);
        f.page->raiseControl(false);
        f.page->copyCmd();
        f.page->pasteCmd();
        f.page->replaceArgsCmd(replacePort("h"));
    }
    QVERIFY(!f.page->isBusy());
    QCOMPARE(f.steps(), 2);
    QCOMPARE(f.page->controlCount(), 2);
    QVERIFY(f.page->children().indexOf(a) < f.page->children().indexOf(b));
    QCOMPARE(GlobalManager::instance()->maxId(), 0);
    QVERIFY(GlobalManager::instance()->clipboard().isEmpty());
    QVERIFY(GlobalManager::instance()->cmdClipboard().isEmpty());
}

void TestPageEditing::guardedKeysWaitForFreePage_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier);
    QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier);
    QTest::newRow("Left") << int(Qt::Key_Left) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier);
}

void TestPageEditing::guardedKeysWaitForFreePage()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    // A selected button with text "A" and the step to "B" undone, so
    // that each key has something to do.
    UIBase *button = f.page->createControl(113, control("Button", "Button_0", 5, 5, 9, 9));
    button->setAttributes({{"text", "A"}}, true, true);
    button->setAttributes({{"text", "B"}}, true, true);
    click(button);
    f.page->undo();
    const auto state = [&]() {
        return QStringList{QString::number(f.page->controlCount()), button->text(), QString::number(intAt(button, "x")),
                           QString::number(f.page->undoStack()->index()),
                           QString::number(QFile::exists(f.page->pageFilePath())),
                           QString::number(GlobalManager::instance()->clipboard().size())};
    };
    const QStringList before = state();
    {
        UIPage::Guard held(f.page);
        QTest::keyClick(f.page, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(state(), before);
    }
    QTest::keyClick(f.page, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(state() != before);
}

QTEST_MAIN(TestPageEditing)
#include "tst_pageediting.moc"
