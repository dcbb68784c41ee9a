#include "cmdrecord.h"

#include "core/jsonutils.h"
#include "core/textutils.h"

#include <cstring>

namespace {

// The whole value of a JSON number in the int range; anything else is 0.
int32_t wholeInt(const QJsonObject &object, const char *key)
{
    const QString name = QLatin1String(key);
    int value = 0;
    if (jsonInt(object, name, &value) != JsonValueRead)
        return 0;
    return double(value) == object.value(name).toDouble() ? value : 0;
}

QString text(const QJsonObject &object, const char *key)
{
    QString value;
    jsonString(object, QLatin1String(key), &value);
    return value;
}

void setField(char (&field)[CmdRecord::kTextFieldSize], const QString &text)
{
    std::memset(field, 0, sizeof field);
    copyCString(field, int(sizeof field), text.toUtf8().constData());
}

QString fieldText(const char (&field)[CmdRecord::kTextFieldSize])
{
    return QString::fromUtf8(field, int(qstrnlen(field, sizeof field)));
}

} // namespace

CmdRecord CmdRecord::fromJson(const QJsonObject &object)
{
    CmdRecord record;
    record.ms = wholeInt(object, "ms");
    record.protocol = wholeInt(object, "protocol");
    record.port = wholeInt(object, "port");
    record.dataType = wholeInt(object, "data_type");
    record.httpMethod = wholeInt(object, "http_method");
    record.httpContentType = wholeInt(object, "http_content_type");
    record.frontMs = wholeInt(object, "front_ms");
    record.connectTimeout = wholeInt(object, "connect_timout");
    record.reconnectNum = wholeInt(object, "reconnect_num");
    record.setIp(text(object, "ip"));
    record.setUsername(text(object, "username"));
    record.setPassword(text(object, "password"));
    record.httpUrl = text(object, "http_url");
    record.data = text(object, "data");
    return record;
}

QJsonObject CmdRecord::toJson() const
{
    return QJsonObject{
        {QStringLiteral("ms"), ms},
        {QStringLiteral("protocol"), protocol},
        {QStringLiteral("ip"), ipText()},
        {QStringLiteral("username"), usernameText()},
        {QStringLiteral("password"), passwordText()},
        {QStringLiteral("port"), port},
        {QStringLiteral("data_type"), dataType},
        {QStringLiteral("http_method"), httpMethod},
        {QStringLiteral("http_content_type"), httpContentType},
        {QStringLiteral("front_ms"), frontMs},
        {QStringLiteral("connect_timout"), connectTimeout},
        {QStringLiteral("reconnect_num"), reconnectNum},
        {QStringLiteral("http_url"), httpUrl},
        {QStringLiteral("data"), data},
    };
}

QVector<CmdRecord> CmdRecord::fromJsonArray(const QJsonArray &array)
{
    QVector<CmdRecord> records;
    for (const QJsonValue &element : array) {
        if (element.isObject())
            records.append(fromJson(element.toObject()));
    }
    return records;
}

QJsonArray CmdRecord::toJsonArray(const QVector<CmdRecord> &records)
{
    QJsonArray array;
    for (const CmdRecord &record : records)
        array.append(record.toJson());
    return array;
}

void CmdRecord::setIp(const QString &text)
{
    setField(ip, text);
}

void CmdRecord::setUsername(const QString &text)
{
    setField(username, text);
}

void CmdRecord::setPassword(const QString &text)
{
    setField(password, text);
}

QString CmdRecord::ipText() const
{
    return fieldText(ip);
}

QString CmdRecord::usernameText() const
{
    return fieldText(username);
}

QString CmdRecord::passwordText() const
{
    return fieldText(password);
}
