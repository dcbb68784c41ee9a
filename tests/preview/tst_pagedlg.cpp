#include "preview/expagewidget.h"
#include "preview/exqbutton.h"
#include "preview/pagedlg.h"
#include "tests/canvas/pagefixture.h"

#include <QImage>
#include <QPointer>

using namespace pagefixture;

namespace {

QJsonObject page(const QJsonValue &w, const QJsonValue &h)
{
    return QJsonObject{{"type", "Page"}, {"normalBkColor", "#ff102030"}, {"w", w}, {"h", h}};
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
    void pageObjectGivesDesignSizeAndScale_data();
    void pageObjectGivesDesignSizeAndScale();
    void reloadKeepsBackgroundAndDropsElements();
    void pageObjectWithoutSizeOrReadableColour();
    void specialPageFileIsSaidOnceAndShowsNothing_data();
    void specialPageFileIsSaidOnceAndShowsNothing();
    void pageOfALargeGridShowsAndOneOverTheBoundIsSaid();

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
    QCOMPARE(tabs->tabText(1), QStringLiteral("login.json"));
    auto *host = qobject_cast<ExPageWidget *>(tabs->widget(1));
    QCOMPARE(host->pageFile(), m_workDir->path() + QStringLiteral("/login.json"));
    QCOMPARE(host->listMode(), 1);
}

void TestPageDlg::pageObjectGivesDesignSizeAndScale_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("hostWidth");    // the host is 540 high
    QTest::addColumn<int>("designWidth");
    QTest::addColumn<double>("scaleX");
    QTest::addColumn<double>("scaleY");

    auto file = [](const QJsonArray &elements) { return QJsonDocument(QJsonObject{{"Control", elements}}).toJson(); };
    const QJsonObject button{{"type", "CmdButton"}, {"x", 1}};
    // A host no wider than the dialog's own page does not load.
    QTest::newRow("host 840 wide") << file({page(1920, 1080)}) << 840 << 0 << 1.0 << 1.0;
    QTest::newRow("host 841 wide") << file({page(1920, 1080)}) << 841 << 1920 << 841 / 1920.0 << 0.5;
    QTest::newRow("640 is no design width") << file({button, page(640, 540)}) << 1282 << 1282 << 1.0 << 1.0;
    QTest::newRow("641 on 1282") << file({button, page(641, 540)}) << 1282 << 641 << 2.0 << 1.0;
    QTest::newRow("fraction is no design width") << file({page(1920.5, 540)}) << 1282 << 1282 << 1.0 << 1.0;
    const QJsonObject second{{"type", "page"}, {"normalBkColor", "#ffffffff"}, {"w", 1000}, {"h", 500}};
    QTest::newRow("only the first page object") << file({page(1920, 1080), second}) << 960 << 1920 << 0.5 << 0.5;
    QTest::newRow("not json") << QByteArray("{\"Control\": [") << 960 << 0 << 1.0 << 1.0;
}

void TestPageDlg::pageObjectGivesDesignSizeAndScale()
{
    QFETCH(QByteArray, file);
    QFETCH(int, hostWidth);
    QFETCH(int, designWidth);
    QFETCH(double, scaleX);
    QFETCH(double, scaleY);
    const QString path = m_workDir->filePath(QStringLiteral("home.json"));
    QVERIFY(writeFixture(path, file));
    ExPageWidget host(1, path);
    host.resize(hostWidth, 540);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(host.designWidth(), designWidth);
    QCOMPARE(host.scaleX(), scaleX);
    QCOMPARE(host.scaleY(), scaleY);
    // Colour of the first page object, or none when nothing was read.
    QCOMPARE(host.bkColor(), QString(designWidth ? "#ff102030" : ""));
    // The button before the page object is built once the page loads.
    QCOMPARE(host.elements().size(), int(designWidth && file.contains("CmdButton")));
}

void TestPageDlg::reloadKeepsBackgroundAndDropsElements()
{
    const QString folder = m_workDir->path();
    QVERIFY(writeColourPicture(folder + QStringLiteral("/bg.png"), QColor(0, 200, 0)));
    QJsonObject object = page(1920, 1080);
    // Found by its bare file name beside the page file.
    object.insert(QStringLiteral("normal_image_path"), QStringLiteral("C:\\work\\img/bg.png"));
    QVERIFY(writePage(folder + QStringLiteral("/home.json"), {object}));
    ExPageWidget host(1, folder + QStringLiteral("/home.json"));
    host.resize(960, 540);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QPointer<QWidget> built = new QWidget(&host);
    CtrlElement element;
    element.widget = built;
    host.addElement(element);

    host.resize(1000, 600);
    QCOMPARE(host.loadCount(), 2);
    QVERIFY(host.elements().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(built.isNull());
    QCOMPARE(host.bkImage(), folder + QStringLiteral("/bg.png"));
    QCOMPARE(host.grab().toImage().pixelColor(500, 300), QColor(0, 200, 0));
}

// Without a design size of its own the page is designed at the host's first
// size: a later size scales its controls as it scales their text. A colour
// that does not read paints nothing.
void TestPageDlg::pageObjectWithoutSizeOrReadableColour()
{
    const QString path = m_workDir->filePath(QStringLiteral("home.json"));
    QVERIFY(writePage(path, {QJsonObject{{"type", "Page"}, {"normalBkColor", "#ff10203"}},
                             QJsonObject{{"type", "CmdButton"}, {"x", 100}, {"y", 100}, {"w", 200}, {"h", 100}}}));
    ExPageWidget host(1, path);
    host.resize(1000, 600);
    host.show();
    host.resize(1500, 900);
    const auto *button = qobject_cast<ExQButton *>(host.elements().first().widget);
    QCOMPARE(button->geometry(), QRect(150, 150, 300, 150));
    QCOMPARE(button->fontSize(), 21);
    QCOMPARE(renderSelf(&host).pixelColor(20, 20), QColor(Qt::transparent));
}

void TestPageDlg::specialPageFileIsSaidOnceAndShowsNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to a zero device") << "zero";
}

void TestPageDlg::specialPageFileIsSaidOnceAndShowsNothing()
{
    QFETCH(QString, kind);
    TestNotifier notifier;
    const QString path = m_workDir->filePath(QStringLiteral("home.json"));
    QVERIFY(makeSpecialFile(path, kind));
    const ReadWatchdog watchdog;
    PageDlg dialog;
    dialog.loadPages({info(m_workDir->path(), "home", 0)});
    dialog.resize(1200, 800);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *host = qobject_cast<ExPageWidget *>(dialog.tabWidget()->widget(0));
    // Every resize reads the page again; the user hears of it once.
    host->resize(1000, 600);
    host->resize(1100, 700);
    QTRY_COMPARE(notifier.texts(), QStringList(QString::fromUtf8("不是普通文件，未读取: ") + path));
    QTest::qWait(50);
    QCOMPARE(notifier.texts().size(), 1);
    QCOMPARE(host->loadCount(), 0);
    QCOMPARE(fileKind(path), kind);
}

void TestPageDlg::pageOfALargeGridShowsAndOneOverTheBoundIsSaid()
{
    TestNotifier notifier;
    // 640,000 cells kept in the control: more than 64 MiB on disk.
    const QString large = m_workDir->filePath(QStringLiteral("home.json"));
    const QString over = m_workDir->filePath(QStringLiteral("login.json"));
    QVERIFY(writeGridPage(large, 800, 800) && writeOversizedPage(over));
    QVERIFY(QFileInfo(large).size() > (qint64(64) << 20));
    PageDlg dialog;
    dialog.loadPages({info(m_workDir->path(), "home", 0), info(m_workDir->path(), "login", 2)});
    dialog.resize(1200, 800);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const auto *shown = qobject_cast<ExPageWidget *>(dialog.tabWidget()->widget(0));
    const auto *refused = qobject_cast<ExPageWidget *>(dialog.tabWidget()->widget(1));
    // A tab reads its page once it is shown.
    dialog.tabWidget()->setCurrentIndex(1);
    QTRY_COMPARE(notifier.texts(), QStringList(QString::fromUtf8("文件大于256MB，未读取: ") + over));
    QVERIFY(shown->loadCount() > 0);
    QCOMPARE(shown->elements().size(), 1);
    QCOMPARE(shown->elements().first().name, QStringLiteral("Grid_1"));
    QCOMPARE(refused->loadCount(), 0);
}

QTEST_MAIN(TestPageDlg)
#include "tst_pagedlg.moc"
