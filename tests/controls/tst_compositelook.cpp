#include "controls/baseitem.h"
#include "controls/compositecontrols.h"
#include "controls/uilistwidgetbase.h"
#include "core/globalmanager.h"
#include "tests/testsupport.h"

#include <QImage>
#include <QJsonDocument>
#include <QLayout>
#include <QPainter>
#include <QSet>
#include <QtTest>

#include <memory>

namespace {

QJsonObject parse(const char *json)
{
    return QJsonDocument::fromJson(QByteArray(json)).object();
}

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

const struct { const char *type; int id; } kTypeIds[] = {
    {"AudioMatrixWidget", 163}, {"LoginWidget", 101}, {"PlaceWidget", 102}, {"Playbuttongroup", 136},
    {"PPTbuttongroup", 137}, {"Screenbuttongroup", 135}, {"SourceTab", 112}, {"SceneList", 111},
    {"SearchWidget", 107}, {"AudioVolumeWidget", 145}, {"CmdProgress", 131}, {"VideoProgress", 157},
    {"CmdStatusButton", 130}, {"PreLayoutSwitchButton", 124}, {"MeetingButton", 164},
};

int typeIdOf(const QString &type)
{
    for (const auto &entry : kTypeIds) {
        if (type == QLatin1String(entry.type))
            return entry.id;
    }
    return -1;
}

bool writePicture(const QString &path, const QSize &size, const std::function<void(QPainter &)> &draw)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return image.save(path);
}

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
    void verticalCellTextKeepsItsAlignment();

private:
    void writeProjectPictures();
    QWidget *buildPage(double zoom);

    TestWorkDir *m_workDir = nullptr;
    std::unique_ptr<QWidget> m_host;
};

void TestCompositeLook::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
    writeProjectPictures();
}

void TestCompositeLook::cleanup()
{
    m_host.reset();
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

void TestCompositeLook::writeProjectPictures()
{
    const QString dir = m_workDir->path() + "/";
    const QColor rooms[] = {QColor(70, 130, 180), QColor(120, 160, 90), QColor(180, 110, 80)};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(writePicture(dir + QString("room%1.png").arg(i + 1), QSize(160, 90), [&](QPainter &p) {
            p.fillRect(0, 0, 160, 90, rooms[i]);
            p.setBrush(rooms[i].lighter(150));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPoint(80, 45), 30, 30);
        }));
    }
    for (const char *name : {"prev.png", "next.png"}) {
        const bool prev = QByteArray(name) == "prev.png";
        QVERIFY(writePicture(dir + name, QSize(64, 64), [prev](QPainter &p) {
            p.setBrush(QColor(40, 40, 40, 200));
            p.setPen(Qt::NoPen);
            p.drawEllipse(2, 2, 60, 60);
            p.setBrush(Qt::white);
            const QPolygon arrow = prev ? QPolygon({QPoint(40, 16), QPoint(20, 32), QPoint(40, 48)})
                                        : QPolygon({QPoint(24, 16), QPoint(44, 32), QPoint(24, 48)});
            p.drawPolygon(arrow);
        }));
    }
    QVERIFY(writePicture(dir + "groove.png", QSize(100, 10), [](QPainter &p) {
        p.setBrush(QColor(180, 185, 195));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(0, 2, 100, 6, 3, 3);
    }));
    QVERIFY(writePicture(dir + "active.png", QSize(100, 10), [](QPainter &p) {
        p.setBrush(QColor(30, 144, 255));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(0, 2, 100, 6, 3, 3);
    }));
    QVERIFY(writePicture(dir + "thumb.png", QSize(40, 40), [](QPainter &p) {
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(30, 144, 255), 4));
        p.drawEllipse(4, 4, 32, 32);
    }));
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
        const QJsonObject attributes = parse(json);
        const int id = typeIdOf(attributes.value("type").toString());
        UIBase *control = createCompositeControl(id, m_host.get());
        if (!control)
            return nullptr;
        control->setFileDir(m_workDir->path());
        control->setScaleValue(zoom);
        control->setAttributes(attributes, true, false);
        control->buildLayout();
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
    const QByteArray dir = qgetenv("BRIVANE_GRAB_DIR");
    if (!dir.isEmpty())
        QVERIFY(image.save(QString::fromLocal8Bit(dir) + QString("/composites_%1.png").arg(int(zoom * 100))));

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
    const UIBase *search = page->findChild<UIBase *>(QString(), Qt::FindDirectChildrenOnly);
    Q_UNUSED(search)
    for (UIBase *control : controls) {
        if (control->getType() != 107)
            continue;
        const QPoint inButton = control->geometry().topLeft() + QPoint(int(20 * zoom), control->height() / 2);
        QCOMPARE(image.pixelColor(inButton), QColor("#ff2080ff"));
    }
}

void TestCompositeLook::verticalCellTextKeepsItsAlignment()
{
    // A cell with vertical text is painted again and again on the canvas;
    // its alignment flags must stay as they were after the first paint.
    BaseItem cell;
    cell.resize(40, 120);
    cell.setStyle(parse(R"({"text":"AB","direction":1})"), true);
    QImage image(cell.size(), QImage::Format_ARGB32_Premultiplied);
    cell.render(&image);
    const int flags = cell.alignment();
    QVERIFY(flags & Qt::TextWordWrap);
    for (int i = 0; i < 5; ++i) {
        cell.render(&image);
        QCOMPARE(cell.alignment(), flags);
    }
}

QTEST_MAIN(TestCompositeLook)
#include "tst_compositelook.moc"
