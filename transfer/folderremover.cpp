#include "folderremover.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderRemover::FolderRemover(QObject *parent)
    : QObject(parent)
{
}

FolderRemover::~FolderRemover()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void FolderRemover::remove(const QString &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.append(path);
    if (m_working)
        return;
    // The thread ends whenever the queue runs dry; a new one takes the next folder.
    if (m_thread.joinable())
        m_thread.join();
    m_working = true;
    m_thread = std::thread(&FolderRemover::work, this);
}

int FolderRemover::lockFolder(const QString &path)
{
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (handle < 0)
        return -1;
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(handle);
        errno = error;
        return -1;
    }
    return handle;
}

void FolderRemover::work()
{
    for (;;) {
        QString path;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_queue.isEmpty() || m_stop) {
                m_working = false;
                return;
            }
            path = m_queue.takeFirst();
        }
        // A link that stood in a target's place goes itself; what it points
        // to is never touched.
        if (QFileInfo(path).isSymLink()) {
            if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT) {
                qDebug() << "remove link fail: " << path << errno;
                emit removeFailed(path);
            }
            continue;
        }
        const int handle = lockFolder(path);
        if (handle < 0) {
            // Gone already, or another is at work on it.
            if (errno != ENOENT && errno != EWOULDBLOCK) {
                qDebug() << "remove dir fail: " << path << errno;
                emit removeFailed(path);
            }
            continue;
        }
        const bool removed = removeTree(path);
        ::close(handle);
        if (!removed && !m_stop) {
            qDebug() << "remove dir fail: " << path;
            emit removeFailed(path);
        }
    }
}

// Links are removed, never followed.
bool FolderRemover::removeTree(const QString &path)
{
    bool removed = true;
    QDirIterator entries(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext() && !m_stop) {
        const QString entry = entries.next();
        const QFileInfo info = entries.fileInfo();
        if (info.isDir() && !info.isSymLink())
            removed = removeTree(entry) && removed;
        else
            removed = QFile::remove(entry) && removed;
    }
    return !m_stop && removed && QDir().rmdir(path);
}
