#include "canvas/addcommand.h"
#include "canvas/editcommand.h"
#include "canvas/uipage.h"
#include "core/globalmanager.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QUndoStack>
#include <QtTest>

using namespace pagefixture;

class TestPageAlign : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void leftAlignmentIsOneStepPerControl();
    void distributionThroughThePage();
    void centringSingleControlInPage();
    void noValidControlIsReported_data();
    void noValidControlIsReported();
    void everyCallMarksPageModified_data();
    void everyCallMarksPageModified();
    void busyPageDropsAlignment();
    void undoneControlByControl();
    void raiseAndLowerChangeStackingOnly();
    void raiseWithoutSelectedControlDoesNothing();

private:
    UIBase *add(int nClass, const QString &name, int x, int y, int w, int h);
    void select(const QList<UIBase *> &controls);
    int x(const char *name, int nClass = 113) const;
    QList<UIBase *> stackOrder() const;

    TestWorkDir *m_workDir = nullptr;
    TestNotifier *m_notifier = nullptr;
    QWidget *m_window = nullptr;
    UIPage *m_page = nullptr;
};

void TestPageAlign::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_notifier = new TestNotifier;
    m_window = new QWidget;
    m_window->resize(2000, 1200);
    m_page = new UIPage(m_window);
    m_page->openPage(info(m_workDir->path(), QStringLiteral("home")));
    m_page->setPageJson(pageObject(1920, 1080));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestPageAlign::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_page = nullptr;
    flushDeletes();
    delete m_notifier;
    m_notifier = nullptr;
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

UIBase *TestPageAlign::add(int nClass, const QString &name, int x, int y, int w, int h)
{
    m_page->undoStack()->push(
        new AddCommand(m_page, nClass, control(designControlTypeName(nClass), name, x, y, w, h)));
    return m_page->findControl(nClass, name);
}

void TestPageAlign::select(const QList<UIBase *> &controls)
{
    // A plain click starts the selection afresh; Ctrl-clicks add the rest.
    QTest::mouseClick(controls.first(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::keyPress(m_page, Qt::Key_Control);
    for (UIBase *control : controls.mid(1))
        QTest::mouseClick(control, Qt::LeftButton, Qt::ControlModifier, QPoint(2, 2));
    QTest::keyRelease(m_page, Qt::Key_Control);
    QCOMPARE(m_page->selection(), controls);
}

int TestPageAlign::x(const char *name, int nClass) const
{
    return m_page->findControl(nClass, QLatin1String(name))->attributes().value("x").toInt();
}

QList<UIBase *> TestPageAlign::stackOrder() const
{
    QList<UIBase *> stack;
    for (QObject *child : m_page->children()) {
        if (auto *control = qobject_cast<UIBase *>(child))
            stack.append(control);
    }
    return stack;
}

void TestPageAlign::leftAlignmentIsOneStepPerControl()
{
    UIBase *a = add(113, "Button_0", 50, 10, 20, 20);
    UIBase *b = add(113, "Button_1", 20, 60, 20, 20);
    UIBase *c = add(113, "Button_2", 80, 110, 20, 20);
    select({a, b, c});
    const int before = m_page->undoStack()->count();
    GlobalManager::instance()->alignControls(0);   // no tab: the manager forwards nothing
    QCOMPARE(m_page->undoStack()->count(), before);

    m_page->alignControls(0);
    QCOMPARE(m_page->undoStack()->count(), before + 3);
    QCOMPARE(x("Button_0"), 50);
    QCOMPARE(x("Button_1"), 50);
    QCOMPARE(x("Button_2"), 50);
    // The reference's own step changes nothing.
    auto *first = static_cast<const EditCommand *>(m_page->undoStack()->command(before));
    QCOMPARE(first->oldAttributes(), first->newAttributes());
    QCOMPARE(first->panelMode(), 1);
    // The widgets follow the stored values.
    QCOMPARE(b->geometry().x(), 50);
}

void TestPageAlign::distributionThroughThePage()
{
    UIBase *a = add(113, "Button_0", 0, 0, 10, 10);
    UIBase *b = add(113, "Button_1", 100, 0, 10, 10);
    UIBase *c = add(113, "Button_2", 30, 0, 10, 10);
    select({a, b, c});
    m_page->alignControls(7);
    QCOMPARE(x("Button_0"), 0);
    QCOMPARE(x("Button_2"), 50);
    QCOMPARE(x("Button_1"), 100);
    // Pushed in centre order: the last step is the rightmost control.
    auto *last = static_cast<const EditCommand *>(m_page->undoStack()->command(m_page->undoStack()->count() - 1));
    QCOMPARE(last->name(), QString("Button_1"));
}

void TestPageAlign::centringSingleControlInPage()
{
    UIBase *a = add(104, "Label_0", 100, 7, 200, 30);
    select({a});
    m_page->alignControls(10);
    QCOMPARE(x("Label_0", 104), 860);
    m_page->alignControls(9);
    QCOMPARE(m_page->findControl(104, "Label_0")->attributes().value("y").toInt(), 525);
    // Same size needs two controls: one alone is left as it is.
    m_page->alignControls(8);
    QCOMPARE(m_page->findControl(104, "Label_0")->attributes().value("w").toInt(), 200);
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestPageAlign::noValidControlIsReported_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<bool>("told");
    for (int op = 0; op <= 10; ++op)
        QTest::newRow(QByteArray::number(op).constData()) << op << (op != 6 && op != 7);
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
    m_page->undoStack()->push(new AddCommand(m_page, 113, noWidth));
    m_page->undoStack()->push(new AddCommand(m_page, 113, noHeight));
    UIBase *a = m_page->findControl(113, "Button_0");
    UIBase *b = m_page->findControl(113, "Button_1");
    select({a, b});
    const QJsonObject before = a->attributes();
    const int steps = m_page->undoStack()->count();
    m_page->alignControls(operation);
    QCOMPARE(m_notifier->texts(), told ? QStringList{QString::fromUtf8("找不到合法的控件")} : QStringList());
    if (told)
        QCOMPARE(m_notifier->prompts().first().title, QString::fromUtf8("提示"));
    QCOMPARE(m_page->undoStack()->count(), steps);
    QCOMPARE(a->attributes(), before);
}

void TestPageAlign::everyCallMarksPageModified_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("outside the table") << 11;
    QTest::newRow("one selected") << 0;
}

void TestPageAlign::everyCallMarksPageModified()
{
    QFETCH(int, operation);
    UIBase *a = add(113, "Button_0", 10, 10, 20, 20);
    select({a});
    m_page->setModified(false);
    const int steps = m_page->undoStack()->count();
    m_page->alignControls(operation);
    QVERIFY(m_page->isModified());
    QCOMPARE(m_page->undoStack()->count(), steps);
}

void TestPageAlign::busyPageDropsAlignment()
{
    UIBase *a = add(113, "Button_0", 50, 10, 20, 20);
    UIBase *b = add(113, "Button_1", 20, 60, 20, 20);
    select({a, b});
    const int steps = m_page->undoStack()->count();
    {
        UIPage::Guard held(m_page);
        m_page->alignControls(0);
        m_page->raiseControl(false);
    }
    QCOMPARE(m_page->undoStack()->count(), steps);
    QCOMPARE(x("Button_1"), 20);
    // Lowering the last selected control was dropped too.
    QCOMPARE(stackOrder(), (QList<UIBase *>{a, b}));
}

void TestPageAlign::undoneControlByControl()
{
    UIBase *a = add(113, "Button_0", 200, 0, 100, 10);
    UIBase *b = add(113, "Button_1", 0, 20, 150, 10);
    UIBase *c = add(113, "Button_2", 0, 40, 50, 10);
    select({a, b, c});
    m_page->alignControls(1);
    QCOMPARE(x("Button_1"), 150);
    QCOMPARE(x("Button_2"), 250);
    m_page->undo();
    QCOMPARE(x("Button_2"), 0);
    QCOMPARE(x("Button_1"), 150);
    m_page->undo();
    QCOMPARE(x("Button_1"), 0);
}

void TestPageAlign::raiseAndLowerChangeStackingOnly()
{
    UIBase *a = add(113, "Button_0", 10, 10, 50, 50);
    UIBase *b = add(113, "Button_1", 20, 20, 50, 50);
    QCOMPARE(stackOrder(), (QList<UIBase *>{a, b}));
    select({a});
    const int steps = m_page->undoStack()->count();
    m_page->setModified(false);
    m_page->raiseControl(true);
    QCOMPARE(stackOrder(), (QList<UIBase *>{b, a}));
    QVERIFY(m_page->isModified());
    m_page->raiseControl(false);
    QCOMPARE(stackOrder(), (QList<UIBase *>{a, b}));
    QCOMPARE(m_page->undoStack()->count(), steps);
    // The file keeps the registration order.
    QCOMPARE(names(m_page, 113), (QStringList{"Button_0", "Button_1"}));
}

void TestPageAlign::raiseWithoutSelectedControlDoesNothing()
{
    UIBase *a = add(113, "Button_0", 10, 10, 50, 50);
    add(113, "Button_1", 20, 20, 50, 50);
    m_page->setModified(false);
    m_page->raiseControl(true);
    QVERIFY(!m_page->isModified());
    m_page->selectPage();
    m_page->raiseControl(true);
    QVERIFY(!m_page->isModified());
    // The last selected control deleted: nothing to raise.
    select({a});
    m_page->deleteControl(a);
    flushDeletes();
    m_page->setModified(false);
    m_page->raiseControl(true);
    QVERIFY(!m_page->isModified());
}

QTEST_MAIN(TestPageAlign)
#include "tst_pagealign.moc"
