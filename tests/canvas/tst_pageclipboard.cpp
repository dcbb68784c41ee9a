#include "canvas/addcommand.h"
#include "canvas/editcommand.h"
#include "canvas/uipage.h"
#include "core/globalmanager.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QUndoStack>
#include <QtTest>

using namespace pagefixture;

class TestPageClipboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void interlockTakesNextGroupIdForAll();
    void interlockWithEmptySelectionHandsOutNoId();
    void selfLockAndUnlockAnyKind();
    void latchIsDroppedOnBusyPage();
    void pasteNamesAndOffsets();
    void pasteReadsCurrentAttributes();
    void pasteOnAnotherPage();
    void pasteKeepsLatchAndCommands();
    void deletedCopiedControlIsSkipped();
    void controlTakenOffByUndoIsSkipped();
    void closedSourcePageLeavesNothingToPaste();
    void emptyClipboardPastesNothing();
    void painterNeedsASelectedControl();
    void painterGivesSizeButKeepsPlaceAndText();
    void painterIgnoresOtherKinds();
    void painterBetweenGridButtonKindsKeepsTargetKind();
    void painterSourceSurvivesClickOnPage();
    void painterSwitchedOffPaintsNothing();
    void deletedPainterSourcePaintsNothing();

private:
    UIBase *add(UIPage *page, int nClass, const QString &name, int x = 10, int y = 10, int w = 80,
                int h = 40);
    void click(UIBase *control, bool ctrl = false);
    void select(const QList<UIBase *> &controls);
    QJsonObject attributesOf(int nClass, const QString &name, UIPage *page = nullptr) const;

    TestWorkDir *m_workDir = nullptr;
    QWidget *m_window = nullptr;
    UIPage *m_page = nullptr;
    UIPage *m_other = nullptr;
};

void TestPageClipboard::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_window = new QWidget;
    m_window->resize(1800, 700);
    m_page = new UIPage(m_window);
    m_page->openPage(info(m_workDir->path(), QStringLiteral("home")));
    m_page->setPageJson(pageObject(800, 600));
    m_other = new UIPage(m_window);
    m_other->openPage(info(m_workDir->path(), QStringLiteral("second")));
    m_other->setPageJson(pageObject(800, 600));
    m_other->move(900, 0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestPageClipboard::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_page = nullptr;
    m_other = nullptr;
    flushDeletes();
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

UIBase *TestPageClipboard::add(UIPage *page, int nClass, const QString &name, int x, int y, int w, int h)
{
    QJsonObject object = control(designControlTypeName(nClass), name, x, y, w, h);
    object.insert("widgetIndex", name.section('_', -1).toInt());
    page->undoStack()->push(new AddCommand(page, nClass, object));
    return page->findControl(nClass, name);
}

void TestPageClipboard::click(UIBase *control, bool ctrl)
{
    QTest::mouseClick(control, Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier, QPoint(3, 3));
}

void TestPageClipboard::select(const QList<UIBase *> &controls)
{
    auto *page = qobject_cast<UIPage *>(controls.first()->parentWidget());
    // A plain click starts the selection afresh; Ctrl-clicks add the rest.
    click(controls.first());
    QTest::keyPress(page, Qt::Key_Control);
    for (UIBase *control : controls.mid(1))
        click(control, true);
    QTest::keyRelease(page, Qt::Key_Control);
    QCOMPARE(page->selection(), controls);
}

QJsonObject TestPageClipboard::attributesOf(int nClass, const QString &name, UIPage *page) const
{
    UIBase *control = (page ? page : m_page)->findControl(nClass, name);
    return control ? control->attributes() : QJsonObject();
}

void TestPageClipboard::interlockTakesNextGroupIdForAll()
{
    GlobalManager::instance()->updateMaxId(7);
    UIBase *a = add(m_page, 129, "CmdButton_0");
    UIBase *b = add(m_page, 129, "CmdButton_1", 100);
    UIBase *c = add(m_page, 159, "FeatureButton_0", 200);
    select({a, b, c});
    const int steps = m_page->undoStack()->count();
    GlobalManager::instance()->slotAllLock();   // no tab: nothing forwarded
    QCOMPARE(GlobalManager::instance()->maxId(), 7);

    m_page->allLock();
    QCOMPARE(m_page->undoStack()->count(), steps + 3);
    for (UIBase *control : {a, b, c}) {
        QCOMPARE(control->attributes().value("m_group_id").toInt(), 8);
        QCOMPARE(control->attributes().value("self_locking").toInt(), 0);
    }
    QCOMPARE(GlobalManager::instance()->maxId(), 8);
    m_page->allLock();
    QCOMPARE(a->attributes().value("m_group_id").toInt(), 9);
    // Undoing does not hand the id back.
    m_page->undo();
    QCOMPARE(GlobalManager::instance()->maxId(), 9);
}

void TestPageClipboard::interlockWithEmptySelectionHandsOutNoId()
{
    GlobalManager::instance()->updateMaxId(3);
    add(m_page, 129, "CmdButton_0");
    m_page->setModified(false);
    m_page->allLock();
    QCOMPARE(GlobalManager::instance()->maxId(), 3);
    QVERIFY(m_page->isModified());
}

void TestPageClipboard::selfLockAndUnlockAnyKind()
{
    UIBase *label = add(m_page, 104, "Label_0");
    select({label});
    m_page->selfLock();
    QCOMPARE(label->attributes().value("self_locking").toInt(), 1);
    QCOMPARE(label->attributes().value("m_group_id").toInt(), 0);
    m_page->allLock();
    m_page->unlock();
    QCOMPARE(label->attributes().value("self_locking").toInt(), 0);
    QCOMPARE(label->attributes().value("m_group_id").toInt(), 0);
    // Three steps, undone one at a time.
    m_page->undo();
    QCOMPARE(label->attributes().value("m_group_id").toInt(), 1);
}

void TestPageClipboard::latchIsDroppedOnBusyPage()
{
    UIBase *a = add(m_page, 129, "CmdButton_0");
    select({a});
    const int steps = m_page->undoStack()->count();
    {
        UIPage::Guard held(m_page);
        m_page->selfLock();
        m_page->allLock();
        m_page->copyControl();
        m_page->pasteControl();
    }
    QCOMPARE(m_page->undoStack()->count(), steps);
    QCOMPARE(GlobalManager::instance()->maxId(), 0);
    QVERIFY(GlobalManager::instance()->clipboard().isEmpty());
}

void TestPageClipboard::pasteNamesAndOffsets()
{
    UIBase *a = add(m_page, 113, "Button_0", 10, 20);
    UIBase *b = add(m_page, 113, "Button_1", 200, 20);
    select({a, b});
    m_page->copyControl();
    const int steps = m_page->undoStack()->count();
    m_page->pasteControl();
    QCOMPARE(m_page->undoStack()->count(), steps + 2);
    QCOMPARE(attributesOf(113, "Button_2").value("x").toInt(), 20);
    QCOMPARE(attributesOf(113, "Button_2").value("y").toInt(), 30);
    QCOMPARE(attributesOf(113, "Button_2").value("widgetIndex").toInt(), 2);
    QCOMPARE(attributesOf(113, "Button_3").value("x").toInt(), 210);
    m_page->pasteControl();
    QCOMPARE(attributesOf(113, "Button_4").value("x").toInt(), 20);
    QCOMPARE(attributesOf(113, "Button_5").value("x").toInt(), 210);
    QCOMPARE(names(m_page, 113).size(), 6);
}

void TestPageClipboard::pasteReadsCurrentAttributes()
{
    UIBase *a = add(m_page, 113, "Button_0", 10, 20);
    select({a});
    m_page->copyControl();
    a->setAttributes({{"x", 300}, {"text", "moved"}}, true, true);
    m_page->pasteControl();
    QCOMPARE(attributesOf(113, "Button_1").value("x").toInt(), 310);
    QCOMPARE(attributesOf(113, "Button_1").value("text").toString(), QString("moved"));
}

void TestPageClipboard::pasteOnAnotherPage()
{
    UIBase *a = add(m_page, 113, "Button_0", 10, 20);
    add(m_other, 113, "Button_0", 500, 500);
    select({a});
    m_page->copyControl();
    QCOMPARE(GlobalManager::instance()->clipSourcePage(), static_cast<QWidget *>(m_page));
    m_other->pasteControl();
    QCOMPARE(attributesOf(113, "Button_1", m_other).value("x").toInt(), 20);
    QCOMPARE(m_page->controlCount(), 1);
}

void TestPageClipboard::pasteKeepsLatchAndCommands()
{
    UIBase *a = add(m_page, 129, "CmdButton_0");
    select({a});
    m_page->allLock();
    const QJsonArray commands{QJsonObject{{"ip", "10.0.0.1"}, {"port", 80}}};
    a->setAttributes({{"on_cmd_data_list", commands}}, true, true);
    m_page->copyControl();
    m_page->pasteControl();
    const QJsonObject copy = attributesOf(129, "CmdButton_1");
    QCOMPARE(copy.value("m_group_id").toInt(), 1);
    QCOMPARE(copy.value("on_cmd_data_list").toArray(), commands);
}

void TestPageClipboard::deletedCopiedControlIsSkipped()
{
    UIBase *a = add(m_page, 113, "Button_0", 10, 20);
    UIBase *b = add(m_page, 104, "Label_0", 200, 20);
    select({a, b});
    m_page->copyControl();
    m_page->deleteControl(a);
    flushDeletes();
    m_other->pasteControl();
    QCOMPARE(m_other->controlCount(), 1);
    QVERIFY(m_other->findControl(104, "Label_0"));
}

void TestPageClipboard::controlTakenOffByUndoIsSkipped()
{
    add(m_page, 113, "Button_0", 10, 20);
    UIBase *b = add(m_page, 113, "Button_1", 200, 20);
    select({b});
    m_page->copyControl();
    // The add of the copied control is undone: it leaves the page at once
    // and is freed later.
    m_page->undoStack()->undo();
    m_other->pasteControl();
    QCOMPARE(m_other->controlCount(), 0);
    flushDeletes();
    m_other->pasteControl();
    QCOMPARE(m_other->controlCount(), 0);
}

void TestPageClipboard::closedSourcePageLeavesNothingToPaste()
{
    UIBase *a = add(m_page, 113, "Button_0", 10, 20);
    select({a});
    m_page->copyControl();
    delete m_page;
    m_page = nullptr;
    flushDeletes();
    m_other->pasteControl();
    QCOMPARE(m_other->controlCount(), 0);
    QVERIFY(GlobalManager::instance()->clipboard().isEmpty());
}

void TestPageClipboard::emptyClipboardPastesNothing()
{
    const int steps = m_page->undoStack()->count();
    m_page->pasteControl();
    QCOMPARE(m_page->undoStack()->count(), steps);
}

void TestPageClipboard::painterNeedsASelectedControl()
{
    add(m_page, 113, "Button_0");
    QVERIFY(!m_page->setFormatPainter());
    GlobalManager::instance()->slotFormatPainter();   // no tab: nothing happens
    QVERIFY(!m_page->setFormatPainter());
}

void TestPageClipboard::painterGivesSizeButKeepsPlaceAndText()
{
    UIBase *source = add(m_page, 113, "Button_0", 10, 10, 200, 80);
    UIBase *target = add(m_page, 113, "Button_1", 300, 300, 100, 40);
    source->setAttributes({{"text", "A"}, {"normalBkColor", "#ff112233"}}, true, true);
    target->setAttributes({{"text", "B"}}, true, true);
    click(source);
    QVERIFY(m_page->setFormatPainter());
    const int steps = m_page->undoStack()->count();
    const QJsonObject before = target->attributes();
    click(target);
    QCOMPARE(m_page->undoStack()->count(), steps + 1);
    const QJsonObject after = target->attributes();
    QCOMPARE(after.value("w").toInt(), 200);
    QCOMPARE(after.value("h").toInt(), 80);
    QCOMPARE(after.value("normalBkColor").toString(), QString("#ff112233"));
    QCOMPARE(after.value("text").toString(), QString("B"));
    QCOMPARE(after.value("x").toInt(), 300);
    QCOMPARE(after.value("name").toString(), QString("Button_1"));
    QCOMPARE(target->geometry().size(), QSize(200, 80));
    QVERIFY(m_page->isModified());
    m_page->undo();
    QCOMPARE(target->attributes(), before);
}

void TestPageClipboard::painterIgnoresOtherKinds()
{
    UIBase *source = add(m_page, 113, "Button_0", 10, 10, 200, 80);
    UIBase *label = add(m_page, 104, "Label_0", 300, 300, 100, 40);
    click(source);
    QVERIFY(m_page->setFormatPainter());
    const int steps = m_page->undoStack()->count();
    const QJsonObject before = label->attributes();
    click(label);
    QCOMPARE(m_page->undoStack()->count(), steps);
    QCOMPARE(label->attributes(), before);
}

void TestPageClipboard::painterBetweenGridButtonKindsKeepsTargetKind()
{
    // Both kinds are made by one class, so the painter takes them for one kind.
    UIBase *source = add(m_page, 140, "GridSettingButton_0", 10, 10, 200, 80);
    UIBase *target = add(m_page, 142, "WallGridSettingButton_0", 300, 300, 100, 40);
    click(source);
    QVERIFY(m_page->setFormatPainter());
    click(target);
    QCOMPARE(target->geometry().size(), QSize(200, 80));
    QCOMPARE(target->attributes().value("type").toString(), QString("WallGridSettingButton"));

    m_page->slotSaveFile();
    UIPage reopened;
    QCOMPARE(reopened.openPage(m_page->pageInfo()), UIPage::LoadOk);
    QCOMPARE(names(&reopened, 142), QStringList{"WallGridSettingButton_0"});
    QCOMPARE(names(&reopened, 140), QStringList{"GridSettingButton_0"});
}

void TestPageClipboard::painterSourceSurvivesClickOnPage()
{
    UIBase *source = add(m_page, 113, "Button_0", 10, 10, 200, 80);
    UIBase *target = add(m_page, 113, "Button_1", 300, 300, 100, 40);
    click(source);
    QVERIFY(m_page->setFormatPainter());
    m_page->selectPage();
    click(target);
    QCOMPARE(target->attributes().value("w").toInt(), 200);
    // The painter stays on for further clicks.
    UIBase *third = add(m_page, 113, "Button_2", 500, 100, 30, 30);
    click(third);
    QCOMPARE(third->attributes().value("w").toInt(), 200);
}

void TestPageClipboard::painterSwitchedOffPaintsNothing()
{
    UIBase *source = add(m_page, 113, "Button_0", 10, 10, 200, 80);
    UIBase *target = add(m_page, 113, "Button_1", 300, 300, 100, 40);
    click(source);
    QVERIFY(m_page->setFormatPainter());
    QVERIFY(m_page->setFormatPainter());
    click(target);
    QCOMPARE(target->attributes().value("w").toInt(), 100);
}

void TestPageClipboard::deletedPainterSourcePaintsNothing()
{
    UIBase *source = add(m_page, 113, "Button_0", 10, 10, 200, 80);
    UIBase *target = add(m_page, 113, "Button_1", 300, 300, 100, 40);
    click(source);
    QVERIFY(m_page->setFormatPainter());
    m_page->deleteControl(source);
    flushDeletes();
    click(target);
    QCOMPARE(target->attributes().value("w").toInt(), 100);
}

QTEST_MAIN(TestPageClipboard)
#include "tst_pageclipboard.moc"
