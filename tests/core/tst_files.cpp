#include "core/fileutils.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// Lets no file of this process grow past a few kilobytes, so that a write
// fails half way even for root, who ignores permissions.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(int bytes)
    {
#ifdef Q_OS_UNIX
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_active = getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
        if (m_active) {
            rlimit limit = m_previous;
            limit.rlim_cur = rlim_t(bytes);
            m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
#else
        Q_UNUSED(bytes)
#endif
    }
    ~FileSizeLimit()
    {
#ifdef Q_OS_UNIX
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
#endif
    }
    bool isActive() const { return m_active; }

private:
#ifdef Q_OS_UNIX
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
#endif
    bool m_active = false;
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

bool isLinkAt(const QString &path)
{
    return QFileInfo(path).isSymLink();
}

// A scratch folder on another file system than the working directory, where
// a rename cannot reach and a move has to copy.
QString otherFileSystemDir(const QString &workDir)
{
    const QString shm = QStringLiteral("/dev/shm");
    if (!QFileInfo(shm).isDir() || !QFileInfo(shm).isWritable())
        return QString();
    if (QStorageInfo(shm).device() == QStorageInfo(workDir).device())
        return QString();
    return shm;
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void generateDirectorysCreatesOnlyWhatIsMissing();
    void generateDirectorysStopsAtFileInTheWay();
    void createFileMakesFolderAndEmptiesFile();

    void copyFileCopiesWholeFile_data();
    void copyFileCopiesWholeFile();
    void copyFileOntoItselfRefused_data();
    void copyFileOntoItselfRefused();
    void copyFileFailuresKeepDestination();
    void copyFileReadErrorReported();
    void interruptedWriteKeepsPreviousFile_data();
    void interruptedWriteKeepsPreviousFile();

    void moveFileRenamesAndReplaces();
    void moveFileRefusalsTouchNothing();
    void moveFileAcrossFileSystems();

    void removeFileReportsWhetherFileIsGone_data();
    void removeFileReportsWhetherFileIsGone();

    void copyDirectoryCover_data();
    void copyDirectoryCover();
    void copyDirectoryNeverClearsItsOwnSource_data();
    void copyDirectoryNeverClearsItsOwnSource();
    void copyDirectoryWithoutSourceFails();

    void removingFolderRemovesLinksNotTargets_data();
    void removingFolderRemovesLinksNotTargets();
    void missingFolderReported();

    void fileNameOfPath_data();
    void fileNameOfPath();

    void writeFileAtomicallyReplacesWhole();
};

void TestFiles::generateDirectorysCreatesOnlyWhatIsMissing()
{
    TestWorkDir work;
    QVERIFY(work.isValid());
    QVERIFY(writeFixture("a/b/file.txt", "keep"));
    QVERIFY(generateDirectorys("a/b"));
    QVERIFY(generateDirectorys(work.path()));
    QVERIFY(generateDirectorys("a/b/c/d/"));
    QVERIFY(generateDirectorys(work.filePath("x/y/z")));
    QVERIFY(QFileInfo("x/y/z").isDir());
    QCOMPARE(entriesOf("a/b"), QStringList({"c", "file.txt"}));
    QCOMPARE(entriesOf("a/b/c"), QStringList({"d"}));
    QCOMPARE(readFixture("a/b/file.txt"), QByteArray("keep"));
}

void TestFiles::generateDirectorysStopsAtFileInTheWay()
{
    TestWorkDir work;
    QVERIFY(writeFixture("a/blocker", "file"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^generateDirectorys fail: "));
    QVERIFY(!generateDirectorys("a/blocker/c"));
    QVERIFY(QFileInfo("a/blocker").isFile());
    QCOMPARE(readFixture("a/blocker"), QByteArray("file"));
}

void TestFiles::createFileMakesFolderAndEmptiesFile()
{
    TestWorkDir work;
    QVERIFY(createFile("project/new", "page.json"));
    QVERIFY(QFileInfo("project/new/page.json").isFile());
    QCOMPARE(QFileInfo("project/new/page.json").size(), 0);

    QVERIFY(writeFixture("project/old.json", "old contents"));
    QVERIFY(createFile("project", "old.json"));
    QCOMPARE(readFixture("project/old.json"), QByteArray());

    // A folder in the way of the file.
    QVERIFY(QDir().mkpath("project/taken"));
    QVERIFY(!createFile("project", "taken"));
    QVERIFY(QFileInfo("project/taken").isDir());
}

void TestFiles::copyFileCopiesWholeFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QByteArray>("previous");

    QTest::newRow("empty file") << QByteArray() << QByteArray();
    QTest::newRow("exactly one block") << patternBytes(1024) << QByteArray();
    QTest::newRow("several blocks and a part") << patternBytes(5000) << QByteArray();
    // Nothing of a longer destination may survive behind the copy.
    QTest::newRow("over a longer file") << QByteArray("short") << patternBytes(3000);
    QTest::newRow("over an empty file") << patternBytes(2049) << QByteArray("");
}

void TestFiles::copyFileCopiesWholeFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(QByteArray, previous);
    TestWorkDir work;
    QVERIFY(writeFixture("src.bin", contents));
    if (!previous.isNull())
        QVERIFY(writeFixture("dst.bin", previous));

    QVERIFY(copyFile("src.bin", "dst.bin"));
    QCOMPARE(readFixture("dst.bin"), contents);
    QCOMPARE(readFixture("src.bin"), contents);
    // No temporary left behind beside the destination.
    QCOMPARE(entriesOf("."), QStringList({"dst.bin", "src.bin"}));
}

void TestFiles::copyFileOntoItselfRefused_data()
{
    QTest::addColumn<QString>("destination");
    QTest::newRow("same path") << QString("data/page.json");
    QTest::newRow("through dot-dot") << QString("data/../data/./page.json");
    QTest::newRow("through a link") << QString("link.json");
    QTest::newRow("through a linked folder") << QString("linkdir/page.json");
}

void TestFiles::copyFileOntoItselfRefused()
{
    QFETCH(QString, destination);
    TestWorkDir work;
    const QByteArray contents = patternBytes(3000);
    QVERIFY(writeFixture("data/page.json", contents));
    QVERIFY(QFile::link("data/page.json", "link.json"));
    QVERIFY(QFile::link("data", "linkdir"));

    QVERIFY(!copyFile("data/page.json", destination));
    QVERIFY(!copyFile(destination, "data/page.json"));
    QCOMPARE(readFixture("data/page.json"), contents);
    QVERIFY(isLinkAt("link.json"));
}

void TestFiles::copyFileFailuresKeepDestination()
{
    TestWorkDir work;
    QVERIFY(writeFixture("dst.txt", "existing"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^src file open failed "));
    QVERIFY(!copyFile("missing.txt", "dst.txt"));
    QCOMPARE(readFixture("dst.txt"), QByteArray("existing"));

    QVERIFY(writeFixture("src.txt", "source"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^dest file open failed"));
    QVERIFY(!copyFile("src.txt", "no/such/folder/dst.txt"));
    QVERIFY(!QFileInfo::exists("no"));

    // A folder is no source.
    QVERIFY(QDir().mkdir("folder"));
    QVERIFY(!copyFile("folder", "dst.txt"));
    QCOMPARE(readFixture("dst.txt"), QByteArray("existing"));
}

void TestFiles::copyFileReadErrorReported()
{
#ifdef Q_OS_LINUX
    TestWorkDir work;
    // Reading the process's own memory at offset 0 fails with an I/O error
    // right after a successful open.
    QFile probe("/proc/self/mem");
    if (!probe.open(QIODevice::ReadOnly))
        QSKIP("/proc/self/mem cannot be opened here");
    probe.close();

    QVERIFY(writeFixture("dst.txt", "existing"));
    QVERIFY(!copyFile("/proc/self/mem", "dst.txt"));
    QCOMPARE(readFixture("dst.txt"), QByteArray("existing"));
    QVERIFY(!copyFile("/proc/self/mem", "fresh.txt"));
    QVERIFY(!QFileInfo::exists("fresh.txt"));
    QCOMPARE(entriesOf("."), QStringList({"dst.txt"}));
#else
    QSKIP("needs a file whose reads fail");
#endif
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
        const QString other = otherFileSystemDir(work.path());
        if (other.isEmpty())
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
        if (!limit.isActive())
            QSKIP("the file size limit cannot be set here");
        const bool done = operation == "copy" ? copyFile(source, "dst.bin")
                          : operation == "move" ? moveFile(source, "dst.bin")
                                                : writeFileAtomically("dst.bin", big);
        QVERIFY(!done);
    }
    QCOMPARE(readFixture("dst.bin"), QByteArray("previous"));
    if (operation != "write")
        QCOMPARE(readFixture(source), big);
    // No temporary left behind beside the destination.
    QCOMPARE(entriesOf("."), operation == "copy" ? QStringList({"dst.bin", "src.bin"}) : QStringList("dst.bin"));
}

void TestFiles::moveFileRenamesAndReplaces()
{
    TestWorkDir work;
    QVERIFY(writeFixture("main.projectui", "project"));
    QVERIFY(moveFile("main.projectui", "demo.projectui"));
    QVERIFY(!QFileInfo::exists("main.projectui"));
    QCOMPARE(readFixture("demo.projectui"), QByteArray("project"));

    QVERIFY(writeFixture("new.json", "new"));
    QVERIFY(writeFixture("old.json", patternBytes(4000)));
    QVERIFY(moveFile("new.json", "old.json"));
    QVERIFY(!QFileInfo::exists("new.json"));
    QCOMPARE(readFixture("old.json"), QByteArray("new"));
}

void TestFiles::moveFileRefusalsTouchNothing()
{
    TestWorkDir work;
    QVERIFY(writeFixture("dst.txt", "existing"));
    QVERIFY(!moveFile("missing.txt", "dst.txt"));
    QCOMPARE(readFixture("dst.txt"), QByteArray("existing"));

    // Moving a file onto itself must not remove it.
    QVERIFY(QDir().mkdir("sub"));
    QVERIFY(!moveFile("dst.txt", "dst.txt"));
    QVERIFY(!moveFile("dst.txt", "./sub/../dst.txt"));
    QCOMPARE(readFixture("dst.txt"), QByteArray("existing"));

    // A folder in the way is not replaced.
    QVERIFY(writeFixture("src.txt", "source"));
    QVERIFY(writeFixture("folder/inside.txt", "inside"));
    QVERIFY(!moveFile("src.txt", "folder"));
    QCOMPARE(readFixture("src.txt"), QByteArray("source"));
    QCOMPARE(readFixture("folder/inside.txt"), QByteArray("inside"));
}

void TestFiles::moveFileAcrossFileSystems()
{
    TestWorkDir work;
    const QString other = otherFileSystemDir(work.path());
    if (other.isEmpty())
        QSKIP("no second file system to move across");
    QTemporaryDir remote(other + QStringLiteral("/brivane-move-XXXXXX"));
    QVERIFY(remote.isValid());

    const QByteArray contents = patternBytes(10000);
    const QString source = remote.filePath("page.json");
    QVERIFY(writeFixture(source, contents));
    QVERIFY(writeFixture("page.json", "older"));
    QVERIFY(moveFile(source, "page.json"));
    QVERIFY(!QFileInfo::exists(source));
    QCOMPARE(readFixture("page.json"), contents);
    QCOMPARE(entriesOf("."), QStringList({"page.json"}));
}

void TestFiles::removeFileReportsWhetherFileIsGone_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("result");
    QTest::newRow("file") << QString("file.txt") << true;
    QTest::newRow("no such file") << QString("missing.txt") << true;
    QTest::newRow("dangling link") << QString("dangling") << true;
    QTest::newRow("link to a file") << QString("filelink") << true;
    QTest::newRow("folder is not a file") << QString("folder") << false;
}

void TestFiles::removeFileReportsWhetherFileIsGone()
{
    QFETCH(QString, path);
    QFETCH(bool, result);
    TestWorkDir work;
    QVERIFY(writeFixture("file.txt", "x"));
    QVERIFY(writeFixture("target.txt", "target"));
    QVERIFY(writeFixture("folder/inside.txt", "inside"));
    QVERIFY(QFile::link("nowhere.txt", "dangling"));
    QVERIFY(QFile::link("target.txt", "filelink"));

    QCOMPARE(removeFile(path), result);
    const QFileInfo after(path);
    QCOMPARE(after.exists() || after.isSymLink(), !result);
    QCOMPARE(readFixture("target.txt"), QByteArray("target"));
    QCOMPARE(readFixture("folder/inside.txt"), QByteArray("inside"));
}

void TestFiles::copyDirectoryCover_data()
{
    QTest::addColumn<bool>("cover");
    QTest::addColumn<QStringList>("entries");
    // Only top-level visible files are copied; cover also clears what the
    // destination held before.
    QTest::newRow("cover false") << false << QStringList({".own", "a.txt", "B.txt", "c.txt", "own", "stale.txt"});
    QTest::newRow("cover true") << true << QStringList({"a.txt", "B.txt", "c.txt"});
}

void TestFiles::copyDirectoryCover()
{
    QFETCH(bool, cover);
    QFETCH(QStringList, entries);
    TestWorkDir work;
    QVERIFY(writeFixture("src/a.txt", "new a"));
    QVERIFY(writeFixture("src/B.txt", "new b"));
    QVERIFY(writeFixture("src/c.txt", patternBytes(3000)));
    QVERIFY(writeFixture("src/sub/deep.txt", "deep"));
    QVERIFY(writeFixture("src/.hidden", "hidden"));
    QVERIFY(writeFixture("dst/a.txt", "the old contents of a, longer than the new"));
    QVERIFY(writeFixture("dst/stale.txt", "stale"));
    QVERIFY(writeFixture("dst/.own", "own hidden"));
    QVERIFY(writeFixture("dst/own/file.txt", "own"));

    QVERIFY(copyDirectory("src", "dst", cover));
    QStringList actual = entriesOf("dst");
    actual.sort(Qt::CaseInsensitive);
    entries.sort(Qt::CaseInsensitive);
    QCOMPARE(actual, entries);
    // Replaced whole, also without cover.
    QCOMPARE(readFixture("dst/a.txt"), QByteArray("new a"));
    QCOMPARE(readFixture("dst/B.txt"), QByteArray("new b"));
    QCOMPARE(readFixture("dst/c.txt"), patternBytes(3000));
    if (!cover)
        QCOMPARE(readFixture("dst/stale.txt"), QByteArray("stale"));
    QCOMPARE(entriesOf("src"), QStringList({".hidden", "a.txt", "B.txt", "c.txt", "sub"}));
}

void TestFiles::copyDirectoryNeverClearsItsOwnSource_data()
{
    QTest::addColumn<QString>("destination");
    QTest::addColumn<bool>("result");
    QTest::newRow("same path") << QString("src") << true;
    QTest::newRow("through dot-dot") << QString("src/../src/") << true;
    QTest::newRow("through a link") << QString("srclink") << true;
    // Refused: emptying the destination would take the source with it.
    QTest::newRow("destination holds the source") << QString(".") << false;
    QTest::newRow("link to the holder") << QString("holderlink") << false;
}

void TestFiles::copyDirectoryNeverClearsItsOwnSource()
{
    QFETCH(QString, destination);
    QFETCH(bool, result);
    TestWorkDir work;
    QVERIFY(writeFixture("src/a.txt", "a"));
    QVERIFY(writeFixture("src/sub/b.txt", "b"));
    QVERIFY(writeFixture("beside.txt", "beside"));
    QVERIFY(QFile::link("src", "srclink"));
    QVERIFY(QFile::link(work.path(), "holderlink"));

    // With cover the destination is cleared first: it must not be or hold the source.
    QCOMPARE(copyDirectory("src", destination, true), result);
    QCOMPARE(readFixture("src/a.txt"), QByteArray("a"));
    QCOMPARE(readFixture("src/sub/b.txt"), QByteArray("b"));
    QCOMPARE(readFixture("beside.txt"), QByteArray("beside"));
}

void TestFiles::copyDirectoryWithoutSourceFails()
{
    TestWorkDir work;
    QVERIFY(writeFixture("dst/keep.txt", "keep"));
    QVERIFY(!copyDirectory("missing", "dst", true));
    QCOMPARE(readFixture("dst/keep.txt"), QByteArray("keep"));
}

namespace {
// A folder holding plain entries and links that point out of it.
bool buildLinkedFolder()
{
    return writeFixture("outside/target.txt", "target")
        && writeFixture("outside/dir/kept.txt", "kept")
        && writeFixture("folder/file.txt", "file")
        && writeFixture("folder/.hidden", "hidden")
        && writeFixture("folder/sub/deeper/file.txt", "deep")
        && QFile::link(QFileInfo("outside/target.txt").absoluteFilePath(), "folder/filelink")
        && QFile::link(QFileInfo("outside/dir").absoluteFilePath(), "folder/dirlink")
        && QFile::link(QFileInfo("outside/dir").absoluteFilePath(), "folder/sub/dirlink")
        && QFile::link("nowhere", "folder/dangling");
}

} // namespace

void TestFiles::removingFolderRemovesLinksNotTargets_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("folder");
    QTest::newRow("clear") << "clear" << "folder";
    QTest::newRow("remove") << "remove" << "folder";
    QTest::newRow("remove a linked folder") << "remove" << "linkeddir";
}

void TestFiles::removingFolderRemovesLinksNotTargets()
{
    QFETCH(QString, operation);
    QFETCH(QString, folder);
    TestWorkDir work;
    QVERIFY(buildLinkedFolder());
    QVERIFY(QFile::link(QFileInfo("outside/dir").absoluteFilePath(), "linkeddir"));

    if (operation == "clear") {
        QVERIFY(clearDirectory(folder));
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(entriesOf(folder), QStringList());
    } else {
        QVERIFY(removeDirectory(folder));
        QVERIFY(!QFileInfo::exists(folder) && !isLinkAt(folder));
    }
    QCOMPARE(readFixture("outside/target.txt"), QByteArray("target"));
    QCOMPARE(readFixture("outside/dir/kept.txt"), QByteArray("kept"));
    QCOMPARE(entriesOf("outside"), QStringList({"dir", "target.txt"}));
    QCOMPARE(entriesOf("outside/dir"), QStringList({"kept.txt"}));
}

void TestFiles::missingFolderReported()
{
    TestWorkDir work;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^dir is not exist: "));
    QVERIFY(!clearDirectory("missing"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^dir is not exist: "));
    QVERIFY(!removeDirectory("missing"));
    // A file is no folder.
    QVERIFY(writeFixture("file.txt", "file"));
    QVERIFY(!clearDirectory("file.txt"));
    QVERIFY(!removeDirectory("file.txt"));
    QCOMPARE(readFixture("file.txt"), QByteArray("file"));
}

void TestFiles::fileNameOfPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("slashes") << QString("/a/b/c.png") << QString("c.png");
    QTest::newRow("backslashes") << QString("C:\\img\\bg.jpg") << QString("bg.jpg");
    QTest::newRow("mixed, backslash last") << QString("a/b\\c.png") << QString("c.png");
    QTest::newRow("mixed, slash last") << QString("a\\b/c.png") << QString("c.png");
    QTest::newRow("bare name") << QString("c.png") << QString("c.png");
    QTest::newRow("trailing separator") << QString("a/b/") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestFiles::fileNameOfPath()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(::fileNameOfPath(path), name);
}

void TestFiles::writeFileAtomicallyReplacesWhole()
{
    TestWorkDir work;
    QVERIFY(writeFileAtomically("page.json", patternBytes(5000)));
    QCOMPARE(readFixture("page.json"), patternBytes(5000));
    QVERIFY(writeFileAtomically("page.json", "{}"));
    QCOMPARE(readFixture("page.json"), QByteArray("{}"));
    QVERIFY(!writeFileAtomically("missing/page.json", "{}"));
    QVERIFY(!QFileInfo::exists("missing"));
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
