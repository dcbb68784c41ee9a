#include "designerfolders.h"

#include <QCoreApplication>
#include <QDir>

DesignerFolders *DesignerFolders::instance()
{
    static DesignerFolders folders;
    return &folders;
}

DesignerFolders::DesignerFolders()
{
    reset();
}

void DesignerFolders::reset()
{
    m_appDir = QCoreApplication::applicationDirPath();
    m_tempDir = QDir::tempPath();
    m_projectDir.clear();
    m_projectFile.clear();
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
