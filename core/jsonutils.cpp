#include "jsonutils.h"

#include <QJsonValue>

#include <climits>
#include <cmath>

namespace {

// QJsonValue::toInt() gives up on fractions; stored files hold values such as
// 12.9 that were always read as 12.
int truncatedInt(double number)
{
    if (std::isnan(number))
        return 0;
    if (number >= double(INT_MAX))
        return INT_MAX;
    if (number <= double(INT_MIN))
        return INT_MIN;
    return int(number);
}

} // namespace

int jsonNumberAsInt(const QJsonValue &value, int fallback)
{
    if (!value.isDouble() || std::isnan(value.toDouble()))
        return fallback;
    return truncatedInt(value.toDouble());
}

namespace {

template <typename Key>
int readInt(const QJsonObject &object, Key key, int *value)
{
    const auto it = object.constFind(key);
    if (it == object.constEnd())
        return JsonKeyMissing;
    const QJsonValue found = it.value();
    if (!found.isDouble())
        return JsonWrongType;
    *value = truncatedInt(found.toDouble());
    return JsonValueRead;
}

template <typename Key>
int readString(const QJsonObject &object, Key key, QString *value)
{
    const auto it = object.constFind(key);
    if (it == object.constEnd())
        return JsonKeyMissing;
    const QJsonValue found = it.value();
    if (!found.isString())
        return JsonWrongType;
    *value = found.toString();
    return JsonValueRead;
}

} // namespace

int jsonInt(const QJsonObject &object, const QString &key, int *value)
{
    return readInt(object, key, value);
}

int jsonInt(const QJsonObject &object, QLatin1String key, int *value)
{
    return readInt(object, key, value);
}

int jsonString(const QJsonObject &object, const QString &key, QString *value)
{
    return readString(object, key, value);
}

int jsonString(const QJsonObject &object, QLatin1String key, QString *value)
{
    return readString(object, key, value);
}

void jsonInts(const QJsonObject &object, std::initializer_list<JsonIntKey> keys)
{
    for (const JsonIntKey &key : keys)
        jsonInt(object, QLatin1String(key.key), key.value);
}

void jsonStrings(const QJsonObject &object, std::initializer_list<JsonStringKey> keys)
{
    for (const JsonStringKey &key : keys)
        jsonString(object, QLatin1String(key.key), key.value);
}

int jsonRect(const QJsonObject &object, const QString &key, QVector<QRect> *rects)
{
    const auto it = object.constFind(key);
    if (it == object.constEnd())
        return JsonKeyMissing;
    if (!it.value().isArray())
        return JsonWrongType;

    const QJsonArray cells = it.value().toArray();
    for (const QJsonValue &cell : cells) {
        if (!cell.isObject())
            continue;
        const QJsonObject member = cell.toObject();
        QRect rect(0, 0, 0, 0);
        int number = 0;
        if (jsonInt(member, QStringLiteral("x"), &number) == JsonValueRead && number >= 0)
            rect.moveLeft(number);
        if (jsonInt(member, QStringLiteral("y"), &number) == JsonValueRead && number >= 0)
            rect.moveTop(number);
        if (jsonInt(member, QStringLiteral("w"), &number) == JsonValueRead && number >= 0)
            rect.setWidth(number);
        if (jsonInt(member, QStringLiteral("h"), &number) == JsonValueRead && number >= 0)
            rect.setHeight(number);
        rects->append(rect);
    }
    return JsonValueRead;
}

int clearJsonArray(QJsonArray &array)
{
    array = QJsonArray();
    return 0;
}

QJsonObject jsonChanges(const QJsonObject &from, const QJsonObject &to)
{
    QJsonObject changes;
    for (auto it = from.constBegin(); it != from.constEnd(); ++it) {
        if (!to.contains(it.key()))
            changes.insert(it.key(), QJsonValue());
    }
    for (auto it = to.constBegin(); it != to.constEnd(); ++it) {
        const auto found = from.constFind(it.key());
        if (found == from.constEnd() || found.value() != it.value())
            changes.insert(it.key(), it.value());
    }
    return changes;
}
