#include "core/wholefile.h"
#include "properties/propertywidget.h"
#include "shell/controlframe.h"
#include "shell/statusbarframe.h"
#include "tests/canvas/pagefixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTreeWidget>

using namespace pagefixture;

// A project "hall": page a, page b stored at zoom 0.5, a form whose page
// object holds neither size nor place id, and a page whose file is missing;
// tabs, control tree and zoom bar wired as the window wires them.
class TestPageLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void failedSaveKeepsProjectOpen_data();
    void failedSaveKeepsProjectOpen();
    void missingFileAndOtherPagesZoom();
    void specialPageFileIsNamedNotRead_data();
    void specialPageFileIsNamedNotRead();
    void pageOfALargeGridOpensAndOneOverTheBoundIsNamed();
    void pageWithoutSizeOrPlaceIdGetsThemAndImports();
    void deletingOneOfTwinsTakesOneTreeItem();
    void pageNamesAreTrimmed();
    void startPageKeepsItsFlagThroughEditAndSave();
    void closedPageRescaledOverItsBoundIsNotWritten();

private:
    static GlobalManager *manager() { return GlobalManager::instance(); }
    UIPage *open(const QString &name) { return manager()->openPageTab(name, 0) ? manager()->currentPage() : nullptr; }

    std::unique_ptr<TestWorkDir> m_dir;
    std::unique_ptr<TestNotifier> m_notifier;
    std::unique_ptr<QTabWidget> m_tabs;
    ControlFrame m_tree;
    StatusBarFrame m_bar;
    QString m_folder;
};

void TestPageLifecycle::init()
{
    m_dir.reset(new TestWorkDir);
    m_notifier.reset(new TestNotifier);
    m_tabs.reset(new QTabWidget);
    const QString project = writeProjectFixture(m_dir->path(), R"({"Page": [{"File": "a.json", "MainPage": 1}, {"File": "b.json"},
        {"File": "form.json", "PageType": 1}, {"File": "gone.json"}]})");
    m_folder = QFileInfo(project).absolutePath();
    QJsonObject zoomed = pageObject(1000, 800);
    zoomed.insert("editScale", 0.5);
    QVERIFY(writePage(m_folder + "/a.json", {pageObject(1000, 800)}) && writePage(m_folder + "/b.json", {zoomed}));
    QVERIFY(writePage(m_folder + "/form.json", {QJsonObject{{"type", "Page"}}}));
    manager()->setTabWidget(m_tabs.get());
    manager()->setControlFrame(&m_tree);
    m_bar.slotSetScaleData(100);
    connect(manager(), SIGNAL(signalWidgetScaleData(int)), &m_bar, SLOT(slotSetScaleData(int)));
    connect(&m_bar, SIGNAL(signalSliderScaleData(int)), manager(), SLOT(slotSetScaleData(int)));
    QVERIFY(manager()->openProject(project));
}

void TestPageLifecycle::cleanup()
{
    manager()->setTabWidget(nullptr);
    m_tabs.reset();
    flushDeletes();
    GlobalManager::resetInstance();
    m_tree.clearItems();
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
    QVERIFY(page && addControl(page, 113, "Button_0"));
    // A folder where the page file was: the save cannot write it.
    QVERIFY(QFile::remove(m_folder + "/a.json") && QDir(m_folder).mkdir("a.json"));
    const QString other = writeProjectFixture(m_dir->path(), R"({"Page": []})", {}, "other");
    QVERIFY(!(switching ? manager()->openProject(other) : manager()->closeProject()));
    QCOMPARE(manager()->projectName() + QString::number(m_tabs->count()), QStringLiteral("hall1"));
    QVERIFY(page->isModified() && m_notifier->texts().contains(QString::fromUtf8("有页面未能保存，项目保持打开")));
    QVERIFY(QDir(m_folder).rmdir("a.json") && manager()->closeProject());
    QCOMPARE(readPage(m_folder + "/a.json").size(), 2);
}

void TestPageLifecycle::missingFileAndOtherPagesZoom()
{
    QVERIFY(!open("gone"));
    QCOMPARE(m_tabs->count(), 0);
    QCOMPARE(m_notifier->texts(), QStringList(QString::fromUtf8("文件不存在")));
    UIPage *a = open("a");
    m_bar.slotSetScaleData(150);
    QVERIFY(open("b"));
    QCOMPARE(a->getScale(), 1.5);
}

void TestPageLifecycle::specialPageFileIsNamedNotRead_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"fifo", "zero"}) {
        for (const char *operation : {"open", "resize closed", "copy", "import"})
            QTest::addRow("%s, %s", operation, kind) << operation << kind;
    }
}

void TestPageLifecycle::specialPageFileIsNamedNotRead()
{
    QFETCH(QString, operation);
    QFETCH(QString, kind);
    // Page b, or the file imported from outside the project.
    const QString special = operation == "import" ? m_dir->filePath("x.json") : m_folder + "/b.json";
    QVERIFY(QFile::remove(m_folder + "/b.json") && makeSpecialFile(special, kind));
    const auto before = folderSnapshot(m_dir->path());
    {
        const ReadWatchdog watchdog;
        if (operation == "resize closed")
            manager()->slotSetResData("b", 1000, 800);
        else
            QVERIFY(!(operation == "open"   ? manager()->openPageTab("b", 0)
                      : operation == "copy" ? manager()->copyPage("b", "b2", 1920, 1080, 0)
                                            : manager()->importPage(special, nullptr)));
    }
    QCOMPARE(m_notifier->texts(), QStringList(QString::fromUtf8("不是普通文件，未读取: ") + special));
    QCOMPARE(m_tabs->count(), 0);
    QCOMPARE(pageNames(), QStringList({"a", "b", "form", "gone"}));
    QCOMPARE(folderSnapshot(m_dir->path()), before);
}

void TestPageLifecycle::pageOfALargeGridOpensAndOneOverTheBoundIsNamed()
{
    // 640,000 cells kept in the control: more than 64 MiB on disk.
    QVERIFY(writeGridPage(m_folder + "/b.json", 800, 800));
    QVERIFY(QFileInfo(m_folder + "/b.json").size() > (qint64(64) << 20));
    UIPage *page = open("b");
    QVERIFY(page);
    QVERIFY(m_notifier->texts().isEmpty());
    const UIBase *grid = page->findControl(140, "Grid_1");
    QVERIFY(grid);
    QCOMPARE(grid->attributes().value("grid_layout").toObject().value("rect").toArray().size(), 800 * 800);
    QVERIFY(writeOversizedPage(m_folder + "/a.json"));
    QVERIFY(!open("a"));
    QCOMPARE(m_notifier->texts(), QStringList(QString::fromUtf8("文件大于256MB，未读取: ") + m_folder + "/a.json"));
    QCOMPARE(m_tabs->count(), 1);
}

void TestPageLifecycle::pageWithoutSizeOrPlaceIdGetsThemAndImports()
{
    UIPage *form = open("form");
    QVERIFY(form && addControl(form, 113, "Button_0"));
    QCOMPARE(form->size(), QSize(1600, 900) * form->getScale());
    form->slotSaveFile();
    const QJsonObject saved = readPage(m_folder + "/form.json").last().toObject();
    QCOMPARE(saved.value("w"), QJsonValue(1600));
    QCOMPARE(saved.value("h"), QJsonValue(900));
    QCOMPARE(saved.value("PlaceId"), QJsonValue(-1));
    QVERIFY(QFile::copy(m_folder + "/form.json", m_dir->filePath("again.json")));
    QVERIFY(manager()->importPage(m_dir->filePath("again.json"), nullptr));
}

void TestPageLifecycle::deletingOneOfTwinsTakesOneTreeItem()
{
    UIPage *page = open("a");
    UIBase *first = addControl(page, 113, "Button_0");
    addControl(page, 113, "Button_0", 200);
    page->deleteControl(first);
    QCOMPARE(m_tree.controlNames(113), QStringList("Button_0"));
    QCOMPARE(m_tree.treeWidget()->topLevelItemCount(), 1);
    QCOMPARE(m_tree.treeWidget()->topLevelItem(0)->childCount(), 1);
}

void TestPageLifecycle::pageNamesAreTrimmed()
{
    const QString file = m_dir->filePath(" i .json");
    QVERIFY(writePage(file, {QJsonObject{{"type", "Page"}, {"PlaceId", 1}, {"w", 800}, {"h", 600}}}));
    QVERIFY(!manager()->createPage("  ", 1920, 1080, 0) && !manager()->copyPage("a", " ", 1920, 1080, 0));
    QVERIFY(!manager()->renamePage("a", "   ") && writePage(m_dir->filePath(" .json"), {}));
    QVERIFY(!manager()->importPage(m_dir->filePath(" .json"), nullptr));
    QVERIFY(manager()->createPage(" c ", 1920, 1080, 0) && manager()->copyPage("a", " p", 1920, 1080, 0));
    QVERIFY(manager()->renamePage("b", "r ") && manager()->importPage(file, nullptr));
    QStringList names;
    for (const PageInfo &page : manager()->pages())
        names << page.name;
    QCOMPARE(names, QStringList({"a", "r", "form", "gone", "c", "p", "i"}));
}

void TestPageLifecycle::startPageKeepsItsFlagThroughEditAndSave()
{
    PropertyWidget panel;
    manager()->setPropertyWidget(&panel);
    QVERIFY(open("a"));
    QCOMPARE(qobject_cast<QComboBox *>(panel.editorAt(panel.rowOf(100, "MainPage")))->currentData(), QVariant(1));
    auto *place = qobject_cast<QLineEdit *>(panel.editorAt(panel.rowOf(100, "PlaceId")));
    place->selectAll();
    QTest::keyClicks(place, "3\r");
    manager()->saveAllPages();
    const QJsonObject entry = projectEntries(m_folder + "/main.projectui").first().toObject();
    QCOMPARE(entry.value("MainPage"), QJsonValue(1));
    QCOMPARE(entry.value("PlaceId"), QJsonValue(3));
}

// A closed page is rewritten indented: a file written compact, within the
// bound, comes out over it.
void TestPageLifecycle::closedPageRescaledOverItsBoundIsNotWritten()
{
    const QString path = m_folder + "/b.json";
    QJsonArray elements;
    for (int i = 0; i < 8; ++i)
        elements.append(control("Button", QString("Button_%1").arg(i), 10 + 100 * i, 50, 80, 40));
    elements.append(pageObject(1000, 800));
    const QByteArray compact = QJsonDocument(QJsonObject{{"Control", elements}}).toJson(QJsonDocument::Compact);
    QVERIFY(writeFixture(path, compact));
    WholeFile::setLimitForTesting(WholeFile::Kind::PageFile, compact.size());
    const auto restore = qScopeGuard([] { WholeFile::setLimitForTesting(WholeFile::Kind::PageFile, -1); });
    const auto before = folderSnapshot(m_dir->path());

    manager()->slotSetResData("b", 2000, 1600);
    QCOMPARE(folderSnapshot(m_dir->path()), before);
    QCOMPARE(m_notifier->texts().size(), 1);
    QVERIFY2(saysTooLarge(m_notifier->texts().first(), "open file fail: ", path, compact.size()),
             qPrintable(m_notifier->texts().first()));
    // Within the bound the same rescale is written.
    WholeFile::setLimitForTesting(WholeFile::Kind::PageFile, -1);
    manager()->slotSetResData("b", 2000, 1600);
    QCOMPARE(m_notifier->texts().size(), 1);
    QCOMPARE(readPage(path).first().toObject().value("x"), QJsonValue(20));
}

QTEST_MAIN(TestPageLifecycle)
#include "tst_pagelifecycle.moc"
