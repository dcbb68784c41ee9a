#include "uploadserver.h"

#include "core/designerfolders.h"
#include "core/filenamecheck.h"
#include "core/wholefile.h"
#include "transfer/packageformat.h"
#include "transfer/tcpclient.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int kConnectTimeoutMs = 500;
// A panel that writes to flash between reads, or sits on a link that drops
// for a moment, takes nothing for seconds and then reads on; only this long
// with nothing taken at all means it has stopped. The order of the receive
// side's own quiet time-out.
const int kStallTimeoutMs = 10000;
const int kPieceSize = 32768;
// A panel closes the connection as soon as it holds the whole package; one
// that holds every byte and stays silent this long has not answered, which is
// no success. The receive side's own quiet bound.
const int kPanelQuietMs = 30000;

// At most so many skipped entries are named in the log, the rest counted.
const int kNamedSkips = 5;

bool lessIgnoringCase(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

// A raw file name as a log line shows it: what is UTF-8 as text (control
// characters as "?"), every other byte as \xNN.
QString escapedName(const QByteArray &raw)
{
    QString text;
    for (int at = 0; at < raw.size();) {
        int length = 1;   // of the UTF-8 character that starts here, 5 if none does
        while (length <= 4 && !FileNameCheck::isUtf8(raw.mid(at, length)))
            ++length;
        if (length <= 4) {
            text += PackageFormat::printableName(raw.mid(at, length));
            at += length;
        } else {
            text += QStringLiteral("\\x%1").arg(uchar(raw.at(at)), 2, 16, QLatin1Char('0'));
            ++at;
        }
    }
    return text;
}

enum class Listing { Whole, Ended, Failed };

// Calls take with the raw name of every entry of the folder but "." and "..",
// until it returns false (Ended). Qt's own listing leaves out, unsaid, a name
// it cannot decode. Failed with *error when the folder could not be listed to
// its end: a list cut short is no project folder to send in place of the
// panel's.
Listing forEachRawName(const QByteArray &folder, const UploadServer::EntryReader &readEntry,
                       const std::function<bool(const QByteArray &)> &take, int *error)
{
    DIR *entries = ::opendir(folder.constData());
    if (!entries) {
        *error = errno;
        return Listing::Failed;
    }
    Listing result = Listing::Whole;
    while (result == Listing::Whole) {
        // The end of the folder and a failure both come as no entry.
        errno = 0;
        const dirent *entry = readEntry(entries);
        if (!entry) {
            *error = errno;
            if (*error != 0)
                result = Listing::Failed;
            break;
        }
        const QByteArray name(entry->d_name);
        if (name != "." && name != ".." && !take(name))
            result = Listing::Ended;
    }
    ::closedir(entries);
    return result;
}

} // namespace

UploadServer::UploadServer(QObject *parent)
    : QThread(parent)
    , m_client(new TcpClient)
    , m_stallMs(kStallTimeoutMs)
    , m_panelQuietMs(kPanelQuietMs)
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
    m_tempDir = DesignerFolders::instance()->tempDir();
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
    // The run looks at m_run while it packs, connects only for a bounded
    // time, and looks at m_run while it sends.
    wait();
}

bool UploadServer::isBusy() const
{
    return m_busy || isRunning();
}

void UploadServer::dropPackage()
{
    m_package.close();
    m_package.setFileName(QString());
    m_packageDir.reset();
}

bool UploadServer::packageFiles()
{
    dropPackage();
    m_skipped = 0;
    const QString fileName = PackageFormat::packageFileName(m_mode);
    if (fileName.isEmpty())
        return false;

    const QFileInfo source(QDir::cleanPath(m_sourcePath));
    if (m_sourcePath.isEmpty() || !source.exists()) {
        emit occurrError(tr("文件不存在") + QLatin1Char(' ') + m_sourcePath);
        return false;
    }
    QFileInfoList candidates;
    if (m_mode == PackageFormat::Data)
        candidates.append(source);
    else if (!listFolder(&candidates))
        return false;

    // A folder of its own (mode 0700, a name no one can guess) and a file
    // created in it exclusively: nothing planted or replaced by name is ever
    // written or sent.
    const QString folderPattern = m_tempDir + QStringLiteral("/brivane-transfer-XXXXXX");
    m_packageDir.reset(new QTemporaryDir(folderPattern));
    if (m_packageDir->isValid())
        m_package.setFileName(m_packageDir->filePath(fileName));
    if (!m_packageDir->isValid() || !m_package.open(QIODevice::ReadWrite | QIODevice::NewOnly)) {
        // A folder that could not be made has no name of its own yet.
        emit occurrError(tr("打开文件失败") + QLatin1Char(' ')
                         + (m_packageDir->isValid() ? m_package.fileName() : folderPattern));
        dropPackage();
        return false;
    }
    const int count = writePackage(source.fileName(), m_mode, candidates, m_package);
    if (count == 0 || !m_package.flush() || m_package.error() != QFileDevice::NoError) {
        // A half-built package must never be sent later.
        dropPackage();
        return false;
    }
    return true;
}

bool UploadServer::listFolder(QFileInfoList *candidates)
{
    const QByteArray folder = QFile::encodeName(m_sourcePath) + '/';
    quint32 entries = 0;
    int error = 0;
    // The first few hidden names in name order, and how many there are.
    QStringList hidden;
    int hiddenCount = 0;
    // A folder of a million entries is never listed whole: a stop ends the
    // listing, and so do more entries of any kind than a panel takes files.
    const Listing listed = forEachRawName(folder, m_readEntry, [&](const QByteArray &raw) {
        if (stopping())
            return false;
        // Hidden entries are never packed, but the user hears of them: the
        // panel gets the project without them.
        if (raw.startsWith('.')) {
            const QString name = escapedName(folder + raw);
            hidden.insert(std::lower_bound(hidden.begin(), hidden.end(), name, lessIgnoringCase), name);
            if (hidden.size() > kNamedSkips)
                hidden.removeLast();
            ++hiddenCount;
            return true;
        }
        if (++entries > PackageFormat::kMaxRecords) {
            emit occurrError(tr("文件数量超出限制"));
            return false;
        }
        const QString name = QFile::decodeName(raw);
        if (FileNameCheck::isUtf8(raw) && QFile::encodeName(name) == raw) {
            candidates->append(QFileInfo(m_sourcePath + QLatin1Char('/') + name));
            return true;
        }
        // A folder is never packed, whatever its name; named here, as no
        // candidate can carry its name.
        quint64 size = 0;
        int lookError = 0;
        const SourceKind kind = kindOf(folder + raw, &size, &lookError);
        if (kind == SourceKind::Unknown) {
            lookFailed(escapedName(folder + raw), lookError);
            return false;
        }
        if (kind == SourceKind::Folder) {
            skipped(escapedName(folder + raw));
            return true;
        }
        // The panel takes UTF-8 names only, yet a file left out would go
        // with the panel's folder that the package replaces.
        emit occurrError(tr("文件名不安全: %1").arg(escapedName(folder + raw)));
        return false;
    }, &error);
    if (listed == Listing::Failed)
        emit occurrError(tr("读取目录失败: %1 (%2)").arg(m_sourcePath, qt_error_string(error)));
    if (listed != Listing::Whole)
        return false;
    hiddenSkipped(hidden, hiddenCount);
    std::stable_sort(candidates->begin(), candidates->end(), [](const QFileInfo &a, const QFileInfo &b) {
        return lessIgnoringCase(a.fileName(), b.fileName());
    });
    return true;
}

UploadServer::SourceKind UploadServer::kindOf(const QByteArray &path, quint64 *size, int *error) const
{
    struct stat status;
    if (m_lookEntry(path.constData(), &status) != 0) {
        *error = errno;
        // Left out unsaid, a file would be missing from a package called sent.
        return *error == ENOENT ? SourceKind::Other : SourceKind::Unknown;
    }
    // A link to nothing is skipped.
    if (S_ISLNK(status.st_mode) && ::stat(path.constData(), &status) != 0)
        return SourceKind::Other;
    *size = quint64(status.st_size);
    if (S_ISDIR(status.st_mode))
        return SourceKind::Folder;
    return S_ISREG(status.st_mode) ? SourceKind::Regular : SourceKind::Other;
}

void UploadServer::lookFailed(const QString &path, int error)
{
    emit occurrError(tr("读取文件信息失败: %1 (%2)").arg(path, qt_error_string(error)));
}

void UploadServer::skipped(const QString &path)
{
    // Named while the log stays short, counted after that.
    if (++m_skipped <= kNamedSkips)
        emit occurrError(tr("跳过非普通文件: %1").arg(path));
}

void UploadServer::hiddenSkipped(const QStringList &names, int count)
{
    for (const QString &name : names)
        emit occurrError(tr("跳过隐藏文件: %1").arg(name));
    if (count > names.size())
        emit occurrError(tr("另有%1个隐藏文件被跳过").arg(count - names.size()));
}

int UploadServer::writePackage(const QString &name, int mode, const QFileInfoList &candidates, QFile &output)
{
    using namespace PackageFormat;
    const auto tooLong = [this](const QString &path) {
        emit occurrError(tr("文件名过长: %1 (最多%2字节)").arg(path).arg(kMaxNameBytes));
        return 0;
    };
    const QByteArray packageName = name.toUtf8();
    if (packageName.size() > kMaxNameBytes)
        return tooLong(name);
    if (!output.seek(kHeaderSize))
        return 0;

    // Every limit is checked before anything is copied, so that a package
    // that cannot be sent is refused before gigabytes are read.
    QFileInfoList files;
    quint64 planned = kHeaderSize;
    for (const QFileInfo &candidate : candidates) {
        if (stopping())
            return 0;
        const QString path = candidate.absoluteFilePath();
        quint64 size = 0;
        int lookError = 0;
        // A folder, FIFO, socket, device or broken link is never opened.
        const SourceKind kind = kindOf(QFile::encodeName(path), &size, &lookError);
        if (kind == SourceKind::Unknown) {
            lookFailed(path, lookError);
            return 0;
        }
        if (kind != SourceKind::Regular) {
            skipped(path);
            continue;
        }
        const QByteArray fileName = candidate.fileName().toUtf8();
        if (fileName.size() > kMaxNameBytes)
            return tooLong(path);
        // The panel would refuse the whole package for this one name.
        if (!packsFileName(quint32(mode), fileName)) {
            emit occurrError(tr("文件名不安全: %1").arg(printableName(path.toUtf8())));
            return 0;
        }
        planned += kEntrySize + size;
        if (size >= kSizeLimit || planned >= kSizeLimit) {
            emit occurrError(tr("数据包超出2GB限制: %1").arg(path));
            return 0;
        }
        files.append(candidate);
        // The panel refuses a package of more files than a project holds.
        if (quint32(files.size()) > kMaxRecords) {
            emit occurrError(tr("文件数量超出限制"));
            return 0;
        }
    }

    if (m_skipped > kNamedSkips)
        emit occurrError(tr("另有%1个非普通文件被跳过").arg(m_skipped - kNamedSkips));
    m_skipped = 0;

    int count = 0;
    quint64 total = 0;
    for (const QFileInfo &file : qAsConst(files)) {
        const QString path = file.absoluteFilePath();
        QFile input;
        // Opening never waits, even when a link was turned to a FIFO meanwhile.
        WholeFile::Status refusal = WholeFile::Read;
        const int handle = WholeFile::openRegular(path, &refusal, nullptr);
        if (handle < 0 || !input.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            if (handle >= 0)
                ::close(handle);
            // Left out, the panel's copy would be deleted with the folder it replaces.
            emit occurrError(tr("读取文件失败: %1").arg(path));
            return 0;
        }
        const quint64 size = quint64(input.size());
        if (kHeaderSize + total + kEntrySize + size >= kSizeLimit) {
            emit occurrError(tr("数据包超出2GB限制: %1").arg(path));
            return 0;
        }
        const QByteArray entry = encodeEntry(file.fileName().toUtf8(), quint32(size));
        const CopyResult copied = output.write(entry) == entry.size() ? copyFile(input, qint64(size), output)
                                                                     : WriteFailed;
        if (copied == ReadFailed)
            emit occurrError(tr("读取文件失败: %1").arg(path));
        else if (copied == WriteFailed)
            emit occurrError(tr("写入数据包失败: %1").arg(output.fileName()));
        if (copied != Copied)
            return 0;
        total += kEntrySize + size;
        ++count;
        qDebug() << "PackageFiles success: " << path;
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
UploadServer::CopyResult UploadServer::copyFile(QFile &input, qint64 size, QFile &output)
{
    QByteArray piece(kPieceSize, Qt::Uninitialized);
    for (qint64 left = size; left > 0;) {
        if (stopping())
            return Stopped;
        const qint64 read = input.read(piece.data(), qMin<qint64>(left, kPieceSize));
        if (read <= 0)
            return ReadFailed;
        if (output.write(piece.constData(), read) != read)
            return WriteFailed;
        left -= read;
    }
    char extra;
    return input.read(&extra, 1) == 0 ? Copied : ReadFailed;
}

void UploadServer::run()
{
    m_busy = true;
    if (!packageFiles()) {
        // A stop during packing ends the run without a text.
        if (m_run)
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

    // The very file that was packed, never one reopened by its name. A stop
    // ends the sending, also while it waits for the panel: the panel sees the
    // connection end early, and nothing is said.
    TcpClient::SendResult sent = TcpClient::Sent;
    QByteArray piece(kPieceSize, Qt::Uninitialized);
    qint64 read = m_package.seek(0) ? m_package.read(piece.data(), kPieceSize) : -1;
    for (; read > 0 && sent == TcpClient::Sent; read = m_package.read(piece.data(), kPieceSize))
        sent = m_client->sendAll(piece.constData(), int(read), m_stallMs, m_run);
    if (read < 0 && sent == TcpClient::Sent)
        sent = TcpClient::Failed;
    // Every byte handed to the kernel is not yet every byte taken: the panel
    // closes once it holds the whole package, and resets when it could not
    // take it (it crashed, ran out of space or refused it).
    if (sent == TcpClient::Sent)
        sent = m_client->finish(m_stallMs, m_panelQuietMs, m_run);
    if (sent == TcpClient::Sent) {
        m_client->close();
        return tr("发送成功！");
    }
    // A stopped or failed upload ends on the panel's side now, not after the
    // megabytes still queued, which would reach it as a cut package.
    m_client->abort();
    if (sent == TcpClient::Stalled)
        return tr("等待发送超时");
    return sent == TcpClient::Failed ? tr("发送错误！") : QString();
}
