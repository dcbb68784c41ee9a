#include "canvas/editrules.h"

#include <QtTest>

#include <climits>

using namespace EditRules;

namespace {

QJsonObject control(int x, int y, int w, int h)
{
    return QJsonObject{{"x", x}, {"y", y}, {"w", w}, {"h", h}, {"name", "Button_0"},
                       {"widgetIndex", 0}, {"type", "Button"}};
}

QJsonObject with(QJsonObject object, const QJsonObject &changes)
{
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

} // namespace

class TestEditRules : public QObject
{
    Q_OBJECT

private slots:
    void pasteShiftsNumbersAndNamesTheCopy();
    void latchKeysAndGroupIds();
    void painterKeepsTargetPlaceNameAndTexts();
    void painterNullsKeysTheTargetLacks();
    void nudge_data();
    void nudge();
    void nudgeExtentFallsBack();
    void groupMove_data();
    void groupMove();
    void bandIsCutAtRightAndBottomOnly();
    void drop_data();
    void drop();
    void wheel_data();
    void wheel();
};

void TestEditRules::pasteShiftsNumbersAndNamesTheCopy()
{
    const QJsonObject copy = pasted(control(100, 40, 80, 30), "Button", 2);
    QCOMPARE(copy, with(control(110, 50, 80, 30), {{"widgetIndex", 2}, {"name", "Button_2"}}));
    // Texts stay as they are; latch and commands travel with the copy.
    const QJsonObject source{{"x", "left"}, {"self_locking", 1}, {"m_group_id", 4},
                             {"on_cmd_data_list", QJsonArray{QJsonObject{{"ip", "1.2.3.4"}}}}};
    QCOMPARE(pasted(source, "CmdButton", 0), with(source, {{"widgetIndex", 0}, {"name", "CmdButton_0"}}));
    // The offset never wraps around the int range.
    QCOMPARE(pasted(control(INT_MAX, 0, 1, 1), "Button", 0).value("x").toInt(), INT_MAX);
}

void TestEditRules::latchKeysAndGroupIds()
{
    const QJsonObject label{{"type", "Label"}, {"text", "t"}};
    QCOMPARE(latched(label, 1, 0), with(label, {{"self_locking", 1}, {"m_group_id", 0}}));
    QCOMPARE(latched(latched(label, 1, 0), 0, 8), with(label, {{"self_locking", 0}, {"m_group_id", 8}}));
    QCOMPARE(nextGroupId(7, {}), 8);
    QCOMPARE(nextGroupId(INT_MAX, {0, 1, 2, INT_MAX}), 3);
}

void TestEditRules::painterKeepsTargetPlaceNameAndTexts()
{
    const QJsonObject source = with(control(10, 10, 200, 80), {{"text", "A"}, {"normalBkColor", "#ff112233"},
                                                               {"m_group_id", 3}, {"self_locking", 1}});
    const QJsonObject target = with(control(300, 400, 100, 40),
                                    {{"text", "B"}, {"name", "Button_1"}, {"widgetIndex", 1}, {"m_group_id", 5}});
    QCOMPARE(painted(source, target),
             with(source, {{"x", 300}, {"y", 400}, {"text", "B"}, {"name", "Button_1"}, {"widgetIndex", 1},
                           {"m_group_id", 5}}));
    // Painting never changes the kind a control is saved as.
    QCOMPARE(painted(with(source, {{"type", "GridSettingButton"}}), with(target, {{"type", "WallGridSettingButton"}}))
                 .value("type").toString(),
             QString("WallGridSettingButton"));
}

void TestEditRules::painterNullsKeysTheTargetLacks()
{
    QJsonObject source = control(0, 0, 10, 10);
    source.insert("pressText", "P");
    QJsonObject target{{"name", "Button_3"}};
    const QJsonObject result = painted(source, target);
    QVERIFY(result.value("x").isNull());
    QVERIFY(result.contains("x"));
    QVERIFY(result.value("pressText").isNull());
    QVERIFY(result.value("widgetIndex").isNull());
    // Keys the source lacks are not brought in for the target.
    QVERIFY(!result.contains("text"));
    QVERIFY(!result.contains("feature_type"));
}

void TestEditRules::nudge_data()
{
    QTest::addColumn<QJsonObject>("before");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("extent");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("left") << control(10, 0, 5, 5) << int(Left) << 0 << "x" << 9;
    QTest::newRow("left at 0 stays") << control(0, 0, 5, 5) << int(Left) << 0 << "x" << 0;
    QTest::newRow("up at 0 stays") << control(0, 0, 5, 5) << int(Up) << 0 << "y" << 0;
    QTest::newRow("up") << control(0, 7, 5, 5) << int(Up) << 0 << "y" << 6;
    QTest::newRow("right") << control(10, 0, 5, 5) << int(Right) << 1920 << "x" << 11;
    QTest::newRow("right past the edge pulls back") << control(1850, 0, 100, 5) << int(Right) << 1920
                                                    << "x" << 1820;
    QTest::newRow("right, wider than the page") << control(0, 0, 2000, 5) << int(Right) << 1920
                                                << "x" << -80;
    QTest::newRow("down at the edge") << control(0, 980, 5, 100) << int(Down) << 1080 << "y" << 980;
    QTest::newRow("down") << control(0, 10, 5, 100) << int(Down) << 1080 << "y" << 11;
    QJsonObject textWidth = control(1915, 0, 0, 5);
    textWidth.insert("w", "wide");
    QTest::newRow("width not a number counts 0") << textWidth << int(Right) << 1920 << "x" << 1916;
}

void TestEditRules::nudge()
{
    QFETCH(QJsonObject, before);
    QFETCH(int, direction);
    QFETCH(int, extent);
    QFETCH(QString, key);
    QFETCH(int, expected);
    const QJsonObject after = nudged(before, Direction(direction), extent);
    QCOMPARE(after.value(key).toInt(), expected);
    QJsonObject rest = after;
    rest.remove(key);
    QJsonObject old = before;
    old.remove(key);
    QCOMPARE(rest, old);
}

void TestEditRules::nudgeExtentFallsBack()
{
    QCOMPARE(nudgeExtent(QJsonObject{{"w", 800}, {"h", 600}}, Right), 800);
    QCOMPARE(nudgeExtent(QJsonObject{{"w", 800}, {"h", 600}}, Down), 600);
    QCOMPARE(nudgeExtent(QJsonObject{{"w", "800"}}, Right), 1920);
    QCOMPARE(nudgeExtent(QJsonObject{{"w", 0}}, Right), 1920);
    QCOMPARE(nudgeExtent(QJsonObject(), Down), 1080);
    // A control without the coordinate keeps its place.
    const QJsonObject bare{{"name", "Label_0"}};
    QCOMPARE(nudged(bare, Right, 1920), bare);
}

void TestEditRules::groupMove_data()
{
    QTest::addColumn<QJsonObject>("before");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("plain") << control(100, 100, 50, 50) << QPoint(30, -20) << QPoint(130, 80);
    QTest::newRow("held at 0") << control(10, 10, 50, 50) << QPoint(-30, -20) << QPoint(0, 0);
    QTest::newRow("held at the far edges") << control(1880, 1050, 50, 20) << QPoint(30, 20)
                                           << QPoint(1870, 1060);
    QTest::newRow("larger than the page ends at 0") << control(0, 0, 3000, 20) << QPoint(5, 0)
                                                    << QPoint(0, 0);
    QTest::newRow("missing values read 0") << QJsonObject{{"name", "n"}} << QPoint(4, 5) << QPoint(4, 5);
}

void TestEditRules::groupMove()
{
    QFETCH(QJsonObject, before);
    QFETCH(QPoint, offset);
    QFETCH(QPoint, expected);
    const QJsonObject after = movedBy(before, offset, 1920, 1080);
    QCOMPARE(QPoint(after.value("x").toInt(), after.value("y").toInt()), expected);
}

void TestEditRules::bandIsCutAtRightAndBottomOnly()
{
    const QSize page(800, 600);
    QCOMPARE(band(QPoint(100, 100), QPoint(150, 160), page), QRect(100, 100, 50, 60));
    QCOMPARE(band(QPoint(150, 160), QPoint(100, 100), page), QRect(100, 100, 50, 60));
    QCOMPARE(band(QPoint(700, 500), QPoint(900, 700), page), QRect(700, 500, 100, 100));
    QCOMPARE(band(QPoint(10, 10), QPoint(-20, -30), page), QRect(-20, -30, 30, 40));
}

void TestEditRules::drop_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QRect>("shown");
    QTest::addColumn<bool>("made");
    QTest::addColumn<QRect>("expected");
    const QSize label(160, 90);
    QTest::newRow("where the indicator shows") << QPoint(400, 300) << QRect(QPoint(320, 255), label) << true
                                               << QRect(320, 255, 160, 90);
    QTest::newRow("over the top-left edge") << QPoint(50, 20) << QRect(QPoint(-30, -25), label) << true
                                            << QRect(0, 0, 160, 90);
    QTest::newRow("over the bottom-right edge") << QPoint(780, 590) << QRect(QPoint(700, 545), label) << true
                                                << QRect(640, 510, 160, 90);
    QTest::newRow("cursor outside") << QPoint(900, 700) << QRect(QPoint(820, 655), label) << false << QRect();
    QTest::newRow("cursor on the first column") << QPoint(0, 50) << QRect(QPoint(-80, 5), label) << false << QRect();
    QTest::newRow("too small") << QPoint(400, 300) << QRect(400, 300, 4, 90) << false << QRect();
    QTest::newRow("smallest") << QPoint(400, 300) << QRect(398, 298, 5, 5) << true << QRect(398, 298, 5, 5);
    QTest::newRow("wider than the page") << QPoint(400, 300) << QRect(0, 300, 900, 90) << false << QRect();
    QTest::newRow("taller than the page") << QPoint(400, 300) << QRect(400, 0, 90, 601) << false << QRect();
}

void TestEditRules::drop()
{
    QFETCH(QPoint, cursor);
    QFETCH(QRect, shown);
    QFETCH(bool, made);
    QFETCH(QRect, expected);
    QRect result;
    QCOMPARE(dropRect(cursor, shown, QSize(800, 600), &result), made);
    if (made)
        QCOMPARE(result, expected);
}

void TestEditRules::wheel_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("delta");
    QTest::addColumn<double>("expected");
    QTest::newRow("one notch up") << 1.0 << 120 << 1.01;
    QTest::newRow("two notches, still one step") << 1.0 << 240 << 1.01;
    QTest::newRow("half a notch goes down") << 1.0 << 60 << 0.99;
    QTest::newRow("horizontal wheel goes down") << 1.0 << 0 << 0.99;
    QTest::newRow("down") << 1.0 << -120 << 0.99;
    QTest::newRow("top") << 2.0 << 120 << 2.0;
    QTest::newRow("bottom") << 0.5 << -120 << 0.5;
}

void TestEditRules::wheel()
{
    QFETCH(double, scale);
    QFETCH(int, delta);
    QFETCH(double, expected);
    QVERIFY(qFuzzyCompare(wheelScale(scale, delta), expected));
}

QTEST_MAIN(TestEditRules)
#include "tst_editrules.moc"
