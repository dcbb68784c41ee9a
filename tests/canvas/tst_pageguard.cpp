#include "canvas/addcommand.h"
#include "canvas/uipage.h"
#include "core/globalmanager.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QFile>
#include <QUndoCommand>
#include <QUndoStack>
#include <QtTest>

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
    void init();
    void cleanup();

    void undoAndRedoInsideAnUndoAreDropped();
    void busyPageDropsUndoAndRedo();
    void guardedKeysAreDroppedWhileBusy_data();
    void guardedKeysAreDroppedWhileBusy();
    void guardedKeysRunWhenFree_data();
    void guardedKeysRunWhenFree();
    void unguardedOperationsRunWhileBusy();
    void guardIsReleasedAfterEachOperation();

private:
    TestWorkDir *m_workDir = nullptr;
    UIPage *m_page = nullptr;
};

void TestPageGuard::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_page = new UIPage;
    m_page->openPage(info(m_workDir->path(), QStringLiteral("home")));
    m_page->setPageJson(pageObject(800, 600));
}

void TestPageGuard::cleanup()
{
    delete m_page;
    m_page = nullptr;
    flushDeletes();
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

void TestPageGuard::undoAndRedoInsideAnUndoAreDropped()
{
    auto *first = new ReentrantCommand(m_page);
    auto *second = new ReentrantCommand(m_page);
    m_page->undoStack()->push(first);
    m_page->undoStack()->push(second);
    second->armed = true;

    m_page->undo();   // second's undo asks for a redo, which must not run
    QCOMPARE(second->undone, 1);
    QCOMPARE(second->redone, 1);
    QCOMPARE(m_page->undoStack()->index(), 1);

    m_page->redo();   // second's redo asks for an undo, which must not run
    QCOMPARE(second->redone, 2);
    QCOMPARE(second->undone, 1);
    QCOMPARE(first->undone, 0);
    QCOMPARE(m_page->undoStack()->index(), 2);
    QVERIFY(!m_page->isBusy());
}

void TestPageGuard::busyPageDropsUndoAndRedo()
{
    m_page->undoStack()->push(new AddCommand(m_page, 113, control(QStringLiteral("Button"), QStringLiteral("Button_0"), 0, 0, 9, 9)));
    {
        UIPage::Guard held(m_page);
        QVERIFY(held.isHeld());
        QVERIFY(m_page->isBusy());
        UIPage::Guard nested(m_page);
        QVERIFY(!nested.isHeld());
        m_page->undo();
        QCOMPARE(m_page->controlCount(), 1);
    }
    QVERIFY(!m_page->isBusy());
    m_page->undo();
    QCOMPARE(m_page->controlCount(), 0);
    {
        UIPage::Guard held(m_page);
        m_page->redo();
        QCOMPARE(m_page->controlCount(), 0);
    }
    m_page->redo();
    QCOMPARE(m_page->controlCount(), 1);
}

void TestPageGuard::guardedKeysAreDroppedWhileBusy_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier);
    QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier);
}

void TestPageGuard::guardedKeysAreDroppedWhileBusy()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    UIBase *button = m_page->createControl(113, control(QStringLiteral("Button"), QStringLiteral("Button_0"), 0, 0, 9, 9));
    button->setAttributes({{"text", "A"}}, true, true);
    QTest::mouseClick(button, Qt::LeftButton);
    m_page->undo();
    QCOMPARE(m_page->selection(), QList<UIBase *>{button});

    UIPage::Guard held(m_page);
    QTest::keyClick(m_page, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_page->controlCount(), 1);
    QCOMPARE(button->text(), QString());
    QCOMPARE(m_page->undoStack()->index(), 0);
    QVERIFY(!QFile::exists(m_page->pageFilePath()));
    QVERIFY(m_page->isModified());
}

void TestPageGuard::guardedKeysRunWhenFree_data()
{
    guardedKeysAreDroppedWhileBusy_data();
}

void TestPageGuard::guardedKeysRunWhenFree()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    UIBase *button = m_page->createControl(113, control(QStringLiteral("Button"), QStringLiteral("Button_0"), 0, 0, 9, 9));
    button->setAttributes({{"text", "A"}}, true, true);
    button->setAttributes({{"text", "B"}}, true, true);
    QTest::mouseClick(button, Qt::LeftButton);
    m_page->undo();
    QCOMPARE(button->text(), QStringLiteral("A"));

    QTest::keyClick(m_page, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    flushDeletes();
    switch (key) {
    case Qt::Key_Z:
        QCOMPARE(button->text(), QString());
        break;
    case Qt::Key_Y:
        QCOMPARE(button->text(), QStringLiteral("B"));
        break;
    case Qt::Key_S:
        QVERIFY(QFile::exists(m_page->pageFilePath()));
        QVERIFY(!m_page->isModified());
        break;
    default:
        QCOMPARE(m_page->controlCount(), 0);
        break;
    }
    QVERIFY(!m_page->isBusy());
}

void TestPageGuard::unguardedOperationsRunWhileBusy()
{
    UIPage::Guard held(m_page);
    UIBase *button = m_page->createControl(113, control(QStringLiteral("Button"), QStringLiteral("Button_0"), 10, 10, 20, 20));
    QVERIFY(button);
    button->setAttributes({{"text", "A"}}, true, true);
    QCOMPARE(button->text(), QStringLiteral("A"));
    m_page->setEditScale(QStringLiteral("editScale"), 0.5, true);
    QCOMPARE(m_page->getScale(), 0.5);
    m_page->setPageSize(1600, 1200);
    QCOMPARE(m_page->attributes().value(QStringLiteral("w")), QJsonValue(1600));
    m_page->slotSaveFile();
    QVERIFY(QFile::exists(m_page->pageFilePath()));
    m_page->deleteControl(button);
    QCOMPARE(m_page->controlCount(), 0);
}

void TestPageGuard::guardIsReleasedAfterEachOperation()
{
    m_page->undo();
    m_page->redo();
    QTest::keyClick(m_page, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!m_page->isBusy());
    UIPage::Guard again(m_page);
    QVERIFY(again.isHeld());
}

QTEST_MAIN(TestPageGuard)
#include "tst_pageguard.moc"
