#include "core/makefolders.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

Q_DECLARE_METATYPE(FileWrite::Status)

// Making a project's folders, and the look ahead that makes nothing.
class TestMakeFolders : public QObject
{
    Q_OBJECT

private slots:
    void madeOrRefusedNamingWhatStandsInTheWay_data();
    void madeOrRefusedNamingWhatStandsInTheWay();
};

void TestMakeFolders::madeOrRefusedNamingWhatStandsInTheWay_data()
{
    QTest::addColumn<QString>("standing");   // what stands at "x" beforehand: nothing, a folder, a file or a link
    QTest::addColumn<QString>("path");       // the folder to make, below the work folder
    QTest::addColumn<FileWrite::Status>("status");
    QTest::newRow("missing, three deep") << "" << "x/y/z" << FileWrite::Written;
    QTest::newRow("below a folder there") << "folder" << "x/y" << FileWrite::Written;
    QTest::newRow("there already") << "folder" << "x" << FileWrite::Written;
    QTest::newRow("below a link to a folder") << "link to folder" << "x/y" << FileWrite::Written;
    QTest::newRow("a file in its place") << "file" << "x" << FileWrite::Failed;
    QTest::newRow("a file above it") << "file" << "x/y/z" << FileWrite::Failed;
    QTest::newRow("a link to a file in its place") << "link to file" << "x" << FileWrite::Failed;
    QTest::newRow("a link to nothing in its place") << "link" << "x" << FileWrite::DanglingLink;
    QTest::newRow("a link to nothing above it") << "link" << "x/y" << FileWrite::DanglingLink;
}

void TestMakeFolders::madeOrRefusedNamingWhatStandsInTheWay()
{
    QFETCH(QString, standing);
    QFETCH(QString, path);
    QFETCH(FileWrite::Status, status);
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
        QCOMPARE(outcome.path(), status == FileWrite::Written ? target : x);
        QVERIFY(outcome.isWritten() || !outcome.reason().isEmpty());
    }
    if (status == FileWrite::Written)
        QVERIFY(QFileInfo(target).isDir());
    else
        QCOMPARE(folderSnapshot(dir.path()), before);
}

QTEST_MAIN(TestMakeFolders)
#include "tst_makefolders.moc"
