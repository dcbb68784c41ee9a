#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Whether a file of a project can go to a panel under its name. The transfer
// package carries each name as UTF-8 in a 64-byte field ending in a NUL, and
// the panel refuses a name that is not UTF-8, holds a control character, a
// ":" or a "\", or is no bare file name; a hidden name (a leading ".") is
// never packed at all. The packer asks here, and so do the dialogs and the
// project store for every name they are about to give a file, so that what
// the upload would refuse or leave out is refused when it is named.
class FileNameCheck
{
    Q_DECLARE_TR_FUNCTIONS(FileNameCheck)

public:
    // The bytes of a name the package's field holds besides its NUL.
    static constexpr int kMaxBytes = 63;

    enum Verdict {
        Accepted,
        NotUtf8,
        ControlCharacter,   // C0 or C1, DEL among them
        TooLong,            // over kMaxBytes
        ReservedCharacter,  // ":", "\" or "/"
        NotAName,           // empty, "." or ".."
        Hidden,             // starts with "."
    };

    // The name as the bytes the package would carry.
    static FileNameCheck check(const QByteArray &fileName);
    // The name as text; one that has no UTF-8 form (a lone surrogate) is not UTF-8.
    static FileNameCheck check(const QString &fileName);

    // Whether the bytes are UTF-8 text, which reads back as the same bytes.
    static bool isUtf8(const QByteArray &bytes);
    // C0 and C1 control characters, DEL among them.
    static bool isControl(QChar c);

    Verdict verdict() const { return m_verdict; }
    bool isAccepted() const { return m_verdict == Accepted; }
    // The length of the name in UTF-8.
    int bytes() const { return m_bytes; }
    // Why, in a sentence for the user (with the byte count and by how much it
    // is over for a long name); empty when accepted.
    QString problem() const;

private:
    FileNameCheck(const QString &name, Verdict verdict, int bytes);

    QString m_name;
    Verdict m_verdict = Accepted;
    int m_bytes = 0;
};
