#pragma once

#include <QPair>
#include <QString>
#include <QVector>

// The designer is drawn for a 1920 x 1080 reference area; these factors say
// how the primary screen's available area compares with it.
struct ScreenScales {
    double fit = 1.0;
    double wide = 1.0;
};

ScreenScales computeScreenScales(int availableWidth, int availableHeight);

// The primary screen as start-up measured it: its logical dots per inch and
// the two factors above. Controls, the canvas, the panels and the preview all
// draw by these, so they are kept here, once, for every layer to read.
struct ScreenMetrics {
    double dpi = 96.0;
    double fit = 1.0;
    double wide = 1.0;
};

ScreenMetrics screenMetrics();
void setScreenMetrics(const ScreenMetrics &metrics);

// The value of QT_SCREEN_SCALE_FACTORS for screens given as (name, available width).
QString screenScaleFactorsText(const QVector<QPair<QString, int>> &screens);

// Publishes the factors of the application's screens for the processes the
// designer starts, and switches high-DPI scaling on.
void setScreenScaleFactors();
