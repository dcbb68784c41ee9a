#include "uicompositehelpers.h"

#include <QColor>
#include <QPalette>

#include <climits>
#include <cmath>

const QStringList &cellLookSuffixes()
{
    static const QStringList suffixes = {
        QStringLiteral("normalColor"),       QStringLiteral("pressColor"),
        QStringLiteral("normalBkColor"),     QStringLiteral("pressBkColor"),
        QStringLiteral("normal_image_path"), QStringLiteral("press_image_path"),
    };
    return suffixes;
}

QString cellLookSuffix(const QString &key, const QString &prefix)
{
    if (!key.startsWith(prefix))
        return QString();
    const QString suffix = key.mid(prefix.size());
    return cellLookSuffixes().contains(suffix) ? suffix : QString();
}

QJsonObject prefixedCellStyle(const QJsonObject &attributes, const QString &prefix)
{
    QJsonObject style;
    for (auto it = attributes.constBegin(); it != attributes.constEnd(); ++it) {
        const QString suffix = cellLookSuffix(it.key(), prefix);
        if (!suffix.isEmpty())
            style.insert(suffix, it.value());
    }
    return style;
}

int wholeNumberOr(const QJsonValue &value, int fallback)
{
    if (!value.isDouble())
        return fallback;
    const double number = value.toDouble();
    if (!std::isfinite(number) || number != std::trunc(number) || number < double(INT_MIN)
        || number > double(INT_MAX))
        return fallback;
    return int(number);
}

int scaledLength(int stored, double zoom)
{
    const double screen = std::trunc(stored * zoom);
    if (std::isnan(screen))
        return 0;
    // Widgets take no more than QWIDGETSIZE_MAX; a typed 1e9 must not wrap.
    if (screen >= 16777215.0)
        return 16777215;
    if (screen <= -16777215.0)
        return -16777215;
    return int(screen);
}

QPalette transparentPalette(const QColor &textColour)
{
    // The roles the sheet's background and colour set, in every colour group.
    QPalette palette;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setBrush(role, QColor(Qt::transparent));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::PlaceholderText})
        palette.setBrush(role, textColour);
    return palette;
}
