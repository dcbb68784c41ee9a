#include "shell/controlframe.h"
#include "shell/statusbarframe.h"
#include "tests/canvas/pagefixture.h"

#include <QTreeWidget>

using namespace pagefixture;

namespace {

QStringList pageNames()
{
    QStringList names;
    for (const PageInfo &page : GlobalManager::instance()->pages())
        names << page.name;
    return names;
}

} // namespace

// A project "hall" of a page a, a second page b stored at zoom 0.5, a form
// whose page object holds neither size nor place id, and a page whose file
// is missing; tabs, control tree and zoom bar wired as the window wires them.
class TestPageLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void failedSaveKeepsProjectOpen_data();
    void failedSaveKeepsProjectOpen();
    void missingPageFileOpensNoTab();
    void openingPageLeavesOtherPagesZoom();
    void pageWithoutSizeOrPlaceIdGetsThemAndImports();
    void deletingOneOfTwinsTakesOneTreeItem();
    void pageNamesAreTrimmed_data();
    void pageNamesAreTrimmed();

private:
    UIPage *open(const QString &name)
    {
        return manager()->openPageTab(name, 0) ? manager()->currentPage() : nullptr;
    }
    static GlobalManager *manager() { return GlobalManager::instance(); }

    std::unique_ptr<TestWorkDir> m_dir;
    std::unique_ptr<TestNotifier> m_notifier;
    std::unique_ptr<QTabWidget> m_tabs;
    std::unique_ptr<ControlFrame> m_tree;
    std::unique_ptr<StatusBarFrame> m_bar;
    QString m_folder;
};

void TestPageLifecycle::init()
{
    m_dir.reset(new TestWorkDir);
    m_notifier.reset(new TestNotifier);
    m_tabs.reset(new QTabWidget);
    m_tree.reset(new ControlFrame);
    m_bar.reset(new StatusBarFrame);
    const QString project = writeProjectFixture(
        m_dir->path(), R"({"Page": [{"File": "a.json"}, {"File": "b.json"}, {"File": "form.json", "PageType": 1},
                                    {"File": "gone.json"}]})");
    m_folder = QFileInfo(project).absolutePath();
    QJsonObject zoomed = pageObject(1000, 800);
    zoomed.insert("editScale", 0.5);
    QVERIFY(writePage(m_folder + "/a.json", {pageObject(1000, 800)}));
    QVERIFY(writePage(m_folder + "/b.json", {zoomed}));
    QVERIFY(writePage(m_folder + "/form.json", {QJsonObject{{"type", "Page"}, {"name", "Page"}}}));
    manager()->setTabWidget(m_tabs.get());
    manager()->setControlFrame(m_tree.get());
    connect(manager(), SIGNAL(signalWidgetScaleData(int)), m_bar.get(), SLOT(slotSetScaleData(int)));
    connect(m_bar.get(), SIGNAL(signalSliderScaleData(int)), manager(), SLOT(slotSetScaleData(int)));
    QVERIFY(manager()->openProject(project));
}

void TestPageLifecycle::cleanup()
{
    manager()->setTabWidget(nullptr);
    m_tabs.reset();
    flushDeletes();
    GlobalManager::resetInstance();
    m_bar.reset();
    m_tree.reset();
    m_notifier.reset();
    m_dir.reset();
}

void TestPageLifecycle::failedSaveKeepsProjectOpen_data()
{
    QTest::addColumn<bool>("switching");
    QTest::newRow("close") << false;
    QTest::newRow("open another project") << true;
}

void TestPageLifecycle::failedSaveKeepsProjectOpen()
{
    QFETCH(bool, switching);
    UIPage *page = open("a");
    QVERIFY(page);
    addControl(page, 113, "Button_0");
    // A folder where the page file was: the save cannot write it.
    QVERIFY(QFile::remove(m_folder + "/a.json") && QDir(m_folder).mkdir("a.json"));
    const QString other = writeProjectFixture(m_dir->path(), R"({"Page": []})", {}, "other");
    QVERIFY(!(switching ? manager()->openProject(other) : manager()->closeProject()));
    QCOMPARE(manager()->projectName(), QStringLiteral("hall"));
    QCOMPARE(m_tabs->count(), 1);
    QVERIFY(page->isModified() && page->findControl(113, "Button_0"));
    QVERIFY(m_notifier->texts().contains(QString::fromUtf8("有页面未能保存，项目保持打开")));

    QVERIFY(QDir(m_folder).rmdir("a.json"));
    QVERIFY(manager()->closeProject());
    QCOMPARE(readPage(m_folder + "/a.json").size(), 2);
}

void TestPageLifecycle::missingPageFileOpensNoTab()
{
    QVERIFY(!open("gone"));
    QCOMPARE(m_tabs->count(), 0);
    QCOMPARE(m_notifier->texts(), QStringList(QString::fromUtf8("文件不存在")));
    QVERIFY(!QFile::exists(m_folder + "/gone.json"));
}

void TestPageLifecycle::openingPageLeavesOtherPagesZoom()
{
    UIPage *a = open("a");
    QVERIFY(a);
    m_bar->slotSetScaleData(150);
    QCOMPARE(a->getScale(), 1.5);
    QVERIFY(open("b"));
    QCOMPARE(a->getScale(), 1.5);
}

void TestPageLifecycle::pageWithoutSizeOrPlaceIdGetsThemAndImports()
{
    UIPage *form = open("form");
    QVERIFY(form);
    QCOMPARE(form->attributes().value("w"), QJsonValue(1600));
    QCOMPARE(form->attributes().value("h"), QJsonValue(900));
    QCOMPARE(form->size(), QSize(1600, 900) * form->getScale());
    addControl(form, 113, "Button_0");
    form->slotSaveFile();
    const QJsonObject saved = readPage(m_folder + "/form.json").last().toObject();
    QCOMPARE(saved.value("w"), QJsonValue(1600));
    QCOMPARE(saved.value("PlaceId"), QJsonValue(-1));
    QVERIFY(QFile::copy(m_folder + "/form.json", m_dir->filePath("again.json")));
    QVERIFY(manager()->importPage(m_dir->filePath("again.json"), nullptr));
}

void TestPageLifecycle::deletingOneOfTwinsTakesOneTreeItem()
{
    UIPage *page = open("a");
    QVERIFY(page);
    UIBase *first = addControl(page, 113, "Button_0");
    addControl(page, 113, "Button_0", 200);
    QTreeWidget *tree = m_tree->treeWidget();
    auto items = [tree] { return tree->topLevelItemCount() ? tree->topLevelItem(0)->childCount() : 0; };
    QCOMPARE(items(), 2);
    page->deleteControl(first);
    QCOMPARE(items(), 1);
    QCOMPARE(m_tree->controlNames(113), QStringList("Button_0"));
    page->undo();
    QCOMPARE(items(), 2);
}

void TestPageLifecycle::pageNamesAreTrimmed_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("added");
    for (const char *operation : {"create", "copy", "rename", "import"}) {
        QTest::addRow("%s, blanks only", operation) << operation << "   " << QString();
        QTest::addRow("%s, blanks around", operation) << operation << " n " << "n";
    }
}

void TestPageLifecycle::pageNamesAreTrimmed()
{
    QFETCH(QString, operation);
    QFETCH(QString, typed);
    QFETCH(QString, added);
    const QString imported = m_dir->filePath(typed + ".json");
    QVERIFY(writePage(imported, {QJsonObject{{"type", "Page"}, {"PlaceId", 1}, {"w", 800}, {"h", 600}}}));
    const bool done = operation == "create" ? manager()->createPage(typed, 1920, 1080, 0)
                      : operation == "copy" ? manager()->copyPage("a", typed, 1920, 1080, 0)
                      : operation == "rename" ? manager()->renamePage("a", typed)
                                              : manager()->importPage(imported, nullptr);
    QCOMPARE(done, !added.isEmpty());
    QStringList expected{"a", "b", "form", "gone"};
    if (!added.isEmpty())
        operation == "rename" ? expected.replace(0, added) : expected.append(added);
    QCOMPARE(pageNames(), expected);
}

QTEST_MAIN(TestPageLifecycle)
#include "tst_pagelifecycle.moc"
