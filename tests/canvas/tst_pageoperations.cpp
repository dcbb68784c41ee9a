#include "properties/propertywidget.h"
#include "tests/canvas/pagefixture.h"

#include <QDirIterator>

// The manager's page files: new, copied, imported, resized while closed,
// opened and saved, in an open project holding the page "home".
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

    void newCopiedAndImportedPagesGetFileAndEntry()
    {
        GlobalManager *manager = GlobalManager::instance();
        QVERIFY(manager->createPage("登录页", 1600, 900, 2));
        QCOMPARE(readPage(f.pagePath("登录页")),
                 (QJsonArray{QJsonObject{{"name", "Page"}, {"x", 0}, {"y", 0}, {"w", 1600}, {"h", 900}, {"type", "Page"},
                                        {"normalBkColor", "#ff181818"}, {"normal_image_path", ""}, {"page_type", 2},
                                        {"fixed_position", 0}, {"PlaceId", -1}}}));
        QVERIFY(manager->copyPage("登录页", "form", 1600, 900, 1));
        QCOMPARE(readFixture(f.pagePath("form")), readFixture(f.pagePath("登录页")));
        // An import is copied under its base name with the kind and place it
        // holds; a file of the project folder named by another path is listed,
        // not copied onto itself.
        QJsonObject page = pageObject(1280, 720);
        page.insert("PlaceId", 6);
        page.insert("page_type", 3);
        const QString outside = f.workDir->filePath("elsewhere/a.b.json");
        QVERIFY(writePage(outside, {control("Label", "Label_0", 1, 2, 3, 4), page}));
        QVERIFY(writePage(f.pagePath("b"), {page}));
        const QByteArray own = readFixture(f.pagePath("b"));
        int pageType = -5;
        QVERIFY(manager->importPage(outside, &pageType) && pageType == 3);
        QCOMPARE(readFixture(f.pagePath("a")), readFixture(outside));
        QVERIFY(manager->importPage(f.project + QStringLiteral("/./b.json"), &pageType));
        QCOMPARE(readFixture(f.pagePath("b")), own);
        QCOMPARE(manager->pages().last().placeId, 6);
        QCOMPARE(projectEntries(f.projectFile).at(1)["PageType"], QJsonValue(2));
        QCOMPARE(projectEntryFiles(f.projectFile),
                 (QStringList{"home.json", "登录页.json", "form.json", "a.json", "b.json"}));
        QVERIFY(f.notifier->prompts().isEmpty());
    }

    // The pages the designer ships, as a project made from the template holds
    // them before its first save, import like any page it saved.
    void shippedTemplatePagesImport_data()
    {
        QTest::addColumn<QString>("shipped");
        QDirIterator it(QStringLiteral(BRIVANE_SOURCE_DIR "/template/config"), {"*.json"}, QDir::Files,
                        QDirIterator::Subdirectories);
        int found = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            QTest::newRow(qPrintable(path.section('/', -2))) << path;
            ++found;
        }
        // One page a language at least.
        QVERIFY(found >= 3);
    }
    void shippedTemplatePagesImport()
    {
        QFETCH(QString, shipped);
        const QString copy = f.workDir->filePath("elsewhere/shipped.json");
        QVERIFY(writeFixture(copy, readFixture(shipped)));
        int pageType = -5;
        QVERIFY(GlobalManager::instance()->importPage(copy, &pageType));
        QCOMPARE(pageType, 0);
        QVERIFY(f.notifier->prompts().isEmpty());
        QCOMPARE(pageNames(), (QStringList{"home", "shipped"}));
        QCOMPARE(GlobalManager::instance()->pages().last().placeId, -1);
    }

    void refusalsLeaveProjectAsItWas_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("source");   // the page copied, or the file imported
        QTest::addColumn<QString>("text");     // the new page's name, or the imported file's bytes
        QTest::addColumn<QString>("message");
        // The project holds "home"; "old.json" is a page file it no longer
        // lists, "blocked.json" a folder. A listed name is refused silently:
        // the dialogs check it first.
        // No bare file name: said why, as the name check says it.
        const QString notAName = "文件名不能为空，也不能是“.”或“..”";
        const QString reserved = "文件名不能包含“:”、“\\”或“/”";
        for (const char *name : {"", ".."})
            QTest::newRow(qPrintable(QStringLiteral("new page named '%1'").arg(name)))
                << "create" << "" << name << notAName;
        for (const char *name : {"../outside", "a\\b"})
            QTest::newRow(qPrintable(QStringLiteral("new page named '%1'").arg(name)))
                << "create" << "" << name << reserved;
        QTest::newRow("new page: name taken") << "create" << "" << "home" << "";
        QTest::newRow("new page: unlisted file of the name") << "create" << "" << "old" << "名称已存在";
        QTest::newRow("new page: file cannot be written") << "create" << "" << "blocked"
                                                          << QString::fromUtf8("open file fail: %1\n该位置是设备、管道、套接字或文件夹，不是普通文件");
        QTest::newRow("copy of a missing page") << "copy" << "nothing" << "copy" << "复制页面失败";
        QTest::newRow("copy: name taken") << "copy" << "home" << "home" << "";
        QTest::newRow("copy: unlisted file of the name") << "copy" << "home" << "old" << "名称已存在";
        QTest::newRow("copy to a name outside") << "copy" << "home" << "../stolen" << reserved;
        QTest::newRow("copy of a name outside") << "copy" << "../hall/home" << "copy" << reserved;
        const QString page = "{\"Control\": [{\"type\": \"Page\", \"w\": 1, \"h\": 1, \"PlaceId\": 1}]}";
        const QString invalid = "import json file failed,json format invalid";
        QTest::newRow("import without PlaceId")
            << "import" << "p.json" << "{\"Control\": [{\"type\": \"Page\", \"w\": 1, \"h\": 1}]}" << invalid;
        QTest::newRow("import of no json") << "import" << "p.json" << "{\"Control\": [" << invalid;
        QTest::newRow("import without Control") << "import" << "p.json" << "{\"Page\": []}" << invalid;
        QTest::newRow("import with an empty base name") << "import" << ".json" << page << notAName;
        QTest::newRow("import: name in use") << "import" << "home.json" << page << "导入失败，页面名称已存在";
        QTest::newRow("import: unlisted file of the name") << "import" << "old.json" << page << "导入失败，页面名称已存在";
        QTest::newRow("import of a missing file") << "import" << "missing.json" << "" << "";
    }
    void refusalsLeaveProjectAsItWas()
    {
        QFETCH(QString, operation);
        QFETCH(QString, source);
        QFETCH(QString, text);
        QFETCH(QString, message);
        GlobalManager *manager = GlobalManager::instance();
        QVERIFY(writeFixture(f.pagePath("old"), "{\"Control\": [], \"note\": \"taken out of the project\"}"));
        QVERIFY(QDir().mkpath(f.pagePath("blocked")));
        const QString imported = f.workDir->filePath("elsewhere/" + source);
        if (operation == "import" && !text.isEmpty())
            QVERIFY(writeFixture(imported, text.toUtf8()));
        const QMap<QString, QByteArray> before = folderSnapshot(f.workDir->path());
        int pageType = 0;
        QVERIFY(!(operation == "copy"     ? manager->copyPage(source, text, 1920, 1080, 0)
                  : operation == "import" ? manager->importPage(imported, &pageType)
                                          : manager->createPage(text, 1920, 1080, 0)));
        // A write that fails says why after the path.
        const QString path = f.pagePath(text);
        QCOMPARE(f.notifier->texts().join(""),
                 message.contains("%1") ? FileWrite(path, FileWrite::NotAFile).problem(message.section('%', 0, 0)) : message);
        QCOMPARE(pageNames(), QStringList{"home"});
        // Not a byte written anywhere: neither the project file nor a page file.
        QVERIFY(folderSnapshot(f.workDir->path()) == before);
    }

    void closedPageRescaling_data()
    {
        QTest::addColumn<QJsonObject>("page");
        QTest::addColumn<QJsonObject>("control");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("page w 0: x and w kept, y and h scaled") << pageObject(0, 1080)
            << control("Button", "B", 100, 50, 333, 99) << QSize(1280, 720) << QRect(100, 33, 333, 66);
        // 2,000,000 × 15360 does not fit in 32 bits.
        QTest::newRow("large values in 64 bits") << pageObject(1920, 1080) << control("Button", "B", 2000000, 1000000, 1920, 1080)
                                                 << QSize(15360, 8640) << QRect(16000000, 8000000, 15360, 8640);
    }
    void closedPageRescaling()
    {
        QFETCH(QJsonObject, page);
        QFETCH(QJsonObject, control);
        QFETCH(QSize, size);
        QFETCH(QRect, expected);
        // Elements without a kind are kept as they are, other keys of the file too.
        const QJsonObject noType{{"x", 100}, {"note", "kept"}};
        const QJsonObject root{{"Control", QJsonArray{7, noType, control, page}}, {"future", "kept"}};
        QVERIFY(writeFixture(f.pagePath("home"), QJsonDocument(root).toJson()));
        GlobalManager::instance()->slotSetResData("home", size.width(), size.height());
        const QJsonObject saved = QJsonDocument::fromJson(readFixture(f.pagePath("home"))).object();
        const QJsonArray elements = saved.value("Control").toArray();
        QCOMPARE(elements.size(), 3);
        QCOMPARE(elements.at(0).toObject(), noType);
        QCOMPARE(saved.value("future"), QJsonValue("kept"));
        const QJsonObject scaled = elements.at(1).toObject();
        QCOMPARE(QRect(scaled["x"].toInt(), scaled["y"].toInt(), scaled["w"].toInt(), scaled["h"].toInt()), expected);
        QCOMPARE(QSize(elements.at(2)["w"].toInt(), elements.at(2)["h"].toInt()), size);
        // A size no page takes, or a name that is no file name, changes nothing.
        const QByteArray bytes = readFixture(f.pagePath("home"));
        GlobalManager::instance()->slotSetResData("home", 100, 720);
        GlobalManager::instance()->slotSetResData("../hall/home", 960, 540);
        QCOMPARE(readFixture(f.pagePath("home")), bytes);
    }

    void unreadablePageFileOpensNoTab_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("not json") << QByteArray("{\"Control\": [{\"type\": \"Page\"") << QStringLiteral("文件解析错误");
        QTest::newRow("no Control") << QByteArray("{\"Controls\": []}") << QStringLiteral("文件格式不对");
        QTest::newRow("array document") << QByteArray("[]") << QStringLiteral("文件格式不对");
        QTest::newRow("Control not an array") << QByteArray("{\"Control\": {}}") << QStringLiteral("文件格式不对");
    }
    void unreadablePageFileOpensNoTab()
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

    void savedPageReportsPlaceAndPropertyEditorForgetsControlsThatGo()
    {
        GlobalManager *manager = GlobalManager::instance();
        PropertyWidget properties;
        manager->setPropertyWidget(&properties);
        QVERIFY(manager->openPageTab("home", 0));
        UIPage *page = manager->currentPage();
        page->setControlAttributes({{"MainPage", 1}, {"PlaceId", 4}}, true, 1);
        UIBase *button = addControl(page, 113, "Button_0", 10, 10, 50, 20);
        UIBase *label = addControl(page, 104, "Label_0", 100, 10, 50, 20);
        manager->saveAllPages();
        QVERIFY(!page->isModified());
        QCOMPARE(projectEntries(f.projectFile).at(0).toObject(),
                 jsonFixture(R"({"File": "home.json", "MainPage": 1, "PlaceId": 4, "PageType": 0})"));
        QCOMPARE(readPage(f.pagePath("home")).last()["PlaceId"], QJsonValue(4));
        QCOMPARE(manager->pages().first().placeId, 4);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(properties.currentControl(), static_cast<QWidget *>(label));
        // Deleting another control leaves the editor alone; undoing the
        // label's add takes it off the editor too.
        page->deleteControl(button);
        QCOMPARE(properties.currentControl(), static_cast<QWidget *>(label));
        page->undo();
        page->undo();
        QVERIFY(!properties.currentControl() && !manager->propertyControl());
        manager->setPropertyWidget(nullptr);
    }

private:
    ProjectFixture f;
};

QTEST_MAIN(TestPageOperations)
#include "tst_pageoperations.moc"
