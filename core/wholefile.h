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
    // Bounds by kind of file, far above what the designer writes itself (the
    // largest real page is well under 1 MB; grid templates list every cell).
    static constexpr qint64 kProjectFileLimit = 16 << 20;
    // A grid setting control keeps its whole template: the largest grid
    // (999 x 999 cells) takes some 168 MB of a page, at most 202 MiB with
    // every number at its widest; the rest is room for the page itself.
    static constexpr qint64 kPageFileLimit = qint64(256) << 20;
    static constexpr qint64 kDeviceFileLimit = 32 << 20;
    static constexpr qint64 kEventFileLimit = 16 << 20;
    // One template of the largest grid (999 x 999 cells, each listed) takes
    // some 128 MB as the editor writes it.
    static constexpr qint64 kGridTemplateFileLimit = qint64(512) << 20;
    static constexpr qint64 kScriptFileLimit = 16 << 20;
    static constexpr qint64 kStyleSheetLimit = 4 << 20;

    enum Status {
        Read,
        Missing,      // nothing there, or a link to nothing
        Unreadable,   // there, but it cannot be opened or read
        NotRegular,   // a FIFO, device, socket or folder
        TooLarge,     // over the bound, or grew past it while read
    };

    static WholeFile read(const QString &path, qint64 limit);
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
