#include "preview/expagewidget.h"
#include "tests/canvas/pagefixture.h"

#include <QImage>

using namespace pagefixture;

namespace {

// One page with every list kind, in rows and in columns, with colours a
// pixel can tell apart: the page-turn buttons red, the items green.
const char *const kPage[] = {
    R"({"type":"SourceTab","name":"SourceRow","x":20,"y":20,"w":900,"h":160,"direction":0,
        "normalColor":"#ffffffff","normalBkColor":"#ff303840",
        "prev_button_normalBkColor":"#ffc03030","next_button_normalBkColor":"#ffc03030"})",
    R"({"type":"SceneList","name":"SceneRow","x":20,"y":200,"w":900,"h":160,"direction":0,"fontsize":16,
        "item_normalBkColor":"#ff30a050","item_normalColor":"#ffffffff","normalBkColor":"#ff303840",
        "prev_button_normalBkColor":"#ffc03030","next_button_normalBkColor":"#ffc03030"})",
    R"({"type":"SourceTab","name":"SourceColumn","x":960,"y":20,"w":200,"h":600,"direction":1,"show_item_num":4,
        "normalColor":"#ffffffff","normalBkColor":"#ff303840",
        "prev_button_normalBkColor":"#ffc03030","next_button_normalBkColor":"#ffc03030"})",
    R"({"type":"SceneList","name":"SceneColumn","x":1200,"y":20,"w":200,"h":600,"direction":1,"show_item_num":4,
        "item_normalBkColor":"#ff30a050","item_normalColor":"#ffffffff","normalBkColor":"#ff303840",
        "prev_button_normalBkColor":"#ffc03030","next_button_normalBkColor":"#ffc03030"})",
    R"({"type":"SearchWidget","name":"Search","x":20,"y":400,"w":400,"h":40,"btn_text":"搜索","fontsize":16,
        "layoutDirection":1,"btn_normalBkColor":"#ff2060c0","btn_normalColor":"#ffffffff"})",
    R"({"type":"Screenbuttongroup","name":"Walls","x":20,"y":480,"w":600,"h":60,"direction":0,"fontsize":14,
        "item_normalBkColor":"#ff30a050","item_pressBkColor":"#ffe0a020","item_normalColor":"#ffffffff",
        "prev_button_normalBkColor":"#ffc03030","next_button_normalBkColor":"#ffc03030"})",
    R"({"type":"Playbuttongroup","name":"Players","x":20,"y":560,"w":600,"h":60,"direction":0,"borderRadius":8,
        "item_normalBkColor":"#ff30a050","item_pressBkColor":"#ffe0a020","item_normalColor":"#ffffffff",
        "prev_button_normalBkColor":"#ffc03030","next_button_normalBkColor":"#ffc03030",
        "refresh_button_normalBkColor":"#ff8040c0"})",
    R"({"type":"PPTbuttongroup","name":"Screens","x":1440,"y":20,"w":120,"h":400,"direction":1,"show_item_num":4,
        "item_normalBkColor":"#ff30a050","item_pressBkColor":"#ffe0a020","item_normalColor":"#ffffffff",
        "prev_button_normalBkColor":"#ffc03030","next_button_normalBkColor":"#ffc03030","normalBkColor":"#ff303840"})",
};

} // namespace

class TestListShot : public QObject
{
    Q_OBJECT

private slots:
    void listsLookLikeTheirControls_data();
    void listsLookLikeTheirControls();

private:
    QImage m_shot;
};

void TestListShot::listsLookLikeTheirControls_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");

    const QColor button(0xc0, 0x30, 0x30);
    const QColor item(0x30, 0xa0, 0x50);
    QTest::newRow("source row: previous page at the left end") << QPoint(25 + 10, 100) << button;
    QTest::newRow("source row: next page at the right end") << QPoint(915 - 10, 100) << button;
    QTest::newRow("source row: first tile is blue") << QPoint(100, 60) << QColor(0, 0, 255);
    QTest::newRow("scene row: first tile") << QPoint(100, 240) << item;
    QTest::newRow("scene row: frame background") << QPoint(470, 203) << QColor(0x30, 0x38, 0x40);
    QTest::newRow("source column: previous page on top") << QPoint(1060, 30) << button;
    QTest::newRow("source column: next page at the bottom") << QPoint(1060, 610) << button;
    QTest::newRow("scene column: first tile") << QPoint(1300, 80) << item;
    QTest::newRow("search button on the right") << QPoint(410, 405) << QColor(0x20, 0x60, 0xc0);
    const QColor off(0xe0, 0xa0, 0x20);
    QTest::newRow("walls: previous page at the left end") << QPoint(25, 510) << button;
    QTest::newRow("walls: the first wall starts off") << QPoint(53, 493) << off;
    QTest::newRow("walls: the second wall is on") << QPoint(160, 493) << item;
    QTest::newRow("walls: next page at the right end") << QPoint(615, 510) << button;
    QTest::newRow("players: refresh first") << QPoint(25, 590) << QColor(0x80, 0x40, 0xc0);
    QTest::newRow("players: previous page after it") << QPoint(50, 590) << button;
    QTest::newRow("players: the fifth player is whole") << QPoint(560, 575) << item;
    QTest::newRow("players: next page at the right end") << QPoint(615, 590) << button;
    QTest::newRow("screens: previous page on top") << QPoint(1500, 25) << button;
    QTest::newRow("screens: the first screen starts off") << QPoint(1453, 53) << off;
    QTest::newRow("screens: next page at the bottom") << QPoint(1500, 415) << button;
}

void TestListShot::listsLookLikeTheirControls()
{
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    if (m_shot.isNull()) {
        TestWorkDir workDir;
        GlobalManager::instance()->setScreenMetrics(96, 1.0, 1.0);
        QJsonArray controls{pageObject(1920, 1080)};
        for (const char *object : kPage)
            controls.append(jsonFixture(object));
        const QString path = workDir.filePath(QStringLiteral("lists.json"));
        QVERIFY(writePage(path, controls));
        ExPageWidget host(1, path);
        host.resize(1920, 1080);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        m_shot = host.grab().toImage();
        QVERIFY(saveGrabIfAsked(m_shot, QStringLiteral("preview_lists.png")));
    }
    QCOMPARE(m_shot.pixelColor(at), colour);
}

QTEST_MAIN(TestListShot)
#include "tst_listshot.moc"
