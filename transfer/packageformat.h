#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The transfer package: a 76-byte header, then per file a 72-byte entry and
// the file's bytes. Integers are unsigned 32-bit little-endian, names UTF-8
// padded with NUL to their 64-byte field. Sender and receiver share this.
namespace PackageFormat {

constexpr int kHeaderSize = 76;
constexpr int kEntrySize = 72;
constexpr int kNameSize = 64;
constexpr int kMaxNameBytes = kNameSize - 1;
// Panels hold sizes in signed 32-bit integers: every size, and the whole
// package, stays below this.
constexpr quint64 kSizeLimit = quint64(1) << 31;
// The most records a received package may carry. A panel project is a few
// hundred files; every record becomes a file on the receiving side.
constexpr quint32 kMaxRecords = 10000;

enum Type { Data = 0, Config = 2, All = 4 };

struct Header {
    QByteArray name;   // up to the first NUL
    quint32 type = 0;
    quint32 fileNumbers = 0;
    quint32 packetSize = 0;
};

struct Entry {
    QByteArray name;         // up to the first NUL
    bool terminated = false; // the field holds a NUL
    quint32 size = 0;
};

QByteArray encodeHeader(const QByteArray &name, quint32 type, quint32 fileNumbers, quint32 packetSize);
QByteArray encodeEntry(const QByteArray &name, quint32 size);
// bytes holds at least kHeaderSize (kEntrySize) bytes.
Header decodeHeader(const char *bytes);
Entry decodeEntry(const char *bytes);

// "db.bin", "config.bin" or "all.bin"; empty for a type that packs nothing.
QString packageFileName(int type);

// A record name, as its bytes, that may be joined to a target folder: valid
// UTF-8 without control characters, not empty, no part "." or "..", no
// leading "/", no backslash or colon.
bool isSafeName(const QByteArray &name);
// Whether a receiver takes a record of this name in a package of this type.
bool acceptsRecordName(quint32 type, const QByteArray &name);
// Whether the sender packs a file of this name, directly inside the project
// folder, into a package of this type: only a name that the project's
// dialogs would have taken, each of which a receiver takes too.
bool packsFileName(quint32 type, const QByteArray &name);
// The name as a log line may show it: control characters as "?".
QString printableName(const QByteArray &name);

} // namespace PackageFormat
