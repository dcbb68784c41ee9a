#include "canvas/cmdlists.h"

#include <QJsonArray>
#include <QtTest>

namespace {

QJsonObject command(const QJsonValue &ip, const QJsonValue &port)
{
    return QJsonObject{{"ip", ip}, {"port", port}, {"protocol", 0}, {"ms", 0}, {"front_ms", 0},
                       {"connect_timout", 3000}, {"reconnect_num", 3}, {"data", "A1"}};
}

QJsonObject button(const QJsonArray &on, const QJsonArray &off)
{
    return QJsonObject{{"type", "CmdButton"}, {"name", "CmdButton_0"},
                       {"on_cmd_data_list", on}, {"off_cmd_data_list", off}};
}

QJsonObject with(QJsonObject object, const QJsonObject &changes)
{
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

// A record that sets the given numbers (port, protocol, timeout, before, after,
// reconnect; -1 keeps) and the new address.
CMD_BTN_ARGS record(std::initializer_list<int> numbers, const QString &newIp = QString())
{
    CMD_BTN_ARGS args;
    int *fields[] = {&args.port, &args.protocol, &args.connectTimeout, &args.beforeSendInterval,
                     &args.afterSendInterval, &args.reconnectNum};
    int i = 0;
    for (int n : numbers)
        *fields[i++] = n;
    args.newIp = newIp;
    return args;
}

CMD_BTN_ARGS findIp(const QString &ip, CMD_BTN_ARGS args)
{
    args.findIpEnabled = true;
    args.findIp = ip;
    return args;
}

} // namespace

class TestCmdLists : public QObject
{
    Q_OBJECT

private slots:
    void paste_data();
    void paste();
    void matching_data();
    void matching();
    void applyWritesOnlyWhatTheRecordSets_data();
    void applyWritesOnlyWhatTheRecordSets();
    void replacement_data();
    void replacement();
};

void TestCmdLists::paste_data()
{
    QTest::addColumn<QJsonObject>("target");
    QTest::addColumn<QJsonObject>("clipboard");
    QTest::addColumn<QJsonObject>("expected");

    const QJsonArray on{command("1.1.1.1", 1)};
    const QJsonArray off{command("2.2.2.2", 2)};
    const QJsonObject target = button(on, off);
    const QJsonArray progressOn{command("10.0.0.9", 9)};
    QTest::newRow("from a progress slider, which has no off list")
        << target << QJsonObject{{"type", "CmdProgress"}, {"on_cmd_data_list", progressOn}}
        << button(progressOn, off);
    QTest::newRow("empty clipboard") << target << QJsonObject() << target;
    QTest::newRow("clipboard list of the wrong type")
        << target << QJsonObject{{"on_cmd_data_list", "x"}, {"off_cmd_data_list", QJsonArray()}}
        << button(on, QJsonArray());
    QTest::newRow("a list the target lacks is not added")
        << QJsonObject{{"type", "CmdProgress"}, {"on_cmd_data_list", QJsonArray()}} << target
        << QJsonObject{{"type", "CmdProgress"}, {"on_cmd_data_list", on}};
    QTest::newRow("a target list that is not an array stays")
        << QJsonObject{{"on_cmd_data_list", "text"}} << target << QJsonObject{{"on_cmd_data_list", "text"}};
}

void TestCmdLists::paste()
{
    QFETCH(QJsonObject, target);
    QFETCH(QJsonObject, clipboard);
    QFETCH(QJsonObject, expected);
    CmdLists::pasteLists(target, clipboard);
    QCOMPARE(target, expected);
}

void TestCmdLists::matching_data()
{
    QTest::addColumn<QJsonObject>("cmd");
    QTest::addColumn<bool>("byIp");
    QTest::addColumn<bool>("byPort");
    QTest::addColumn<bool>("expected");

    QTest::newRow("address matches") << command("192.168.1.5", 80) << true << false << true;
    QTest::newRow("address is case-sensitive") << command("Host", 80) << true << false << false;
    QTest::newRow("other address") << command("192.168.1.6", 80) << true << false << false;
    QTest::newRow("address not a string") << command(5, 80) << true << false << false;
    QTest::newRow("address missing") << QJsonObject{{"port", 80}} << true << false << false;
    QTest::newRow("port matches") << command("x", 80) << false << true << true;
    QTest::newRow("port as text never matches") << command("x", "80") << false << true << false;
    QTest::newRow("port missing") << QJsonObject{{"ip", "192.168.1.5"}} << false << true << false;
    QTest::newRow("both must match") << command("192.168.1.5", 81) << true << true << false;
    QTest::newRow("both match") << command("192.168.1.5", 80) << true << true << true;
    QTest::newRow("no switch, no match") << command("192.168.1.5", 80) << false << false << false;
}

void TestCmdLists::matching()
{
    QFETCH(QJsonObject, cmd);
    QFETCH(bool, byIp);
    QFETCH(bool, byPort);
    QFETCH(bool, expected);
    CMD_BTN_ARGS args;
    args.findIp = QStringLiteral("192.168.1.5");
    args.findIpEnabled = byIp;
    args.findPort = 80;
    args.findPortEnabled = byPort;
    QCOMPARE(CmdLists::matches(cmd, args), expected);
}

void TestCmdLists::applyWritesOnlyWhatTheRecordSets_data()
{
    QTest::addColumn<CMD_BTN_ARGS>("args");
    QTest::addColumn<QJsonObject>("changes");

    QTest::newRow("-1 and an empty address keep everything") << record({}) << QJsonObject();
    QTest::newRow("intervals and address")
        << record({-1, -1, -1, 200, 50}, "10.0.0.2") << QJsonObject{{"front_ms", 200}, {"ms", 50}, {"ip", "10.0.0.2"}};
    QTest::newRow("port, protocol, timeout, reconnect 0")
        << record({5000, 4, 100, -1, -1, 0})
        << QJsonObject{{"port", 5000}, {"protocol", 4}, {"connect_timout", 100}, {"reconnect_num", 0}};
    QTest::newRow("other negative values are written")
        << record({-2, -1, -1, -1, -1, -5}) << QJsonObject{{"port", -2}, {"reconnect_num", -5}};
}

void TestCmdLists::applyWritesOnlyWhatTheRecordSets()
{
    QFETCH(CMD_BTN_ARGS, args);
    QFETCH(QJsonObject, changes);
    QJsonObject cmd = command("10.0.0.1", 4000);
    CmdLists::applyArgs(cmd, args);
    QCOMPARE(cmd, with(command("10.0.0.1", 4000), changes));
}

void TestCmdLists::replacement_data()
{
    QTest::addColumn<QJsonObject>("attributes");
    QTest::addColumn<CMD_BTN_ARGS>("args");
    QTest::addColumn<QJsonObject>("expected");
    QTest::addColumn<bool>("changed");

    const QJsonObject a1 = command("192.168.0.10", 5000);
    const QJsonObject b1 = command("192.168.0.11", 5000);
    const QJsonObject a2 = command("192.168.0.10", 6000);
    const QJsonObject port{{"port", 7000}};
    QTest::newRow("by address, in both lists, matching commands only")
        << button({a1, b1}, {a2}) << findIp("192.168.0.10", record({7000}))
        << button({with(a1, port), b1}, {with(a2, port)}) << true;
    QTest::newRow("without find switches: nothing changes, but it counts")
        << button({a1}, {}) << record({9}, "9.9.9.9") << button({a1}, {}) << true;
    QTest::newRow("non-object elements are kept")
        << button({"keep", command("h", 1), 3}, {}) << findIp("h", record({-1, 1}))
        << button({"keep", with(command("h", 1), {{"protocol", 1}}), 3}, {}) << true;
    QTest::newRow("lists without a command object are no change")
        << button({1, "two"}, {}) << record({9}) << button({1, "two"}, {}) << false;
    QTest::newRow("no lists") << QJsonObject{{"type", "CmdButton"}} << record({9})
                              << QJsonObject{{"type", "CmdButton"}} << false;
}

void TestCmdLists::replacement()
{
    QFETCH(QJsonObject, attributes);
    QFETCH(CMD_BTN_ARGS, args);
    QFETCH(QJsonObject, expected);
    QFETCH(bool, changed);
    QCOMPARE(CmdLists::replaceArgs(attributes, args), changed);
    QCOMPARE(attributes, expected);
}

QTEST_MAIN(TestCmdLists)
#include "tst_cmdlists.moc"
