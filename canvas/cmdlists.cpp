#include "cmdlists.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace {

const char *const kLists[] = {"on_cmd_data_list", "off_cmd_data_list"};

bool ipMatches(const QJsonObject &command, const QString &ip)
{
    const QJsonValue value = command.value(QLatin1String("ip"));
    return value.isString() && value.toString() == ip;
}

bool portMatches(const QJsonObject &command, int port)
{
    const QJsonValue value = command.value(QLatin1String("port"));
    if (!value.isDouble())
        return false;
    const double number = std::trunc(value.toDouble());
    return number == double(port);
}

void setIfKept(QJsonObject &command, const char *key, int value)
{
    if (value != -1)
        command.insert(QLatin1String(key), value);
}

} // namespace

namespace CmdLists {

bool isCommandKind(int nClass)
{
    return nClass == 129 || nClass == 130 || nClass == 131 || nClass == 133;
}

bool isReplaceKind(int nClass)
{
    return nClass == 129;
}

void pasteLists(QJsonObject &target, const QJsonObject &clipboard)
{
    for (const char *list : kLists) {
        const QString key = QLatin1String(list);
        if (!target.value(key).isArray() || !clipboard.value(key).isArray())
            continue;
        target.insert(key, clipboard.value(key));
        if (key == QLatin1String("on_cmd_data_list"))
            qDebug().noquote() << "2 Paste on_cmd_data_list:"
                               << QJsonDocument(clipboard.value(key).toArray()).toJson(QJsonDocument::Compact);
    }
}

bool matches(const QJsonObject &command, const CMD_BTN_ARGS &args)
{
    if (args.findIpEnabled && args.findPortEnabled)
        return ipMatches(command, args.findIp) && portMatches(command, args.findPort);
    if (args.findIpEnabled)
        return ipMatches(command, args.findIp);
    if (args.findPortEnabled)
        return portMatches(command, args.findPort);
    return false;
}

void applyArgs(QJsonObject &command, const CMD_BTN_ARGS &args)
{
    if (!args.newIp.isEmpty())
        command.insert(QStringLiteral("ip"), args.newIp);
    setIfKept(command, "port", args.port);
    setIfKept(command, "protocol", args.protocol);
    setIfKept(command, "front_ms", args.beforeSendInterval);
    setIfKept(command, "ms", args.afterSendInterval);
    setIfKept(command, "connect_timout", args.connectTimeout);
    setIfKept(command, "reconnect_num", args.reconnectNum);
}

bool replaceArgs(QJsonObject &attributes, const CMD_BTN_ARGS &args)
{
    bool changed = false;
    for (const char *list : kLists) {
        const QString key = QLatin1String(list);
        if (!attributes.value(key).isArray())
            continue;
        QJsonArray commands = attributes.value(key).toArray();
        bool holdsCommands = false;
        for (int i = 0; i < commands.size(); ++i) {
            if (!commands.at(i).isObject())
                continue;
            holdsCommands = true;
            QJsonObject command = commands.at(i).toObject();
            if (matches(command, args))
                applyArgs(command, args);
            commands.replace(i, command);
        }
        if (holdsCommands) {
            attributes.insert(key, commands);
            changed = true;
        }
    }
    return changed;
}

} // namespace CmdLists
