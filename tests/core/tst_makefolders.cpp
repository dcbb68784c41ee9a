#include "core/makefolders.h"
#include "tests/testsupport.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(FileWrite::Status)

// Making a project's folders, and the look ahead that makes nothing.
class TestMakeFolders : public QObject
{
    Q_OBJECT

private slots:
    void madeOrRefusedNamingWhatStandsInTheWay_data();
    void madeOrRefusedNamingWhatStandsInTheWay();
    void whatTheUserMayNotMakeIsSaid_data();
    void whatTheUserMayNotMakeIsSaid();
};

void TestMakeFolders::madeOrRefusedNamingWhatStandsInTheWay_data()
{
    QTest::addColumn<QString>("standing");   // what stands at "x" beforehand: nothing, a folder, a file or a link
    QTest::addColumn<QString>("path");       // the folder to make, below the work folder
    QTest::addColumn<FileWrite::Status>("status");
    QTest::addColumn<QString>("named");      // the one in the way, when refused
    QTest::newRow("missing, three deep") << "" << "x/y/z" << FileWrite::Written << "";
    QTest::newRow("below a folder there") << "folder" << "x/y" << FileWrite::Written << "";
    QTest::newRow("there already") << "folder" << "x" << FileWrite::Written << "";
    QTest::newRow("below a link to a folder") << "link to folder" << "x/y" << FileWrite::Written << "";
    QTest::newRow("a file in its place") << "file" << "x" << FileWrite::Failed << "x";
    QTest::newRow("a file above it") << "file" << "x/y/z" << FileWrite::Failed << "x";
    QTest::newRow("a link to a file in its place") << "link to file" << "x" << FileWrite::Failed << "x";
    QTest::newRow("a link to nothing in its place") << "link" << "x" << FileWrite::DanglingLink << "x";
    QTest::newRow("a link to nothing above it") << "link" << "x/y" << FileWrite::DanglingLink << "x";
    // A look that fails for another reason than "missing" is no missing folder.
    const QString tooLong = "x/" + QString(256, 'n');
    QTest::newRow("a name too long below a folder there") << "folder" << tooLong + "/y" << FileWrite::Failed << tooLong;
}

void TestMakeFolders::madeOrRefusedNamingWhatStandsInTheWay()
{
    QFETCH(QString, standing);
    QFETCH(QString, path);
    QFETCH(FileWrite::Status, status);
    QFETCH(QString, named);
    TestWorkDir dir;
    QVERIFY(dir.isValid());
    const QString x = dir.filePath("x");
    if (standing == "folder")
        QVERIFY(QDir().mkdir(x));
    else if (standing == "file")
        QVERIFY(writeFixture(x, "notes"));
    else if (standing == "link")
        QVERIFY(QFile::link(dir.filePath("gone"), x));
    else if (standing == "link to file")
        QVERIFY(writeFixture(dir.filePath("notes"), "notes") && QFile::link(dir.filePath("notes"), x));
    else if (standing == "link to folder")
        QVERIFY(QDir().mkdir(dir.filePath("real")) && QFile::link(dir.filePath("real"), x));
    const QMap<QString, QByteArray> before = folderSnapshot(dir.path());
    const QString target = dir.filePath(path);

    const FileWrite looked = checkFoldersMakeable(target);
    QCOMPARE(folderSnapshot(dir.path()), before);
    const FileWrite made = makeFolders(target);
    for (const FileWrite &outcome : {looked, made}) {
        QCOMPARE(outcome.status(), status);
        // The one in the way is named, not the folder asked for.
        QCOMPARE(outcome.path(), status == FileWrite::Written ? target : dir.filePath(named));
        QVERIFY(outcome.isWritten() || !outcome.reason().isEmpty());
    }
    if (status == FileWrite::Written)
        QVERIFY(QFileInfo(target).isDir());
    else
        QCOMPARE(folderSnapshot(dir.path()), before);
}

// Root passes every permission check: these look and make as a user.
void TestMakeFolders::whatTheUserMayNotMakeIsSaid_data()
{
    QTest::addColumn<int>("mode");   // of the folder "locked" the project folder goes below
    // Looked at ahead: the user may not write the folder it goes into.
    QTest::newRow("a folder the user may not write") << 0555;
    // The user may not even look below it: not taken for missing.
    QTest::newRow("a folder the user may not enter") << 0000;
}

void TestMakeFolders::whatTheUserMayNotMakeIsSaid()
{
    QFETCH(int, mode);
    QString whyNot;
    if (!canRunAsNobody(&whyNot))
        QSKIP(qPrintable(whyNot));
    TestWorkDir dir;
    QVERIFY(dir.isValid());
    const QString locked = dir.filePath("locked");
    QVERIFY(QDir().mkdir(locked));
    // The temporary folder is its owner's alone.
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    QCOMPARE(::chmod(QFile::encodeName(locked).constData(), mode_t(mode)), 0);
    const QString target = locked + "/x/y";
    QByteArray answer;
    QVERIFY(runAsNobody([&] {
        QByteArray said;
        QDataStream out(&said, QIODevice::WriteOnly);
        for (const FileWrite &outcome : {checkFoldersMakeable(target), makeFolders(target)})
            out << int(outcome.status()) << outcome.path();
        return said;
    }, &answer));
    ::chmod(QFile::encodeName(locked).constData(), 0755);
    QDataStream in(answer);
    for (const char *call : {"checkFoldersMakeable", "makeFolders"}) {
        int status = -1;
        QString path;
        in >> status >> path;
        QVERIFY2(status == FileWrite::NoPermission, call);
        QCOMPARE(path, locked + "/x");
    }
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(QDir(locked).isEmpty());
}

QTEST_MAIN(TestMakeFolders)
#include "tst_makefolders.moc"
