#include "midctrlrecord.h"

#include "core/textutils.h"

#include <QByteArray>

#include <cstring>

void setRecordText(char *buffer, int size, const QString &text)
{
    if (size <= 0)
        return;
    std::memset(buffer, 0, size_t(size));
    copyCString(buffer, size, text.toUtf8().constData());
}

namespace {
// Bytes a UTF-8 sequence takes, read from its lead byte.
int sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}
} // namespace

QString recordText(const char *buffer, int size)
{
    int length = int(qstrnlen(buffer, uint(size)));
    // Step back over trailing continuation bytes to the lead byte; drop the
    // sequence when it is not complete.
    for (int lead = length - 1; lead >= 0 && lead >= length - 3; --lead) {
        const auto byte = static_cast<unsigned char>(buffer[lead]);
        if ((byte & 0xC0) == 0x80)
            continue;
        if (lead + sequenceLength(byte) > length)
            length = lead;
        break;
    }
    return QString::fromUtf8(buffer, length);
}

bool operator==(const MidCtrlCmdRecord &a, const MidCtrlCmdRecord &b)
{
    return a.uuid == b.uuid && a.send_type == b.send_type && a.ms == b.ms && a.data_type == b.data_type
           && recordText(a.name) == recordText(b.name) && recordText(a.data) == recordText(b.data);
}

bool operator==(const MidCtrlRecord &a, const MidCtrlRecord &b)
{
    return a.uuid == b.uuid && a.protocol == b.protocol && a.port == b.port && recordText(a.name) == recordText(b.name)
           && recordText(a.ip) == recordText(b.ip) && a.cmds == b.cmds;
}
