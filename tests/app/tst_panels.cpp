#include "app/globalmanager.h"
#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "shell/srclistwidget.h"
#include "tests/testsupport.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {
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

    void panelsGoneFirstLeaveNothingDangling();
    void currentPageFollowsTheTabWidget();
    void propertyPanelServesOnlyTheControlOnView();
    void controlItemsNeedACurrentTabToBeAdded();
    void resetZoomEmitsDefaultZoomOnlyWithATab_data();
    void resetZoomEmitsDefaultZoomOnlyWithATab();
    void setCurrentTabByNameSelectsOrForgets();
    void pageChangeResetsZoomAndRefillsControlTree();
    void panelForwardersWithoutPanelsDoNothing();
};

void TestPanels::panelsGoneFirstLeaveNothingDangling()
{
    TestWorkDir dir;
    GlobalManager *manager = GlobalManager::instance();
    {
        Panels panels;
        QCOMPARE(manager->propertyWidget(), &panels.propertyWidget);
    }
    // The window's panels may go first.
    QVERIFY(!manager->tabWidget());
    QVERIFY(!manager->propertyWidget());
    QVERIFY(!manager->controlFrame());
    manager->hideProperty();
    manager->removeControlItem(103, "x");
}

void TestPanels::currentPageFollowsTheTabWidget()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(!manager->currentPageWidget());
    QCOMPARE(manager->currentIndex(), -1);

    RecordingPage *a = addRecordingPageTab(&panels.tabs, "a");
    RecordingPage *b = addRecordingPageTab(&panels.tabs, "b");
    QCOMPARE(manager->currentPageWidget(), a);
    QCOMPARE(manager->currentIndex(), 0);
    panels.tabs.setCurrentIndex(1);
    QCOMPARE(manager->currentPageWidget(), b);
    QCOMPARE(manager->currentIndex(), 1);
    QCOMPARE(manager->pageWidgetAt(0), a);
    QVERIFY(!manager->pageWidgetAt(5));

    panels.tabs.addTab(new QWidget, "plain");
    panels.tabs.setCurrentIndex(2);
    QVERIFY(!manager->currentPageWidget());
    while (panels.tabs.count() > 0)
        delete panels.tabs.widget(0);
    QCOMPARE(manager->currentIndex(), -1);
}

void TestPanels::propertyPanelServesOnlyTheControlOnView()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    PropertyWidget &rows = panels.propertyWidget;
    QWidget shown;
    QWidget other;
    auto rowText = [&rows](const char *key) {
        return qobject_cast<QLineEdit *>(rows.editorAt(rows.rowOf(104, key)))->text();
    };

    // Without a current page nothing is shown.
    manager->showProperty("a", &shown, 104, QJsonObject{{"x", 1}});
    QVERIFY(!manager->propertyControl());
    QVERIFY(!rows.currentControl());
    QCOMPARE(rows.shownClass(), -1);

    addRecordingPageTab(&panels.tabs, "a");
    manager->showProperty("ignored", &shown, 104, QJsonObject{{"x", 1}});
    QCOMPARE(manager->propertyControl(), &shown);
    QCOMPARE(rows.currentControl(), &shown);
    QCOMPARE(rows.shownClass(), 104);

    // A refresh reaches the rows for the control on view only.
    manager->refreshProperty("a", &other, 104, QJsonObject{{"x", 2}});
    QCOMPARE(rowText("x"), QString("1"));
    manager->refreshProperty("a", &shown, 104, QJsonObject{{"x", 3}});
    QCOMPARE(rowText("x"), QString("3"));
    manager->forgetControl(&other);
    QCOMPARE(manager->propertyControl(), &shown);

    // A tab that is visible but not the recorded current one is not enough.
    manager->setCurrentTabByName("none");
    manager->showProperty("a", &other, 100, QJsonObject());
    manager->refreshProperty("a", &shown, 104, QJsonObject{{"x", 4}});
    QCOMPARE(manager->propertyControl(), &shown);
    QCOMPARE(rows.currentControl(), &shown);
    QCOMPARE(rowText("x"), QString("3"));

    // After the format painter the rows refill whatever control is on view.
    manager->fillProperty(&other, 104, QJsonObject{{"x", 7}});
    QCOMPARE(rowText("x"), QString("7"));
    QCOMPARE(rows.currentControl(), &shown);

    manager->forgetControl(&shown);
    QVERIFY(!manager->propertyControl());
    manager->hideProperty();
    QVERIFY(!rows.currentControl());
    for (int row = 0; row < rows.tableWidget()->rowCount(); ++row)
        QVERIFY(rows.tableWidget()->isRowHidden(row));
}

void TestPanels::controlItemsNeedACurrentTabToBeAdded()
{
    TestWorkDir dir;
    Panels panels;
    GlobalManager *manager = GlobalManager::instance();
    manager->addControlItem(103, "ImageLabel_1");
    QCOMPARE(categoryCount(panels.controlFrame), 0);

    addRecordingPageTab(&panels.tabs, "a");
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
    addRecordingPageTab(&panels.tabs, "a");
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
    for (const char *name : {"a", "b", "c"})
        addRecordingPageTab(&panels.tabs, name);

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
    RecordingPage *a = addRecordingPageTab(&panels.tabs, "a");
    RecordingPage *b = addRecordingPageTab(&panels.tabs, "b");
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

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
