#include "core/globalmanager.h"
#include "preview/expagewidget.h"
#include "preview/pagedlg.h"
#include "tests/testsupport.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTabWidget>
#include <QtTest>

namespace {

bool writePageFile(const QString &path, const QJsonArray &elements)
{
    QJsonObject root;
    root.insert(QStringLiteral("Control"), elements);
    return writeFixture(path, QJsonDocument(root).toJson());
}

QJsonObject page(const QJsonValue &w, const QJsonValue &h)
{
    QJsonObject object{{"type", "Page"}, {"normalBkColor", "#ff102030"}};
    object.insert(QStringLiteral("w"), w);
    object.insert(QStringLiteral("h"), h);
    return object;
}

PageInfo entry(const QString &dir, const QString &file, int pageType)
{
    PageInfo info;
    info.dir = dir;
    info.file = file;
    info.name = file.section(QLatin1Char('.'), 0, 0);
    info.pageType = pageType;
    return info;
}

} // namespace

class TestPageDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabsForPagesLoginAndPlacePagesOnly();
    void onlyFormsGiveEmptyDialog();
    void hostLoadsOnlyOnceWiderThanDialog_data();
    void hostLoadsOnlyOnceWiderThanDialog();
    void designSizeAndScale_data();
    void designSizeAndScale();
    void onlyFirstPageObjectCounts();
    void backgroundPictureByBareFileName();
    void backgroundColourIsPainted();
    void missingOrBrokenFileLeavesHostEmpty_data();
    void missingOrBrokenFileLeavesHostEmpty();
    void reloadReplacesEarlierElements();
    void fileNameOfPath_data();
    void fileNameOfPath();

private:
    TestWorkDir *m_workDir = nullptr;
};

void TestPageDlg::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
}

void TestPageDlg::cleanup()
{
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

void TestPageDlg::tabsForPagesLoginAndPlacePagesOnly()
{
    PageDlg dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("PageDlg"));
    QCOMPARE(dialog.size(), QSize(840, 346));
    dialog.loadPages({entry(m_workDir->path(), "home.json", 0), entry(m_workDir->path(), "pop.json", 1),
                      entry(m_workDir->path(), "login.json", 2), entry(m_workDir->path(), "room.json", 3)});
    QTabWidget *tabs = dialog.tabWidget();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("home.json"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("login.json"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("room.json"));
    auto *host = qobject_cast<ExPageWidget *>(tabs->widget(1));
    QVERIFY(host);
    QCOMPARE(host->pageFile(), m_workDir->path() + QStringLiteral("/login.json"));
    QCOMPARE(host->listMode(), 1);
    QCOMPARE(dialog.pages().size(), 4);
}

void TestPageDlg::onlyFormsGiveEmptyDialog()
{
    PageDlg dialog;
    dialog.loadPages({entry(m_workDir->path(), "a.json", 1), entry(m_workDir->path(), "b.json", 1)});
    QCOMPARE(dialog.tabWidget()->count(), 0);
}

void TestPageDlg::hostLoadsOnlyOnceWiderThanDialog_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("loads");
    QTest::newRow("840") << 840 << 0;
    QTest::newRow("841") << 841 << 1;
}

void TestPageDlg::hostLoadsOnlyOnceWiderThanDialog()
{
    QFETCH(int, width);
    QFETCH(int, loads);
    const QString path = m_workDir->filePath(QStringLiteral("home.json"));
    QVERIFY(writePageFile(path, {page(1920, 1080)}));
    ExPageWidget host(1, path);
    host.resize(width, 400);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(host.loadCount(), loads);
    QCOMPARE(host.designWidth(), loads ? 1920 : 0);
}

void TestPageDlg::designSizeAndScale_data()
{
    QTest::addColumn<QJsonValue>("w");
    QTest::addColumn<int>("designWidth");
    QTest::addColumn<double>("scaleX");
    QTest::newRow("640 is no design width") << QJsonValue(640) << 1282 << 1.0;
    QTest::newRow("641 on 1282") << QJsonValue(641) << 641 << 2.0;
    QTest::newRow("text is ignored") << QJsonValue(QStringLiteral("1920")) << 1282 << 1.0;
    QTest::newRow("fraction counts as 0") << QJsonValue(1920.5) << 1282 << 1.0;
}

void TestPageDlg::designSizeAndScale()
{
    QFETCH(QJsonValue, w);
    QFETCH(int, designWidth);
    QFETCH(double, scaleX);
    const QString path = m_workDir->filePath(QStringLiteral("home.json"));
    QVERIFY(writePageFile(path, {QJsonObject{{"type", "CmdButton"}, {"x", 1}}, page(w, 540)}));
    ExPageWidget host(1, path);
    host.resize(1282, 1080);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(host.designWidth(), designWidth);
    QCOMPARE(host.scaleX(), scaleX);
    QCOMPARE(host.designHeight(), 540);
    QCOMPARE(host.scaleY(), 2.0);
    QCOMPARE(host.basePath(), m_workDir->path());
}

void TestPageDlg::onlyFirstPageObjectCounts()
{
    const QString path = m_workDir->filePath(QStringLiteral("home.json"));
    QJsonObject second = page(1000, 500);
    second.insert(QStringLiteral("type"), QStringLiteral("page"));
    second.insert(QStringLiteral("normalBkColor"), QStringLiteral("#ffffffff"));
    QVERIFY(writePageFile(path, {page(1920, 1080), second}));
    ExPageWidget host(1, path);
    host.resize(960, 540);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(host.designWidth(), 1920);
    QCOMPARE(host.scaleX(), 0.5);
    QCOMPARE(host.bkColor(), QStringLiteral("#ff102030"));
    QVERIFY(host.elements().isEmpty());
}

void TestPageDlg::backgroundPictureByBareFileName()
{
    const QString folder = m_workDir->filePath(QStringLiteral("project"));
    QVERIFY(QDir().mkpath(folder));
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(QColor(0, 200, 0));
    QVERIFY(picture.save(folder + QStringLiteral("/bg.png")));
    QJsonObject object = page(1920, 1080);
    object.insert(QStringLiteral("normal_image_path"), QStringLiteral("C:/work/img/bg.png"));
    QVERIFY(writePageFile(folder + QStringLiteral("/home.json"), {object}));
    ExPageWidget host(1, folder + QStringLiteral("/home.json"));
    host.resize(960, 540);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(host.bkImage(), folder + QStringLiteral("/bg.png"));
    QVERIFY(!host.bkPixmap().isNull());
    const QImage shown = host.grab().toImage();
    QCOMPARE(shown.pixelColor(480, 270), QColor(0, 200, 0));
}

void TestPageDlg::backgroundColourIsPainted()
{
    const QString path = m_workDir->filePath(QStringLiteral("home.json"));
    QVERIFY(writePageFile(path, {page(1920, 1080)}));
    ExPageWidget host(1, path);
    host.resize(960, 540);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QImage shown = host.grab().toImage();
    saveGrabIfAsked(shown, QStringLiteral("expagewidget.png"));
    QCOMPARE(shown.pixelColor(10, 10), QColor(0x10, 0x20, 0x30));
}

void TestPageDlg::missingOrBrokenFileLeavesHostEmpty_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not json") << QByteArray("{\"Control\": [");
    QTest::newRow("no Control") << QByteArray("{\"Page\": []}");
}

void TestPageDlg::missingOrBrokenFileLeavesHostEmpty()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_workDir->filePath(QStringLiteral("home.json"));
    if (!bytes.isEmpty())
        QVERIFY(writeFixture(path, bytes));
    ExPageWidget host(1, path);
    host.resize(960, 540);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(host.loadCount(), 0);
    QCOMPARE(host.scaleX(), 1.0);
    QVERIFY(host.bkColor().isEmpty());
}

void TestPageDlg::reloadReplacesEarlierElements()
{
    const QString path = m_workDir->filePath(QStringLiteral("home.json"));
    QVERIFY(writePageFile(path, {page(1920, 1080)}));
    ExPageWidget host(1, path);
    host.resize(960, 540);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(host.loadCount(), 1);
    QPointer<QWidget> built = new QWidget(&host);
    CtrlElement element;
    element.widget = built;
    element.elementType = 6;
    host.addElement(element);
    QCOMPARE(host.elements().size(), 1);
    host.resize(1000, 600);
    QCOMPARE(host.loadCount(), 2);
    QVERIFY(host.elements().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(built.isNull());
}

void TestPageDlg::fileNameOfPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("slashes") << "a/b/c.png" << "c.png";
    QTest::newRow("backslashes") << "C:\\img\\bg.png" << "bg.png";
    QTest::newRow("mixed") << "C:\\img/sub\\bg.png" << "bg.png";
    QTest::newRow("bare") << "bg.png" << "bg.png";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("folder") << "img/" << "";
}

void TestPageDlg::fileNameOfPath()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(ExPageWidget::fileNameOfPath(path), name);
}

QTEST_MAIN(TestPageDlg)
#include "tst_pagedlg.moc"
