// Mouse events go through the window system path, so a held button gives the
// pressed control the implicit grab exactly as a user's drag does.
#define QTEST_QPA_MOUSE_HANDLING

#include "controls/plaincontrols.h"
#include "controls/uilistwidgetbase.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLayout>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

struct PaintCounter : QObject {
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

const int kIntMax = std::numeric_limits<int>::max();
const int kIntMin = std::numeric_limits<int>::min();

} // namespace

class TestUIBase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void objectsAreNormalisedAndNumbered_data();
    void objectsAreNormalisedAndNumbered();
    void mirroredFieldsFollowTheirKeys();
    void repaintFollowsTheKey();
    void appliedKeyRoundsZoomTruncates();
    void geometryBeyondTheScreenStaysStored();

    void dragMovesOrResizes_data();
    void dragMovesOrResizes();

private:
    UIBase *makeControl(int kind, double zoom, const QRect &stored);

    TestWorkDir m_workDir;
    // The page lies inside a larger window, so the mouse can leave the page
    // and still be over the window, as on the designer's canvas.
    QWidget *m_window = nullptr;
    QWidget *m_page = nullptr;
};

void TestUIBase::init()
{
    m_window = new QWidget;
    m_window->resize(700, 700);
    m_page = new QWidget(m_window);
    m_page->setGeometry(100, 100, 400, 300);
}

void TestUIBase::cleanup()
{
    delete m_window;
    GlobalManager::resetInstance();
}

UIBase *TestUIBase::makeControl(int kind, double zoom, const QRect &stored)
{
    const QJsonObject attributes{{"name", "Control_1"}, {"x", stored.x()}, {"y", stored.y()},
                                 {"w", stored.width()}, {"h", stored.height()}};
    UIBase *control =
        isPlainKind(kind) ? createPlainControl(kind, m_page) : buildComposite(kind, m_page, attributes, zoom);
    control->setScaleValue(zoom);
    control->setAttributes(attributes, true, false);
    if (control->layout())
        control->layout()->activate();
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window) ? control : nullptr;
}

void TestUIBase::dragMovesOrResizes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QPoint>("hover"); // where the mouse rests before it goes to the grab point
    QTest::addColumn<QPoint>("grab");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("report"); // "", "move dx,dy" or "rect x,y,w,h" in stored units

    const QRect small(60, 60, 80, 50);
    const QPoint mid(40, 25);
    QTest::newRow("3,3 snaps back") << 129 << 1.0 << small << mid << mid << QPoint(3, 3) << small << "";
    QTest::newRow("4 right at 0.5") << 129 << 0.5 << small << QPoint(20, 12) << QPoint(20, 12) << QPoint(4, 0)
                                    << QRect(34, 30, 40, 25) << "move 8,0";
    QTest::newRow("5 left at 2 rounds up") << 129 << 2.0 << small << mid << mid << QPoint(-5, 0)
                                           << QRect(115, 120, 160, 100) << "move -2,0";
    // The page edge stops the control; the report keeps the mouse's travel.
    const QRect nearEdge(300, 100, 80, 40);
    QTest::newRow("stops at the page edge") << 129 << 1.0 << nearEdge << mid << mid << QPoint(50, -150)
                                            << QRect(320, 0, 80, 40) << "move 50,-150";

    // 100 x 60 at 100, 100 (inclusive right 199, bottom 159) on a 400 x 300 page.
    const QRect box(100, 100, 100, 60);
    const struct { const char *row; QPoint grab; QPoint delta; QRect geometry; } edges[] = {
        {"right edge past the left edge", {98, 30}, {-150, 0}, {100, 100, 17, 60}},
        {"right edge past the page", {98, 30}, {300, 0}, {100, 100, 300, 60}},
        {"left edge past the page", {2, 30}, {-150, 0}, {0, 100, 200, 60}},
        {"top edge down past the bottom", {50, 2}, {0, 100}, {100, 143, 100, 17}},
        {"top-left corner out", {3, 3}, {-20, -30}, {83, 73, 117, 87}},
        // 10 x 10: the point 5, 5 lies in all four bands.
        {"narrow control takes top and left", {5, 5}, {-20, -20}, {85, 85, 25, 25}},
    };
    for (const auto &edge : edges) {
        QTest::newRow(edge.row) << 129 << 1.0 << (edge.grab == QPoint(5, 5) ? QRect(100, 100, 10, 10) : box)
                                << edge.grab << edge.grab << edge.delta << edge.geometry << "rect";
    }
    // 119 / 2 = 59.5 rounds up.
    QTest::newRow("resize reported in stored units") << 129 << 2.0 << QRect(50, 50, 50, 30) << QPoint(98, 30)
                                                     << QPoint(98, 30) << QPoint(20, 0) << QRect(100, 100, 119, 60)
                                                     << "rect 50,50,60,30";

    // On a composite face the mouse goes on over a cell after an edge; the
    // press there moves as on a plain control, a press on the band resizes.
    const QRect list(100, 100, 200, 60);
    QTest::newRow("list cell after an edge") << 136 << 1.0 << list << QPoint(2, 30) << QPoint(100, 30)
                                             << QPoint(30, 0) << QRect(130, 100, 200, 60) << "move 30,0";
    QTest::newRow("list edge band") << 136 << 1.0 << list << QPoint(100, 30) << QPoint(198, 30) << QPoint(20, 0)
                                    << QRect(100, 100, 219, 60) << "rect";
    QTest::newRow("place room after an edge") << 102 << 1.0 << QRect(50, 50, 300, 200) << QPoint(150, 198)
                                              << QPoint(150, 100) << QPoint(-30, 0) << QRect(20, 50, 300, 200)
                                              << "move -30,0";
}

void TestUIBase::dragMovesOrResizes()
{
    QFETCH(int, kind);
    QFETCH(double, zoom);
    QFETCH(QRect, stored);
    QFETCH(QPoint, hover);
    QFETCH(QPoint, grab);
    QFETCH(QPoint, delta);
    QFETCH(QRect, geometry);
    QFETCH(QString, report);

    UIBase *control = makeControl(kind, zoom, stored);
    QVERIFY(control);
    // Over a part of the face: a widget, or a cell the list draws.
    if (kind != 129 && report.startsWith("move")) {
        bool overCell = false;
        if (const auto *list = qobject_cast<UIListWidgetBase *>(control)) {
            for (const BaseItem *cell : list->cells())
                overCell = overCell || cell->geometry().contains(grab);
        }
        QVERIFY(control->childAt(grab) || overCell);
    }
    const QJsonObject attributes = control->attributes();
    QSignalSpy move(control, &UIBase::signalRectMoveChange);
    QSignalSpy rect(control, &UIBase::signalRectChange);
    QSignalSpy select(control, &UIBase::signalControlSelect);

    QTest::mouseMove(control, hover);
    QTest::mouseMove(control, grab);
    // The cursor shows a resize on an edge band, by hover and by the press itself.
    const bool resize = report.startsWith("rect");
    if (kind == 129)
        QCOMPARE(control->cursor().shape() != Qt::ArrowCursor, resize);
    QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, grab);
    QCOMPARE(control->cursor().shape() != Qt::ArrowCursor, resize);
    // The moves are given relative to the page, so that they stay put while
    // the control moves under the mouse.
    const QPoint start = control->mapToParent(grab);
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(m_page, start + delta * i / 4);
    QTest::mouseRelease(m_page, Qt::LeftButton, Qt::NoModifier, start + delta);

    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(select.count(), 1);
    // The control is not marked selected by itself; the page does that.
    QVERIFY(!control->isSelected());
    QCOMPARE(move.count(), report.startsWith("move") ? 1 : 0);
    QCOMPARE(rect.count(), resize ? 1 : 0);
    const QStringList numbers = report.section(' ', 1).split(',', Qt::SkipEmptyParts);
    if (report.startsWith("move"))
        QCOMPARE(move.at(0).at(0).toPoint(), QPoint(numbers.at(0).toInt(), numbers.at(1).toInt()));
    if (report.startsWith("rect") && !numbers.isEmpty()) {
        QCOMPARE(rect.at(0).at(0).toJsonObject(), attributes);
        QJsonObject expected = attributes;
        int i = 0;
        for (const char *key : {"x", "y", "w", "h"})
            expected.insert(key, numbers.at(i++).toInt());
        QCOMPARE(rect.at(0).at(1).toJsonObject(), expected);
    }
    // The page writes the change back; the control's own object is untouched.
    QCOMPARE(control->attributes(), attributes);
}

void TestUIBase::objectsAreNormalisedAndNumbered_data()
{
    QTest::addColumn<QString>("steps");  // objects applied in turn
    QTest::addColumn<QString>("stored"); // keys as stored afterwards; null: absent
    QTest::addColumn<int>("index");
    QTest::newRow("integers") << R"([{"PlaceId":"3","port":12.9,"x":8080.0,"max":1e20,"min":-2147483648}])"
                              << R"({"PlaceId":0,"port":0,"x":8080,"max":0,"min":-2147483648})" << -1;
    QTest::newRow("other groups") << R"([{"room_10":5,"text_radio":"0.5","grid_layout":[],"cmd_data_list":{}}])"
                                  << R"({"room_10":"","text_radio":1,"grid_layout":{},"cmd_data_list":[]})" << -1;
    QTest::newRow("name wins over widgetIndex") << R"([{"name":"Button_7","widgetIndex":2}])"
                                                << R"({"widgetIndex":7})" << 7;
    QTest::newRow("digits beyond int leave index") << R"([{"name":"Button_99999999999"}])" << "{}" << -1;
    QTest::newRow("later name renumbers") << R"([{"widgetIndex":2},{"name":"Label_9"}])" << R"({"widgetIndex":2})"
                                          << 9;
}

void TestUIBase::objectsAreNormalisedAndNumbered()
{
    QFETCH(QString, steps);
    QFETCH(QString, stored);
    QFETCH(int, index);
    UIBase control(m_page);
    QCOMPARE(control.getIndex(), -1);
    for (const QJsonValue &step : QJsonDocument::fromJson(steps.toUtf8()).array())
        control.setAttributes(step.toObject(), true, false);
    const QJsonObject expected = jsonFixture(stored.toUtf8());
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
        QCOMPARE(control.attributes().value(it.key()), it->isNull() ? QJsonValue(QJsonValue::Undefined) : *it);
    QCOMPARE(control.getIndex(), index);
}

void TestUIBase::mirroredFieldsFollowTheirKeys()
{
    UIBase control(m_page);
    control.setFileDir("/proj");
    const QJsonObject object{{"text_radio", 0.3}, {"bg_radio", 0.6}, {"normalBkColor", "#ff112233"},
                             {"normalColor", "#ff778899"}, {"normal_image_path", "C:\\img\\a.png"},
                             {"text_position", "2"},
                             // In one object the keys apply in sorted order.
                             {"tagFontSize", 9}, {"fontsize", 30}, {"btn_size", 11}};
    control.setAttributes(object, true, false);
    // Keys of one shape must each reach their own field.
    QCOMPARE(QStringList({control.normalBkColor(), control.normalColor(), control.normalImageFile()}),
             QStringList({"#ff112233", "#ff778899", "/proj/a.png"}));
    QCOMPARE(QList<double>({control.textRatio(), control.pictureRatio(), double(control.textPosition()),
                            double(control.fontSize())}),
             QList<double>({0.3, 0.6, 0, 9}));
    QCOMPARE(control.attributes(), object);
    // Three keys share one font size; a wrongly typed colour empties its field.
    control.setAttribute("btn_size", 12, true);
    QCOMPARE(control.fontSize(), 12);
    control.setAttribute("normalColor", 5, false);
    QCOMPARE(control.normalColor(), QString());
}

void TestUIBase::repaintFollowsTheKey()
{
    auto *control = new UIBase(m_page);
    control->setAttributes({{"w", 80}, {"h", 40}}, true, false);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    PaintCounter paints(control);
    auto paintsOf = [&](const std::function<void()> &change) {
        QTest::qWait(20);
        paints.count = 0;
        change();
        QTest::qWait(50);
        return paints.count;
    };
    QCOMPARE(paintsOf([&] { control->setAttribute("text", "A", true); }), 1);
    QCOMPARE(paintsOf([&] { control->setAttribute("pressBkColor", "#ff0000ff", true); }), 0);
    // Keys without a repaint of their own still repaint once when the call asks.
    QCOMPARE(paintsOf([&] { control->setAttributes({{"pressColor", "#ff111111"}}, true, false); }), 1);
    // A name numbers the control without a repaint.
    QCOMPARE(paintsOf([&] { control->setName("Label_2"); }), 0);
    QCOMPARE(control->getIndex(), 2);
    QCOMPARE(control->attributes().value("name"), QJsonValue("Label_2"));
}

void TestUIBase::appliedKeyRoundsZoomTruncates()
{
    UIBase control(m_page);
    control.setAttributes({{"x", 0}, {"y", 0}, {"w", 40}, {"h", 40}}, true, false);
    // Halves round up when a key is applied, a zoom change cuts toward zero.
    control.setScaleValue(0.5);
    control.setAttribute("w", 15, true);
    QCOMPARE(control.width(), 8);
    control.setAttribute("x", -13, true);
    QCOMPARE(control.x(), -6);
    control.setScale(0.5);
    QCOMPARE(control.geometry(), QRect(-6, 0, 7, 20));
    QCOMPARE(control.attributes().value("w").toInt(), 15);
    // A value that is no number stores the current edge in screen pixels,
    // which is then placed at the zoom once more.
    control.setAttribute("w", "abc", true);
    QCOMPARE(control.attributes().value("w").toInt(), 7);
    QCOMPARE(control.width(), 4);
}

void TestUIBase::geometryBeyondTheScreenStaysStored()
{
    auto *control = new UIBase(m_page);
    // A zoom of 0, below 0 or none at all is refused.
    control->setScale(0.0);
    control->setScaleValue(-2.0);
    control->setScaleValue(std::nan(""));
    QCOMPARE(control->getScale(), 1.0);
    control->setScaleValue(2.0);
    control->setAttributes({{"x", kIntMax}, {"y", kIntMin}, {"w", 2000000000}, {"h", -5}, {"text", "far"}},
                           true, false);
    const QJsonObject stored = control->attributes();
    // Clamped on screen only, also after a zoom change.
    QCOMPARE(control->geometry(), QRect(QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX, 0));
    control->setScale(3.0);
    QCOMPARE(control->geometry(), QRect(QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX, 0));
    QCOMPARE(control->attributes(), stored);
    // A huge control still paints inside its page without trouble.
    control->setAttributes({{"x", 0}, {"y", 0}, {"h", 100000000}}, true, false);
    QCOMPARE(control->height(), QWIDGETSIZE_MAX);
    QCOMPARE(m_page->grab().toImage().size(), QSize(400, 300));

    // Rescaling for a new page size rewrites the stored geometry, pinned to int.
    control->setScaleValue(0.5);
    control->setAttributes({{"x", 2000000000}, {"y", 51}, {"w", 33}, {"h", 7}}, true, false);
    control->rescaleGeometry(1.5, 0.5);
    QCOMPARE(control->attributes().value("x"), QJsonValue(kIntMax));
    QCOMPARE(control->attributes().value("y"), QJsonValue(25));
    QCOMPARE(control->attributes().value("w"), QJsonValue(49));
    QCOMPARE(control->geometry(), QRect(QWIDGETSIZE_MAX, 12, 24, 1));
}

QTEST_MAIN(TestUIBase)
#include "tst_uibase.moc"
