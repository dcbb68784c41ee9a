#include "preview/expagewidget.h"
#include "preview/pagedlg.h"
#include "tests/canvas/pagefixture.h"

#include <QImage>
#include <QPointer>

using namespace pagefixture;

namespace {

QJsonObject page(const QJsonValue &w, const QJsonValue &h)
{
    QJsonObject object{{"type", "Page"}, {"normalBkColor", "#ff102030"}};
    object.insert(QStringLiteral("w"), w);
    object.insert(QStringLiteral("h"), h);
    return object;
}

bool shown(ExPageWidget &host, const QSize &size)
{
    host.resize(size);
    host.show();
    return QTest::qWaitForWindowExposed(&host);
}

} // namespace

class TestPageDlg : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_workDir.reset(new TestWorkDir);
        QVERIFY(m_workDir->isValid());
    }
    void cleanup()
    {
        m_workDir.reset();
        GlobalManager::resetInstance();
    }

    void tabsForPagesLoginAndPlacePagesOnly();
    void hostLoadsOnlyOnceWiderThanDialog_data();
    void hostLoadsOnlyOnceWiderThanDialog();
    void designSizeAndScale_data();
    void designSizeAndScale();
    void onlyFirstPageObjectCounts();
    void background_data();
    void background();
    void missingOrBrokenFileLeavesHostEmpty_data();
    void missingOrBrokenFileLeavesHostEmpty();
    void reloadReplacesEarlierElements();
    void fileNameOfPath_data();
    void fileNameOfPath();

private:
    std::unique_ptr<TestWorkDir> m_workDir;
};

void TestPageDlg::tabsForPagesLoginAndPlacePagesOnly()
{
    PageDlg dialog;
    dialog.loadPages({info(m_workDir->path(), "home", 0), info(m_workDir->path(), "pop", 1),
                      info(m_workDir->path(), "login", 2), info(m_workDir->path(), "room", 3)});
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

    PageDlg forms;
    forms.loadPages({info(m_workDir->path(), "a", 1), info(m_workDir->path(), "b", 1)});
    QCOMPARE(forms.tabWidget()->count(), 0);
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
    QVERIFY(writePage(path, {page(1920, 1080)}));
    ExPageWidget host(1, path);
    QVERIFY(shown(host, QSize(width, 400)));
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
    QVERIFY(writePage(path, {QJsonObject{{"type", "CmdButton"}, {"x", 1}}, page(w, 540)}));
    ExPageWidget host(1, path);
    QVERIFY(shown(host, QSize(1282, 1080)));
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
    QVERIFY(writePage(path, {page(1920, 1080), second}));
    ExPageWidget host(1, path);
    QVERIFY(shown(host, QSize(960, 540)));
    QCOMPARE(host.designWidth(), 1920);
    QCOMPARE(host.scaleX(), 0.5);
    QCOMPARE(host.bkColor(), QStringLiteral("#ff102030"));
    QVERIFY(host.elements().isEmpty());
}

void TestPageDlg::background_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QColor>("painted");
    QTest::newRow("colour") << "" << QColor(0x10, 0x20, 0x30);
    QTest::newRow("picture found by its bare file name") << "C:/work/img/bg.png" << QColor(0, 200, 0);
}

void TestPageDlg::background()
{
    QFETCH(QString, picture);
    QFETCH(QColor, painted);
    const QString folder = m_workDir->path();
    QVERIFY(writeColourPicture(folder + QStringLiteral("/bg.png"), QColor(0, 200, 0)));
    QJsonObject object = page(1920, 1080);
    object.insert(QStringLiteral("normal_image_path"), picture);
    QVERIFY(writePage(folder + QStringLiteral("/home.json"), {object}));
    ExPageWidget host(1, folder + QStringLiteral("/home.json"));
    QVERIFY(shown(host, QSize(960, 540)));
    if (!picture.isEmpty())
        QCOMPARE(host.bkImage(), folder + QStringLiteral("/bg.png"));
    const QImage image = host.grab().toImage();
    saveGrabIfAsked(image, QStringLiteral("expagewidget.png"));
    QCOMPARE(image.pixelColor(480, 270), painted);
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
    QVERIFY(shown(host, QSize(960, 540)));
    QCOMPARE(host.loadCount(), 0);
    QCOMPARE(host.scaleX(), 1.0);
    QVERIFY(host.bkColor().isEmpty());
}

void TestPageDlg::reloadReplacesEarlierElements()
{
    const QString path = m_workDir->filePath(QStringLiteral("home.json"));
    QVERIFY(writePage(path, {page(1920, 1080)}));
    ExPageWidget host(1, path);
    QVERIFY(shown(host, QSize(960, 540)));
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
