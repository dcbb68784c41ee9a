#include "uploadserver.h"

#include "app/globalmanager.h"
#include "core/fileutils.h"
#include "transfer/packageformat.h"
#include "transfer/tcpclient.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int kConnectTimeoutMs = 500;
const int kWritableTimeoutMs = 500;
const int kPieceSize = 32768;

// Files directly inside the source; folders are not descended into.
bool isPacked(const QFileInfo &candidate)
{
    return candidate.fileName() != QLatin1String(".") && candidate.fileName() != QLatin1String("..")
        && !candidate.isDir();
}

} // namespace

UploadServer::UploadServer(QObject *parent)
    : QThread(parent)
    , m_client(new TcpClient)
{
}

UploadServer::~UploadServer()
{
    stopUpload();
}

void UploadServer::setUploadSource(const QString &path, int mode)
{
    m_sourcePath = path;
    m_mode = mode;
}

void UploadServer::startUpload(const QString &host, int port)
{
    if (isBusy())
        return;
    m_host = host;
    m_port = port;
    m_run = true;
    start(QThread::InheritPriority);
}

void UploadServer::stopUpload()
{
    if (!isBusy())
        return;
    m_run = false;
    // The run is bounded by its packing, the connect time-out and the send
    // time-outs, and it looks at m_run between pieces.
    wait();
}

bool UploadServer::isBusy() const
{
    return m_busy || isRunning();
}

QString UploadServer::packageFolder(const QString &tempPath)
{
    return tempPath + QStringLiteral("/brivane-transfer-") + QString::number(::geteuid());
}

bool UploadServer::makePrivateFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    // Another user may have planted a link or a folder of theirs at this name.
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat status;
    if (::lstat(native.constData(), &status) != 0 || !S_ISDIR(status.st_mode)
        || status.st_uid != ::geteuid() || (status.st_mode & 077) != 0) {
        qDebug() << "unsafe package folder: " << path;
        return false;
    }
    return true;
}

bool UploadServer::packageFiles()
{
    const QString fileName = PackageFormat::packageFileName(m_mode);
    if (fileName.isEmpty())
        return false;
    const QString folder = packageFolder(GlobalManager::instance()->tempPath());
    m_packagePath = folder + QLatin1Char('/') + fileName;

    const QFileInfo source(QDir::cleanPath(m_sourcePath));
    if (m_sourcePath.isEmpty() || !source.exists()) {
        emit occurrError(tr("文件不存在") + QLatin1Char(' ') + m_sourcePath);
        return false;
    }
    QFileInfoList candidates;
    if (m_mode == PackageFormat::Data)
        candidates.append(source);
    else
        candidates = QDir(m_sourcePath).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                                      QDir::Name | QDir::IgnoreCase);

    QFile output(m_packagePath);
    // Created exclusively, so nothing planted at the name is written through.
    if (!makePrivateFolder(folder) || !removeFile(m_packagePath)
        || !output.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        emit occurrError(tr("打开文件失败") + QLatin1Char(' ') + m_packagePath);
        return false;
    }
    const int count = writePackage(source.fileName(), m_mode, candidates, output);
    const bool written = count > 0 && output.flush();
    output.close();
    if (!written || output.error() != QFileDevice::NoError) {
        // A half-built package must never be sent later.
        output.remove();
        return false;
    }
    return true;
}

int UploadServer::writePackage(const QString &name, int mode, const QFileInfoList &candidates, QFile &output)
{
    using namespace PackageFormat;
    const QByteArray packageName = name.toUtf8();
    if (packageName.size() > kMaxNameBytes) {
        qDebug() << "package name too long: " << name;
        return 0;
    }
    if (!output.seek(kHeaderSize))
        return 0;
    // The limits are checked on every file first, so that a package that
    // cannot be sent is refused before gigabytes are copied.
    quint64 planned = kHeaderSize;
    for (const QFileInfo &candidate : candidates) {
        if (isPacked(candidate) && candidate.isReadable())
            planned += kEntrySize + quint64(candidate.size());
    }
    if (planned >= kSizeLimit) {
        qDebug() << "package over the size limit: " << name;
        return 0;
    }
    int count = 0;
    quint64 total = 0;
    for (const QFileInfo &candidate : candidates) {
        if (!isPacked(candidate))
            continue;
        QFile input(candidate.absoluteFilePath());
        if (!input.open(QIODevice::ReadOnly)) {
            qDebug() << "file.open fail: " << candidate.absoluteFilePath();
            continue;
        }
        const QByteArray fileName = candidate.fileName().toUtf8();
        const quint64 size = quint64(input.size());
        if (fileName.size() > kMaxNameBytes || size >= kSizeLimit
            || kHeaderSize + total + kEntrySize + size >= kSizeLimit) {
            qDebug() << "file over the package limits: " << candidate.absoluteFilePath();
            return 0;
        }
        const QByteArray entry = encodeEntry(fileName, quint32(size));
        if (output.write(entry) != entry.size() || !copyFile(input, qint64(size), output)) {
            qDebug() << "PackageFiles fail: " << candidate.absoluteFilePath();
            return 0;
        }
        total += kEntrySize + size;
        ++count;
        qDebug() << "PackageFiles success: " << candidate.absoluteFilePath();
    }
    if (count == 0)
        return 0;
    const QByteArray header = encodeHeader(packageName, quint32(mode), quint32(count), quint32(total));
    if (!output.seek(0) || output.write(header) != header.size())
        return 0;
    return count;
}

// Copies exactly size bytes; a file that ends early or grew meanwhile would
// make the entry lie about its size.
bool UploadServer::copyFile(QFile &input, qint64 size, QFile &output)
{
    QByteArray piece(kPieceSize, Qt::Uninitialized);
    for (qint64 left = size; left > 0;) {
        const qint64 read = input.read(piece.data(), qMin<qint64>(left, kPieceSize));
        if (read <= 0 || output.write(piece.constData(), read) != read)
            return false;
        left -= read;
    }
    char extra;
    return input.read(&extra, 1) == 0;
}

void UploadServer::run()
{
    m_busy = true;
    if (!packageFiles()) {
        emit occurrError(tr("文件打包错误！"));
        m_run = false;
        m_busy = false;
        emit serverFinish();
        return;
    }
    if (m_run) {
        const QString error = sendPackage();
        if (!error.isEmpty())
            emit occurrError(error);
    }
    emit serverFinish();
    m_run = false;
    m_busy = false;
}

QString UploadServer::sendPackage()
{
    if (!m_client->init(m_host, m_port) || !m_client->connectTimeout(kConnectTimeoutMs))
        return tr("连接失败！");
    emit occurrError(tr("连接成功！"));

    QString result = tr("发送成功！");
    QFile package(m_packagePath);
    QByteArray piece(kPieceSize, Qt::Uninitialized);
    if (!package.open(QIODevice::ReadOnly))
        result = tr("发送错误！");
    while (package.isOpen()) {
        const qint64 read = package.read(piece.data(), kPieceSize);
        if (read == 0)
            break;
        if (!m_run) {
            // Stopped by the user: the panel sees the connection end early.
            result.clear();
            break;
        }
        if (read < 0) {
            result = tr("发送错误！");
            break;
        }
        if (!m_client->waitWritable(kWritableTimeoutMs)) {
            result = tr("等待发送超时");
            break;
        }
        if (m_client->send(piece.constData(), int(read)) != read) {
            result = tr("发送错误！");
            break;
        }
    }
    m_client->close();
    return result;
}
