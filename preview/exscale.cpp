#include "exscale.h"

#include "core/screenscale.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QWidget>

#include <cmath>

double scaleRatio(double length, double designLength)
{
    if (!(designLength >= 1))
        return 1.0;
    return length / designLength;
}

double fontRatio(int width, int height, int designWidth, int designHeight)
{
    if (qint64(designHeight) * width > qint64(designWidth) * height)
        return scaleRatio(height, designHeight);
    return scaleRatio(width, designWidth);
}

int scaledInt(double value, double factor)
{
    const double scaled = std::trunc(value * factor);
    if (std::isnan(scaled))
        return 0;
    if (scaled >= QWIDGETSIZE_MAX)
        return QWIDGETSIZE_MAX;
    if (scaled <= -QWIDGETSIZE_MAX)
        return -QWIDGETSIZE_MAX;
    return int(scaled);
}

int widgetLength(int value)
{
    return qBound(-QWIDGETSIZE_MAX, value, QWIDGETSIZE_MAX);
}

QFont runtimeFont(int fontSize, int bold)
{
    QFont font = QApplication::font();
    font.setPixelSize(qMax(1, scaledInt(fontSize, screenMetrics().fit)));
    font.setWeight(bold != 0 ? 75 : 50);
    return font;
}

QColor runtimeTextColour(const QString &text)
{
    const QColor colour(text);
    return colour.isValid() ? colour : QColor(Qt::black);
}
