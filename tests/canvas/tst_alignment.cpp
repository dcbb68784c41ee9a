#include "canvas/alignment.h"

#include <QtTest>

using Alignment::Plan;

namespace {

QJsonObject box(int x, int y, int w, int h)
{
    return QJsonObject{{"x", x}, {"y", y}, {"w", w}, {"h", h}, {"name", "c"}};
}

QJsonObject page(int w, int h)
{
    return QJsonObject{{"type", "Page"}, {"w", w}, {"h", h}};
}

// The pushed steps as "index:value" of one key, in push order.
QStringList steps(const Plan &plan, const char *key)
{
    QStringList list;
    for (const Alignment::Change &change : plan.changes)
        list << QString::number(change.index) + ':'
                    + QString::number(change.attributes.value(QLatin1String(key)).toInt());
    return list;
}

} // namespace

class TestAlignment : public QObject
{
    Q_OBJECT

private slots:
    void stepsOfEachOperation_data();
    void stepsOfEachOperation();
    void firstQualifyingControlIsReference();
    void refusals_data();
    void refusals();
    void extremeValuesDoNotOverflow();
};

void TestAlignment::stepsOfEachOperation_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QVector<QJsonObject>>("selection");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("expected");
    using Boxes = QVector<QJsonObject>;

    // Alignment to the first selected control; the reference gets its own step.
    QTest::newRow("left: the first selected, not the leftmost")
        << int(Alignment::AlignLeft) << Boxes{box(50, 5, 10, 10), box(20, 5, 10, 10), box(80, 5, 10, 10)}
        << "x" << QStringList{"0:50", "1:50", "2:50"};
    QTest::newRow("right: 100 wide at 200 and 150 wide")
        << int(Alignment::AlignRight) << Boxes{box(200, 0, 100, 10), box(0, 0, 150, 10)}
        << "x" << QStringList{"0:200", "1:150"};
    QTest::newRow("right may go negative")
        << int(Alignment::AlignRight) << Boxes{box(10, 0, 20, 10), box(0, 0, 150, 10)}
        << "x" << QStringList{"0:10", "1:-120"};
    QTest::newRow("right: a width that is not a number reads 0, a missing x is added")
        << int(Alignment::AlignRight)
        << Boxes{box(200, 0, 100, 10), QJsonObject{{"name", "Label_1"}, {"w", "wide"}}}
        << "x" << QStringList{"0:200", "1:300"};
    QTest::newRow("top")
        << int(Alignment::AlignTop) << Boxes{box(0, 40, 10, 10), box(0, 7, 10, 10)}
        << "y" << QStringList{"0:40", "1:40"};
    QTest::newRow("bottom")
        << int(Alignment::AlignBottom) << Boxes{box(0, 40, 10, 60), box(0, 7, 10, 30)}
        << "y" << QStringList{"0:40", "1:70"};
    QTest::newRow("same centre x held at 0")
        << int(Alignment::AlignVCenter) << Boxes{box(10, 0, 20, 10), box(300, 0, 50, 10)}
        << "x" << QStringList{"0:10", "1:0"};
    QTest::newRow("same centre x, halves toward zero")
        << int(Alignment::AlignVCenter) << Boxes{box(100, 0, 21, 10), box(0, 0, 7, 10)}
        << "x" << QStringList{"0:100", "1:107"};
    QTest::newRow("same centre x, negative half toward zero")
        << int(Alignment::AlignVCenter) << Boxes{box(100, 0, -7, 10), box(0, 0, 0, 10)}
        << "x" << QStringList{"0:100", "1:97"};
    QTest::newRow("same centre y")
        << int(Alignment::AlignHCenter) << Boxes{box(0, 100, 10, 41), box(0, 0, 10, 11)}
        << "y" << QStringList{"0:100", "1:115"};

    // Distribution: steps in centre order, the group keeps its extent.
    QTest::newRow("distribute: three, ordered by centre")
        << int(Alignment::DistributeH) << Boxes{box(0, 0, 10, 5), box(100, 0, 10, 5), box(30, 0, 10, 5)}
        << "x" << QStringList{"0:0", "2:50", "1:100"};
    QTest::newRow("distribute: four with free space 10: gap 3, one unit short at the right")
        << int(Alignment::DistributeH)
        << Boxes{box(0, 0, 10, 5), box(12, 0, 10, 5), box(25, 0, 10, 5), box(40, 0, 10, 5)}
        << "x" << QStringList{"0:0", "1:13", "2:26", "3:39"};
    QTest::newRow("distribute: equal centres keep selection order")
        << int(Alignment::DistributeH) << Boxes{box(60, 0, 20, 5), box(0, 0, 10, 5), box(65, 0, 10, 5)}
        << "x" << QStringList{"1:0", "0:30", "2:70"};
    QTest::newRow("distribute: overlap, negative gap truncated, last held at the right edge")
        << int(Alignment::DistributeH) << Boxes{box(0, 0, 10, 5), box(2, 0, 10, 5), box(3, 0, 10, 5)}
        << "x" << QStringList{"0:0", "1:2", "2:3"};
    QTest::newRow("distribute: vertical keeps the top edge")
        << int(Alignment::DistributeV) << Boxes{box(0, 200, 5, 20), box(0, 100, 5, 20), box(0, 0, 5, 20)}
        << "y" << QStringList{"2:0", "1:100", "0:200"};

    // Centring in the 1920 x 1080 page.
    QTest::newRow("centre: one control on a 1920 wide page")
        << int(Alignment::CenterInPageH) << Boxes{box(100, 0, 200, 10)} << "x" << QStringList{"0:860"};
    QTest::newRow("centre: group keeps its spacing")
        << int(Alignment::CenterInPageH) << Boxes{box(0, 0, 100, 10), box(300, 0, 100, 10)}
        << "x" << QStringList{"0:760", "1:1060"};
    QTest::newRow("centre: held at 0 when the group is wider than the page")
        << int(Alignment::CenterInPageH) << Boxes{box(0, 0, 100, 10), box(3000, 0, 100, 10)}
        << "x" << QStringList{"0:0", "1:2410"};
    QTest::newRow("centre: vertical with the page height")
        << int(Alignment::CenterInPageV) << Boxes{box(0, 10, 10, 100)} << "y" << QStringList{"0:490"};
    QTest::newRow("centre: non-qualifying control moves too, from 0")
        << int(Alignment::CenterInPageH) << Boxes{box(100, 0, 200, 10), QJsonObject{{"name", "odd"}}}
        << "x" << QStringList{"0:860", "1:760"};
}

void TestAlignment::stepsOfEachOperation()
{
    QFETCH(int, operation);
    QFETCH(QVector<QJsonObject>, selection);
    QFETCH(QString, key);
    QFETCH(QStringList, expected);

    const Plan plan = Alignment::plan(operation, selection, page(1920, 1080));
    QCOMPARE(plan.status, Plan::Apply);
    QCOMPARE(steps(plan, key.toLatin1().constData()), expected);
    // Only that key changes.
    for (const Alignment::Change &change : plan.changes) {
        QJsonObject rest = change.attributes;
        QJsonObject before = selection.at(change.index);
        rest.remove(key);
        before.remove(key);
        QCOMPARE(rest, before);
    }
}

void TestAlignment::firstQualifyingControlIsReference()
{
    QJsonObject noHeight = box(5, 5, 300, 0);
    noHeight.remove("h");
    const QVector<QJsonObject> selection{noHeight, box(0, 0, 40, 30), box(9, 9, 1, 1)};
    const Plan plan = Alignment::plan(Alignment::SameSize, selection, page(1920, 1080));
    QCOMPARE(plan.status, Plan::Apply);
    QCOMPARE(plan.changes.size(), 3);
    for (const Alignment::Change &change : plan.changes) {
        QCOMPARE(change.attributes.value("w").toInt(), 40);
        QCOMPARE(change.attributes.value("h").toInt(), 30);
    }
    // Positions are left alone.
    QCOMPARE(plan.changes.at(2).attributes.value("x").toInt(), 9);
}

void TestAlignment::refusals_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QVector<QJsonObject>>("selection");
    QTest::addColumn<QJsonObject>("pageObject");
    QTest::addColumn<int>("status");

    const QJsonObject odd{{"x", 1}, {"y", "2"}};
    const QVector<QJsonObject> one{box(1, 1, 1, 1)};
    const QVector<QJsonObject> twoOdd{odd, odd};
    const QJsonObject fullHd = page(1920, 1080);
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
        row(op, "with one valid control") << op << QVector<QJsonObject>{box(1, 1, 1, 1), odd} << fullHd
                                           << int(Plan::Nothing);
    }
    for (int op : {9, 10}) {
        row(op, "empty selection") << op << QVector<QJsonObject>() << fullHd << int(Plan::NoValidControl);
        row(op, "without a valid control") << op << twoOdd << fullHd << int(Plan::NoValidControl);
        row(op, "page size not a number") << op << one << QJsonObject{{"w", "1920"}, {"h", "1080"}}
                                           << int(Plan::Nothing);
    }
    for (int op : {11, -1})
        row(op, "outside the table") << op << QVector<QJsonObject>{box(1, 1, 1, 1), box(2, 2, 2, 2)} << fullHd
                                      << int(Plan::Nothing);
}

void TestAlignment::refusals()
{
    QFETCH(int, operation);
    QFETCH(QVector<QJsonObject>, selection);
    QFETCH(QJsonObject, pageObject);
    QFETCH(int, status);
    const Plan plan = Alignment::plan(operation, selection, pageObject);
    QCOMPARE(int(plan.status), status);
    QVERIFY(plan.changes.isEmpty());
}

void TestAlignment::extremeValuesDoNotOverflow()
{
    const QVector<QJsonObject> selection{box(INT_MAX, 0, INT_MAX, 10), box(INT_MIN, 0, INT_MIN, 10)};
    const Plan right = Alignment::plan(Alignment::AlignRight, selection, page(1920, 1080));
    QCOMPARE(right.changes.at(1).attributes.value("x").toInt(), INT_MAX);
    const Plan spread = Alignment::plan(Alignment::DistributeH, selection, page(1920, 1080));
    QCOMPARE(spread.status, Plan::Apply);
    const Plan centre = Alignment::plan(Alignment::CenterInPageH, selection, page(INT_MAX, 1080));
    QCOMPARE(centre.status, Plan::Apply);
}

QTEST_MAIN(TestAlignment)
#include "tst_alignment.moc"
