#include "tests/canvas/pagefixture.h"

#include <QUndoCommand>

using namespace pagefixture;

namespace {

// A step that, while it runs, asks its page for another undo or redo, as a
// signal raised inside a page operation would.
class ReentrantCommand : public QUndoCommand
{
public:
    explicit ReentrantCommand(UIPage *page) : m_page(page) {}
    void redo() override
    {
        ++redone;
        if (armed)
            m_page->undo();
    }
    void undo() override
    {
        ++undone;
        if (armed)
            m_page->redo();
    }
    int redone = 0;
    int undone = 0;
    bool armed = false;

private:
    UIPage *m_page;
};

} // namespace

class TestPageGuard : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600)); }
    void cleanup() { f.tearDown(); }

    void undoAndRedoInsideAnUndoAreDropped();
    void busyPageDropsUndoAndRedo();
    void guardedKeysAreDroppedWhileBusy_data();
    void guardedKeysAreDroppedWhileBusy();
    void guardedKeysRunWhenFree_data();
    void guardedKeysRunWhenFree();
    void unguardedOperationsRunWhileBusy();

private:
    // A selected button with text "A" and the step to "B" undone, so that
    // undo, redo, save, delete, nudge and copy each have something to do.
    UIBase *selectedButton()
    {
        UIBase *button = f.page->createControl(113, control("Button", "Button_0", 5, 5, 9, 9));
        button->setAttributes({{"text", "A"}}, true, true);
        button->setAttributes({{"text", "B"}}, true, true);
        QTest::mouseClick(button, Qt::LeftButton);
        f.page->undo();
        return button;
    }

    PageFixture f;
};

void TestPageGuard::undoAndRedoInsideAnUndoAreDropped()
{
    auto *first = new ReentrantCommand(f.page);
    auto *second = new ReentrantCommand(f.page);
    f.page->undoStack()->push(first);
    f.page->undoStack()->push(second);
    second->armed = true;

    f.page->undo();   // second's undo asks for a redo, which must not run
    QCOMPARE(second->undone, 1);
    QCOMPARE(second->redone, 1);
    QCOMPARE(f.page->undoStack()->index(), 1);

    f.page->redo();   // second's redo asks for an undo, which must not run
    QCOMPARE(second->redone, 2);
    QCOMPARE(second->undone, 1);
    QCOMPARE(first->undone, 0);
    QCOMPARE(f.page->undoStack()->index(), 2);
    QVERIFY(!f.page->isBusy());
}

void TestPageGuard::busyPageDropsUndoAndRedo()
{
    f.add(113, "Button_0", 0, 0, 9, 9);
    {
        UIPage::Guard held(f.page);
        QVERIFY(held.isHeld());
        QVERIFY(f.page->isBusy());
        UIPage::Guard nested(f.page);
        QVERIFY(!nested.isHeld());
        f.page->undo();
        QCOMPARE(f.page->controlCount(), 1);
    }
    QVERIFY(!f.page->isBusy());
    f.page->undo();
    QCOMPARE(f.page->controlCount(), 0);
    {
        UIPage::Guard held(f.page);
        f.page->redo();
        QCOMPARE(f.page->controlCount(), 0);
    }
    f.page->redo();
    QCOMPARE(f.page->controlCount(), 1);
}

void TestPageGuard::guardedKeysAreDroppedWhileBusy_data()
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

void TestPageGuard::guardedKeysAreDroppedWhileBusy()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    UIBase *button = selectedButton();
    QCOMPARE(f.page->selection(), QList<UIBase *>{button});

    UIPage::Guard held(f.page);
    QTest::keyClick(f.page, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.page->controlCount(), 1);
    QCOMPARE(button->text(), QStringLiteral("A"));
    QCOMPARE(intAt(button, "x"), 5);
    QCOMPARE(f.page->undoStack()->index(), 1);
    QCOMPARE(f.page->undoStack()->count(), 2);
    QVERIFY(!QFile::exists(f.page->pageFilePath()));
    QVERIFY(f.page->isModified());
    QVERIFY(GlobalManager::instance()->clipboard().isEmpty());
}

void TestPageGuard::guardedKeysRunWhenFree_data()
{
    guardedKeysAreDroppedWhileBusy_data();
}

void TestPageGuard::guardedKeysRunWhenFree()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    UIBase *button = selectedButton();
    QTest::keyClick(f.page, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    flushDeletes();
    switch (key) {
    case Qt::Key_Z:
        QCOMPARE(button->text(), QString());
        break;
    case Qt::Key_Y:
        QCOMPARE(button->text(), QStringLiteral("B"));
        break;
    case Qt::Key_S:
        QVERIFY(QFile::exists(f.page->pageFilePath()));
        QVERIFY(!f.page->isModified());
        break;
    case Qt::Key_Left:
        QCOMPARE(intAt(button, "x"), 4);
        break;
    case Qt::Key_C:
        QCOMPARE(GlobalManager::instance()->clipboard().size(), 1);
        break;
    default:
        QCOMPARE(f.page->controlCount(), 0);
        break;
    }
    // The guard is free again for the next operation.
    UIPage::Guard again(f.page);
    QVERIFY(again.isHeld());
}

void TestPageGuard::unguardedOperationsRunWhileBusy()
{
    UIPage::Guard held(f.page);
    UIBase *button = f.page->createControl(113, control("Button", "Button_0", 10, 10, 20, 20));
    QVERIFY(button);
    button->setAttributes({{"text", "A"}}, true, true);
    QCOMPARE(button->text(), QStringLiteral("A"));
    f.page->setEditScale(QStringLiteral("editScale"), 0.5, true);
    QCOMPARE(f.page->getScale(), 0.5);
    f.page->setPageSize(1600, 1200);
    QCOMPARE(f.page->attributes().value(QStringLiteral("w")), QJsonValue(1600));
    f.page->slotSaveFile();
    QVERIFY(QFile::exists(f.page->pageFilePath()));
    f.page->deleteControl(button);
    QCOMPARE(f.page->controlCount(), 0);
}

QTEST_MAIN(TestPageGuard)
#include "tst_pageguard.moc"
