#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <cstddef>

class QColor;
class QPalette;

// Small pieces that the composite controls share: turning control attribute
// keys into the bare keys of BaseItem style objects, and reading numbers.

// One attribute key copied, value unchanged, under a cell style key.
struct CellStyleKeyMap {
    const char *attributeKey;
    const char *cellKey;
};

// Walks the attribute object in key order and copies every mapped key.
template <std::size_t N>
QJsonObject mappedCellStyle(const QJsonObject &attributes, const CellStyleKeyMap (&map)[N])
{
    QJsonObject style;
    for (auto it = attributes.constBegin(); it != attributes.constEnd(); ++it) {
        for (const CellStyleKeyMap &entry : map) {
            if (it.key() == QLatin1String(entry.attributeKey))
                style.insert(QLatin1String(entry.cellKey), it.value());
        }
    }
    return style;
}

// The six look keys a prefixed attribute can carry for a cell: text and
// background colours and pictures, normal and pressed.
const QStringList &cellLookSuffixes();

// The bare suffix when key is prefix + one of the six look suffixes, else "".
QString cellLookSuffix(const QString &key, const QString &prefix);

// Every prefix + suffix key of the attribute object under its bare suffix.
QJsonObject prefixedCellStyle(const QJsonObject &attributes, const QString &prefix);

// A JSON number that is whole and within int, else the fallback.
int wholeNumberOr(const QJsonValue &value, int fallback);

// A stored length in page pixels on screen at the edit zoom, cut toward zero.
int scaledLength(int stored, double zoom);

// What a "background:transparent; color:<colour>" style sheet sets in a
// widget's palette, as a palette of those roles alone (the rest resolve
// against the widget's own when it is set): transparent backgrounds and
// texts in the colour, without matching style sheet rules. Under a style
// sheet a palette is not inherited, so each widget that shows it gets it.
QPalette transparentPalette(const QColor &textColour);
