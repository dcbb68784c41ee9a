// Shows and fills each kind's property page in a panel that holds the pages
// of every kind, beside the same in a panel that holds only that kind's rows
// (the floor), and prints the ratio; the first build of each page is timed
// too. Debug output is discarded. Run offscreen:
//   QT_QPA_PLATFORM=offscreen ./bench_properties
#include "app/globalmanager.h"
#include "canvas/defaultattributes.h"
#include "core/controltypetable.h"
#include "properties/pages/propertypages.h"
#include "properties/propertywidget.h"
#include "tests/benchsupport.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>

#include <algorithm>
#include <cstdio>

using namespace benchsupport;

namespace {

const int kRepeats = 41;

// The layout and painting that a show leaves to the event loop: posted
// events first, then the zero-time timers they start.
void settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

double timedShow(PropertyWidget &panel, QWidget *control, int nClass, const QJsonObject &data)
{
    QElapsedTimer timer;
    timer.start();
    panel.showProperty(control, nClass, data);
    settle();
    return timer.nsecsElapsed() / 1e6;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

QJsonObject attributesOf(int nClass, int variant)
{
    const QString type = nClass == 100 ? QStringLiteral("Page") : designControlTypeName(nClass);
    QJsonObject data = DefaultAttributes::build(nClass, QRect(10 + variant, 10, 200, 80), type, variant);
    data.insert(QStringLiteral("page_type"), 1);
    return data;
}

// Each time from an idle panel that showed another kind before (the same
// kind where there is no other), so the rows shown and the rows hidden are
// the same in both panels and only the rows that stay hidden differ.
double medianShow(PropertyWidget &panel, QWidget *control, int nClass, int other)
{
    QVector<double> times;
    for (int r = 0; r < kRepeats; ++r) {
        panel.showProperty(control, other, attributesOf(other, r + 1));
        settle();
        panel.hideProperty();
        settle();
        times.append(timedShow(panel, control, nClass, attributesOf(nClass, r)));
    }
    return median(times);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    TestWorkDir workDir;
    if (!workDir.isValid())
        return 1;

    QVector<int> kinds;
    for (int nClass = 100; nClass <= 164; ++nClass) {
        if (findPropertyPage(nClass))
            kinds.append(nClass);
    }
    QWidget control;
    PropertyWidget full;
    full.resize(320, 900);
    full.show();

    QVector<double> firstBuild;
    for (int nClass : kinds)
        firstBuild.append(timedShow(full, &control, nClass, attributesOf(nClass, 0)));
    full.hideProperty();
    settle();

    QVector<double> fullShow;
    for (int k = 0; k < kinds.size(); ++k)
        fullShow.append(medianShow(full, &control, kinds.at(k), kinds.at((k + 1) % kinds.size())));
    full.hide();

    std::printf("table rows %d\n", full.tableWidget()->rowCount());
    std::printf("%6s %5s %9s %9s %9s %6s\n", "nClass", "rows", "build ms", "show ms", "floor ms", "ratio");
    for (int k = 0; k < kinds.size(); ++k) {
        const int nClass = kinds.at(k);
        PropertyWidget floor;
        floor.resize(320, 900);
        floor.show();
        const double floorShow = medianShow(floor, &control, nClass, nClass);
        std::printf("%6d %5d %9.2f %9.3f %9.3f %6.2f\n", nClass, full.pageRows(nClass).size(), firstBuild.at(k),
                    fullShow.at(k), floorShow, fullShow.at(k) / floorShow);
    }
    GlobalManager::resetInstance();
    return 0;
}
