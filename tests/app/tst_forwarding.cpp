#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "tests/canvas/pagefixture.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTreeWidget>

// The manager's forwarders: to the page in front, and to the window's panels.
using namespace pagefixture;

class TestForwarding : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup()
    {
        delete controls;
        delete properties;
        f.tearDown();
    }

    void closingTabAsksOnlyWhenModified_data();
    void closingTabAsksOnlyWhenModified();
    void forwardersReachOnlyThePageInFront();
    void propertyPanelServesOnlyTheControlOnView();
    void forwardersWithoutTabOrPanelsDoNothing();

private:
    static UIPage *open(const QString &name) { return openPageTab(name); }

    ProjectFixture f;
    QPointer<ControlFrame> controls;
    QPointer<PropertyWidget> properties;
};

void TestForwarding::init()
{
    QVERIFY(f.setUp());
    GlobalManager *manager = GlobalManager::instance();
    controls = new ControlFrame;
    properties = new PropertyWidget;
    manager->setControlFrame(controls);
    manager->setPropertyWidget(properties);
    f.tabs->resize(1000, 800);
    manager->setScreenMetrics(96.0, 1.0, 1.0);
    QVERIFY(manager->createPage("a", 800, 600, 0));
    QVERIFY(manager->createPage("b", 800, 600, 0));
    f.tabs->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.tabs));
}

void TestForwarding::closingTabAsksOnlyWhenModified_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("unmodified: no question") << false << int(QMessageBox::Cancel) << true << true << false;
    QTest::newRow("save") << true << int(QMessageBox::Yes) << true << true << true;
    QTest::newRow("do not save") << true << int(QMessageBox::No) << true << true << false;
    QTest::newRow("cancel") << true << int(QMessageBox::Cancel) << true << false << false;
    QTest::newRow("save that fails keeps the tab") << true << int(QMessageBox::Yes) << false << false << false;
}

void TestForwarding::closingTabAsksOnlyWhenModified()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, writable);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    UIPage *page = open("a");
    QPointer<UIPage> watch = page;
    click(addControl(page, 113, "Button_0", 10, 10));
    GlobalManager::instance()->slotCopy();
    page->setModified(modified);
    // A folder in place of the page file: it can no longer be written.
    if (!writable)
        QVERIFY(QFile::remove(f.pagePath("a")) && QDir().mkdir(f.pagePath("a")));
    const QByteArray before = readFixture(f.pagePath("a"));
    f.notifier->queueAnswer(QMessageBox::StandardButton(answer));
    emit f.tabs->tabCloseRequested(0);

    QCOMPARE(f.notifier->prompts().size(), !modified ? 0 : writable ? 1 : 2);
    if (modified) {
        QCOMPARE(f.notifier->prompts().first().kind, Notifier::Warning);
        QCOMPARE(f.notifier->prompts().first().text, QString::fromUtf8("检测到配置已修改，是否保存修改在关闭?"));
    }
    QCOMPARE(f.tabs->count(), closed ? 0 : 1);
    QCOMPARE(GlobalManager::instance()->hasPage("a")->opened, closed ? 0 : 1);
    QCOMPARE(readFixture(f.pagePath("a")) != before, saved);
    // No copy of a closed page's controls is left to paste.
    QCOMPARE(GlobalManager::instance()->clipboard().isEmpty(), closed);
    flushDeletes();
    QCOMPARE(watch.isNull(), closed);
    if (!closed) {
        // The page, its changes and its history stay.
        QVERIFY(page->isModified());
        QCOMPARE(page->undoStack()->count(), 1);
    }
}

void TestForwarding::forwardersReachOnlyThePageInFront()
{
    UIPage *a = open("a");
    UIBase *inA = addControl(a, 129, "CmdButton_0", 10, 10);
    click(inA);
    const QJsonObject before = inA->attributes();
    UIPage *b = open("b");
    UIBase *first = addControl(b, 129, "CmdButton_0", 10, 10);
    UIBase *second = addControl(b, 129, "CmdButton_1", 100, 10);
    QVERIFY(select({first, second}));
    GlobalManager *manager = GlobalManager::instance();
    manager->slotSelfLock();
    manager->alignControls(0);
    manager->raiseControl(false);
    manager->slotCopy();
    manager->slotPaste();
    manager->slotUndo();
    manager->slotSetScaleData(50);
    click(first);
    manager->slotFormatPainter();
    QCOMPARE(intAt(first, "self_locking"), 1);
    QCOMPARE(intAt(second, "x"), 10);
    QVERIFY(b->children().indexOf(second) < b->children().indexOf(first));
    QCOMPARE(b->controlCount(), 3);
    QCOMPARE(b->getScale(), 0.5);
    QVERIFY(b->isFormatPainterOn());
    // The page behind saw none of it.
    QCOMPARE(a->controlCount(), 1);
    QCOMPARE(inA->attributes(), before);
    // Still the default zoom it took when it was in front.
    QCOMPARE(a->getScale(), manager->defaultZoom() / 100.0);
    QVERIFY(!a->isFormatPainterOn());

    // Brought forward, a page shows the default zoom, 68 % of the fit scale,
    // and its own controls in the tree.
    QSignalSpy zoom(manager, SIGNAL(signalWidgetScaleData(int)));
    f.tabs->setCurrentIndex(0);
    QCOMPARE(manager->currentIndex(), 0);
    QCOMPARE(zoom.count(), 1);
    QCOMPARE(zoom.first().first().toInt(), 68);
    QCOMPARE(controls->controlNames(129), QStringList("CmdButton_0"));
    manager->setCurrentTabByName("b");
    QCOMPARE(f.tabs->currentIndex(), 1);
    QCOMPARE(zoom.count(), 2);
    // Closing another page keeps what was copied here.
    f.notifier->queueAnswer(QMessageBox::No);
    emit f.tabs->tabCloseRequested(0);
    QCOMPARE(f.tabs->count(), 1);
    manager->slotPaste();
    QCOMPARE(b->controlCount(), 5);
}

void TestForwarding::propertyPanelServesOnlyTheControlOnView()
{
    GlobalManager *manager = GlobalManager::instance();
    QWidget shown;
    QWidget other;
    auto rowText = [this](const char *key) {
        return qobject_cast<QLineEdit *>(properties->editorAt(properties->rowOf(104, key)))->text();
    };
    // Without a current page nothing is shown.
    manager->showProperty("a", &shown, 104, QJsonObject{{"x", 1}});
    QVERIFY(!manager->propertyControl() && !properties->currentControl());
    open("a");
    manager->showProperty("ignored", &shown, 104, QJsonObject{{"x", 1}});
    QCOMPARE(properties->currentControl(), &shown);
    QCOMPARE(properties->shownClass(), 104);
    // A refresh reaches the rows for the control on view only.
    manager->refreshProperty("a", &other, 104, QJsonObject{{"x", 2}});
    QCOMPARE(rowText("x"), QString("1"));
    manager->refreshProperty("a", &shown, 104, QJsonObject{{"x", 3}});
    QCOMPARE(rowText("x"), QString("3"));
    // A tab that is visible but not the recorded current one is not enough.
    manager->setCurrentTabByName("none");
    manager->showProperty("a", &other, 100, QJsonObject());
    manager->refreshProperty("a", &shown, 104, QJsonObject{{"x", 4}});
    QCOMPARE(properties->currentControl(), &shown);
    QCOMPARE(rowText("x"), QString("3"));
    manager->forgetControl(&shown);
    QVERIFY(!manager->propertyControl());
    manager->hideProperty();
    QVERIFY(!properties->currentControl());
    for (int row = 0; row < properties->tableWidget()->rowCount(); ++row)
        QVERIFY(properties->tableWidget()->isRowHidden(row));
}

void TestForwarding::forwardersWithoutTabOrPanelsDoNothing()
{
    GlobalManager *manager = GlobalManager::instance();
    // The window's panels may go first.
    delete controls;
    delete properties;
    QVERIFY(!manager->controlFrame() && !manager->propertyWidget());
    QSignalSpy zooms(manager, SIGNAL(signalWidgetScaleData(int)));
    QWidget control;
    manager->showProperty("a", &control, 100, QJsonObject());
    manager->fillProperty(&control, 100, QJsonObject());
    manager->hideProperty();
    manager->removeControlItem(100, "page");
    manager->resetZoom();
    manager->setCurrentTabByName("a");
    manager->addControlAtCursor(QRect(0, 0, 160, 90));
    manager->slotFormatPainter();
    manager->slotAllLock();
    QCOMPARE(manager->currentIndex(), -1);
    QVERIFY(!manager->propertyControl());
    QCOMPARE(zooms.count(), 0);
    QCOMPARE(manager->maxId(), 0);
    QVERIFY(f.notifier->prompts().isEmpty());
}

QTEST_MAIN(TestForwarding)
#include "tst_forwarding.moc"
