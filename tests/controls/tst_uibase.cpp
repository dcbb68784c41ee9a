// Mouse events go through the window system path, so a held button gives the
// pressed control the implicit grab exactly as a user's drag does.
#define QTEST_QPA_MOUSE_HANDLING

#include "controls/plaincontrols.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLayout>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(Qt::CursorShape)

namespace {

QJsonValue jsonValue(const QString &text)
{
    // Wrapped in an array so that bare scalars parse.
    return QJsonDocument::fromJson("[" + text.toUtf8() + "]").array().at(0);
}

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
    void editViaSignalReportsWithoutChangingControl();
    void repaintFollowsTheKey_data();
    void repaintFollowsTheKey();
    void appliedKeyRoundsZoomTruncates_data();
    void appliedKeyRoundsZoomTruncates();
    void geometryBeyondTheScreenStaysStored();
    void nonPositiveZoomIsRefused();

    void dragMovesOrResizes_data();
    void dragMovesOrResizes();
    void hoverSetsEdgeCursor_data();
    void hoverSetsEdgeCursor();

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
    UIBase *control = isPlainKind(kind) ? createPlainControl(kind, m_page) : nullptr;
    if (control) {
        control->setScaleValue(zoom);
        control->setAttributes(attributes, true, false);
    } else {
        control = buildComposite(kind, m_page, attributes, zoom);
        control->layout()->activate();
    }
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
    const QPoint middle(40, 25);
    QTest::newRow("3,3 snaps back") << 129 << 1.0 << small << middle << middle << QPoint(3, 3) << small << "";
    QTest::newRow("4 right") << 129 << 1.0 << small << middle << middle << QPoint(4, 0) << QRect(64, 60, 80, 50)
                             << "move 4,0";
    QTest::newRow("4 right at 0.5") << 129 << 0.5 << small << QPoint(20, 12) << QPoint(20, 12) << QPoint(4, 0)
                                    << QRect(34, 30, 40, 25) << "move 8,0";
    QTest::newRow("5 left at 2 rounds up") << 129 << 2.0 << small << middle << middle << QPoint(-5, 0)
                                           << QRect(115, 120, 160, 100) << "move -2,0";
    // The page edge stops the control; the report keeps the mouse's travel.
    const QRect nearEdge(300, 100, 80, 40);
    QTest::newRow("stops at the page edge") << 129 << 1.0 << nearEdge << middle << middle << QPoint(50, 0)
                                            << QRect(320, 100, 80, 40) << "move 50,0";
    QTest::newRow("stops at the top-left corner") << 129 << 1.0 << nearEdge << middle << middle
                                                  << QPoint(-400, -150) << QRect(0, 0, 80, 40) << "move -400,-150";

    // 100 x 60 at 100, 100 (inclusive right 199, bottom 159) on a 400 x 300 page.
    const QRect box(100, 100, 100, 60);
    const struct { const char *row; QPoint grab; QPoint delta; QRect geometry; } edges[] = {
        {"right edge out", {98, 30}, {20, 0}, {100, 100, 119, 60}},
        {"right edge past the left edge", {98, 30}, {-150, 0}, {100, 100, 17, 60}},
        {"right edge past the page", {98, 30}, {300, 0}, {100, 100, 300, 60}},
        {"left edge past the page", {2, 30}, {-150, 0}, {0, 100, 200, 60}},
        {"top edge down past the bottom", {50, 2}, {0, 100}, {100, 143, 100, 17}},
        {"top-left corner out", {3, 3}, {-20, -30}, {83, 73, 117, 87}},
        {"bottom-right corner in", {97, 57}, {-30, -20}, {100, 100, 68, 38}},
    };
    for (const auto &edge : edges)
        QTest::newRow(edge.row) << 129 << 1.0 << box << edge.grab << edge.grab << edge.delta << edge.geometry << "rect";
    // 10 x 10: the point 5, 5 lies in all four bands.
    QTest::newRow("narrow control takes top and left") << 129 << 1.0 << QRect(100, 100, 10, 10) << QPoint(5, 5)
                                                       << QPoint(5, 5) << QPoint(-20, -20) << QRect(85, 85, 25, 25)
                                                       << "rect";
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
    if (kind != 129 && report.startsWith("move"))
        QVERIFY(control->childAt(grab));
    const QJsonObject attributes = control->attributes();
    QSignalSpy move(control, &UIBase::signalRectMoveChange);
    QSignalSpy rect(control, &UIBase::signalRectChange);
    QSignalSpy select(control, &UIBase::signalControlSelect);

    // Another button neither selects nor moves.
    QTest::mousePress(control, Qt::RightButton, Qt::NoModifier, grab);
    QTest::mouseMove(m_page, control->mapToParent(grab) + delta);
    QTest::mouseRelease(m_page, Qt::RightButton, Qt::NoModifier, control->mapToParent(grab) + delta);
    QCOMPARE(select.count() + move.count() + rect.count(), 0);
    QTest::mouseMove(control, hover);
    QTest::mouseMove(control, grab);
    QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, grab);
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
    QCOMPARE(rect.count(), report.startsWith("rect") ? 1 : 0);
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

void TestUIBase::hoverSetsEdgeCursor_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Qt::CursorShape>("shape");
    // Control of 100 x 60.
    QTest::newRow("top-left") << QPoint(3, 3) << Qt::SizeFDiagCursor;
    QTest::newRow("just past top band") << QPoint(50, 6) << Qt::ArrowCursor;
    QTest::newRow("first column of right band") << QPoint(95, 30) << Qt::SizeHorCursor;
}

void TestUIBase::hoverSetsEdgeCursor()
{
    QFETCH(QPoint, at);
    QFETCH(Qt::CursorShape, shape);
    UIBase *control = makeControl(129, 1.0, QRect(100, 100, 100, 60));
    QVERIFY(control);
    QTest::mouseMove(control, QPoint(50, 30));
    QTest::mouseMove(control, at);
    QCOMPARE(control->cursor().shape(), shape);
}

void TestUIBase::objectsAreNormalisedAndNumbered_data()
{
    QTest::addColumn<QString>("steps");  // objects applied in turn
    QTest::addColumn<QString>("stored"); // keys as stored afterwards; null: absent
    QTest::addColumn<int>("index");
    QTest::newRow("integer from string") << R"([{"PlaceId":"3","port":8080.0}])" << R"({"PlaceId":0,"port":8080})" << -1;
    QTest::newRow("integer from fraction") << R"([{"port":12.9,"x":10.5}])" << R"({"port":0,"x":0})" << -1;
    QTest::newRow("integer beyond int") << R"([{"max":1e20,"min":-2147483648}])" << R"({"max":0,"min":-2147483648})"
                                        << -1;
    QTest::newRow("other groups") << R"([{"room_10":5,"text_radio":"0.5","grid_layout":[],"cmd_data_list":{}}])"
                                  << R"({"room_10":"","text_radio":1,"grid_layout":{},"cmd_data_list":[]})" << -1;
    QTest::newRow("text position kept as given") << R"([{"text_position":"2"}])" << R"({"text_position":"2"})" << -1;
    QTest::newRow("name wins over widgetIndex") << R"([{"name":"Button_7","widgetIndex":2}])"
                                                << R"({"widgetIndex":7})" << 7;
    QTest::newRow("plain name takes widgetIndex") << R"([{"name":"Button","widgetIndex":2}])"
                                                  << R"({"widgetIndex":2})" << 2;
    QTest::newRow("two underscores") << R"([{"name":"Cmd_Button_3"}])" << R"({"widgetIndex":null})" << -1;
    QTest::newRow("blank digits trimmed") << R"([{"name":"Button_ 4"}])" << R"({"widgetIndex":null})" << 4;
    QTest::newRow("digits beyond int leave index") << R"([{"name":"Button_99999999999"}])" << "{}" << -1;
    QTest::newRow("index kept once set") << R"([{"widgetIndex":2},{"widgetIndex":5}])" << R"({"widgetIndex":2})" << 2;
    QTest::newRow("later name renumbers") << R"([{"widgetIndex":2},{"name":"Label_9"}])" << R"({"widgetIndex":2})"
                                          << 9;
    QTest::newRow("name then bad name keeps") << R"([{"name":"Label_9"},{"name":"Label_a"}])" << "{}" << 9;
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
                             {"pressBkColor", "#ff445566"}, {"normalColor", "#ff778899"},
                             {"pressColor", "#ffaabbcc"}, {"normal_image_path", "C:\\img\\a.png"},
                             {"press_image_path", "C:/x\\y/b.png"}, {"text_position", "2"},
                             // In one object the keys apply in sorted order.
                             {"tagFontSize", 9}, {"fontsize", 30}, {"btn_size", 11}};
    control.setAttributes(object, true, false);
    // Keys of one shape must each reach their own field.
    QCOMPARE(QStringList({control.normalBkColor(), control.pressBkColor(), control.normalColor(), control.pressColor(),
                          control.normalImageFile(), control.pressImageFile()}),
             QStringList({"#ff112233", "#ff445566", "#ff778899", "#ffaabbcc", "/proj/a.png", "/proj/b.png"}));
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

void TestUIBase::editViaSignalReportsWithoutChangingControl()
{
    UIBase control(m_page);
    control.setAttributes({{"name", "Label_1"}, {"x", 10}, {"y", 20}, {"w", 100}, {"h", 40}}, true, false);
    const QJsonObject before = control.attributes();
    const QRect geometryBefore = control.geometry();

    QSignalSpy spy(&control, &UIBase::signalAttributeChange);
    control.setAttributes({{"x", "12"}, {"text", "Hi"}}, true, true);
    control.setAttributes(QJsonObject(), true, true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toJsonObject(), before);
    QJsonObject expected = before;
    expected.insert("x", "12"); // not normalised on this route
    expected.insert("text", "Hi");
    QCOMPARE(spy.at(0).at(1).toJsonObject(), expected);
    QCOMPARE(control.attributes(), before);
    QCOMPARE(control.geometry(), geometryBefore);
    QCOMPARE(control.text(), QString());
}

void TestUIBase::repaintFollowsTheKey_data()
{
    QTest::addColumn<QString>("route"); // "key", "object" or "name"
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("askRepaint");
    QTest::addColumn<bool>("repaints");

    QTest::newRow("text") << "key" << "text" << "\"A\"" << true << true;
    QTest::newRow("text without asking") << "key" << "text" << "\"A\"" << false << false;
    QTest::newRow("text_position") << "key" << "text_position" << "2" << true << true;
    QTest::newRow("pressBkColor") << "key" << "pressBkColor" << "\"#ff0000ff\"" << true << false;
    QTest::newRow("unknown") << "key" << "on_cmd_data_list" << "[]" << true << false;
    // Keys without a repaint of their own still repaint once when the call asks.
    QTest::newRow("object asking") << "object" << "pressColor" << "\"#ff111111\"" << true << true;
    QTest::newRow("empty object") << "object" << "" << "" << true << false;
    QTest::newRow("setName numbers without a repaint") << "name" << "name" << "Label_2" << true << false;
}

void TestUIBase::repaintFollowsTheKey()
{
    QFETCH(QString, route);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, askRepaint);
    QFETCH(bool, repaints);

    auto *control = new UIBase(m_page);
    control->setAttributes({{"w", 80}, {"h", 40}}, true, false);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::qWait(20);
    PaintCounter paints(control);
    if (route == "key")
        control->setAttribute(key, jsonValue(value), askRepaint);
    else if (route == "object")
        control->setAttributes(key.isEmpty() ? QJsonObject() : QJsonObject{{key, jsonValue(value)}}, askRepaint, false);
    else
        control->setName(value);
    if (repaints) {
        QTRY_COMPARE(paints.count, 1);
    } else {
        QTest::qWait(50);
        QCOMPARE(paints.count, 0);
    }
    if (route == "name") {
        QCOMPARE(control->getIndex(), 2);
        QCOMPARE(control->attributes().value("name"), QJsonValue(value));
    }
}

void TestUIBase::appliedKeyRoundsZoomTruncates_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("stored");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("applied");   // screen value when the key is applied
    QTest::addColumn<int>("rescaled");  // screen value after setScale(zoom)
    QTest::newRow("w 15 at 0.5") << "w" << 15 << 0.5 << 8 << 7;
    QTest::newRow("y 7 at 1.5") << "y" << 7 << 1.5 << 11 << 10;
    QTest::newRow("x -13 at 0.2") << "x" << -13 << 0.2 << -3 << -2;
    QTest::newRow("y -7 at 0.5") << "y" << -7 << 0.5 << -3 << -3;
}

void TestUIBase::appliedKeyRoundsZoomTruncates()
{
    QFETCH(QString, key);
    QFETCH(int, stored);
    QFETCH(double, zoom);
    QFETCH(int, applied);
    QFETCH(int, rescaled);
    UIBase control(m_page);
    control.setAttributes({{"x", 0}, {"y", 0}, {"w", 40}, {"h", 40}}, true, false);
    control.setScaleValue(zoom);
    control.setAttribute(key, stored, true);
    auto screen = [&]() {
        const QRect g = control.geometry();
        return key == "x" ? g.x() : key == "y" ? g.y() : g.width();
    };
    QCOMPARE(screen(), applied);
    control.setScale(zoom);
    QCOMPARE(screen(), rescaled);
    QCOMPARE(control.attributes().value(key).toInt(), stored);

    // A value that is no number stores the current edge in screen pixels,
    // which is then placed at the zoom once more.
    control.setAttribute(key, "abc", true);
    QCOMPARE(control.attributes().value(key).toInt(), rescaled);
    QCOMPARE(screen(), UIBase::roundHalfUp(rescaled * zoom));
}

void TestUIBase::geometryBeyondTheScreenStaysStored()
{
    auto *control = new UIBase(m_page);
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

void TestUIBase::nonPositiveZoomIsRefused()
{
    UIBase control(m_page);
    control.setAttributes({{"x", 10}, {"y", 10}, {"w", 50}, {"h", 50}}, true, false);
    control.setScale(0.0);
    control.setScaleValue(-2.0);
    control.setScaleValue(std::nan(""));
    QCOMPARE(control.getScale(), 1.0);
    QCOMPARE(control.geometry(), QRect(10, 10, 50, 50));
    control.setScale(0.5);
    QCOMPARE(control.geometry(), QRect(5, 5, 25, 25));
}

QTEST_MAIN(TestUIBase)
#include "tst_uibase.moc"
