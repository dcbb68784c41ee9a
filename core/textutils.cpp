#include "textutils.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStringList>

#include <cstring>

namespace {

const char kIpv4Pattern[] =
    "\\b(?:(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.){3}(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\b";
static_assert(sizeof kIpv4Pattern - 1 == 93, "the address pattern is fixed");

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Bytes of the character that a lead byte starts; 0 for a stray byte.
int sequenceLength(char lead)
{
    const unsigned char byte = static_cast<unsigned char>(lead);
    if (byte < 0x80)
        return 1;
    if ((byte & 0xE0) == 0xC0)
        return 2;
    if ((byte & 0xF0) == 0xE0)
        return 3;
    if ((byte & 0xF8) == 0xF0)
        return 4;
    return 0;
}

} // namespace

QByteArray textToByteArray(const QString &text)
{
    QByteArray bytes;
    const QStringList tokens = text.simplified().split(QLatin1Char(' '));
    for (const QString &token : tokens) {
        if (token.isEmpty())
            continue;
        bool ok = false;
        const int value = token.toInt(&ok, 16);
        if (ok)
            bytes.append(char(value & 0xFF));
    }
    return bytes;
}

QString md5Hex(const QString &text)
{
    if (text.isEmpty())
        return QString();
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

QString colorToString(const QColor &color, int alpha)
{
    // Out-of-range alphas would give three-digit pairs that no colour parser reads.
    alpha = qBound(0, alpha, 255);
    const auto pair = [](int value) { return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')); };
    QString text = QStringLiteral("#");
    if (alpha != 0)
        text += pair(alpha);
    text += pair(color.red()) + pair(color.green()) + pair(color.blue());
    return text;
}

int utf8PrefixLength(const char *text, int length, int maxBytes)
{
    if (!text || length <= 0 || maxBytes <= 0)
        return 0;
    if (length <= maxBytes)
        return length;
    if (!isContinuationByte(text[maxBytes]))
        return maxBytes;
    // The cut falls inside a character: step back to its lead byte. Malformed
    // text without a lead byte close by is cut where it stands.
    for (int lead = maxBytes - 1; lead >= 0 && lead >= maxBytes - 3; --lead) {
        if (isContinuationByte(text[lead]))
            continue;
        return lead + sequenceLength(text[lead]) > maxBytes ? lead : maxBytes;
    }
    return maxBytes;
}

int utf8PrefixLength(const char *text, int maxBytes)
{
    if (!text || maxBytes <= 0)
        return 0;
    // Reads at most one byte past the limit: that byte tells whether the cut
    // falls inside a character.
    int length = 0;
    while (length <= maxBytes && text[length] != '\0')
        ++length;
    return utf8PrefixLength(text, length, maxBytes);
}

QByteArray utf8Prefix(const QByteArray &utf8, int maxBytes)
{
    return utf8.left(utf8PrefixLength(utf8.constData(), utf8.size(), maxBytes));
}

void copyCString(char *destination, int size, const char *source)
{
    if (!destination || !source || size <= 1)
        return;
    const int count = utf8PrefixLength(source, size - 1);
    std::memcpy(destination, source, size_t(count));
}

bool isIpv4Address(const QString &text)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QLatin1String(kIpv4Pattern)));
    return pattern.match(text).hasMatch();
}

bool isDigits(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d+$"));
    return pattern.match(text.trimmed()).hasMatch();
}
