#include "controls/baseitem.h"
#include "controls/compositecontrols.h"
#include "controls/uilistwidgetbase.h"
#include "core/controltypetable.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QImage>
#include <QLayout>
#include <QSet>
#include <QtTest>

#include <memory>

namespace {

// One page holding every composite kind, as the canvas would show it.
const char *const kPage[] = {
    R"({"type":"AudioMatrixWidget","name":"AudioMatrix_1","x":20,"y":20,"w":640,"h":560,
        "btn_text":"ON","btn_size":12,"title_size":12,"item_normalColor":"#ff203040",
        "corner_text_color":"#ff303030","corner_size":12})",
    R"({"type":"LoginWidget","name":"Login_1","x":680,"y":20,"w":420,"h":420,"titleVisible":1,
        "titleFontSize":20,"normalBkColor":"#ffe8eef5"})",
    R"({"type":"PlaceWidget","name":"Place_1","x":20,"y":600,"w":1480,"h":300,"direction":0,"rowcol":0,
        "room_1":"room1.png","room_2":"room2.png","room_3":"room3.png",
        "prev_button_normal_image_path":"prev.png","next_button_normal_image_path":"next.png"})",
    R"({"type":"Playbuttongroup","name":"Play_1","x":1120,"y":20,"w":780,"h":70,
        "item_normalBkColor":"#ffd0e4ff","item_normalColor":"#ff003080",
        "prev_button_normalBkColor":"#ffffd080","next_button_normalBkColor":"#ffffd080",
        "refresh_button_normalBkColor":"#ff90e090"})",
    R"({"type":"PPTbuttongroup","name":"PPT_1","x":1120,"y":100,"w":780,"h":70,"show_item_num":4,
        "item_normalBkColor":"#fff0d0ff","prev_button_normalBkColor":"#ffc0c0c0","next_button_normalBkColor":"#ffc0c0c0"})",
    R"({"type":"Screenbuttongroup","name":"Screen_1","x":1120,"y":180,"w":780,"h":70,"show_item_num":6,
        "item_normalBkColor":"#ffd0ffd0"})",
    R"({"type":"SourceTab","name":"Source_1","x":1120,"y":260,"w":780,"h":110,
        "item_normalBkColor":"#ff404850","normalColor":"#ffffffff"})",
    R"({"type":"SceneList","name":"Scene_1","x":1120,"y":380,"w":780,"h":110,"show_item_num":4,
        "item_normalBkColor":"#ffffe0c0","item_normalColor":"#ffffffff"})",
    R"({"type":"SearchWidget","name":"Search_1","x":1120,"y":510,"w":380,"h":44,"btn_text":"Go",
        "btn_normalBkColor":"#ff2080ff","btn_normalColor":"#ffffffff","btn_w":60})",
    R"({"type":"AudioVolumeWidget","name":"Volume_1","x":1520,"y":610,"w":380,"h":40,
        "normal_groove_pic":"groove.png","active_groove_pic":"active.png","normal_thumb_pic":"thumb.png"})",
    R"({"type":"CmdProgress","name":"Progress_1","x":1520,"y":660,"w":380,"h":40,"direction":2,
        "normal_groove_pic":"groove.png","active_groove_pic":"active.png","normal_thumb_pic":"thumb.png"})",
    R"({"type":"VideoProgress","name":"Video_1","x":1840,"y":720,"w":60,"h":200,"direction":3,
        "normal_groove_pic":"groove.png","active_groove_pic":"active.png","normal_thumb_pic":"thumb.png",
        "groove_margin_left":20,"groove_margin_right":20})",
    R"({"type":"CmdStatusButton","name":"Status_1","x":1520,"y":720,"w":120,"h":40,
        "on_text":"on","off_text":"off","bgOnColor":"#ff159C77","bgOffColor":"#ff6F7A7E",
        "sliderOnColor":"#ffffffff","sliderOffColor":"#ffffffff","textOnColor":"#ffffffff","textOffColor":"#ffffffff"})",
    R"({"type":"PreLayoutSwitchButton","name":"Switch_1","x":1660,"y":720,"w":120,"h":40,
        "on_text":"on","off_text":"off","bgOnColor":"#ff159C77","bgOffColor":"#ff2060a0",
        "sliderOnColor":"#ffffffff","sliderOffColor":"#ffffffff","textOnColor":"#ffffffff","textOffColor":"#ffffff00"})",
    R"({"type":"MeetingButton","name":"Meeting_1","x":1520,"y":780,"w":160,"h":50,"text":"Meeting",
        "normalBkColor":"#ffa0c0e0","meetingVendor":1,"meetingIp":"10.0.0.8"})",
};

int distinctColours(const QImage &image, const QRect &area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

} // namespace

class TestCompositeLook : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyKindShowsOnOnePage_data();
    void everyKindShowsOnOnePage();

private:
    QWidget *buildPage(double zoom);

    std::unique_ptr<TestWorkDir> m_workDir;
    std::unique_ptr<QWidget> m_host;
};

void TestCompositeLook::init()
{
    m_workDir.reset(new TestWorkDir);
    QVERIFY(m_workDir->isValid());
    // The pictures the page names: each of its own colour, lighter at the top.
    const struct { const char *name; QColor colour; } pictures[] = {
        {"room1.png", QColor(70, 130, 180)}, {"room2.png", QColor(120, 160, 90)},
        {"room3.png", QColor(180, 110, 80)}, {"prev.png", QColor(40, 40, 40)},
        {"next.png", QColor(60, 60, 60)}, {"groove.png", QColor(150, 155, 165)},
        {"active.png", QColor(30, 144, 255)}, {"thumb.png", QColor(0, 60, 140)},
    };
    for (const auto &picture : pictures) {
        QImage image(40, 40, QImage::Format_ARGB32);
        image.fill(picture.colour);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                image.setPixelColor(x, y, picture.colour.lighter(150));
        QVERIFY(image.save(m_workDir->filePath(picture.name)));
    }
}

void TestCompositeLook::cleanup()
{
    m_host.reset();
    m_workDir.reset();
    GlobalManager::resetInstance();
}

QWidget *TestCompositeLook::buildPage(double zoom)
{
    m_host.reset(new QWidget);
    m_host->setAutoFillBackground(true);
    QPalette palette = m_host->palette();
    palette.setColor(QPalette::Window, QColor(52, 62, 78));
    m_host->setPalette(palette);
    m_host->resize(int(1920 * zoom), int(1080 * zoom));

    for (const char *json : kPage) {
        const QJsonObject attributes = jsonFixture(json);
        if (!buildComposite(designControlTypeId(attributes.value("type").toString()), m_host.get(), attributes, zoom))
            return nullptr;
    }
    return m_host.get();
}

void TestCompositeLook::everyKindShowsOnOnePage_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("100%") << 1.0;
    QTest::newRow("50%") << 0.5;
}

void TestCompositeLook::everyKindShowsOnOnePage()
{
    QFETCH(double, zoom);
    QWidget *page = buildPage(zoom);
    QVERIFY(page);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));

    const QImage image = page->grab().toImage();
    QCOMPARE(image.size(), page->size());
    QVERIFY(saveGrabIfAsked(image, QString("composites_%1.png").arg(int(zoom * 100))));

    const QList<UIBase *> controls = page->findChildren<UIBase *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), int(std::size(kPage)));
    for (UIBase *control : controls) {
        const QJsonObject &a = control->attributes();
        // Placed at the stored geometry times the zoom.
        const QRect expected(UIBase::roundHalfUp(a.value("x").toInt() * zoom), UIBase::roundHalfUp(a.value("y").toInt() * zoom),
                             UIBase::roundHalfUp(a.value("w").toInt() * zoom), UIBase::roundHalfUp(a.value("h").toInt() * zoom));
        QCOMPARE(control->geometry(), expected);
        // Something is drawn there besides the page and a frame.
        QVERIFY2(distinctColours(image, control->geometry()) > 4, qPrintable(control->getName()));

        if (auto *list = qobject_cast<UIListWidgetBase *>(control)) {
            for (BaseItem *cell : list->findChildren<BaseItem *>()) {
                QVERIFY(list->rect().contains(cell->geometry()));
                QVERIFY(cell->width() > 0 && cell->height() > 0);
            }
        }
    }

    // The search button sits at the left with its colour.
    for (UIBase *control : controls) {
        if (control->getType() != 107)
            continue;
        const QPoint inButton = control->geometry().topLeft() + QPoint(int(20 * zoom), control->height() / 2);
        QCOMPARE(image.pixelColor(inButton), QColor("#ff2080ff"));
    }
}

QTEST_MAIN(TestCompositeLook)
#include "tst_compositelook.moc"
