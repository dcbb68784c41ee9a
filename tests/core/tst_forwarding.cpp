#include "canvas/addcommand.h"
#include "canvas/uipage.h"
#include "core/globalmanager.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTabWidget>
#include <QUndoStack>
#include <QtTest>

class TestForwarding : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void closingUnmodifiedTabAsksNothing();
    void closingModifiedTabAsks_data();
    void closingModifiedTabAsks();
    void failedSaveKeepsTabOpen();
    void closingSourceTabEmptiesClipboard();
    void closingOtherTabKeepsClipboard();
    void tabChangeEmitsDefaultZoomAndRefillsTree();
    void editingForwardersReachOnlyCurrentPage();
    void alignmentAndOrderingReachCurrentPage();
    void commandForwardersReachCurrentPage();
    void zoomBarScalesCurrentPage();
    void treeForwardersNeedCurrentIndex();
    void forwardersWithoutTabDoNothing();

private:
    UIPage *open(const QString &name);
    UIBase *add(UIPage *page, int nClass, const QString &name, int x, int y);
    void click(UIBase *control);
    QString pagePath(const QString &name) const;

    TestWorkDir *m_workDir = nullptr;
    TestNotifier *m_notifier = nullptr;
    QTabWidget *m_tabs = nullptr;
    QString m_projectDir;
};

void TestForwarding::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_notifier = new TestNotifier;
    m_tabs = new QTabWidget;
    m_tabs->setTabsClosable(true);
    m_tabs->resize(1000, 800);
    const QString projectFile = writeProjectFixture(m_workDir->path(), QByteArray("{\"Page\": []}"),
                                                    QStringList(), "hall", "hall.projectui");
    m_projectDir = QFileInfo(projectFile).absolutePath();
    GlobalManager *manager = GlobalManager::instance();
    manager->setScreenMetrics(96.0, 1.0, 1.0);
    manager->setTabWidget(m_tabs);
    QVERIFY(manager->openProject(projectFile));
    QVERIFY(manager->createPage("a", 800, 600, 0));
    QVERIFY(manager->createPage("b", 800, 600, 0));
    m_tabs->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_tabs));
}

void TestForwarding::cleanup()
{
    GlobalManager::instance()->setTabWidget(nullptr);
    delete m_tabs;
    m_tabs = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    GlobalManager::resetInstance();
    delete m_notifier;
    m_notifier = nullptr;
    delete m_workDir;
    m_workDir = nullptr;
}

UIPage *TestForwarding::open(const QString &name)
{
    GlobalManager *manager = GlobalManager::instance();
    if (!manager->openPageTab(name, 0))
        return nullptr;
    return manager->currentPage();
}

UIBase *TestForwarding::add(UIPage *page, int nClass, const QString &name, int x, int y)
{
    QJsonObject object{{"type", designControlTypeName(nClass)}, {"name", name}, {"x", x}, {"y", y},
                       {"w", 60}, {"h", 30}, {"widgetIndex", name.section('_', -1).toInt()}};
    page->undoStack()->push(new AddCommand(page, nClass, object));
    return page->findControl(nClass, name);
}

void TestForwarding::click(UIBase *control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
}

QString TestForwarding::pagePath(const QString &name) const
{
    return m_projectDir + "/" + name + ".json";
}

void TestForwarding::closingUnmodifiedTabAsksNothing()
{
    UIPage *page = open("a");
    QVERIFY(page);
    QVERIFY(!page->isModified());
    QCOMPARE(GlobalManager::instance()->hasPage("a")->opened, 1);
    QPointer<UIPage> watch = page;
    emit m_tabs->tabCloseRequested(0);
    QVERIFY(m_notifier->prompts().isEmpty());
    QCOMPARE(m_tabs->count(), 0);
    QCOMPARE(GlobalManager::instance()->hasPage("a")->opened, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!watch);
}

void TestForwarding::closingModifiedTabAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("do not save") << int(QMessageBox::No) << true << false;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
}

void TestForwarding::closingModifiedTabAsks()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    UIPage *page = open("a");
    QVERIFY(page);
    const QByteArray before = readFixture(pagePath("a"));
    add(page, 113, "Button_0", 10, 10);
    QVERIFY(page->isModified());
    m_notifier->queueAnswer(QMessageBox::StandardButton(answer));
    emit m_tabs->tabCloseRequested(0);

    QCOMPARE(m_notifier->prompts().size(), 1);
    const Notifier::Prompt prompt = m_notifier->prompts().first();
    QCOMPARE(prompt.kind, Notifier::Warning);
    QCOMPARE(prompt.title, QString::fromUtf8("提示"));
    QCOMPARE(prompt.text, QString::fromUtf8("检测到配置已修改，是否保存修改在关闭?"));
    QCOMPARE(prompt.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(m_tabs->count(), closed ? 0 : 1);
    QCOMPARE(GlobalManager::instance()->hasPage("a")->opened, closed ? 0 : 1);
    const QByteArray after = readFixture(pagePath("a"));
    QCOMPARE(after != before, saved);
    if (saved)
        QVERIFY(after.contains("Button_0"));
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
    add(page, 113, "Button_0", 10, 10);
    // The page file can no longer be written: a folder stands in its place.
    QVERIFY(QFile::remove(pagePath("a")));
    QVERIFY(QDir().mkdir(pagePath("a")));
    m_notifier->queueAnswer(QMessageBox::Yes);
    emit m_tabs->tabCloseRequested(0);
    QCOMPARE(m_notifier->texts().size(), 2);
    QVERIFY(m_notifier->texts().at(1).startsWith("open file fail: "));
    QCOMPARE(m_tabs->count(), 1);
    QVERIFY(page->isModified());
}

void TestForwarding::closingSourceTabEmptiesClipboard()
{
    UIPage *a = open("a");
    UIBase *button = add(a, 113, "Button_0", 10, 10);
    click(button);
    GlobalManager::instance()->slotCopy();
    QCOMPARE(GlobalManager::instance()->clipboard().size(), 1);
    UIPage *b = open("b");
    QVERIFY(b && b != a);
    a->setModified(false);
    emit m_tabs->tabCloseRequested(0);
    QVERIFY(GlobalManager::instance()->clipboard().isEmpty());
    QVERIFY(!GlobalManager::instance()->clipSourcePage());
    GlobalManager::instance()->slotPaste();
    QCOMPARE(b->controlCount(), 0);
}

void TestForwarding::closingOtherTabKeepsClipboard()
{
    UIPage *a = open("a");
    UIPage *b = open("b");
    UIBase *button = add(b, 113, "Button_0", 10, 10);
    click(button);
    GlobalManager::instance()->slotCopy();
    a->setModified(false);
    emit m_tabs->tabCloseRequested(0);
    QCOMPARE(GlobalManager::instance()->clipboard().size(), 1);
    GlobalManager::instance()->slotPaste();
    QVERIFY(b->findControl(113, "Button_1"));
}

void TestForwarding::tabChangeEmitsDefaultZoomAndRefillsTree()
{
    open("a");
    UIPage *b = open("b");
    b->setEditScale("editScale", 1.5, true);
    QSignalSpy zoom(GlobalManager::instance(), SIGNAL(signalWidgetScaleData(int)));
    m_tabs->setCurrentIndex(0);
    QCOMPARE(GlobalManager::instance()->currentIndex(), 0);
    QCOMPARE(zoom.count(), 1);
    QCOMPARE(zoom.first().first().toInt(), 68);
    m_tabs->setCurrentIndex(1);
    QCOMPARE(zoom.count(), 2);
    QCOMPARE(zoom.last().first().toInt(), 68);
}

void TestForwarding::editingForwardersReachOnlyCurrentPage()
{
    UIPage *a = open("a");
    UIBase *inA = add(a, 113, "Button_0", 10, 10);
    UIPage *b = open("b");
    UIBase *first = add(b, 129, "CmdButton_0", 10, 10);
    UIBase *second = add(b, 129, "CmdButton_1", 100, 10);
    click(first);
    QTest::keyPress(b, Qt::Key_Control);
    QTest::mouseClick(second, Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
    QTest::keyRelease(b, Qt::Key_Control);
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
    UIBase *one = add(a, 113, "Button_0", 50, 10);
    UIBase *two = add(a, 113, "Button_1", 20, 100);
    click(one);
    QTest::keyPress(a, Qt::Key_Control);
    QTest::mouseClick(two, Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
    QTest::keyRelease(a, Qt::Key_Control);
    GlobalManager::instance()->alignControls(0);
    QCOMPARE(two->attributes().value("x").toInt(), 50);
    GlobalManager::instance()->raiseControl(false);
    QCOMPARE(a->children().indexOf(two) < a->children().indexOf(one), true);
    GlobalManager::instance()->raiseControl(true);
    QCOMPARE(a->children().indexOf(two) > a->children().indexOf(one), true);
}

void TestForwarding::commandForwardersReachCurrentPage()
{
    UIPage *a = open("a");
    const QJsonArray list{QJsonObject{{"ip", "10.0.0.1"}, {"port", 80}}};
    UIBase *source = add(a, 129, "CmdButton_0", 10, 10);
    source->setAttributes({{"on_cmd_data_list", list}, {"off_cmd_data_list", QJsonArray()}}, true, true);
    UIBase *target = add(a, 129, "CmdButton_1", 100, 10);
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
    add(a, 113, "Button_0", 10, 10);
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
    QCOMPARE(m_tabs->count(), 0);
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
    QVERIFY(m_notifier->prompts().isEmpty());
}

QTEST_MAIN(TestForwarding)
#include "tst_forwarding.moc"
