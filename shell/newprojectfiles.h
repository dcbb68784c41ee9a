#pragma once

#include "core/filewrite.h"

#include <QString>

// The folder and first files of a new project, made while the open project
// is still open, so that a full disk or a folder that cannot be made keeps
// it open. A folder made now takes the files at once; into a folder that was
// there they go to a scratch folder inside it, and are moved into place only
// once the open project has closed (it may be that very folder). Whatever
// was made goes again unless it was committed; nothing that stood there
// before is touched until then.
class NewProjectFiles
{
public:
    explicit NewProjectFiles(const QString &projectDir);
    ~NewProjectFiles();
    NewProjectFiles(const NewProjectFiles &) = delete;
    NewProjectFiles &operator=(const NewProjectFiles &) = delete;

    // Makes the project folder with its missing parents, or the scratch
    // folder inside the one there.
    FileWrite makeFolder();
    // Where the files are written until the commit.
    QString filesDir() const;
    // The path a user is shown for one below filesDir(): where it will be.
    QString shownPath(const QString &path) const;
    // Moves the files into the project folder, replacing files of their
    // names; with clearFolder set, what else the folder held goes first.
    FileWrite commit(bool clearFolder);

private:
    void discard();

    QString m_dir;
    QString m_firstMade;   // the topmost folder made here, if any
    QString m_scratch;     // inside a project folder that was there
    bool m_committed = false;
};
