#include "tcpclient.h"

#include "core/textutils.h"

#include <QDeadlineTimer>
#include <QStringList>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

const int kReceiveBufferSize = 102400;
// A panel that stops reading must end a send, not hold the worker for ever.
const int kSendTimeoutMs = 500;

bool setBlocking(int socket, bool blocking)
{
    const int flags = ::fcntl(socket, F_GETFL, 0);
    if (flags < 0)
        return false;
    return ::fcntl(socket, F_SETFL, blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK)) == 0;
}

} // namespace

TcpClient::TcpClient() = default;

TcpClient::~TcpClient()
{
    close();
}

bool TcpClient::init(const QString &ip, int port)
{
    close();
    m_ip = ip;
    m_port = port;
    m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    return m_socket >= 0;
}

bool TcpClient::connectTimeout(int ms)
{
    quint32 address = 0;
    if (m_socket < 0 || m_port <= 0 || m_port > 65535 || !parseAddress(m_ip, &address)
        || !setBlocking(m_socket, false)) {
        close();
        return false;
    }
    sockaddr_in peer = {};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(quint16(m_port));
    peer.sin_addr.s_addr = htonl(address);

    bool connected = ::connect(m_socket, reinterpret_cast<sockaddr *>(&peer), sizeof peer) == 0;
    // Only a connect under way is worth waiting for; a refusal ends it at once.
    if (!connected && (errno == EINPROGRESS || errno == EINTR) && pollWritable(ms)) {
        int error = 0;
        socklen_t length = sizeof error;
        connected = ::getsockopt(m_socket, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    if (connected)
        connected = setBlocking(m_socket, true);
    if (!connected) {
        close();
        return false;
    }
    const int receiveBuffer = kReceiveBufferSize;
    ::setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    timeval timeout = {kSendTimeoutMs / 1000, (kSendTimeoutMs % 1000) * 1000};
    ::setsockopt(m_socket, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    return true;
}

bool TcpClient::waitWritable(int ms)
{
    return m_socket >= 0 && pollWritable(ms);
}

bool TcpClient::pollWritable(int ms)
{
    QDeadlineTimer deadline(ms);
    for (;;) {
        pollfd entry = {m_socket, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (ready > 0)
            return (entry.revents & POLLOUT) != 0;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

int TcpClient::send(const char *buffer, int length)
{
    if (m_socket < 0)
        return -1;
    return int(::send(m_socket, buffer, size_t(length), MSG_NOSIGNAL));
}

void TcpClient::close()
{
    if (m_socket >= 0)
        ::close(m_socket);
    m_socket = -1;
}

bool TcpClient::parseAddress(const QString &text, quint32 *address)
{
    if (!isIpv4Address(text))
        return false;
    quint32 value = 0;
    for (const QString &part : text.split(QLatin1Char('.')))
        value = (value << 8) | part.toUInt(nullptr, 10);
    *address = value;
    return true;
}
