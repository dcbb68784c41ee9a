#include "controls/compositecontrols.h"
#include "tests/canvas/pagefixture.h"

using namespace pagefixture;

class TestFactory : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(f.setUp(1920, 1080)); }
    void cleanup() { f.tearDown(); }

    void everyKindMakesItsControl_data();
    void everyKindMakesItsControl();
    void idsWithoutKindMakeNothing_data();
    void idsWithoutKindMakeNothing();
    void typeNamesAreFoundWithoutRegardToCase();
    void nextWidgetIndexFollowsLargestIndex();
    void imageNamesResolveAgainstThePageFolder();
    void interlockGroupsRaiseLargestGroupId();

private:
    PageFixture f;
};

void TestFactory::everyKindMakesItsControl_data()
{
    QTest::addColumn<int>("nClass");
    QTest::addColumn<int>("reported");
    for (const ControlTypeEntry &entry : designControlTypes()) {
        if (entry.id != 100)
            QTest::newRow(qPrintable(entry.name)) << entry.id << (entry.id == 142 ? 140 : entry.id);
    }
}

void TestFactory::everyKindMakesItsControl()
{
    QFETCH(int, nClass);
    QFETCH(int, reported);
    const QString type = designControlTypeName(nClass);
    UIBase *made = f.page->createControl(nClass, control(type, type + QStringLiteral("_0"), 10, 20, 300, 200));
    QVERIFY(made);
    QCOMPARE(made->getType(), reported);
    QCOMPARE(made->parentWidget(), static_cast<QWidget *>(f.page));
    QCOMPARE(f.page->controls().value(nClass), QList<UIBase *>{made});
    QCOMPARE(f.page->classOf(made), nClass);
    QCOMPARE(made->attributes().value("type"), QJsonValue(type));
    QVERIFY(made->isVisibleTo(f.page));
    QVERIFY(QString::fromLatin1(made->metaObject()->className()) != QLatin1String("UIFallbackControl"));
    // Composite kinds carry their own class tag.
    for (const CompositeKindInfo &kind : compositeKinds()) {
        if (kind.typeId == nClass)
            QCOMPARE(made->classTag(), QString::fromLatin1(kind.classTag));
    }
}

void TestFactory::idsWithoutKindMakeNothing_data()
{
    QTest::addColumn<int>("nClass");
    for (int id : {99, 100, 132, 147, 152, 165, -1})
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void TestFactory::idsWithoutKindMakeNothing()
{
    QFETCH(int, nClass);
    f.page->setModified(false);
    QVERIFY(!f.page->createControl(nClass, control("Button", "B", 0, 0, 9, 9)));
    QCOMPARE(f.page->controlCount(), 0);
    QVERIFY(!f.page->isModified());
}

void TestFactory::typeNamesAreFoundWithoutRegardToCase()
{
    QCOMPARE(f.page->typeId("cmdbutton"), 129);
    QCOMPARE(f.page->typeId("PAGE"), 100);
    QCOMPARE(f.page->typeId("AudioSwitchButton"), -1);
    QCOMPARE(f.page->typeName(148), QStringLiteral("AudioSwicthButton"));
    QCOMPARE(f.page->typeName(132), QString());
    QJsonObject lower = control("button", "Button_0", 0, 0, 9, 9);
    QCOMPARE(f.page->createControlFromJson(lower), 0);
    QCOMPARE(f.page->controls().value(113).size(), 1);
}

void TestFactory::nextWidgetIndexFollowsLargestIndex()
{
    QCOMPARE(f.page->nextWidgetIndex(113), 0);
    f.page->createControl(113, control("Button", "Button_0", 0, 0, 9, 9));
    f.page->createControl(113, control("Button", "Button_4", 0, 0, 9, 9));
    QCOMPARE(f.page->nextWidgetIndex(113), 5);
    // A name that numbers nothing leaves the index unset (-1).
    f.page->createControl(104, control("Label", "Title", 0, 0, 9, 9));
    QCOMPARE(f.page->nextWidgetIndex(104), 0);
}

void TestFactory::imageNamesResolveAgainstThePageFolder()
{
    QJsonObject page = pageObject(800, 600);
    page.insert("normal_image_path", QStringLiteral("C:\\work\\img\\bg.png"));
    QVERIFY(writePage(f.workDir->filePath("img.json"), {page,
        control("ImageLabel", "ImageLabel_0", 0, 0, 9, 9)}));
    UIPage opened;
    opened.openPage(info(f.workDir->path(), "img"));
    QCOMPARE(opened.backgroundImagePath(), f.workDir->path() + QStringLiteral("/bg.png"));
    QCOMPARE(opened.controls().value(103).first()->fileDir(), f.workDir->path());
}

void TestFactory::interlockGroupsRaiseLargestGroupId()
{
    QJsonObject a = control("CmdButton", "CmdButton_0", 0, 0, 9, 9);
    a.insert("m_group_id", 12);
    QJsonObject b = control("CmdButton", "CmdButton_1", 0, 0, 9, 9);
    b.insert("m_group_id", 5);
    QVERIFY(writePage(f.workDir->filePath("groups.json"), {pageObject(800, 600), a, b}));
    UIPage opened;
    opened.openPage(info(f.workDir->path(), "groups"));
    QCOMPARE(opened.largestGroupId(), 12);
    QCOMPARE(GlobalManager::instance()->maxId(), 12);
}

QTEST_MAIN(TestFactory)
#include "tst_factory.moc"
