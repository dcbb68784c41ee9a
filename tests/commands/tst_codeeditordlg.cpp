#include "app/globalmanager.h"
#include "commands/codeeditor.h"
#include "commands/codeeditordlg.h"
#include "tests/canvas/pagefixture.h"

#include <QDataStream>
#include <QDir>
#include <QtTest>

#include <sys/stat.h>

class TestCodeEditorDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void closingWritesTheTextWithLineFeeds();
    void unreadableScriptIsKept_data();
    void unreadableScriptIsKept();
    void uneditedScriptIsKeptByteForByte_data();
    void uneditedScriptIsKeptByteForByte();
    void closingProjectClosesTheEditorFirst();
    void scriptTheUserMayNotWriteOpensReadOnly_data();
    void scriptTheUserMayNotWriteOpensReadOnly();

private:
    QString script() const { return f.project + "/main.js"; }

    pagefixture::ProjectFixture f;
};

void TestCodeEditorDlg::init()
{
    QVERIFY(f.setUp());
}

void TestCodeEditorDlg::cleanup()
{
    f.tearDown();
}

void TestCodeEditorDlg::closingWritesTheTextWithLineFeeds()
{
    QVERIFY(writeFixture(script(), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9 \xe4\xb8\xad"));
    CodeEditorDlg dialog;
    dialog.show();
    CodeEditor *editor = dialog.editor();
    QVERIFY(!editor->isReadOnly());
    QCOMPARE(editor->blockCount(), 9);
    editor->moveCursor(QTextCursor::End);
    editor->insertPlainText("\n10");

    dialog.reject();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(readFixture(script()), QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n9 \xe4\xb8\xad\n10"));
}

void TestCodeEditorDlg::unreadableScriptIsKept_data()
{
    // There, but not readable as a file.
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to a zero device") << "zero";
}

void TestCodeEditorDlg::unreadableScriptIsKept()
{
    QFETCH(QString, kind);
    QVERIFY(makeSpecialFile(script(), kind));
    const ReadWatchdog watchdog;
    CodeEditorDlg dialog;
    dialog.show();
    QCOMPARE(f.notifier->texts(), QStringList(QString::fromUtf8("不是普通文件，未读取: ") + script()));
    QVERIFY(dialog.editor()->isReadOnly());
    dialog.reject();
    // Closed without trying to write over it.
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.notifier->texts().size(), 1);
    QCOMPARE(fileKind(script()), kind);
}

void TestCodeEditorDlg::uneditedScriptIsKeptByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("why");  // in the message; none when editable
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\rc\n") << "";
    QTest::newRow("GBK") << QByteArray("\xd6\xd0\xce\xc4") << "UTF-8";
    QTest::newRow("Latin-1") << QByteArray("caf\xe9") << "UTF-8";
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << "NUL";
}

void TestCodeEditorDlg::uneditedScriptIsKeptByteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    QVERIFY(writeFixture(script(), bytes));
    CodeEditorDlg dialog;
    dialog.show();
    QCOMPARE(dialog.editor()->isReadOnly(), !why.isEmpty());
    QCOMPARE(f.notifier->texts().size(), why.isEmpty() ? 0 : 1);
    QVERIFY(why.isEmpty() || f.notifier->texts().first().contains(why));
    dialog.reject();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(readFixture(script()), bytes);
}

void TestCodeEditorDlg::closingProjectClosesTheEditorFirst()
{
    CodeEditorDlg dialog;
    dialog.show();
    dialog.editor()->setPlainText("export function f() {}");
    QVERIFY(GlobalManager::instance()->closeProject());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(readFixture(script()), QByteArray("export function f() {}"));

    // Without a project: nothing to edit, nothing written.
    CodeEditorDlg none;
    QVERIFY(none.scriptPath().isEmpty());
    QVERIFY(none.editor()->isReadOnly());
    none.reject();
    QVERIFY(!QFile::exists(QDir::rootPath() + "main.js"));
}

void TestCodeEditorDlg::scriptTheUserMayNotWriteOpensReadOnly_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::newRow("a script the user may not write") << 0777 << 0444;
    QTest::newRow("a script in a folder the user may not write") << 0555 << 0666;
}

// Root may write anything: the editor opens as a user, in a child process.
void TestCodeEditorDlg::scriptTheUserMayNotWriteOpensReadOnly()
{
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QString whyNot;
    if (!canRunAsNobody(&whyNot))
        QSKIP(qPrintable(whyNot));
    const QByteArray bytes("export function f(data) { return data; }\n");
    QVERIFY(writeFixture(script(), bytes));
    // The temporary folder is its owner's alone.
    QCOMPARE(::chmod(QFile::encodeName(f.workDir->path()).constData(), 0755), 0);
    QCOMPARE(::chmod(QFile::encodeName(script()).constData(), mode_t(fileMode)), 0);
    QCOMPARE(::chmod(QFile::encodeName(f.project).constData(), mode_t(folderMode)), 0);
    const QMap<QString, QByteArray> before = folderSnapshot(f.project);

    QByteArray answer;
    const bool ran = runAsNobody([this] {
        QByteArray said;
        QDataStream out(&said, QIODevice::WriteOnly);
        CodeEditorDlg dialog;
        dialog.show();
        out << dialog.editor()->isReadOnly();
        QTest::keyClicks(dialog.editor(), "let a;");
        dialog.reject();
        out << dialog.isVisible() << dialog.editor()->toPlainText() << f.notifier->texts();
        return said;
    }, &answer);
    QVERIFY(ran);
    QDataStream in(answer);
    bool readOnly = false;
    bool visible = true;
    QString text;
    QStringList texts;
    in >> readOnly >> visible >> text >> texts;
    QCOMPARE(in.status(), QDataStream::Ok);
    // Said once, on opening, with the whole path and why.
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.first().endsWith(QDir::toNativeSeparators(script()) + QString::fromUtf8("\n没有写入权限")),
             qPrintable(texts.first()));
    QVERIFY(readOnly);
    // Nothing typed, and closed without a question, the file as it was.
    QCOMPARE(text, QString::fromUtf8(bytes));
    QVERIFY(!visible);
    QCOMPARE(folderSnapshot(f.project), before);
}

QTEST_MAIN(TestCodeEditorDlg)
#include "tst_codeeditordlg.moc"
