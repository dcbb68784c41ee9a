#include "core/fileutils.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QtTest>

#include <memory>

#include <csignal>
#include <sys/resource.h>

namespace {

// Lets no file of this process grow past a few kilobytes, so that a write
// fails half way even for root, who ignores permissions.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes)
    {
        if (getrlimit(RLIMIT_FSIZE, &previous) != 0)
            return;
        rlimit limit = previous;
        limit.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        if (active)
            setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
    }
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    bool active = false;
};

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

// A folder "folder" with plain entries and links that point out of it into
// "outside", and "linkeddir", a link to a folder of "outside".
bool buildLinkedFolders()
{
    return writeFixture("outside/target.txt", "target") && writeFixture("outside/dir/kept.txt", "kept")
        && writeFixture("folder/file.txt", "file") && writeFixture("folder/.hidden", "hidden")
        && writeFixture("folder/sub/deeper/file.txt", "deep")
        && QFile::link(QFileInfo("outside/target.txt").absoluteFilePath(), "folder/filelink")
        && QFile::link(QFileInfo("outside/dir").absoluteFilePath(), "folder/dirlink")
        && QFile::link(QFileInfo("outside/dir").absoluteFilePath(), "folder/sub/dirlink")
        && QFile::link("nowhere", "folder/dangling")
        && QFile::link(QFileInfo("outside/dir").absoluteFilePath(), "linkeddir");
}

bool outsideUntouched()
{
    return readFixture("outside/target.txt") == "target" && readFixture("outside/dir/kept.txt") == "kept"
        && entriesOf("outside") == QStringList({"dir", "target.txt"})
        && entriesOf("outside/dir") == QStringList({"kept.txt"});
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void foldersAndEmptyFilesAreCreated();

    void copyAndMoveFile_data();
    void copyAndMoveFile();
    void interruptedWriteKeepsPreviousFile_data();
    void interruptedWriteKeepsPreviousFile();

    void copyDirectory_data();
    void copyDirectory();
    void removalsNeverFollowLinks_data();
    void removalsNeverFollowLinks();
};

void TestFiles::foldersAndEmptyFilesAreCreated()
{
    TestWorkDir work;
    QVERIFY(writeFixture("a/b/file.txt", "keep"));
    QVERIFY(generateDirectorys("a/b/c/d/"));
    QVERIFY(!generateDirectorys("a/b/file.txt/c"));
    QVERIFY(createFile("a/b", "file.txt"));
    QCOMPARE(entriesOf("a/b"), QStringList({"c", "file.txt"}));
    QCOMPARE(readFixture("a/b/file.txt"), QByteArray());
    QVERIFY(!createFile("a", "b"));
}

void TestFiles::copyAndMoveFile_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<bool>("result");
    const QString page("data/page.json");
    QTest::newRow("copy to a new file") << "copy" << page << "new.bin" << true;
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
    QTest::newRow("copy an unreadable file") << "copy" << "/proc/self/mem" << "new.bin" << false;
}

void TestFiles::copyAndMoveFile()
{
    QFETCH(QString, operation);
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QFETCH(bool, result);
    TestWorkDir work;
    QVERIFY(writeFixture("data/page.json", patternBytes(3000)));
    QVERIFY(writeFixture("long.bin", patternBytes(5000)));
    QVERIFY(QFile::link("data/page.json", "link.json"));
    QVERIFY(QFile::link("data", "linkdir"));
    const QStringList before = entriesOf(".");
    const QByteArray sourceBytes = readFixture(source);
    const QByteArray destinationBytes = readFixture(destination);

    QCOMPARE(operation == "copy" ? copyFile(source, destination) : moveFile(source, destination), result);
    QCOMPARE(readFixture(destination), result ? sourceBytes : destinationBytes);
    if (result && operation == "move")
        QVERIFY(!QFileInfo::exists(source));
    else if (!source.startsWith("/proc"))
        QCOMPARE(readFixture(source), sourceBytes);
    // No temporary left behind beside the destination.
    QCOMPARE(entriesOf("."), result && destination == "new.bin" ? before + QStringList("new.bin") : before);
}

void TestFiles::interruptedWriteKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("copy") << "copy";
    QTest::newRow("move across file systems") << "move";
    QTest::newRow("atomic write") << "write";
}

void TestFiles::interruptedWriteKeepsPreviousFile()
{
    QFETCH(QString, operation);
    TestWorkDir work;
    const QByteArray big = patternBytes(64 * 1024);
    QString source = work.filePath("src.bin");
    std::unique_ptr<QTemporaryDir> remote;
    if (operation == "move") {
        // Another file system, where a rename cannot reach and a move has to copy.
        const QString other = QStringLiteral("/dev/shm");
        if (!QFileInfo(other).isWritable() || QStorageInfo(other).device() == QStorageInfo(work.path()).device())
            QSKIP("no second file system to move across");
        remote.reset(new QTemporaryDir(other + QStringLiteral("/brivane-move-XXXXXX")));
        QVERIFY(remote->isValid());
        source = remote->filePath("src.bin");
    }
    if (operation != "write")
        QVERIFY(writeFixture(source, big));
    QVERIFY(writeFixture("dst.bin", "previous"));
    {
        FileSizeLimit limit(4096);
        if (!limit.active)
            QSKIP("the file size limit cannot be set here");
        const bool done = operation == "copy" ? copyFile(source, "dst.bin")
                          : operation == "move" ? moveFile(source, "dst.bin")
                                                : writeFileAtomically("dst.bin", big);
        QVERIFY(!done);
    }
    QCOMPARE(readFixture("dst.bin"), QByteArray("previous"));
    if (operation != "write")
        QCOMPARE(readFixture(source), big);
    QCOMPARE(entriesOf("."), operation == "copy" ? QStringList({"dst.bin", "src.bin"}) : QStringList("dst.bin"));

    // Without the limit the same step completes.
    if (operation == "move") {
        QVERIFY(moveFile(source, "dst.bin"));
        QVERIFY(!QFileInfo::exists(source));
        QCOMPARE(readFixture("dst.bin"), big);
    }
}

void TestFiles::copyDirectory_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<bool>("cover");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("entries"); // of "dst" afterwards

    const QStringList before({".own", "a.txt", "own", "stale.txt"});
    // Only top-level visible files are copied; cover also clears what the
    // destination held before.
    QTest::newRow("cover false") << "src" << "dst" << false << true
                                 << QStringList({".own", "a.txt", "B.txt", "own", "stale.txt"});
    QTest::newRow("cover true") << "src" << "dst" << true << true << QStringList({"a.txt", "B.txt"});
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

void TestFiles::copyDirectory()
{
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QFETCH(bool, cover);
    QFETCH(bool, result);
    QFETCH(QStringList, entries);
    TestWorkDir work;
    QVERIFY(writeFixture("src/a.txt", "new a"));
    QVERIFY(writeFixture("src/B.txt", patternBytes(3000)));
    QVERIFY(writeFixture("src/sub/deep.txt", "deep"));
    QVERIFY(writeFixture("src/.hidden", "hidden"));
    QVERIFY(writeFixture("dst/a.txt", "the old contents of a, longer than the new"));
    QVERIFY(writeFixture("dst/stale.txt", "stale"));
    QVERIFY(writeFixture("dst/.own", "own hidden"));
    QVERIFY(writeFixture("dst/own/file.txt", "own"));
    QVERIFY(QFile::link(work.filePath("dst"), "dstlink"));
    QVERIFY(QFile::link(work.filePath("src"), "srclink"));

    QCOMPARE(::copyDirectory(source, destination, cover), result);
    QCOMPARE(entriesOf("dst"), entries);
    if (entries.contains("B.txt")) {
        // Replaced whole, also without cover.
        QCOMPARE(readFixture("dst/a.txt"), QByteArray("new a"));
        QCOMPARE(readFixture("dst/B.txt"), patternBytes(3000));
    }
    QCOMPARE(entriesOf("src"), QStringList({".hidden", "a.txt", "B.txt", "sub"}));
    QCOMPARE(readFixture("src/sub/deep.txt"), QByteArray("deep"));
}

void TestFiles::removalsNeverFollowLinks_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("result");
    QTest::newRow("clear") << "clear" << "folder" << true;
    QTest::newRow("remove") << "remove" << "folder" << true;
    QTest::newRow("remove a linked folder") << "remove" << "linkeddir" << true;
    // Clearing a link would empty the folder it names.
    QTest::newRow("clear a linked folder") << "clear" << "linkeddir" << false;
    QTest::newRow("clear a linked folder with a slash") << "clear" << "linkeddir/" << false;
    QTest::newRow("clear a missing folder") << "clear" << "missing" << false;
    QTest::newRow("remove a file") << "remove" << "outside/target.txt" << false;
    // removeFile reports whether no file is left at the path.
    QTest::newRow("file") << "file" << "folder/file.txt" << true;
    QTest::newRow("dangling link") << "file" << "folder/dangling" << true;
    QTest::newRow("link to a file") << "file" << "folder/filelink" << true;
    QTest::newRow("folder is no file") << "file" << "folder/sub" << false;
}

void TestFiles::removalsNeverFollowLinks()
{
    QFETCH(QString, operation);
    QFETCH(QString, folder);
    QFETCH(bool, result);
    TestWorkDir work;
    QVERIFY(buildLinkedFolders());
    auto present = [&folder] { return QFileInfo::exists(folder) || QFileInfo(folder).isSymLink(); };
    const bool wasPresent = present();
    QCOMPARE(operation == "clear"   ? clearDirectory(folder)
             : operation == "file" ? removeFile(folder)
                                   : removeDirectory(folder),
             result);
    // A cleared folder stays, a removed path is gone, a refusal changes nothing.
    QCOMPARE(present(), result && operation != "clear" ? false : wasPresent);
    if (result && operation == "clear")
        QCOMPARE(entriesOf(folder), QStringList());
    QVERIFY(outsideUntouched());
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
