#include "canvas/uipage.h"
#include "controls/compositecontrols.h"
#include "core/globalmanager.h"
#include "tests/canvas/pagefixture.h"
#include "tests/testsupport.h"

#include <QtTest>

using namespace pagefixture;

class TestFactory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyKindMakesItsControl_data();
    void everyKindMakesItsControl();
    void idsWithoutKindMakeNothing_data();
    void idsWithoutKindMakeNothing();
    void typeNamesAreFoundWithoutRegardToCase();
    void nextWidgetIndexFollowsLargestIndex();
    void imageNamesResolveAgainstThePageFolder();
    void interlockGroupsRaiseLargestGroupId();

private:
    TestWorkDir *m_workDir = nullptr;
    UIPage *m_page = nullptr;
};

void TestFactory::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    m_page = new UIPage;
    m_page->openPage(info(m_workDir->path(), QStringLiteral("home")));
    m_page->setPageJson(pageObject(1920, 1080));
}

void TestFactory::cleanup()
{
    delete m_page;
    m_page = nullptr;
    flushDeletes();
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

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
    UIBase *made = m_page->createControl(nClass, control(type, type + QStringLiteral("_0"), 10, 20, 300, 200));
    QVERIFY(made);
    QCOMPARE(made->getType(), reported);
    QCOMPARE(made->parentWidget(), static_cast<QWidget *>(m_page));
    QCOMPARE(m_page->controls().value(nClass), QList<UIBase *>{made});
    QCOMPARE(m_page->classOf(made), nClass);
    QCOMPARE(made->attributes().value(QStringLiteral("type")), QJsonValue(type));
    QVERIFY(made->isVisibleTo(m_page));
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
    m_page->setModified(false);
    QVERIFY(!m_page->createControl(nClass, control(QStringLiteral("Button"), QStringLiteral("B"), 0, 0, 9, 9)));
    QCOMPARE(m_page->controlCount(), 0);
    QVERIFY(!m_page->isModified());
}

void TestFactory::typeNamesAreFoundWithoutRegardToCase()
{
    QCOMPARE(m_page->typeId(QStringLiteral("cmdbutton")), 129);
    QCOMPARE(m_page->typeId(QStringLiteral("PAGE")), 100);
    QCOMPARE(m_page->typeId(QStringLiteral("AudioSwitchButton")), -1);
    QCOMPARE(m_page->typeName(148), QStringLiteral("AudioSwicthButton"));
    QCOMPARE(m_page->typeName(132), QString());
    QJsonObject lower = control(QStringLiteral("button"), QStringLiteral("Button_0"), 0, 0, 9, 9);
    QCOMPARE(m_page->createControlFromJson(lower), 0);
    QCOMPARE(m_page->controls().value(113).size(), 1);
}

void TestFactory::nextWidgetIndexFollowsLargestIndex()
{
    QCOMPARE(m_page->nextWidgetIndex(113), 0);
    m_page->createControl(113, control(QStringLiteral("Button"), QStringLiteral("Button_0"), 0, 0, 9, 9));
    m_page->createControl(113, control(QStringLiteral("Button"), QStringLiteral("Button_4"), 0, 0, 9, 9));
    QCOMPARE(m_page->nextWidgetIndex(113), 5);
    // A name that numbers nothing leaves the index unset (-1).
    m_page->createControl(104, control(QStringLiteral("Label"), QStringLiteral("Title"), 0, 0, 9, 9));
    QCOMPARE(m_page->nextWidgetIndex(104), 0);
}

void TestFactory::imageNamesResolveAgainstThePageFolder()
{
    QJsonObject page = pageObject(800, 600);
    page.insert(QStringLiteral("normal_image_path"), QStringLiteral("C:\\work\\img\\bg.png"));
    QVERIFY(writePage(m_workDir->filePath(QStringLiteral("img.json")), {page,
        control(QStringLiteral("ImageLabel"), QStringLiteral("ImageLabel_0"), 0, 0, 9, 9)}));
    UIPage opened;
    opened.openPage(info(m_workDir->path(), QStringLiteral("img")));
    QCOMPARE(opened.backgroundImagePath(), m_workDir->path() + QStringLiteral("/bg.png"));
    QCOMPARE(opened.controls().value(103).first()->fileDir(), m_workDir->path());
}

void TestFactory::interlockGroupsRaiseLargestGroupId()
{
    QJsonObject a = control(QStringLiteral("CmdButton"), QStringLiteral("CmdButton_0"), 0, 0, 9, 9);
    a.insert(QStringLiteral("m_group_id"), 12);
    QJsonObject b = control(QStringLiteral("CmdButton"), QStringLiteral("CmdButton_1"), 0, 0, 9, 9);
    b.insert(QStringLiteral("m_group_id"), 5);
    QVERIFY(writePage(m_workDir->filePath(QStringLiteral("groups.json")), {pageObject(800, 600), a, b}));
    UIPage opened;
    opened.openPage(info(m_workDir->path(), QStringLiteral("groups")));
    QCOMPARE(opened.largestGroupId(), 12);
    QCOMPARE(GlobalManager::instance()->maxId(), 12);
}

QTEST_MAIN(TestFactory)
#include "tst_factory.moc"
