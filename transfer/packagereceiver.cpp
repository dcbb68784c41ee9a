#include "packagereceiver.h"

#include "core/fileutils.h"
#include "transfer/folderremover.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace PackageFormat;

namespace {
const char kStagingMark[] = ".incoming-";
} // namespace

PackageReceiver::PackageReceiver(const QString &dataFile, const QString &configDir, const QString &allDir,
                                 FolderRemover *remover)
    : m_dataFile(dataFile)
    , m_configDir(configDir)
    , m_allDir(allDir)
    , m_remover(remover)
{
}

PackageReceiver::~PackageReceiver()
{
    removeStaging();
}

PackageReceiver::Status PackageReceiver::feed(const char *data, qint64 size)
{
    while (size > 0 && m_status == Collecting) {
        qint64 taken = 0;
        bool ok = true;
        if (m_stage == HeaderStage || m_stage == EntryStage) {
            const int full = m_stage == HeaderStage ? kHeaderSize : kEntrySize;
            taken = qMin<qint64>(full - m_fixed.size(), size);
            m_fixed.append(data, int(taken));
            if (m_fixed.size() == full) {
                m_position += quint64(full);
                ok = m_stage == HeaderStage ? takeHeader() : takeEntry();
                m_fixed.clear();
            }
        } else if (m_stage == DataStage) {
            taken = qint64(qMin<quint64>(m_left, quint64(size)));
            m_position += quint64(taken);
            m_left -= quint64(taken);
            if (m_file.write(data, taken) != taken) {
                ok = fail(m_header.type == Data ? tr("写入文件%1失败!").arg(m_recordName)
                                                : tr("写入%1文件失败!").arg(m_recordName));
            } else if (m_left == 0) {
                ok = finishRecord();
            }
        } else {
            taken = qint64(qMin<quint64>(m_end - m_position, quint64(size)));
            m_position += quint64(taken);
        }
        data += taken;
        size -= taken;
        if (ok && m_stage == RestStage && m_position == m_end) {
            m_stage = DoneStage;
            m_status = Complete;
        }
    }
    return m_status;
}

bool PackageReceiver::fail(const QString &reason)
{
    if (m_status != Failed)
        m_error = reason;
    m_status = Failed;
    m_stage = DoneStage;
    removeStaging();
    return false;
}

void PackageReceiver::cutShort()
{
    if (m_status == Collecting)
        fail(tr("数据包不完整"));
}

bool PackageReceiver::takeHeader()
{
    m_header = decodeHeader(m_fixed.constData());
    qDebug() << "get projectMessage name: " << m_header.name << "file numbers : " << m_header.fileNumbers
             << "file packetSize :" << m_header.packetSize;
    if (m_header.packetSize >= kSizeLimit)
        return fail(tr("数据包大小超出限制"));
    m_end = kHeaderSize + quint64(m_header.packetSize);
    switch (m_header.type) {
    case Data:
        m_target = m_dataFile;
        break;
    case Config:
        m_target = m_configDir;
        break;
    case All:
        m_target = m_allDir;
        break;
    default:
        break;
    }
    if (m_target.isEmpty() || m_header.fileNumbers == 0) {
        // Nothing to write; the rest of the package is read and dropped.
        m_target.clear();
        m_stage = RestStage;
        return true;
    }
    if (m_header.type == Data && m_header.fileNumbers != 1)
        return fail(tr("文件错误, 数据文件数量不对"));
    if (m_header.fileNumbers > kMaxRecords)
        return fail(tr("文件数量超出限制"));
    if (!makeStaging())
        return false;
    return nextRecord();
}

bool PackageReceiver::nextRecord()
{
    if (m_records == m_header.fileNumbers) {
        // Bytes that no record claims would be dropped unsaid: a record that
        // claims less than it carries would be stored cut short.
        if (m_position != m_end)
            return fail(tr("文件记录与数据包大小不符"));
        m_stage = RestStage;
        return true;
    }
    if (m_position + kEntrySize > m_end)
        return fail(tr("文件记录超出数据包范围"));
    m_stage = EntryStage;
    return true;
}

bool PackageReceiver::takeEntry()
{
    const Entry entry = decodeEntry(m_fixed.constData());
    m_recordName = printableName(entry.name);
    if (!entry.terminated || !acceptsRecordName(m_header.type, entry.name))
        return fail(tr("文件名不安全: %1").arg(m_recordName));
    if (entry.size >= kSizeLimit)
        return fail(tr("数据包大小超出限制"));
    if (m_position + entry.size > m_end)
        return fail(tr("文件记录超出数据包范围"));

    // A data package names its file only for messages; it always becomes
    // the data file.
    QString path = m_staging + QLatin1Char('/');
    path += m_header.type == Data ? QFileInfo(m_dataFile).fileName() : m_recordName;
    if (m_header.type == All)
        QDir().mkpath(QFileInfo(path).path());
    qDebug() << "---------->" << path;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return fail(m_header.type == Data ? tr("打开写入文件%1失败!").arg(m_recordName)
                                          : tr("打开%1文件失败!").arg(m_recordName));
    }
    m_left = entry.size;
    m_stage = DataStage;
    return m_left > 0 || finishRecord();
}

bool PackageReceiver::finishRecord()
{
    const bool written = m_file.flush();
    m_file.close();
    if (!written || m_file.error() != QFileDevice::NoError) {
        return fail(m_header.type == Data ? tr("写入文件%1失败!").arg(m_recordName)
                                          : tr("写入%1文件失败!").arg(m_recordName));
    }
    qDebug() << "write name;" << m_recordName << ", length" << m_file.size();
    ++m_records;
    return nextRecord();
}

bool PackageReceiver::makeStaging()
{
    const QFileInfo target(m_target);
    const QString parent = target.absolutePath();
    if (!generateDirectorys(parent)) {
        return fail(m_header.type == Data ? tr("创建数据目录失败")
                                          : tr("创建目录%1失败!").arg(m_target));
    }
    sweepStaging(parent, target.fileName());
    // Beside the target, so that putting it in place is a rename.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = QLatin1Char('.') + target.fileName() + QLatin1String(kStagingMark)
            + QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (QDir(parent).mkdir(name)) {
            m_staging = parent + QLatin1Char('/') + name;
            m_stagingLock = FolderRemover::lockFolder(m_staging);
            return true;
        }
    }
    return fail(tr("创建目录%1失败!").arg(m_target));
}

void PackageReceiver::sweepStaging(const QString &parent, const QString &targetName)
{
    // Only names of this receiver's own making; the remover skips a folder
    // whose receive is still under way, since that one holds its lock. A link
    // by such a name is a target that was a link, put aside: it goes itself.
    const QStringList stale = QDir(parent).entryList(
        {QLatin1Char('.') + targetName + QLatin1String(kStagingMark) + QLatin1Char('*')},
        QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : stale)
        m_remover->remove(parent + QLatin1Char('/') + name);
}

void PackageReceiver::removeStaging()
{
    if (m_file.isOpen())
        m_file.close();
    if (m_stagingLock >= 0)
        ::close(m_stagingLock);
    m_stagingLock = -1;
    if (!m_staging.isEmpty())
        m_remover->remove(m_staging);
    m_staging.clear();
}

bool PackageReceiver::commit()
{
    if (m_status != Complete)
        return false;
    if (m_staging.isEmpty())
        return true;
    if (!putInPlace()) {
        qDebug() << "put in place fail: " << m_target << errno;
        return fail(tr("替换目标失败: %1").arg(m_target));
    }
    removeStaging();
    return true;
}

bool PackageReceiver::putInPlace()
{
    const QByteArray target = QFile::encodeName(m_target);
    if (m_header.type == Data) {
        const QString staged = m_staging + QLatin1Char('/') + QFileInfo(m_dataFile).fileName();
        return std::rename(QFile::encodeName(staged).constData(), target.constData()) == 0;
    }
    const QByteArray staging = QFile::encodeName(m_staging);
    // The old folder and the new one change places in one step; the old one
    // then goes with the staging folder.
    if (::renameat2(AT_FDCWD, staging.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0)
        return true;
    if (errno == ENOENT && !QFileInfo::exists(m_target) && !QFileInfo(m_target).isSymLink()) {
        if (std::rename(staging.constData(), target.constData()) != 0)
            return false;
        m_staging.clear();
        return true;
    }
    if (errno != EINVAL)
        return false;
    // A file system that cannot exchange: the old folder steps aside first
    // and comes back when the new one cannot take its place.
    const QByteArray aside = staging + ".old";
    if (std::rename(target.constData(), aside.constData()) != 0)
        return false;
    if (std::rename(staging.constData(), target.constData()) != 0) {
        std::rename(aside.constData(), target.constData());
        return false;
    }
    m_staging = QFile::decodeName(aside);
    return true;
}
