#include "core/controltypetable.h"
#include "app/globalmanager.h"
#include "tests/testsupport.h"

#include <QSet>
#include <algorithm>
#include <QtTest>

class TestControlTypes : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { GlobalManager::resetInstance(); }

    void tablesHoldUniqueRowsFoundBothWays_data();
    void tablesHoldUniqueRowsFoundBothWays();
};

void TestControlTypes::tablesHoldUniqueRowsFoundBothWays_data()
{
    QTest::addColumn<bool>("design");
    QTest::newRow("design table held by GlobalManager") << true;
    QTest::newRow("run-time table") << false;
}

void TestControlTypes::tablesHoldUniqueRowsFoundBothWays()
{
    QFETCH(bool, design);
    TestWorkDir work;
    QVector<ControlTypeEntry> rows;
    if (design) {
        // Refilled rather than appended.
        GlobalManager::instance()->initControlTypes();
        rows = GlobalManager::instance()->controlTypeTable();
    } else {
        for (int i = 0; i < runControlTypeCount(); ++i)
            rows.append(runControlTypeAt(i));
    }
    QCOMPARE(rows.size(), design ? 62 : 67);
    // Spot checks of the order page files and older projects rely on.
    const QVector<QPair<int, ControlTypeEntry>> spots = design
        ? QVector<QPair<int, ControlTypeEntry>>{{0, {100, "Page"}}, {18, {158, "KvmButton"}},
                                                {48, {148, "AudioSwicthButton"}}, {61, {164, "MeetingButton"}}}
        : QVector<QPair<int, ControlTypeEntry>>{{0, {0, "Page"}}, {29, {29, "MatrixNodeDivBtn"}},
                                                {61, {9, "CmdProgress"}}, {66, {66, "MeetingButton"}}};
    for (const auto &spot : spots) {
        QCOMPARE(rows.at(spot.first).id, spot.second.id);
        QCOMPARE(rows.at(spot.first).name, spot.second.name);
    }
    // Unique ids, names unique even without regard to case (the run-time
    // lookup relies on it), and both ways of finding a row lead back to it.
    QSet<int> ids;
    QSet<QString> names;
    for (const ControlTypeEntry &row : rows) {
        ids.insert(row.id);
        names.insert(row.name.toLower());
        if (design) {
            QCOMPARE(designControlTypeName(row.id), row.name);
            QCOMPARE(designControlTypeId(row.name), row.id);
        } else {
            QCOMPARE(runControlTypeFromName(row.name), row.id);
        }
    }
    QCOMPARE(ids.size(), rows.size());
    QCOMPARE(names.size(), rows.size());
    if (design) {
        // Matched exactly, as page files store them; the gaps have no name.
        for (const char *name : {"page", "MoreCmdButton"})
            QCOMPARE(designControlTypeId(name), -1);
        for (int gap : {132, 147, 152, 99, 165})
            QVERIFY(designControlTypeName(gap).isEmpty());
    } else {
        QCOMPARE(*std::max_element(ids.begin(), ids.end()), 66);
        // Any case, but nothing else.
        QCOMPARE(runControlTypeFromName("pPtButtonGroup"), 32);
        for (const char *name : {"TimeLabel", "Matrix ", "Matri"})
            QCOMPARE(runControlTypeFromName(name), -1);
    }
}

QTEST_MAIN(TestControlTypes)
#include "tst_controltypes.moc"
