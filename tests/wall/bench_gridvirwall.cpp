// Paints the grid editor's canvas at the size it has in the editor, with
// regular grids from 4 x 4 up to 999 x 999 (the largest the editor's boxes
// allow), and prints per grid: the first paint after the grid was set, the
// median of later repaints, that median over the 4 x 4 one's (the ratio
// should stay at a few), and the peak memory so far. Run offscreen:
//   QT_QPA_PLATFORM=offscreen ./bench_gridvirwall
#include "tests/benchsupport.h"
#include "wall/gridvirwall.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace benchsupport;

namespace {

const int kGrids[] = {4, 32, 99, 333, 999};
const int kRepaints = 15;

double timedRepaint(QWidget *widget)
{
    QElapsedTimer clock;
    clock.start();
    widget->repaint();
    return msSince(clock);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    GridVirWall wall;
    wall.resize(880, 500);
    wall.show();
    QApplication::processEvents();

    std::printf("%9s %10s %12s %12s %8s %10s\n", "grid", "cells", "first ms", "repaint ms", "ratio",
                "peak KiB");
    double smallest = 0;
    for (int lines : kGrids) {
        wall.setRegularGrid(1, lines, lines, 3840, 2160);
        const double first = timedRepaint(&wall);
        std::vector<double> times;
        for (int i = 0; i < kRepaints; ++i)
            times.push_back(timedRepaint(&wall));
        std::sort(times.begin(), times.end());
        const double median = times.at(times.size() / 2);
        if (smallest == 0)
            smallest = median;
        std::printf("%4d x %-3d %10d %12.2f %12.3f %8.2f %10ld\n", lines, lines, wall.cells().size(), first,
                    median, median / smallest, peakKiB());
    }
    return 0;
}
