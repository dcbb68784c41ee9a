#include "tests/canvas/pagefixture.h"

#include <climits>

using namespace pagefixture;

class TestUndoIdentity : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600)); }
    void cleanup() { f.tearDown(); }

    void stepsReachTheirOwnTwinAfterDeleteAndUndo_data();
    void stepsReachTheirOwnTwinAfterDeleteAndUndo();
    void undoRestoresDerivedStateAndNewIndexesAreUnused();

private:
    PageFixture f;
};

void TestUndoIdentity::stepsReachTheirOwnTwinAfterDeleteAndUndo_data()
{
    QTest::addColumn<int>("twin");
    QTest::newRow("first") << 0;
    QTest::newRow("second") << 1;
}

// Of two controls of one name, the edited one is deleted and brought back;
// then its edit is undone and redone.
void TestUndoIdentity::stepsReachTheirOwnTwinAfterDeleteAndUndo()
{
    QFETCH(int, twin);
    f.add(113, "Button_0", 0);
    f.add(113, "Button_0", 200);
    UIBase *edited = f.page->controls().value(113).at(twin);
    edited->setAttributes({{"text", "B"}}, true, true);
    f.page->deleteControl(edited);
    f.page->undo();
    f.page->undo();
    auto texts = [this] {
        QMap<int, QString> byPlace;
        for (const UIBase *control : f.page->controls().value(113))
            byPlace.insert(intAt(control, "x"), control->text());
        return byPlace.values();
    };
    QCOMPARE(texts(), QList<QString>({"", ""}));
    f.page->redo();
    QCOMPARE(texts().at(twin), QStringLiteral("B"));
}

void TestUndoIdentity::undoRestoresDerivedStateAndNewIndexesAreUnused()
{
    UIBase *button = f.add(113, "Button_0", 100, 100, 80, 40);
    const QJsonObject created = button->attributes();
    button->setAttributes({{"name", "Button_7"}}, true, true);
    f.page->deleteControl(button);
    f.page->setControlAttributes({{"editScale", 0.5}}, true, 1);
    for (int i = 0; i < 3; ++i)
        f.page->undo();
    UIBase *back = f.page->findControl(113, "Button_0");
    QVERIFY(back);
    QCOMPARE(back->attributes(), created);
    QCOMPARE(back->getIndex(), 0);
    QCOMPARE(back->geometry(), QRect(100, 100, 80, 40));
    QCOMPARE(f.page->getScale(), 1.0);

    // A paste or a new control after the int maximum takes an unused index.
    QJsonObject top = control("Button", "Button_" + QString::number(INT_MAX), 10, 10, 80, 40);
    f.page->createControlFromJson(top);
    QCOMPARE(f.page->nextWidgetIndex(113), 1);
}

QTEST_MAIN(TestUndoIdentity)
#include "tst_undoidentity.moc"
