#pragma once

#include "core/filewrite.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// File and folder helpers shared by the project store, the dialogs and the
// transfer code. Failures go to the debug stream and come back as false; no
// message is shown.

// Creates every missing folder of the path, parent first (makeFolders, for
// callers that need only whether it worked).
bool generateDirectorys(const QString &path);
// Creates the folder when missing, then creates (or empties) dir + "/" + name.
FileWrite createFile(const QString &dir, const QString &fileName);
// Copies a file in blocks; the destination is replaced only by a complete
// copy. Refuses to copy a file onto itself, a source that is no regular file
// and a destination that writeFileAtomically refuses.
FileWrite copyFile(const QString &src, const QString &dst);
// Renames when it can, otherwise copies and removes the source after the
// copy is complete; an existing destination stays until it is replaced.
bool moveFile(const QString &src, const QString &dst);
// True when no file is at the path afterwards (also when there was none).
bool removeFile(const QString &path);
// Copies the top-level files of src into dst (no recursion). With cover set
// the destination is emptied first. False when src does not exist, when dst
// is a symbolic link, when cover is set and src lies inside dst (nothing is
// touched then), and when dst cannot be emptied or a file cannot be copied;
// *firstFailure then says which copy failed first and why.
bool copyDirectory(const QString &src, const QString &dst, bool cover, FileWrite *firstFailure = nullptr);
// Removes everything inside the folder but the entry named keep, and keeps
// the folder. A folder given as a symbolic link is refused; links inside are
// removed as links, never followed. *failure says what stayed, and why.
bool clearDirectory(const QString &path, const QString &keep = QString(), FileWrite *failure = nullptr);
// Removes the folder with everything inside; a link is removed as a link.
bool removeDirectory(const QString &path);
// A name that stays inside the folder it is joined to: not empty, no
// separator, not "." or "..", no NUL. Page files and pictures of a project
// are named so.
bool isBareFileName(const QString &name);
// The part after the last "/" or "\", or the whole path.
QString fileNameOfPath(const QString &path);
// What to hand Qt's picture loading (QPixmap, QImage, a style sheet's url())
// for a picture named by a project, a page or the user: the path when it
// names a regular file, else an empty path, which Qt loads as no picture
// without touching the disk. Qt opens the name itself and would wait for
// ever on a FIFO; loading by name keeps QPixmapCache serving repeated loads.
QString loadablePicture(const QString &path);

// Writes the whole file through a temporary beside it and a rename, so that a
// failure leaves the previous file untouched: the rename happens only once
// every byte is on disk and synced, so a full disk or a failed sync never
// empties or cuts the file; the folder is synced after the rename, so that
// a write reported done outlives a power cut.
// Writes only where nothing, a regular file or a link to a regular file
// stands (the link stays, its file is replaced); a device, FIFO, socket or
// folder, directly or through a link, and a link to nothing are refused and
// left as they are. With a limit, bytes over it are refused: the designer
// would not read the file back (WholeFile::limit of its kind).
FileWrite writeFileAtomically(const QString &path, const QByteArray &bytes, qint64 limit = -1);
// What a write to the path would meet as things stand: written when it would
// go, else the refusal writeFileAtomically would give. For an editor that
// must not take typing it cannot save.
FileWrite checkWritable(const QString &path);

// Test seam: the system calls that put a write's bytes on disk. While an
// Override lives the writer makes them through the calls it was given, so
// that a test can fail one as a disk does (a full disk at the write, an I/O
// error only at the sync); the previous calls come back when it ends.
struct FileWriteCalls
{
    ssize_t (*write)(int handle, const void *data, size_t size);
    int (*syncFile)(int handle);     // the temporary, before the rename
    int (*syncFolder)(int handle);   // its folder, after the rename

    class Override;
};

class FileWriteCalls::Override
{
public:
    explicit Override(const FileWriteCalls &calls);
    ~Override();
    Override(const Override &) = delete;
    Override &operator=(const Override &) = delete;

private:
    FileWriteCalls m_previous;
};
