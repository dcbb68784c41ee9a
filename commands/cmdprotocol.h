#pragma once

#include <QString>

// The transports a command can use, by their stored code.
namespace CmdProtocol {

enum Code { Udp = 0, Tcp = 1, Http = 2, Telnet = 3, Ssh = 4, Count = 5 };

// The fixed lower-case word the list shows; empty for an unknown code.
QString name(int code);
// The same word as the choice boxes show it, in the user's language.
QString displayName(int code);

} // namespace CmdProtocol
