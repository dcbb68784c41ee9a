#include "filenamecheck.h"

#include <algorithm>

namespace {

bool isReserved(QChar c)
{
    return c == QLatin1Char(':') || c == QLatin1Char('\\') || c == QLatin1Char('/');
}

} // namespace

FileNameCheck::FileNameCheck(const QString &name, Verdict verdict, int bytes)
    : m_name(name)
    , m_verdict(verdict)
    , m_bytes(bytes)
{
}

bool FileNameCheck::isUtf8(const QByteArray &bytes)
{
    // Not the QByteArray overload of fromUtf8(), which stops at a NUL. Bytes
    // that are not UTF-8 come back as replacement characters.
    return QString::fromUtf8(bytes.constData(), bytes.size()).toUtf8() == bytes;
}

bool FileNameCheck::isControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f);
}

FileNameCheck FileNameCheck::check(const QByteArray &fileName)
{
    const QString name = QString::fromUtf8(fileName.constData(), fileName.size());
    Verdict verdict = Accepted;
    if (!isUtf8(fileName))
        verdict = NotUtf8;
    else if (std::any_of(name.cbegin(), name.cend(), isControl))
        verdict = ControlCharacter;
    else if (fileName.size() > kMaxBytes)
        verdict = TooLong;
    else if (std::any_of(name.cbegin(), name.cend(), isReserved))
        verdict = ReservedCharacter;
    else if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        verdict = NotAName;
    // The packer leaves hidden files out, so the panel would never get one.
    else if (name.startsWith(QLatin1Char('.')))
        verdict = Hidden;
    return FileNameCheck(name, verdict, fileName.size());
}

FileNameCheck FileNameCheck::check(const QString &fileName)
{
    const QByteArray bytes = fileName.toUtf8();
    // toUtf8() writes a lone surrogate as something else, which would pass.
    if (QString::fromUtf8(bytes.constData(), bytes.size()) != fileName)
        return FileNameCheck(fileName, NotUtf8, bytes.size());
    return check(bytes);
}

QString FileNameCheck::problem() const
{
    switch (m_verdict) {
    case Accepted:
        break;
    case NotUtf8:
        return tr("文件名不是有效的UTF-8文本");
    case ControlCharacter:
        return tr("文件名不能包含控制字符");
    case TooLong:
        return tr("文件名过长：“%1”有%2字节，多了%3字节（最多%4字节）")
            .arg(m_name)
            .arg(m_bytes)
            .arg(m_bytes - kMaxBytes)
            .arg(kMaxBytes);
    case ReservedCharacter:
        return tr("文件名不能包含“:”、“\\”或“/”");
    case NotAName:
        return tr("文件名不能为空，也不能是“.”或“..”");
    case Hidden:
        return tr("文件名不能以“.”开头：这样的隐藏文件不会上传");
    }
    return QString();
}
