#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// One command of a central-control device, as the device editor and
// "mid_ctrl.dat" know it. The text fields are fixed-size, NUL-terminated
// UTF-8 buffers: the device editor and the panel share this layout.
struct MidCtrlCmdRecord {
    int32_t uuid = 0;
    char name[64] = {};
    int32_t send_type = 0;   // 0 send once, 1 send in a loop
    int32_t ms = 0;          // loop interval in milliseconds
    int32_t data_type = 0;   // 0 HEX, 1 ASCII
    char data[1024] = {};
};

// One central-control device with its commands; copying copies the commands.
struct MidCtrlRecord {
    int32_t uuid = 0;
    char name[64] = {};
    int32_t protocol = 0;    // 0 UDP, 1 TCP
    char ip[20] = {};
    int32_t port = 0;
    std::vector<MidCtrlCmdRecord> cmds;
};

// Equal when every field holds the same value, the texts as they are read
// back; a device's commands in the same order.
bool operator==(const MidCtrlCmdRecord &a, const MidCtrlCmdRecord &b);
bool operator==(const MidCtrlRecord &a, const MidCtrlRecord &b);
inline bool operator!=(const MidCtrlCmdRecord &a, const MidCtrlCmdRecord &b) { return !(a == b); }
inline bool operator!=(const MidCtrlRecord &a, const MidCtrlRecord &b) { return !(a == b); }

// Puts text into a record's buffer: zero-fills it, then copies the UTF-8 bytes
// that fit before the terminator. A cut never splits a character, so the
// buffer always holds valid UTF-8.
void setRecordText(char *buffer, int size, const QString &text);

// Reads a record's buffer back as text. A buffer filled by someone else may
// end inside a multi-byte character; that remnant is dropped rather than
// turned into a replacement character.
QString recordText(const char *buffer, int size);

template <int N>
void setRecordText(char (&buffer)[N], const QString &text) { setRecordText(buffer, N, text); }
template <int N>
QString recordText(const char (&buffer)[N]) { return recordText(buffer, N); }
