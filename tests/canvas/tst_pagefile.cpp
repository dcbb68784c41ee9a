#include "canvas/controlfactory.h"
#include "canvas/uipage.h"
#include "core/globalmanager.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

using namespace pagefixture;

class TestPageFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savedFileListsControlsByKindThenPage();
    void reopenedPageHasSameControlsNamesAndGeometry();
    void pageObjectAfterControlsIsAppliedFirst();
    void onlyFirstOfTwoPageObjectsIsApplied();
    void unusableElementsAreSkippedButKept_data();
    void unusableElementsAreSkippedButKept();
    void pageKeysOfWrongTypeTakeTheirDefaults_data();
    void pageKeysOfWrongTypeTakeTheirDefaults();
    void compositeKindsKeepTheirObject_data();
    void compositeKindsKeepTheirObject();
    void kindWithoutClassStillRoundTrips();
    void wallGridButtonIsFiledUnderItsOwnKind();
    void loadingLeavesPageUnmodified();
    void unmodifiedPageWritesNothing();
    void failedSaveIsReportedAndPageStaysModified();
    void savedFileIsIndentedSortedUtf8();
    void unreadableFilesOpenNothing_data();
    void unreadableFilesOpenNothing();
    void shownPlaceIdIsSavedWithThePage();
    void pageWithoutPageObjectKeepsItsAttributes_data();
    void pageWithoutPageObjectKeepsItsAttributes();

private:
    UIPage *openFile(const QJsonArray &elements, UIPage::LoadResult *result = nullptr);
    QString pagePath() const { return m_workDir->filePath(QStringLiteral("home.json")); }

    TestWorkDir *m_workDir = nullptr;
    TestNotifier *m_notifier = nullptr;
    UIPage *m_page = nullptr;
};

void TestPageFile::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_notifier = new TestNotifier;
}

void TestPageFile::cleanup()
{
    delete m_page;
    m_page = nullptr;
    flushDeletes();
    delete m_notifier;
    m_notifier = nullptr;
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

UIPage *TestPageFile::openFile(const QJsonArray &elements, UIPage::LoadResult *result)
{
    if (!writePage(pagePath(), elements))
        return nullptr;
    delete m_page;
    m_page = new UIPage;
    const UIPage::LoadResult loaded = m_page->openPage(info(m_workDir->path(), QStringLiteral("home")));
    if (result)
        *result = loaded;
    return m_page;
}

void TestPageFile::savedFileListsControlsByKindThenPage()
{
    QJsonObject button = control(QStringLiteral("Button"), QStringLiteral("Button_0"), 10, 20, 100, 40);
    button.insert(QStringLiteral("text"), QStringLiteral("普通按钮"));
    // Keys that nothing here knows travel unchanged.
    button.insert(QStringLiteral("future_object"), QJsonObject{{"a", 1}});
    button.insert(QStringLiteral("future_list"), QJsonArray{1, "two"});
    QJsonObject cmd = control(QStringLiteral("CmdButton"), QStringLiteral("CmdButton_0"), 5, 5, 80, 30);
    cmd.insert(QStringLiteral("on_cmd_data_list"), QJsonArray{QJsonObject{{"ip", "10.0.0.1"}}});
    const QJsonObject label = control(QStringLiteral("Label"), QStringLiteral("Label_0"), 0, 0, 50, 50);
    const QJsonObject wall = control(QStringLiteral("WallGridSettingButton"),
                                     QStringLiteral("WallGridSettingButton_0"), 1, 2, 3, 4);
    const QJsonObject image = control(QStringLiteral("ImageLabel"), QStringLiteral("ImageLabel_0"), 7, 8, 9, 10);
    QJsonObject page = pageObject(1920, 1080);
    page.insert(QStringLiteral("page_type"), 0);
    page.insert(QStringLiteral("fixed_position"), 0);
    page.insert(QStringLiteral("future_page_key"), QStringLiteral("kept"));

    UIPage *opened = openFile({button, wall, page, cmd, label, image});
    QVERIFY(opened);
    QCOMPARE(opened->controlCount(), 5);
    opened->setModified(true);
    opened->slotSaveFile();
    QVERIFY(!opened->isModified());

    const QJsonArray saved = readPage(pagePath());
    const QJsonArray expected{image, label, button, cmd, wall, page};
    QCOMPARE(saved, expected);
}

void TestPageFile::reopenedPageHasSameControlsNamesAndGeometry()
{
    QJsonArray elements;
    elements.append(pageObject(1280, 720));
    for (int i = 0; i < 3; ++i)
        elements.append(control(QStringLiteral("Button"), QStringLiteral("Button_%1").arg(i), 10 * i, 20 * i, 30, 40));
    elements.append(control(QStringLiteral("Label"), QStringLiteral("Label_4"), 300, 200, 120, 60));
    QVERIFY(openFile(elements));
    m_page->setModified(true);
    m_page->slotSaveFile();

    UIPage reopened;
    QCOMPARE(reopened.openPage(info(m_workDir->path(), QStringLiteral("home"))), UIPage::LoadOk);
    QCOMPARE(names(&reopened, 113), (QStringList{"Button_0", "Button_1", "Button_2"}));
    QCOMPARE(names(&reopened, 104), QStringList{"Label_4"});
    const UIBase *label = reopened.findControl(104, QStringLiteral("Label_4"));
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(300, 200, 120, 60));
    QCOMPARE(reopened.size(), QSize(1280, 720));
    QCOMPARE(reopened.pageDocument(), m_page->pageDocument());
}

void TestPageFile::pageObjectAfterControlsIsAppliedFirst()
{
    QJsonObject page = pageObject(1000, 800);
    page.insert(QStringLiteral("editScale"), 0.5);
    QVERIFY(openFile({control(QStringLiteral("Button"), QStringLiteral("Button_0"), 100, 60, 40, 20), page}));
    QCOMPARE(m_page->getScale(), 0.5);
    QCOMPARE(m_page->size(), QSize(500, 400));
    const UIBase *button = m_page->findControl(113, QStringLiteral("Button_0"));
    QVERIFY(button);
    QCOMPARE(button->getScale(), 0.5);
    QCOMPARE(button->geometry(), QRect(50, 30, 20, 10));
}

void TestPageFile::onlyFirstOfTwoPageObjectsIsApplied()
{
    QJsonObject second = pageObject(500, 400);
    second.insert(QStringLiteral("text"), QStringLiteral("second"));
    QVERIFY(openFile({pageObject(1000, 800), second}));
    QCOMPARE(m_page->size(), QSize(1000, 800));
    QCOMPARE(m_page->pageText(), QString());
    QCOMPARE(m_page->controlCount(), 0);
    m_page->setModified(true);
    m_page->slotSaveFile();
    QCOMPARE(readPage(pagePath()), QJsonArray{pageObject(1000, 800)});
}

void TestPageFile::unusableElementsAreSkippedButKept_data()
{
    QTest::addColumn<QJsonValue>("element");
    QTest::addColumn<int>("fromJson");
    QTest::addColumn<bool>("keptOnSave");

    QJsonObject noType = control(QString(), QStringLiteral("x"), 0, 0, 1, 1);
    noType.remove(QStringLiteral("type"));
    QJsonObject numberType = noType;
    numberType.insert(QStringLiteral("type"), 113);

    QTest::newRow("number element") << QJsonValue(42) << 99 << true;
    QTest::newRow("string element") << QJsonValue(QStringLiteral("Button")) << 99 << true;
    QTest::newRow("array element") << QJsonValue(QJsonArray{1}) << 99 << true;
    QTest::newRow("no type") << QJsonValue(noType) << -1 << true;
    QTest::newRow("type not a string") << QJsonValue(numberType) << -2 << true;
    QTest::newRow("unknown kind")
        << QJsonValue(control(QStringLiteral("NoSuchKind"), QStringLiteral("n"), 0, 0, 1, 1)) << 0 << true;
    QTest::newRow("a second page object")
        << QJsonValue(pageObject(10, 10)) << 0 << false;
}

void TestPageFile::unusableElementsAreSkippedButKept()
{
    QFETCH(QJsonValue, element);
    QFETCH(int, fromJson);

    const QJsonObject before = control(QStringLiteral("Button"), QStringLiteral("Button_0"), 1, 1, 10, 10);
    const QJsonObject after = control(QStringLiteral("Label"), QStringLiteral("Label_0"), 2, 2, 10, 10);
    QVERIFY(openFile({pageObject(800, 600), before, element, after}));
    QCOMPARE(m_page->controlCount(), 2);
    QCOMPARE(names(m_page, 113), QStringList{"Button_0"});
    QCOMPARE(names(m_page, 104), QStringList{"Label_0"});
    if (element.isObject()) {
        QJsonObject object = element.toObject();
        QCOMPARE(m_page->createControlFromJson(object), fromJson);
        QCOMPARE(m_page->controlCount(), 2);
    }

    // What the canvas cannot place is written back as read, not lost.
    QFETCH(bool, keptOnSave);
    m_page->setModified(true);
    m_page->slotSaveFile();
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
    QCOMPARE(m_page->attributes().value(key), stored);
    if (key == QLatin1String("w"))
        QCOMPARE(m_page->width(), 1920);
    if (key == QLatin1String("h"))
        QCOMPARE(m_page->height(), 1080);
    if (key == QLatin1String("PlaceId"))
        QCOMPARE(m_page->pageInfo().placeId, -1);
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
    object.insert(QStringLiteral("future_key"), QStringLiteral("kept"));
    object.insert(QStringLiteral("text"), QStringLiteral("文本"));
    QVERIFY(openFile({pageObject(1920, 1080), object}));
    QCOMPARE(m_page->controls().value(nClass).size(), 1);
    m_page->setModified(true);
    m_page->slotSaveFile();

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
                      control(QStringLiteral("WallGridSettingButton"), QStringLiteral("Wall_0"), 1, 2, 30, 40)}));
    QCOMPARE(m_page->controls().value(142).size(), 1);
    QVERIFY(!m_page->controls().contains(140));
    UIBase *wall = m_page->controls().value(142).first();
    QCOMPARE(wall->getType(), 140);
    QCOMPARE(m_page->classOf(wall), 142);
}

void TestPageFile::loadingLeavesPageUnmodified()
{
    QVERIFY(openFile({pageObject(800, 600),
                      control(QStringLiteral("Button"), QStringLiteral("Button_0"), 1, 2, 30, 40)}));
    QVERIFY(!m_page->isModified());
    QVERIFY(m_page->createControl(104, control(QStringLiteral("Label"), QStringLiteral("Label_0"), 0, 0, 5, 5)));
    QVERIFY(m_page->isModified());
}

void TestPageFile::unmodifiedPageWritesNothing()
{
    QVERIFY(openFile({pageObject(800, 600)}));
    QVERIFY(QFile::remove(pagePath()));
    m_page->slotSaveFile();
    QVERIFY(!QFile::exists(pagePath()));
}

void TestPageFile::failedSaveIsReportedAndPageStaysModified()
{
    UIPage page;
    const QString missing = m_workDir->filePath(QStringLiteral("gone/deeper"));
    page.openPage(info(missing, QStringLiteral("lost")));
    QVERIFY(page.createControl(113, control(QStringLiteral("Button"), QStringLiteral("Button_0"), 0, 0, 5, 5)));
    page.slotSaveFile();
    QCOMPARE(m_notifier->texts(), QStringList{QStringLiteral("open file fail: lost.json")});
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
    QJsonObject label = control(QStringLiteral("Label"), QStringLiteral("Label_0"), 1, 2, 3, 4);
    label.insert(QStringLiteral("text"), QStringLiteral("中文标签"));
    QVERIFY(openFile({pageObject(800, 600), label}));
    m_page->setModified(true);
    m_page->slotSaveFile();
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
    QCOMPARE(int(page.openPage(info(m_workDir->path(), QStringLiteral("home")))), result);
    QCOMPARE(page.controlCount(), 0);
    QVERIFY(!page.isModified());
    QCOMPARE(readFixture(pagePath()), bytes);
}

void TestPageFile::shownPlaceIdIsSavedWithThePage()
{
    QJsonObject page = pageObject(800, 600);
    page.insert(QStringLiteral("PlaceId"), 7);
    QVERIFY(openFile({page}));
    QCOMPARE(m_page->pageInfo().placeId, 7);
    m_page->setControlAttributes({{"PlaceId", 9}}, true, 0);
    m_page->selectPage();
    QCOMPARE(m_page->attributes().value(QStringLiteral("PlaceId")), QJsonValue(9));
    m_page->setModified(true);
    m_page->slotSaveFile();
    QCOMPARE(readPage(pagePath()).last().toObject().value(QStringLiteral("PlaceId")), QJsonValue(9));
}

void TestPageFile::pageWithoutPageObjectKeepsItsAttributes_data()
{
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<QByteArray>("bytes");

    const QJsonObject button = control(QStringLiteral("Button"), QStringLiteral("Button_0"), 1, 2, 30, 40);
    const QByteArray onlyControls =
        QJsonDocument(QJsonObject{{"Control", QJsonArray{button}}}).toJson();
    QTest::newRow("controls without a page object") << true << onlyControls;
    QTest::newRow("empty file") << true << QByteArray();
    QTest::newRow("no file yet") << false << QByteArray();
}

void TestPageFile::pageWithoutPageObjectKeepsItsAttributes()
{
    QFETCH(bool, fileThere);
    QFETCH(QByteArray, bytes);
    if (fileThere)
        QVERIFY(writeFixture(pagePath(), bytes));
    const PageInfo home = info(m_workDir->path(), QStringLiteral("home"));

    int elements = -1;
    for (int round = 0; round < 3; ++round) {
        UIPage page;
        QCOMPARE(page.openPage(home), UIPage::LoadOk);
        // What the user gave the page last time is there again.
        if (round > 0)
            QCOMPARE(page.normalBkColor(), QStringLiteral("#ff00ff%1").arg(round - 1, 2, 10, QLatin1Char('0')));
        page.setControlAttributes({{"normalBkColor", QStringLiteral("#ff00ff%1").arg(round, 2, 10, QLatin1Char('0'))}},
                                  true, 1);
        page.slotSaveFile();
        QVERIFY(!page.isModified());

        const QJsonArray saved = readPage(pagePath());
        int pageObjects = 0;
        for (const QJsonValue &element : saved) {
            if (element.toObject().value(QStringLiteral("type")) == QStringLiteral("Page"))
                ++pageObjects;
        }
        QCOMPARE(pageObjects, 1);
        QCOMPARE(saved.last().toObject().value(QStringLiteral("type")), QJsonValue(QStringLiteral("Page")));
        // Saving again and again does not make the file grow.
        if (elements >= 0)
            QCOMPARE(saved.size(), elements);
        elements = saved.size();
    }
}

QTEST_MAIN(TestPageFile)
#include "tst_pagefile.moc"
