#include "core/globalmanager.h"
#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "shell/srclistwidget.h"
#include "tests/testsupport.h"

#include <QScrollArea>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {
class FakePage : public QWidget
{
    Q_OBJECT
public:
    int pageChanges = 0;
public slots:
    void onPageChange() { ++pageChanges; }
};

FakePage *addPageTab(QTabWidget *tabs, const QString &name)
{
    auto *scroll = new QScrollArea;
    auto *page = new FakePage;
    scroll->setWidget(page);
    tabs->addTab(scroll, name);
    return page;
}

// The main window's panels as GlobalManager gets them.
struct Panels {
    QTabWidget tabs;
    ControlFrame controlFrame;
    PropertyWidget propertyWidget;
    SrcListWidget srcListWidget;

    Panels()
    {
        GlobalManager *manager = GlobalManager::instance();
        manager->setControlFrame(&controlFrame);
        manager->setPropertyWidget(&propertyWidget);
        manager->setSrcListWidget(&srcListWidget);
        manager->setTabWidget(&tabs);
    }
};

int categoryCount(const ControlFrame &frame)
{
    return frame.treeWidget()->topLevelItemCount();
}
} // namespace

class TestPanels : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void panelsAreRememberedNotOwned();
    void currentPageIsTheWidgetOfTheCurrentScrollArea();
    void currentIndexFollowsTheTabWidget();
    void showPropertyNeedsACurrentIndex();
    void refreshPropertyOnlyForTheControlOnView();
    void fillAndHidePropertyNeedNoPage();
    void controlItemsNeedACurrentTabToBeAdded();
    void resetZoomEmitsDefaultZoomOnlyWithATab_data();
    void resetZoomEmitsDefaultZoomOnlyWithATab();
    void setCurrentTabByNameSelectsOrForgets();
    void pageChangeResetsZoomAndRefillsControlTree();
    void panelForwardersWithoutPanelsDoNothing();
    void replacementRecordStartsAsLeaveEverything();
    void forgottenControlLeavesPropertyMemory();
};

void TestPanels::panelsAreRememberedNotOwned()
{
    TestWorkDir dir;
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(!manager->tabWidget());
    QVERIFY(!manager->controlFrame());
    {
        Panels panels;
        QCOMPARE(manager->tabWidget(), &panels.tabs);
        QCOMPARE(manager->controlFrame(), &panels.controlFrame);
        QCOMPARE(manager->propertyWidget(), &panels.propertyWidget);
        QCOMPARE(manager->srcListWidget(), &panels.srcListWidget);
    }
    // The window's panels may go first; nothing dangles.
    QVERIFY(!manager->tabWidget());
    QVERIFY(!manager->propertyWidget());
    manager->hideProperty();
    manager->removeControlItem(103, "x");
}

void TestPanels::currentPageIsTheWidgetOfTheCurrentScrollArea()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(!manager->currentPageWidget());

    FakePage *a = addPageTab(&panels.tabs, "a");
    FakePage *b = addPageTab(&panels.tabs, "b");
    QCOMPARE(manager->currentPageWidget(), a);
    panels.tabs.setCurrentIndex(1);
    QCOMPARE(manager->currentPageWidget(), b);
    QCOMPARE(manager->pageWidgetAt(0), a);
    QVERIFY(!manager->pageWidgetAt(5));

    panels.tabs.addTab(new QWidget, "plain");
    panels.tabs.setCurrentIndex(2);
    QVERIFY(!manager->currentPageWidget());
}

void TestPanels::currentIndexFollowsTheTabWidget()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(manager->currentIndex(), -1);
    addPageTab(&panels.tabs, "a");
    QCOMPARE(manager->currentIndex(), 0);
    addPageTab(&panels.tabs, "b");
    panels.tabs.setCurrentIndex(1);
    QCOMPARE(manager->currentIndex(), 1);
    delete panels.tabs.widget(1);
    delete panels.tabs.widget(0);
    QCOMPARE(manager->currentIndex(), -1);
}

void TestPanels::showPropertyNeedsACurrentIndex()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    QWidget control;
    const QJsonObject data{{"name", "Label_1"}, {"x", 10}};

    manager->showProperty("a", &control, 104, data);
    QVERIFY(!manager->propertyControl());
    QVERIFY(!panels.propertyWidget.currentControl());
    QVERIFY(!panels.propertyWidget.rowsVisible());

    addPageTab(&panels.tabs, "a");
    manager->showProperty("ignored", &control, 104, data);
    QCOMPARE(manager->propertyControl(), &control);
    QCOMPARE(panels.propertyWidget.currentControl(), &control);
    QCOMPARE(panels.propertyWidget.shownClass(), 104);
    QCOMPARE(panels.propertyWidget.shownData(), data);

    // A tab that is visible but not the recorded current one is not enough.
    manager->setCurrentTabByName("none");
    QWidget other;
    manager->showProperty("a", &other, 100, QJsonObject());
    QCOMPARE(manager->propertyControl(), &control);
    QCOMPARE(panels.propertyWidget.currentControl(), &control);
}

void TestPanels::refreshPropertyOnlyForTheControlOnView()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    addPageTab(&panels.tabs, "a");
    QWidget shown;
    QWidget other;
    manager->showProperty("a", &shown, 129, QJsonObject{{"x", 1}});

    manager->refreshProperty("a", &other, 129, QJsonObject{{"x", 2}});
    QCOMPARE(panels.propertyWidget.shownData(), QJsonObject({{"x", 1}}));
    manager->refreshProperty("a", &shown, 129, QJsonObject{{"x", 3}});
    QCOMPARE(panels.propertyWidget.shownData(), QJsonObject({{"x", 3}}));

    manager->setCurrentTabByName("none");
    manager->refreshProperty("a", &shown, 129, QJsonObject{{"x", 4}});
    QCOMPARE(panels.propertyWidget.shownData(), QJsonObject({{"x", 3}}));
}

void TestPanels::fillAndHidePropertyNeedNoPage()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    addPageTab(&panels.tabs, "a");
    QWidget shown;
    QWidget painted;
    manager->showProperty("a", &shown, 104, QJsonObject{{"text", "old"}});
    manager->setCurrentTabByName("none");

    // After the format painter the rows refill whatever control is on view.
    manager->fillProperty(&painted, 104, QJsonObject{{"text", "new"}});
    QCOMPARE(panels.propertyWidget.shownData(), QJsonObject({{"text", "new"}}));
    QCOMPARE(panels.propertyWidget.currentControl(), &shown);

    manager->hideProperty();
    QVERIFY(!panels.propertyWidget.currentControl());
    QVERIFY(!panels.propertyWidget.rowsVisible());
}

void TestPanels::controlItemsNeedACurrentTabToBeAdded()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    manager->addControlItem(103, "ImageLabel_1");
    QCOMPARE(categoryCount(panels.controlFrame), 0);

    addPageTab(&panels.tabs, "a");
    manager->addControlItem(103, "ImageLabel_1");
    manager->addControlItem(103, "ImageLabel_2");
    QCOMPARE(panels.controlFrame.controlNames(103), QStringList({"ImageLabel_1", "ImageLabel_2"}));

    manager->setCurrentTabByName("none");
    manager->removeControlItem(103, "ImageLabel_1");
    QCOMPARE(panels.controlFrame.controlNames(103), QStringList("ImageLabel_2"));
}

void TestPanels::resetZoomEmitsDefaultZoomOnlyWithATab_data()
{
    QTest::addColumn<double>("fitScale");
    QTest::addColumn<int>("zoom");
    QTest::newRow("reference screen") << 1.0 << 68;
    QTest::newRow("taskbar") << 0.963 << 65;
    QTest::newRow("small") << 0.5 << 34;
}

void TestPanels::resetZoomEmitsDefaultZoomOnlyWithATab()
{
    QFETCH(double, fitScale);
    QFETCH(int, zoom);
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    manager->setScreenMetrics(96, fitScale, 1.0);
    QSignalSpy zooms(manager, SIGNAL(signalWidgetScaleData(int)));

    manager->resetZoom();
    QCOMPARE(zooms.count(), 0);
    addPageTab(&panels.tabs, "a");
    zooms.clear();
    manager->resetZoom();
    QCOMPARE(zooms.count(), 1);
    QCOMPARE(zooms.first().first().toInt(), zoom);
}

void TestPanels::setCurrentTabByNameSelectsOrForgets()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    addPageTab(&panels.tabs, "a");
    addPageTab(&panels.tabs, "b");
    addPageTab(&panels.tabs, "c");

    manager->setCurrentTabByName("c");
    QCOMPARE(manager->currentIndex(), 2);
    QCOMPARE(panels.tabs.currentIndex(), 2);

    manager->setCurrentTabByName("nobody");
    QCOMPARE(manager->currentIndex(), -1);
    QCOMPARE(panels.tabs.currentIndex(), 2);

    // Selecting the tab that is already shown still records it.
    manager->setCurrentTabByName("c");
    QCOMPARE(manager->currentIndex(), 2);
}

void TestPanels::pageChangeResetsZoomAndRefillsControlTree()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    manager->setScreenMetrics(96, 1.0, 1.0);
    FakePage *a = addPageTab(&panels.tabs, "a");
    FakePage *b = addPageTab(&panels.tabs, "b");
    manager->addControlItem(129, "CmdButton_1");
    QCOMPARE(categoryCount(panels.controlFrame), 1);
    QSignalSpy zooms(manager, SIGNAL(signalWidgetScaleData(int)));
    const int before = a->pageChanges;

    panels.tabs.setCurrentIndex(1);
    QCOMPARE(manager->currentIndex(), 1);
    QCOMPARE(zooms.count(), 1);
    QCOMPARE(zooms.first().first().toInt(), 68);
    QCOMPARE(categoryCount(panels.controlFrame), 0);
    QCOMPARE(b->pageChanges, 1);
    QCOMPARE(a->pageChanges, before);

    // Switching to a tab without a page only clears the tree.
    panels.tabs.addTab(new QWidget, "plain");
    zooms.clear();
    panels.tabs.setCurrentIndex(2);
    QCOMPARE(zooms.count(), 0);
    QCOMPARE(manager->currentIndex(), 2);
}

void TestPanels::panelForwardersWithoutPanelsDoNothing()
{
    TestWorkDir dir;
    GlobalManager *manager = GlobalManager::instance();
    QWidget control;
    QSignalSpy zooms(manager, SIGNAL(signalWidgetScaleData(int)));
    manager->showProperty("a", &control, 100, QJsonObject());
    manager->refreshProperty("a", &control, 100, QJsonObject());
    manager->fillProperty(&control, 100, QJsonObject());
    manager->hideProperty();
    manager->addControlItem(100, "page");
    manager->removeControlItem(100, "page");
    manager->resetZoom();
    manager->setCurrentTabByName("a");
    QCOMPARE(manager->currentIndex(), -1);
    QVERIFY(!manager->propertyControl());
    QCOMPARE(zooms.count(), 0);
}

void TestPanels::replacementRecordStartsAsLeaveEverything()
{
    // A record nobody filled in must change no command it reaches.
    const CMD_BTN_ARGS args;
    for (int value : {args.port, args.protocol, args.connectTimeout, args.beforeSendInterval,
                      args.afterSendInterval, args.reconnectNum})
        QCOMPARE(value, -1);
    QVERIFY(args.newIp.isEmpty());
    QVERIFY(!args.findIpEnabled);
    QVERIFY(!args.findPortEnabled);

    // It travels by value through the meta-object system to the page.
    CMD_BTN_ARGS filled;
    filled.port = 9000;
    filled.newIp = "10.0.0.9";
    filled.findIp = "10.0.0.1";
    filled.findIpEnabled = true;
    const CMD_BTN_ARGS copy = QVariant::fromValue(filled).value<CMD_BTN_ARGS>();
    QCOMPARE(copy.port, 9000);
    QCOMPARE(copy.protocol, -1);
    QCOMPARE(copy.newIp, QString("10.0.0.9"));
    QCOMPARE(copy.findIp, QString("10.0.0.1"));
    QVERIFY(copy.findIpEnabled);
    QVERIFY(!copy.findPortEnabled);
}

void TestPanels::forgottenControlLeavesPropertyMemory()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    addPageTab(&panels.tabs, "a");
    QWidget shown;
    QWidget other;
    manager->showProperty("a", &shown, 104, QJsonObject());
    manager->forgetControl(&other);
    QCOMPARE(manager->propertyControl(), &shown);
    manager->forgetControl(&shown);
    QVERIFY(!manager->propertyControl());
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
