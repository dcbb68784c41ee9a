#include "properties/propertywidget.h"
#include "tests/canvas/pagefixture.h"

using namespace pagefixture;

class TestPageOperations : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(f.setUp());
        QVERIFY(GlobalManager::instance()->createPage("home", 1920, 1080, 0));
    }
    void cleanup() { f.tearDown(); }

    void newCopiedAndImportedPagesGetFileAndEntry();
    void refusalsLeaveProjectAsItWas_data();
    void refusalsLeaveProjectAsItWas();
    void closedPageRescaling_data();
    void closedPageRescaling();
    void unreadablePageFileOpensNoTab_data();
    void unreadablePageFileOpensNoTab();
    void saveReportsMainPageAndPlaceId();
    void propertyEditorForgetsControlsThatGo();

private:
    ProjectFixture f;
};

void TestPageOperations::newCopiedAndImportedPagesGetFileAndEntry()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage("登录页", 1600, 900, 2));
    const QJsonObject expected{{"name", "Page"}, {"x", 0}, {"y", 0}, {"w", 1600}, {"h", 900},
                               {"normalBkColor", "#ff181818"}, {"normal_image_path", ""},
                               {"type", "Page"}, {"page_type", 2}, {"fixed_position", 0}, {"PlaceId", -1}};
    QCOMPARE(readPage(f.pagePath("登录页")), QJsonArray{expected});
    QCOMPARE(projectEntries(f.projectFile).last()["PageType"], QJsonValue(2));

    // A copy takes the saved file byte for byte, under its own kind and size.
    const QByteArray bytes = "{\"Control\": [{\"type\": \"Page\", \"w\": 1920, \"h\": 1080}]}";
    QVERIFY(writeFixture(f.pagePath("home"), bytes));
    QVERIFY(manager->copyPage("home", "form", 1600, 900, 1));
    QCOMPARE(readFixture(f.pagePath("form")), bytes);
    QCOMPARE(manager->pages().last().pageType, 1);

    // An import is copied under its base name, with the kind and place it holds.
    QJsonObject page = pageObject(1280, 720);
    page.insert("PlaceId", 6);
    page.insert("page_type", 3);
    const QString outside = f.workDir->filePath("elsewhere/a.b.json");
    QVERIFY(writePage(outside, {control("Label", "Label_0", 1, 2, 3, 4), page}));
    int pageType = -5;
    QVERIFY(manager->importPage(outside, &pageType));
    QCOMPARE(pageType, 3);
    QCOMPARE(readFixture(f.pagePath("a")), readFixture(outside));
    QCOMPARE(manager->pages().last().placeId, 6);

    // A file of the project folder imported by another path to itself is
    // listed, not copied onto itself.
    page.insert("PlaceId", -1);
    QVERIFY(writePage(f.pagePath("b"), {page}));
    const QByteArray own = readFixture(f.pagePath("b"));
    QVERIFY(manager->importPage(f.project + QStringLiteral("/./b.json"), &pageType));
    QCOMPARE(readFixture(f.pagePath("b")), own);
    QCOMPARE(pageNames(), (QStringList{"home", "登录页", "form", "a", "b"}));
    QCOMPARE(projectEntryFiles(f.projectFile),
             (QStringList{"home.json", "登录页.json", "form.json", "a.json", "b.json"}));
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
    for (const char *name : {"", "..", "../outside", "a\\b"})
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
    const QStringList inUse{"导入失败，页面名称已存在"};
    QTest::newRow("import without PlaceId")
        << "import" << "p.json" << "{\"Control\": [{\"type\": \"Page\", \"w\": 1, \"h\": 1}]}" << invalid;
    QTest::newRow("import of no json") << "import" << "p.json" << "{\"Control\": [" << invalid;
    QTest::newRow("import without Control") << "import" << "p.json" << "{\"Page\": []}" << invalid;
    QTest::newRow("import with an empty base name") << "import" << ".json" << page << invalidName;
    QTest::newRow("import: name in use") << "import" << "home.json" << page << inUse;
    QTest::newRow("import: unlisted file of the name") << "import" << "old.json" << page << inUse;
    QTest::newRow("import of a missing file") << "import" << "missing.json" << "" << QStringList();
}

void TestPageOperations::refusalsLeaveProjectAsItWas()
{
    QFETCH(QString, operation);
    QFETCH(QString, source);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(writeFixture(f.pagePath("old"), "{\"Control\": [], \"note\": \"taken out of the project\"}"));
    QVERIFY(QDir().mkpath(f.pagePath("blocked")));
    const QString imported = f.workDir->filePath("elsewhere/" + source);
    if (operation == "import" && !text.isEmpty())
        QVERIFY(writeFixture(imported, text.toUtf8()));
    const QMap<QString, QByteArray> before = folderSnapshot(f.workDir->path());

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
    QVERIFY(folderSnapshot(f.workDir->path()) == before);
}

void TestPageOperations::closedPageRescaling_data()
{
    QTest::addColumn<QJsonObject>("page");
    QTest::addColumn<QJsonObject>("control");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("expected");

    const QJsonObject fullHd = pageObject(1920, 1080);
    QTest::newRow("1920x1080 to 1280x720") << fullHd << control("Button", "B", 100, 50, 333, 99)
                                           << QSize(1280, 720) << QRect(66, 33, 222, 66);
    QJsonObject noX = control("Button", "B", 0, 30, 90, 60);
    noX.remove("x");
    QTest::newRow("missing x becomes 0") << fullHd << noX << QSize(960, 540) << QRect(0, 15, 45, 30);
    QTest::newRow("page w 0: x and w kept, y and h scaled")
        << pageObject(0, 1080) << control("Button", "B", 100, 50, 333, 99) << QSize(1280, 720)
        << QRect(100, 33, 333, 66);
    // 2,000,000 × 15360 does not fit in 32 bits.
    QTest::newRow("large values in 64 bits") << fullHd << control("Button", "B", 2000000, 1000000, 1920, 1080)
                                             << QSize(15360, 8640) << QRect(16000000, 8000000, 15360, 8640);
}

void TestPageOperations::closedPageRescaling()
{
    QFETCH(QJsonObject, page);
    QFETCH(QJsonObject, control);
    QFETCH(QSize, size);
    QFETCH(QRect, expected);
    // Elements without a kind are kept as they are, other keys of the file too.
    const QJsonObject noType{{"x", 100}, {"note", "kept"}};
    QJsonObject root{{"Control", QJsonArray{7, noType, control, page}}, {"future", "kept"}};
    QVERIFY(writeFixture(f.pagePath("home"), QJsonDocument(root).toJson()));
    GlobalManager::instance()->slotSetResData("home", size.width(), size.height());
    const QJsonObject saved = QJsonDocument::fromJson(readFixture(f.pagePath("home"))).object();
    const QJsonArray elements = saved.value("Control").toArray();
    QCOMPARE(elements.size(), 3);
    QCOMPARE(elements.at(0).toObject(), noType);
    QCOMPARE(saved.value("future"), QJsonValue("kept"));
    const QJsonObject scaled = elements.at(1).toObject();
    QCOMPARE(QRect(scaled["x"].toInt(), scaled["y"].toInt(), scaled["w"].toInt(), scaled["h"].toInt()), expected);
    QCOMPARE(elements.at(2)["w"], QJsonValue(size.width()));
    QCOMPARE(elements.at(2)["h"], QJsonValue(size.height()));
    // A size no page takes, or a name that is no file name, changes nothing.
    const QByteArray bytes = readFixture(f.pagePath("home"));
    GlobalManager::instance()->slotSetResData("home", 100, 720);
    GlobalManager::instance()->slotSetResData("../hall/home", 960, 540);
    QCOMPARE(readFixture(f.pagePath("home")), bytes);
}

void TestPageOperations::unreadablePageFileOpensNoTab_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("not json") << QByteArray("{\"Control\": [{\"type\": \"Page\"") << QStringLiteral("文件解析错误");
    QTest::newRow("no Control") << QByteArray("{\"Controls\": []}") << QStringLiteral("文件格式不对");
    QTest::newRow("array document") << QByteArray("[]") << QStringLiteral("文件格式不对");
    QTest::newRow("Control not an array") << QByteArray("{\"Control\": {}}") << QStringLiteral("文件格式不对");
}

void TestPageOperations::unreadablePageFileOpensNoTab()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(writeFixture(f.pagePath("home"), bytes));
    QVERIFY(!manager->openPageTab("home", 0));
    QCOMPARE(f.notifier->texts(), QStringList{message});
    QCOMPARE(f.tabs->count(), 0);
    QCOMPARE(manager->pages().first().opened, 0);
    flushDeletes();
    // Nothing can save an empty page over it, nor resize it.
    manager->saveAllPages();
    manager->slotSetResData("home", 1280, 720);
    QCOMPARE(readFixture(f.pagePath("home")), bytes);
}

void TestPageOperations::saveReportsMainPageAndPlaceId()
{
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->openPageTab("home", 0));
    UIPage *page = manager->currentPage();
    page->setControlAttributes({{"MainPage", 1}, {"PlaceId", 4}}, true, 1);
    manager->saveAllPages();
    QVERIFY(!page->isModified());
    QCOMPARE(projectEntries(f.projectFile).at(0).toObject(),
             jsonFixture(R"({"File": "home.json", "MainPage": 1, "PlaceId": 4, "PageType": 0})"));
    QCOMPARE(readPage(f.pagePath("home")).last()["PlaceId"], QJsonValue(4));
    QCOMPARE(manager->pages().first().placeId, 4);
}

void TestPageOperations::propertyEditorForgetsControlsThatGo()
{
    GlobalManager *manager = GlobalManager::instance();
    PropertyWidget properties;
    manager->setPropertyWidget(&properties);
    QVERIFY(manager->openPageTab("home", 0));
    UIPage *page = manager->currentPage();
    UIBase *button = addControl(page, 113, "Button_0", 10, 10, 50, 20);
    UIBase *label = addControl(page, 104, "Label_0", 100, 10, 50, 20);
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
    manager->setPropertyWidget(nullptr);
}

QTEST_MAIN(TestPageOperations)
#include "tst_pageoperations.moc"
