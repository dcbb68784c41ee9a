#include "canvas/addcommand.h"
#include "canvas/uipage.h"
#include "core/globalmanager.h"
#include "preview/pagedlg.h"
#include "properties/propertywidget.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace pagefixture;

namespace {

// The preview dialog on screen, if any.
PageDlg *shownPreview()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<PageDlg *>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

QJsonArray projectEntries(const QString &projectFile)
{
    return QJsonDocument::fromJson(readFixture(projectFile)).object().value(QStringLiteral("Page")).toArray();
}

QStringList pageNames()
{
    QStringList names;
    for (const PageInfo &page : GlobalManager::instance()->pages())
        names << page.name;
    return names;
}

} // namespace

class TestPageOperations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newPageFileHoldsPageObjectAndEntry();
    void newPageNamesThatCannotBeFilesAreRefused_data();
    void newPageNamesThatCannotBeFilesAreRefused();
    void newPageThatCannotBeWrittenAddsNoEntry();
    void unlistedFileOfTheNameIsNeverWrittenOver_data();
    void unlistedFileOfTheNameIsNeverWrittenOver();
    void copyTakesSavedFileByteForByte();
    void copyOfMissingFileAddsNoEntry();
    void copyRefusesUnsafeNames();
    void importCopiesUnderBaseName();
    void importOfProjectFileByAnotherPathDoesNotCopy();
    void importRefusals_data();
    void importRefusals();
    void closedPageRescaling_data();
    void closedPageRescaling();
    void closedPageElementsWithoutKindAreKeptOrDropped();
    void closedPageWithoutUsableOldSizeKeepsGeometry();
    void closedPageThatIsNoPageFileIsLeftAlone_data();
    void closedPageThatIsNoPageFileIsLeftAlone();
    void openPageIsRescaledOnItsCanvasAndSaved();
    void pageOpensInTabAtStoredZoom();
    void secondOpenMakesTabCurrent();
    void unreadablePageFileOpensNoTab_data();
    void unreadablePageFileOpensNoTab();
    void saveReportsMainPageAndPlaceId();
    void propertyEditorForgetsControlsThatGo();
    void previewShowsPagesOfKinds023();
    void previewWithoutPagesOpensNothing();

private:
    QString pagePath(const QString &name) const { return m_project + QLatin1Char('/') + name + QStringLiteral(".json"); }

    TestWorkDir *m_workDir = nullptr;
    TestNotifier *m_notifier = nullptr;
    QTabWidget *m_tabs = nullptr;
    QString m_project;
    QString m_projectFile;
};

void TestPageOperations::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_notifier = new TestNotifier;
    m_tabs = new QTabWidget;
    m_project = m_workDir->filePath(QStringLiteral("hall"));
    m_projectFile = writeProjectFixture(m_workDir->path(), QByteArray("{\"Page\": []}"), QStringList(),
                                        QStringLiteral("hall"), QStringLiteral("hall.projectui"));
    GlobalManager *manager = GlobalManager::instance();
    manager->setTabWidget(m_tabs);
    QVERIFY(manager->openProject(m_projectFile));
}

void TestPageOperations::cleanup()
{
    GlobalManager::instance()->setTabWidget(nullptr);
    delete m_tabs;
    m_tabs = nullptr;
    flushDeletes();
    GlobalManager::resetInstance();
    delete m_notifier;
    m_notifier = nullptr;
    delete m_workDir;
    m_workDir = nullptr;
}

void TestPageOperations::newPageFileHoldsPageObjectAndEntry()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage(QStringLiteral("登录页"), 1600, 900, 2));
    const QJsonObject expected{{"name", "Page"}, {"x", 0}, {"y", 0}, {"w", 1600}, {"h", 900},
                               {"normalBkColor", "#ff181818"}, {"normal_image_path", ""},
                               {"type", "Page"}, {"page_type", 2}, {"fixed_position", 0}};
    QCOMPARE(readPage(pagePath(QStringLiteral("登录页"))), QJsonArray{expected});
    QCOMPARE(pageNames(), QStringList{QStringLiteral("登录页")});
    const PageInfo page = manager->pages().last();
    QCOMPARE(page.file, QStringLiteral("登录页.json"));
    QCOMPARE(page.pageType, 2);
    QCOMPARE(page.placeId, -1);
    QCOMPARE(page.opened, 0);
    const QJsonArray entries = projectEntries(m_projectFile);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.at(0).toObject().value(QStringLiteral("File")), QJsonValue(QStringLiteral("登录页.json")));
    QCOMPARE(entries.at(0).toObject().value(QStringLiteral("PageType")), QJsonValue(2));
    QVERIFY(m_notifier->prompts().isEmpty());
    // A name that is taken is refused before anything is written.
    QVERIFY(!manager->createPage(QStringLiteral("登录页"), 800, 600, 0));
    QCOMPARE(projectEntries(m_projectFile).size(), 1);
}

void TestPageOperations::newPageNamesThatCannotBeFilesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("slash") << QStringLiteral("../outside");
    QTest::newRow("backslash") << QStringLiteral("a\\b");
}

void TestPageOperations::newPageNamesThatCannotBeFilesAreRefused()
{
    QFETCH(QString, name);
    const QStringList before = QDir(m_workDir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QVERIFY(!GlobalManager::instance()->createPage(name, 1920, 1080, 0));
    QCOMPARE(m_notifier->texts(), QStringList{QStringLiteral("页面名称无效")});
    QVERIFY(GlobalManager::instance()->pages().isEmpty());
    QVERIFY(projectEntries(m_projectFile).isEmpty());
    QCOMPARE(QDir(m_workDir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(QDir(m_project).entryList(QDir::Files), QStringList{"hall.projectui"});
}

void TestPageOperations::unlistedFileOfTheNameIsNeverWrittenOver_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message");
    QTest::newRow("new page") << "create" << QStringLiteral("名称已存在");
    QTest::newRow("copy") << "copy" << QStringLiteral("名称已存在");
    QTest::newRow("import") << "import" << QStringLiteral("导入失败，页面名称已存在");
}

void TestPageOperations::unlistedFileOfTheNameIsNeverWrittenOver()
{
    QFETCH(QString, operation);
    QFETCH(QString, message);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage(QStringLiteral("src"), 1920, 1080, 0));
    const QByteArray kept("{\"Control\": [], \"note\": \"taken out of the project\"}");
    QVERIFY(writeFixture(pagePath(QStringLiteral("old")), kept));
    const QByteArray entries = readFixture(m_projectFile);
    m_notifier->clear();

    const QString imported = m_workDir->filePath(QStringLiteral("elsewhere/old.json"));
    QVERIFY(writeFixture(imported, "{\"Control\": [{\"type\": \"Page\", \"w\": 1, \"h\": 1, \"PlaceId\": 1}]}"));
    int pageType = 0;
    const bool made = operation == "copy"
                          ? manager->copyPage(QStringLiteral("src"), QStringLiteral("old"), 1920, 1080, 0)
                      : operation == "import" ? manager->importPage(imported, &pageType)
                                              : manager->createPage(QStringLiteral("old"), 1920, 1080, 0);
    QVERIFY(!made);
    QCOMPARE(m_notifier->texts(), QStringList{message});
    QCOMPARE(readFixture(pagePath(QStringLiteral("old"))), kept);
    QCOMPARE(readFixture(m_projectFile), entries);
    QVERIFY(!manager->hasPage(QStringLiteral("old")));
}

void TestPageOperations::newPageThatCannotBeWrittenAddsNoEntry()
{
    // A folder where the file should go: the write cannot complete.
    QVERIFY(QDir().mkpath(pagePath(QStringLiteral("home"))));
    QVERIFY(!GlobalManager::instance()->createPage(QStringLiteral("home"), 1920, 1080, 0));
    QCOMPARE(m_notifier->texts(), QStringList{QStringLiteral("open file fail: ") + pagePath(QStringLiteral("home"))});
    QVERIFY(GlobalManager::instance()->pages().isEmpty());
    QVERIFY(projectEntries(m_projectFile).isEmpty());
}

void TestPageOperations::copyTakesSavedFileByteForByte()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage(QStringLiteral("home"), 1920, 1080, 0));
    const QByteArray bytes = "{\"Control\": [{\"type\": \"Page\", \"w\": 1920, \"h\": 1080, \"page_type\": 0}]}";
    QVERIFY(writeFixture(pagePath(QStringLiteral("home")), bytes));
    QVERIFY(manager->copyPage(QStringLiteral("home"), QStringLiteral("form"), 1600, 900, 1));
    QCOMPARE(readFixture(pagePath(QStringLiteral("form"))), bytes);
    QCOMPARE(pageNames(), (QStringList{"home", "form"}));
    QCOMPARE(manager->pages().last().pageType, 1);
    QCOMPARE(manager->pages().last().width, 1600);
    QCOMPARE(projectEntries(m_projectFile).last().toObject().value(QStringLiteral("File")),
             QJsonValue(QStringLiteral("form.json")));
    QVERIFY(!manager->copyPage(QStringLiteral("home"), QStringLiteral("form"), 1600, 900, 1));
}

void TestPageOperations::copyOfMissingFileAddsNoEntry()
{
    QVERIFY(!GlobalManager::instance()->copyPage(QStringLiteral("nothing"), QStringLiteral("copy"), 1920, 1080, 0));
    QCOMPARE(m_notifier->texts(), QStringList{QStringLiteral("复制页面失败")});
    QVERIFY(GlobalManager::instance()->pages().isEmpty());
    QVERIFY(projectEntries(m_projectFile).isEmpty());
    QVERIFY(!QFileInfo::exists(pagePath(QStringLiteral("copy"))));
}

void TestPageOperations::copyRefusesUnsafeNames()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage(QStringLiteral("home"), 1920, 1080, 0));
    QVERIFY(!manager->copyPage(QStringLiteral("home"), QStringLiteral("../stolen"), 1920, 1080, 0));
    QVERIFY(!manager->copyPage(QStringLiteral("../hall/home"), QStringLiteral("copy"), 1920, 1080, 0));
    QVERIFY(!QFileInfo::exists(m_workDir->filePath(QStringLiteral("stolen.json"))));
    QCOMPARE(pageNames(), QStringList{"home"});
}

void TestPageOperations::importCopiesUnderBaseName()
{
    QJsonObject page = pageObject(1280, 720);
    page.insert(QStringLiteral("PlaceId"), 6);
    page.insert(QStringLiteral("page_type"), 3);
    const QString outside = m_workDir->filePath(QStringLiteral("elsewhere/a.b.json"));
    QVERIFY(QDir().mkpath(QFileInfo(outside).path()));
    QVERIFY(writePage(outside, {control(QStringLiteral("Label"), QStringLiteral("Label_0"), 1, 2, 3, 4), page}));
    int pageType = -5;
    QVERIFY(GlobalManager::instance()->importPage(outside, &pageType));
    QCOMPARE(pageType, 3);
    QCOMPARE(readFixture(pagePath(QStringLiteral("a"))), readFixture(outside));
    const PageInfo imported = GlobalManager::instance()->pages().last();
    QCOMPARE(imported.name, QStringLiteral("a"));
    QCOMPARE(imported.file, QStringLiteral("a.json"));
    QCOMPARE(imported.placeId, 6);
    QCOMPARE(imported.width, 1280);
    QCOMPARE(imported.pageType, 3);
    QCOMPARE(projectEntries(m_projectFile).size(), 1);
}

void TestPageOperations::importOfProjectFileByAnotherPathDoesNotCopy()
{
    QJsonObject page = pageObject(800, 600);
    page.insert(QStringLiteral("PlaceId"), -1);
    QVERIFY(writePage(pagePath(QStringLiteral("b")), {page}));
    const QByteArray before = readFixture(pagePath(QStringLiteral("b")));
    int pageType = -1;
    // Not the same text as the target path, but the same file.
    QVERIFY(GlobalManager::instance()->importPage(m_project + QStringLiteral("/./b.json"), &pageType));
    QCOMPARE(pageNames(), QStringList{"b"});
    QCOMPARE(readFixture(pagePath(QStringLiteral("b"))), before);
    QVERIFY(m_notifier->prompts().isEmpty());
}

void TestPageOperations::importRefusals_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("messages");

    const QStringList invalid{QStringLiteral("import json file failed,json format invalid")};
    QTest::newRow("no PlaceId")
        << "p.json" << QByteArray("{\"Control\": [{\"type\": \"Page\", \"w\": 1, \"h\": 1}]}") << invalid;
    QTest::newRow("not json") << "p.json" << QByteArray("{\"Control\": [") << invalid;
    QTest::newRow("no Control") << "p.json" << QByteArray("{\"Page\": []}") << invalid;
    QTest::newRow("empty base name")
        << ".json" << QByteArray("{\"Control\": [{\"type\": \"Page\", \"w\": 1, \"h\": 1, \"PlaceId\": 1}]}")
        << QStringList{QStringLiteral("页面名称无效")};
    QTest::newRow("name in use")
        << "home.json" << QByteArray("{\"Control\": [{\"type\": \"Page\", \"w\": 1, \"h\": 1, \"PlaceId\": 1}]}")
        << QStringList{QStringLiteral("导入失败，页面名称已存在")};
    QTest::newRow("missing file") << "" << QByteArray() << QStringList();
}

void TestPageOperations::importRefusals()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, messages);
    QVERIFY(GlobalManager::instance()->createPage(QStringLiteral("home"), 1920, 1080, 0));
    const QString dir = m_workDir->filePath(QStringLiteral("elsewhere"));
    QString path = dir + QStringLiteral("/missing.json");
    if (!fileName.isEmpty()) {
        path = dir + QLatin1Char('/') + fileName;
        QVERIFY(writeFixture(path, bytes));
    }
    const QByteArray homeBefore = readFixture(pagePath(QStringLiteral("home")));
    int pageType = 0;
    QVERIFY(!GlobalManager::instance()->importPage(path, &pageType));
    QCOMPARE(m_notifier->texts(), messages);
    QCOMPARE(pageNames(), QStringList{"home"});
    QCOMPARE(projectEntries(m_projectFile).size(), 1);
    QCOMPARE(readFixture(pagePath(QStringLiteral("home"))), homeBefore);
    QCOMPARE(QDir(m_project).entryList(QDir::Files), (QStringList{"hall.projectui", "home.json"}));
}

void TestPageOperations::closedPageRescaling_data()
{
    QTest::addColumn<QJsonObject>("page");
    QTest::addColumn<QJsonObject>("control");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QRect>("expected");

    const QJsonObject fullHd = pageObject(1920, 1080);
    QTest::newRow("1920x1080 to 1280x720") << fullHd << control("Button", "B", 100, 50, 333, 99) << 1280 << 720
                                           << QRect(66, 33, 222, 66);
    QTest::newRow("negative truncates toward zero") << fullHd << control("Button", "B", -5, -7, 10, 10) << 1280
                                                    << 720 << QRect(-3, -4, 6, 6);
    QJsonObject noX = control("Button", "B", 0, 30, 90, 60);
    noX.remove(QStringLiteral("x"));
    QTest::newRow("missing x becomes 0") << fullHd << noX << 960 << 540 << QRect(0, 15, 45, 30);
    QJsonObject noWidth = fullHd;
    noWidth.remove(QStringLiteral("w"));
    QTest::newRow("page without w counts 1920") << noWidth << control("Button", "B", 1920, 0, 192, 10) << 960
                                                << 1080 << QRect(960, 0, 96, 10);
    // 2,000,000 × 15360 does not fit in 32 bits.
    QTest::newRow("large values in 64 bits") << pageObject(1920, 1080)
                                             << control("Button", "B", 2000000, 1000000, 1920, 1080) << 15360
                                             << 8640 << QRect(16000000, 8000000, 15360, 8640);
}

void TestPageOperations::closedPageRescaling()
{
    QFETCH(QJsonObject, page);
    QFETCH(QJsonObject, control);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QRect, expected);
    QVERIFY(GlobalManager::instance()->createPage(QStringLiteral("home"), 1920, 1080, 0));
    QVERIFY(writePage(pagePath(QStringLiteral("home")), {control, page}));
    GlobalManager::instance()->slotSetResData(QStringLiteral("home"), width, height);
    const QJsonArray saved = readPage(pagePath(QStringLiteral("home")));
    QCOMPARE(saved.size(), 2);
    const QJsonObject scaled = saved.at(0).toObject();
    QCOMPARE(QRect(scaled.value("x").toInt(), scaled.value("y").toInt(), scaled.value("w").toInt(),
                   scaled.value("h").toInt()),
             expected);
    QCOMPARE(saved.at(1).toObject().value(QStringLiteral("w")), QJsonValue(width));
    QCOMPARE(saved.at(1).toObject().value(QStringLiteral("h")), QJsonValue(height));
}

void TestPageOperations::closedPageElementsWithoutKindAreKeptOrDropped()
{
    QVERIFY(GlobalManager::instance()->createPage(QStringLiteral("home"), 1920, 1080, 0));
    const QJsonObject noType{{"x", 100}, {"note", "kept"}};
    QJsonObject root;
    root.insert(QStringLiteral("Control"), QJsonArray{7, noType, pageObject(1920, 1080)});
    root.insert(QStringLiteral("future"), QStringLiteral("kept"));
    QVERIFY(writeFixture(pagePath(QStringLiteral("home")), QJsonDocument(root).toJson()));
    GlobalManager::instance()->slotSetResData(QStringLiteral("home"), 1280, 720);
    const QJsonObject saved = QJsonDocument::fromJson(readFixture(pagePath(QStringLiteral("home")))).object();
    const QJsonArray elements = saved.value(QStringLiteral("Control")).toArray();
    QCOMPARE(elements.size(), 2);
    QCOMPARE(elements.at(0).toObject(), noType);
    QCOMPARE(saved.value(QStringLiteral("future")), QJsonValue(QStringLiteral("kept")));
}

void TestPageOperations::closedPageWithoutUsableOldSizeKeepsGeometry()
{
    QVERIFY(GlobalManager::instance()->createPage(QStringLiteral("home"), 1920, 1080, 0));
    const QJsonObject button = control(QStringLiteral("Button"), QStringLiteral("B"), 100, 50, 333, 99);
    QVERIFY(writePage(pagePath(QStringLiteral("home")), {button, pageObject(0, 1080)}));
    GlobalManager::instance()->slotSetResData(QStringLiteral("home"), 1280, 720);
    const QJsonObject scaled = readPage(pagePath(QStringLiteral("home"))).at(0).toObject();
    QCOMPARE(scaled.value(QStringLiteral("x")), QJsonValue(100));
    QCOMPARE(scaled.value(QStringLiteral("w")), QJsonValue(333));
    QCOMPARE(scaled.value(QStringLiteral("y")), QJsonValue(33));
    QCOMPARE(scaled.value(QStringLiteral("h")), QJsonValue(66));
}

void TestPageOperations::closedPageThatIsNoPageFileIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("width");
    QTest::newRow("no Control array") << QByteArray("{\"Page\": [1, 2]}") << 1280;
    QTest::newRow("not json") << QByteArray("{\"Control\": [") << 1280;
    QTest::newRow("array document") << QByteArray("[{\"x\": 1}]") << 1280;
    QTest::newRow("size out of range") << QByteArray("{\"Control\": [{\"type\": \"Page\"}]}") << 100;
}

void TestPageOperations::closedPageThatIsNoPageFileIsLeftAlone()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, width);
    QVERIFY(GlobalManager::instance()->createPage(QStringLiteral("home"), 1920, 1080, 0));
    QVERIFY(writeFixture(pagePath(QStringLiteral("home")), bytes));
    GlobalManager::instance()->slotSetResData(QStringLiteral("home"), width, 720);
    QCOMPARE(readFixture(pagePath(QStringLiteral("home"))), bytes);
    // A name that is no file name reaches no file.
    GlobalManager::instance()->slotSetResData(QStringLiteral("../hall/home"), 1280, 720);
    QCOMPARE(readFixture(pagePath(QStringLiteral("home"))), bytes);
}

void TestPageOperations::openPageIsRescaledOnItsCanvasAndSaved()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage(QStringLiteral("home"), 1920, 1080, 0));
    QVERIFY(writePage(pagePath(QStringLiteral("home")),
                      {pageObject(1920, 1080), control(QStringLiteral("Button"), QStringLiteral("Button_0"), 300, 150, 200, 100)}));
    QVERIFY(manager->openPageTab(QStringLiteral("home"), 0));
    UIPage *page = manager->currentPage();
    QVERIFY(page);
    manager->slotSetResData(QStringLiteral("home"), 1280, 720);
    QVERIFY(!page->isModified());
    const QJsonArray saved = readPage(pagePath(QStringLiteral("home")));
    QCOMPARE(saved.at(0).toObject().value(QStringLiteral("w")), QJsonValue(133));
    QCOMPARE(saved.at(1).toObject().value(QStringLiteral("w")), QJsonValue(1280));
    QCOMPARE(page->findControl(113, QStringLiteral("Button_0"))->attributes().value(QStringLiteral("x")),
             QJsonValue(200));
}

void TestPageOperations::pageOpensInTabAtStoredZoom()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage(QStringLiteral("home"), 1920, 1080, 0));
    QJsonObject page = pageObject(1000, 800);
    page.insert(QStringLiteral("editScale"), 0.5);
    QVERIFY(writePage(pagePath(QStringLiteral("home")),
                      {page, control(QStringLiteral("Label"), QStringLiteral("Label_0"), 100, 100, 50, 20),
                       control(QStringLiteral("SceneList"), QStringLiteral("SceneList_0"), 0, 0, 400, 200)}));
    QVERIFY(manager->openPageTab(QStringLiteral("home"), 0));
    QCOMPARE(m_tabs->count(), 1);
    QCOMPARE(m_tabs->tabText(0), QStringLiteral("home"));
    auto *scroll = qobject_cast<QScrollArea *>(m_tabs->widget(0));
    QVERIFY(scroll);
    UIPage *opened = manager->currentPage();
    QCOMPARE(static_cast<QWidget *>(opened), scroll->widget());
    QCOMPARE(opened->getScale(), 0.5);
    QCOMPARE(opened->size(), QSize(500, 400));
    QCOMPARE(opened->controlCount(), 2);
    QCOMPARE(opened->findControl(104, QStringLiteral("Label_0"))->geometry(), QRect(50, 50, 25, 10));
    QCOMPARE(manager->pages().first().opened, 1);
    QCOMPARE(opened->pageInfo().name, QStringLiteral("home"));
    QVERIFY(!opened->isModified());
}

void TestPageOperations::secondOpenMakesTabCurrent()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage(QStringLiteral("a"), 1920, 1080, 0));
    QVERIFY(manager->createPage(QStringLiteral("b"), 1920, 1080, 0));
    QVERIFY(manager->openPageTab(QStringLiteral("a"), 0));
    UIPage *first = manager->currentPage();
    QVERIFY(manager->openPageTab(QStringLiteral("b"), 0));
    QCOMPARE(m_tabs->currentIndex(), 1);
    QVERIFY(manager->openPageTab(QStringLiteral("a"), 0));
    QCOMPARE(m_tabs->count(), 2);
    QCOMPARE(m_tabs->currentIndex(), 0);
    QCOMPARE(manager->currentPage(), first);
    QCOMPARE(manager->pageAt(1)->pageInfo().name, QStringLiteral("b"));
    // A page the project does not have opens nothing.
    QVERIFY(manager->openPageTab(QStringLiteral("nothing"), 0));
    QCOMPARE(m_tabs->count(), 2);
}

void TestPageOperations::unreadablePageFileOpensNoTab_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("not json") << QByteArray("{\"Control\": [{\"type\": \"Page\"") << QStringLiteral("文件解析错误");
    QTest::newRow("no Control") << QByteArray("{\"Controls\": []}") << QStringLiteral("文件格式不对");
}

void TestPageOperations::unreadablePageFileOpensNoTab()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage(QStringLiteral("home"), 1920, 1080, 0));
    QVERIFY(writeFixture(pagePath(QStringLiteral("home")), bytes));
    QVERIFY(!manager->openPageTab(QStringLiteral("home"), 0));
    QCOMPARE(m_notifier->texts(), QStringList{message});
    QCOMPARE(m_tabs->count(), 0);
    QCOMPARE(manager->pages().first().opened, 0);
    flushDeletes();
    // Nothing can save an empty page over it.
    manager->saveAllPages();
    QCOMPARE(readFixture(pagePath(QStringLiteral("home"))), bytes);
}

void TestPageOperations::saveReportsMainPageAndPlaceId()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage(QStringLiteral("home"), 1920, 1080, 0));
    QVERIFY(manager->openPageTab(QStringLiteral("home"), 0));
    UIPage *page = manager->currentPage();
    page->setControlAttributes({{"MainPage", 1}, {"PlaceId", 4}}, true, 1);
    manager->saveAllPages();
    QVERIFY(!page->isModified());
    const QJsonObject entry = projectEntries(m_projectFile).at(0).toObject();
    QCOMPARE(entry.value(QStringLiteral("MainPage")), QJsonValue(1));
    QCOMPARE(entry.value(QStringLiteral("PlaceId")), QJsonValue(4));
    QCOMPARE(readPage(pagePath(QStringLiteral("home"))).last().toObject().value(QStringLiteral("PlaceId")),
             QJsonValue(4));
    QCOMPARE(manager->pages().first().placeId, 4);
}

void TestPageOperations::propertyEditorForgetsControlsThatGo()
{
    GlobalManager *manager = GlobalManager::instance();
    PropertyWidget properties;
    manager->setPropertyWidget(&properties);
    QVERIFY(manager->createPage(QStringLiteral("home"), 1920, 1080, 0));
    QVERIFY(manager->openPageTab(QStringLiteral("home"), 0));
    UIPage *page = manager->currentPage();
    page->undoStack()->push(new AddCommand(page, 113, control(QStringLiteral("Button"), QStringLiteral("Button_0"), 10, 10, 50, 20)));
    page->undoStack()->push(new AddCommand(page, 104, control(QStringLiteral("Label"), QStringLiteral("Label_0"), 100, 10, 50, 20)));
    UIBase *button = page->findControl(113, QStringLiteral("Button_0"));
    UIBase *label = page->findControl(104, QStringLiteral("Label_0"));
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(properties.currentControl(), static_cast<QWidget *>(label));

    // Deleting another control leaves the editor alone.
    page->deleteControl(button);
    QCOMPARE(properties.currentControl(), static_cast<QWidget *>(label));
    // Undoing the label's add takes it off the editor too.
    page->undo();
    page->undo();
    QCOMPARE(page->controlCount(), 1);
    QVERIFY(!properties.currentControl());
    QVERIFY(!manager->propertyControl());
    flushDeletes();
    QVERIFY(!page->findControl(104, QStringLiteral("Label_0")));
    manager->setPropertyWidget(nullptr);
}

void TestPageOperations::previewShowsPagesOfKinds023()
{
    GlobalManager *manager = GlobalManager::instance();
    const char *names[] = {"page", "form", "login", "place"};
    for (int kind = 0; kind < 4; ++kind)
        QVERIFY(manager->createPage(QLatin1String(names[kind]), 1920, 1080, kind));
    QStringList labels;
    bool maximised = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&labels, &maximised]() {
        PageDlg *dialog = shownPreview();
        if (!dialog)
            return;
        maximised = dialog->isMaximized();
        for (int i = 0; i < dialog->tabWidget()->count(); ++i)
            labels << dialog->tabWidget()->tabText(i);
        dialog->reject();
    });
    closer.start(10);
    manager->openPreview();
    closer.stop();
    QCOMPARE(labels, (QStringList{"page.json", "login.json", "place.json"}));
    QVERIFY(maximised);
}

void TestPageOperations::previewWithoutPagesOpensNothing()
{
    GlobalManager::instance()->closeProject();
    bool shown = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown]() {
        if (PageDlg *dialog = shownPreview()) {
            shown = true;
            dialog->reject();
        }
    });
    closer.start(10);
    GlobalManager::instance()->openPreview();
    QTest::qWait(50);
    QVERIFY(!shown);
}

QTEST_MAIN(TestPageOperations)
#include "tst_pageoperations.moc"
