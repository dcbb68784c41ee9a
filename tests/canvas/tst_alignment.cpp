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
    void alignmentToFirstSelected_data();
    void alignmentToFirstSelected();
    void referenceStepKeepsItsObject();
    void firstQualifyingControlIsReference();
    void nonQualifyingControlsAreAlignedWithZeroForMissingKeys();
    void distributionFollowsCentres_data();
    void distributionFollowsCentres();
    void centringInPage_data();
    void centringInPage();
    void refusals_data();
    void refusals();
    void extremeValuesDoNotOverflow();
};

void TestAlignment::alignmentToFirstSelected_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QVector<QJsonObject>>("selection");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("expected");

    const QVector<QJsonObject> three{box(50, 5, 10, 10), box(20, 5, 10, 10), box(80, 5, 10, 10)};
    QTest::newRow("left: the first selected, not the leftmost")
        << int(Alignment::AlignLeft) << three << "x" << QStringList{"0:50", "1:50", "2:50"};
    QTest::newRow("right: 100 wide at 200 and 150 wide")
        << int(Alignment::AlignRight) << QVector<QJsonObject>{box(200, 0, 100, 10), box(0, 0, 150, 10)}
        << "x" << QStringList{"0:200", "1:150"};
    QTest::newRow("right may go negative")
        << int(Alignment::AlignRight) << QVector<QJsonObject>{box(10, 0, 20, 10), box(0, 0, 150, 10)}
        << "x" << QStringList{"0:10", "1:-120"};
    QTest::newRow("top")
        << int(Alignment::AlignTop) << QVector<QJsonObject>{box(0, 40, 10, 10), box(0, 7, 10, 10)}
        << "y" << QStringList{"0:40", "1:40"};
    QTest::newRow("bottom")
        << int(Alignment::AlignBottom) << QVector<QJsonObject>{box(0, 40, 10, 60), box(0, 7, 10, 30)}
        << "y" << QStringList{"0:40", "1:70"};
    QTest::newRow("same centre x held at 0")
        << int(Alignment::AlignVCenter) << QVector<QJsonObject>{box(10, 0, 20, 10), box(300, 0, 50, 10)}
        << "x" << QStringList{"0:10", "1:0"};
    QTest::newRow("same centre x, halves toward zero")
        << int(Alignment::AlignVCenter) << QVector<QJsonObject>{box(100, 0, 21, 10), box(0, 0, 7, 10)}
        << "x" << QStringList{"0:100", "1:107"};
    QTest::newRow("same centre x, negative half toward zero")
        << int(Alignment::AlignVCenter) << QVector<QJsonObject>{box(100, 0, -7, 10), box(0, 0, 0, 10)}
        << "x" << QStringList{"0:100", "1:97"};
    QTest::newRow("same centre y")
        << int(Alignment::AlignHCenter) << QVector<QJsonObject>{box(0, 100, 10, 41), box(0, 0, 10, 11)}
        << "y" << QStringList{"0:100", "1:115"};
}

void TestAlignment::alignmentToFirstSelected()
{
    QFETCH(int, operation);
    QFETCH(QVector<QJsonObject>, selection);
    QFETCH(QString, key);
    QFETCH(QStringList, expected);

    const Plan plan = Alignment::plan(operation, selection, page(1920, 1080));
    QCOMPARE(plan.status, Plan::Apply);
    QCOMPARE(steps(plan, key.toLatin1().constData()), expected);
    // Only the aligned key changes.
    for (const Alignment::Change &change : plan.changes) {
        QJsonObject rest = change.attributes;
        QJsonObject before = selection.at(change.index);
        rest.remove(key);
        before.remove(key);
        QCOMPARE(rest, before);
    }
}

void TestAlignment::referenceStepKeepsItsObject()
{
    const QVector<QJsonObject> selection{box(50, 5, 10, 10), box(20, 5, 10, 10), box(80, 5, 10, 10)};
    const Plan plan = Alignment::plan(Alignment::AlignLeft, selection, page(1920, 1080));
    QCOMPARE(plan.changes.size(), 3);
    // The reference gets its own step too, with nothing changed.
    QCOMPARE(plan.changes.at(0).attributes, selection.at(0));
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

void TestAlignment::nonQualifyingControlsAreAlignedWithZeroForMissingKeys()
{
    QJsonObject bare{{"name", "Label_1"}, {"w", QString("wide")}};
    const QVector<QJsonObject> selection{box(200, 0, 100, 10), bare};
    const Plan plan = Alignment::plan(Alignment::AlignRight, selection, page(1920, 1080));
    QCOMPARE(plan.changes.size(), 2);
    // A width that is not a number reads as 0; the missing "x" is added.
    QCOMPARE(plan.changes.at(1).attributes.value("x").toInt(), 300);
    QCOMPARE(plan.changes.at(1).attributes.value("w").toString(), QString("wide"));
}

void TestAlignment::distributionFollowsCentres_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QVector<QJsonObject>>("selection");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("three, ordered by centre")
        << int(Alignment::DistributeH)
        << QVector<QJsonObject>{box(0, 0, 10, 5), box(100, 0, 10, 5), box(30, 0, 10, 5)}
        << QStringList{"0:0", "2:50", "1:100"};
    QTest::newRow("four with free space 10: gap 3, one unit short at the right")
        << int(Alignment::DistributeH)
        << QVector<QJsonObject>{box(0, 0, 10, 5), box(12, 0, 10, 5), box(25, 0, 10, 5), box(40, 0, 10, 5)}
        << QStringList{"0:0", "1:13", "2:26", "3:39"};
    QTest::newRow("equal centres keep selection order")
        << int(Alignment::DistributeH)
        << QVector<QJsonObject>{box(60, 0, 20, 5), box(0, 0, 10, 5), box(65, 0, 10, 5)}
        << QStringList{"1:0", "0:30", "2:70"};
    QTest::newRow("overlap: negative gap truncated, last held at the right edge")
        << int(Alignment::DistributeH)
        << QVector<QJsonObject>{box(0, 0, 10, 5), box(2, 0, 10, 5), box(3, 0, 10, 5)}
        << QStringList{"0:0", "1:2", "2:3"};
    QTest::newRow("vertical keeps the top edge")
        << int(Alignment::DistributeV)
        << QVector<QJsonObject>{box(0, 200, 5, 20), box(0, 100, 5, 20), box(0, 0, 5, 20)}
        << QStringList{"2:0", "1:100", "0:200"};
}

void TestAlignment::distributionFollowsCentres()
{
    QFETCH(int, operation);
    QFETCH(QVector<QJsonObject>, selection);
    QFETCH(QStringList, expected);
    const Plan plan = Alignment::plan(operation, selection, page(1920, 1080));
    QCOMPARE(plan.status, Plan::Apply);
    QCOMPARE(steps(plan, operation == Alignment::DistributeH ? "x" : "y"), expected);
}

void TestAlignment::centringInPage_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QVector<QJsonObject>>("selection");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one control on a 1920 wide page")
        << int(Alignment::CenterInPageH) << QVector<QJsonObject>{box(100, 0, 200, 10)}
        << QStringList{"0:860"};
    QTest::newRow("group keeps its spacing")
        << int(Alignment::CenterInPageH)
        << QVector<QJsonObject>{box(0, 0, 100, 10), box(300, 0, 100, 10)}
        << QStringList{"0:760", "1:1060"};
    QTest::newRow("held at 0 when the group is wider than the page")
        << int(Alignment::CenterInPageH)
        << QVector<QJsonObject>{box(0, 0, 100, 10), box(3000, 0, 100, 10)}
        << QStringList{"0:0", "1:2410"};
    QTest::newRow("vertical with the page height")
        << int(Alignment::CenterInPageV) << QVector<QJsonObject>{box(0, 10, 10, 100)}
        << QStringList{"0:490"};
    QTest::newRow("non-qualifying control moves too, from 0")
        << int(Alignment::CenterInPageH)
        << QVector<QJsonObject>{box(100, 0, 200, 10), QJsonObject{{"name", "odd"}}}
        << QStringList{"0:860", "1:760"};
}

void TestAlignment::centringInPage()
{
    QFETCH(int, operation);
    QFETCH(QVector<QJsonObject>, selection);
    QFETCH(QStringList, expected);
    const Plan plan = Alignment::plan(operation, selection, page(1920, 1080));
    QCOMPARE(plan.status, Plan::Apply);
    QCOMPARE(steps(plan, operation == Alignment::CenterInPageH ? "x" : "y"), expected);
}

void TestAlignment::refusals_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QVector<QJsonObject>>("selection");
    QTest::addColumn<QJsonObject>("pageObject");
    QTest::addColumn<int>("status");

    const QJsonObject odd{{"x", 1}, {"y", "2"}};
    const QVector<QJsonObject> none;
    const QVector<QJsonObject> one{box(1, 1, 1, 1)};
    const QVector<QJsonObject> twoOdd{odd, odd};
    for (int op : {0, 1, 2, 3, 4, 5, 8}) {
        const QByteArray tag = "op " + QByteArray::number(op);
        QTest::newRow(QByteArray(tag + " with one selected").constData()) << op << one << page(1920, 1080) << int(Plan::Nothing);
        QTest::newRow(QByteArray(tag + " without a valid control").constData())
            << op << twoOdd << page(1920, 1080) << int(Plan::NoValidControl);
    }
    for (int op : {6, 7}) {
        const QByteArray tag = "op " + QByteArray::number(op);
        QTest::newRow(QByteArray(tag + " with one selected").constData()) << op << one << page(1920, 1080) << int(Plan::Nothing);
        QTest::newRow(QByteArray(tag + " without a valid control is silent").constData())
            << op << twoOdd << page(1920, 1080) << int(Plan::Nothing);
        QTest::newRow(QByteArray(tag + " with one valid control").constData())
            << op << QVector<QJsonObject>{box(1, 1, 1, 1), odd} << page(1920, 1080) << int(Plan::Nothing);
    }
    for (int op : {9, 10}) {
        const QByteArray tag = "op " + QByteArray::number(op);
        QTest::newRow(QByteArray(tag + " empty selection").constData()) << op << none << page(1920, 1080) << int(Plan::NoValidControl);
        QTest::newRow(QByteArray(tag + " without a valid control").constData())
            << op << twoOdd << page(1920, 1080) << int(Plan::NoValidControl);
        QTest::newRow(QByteArray(tag + " page size not a number").constData())
            << op << one << QJsonObject{{"w", "1920"}, {"h", "1080"}} << int(Plan::Nothing);
    }
    QTest::newRow("op 11") << 11 << QVector<QJsonObject>{box(1, 1, 1, 1), box(2, 2, 2, 2)}
                           << page(1920, 1080) << int(Plan::Nothing);
    QTest::newRow("op -1") << -1 << QVector<QJsonObject>{box(1, 1, 1, 1), box(2, 2, 2, 2)}
                           << page(1920, 1080) << int(Plan::Nothing);
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
