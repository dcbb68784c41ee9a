#include "tcpclient.h"

#include "core/textutils.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QStringList>

#include <arpa/inet.h>
#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <linux/sockios.h>
#include <linux/tcp.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int kReceiveBufferSize = 102400;
// How often a send that the socket does not take looks at the connection
// again; writability alone comes only once much of a large queue has gone.
const int kLookAgainMs = 20;

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
    return true;
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

TcpClient::SendResult TcpClient::sendAll(const char *buffer, int length, int stallMs, const std::atomic<bool> &run)
{
    if (m_socket < 0)
        return Failed;
    QElapsedTimer still;
    still.start();
    Movement last;
    bool looked = false;   // last holds a look taken since the last bytes went
    for (int sent = 0; sent < length;) {
        if (!run)
            return Stopped;
        const ssize_t taken = ::send(m_socket, buffer + sent, size_t(length - sent), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (taken > 0) {
            sent += int(taken);
            still.restart();
            looked = false;
            continue;
        }
        if (taken < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return Failed;
        // A slow peer's stack may hold its window shut for a while as it
        // reads: bytes leaving the queue or a window opening count as moving.
        const Movement now = movement();
        if (looked && (now.queued < last.queued || now.window > last.window))
            still.restart();
        last = now;
        looked = true;
        const qint64 left = stallMs - still.elapsed();
        if (left <= 0)
            return Stalled;
        pollfd entry = {m_socket, POLLOUT, 0};
        ::poll(&entry, 1, int(qMin<qint64>(left, kLookAgainMs)));
    }
    return Sent;
}

TcpClient::SendResult TcpClient::finish(int stallMs, int quietMs, const std::atomic<bool> &run)
{
    if (m_socket < 0 || ::shutdown(m_socket, SHUT_WR) != 0)
        return Failed;
    QElapsedTimer still;
    still.start();
    Movement last = movement();
    // The peer's close came: bytes still queued would reach a closed peer,
    // which answers them with a reset.
    bool closed = false;
    for (;;) {
        if (!run)
            return Stopped;
        pollfd entry = {m_socket, POLLIN | POLLRDHUP, 0};
        if (closed) {
            ::poll(nullptr, 0, kLookAgainMs);
        } else if (::poll(&entry, 1, kLookAgainMs) > 0) {
            char ignored[4096];
            const ssize_t answer = ::recv(m_socket, ignored, sizeof ignored, MSG_DONTWAIT);
            closed = answer == 0;
            if (answer < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                return Failed;
        }
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(m_socket, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0)
            return Failed;
        const Movement now = movement();
        if (closed && now.queued == 0)
            return Sent;
        // Bytes still queued must keep moving as they do while sending. Once
        // the peer holds them all, only its close says it has them: a socket
        // that took the bytes is not a program that read them.
        if (now.queued < last.queued || now.window > last.window)
            still.restart();
        last = now;
        if (still.elapsed() >= (now.queued > 0 ? stallMs : quietMs))
            return Stalled;
    }
}

TcpClient::Movement TcpClient::movement() const
{
    Movement now;
    ::ioctl(m_socket, SIOCOUTQ, &now.queued);
    tcp_info info = {};
    socklen_t length = sizeof info;
    if (::getsockopt(m_socket, IPPROTO_TCP, TCP_INFO, &info, &length) == 0
        && length >= offsetof(tcp_info, tcpi_snd_wnd) + sizeof info.tcpi_snd_wnd)
        now.window = info.tcpi_snd_wnd;
    return now;
}

void TcpClient::close()
{
    if (m_socket >= 0)
        ::close(m_socket);
    m_socket = -1;
}

void TcpClient::abort()
{
    if (m_socket >= 0) {
        const linger now = {1, 0};
        ::setsockopt(m_socket, SOL_SOCKET, SO_LINGER, &now, sizeof now);
    }
    close();
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
