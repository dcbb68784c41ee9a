#pragma once

// A panel of the tests' own, written from the package layout alone: its
// builder and sockets share no code with the program's transfer code.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QStringList>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <linux/capability.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace peer {

inline QByteArray le32(quint32 value)
{
    const char bytes[4] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
    return QByteArray(bytes, 4);
}

inline QByteArray header(const QByteArray &name, quint32 type, quint32 count, quint32 size)
{
    return name + QByteArray(64 - name.size(), '\0') + le32(type) + le32(count) + le32(size);
}

// One record; size is what the entry claims (the data's length when negative).
inline QByteArray record(const QByteArray &name, const QByteArray &data, qint64 size = -1)
{
    return "ZEPT" + name + QByteArray(64 - name.size(), '\0') + le32(quint32(size < 0 ? data.size() : size))
        + data;
}

// A package of the records; fileNumbers and packetSize as counted unless given.
inline QByteArray package(const QByteArray &name, quint32 type, const QList<QByteArray> &records,
                          qint64 count = -1, qint64 size = -1)
{
    QByteArray body;
    for (const QByteArray &record : records)
        body += record;
    return header(name, type, quint32(count < 0 ? records.size() : count), quint32(size < 0 ? body.size() : size))
        + body;
}

// A listener on 127.0.0.1 at a port the system picks. Read takes one client
// and keeps all it sends; Hold takes one and never reads (a small window, so
// the sender soon stalls); Close takes one and closes at once; Refuse holds
// the port without listening, so connecting is refused.
class Listener
{
public:
    enum Mode { Read, Hold, Close, Refuse };

    explicit Listener(Mode mode)
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        const int window = 16384;
        if (mode == Hold)
            ::setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &window, sizeof window);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_socket, reinterpret_cast<sockaddr *>(&address), length);
        ::getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &length);
        port = ntohs(address.sin_port);
        if (mode != Refuse && ::listen(m_socket, 4) == 0)
            m_thread = std::thread([this, mode] { serve(mode); });
    }
    ~Listener()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_socket);
    }

    quint16 port = 0;
    std::atomic<bool> done{false};
    QByteArray received;   // complete once done

private:
    // Waits in short slices, at most ten seconds, so that nothing hangs.
    bool readable(int socket)
    {
        for (int slice = 0; slice < 200 && !m_stop; ++slice) {
            pollfd entry = {socket, POLLIN, 0};
            if (::poll(&entry, 1, 50) > 0)
                return true;
        }
        return false;
    }
    void serve(Mode mode)
    {
        if (!readable(m_socket))
            return;
        const int client = ::accept(m_socket, nullptr, nullptr);
        char buffer[65536];
        ssize_t n = 0;
        while (mode == Read && readable(client) && (n = ::read(client, buffer, sizeof buffer)) > 0)
            received.append(buffer, int(n));
        while (mode == Hold && !m_stop)
            ::poll(nullptr, 0, 20);
        ::close(client);
        done = true;
    }

    int m_socket = -1;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
};

// While it lives, the calling thread and the threads it starts meet the
// permission bits as a plain user does, root too: a file of mode 000 cannot
// be read, a folder of mode 500 not emptied.
class PlainPermissions
{
public:
    PlainPermissions()
    {
        ::syscall(SYS_capget, &m_header, m_saved);
        __user_cap_data_struct plain[2] = {m_saved[0], m_saved[1]};
        plain[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        ::syscall(SYS_capset, &m_header, plain);
    }
    ~PlainPermissions() { ::syscall(SYS_capset, &m_header, m_saved); }

private:
    __user_cap_header_struct m_header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2] = {};
};

// Lets a reader stuck opening one of these FIFOs go after three seconds, so
// that a test of code that must never open them fails instead of hanging.
class FifoRescue
{
public:
    explicit FifoRescue(const QStringList &fifos)
        : m_thread([this, fifos] {
            for (int slice = 0; !m_stop; ++slice) {
                ::poll(nullptr, 0, 50);
                for (int i = 0; slice >= 60 && i < fifos.size(); ++i)
                    ::close(::open(QFile::encodeName(fifos.at(i)).constData(), O_WRONLY | O_NONBLOCK));
            }
        })
    {
    }
    ~FifoRescue()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace peer
