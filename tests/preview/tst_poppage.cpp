#include "preview/expagewidget.h"
#include "preview/expoppagewidget.h"
#include "preview/expoppagewidgetframe.h"
#include "preview/exqbutton.h"
#include "preview/pagedlg.h"
#include "tests/canvas/pagefixture.h"

#include <QPointer>
#include <QTabBar>

using namespace pagefixture;

namespace {

QJsonObject pageButton(const QString &name, int functionType, const QString &gotoPage)
{
    QJsonObject object = control(QStringLiteral("PageButton"), name, 10, 10, 200, 100);
    object.insert(QStringLiteral("func_type"), functionType);
    object.insert(QStringLiteral("goto"), gotoPage);
    return object;
}

// A command button of group 1 with its own pressed text, corners and layout.
QJsonObject cmdButton(const QString &name, int x)
{
    QJsonObject object = control(QStringLiteral("CmdButton"), name, x, 300, 100, 60);
    object.insert(QStringLiteral("text"), name);
    object.insert(QStringLiteral("pressText"), QStringLiteral("P"));
    object.insert(QStringLiteral("m_group_id"), 1);
    object.insert(QStringLiteral("borderRadius"), 10);
    object.insert(QStringLiteral("text_position"), 1);
    return object;
}

QJsonObject sizedPage(const QJsonValue &w, const QJsonValue &h)
{
    QJsonObject page = pageObject(0, 0);
    page.insert(QStringLiteral("w"), w);
    page.insert(QStringLiteral("h"), h);
    return page;
}

ExQButton *button(const ExPageHost *host, const QString &name)
{
    for (const CtrlElement &element : host->elements()) {
        if (element.name == name)
            return qobject_cast<ExQButton *>(element.widget);
    }
    return nullptr;
}

} // namespace

class TestPopPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void launchSizePlaceAndEdgePress_data();
    void launchSizePlaceAndEdgePress();
    void popupKeepsToItselfAndGoesWithThePreview();
    void popupClosesWithItsPageAndFollowsIt();

private:
    // Writes the project's home page and its pop-up page.
    bool writePages(const QJsonArray &home, const QJsonArray &pop)
    {
        return writePage(m_project + QStringLiteral("/home.json"), home)
               && writePage(m_project + QStringLiteral("/pop.json"), pop);
    }
    QString m_project;
    std::unique_ptr<TestWorkDir> m_workDir;
};

void TestPopPage::init()
{
    m_workDir.reset(new TestWorkDir);
    m_project = m_workDir->filePath(QStringLiteral("proj"));
    // Pages a "goto" must not reach: beside the project and in a sub-folder.
    QVERIFY(writePage(m_workDir->filePath(QStringLiteral("outside.json")), {sizedPage(1600, 900)}));
    QVERIFY(writePage(m_project + QStringLiteral("/sub/inner.json"), {sizedPage(1600, 900)}));
}

void TestPopPage::cleanup()
{
    flushDeletes();
    m_workDir.reset();
    GlobalManager::resetInstance();
}

void TestPopPage::launchSizePlaceAndEdgePress_data()
{
    QTest::addColumn<QSize>("host");
    QTest::addColumn<int>("functionType");
    QTest::addColumn<QString>("gotoPage");
    QTest::addColumn<QJsonValue>("targetWidth");   // the target's height is 900
    QTest::addColumn<QRect>("popup");              // null: nothing opens
    QTest::addColumn<QPoint>("press");             // in the frame
    QTest::addColumn<bool>("closes");

    const QSize host(1600, 900);
    const QRect centred(133, 75, 1333, 750);
    QTest::newRow("last column stays") << host << 1 << "pop" << QJsonValue(1600) << centred << QPoint(1465, 400)
                                       << false;
    QTest::newRow("one pixel right closes") << host << 1 << "pop" << QJsonValue(1600) << centred
                                            << QPoint(1466, 400) << true;
    QTest::newRow("bottom row stays") << host << 1 << "pop.json" << QJsonValue(1600) << centred
                                      << QPoint(500, 824) << false;
    QTest::newRow("reference size") << QSize(1920, 1080) << 1 << "pop" << QJsonValue(600)
                                    << QRect(660, 90, 600, 900) << QPoint(659, 500) << true;
    QTest::newRow("huge width held at the widget limit")
        << host << 1 << "pop" << QJsonValue(2e9) << QRect(-8387807, 75, QWIDGETSIZE_MAX, 750) << QPoint(1, 400)
        << false;
    const struct {
        const char *row, *gotoPage;
        int functionType;
        QJsonValue width;
    } refused[] = {{"negative width", "pop", 1, -1600},  {"width 1 rounds to nothing", "pop", 1, 1},
                   {"width as text", "pop", 1, "1600"}, {"function type 0", "pop", 0, 1600},
                   {"missing target", "nowhere", 1, 1600}, {"parent folder", "../outside", 1, 1600},
                   {"sub-folder", "sub/inner", 1, 1600},   {"backslash", "sub\\inner", 1, 1600}};
    for (const auto &row : refused) {
        QTest::newRow(row.row) << host << row.functionType << row.gotoPage << row.width << QRect() << QPoint()
                               << false;
    }
}

void TestPopPage::launchSizePlaceAndEdgePress()
{
    QFETCH(QSize, host);
    QFETCH(int, functionType);
    QFETCH(QString, gotoPage);
    QFETCH(QJsonValue, targetWidth);
    QFETCH(QRect, popup);
    QFETCH(QPoint, press);
    QFETCH(bool, closes);
    QVERIFY(writePages({pageObject(1920, 1080), pageButton("go", functionType, gotoPage)},
                       {sizedPage(targetWidth, 900)}));
    ExPageWidget page(1, m_project + QStringLiteral("/home.json"));
    page.resize(host);
    page.show();
    QTest::mouseClick(button(&page, "go"), Qt::LeftButton);
    QPointer<ExPopPageWidgetFrame> frame = page.popFrame();
    QCOMPARE(frame.isNull(), popup.isNull());
    if (!frame)
        return;
    QCOMPARE(frame->size(), host);
    QVERIFY(frame->isWindow() && frame->isVisible());
    QCOMPARE(frame->popPage()->geometry(), popup);
    // A second click while it is open changes nothing.
    QTest::mouseClick(button(&page, "go"), Qt::LeftButton);
    QCOMPARE(page.findChildren<ExPopPageWidgetFrame *>(), QList<ExPopPageWidgetFrame *>{frame});

    QTest::mousePress(frame, Qt::LeftButton, Qt::NoModifier, press);
    flushDeletes();
    QCOMPARE(frame.isNull(), closes);
    QCOMPARE(!page.popFrame(), closes);
}

void TestPopPage::popupKeepsToItselfAndGoesWithThePreview()
{
    QJsonObject mode = control(QStringLiteral("SourceModeButton"), QStringLiteral("s"), 700, 10, 80, 40);
    mode.insert(QStringLiteral("source_mode"), 0);
    QVERIFY(writePages({pageObject(1920, 1080), pageButton("go", 1, "pop"), cmdButton("A", 300), cmdButton("B", 500)},
                       {sizedPage(960, 540), cmdButton("A", 10), cmdButton("B", 200), mode,
                        pageButton("again", 1, "pop")}));
    auto *dialog = new PageDlg;
    dialog->loadPages({info(m_project, QStringLiteral("home"))});
    dialog->resize(1200, 800);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *page = qobject_cast<ExPageWidget *>(dialog->tabWidget()->widget(0));
    QTest::mouseClick(button(page, "go"), Qt::LeftButton);
    QPointer<ExPopPageWidgetFrame> frame = page->popFrame();
    QPointer<ExPopPageWidget> popup = frame->popPage();

    // No pressed text, corner radius or text layout of its own in a pop-up.
    ExQButton *popA = button(popup, "A");
    QCOMPARE(popA->radius() + popA->layoutCode(), 0);
    QCOMPARE(button(page, "A")->radius(), 10);
    QTest::mousePress(popA, Qt::LeftButton);
    QCOMPARE(popA->currentText(), QStringLiteral("A"));
    QTest::mouseRelease(popA, Qt::LeftButton);

    // Each host selects in its own registry; the pop-up's load selected no mode.
    QTest::mouseClick(button(page, "B"), Qt::LeftButton);
    QVERIFY(popA->isSelected() && !button(popup, "s")->isSelected() && !button(popup, "B")->isSelected());
    QVERIFY(button(page, "B")->isSelected() && !button(page, "A")->isSelected());

    // A page button in the pop-up opens nothing, a resize does not reload,
    // and a press on the pop-up's own background keeps it open.
    QTest::mouseClick(button(popup, "again"), Qt::LeftButton);
    popup->resize(500, 300);
    QCOMPARE(popup->loadCount(), 1);
    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(499, 299));
    flushDeletes();
    QCOMPARE(page->findChildren<ExPopPageWidgetFrame *>(), QList<ExPopPageWidgetFrame *>{frame});

    delete dialog;
    flushDeletes();
    QVERIFY(frame.isNull() && popup.isNull());
}

// The pop-up covers its whole page here: there is no pixel beside it to press.
void TestPopPage::popupClosesWithItsPageAndFollowsIt()
{
    QVERIFY(writePages({pageObject(1920, 1080), pageButton("go", 1, "pop")}, {sizedPage(1920, 1080)}));
    QVERIFY(writePage(m_project + QStringLiteral("/other.json"), {pageObject(1920, 1080)}));
    PageDlg dialog;
    dialog.loadPages({info(m_project, QStringLiteral("home")), info(m_project, QStringLiteral("other"))});
    dialog.resize(1200, 800);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *page = qobject_cast<ExPageWidget *>(dialog.tabWidget()->widget(0));
    QPointer<ExPopPageWidgetFrame> frame;
    const auto open = [&] {
        dialog.tabWidget()->setCurrentIndex(0);
        QTest::mouseClick(button(page, "go"), Qt::LeftButton);
        frame = page->popFrame();
        return frame && frame->popPage()->geometry() == frame->rect();
    };
    const auto closed = [&] {
        flushDeletes();
        return frame.isNull() && !page->popFrame();
    };
    QVERIFY(open());
    dialog.move(dialog.pos() + QPoint(40, 30));
    QTRY_COMPARE(frame->pos(), page->mapToGlobal(QPoint(0, 0)));
    // The press closes the pop-up and deletes its window: the release reaches
    // the window beneath, as it does when a user lets go of the key.
    QTest::keyPress(frame->windowHandle(), Qt::Key_Escape);
    QTest::keyRelease(dialog.windowHandle(), Qt::Key_Escape);
    QVERIFY(closed());
    // Had the button the user clicked kept the focus, these would click it again.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(dialog.windowHandle(), key);
    QVERIFY(closed());
    QVERIFY(open());
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
    QVERIFY(closed() && dialog.isVisible());
    QVERIFY(open());
    QTabBar *tabs = dialog.tabWidget()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
    QVERIFY(closed());
    QVERIFY(open());
    dialog.resize(1300, 850);
    QVERIFY(closed());
    QVERIFY(open());
    dialog.close();
    QVERIFY(closed());
}

QTEST_MAIN(TestPopPage)
#include "tst_poppage.moc"
