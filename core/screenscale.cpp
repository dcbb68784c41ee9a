#include "screenscale.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>

ScreenScales computeScreenScales(int availableWidth, int availableHeight)
{
    ScreenScales scales;
    // Compared as integers so that an exact 16:9 area counts as not wider.
    const qint64 w = availableWidth;
    const qint64 h = availableHeight;
    if (w * 1080 > h * 1920) {
        scales.fit = availableHeight / 1080.0;
        scales.wide = availableWidth / 1920.0;
    } else {
        scales.fit = availableWidth / 1920.0;
        scales.wide = 1.0;
    }
    return scales;
}

namespace {
ScreenMetrics &storedMetrics()
{
    static ScreenMetrics metrics;
    return metrics;
}
} // namespace

ScreenMetrics screenMetrics()
{
    return storedMetrics();
}

void setScreenMetrics(const ScreenMetrics &metrics)
{
    storedMetrics() = metrics;
}

QString screenScaleFactorsText(const QVector<QPair<QString, int>> &screens)
{
    QString text;
    for (const auto &screen : screens)
        text += screen.first + (screen.second > 1920 ? QStringLiteral("=1.5;") : QStringLiteral("=1;"));
    if (text.endsWith(QLatin1Char(';')))
        text.chop(1);
    return text;
}

void setScreenScaleFactors()
{
    QVector<QPair<QString, int>> screens;
    for (QScreen *screen : QGuiApplication::screens()) {
        qDebug() << "dpi: " << screen->logicalDotsPerInch();
        screens.append({screen->name(), screen->availableGeometry().width()});
    }
    qputenv("QT_SCREEN_SCALE_FACTORS", screenScaleFactorsText(screens).toUtf8());
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
}
