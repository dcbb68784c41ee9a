#include "canvas/alignment.h"
#include "canvas/cmdlists.h"
#include "canvas/defaultattributes.h"
#include "canvas/editrules.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QtTest>

#include <climits>

// The rules of editing on attribute objects alone; the page tests check only
// what the page adds. The defaults of new controls are data in the code: a
// few rows are spot-checked, with the rules that walk them.
using namespace EditRules;
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

// The value of key in every step an alignment pushes, in push order, after
// checking that no other key changes; empty when it pushes none.
QList<int> aligned(int operation, const Boxes &selection, const char *key, const QJsonObject &page)
{
    QList<int> values;
    for (const Alignment::Change &change : Alignment::plan(operation, selection, page).changes) {
        values << change.attributes.value(key).toInt();
        if (with(change.attributes, {{key, 0}}) != with(selection.at(change.index), {{key, 0}}))
            values << INT_MIN;
    }
    return values;
}

} // namespace

class TestEditRules : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void pasteLatchAndPainter()
    {
        QCOMPARE(pasted(box(100, 40, 80, 30), "Button", 2),
                 with(box(110, 50, 80, 30), {{"widgetIndex", 2}, {"name", "Button_2"}}));
        // Neither the offset nor a new group id wraps around the int range.
        QCOMPARE(pasted(box(INT_MAX, 0, 1, 1), "Button", 0).value("x").toInt(), INT_MAX);
        QCOMPARE(nextGroupId(7, {}), 8);
        QCOMPARE(nextGroupId(INT_MAX, {0, 1, 2, INT_MAX}), 3);
        const QJsonObject label{{"type", "Label"}};
        QCOMPARE(latched(latched(label, 1, 0), 0, 8), with(label, {{"self_locking", 0}, {"m_group_id", 8}}));
        // The painter keeps the target's place, name, texts, group and kind;
        // a kept key the target lacks becomes null.
        const QJsonObject from = with(box(10, 10, 200, 80), {{"text", "A"}, {"normalBkColor", "#ff112233"},
                                                              {"m_group_id", 3}, {"type", "GridSettingButton"}});
        const QJsonObject onto{{"x", 300}, {"y", 400}, {"text", "B"}, {"name", "Button_1"}, {"widgetIndex", 1},
                               {"type", "WallGridSettingButton"}};
        QCOMPARE(painted(from, onto), with(from, with(onto, {{"m_group_id", QJsonValue()}})));
    }

    void movesAndDropsStayInsideThePage()
    {
        QCOMPARE(nudged(box(1850, 0, 100, 5), Right, 1920).value("x").toInt(), 1820);
        QCOMPARE(nudgeExtent(QJsonObject{{"w", "800"}, {"h", 0}}, Down), 1080);
        QCOMPARE(movedBy(box(1880, 1050, 50, 20), QPoint(30, 20), 1920, 1080), box(1870, 1060, 50, 20));
        QCOMPARE(band(QPoint(700, 500), QPoint(900, 700), QSize(800, 600)), QRect(700, 500, 100, 100));
        // A drop puts the control's bottom-right corner at the cursor, held at
        // the page's top and left; nothing when the cursor is outside, or the
        // size too small or larger than the page.
        const QSize page(800, 600);
        const QSize label(160, 90);
        QRect dropped;
        const QPair<QPoint, QPoint> drops[] = {
            {{400, 300}, {240, 210}}, {{100, 50}, {0, 0}}, {{120, 95}, {0, 5}}, {{799, 599}, {639, 509}}};
        for (const auto &drop : drops) {
            QVERIFY(dropRect(drop.first, label, page, &dropped));
            QCOMPARE(dropped, QRect(drop.second, label));
        }
        QVERIFY(!dropRect(QPoint(900, 700), label, page, &dropped));
        QVERIFY(!dropRect(QPoint(400, 300), QSize(4, 90), page, &dropped));
        QVERIFY(!dropRect(QPoint(400, 300), QSize(90, 601), page, &dropped));
    }

    void alignmentsAndDistributions()
    {
        using namespace Alignment;
        const QJsonObject page{{"w", 1920}, {"h", 1080}};
        // To the first selected control, halves toward zero; distributed in
        // centre order with the group's extent kept; centred and held at 0.
        QCOMPARE(aligned(AlignVCenter, {box(100, 0, -7, 10), box(0, 0, 0, 10)}, "x", page), (QList<int>{100, 97}));
        QCOMPARE(aligned(DistributeH, {box(0, 0, 10, 5), box(25, 0, 10, 5), box(12, 0, 10, 5), box(40, 0, 10, 5)},
                         "x", page),
                 (QList<int>{0, 13, 26, 39}));
        QCOMPARE(aligned(CenterInPageH, {box(0, 0, 100, 10), box(3000, 0, 100, 10)}, "x", page), (QList<int>{0, 2410}));
        // Sums of extreme values are worked out in 64 bits.
        const Boxes extremes{box(INT_MAX, 0, INT_MAX, 10), box(INT_MIN, 0, INT_MIN, 10)};
        const QJsonObject wide{{"w", INT_MAX}, {"h", 1080}};
        QCOMPARE(aligned(AlignRight, extremes, "x", wide).last(), INT_MAX);
        QCOMPARE(plan(DistributeH, extremes, wide).status, Plan::Apply);
        QCOMPARE(plan(CenterInPageH, extremes, wide).status, Plan::Apply);
        // Without a control of usable geometry the user is told, except when distributing.
        const Boxes odd{QJsonObject{{"x", 1}, {"y", "2"}}, QJsonObject{{"x", 1}}};
        QCOMPARE(plan(AlignTop, odd, page).status, Plan::NoValidControl);
        QCOMPARE(plan(DistributeV, odd, page).status, Plan::Nothing);
    }

    void commandListsPasteAndReplace()
    {
        // From a progress slider, which has no off list: the target's off list
        // stays; a list the target lacks, or holds as no array, is not pasted.
        QJsonObject target = button({command("1.1.1.1", 1)}, {command("2.2.2.2", 2)});
        CmdLists::pasteLists(target, QJsonObject{{"on_cmd_data_list", QJsonArray{command("9.9.9.9", 9)}}});
        QCOMPARE(target, button({command("9.9.9.9", 9)}, {command("2.2.2.2", 2)}));
        QJsonObject text{{"on_cmd_data_list", "text"}};
        CmdLists::pasteLists(text, target);
        QCOMPARE(text, QJsonObject({{"on_cmd_data_list", "text"}}));
        // Found by address and port when both are asked, a port as text never;
        // -1 keeps a value; elements that are no command stay.
        CMD_BTN_ARGS args;
        args.findIpEnabled = args.findPortEnabled = true;
        args.findIp = "h";
        args.findPort = 80;
        args.newIp = "10.0.0.2";
        args.port = 7000;
        args.reconnectNum = -5;
        QJsonObject lists = button({command("h", 80), command("h", 81), command("H", 80)}, {"keep", command("h", "80")});
        QVERIFY(CmdLists::replaceArgs(lists, args));
        QCOMPARE(lists, button({with(command("h", 80), {{"port", 7000}, {"reconnect_num", -5}, {"ip", "10.0.0.2"}}),
                                command("h", 81), command("H", 80)},
                               {"keep", command("h", "80")}));
    }

    void defaultsOfEveryPlaceableKind()
    {
        TestWorkDir work(TestWorkDir::WithAssets);
        QVERIFY(work.isValid());
        // Every design kind but the page and the wall grid button can be
        // placed; others get the eighteen common keys only.
        int placeable = 0;
        for (const ControlTypeEntry &entry : designControlTypes()) {
            QCOMPARE(DefaultAttributes::hasKind(entry.id), entry.id != 100 && entry.id != 142);
            QCOMPARE(DefaultAttributes::kindKeys(entry.id).isEmpty(), !DefaultAttributes::hasKind(entry.id));
            placeable += DefaultAttributes::hasKind(entry.id);
        }
        QCOMPARE(placeable, 60);
        for (int id : {100, 142, 132, -1})
            QCOMPARE(DefaultAttributes::build(id, QRect(0, 0, 10, 10), "X", 0).size(), 18);
        // Spot checks: numbers, texts, arrays and objects told apart.
        const auto value = [](int id, const char *key) {
            return DefaultAttributes::build(id, QRect(1, 2, 3, 4), designControlTypeName(id), 7).value(key);
        };
        QCOMPARE(value(113, "name"), QJsonValue("Button_7"));
        QCOMPARE(value(103, "normalBkColor"), QJsonValue("#334e6ef2"));
        QCOMPARE(value(136, "show_item_num"), QJsonValue(10));
        QCOMPARE(value(131, "feedback"), QJsonValue(QJsonObject()));
        QCOMPARE(value(134, "matrix_index"), QJsonValue("0"));
        // The band's pixels as stored: halves go up, also below 0 and drawn backwards.
        QCOMPARE(DefaultAttributes::storedRect(QRect(30, 45, 100, 50), 0.6), QRect(50, 75, 167, 83));
        QCOMPARE(DefaultAttributes::storedRect(QRect(-5, -3, 10, 10), 2.0), QRect(-2, -1, 5, 5));
        QCOMPARE(DefaultAttributes::storedRect(QRect(QPoint(129, 94), QPoint(30, 45)), 0.6), QRect(50, 75, 167, 83));
        // Texts take the language of the moment.
        GlobalManager::instance()->setLanguage(1);
        GlobalManager::instance()->loadTranslator();
        QCOMPARE(value(129, "text"), QJsonValue(QString::fromUtf8("命令按鈕")));
        GlobalManager::instance()->setLanguage(2);
        QCOMPARE(value(113, "text"), QJsonValue("Button"));
    }
};

QTEST_MAIN(TestEditRules)
#include "tst_editrules.moc"
