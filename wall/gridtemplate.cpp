#include "gridtemplate.h"

#include "core/jsonutils.h"
#include "core/midctrlrecord.h"

#include <QPair>

QString GridTemplate::nameText() const
{
    return recordText(name);
}

void GridTemplate::setName(const QString &text)
{
    setRecordText(name, text);
}

QVector<GridCell> regularGridCells(int rows, int cols, int tw, int th)
{
    QVector<GridCell> cells;
    if (rows < 1 || cols < 1 || tw < 1 || th < 1)
        return cells;
    rows = qMin(rows, kMaxGridLines);
    cols = qMin(cols, kMaxGridLines);
    cells.reserve(rows * cols);
    const int w = tw / cols;
    const int h = th / rows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c)
            cells.append({int(qint64(c) * tw / cols), int(qint64(r) * th / rows), w, h});
    }
    return cells;
}

namespace {
// The part of [start, start + length) that lies in [0, size), as start and length.
QPair<int, int> heldSpan(int start, int length, int size)
{
    const qint64 end = qBound<qint64>(0, qint64(start) + length, qMax(size, 0));
    const qint64 begin = qBound<qint64>(0, start, end);
    return {int(begin), int(end - begin)};
}
} // namespace

QRect GridCell::heldIn(int tw, int th) const
{
    const auto across = heldSpan(x, w, tw);
    const auto down = heldSpan(y, h, th);
    return QRect(across.first, down.first, across.second, down.second);
}

QVector<GridCell> gridCellsFromJson(const QJsonArray &array)
{
    QVector<GridCell> cells;
    for (const QJsonValue &element : array) {
        const QJsonObject object = element.toObject();
        cells.append({jsonNumberAsInt(object.value(QLatin1String("x")), 0),
                      jsonNumberAsInt(object.value(QLatin1String("y")), 0),
                      jsonNumberAsInt(object.value(QLatin1String("w")), 0),
                      jsonNumberAsInt(object.value(QLatin1String("h")), 0)});
    }
    return cells;
}

QJsonArray gridCellsToJson(const QVector<GridCell> &cells)
{
    QJsonArray array;
    for (const GridCell &cell : cells)
        array.append(QJsonObject{{QStringLiteral("x"), cell.x}, {QStringLiteral("y"), cell.y},
                                 {QStringLiteral("w"), cell.w}, {QStringLiteral("h"), cell.h}});
    return array;
}

QJsonObject gridTemplateObject(const GridTemplate &record, int standard, const QVector<GridCell> &cells)
{
    QJsonObject object;
    object.insert(QStringLiteral("id"), record.id);
    object.insert(QStringLiteral("name"), record.nameText());
    object.insert(QStringLiteral("standard"), standard);
    object.insert(QStringLiteral("walltype"), record.walltype);
    object.insert(QStringLiteral("gridmode"), record.gridmode);
    object.insert(QStringLiteral("row"), record.row);
    object.insert(QStringLiteral("col"), record.col);
    if (standard == 0) {
        object.insert(QStringLiteral("tw"), record.tw);
        object.insert(QStringLiteral("th"), record.th);
    }
    object.insert(QStringLiteral("rect"), gridCellsToJson(cells));
    return object;
}
