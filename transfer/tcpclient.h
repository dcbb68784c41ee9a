#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>

// A plain TCP client on the system's stream sockets, for the upload worker's
// thread: a connect bounded in time, and sends that give up only when the
// connection has stopped moving. Not for the GUI thread.
class TcpClient
{
public:
    TcpClient();
    ~TcpClient();

    TcpClient(const TcpClient &) = delete;
    TcpClient &operator=(const TcpClient &) = delete;

    // Keeps the address and port and makes a new socket (closing an old one).
    bool init(const QString &ip, int port);
    // On failure the socket is already closed.
    bool connectTimeout(int ms);

    enum SendResult { Sent, Stalled, Failed, Stopped };
    // Sends the whole buffer. Stalled when for stallMs nothing moved: no byte
    // taken from us, none leaving the socket's queue, the peer's window not
    // opening. Stopped as soon as run drops. A peer that has gone away gives
    // Failed, never a signal.
    SendResult sendAll(const char *buffer, int length, int stallMs, const std::atomic<bool> &run);
    // After the last byte: tells the peer so (a half-close) and waits for its
    // answer. Sent only once it has taken every byte and closed in order;
    // Failed on a reset or any error; Stalled when bytes still queued do not
    // move for stallMs, or when it holds every byte and then neither closes,
    // resets nor opens its window for quietMs; Stopped as in sendAll. What
    // the peer sends is dropped.
    SendResult finish(int stallMs, int quietMs, const std::atomic<bool> &run);
    // Closes after what was sent, which the kernel still delivers.
    void close();
    // Closes with a reset: what is still queued is dropped, so the peer sees
    // the end at once instead of after draining megabytes.
    void abort();

    // A dotted IPv4 address, each part read as decimal ("010" is ten), in
    // host byte order.
    static bool parseAddress(const QString &text, quint32 *address);

private:
    // What the kernel shows of a connection on its way: the bytes still
    // queued (unsent or unacknowledged) and the window the peer last offered.
    struct Movement {
        int queued = 0;
        quint32 window = 0;
    };

    // Waits until the socket is writable; false on time-out or error.
    bool pollWritable(int ms);
    Movement movement() const;

    QString m_ip;
    int m_port = 0;
    int m_socket = -1;
};
