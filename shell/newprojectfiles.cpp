#include "newprojectfiles.h"

#include "core/fileutils.h"
#include "core/makefolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

NewProjectFiles::NewProjectFiles(const QString &projectDir)
    : m_dir(projectDir)
{
}

NewProjectFiles::~NewProjectFiles()
{
    if (!m_committed)
        discard();
}

FileWrite NewProjectFiles::makeFolder()
{
    const FileWrite made = makeFolders(m_dir, &m_firstMade);
    if (!made || !m_firstMade.isEmpty())
        return made;
    // Beside the files it replaces, so that the moves are renames.
    QByteArray pattern = QFile::encodeName(m_dir + QStringLiteral("/.new-project-XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        return FileWrite::ofError(m_dir, errno);
    m_scratch = QFile::decodeName(pattern);
    return made;
}

QString NewProjectFiles::filesDir() const
{
    return m_scratch.isEmpty() ? m_dir : m_scratch;
}

QString NewProjectFiles::shownPath(const QString &path) const
{
    if (!m_scratch.isEmpty() && path.startsWith(m_scratch + QLatin1Char('/')))
        return m_dir + path.mid(m_scratch.size());
    return path;
}

void NewProjectFiles::discard()
{
    if (!m_scratch.isEmpty())
        removeDirectory(m_scratch);
    if (!m_firstMade.isEmpty())
        removeDirectory(m_firstMade);
    m_scratch.clear();
    m_firstMade.clear();
}

FileWrite NewProjectFiles::commit(bool clearFolder)
{
    m_committed = true;
    if (m_scratch.isEmpty())
        return FileWrite(m_dir);
    FileWrite outcome(m_dir);
    if (clearFolder)
        clearDirectory(m_dir, QFileInfo(m_scratch).fileName(), &outcome);
    const QFileInfoList files = QDir(m_scratch).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &file : files) {
        if (!outcome)
            break;
        const QString target = m_dir + QLatin1Char('/') + file.fileName();
        if (std::rename(QFile::encodeName(file.absoluteFilePath()).constData(), QFile::encodeName(target).constData()) != 0)
            outcome = FileWrite::ofError(target, errno);
    }
    removeDirectory(m_scratch);
    m_scratch.clear();
    return outcome;
}
