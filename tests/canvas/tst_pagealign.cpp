#include "canvas/editcommand.h"
#include "tests/canvas/pagefixture.h"

// What the page adds to the alignment arithmetic (tst_alignment): the
// selection and page size it passes, one undo step per control, the message,
// the guard and the stacking order.
using namespace pagefixture;

class TestPageAlign : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(1920, 1080, PageFixture::Shown)); }
    void cleanup() { f.tearDown(); }

    void alignmentIsOneStepPerControlUndoneOneByOne();
    void centringUsesThePageSize();
    void noValidControlIsReported_data();
    void noValidControlIsReported();
    void everyCallMarksPageModified_data();
    void everyCallMarksPageModified();
    void busyPageDropsAlignment();
    void raiseAndLowerChangeStackingOnly();
    void raiseWithoutSelectedControlDoesNothing();

private:
    int x(const char *name, int nClass = 113) const { return intAt(f.page->findControl(nClass, name), "x"); }
    QList<UIBase *> stackOrder() const
    {
        QList<UIBase *> stack;
        for (QObject *child : f.page->children()) {
            if (auto *control = qobject_cast<UIBase *>(child))
                stack.append(control);
        }
        return stack;
    }

    PageFixture f;
};

void TestPageAlign::alignmentIsOneStepPerControlUndoneOneByOne()
{
    UIBase *a = f.add(113, "Button_0", 200, 0, 100, 10);
    UIBase *b = f.add(113, "Button_1", 0, 20, 150, 10);
    UIBase *c = f.add(113, "Button_2", 0, 40, 50, 10);
    QVERIFY(select({a, b, c}));
    const int before = f.steps();
    f.page->alignControls(1);
    QCOMPARE(f.steps(), before + 3);
    QCOMPARE(x("Button_1"), 150);
    QCOMPARE(x("Button_2"), 250);
    // The widgets follow the stored values; the reference's own step changes nothing.
    QCOMPARE(c->geometry().x(), 250);
    auto *first = static_cast<const EditCommand *>(f.page->undoStack()->command(before));
    QCOMPARE(first->oldAttributes(), first->newAttributes());
    QCOMPARE(first->panelMode(), 1);
    f.page->undo();
    QCOMPARE(x("Button_2"), 0);
    QCOMPARE(x("Button_1"), 150);
    f.page->undo();
    QCOMPARE(x("Button_1"), 0);

    // Distribution pushes its steps in centre order: the rightmost last.
    f.page->alignControls(7);
    QCOMPARE(x("Button_1"), 50);
    auto *last = static_cast<const EditCommand *>(f.page->undoStack()->command(f.steps() - 1));
    QCOMPARE(last->name(), QString("Button_0"));
}

void TestPageAlign::centringUsesThePageSize()
{
    UIBase *a = f.add(104, "Label_0", 100, 7, 200, 30);
    QVERIFY(select({a}));
    f.page->alignControls(10);
    QCOMPARE(x("Label_0", 104), 860);
    f.page->alignControls(9);
    QCOMPARE(intAt(a, "y"), 525);
    QVERIFY(f.notifier->prompts().isEmpty());
}

void TestPageAlign::noValidControlIsReported_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<bool>("told");
    QTest::newRow("left") << 0 << true;
    QTest::newRow("distribute is silent") << 7 << false;
    QTest::newRow("centre in page") << 10 << true;
}

void TestPageAlign::noValidControlIsReported()
{
    QFETCH(int, operation);
    QFETCH(bool, told);
    // Controls whose objects lack a geometry key take no part.
    QJsonObject noWidth = control("Button", "Button_0", 10, 10, 20, 20);
    noWidth.remove("w");
    QJsonObject noHeight = control("Button", "Button_1", 40, 10, 20, 20);
    noHeight.remove("h");
    f.page->undoStack()->push(new AddCommand(f.page, 113, noWidth));
    f.page->undoStack()->push(new AddCommand(f.page, 113, noHeight));
    UIBase *a = f.page->findControl(113, "Button_0");
    UIBase *b = f.page->findControl(113, "Button_1");
    QVERIFY(select({a, b}));
    const QJsonObject before = a->attributes();
    const int steps = f.steps();
    f.page->alignControls(operation);
    QCOMPARE(f.notifier->texts(), told ? QStringList{QString::fromUtf8("找不到合法的控件")} : QStringList());
    if (told)
        QCOMPARE(f.notifier->prompts().first().title, QString::fromUtf8("提示"));
    QCOMPARE(f.steps(), steps);
    QCOMPARE(a->attributes(), before);
}

void TestPageAlign::everyCallMarksPageModified_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("outside the table") << 11;
    QTest::newRow("one selected") << 0;
    QTest::newRow("same size of one") << 8;
}

void TestPageAlign::everyCallMarksPageModified()
{
    QFETCH(int, operation);
    UIBase *a = f.add(113, "Button_0", 10, 10, 20, 20);
    QVERIFY(select({a}));
    f.page->setModified(false);
    const QJsonObject before = a->attributes();
    const int steps = f.steps();
    f.page->alignControls(operation);
    QVERIFY(f.page->isModified());
    QCOMPARE(f.steps(), steps);
    QCOMPARE(a->attributes(), before);
}

void TestPageAlign::busyPageDropsAlignment()
{
    UIBase *a = f.add(113, "Button_0", 50, 10, 20, 20);
    UIBase *b = f.add(113, "Button_1", 20, 60, 20, 20);
    QVERIFY(select({a, b}));
    const int steps = f.steps();
    {
        UIPage::Guard held(f.page);
        f.page->alignControls(0);
        f.page->raiseControl(false);
    }
    QCOMPARE(f.steps(), steps);
    QCOMPARE(x("Button_1"), 20);
    // Lowering the last selected control was dropped too.
    QCOMPARE(stackOrder(), (QList<UIBase *>{a, b}));
}

void TestPageAlign::raiseAndLowerChangeStackingOnly()
{
    UIBase *a = f.add(113, "Button_0", 10, 10, 50, 50);
    UIBase *b = f.add(113, "Button_1", 20, 20, 50, 50);
    QCOMPARE(stackOrder(), (QList<UIBase *>{a, b}));
    QVERIFY(select({a}));
    const int steps = f.steps();
    f.page->setModified(false);
    f.page->raiseControl(true);
    QCOMPARE(stackOrder(), (QList<UIBase *>{b, a}));
    QVERIFY(f.page->isModified());
    f.page->raiseControl(false);
    QCOMPARE(stackOrder(), (QList<UIBase *>{a, b}));
    QCOMPARE(f.steps(), steps);
    // The file keeps the registration order.
    QCOMPARE(names(f.page, 113), (QStringList{"Button_0", "Button_1"}));
}

void TestPageAlign::raiseWithoutSelectedControlDoesNothing()
{
    UIBase *a = f.add(113, "Button_0", 10, 10, 50, 50);
    f.add(113, "Button_1", 20, 20, 50, 50);
    f.page->setModified(false);
    f.page->raiseControl(true);
    QVERIFY(!f.page->isModified());
    f.page->selectPage();
    f.page->raiseControl(true);
    QVERIFY(!f.page->isModified());
    // The last selected control deleted: nothing to raise.
    QVERIFY(select({a}));
    f.page->deleteControl(a);
    flushDeletes();
    f.page->setModified(false);
    f.page->raiseControl(true);
    QVERIFY(!f.page->isModified());
}

QTEST_MAIN(TestPageAlign)
#include "tst_pagealign.moc"
