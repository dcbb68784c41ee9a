#include "tests/canvas/pagefixture.h"

#include <QImage>

using namespace pagefixture;

class TestPageFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(800, 600)); }
    void cleanup() { f.tearDown(); }

    void savedFileListsControlsByKindThenPageAndReopens();
    void unusableElementsAreSkippedButKept_data();
    void unusableElementsAreSkippedButKept();
    void failedSaveIsReportedAndPageStaysModified();
    void pageWithoutPageObjectKeepsItsAttributes_data();
    void pageWithoutPageObjectKeepsItsAttributes();
    void everyKindMakesItsControl_data();
    void everyKindMakesItsControl();
    void namesIndexesGroupsAndPicturesFollowTheFile();
    void background_data();
    void background();

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
    // The page object comes after some controls, yet its zoom reaches them all.
    QJsonObject page = pageObject(1280, 720);
    page.insert("editScale", 0.5);
    page.insert("PlaceId", 7);
    page.insert("future_page_key", "kept");

    QVERIFY(openFile({button, wall, page, cmd, second, label, image}));
    QCOMPARE(f.page->size(), QSize(640, 360));
    QCOMPARE(f.page->findControl(104, "Label_0")->geometry(), QRect(150, 100, 60, 30));
    QCOMPARE(f.page->pageInfo().placeId, 7);
    // Opening is no change: an unmodified page writes nothing.
    QVERIFY(!f.page->isModified());
    QVERIFY(QFile::remove(pagePath()));
    f.page->slotSaveFile();
    QVERIFY(!QFile::exists(pagePath()));

    save();
    QVERIFY(!f.page->isModified());
    // By ascending kind, each kind in the order read, then the page object,
    // which has taken the start page flag of its project entry.
    page.insert("MainPage", 0);
    QCOMPARE(readPage(pagePath()), (QJsonArray{image, label, button, second, cmd, wall, page}));
    // Indented, keys sorted, UTF-8 without a byte-order mark.
    const QByteArray bytes = readFixture(pagePath());
    QVERIFY(bytes.startsWith("{\n    \"Control\": [\n        {\n"));
    QVERIFY(bytes.contains(QStringLiteral("\"text\": \"普通按钮\"").toUtf8()));
    // A place the user sets is saved with the page.
    f.page->setControlAttributes({{"PlaceId", 9}}, true, 0);
    save();
    QCOMPARE(readPage(pagePath()).last()["PlaceId"], QJsonValue(9));
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
    QJsonObject second = pageObject(500, 400);
    second.insert("text", "second");

    QTest::newRow("number element") << QJsonValue(42) << 99 << true;
    QTest::newRow("no type") << QJsonValue(noType) << -1 << true;
    QTest::newRow("type not a string") << QJsonValue(numberType) << -2 << true;
    QTest::newRow("unknown kind") << QJsonValue(control("NoSuchKind", "n", 0, 0, 1, 1)) << 0 << true;
    QTest::newRow("a second page object: only the first counts") << QJsonValue(second) << 0 << false;
}

void TestPageFile::unusableElementsAreSkippedButKept()
{
    QFETCH(QJsonValue, element);
    QFETCH(int, fromJson);
    QFETCH(bool, keptOnSave);
    QVERIFY(openFile({pageObject(800, 600), control("Button", "Button_0", 1, 1, 10, 10), element,
                      control("Label", "Label_0", 2, 2, 10, 10)}));
    QCOMPARE(f.page->controlCount(), 2);
    QCOMPARE(f.page->size(), QSize(800, 600));
    QCOMPARE(f.page->pageText(), QString());
    if (element.isObject()) {
        QJsonObject object = element.toObject();
        QCOMPARE(f.page->createControlFromJson(object), fromJson);
        QCOMPARE(f.page->controlCount(), 2);
    }
    // What the canvas cannot place is written back as read, not lost.
    save();
    const QJsonArray saved = readPage(pagePath());
    QCOMPARE(saved.contains(element), keptOnSave);
    QCOMPARE(saved.size(), keptOnSave ? 4 : 3);
    QCOMPARE(saved.last()["type"], QJsonValue("Page"));
}

void TestPageFile::failedSaveIsReportedAndPageStaysModified()
{
    UIPage page;
    const QString missing = f.workDir->filePath(QStringLiteral("gone/deeper"));
    page.openPage(info(missing, QStringLiteral("lost")));
    QVERIFY(page.createControl(113, control("Button", "Button_0", 0, 0, 5, 5)));
    page.slotSaveFile();
    // The whole path, then why.
    QCOMPARE(f.notifier->texts(), QStringList{QString::fromUtf8("open file fail: %1/lost.json\n所在的文件夹不存在").arg(missing)});
    QVERIFY(page.isModified());
    QVERIFY(!QFile::exists(missing + QStringLiteral("/lost.json")));

    // Once the folder is there, the next save writes the page.
    QVERIFY(QDir().mkpath(missing));
    page.slotSaveFile();
    QVERIFY(!page.isModified());
    QCOMPARE(readPage(missing + QStringLiteral("/lost.json")).size(), 2);
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
    QString previous;
    for (int round = 0; round < 3; ++round) {
        UIPage page;
        QCOMPARE(page.openPage(home()), UIPage::LoadOk);
        // What the user gave the page last time is there again.
        if (round > 0)
            QCOMPARE(page.normalBkColor(), previous);
        previous = QStringLiteral("#ff00ff%1").arg(round, 2, 10, QLatin1Char('0'));
        page.setControlAttributes({{"normalBkColor", previous}}, true, 1);
        page.slotSaveFile();
        const QJsonArray saved = readPage(pagePath());
        QCOMPARE(saved.last()["type"], QJsonValue("Page"));
        // Saving again and again does not add page objects.
        QVERIFY(elements < 0 || saved.size() == elements);
        elements = saved.size();
    }
}

void TestPageFile::everyKindMakesItsControl_data()
{
    QTest::addColumn<int>("nClass");
    for (const ControlTypeEntry &entry : designControlTypes())
        QTest::newRow(qPrintable(entry.name)) << entry.id;
    for (int id : {132, 147, 152, 165, -1})
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void TestPageFile::everyKindMakesItsControl()
{
    QFETCH(int, nClass);
    const QString type = designControlTypeName(nClass);
    QJsonObject object = control(type, type + QStringLiteral("_0"), 40, 50, 300, 200);
    object.insert("future_key", QStringLiteral("kept"));
    object.insert("text", QStringLiteral("文本"));
    f.page->setModified(false);
    UIBase *made = f.page->createControl(nClass, object);
    // Neither the page itself nor an id without a kind makes a control.
    if (type.isEmpty() || nClass == UIPage::kPageTypeId) {
        QVERIFY(!made && !f.page->isModified());
        return;
    }
    QCOMPARE(made->getType(), nClass == 142 ? 140 : nClass);
    QCOMPARE(f.page->controls().value(nClass), QList<UIBase *>{made});
    QVERIFY(made->isVisibleTo(f.page));
    QVERIFY(QString::fromLatin1(made->metaObject()->className()) != QLatin1String("UIFallbackControl"));
    // A kind may add keys of its own; every key read comes back on save.
    save();
    const QJsonObject written = readPage(pagePath()).at(0).toObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        QCOMPARE(written.value(it.key()), it.value());
}

void TestPageFile::namesIndexesGroupsAndPicturesFollowTheFile()
{
    QJsonObject page = pageObject(800, 600);
    page.insert("normal_image_path", QStringLiteral("C:\\work\\img\\bg.png"));
    QJsonObject a = control("cmdbutton", "CmdButton_4", 0, 0, 9, 9);
    a.insert("m_group_id", 12);
    QJsonObject b = control("CmdButton", "CmdButton_0", 0, 0, 9, 9);
    b.insert("m_group_id", 5);
    QVERIFY(openFile({page, a, b, control("Label", "Title", 0, 0, 9, 9), control("ImageLabel", "I", 0, 0, 9, 9)}));
    // Kind names are found whatever their case.
    QCOMPARE(f.page->nextWidgetIndex(129), 5);
    // A name that numbers nothing leaves the index unset.
    QCOMPARE(f.page->nextWidgetIndex(104), 0);
    QCOMPARE(f.page->largestGroupId(), 12);
    QCOMPARE(GlobalManager::instance()->maxId(), 12);
    // Pictures named by a path of another machine are looked for beside the page.
    QCOMPARE(f.page->backgroundImagePath(), f.workDir->path() + QStringLiteral("/bg.png"));
    QCOMPARE(f.page->controls().value(103).first()->fileDir(), f.workDir->path());
}

void TestPageFile::background_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QColor>("painted");
    QTest::newRow("transparent colour paints white") << "#00204060" << "" << QColor(Qt::white);
    QTest::newRow("unreadable picture falls back to colour") << "#ff204060" << "missing.png"
                                                              << QColor(0x20, 0x40, 0x60);
    QTest::newRow("picture over colour") << "#ff204060" << "D:\\art\\bg.png" << QColor(200, 0, 0);
}

void TestPageFile::background()
{
    QFETCH(QString, colour);
    QFETCH(QString, picture);
    QFETCH(QColor, painted);
    QVERIFY(writeColourPicture(f.workDir->filePath("bg.png"), QColor(200, 0, 0)));
    QJsonObject object = pageObject(400, 300);
    object.insert(QStringLiteral("normalBkColor"), colour);
    object.insert(QStringLiteral("normal_image_path"), picture);
    QVERIFY(openFile({object}));
    const QImage shown = f.page->grab().toImage();
    QVERIFY(saveGrabIfAsked(shown, "uipage.png"));
    QCOMPARE(shown.pixelColor(300, 200), painted);
}

QTEST_MAIN(TestPageFile)
#include "tst_pagefile.moc"
