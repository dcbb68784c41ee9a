#include "canvas/alignment.h"
#include "canvas/cmdlists.h"
#include "canvas/defaultattributes.h"
#include "canvas/editrules.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <climits>

// The rules of editing on attribute objects alone, the page tests checking
// only what the page adds to them; and the defaults of new controls, which are
// data in the code: a few rows are spot-checked, with the rules that walk them.
using namespace EditRules;
using Alignment::Plan;
using Boxes = QVector<QJsonObject>;

namespace {

QJsonObject box(int x, int y, int w, int h)
{
    return QJsonObject{{"x", x}, {"y", y}, {"w", w}, {"h", h}, {"name", "Button_0"}, {"type", "Button"}};
}

QJsonObject with(QJsonObject object, const QJsonObject &changes)
{
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

QJsonObject command(const QJsonValue &ip, const QJsonValue &port)
{
    return QJsonObject{{"ip", ip}, {"port", port}, {"protocol", 0}, {"ms", 0}, {"front_ms", 0},
                       {"connect_timout", 3000}, {"reconnect_num", 3}};
}

QJsonObject button(const QJsonArray &on, const QJsonArray &off = QJsonArray())
{
    return QJsonObject{{"type", "CmdButton"}, {"on_cmd_data_list", on}, {"off_cmd_data_list", off}};
}

// A record that sets the given numbers (port, protocol, timeout, before, after,
// reconnect; -1 keeps), the new address, and finds by address when given one.
CMD_BTN_ARGS record(std::initializer_list<int> numbers, const QString &newIp = QString(),
                    const QString &findIp = QString())
{
    CMD_BTN_ARGS args;
    int *fields[] = {&args.port, &args.protocol, &args.connectTimeout, &args.beforeSendInterval,
                     &args.afterSendInterval, &args.reconnectNum};
    int i = 0;
    for (int n : numbers)
        *fields[i++] = n;
    args.newIp = newIp;
    args.findIpEnabled = !findIp.isEmpty();
    args.findIp = findIp;
    return args;
}

} // namespace

class TestEditRules : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void pasteLatchAndPainter();
    void nudge_data();
    void nudge();
    void groupMoveBandDropAndWheel();
    void alignmentSteps_data();
    void alignmentSteps();
    void alignmentInSixtyFourBits();
    void alignmentRefusals_data();
    void alignmentRefusals();
    void commandListPaste();
    void commandMatching();
    void commandReplacement_data();
    void commandReplacement();
    void defaultsSpotChecks_data();
    void defaultsSpotChecks();
    void everyPlaceableKindHasDefaultsStoredInPagePixels();
    void textsTakeTheLanguageOfTheMoment();
};

void TestEditRules::pasteLatchAndPainter()
{
    QCOMPARE(pasted(box(100, 40, 80, 30), "Button", 2),
             with(box(110, 50, 80, 30), {{"widgetIndex", 2}, {"name", "Button_2"}}));
    // Texts stay as they are; latch and commands travel with the copy.
    const QJsonObject source{{"x", "left"}, {"self_locking", 1}, {"on_cmd_data_list", QJsonArray{1}}};
    QCOMPARE(pasted(source, "CmdButton", 0), with(source, {{"widgetIndex", 0}, {"name", "CmdButton_0"}}));
    // Neither the offset nor a new group id wraps around the int range.
    QCOMPARE(pasted(box(INT_MAX, 0, 1, 1), "Button", 0).value("x").toInt(), INT_MAX);
    QCOMPARE(nextGroupId(7, {}), 8);
    QCOMPARE(nextGroupId(INT_MAX, {0, 1, 2, INT_MAX}), 3);
    const QJsonObject label{{"type", "Label"}};
    QCOMPARE(latched(latched(label, 1, 0), 0, 8), with(label, {{"self_locking", 0}, {"m_group_id", 8}}));

    // The painter keeps the target's place, name, texts, group and kind.
    const QJsonObject from = with(box(10, 10, 200, 80), {{"text", "A"}, {"normalBkColor", "#ff112233"},
                                                          {"m_group_id", 3}, {"type", "GridSettingButton"}});
    const QJsonObject onto = with(box(300, 400, 100, 40), {{"text", "B"}, {"name", "Button_1"}, {"m_group_id", 5},
                                                           {"widgetIndex", 1}, {"type", "WallGridSettingButton"}});
    QCOMPARE(painted(from, onto), with(from, {{"x", 300}, {"y", 400}, {"text", "B"}, {"name", "Button_1"},
                                              {"m_group_id", 5}, {"widgetIndex", 1}, {"type", "WallGridSettingButton"}}));
    // A kept key the target lacks becomes null; keys the source lacks stay out.
    const QJsonObject bare = painted(from, QJsonObject{{"name", "Button_3"}});
    QVERIFY(bare.contains("x") && bare.value("x").isNull() && bare.value("text").isNull());
    QVERIFY(!bare.contains("feature_type"));
}

void TestEditRules::nudge_data()
{
    QTest::addColumn<QJsonObject>("before");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("up at 0 stays") << box(0, 0, 5, 5) << int(Up) << "y" << 0;
    QTest::newRow("right past the edge pulls back") << box(1850, 0, 100, 5) << int(Right) << "x" << 1820;
    QTest::newRow("right, wider than the page") << box(0, 0, 2000, 5) << int(Right) << "x" << -80;
    QTest::newRow("width not a number counts 0") << with(box(1915, 0, 0, 5), {{"w", "wide"}}) << int(Right) << "x"
                                                 << 1916;
}

void TestEditRules::nudge()
{
    QFETCH(QJsonObject, before);
    QFETCH(int, direction);
    QFETCH(QString, key);
    QFETCH(int, expected);
    const int extent = nudgeExtent(QJsonObject{{"w", "800"}, {"h", 0}}, Direction(direction));
    QCOMPARE(nudged(before, Direction(direction), extent), with(before, {{key, expected}}));
}

void TestEditRules::groupMoveBandDropAndWheel()
{
    auto moved = [](const QJsonObject &o, QPoint offset) {
        const QJsonObject after = movedBy(o, offset, 1920, 1080);
        return QPoint(after.value("x").toInt(), after.value("y").toInt());
    };
    QCOMPARE(moved(box(1880, 1050, 50, 20), QPoint(30, 20)), QPoint(1870, 1060));
    QCOMPARE(moved(box(0, 0, 3000, 20), QPoint(5, 0)), QPoint(0, 0));
    QCOMPARE(moved(QJsonObject{{"name", "n"}}, QPoint(4, 5)), QPoint(4, 5));
    // The band is cut at the right and bottom only.
    QCOMPARE(band(QPoint(700, 500), QPoint(900, 700), QSize(800, 600)), QRect(700, 500, 100, 100));
    QCOMPARE(band(QPoint(10, 10), QPoint(-20, -30), QSize(800, 600)), QRect(-20, -30, 30, 40));

    // Where the drag indicator shows it, held inside the page; nothing when
    // the cursor is outside, or the rectangle too small or larger than the page.
    const QSize page(800, 600);
    QRect dropped;
    QVERIFY(dropRect(QPoint(400, 300), QRect(320, 255, 160, 90), page, &dropped));
    QCOMPARE(dropped, QRect(320, 255, 160, 90));
    QVERIFY(dropRect(QPoint(50, 20), QRect(-30, -25, 160, 90), page, &dropped));
    QCOMPARE(dropped, QRect(0, 0, 160, 90));
    QVERIFY(dropRect(QPoint(780, 590), QRect(700, 545, 160, 90), page, &dropped));
    QCOMPARE(dropped, QRect(640, 510, 160, 90));
    QVERIFY(!dropRect(QPoint(900, 700), QRect(820, 655, 160, 90), page, &dropped));
    QVERIFY(!dropRect(QPoint(400, 300), QRect(400, 300, 4, 90), page, &dropped));
    QVERIFY(!dropRect(QPoint(400, 300), QRect(400, 0, 90, 601), page, &dropped));

    QVERIFY(qFuzzyCompare(wheelScale(1.0, 60), 0.99));
    QVERIFY(qFuzzyCompare(wheelScale(2.0, 120), 2.0));
}

void TestEditRules::alignmentSteps_data()
{
    // The pushed steps as "index:value" of one key, in push order.
    QTest::addColumn<int>("operation");
    QTest::addColumn<Boxes>("selection");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("expected");

    // Alignment to the first selected control; the reference gets its own step.
    QTest::newRow("left: the first selected, not the leftmost")
        << int(Alignment::AlignLeft) << Boxes{box(50, 5, 10, 10), box(20, 5, 10, 10), box(80, 5, 10, 10)}
        << "x" << QStringList{"0:50", "1:50", "2:50"};
    QTest::newRow("right: a width that is not a number reads 0, a missing x is added")
        << int(Alignment::AlignRight) << Boxes{box(200, 0, 100, 10), QJsonObject{{"name", "L"}, {"w", "wide"}}}
        << "x" << QStringList{"0:200", "1:300"};
    QTest::newRow("bottom") << int(Alignment::AlignBottom) << Boxes{box(0, 40, 10, 60), box(0, 7, 10, 30)} << "y"
                            << QStringList{"0:40", "1:70"};
    QTest::newRow("same centre x, negative half toward zero")
        << int(Alignment::AlignVCenter) << Boxes{box(100, 0, -7, 10), box(0, 0, 0, 10)} << "x"
        << QStringList{"0:100", "1:97"};
    QTest::newRow("same centre y, halves toward zero")
        << int(Alignment::AlignHCenter) << Boxes{box(0, 100, 10, 41), box(0, 0, 10, 11)} << "y"
        << QStringList{"0:100", "1:115"};
    // Distribution: steps in centre order, the group keeps its extent.
    QTest::newRow("distribute: four with free space 10: gap 3, one unit short at the right")
        << int(Alignment::DistributeH)
        << Boxes{box(0, 0, 10, 5), box(12, 0, 10, 5), box(25, 0, 10, 5), box(40, 0, 10, 5)} << "x"
        << QStringList{"0:0", "1:13", "2:26", "3:39"};
    // Centring in the 1920 x 1080 page.
    QTest::newRow("centre: held at 0 when the group is wider than the page")
        << int(Alignment::CenterInPageH) << Boxes{box(0, 0, 100, 10), box(3000, 0, 100, 10)} << "x"
        << QStringList{"0:0", "1:2410"};
    QTest::newRow("centre: vertical, a non-qualifying control moves too, from 0")
        << int(Alignment::CenterInPageV) << Boxes{box(0, 10, 10, 100), QJsonObject{{"name", "odd"}}} << "y"
        << QStringList{"0:490", "1:480"};
}

void TestEditRules::alignmentSteps()
{
    QFETCH(int, operation);
    QFETCH(Boxes, selection);
    QFETCH(QString, key);
    QFETCH(QStringList, expected);
    const Plan plan = Alignment::plan(operation, selection, QJsonObject{{"w", 1920}, {"h", 1080}});
    QCOMPARE(plan.status, Plan::Apply);
    QStringList steps;
    for (const Alignment::Change &change : plan.changes) {
        steps << QString::number(change.index) + ':' + QString::number(change.attributes.value(key).toInt());
        // Only that key changes.
        QJsonObject rest = change.attributes;
        QJsonObject before = selection.at(change.index);
        rest.remove(key);
        before.remove(key);
        QCOMPARE(rest, before);
    }
    QCOMPARE(steps, expected);
}

void TestEditRules::alignmentInSixtyFourBits()
{
    const Boxes selection{box(INT_MAX, 0, INT_MAX, 10), box(INT_MIN, 0, INT_MIN, 10)};
    const QJsonObject page{{"w", INT_MAX}, {"h", 1080}};
    QCOMPARE(Alignment::plan(Alignment::AlignRight, selection, page).changes.at(1).attributes["x"].toInt(), INT_MAX);
    QCOMPARE(Alignment::plan(Alignment::DistributeH, selection, page).status, Plan::Apply);
    QCOMPARE(Alignment::plan(Alignment::CenterInPageH, selection, page).status, Plan::Apply);
}

void TestEditRules::alignmentRefusals_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<Boxes>("selection");
    QTest::addColumn<QJsonObject>("pageObject");
    QTest::addColumn<int>("status");

    const QJsonObject odd{{"x", 1}, {"y", "2"}};
    const Boxes one{box(1, 1, 1, 1)};
    const Boxes twoOdd{odd, odd};
    const QJsonObject fullHd{{"w", 1920}, {"h", 1080}};
    auto row = [](int op, const char *what) -> QTestData & {
        return QTest::newRow(qPrintable(QStringLiteral("op %1 %2").arg(op).arg(QLatin1String(what))));
    };
    for (int op : {0, 1, 2, 3, 4, 5, 8}) {
        row(op, "with one selected") << op << one << fullHd << int(Plan::Nothing);
        row(op, "without a valid control") << op << twoOdd << fullHd << int(Plan::NoValidControl);
    }
    for (int op : {6, 7}) {
        row(op, "with one selected") << op << one << fullHd << int(Plan::Nothing);
        row(op, "without a valid control is silent") << op << twoOdd << fullHd << int(Plan::Nothing);
    }
    for (int op : {9, 10})
        row(op, "page size not a number") << op << one << QJsonObject{{"w", "1920"}, {"h", "1080"}}
                                           << int(Plan::Nothing);
    row(11, "outside the table") << 11 << Boxes{box(1, 1, 1, 1), box(2, 2, 2, 2)} << fullHd << int(Plan::Nothing);
}

void TestEditRules::alignmentRefusals()
{
    QFETCH(int, operation);
    QFETCH(Boxes, selection);
    QFETCH(QJsonObject, pageObject);
    QFETCH(int, status);
    const Plan plan = Alignment::plan(operation, selection, pageObject);
    QCOMPARE(int(plan.status), status);
    QVERIFY(plan.changes.isEmpty());
}

void TestEditRules::commandListPaste()
{
    // From a progress slider, which has no off list: the target's off list stays.
    QJsonObject target = button({command("1.1.1.1", 1)}, {command("2.2.2.2", 2)});
    CmdLists::pasteLists(target, QJsonObject{{"on_cmd_data_list", QJsonArray{command("9.9.9.9", 9)}}});
    QCOMPARE(target, button({command("9.9.9.9", 9)}, {command("2.2.2.2", 2)}));
    // A list the target lacks, or holds as no array, is not pasted.
    QJsonObject text{{"on_cmd_data_list", "text"}};
    CmdLists::pasteLists(text, target);
    QCOMPARE(text, QJsonObject({{"on_cmd_data_list", "text"}}));
}

void TestEditRules::commandMatching()
{
    CMD_BTN_ARGS args = record({}, QString(), "192.168.1.5");
    args.findPort = 80;
    QVERIFY(CmdLists::matches(command("192.168.1.5", 80), args));
    QVERIFY(!CmdLists::matches(command("HOST", 80), record({}, QString(), "host")));
    QVERIFY(!CmdLists::matches(command(5, 80), record({}, QString(), "5")));
    // With both switches both must match; a port as text never does.
    args.findPortEnabled = true;
    QVERIFY(!CmdLists::matches(command("192.168.1.5", 81), args));
    QVERIFY(!CmdLists::matches(command("192.168.1.5", "80"), args));
    QVERIFY(!CmdLists::matches(command("192.168.1.5", 80), record({})));
}

void TestEditRules::commandReplacement_data()
{
    QTest::addColumn<QJsonObject>("attributes");
    QTest::addColumn<CMD_BTN_ARGS>("args");
    QTest::addColumn<QJsonObject>("expected");
    QTest::addColumn<bool>("changed");
    const QJsonObject a1 = command("192.168.0.10", 5000);
    const QJsonObject b1 = command("192.168.0.11", 5000);
    const QJsonObject a2 = command("192.168.0.10", 6000);
    QTest::newRow("matching commands of both lists; -1 keeps, other values are written")
        << button({a1, b1}, {a2}) << record({7000, -1, -1, 200, -1, -5}, "10.0.0.2", "192.168.0.10")
        << button({with(a1, {{"port", 7000}, {"front_ms", 200}, {"reconnect_num", -5}, {"ip", "10.0.0.2"}}), b1},
                  {with(a2, {{"port", 7000}, {"front_ms", 200}, {"reconnect_num", -5}, {"ip", "10.0.0.2"}})})
        << true;
    QTest::newRow("without find switches: nothing changes, but it counts")
        << button({a1}) << record({9}, "9.9.9.9") << button({a1}) << true;
    QTest::newRow("non-object elements are kept")
        << button({"keep", command("h", 1), 3}) << record({-1, 1}, QString(), "h")
        << button({"keep", with(command("h", 1), {{"protocol", 1}}), 3}) << true;
    QTest::newRow("lists without a command object are no change")
        << button({1, "two"}) << record({9}) << button({1, "two"}) << false;
}

void TestEditRules::commandReplacement()
{
    QFETCH(QJsonObject, attributes);
    QFETCH(CMD_BTN_ARGS, args);
    QFETCH(QJsonObject, expected);
    QFETCH(bool, changed);
    QCOMPARE(CmdLists::replaceArgs(attributes, args), changed);
    QCOMPARE(attributes, expected);
}

void TestEditRules::defaultsSpotChecks_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("value");   // as a JSON array of one
    QTest::newRow("image label's own colour wins") << 103 << "normalBkColor" << QByteArray(R"(["#334e6ef2"])");
    QTest::newRow("play list shows ten") << 136 << "show_item_num" << QByteArray("[10]");
    QTest::newRow("page button list") << 126 << "off_cmd_data_list" << QByteArray("[[]]");
    QTest::newRow("slider feedback object") << 131 << "feedback" << QByteArray("[{}]");
    QTest::newRow("matrix index is text") << 134 << "matrix_index" << QByteArray(R"(["0"])");
}

void TestEditRules::defaultsSpotChecks()
{
    QFETCH(int, id);
    QFETCH(QString, key);
    QFETCH(QByteArray, value);
    const QJsonValue expected = QJsonDocument::fromJson(value).array().first();
    const QJsonObject built = DefaultAttributes::build(id, QRect(1, 2, 3, 4), designControlTypeName(id), 7);
    QCOMPARE(built.value(key), expected);
    // Numbers, texts, arrays and objects are told apart in the file.
    QCOMPARE(built.value(key).type(), expected.type());
    QCOMPARE(built.value("name").toString(), designControlTypeName(id) + "_7");
}

void TestEditRules::everyPlaceableKindHasDefaultsStoredInPagePixels()
{
    TestWorkDir work;
    // Every design kind but the page and the wall grid button can be placed.
    int placeable = 0;
    for (const ControlTypeEntry &entry : GlobalManager::instance()->controlTypeTable()) {
        const bool expected = entry.id != 100 && entry.id != 142;
        QCOMPARE(DefaultAttributes::hasKind(entry.id), expected);
        QCOMPARE(DefaultAttributes::kindKeys(entry.id).isEmpty(), !expected);
        placeable += expected;
    }
    QCOMPARE(placeable, 60);
    // Others get the common keys only.
    for (int id : {100, 142, 132, -1})
        QCOMPARE(DefaultAttributes::build(id, QRect(0, 0, 10, 10), "X", 0).size(), 18);

    // The common keys first, the kind's own on top.
    const QJsonObject expected{
        {"x", 50}, {"y", 75}, {"w", 167}, {"h", 83}, {"normalBkColor", ""}, {"pressBkColor", ""},
        {"normal_image_path", ""}, {"press_image_path", ""}, {"normalColor", "#ffffffff"},
        {"pressColor", "#ffc9af4e"}, {"fontsize", 14}, {"bold", 0}, {"text_position", 0},
        {"text_radio", 1.0}, {"bg_radio", 1.0}, {"type", "Button"}, {"widgetIndex", 5},
        {"name", "Button_5"}, {"text", QString::fromUtf8("普通按钮")}, {"direction", 0}};
    QCOMPARE(DefaultAttributes::build(113, QRect(50, 75, 167, 83), "Button", 5), expected);
    // The band's pixels as stored: halves go up, also below 0 and drawn backwards.
    QCOMPARE(DefaultAttributes::storedRect(QRect(30, 45, 100, 50), 0.6), QRect(50, 75, 167, 83));
    QCOMPARE(DefaultAttributes::storedRect(QRect(-5, -3, 10, 10), 2.0), QRect(-2, -1, 5, 5));
    QCOMPARE(DefaultAttributes::storedRect(QRect(QPoint(129, 94), QPoint(30, 45)), 0.6), QRect(50, 75, 167, 83));
}

void TestEditRules::textsTakeTheLanguageOfTheMoment()
{
    TestWorkDir work(TestWorkDir::WithAssets);
    QVERIFY(work.isValid());
    auto text = [](int id, int index) { return DefaultAttributes::kindKeys(id).at(index).second.toString(); };
    GlobalManager::instance()->setLanguage(1);
    GlobalManager::instance()->loadTranslator();
    QCOMPARE(text(113, 0), QString::fromUtf8("普通按鈕"));
    QCOMPARE(text(129, 1), QString::fromUtf8("命令按鈕"));
    GlobalManager::instance()->setLanguage(2);
    QCOMPARE(text(113, 0), QString("Button"));
    // Untranslated keys stay as they are whatever the language.
    QCOMPARE(text(134, 7), QString("0"));
}

QTEST_MAIN(TestEditRules)
#include "tst_editrules.moc"
