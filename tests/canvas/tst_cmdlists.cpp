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

CMD_BTN_ARGS findIp(const QString &ip)
{
    CMD_BTN_ARGS args;
    args.findIpEnabled = true;
    args.findIp = ip;
    return args;
}

} // namespace

class TestCmdLists : public QObject
{
    Q_OBJECT

private slots:
    void commandKinds();
    void pasteReplacesOnlyListsBothHold();
    void pasteNeverAddsAMissingList();
    void matching_data();
    void matching();
    void applyWritesOnlyWhatTheRecordSets();
    void otherNegativeValuesAreWritten();
    void replacementByAddressChangesOnlyMatchingCommands();
    void replacementWithoutFindSwitchesChangesNothingButCounts();
    void replacementKeepsNonObjectElements();
};

void TestCmdLists::commandKinds()
{
    for (int id = 100; id <= 165; ++id) {
        QCOMPARE(CmdLists::isCommandKind(id), id == 129 || id == 130 || id == 131 || id == 133);
        QCOMPARE(CmdLists::isReplaceKind(id), id == 129);
    }
}

void TestCmdLists::pasteReplacesOnlyListsBothHold()
{
    // Copied from a progress slider, which has no off list.
    const QJsonObject progress{{"type", "CmdProgress"},
                               {"on_cmd_data_list", QJsonArray{command("10.0.0.9", 9)}}};
    QJsonObject target = button(QJsonArray{command("1.1.1.1", 1)}, QJsonArray{command("2.2.2.2", 2)});
    const QJsonObject before = target;
    CmdLists::pasteLists(target, progress);
    QCOMPARE(target.value("on_cmd_data_list").toArray(), QJsonArray{command("10.0.0.9", 9)});
    QCOMPARE(target.value("off_cmd_data_list"), before.value("off_cmd_data_list"));
    QCOMPARE(target.value("name"), before.value("name"));

    // An empty clipboard changes nothing.
    QJsonObject again = before;
    CmdLists::pasteLists(again, QJsonObject());
    QCOMPARE(again, before);

    // A clipboard list of the wrong type is not pasted.
    QJsonObject odd = before;
    CmdLists::pasteLists(odd, QJsonObject{{"on_cmd_data_list", "x"}, {"off_cmd_data_list", QJsonArray()}});
    QCOMPARE(odd.value("on_cmd_data_list"), before.value("on_cmd_data_list"));
    QCOMPARE(odd.value("off_cmd_data_list").toArray(), QJsonArray());
}

void TestCmdLists::pasteNeverAddsAMissingList()
{
    QJsonObject progress{{"type", "CmdProgress"}, {"on_cmd_data_list", QJsonArray()}};
    const QJsonObject clipboard = button(QJsonArray{command("1.1.1.1", 1)}, QJsonArray{command("2.2.2.2", 2)});
    CmdLists::pasteLists(progress, clipboard);
    QVERIFY(!progress.contains("off_cmd_data_list"));
    QCOMPARE(progress.value("on_cmd_data_list").toArray().size(), 1);

    // A target list that is not an array stays as it is.
    QJsonObject broken{{"on_cmd_data_list", "text"}};
    CmdLists::pasteLists(broken, clipboard);
    QCOMPARE(broken.value("on_cmd_data_list").toString(), QString("text"));
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

void TestCmdLists::applyWritesOnlyWhatTheRecordSets()
{
    QJsonObject cmd = command("10.0.0.1", 4000);
    const QJsonObject before = cmd;
    CMD_BTN_ARGS keepAll;
    CmdLists::applyArgs(cmd, keepAll);
    QCOMPARE(cmd, before);

    CMD_BTN_ARGS args;
    args.beforeSendInterval = 200;
    args.afterSendInterval = 50;
    args.newIp = QStringLiteral("10.0.0.2");
    CmdLists::applyArgs(cmd, args);
    QCOMPARE(cmd.value("front_ms").toInt(), 200);
    QCOMPARE(cmd.value("ms").toInt(), 50);
    QCOMPARE(cmd.value("ip").toString(), QString("10.0.0.2"));
    QCOMPARE(cmd.value("port").toInt(), 4000);
    QCOMPARE(cmd.value("connect_timout").toInt(), 3000);
    QCOMPARE(cmd.value("data").toString(), QString("A1"));

    CMD_BTN_ARGS all;
    all.port = 5000;
    all.protocol = 4;
    all.connectTimeout = 100;
    all.reconnectNum = 0;
    CmdLists::applyArgs(cmd, all);
    QCOMPARE(cmd.value("port").toInt(), 5000);
    QCOMPARE(cmd.value("protocol").toInt(), 4);
    QCOMPARE(cmd.value("connect_timout").toInt(), 100);
    QCOMPARE(cmd.value("reconnect_num").toInt(), 0);
    QCOMPARE(cmd.value("ip").toString(), QString("10.0.0.2"));
}

void TestCmdLists::otherNegativeValuesAreWritten()
{
    QJsonObject cmd = command("a", 1);
    CMD_BTN_ARGS args;
    args.port = -2;
    args.reconnectNum = -5;
    CmdLists::applyArgs(cmd, args);
    QCOMPARE(cmd.value("port").toInt(), -2);
    QCOMPARE(cmd.value("reconnect_num").toInt(), -5);
    QCOMPARE(cmd.value("protocol").toInt(), 0);
}

void TestCmdLists::replacementByAddressChangesOnlyMatchingCommands()
{
    const QJsonObject a1 = command("192.168.0.10", 5000);
    const QJsonObject b1 = command("192.168.0.11", 5000);
    const QJsonObject a2 = command("192.168.0.10", 6000);
    QJsonObject attributes = button(QJsonArray{a1, b1}, QJsonArray{a2});
    CMD_BTN_ARGS args = findIp(QStringLiteral("192.168.0.10"));
    args.port = 7000;

    QVERIFY(CmdLists::replaceArgs(attributes, args));
    const QJsonArray on = attributes.value("on_cmd_data_list").toArray();
    const QJsonArray off = attributes.value("off_cmd_data_list").toArray();
    QJsonObject expectedA1 = a1;
    expectedA1.insert("port", 7000);
    QJsonObject expectedA2 = a2;
    expectedA2.insert("port", 7000);
    QCOMPARE(on, (QJsonArray{expectedA1, b1}));
    QCOMPARE(off, QJsonArray{expectedA2});
}

void TestCmdLists::replacementWithoutFindSwitchesChangesNothingButCounts()
{
    QJsonObject attributes = button(QJsonArray{command("1.1.1.1", 1)}, QJsonArray());
    const QJsonObject before = attributes;
    CMD_BTN_ARGS args;
    args.port = 9;
    args.newIp = QStringLiteral("9.9.9.9");
    QVERIFY(CmdLists::replaceArgs(attributes, args));
    QCOMPARE(attributes, before);

    // Lists without any command object are no change of the control.
    QJsonObject empty = button(QJsonArray{1, "two"}, QJsonArray());
    QVERIFY(!CmdLists::replaceArgs(empty, args));
    QJsonObject none{{"type", "CmdButton"}};
    QVERIFY(!CmdLists::replaceArgs(none, args));
    QCOMPARE(none, (QJsonObject{{"type", "CmdButton"}}));
}

void TestCmdLists::replacementKeepsNonObjectElements()
{
    QJsonObject attributes = button(QJsonArray{"keep", command("h", 1), 3}, QJsonArray());
    CMD_BTN_ARGS args = findIp(QStringLiteral("h"));
    args.protocol = 1;
    QVERIFY(CmdLists::replaceArgs(attributes, args));
    const QJsonArray on = attributes.value("on_cmd_data_list").toArray();
    QCOMPARE(on.size(), 3);
    QCOMPARE(on.at(0).toString(), QString("keep"));
    QCOMPARE(on.at(1).toObject().value("protocol").toInt(), 1);
    QCOMPARE(on.at(2).toInt(), 3);
}

QTEST_MAIN(TestCmdLists)
#include "tst_cmdlists.moc"
