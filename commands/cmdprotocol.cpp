#include "cmdprotocol.h"

#include <QCoreApplication>

namespace {

const char *const kNames[CmdProtocol::Count] = {
    QT_TRANSLATE_NOOP("CmdProtocol", "udp"),
    QT_TRANSLATE_NOOP("CmdProtocol", "tcp"),
    QT_TRANSLATE_NOOP("CmdProtocol", "http"),
    QT_TRANSLATE_NOOP("CmdProtocol", "telnet"),
    QT_TRANSLATE_NOOP("CmdProtocol", "ssh"),
};

} // namespace

namespace CmdProtocol {

QString name(int code)
{
    return code >= 0 && code < Count ? QLatin1String(kNames[code]) : QString();
}

QString displayName(int code)
{
    return code >= 0 && code < Count ? QCoreApplication::translate("CmdProtocol", kNames[code]) : QString();
}

} // namespace CmdProtocol
