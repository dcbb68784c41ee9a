#include "tests/canvas/pagefixture.h"

#include <QSignalSpy>

using namespace pagefixture;

class TestForwarding : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { f.tearDown(); }

    void closingTabAsksOnlyWhenModified_data();
    void closingTabAsksOnlyWhenModified();
    void failedSaveKeepsTabOpen();
    void closingTabEmptiesClipboardOfItsControls_data();
    void closingTabEmptiesClipboardOfItsControls();
    void tabChangeEmitsDefaultZoomAndRefillsTree();
    void editingForwardersReachOnlyCurrentPage();
    void alignmentAndOrderingReachCurrentPage();
    void commandForwardersReachCurrentPage();
    void zoomBarScalesCurrentPage();
    void treeForwardersNeedCurrentIndex();
    void forwardersWithoutTabDoNothing();

private:
    UIPage *open(const QString &name)
    {
        return GlobalManager::instance()->openPageTab(name, 0) ? GlobalManager::instance()->currentPage() : nullptr;
    }
    static void click(UIBase *control) { QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3)); }

    ProjectFixture f;
};

void TestForwarding::init()
{
    QVERIFY(f.setUp());
    f.tabs->setTabsClosable(true);
    f.tabs->resize(1000, 800);
    GlobalManager *manager = GlobalManager::instance();
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
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("unmodified: no question") << false << int(QMessageBox::Cancel) << true << false;
    QTest::newRow("save") << true << int(QMessageBox::Yes) << true << true;
    QTest::newRow("do not save") << true << int(QMessageBox::No) << true << false;
    QTest::newRow("cancel") << true << int(QMessageBox::Cancel) << false << false;
}

void TestForwarding::closingTabAsksOnlyWhenModified()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    UIPage *page = open("a");
    QVERIFY(page);
    QCOMPARE(GlobalManager::instance()->hasPage("a")->opened, 1);
    QPointer<UIPage> watch = page;
    const QByteArray before = readFixture(f.pagePath("a"));
    if (modified)
        addControl(page, 113, "Button_0", 10, 10);
    QCOMPARE(page->isModified(), modified);
    f.notifier->queueAnswer(QMessageBox::StandardButton(answer));
    emit f.tabs->tabCloseRequested(0);

    QCOMPARE(f.notifier->prompts().size(), modified ? 1 : 0);
    if (modified) {
        const Notifier::Prompt prompt = f.notifier->prompts().first();
        QCOMPARE(prompt.kind, Notifier::Warning);
        QCOMPARE(prompt.title, QString::fromUtf8("提示"));
        QCOMPARE(prompt.text, QString::fromUtf8("检测到配置已修改，是否保存修改在关闭?"));
        QCOMPARE(prompt.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }
    QCOMPARE(f.tabs->count(), closed ? 0 : 1);
    QCOMPARE(GlobalManager::instance()->hasPage("a")->opened, closed ? 0 : 1);
    const QByteArray after = readFixture(f.pagePath("a"));
    QCOMPARE(after != before, saved);
    if (saved)
        QVERIFY(after.contains("Button_0"));
    flushDeletes();
    QCOMPARE(watch.isNull(), closed);
    if (!closed) {
        // Cancel leaves the page, its changes and its history alone.
        QCOMPARE(GlobalManager::instance()->currentPage(), page);
        QVERIFY(page->isModified());
        QCOMPARE(page->undoStack()->count(), 1);
    }
}

void TestForwarding::failedSaveKeepsTabOpen()
{
    UIPage *page = open("a");
    QVERIFY(page);
    addControl(page, 113, "Button_0", 10, 10);
    // The page file can no longer be written: a folder stands in its place.
    QVERIFY(QFile::remove(f.pagePath("a")));
    QVERIFY(QDir().mkdir(f.pagePath("a")));
    f.notifier->queueAnswer(QMessageBox::Yes);
    emit f.tabs->tabCloseRequested(0);
    QCOMPARE(f.notifier->texts().size(), 2);
    QVERIFY(f.notifier->texts().at(1).startsWith("open file fail: "));
    QCOMPARE(f.tabs->count(), 1);
    QVERIFY(page->isModified());
}

void TestForwarding::closingTabEmptiesClipboardOfItsControls_data()
{
    QTest::addColumn<bool>("copiedOnClosed");
    QTest::newRow("copied on the closed tab") << true;
    QTest::newRow("copied on another tab") << false;
}

void TestForwarding::closingTabEmptiesClipboardOfItsControls()
{
    QFETCH(bool, copiedOnClosed);
    UIPage *a = open("a");
    UIPage *b = open("b");
    QVERIFY(a && b && a != b);
    f.tabs->setCurrentIndex(copiedOnClosed ? 0 : 1);
    click(addControl(copiedOnClosed ? a : b, 113, "Button_0", 10, 10));
    GlobalManager::instance()->slotCopy();
    QCOMPARE(GlobalManager::instance()->clipboard().size(), 1);
    a->setModified(false);
    emit f.tabs->tabCloseRequested(0);
    QCOMPARE(GlobalManager::instance()->clipboard().isEmpty(), copiedOnClosed);
    QCOMPARE(!GlobalManager::instance()->clipSourcePage(), copiedOnClosed);
    GlobalManager::instance()->slotPaste();
    QCOMPARE(b->controlCount(), copiedOnClosed ? 0 : 2);
}

void TestForwarding::tabChangeEmitsDefaultZoomAndRefillsTree()
{
    open("a");
    UIPage *b = open("b");
    b->setEditScale("editScale", 1.5, true);
    QSignalSpy zoom(GlobalManager::instance(), SIGNAL(signalWidgetScaleData(int)));
    f.tabs->setCurrentIndex(0);
    QCOMPARE(GlobalManager::instance()->currentIndex(), 0);
    QCOMPARE(zoom.count(), 1);
    QCOMPARE(zoom.first().first().toInt(), 68);
    f.tabs->setCurrentIndex(1);
    QCOMPARE(zoom.count(), 2);
    QCOMPARE(zoom.last().first().toInt(), 68);
}

void TestForwarding::editingForwardersReachOnlyCurrentPage()
{
    UIPage *a = open("a");
    UIBase *inA = addControl(a, 113, "Button_0", 10, 10);
    UIPage *b = open("b");
    UIBase *first = addControl(b, 129, "CmdButton_0", 10, 10);
    UIBase *second = addControl(b, 129, "CmdButton_1", 100, 10);
    QVERIFY(select({first, second}));
    GlobalManager *manager = GlobalManager::instance();

    const int maxId = manager->maxId();
    manager->slotAllLock();
    QCOMPARE(first->attributes().value("m_group_id").toInt(), maxId + 1);
    QCOMPARE(second->attributes().value("m_group_id").toInt(), maxId + 1);
    manager->slotSelfLock();
    QCOMPARE(first->attributes().value("self_locking").toInt(), 1);
    manager->slotUnlock();
    QCOMPARE(second->attributes().value("self_locking").toInt(), 0);
    manager->slotUndo();
    QCOMPARE(second->attributes().value("self_locking").toInt(), 1);
    manager->slotRedo();
    QCOMPARE(second->attributes().value("self_locking").toInt(), 0);

    manager->slotCopy();
    manager->slotPaste();
    QVERIFY(b->findControl(129, "CmdButton_2"));
    QVERIFY(b->findControl(129, "CmdButton_3"));
    // Page a saw none of it.
    QCOMPARE(a->controlCount(), 1);
    QVERIFY(!inA->attributes().contains("self_locking"));

    // The painter needs the page's last selected control.
    click(first);
    manager->slotFormatPainter();
    QVERIFY(b->isFormatPainterOn());
    QVERIFY(!a->isFormatPainterOn());
}

void TestForwarding::alignmentAndOrderingReachCurrentPage()
{
    UIPage *a = open("a");
    UIBase *one = addControl(a, 113, "Button_0", 50, 10);
    UIBase *two = addControl(a, 113, "Button_1", 20, 100);
    QVERIFY(select({one, two}));
    GlobalManager::instance()->alignControls(0);
    QCOMPARE(two->attributes().value("x").toInt(), 50);
    GlobalManager::instance()->raiseControl(false);
    QVERIFY(a->children().indexOf(two) < a->children().indexOf(one));
    GlobalManager::instance()->raiseControl(true);
    QVERIFY(a->children().indexOf(two) > a->children().indexOf(one));
}

void TestForwarding::commandForwardersReachCurrentPage()
{
    UIPage *a = open("a");
    const QJsonArray list{QJsonObject{{"ip", "10.0.0.1"}, {"port", 80}}};
    UIBase *source = addControl(a, 129, "CmdButton_0", 10, 10);
    source->setAttributes({{"on_cmd_data_list", list}, {"off_cmd_data_list", QJsonArray()}}, true, true);
    UIBase *target = addControl(a, 129, "CmdButton_1", 100, 10);
    target->setAttributes({{"on_cmd_data_list", QJsonArray()}, {"off_cmd_data_list", QJsonArray()}}, true, true);
    click(source);
    GlobalManager::instance()->slotCopyCmd();
    click(target);
    GlobalManager::instance()->slotPasteCmd();
    QCOMPARE(target->attributes().value("on_cmd_data_list").toArray(), list);

    CMD_BTN_ARGS args;
    args.findIpEnabled = true;
    args.findIp = "10.0.0.1";
    args.newIp = "10.0.0.2";
    GlobalManager::instance()->slotReplaceArgsCmd(args);
    QCOMPARE(target->attributes().value("on_cmd_data_list").toArray().at(0).toObject().value("ip").toString(),
             QString("10.0.0.2"));
    // Only the selected button took the replacement.
    QCOMPARE(source->attributes().value("on_cmd_data_list").toArray(), list);
}

void TestForwarding::zoomBarScalesCurrentPage()
{
    open("a");
    UIPage *b = open("b");
    UIPage *a = GlobalManager::instance()->pageAt(0);
    GlobalManager::instance()->slotSetScaleData(50);
    QCOMPARE(b->getScale(), 0.5);
    QCOMPARE(b->size(), QSize(400, 300));
    QCOMPARE(b->attributes().value("editScale").toDouble(), 0.5);
    QCOMPARE(a->getScale(), 1.0);
}

void TestForwarding::treeForwardersNeedCurrentIndex()
{
    UIPage *a = open("a");
    addControl(a, 113, "Button_0", 10, 10);
    GlobalManager *manager = GlobalManager::instance();
    manager->setCurrentTabByName("nothing");
    QCOMPARE(manager->currentIndex(), -1);
    manager->deleteControl(113, "Button_0", 0);
    QCOMPARE(a->controlCount(), 1);
    manager->setCurrentTabByName("a");
    manager->selectControl(113, "Button_0");
    QVERIFY(a->findControl(113, "Button_0")->isSelected());
    manager->deleteControl(113, "Button_0", 0);
    QCOMPARE(a->controlCount(), 0);
}

void TestForwarding::forwardersWithoutTabDoNothing()
{
    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(f.tabs->count(), 0);
    manager->alignControls(0);
    manager->raiseControl(true);
    manager->addControlAtCursor(QRect(0, 0, 160, 90));
    manager->slotUndo();
    manager->slotRedo();
    manager->slotCopy();
    manager->slotPaste();
    manager->slotFormatPainter();
    manager->slotSelfLock();
    manager->slotAllLock();
    manager->slotUnlock();
    manager->slotCopyCmd();
    manager->slotPasteCmd();
    manager->slotReplaceArgsCmd(CMD_BTN_ARGS());
    manager->slotSetScaleData(80);
    QCOMPARE(manager->maxId(), 0);
    QVERIFY(f.notifier->prompts().isEmpty());
}

QTEST_MAIN(TestForwarding)
#include "tst_forwarding.moc"
