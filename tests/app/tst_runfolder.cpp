#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The build lays the run folder out with the same script this test runs; the
// grid templates in it are the user's once the designer has saved them.
class TestRunFolder : public QObject
{
    Q_OBJECT

private slots:
    void layoutKeepsWhatTheDesignerWrote();
    void shippedTreeNeverReplacesSavedTemplates();

private:
    static bool layout(const QString &sourceDir, const QString &runDir);
};

namespace {

const char kTemplate[] = "data_template/grid_template/en/template.json";
const char kStyle[] = "resource/assets/qss/index.qss";
const QByteArray kSaved = R"([{"name":"MeetWall","rows":2,"cols":2}])";

bool put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A checkout or update touches the shipped file after the user saved theirs.
bool makeNewer(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
        && file.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime);
}

} // namespace

bool TestRunFolder::layout(const QString &sourceDir, const QString &runDir)
{
    QProcess cmake;
    cmake.start(QStringLiteral(BRIVANE_CMAKE_COMMAND),
                {QStringLiteral("-DSOURCE_DIR=") + sourceDir, QStringLiteral("-DRUN_DIR=") + runDir,
                 QStringLiteral("-P"), QStringLiteral(BRIVANE_SOURCE_DIR "/layoutrunfolder.cmake")});
    if (!cmake.waitForFinished(60000) || cmake.exitStatus() != QProcess::NormalExit || cmake.exitCode() != 0) {
        qWarning() << cmake.readAllStandardError();
        return false;
    }
    return true;
}

void TestRunFolder::layoutKeepsWhatTheDesignerWrote()
{
    QTemporaryDir source, run;
    QVERIFY(source.isValid() && run.isValid());
    QVERIFY(put(source.filePath(kTemplate), "[]"));
    QVERIFY(put(source.filePath(kStyle), "QWidget {}"));

    // A fresh run folder gets every file.
    QVERIFY(layout(source.path(), run.path()));
    QCOMPARE(bytesOf(run.filePath(kTemplate)), QByteArray("[]"));
    QCOMPARE(bytesOf(run.filePath(kStyle)), QByteArray("QWidget {}"));

    // The user saves a template; the source tree changes after.
    QVERIFY(put(run.filePath(kTemplate), kSaved));
    QVERIFY(put(source.filePath(kTemplate), "[{}]"));
    QVERIFY(put(source.filePath(kStyle), "QDialog {}"));
    QVERIFY(makeNewer(source.filePath(kTemplate)));
    QVERIFY(makeNewer(source.filePath(kStyle)));
    QVERIFY(layout(source.path(), run.path()));
    QCOMPARE(bytesOf(run.filePath(kTemplate)), kSaved);
    QCOMPARE(bytesOf(run.filePath(kStyle)), QByteArray("QDialog {}"));

    // Gone from the run folder, it is laid out again.
    QVERIFY(QFile::remove(run.filePath(kTemplate)));
    QVERIFY(layout(source.path(), run.path()));
    QCOMPARE(bytesOf(run.filePath(kTemplate)), QByteArray("[{}]"));
}

void TestRunFolder::shippedTreeNeverReplacesSavedTemplates()
{
    QTemporaryDir run;
    QVERIFY(run.isValid());
    const QStringList languages = QDir(QStringLiteral(BRIVANE_SOURCE_DIR "/data_template/grid_template"))
                                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY(!languages.isEmpty());
    for (const QString &language : languages)
        QVERIFY(put(run.filePath(QStringLiteral("data_template/grid_template/%1/template.json").arg(language)), kSaved));

    QVERIFY(layout(QStringLiteral(BRIVANE_SOURCE_DIR), run.path()));
    for (const QString &language : languages)
        QCOMPARE(bytesOf(run.filePath(QStringLiteral("data_template/grid_template/%1/template.json").arg(language))), kSaved);
    // The rest of the run folder is laid out.
    QCOMPARE(bytesOf(run.filePath(kStyle)), bytesOf(QStringLiteral(BRIVANE_SOURCE_DIR "/") + kStyle));
    QVERIFY(QFileInfo(run.filePath(QStringLiteral("template/config/en/home.json"))).isFile());
}

QTEST_GUILESS_MAIN(TestRunFolder)
#include "tst_runfolder.moc"
