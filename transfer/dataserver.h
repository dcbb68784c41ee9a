#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class FolderRemover;
class PackageReceiver;
class QTcpServer;
class QTcpSocket;
class QTimer;

// Receives packages on the GUI thread: one client at a time, one package per
// connection, closed in order once the package is in place and reset when it
// is refused or could not be stored. Nothing is ever sent back; how the
// connection ends is the only answer.
class DataServer : public QObject
{
    Q_OBJECT

public:
    explicit DataServer(QObject *parent = nullptr);
    ~DataServer() override;

    void setPort(quint16 port) { m_port = port; }
    // The port listened on (the one the system picked for port 0).
    quint16 serverPort() const;
    // Test seam: the address listened on (every IPv4 address in the program).
    void setListenAddress(const QHostAddress &address) { m_address = address; }
    // Test seam: how long a client may send nothing before its package is
    // refused as cut short.
    void setQuietTimeout(int ms);
    // Test seam: how long a whole package may take: the base, and so much
    // more per 64 KiB that its header announces.
    void setDeadline(int baseMs, int msPer64KiB);
    // Test seam: how long a client has to deliver each further 64 KiB.
    void setPaceWindow(int ms);
    void setTargets(const QString &dataFile, const QString &configDir, const QString &allDir);

    void openServer();
    void closeServer();
    bool isListening() const { return m_listening; }

    // The first non-loopback IPv4 address of this machine, else 127.0.0.1.
    static QString localIpv4Address();

signals:
    void serverStartError(QString errString);
    void writeDataError(QString text);
    void writeDataSuccess(QString text);
    void disconnected(bool success);
    void connected(QString clientIP);
    void recvCompleted();

public slots:
    void onReadData();
    void onDisconnected();
    void onConnected();
    void onRecvCompleted();

private slots:
    // The client fell silent, fell behind its pace or ran out of time.
    void onTimeUp();
    void onRemoveFailed(QString path);

private:
    // Lets the current client go, freed later: it may be inside its own signal.
    void endClient(bool success);
    void refuse();
    // Once the header tells the package's size, the deadline grows with it.
    void sizeDeadline();

    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_client;
    std::unique_ptr<PackageReceiver> m_receiver;
    FolderRemover *m_remover = nullptr;
    QTimer *m_quietTimer = nullptr;
    QTimer *m_deadlineTimer = nullptr;
    QTimer *m_paceTimer = nullptr;
    QElapsedTimer m_clientTime;
    int m_deadlineBaseMs = 30000;
    int m_deadlineMsPer64KiB = 1000;
    bool m_deadlineSized = false;
    // Bytes read from the client, and how many must have come when the pace
    // timer fires.
    quint64 m_received = 0;
    quint64 m_paceTarget = 0;
    QByteArray m_piece;
    QString m_dataFile;
    QString m_configDir;
    QString m_allDir;
    QHostAddress m_address = QHostAddress(QHostAddress::AnyIPv4);
    bool m_listening = false;
    quint16 m_port = 65535;
};
