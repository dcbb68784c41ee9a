#include "designerfolders.h"

#include <QCoreApplication>
#include <QDir>

DesignerFolders *DesignerFolders::instance()
{
    static DesignerFolders folders;
    return &folders;
}

void DesignerFolders::reset()
{
    m_systemFoldersTaken = false;
    m_projectDir.clear();
    m_projectFile.clear();
}

void DesignerFolders::takeSystemFolders() const
{
    if (m_systemFoldersTaken)
        return;
    m_appDir = QCoreApplication::applicationDirPath();
    m_tempDir = QDir::tempPath();
    m_systemFoldersTaken = true;
}

QString DesignerFolders::appDir() const
{
    takeSystemFolders();
    return m_appDir;
}

QString DesignerFolders::tempDir() const
{
    takeSystemFolders();
    return m_tempDir;
}

QString DesignerFolders::scriptPath() const
{
    return m_projectDir.isEmpty() ? QString() : m_projectDir + QLatin1Char('/') + scriptFileName();
}

QString DesignerFolders::scriptFileName()
{
    return QStringLiteral("main.js");
}

void DesignerFolders::announceProjectClosing()
{
    emit projectClosing();
}
