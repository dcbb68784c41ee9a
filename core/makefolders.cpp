#include "makefolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The path from the root down, one folder more each step.
QStringList foldersDownTo(const QString &path)
{
    const QString absolute = QDir::cleanPath(QDir(path).absolutePath());
    QStringList folders;
    int from = 1;
    for (;;) {
        const int slash = absolute.indexOf(QLatin1Char('/'), from);
        folders << (slash < 0 ? absolute : absolute.left(slash));
        if (slash < 0)
            break;
        from = slash + 1;
    }
    return folders;
}

FileWrite notAFolder(const QString &folder)
{
    return FileWrite(folder, FileWrite::Failed, QString::fromLocal8Bit(std::strerror(ENOTDIR)));
}

FileWrite walk(const QString &path, bool make, QString *firstMade)
{
    QString parent = QStringLiteral("/");
    for (const QString &folder : foldersDownTo(path)) {
        const QByteArray native = QFile::encodeName(folder);
        struct stat status;
        if (::stat(native.constData(), &status) == 0) {
            if (!S_ISDIR(status.st_mode))
                return notAFolder(folder);
            parent = folder;
            continue;
        }
        const int missing = errno;
        if (missing != ENOENT)
            return FileWrite::ofError(folder, missing);
        // Nothing to follow, yet something there: a link to nothing.
        if (::lstat(native.constData(), &status) == 0)
            return FileWrite(folder, FileWrite::DanglingLink);
        if (!make) {
            // Below a folder made now nothing more can stand in the way.
            if (::access(QFile::encodeName(parent).constData(), W_OK | X_OK) != 0) {
                const int refused = errno;
                return FileWrite::ofError(folder, refused);
            }
            return FileWrite(path);
        }
        if (::mkdir(native.constData(), 0777) != 0) {
            const int error = errno;
            // Made meanwhile by someone else: as good.
            if (!(error == EEXIST && QFileInfo(folder).isDir()))
                return FileWrite::ofError(folder, error);
        } else if (firstMade && firstMade->isEmpty()) {
            *firstMade = folder;
        }
        parent = folder;
    }
    return FileWrite(path);
}

} // namespace

FileWrite makeFolders(const QString &path, QString *firstMade)
{
    if (firstMade)
        firstMade->clear();
    return walk(path, true, firstMade);
}

FileWrite checkFoldersMakeable(const QString &path)
{
    return walk(path, false, nullptr);
}
