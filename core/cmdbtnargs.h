#pragma once

#include <QMetaType>
#include <QString>

// A batch replacement of command connection parameters, handed from the
// replacement dialog through GlobalManager to the current page. In the first
// six fields -1 keeps the stored value; an empty newIp keeps the address.
struct CMD_BTN_ARGS {
    int port = -1;
    int protocol = -1;            // 0 UDP, 1 TCP, 2 HTTP, 3 Telnet, 4 SSH
    int connectTimeout = -1;      // "connect_timout"
    int beforeSendInterval = -1;  // "front_ms"
    int afterSendInterval = -1;   // "ms"
    int reconnectNum = -1;        // "reconnect_num"
    QString newIp;
    QString findIp;
    int findPort = -1;            // read only when findPortEnabled
    bool findPortEnabled = false;
    bool findIpEnabled = false;
};

Q_DECLARE_METATYPE(CMD_BTN_ARGS)
