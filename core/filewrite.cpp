#include "filewrite.h"

#include <QDir>

#include <cerrno>
#include <cstring>

FileWrite::FileWrite(const QString &path, Status status, const QString &detail)
    : m_path(path)
    , m_status(status)
    , m_detail(detail)
{
}

FileWrite FileWrite::tooLarge(const QString &path, qint64 size, qint64 limit)
{
    FileWrite outcome(path, TooLarge);
    outcome.m_size = size;
    outcome.m_limit = limit;
    return outcome;
}

FileWrite::Status FileWrite::statusOfError(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
        return NoPermission;
    case ENOENT:
    case ENOTDIR:
        return FolderMissing;
    default:
        return Failed;
    }
}

FileWrite FileWrite::ofError(const QString &path, int error)
{
    return FileWrite(path, statusOfError(error), QString::fromLocal8Bit(std::strerror(error)));
}

QString FileWrite::reason() const
{
    switch (m_status) {
    case Written:
        break;
    case NotAFile:
        return tr("该位置是设备、管道、套接字或文件夹，不是普通文件");
    case DanglingLink:
        return tr("该位置是指向不存在文件的链接");
    case NoPermission:
        return tr("没有写入权限");
    case NoSpace:
        return tr("磁盘空间不足");
    case TooLarge:
        return tr("文件将有%1字节，大于设计器能读取的%2MB，未保存").arg(m_size).arg(m_limit >> 20);
    case FolderMissing:
        return tr("所在的文件夹不存在");
    case Unreadable:
        return tr("无法读取源文件");
    case Failed:
        return m_detail.isEmpty() ? tr("写入失败") : tr("写入失败: %1").arg(m_detail);
    }
    return QString();
}

QString FileWrite::problem(const QString &lead) const
{
    if (m_status == Written)
        return QString();
    return lead + QDir::toNativeSeparators(m_path) + QLatin1Char('\n') + reason();
}

QString FileWrite::problem() const
{
    return problem(tr("保存文件失败: "));
}
