#include "fileutils.h"

#include "core/wholefile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// Where a write to path goes: the path itself when nothing or a regular file
// stands there, the file when a link to a regular file does (the link stays,
// as QSaveFile keeps it). Empty for anything else, a device, FIFO, socket or
// folder, directly or through a link, or a link to nothing: the rename would
// put a regular file in its place, and through a link in the project folder
// that could be the system's /dev/zero. Looked at, never opened, so that a
// FIFO cannot block.
QString writableTarget(const QString &path)
{
    if (holdsNothingOrFile(path))
        return path;
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.canonicalFilePath() : QString();
    if (!target.isEmpty() && holdsNothingOrFile(target))
        return target;
    qDebug() << "refused: no regular file stands at " << path;
    return QString();
}

// Renames the written temporary over the target, once more checking what
// stands there now: it may have been replaced since the first look.
bool commitOver(QSaveFile &file, const QString &target)
{
    if (!holdsNothingOrFile(target)) {
        qDebug() << "refused: no regular file stands at " << target;
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool removeEntries(const QString &path)
{
    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::NoDotAndDotDot | QDir::Dirs | QDir::Files | QDir::Hidden | QDir::System,
        QDir::DirsFirst | QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString entryPath = entry.absoluteFilePath();
        bool removed = false;
        if (entry.isSymLink())
            removed = removeLink(entryPath);
        else if (entry.isDir())
            removed = removeDirectory(entryPath);
        else
            removed = QFile::remove(entryPath);
        if (!removed) {
            qDebug() << "remove dir fail: " << entryPath;
            return false;
        }
    }
    return true;
}

} // namespace

bool generateDirectorys(const QString &path)
{
    if (QDir(path).exists())
        return true;

    const QStringList parts = path.split(QLatin1Char('/'));
    QString prefix;
    for (const QString &part : parts) {
        prefix += part + QLatin1Char('/');
        if (!QDir(prefix).exists() && !QDir().mkdir(prefix)) {
            qDebug() << "generateDirectorys fail: " << prefix;
            return false;
        }
    }
    return true;
}

bool createFile(const QString &dir, const QString &fileName)
{
    if (!QDir(dir).exists())
        generateDirectorys(dir);
    const QString path = QDir(dir).absolutePath() + QLatin1Char('/') + fileName;
    if (!writeFileAtomically(path, QByteArray()))
        return false;
    qDebug() << "create file success dirName: " << dir << " filename:" << fileName;
    return true;
}

bool copyFile(const QString &src, const QString &dst)
{
    // Opening the destination would otherwise empty the very file being read.
    if (isSameFile(src, dst)) {
        qDebug() << "copyFile: source and destination are the same file " << src;
        return false;
    }

    // Opened as the whole-file reader opens: a FIFO would block for ever and
    // a device never end.
    WholeFile::Status failure = WholeFile::Missing;
    const int handle = WholeFile::openRegular(src, &failure, nullptr);
    QFile source;
    if (handle < 0 || !source.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (handle >= 0)
            ::close(handle);
        qDebug() << "src file open failed " << src << failure;
        return false;
    }
    const QString targetPath = writableTarget(dst);
    if (targetPath.isEmpty())
        return false;
    QSaveFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly)) {
        qDebug() << "dest file open failed" << dst << target.errorString();
        return false;
    }

    char block[1024];
    for (;;) {
        const qint64 count = source.read(block, sizeof block);
        if (count == 0)
            break;
        if (count < 0) {
            qDebug() << "src file read failed " << src << source.errorString();
            target.cancelWriting();
            return false;
        }
        if (target.write(block, count) != count) {
            qDebug() << "dest file write failed" << dst << target.errorString();
            target.cancelWriting();
            return false;
        }
    }
    if (!commitOver(target, targetPath)) {
        qDebug() << "dest file write failed" << dst << target.errorString();
        return false;
    }
    return true;
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

bool copyDirectory(const QString &src, const QString &dst, bool cover)
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
        if (!copyFile(entry.absoluteFilePath(), targetPath))
            complete = false;
    }
    return complete;
}

bool clearDirectory(const QString &path)
{
    if (isLinkDestination(path))
        return false;
    if (!QDir(path).exists()) {
        qDebug() << "dir is not exist: " << path;
        return false;
    }
    return removeEntries(path);
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

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString target = writableTarget(path);
    if (target.isEmpty())
        return false;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !commitOver(file, target)) {
        qDebug() << "writeFileAtomically failed" << path << file.errorString();
        return false;
    }
    return true;
}
