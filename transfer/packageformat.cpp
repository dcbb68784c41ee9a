#include "packageformat.h"

#include "core/filenamecheck.h"

#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace PackageFormat {

static_assert(kMaxNameBytes == FileNameCheck::kMaxBytes, "a name the dialogs take fits the package's field");

namespace {

const char kMagic[4] = {'Z', 'E', 'P', 'T'};

void putName(char *field, const QByteArray &name)
{
    std::memcpy(field, name.constData(), size_t(qMin(name.size(), kMaxNameBytes)));
}

QByteArray nameOf(const char *field, bool *terminated)
{
    const void *nul = std::memchr(field, 0, kNameSize);
    if (terminated)
        *terminated = nul != nullptr;
    const int length = nul ? int(static_cast<const char *>(nul) - field) : kNameSize;
    return QByteArray(field, length);
}

} // namespace

QByteArray encodeHeader(const QByteArray &name, quint32 type, quint32 fileNumbers, quint32 packetSize)
{
    char data[kHeaderSize] = {};
    putName(data, name);
    qToLittleEndian<quint32>(type, data + 64);
    qToLittleEndian<quint32>(fileNumbers, data + 68);
    qToLittleEndian<quint32>(packetSize, data + 72);
    return QByteArray(data, kHeaderSize);
}

QByteArray encodeEntry(const QByteArray &name, quint32 size)
{
    char data[kEntrySize] = {};
    std::memcpy(data, kMagic, sizeof kMagic);
    putName(data + 4, name);
    qToLittleEndian<quint32>(size, data + 68);
    return QByteArray(data, kEntrySize);
}

Header decodeHeader(const char *bytes)
{
    Header header;
    header.name = nameOf(bytes, nullptr);
    header.type = qFromLittleEndian<quint32>(bytes + 64);
    header.fileNumbers = qFromLittleEndian<quint32>(bytes + 68);
    header.packetSize = qFromLittleEndian<quint32>(bytes + 72);
    return header;
}

Entry decodeEntry(const char *bytes)
{
    // The magic is written by every sender and looked at by no reader.
    Entry entry;
    entry.name = nameOf(bytes + 4, &entry.terminated);
    entry.size = qFromLittleEndian<quint32>(bytes + 68);
    return entry;
}

QString packageFileName(int type)
{
    switch (type) {
    case Data:
        return QStringLiteral("db.bin");
    case Config:
        return QStringLiteral("config.bin");
    case All:
        return QStringLiteral("all.bin");
    default:
        return QString();
    }
}

QString printableName(const QByteArray &name)
{
    QString text = QString::fromUtf8(name);
    for (QChar &c : text) {
        if (FileNameCheck::isControl(c))
            c = QLatin1Char('?');
    }
    return text;
}

bool isSafeName(const QByteArray &raw)
{
    const QString name = QString::fromUtf8(raw.constData(), raw.size());
    // Bytes that are not UTF-8 would be written as replacement characters.
    if (!FileNameCheck::isUtf8(raw) || std::any_of(name.cbegin(), name.cend(), FileNameCheck::isControl))
        return false;
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part == QLatin1String("..") || part == QLatin1String("."))
            return false;
    }
    return true;
}

bool acceptsRecordName(quint32 type, const QByteArray &name)
{
    // A data package's one record becomes the data file whatever it is
    // called: its name only shows in messages. The others' names become paths.
    return type == Data || isSafeName(name);
}

bool packsFileName(quint32 type, const QByteArray &name)
{
    return type == Data || FileNameCheck::check(name).isAccepted();
}

} // namespace PackageFormat
