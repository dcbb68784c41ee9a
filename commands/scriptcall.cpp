#include "scriptcall.h"

#include <QDataStream>
#include <QIODevice>

namespace {

// Both ends are the same build; the tag catches a stray writer.
const quint32 kCallTag = 0x42534331;    // "BSC1"
const quint32 kAnswerTag = 0x42534131;  // "BSA1"

QDataStream &versioned(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_5_15);
    return stream;
}

// A whole stream, read to its last byte and no further.
bool readWhole(QDataStream &stream)
{
    return stream.status() == QDataStream::Ok && stream.atEnd();
}

} // namespace

QByteArray ScriptCall::toBytes() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    versioned(stream) << kCallTag << scriptPath << functionName << hexData << args << qint32(timeLimitMs);
    return bytes;
}

bool ScriptCall::fromBytes(const QByteArray &bytes, ScriptCall *call)
{
    QDataStream stream(bytes);
    quint32 tag = 0;
    qint32 timeLimit = 0;
    versioned(stream) >> tag >> call->scriptPath >> call->functionName >> call->hexData >> call->args >> timeLimit;
    call->timeLimitMs = timeLimit;
    return tag == kCallTag && readWhole(stream);
}

QByteArray ScriptAnswer::toBytes() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    versioned(stream) << kAnswerTag << qint32(kind) << qint32(number) << text.left(kMaxTextLength);
    return bytes;
}

bool ScriptAnswer::fromBytes(const QByteArray &bytes, ScriptAnswer *answer)
{
    QDataStream stream(bytes);
    quint32 tag = 0;
    qint32 kind = Failed;
    qint32 number = 0;
    versioned(stream) >> tag >> kind >> number >> answer->text;
    // Only what a child can report; the runner's own kinds come from the runner.
    if (tag != kAnswerTag || !readWhole(stream) || kind < Number || kind > Thrown)
        return false;
    answer->kind = Kind(kind);
    answer->number = number;
    return true;
}
