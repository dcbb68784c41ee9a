#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

// Blank-separated hexadecimal tokens to bytes ("0A ff 100" gives 0A FF 00);
// tokens that are not hexadecimal are skipped, each other keeps its low byte.
QByteArray textToByteArray(const QString &text);
// 32 lower-case hexadecimal digits of the MD5 of the UTF-8 text; "" for "".
QString md5Hex(const QString &text);
// "#aarrggbb" with the alpha given (held to 0..255); alpha 0 gives "#rrggbb".
QString colorToString(const QColor &color, int alpha);

// Length of the longest prefix of the first `length` bytes of UTF-8 text that
// is at most maxBytes long and does not end inside a multi-byte character.
int utf8PrefixLength(const char *text, int length, int maxBytes);
// The same for a NUL-terminated string.
int utf8PrefixLength(const char *text, int maxBytes);
// The UTF-8 bytes cut to at most maxBytes on a character boundary.
QByteArray utf8Prefix(const QByteArray &utf8, int maxBytes);

// Copies the source's bytes into a fixed-size field, at most size - 1 of them
// and never half a character; nothing past the copied bytes is written, so the
// caller zero-fills the field and its last byte stays 0.
void copyCString(char *destination, int size, const char *source);

// Four decimal numbers 0..255 joined by points, the whole text, no blanks.
bool isIpv4Address(const QString &text);
// One or more decimal digits once trimmed.
bool isDigits(const QString &text);
