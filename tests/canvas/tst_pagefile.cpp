#include "canvas/controlfactory.h"
#include "tests/canvas/pagefixture.h"

using namespace pagefixture;

class TestPageFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600)); }
    void cleanup() { f.tearDown(); }

    void savedFileListsControlsByKindThenPageAndReopens();
    void pageObjectAfterControlsIsAppliedFirst();
    void unusableElementsAreSkippedButKept_data();
    void unusableElementsAreSkippedButKept();
    void pageKeysOfWrongTypeTakeTheirDefaults_data();
    void pageKeysOfWrongTypeTakeTheirDefaults();
    void compositeKindsKeepTheirObject_data();
    void compositeKindsKeepTheirObject();
    void kindWithoutClassStillRoundTrips();
    void wallGridButtonIsFiledUnderItsOwnKind();
    void loadingLeavesPageUnmodifiedAndWritesNothing();
    void failedSaveIsReportedAndPageStaysModified();
    void savedFileIsIndentedSortedUtf8();
    void unreadableFilesOpenNothing_data();
    void unreadableFilesOpenNothing();
    void shownPlaceIdIsSavedWithThePage();
    void pageWithoutPageObjectKeepsItsAttributes_data();
    void pageWithoutPageObjectKeepsItsAttributes();

private:
    // Writes the elements as the page file "home" and opens it afresh.
    bool openFile(const QJsonArray &elements)
    {
        if (!writePage(pagePath(), elements))
            return false;
        delete f.page;
        f.page = new UIPage;
        return f.page->openPage(home()) == UIPage::LoadOk;
    }
    // Saves the page as the user's Ctrl+S does, changed or not.
    void save()
    {
        f.page->setModified(true);
        f.page->slotSaveFile();
    }
    PageInfo home() const { return info(f.workDir->path(), "home"); }
    QString pagePath() const { return f.workDir->filePath("home.json"); }

    PageFixture f;
};

void TestPageFile::savedFileListsControlsByKindThenPageAndReopens()
{
    QJsonObject button = control("Button", "Button_0", 10, 20, 100, 40);
    button.insert("text", "普通按钮");
    // Keys that nothing here knows travel unchanged.
    button.insert("future_object", QJsonObject{{"a", 1}});
    button.insert("future_list", QJsonArray{1, "two"});
    const QJsonObject second = control("Button", "Button_2", 30, 40, 50, 60);
    QJsonObject cmd = control("CmdButton", "CmdButton_0", 5, 5, 80, 30);
    cmd.insert("on_cmd_data_list", QJsonArray{QJsonObject{{"ip", "10.0.0.1"}}});
    const QJsonObject label = control("Label", "Label_0", 300, 200, 120, 60);
    const QJsonObject wall = control("WallGridSettingButton", "WallGridSettingButton_0", 1, 2, 3, 4);
    const QJsonObject image = control("ImageLabel", "ImageLabel_0", 7, 8, 9, 10);
    QJsonObject page = pageObject(1280, 720);
    page.insert("page_type", 0);
    page.insert("fixed_position", 0);
    page.insert("future_page_key", "kept");
    page.insert("PlaceId", -1);

    QVERIFY(openFile({button, wall, page, cmd, second, label, image}));
    QCOMPARE(f.page->controlCount(), 6);
    save();
    QVERIFY(!f.page->isModified());
    // By ascending kind, each kind in the order read, then the page object.
    QCOMPARE(readPage(pagePath()), (QJsonArray{image, label, button, second, cmd, wall, page}));

    UIPage reopened;
    QCOMPARE(reopened.openPage(home()), UIPage::LoadOk);
    QCOMPARE(reopened.pageDocument(), f.page->pageDocument());
    QCOMPARE(reopened.findControl(104, "Label_0")->geometry(), QRect(300, 200, 120, 60));
    QCOMPARE(reopened.size(), QSize(1280, 720));
}

void TestPageFile::pageObjectAfterControlsIsAppliedFirst()
{
    QJsonObject page = pageObject(1000, 800);
    page.insert("editScale", 0.5);
    QVERIFY(openFile({control("Button", "Button_0", 100, 60, 40, 20), page}));
    QCOMPARE(f.page->getScale(), 0.5);
    QCOMPARE(f.page->size(), QSize(500, 400));
    const UIBase *button = f.page->findControl(113, "Button_0");
    QVERIFY(button);
    QCOMPARE(button->getScale(), 0.5);
    QCOMPARE(button->geometry(), QRect(50, 30, 20, 10));
}

void TestPageFile::unusableElementsAreSkippedButKept_data()
{
    QTest::addColumn<QJsonValue>("element");
    QTest::addColumn<int>("fromJson");
    QTest::addColumn<bool>("keptOnSave");

    QJsonObject noType = control(QString(), QStringLiteral("x"), 0, 0, 1, 1);
    noType.remove("type");
    QJsonObject numberType = noType;
    numberType.insert("type", 113);

    QTest::newRow("number element") << QJsonValue(42) << 99 << true;
    QTest::newRow("string element") << QJsonValue(QStringLiteral("Button")) << 99 << true;
    QTest::newRow("array element") << QJsonValue(QJsonArray{1}) << 99 << true;
    QTest::newRow("no type") << QJsonValue(noType) << -1 << true;
    QTest::newRow("type not a string") << QJsonValue(numberType) << -2 << true;
    QTest::newRow("unknown kind")
        << QJsonValue(control("NoSuchKind", "n", 0, 0, 1, 1)) << 0 << true;
    QJsonObject second = pageObject(500, 400);
    second.insert("text", "second");
    QTest::newRow("a second page object: only the first counts") << QJsonValue(second) << 0 << false;
}

void TestPageFile::unusableElementsAreSkippedButKept()
{
    QFETCH(QJsonValue, element);
    QFETCH(int, fromJson);

    const QJsonObject before = control("Button", "Button_0", 1, 1, 10, 10);
    const QJsonObject after = control("Label", "Label_0", 2, 2, 10, 10);
    QVERIFY(openFile({pageObject(800, 600), before, element, after}));
    QCOMPARE(f.page->controlCount(), 2);
    QCOMPARE(names(f.page, 113), QStringList{"Button_0"});
    QCOMPARE(names(f.page, 104), QStringList{"Label_0"});
    QCOMPARE(f.page->size(), QSize(800, 600));
    QCOMPARE(f.page->pageText(), QString());
    if (element.isObject()) {
        QJsonObject object = element.toObject();
        QCOMPARE(f.page->createControlFromJson(object), fromJson);
        QCOMPARE(f.page->controlCount(), 2);
    }

    // What the canvas cannot place is written back as read, not lost.
    QFETCH(bool, keptOnSave);
    save();
    const QJsonArray saved = readPage(pagePath());
    QCOMPARE(saved.contains(element), keptOnSave);
    QCOMPARE(saved.size(), keptOnSave ? 4 : 3);
    QCOMPARE(saved.last().toObject().value("type").toString(), QString("Page"));
}

void TestPageFile::pageKeysOfWrongTypeTakeTheirDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QJsonValue>("stored");

    QTest::newRow("w as text") << "w" << QJsonValue(QStringLiteral("800")) << QJsonValue(1920);
    QTest::newRow("h as text") << "h" << QJsonValue(QStringLiteral("600")) << QJsonValue(1080);
    QTest::newRow("PlaceId as text") << "PlaceId" << QJsonValue(QStringLiteral("3")) << QJsonValue(-1);
    QTest::newRow("MainPage as bool") << "MainPage" << QJsonValue(true) << QJsonValue(0);
    QTest::newRow("fontsize as text") << "fontsize" << QJsonValue(QStringLiteral("9")) << QJsonValue(14);
    QTest::newRow("colour as number") << "normalBkColor" << QJsonValue(5) << QJsonValue(QString());
    QTest::newRow("unknown key kept") << "page_type" << QJsonValue(QStringLiteral("x"))
                                      << QJsonValue(QStringLiteral("x"));
}

void TestPageFile::pageKeysOfWrongTypeTakeTheirDefaults()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(QJsonValue, stored);

    QJsonObject page = pageObject(800, 600);
    page.insert(key, value);
    QVERIFY(openFile({page}));
    QCOMPARE(f.page->attributes().value(key), stored);
    if (key == QLatin1String("w"))
        QCOMPARE(f.page->width(), 1920);
    if (key == QLatin1String("h"))
        QCOMPARE(f.page->height(), 1080);
    if (key == QLatin1String("PlaceId"))
        QCOMPARE(f.page->pageInfo().placeId, -1);
}

void TestPageFile::compositeKindsKeepTheirObject_data()
{
    QTest::addColumn<int>("nClass");
    for (int id : {101, 102, 107, 111, 112, 124, 130, 131, 135, 136, 137, 145, 157, 163, 164})
        QTest::newRow(qPrintable(designControlTypeName(id))) << id;
}

void TestPageFile::compositeKindsKeepTheirObject()
{
    QFETCH(int, nClass);
    const QString type = designControlTypeName(nClass);
    QJsonObject object = control(type, type + QStringLiteral("_0"), 40, 50, 300, 200);
    object.insert("future_key", QStringLiteral("kept"));
    object.insert("text", QStringLiteral("文本"));
    QVERIFY(openFile({pageObject(1920, 1080), object}));
    QCOMPARE(f.page->controls().value(nClass).size(), 1);
    save();

    const QJsonArray saved = readPage(pagePath());
    QCOMPARE(saved.size(), 2);
    const QJsonObject written = saved.at(0).toObject();
    // A composite kind may add keys of its own; every key read comes back.
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        QCOMPARE(written.value(it.key()), it.value());
}

void TestPageFile::kindWithoutClassStillRoundTrips()
{
    QWidget parent;
    UIBase *standIn = ControlFactory::construct(170, QStringLiteral("FutureKind"), &parent);
    QVERIFY(standIn);
    QCOMPARE(standIn->getType(), 170);
    QCOMPARE(standIn->classTag(), QStringLiteral("futurekind"));
    const QJsonObject object{{"type", "FutureKind"}, {"name", "FutureKind_0"}, {"odd", QJsonArray{1}}};
    standIn->setAttributes(object, false, false);
    QCOMPARE(standIn->attributes(), object);
}

void TestPageFile::wallGridButtonIsFiledUnderItsOwnKind()
{
    QVERIFY(openFile({pageObject(800, 600),
                      control("WallGridSettingButton", "Wall_0", 1, 2, 30, 40)}));
    QCOMPARE(f.page->controls().value(142).size(), 1);
    QVERIFY(!f.page->controls().contains(140));
    UIBase *wall = f.page->controls().value(142).first();
    QCOMPARE(wall->getType(), 140);
    QCOMPARE(f.page->classOf(wall), 142);
}

void TestPageFile::loadingLeavesPageUnmodifiedAndWritesNothing()
{
    QVERIFY(openFile({pageObject(800, 600), control("Button", "Button_0", 1, 2, 30, 40)}));
    QVERIFY(!f.page->isModified());
    QVERIFY(QFile::remove(pagePath()));
    f.page->slotSaveFile();
    QVERIFY(!QFile::exists(pagePath()));
    QVERIFY(f.page->createControl(104, control("Label", "Label_0", 0, 0, 5, 5)));
    QVERIFY(f.page->isModified());
}

void TestPageFile::failedSaveIsReportedAndPageStaysModified()
{
    UIPage page;
    const QString missing = f.workDir->filePath(QStringLiteral("gone/deeper"));
    page.openPage(info(missing, QStringLiteral("lost")));
    QVERIFY(page.createControl(113, control("Button", "Button_0", 0, 0, 5, 5)));
    page.slotSaveFile();
    QCOMPARE(f.notifier->texts(), QStringList{QStringLiteral("open file fail: lost.json")});
    QVERIFY(page.isModified());
    QVERIFY(!QFile::exists(missing + QStringLiteral("/lost.json")));

    // Once the folder is there, the next save writes the page.
    QVERIFY(QDir().mkpath(missing));
    page.slotSaveFile();
    QVERIFY(!page.isModified());
    QCOMPARE(readPage(missing + QStringLiteral("/lost.json")).size(), 2);
}

void TestPageFile::savedFileIsIndentedSortedUtf8()
{
    QJsonObject label = control("Label", "Label_0", 1, 2, 3, 4);
    label.insert("text", QStringLiteral("中文标签"));
    QVERIFY(openFile({pageObject(800, 600), label}));
    save();
    const QByteArray bytes = readFixture(pagePath());
    QVERIFY(bytes.startsWith("{\n    \"Control\": [\n        {\n"));
    QVERIFY(bytes.contains(QStringLiteral("\"text\": \"中文标签\"").toUtf8()));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    const int h = bytes.indexOf("\"h\"");
    const int name = bytes.indexOf("\"name\"");
    const int text = bytes.indexOf("\"text\"");
    const int type = bytes.indexOf("\"type\"");
    const int x = bytes.indexOf("\"x\"");
    QVERIFY(h < name && name < text && text < type && type < x);
}

void TestPageFile::unreadableFilesOpenNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("result");

    QTest::newRow("not json") << QByteArray("{\"Control\": [") << int(UIPage::LoadParseError);
    QTest::newRow("array document") << QByteArray("[]") << int(UIPage::LoadBadFormat);
    QTest::newRow("no Control") << QByteArray("{\"Page\": []}") << int(UIPage::LoadBadFormat);
    QTest::newRow("Control not an array") << QByteArray("{\"Control\": {}}") << int(UIPage::LoadBadFormat);
    QTest::newRow("empty file") << QByteArray() << int(UIPage::LoadOk);
}

void TestPageFile::unreadableFilesOpenNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, result);
    QVERIFY(writeFixture(pagePath(), bytes));
    UIPage page;
    QCOMPARE(int(page.openPage(home())), result);
    QCOMPARE(page.controlCount(), 0);
    QVERIFY(!page.isModified());
    QCOMPARE(readFixture(pagePath()), bytes);
}

void TestPageFile::shownPlaceIdIsSavedWithThePage()
{
    QJsonObject page = pageObject(800, 600);
    page.insert("PlaceId", 7);
    QVERIFY(openFile({page}));
    QCOMPARE(f.page->pageInfo().placeId, 7);
    f.page->setControlAttributes({{"PlaceId", 9}}, true, 0);
    f.page->selectPage();
    QCOMPARE(f.page->attributes().value("PlaceId"), QJsonValue(9));
    save();
    QCOMPARE(readPage(pagePath()).last().toObject().value("PlaceId"), QJsonValue(9));
}

void TestPageFile::pageWithoutPageObjectKeepsItsAttributes_data()
{
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<QByteArray>("bytes");

    const QJsonArray onlyControls{control("Button", "Button_0", 1, 2, 30, 40)};
    QTest::newRow("controls without a page object")
        << true << QJsonDocument(QJsonObject{{"Control", onlyControls}}).toJson();
    QTest::newRow("empty file") << true << QByteArray();
}

void TestPageFile::pageWithoutPageObjectKeepsItsAttributes()
{
    QFETCH(bool, fileThere);
    QFETCH(QByteArray, bytes);
    if (fileThere)
        QVERIFY(writeFixture(pagePath(), bytes));

    int elements = -1;
    for (int round = 0; round < 3; ++round) {
        UIPage page;
        QCOMPARE(page.openPage(home()), UIPage::LoadOk);
        // What the user gave the page last time is there again.
        if (round > 0)
            QCOMPARE(page.normalBkColor(), QStringLiteral("#ff00ff%1").arg(round - 1, 2, 10, QLatin1Char('0')));
        page.setControlAttributes({{"normalBkColor", QStringLiteral("#ff00ff%1").arg(round, 2, 10, QLatin1Char('0'))}},
                                  true, 1);
        page.slotSaveFile();
        QVERIFY(!page.isModified());

        const QJsonArray saved = readPage(pagePath());
        int pageObjects = 0;
        for (const QJsonValue &element : saved)
            pageObjects += element["type"] == "Page";
        QCOMPARE(pageObjects, 1);
        QCOMPARE(saved.last()["type"], QJsonValue("Page"));
        // Saving again and again does not make the file grow.
        if (elements >= 0)
            QCOMPARE(saved.size(), elements);
        elements = saved.size();
    }
}

QTEST_MAIN(TestPageFile)
#include "tst_pagefile.moc"
