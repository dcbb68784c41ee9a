#include "wholefile.h"

#include <QDebug>
#include <QDir>
#include <QFile>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A QByteArray holds less than 2 GiB.
const qint64 kHighestLimit = qint64(1) << 30;

// By kind, far above what the designer writes itself (the largest real page
// is well under 1 MB) except where a control keeps a whole grid template.
constexpr std::array<qint64, 7> kDefaultLimits{
    qint64(16) << 20,    // project file
    // A grid setting control keeps its whole template: the largest grid
    // (999 x 999 cells) takes some 168 MB of a page, at most 202 MiB with
    // every number at its widest; the rest is room for the page itself.
    qint64(256) << 20,   // page
    qint64(32) << 20,    // devices
    qint64(16) << 20,    // events
    // One template of the largest grid (999 x 999 cells, each listed) takes
    // some 128 MB as the editor writes it.
    qint64(512) << 20,   // grid templates
    qint64(16) << 20,    // script
    qint64(4) << 20,     // style sheet
};
static_assert(kDefaultLimits.size() == size_t(WholeFile::Kind::StyleSheet) + 1, "a bound for each kind");
std::array<qint64, kDefaultLimits.size()> kindLimits = kDefaultLimits;
} // namespace

qint64 WholeFile::limit(Kind kind)
{
    return kindLimits[int(kind)];
}

void WholeFile::setLimitForTesting(Kind kind, qint64 bytes)
{
    kindLimits[int(kind)] = bytes < 0 ? kDefaultLimits[int(kind)] : bytes;
}

WholeFile::WholeFile(const QString &path, qint64 limit)
    : m_path(path)
    , m_limit(qBound<qint64>(0, limit, kHighestLimit))
{
}

WholeFile WholeFile::read(const QString &path, qint64 limit)
{
    WholeFile file(path, limit);
    qint64 size = 0;
    const int handle = openRegular(path, &file.m_status, &size);
    if (handle >= 0) {
        file.m_status = file.readFrom(handle, size);
        ::close(handle);
    }
    if (file.m_status != Read) {
        file.m_bytes = QByteArray();
        qDebug() << "WholeFile::read" << path << file.m_status;
    }
    return file;
}

bool WholeFile::isRegular(const QString &path)
{
    Status failure = Missing;
    const int handle = openRegular(path, &failure, nullptr);
    if (handle < 0) {
        // Missing pictures are common and shown as none; only the odd ones are named.
        if (failure != Missing)
            qDebug() << "WholeFile::isRegular" << path << failure;
        return false;
    }
    ::close(handle);
    return true;
}

int WholeFile::openRegular(const QString &path, Status *failure, qint64 *size)
{
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        *failure = errno == ENOENT ? Missing : Unreadable;
        return -1;
    }
    // Checked on what was opened: a name swapped for a FIFO after a look at
    // it cannot slip through.
    struct stat status;
    const bool known = ::fstat(handle, &status) == 0;
    if (!known || !S_ISREG(status.st_mode)) {
        *failure = known ? NotRegular : Unreadable;
        ::close(handle);
        return -1;
    }
    if (size)
        *size = status.st_size;
    return handle;
}

WholeFile::Status WholeFile::readFrom(int handle, qint64 size)
{
    if (size > m_limit)
        return TooLarge;

    // The size is only a hint: one byte more than it says shows the end
    // without growing, and a file that grows is cut off at the bound.
    qint64 capacity = qMin<qint64>(size, m_limit) + 1;
    qint64 filled = 0;
    m_bytes = QByteArray(int(capacity), Qt::Uninitialized);
    for (;;) {
        if (filled == capacity) {
            if (filled > m_limit)
                return TooLarge;
            capacity = qMin(capacity * 2, m_limit + 1);
            m_bytes.resize(int(capacity));
        }
        const ssize_t count = ::read(handle, m_bytes.data() + filled, size_t(capacity - filled));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return Unreadable;
        if (count == 0)
            break;
        filled += count;
    }
    m_bytes.resize(int(filled));
    return Read;
}

QString WholeFile::problem() const
{
    const QString path = QDir::toNativeSeparators(m_path);
    switch (m_status) {
    case Read:
        break;
    case Missing:
        return tr("文件不存在: %1").arg(path);
    case Unreadable:
        return tr("读取文件失败: %1").arg(path);
    case NotRegular:
        return tr("不是普通文件，未读取: %1").arg(path);
    case TooLarge:
        return tr("文件大于%1MB，未读取: %2").arg(m_limit >> 20).arg(path);
    }
    return QString();
}
