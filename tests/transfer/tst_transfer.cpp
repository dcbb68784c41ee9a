#include "app/globalmanager.h"
#include "tests/testsupport.h"
#include "transfer/datadlg.h"
#include "transfer/datamanager.h"
#include "transfer/dataserver.h"
#include "transfer/packageformat.h"
#include "transfer/tcpclient.h"
#include "transfer/uploadserver.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpSocket>
#include <QTextEdit>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <linux/capability.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// A panel of the tests' own, written from the package layout alone: its
// builder and sockets share no code with the program's transfer code.

namespace peer {

inline QByteArray le32(quint32 value)
{
    const char bytes[4] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
    return QByteArray(bytes, 4);
}

// One record; size is what the entry claims (the data's length when negative).
inline QByteArray record(const QByteArray &name, const QByteArray &data, qint64 size = -1)
{
    return "ZEPT" + name + QByteArray(64 - name.size(), '\0') + le32(quint32(size < 0 ? data.size() : size)) + data;
}

// A package of the records (its header alone if none); fileNumbers and
// packetSize as counted unless given.
inline QByteArray package(const QByteArray &name, quint32 type, const QList<QByteArray> &records,
                          qint64 count = -1, qint64 size = -1)
{
    QByteArray body;
    for (const QByteArray &record : records)
        body += record;
    return name + QByteArray(64 - name.size(), '\0') + le32(type) + le32(quint32(count < 0 ? records.size() : count))
        + le32(quint32(size < 0 ? body.size() : size)) + body;
}

// A listener on 127.0.0.1 at a port the system picks. Read takes one client
// and keeps all it sends; Hold takes one and never reads (a small window, so
// the sender soon stalls); Close takes one and closes at once; Refuse holds
// the port without listening, so connecting is refused; Drain reads a chunk
// per step of its pace, as a panel on a weak link does, and holds the
// connection without reading once it has stopAfter bytes (if given), closing
// it at the sender's end with what is unread (a reset); Shut does the same
// but closes its own side as soon as it stops reading; ShutReset closes its
// side too, then after everyMs closes with what is unread (a reset), not
// waiting for the sender; Keep reads all (or stopAfter bytes, if given) and
// holds on past the sender's half-close, never closing. Each notes when it
// saw the sender end the connection, by a close or a reset (Keep: a reset).
class Listener
{
public:
    enum Mode { Read, Hold, Close, Refuse, Drain, Keep, Shut, ShutReset };
    struct Pace {
        int chunk;
        int everyMs;
        int window;   // the receive buffer asked for; 0: the system's own, which grows
        qint64 stopAfter;
        qint64 pauseAfter = 0;   // Drain pauses once, for pauseMs, when it has so many bytes
        int pauseMs = 0;
    };

    explicit Listener(Mode mode)
        : Listener(mode, Pace{65536, 0, 0, 0})
    {
    }
    Listener(Mode mode, Pace pace)
    {
        clock.start();
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        // Accepting and reading (the accepted socket inherits it) wait ten seconds at most.
        const timeval patience = {10, 0};
        ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        const int window = 16384;
        if (mode == Hold)
            ::setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &window, sizeof window);
        // Past the system's cap where that is allowed, so that a socket can
        // hold a package.
        const socklen_t size = sizeof pace.window;
        if (pace.window > 0 && ::setsockopt(m_socket, SOL_SOCKET, SO_RCVBUFFORCE, &pace.window, size) != 0)
            ::setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &pace.window, size);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_socket, reinterpret_cast<sockaddr *>(&address), length);
        ::getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &length);
        port = ntohs(address.sin_port);
        if (mode != Refuse && ::listen(m_socket, 4) == 0)
            m_thread = std::thread([this, mode, pace] { serve(mode, pace); });
    }
    ~Listener()
    {
        m_stop = true;
        ::shutdown(m_socket, SHUT_RDWR);   // ends an accept still waiting
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_socket);
    }

    quint16 port = 0;
    std::atomic<bool> done{false};
    QByteArray received;   // complete once done
    QElapsedTimer clock;   // started with the listener
    std::atomic<qint64> stoppedAtMs{-1};   // when it stopped reading at stopAfter, by the clock
    std::atomic<qint64> endedAtMs{-1};     // when the sender's end was seen, by the clock
    std::atomic<qint64> halfClosedAtMs{-1};   // when Keep stopped reading
    std::atomic<bool> accepted{false};
    std::atomic<bool> hurry{false};   // Drain reads the rest at once

private:
    void serve(Mode mode, Pace pace)
    {
        const int client = ::accept(m_socket, nullptr, nullptr);
        accepted = client >= 0;
        std::vector<char> buffer(size_t(qMax(pace.chunk, 65536)));
        bool holds = mode == Hold;
        bool paused = false;
        ssize_t n = 1;
        // Drain takes a whole chunk per step, in as many reads as it needs.
        qint64 step = 0;
        for (; (mode == Read || mode == Drain || mode == Keep || mode == Shut || mode == ShutReset) && !holds
             && !m_stop && (n = ::read(client, buffer.data(), size_t(pace.chunk - step))) > 0;) {
            received.append(buffer.data(), int(n));
            step += n;
            holds = pace.stopAfter > 0 && received.size() >= pace.stopAfter;
            if (holds) {
                stoppedAtMs = clock.elapsed();
            } else if (mode != Drain || step >= pace.chunk) {
                step = 0;
                const bool pauses = pace.pauseMs > 0 && !paused && received.size() >= pace.pauseAfter;
                paused = paused || pauses;
                if (mode == Drain && !hurry)
                    ::poll(nullptr, 0, pauses ? pace.pauseMs : pace.everyMs);
            }
        }
        if (holds && (mode == Shut || mode == ShutReset))
            ::shutdown(client, SHUT_WR);
        if (holds && mode == ShutReset) {
            ::poll(nullptr, 0, pace.everyMs);
            holds = false;
            n = 0;
        }
        // A half-close is no end to Keep, which waits for a reset.
        const bool keeps = mode == Keep && (n == 0 || holds);
        if (keeps) {
            halfClosedAtMs = clock.elapsed();
            holds = true;
        } else if (n <= 0) {
            endedAtMs = clock.elapsed();
        }
        for (pollfd entry = {client, short(keeps ? 0 : POLLRDHUP), 0}; holds && !m_stop;) {
            if (::poll(&entry, 1, 20) > 0 && (entry.revents & (POLLRDHUP | POLLHUP | POLLERR))) {
                endedAtMs = clock.elapsed();
                break;
            }
        }
        ::close(client);
        done = true;
    }

    int m_socket = -1;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
};

// A client of the receive server on a plain socket of its own, so that a test
// sees how the server ends the connection: through QTcpSocket a reset and a
// close in order look the same. The event loop runs while it waits.
class Client
{
public:
    enum End { Open, Closed, Reset, Answered, Failed };

    explicit Client(quint16 port)
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        // The kernel answers the connect on the server's behalf.
        connected = ::connect(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
            && ::fcntl(m_socket, F_SETFL, O_NONBLOCK) == 0;
    }
    ~Client() { ::close(m_socket); }

    // False when the server ended the connection first.
    bool write(const QByteArray &bytes)
    {
        QElapsedTimer clock;
        clock.start();
        for (qint64 sent = 0; sent < bytes.size() && clock.elapsed() < 5000;) {
            const ssize_t n = ::send(m_socket, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
            if (n > 0)
                sent += n;
            else if (errno == EAGAIN)
                QTest::qWait(1);
            else
                return seen(errno);
        }
        return true;
    }
    // The end of stream, as the upload sends it after the last byte.
    void shut() { ::shutdown(m_socket, SHUT_WR); }
    // How the server ended the connection within ms (Open: it has not); a
    // byte coming back is Answered.
    End end(int ms)
    {
        QElapsedTimer clock;
        clock.start();
        for (char byte; m_end == Open && clock.elapsed() < ms;) {
            const ssize_t n = ::recv(m_socket, &byte, 1, 0);
            if (n >= 0)
                m_end = n > 0 ? Answered : Closed;
            else if (errno == EAGAIN)
                QTest::qWait(5);
            else
                seen(errno);
        }
        return m_end;
    }

    bool connected = false;

private:
    // A socket says a reset once only.
    bool seen(int error)
    {
        m_end = error == ECONNRESET ? Reset : Failed;
        return false;
    }

    int m_socket = -1;
    End m_end = Open;
};

// While it lives, this thread and those it starts meet the permission bits as a
// plain user does, root too: a file of mode 000 stays unread, a folder of 500 full.
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

} // namespace peer

namespace {
QByteArray pack(quint32 type, const QList<QByteArray> &records, qint64 count = -1, qint64 size = -1)
{
    return peer::package("p", type, records, count, size);
}

// An upload that keeps what it says and counts its ends.
class WatchedUpload : public UploadServer
{
public:
    QStringList reported;
    int finishes = 0;

    WatchedUpload()
    {
        connect(this, &UploadServer::occurrError, this, [this](const QString &text) { reported << text; });
        connect(this, &UploadServer::serverFinish, this, [this] { ++finishes; });
    }
};

// Every folder ("name/") and file ("name=content") below root, sorted.
QStringList listing(const QString &root)
{
    QStringList entries;
    const QMap<QString, QByteArray> all = folderSnapshot(root);
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        entries << (it.value() == "<folder>" ? QString(it.key() + '/') : QString(it.key() + '=' + it.value()));
    return entries;
}

// How a hostile sender goes on after its bytes: it ends its stream, falls
// silent, or trickles a byte every 100 ms, never quiet for the quiet timer's
// second.
enum Then { kCloses, kFallsSilent, kTrickles };

// How the user answers the question whether to stop the upload: a button,
// Escape or the box's close; or it is never asked, as nothing runs.
enum Answer { kYes, kNo, kEnter, kEscape, kCloseBox, kNotAsked };

// The panel's folders before a package comes.
const QStringList kBefore = {"all_path/", "all_path/keep=1", "config_path/", "config_path/old.json=old",
                             "db.bin=olddb"};
// The upload page aimed at a panel on a weak link: an upload there runs for
// minutes unless the panel hurries. Made once the project is open.
struct SlowPanelPage
{
    peer::Listener panel{peer::Listener::Drain, {16384, 100, 16384, 0}};
    DataDlg dialog;
    DataManager *page = dialog.dataManager();
    QPushButton *button = page->findChild<QPushButton *>("pushButton_3");
    QTextEdit *sendLog = page->findChild<QTextEdit *>("textEdit_3");

    // Shown, with the loopback address typed.
    bool show()
    {
        page->setPanelPort(panel.port);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return false;
        QTest::keyClicks(page->findChild<QLineEdit *>("lineEdit"), "127.0.0.1");
        return true;
    }
};

} // namespace
Q_DECLARE_METATYPE(Then)
Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(peer::Listener::Pace)

// Both ends of a transfer: the designer packing and sending a project, and
// the panel's receive server, each against a peer of the tests' own.
class TestTransfer : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestWorkDir> m_workDir;
    std::unique_ptr<DataServer> m_server;
    QString m_app;
    // Where the run keeps temporary files, and the TMPDIR a test replaces.
    QString m_tempPath;
    QByteArray m_tmpDir;
    bool m_hadTmpDir = false;

    void connectSender(QTcpSocket &sender) const
    {
        sender.connectToHost(QHostAddress::LocalHost, m_server->serverPort());
        QVERIFY(sender.waitForConnected(2000));
    }
    // Into the project folder "proj": "name=content", "name=#size" for a
    // sparse file, "name=!" for one no one may read, "name=|" for a FIFO,
    // "name@target" for a link, "name/" for a folder.
    void writeFiles(const QStringList &files)
    {
        for (const QString &file : files) {
            const QString path = m_workDir->filePath("proj/" + file.section(QRegularExpression("[=@]"), 0, 0));
            const QString content = file.section('=', 1);
            if (file.contains('@'))
                QFile::link(file.section('@', 1), path);
            else if (content == "|")
                ::mkfifo(QFile::encodeName(path).constData(), 0600);
            else if (file.endsWith('/'))
                QDir().mkpath(path);
            else
                writeFixture(path, content.toUtf8());
            if (content.startsWith('#'))
                QFile(path).resize(content.mid(1).toLongLong());
            if (content == "!")
                QFile(path).setPermissions({});
        }
    }
    // An open project whose 16 MiB file keeps an upload to a slow panel going.
    bool openProjectOfOneVideo()
    {
        writeFiles({"main.projectui={\"Page\": []}", "video=#" + QString::number(16 << 20)});
        return GlobalManager::instance()->openProject(m_workDir->filePath("proj/main.projectui"));
    }

private slots:
    void initTestCase() { m_tempPath = QDir::tempPath(); }
    void init()
    {
        m_workDir.reset(new TestWorkDir);
        QVERIFY(m_workDir->isValid());
        // Not in a folder an earlier test left behind, nor at the root.
        QCOMPARE(QFileInfo(m_workDir->path()).path(), m_tempPath);
        // Packages go below this test's own temporary directory.
        QVERIFY(QDir().mkpath(m_workDir->filePath("tmp")));
        m_hadTmpDir = qEnvironmentVariableIsSet("TMPDIR");
        m_tmpDir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(m_workDir->filePath("tmp")));
        m_app = m_workDir->filePath("app");
        for (const QString &entry : kBefore) {
            if (!entry.endsWith('/'))
                QVERIFY(writeFixture(m_app + '/' + entry.section('=', 0, 0), entry.section('=', 1).toUtf8()));
        }
        m_server.reset(new DataServer);
        m_server->setListenAddress(QHostAddress::LocalHost);
        m_server->setPort(0);
        m_server->setQuietTimeout(1000);
        m_server->setTargets(m_app + "/db.bin", m_app + "/config_path", m_app + "/all_path");
        m_server->openServer();
        QVERIFY(m_server->isListening());
    }
    void cleanup()
    {
        m_server.reset();
        GlobalManager::resetInstance();
        m_workDir.reset();
        if (m_hadTmpDir)
            qputenv("TMPDIR", m_tmpDir);
        else
            qunsetenv("TMPDIR");
    }

    void packing_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("packed");   // empty: the packing fails
        QTest::addColumn<QStringList>("texts");    // %1: the work folder

        const QString x63(63, 'x');
        const QString han21(21, QChar(0x540d));   // 63 bytes of UTF-8
        const QString skipped = "跳过非普通文件: %1/proj/";
        QTest::newRow("test vector") << "proj" << 2 << QStringList{"a.json={}"} << QStringList{"a.json"} << QStringList();
        // In name order whatever the case; no folders, hidden files, or anything
        // but regular files, the others named; 63-byte names.
        QTest::newRow("only regular files")
            << "proj" << 2
            << QStringList{"B.json=b", "a.json=a", ".hidden=h", "img/", "img/x.png=x", "pipe=|", "pipe.lnk@pipe",
                           "dangling@gone", "img.lnk@img", "z.lnk@a.json", x63 + "=1", han21 + "=2"}
            << QStringList{"a.json", "B.json", x63, "z.lnk", han21}
            << QStringList{"跳过隐藏文件: %1/proj/.hidden", skipped + "dangling", skipped + "img",
                           skipped + "img.lnk", skipped + "pipe", skipped + "pipe.lnk"};
        // Left out, hidden entries are named: the panel gets the project without them.
        QTest::newRow("hidden file named") << "proj" << 2 << QStringList{"a.json={}", ".x.json={}"}
                                           << QStringList{"a.json"} << QStringList{"跳过隐藏文件: %1/proj/.x.json"};
        QTest::newRow("many hidden entries")
            << "proj" << 2
            << QStringList{".h5=", ".h4=", "a.json={}", ".x.json={}", ".h3=", ".Git/", ".h1=", ".h2="}
            << QStringList{"a.json"}
            << QStringList{"跳过隐藏文件: %1/proj/.Git", "跳过隐藏文件: %1/proj/.h1", "跳过隐藏文件: %1/proj/.h2",
                           "跳过隐藏文件: %1/proj/.h3", "跳过隐藏文件: %1/proj/.h4", "另有2个隐藏文件被跳过"};
        QTest::newRow("64-byte file name") << "proj" << 2 << QStringList{x63 + "y=1", "a=2"} << QStringList()
                                           << QStringList{"文件名过长: %1/proj/" + x63 + "y (最多63字节)"};
        QTest::newRow("64-byte folder name") << "proj/" + x63 + "y" << 2 << QStringList{x63 + "y/", x63 + "y/a=1"}
                                             << QStringList() << QStringList{"文件名过长: " + x63 + "y (最多63字节)"};
        QTest::newRow("file of 2^31 bytes") << "proj" << 2 << QStringList{"a=1", "big=#2147483648"}
                                            << QStringList() << QStringList{"数据包超出2GB限制: %1/proj/big"};
        QTest::newRow("package reaching 2^31") << "proj" << 2 << QStringList{"a=#1073741824", "b=#1073741700"}
                                               << QStringList() << QStringList{"数据包超出2GB限制: %1/proj/b"};
        // Refused while the folder is listed, before anything of it is looked at.
        QStringList tooMany;
        for (quint32 i = 0; i <= PackageFormat::kMaxRecords; ++i)
            tooMany << QStringLiteral("f%1=").arg(i);
        tooMany << "0pipe=|";
        QTest::newRow("more files than a panel takes") << "proj" << 2 << tooMany << QStringList()
                                                       << QStringList{"文件数量超出限制"};
        // Links and folders count as well, or a folder of broken links would
        // fill the log a line for each.
        QStringList tooManyEntries;
        for (quint32 i = 0; i <= PackageFormat::kMaxRecords; ++i)
            tooManyEntries << QString(i % 2 ? "l%1@gone" : "d%1/").arg(i);
        QTest::newRow("more entries than a panel takes") << "proj" << 2 << tooManyEntries << QStringList()
                                                         << QStringList{"文件数量超出限制"};
        // The first few skipped entries are named, folders among them, the
        // others counted.
        QStringList links{"a.json={}", "d0/", "d1/"};
        for (int i = 0; i < 12; ++i)
            links << QString("l%1@gone").arg(i);
        QTest::newRow("many entries skipped")
            << "proj" << 2 << links << QStringList{"a.json"}
            << QStringList{skipped + "d0", skipped + "d1", skipped + "l0", skipped + "l1", skipped + "l10",
                           "另有9个非普通文件被跳过"};
        // A name the panel would refuse is refused before packing; a data
        // package's name only shows in the panel's messages.
        QTest::newRow("name the panel refuses") << "proj" << 2 << QStringList{"a.json=1", "12:30.json=2"}
                                                << QStringList() << QStringList{"文件名不安全: %1/proj/12:30.json"};
        QTest::newRow("data file of any name") << "proj/12:30.db" << 0 << QStringList{"12:30.db=rows"}
                                               << QStringList{"12:30.db"} << QStringList();
        QTest::newRow("unreadable file") << "proj" << 2 << QStringList{"a=1", "b=!"} << QStringList()
                                         << QStringList{"读取文件失败: %1/proj/b"};
        QTest::newRow("file longer than its size") << "/proc/self/status" << 0 << QStringList() << QStringList()
                                                   << QStringList{"读取文件失败: /proc/self/status"};
    }
    void packing()
    {
        QFETCH(QString, source);
        QFETCH(int, mode);
        QFETCH(QStringList, packed);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, files);
        writeFiles(files);
        if (!source.startsWith('/'))
            source = m_workDir->filePath(source);

        UploadServer upload;
        QSignalSpy reported(&upload, SIGNAL(occurrError(QString)));
        upload.setUploadSource(source, mode);
        const peer::PlainPermissions plain;
        ::alarm(20);   // a FIFO opened by mistake would block: the alarm ends the test instead
        const bool done = upload.packageFiles();
        ::alarm(0);
        QCOMPARE(done, !packed.isEmpty());
        QCOMPARE(reported.count(), texts.size());
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(reported.at(i).at(0).toString(), texts.at(i).arg(m_workDir->path()));
        // A failed packing leaves nothing that could be sent later.
        QCOMPARE(QFile::exists(upload.packagePath()), !packed.isEmpty());
        if (packed.isEmpty())
            return;
        // As the tests' own builder makes the package of these files.
        QList<QByteArray> records;
        for (const QString &file : packed)
            records << peer::record(file.toUtf8(), readFixture(m_workDir->filePath("proj/" + file)));
        const QByteArray bytes = readFixture(upload.packagePath());
        QCOMPARE(bytes, peer::package(QFileInfo(source).fileName().toUtf8(), quint32(mode), records));
        if (QByteArray(QTest::currentDataTag()) == "test vector")   // the layout's own example
            QCOMPARE(bytes.mid(64, 12).toHex(), QByteArray("02000000010000004a000000"));
    }

    void failedWriteFailsPacking()
    {
        struct FillingFile : QFile {   // a disk that is full after the first kilobyte
            using QFile::QFile;
            qint64 writeData(const char *data, qint64 size) override
            {
                return pos() + size > 1024 ? -1 : QFile::writeData(data, size);
            }
        };
        writeFiles({"a.json=" + QString(5000, 'a')});
        FillingFile output(m_workDir->filePath("out.bin"));
        QVERIFY(output.open(QIODevice::WriteOnly));
        UploadServer upload;
        QCOMPARE(upload.writePackage("proj", 2, {QFileInfo(m_workDir->filePath("proj/a.json"))}, output), 0);
    }

    void packageFolderThatCannotBeMadeIsNamed()
    {
        // The temporary folder is a file: nothing can be made in it.
        const QString tmp = m_workDir->filePath("tmp");
        QVERIFY(QDir(tmp).removeRecursively() && writeFixture(tmp, "x"));
        writeFiles({"a.json={}"});
        UploadServer upload;
        QSignalSpy reported(&upload, SIGNAL(occurrError(QString)));
        upload.setUploadSource(m_workDir->filePath("proj"), 2);
        QVERIFY(!upload.packageFiles());
        QCOMPARE(reported.count(), 1);
        QCOMPARE(reported.at(0).at(0).toString(),
                 "打开文件失败 " + QFileInfo(tmp).canonicalFilePath() + "/brivane-transfer-XXXXXX");
    }

    void nameNotUtf8StopsUploadBeforeSending()
    {
        // From an archive made on another system. Left out, the panel would
        // lose its copy of the file with the folder the package replaces.
        writeFiles({"a.json={}"});
        struct Removed {   // Qt cannot remove what it cannot list
            QByteArray path;
            ~Removed() { ::unlink(path.constData()); }
        } file{QFile::encodeName(m_workDir->filePath("proj/")) + "\xff\xfe" "db.json"};
        const int made = ::creat(file.path.constData(), 0600);
        QVERIFY(made >= 0);
        ::close(made);
        peer::Listener panel(peer::Listener::Read);
        WatchedUpload upload;
        upload.setUploadSource(m_workDir->filePath("proj"), 2);
        upload.startUpload("127.0.0.1", panel.port);
        QTRY_COMPARE_WITH_TIMEOUT(upload.finishes, 1, 5000);
        const QString shown = m_workDir->filePath("proj") + "/\\xff\\xfedb.json";
        QCOMPARE(upload.reported, QStringList({"文件名不安全: " + shown, "文件打包错误！"}));
        QVERIFY(!panel.accepted);
    }

    void folderOfAnyNameIsNamedAmongTheSkipped()
    {
        // Never packed, so its name stops nothing.
        writeFiles({"a.json={}"});
        const QByteArray folder = QFile::encodeName(m_workDir->filePath("proj/")) + "\xff\xfeimg";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        UploadServer upload;
        QSignalSpy reported(&upload, SIGNAL(occurrError(QString)));
        upload.setUploadSource(m_workDir->filePath("proj"), 2);
        const bool packed = upload.packageFiles();
        ::rmdir(folder.constData());   // Qt cannot remove what it cannot list
        QVERIFY(packed);
        QCOMPARE(reported.count(), 1);
        QCOMPARE(reported.at(0).at(0).toString(),
                 "跳过非普通文件: " + m_workDir->filePath("proj") + "/\\xff\\xfeimg");
    }

    void listingCutShortStopsUploadBeforeSending_data()
    {
        QTest::addColumn<bool>("failsPartWay");   // else the folder cannot be opened
        QTest::addColumn<int>("error");
        QTest::newRow("listing fails after a few entries") << true << EIO;
        QTest::newRow("folder that cannot be listed") << false << EACCES;
    }
    void listingCutShortStopsUploadBeforeSending()
    {
        QFETCH(bool, failsPartWay);
        QFETCH(int, error);
        writeFiles({"a.json={}", "b.json={}", "c.json={}", "d.json={}", "e.json={}", "f.json={}"});
        const QString proj = m_workDir->filePath("proj");
        peer::Listener panel(peer::Listener::Read);
        WatchedUpload upload;
        int entries = 0;
        upload.setEntryReader([&](DIR *folder) -> dirent * {
            if (failsPartWay && ++entries > 4) {
                errno = EIO;
                return nullptr;
            }
            return ::readdir(folder);
        });
        if (!failsPartWay)
            QVERIFY(QFile(proj).setPermissions({}));
        {
            const peer::PlainPermissions plain;
            upload.setUploadSource(proj, 2);
            upload.startUpload("127.0.0.1", panel.port);
            QTRY_COMPARE_WITH_TIMEOUT(upload.finishes, 1, 5000);
        }
        QVERIFY(QFile(proj).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(upload.reported, QStringList({QString("读取目录失败: %1 (%2)").arg(proj, qt_error_string(error)),
                                               "文件打包错误！"}));
        QVERIFY(!panel.accepted);
    }

    void entryThatCannotBeLookedAtStopsUpload_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QStringList>("texts");   // %1: the project folder
        const QString failed = "读取文件信息失败: %1/c.json (%2)";
        QTest::newRow("I/O error") << EIO << QStringList{failed.arg("%1", qt_error_string(EIO)), "文件打包错误！"};
        QTest::newRow("no permission") << EACCES
                                       << QStringList{failed.arg("%1", qt_error_string(EACCES)), "文件打包错误！"};
        // Gone between the listing and the look: left out, as it is no longer there.
        QTest::newRow("vanished") << ENOENT << QStringList{"跳过非普通文件: %1/c.json", "连接成功！", "发送成功！"};
    }
    void entryThatCannotBeLookedAtStopsUpload()
    {
        QFETCH(int, error);
        QFETCH(QStringList, texts);
        writeFiles({"a.json={}", "b.json={}", "c.json={}", "d.json={}"});
        const QString proj = m_workDir->filePath("proj");
        peer::Listener panel(peer::Listener::Read);
        WatchedUpload upload;
        upload.setEntryLook([&](const char *path, struct stat *status) {
            if (QFileInfo(QFile::decodeName(path)).fileName() == "c.json") {
                errno = error;
                return -1;
            }
            return ::lstat(path, status);
        });
        upload.setUploadSource(proj, 2);
        upload.startUpload("127.0.0.1", panel.port);
        QTRY_COMPARE_WITH_TIMEOUT(upload.finishes, 1, 10000);
        QCOMPARE(upload.reported, texts.replaceInStrings("%1", proj));
        QCOMPARE(bool(panel.accepted), error == ENOENT);
    }

    void skippedEntriesAreCountedPerPacking()
    {
        // A first packing fails after skipping three folders.
        writeFiles({"d0/", "d1/", "d2/", "a.json={}", QString(64, 'x') + "=1"});
        const QString proj = m_workDir->filePath("proj");
        UploadServer upload;
        QSignalSpy reported(&upload, SIGNAL(occurrError(QString)));
        upload.setUploadSource(proj, 2);
        QVERIFY(!upload.packageFiles());
        QCOMPARE(reported.count(), 4);
        // The next one names its own first five and counts the rest.
        QVERIFY(QFile::remove(proj + '/' + QString(64, 'x')));
        writeFiles({"d3/", "d4/", "d5/"});
        reported.clear();
        QVERIFY(upload.packageFiles());
        QStringList texts;
        for (const QList<QVariant> &text : qAsConst(reported))
            texts << text.at(0).toString();
        const QString skipped = "跳过非普通文件: " + proj + "/d%1";
        QCOMPARE(texts, QStringList({skipped.arg(0), skipped.arg(1), skipped.arg(2), skipped.arg(3), skipped.arg(4),
                                     "另有1个非普通文件被跳过"}));
    }

    void stopEndsListingOfAHugeFolder()
    {
        const QString proj = m_workDir->filePath("proj");
        QVERIFY(QDir().mkpath(proj));
        // Enough files that listing them all takes a while.
        for (int i = 0; i < 20000; ++i)
            ::close(::creat(QFile::encodeName(proj + '/' + QString::number(i)).constData(), 0600));
        peer::Listener panel(peer::Listener::Refuse);
        UploadServer upload;
        QSignalSpy reported(&upload, SIGNAL(occurrError(QString)));
        QSignalSpy finished(&upload, SIGNAL(serverFinish()));
        upload.setUploadSource(proj, 2);
        upload.startUpload("127.0.0.1", panel.port);
        QElapsedTimer clock;
        clock.start();
        upload.stopUpload();
        QVERIFY2(clock.elapsed() < 300, qPrintable(QString::number(clock.elapsed())));
        QTRY_COMPARE(finished.count(), 1);
        // Stopped: not even the refusal of so many files is said.
        QCOMPARE(reported.count(), 0);
    }

    void runAgainstPeer_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("texts");   // alternatives of a stage joined by "|"
        QTest::addColumn<int>("boundMs");
        QTest::newRow("refused port") << int(peer::Listener::Refuse) << QStringList{"连接失败！"} << 2000;
        QTest::newRow("peer stops reading") << int(peer::Listener::Hold)
                                            << QStringList{"连接成功！", "发送错误！|等待发送超时"} << 5000;
        // Without MSG_NOSIGNAL this row ends the test process by SIGPIPE.
        QTest::newRow("peer closes early") << int(peer::Listener::Close) << QStringList{"连接成功！", "发送错误！"}
                                           << 5000;
    }
    void runAgainstPeer()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, texts);
        QFETCH(int, boundMs);
        // Larger than what the sockets' buffers can hold when the peer does not read.
        writeFiles({"main.js=" + QString(70000, 'j'), "page1.json={}", "video=#67108864"});
        // A second upload packs while the first still does, each into a package of
        // its own, though a folder stands at the name every run once shared.
        QVERIFY(writeFixture(m_workDir->filePath("small/a.json"), "{}"));
        QVERIFY(QDir().mkpath(m_workDir->filePath("tmp/brivane-transfer-" + QString::number(::geteuid()))));
        peer::Listener listener{peer::Listener::Mode(mode)};
        peer::Listener smallPanel(peer::Listener::Read);
        WatchedUpload upload;
        upload.setStallTimeout(1000);
        UploadServer small;
        upload.setUploadSource(m_workDir->filePath("proj"), 2);
        small.setUploadSource(m_workDir->filePath("small"), 2);
        QElapsedTimer clock;
        clock.start();
        upload.startUpload("127.0.0.1", listener.port);
        small.startUpload("127.0.0.1", smallPanel.port);
        QTRY_COMPARE_WITH_TIMEOUT(upload.finishes, 1, 10000);
        const QStringList &reported = upload.reported;
        QVERIFY2(clock.elapsed() < boundMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(reported.size(), texts.size());
        for (int i = 0; i < texts.size(); ++i)
            QVERIFY2(texts.at(i).split('|').contains(reported.at(i)), qPrintable(reported.at(i)));
        QTRY_VERIFY_WITH_TIMEOUT(smallPanel.done, 10000);
        QCOMPARE(smallPanel.received, peer::package("small", 2, {peer::record("a.json", "{}")}));
        QCOMPARE(QFile(QFileInfo(upload.packagePath()).path()).permissions() & 0x0077, QFile::Permissions());
    }

    void sentOnlyOnceThePanelHoldsThePackage_data()
    {
        QTest::addColumn<int>("mode");   // of the panel; -1: the receive server
        QTest::addColumn<peer::Listener::Pace>("pace");
        QTest::addColumn<int>("size");       // of the project's one file
        QTest::addColumn<QString>("last");   // what the upload says last
        QTest::addColumn<int>("boundMs");    // within which it says it
        QTest::addColumn<int>("stallMs");    // the bound on taking nothing; 0: the program's own
        QTest::addColumn<int>("quietMs");    // the bound on silence once every byte is held; 0: the program's own
        using Pace = peer::Listener::Pace;
        const int MiB = 1 << 20;
        // The whole project fits in the sockets' buffers: every send succeeds,
        // whatever the panel then does with the bytes.
        QTest::newRow("reads 100 bytes and resets") << int(peer::Listener::Drain) << Pace{100, 0, 0, 100} << 40000
                                                    << "发送错误！" << 2000 << 0 << 0;
        // A close while bytes are still on their way is no sign that it has them.
        // What is left after its 1 MiB is more than its buffer takes, so that
        // bytes are still queued when its close comes.
        QTest::newRow("takes 1 MiB, then closes") << int(peer::Listener::Shut) << Pace{65536, 0, 262144, 1 << 20}
                                                  << (2 << 20) << "等待发送超时" << 4000 << 1000 << 0;
        // The reset that follows is a failure at once, not a stall after the bound.
        QTest::newRow("takes 1 MiB, closes, then resets")
            << int(peer::Listener::ShutReset) << Pace{65536, 200, 262144, 1 << 20} << (2 << 20) << "发送错误！"
            << 4000 << 0 << 0;
        // Called sent once the panel has closed after the sender's end of
        // stream, not after waiting in vain.
        QTest::newRow("reads to the end of stream, then closes") << int(peer::Listener::Read) << Pace{65536, 0, 0, 0}
                                                                 << 40000 << "发送成功！" << 2000 << 0 << 0;
        QTest::newRow("the receive server") << -1 << Pace{} << 40000 << "发送成功！" << 2000 << 0 << 0;
        // Silence is no answer: a socket that holds every byte is not a
        // program that read them. Each panel's buffer holds what it leaves
        // unread, so nothing stays queued.
        QTest::newRow("takes every byte, never closes") << int(peer::Listener::Keep) << Pace{65536, 0, 0, 0} << 40000
                                                        << "等待发送超时" << 4000 << 0 << 1500;
        QTest::newRow("stops reading at 6 of 8 MiB, holds on")
            << int(peer::Listener::Keep) << Pace{65536, 0, 4 * MiB, 6 * MiB} << 8 * MiB << "等待发送超时" << 6000 << 0
            << 1500;
        // Its socket holds the whole package at once; it reads on for seconds
        // after the last byte, then answers.
        QTest::newRow("reads 256 KiB every 900 ms, then resets")
            << int(peer::Listener::Drain) << Pace{262144, 900, 4 * MiB, 2 * MiB} << 2 * MiB << "发送错误！" << 9000
            << 0 << 0;
        QTest::newRow("reads 256 KiB every 900 ms, then closes")
            << int(peer::Listener::Drain) << Pace{262144, 900, 4 * MiB, 0} << 2 * MiB << "发送成功！" << 9000 << 0
            << 0;
    }
    void sentOnlyOnceThePanelHoldsThePackage()
    {
        QFETCH(int, mode);
        QFETCH(peer::Listener::Pace, pace);
        QFETCH(int, size);
        QFETCH(QString, last);
        QFETCH(int, boundMs);
        QFETCH(int, stallMs);
        QFETCH(int, quietMs);
        writeFiles({"main.js=#" + QString::number(size), "page1.json={}"});
        std::unique_ptr<peer::Listener> panel;
        if (mode >= 0)
            panel.reset(new peer::Listener(peer::Listener::Mode(mode), pace));
        QSignalSpy serverEnds(m_server.get(), SIGNAL(disconnected(bool)));
        WatchedUpload upload;
        if (stallMs > 0)
            upload.setStallTimeout(stallMs);
        if (quietMs > 0)
            upload.setPanelQuietTimeout(quietMs);
        upload.setUploadSource(m_workDir->filePath("proj"), 2);
        QElapsedTimer clock;
        clock.start();
        upload.startUpload("127.0.0.1", panel ? panel->port : m_server->serverPort());
        QTRY_COMPARE_WITH_TIMEOUT(upload.finishes, 1, 10000);
        QVERIFY2(clock.elapsed() < boundMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(upload.reported, QStringList({"连接成功！", last}));
        if (!panel) {
            QCOMPARE(serverEnds.count(), 1);
            QVERIFY(serverEnds.at(0).at(0).toBool());
        } else if (mode == peer::Listener::Keep) {
            // Given up on, the connection is reset.
            QTRY_VERIFY_WITH_TIMEOUT(panel->endedAtMs >= 0, 1000);
            if (pace.stopAfter == 0)
                QCOMPARE(panel->received, readFixture(upload.packagePath()));
        }
    }

    void calledSentOnlyWhenTheReceiveServerStoredIt_data()
    {
        QTest::addColumn<int>("size");      // of the project's one file
        QTest::addColumn<bool>("stores");   // else its configuration folder cannot be made
        QTest::newRow("20 KB, stored") << 20000 << true;
        QTest::newRow("4 MB, stored") << 4000000 << true;
        QTest::newRow("20 KB, folder cannot be made") << 20000 << false;
        QTest::newRow("4 MB, folder cannot be made") << 4000000 << false;
    }
    void calledSentOnlyWhenTheReceiveServerStoredIt()
    {
        QFETCH(int, size);
        QFETCH(bool, stores);
        writeFiles({"main.js=#" + QString::number(size), "page1.json={}"});
        // Where the folder's parent is a file, nothing can be made.
        const QString config = m_app + (stores ? "/config_path" : "/db.bin/config_path");
        m_server->setTargets(m_app + "/db.bin", config, m_app + "/all_path");
        QSignalSpy serverEnds(m_server.get(), SIGNAL(disconnected(bool)));
        QSignalSpy errors(m_server.get(), SIGNAL(writeDataError(QString)));
        WatchedUpload upload;
        upload.setUploadSource(m_workDir->filePath("proj"), 2);
        upload.startUpload("127.0.0.1", m_server->serverPort());
        QTRY_COMPARE_WITH_TIMEOUT(upload.finishes, 1, 10000);
        QTRY_COMPARE(serverEnds.count(), 1);
        QCOMPARE(serverEnds.at(0).at(0).toBool(), stores);
        if (stores) {
            QCOMPARE(upload.reported, QStringList({"连接成功！", "发送成功！"}));
            QCOMPARE(errors.count(), 0);
            QCOMPARE(listing(config), listing(m_workDir->filePath("proj")));
            return;
        }
        QCOMPARE(upload.reported, QStringList({"连接成功！", "发送错误！"}));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), "创建目录" + config + "失败!");
        QCOMPARE(listing(m_app), kBefore);
    }

    void slowPanelTakesTheWholePackage_data()
    {
        QTest::addColumn<peer::Listener::Pace>("pace");
        QTest::addColumn<int>("size");   // of the project's one file
        QTest::addColumn<int>("steadyMs");   // then the panel reads the rest at once; 0: its pace to the end
        const int MiB = 1 << 20;
        // With a bound of a second on taking nothing, a tenth of the
        // program's: what the sender sees of the connection moving is enough.
        // The loopback's buffers take some 4 MiB before the sender waits at all;
        // past that, the panel's pace rules for a second or two of sending,
        // then while the sender waits for the panel to take what is queued.
        QTest::newRow("64 KiB every 100 ms") << peer::Listener::Pace{65536, 100, 0, 0} << 5 * MiB + MiB / 4
                                             << 3000;
        QTest::newRow("32 KiB every 50 ms") << peer::Listener::Pace{32768, 50, 0, 0} << 5 * MiB + MiB / 4 << 3000;
        QTest::newRow("16 KiB every 100 ms") << peer::Listener::Pace{16384, 100, 0, 0} << 4 * MiB + MiB / 4
                                             << 3000;
        // A small receive buffer read steadily while our send buffer holds
        // megabytes: the sender waits seconds before the socket is writable,
        // yet the connection moves all the time.
        QTest::newRow("16 KiB window, 16 KiB every 100 ms") << peer::Listener::Pace{16384, 100, 16384, 0} << 6 * MiB
                                                             << 3000;
        // One that stops reading ends the upload once nothing has moved for a second.
        QTest::newRow("stops after 1 MiB") << peer::Listener::Pace{65536, 20, 262144, MiB} << 16 * MiB << 0;
        // The same once the whole package is handed over: the rest waits in
        // the queue, which the panel no longer takes.
        QTest::newRow("stops after 1 MiB, the rest queued") << peer::Listener::Pace{65536, 20, 262144, MiB}
                                                            << MiB + MiB / 2 << 0;
    }
    void slowPanelTakesTheWholePackage()
    {
        QFETCH(peer::Listener::Pace, pace);
        QFETCH(int, size);
        QFETCH(int, steadyMs);
        writeFiles({"video=#" + QString::number(size)});
        peer::Listener panel(peer::Listener::Drain, pace);
        QTimer steady;
        connect(&steady, &QTimer::timeout, this, [&] { panel.hurry = true; });
        if (steadyMs > 0)
            steady.start(steadyMs);
        UploadServer upload;
        upload.setStallTimeout(1000);
        QStringList reported;
        std::atomic<qint64> finishedAtMs{-1};
        connect(&upload, &UploadServer::occurrError, &upload, [&](const QString &text) { reported << text; });
        connect(&upload, &UploadServer::serverFinish, &upload, [&] { finishedAtMs = panel.clock.elapsed(); },
                Qt::DirectConnection);
        upload.setUploadSource(m_workDir->filePath("proj"), 2);
        upload.startUpload("127.0.0.1", panel.port);
        QTRY_VERIFY_WITH_TIMEOUT(finishedAtMs >= 0, 30000);
        upload.stopUpload();
        QCoreApplication::processEvents();
        panel.hurry = true;
        if (pace.stopAfter == 0) {
            QCOMPARE(reported, QStringList({"连接成功！", "发送成功！"}));
            QTRY_VERIFY_WITH_TIMEOUT(panel.done, 10000);
            QCOMPARE(panel.received, readFixture(upload.packagePath()));
            return;
        }
        QCOMPARE(reported, QStringList({"连接成功！", "等待发送超时"}));
        const qint64 afterStop = finishedAtMs - panel.stoppedAtMs;
        QVERIFY2(afterStop <= 1500, qPrintable(QString::number(afterStop)));
        // Failed, the upload ends on the panel's side at once, not once the
        // megabytes still queued have gone.
        QTRY_VERIFY_WITH_TIMEOUT(panel.endedAtMs >= 0, 1000);
    }

    void panelThatKeepsReadingIsNeverCutOff()
    {
        // Panels that pause between reads, for flash writes or a link that
        // drops for a moment, each sent 2 MiB at once with the program's own
        // bound; and one that stops reading for good, which still fails.
        struct Case {
            const char *tag;
            peer::Listener::Pace pace;
            int steadyMs;   // then it reads the rest at once; 0: its pace to the end
        };
        const qint64 MiB = 1 << 20;
        const Case cases[] = {
            {"8 KiB every 100 ms, for 6 s", {8192, 100, 0, 0}, 6000},
            {"64 KiB every 200 ms", {65536, 200, 0, 0}, 0},
            {"256 KiB every 900 ms", {262144, 900, 0, 0}, 0},
            {"16 KiB every 50 ms, one 3 s pause", {16384, 50, 0, 0, MiB / 2, 3000}, 0},
            // Its buffer smaller than the rest, so that the rest stays queued.
            {"stops reading after 1 MiB", {65536, 20, 262144, MiB}, 0},
        };
        writeFiles({"video=#" + QString::number(2 * MiB)});
        std::vector<std::unique_ptr<peer::Listener>> panels;
        std::vector<std::unique_ptr<UploadServer>> uploads;
        std::vector<QStringList> reported(std::size(cases));
        std::vector<std::atomic<qint64>> finishedAtMs(std::size(cases));
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            panels.emplace_back(new peer::Listener(peer::Listener::Drain, cases[i].pace));
            peer::Listener *panel = panels.back().get();
            if (cases[i].steadyMs > 0)
                QTimer::singleShot(cases[i].steadyMs, this, [panel] { panel->hurry = true; });
            uploads.emplace_back(new UploadServer);
            UploadServer *upload = uploads.back().get();
            finishedAtMs[i] = -1;
            connect(upload, &UploadServer::occurrError, this, [&, i](const QString &text) { reported[i] << text; });
            connect(upload, &UploadServer::serverFinish, upload,
                    [&, i, panel] { finishedAtMs[i] = panel->clock.elapsed(); }, Qt::DirectConnection);
            upload->setUploadSource(m_workDir->filePath("proj"), 2);
            upload->startUpload("127.0.0.1", panel->port);
        }
        for (std::size_t i = 0; i < std::size(cases); ++i)
            QTRY_VERIFY2_WITH_TIMEOUT(finishedAtMs[i] >= 0, cases[i].tag, 30000);
        QCoreApplication::processEvents();
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            uploads[i]->stopUpload();
            peer::Listener &panel = *panels[i];
            if (cases[i].pace.stopAfter > 0) {
                QVERIFY2(reported[i] == QStringList({"连接成功！", "等待发送超时"}), cases[i].tag);
                // Ten seconds after the last byte it took, not one.
                const qint64 afterStop = finishedAtMs[i] - panel.stoppedAtMs;
                QVERIFY2(afterStop >= 9500 && afterStop <= 14000, qPrintable(QString::number(afterStop)));
                QTRY_VERIFY_WITH_TIMEOUT(panel.endedAtMs >= 0, 1000);
                continue;
            }
            QVERIFY2(reported[i] == QStringList({"连接成功！", "发送成功！"}),
                     qPrintable(cases[i].tag + (": " + reported[i].join(", "))));
            QTRY_VERIFY_WITH_TIMEOUT(panel.done, 5000);
            QVERIFY2(panel.received == readFixture(uploads[i]->packagePath()), cases[i].tag);
        }
    }

    void stopWhileSendingEndsAtOnce_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<peer::Listener::Pace>("pace");
        const int drain = peer::Listener::Drain;
        // Stopped while the sender waits on a panel that no longer reads, well
        // before a second of nothing moving would fail the upload.
        QTest::newRow("panel stopped reading") << drain << peer::Listener::Pace{65536, 20, 262144, 1 << 20};
        // Stopped with megabytes queued for a panel that reads 160 KB/s.
        QTest::newRow("slow panel") << drain << peer::Listener::Pace{16384, 100, 16384, 0};
        // Stopped while the sender waits for a panel holding every byte to close.
        QTest::newRow("panel that never closes") << int(peer::Listener::Keep) << peer::Listener::Pace{65536, 0, 0, 0};
    }
    void stopWhileSendingEndsAtOnce()
    {
        QFETCH(int, mode);
        QFETCH(peer::Listener::Pace, pace);
        writeFiles({"video=#" + QString::number(16 << 20)});
        peer::Listener panel(peer::Listener::Mode(mode), pace);
        UploadServer upload;
        QStringList reported;
        connect(&upload, &UploadServer::occurrError, &upload, [&](const QString &text) { reported << text; });
        upload.setUploadSource(m_workDir->filePath("proj"), 2);
        upload.startUpload("127.0.0.1", panel.port);
        QTRY_VERIFY_WITH_TIMEOUT(!reported.isEmpty(), 5000);
        if (pace.stopAfter > 0)
            QTRY_VERIFY_WITH_TIMEOUT(panel.stoppedAtMs >= 0, 5000);
        if (mode == peer::Listener::Keep)
            QTRY_VERIFY_WITH_TIMEOUT(panel.halfClosedAtMs >= 0, 5000);
        QTest::qWait(300);
        const qint64 stoppedAtMs = panel.clock.elapsed();
        upload.stopUpload();
        const qint64 tookMs = panel.clock.elapsed() - stoppedAtMs;
        QVERIFY2(tookMs < 300, qPrintable(QString::number(tookMs)));
        QCoreApplication::processEvents();
        QCOMPARE(reported, QStringList{"连接成功！"});
        // The panel sees the end now, not after the megabytes still queued.
        QTRY_VERIFY_WITH_TIMEOUT(panel.endedAtMs >= 0, 2000);
        QVERIFY2(panel.endedAtMs - stoppedAtMs <= 1000, qPrintable(QString::number(panel.endedAtMs - stoppedAtMs)));
    }

    void addressPartsAreDecimal()
    {
        quint32 parsed = 0;
        QVERIFY(TcpClient::parseAddress("010.0.0.1", &parsed));
        QCOMPARE(parsed, 0x0a000001u);
    }

    void hostilePackageLeavesTargetsAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Then>("then");
        QTest::addColumn<QString>("failure");

        const QByteArray good = peer::record("a.json", "new");
        const QByteArray b = peer::record("b", "b");
        const QString unsafe = "文件名不安全: ";
        QTest::newRow("traversal after a good record") << pack(2, {good, peer::record("../evil", "x")}) << kCloses
                                                       << unsafe + "../evil";
        QTest::newRow("absolute name") << pack(4, {peer::record("/tmp/evil", "x")}) << kCloses << unsafe + "/tmp/evil";
        QTest::newRow("backslash name") << pack(2, {peer::record("a\\b", "x")}) << kCloses << unsafe + "a\\b";
        QTest::newRow("dot-dot inside a path") << pack(4, {good, peer::record("sub/../../evil", "x")}) << kCloses
                                               << unsafe + "sub/../../evil";
        QTest::newRow("escape in a name") << pack(4, {peer::record("\x1b[2Jx", "x")}) << kCloses << unsafe + "?[2Jx";
        QTest::newRow("name not UTF-8") << pack(2, {peer::record("a\xff\xfe", "x")}) << kCloses
                                        << unsafe + "a\uFFFD\uFFFD";
        QTest::newRow("packetSize of 2^31") << pack(2, {good}, 1, 0x80000000LL) << kFallsSilent << "数据包大小超出限制";
        QTest::newRow("size of 2^31") << pack(2, {peer::record("a", "xyz", 0x80000000LL)}, 1, 200) << kFallsSilent
                                      << "数据包大小超出限制";
        QTest::newRow("record beyond packetSize") << pack(2, {peer::record("a", "abcdef")}, 1, 72 + 3) << kCloses
                                                  << "文件记录超出数据包范围";
        QTest::newRow("more fileNumbers than records") << pack(2, {good, b}, 3) << kCloses << "文件记录超出数据包范围";
        // Stored, the file would be cut to what its record claims.
        const QString unclaimed = "文件记录与数据包大小不符";
        QTest::newRow("record carries more than it claims") << pack(2, {good, peer::record("c", "abcdef", 3)})
                                                            << kCloses << unclaimed;
        QTest::newRow("data record carries more than it claims") << pack(0, {peer::record("x.db", "rows", 2)})
                                                                 << kCloses << unclaimed;
        QTest::newRow("fewer fileNumbers than records") << pack(2, {good, b}, 1) << kCloses << unclaimed;
        QTest::newRow("type 0 of two records") << pack(0, {good, b}) << kCloses << "文件错误, 数据文件数量不对";
        QTest::newRow("stream cut short") << pack(2, {good, b}).chopped(1) << kCloses << "数据包不完整";
        QTest::newRow("half a package") << pack(2, {good, b}).left(112) << kCloses << "数据包不完整";
        QTest::newRow("client falls silent") << pack(2, {good}).chopped(1) << kFallsSilent << "数据包不完整";
        // The deadline: 300 ms, and 100 ms more per 64 KiB announced.
        QTest::newRow("trickle, small package") << pack(2, {}, 1, 1000) + "ZE" << kTrickles << "数据包不完整";
        QTest::newRow("trickle, 10 x 64 KiB") << pack(2, {}, 1, 655360) + "ZE" << kTrickles << "数据包不完整";
        QList<QByteArray> many;
        for (int i = 0; i <= 10000; ++i)
            many << peer::record(QByteArray::number(i), "");
        QTest::newRow("more records than a project holds") << pack(2, many) << kCloses << "文件数量超出限制";
    }

    void hostilePackageLeavesTargetsAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Then, then);
        QFETCH(QString, failure);
        if (then == kTrickles)
            m_server->setDeadline(300, 100);
        const QStringList outside = listing(m_workDir->path());
        QSignalSpy ends(m_server.get(), SIGNAL(disconnected(bool)));
        QSignalSpy errors(m_server.get(), SIGNAL(writeDataError(QString)));
        peer::Client sender(m_server->serverPort());
        QVERIFY(sender.connected);
        QElapsedTimer clock;
        clock.start();
        sender.write(bytes);
        if (then == kCloses)
            sender.shut();
        for (; then == kTrickles && ends.isEmpty() && clock.elapsed() < 4000; QTest::qWait(100))
            sender.write("P");
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 3000);
        // Refused, cut short or timed out: a reset, never the close that
        // says the package is in place.
        QCOMPARE(sender.end(2000), peer::Client::Reset);
        if (then == kTrickles) {
            const qint64 deadline = 300 + 100 * qFromLittleEndian<quint32>(bytes.constData() + 72) / 65536;
            QVERIFY2(clock.elapsed() >= deadline - 50 && clock.elapsed() <= deadline + 1200,
                     qPrintable(QString::number(clock.elapsed())));
        }
        QCOMPARE(ends.at(0).at(0).toBool(), false);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), failure);
        QTRY_COMPARE(listing(m_workDir->path()), outside);
        // The slot is free again for an honest sender.
        QTcpSocket honest;
        connectSender(honest);
        honest.write(pack(2, {peer::record("a.json", "new")}));
        QTRY_VERIFY(ends.count() == 2 && ends.at(1).at(0).toBool());
    }

    void packagePutInPlaceOnlyWhenComplete_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("piece");
        QTest::addColumn<QString>("target");   // empty: nothing is written
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("ends");   // the sender ends its stream after the last byte, as the upload does

        const QByteArray config = pack(2, {peer::record("a.json", "new"), peer::record("b.json", "")});
        const QStringList configReplaced{"all_path/", "all_path/keep=1", "config_path/", "config_path/a.json=new",
                                         "config_path/b.json=", "db.bin=olddb"};
        QTest::newRow("type 2 replaces the folder whole, in 7-byte writes") << config << 7 << "config_path"
                                                                             << configReplaced << false;
        QTest::newRow("type 2, then the end of stream") << config << 1000 << "config_path" << configReplaced << true;
        const QStringList dbReplaced{"all_path/", "all_path/keep=1", "config_path/", "config_path/old.json=old",
                                     "db.bin=rows"};
        QTest::newRow("type 0 replaces db.bin only; extra bytes dropped")
            << pack(0, {peer::record("x.db", "rows")}) + "extra" << 1000 << "db.bin" << dbReplaced << false;
        // A data package's name is never a path.
        QTest::newRow("type 0 named as on another system")
            << pack(0, {peer::record("C:\\data\\db.bin", "rows")}) << 1000 << "db.bin" << dbReplaced << false;
        QTest::newRow("type 0 without a name") << pack(0, {peer::record("", "rows")}) << 1000 << "db.bin"
                                               << dbReplaced << false;
        QTest::newRow("type 4 makes sub-folders")
            << pack(4, {peer::record("sub/a.txt", "A"), peer::record("b", "B")}) << 50 << "all_path"
            << QStringList{"all_path/", "all_path/b=B", "all_path/sub/", "all_path/sub/a.txt=A", "config_path/",
                           "config_path/old.json=old", "db.bin=olddb"} << false;
    }

    void packagePutInPlaceOnlyWhenComplete()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, piece);
        QFETCH(QString, target);
        QFETCH(QStringList, after);
        QFETCH(bool, ends);
        QSignalSpy serverEnds(m_server.get(), SIGNAL(disconnected(bool)));
        QSignalSpy written(m_server.get(), SIGNAL(writeDataSuccess(QString)));
        peer::Client sender(m_server->serverPort());
        QVERIFY(sender.connected);
        const int last = bytes.indexOf("extra") < 0 ? bytes.size() - 1 : bytes.indexOf("extra") - 1;
        for (int at = 0; at < last; at += piece) {
            QVERIFY(sender.write(bytes.mid(at, qMin(piece, last - at))));
            QCoreApplication::processEvents();
        }
        // One byte short of the package: the targets are untouched, the staging
        // folder beside them holds what has come, a second client is turned
        // away with a reset (a close would tell it its package is in place).
        QTest::qWait(50);
        QCOMPARE(serverEnds.count(), 0);
        QCOMPARE(listing(m_app).filter(QRegularExpression("^[^.]")), kBefore);
        peer::Client second(m_server->serverPort());
        QVERIFY(second.connected);
        QCOMPARE(second.end(2000), peer::Client::Reset);
        QVERIFY(sender.write(bytes.mid(last)));
        if (ends)
            sender.shut();
        QTRY_COMPARE_WITH_TIMEOUT(serverEnds.count(), 1, 3000);
        QCOMPARE(serverEnds.at(0).at(0).toBool(), true);
        QCOMPARE(written.count(), target.isEmpty() ? 0 : 1);
        if (!target.isEmpty())
            QCOMPARE(written.at(0).at(0).toString(), "写入数据文件成功: " + m_app + '/' + target);
        QTRY_COMPARE(listing(m_app), after);
        // The connection is closed in order after the package and nothing comes back.
        QCOMPARE(sender.end(2000), peer::Client::Closed);
    }

    void targetThatIsALinkIsReplacedNotFollowed()
    {
        const QString elsewhere = m_workDir->filePath("elsewhere");
        QVERIFY(QDir().rename(m_app + "/config_path", elsewhere));
        QVERIFY(QFile::link(elsewhere, m_app + "/config_path"));
        QSignalSpy ends(m_server.get(), SIGNAL(disconnected(bool)));
        QSignalSpy errors(m_server.get(), SIGNAL(writeDataError(QString)));
        QTcpSocket sender;
        connectSender(sender);
        sender.write(pack(2, {peer::record("a.json", "new")}));
        QTRY_COMPARE(ends.count(), 1);
        QVERIFY(ends.at(0).at(0).toBool());
        // The link put aside goes itself; what it pointed to stays as it was.
        QTRY_COMPARE(QDir(m_app).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList({"all_path", "config_path", "db.bin"}));
        QCOMPARE(errors.count(), 0);
        QVERIFY(!QFileInfo(m_app + "/config_path").isSymLink());
        QCOMPARE(listing(m_app + "/config_path"), QStringList{"a.json=new"});
        QCOMPARE(listing(elsewhere), QStringList{"old.json=old"});
    }

    void replacedAndStaleFoldersGoAfterTheAnswer()
    {
        // Left by a receive that a crash ended, and one that is still under way.
        QVERIFY(writeFixture(m_app + "/.config_path.incoming-stale001/x", "x"));
        // And a target that was a link, put aside: the link goes, what it points to stays.
        QVERIFY(writeFixture(m_workDir->filePath("elsewhere/y"), "y"));
        QVERIFY(QFile::link(m_workDir->filePath("elsewhere"), m_app + "/.config_path.incoming-link0003"));
        const QString live = m_app + "/.config_path.incoming-live0002";
        QVERIFY(QDir().mkpath(live));
        const int lock = ::open(QFile::encodeName(live).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0);
        // The folder to be replaced: many files, and some that cannot be removed.
        for (int i = 0; i < 5000; ++i)
            ::close(::creat(QFile::encodeName(m_app + "/config_path/" + QString::number(i)).constData(), 0600));
        QVERIFY(writeFixture(m_app + "/config_path/locked/kept", "k"));
        QVERIFY(QFile(m_app + "/config_path/locked").setPermissions(QFile::ReadOwner | QFile::ExeOwner));

        const QStringList staging = {".config_path.incoming-*"};
        QString old;   // and how much of it is left when the sender gets its answer
        int oldEntriesAtAnswer = 0;
        connect(m_server.get(), &DataServer::disconnected, this, [&] {
            const QStringList names = QDir(m_app).entryList(staging, QDir::Dirs | QDir::Hidden);
            old = m_app + '/' + names.filter(QRegularExpression("-[0-9a-f]{8}$")).value(0);
            oldEntriesAtAnswer = QDir(old).count();
        });
        QSignalSpy errors(m_server.get(), SIGNAL(writeDataError(QString)));
        {
            const peer::PlainPermissions plain;
            QTcpSocket sender;
            connectSender(sender);
            sender.write(pack(2, {peer::record("a.json", "new")}));
            QTRY_COMPARE(errors.count(), 1);
        }
        ::close(lock);
        // The answer came before the old folder went: removing it stalled nothing.
        QVERIFY2(oldEntriesAtAnswer > 2500, qPrintable(QString::number(oldEntriesAtAnswer)));
        QCOMPARE(QDir(m_app).entryList(staging, QDir::Dirs | QDir::Hidden),
                 QStringList({QFileInfo(old).fileName(), QFileInfo(live).fileName()}));
        QCOMPARE(errors.at(0).at(0).toString(), "删除目录" + old + "失败!");
        QCOMPARE(listing(old), QStringList({"locked/", "locked/kept=k"}));
        QCOMPARE(listing(m_app + "/config_path"), QStringList{"a.json=new"});
        QCOMPARE(listing(m_workDir->filePath("elsewhere")), QStringList{"y=y"});
        QVERIFY(QFile(old + "/locked").setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void pageChecksSendsAndStopsAtOnce()
    {
        TestNotifier notifier;
        DataManager page;
        auto *address = page.findChild<QLineEdit *>("lineEdit");
        auto *button = page.findChild<QPushButton *>("pushButton_3");
        auto *sendLog = page.findChild<QTextEdit *>("textEdit_3");
        // A part over 255 is not taken; a whole address still needs a project.
        QTest::keyClicks(address, "192.168.1.256");
        QCOMPARE(address->text(), QString("192.168.1.25"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(notifier.texts(), QStringList({"项目地址为空"}));

        // The page's own server takes the project whole; log lines are plain
        // text, whatever a path holds.
        writeFiles({"main.projectui={\"Page\": []}", "main.js=" + QString(200000, 'j')});
        QVERIFY(GlobalManager::instance()->openProject(m_workDir->filePath("proj/main.projectui")));
        const QString app = m_workDir->filePath("<i>app</i>");
        DataServer *server = page.dataServer();
        server->setListenAddress(QHostAddress::LocalHost);
        server->setPort(0);
        server->setTargets(app + "/db.bin", app + "/config_path", app + "/all_path");
        page.openServerBtnClicked();
        QVERIFY(server->isListening());
        page.setPanelPort(server->serverPort());
        address->setText("127.0.0.1");
        QTest::mouseClick(button, Qt::LeftButton);
        auto *log = page.findChild<QTextEdit *>("textEdit");
        QTRY_VERIFY_WITH_TIMEOUT(log->toPlainText().endsWith("上传成功 !"), 5000);
        QCOMPARE(log->toPlainText(), "来自127.0.0.1的连接\n写入数据文件成功: " + app + "/config_path\n上传成功 !");
        QCOMPARE(sendLog->toPlainText(), QString("连接成功！\n发送成功！"));
        QCOMPARE(listing(app + "/config_path"), listing(m_workDir->filePath("proj")));

        // A gigabyte more, which takes seconds to pack, for a panel that refuses.
        writeFiles({"big=#1073741824"});
        peer::Listener listener(peer::Listener::Refuse);
        page.setPanelPort(listener.port);
        sendLog->clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), QString("停止上传"));
        // Before the worker has even begun, the second click finds it busy.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->text(), QString("上传配置"));
        QVERIFY(!page.configUploader()->isBusy());
        // Well into the packing, a stop cuts it short.
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::qWait(200);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(clock.elapsed() < 300, qPrintable(QString::number(clock.elapsed())));
        // Stopped before connecting: the runs end without a text.
        QCoreApplication::processEvents();
        QCOMPARE(sendLog->toPlainText(), QString());
    }

    void closingThePageMidUploadAsksFirst_data()
    {
        QTest::addColumn<bool>("byEscape");   // else the window's close
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Escape, then 否") << true << kNo;
        // Enter loses nothing.
        QTest::newRow("close, then Enter on the question") << false << kEnter;
        QTest::newRow("close, then Escape on the question") << false << kEscape;
        QTest::newRow("Escape, then the question closed") << true << kCloseBox;
        QTest::newRow("close, then 是") << false << kYes;
        QTest::newRow("Escape with no upload") << true << kNotAsked;
        QTest::newRow("close with no upload") << false << kNotAsked;
    }
    void closingThePageMidUploadAsksFirst()
    {
        QFETCH(bool, byEscape);
        QFETCH(Answer, answer);
        QVERIFY(openProjectOfOneVideo());
        SlowPanelPage shown;
        auto &[panel, dialog, page, button, sendLog] = shown;
        QVERIFY(shown.show());
        if (answer != kNotAsked) {
            QTest::mouseClick(button, Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(sendLog->toPlainText(), QString("连接成功！"), 5000);
        }

        QStringList asked;
        whenShown<QMessageBox>([&](QMessageBox *box) {
            asked << box->text();
            if (answer == kEscape || answer == kEnter)
                QTest::keyClick(box, answer == kEscape ? Qt::Key_Escape : Qt::Key_Return);
            else if (answer == kCloseBox)
                box->close();
            else
                QTest::mouseClick(box->button(answer == kYes ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
        });
        if (byEscape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QCoreApplication::processEvents();
        QCOMPARE(asked, answer == kNotAsked ? QStringList() : QStringList{"正在上传，是否停止上传?"});
        if (answer == kNotAsked || answer == kYes) {
            QVERIFY(!dialog.isVisible());
            QVERIFY(!page->configUploader()->isBusy());
            QCOMPARE(button->text(), QString("上传配置"));
            if (answer == kYes) {
                // Stopped as 停止上传 stops it: the panel sees the end at once.
                QTRY_VERIFY_WITH_TIMEOUT(panel.endedAtMs >= 0, 1000);
                QCOMPARE(sendLog->toPlainText(), QString("连接成功！"));
            }
            return;
        }
        // The page and its upload go on, to the end.
        QVERIFY(dialog.isVisible());
        QCOMPARE(button->text(), QString("停止上传"));
        panel.hurry = true;
        QTRY_COMPARE_WITH_TIMEOUT(sendLog->toPlainText(), QString("连接成功！\n发送成功！"), 10000);
        QCOMPARE(button->text(), QString("上传配置"));
        QCOMPARE(panel.received, readFixture(page->configUploader()->packagePath()));
    }

    void uploadEndingWhileAskedClosesThePage()
    {
        QVERIFY(openProjectOfOneVideo());
        SlowPanelPage shown;
        auto &[panel, dialog, page, button, sendLog] = shown;
        QVERIFY(shown.show());
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(sendLog->toPlainText(), QString("连接成功！"), 5000);

        // The user leaves the question open while the panel takes the rest.
        QStringList asked;
        whenShown<QMessageBox>([&](QMessageBox *box) {
            asked << box->text();
            panel.hurry = true;
            // Should the question stay, it is answered 否 in the end, so that
            // the test fails instead of waiting for ever.
            QTimer::singleShot(20000, box, [box] { box->done(QMessageBox::No); });
        });
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(asked, QStringList{"正在上传，是否停止上传?"});
        QCOMPARE(sendLog->toPlainText(), QString("连接成功！\n发送成功！"));
        QVERIFY(!dialog.isVisible());
        QVERIFY(!page->configUploader()->isBusy());
        QCOMPARE(panel.received, readFixture(page->configUploader()->packagePath()));
    }
};

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
