#include "app/globalmanager.h"
#include "shell/mainwindow.h"
#include "tests/testsupport.h"
#include "tests/transfer/transferpeer.h"
#include "transfer/datadlg.h"
#include "transfer/datamanager.h"
#include "transfer/tcpclient.h"
#include "transfer/uploadserver.h"

#include <QAction>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <memory>

class TestUpload : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_workDir.reset(new TestWorkDir);
        QVERIFY(m_workDir->isValid());
        // Packages go below this test's own temporary directory.
        QVERIFY(QDir().mkpath(m_workDir->filePath("tmp")));
        qputenv("TMPDIR", QFile::encodeName(m_workDir->filePath("tmp")));
        GlobalManager::resetInstance();
    }
    void cleanup()
    {
        GlobalManager::resetInstance();
        m_workDir.reset();
    }

    void packing_data();
    void packing();
    void failedWriteFailsPacking();
    void unsafePackageFolderIsRefused_data();
    void unsafePackageFolderIsRefused();
    void runAgainstPeer_data();
    void runAgainstPeer();
    void addressPartsAreDecimal_data();
    void addressPartsAreDecimal();
    void pageShowsOnlyConfigUploadAndPlainLog();
    void pageChecksAddressAndProject_data();
    void pageChecksAddressAndProject();
    void secondQuickClickStopsInsteadOfStarting();
    void uploadActionRunsTransferDialog();

private:
    // "name=content", "name=#size" for a sparse file, "name/" for a folder.
    void writeFiles(const QStringList &files);
    QString openProject();
    std::unique_ptr<TestWorkDir> m_workDir;
};

void TestUpload::writeFiles(const QStringList &files)
{
    for (const QString &file : files) {
        const QString path = m_workDir->filePath("proj/" + file.section('=', 0, 0));
        const QString content = file.section('=', 1);
        QVERIFY(file.endsWith('/') ? QDir().mkpath(path) : writeFixture(path, content.toUtf8()));
        if (content.startsWith('#'))
            QVERIFY(QFile(path).resize(content.mid(1).toLongLong()));
    }
}

QString TestUpload::openProject()
{
    writeFiles({"main.projectui={\"Page\": []}", "page1.json=" + QString(32768, 'p')});
    GlobalManager::instance()->openProject(m_workDir->filePath("proj/main.projectui"));
    return m_workDir->filePath("proj");
}

void TestUpload::packing_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("packed");   // empty: the packing fails
    QTest::addColumn<QString>("text");

    const QString x63(63, 'x');
    const QString han21(21, QChar(0x540d));   // 63 bytes of UTF-8
    QTest::newRow("test vector") << "proj" << 2 << QStringList{"a.json={}"} << QStringList{"a.json"} << "";
    QTest::newRow("order ignores case; no folders or hidden files")
        << "proj" << 2 << QStringList{"B.json=b", "a.json=a", "c.txt=", ".hidden=h", "img/", "img/x.png=x"}
        << QStringList{"a.json", "B.json", "c.txt"} << "";
    QTest::newRow("63-byte names") << "proj" << 2 << QStringList{x63 + "=1", han21 + "=2"}
                                   << QStringList{x63, han21} << "";
    QTest::newRow("64-byte file name") << "proj" << 2 << QStringList{x63 + "y=1", "a=2"} << QStringList() << "";
    QTest::newRow("64-byte folder name") << "proj/" + x63 + "y" << 2 << QStringList{x63 + "y/", x63 + "y/a=1"}
                                         << QStringList() << "";
    QTest::newRow("only folders") << "proj" << 2 << QStringList{"img/", "sub/"} << QStringList() << "";
    QTest::newRow("file of 2^31 bytes") << "proj" << 2 << QStringList{"a=1", "big=#2147483648"}
                                        << QStringList() << "";
    QTest::newRow("package reaching 2^31") << "proj" << 2 << QStringList{"a=#1073741824", "b=#1073741700"}
                                           << QStringList() << "";
    QTest::newRow("data file") << "proj/db.sqlite" << 0 << QStringList{"db.sqlite=rows", "other=1"}
                               << QStringList{"db.sqlite"} << "";
    QTest::newRow("file longer than its size") << "/proc/self/status" << 0 << QStringList() << QStringList() << "";
    QTest::newRow("source missing") << "gone" << 2 << QStringList() << QStringList() << "文件不存在 %1/gone";
}

void TestUpload::packing()
{
    QFETCH(QString, source);
    QFETCH(int, mode);
    QFETCH(QStringList, files);
    QFETCH(QStringList, packed);
    QFETCH(QString, text);
    writeFiles(files);
    if (!source.startsWith('/'))
        source = m_workDir->filePath(source);

    UploadServer upload;
    QSignalSpy texts(&upload, SIGNAL(occurrError(QString)));
    upload.setUploadSource(source, mode);
    QCOMPARE(upload.packageFiles(), !packed.isEmpty());
    QCOMPARE(texts.count(), text.isEmpty() ? 0 : 1);
    if (!text.isEmpty())
        QCOMPARE(texts.at(0).at(0).toString(), text.arg(m_workDir->path()));
    // A failed packing leaves no package that could be sent later.
    QCOMPARE(QFile::exists(upload.packagePath()), !packed.isEmpty());

    const QByteArray bytes = readFixture(upload.packagePath());
    const peer::Package package = peer::parse(bytes);
    QCOMPARE(package.valid, !packed.isEmpty());
    QCOMPARE(package.files.size(), packed.size());
    for (int i = 0; i < packed.size(); ++i) {
        QCOMPARE(QString::fromUtf8(package.files.at(i).first), packed.at(i));
        QCOMPARE(package.files.at(i).second, readFixture(m_workDir->filePath("proj/" + packed.at(i))));
    }
    if (!packed.isEmpty()) {
        QCOMPARE(package.name, QFileInfo(source).fileName().toUtf8());
        QCOMPARE(package.type, quint32(mode));
    }
    if (QByteArray(QTest::currentDataTag()) == "test vector") {
        QCOMPARE(bytes.size(), 150);
        QCOMPARE(bytes.mid(64, 12).toHex(), QByteArray("02000000010000004a000000"));
    }
}

void TestUpload::failedWriteFailsPacking()
{
    // A disk that is full after the first kilobyte.
    struct FillingFile : QFile {
        using QFile::QFile;
        qint64 writeData(const char *data, qint64 size) override
        {
            return pos() + size > 1024 ? -1 : QFile::writeData(data, size);
        }
    };
    writeFiles({"a.json=" + QString(5000, 'a')});
    FillingFile output(m_workDir->filePath("out.bin"));
    QVERIFY(output.open(QIODevice::WriteOnly));
    UploadServer upload;
    QCOMPARE(upload.writePackage("proj", 2, {QFileInfo(m_workDir->filePath("proj/a.json"))}, output), 0);
}

void TestUpload::unsafePackageFolderIsRefused_data()
{
    QTest::addColumn<bool>("link");
    QTest::newRow("link planted at the folder's name") << true;
    QTest::newRow("folder open to others") << false;
}

void TestUpload::unsafePackageFolderIsRefused()
{
    QFETCH(bool, link);
    writeFiles({"a.json={}", "elsewhere/"});
    const QString elsewhere = m_workDir->filePath("proj/elsewhere");
    const QString folder = UploadServer::packageFolder(m_workDir->filePath("tmp"));
    if (link)
        QVERIFY(QFile::link(elsewhere, folder));
    else
        QVERIFY(QDir().mkpath(folder) && QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));

    UploadServer upload;
    QSignalSpy texts(&upload, SIGNAL(occurrError(QString)));
    upload.setUploadSource(m_workDir->filePath("proj"), 2);
    QVERIFY(!upload.packageFiles());
    QCOMPARE(texts.at(0).at(0).toString(), "打开文件失败 " + folder + "/config.bin");
    QVERIFY(QDir(elsewhere).isEmpty());
}

void TestUpload::runAgainstPeer_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("texts");   // alternatives of a stage joined by "|"
    QTest::addColumn<int>("boundMs");
    QTest::newRow("whole project") << int(peer::Listener::Read) << QStringList{"连接成功！", "发送成功！"} << 5000;
    QTest::newRow("refused port") << int(peer::Listener::Refuse) << QStringList{"连接失败！"} << 1000;
    QTest::newRow("peer stops reading") << int(peer::Listener::Hold)
                                        << QStringList{"连接成功！", "发送错误！|等待发送超时"} << 4000;
    // Without MSG_NOSIGNAL this row ends the test process by SIGPIPE.
    QTest::newRow("peer closes early") << int(peer::Listener::Close) << QStringList{"连接成功！", "发送错误！"}
                                       << 4000;
}

void TestUpload::runAgainstPeer()
{
    QFETCH(int, mode);
    QFETCH(QStringList, texts);
    QFETCH(int, boundMs);
    writeFiles({"main.js=" + QString(70000, 'j'), "page1.json={}", "video=#4194304"});
    peer::Listener listener{peer::Listener::Mode(mode)};
    UploadServer upload;
    QStringList reported;
    int finishes = 0;
    connect(&upload, &UploadServer::occurrError, this, [&](const QString &text) { reported << text; });
    connect(&upload, &UploadServer::serverFinish, this, [&] { ++finishes; });
    upload.setUploadSource(m_workDir->filePath("proj"), 2);
    QElapsedTimer clock;
    clock.start();
    upload.startUpload("127.0.0.1", listener.port);
    QTRY_COMPARE_WITH_TIMEOUT(finishes, 1, 8000);
    QVERIFY2(clock.elapsed() < boundMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(reported.size(), texts.size());
    for (int i = 0; i < texts.size(); ++i)
        QVERIFY2(texts.at(i).split('|').contains(reported.at(i)), qPrintable(reported.at(i)));
    if (mode == peer::Listener::Read) {
        QTRY_VERIFY_WITH_TIMEOUT(listener.done, 5000);
        const peer::Package package = peer::parse(listener.received);
        QVERIFY(package.valid);
        QCOMPARE(package.files.size(), 3);
        QCOMPARE(package.files.at(0).second, readFixture(m_workDir->filePath("proj/main.js")));
    }
}

void TestUpload::addressPartsAreDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<quint32>("address");
    QTest::newRow("leading zeros are decimal") << "010.0.0.1" << true << 0x0a000001u;
    QTest::newRow("three-digit parts") << "192.168.001.020" << true << 0xc0a80114u;
    QTest::newRow("part over 255") << "256.1.1.1" << false << 0u;
    QTest::newRow("hexadecimal") << "0x7f.0.0.1" << false << 0u;
}

void TestUpload::addressPartsAreDecimal()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(quint32, address);
    quint32 parsed = 0;
    QCOMPARE(TcpClient::parseAddress(text, &parsed), valid);
    QCOMPARE(parsed, address);
}

void TestUpload::pageShowsOnlyConfigUploadAndPlainLog()
{
    DataDlg dialog;
    dialog.show();
    QStringList shown;
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->isVisible())
            shown << button->text();
    }
    QCOMPARE(shown, QStringList{"上传配置"});
    const QString local = dialog.findChild<QLabel *>("label")->text();
    QVERIFY2(QHostAddress(local).protocol() == QAbstractSocket::IPv4Protocol, qPrintable(local));
    dialog.dataManager()->onConfigMentionString("文件不存在 /tmp/<b>x</b>");
    dialog.dataManager()->onConfigMentionString("文件打包错误！");
    QCOMPARE(dialog.findChild<QTextEdit *>("textEdit_3")->toPlainText(),
             QString("文件不存在 /tmp/<b>x</b>\n文件打包错误！"));
    QVERIFY(saveGrabIfAsked(dialog.grab().toImage(), "transfer_page.png"));
}

void TestUpload::pageChecksAddressAndProject_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("part over 255 is not taken") << "256.1.1.1" << "25.1.1.1" << "项目地址为空";
    QTest::newRow("letters") << "abc" << "" << "输入IP不正确，请输入正确的IP地址";
    QTest::newRow("partly typed") << "192.168" << "192.168" << "输入IP不正确，请输入正确的IP地址";
}

void TestUpload::pageChecksAddressAndProject()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, prompt);
    TestNotifier notifier;
    DataManager page;
    auto *address = page.findChild<QLineEdit *>("lineEdit");
    QTest::keyClicks(address, typed);
    QCOMPARE(address->text(), kept);
    auto *button = page.findChild<QPushButton *>("pushButton_3");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(notifier.texts(), QStringList{prompt});
    QCOMPARE(notifier.prompts().at(0).title, QString("提示"));
    QCOMPARE(button->text(), QString("上传配置"));
    QVERIFY(!page.configUploader()->isBusy());
}

void TestUpload::secondQuickClickStopsInsteadOfStarting()
{
    openProject();
    peer::Listener listener(peer::Listener::Refuse);
    DataManager page;
    page.setPanelPort(listener.port);
    page.findChild<QLineEdit *>("lineEdit")->setText("127.0.0.1");
    auto *button = page.findChild<QPushButton *>("pushButton_3");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QString("停止上传"));
    // Before the worker has even begun, the second click finds it busy.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QString("上传配置"));
    QVERIFY(!page.configUploader()->isBusy());
    // Stopped before connecting: the run ends without a text.
    QCoreApplication::processEvents();
    QCOMPARE(page.findChild<QTextEdit *>("textEdit_3")->toPlainText(), QString());
    QCOMPARE(button->text(), QString("上传配置"));
}

void TestUpload::uploadActionRunsTransferDialog()
{
    MainWindow window;
    QString shown;
    QTimer::singleShot(0, [&shown] {
        QWidget *modal = QApplication::activeModalWidget();
        shown = modal ? modal->objectName() : QString("none");
        if (modal)
            modal->close();
    });
    window.action("actionshangchuang")->trigger();
    QCOMPARE(shown, QString("DataDlg"));
}

QTEST_MAIN(TestUpload)
#include "tst_upload.moc"
