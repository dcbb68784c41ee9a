#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// A file of the designer read whole, and only one that can be: a link is
// followed, opening never waits (a FIFO would block it for ever), what was
// opened must be a regular file, and no more than the bound of its kind is
// ever held, even of a file that grows while it is read. A refused or failed
// read holds no bytes and names the file and the reason.
class WholeFile
{
    Q_DECLARE_TR_FUNCTIONS(WholeFile)

public:
    // Files read whole with a bound; a writer of such a file takes the same
    // bound, so that the designer never writes what it will not read back.
    enum class Kind {
        ProjectFile,
        PageFile,
        DeviceFile,
        EventFile,
        GridTemplateFile,
        ScriptFile,
        StyleSheet,
    };
    static qint64 limit(Kind kind);
    // Test seam: a lower bound keeps a test of the bound light; a negative
    // one restores the kind's own.
    static void setLimitForTesting(Kind kind, qint64 bytes);

    enum Status {
        Read,
        Missing,      // nothing there, or a link to nothing
        Unreadable,   // there, but it cannot be opened or read
        NotRegular,   // a FIFO, device, socket or folder
        TooLarge,     // over the bound, or grew past it while read
    };

    static WholeFile read(const QString &path, qint64 limit);
    static WholeFile read(const QString &path, Kind kind) { return read(path, limit(kind)); }
    // Whether the path names a regular file, opened as read() opens it; for
    // files another reader (Qt's picture loading) then opens by name.
    static bool isRegular(const QString &path);
    // A handle on the regular file and its size, or -1 and why not: for a
    // reader that streams the file instead of holding it whole.
    static int openRegular(const QString &path, Status *failure, qint64 *size);

    Status status() const { return m_status; }
    bool isRead() const { return m_status == Read; }
    // Turned away for what it is rather than failing: said to the user.
    bool isRefused() const { return m_status == NotRegular || m_status == TooLarge; }
    const QByteArray &bytes() const { return m_bytes; }
    // Which file and why, in a sentence for the user; empty when read.
    QString problem() const;

private:
    WholeFile(const QString &path, qint64 limit);
    Status readFrom(int handle, qint64 size);

    QString m_path;
    qint64 m_limit;
    Status m_status = Missing;
    QByteArray m_bytes;
};
