#include "tests/testsupport.h"
#include "transfer/dataserver.h"
#include "transfer/packageformat.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <memory>
#include <thread>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The pace window the tests give the server, in place of its 30 s: a client
// must bring 64 KiB within each.
const int kWindowMs = 500;
const int kStepMs = 100;
// No sender goes on for more steps than these.
const int kMaxSteps = 50;

// A type-2 package's header and the entry of its one record "big.bin" of
// size bytes; the record's bytes follow.
QByteArray packageHead(quint32 size)
{
    using namespace PackageFormat;
    return encodeHeader("pace", Config, 1, quint32(kEntrySize) + size) + encodeEntry("big.bin", size);
}

// A client on a thread of its own, so that its pace does not wait on the
// server's event loop: the first burst bytes at once, then chunk bytes every
// step by the clock, until the package is sent, the server closes or the
// steps run out; then it waits for the server's end. The connection stays
// open until the sender goes.
class PacedSender
{
public:
    PacedSender(quint16 port, const QByteArray &bytes, qint64 burst, int chunk)
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        const timeval patience = {5, 0};
        ::setsockopt(m_socket, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
        ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        if (::connect(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
            m_thread = std::thread([this, bytes, burst, chunk] { run(bytes, burst, chunk); });
    }
    ~PacedSender()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_socket);
    }
    bool isConnected() const { return m_thread.joinable(); }
    // How the server ended the connection: 0 in order, else the error the
    // socket said; -1 not yet.
    int end() const { return m_end; }

private:
    void run(const QByteArray &bytes, qint64 burst, int chunk)
    {
        const auto start = std::chrono::steady_clock::now();
        qint64 sent = 0;
        for (int step = 0; step <= kMaxSteps && !m_stop && sent < bytes.size(); ++step) {
            std::this_thread::sleep_until(start + std::chrono::milliseconds(kStepMs * step));
            const qint64 due = qMin<qint64>(bytes.size(), burst + qint64(chunk) * step);
            for (ssize_t n = 0; sent < due
                 && (n = ::send(m_socket, bytes.constData() + sent, size_t(due - sent), MSG_NOSIGNAL)) > 0;)
                sent += n;
            if (sent < due) {
                m_end = errno;
                return;
            }
        }
        char byte;
        if (sent == bytes.size())
            m_end = ::recv(m_socket, &byte, 1, 0) == 0 ? 0 : errno;
    }

    int m_socket = -1;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_end{-1};
};

} // namespace

// The receive server's one slot against clients that send slowly: time is
// earned by the bytes that arrive, not by the size a header announces.
class TestReceiveServer : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestWorkDir> m_workDir;
    std::unique_ptr<DataServer> m_server;
    QString m_config;

private slots:
    void init()
    {
        m_workDir.reset(new TestWorkDir);
        QVERIFY(m_workDir->isValid());
        const QString app = m_workDir->filePath("app");
        m_config = app + "/config_path";
        QVERIFY(writeFixture(m_config + "/old.json", "old"));
        // The silence and the overall deadline keep their own times, far
        // beyond these tests: only the pace decides here.
        m_server.reset(new DataServer);
        m_server->setListenAddress(QHostAddress::LocalHost);
        m_server->setPort(0);
        m_server->setPaceWindow(kWindowMs);
        m_server->setTargets(app + "/db.bin", m_config, app + "/all_path");
        m_server->openServer();
        QVERIFY(m_server->isListening());
    }
    void cleanup()
    {
        m_server.reset();
        m_workDir.reset();
    }

    void paceDecides_data()
    {
        QTest::addColumn<quint32>("size");   // of the one record
        QTest::addColumn<qint64>("burst");   // bytes sent at once, the head included
        QTest::addColumn<int>("chunk");      // bytes sent every step after it
        QTest::addColumn<bool>("keepsGoing");

        const quint32 most = 0x7fffffff - PackageFormat::kEntrySize;   // the largest package the server takes
        const qint64 head = packageHead(0).size();
        // 64 KiB a window is 12.8 KiB a step: 16 KiB brings it a step early,
        // 12 KiB a step late.
        QTest::newRow("2 GiB announced, a byte a step") << most << head << 1 << false;
        QTest::newRow("a burst banks no time") << most << head + (1 << 20) << 1 << false;
        QTest::newRow("just below the pace") << most << head << 12 * 1024 << false;
        QTest::newRow("just above the pace, over five windows") << quint32(400 * 1024) << head << 16 * 1024
                                                                << true;
    }

    void paceDecides()
    {
        QFETCH(quint32, size);
        QFETCH(qint64, burst);
        QFETCH(int, chunk);
        QFETCH(bool, keepsGoing);
        QElapsedTimer clock;
        qint64 endedAt = -1;
        const QObject scope;
        connect(m_server.get(), &DataServer::connected, &scope, [&] { clock.start(); });
        connect(m_server.get(), &DataServer::disconnected, &scope, [&] { endedAt = clock.elapsed(); });
        QSignalSpy ends(m_server.get(), SIGNAL(disconnected(bool)));

        QByteArray bytes = packageHead(size);
        bytes.append(int(qMin<qint64>(size, burst + qint64(chunk) * kMaxSteps - bytes.size())), 'x');
        {
            PacedSender sender(m_server->serverPort(), bytes, burst, chunk);
            QVERIFY(sender.isConnected());
            QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 4000);
            // Cut off, it is reset: a close would say its package is in place.
            QTRY_COMPARE_WITH_TIMEOUT(sender.end(), keepsGoing ? 0 : ECONNRESET, 2000);
        }
        QCOMPARE(ends.at(0).at(0).toBool(), keepsGoing);
        if (keepsGoing) {
            QCOMPARE(QFileInfo(m_config + "/big.bin").size(), qint64(size));
        } else {
            // Not before its window was out, nor windows later: time banked by
            // a burst would let the trickle after it go on.
            QVERIFY2(endedAt >= kWindowMs * 9 / 10 && endedAt <= kWindowMs * 2,
                     qPrintable(QString::number(endedAt)));
            QCOMPARE(QDir(m_config).entryList(QDir::Files), QStringList{"old.json"});
        }

        // The slot is free for the next sender.
        QTcpSocket honest;
        honest.connectToHost(QHostAddress::LocalHost, m_server->serverPort());
        QVERIFY(honest.waitForConnected(2000));
        honest.write(packageHead(3) + "new");
        QTRY_COMPARE(ends.count(), 2);
        QVERIFY(ends.at(1).at(0).toBool());
        QCOMPARE(readFixture(m_config + "/big.bin"), QByteArray("new"));
    }
};

QTEST_MAIN(TestReceiveServer)
#include "tst_receiveserver.moc"
