#pragma once

#include <QCoreApplication>
#include <QString>

// What became of a file the designer writes whole: written, or refused or
// failed with the reason, for the user. A write that did not happen left the
// previous file byte for byte.
class FileWrite
{
    Q_DECLARE_TR_FUNCTIONS(FileWrite)

public:
    enum Status {
        Written,
        NotAFile,       // a device, FIFO, socket or folder stands there
        DanglingLink,   // a link to nothing
        NoPermission,
        NoSpace,        // the disk, a quota or the file size limit is full
        TooLarge,       // larger than the designer reads back
        FolderMissing,  // the folder it goes into is gone
        Unreadable,     // the source of a copy cannot be read
        Failed,
    };

    explicit FileWrite(const QString &path, Status status = Written, const QString &detail = QString());
    static FileWrite tooLarge(const QString &path, qint64 size, qint64 limit);
    // The status a failed system call's errno stands for.
    static Status statusOfError(int error);
    static FileWrite ofError(const QString &path, int error);

    explicit operator bool() const { return m_status == Written; }
    bool isWritten() const { return m_status == Written; }
    Status status() const { return m_status; }
    const QString &path() const { return m_path; }
    // Why, in a sentence; empty when written.
    QString reason() const;
    // What the user is shown: the message they know for this write, the
    // whole path, then why.
    QString problem(const QString &lead) const;
    QString problem() const;

private:
    QString m_path;
    Status m_status;
    QString m_detail;
    qint64 m_size = 0;
    qint64 m_limit = 0;
};
