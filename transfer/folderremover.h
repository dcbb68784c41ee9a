#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// Removes folders on a thread of its own, entry by entry as the folder is
// read, so that a folder of a million files neither stalls the GUI thread nor
// is ever listed whole. A folder is removed only under its lock: one whose
// lock another holds (a receive still filling it) is left alone.
class FolderRemover : public QObject
{
    Q_OBJECT

public:
    explicit FolderRemover(QObject *parent = nullptr);
    // Stops after the entry at hand: what is left stays for a later sweep.
    ~FolderRemover() override;

    FolderRemover(const FolderRemover &) = delete;
    FolderRemover &operator=(const FolderRemover &) = delete;

    // A link is removed itself, never followed.
    void remove(const QString &path);

    // Locks a folder for as long as the returned handle stays open; -1 when
    // it cannot be opened or another holds the lock.
    static int lockFolder(const QString &path);

signals:
    // Emitted on the remover's thread; reaches a receiver on its own thread queued.
    void removeFailed(QString path);

private:
    void work();
    bool removeTree(const QString &path);

    std::mutex m_mutex;
    QStringList m_queue;
    bool m_working = false;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
