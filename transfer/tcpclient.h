#pragma once

#include <QString>
#include <QtGlobal>

// A plain blocking TCP client on the system's stream sockets, for the upload
// worker's thread: a connect bounded in time, a bounded wait until the socket
// takes more bytes, plain sends. Not for the GUI thread.
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
    bool waitWritable(int ms);
    // One send; a peer that has gone away gives -1, never a signal.
    int send(const char *buffer, int length);
    void close();

    // A dotted IPv4 address, each part read as decimal ("010" is ten), in
    // host byte order.
    static bool parseAddress(const QString &text, quint32 *address);

private:
    // Waits until the socket is writable; false on time-out or error.
    bool pollWritable(int ms);

    QString m_ip;
    int m_port = 0;
    int m_socket = -1;
};
