#include "controls/uibase.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

QJsonValue jsonValue(const char *text)
{
    // Wrapped in an array so that bare scalars parse.
    return QJsonDocument::fromJson(QByteArray("[") + text + "]").array().at(0);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestUIBaseAttributes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keysAreNormalisedByGroup_data();
    void keysAreNormalisedByGroup();
    void mirroredFieldsFollowTheirKeys();
    void fontSizeIsSharedByThreeKeys();
    void textPositionKeepsValueButMirrorsInteger();

    void emptyChangesNeitherStoreNorEmitNorRepaint();
    void editViaSignalReportsWithoutChangingControl();
    void repaintFollowsTheKey_data();
    void repaintFollowsTheKey();
    void wholeObjectRepaintsOnceWhenAsked();

    void roundingIsHalfUp_data();
    void roundingIsHalfUp();
    void appliedKeyRoundsZoomTruncates_data();
    void appliedKeyRoundsZoomTruncates();
    void nonNumberGeometryKeepsCurrentScreenEdge();
    void rescaleRewritesStoredGeometryWithinIntRange();
    void hugeGeometryIsClampedOnScreenOnly();
    void nonPositiveZoomIsRefused();

    void widgetIndexRules_data();
    void widgetIndexRules();
    void setNameNumbersWithoutRepaint();
    void imagePathsResolveAgainstFileDir_data();
    void imagePathsResolveAgainstFileDir();

private:
    QWidget *makeHost();
    // A control of 80 x 40 shown on its page, its first paints behind it.
    UIBase *makeShownControl();
    TestWorkDir *m_workDir = nullptr;
    QWidget *m_host = nullptr;
};

void TestUIBaseAttributes::init()
{
    m_workDir = new TestWorkDir;
    QVERIFY(m_workDir->isValid());
}

void TestUIBaseAttributes::cleanup()
{
    delete m_host;
    m_host = nullptr;
    delete m_workDir;
    m_workDir = nullptr;
    GlobalManager::resetInstance();
}

QWidget *TestUIBaseAttributes::makeHost()
{
    m_host = new QWidget;
    m_host->resize(400, 300);
    return m_host;
}

UIBase *TestUIBaseAttributes::makeShownControl()
{
    auto *control = new UIBase(makeHost());
    control->setAttributes({{"w", 80}, {"h", 40}}, true, false);
    m_host->show();
    if (!QTest::qWaitForWindowExposed(m_host))
        return nullptr;
    QTest::qWait(20);
    return control;
}

void TestUIBaseAttributes::keysAreNormalisedByGroup_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("stored");

    // integer group
    QTest::newRow("PlaceId string") << "PlaceId" << "\"3\"" << "0";
    QTest::newRow("port fraction") << "port" << "12.9" << "0";
    QTest::newRow("port integral double") << "port" << "8080.0" << "8080";
    QTest::newRow("bold true") << "bold" << "true" << "0";
    QTest::newRow("m_group_id null") << "m_group_id" << "null" << "0";
    QTest::newRow("max beyond int") << "max" << "1e20" << "0";
    QTest::newRow("min at int limit") << "min" << "-2147483648" << "-2147483648";
    QTest::newRow("group_hide object") << "group_hide" << "{}" << "0";
    QTest::newRow("borderRadius array") << "borderRadius" << "[3]" << "0";
    // string group
    QTest::newRow("goto number") << "goto" << "5" << "\"\"";
    QTest::newRow("normalBkColor array") << "normalBkColor" << "[]" << "\"\"";
    QTest::newRow("room_10 object") << "room_10" << "{}" << "\"\"";
    QTest::newRow("type number") << "type" << "104" << "\"\"";
    // double group
    QTest::newRow("text_radio string") << "text_radio" << "\"0.5\"" << "1";
    // object and array groups
    QTest::newRow("grid_layout array") << "grid_layout" << "[]" << "{}";
    QTest::newRow("cmd_data_list object") << "cmd_data_list" << "{}" << "[]";
    // the geometry keys: a fraction is not a position
    QTest::newRow("x fraction") << "x" << "10.5" << "0";
}

void TestUIBaseAttributes::keysAreNormalisedByGroup()
{
    QFETCH(QString, key);
    QFETCH(QString, given);
    QFETCH(QString, stored);
    UIBase control(makeHost());
    control.setAttribute(key, jsonValue(given.toUtf8().constData()), true);
    QCOMPARE(control.attributes().value(key), jsonValue(stored.toUtf8().constData()));
}

void TestUIBaseAttributes::mirroredFieldsFollowTheirKeys()
{
    UIBase control(makeHost());
    control.setFileDir("/proj");
    const QJsonObject object{{"text_radio", 0.3}, {"bg_radio", 0.6},
                             {"normalBkColor", "#ff112233"}, {"pressBkColor", "#ff445566"},
                             {"normalColor", "#ff778899"}, {"pressColor", "#ffaabbcc"},
                             {"normal_image_path", "img/a.png"}, {"press_image_path", "b.png"}};
    control.setAttributes(object, true, false);
    // Keys of one shape must each reach their own field.
    QCOMPARE(control.textRatio(), 0.3);
    QCOMPARE(control.pictureRatio(), 0.6);
    QCOMPARE(QStringList({control.normalBkColor(), control.pressBkColor(), control.normalColor(), control.pressColor()}),
             QStringList({"#ff112233", "#ff445566", "#ff778899", "#ffaabbcc"}));
    QCOMPARE(control.normalImageFile(), QString("/proj/a.png"));
    QCOMPARE(control.pressImageFile(), QString("/proj/b.png"));
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        QCOMPARE(control.attributes().value(it.key()), it.value());

    // A wrongly typed colour empties the field as well as the stored value.
    control.setAttribute("normalColor", 5, false);
    QCOMPARE(control.normalColor(), QString());
    QCOMPARE(control.attributes().value("normalColor"), QJsonValue(QString()));
}

void TestUIBaseAttributes::fontSizeIsSharedByThreeKeys()
{
    UIBase control(makeHost());
    control.setAttribute("fontsize", 20, true);
    control.setAttribute("btn_size", 12, true);
    QCOMPARE(control.fontSize(), 12);
    QCOMPARE(control.attributes().value("fontsize").toInt(), 20);
    QCOMPARE(control.attributes().value("btn_size").toInt(), 12);

    // In one object the keys apply in sorted order: btn_size, fontsize, tagFontSize.
    UIBase other(m_host);
    other.setAttributes({{"tagFontSize", 9}, {"fontsize", 30}, {"btn_size", 11}}, true, false);
    QCOMPARE(other.fontSize(), 9);
}

void TestUIBaseAttributes::textPositionKeepsValueButMirrorsInteger()
{
    UIBase control(makeHost());
    control.setAttribute("text_position", "2", true);
    QCOMPARE(control.attributes().value("text_position"), QJsonValue("2"));
    QCOMPARE(control.textPosition(), 0);
    control.setAttribute("text_position", 3, true);
    QCOMPARE(control.textPosition(), 3);
}

void TestUIBaseAttributes::emptyChangesNeitherStoreNorEmitNorRepaint()
{
    UIBase *control = makeShownControl();
    QVERIFY(control);
    PaintCounter paints(control);
    QSignalSpy attributeSpy(control, &UIBase::signalAttributeChange);
    const QJsonObject before = control->attributes();
    control->setAttributes(QJsonObject(), true, true);
    control->setAttributes(QJsonObject(), true, false);
    QTest::qWait(50);
    QCOMPARE(attributeSpy.count(), 0);
    QCOMPARE(control->attributes(), before);
    QCOMPARE(paints.count, 0);
}

void TestUIBaseAttributes::editViaSignalReportsWithoutChangingControl()
{
    UIBase control(makeHost());
    control.setAttributes({{"name", "Label_1"}, {"x", 10}, {"y", 20}, {"w", 100}, {"h", 40}}, true,
                          false);
    const QJsonObject before = control.attributes();
    const QRect geometryBefore = control.geometry();

    QSignalSpy spy(&control, &UIBase::signalAttributeChange);
    control.setAttributes({{"x", "12"}, {"text", "Hi"}}, true, true);
    QCOMPARE(spy.count(), 1);
    const QJsonObject oldObject = spy.at(0).at(0).toJsonObject();
    const QJsonObject newObject = spy.at(0).at(1).toJsonObject();
    QCOMPARE(oldObject, before);
    QCOMPARE(newObject.value("x"), QJsonValue("12")); // not normalised on this route
    QCOMPARE(newObject.value("text"), QJsonValue("Hi"));
    QCOMPARE(newObject.value("name"), QJsonValue("Label_1"));
    QCOMPARE(control.attributes(), before);
    QCOMPARE(control.geometry(), geometryBefore);
    QCOMPARE(control.text(), QString());
}

void TestUIBaseAttributes::repaintFollowsTheKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("askRepaint");
    QTest::addColumn<bool>("repaints");

    QTest::newRow("text") << "text" << "\"A\"" << true << true;
    QTest::newRow("text without asking") << "text" << "\"A\"" << false << false;
    QTest::newRow("normalBkColor") << "normalBkColor" << "\"#ff0000ff\"" << true << true;
    QTest::newRow("normalColor") << "normalColor" << "\"#ff0000ff\"" << true << true;
    QTest::newRow("normal_image_path") << "normal_image_path" << "\"a.png\"" << true << true;
    QTest::newRow("direction") << "direction" << "1" << true << true;
    QTest::newRow("text_position") << "text_position" << "2" << true << true;
    QTest::newRow("text_radio") << "text_radio" << "0.5" << true << true;
    QTest::newRow("btn_size") << "btn_size" << "9" << true << true;
    QTest::newRow("bold") << "bold" << "1" << true << true;
    QTest::newRow("group_hide") << "group_hide" << "1" << true << true;
    QTest::newRow("titleVisible") << "titleVisible" << "1" << true << true;
    QTest::newRow("pressBkColor") << "pressBkColor" << "\"#ff0000ff\"" << true << false;
    QTest::newRow("press_image_path") << "press_image_path" << "\"a.png\"" << true << false;
    QTest::newRow("name") << "name" << "\"Label_3\"" << true << false;
    QTest::newRow("borderRadius") << "borderRadius" << "5" << true << false;
    QTest::newRow("port") << "port" << "80" << true << false;
    QTest::newRow("grid_layout") << "grid_layout" << "{}" << true << false;
    QTest::newRow("unknown") << "on_cmd_data_list" << "[]" << true << false;
}

void TestUIBaseAttributes::repaintFollowsTheKey()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, askRepaint);
    QFETCH(bool, repaints);

    UIBase *control = makeShownControl();
    QVERIFY(control);
    PaintCounter paints(control);
    control->setAttribute(key, jsonValue(value.toUtf8().constData()), askRepaint);
    if (repaints) {
        QTRY_COMPARE(paints.count, 1);
    } else {
        QTest::qWait(50);
        QCOMPARE(paints.count, 0);
    }
}

void TestUIBaseAttributes::wholeObjectRepaintsOnceWhenAsked()
{
    UIBase *control = makeShownControl();
    QVERIFY(control);
    PaintCounter paints(control);
    control->setAttributes({{"pressColor", "#ff000000"}, {"name", "Label_1"}}, false, false);
    QTest::qWait(50);
    QCOMPARE(paints.count, 0);
    // Keys without a repaint of their own still repaint once when the call asks.
    control->setAttributes({{"pressColor", "#ff111111"}}, true, false);
    QTRY_COMPARE(paints.count, 1);
}

void TestUIBaseAttributes::roundingIsHalfUp_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("0.5") << 0.5 << 1;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.4999") << 2.4999 << 2;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -1;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("-2.6") << -2.6 << -3;
    QTest::newRow("-2.4") << -2.4 << -2;
    QTest::newRow("beyond int") << 1e20 << std::numeric_limits<int>::max();
    QTest::newRow("below int") << -1e20 << std::numeric_limits<int>::min();
    QTest::newRow("nan") << std::nan("") << 0;
}

void TestUIBaseAttributes::roundingIsHalfUp()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(UIBase::roundHalfUp(value), rounded);
}

void TestUIBaseAttributes::appliedKeyRoundsZoomTruncates_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("stored");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("applied");   // screen value when the key is applied
    QTest::addColumn<int>("rescaled");  // screen value after setScale(zoom)

    QTest::newRow("x 10 at 0.5") << "x" << 10 << 0.5 << 5 << 5;
    QTest::newRow("w 15 at 0.5") << "w" << 15 << 0.5 << 8 << 7;
    QTest::newRow("h 5 at 0.5") << "h" << 5 << 0.5 << 3 << 2;
    QTest::newRow("y 7 at 1.5") << "y" << 7 << 1.5 << 11 << 10;
    QTest::newRow("x -5 at 0.5") << "x" << -5 << 0.5 << -2 << -2;
    QTest::newRow("x -13 at 0.2") << "x" << -13 << 0.2 << -3 << -2;
    QTest::newRow("y -7 at 0.5") << "y" << -7 << 0.5 << -3 << -3;
}

void TestUIBaseAttributes::appliedKeyRoundsZoomTruncates()
{
    QFETCH(QString, key);
    QFETCH(int, stored);
    QFETCH(double, zoom);
    QFETCH(int, applied);
    QFETCH(int, rescaled);

    UIBase control(makeHost());
    control.setAttributes({{"x", 0}, {"y", 0}, {"w", 40}, {"h", 40}}, true, false);
    control.setScaleValue(zoom);
    control.setAttribute(key, stored, true);
    auto screen = [&]() {
        const QRect g = control.geometry();
        return key == "x" ? g.x() : key == "y" ? g.y() : key == "w" ? g.width() : g.height();
    };
    QCOMPARE(screen(), applied);
    control.setScale(zoom);
    QCOMPARE(screen(), rescaled);
    QCOMPARE(control.attributes().value(key).toInt(), stored);
}

void TestUIBaseAttributes::nonNumberGeometryKeepsCurrentScreenEdge()
{
    UIBase control(makeHost());
    control.setAttributes({{"x", 30}, {"y", 20}, {"w", 100}, {"h", 50}}, true, false);
    QCOMPARE(control.geometry(), QRect(30, 20, 100, 50));
    control.setAttribute("x", "abc", true);
    QCOMPARE(control.attributes().value("x"), QJsonValue(30));
    control.setAttribute("w", QJsonValue(), true);
    QCOMPARE(control.attributes().value("w"), QJsonValue(100));

    // The current edge is taken in screen pixels, then scaled once more.
    control.setScaleValue(2.0);
    control.setAttribute("y", true, true);
    QCOMPARE(control.attributes().value("y"), QJsonValue(20));
    QCOMPARE(control.y(), 40);
}

void TestUIBaseAttributes::rescaleRewritesStoredGeometryWithinIntRange()
{
    UIBase control(makeHost());
    control.setAttributes({{"x", 101}, {"y", 51}, {"w", 33}, {"h", 7}}, true, false);
    control.setScaleValue(0.5);
    control.rescaleGeometry(1.5, 0.5);
    QCOMPARE(control.attributes(), QJsonObject({{"x", 151}, {"y", 25}, {"w", 49}, {"h", 3}}));
    QCOMPARE(control.geometry(), QRect(75, 12, 24, 1));

    // Missing or non-number geometry counts as 0.
    UIBase empty(m_host);
    empty.setAttribute("x", "left", false);
    empty.rescaleGeometry(2.0, 2.0);
    QCOMPARE(empty.attributes().value("w"), QJsonValue(0));

    UIBase far(m_host);
    far.setAttributes({{"x", 2000000000}, {"y", -2000000000}, {"w", 10}, {"h", 10}}, true, false);
    far.rescaleGeometry(4.0, 4.0);
    QCOMPARE(far.attributes(), QJsonObject({{"x", std::numeric_limits<int>::max()},
                                            {"y", std::numeric_limits<int>::min()}, {"w", 40}, {"h", 40}}));
    QCOMPARE(far.x(), QWIDGETSIZE_MAX);
}

void TestUIBaseAttributes::hugeGeometryIsClampedOnScreenOnly()
{
    QWidget *host = makeHost();
    auto *control = new UIBase(host);
    control->setScaleValue(2.0);
    const int big = std::numeric_limits<int>::max();
    control->setAttributes({{"x", big}, {"y", std::numeric_limits<int>::min()},
                            {"w", 2000000000}, {"h", -5}, {"text", "far"}},
                           true, false);
    QCOMPARE(control->x(), QWIDGETSIZE_MAX);
    QCOMPARE(control->y(), -QWIDGETSIZE_MAX);
    QCOMPARE(control->width(), QWIDGETSIZE_MAX);
    QCOMPARE(control->height(), 0);
    QCOMPARE(control->attributes().value("x"), QJsonValue(big));
    QCOMPARE(control->attributes().value("y"), QJsonValue(std::numeric_limits<int>::min()));
    QCOMPARE(control->attributes().value("w"), QJsonValue(2000000000));
    QCOMPARE(control->attributes().value("h"), QJsonValue(-5));

    control->setScale(3.0);
    QCOMPARE(control->x(), QWIDGETSIZE_MAX);
    QCOMPARE(control->width(), QWIDGETSIZE_MAX);
    QCOMPARE(control->attributes().value("w"), QJsonValue(2000000000));

    // A huge control still paints inside its page without trouble.
    control->setAttributes({{"x", 0}, {"y", 0}, {"h", 100000000}}, true, false);
    QCOMPARE(control->height(), QWIDGETSIZE_MAX);
    const QImage shot = host->grab().toImage();
    QCOMPARE(shot.size(), QSize(400, 300));
}

void TestUIBaseAttributes::nonPositiveZoomIsRefused()
{
    UIBase control(makeHost());
    control.setAttributes({{"x", 10}, {"y", 10}, {"w", 50}, {"h", 50}}, true, false);
    control.setScale(0.0);
    QCOMPARE(control.getScale(), 1.0);
    QCOMPARE(control.geometry(), QRect(10, 10, 50, 50));
    control.setScaleValue(-2.0);
    control.setScaleValue(std::nan(""));
    QCOMPARE(control.getScale(), 1.0);
    control.setScale(0.5);
    QCOMPARE(control.getScale(), 0.5);
    QCOMPARE(control.geometry(), QRect(5, 5, 25, 25));
}

void TestUIBaseAttributes::widgetIndexRules_data()
{
    QTest::addColumn<QString>("first");   // JSON object applied first
    QTest::addColumn<QString>("second");  // then this one ("" for none)
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("storedWidgetIndex"); // -100 when the key is absent

    QTest::newRow("name wins over widgetIndex")
        << R"({"name":"Button_7","widgetIndex":2})" << "" << 7 << 7;
    QTest::newRow("plain name takes widgetIndex")
        << R"({"name":"Button","widgetIndex":2})" << "" << 2 << 2;
    QTest::newRow("two underscores") << R"({"name":"Cmd_Button_3"})" << "" << -1 << -100;
    QTest::newRow("not digits") << R"({"name":"Button_x"})" << "" << -1 << -100;
    QTest::newRow("empty part") << R"({"name":"Button_"})" << "" << -1 << -100;
    QTest::newRow("blank digits trimmed") << R"({"name":"Button_ 4"})" << "" << 4 << -100;
    QTest::newRow("leading zeros") << R"({"name":"Button_007"})" << "" << 7 << -100;
    QTest::newRow("digits beyond int leave index")
        << R"({"name":"Button_99999999999"})" << "" << -1 << -100;
    QTest::newRow("index kept once set")
        << R"({"widgetIndex":2})" << R"({"widgetIndex":5})" << 2 << 2;
    QTest::newRow("later name renumbers")
        << R"({"widgetIndex":2})" << R"({"name":"Label_9"})" << 9 << 2;
    QTest::newRow("name then bad name keeps")
        << R"({"name":"Label_9"})" << R"({"name":"Label_a"})" << 9 << -100;
    QTest::newRow("widgetIndex string") << R"({"widgetIndex":"3"})" << "" << 0 << 0;
}

void TestUIBaseAttributes::widgetIndexRules()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, index);
    QFETCH(int, storedWidgetIndex);

    UIBase control(makeHost());
    QCOMPARE(control.getIndex(), -1);
    control.setAttributes(QJsonDocument::fromJson(first.toUtf8()).object(), true, false);
    if (!second.isEmpty())
        control.setAttributes(QJsonDocument::fromJson(second.toUtf8()).object(), true, false);
    QCOMPARE(control.getIndex(), index);
    QCOMPARE(control.attributes().value("widgetIndex").toInt(-100), storedWidgetIndex);
}

void TestUIBaseAttributes::setNameNumbersWithoutRepaint()
{
    UIBase *control = makeShownControl();
    QVERIFY(control);
    PaintCounter paints(control);
    control->setName("Label_2");
    QCOMPARE(control->getName(), QString("Label_2"));
    QCOMPARE(control->getIndex(), 2);
    QCOMPARE(control->attributes().value("name"), QJsonValue("Label_2"));
    QTest::qWait(50);
    QCOMPARE(paints.count, 0);
}

void TestUIBaseAttributes::imagePathsResolveAgainstFileDir_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("windows path") << "C:\\img\\a.png" << "/p/a.png";
    QTest::newRow("unix path") << "/old/project/b.jpg" << "/p/b.jpg";
    QTest::newRow("mixed separators") << "C:/x\\y/c.png" << "/p/c.png";
    QTest::newRow("bare name") << "d.png" << "/p/d.png";
    QTest::newRow("empty") << "" << "";
}

void TestUIBaseAttributes::imagePathsResolveAgainstFileDir()
{
    QFETCH(QString, path);
    QFETCH(QString, resolved);
    UIBase control(makeHost());
    control.setFileDir("/p");
    QCOMPARE(control.imageFilePath(path), resolved);
    control.setAttribute("normal_image_path", path, false);
    QCOMPARE(control.normalImageFile(), resolved);
    // The stored value stays as typed, so the page file keeps it.
    QCOMPARE(control.attributes().value("normal_image_path"), QJsonValue(path));
}

QTEST_MAIN(TestUIBaseAttributes)
#include "tst_uibase_attributes.moc"
