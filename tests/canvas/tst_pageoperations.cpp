#include "preview/pagedlg.h"
#include "properties/propertywidget.h"
#include "tests/canvas/pagefixture.h"

#include <QApplication>
#include <QDirIterator>
#include <QScrollArea>
#include <QTimer>

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
    return QJsonDocument::fromJson(readFixture(projectFile)).object().value("Page").toArray();
}

// Every file and folder below the root, with the bytes of each file.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(path, it.fileInfo().isDir() ? QByteArray("<folder>") : readFixture(path));
    }
    return entries;
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
    void init() { QVERIFY(f.setUp()); }
    void cleanup() { f.tearDown(); }

    void newPageFileHoldsPageObjectAndEntry();
    void refusalsLeaveProjectAsItWas_data();
    void refusalsLeaveProjectAsItWas();
    void copyTakesSavedFileByteForByte();
    void importCopiesUnderBaseName();
    void importOfProjectFileByAnotherPathDoesNotCopy();
    void closedPageRescaling_data();
    void closedPageRescaling();
    void closedPageElementsWithoutKindAreKeptOrDropped();
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
    ProjectFixture f;
};

void TestPageOperations::newPageFileHoldsPageObjectAndEntry()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage("登录页", 1600, 900, 2));
    const QJsonObject expected{{"name", "Page"}, {"x", 0}, {"y", 0}, {"w", 1600}, {"h", 900},
                               {"normalBkColor", "#ff181818"}, {"normal_image_path", ""},
                               {"type", "Page"}, {"page_type", 2}, {"fixed_position", 0}, {"PlaceId", -1}};
    QCOMPARE(readPage(f.pagePath("登录页")), QJsonArray{expected});
    QCOMPARE(pageNames(), QStringList{QStringLiteral("登录页")});
    const PageInfo page = manager->pages().last();
    QCOMPARE(page.file, QStringLiteral("登录页.json"));
    QCOMPARE(page.pageType, 2);
    QCOMPARE(page.placeId, -1);
    QCOMPARE(page.opened, 0);
    const QJsonArray entries = projectEntries(f.projectFile);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.at(0).toObject().value("File"), QJsonValue(QStringLiteral("登录页.json")));
    QCOMPARE(entries.at(0).toObject().value("PageType"), QJsonValue(2));
    QVERIFY(f.notifier->prompts().isEmpty());
}

void TestPageOperations::refusalsLeaveProjectAsItWas_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("source");   // the page copied, or the file imported
    QTest::addColumn<QString>("text");     // the new page's name, or the imported file's bytes
    QTest::addColumn<QStringList>("messages");

    // The project holds "home"; "old.json" is a page file it no longer lists,
    // "blocked.json" a folder.
    const QStringList invalidName{"页面名称无效"};
    const QStringList taken{"名称已存在"};
    for (const char *name : {"", ".", "..", "../outside", "a\\b"})
        QTest::newRow(qPrintable(QStringLiteral("new page named '%1'").arg(name)))
            << "create" << "" << name << invalidName;
    // A listed name is refused silently: the dialogs check it first.
    QTest::newRow("new page: name taken") << "create" << "" << "home" << QStringList();
    QTest::newRow("new page: unlisted file of the name") << "create" << "" << "old" << taken;
    QTest::newRow("new page: file cannot be written")
        << "create" << "" << "blocked" << QStringList{"open file fail: %1"};
    QTest::newRow("copy of a missing page") << "copy" << "nothing" << "copy" << QStringList{"复制页面失败"};
    QTest::newRow("copy: name taken") << "copy" << "home" << "home" << QStringList();
    QTest::newRow("copy: unlisted file of the name") << "copy" << "home" << "old" << taken;
    QTest::newRow("copy to a name outside") << "copy" << "home" << "../stolen" << invalidName;
    QTest::newRow("copy of a name outside") << "copy" << "../hall/home" << "copy" << invalidName;

    const QString page = "{\"Control\": [{\"type\": \"Page\", \"w\": 1, \"h\": 1, \"PlaceId\": 1}]}";
    const QStringList invalid{"import json file failed,json format invalid"};
    QTest::newRow("import without PlaceId")
        << "import" << "p.json" << "{\"Control\": [{\"type\": \"Page\", \"w\": 1, \"h\": 1}]}" << invalid;
    QTest::newRow("import of no json") << "import" << "p.json" << "{\"Control\": [" << invalid;
    QTest::newRow("import without Control") << "import" << "p.json" << "{\"Page\": []}" << invalid;
    QTest::newRow("import with an empty base name") << "import" << ".json" << page << invalidName;
    QTest::newRow("import: name in use") << "import" << "home.json" << page
                                         << QStringList{"导入失败，页面名称已存在"};
    QTest::newRow("import: unlisted file of the name") << "import" << "old.json" << page
                                                      << QStringList{"导入失败，页面名称已存在"};
    QTest::newRow("import of a missing file") << "import" << "missing.json" << "" << QStringList();
}

void TestPageOperations::refusalsLeaveProjectAsItWas()
{
    QFETCH(QString, operation);
    QFETCH(QString, source);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage("home", 1920, 1080, 0));
    QVERIFY(writeFixture(f.pagePath("old"), "{\"Control\": [], \"note\": \"taken out of the project\"}"));
    QVERIFY(QDir().mkpath(f.pagePath("blocked")));
    const QString imported = f.workDir->filePath("elsewhere/" + source);
    if (operation == "import" && !text.isEmpty())
        QVERIFY(writeFixture(imported, text.toUtf8()));
    const QMap<QString, QByteArray> before = snapshot(f.workDir->path());
    f.notifier->clear();

    int pageType = 0;
    const bool made = operation == "copy"     ? manager->copyPage(source, text, 1920, 1080, 0)
                      : operation == "import" ? manager->importPage(imported, &pageType)
                                              : manager->createPage(text, 1920, 1080, 0);
    QVERIFY(!made);
    for (QString &message : messages)
        message.replace("%1", f.pagePath(text));
    QCOMPARE(f.notifier->texts(), messages);
    QCOMPARE(pageNames(), QStringList{"home"});
    // Not a byte written anywhere: neither the project file nor a page file.
    const QMap<QString, QByteArray> after = snapshot(f.workDir->path());
    QCOMPARE(after.keys(), before.keys());
    QVERIFY(after == before);
}

void TestPageOperations::copyTakesSavedFileByteForByte()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage("home", 1920, 1080, 0));
    const QByteArray bytes = "{\"Control\": [{\"type\": \"Page\", \"w\": 1920, \"h\": 1080, \"page_type\": 0}]}";
    QVERIFY(writeFixture(f.pagePath("home"), bytes));
    QVERIFY(manager->copyPage("home", "form", 1600, 900, 1));
    QCOMPARE(readFixture(f.pagePath("form")), bytes);
    QCOMPARE(pageNames(), (QStringList{"home", "form"}));
    QCOMPARE(manager->pages().last().pageType, 1);
    QCOMPARE(manager->pages().last().width, 1600);
    QCOMPARE(projectEntries(f.projectFile).last().toObject().value("File"), QJsonValue("form.json"));
}

void TestPageOperations::importCopiesUnderBaseName()
{
    QJsonObject page = pageObject(1280, 720);
    page.insert("PlaceId", 6);
    page.insert("page_type", 3);
    const QString outside = f.workDir->filePath("elsewhere/a.b.json");
    QVERIFY(QDir().mkpath(QFileInfo(outside).path()));
    QVERIFY(writePage(outside, {control("Label", "Label_0", 1, 2, 3, 4), page}));
    int pageType = -5;
    QVERIFY(GlobalManager::instance()->importPage(outside, &pageType));
    QCOMPARE(pageType, 3);
    QCOMPARE(readFixture(f.pagePath("a")), readFixture(outside));
    const PageInfo imported = GlobalManager::instance()->pages().last();
    QCOMPARE(imported.name, QStringLiteral("a"));
    QCOMPARE(imported.file, QStringLiteral("a.json"));
    QCOMPARE(imported.placeId, 6);
    QCOMPARE(imported.width, 1280);
    QCOMPARE(imported.pageType, 3);
    QCOMPARE(projectEntries(f.projectFile).size(), 1);
}

void TestPageOperations::importOfProjectFileByAnotherPathDoesNotCopy()
{
    QJsonObject page = pageObject(800, 600);
    page.insert("PlaceId", -1);
    QVERIFY(writePage(f.pagePath("b"), {page}));
    const QByteArray before = readFixture(f.pagePath("b"));
    int pageType = -1;
    // Not the same text as the target path, but the same file.
    QVERIFY(GlobalManager::instance()->importPage(f.project + QStringLiteral("/./b.json"), &pageType));
    QCOMPARE(pageNames(), QStringList{"b"});
    QCOMPARE(readFixture(f.pagePath("b")), before);
    QVERIFY(f.notifier->prompts().isEmpty());
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
    noX.remove("x");
    QTest::newRow("missing x becomes 0") << fullHd << noX << 960 << 540 << QRect(0, 15, 45, 30);
    QJsonObject noWidth = fullHd;
    noWidth.remove("w");
    QTest::newRow("page without w counts 1920") << noWidth << control("Button", "B", 1920, 0, 192, 10) << 960
                                                << 1080 << QRect(960, 0, 96, 10);
    QTest::newRow("page w 0: x and w kept, y and h scaled") << pageObject(0, 1080)
                                                            << control("Button", "B", 100, 50, 333, 99) << 1280
                                                            << 720 << QRect(100, 33, 333, 66);
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
    QVERIFY(GlobalManager::instance()->createPage("home", 1920, 1080, 0));
    QVERIFY(writePage(f.pagePath("home"), {control, page}));
    GlobalManager::instance()->slotSetResData("home", width, height);
    const QJsonArray saved = readPage(f.pagePath("home"));
    QCOMPARE(saved.size(), 2);
    const QJsonObject scaled = saved.at(0).toObject();
    QCOMPARE(QRect(scaled.value("x").toInt(), scaled.value("y").toInt(), scaled.value("w").toInt(),
                   scaled.value("h").toInt()),
             expected);
    QCOMPARE(saved.at(1).toObject().value("w"), QJsonValue(width));
    QCOMPARE(saved.at(1).toObject().value("h"), QJsonValue(height));
}

void TestPageOperations::closedPageElementsWithoutKindAreKeptOrDropped()
{
    QVERIFY(GlobalManager::instance()->createPage("home", 1920, 1080, 0));
    const QJsonObject noType{{"x", 100}, {"note", "kept"}};
    QJsonObject root;
    root.insert("Control", QJsonArray{7, noType, pageObject(1920, 1080)});
    root.insert("future", QStringLiteral("kept"));
    QVERIFY(writeFixture(f.pagePath("home"), QJsonDocument(root).toJson()));
    GlobalManager::instance()->slotSetResData("home", 1280, 720);
    const QJsonObject saved = QJsonDocument::fromJson(readFixture(f.pagePath("home"))).object();
    const QJsonArray elements = saved.value("Control").toArray();
    QCOMPARE(elements.size(), 2);
    QCOMPARE(elements.at(0).toObject(), noType);
    QCOMPARE(saved.value("future"), QJsonValue(QStringLiteral("kept")));
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
    QVERIFY(GlobalManager::instance()->createPage("home", 1920, 1080, 0));
    QVERIFY(writeFixture(f.pagePath("home"), bytes));
    GlobalManager::instance()->slotSetResData("home", width, 720);
    QCOMPARE(readFixture(f.pagePath("home")), bytes);
    // A name that is no file name reaches no file.
    GlobalManager::instance()->slotSetResData("../hall/home", 1280, 720);
    QCOMPARE(readFixture(f.pagePath("home")), bytes);
}

void TestPageOperations::openPageIsRescaledOnItsCanvasAndSaved()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage("home", 1920, 1080, 0));
    QVERIFY(writePage(f.pagePath("home"),
                      {pageObject(1920, 1080), control("Button", "Button_0", 300, 150, 200, 100)}));
    QVERIFY(manager->openPageTab("home", 0));
    UIPage *page = manager->currentPage();
    QVERIFY(page);
    manager->slotSetResData("home", 1280, 720);
    QVERIFY(!page->isModified());
    const QJsonArray saved = readPage(f.pagePath("home"));
    QCOMPARE(saved.at(0).toObject().value("w"), QJsonValue(133));
    QCOMPARE(saved.at(1).toObject().value("w"), QJsonValue(1280));
    QCOMPARE(page->findControl(113, "Button_0")->attributes().value("x"),
             QJsonValue(200));
}

void TestPageOperations::pageOpensInTabAtStoredZoom()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage("home", 1920, 1080, 0));
    QJsonObject page = pageObject(1000, 800);
    page.insert("editScale", 0.5);
    QVERIFY(writePage(f.pagePath("home"),
                      {page, control("Label", "Label_0", 100, 100, 50, 20),
                       control("SceneList", "SceneList_0", 0, 0, 400, 200)}));
    QVERIFY(manager->openPageTab("home", 0));
    QCOMPARE(f.tabs->count(), 1);
    QCOMPARE(f.tabs->tabText(0), QStringLiteral("home"));
    auto *scroll = qobject_cast<QScrollArea *>(f.tabs->widget(0));
    QVERIFY(scroll);
    UIPage *opened = manager->currentPage();
    QCOMPARE(static_cast<QWidget *>(opened), scroll->widget());
    QCOMPARE(opened->getScale(), 0.5);
    QCOMPARE(opened->size(), QSize(500, 400));
    QCOMPARE(opened->controlCount(), 2);
    QCOMPARE(opened->findControl(104, "Label_0")->geometry(), QRect(50, 50, 25, 10));
    QCOMPARE(manager->pages().first().opened, 1);
    QCOMPARE(opened->pageInfo().name, QStringLiteral("home"));
    QVERIFY(!opened->isModified());
}

void TestPageOperations::secondOpenMakesTabCurrent()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage("a", 1920, 1080, 0));
    QVERIFY(manager->createPage("b", 1920, 1080, 0));
    QVERIFY(manager->openPageTab("a", 0));
    UIPage *first = manager->currentPage();
    QVERIFY(manager->openPageTab("b", 0));
    QCOMPARE(f.tabs->currentIndex(), 1);
    QVERIFY(manager->openPageTab("a", 0));
    QCOMPARE(f.tabs->count(), 2);
    QCOMPARE(f.tabs->currentIndex(), 0);
    QCOMPARE(manager->currentPage(), first);
    QCOMPARE(manager->pageAt(1)->pageInfo().name, QStringLiteral("b"));
    // A page the project does not have opens nothing.
    QVERIFY(manager->openPageTab("nothing", 0));
    QCOMPARE(f.tabs->count(), 2);
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
    QVERIFY(manager->createPage("home", 1920, 1080, 0));
    QVERIFY(writeFixture(f.pagePath("home"), bytes));
    QVERIFY(!manager->openPageTab("home", 0));
    QCOMPARE(f.notifier->texts(), QStringList{message});
    QCOMPARE(f.tabs->count(), 0);
    QCOMPARE(manager->pages().first().opened, 0);
    flushDeletes();
    // Nothing can save an empty page over it.
    manager->saveAllPages();
    QCOMPARE(readFixture(f.pagePath("home")), bytes);
}

void TestPageOperations::saveReportsMainPageAndPlaceId()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage("home", 1920, 1080, 0));
    QVERIFY(manager->openPageTab("home", 0));
    UIPage *page = manager->currentPage();
    page->setControlAttributes({{"MainPage", 1}, {"PlaceId", 4}}, true, 1);
    manager->saveAllPages();
    QVERIFY(!page->isModified());
    const QJsonObject entry = projectEntries(f.projectFile).at(0).toObject();
    QCOMPARE(entry.value("MainPage"), QJsonValue(1));
    QCOMPARE(entry.value("PlaceId"), QJsonValue(4));
    QCOMPARE(readPage(f.pagePath("home")).last().toObject().value("PlaceId"),
             QJsonValue(4));
    QCOMPARE(manager->pages().first().placeId, 4);
}

void TestPageOperations::propertyEditorForgetsControlsThatGo()
{
    GlobalManager *manager = GlobalManager::instance();
    PropertyWidget properties;
    manager->setPropertyWidget(&properties);
    QVERIFY(manager->createPage("home", 1920, 1080, 0));
    QVERIFY(manager->openPageTab("home", 0));
    UIPage *page = manager->currentPage();
    page->undoStack()->push(new AddCommand(page, 113, control("Button", "Button_0", 10, 10, 50, 20)));
    page->undoStack()->push(new AddCommand(page, 104, control("Label", "Label_0", 100, 10, 50, 20)));
    UIBase *button = page->findControl(113, "Button_0");
    UIBase *label = page->findControl(104, "Label_0");
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
    QVERIFY(!page->findControl(104, "Label_0"));
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
