#pragma once

#include <QObject>
#include <QString>

// The folders every layer works with: where the program runs, the system's
// temporary folder, and the folder and file of the open project. The project
// store keeps the project part current; this is the one copy of them.
class DesignerFolders : public QObject
{
    Q_OBJECT

public:
    static DesignerFolders *instance();

    // Forgets the project; the program's and the temporary folder are taken
    // afresh when next asked for, as a new session of the designer finds them.
    void reset();

    QString appDir() const;
    QString tempDir() const;
    QString projectDir() const { return m_projectDir; }
    QString projectFile() const { return m_projectFile; }
    bool isProjectOpen() const { return !m_projectDir.isEmpty() && !m_projectFile.isEmpty(); }
    // The project script, or empty while there is no project folder.
    QString scriptPath() const;
    static QString scriptFileName();

    void setProjectDir(const QString &dir) { m_projectDir = dir; }
    void setProjectFile(const QString &file) { m_projectFile = file; }
    // Said before the open project closes (also before another one opens).
    void announceProjectClosing();

signals:
    // The editors that write into the project's folder close first.
    void projectClosing();

private:
    DesignerFolders() = default;
    void takeSystemFolders() const;

    // Taken on first use, not when reset: a session starts when the designer
    // first needs them.
    mutable bool m_systemFoldersTaken = false;
    mutable QString m_appDir;
    mutable QString m_tempDir;
    QString m_projectDir;
    QString m_projectFile;
};
