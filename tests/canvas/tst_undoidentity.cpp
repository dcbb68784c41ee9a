#include "tests/canvas/pagefixture.h"

#include <climits>

using namespace pagefixture;

class TestUndoIdentity : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600, PageFixture::Shown)); }
    void cleanup() { f.tearDown(); }

    void stepsReachTheirOwnTwinAfterDeleteAndUndo_data();
    void stepsReachTheirOwnTwinAfterDeleteAndUndo();
    void undoOfRenameAfterDeleteRestoresExactObject();
    void undoOfPageEditRestoresZoom();
    void indexAndGroupAfterIntMaxAreUnused();

private:
    // The text of the control standing at x, or "-" when none does.
    QString textAt(int x) const
    {
        for (const UIBase *control : f.page->controls().value(113)) {
            if (intAt(control, "x") == x)
                return control->text();
        }
        return QStringLiteral("-");
    }

    PageFixture f;
};

void TestUndoIdentity::stepsReachTheirOwnTwinAfterDeleteAndUndo_data()
{
    QTest::addColumn<int>("edited");
    QTest::addColumn<int>("deleted");
    QTest::newRow("edited twin deleted") << 1 << 1;
    QTest::newRow("other twin deleted") << 0 << 0;
    QTest::newRow("edited first, second deleted") << 0 << 1;
}

void TestUndoIdentity::stepsReachTheirOwnTwinAfterDeleteAndUndo()
{
    QFETCH(int, edited);
    QFETCH(int, deleted);
    // Twins of one name at x 100 and 300, told apart by their texts.
    for (int i = 0; i < 2; ++i) {
        QJsonObject object = control("Button", "Button_0", 100 + 200 * i, 10, 80, 40);
        object.insert("text", i == 0 ? "X" : "Y");
        f.page->createControlFromJson(object);
    }
    const QList<UIBase *> twins = f.page->controls().value(113);
    twins.at(edited)->setAttributes({{"text", "B"}}, true, true);
    f.page->deleteControl(twins.at(deleted));
    flushDeletes();
    f.page->undo();
    f.page->undo();
    QCOMPARE(textAt(100) + textAt(300), QStringLiteral("XY"));
    f.page->redo();
    f.page->redo();
    const int survivor = 1 - deleted;
    const char *original[2] = {"X", "Y"};
    QCOMPARE(textAt(100 + 200 * survivor), QString(edited == survivor ? "B" : original[survivor]));
    QCOMPARE(textAt(100 + 200 * deleted), QStringLiteral("-"));
}

void TestUndoIdentity::undoOfRenameAfterDeleteRestoresExactObject()
{
    UIBase *button = f.add(113, "Button_0");
    const QJsonObject created = button->attributes();
    button->setAttributes({{"name", "Button_7"}}, true, true);
    f.page->deleteControl(button);
    f.page->undo();
    f.page->undo();
    UIBase *back = f.page->findControl(113, "Button_0");
    QVERIFY(back);
    QCOMPARE(back->attributes(), created);
    QCOMPARE(back->getIndex(), 0);
}

void TestUndoIdentity::undoOfPageEditRestoresZoom()
{
    UIBase *button = f.add(113, "Button_0", 100, 100, 80, 40);
    f.page->setControlAttributes({{"editScale", 0.5}}, true, 1);
    QCOMPARE(f.page->size(), QSize(400, 300));
    f.page->undo();
    QVERIFY(!f.page->attributes().contains("editScale"));
    QCOMPARE(f.page->getScale(), 1.0);
    QCOMPARE(f.page->size(), QSize(800, 600));
    QCOMPARE(button->geometry(), QRect(100, 100, 80, 40));
}

void TestUndoIdentity::indexAndGroupAfterIntMaxAreUnused()
{
    QJsonObject top = control("Button", "Button_" + QString::number(INT_MAX), 10, 10, 80, 40);
    top.insert("widgetIndex", INT_MAX);
    top.insert("m_group_id", INT_MAX);
    QJsonObject low = control("Button", "Button_0", 200, 10, 80, 40);
    low.insert("m_group_id", 1);
    f.page->createControlFromJson(top);
    f.page->createControlFromJson(low);
    UIBase *lowControl = f.page->findControl(113, "Button_0");

    QVERIFY(select({lowControl}));
    f.page->copyControl();
    f.page->pasteControl();
    QCOMPARE(names(f.page, 113).last(), QStringLiteral("Button_1"));
    f.page->allLock();
    QCOMPARE(intAt(lowControl, "m_group_id"), 2);
}

QTEST_MAIN(TestUndoIdentity)
#include "tst_undoidentity.moc"
