#include "dataserver.h"

#include "transfer/folderremover.h"
#include "transfer/packagereceiver.h"

#include <QDebug>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <climits>
#include <sys/socket.h>

namespace {
// Whether closing the socket resets the connection. The sender takes an
// orderly close as "the panel holds the package", which a refused one must
// never read as; Qt closes the socket by itself when the client's end of
// stream comes, so a client holds the reset from its acceptance on.
void setResetOnClose(QTcpSocket *socket, bool reset)
{
    const linger now = {reset ? 1 : 0, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
}

// The most a client's bytes take in memory at once.
const int kReadPiece = 256 * 1024;
const int kQuietTimeoutMs = 30000;
const int kPaceWindowMs = 30000;
// What the deadline and the pace count in.
const quint64 kStep = 64 * 1024;
} // namespace

DataServer::DataServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_remover(new FolderRemover(this))
    , m_quietTimer(new QTimer(this))
    , m_deadlineTimer(new QTimer(this))
    , m_paceTimer(new QTimer(this))
{
    m_quietTimer->setSingleShot(true);
    m_quietTimer->setInterval(kQuietTimeoutMs);
    m_deadlineTimer->setSingleShot(true);
    m_paceTimer->setSingleShot(true);
    m_paceTimer->setInterval(kPaceWindowMs);
    connect(m_server, SIGNAL(newConnection()), this, SLOT(onConnected()));
    connect(this, SIGNAL(recvCompleted()), this, SLOT(onRecvCompleted()));
    connect(m_quietTimer, SIGNAL(timeout()), this, SLOT(onTimeUp()));
    // A client that sends a byte now and then keeps the quiet timer from
    // firing; the deadline still frees the one slot for the next sender.
    connect(m_deadlineTimer, SIGNAL(timeout()), this, SLOT(onTimeUp()));
    // Time is earned by bytes that arrive, not by the size a header claims:
    // each 64 KiB gives the window anew for the next, so one slot cannot be
    // held for hours by a large announcement and a trickle.
    connect(m_paceTimer, SIGNAL(timeout()), this, SLOT(onTimeUp()));
    connect(m_remover, SIGNAL(removeFailed(QString)), this, SLOT(onRemoveFailed(QString)));
}

DataServer::~DataServer()
{
    disconnect(m_server, nullptr, this, nullptr);
    disconnect(this, SIGNAL(recvCompleted()), this, SLOT(onRecvCompleted()));
    if (m_client)
        m_client->disconnect(this);
    m_receiver.reset();
}

quint16 DataServer::serverPort() const
{
    return m_server->serverPort();
}

void DataServer::setQuietTimeout(int ms)
{
    m_quietTimer->setInterval(ms);
}

void DataServer::setDeadline(int baseMs, int msPer64KiB)
{
    m_deadlineBaseMs = baseMs;
    m_deadlineMsPer64KiB = msPer64KiB;
}

void DataServer::setPaceWindow(int ms)
{
    m_paceTimer->setInterval(ms);
}

void DataServer::setTargets(const QString &dataFile, const QString &configDir, const QString &allDir)
{
    m_dataFile = dataFile;
    m_configDir = configDir;
    m_allDir = allDir;
}

void DataServer::openServer()
{
    if (m_listening)
        return;
    if (!m_server->listen(m_address, m_port)) {
        emit serverStartError(m_server->errorString());
        return;
    }
    m_listening = true;
}

void DataServer::closeServer()
{
    if (!m_listening)
        return;
    if (m_client) {
        m_receiver->cutShort();
        endClient(false);
    }
    m_server->close();
    m_listening = false;
}

QString DataServer::localIpv4Address()
{
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && address != QHostAddress(QHostAddress::LocalHost))
            return address.toString();
    }
    return QHostAddress(QHostAddress::LocalHost).toString();
}

void DataServer::onConnected()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        setResetOnClose(socket, true);
        if (m_client) {
            // The first client keeps the server.
            socket->abort();
            socket->deleteLater();
            continue;
        }
        const QString peer = socket->peerAddress().toString();
        m_client = socket;
        m_client->setReadBufferSize(kReadPiece);
        m_receiver.reset(new PackageReceiver(m_dataFile, m_configDir, m_allDir, m_remover));
        connect(socket, SIGNAL(readyRead()), this, SLOT(onReadData()));
        connect(socket, SIGNAL(disconnected()), this, SLOT(onDisconnected()));
        m_quietTimer->start();
        m_clientTime.start();
        m_deadlineSized = false;
        m_deadlineTimer->start(m_deadlineBaseMs);
        m_received = 0;
        m_paceTarget = kStep;
        m_paceTimer->start();
        emit connected(peer);
    }
}

void DataServer::onReadData()
{
    if (!m_client)
        return;
    m_quietTimer->start();
    m_piece.resize(kReadPiece);
    PackageReceiver::Status status = m_receiver->status();
    while (status == PackageReceiver::Collecting && m_client->bytesAvailable() > 0) {
        const qint64 read = m_client->read(m_piece.data(), m_piece.size());
        if (read <= 0)
            break;
        m_received += quint64(read);
        status = m_receiver->feed(m_piece.constData(), read);
    }
    if (m_received >= m_paceTarget) {
        // The window starts again from here: a burst banks no time.
        m_paceTarget = m_received + kStep;
        m_paceTimer->start();
    }
    sizeDeadline();
    if (status == PackageReceiver::Complete)
        emit recvCompleted();
    else if (status == PackageReceiver::Failed)
        refuse();
}

void DataServer::onDisconnected()
{
    // Bytes that came before the end still count.
    onReadData();
    if (!m_client)
        return;
    m_receiver->cutShort();
    refuse();
}

void DataServer::sizeDeadline()
{
    const quint64 size = m_receiver->expectedSize();
    if (m_deadlineSized || size == 0)
        return;
    m_deadlineSized = true;
    // At most 2^31 bytes: some 33 million milliseconds, well inside an int.
    const qint64 allowed = m_deadlineBaseMs + qint64(size / kStep) * m_deadlineMsPer64KiB;
    m_deadlineTimer->start(int(qBound<qint64>(0, allowed - m_clientTime.elapsed(), INT_MAX)));
}

void DataServer::onTimeUp()
{
    if (!m_client)
        return;
    m_receiver->cutShort();
    refuse();
}

void DataServer::onRemoveFailed(QString path)
{
    emit writeDataError(tr("删除目录%1失败!").arg(path));
}

void DataServer::onRecvCompleted()
{
    if (!m_receiver || m_receiver->status() != PackageReceiver::Complete)
        return;
    if (!m_receiver->commit()) {
        refuse();
        return;
    }
    if (!m_receiver->target().isEmpty())
        emit writeDataSuccess(tr("写入数据文件成功: %1").arg(m_receiver->target()));
    endClient(true);
}

void DataServer::refuse()
{
    emit writeDataError(m_receiver->error());
    endClient(false);
}

void DataServer::endClient(bool success)
{
    m_quietTimer->stop();
    m_deadlineTimer->stop();
    m_paceTimer->stop();
    m_receiver.reset();
    if (QTcpSocket *socket = m_client) {
        m_client = nullptr;
        socket->disconnect(this);
        // Closed in order only once the whole package is in place.
        if (success) {
            setResetOnClose(socket, false);
            socket->disconnectFromHost();
        } else {
            socket->abort();
        }
        socket->deleteLater();
    }
    emit disconnected(success);
}
