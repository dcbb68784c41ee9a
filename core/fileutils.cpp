#include "fileutils.h"

#include "core/makefolders.h"
#include "core/wholefile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileWriteCalls activeCalls{::write, ::fdatasync, ::fsync};

bool isSameFile(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// Whether the folder inner is outer or lies somewhere below it.
bool isWithinFolder(const QDir &inner, const QDir &outer)
{
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    QString in = inner.canonicalPath();
    QString out = outer.canonicalPath();
    if (in.isEmpty() || out.isEmpty())
        return false;
    if (!in.endsWith(QLatin1Char('/')))
        in += QLatin1Char('/');
    if (!out.endsWith(QLatin1Char('/')))
        out += QLatin1Char('/');
    return in.startsWith(out, cs);
}

// Unlinks the link itself; a link to a folder is never entered.
bool removeLink(const QString &path)
{
    if (QFile::remove(path))
        return true;
#ifdef Q_OS_WIN
    // A directory link on Windows goes with rmdir, which leaves its target alone.
    return QDir().rmdir(path);
#else
    return false;
#endif
}

// A destination that is itself a link would be followed into whatever folder
// it names; the path is cleaned first so that "link/" or "link/." count too.
bool isLinkDestination(const QString &path)
{
    if (!QFileInfo(QDir::cleanPath(path)).isSymLink())
        return false;
    qDebug() << "refused: the destination is a link " << path;
    return true;
}

// Whether the path itself (a link not followed) holds nothing or a regular
// file: what a rename may replace.
bool holdsNothingOrFile(const QString &path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT;
    return S_ISREG(status.st_mode);
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

// Where a write to path goes: the path itself when nothing or a regular file
// stands there, the file when a link to a regular file does (the link stays,
// as QSaveFile keeps it). Anything else is refused: a device, FIFO, socket or
// folder, directly or through a link, or a link to nothing; the rename would
// put a regular file in its place, and through a link in the project folder
// that could be the system's /dev/zero. Looked at, never opened, so that a
// FIFO cannot block.
FileWrite resolveTarget(const QString &path)
{
    QString target = path;
    if (!holdsNothingOrFile(path)) {
        const QFileInfo link(path);
        if (!link.isSymLink())
            return FileWrite(path, FileWrite::NotAFile);
        target = link.canonicalFilePath();
        if (target.isEmpty())
            return FileWrite(path, FileWrite::DanglingLink);
        if (!holdsNothingOrFile(target))
            return FileWrite(path, FileWrite::NotAFile);
    }
    // The temporary goes beside the file and replaces it by a rename.
    const QByteArray folder = QFile::encodeName(folderOf(target));
    struct stat status;
    if (::stat(folder.constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return FileWrite(path, FileWrite::FolderMissing);
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return FileWrite::ofError(path, errno);
    if (::access(QFile::encodeName(target).constData(), W_OK) != 0 && errno != ENOENT)
        return FileWrite::ofError(path, errno);
    return FileWrite(target);
}

// Every byte onto the handle, or the errno of the write that failed: a full
// disk shows here, not in a buffer flushed on closing, whose failure
// QSaveFile::commit() does not report.
int writeAll(int handle, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t count = activeCalls.write(handle, data, size_t(qMin<qint64>(size, 1 << 20)));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : ENOSPC;
        data += count;
        size -= count;
    }
    return 0;
}

// Opens the temporary beside the target, unbuffered, so that every byte
// goes through writeAll.
FileWrite openTemporary(QSaveFile &file, const QString &path)
{
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.handle() >= 0)
        return FileWrite(path);
    const int error = errno;
    qDebug() << "cannot open a temporary beside" << path << file.errorString();
    file.cancelWriting();
    return error != 0 ? FileWrite::ofError(path, error) : FileWrite(path, FileWrite::Failed, file.errorString());
}

// The rename is on disk only once its folder is: without this a power cut
// may bring back the old file, or none, after a save that was reported.
void syncFolderOf(const QString &target)
{
    const int handle = ::open(QFile::encodeName(folderOf(target)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int error = handle < 0 || activeCalls.syncFolder(handle) != 0 ? errno : 0;
    if (handle >= 0)
        ::close(handle);
    // Not a failed save: the new bytes are in place and read back, and a
    // failure said now would claim that the old file stayed.
    if (error != 0)
        qDebug() << "cannot sync the folder after replacing" << target << std::strerror(error);
}

// Syncs the written temporary, then renames it over the target, once more
// checking what stands there now: it may have been replaced since the first
// look.
FileWrite commitOver(QSaveFile &file, const QString &path, const QString &target)
{
    // QSaveFile::commit() syncs too but ignores a failure, and some file
    // systems (network ones, thin storage) report a lost write only here.
    // A file system that cannot sync at all (EINVAL) has nothing to report.
    if (activeCalls.syncFile(file.handle()) != 0 && errno != EINVAL) {
        const int error = errno;
        qDebug() << "sync failed" << path << std::strerror(error);
        file.cancelWriting();
        return FileWrite::ofError(path, error);
    }
    if (!holdsNothingOrFile(target)) {
        qDebug() << "refused: no regular file stands at " << target;
        file.cancelWriting();
        return FileWrite(path, FileWrite::NotAFile);
    }
    errno = 0;
    if (file.commit()) {
        syncFolderOf(target);
        return FileWrite(path);
    }
    const int error = errno;
    qDebug() << "commit failed" << path << file.errorString();
    return error != 0 ? FileWrite::ofError(path, error) : FileWrite(path, FileWrite::Failed, file.errorString());
}

// Everything inside the folder but the entry named keep; *failure names the
// first entry that stayed, and why.
bool removeEntries(const QString &path, const QString &keep = QString(), FileWrite *failure = nullptr)
{
    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::NoDotAndDotDot | QDir::Dirs | QDir::Files | QDir::Hidden | QDir::System,
        QDir::DirsFirst | QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (!keep.isEmpty() && entry.fileName() == keep)
            continue;
        const QString entryPath = entry.absoluteFilePath();
        bool removed = false;
        errno = 0;
        if (entry.isSymLink())
            removed = removeLink(entryPath);
        else if (entry.isDir())
            removed = removeDirectory(entryPath);
        else
            removed = QFile::remove(entryPath);
        if (!removed) {
            const int error = errno;
            if (failure)
                *failure = error != 0 ? FileWrite::ofError(entryPath, error) : FileWrite(entryPath, FileWrite::Failed);
            qDebug() << "remove dir fail: " << entryPath;
            return false;
        }
    }
    return true;
}

} // namespace

bool generateDirectorys(const QString &path)
{
    const FileWrite made = makeFolders(path);
    if (!made)
        qDebug() << "generateDirectorys fail: " << made.problem(QString());
    return made.isWritten();
}

FileWrite createFile(const QString &dir, const QString &fileName)
{
    if (!QDir(dir).exists())
        generateDirectorys(dir);
    const QString path = QDir(dir).absolutePath() + QLatin1Char('/') + fileName;
    const FileWrite written = writeFileAtomically(path, QByteArray());
    if (written)
        qDebug() << "create file success dirName: " << dir << " filename:" << fileName;
    return written;
}

FileWrite copyFile(const QString &src, const QString &dst)
{
    // Opening the destination would otherwise empty the very file being read.
    if (isSameFile(src, dst)) {
        qDebug() << "copyFile: source and destination are the same file " << src;
        return FileWrite(dst, FileWrite::Failed, QStringLiteral("same file"));
    }

    // Opened as the whole-file reader opens: a FIFO would block for ever and
    // a device never end.
    WholeFile::Status failure = WholeFile::Missing;
    const int source = WholeFile::openRegular(src, &failure, nullptr);
    if (source < 0) {
        qDebug() << "src file open failed " << src << failure;
        return FileWrite(src, FileWrite::Unreadable);
    }
    const FileWrite where = resolveTarget(dst);
    if (!where) {
        ::close(source);
        return where;
    }
    QSaveFile target(where.path());
    FileWrite outcome = openTemporary(target, dst);
    char block[64 * 1024];
    while (outcome) {
        const ssize_t count = ::read(source, block, sizeof block);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            qDebug() << "src file read failed " << src;
            outcome = FileWrite(src, FileWrite::Unreadable);
        } else if (count == 0) {
            break;
        } else if (const int error = writeAll(target.handle(), block, count)) {
            outcome = FileWrite::ofError(dst, error);
        }
    }
    ::close(source);
    if (!outcome) {
        qDebug() << "copyFile failed" << src << dst << outcome.reason();
        target.cancelWriting();
        return outcome;
    }
    return commitOver(target, dst, where.path());
}

bool moveFile(const QString &src, const QString &dst)
{
    const QFileInfo source(src);
    if (!source.exists() && !source.isSymLink()) {
        qDebug() << "moveFile: src file is not exist " << src;
        return false;
    }
    if (isSameFile(src, dst)) {
        qDebug() << "moveFile: source and destination are the same file " << src;
        return false;
    }

    // A plain rename replaces the destination in one step. QFile::rename is
    // not used: it refuses an existing destination and its own copy fallback
    // removes the source before the copy is known to be on disk.
    if (std::rename(QFile::encodeName(src).constData(), QFile::encodeName(dst).constData()) == 0)
        return true;

    // Across file systems: the copy goes to a temporary beside the
    // destination, which is replaced only once the copy is complete.
    if (!copyFile(src, dst))
        return false;
    if (!QFile::remove(src)) {
        qDebug() << "moveFile: src file remove failed " << src;
        return false;
    }
    return true;
}

bool removeFile(const QString &path)
{
    const QFileInfo before(path);
    if (before.exists() || before.isSymLink())
        QFile::remove(path);
    const QFileInfo after(path);
    if (after.exists() || after.isSymLink()) {
        qDebug() << "remove file fail: " << path;
        return false;
    }
    return true;
}

bool copyDirectory(const QString &src, const QString &dst, bool cover, FileWrite *firstFailure)
{
    const QDir source(src);
    if (!source.exists() || isLinkDestination(dst))
        return false;
    const QDir target(dst);
    // The same folder under another name (a link, "..") counts as the same:
    // clearing the destination would otherwise empty the source.
    if (source.absolutePath() == target.absolutePath()
        || source.canonicalPath() == target.canonicalPath())
        return true;

    // Emptying a folder that holds the source would wipe the source first.
    if (cover && isWithinFolder(source, target)) {
        qDebug() << "copyDirectory: source lies inside the destination " << src << dst;
        return false;
    }
    if (cover && target.exists() && !clearDirectory(dst))
        return false;

    bool complete = true;
    const QFileInfoList entries = source.entryInfoList();
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if (entry.isDir())
            continue;
        const QString targetPath = dst + QLatin1Char('/') + name;
        if (cover && QFileInfo(targetPath).isFile())
            QFile::remove(targetPath);
        // The rest is still copied; the caller learns that one is missing.
        const FileWrite copied = copyFile(entry.absoluteFilePath(), targetPath);
        if (!copied && complete && firstFailure)
            *firstFailure = copied;
        if (!copied)
            complete = false;
    }
    return complete;
}

bool clearDirectory(const QString &path, const QString &keep, FileWrite *failure)
{
    if (isLinkDestination(path) || !QDir(path).exists()) {
        if (failure)
            *failure = FileWrite(path, FileWrite::Failed);
        qDebug() << "no folder to clear: " << path;
        return false;
    }
    return removeEntries(path, keep, failure);
}

bool removeDirectory(const QString &path)
{
    if (QFileInfo(path).isSymLink()) {
        if (removeLink(path))
            return true;
        qDebug() << "remove dir fail: " << path;
        return false;
    }
    if (!QDir(path).exists()) {
        qDebug() << "dir is not exist: " << path;
        return false;
    }
    if (!removeEntries(path))
        return false;
    if (!QDir().rmdir(path)) {
        qDebug() << "remove dir fail: " << path;
        return false;
    }
    return true;
}

bool isBareFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && !name.contains(QChar(0));
}

QString fileNameOfPath(const QString &path)
{
    const int cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QString loadablePicture(const QString &path)
{
    // A resource (":/...") is never a FIFO or a device.
    if (path.startsWith(QLatin1Char(':')) || (!path.isEmpty() && WholeFile::isRegular(path)))
        return path;
    return QString();
}

FileWriteCalls::Override::Override(const FileWriteCalls &calls)
    : m_previous(activeCalls)
{
    activeCalls = calls;
}

FileWriteCalls::Override::~Override()
{
    activeCalls = m_previous;
}

FileWrite checkWritable(const QString &path)
{
    const FileWrite where = resolveTarget(path);
    return where ? FileWrite(path) : where;
}

FileWrite writeFileAtomically(const QString &path, const QByteArray &bytes, qint64 limit)
{
    if (limit >= 0 && bytes.size() > limit)
        return FileWrite::tooLarge(path, bytes.size(), limit);
    const FileWrite where = resolveTarget(path);
    if (!where)
        return where;
    QSaveFile file(where.path());
    FileWrite outcome = openTemporary(file, path);
    if (outcome) {
        if (const int error = writeAll(file.handle(), bytes.constData(), bytes.size()))
            outcome = FileWrite::ofError(path, error);
    }
    if (!outcome) {
        qDebug() << "writeFileAtomically failed" << path << outcome.reason();
        file.cancelWriting();
        return outcome;
    }
    return commitOver(file, path, where.path());
}
