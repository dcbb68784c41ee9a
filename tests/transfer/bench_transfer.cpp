// Sends a project of 20 MB and one of 200 MB (files of 10 MB) with the upload
// worker to the receive server on loopback and times it from the connection
// until the package is in place in the receiver's folder and the worker has
// seen the receiver close (and said so). Baseline in the
// same run: a plain loopback socket copy of the same package file's bytes,
// file to file. Prints the packing time apart, how long after the receiver's
// close the worker said so, and the peak memory after each size (a first
// round warms up unprinted). Fails when that answer lags the close by more
// than a second: a receiver that closes at once waits for nothing more. Run
// offscreen:
//   QT_QPA_PLATFORM=offscreen ./bench_transfer
#include "app/globalmanager.h"
#include "transfer/dataserver.h"
#include "transfer/uploadserver.h"
#include "tests/benchsupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <thread>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace benchsupport;

namespace {

const int kFileMB = 10;
// The first round warms up (thread arenas, socket buffers) and is not printed,
// so that the peaks of the printed rows compare the sizes alone.
const int kProjectsMB[] = {20, 20, 200};
// The most the worker may take to say 发送成功！ after the receiver's close.
const double kAnswerBoundMs = 1000;

bool writeProject(const QString &dir, int megabytes)
{
    QDir().mkpath(dir);
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (int file = 0; file < megabytes / kFileMB; ++file) {
        QFile out(dir + QStringLiteral("/part%1.bin").arg(file));
        if (!out.open(QIODevice::WriteOnly))
            return false;
        for (int mb = 0; mb < kFileMB; ++mb) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
            if (out.write(block) != block.size())
                return false;
        }
    }
    return true;
}

// Milliseconds from the connection until the package is in place and the
// upload has ended, -1 on failure; *answerMs from the receiver's close until
// the worker said 发送成功！.
double uploadToServer(const QString &project, const QString &app, double *answerMs)
{
    DataServer server;
    server.setListenAddress(QHostAddress::LocalHost);
    server.setPort(0);
    server.setTargets(app + QStringLiteral("/db.bin"), app + QStringLiteral("/config_path"),
                      app + QStringLiteral("/all_path"));
    server.openServer();
    UploadServer upload;
    upload.setUploadSource(project, 2);

    QEventLoop loop;
    QElapsedTimer clock;
    double ms = -1;
    bool received = false;
    bool sent = false;
    // On the GUI thread and the worker's, by the one clock.
    std::atomic<qint64> closedAt{-1};
    std::atomic<qint64> answeredAt{-1};
    const auto bothDone = [&] {
        if (received && sent) {
            ms = clock.nsecsElapsed() / 1e6;
            loop.quit();
        }
    };
    QObject::connect(&server, &DataServer::connected, [&clock] { clock.start(); });
    QObject::connect(&server, &DataServer::disconnected, [&](bool success) {
        if (!success)
            return loop.quit();
        closedAt = clock.nsecsElapsed();
        received = true;
        bothDone();
    });
    QObject::connect(&upload, &UploadServer::occurrError, [&](const QString &text) {
        if (text == UploadServer::tr("发送成功！"))
            answeredAt = clock.nsecsElapsed();
        sent = sent || answeredAt >= 0;
    });
    QObject::connect(&upload, &UploadServer::serverFinish, [&] {
        if (!sent)
            return loop.quit();
        bothDone();
    });
    QTimer::singleShot(300000, &loop, &QEventLoop::quit);
    upload.startUpload(QStringLiteral("127.0.0.1"), server.serverPort());
    loop.exec();
    upload.stopUpload();
    *answerMs = (answeredAt - closedAt) / 1e6;
    return ms;
}

// The same bytes over a plain loopback socket, from file to file.
double plainCopy(const QString &from, const QString &to)
{
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(listener, reinterpret_cast<sockaddr *>(&address), length);
    ::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length);
    ::listen(listener, 1);

    std::thread sender([&from, address] {
        const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
        ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address);
        QFile in(from);
        in.open(QIODevice::ReadOnly);
        char piece[32768];
        for (qint64 n = in.read(piece, sizeof piece); n > 0; n = in.read(piece, sizeof piece)) {
            for (qint64 sent = 0; sent < n;) {
                const ssize_t now = ::send(socket, piece + sent, size_t(n - sent), MSG_NOSIGNAL);
                if (now <= 0)
                    break;
                sent += now;
            }
        }
        ::close(socket);
    });
    const int client = ::accept(listener, nullptr, nullptr);
    QElapsedTimer clock;
    clock.start();
    QFile out(to);
    out.open(QIODevice::WriteOnly);
    char piece[65536];
    for (ssize_t n = ::read(client, piece, sizeof piece); n > 0; n = ::read(client, piece, sizeof piece))
        out.write(piece, n);
    out.close();
    const double ms = clock.nsecsElapsed() / 1e6;
    sender.join();
    ::close(client);
    ::close(listener);
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    QTemporaryDir root;
    if (!root.isValid() || !QDir::setCurrent(root.path()))
        return 1;
    QDir().mkpath(root.filePath(QStringLiteral("tmp")));
    qputenv("TMPDIR", QFile::encodeName(root.filePath(QStringLiteral("tmp"))));
    GlobalManager::instance();

    std::printf("%8s %10s %10s %10s %10s %10s %8s %10s %10s\n", "project", "pack ms", "ours ms", "ours MB/s",
                "plain ms", "plain MB/s", "ratio", "answer ms", "peak KiB");
    bool warmUp = true;
    for (int megabytes : kProjectsMB) {
        const QString project = root.filePath(QStringLiteral("proj%1").arg(megabytes));
        if (!writeProject(project, megabytes))
            return 1;

        UploadServer packer;
        packer.setUploadSource(project, 2);
        QElapsedTimer clock;
        clock.start();
        if (!packer.packageFiles())
            return 1;
        const double packMs = clock.nsecsElapsed() / 1e6;
        const QString package = packer.packagePath();
        const double mb = QFileInfo(package).size() / 1e6;

        double answerMs = 0;
        const double oursMs = uploadToServer(project, root.filePath(QStringLiteral("app%1").arg(megabytes)),
                                             &answerMs);
        const double plainMs = plainCopy(package, root.filePath(QStringLiteral("copy%1.bin").arg(megabytes)));
        if (oursMs < 0)
            return 1;
        if (!warmUp)
            std::printf("%6d MB %10.1f %10.1f %10.1f %10.1f %10.1f %8.2f %10.2f %10ld\n", megabytes, packMs, oursMs,
                    mb / oursMs * 1000, plainMs, mb / plainMs * 1000, plainMs / oursMs, answerMs, peakKiB());
        if (answerMs > kAnswerBoundMs) {
            std::fprintf(stderr, "the upload said 发送成功！ %.1f ms after the receiver closed\n", answerMs);
            return 1;
        }
        QDir(project).removeRecursively();
        QDir(root.filePath(QStringLiteral("app%1").arg(megabytes))).removeRecursively();
        QFile::remove(root.filePath(QStringLiteral("copy%1.bin").arg(megabytes)));
        warmUp = false;
    }
    return 0;
}
