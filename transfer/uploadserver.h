#pragma once

#include <QFileInfoList>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>

class QFile;
class TcpClient;

// Sends one package at a time to a panel: packs the source into a package
// file on its own thread, connects with a short time-out and streams the file.
// Every stage is reported as text by occurrError(), every end by
// serverFinish(); both arrive queued on the GUI thread.
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
    // Waits until the running upload, if any, has ended and its thread is done.
    void stopUpload();
    // A run is under way: from startUpload until the thread has finished.
    bool isBusy() const;

    // Builds the package file of the source and mode; true when it holds a file.
    bool packageFiles();
    // Writes the records of the candidates, then the header; the number of
    // files packed, 0 when nothing was packed or a limit was broken.
    int writePackage(const QString &name, int mode, const QFileInfoList &candidates, QFile &output);
    QString packagePath() const { return m_packagePath; }

    // The folder of the temporary directory that holds this user's packages.
    static QString packageFolder(const QString &tempPath);
    // Makes the folder when missing; false unless it is a real folder of this
    // user that no one else may use.
    static bool makePrivateFolder(const QString &path);

signals:
    void occurrError(QString strErr);
    void serverFinish();

protected:
    void run() override;

private:
    // Empty when the whole package went out or a stop ended the sending.
    QString sendPackage();
    bool copyFile(QFile &input, qint64 size, QFile &output);

    std::unique_ptr<TcpClient> m_client;
    std::atomic<bool> m_run{false};
    std::atomic<bool> m_busy{false};
    QString m_host;
    int m_port = 0;
    QString m_packagePath;
    QString m_sourcePath;
    int m_mode = 0;
};
