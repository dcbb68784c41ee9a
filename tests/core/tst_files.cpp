#include "core/fileutils.h"
#include "core/iniutils.h"
#include "core/wholefile.h"
#include "tests/testsupport.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FileWrite::Status)

namespace {

QByteArray patternBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + 7) & 0xFF);
    return bytes;
}

QStringList entriesOf(const QString &path)
{
    return QDir(path).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System,
                                QDir::Name | QDir::IgnoreCase);
}

// The disk the writer meets while a DiskSeam lives: a file takes only so
// many bytes before a write fails with ENOSPC, as on a full disk (a
// negative room: no end); the sync of the file fails with syncError; the
// folder's with folderSyncError. What each sync saw is kept.
qint64 diskRoom = -1;
int syncError = 0;
int folderSyncError = 0;
qint64 sizeAtSync = -1;          // of the synced file
QByteArray targetAtSync;         // what "dst.bin" held when the file was synced
QStringList syncedFolders;
QByteArrayList heldAtFolderSync; // what "dst.bin" of the folder held then

QString pathOfHandle(int handle)
{
    return QFileInfo(QStringLiteral("/proc/self/fd/%1").arg(handle)).symLinkTarget();
}

ssize_t writeWithinRoom(int handle, const void *data, size_t size)
{
    const off_t at = ::lseek(handle, 0, SEEK_CUR);
    if (diskRoom >= 0 && at >= diskRoom) {
        errno = ENOSPC;
        return -1;
    }
    return ::write(handle, data, diskRoom < 0 ? size : size_t(qMin<qint64>(qint64(size), diskRoom - at)));
}

int syncOrFail(int handle)
{
    struct stat status;
    sizeAtSync = ::fstat(handle, &status) == 0 ? qint64(status.st_size) : -1;
    targetAtSync = readFixture(QFileInfo(pathOfHandle(handle)).absolutePath() + QStringLiteral("/dst.bin"));
    if (syncError != 0) {
        errno = syncError;
        return -1;
    }
    return ::fdatasync(handle);
}

int recordFolderSync(int handle)
{
    const QString folder = pathOfHandle(handle);
    syncedFolders << folder;
    heldAtFolderSync << readFixture(folder + QStringLiteral("/dst.bin"));
    if (folderSyncError != 0) {
        errno = folderSyncError;
        return -1;
    }
    return ::fsync(handle);
}

FileWriteCalls failingDisk(qint64 room, int fileError, int folderError)
{
    diskRoom = room;
    syncError = fileError;
    folderSyncError = folderError;
    sizeAtSync = -1;
    targetAtSync.clear();
    syncedFolders.clear();
    heldAtFolderSync.clear();
    return FileWriteCalls{writeWithinRoom, syncOrFail, recordFolderSync};
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void foldersAndEmptyFilesAreCreated()
    {
        TestWorkDir work;
        QVERIFY(writeFixture("a/b/file.txt", "keep") && generateDirectorys("a/b/c/d/"));
        QVERIFY(!generateDirectorys("a/b/file.txt/c") && createFile("a/b", "file.txt") && !createFile("a", "b"));
        QCOMPARE(entriesOf("a/b"), QStringList({"c", "file.txt"}));
        QCOMPARE(readFixture("a/b/file.txt"), QByteArray());
    }

    void copyAndMoveFile_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<bool>("result");
        const QString page("data/page.json");
        // Nothing of a longer destination may survive behind the copy.
        QTest::newRow("copy over a longer file") << "copy" << page << "long.bin" << true;
        QTest::newRow("move over a longer file") << "move" << page << "long.bin" << true;
        for (const char *operation : {"copy", "move"}) {
            // The source would be emptied before it is read.
            QTest::newRow(qPrintable(QString("%1 onto itself through dot-dot").arg(operation)))
                << operation << page << "data/../data/./page.json" << false;
            QTest::newRow(qPrintable(QString("%1 onto itself through a link").arg(operation)))
                << operation << page << "link.json" << false;
            QTest::newRow(qPrintable(QString("%1 onto itself through a linked folder").arg(operation)))
                << operation << "linkdir/page.json" << page << false;
            QTest::newRow(qPrintable(QString("%1 from nowhere").arg(operation)))
                << operation << "missing.txt" << "long.bin" << false;
        }
        QTest::newRow("copy a folder") << "copy" << "data" << "long.bin" << false;
        QTest::newRow("copy into a missing folder") << "copy" << page << "no/such/new.bin" << false;
        QTest::newRow("move onto a folder") << "move" << "long.bin" << "data" << false;
        // Reading the process's own memory fails right after a successful open.
        QTest::newRow("copy an unreadable file over one") << "copy" << "/proc/self/mem" << "long.bin" << false;
    }
    void copyAndMoveFile()
    {
        QFETCH(QString, operation);
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(bool, result);
        TestWorkDir work;
        QVERIFY(writeFixture("data/page.json", patternBytes(3000)) && writeFixture("long.bin", patternBytes(5000)));
        QVERIFY(QFile::link("data/page.json", "link.json") && QFile::link("data", "linkdir"));
        const QStringList before = entriesOf(".");
        const QByteArray sourceBytes = readFixture(source);
        const QByteArray expected = result ? sourceBytes : readFixture(destination);
        QCOMPARE(operation == "copy" ? copyFile(source, destination).isWritten() : moveFile(source, destination), result);
        QCOMPARE(readFixture(destination), expected);
        QCOMPARE(readFixture(source), result && operation == "move" ? QByteArray() : sourceBytes);
        // No temporary left behind beside the destination.
        QCOMPARE(entriesOf("."), before);
    }

    // A full disk as a file size limit: a write fails half way, or, for a
    // file smaller than Qt's buffer, only when the buffer is flushed on
    // committing, which QSaveFile::commit() does not report.
    // QSettings commits a file that a full disk cut short: the settings keep
    // their bytes instead, and with room the value goes in beside the others.
    void settingsKeepTheirBytesOnAFullDisk_data()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("no byte fits") << 0;
        QTest::newRow("the old file fits, the new one does not") << 120;
    }
    void settingsKeepTheirBytesOnAFullDisk()
    {
        QFETCH(int, limit);
        TestWorkDir work;
        const QByteArray old = "[config]\nlanguage=1\nopen_dir=/" + QByteArray(80, 'd') + "\n";
        QVERIFY(writeFixture("config.ini", old));
        const QString longer = "/" + QString(300, 'p');
        {
            FileSizeLimit full{rlim_t(limit)};
            if (!full.active)
                QSKIP("the file size limit cannot be set here");
            QVERIFY(!writeIniValueQuiet("config.ini", "/config/open_dir", longer));
        }
        QCOMPARE(readFixture("config.ini"), old);
        QCOMPARE(entriesOf("."), QStringList("config.ini"));
        QVERIFY(writeIniValueQuiet("config.ini", "/config/open_dir", longer));
        QCOMPARE(readIniString("config.ini", "/config/open_dir"), longer);
        QCOMPARE(readIniInt("config.ini", "/config/language"), 1);
        QCOMPARE(entriesOf("."), QStringList("config.ini"));
    }

    // A crash half way through a settings write leaves nothing in the run
    // folder: the scratch copy is made in the temporary folder, which the
    // system sweeps.
    void crashWhileSettingsAreWrittenLeavesNothingBeside()
    {
        TestWorkDir work;
        const QByteArray old = "[config]\nlanguage=1\n";
        QVERIFY(writeFixture("config.ini", old) && QDir().mkdir("tmp"));
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            qputenv("TMPDIR", QFile::encodeName(work.filePath("tmp")));
            const FileWriteCalls::Override crash(
                {[](int, const void *, size_t) -> ssize_t { ::_exit(9); }, ::fdatasync, ::fsync});
            writeIniValueQuiet("config.ini", "/config/language", "2");
            ::_exit(0);
        }
        int status = 0;
        QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 9);
        QCOMPARE(readFixture("config.ini"), old);
        QCOMPARE(entriesOf("."), (QStringList{"config.ini", "tmp"}));
    }

    void interruptedWriteKeepsPreviousFile_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("limit");
        for (const char *operation : {"copy", "move", "write"}) {
            QTest::addRow("%s, cut half way", operation) << operation << 64 * 1024 << 4096;
            QTest::addRow("%s, small file", operation) << operation << 600 << 256;
            QTest::addRow("%s, no byte fits", operation) << operation << 600 << 0;
        }
    }
    void interruptedWriteKeepsPreviousFile()
    {
        QFETCH(QString, operation);
        QFETCH(int, size);
        QFETCH(int, limit);
        TestWorkDir work;
        const QByteArray big = patternBytes(size);
        QString source = work.filePath("src.bin");
        std::unique_ptr<QTemporaryDir> remote;
        if (operation == "move") {
            // Another file system, where a move has to copy.
            const QString other = QStringLiteral("/dev/shm");
            if (!QFileInfo(other).isWritable() || QStorageInfo(other).device() == QStorageInfo(work.path()).device())
                QSKIP("no second file system to move across");
            remote.reset(new QTemporaryDir(other + QStringLiteral("/brivane-move-XXXXXX")));
            source = remote->filePath("src.bin");
        }
        QVERIFY(writeFixture(source, big) && writeFixture("dst.bin", "previous"));
        bool done = true;
        FileWrite outcome(QString(), FileWrite::Written);
        {
            FileSizeLimit fileLimit{rlim_t(limit)};
            if (!fileLimit.active)
                QSKIP("the file size limit cannot be set here");
            if (operation == "move")
                done = moveFile(source, "dst.bin");
            else
                outcome = operation == "copy" ? copyFile(source, "dst.bin") : writeFileAtomically("dst.bin", big);
        }
        QVERIFY(!done || !outcome);
        if (operation != "move") {
            QCOMPARE(outcome.status(), FileWrite::NoSpace);
            QCOMPARE(outcome.path(), QStringLiteral("dst.bin"));
            QVERIFY(outcome.problem().contains(QStringLiteral("dst.bin")));
        }
        QCOMPARE(readFixture("dst.bin"), QByteArray("previous"));
        QCOMPARE(readFixture(source), big);
        QCOMPARE(entriesOf("."), operation == "move" ? QStringList("dst.bin") : QStringList({"dst.bin", "src.bin"}));
        // Without the limit the same move completes.
        if (operation == "move") {
            QVERIFY(moveFile(source, "dst.bin") && !QFileInfo::exists(source));
            QCOMPARE(readFixture("dst.bin"), big);
        }
    }

    // A disk that fails at the write or only at the sync: the old file stays
    // byte for byte, nothing is left beside it, and the path and the reason
    // are said. A file system that cannot sync at all still saves.
    void failingDiskKeepsThePreviousFile_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("size");
        QTest::addColumn<qint64>("room");   // bytes a file takes; negative: no end
        QTest::addColumn<int>("syncError");
        QTest::addColumn<FileWrite::Status>("status");
        QTest::addColumn<QString>("reason");
        const QString noSpace = QString::fromUtf8("磁盘空间不足");
        const QString ioError = QString::fromUtf8("写入失败: ") + QString::fromLocal8Bit(std::strerror(EIO));
        for (const char *operation : {"write", "copy"}) {
            QTest::addRow("%s, full at the first byte", operation)
                << operation << 600 << qint64(0) << 0 << FileWrite::NoSpace << noSpace;
            // Over several blocks of a copy.
            QTest::addRow("%s, full half way", operation)
                << operation << 200 * 1024 << qint64(100 * 1024) << 0 << FileWrite::NoSpace << noSpace;
            QTest::addRow("%s, I/O error at the sync", operation)
                << operation << 600 << qint64(-1) << EIO << FileWrite::Failed << ioError;
            // Thin storage finds it has no room only when the data goes down.
            QTest::addRow("%s, full at the sync", operation)
                << operation << 600 << qint64(-1) << ENOSPC << FileWrite::NoSpace << noSpace;
            QTest::addRow("%s, no sync on this file system", operation)
                << operation << 600 << qint64(-1) << EINVAL << FileWrite::Written << QString();
        }
    }
    void failingDiskKeepsThePreviousFile()
    {
        QFETCH(QString, operation);
        QFETCH(int, size);
        QFETCH(qint64, room);
        QFETCH(int, syncError);
        QFETCH(FileWrite::Status, status);
        QFETCH(QString, reason);
        TestWorkDir work;
        const QByteArray bytes = patternBytes(size);
        QVERIFY(writeFixture("src.bin", bytes) && writeFixture("dst.bin", "previous"));
        const QMap<QString, QByteArray> before = folderSnapshot(work.path());
        FileWrite outcome(QString(), FileWrite::Written);
        {
            const FileWriteCalls::Override disk(failingDisk(room, syncError, 0));
            outcome = operation == "write" ? writeFileAtomically("dst.bin", bytes) : copyFile("src.bin", "dst.bin");
        }
        QCOMPARE(outcome.status(), status);
        QCOMPARE(outcome.reason(), reason);
        if (room < 0) {
            // The sync saw every byte, before the rename.
            QCOMPARE(sizeAtSync, qint64(size));
            QCOMPARE(targetAtSync, QByteArray("previous"));
        }
        if (outcome) {
            QCOMPARE(readFixture("dst.bin"), bytes);
            QCOMPARE(entriesOf("."), QStringList({"dst.bin", "src.bin"}));
            return;
        }
        QCOMPARE(outcome.path(), QStringLiteral("dst.bin"));
        QCOMPARE(outcome.problem(QStringLiteral("lead: ")), "lead: dst.bin\n" + reason);
        QCOMPARE(folderSnapshot(work.path()), before);
    }

    // Once the new file is in place its folder is synced, so that the rename
    // outlives a power cut; a folder that cannot be synced leaves the save
    // done, as its bytes are in place.
    void savedFileIsSyncedWithItsFolder_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("folderError");
        for (const char *operation : {"write", "copy"}) {
            QTest::addRow("%s", operation) << operation << "real/dst.bin" << 0;
            // The folder of the file, not of the link.
            QTest::addRow("%s through a link", operation) << operation << "link.bin" << 0;
            QTest::addRow("%s, the folder sync fails", operation) << operation << "real/dst.bin" << EIO;
        }
    }
    void savedFileIsSyncedWithItsFolder()
    {
        QFETCH(QString, operation);
        QFETCH(QString, path);
        QFETCH(int, folderError);
        TestWorkDir work;
        const QByteArray bytes = patternBytes(3000);
        QVERIFY(writeFixture("src.bin", bytes) && writeFixture("real/dst.bin", "previous"));
        QVERIFY(QFile::link(work.filePath("real/dst.bin"), "link.bin"));
        FileWrite outcome(QString(), FileWrite::Failed);
        {
            const FileWriteCalls::Override disk(failingDisk(-1, 0, folderError));
            outcome = operation == "write" ? writeFileAtomically(path, bytes) : copyFile("src.bin", path);
        }
        QVERIFY2(outcome, qPrintable(outcome.problem()));
        QCOMPARE(outcome.path(), path);
        QCOMPARE(readFixture("real/dst.bin"), bytes);
        QCOMPARE(entriesOf("real"), QStringList("dst.bin"));
        QCOMPARE(syncedFolders, QStringList(QDir(work.filePath("real")).canonicalPath()));
        QCOMPARE(heldAtFolderSync, QByteArrayList({bytes}));
    }

    // Root passes every access check: these run as a user.
    void userMayNotWriteWhatThePermissionsRefuse_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode");
        QTest::newRow("a file the user may not write") << 0777 << 0444;
        QTest::newRow("a folder the user may not write") << 0555 << 0666;
    }
    void userMayNotWriteWhatThePermissionsRefuse()
    {
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QString whyNot;
        if (!canRunAsNobody(&whyNot))
            QSKIP(qPrintable(whyNot));
        TestWorkDir work;
        const QByteArray bytes = patternBytes(3000);
        const QString source = work.filePath("source.bin");
        const QString thing = work.filePath("folder/thing");
        QVERIFY(writeFixture(source, bytes) && writeFixture(thing, "previous"));
        // The temporary folder is its owner's alone.
        QCOMPARE(::chmod(QFile::encodeName(work.path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(source).constData(), 0644), 0);
        QCOMPARE(::chmod(QFile::encodeName(thing).constData(), mode_t(fileMode)), 0);
        QCOMPARE(::chmod(QFile::encodeName(work.filePath("folder")).constData(), mode_t(folderMode)), 0);
        const QMap<QString, QByteArray> before = folderSnapshot(work.path());

        QByteArray answer;
        const bool ran = runAsNobody([&] {
            QByteArray said;
            QDataStream out(&said, QIODevice::WriteOnly);
            for (const FileWrite &outcome : {checkWritable(thing), writeFileAtomically(thing, bytes), copyFile(source, thing)})
                out << int(outcome.status()) << outcome.problem(QString());
            return said;
        }, &answer);
        QVERIFY(ran);
        QDataStream in(answer);
        for (const char *call : {"checkWritable", "writeFileAtomically", "copyFile"}) {
            int status = -1;
            QString said;
            in >> status >> said;
            QVERIFY2(status == FileWrite::NoPermission, call);
            QCOMPARE(said, thing + QString::fromUtf8("\n没有写入权限"));
        }
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(in.atEnd());
        QCOMPARE(folderSnapshot(work.path()), before);
    }

    // A file the designer would refuse to read back is never written.
    void writesOverTheBoundAreRefused()
    {
        TestWorkDir work;
        const qint64 bound = qint64(1) << 20;
        QVERIFY(writeFixture("page.json", "previous"));
        const FileWrite over = writeFileAtomically("page.json", patternBytes(int(bound) + 1), bound);
        QCOMPARE(over.status(), FileWrite::TooLarge);
        QCOMPARE(readFixture("page.json"), QByteArray("previous"));
        QCOMPARE(entriesOf("."), QStringList("page.json"));
        const QString said = over.problem(QStringLiteral("open file fail: "));
        QVERIFY2(said.startsWith("open file fail: page.json\n") && said.contains("1048577") && said.contains("1MB"),
                 qPrintable(said));
        QVERIFY(writeFileAtomically("page.json", patternBytes(int(bound)), bound));
        QCOMPARE(readFixture("page.json"), patternBytes(int(bound)));
    }

    void writesGoOnlyWhereAFileStands_data()
    {
        QTest::addColumn<QString>("operation");   // "write", "copy", or "copy from" the thing
        QTest::addColumn<QString>("kind");        // at "thing"; ".link": a link to it, made elsewhere
        QTest::addColumn<FileWrite::Status>("status");
        for (const char *operation : {"write", "copy"}) {
            const auto row = [operation](const char *what) {
                return &QTest::addRow("%s over %s", operation, what);
            };
            *row("nothing") << operation << "missing" << FileWrite::Written;
            *row("a regular file") << operation << "file" << FileWrite::Written;
            *row("a link to a regular file") << operation << "file.link" << FileWrite::Written;
            // Written through, each would put a regular file in its place.
            *row("a link to nothing") << operation << "nowhere" << FileWrite::DanglingLink;
            *row("a device") << operation << "device" << FileWrite::NotAFile;
            *row("a link to a device") << operation << "zero" << FileWrite::NotAFile;
            for (const char *kind : {"FIFO", "socket", "folder"}) {
                const QString made = QString(kind).toLower();
                *row(qPrintable(QString("a %1").arg(kind))) << operation << made << FileWrite::NotAFile;
                *row(qPrintable(QString("a link to a %1").arg(kind))) << operation << made + ".link"
                                                                         << FileWrite::NotAFile;
            }
            // Its folder was moved away: nothing makes it again.
            *row("a folder that is gone") << operation << "gone" << FileWrite::FolderMissing;
        }
        // Opening one would wait for a writer for ever.
        QTest::newRow("copy from a FIFO") << "copy from" << "fifo" << FileWrite::Unreadable;
        QTest::newRow("copy from a link to a FIFO") << "copy from" << "fifo.link" << FileWrite::Unreadable;
    }
    void writesGoOnlyWhereAFileStands()
    {
        QFETCH(QString, operation);
        QFETCH(QString, kind);
        QFETCH(FileWrite::Status, status);
        TestWorkDir work;
        const QString thing = work.filePath(kind == "gone" ? "gone/thing" : "thing");
        const QString base = kind.section('.', 0, 0);
        const QString made = kind.endsWith(".link") ? work.filePath("elsewhere/" + base) : thing;
        if (base == "device" && ::geteuid() != 0)
            QSKIP("only root makes a device");
        QVERIFY(writeFixture("source.bin", patternBytes(3000)) && writeFixture("previous.bin", "previous"));
        if (base == "file")
            QVERIFY(writeFixture(made, "the old contents, longer than nothing"));
        else if (base == "nowhere")
            QVERIFY(QFile::link("nowhere", thing));
        else if (base != "missing" && base != "gone")
            QVERIFY(makeSpecialFile(made, base));
        if (made != thing)
            QVERIFY(QFile::link(made, thing));
        const QMap<QString, QByteArray> before = folderSnapshot(work.path());

        const bool result = status == FileWrite::Written;
        {
            const ReadWatchdog watchdog;
            // What an editor is told on opening is what its save would meet.
            if (operation != "copy from")
                QCOMPARE(checkWritable(thing).status(), status);
            const FileWrite outcome = operation == "write" ? writeFileAtomically(thing, patternBytes(3000))
                                      : operation == "copy" ? copyFile("source.bin", thing)
                                                            : copyFile(thing, "previous.bin");
            QCOMPARE(outcome.status(), status);
            // Said with the whole path of what was named and the reason.
            QCOMPARE(outcome.path(), thing);
            QCOMPARE(outcome.problem(QString()).section('\n', 0, 0), result ? QString() : thing);
            QCOMPARE(outcome.reason().isEmpty(), result);
        }
        QCOMPARE(QFileInfo::exists(work.filePath("gone")), false);
        if (!result) {
            // Nothing replaced, through a link or not, and no temporary left.
            QCOMPARE(folderSnapshot(work.path()), before);
            return;
        }
        QCOMPARE(readFixture(thing), patternBytes(3000));
        // A link stays a link, its file holds the bytes.
        QCOMPARE(QFileInfo(thing).isSymLink(), made != thing);
        QCOMPARE(readFixture(made), patternBytes(3000));
        QCOMPARE(folderSnapshot(work.path()).keys(), before.keys() + (base == "missing" ? QStringList("thing") : QStringList()));
    }

    void specialFilesAreMadeBelowATemporaryFolder_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"fifo", "zero", "device", "socket", "folder"})
            QTest::newRow(kind) << kind;
    }
    void specialFilesAreMadeBelowATemporaryFolder()
    {
        QFETCH(QString, kind);
        if (kind == "device" && ::geteuid() != 0)
            QSKIP("only root makes a device");
        TestWorkDir work;
        const QString path = work.filePath("special");
        QVERIFY(makeSpecialFile(path, kind));
        QCOMPARE(fileKind(path), kind);
        // A link to the system's device is left only to a user who cannot replace it.
        if (kind == "zero" && ::geteuid() == 0) {
            const QString device = QFileInfo(path).symLinkTarget();
            QVERIFY2(QFileInfo(device).canonicalFilePath().startsWith(QDir(QDir::tempPath()).canonicalPath() + "/"),
                     qPrintable(device));
        }
    }

    void copyDirectory_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<bool>("cover");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QStringList>("entries");   // of "dst" afterwards
        const QStringList before({".own", "a.txt", "own", "stale.txt"});
        // Top-level files only; the file "own" cannot replace the folder "own": said, the
        // rest still copied. Cover clears what the destination held first.
        QTest::newRow("cover false") << "src" << "dst" << false << false
                                     << QStringList({".own", "a.txt", "B.txt", "own", "stale.txt"});
        QTest::newRow("cover true") << "src" << "dst" << true << true << QStringList({"a.txt", "B.txt", "own"});
        QTest::newRow("no source") << "missing" << "dst" << true << false << before;
        // The same folder under another name is never emptied.
        QTest::newRow("onto itself through dot-dot") << "src" << "src/../src/" << true << true << before;
        // Refused: emptying the destination would take the source with it.
        QTest::newRow("destination holds the source") << "src" << "." << true << false << before;
        // A link is never followed into the folder it names.
        QTest::newRow("onto a link") << "src" << "dstlink" << false << false << before;
        QTest::newRow("onto a link with a slash, cover") << "src" << "dstlink/" << true << false << before;
        QTest::newRow("onto a link to itself, cover") << "src" << "srclink" << true << false << before;
    }
    void copyDirectory()
    {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(bool, cover);
        QFETCH(bool, result);
        QFETCH(QStringList, entries);
        TestWorkDir work;
        const QMap<QString, QByteArray> files{{"src/a.txt", "new a"}, {"src/B.txt", patternBytes(3000)},
            {"src/own", "own file"}, {"src/sub/deep.txt", "deep"}, {"src/.hidden", "hidden"},
            {"dst/a.txt", "the old contents of a, longer than the new"}, {"dst/stale.txt", "stale"},
            {"dst/.own", "own hidden"}, {"dst/own/file.txt", "own"}};
        for (auto it = files.constBegin(); it != files.constEnd(); ++it)
            QVERIFY(writeFixture(it.key(), it.value()));
        QVERIFY(QFile::link(work.filePath("dst"), "dstlink") && QFile::link(work.filePath("src"), "srclink"));
        QCOMPARE(::copyDirectory(source, destination, cover), result);
        QCOMPARE(entriesOf("dst"), entries);
        // Replaced whole, also without cover.
        if (entries.contains("B.txt"))
            QCOMPARE(readFixture("dst/a.txt") + readFixture("dst/B.txt"), QByteArray("new a") + patternBytes(3000));
        for (auto it = files.constBegin(); it != files.constEnd(); ++it)
            QVERIFY(!it.key().startsWith("src") || readFixture(it.key()) == it.value());
    }

    void removalsNeverFollowLinks_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("result");
        QTest::newRow("clear") << "clear" << "folder" << true;
        QTest::newRow("remove") << "remove" << "folder" << true;
        QTest::newRow("remove a linked folder") << "remove" << "linkeddir" << true;
        // Clearing a link would empty the folder it names.
        QTest::newRow("clear a linked folder with a slash") << "clear" << "linkeddir/" << false;
        QTest::newRow("clear a missing folder") << "clear" << "missing" << false;
        QTest::newRow("remove a file") << "remove" << "outside/target.txt" << false;
        // removeFile reports whether no file is left at the path.
        QTest::newRow("file") << "file" << "folder/file.txt" << true;
        QTest::newRow("dangling link") << "file" << "folder/dangling" << true;
        QTest::newRow("folder is no file") << "file" << "folder/sub" << false;
    }
    void removalsNeverFollowLinks()
    {
        QFETCH(QString, operation);
        QFETCH(QString, path);
        QFETCH(bool, result);
        TestWorkDir work;
        // A folder with entries and links out of it into "outside"; "linkeddir" links there too.
        const auto outside = [](const char *name) { return QFileInfo(QString("outside/") + name).absoluteFilePath(); };
        QVERIFY(writeFixture("outside/target.txt", "target") && writeFixture("outside/dir/kept.txt", "kept"));
        QVERIFY(writeFixture("folder/file.txt", "file") && writeFixture("folder/.hidden", "hidden"));
        QVERIFY(writeFixture("folder/sub/deeper/file.txt", "deep"));
        QVERIFY(QFile::link(outside("target.txt"), "folder/filelink") && QFile::link(outside("dir"), "folder/dirlink"));
        QVERIFY(QFile::link(outside("dir"), "folder/sub/dirlink") && QFile::link("nowhere", "folder/dangling"));
        QVERIFY(QFile::link(outside("dir"), "linkeddir"));
        const auto present = [&path] { return QFileInfo::exists(path) || QFileInfo(path).isSymLink(); };
        const bool wasPresent = present();
        QCOMPARE(operation == "clear"  ? clearDirectory(path)
                 : operation == "file" ? removeFile(path)
                                       : removeDirectory(path),
                 result);
        // A cleared folder stays, a removed path is gone, a refusal changes nothing.
        QCOMPARE(present(), result && operation != "clear" ? false : wasPresent);
        if (result && operation == "clear")
            QCOMPARE(entriesOf(path), QStringList());
        QCOMPARE(readFixture("outside/target.txt") + readFixture("outside/dir/kept.txt"), QByteArray("targetkept"));
        QCOMPARE(entriesOf("outside") + entriesOf("outside/dir"), QStringList({"dir", "target.txt", "kept.txt"}));
    }

    void wholeFileReadsOnlyARegularFileWithinItsBound_data()
    {
        QTest::addColumn<QString>("kind");   // of "target": "file" of size bytes, a special kind, or a path
        QTest::addColumn<int>("size");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<int>("status");
        QTest::newRow("file at the bound") << "file" << 3000 << qint64(3000) << int(WholeFile::Read);
        QTest::newRow("empty file") << "file" << 0 << qint64(16) << int(WholeFile::Read);
        QTest::newRow("file over the bound") << "file" << 3001 << qint64(3000) << int(WholeFile::TooLarge);
        QTest::newRow("missing") << "missing" << 0 << qint64(16) << int(WholeFile::Missing);
        QTest::newRow("link to nothing") << "nowhere" << 0 << qint64(16) << int(WholeFile::Missing);
        // Opening one would wait for a writer for ever.
        QTest::newRow("FIFO") << "fifo" << 0 << qint64(16) << int(WholeFile::NotRegular);
        QTest::newRow("link to a FIFO") << "fifo.link" << 0 << qint64(16) << int(WholeFile::NotRegular);
        // Never ends: refused for what it is, before a byte is read.
        QTest::newRow("link to a zero device") << "zero" << 0 << qint64(1 << 20) << int(WholeFile::NotRegular);
        QTest::newRow("folder") << "folder" << 0 << qint64(16) << int(WholeFile::NotRegular);
        // Says it is empty and holds more: the bound holds while reading.
        QTest::newRow("file longer than it says") << "/proc/self/status" << 0 << qint64(64) << int(WholeFile::TooLarge);
    }
    void wholeFileReadsOnlyARegularFileWithinItsBound()
    {
        QFETCH(QString, kind);
        QFETCH(int, size);
        QFETCH(qint64, limit);
        QFETCH(int, status);
        TestWorkDir work;
        const QString target = work.filePath("target");
        const QByteArray bytes = patternBytes(size);
        if (kind == "file")
            QVERIFY(writeFixture(target, bytes));
        else if (kind == "fifo.link")
            QVERIFY(makeSpecialFile(work.filePath("fifo"), "fifo") && QFile::link(work.filePath("fifo"), target));
        else if (kind != "missing")
            QVERIFY(makeSpecialFile(target, kind) || QFile::link(kind, target));

        const ReadWatchdog watchdog;
        const WholeFile file = WholeFile::read(target, limit);
        QCOMPARE(int(file.status()), status);
        QCOMPARE(file.bytes(), file.isRead() ? bytes : QByteArray());
        QCOMPARE(file.isRefused(), status == WholeFile::NotRegular || status == WholeFile::TooLarge);
        // Which file, and why.
        QCOMPARE(file.problem().endsWith(": " + target), !file.isRead());
        if (status == WholeFile::TooLarge)
            QVERIFY(file.problem().contains(QString::number(limit >> 20) + "MB"));
        // Pictures are opened by Qt only when this check, made the same way, lets them.
        const bool regular = status == WholeFile::Read || status == WholeFile::TooLarge;
        QCOMPARE(WholeFile::isRegular(target), regular);
        QCOMPARE(loadablePicture(target), regular ? target : QString());
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
