#include "editrules.h"

#include "canvas/defaultattributes.h"
#include "core/jsonutils.h"

#include <QJsonValue>

#include <climits>

namespace {

int readInt(const QJsonObject &object, const char *key)
{
    int value = 0;
    jsonInt(object, QLatin1String(key), &value);
    return value;
}

int pinned(qint64 v)
{
    return int(qBound(qint64(INT_MIN), v, qint64(INT_MAX)));
}

void shiftNumber(QJsonObject &object, const char *key, int by)
{
    const QString name = QLatin1String(key);
    if (object.value(name).isDouble())
        object.insert(name, pinned(qint64(readInt(object, key)) + by));
}

// Only a positive number counts as a page size or a control extent here.
int positiveOr(const QJsonObject &object, const char *key, int fallback)
{
    if (!object.value(QLatin1String(key)).isDouble())
        return fallback;
    const int value = readInt(object, key);
    return value > 0 ? value : fallback;
}

// Moved and then held within [0 .. page - extent], the far edge first.
int heldWithin(int pos, int by, int extent, int page)
{
    qint64 v = qint64(pos) + by;
    if (v + extent > page)
        v = qint64(page) - extent;
    return pinned(qMax(v, qint64(0)));
}

} // namespace

namespace EditRules {

QJsonObject pasted(const QJsonObject &source, const QString &typeName, int widgetIndex)
{
    QJsonObject json = source;
    shiftNumber(json, "x", 10);
    shiftNumber(json, "y", 10);
    json.insert(QStringLiteral("widgetIndex"), widgetIndex);
    json.insert(QStringLiteral("name"), DefaultAttributes::controlName(typeName, widgetIndex));
    return json;
}

QJsonObject latched(const QJsonObject &attributes, int selfLocking, int groupId)
{
    QJsonObject json = attributes;
    json.insert(QStringLiteral("self_locking"), selfLocking);
    json.insert(QStringLiteral("m_group_id"), groupId);
    return json;
}

int nextGroupId(int maxId, const QSet<int> &inUse)
{
    if (maxId < INT_MAX)
        return maxId + 1;
    int id = 1;
    while (inUse.contains(id))
        ++id;
    return id;
}

QJsonObject painted(const QJsonObject &source, const QJsonObject &target)
{
    QJsonObject json = source;
    auto keep = [&](const char *key) {
        const QString name = QLatin1String(key);
        json.insert(name, target.contains(name) ? target.value(name) : QJsonValue(QJsonValue::Null));
    };
    for (const char *key : {"x", "y", "name", "widgetIndex"})
        keep(key);
    // "type" too: two kinds share one class (and so one tag), and a painted
    // control must still be saved as its own kind.
    for (const char *key : {"text", "pressText", "feature_type", "ui_type", "m_group_id", "type"}) {
        if (json.contains(QLatin1String(key)))
            keep(key);
    }
    return json;
}

int nudgeExtent(const QJsonObject &page, Direction direction)
{
    if (direction == Right)
        return positiveOr(page, "w", 1920);
    if (direction == Down)
        return positiveOr(page, "h", 1080);
    return 0;
}

QJsonObject nudged(const QJsonObject &attributes, Direction direction, int extent)
{
    QJsonObject json = attributes;
    const bool horizontal = direction == Left || direction == Right;
    const char *key = horizontal ? "x" : "y";
    if (!json.value(QLatin1String(key)).isDouble())
        return json;
    const qint64 v = readInt(json, key);
    qint64 moved;
    if (direction == Left || direction == Up) {
        moved = qMax(v - 1, qint64(0));
    } else {
        const int own = positiveOr(json, horizontal ? "w" : "h", 0);
        moved = v + 1;
        if (moved + own > extent)
            moved = qint64(extent) - own;
    }
    json.insert(QLatin1String(key), pinned(moved));
    return json;
}

QJsonObject movedBy(const QJsonObject &attributes, const QPoint &offset, int pageWidth, int pageHeight)
{
    QJsonObject json = attributes;
    json.insert(QStringLiteral("x"),
                heldWithin(readInt(json, "x"), offset.x(), readInt(json, "w"), pageWidth));
    json.insert(QStringLiteral("y"),
                heldWithin(readInt(json, "y"), offset.y(), readInt(json, "h"), pageHeight));
    return json;
}

QRect band(const QPoint &anchor, const QPoint &cursor, const QSize &page)
{
    const int left = qMin(cursor.x(), anchor.x());
    const int top = qMin(cursor.y(), anchor.y());
    int width = qAbs(cursor.x() - anchor.x());
    int height = qAbs(cursor.y() - anchor.y());
    if (left + width > page.width())
        width = page.width() - left;
    if (top + height > page.height())
        height = page.height() - top;
    return QRect(left, top, width, height);
}

bool dropRect(const QPoint &cursor, const QSize &size, const QSize &page, QRect *result)
{
    const int w = size.width();
    const int h = size.height();
    if (w < kMinimumBand || h < kMinimumBand)
        return false;
    if (cursor.x() < 1 || cursor.x() >= page.width() || cursor.y() < 1 || cursor.y() >= page.height())
        return false;
    int x = qMax(cursor.x() - w, 0);
    int y = qMax(cursor.y() - h, 0);
    if (x + w > page.width()) {
        x = page.width() - w;
        if (x < 0)
            return false;
    }
    if (y + h > page.height()) {
        if (page.height() - h < 0)
            return false;
        y = page.height() - h;
    }
    *result = QRect(x, y, w, h);
    return true;
}

double wheelScale(double scale, int angleDelta)
{
    const int steps = angleDelta / 120;
    if (steps >= 1)
        return qMin(scale + 0.01, 2.0);
    return qMax(scale - 0.01, 0.5);
}

} // namespace EditRules
