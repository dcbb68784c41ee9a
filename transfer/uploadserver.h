#pragma once

#include <QFile>
#include <QFileInfoList>
#include <QString>
#include <QThread>

#include <atomic>
#include <dirent.h>
#include <functional>
#include <memory>
#include <sys/stat.h>

class QTemporaryDir;
class TcpClient;

// Sends one package at a time to a panel: packs the source into a package
// file on its own thread, connects with a short time-out and streams the file.
// Every stage is reported as text by occurrError(), every end by
// serverFinish(); both arrive queued on the GUI thread. Each packing makes
// its own private folder and file and keeps the file open until it is sent,
// so that two uploads, or another user, never swap packages.
class UploadServer : public QThread
{
    Q_OBJECT

public:
    explicit UploadServer(QObject *parent = nullptr);
    ~UploadServer() override;

    // Only while idle.
    void setUploadSource(const QString &path, int mode);
    // Does nothing while busy.
    void startUpload(const QString &host, int port);
    // Waits until the running upload, if any, has ended and its thread is
    // done; a stop cuts packing and sending short between pieces.
    void stopUpload();
    // A run is under way: from startUpload until the thread has finished.
    bool isBusy() const;

    // Builds the package file of the source and mode; true when it holds a
    // file. The file stays until the next packing or the worker's end.
    bool packageFiles();
    // Writes the regular files among the candidates, then the header; the
    // number of files packed, 0 when nothing was packed, a file could not be
    // read or a limit was broken (each said by occurrError).
    int writePackage(const QString &name, int mode, const QFileInfoList &candidates, QFile &output);
    QString packagePath() const { return m_package.fileName(); }

    // Test seam: reads the next entry of a folder being listed (readdir in
    // the program), so that a listing can fail part-way.
    using EntryReader = std::function<dirent *(DIR *)>;
    void setEntryReader(const EntryReader &reader) { m_readEntry = reader; }
    // Test seam: looks at one entry of the folder, not following a link
    // (lstat in the program), so that a look can fail.
    using EntryLook = std::function<int(const char *, struct stat *)>;
    void setEntryLook(const EntryLook &look) { m_lookEntry = look; }
    // Test seam: how long the panel may take nothing before the upload gives
    // up (kStallTimeoutMs in the program).
    void setStallTimeout(int ms) { m_stallMs = ms; }
    // Test seam: how long a panel that holds every byte may stay silent
    // before the upload gives up (kPanelQuietMs in the program).
    void setPanelQuietTimeout(int ms) { m_panelQuietMs = ms; }

signals:
    void occurrError(QString strErr);
    void serverFinish();

protected:
    void run() override;

private:
    enum CopyResult { Copied, ReadFailed, WriteFailed, Stopped };
    // What an entry names, following a link: only regular files are packed.
    enum class SourceKind { Regular, Folder, Other, Unknown };

    // Unknown, with *error, when the entry itself cannot be looked at; one
    // that vanished since the listing is Other, skipped like a broken link.
    SourceKind kindOf(const QByteArray &path, quint64 *size, int *error) const;
    // Says that the kind of an entry could not be learned.
    void lookFailed(const QString &path, int error);

    // The entries of the source folder, in name order without regard to
    // case; false after a stop, a refusal or a listing cut short, each said
    // but the stop.
    bool listFolder(QFileInfoList *candidates);
    // Names an entry that is not packed, the first few of a packing; the
    // others are counted once the packing is planned.
    void skipped(const QString &path);
    // Names the first hidden entries of a listing in name order, counts the rest.
    void hiddenSkipped(const QStringList &names, int count);
    // Empty when the whole package went out or a stop ended the sending.
    QString sendPackage();
    CopyResult copyFile(QFile &input, qint64 size, QFile &output);
    // A stop was asked for while a run is under way.
    bool stopping() const { return m_busy && !m_run; }
    void dropPackage();

    std::unique_ptr<TcpClient> m_client;
    std::atomic<bool> m_run{false};
    std::atomic<bool> m_busy{false};
    QString m_host;
    int m_port = 0;
    std::unique_ptr<QTemporaryDir> m_packageDir;
    QFile m_package;
    QString m_sourcePath;
    // Where packages are made; taken on the caller's thread with the source.
    QString m_tempDir;
    int m_mode = 0;
    int m_skipped = 0;
    int m_stallMs;
    int m_panelQuietMs;
    EntryReader m_readEntry = ::readdir;
    EntryLook m_lookEntry = [](const char *path, struct stat *status) { return ::lstat(path, status); };
};
