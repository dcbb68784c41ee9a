#include "app/globalmanager.h"
#include "tests/testsupport.h"
#include "tests/transfer/transferpeer.h"
#include "transfer/datamanager.h"
#include "transfer/packageformat.h"
#include "transfer/tcpclient.h"
#include "transfer/uploadserver.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

class TestUpload : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestWorkDir> m_workDir;

    // "name=content", "name=#size" for a sparse file, "name=!" for one no
    // one may read, "name=|" for a FIFO, "name@target" for a link, "name/"
    // for a folder. The FIFOs made, by path.
    QStringList writeFiles(const QStringList &files)
    {
        QStringList fifos;
        for (const QString &file : files) {
            const QString path = m_workDir->filePath("proj/" + file.section(QRegularExpression("[=@]"), 0, 0));
            const QString content = file.section('=', 1);
            if (file.contains('@'))
                QFile::link(file.section('@', 1), path);
            else if (content == "|" && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0)
                fifos << path;
            else if (file.endsWith('/'))
                QDir().mkpath(path);
            else
                writeFixture(path, content.toUtf8());
            if (content.startsWith('#'))
                QFile(path).resize(content.mid(1).toLongLong());
            if (content == "!")
                QFile(path).setPermissions({});
        }
        return fifos;
    }
    // The package the tests' own builder makes of these files of the project folder.
    QByteArray expectedPackage(const QByteArray &name, int mode, const QStringList &files)
    {
        QList<QByteArray> records;
        for (const QString &file : files)
            records << peer::record(file.toUtf8(), readFixture(m_workDir->filePath("proj/" + file)));
        return peer::package(name, quint32(mode), records);
    }

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

    void packing_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("packed");   // empty: the packing fails
        QTest::addColumn<QStringList>("texts");    // %1: the work folder

        const QString x63(63, 'x');
        const QString han21(21, QChar(0x540d));   // 63 bytes of UTF-8
        const QString skipped = "跳过非普通文件: %1/proj/";
        QTest::newRow("test vector") << "proj" << 2 << QStringList{"a.json={}"} << QStringList{"a.json"}
                                     << QStringList();
        QTest::newRow("order ignores case; no folders or hidden files")
            << "proj" << 2 << QStringList{"B.json=b", "a.json=a", "c.txt=", ".hidden=h", "img/", "img/x.png=x"}
            << QStringList{"a.json", "B.json", "c.txt"} << QStringList();
        QTest::newRow("only regular files, the others named")
            << "proj" << 2
            << QStringList{"a=1", "pipe=|", "pipe.lnk@pipe", "dangling@gone", "img.lnk@img", "img/", "z.lnk@a"}
            << QStringList{"a", "z.lnk"}
            << QStringList{skipped + "dangling", skipped + "pipe", skipped + "pipe.lnk"};
        QTest::newRow("63-byte names") << "proj" << 2 << QStringList{x63 + "=1", han21 + "=2"}
                                       << QStringList{x63, han21} << QStringList();
        QTest::newRow("64-byte file name") << "proj" << 2 << QStringList{x63 + "y=1", "a=2"} << QStringList()
                                           << QStringList{"文件名过长: %1/proj/" + x63 + "y (最多63字节)"};
        QTest::newRow("64-byte folder name") << "proj/" + x63 + "y" << 2 << QStringList{x63 + "y/", x63 + "y/a=1"}
                                             << QStringList() << QStringList{"文件名过长: " + x63 + "y (最多63字节)"};
        QTest::newRow("file of 2^31 bytes") << "proj" << 2 << QStringList{"a=1", "big=#2147483648"}
                                            << QStringList() << QStringList{"数据包超出2GB限制: %1/proj/big"};
        QTest::newRow("package reaching 2^31") << "proj" << 2 << QStringList{"a=#1073741824", "b=#1073741700"}
                                               << QStringList() << QStringList{"数据包超出2GB限制: %1/proj/b"};
        QStringList tooMany;
        for (quint32 i = 0; i <= PackageFormat::kMaxRecords; ++i)
            tooMany << QStringLiteral("f%1=").arg(i);
        QTest::newRow("more files than a panel takes") << "proj" << 2 << tooMany << QStringList()
                                                       << QStringList{"文件数量超出限制"};
        QTest::newRow("unreadable file") << "proj" << 2 << QStringList{"a=1", "b=!"} << QStringList()
                                         << QStringList{"读取文件失败: %1/proj/b"};
        QTest::newRow("data file") << "proj/db.sqlite" << 0 << QStringList{"db.sqlite=rows", "other=1"}
                                   << QStringList{"db.sqlite"} << QStringList();
        QTest::newRow("file longer than its size") << "/proc/self/status" << 0 << QStringList() << QStringList()
                                                   << QStringList{"读取文件失败: /proc/self/status"};
        QTest::newRow("source missing") << "gone" << 2 << QStringList() << QStringList()
                                        << QStringList{"文件不存在 %1/gone"};
    }
    void packing()
    {
        QFETCH(QString, source);
        QFETCH(int, mode);
        QFETCH(QStringList, packed);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, files);
        const peer::FifoRescue rescue(writeFiles(files));
        if (!source.startsWith('/'))
            source = m_workDir->filePath(source);

        UploadServer upload;
        QSignalSpy reported(&upload, SIGNAL(occurrError(QString)));
        upload.setUploadSource(source, mode);
        {
            const peer::PlainPermissions plain;
            QCOMPARE(upload.packageFiles(), !packed.isEmpty());
        }
        QCOMPARE(reported.count(), texts.size());
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(reported.at(i).at(0).toString(), texts.at(i).arg(m_workDir->path()));
        // A failed packing leaves nothing that could be sent later.
        QCOMPARE(QFile::exists(upload.packagePath()), !packed.isEmpty());
        if (packed.isEmpty())
            return;
        const QByteArray bytes = readFixture(upload.packagePath());
        QCOMPARE(bytes, expectedPackage(QFileInfo(source).fileName().toUtf8(), mode, packed));
        if (QByteArray(QTest::currentDataTag()) == "test vector") {
            QCOMPARE(bytes.size(), 150);
            QCOMPARE(bytes.mid(64, 12).toHex(), QByteArray("02000000010000004a000000"));
        }
    }

    void failedWriteFailsPacking()
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

    void twoUploadsKeepTheirOwnPackages()
    {
        // The larger one is still packing when the smaller one has packed.
        writeFiles({"big=#67108864"});
        QVERIFY(writeFixture(m_workDir->filePath("small/a.json"), "{}"));
        // A folder at the name that every run once shared, made by someone else.
        QVERIFY(QDir().mkpath(m_workDir->filePath("tmp/brivane-transfer-" + QString::number(::geteuid()))));
        peer::Listener bigPanel(peer::Listener::Read);
        peer::Listener smallPanel(peer::Listener::Read);
        UploadServer big;
        UploadServer small;
        big.setUploadSource(m_workDir->filePath("proj"), 2);
        small.setUploadSource(m_workDir->filePath("small"), 2);
        big.startUpload("127.0.0.1", bigPanel.port);
        small.startUpload("127.0.0.1", smallPanel.port);
        QTRY_VERIFY_WITH_TIMEOUT(bigPanel.done && smallPanel.done, 20000);
        QCOMPARE(smallPanel.received, peer::package("small", 2, {peer::record("a.json", "{}")}));
        QCOMPARE(bigPanel.received.left(76), peer::header("proj", 2, 1, 72 + 67108864));
        QCOMPARE(bigPanel.received.size(), 76 + 72 + 67108864);
        QCOMPARE(QFile(QFileInfo(big.packagePath()).path()).permissions() & 0x0077, QFile::Permissions());
    }

    void stopCutsPackingShort()
    {
        writeFiles({"big=#1073741824"});
        peer::Listener panel(peer::Listener::Refuse);
        UploadServer upload;
        QSignalSpy reported(&upload, SIGNAL(occurrError(QString)));
        upload.setUploadSource(m_workDir->filePath("proj"), 2);
        upload.startUpload("127.0.0.1", panel.port);
        QTest::qWait(200);
        QElapsedTimer clock;
        clock.start();
        upload.stopUpload();
        // Packing the rest of the gigabyte would take seconds more.
        QVERIFY2(clock.elapsed() < 300, qPrintable(QString::number(clock.elapsed())));
        QCoreApplication::processEvents();
        QCOMPARE(reported.count(), 0);
    }

    void runAgainstPeer_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("texts");   // alternatives of a stage joined by "|"
        QTest::addColumn<int>("boundMs");
        QTest::newRow("whole project") << int(peer::Listener::Read) << QStringList{"连接成功！", "发送成功！"}
                                       << 8000;
        QTest::newRow("refused port") << int(peer::Listener::Refuse) << QStringList{"连接失败！"} << 2000;
        QTest::newRow("peer stops reading") << int(peer::Listener::Hold)
                                            << QStringList{"连接成功！", "发送错误！|等待发送超时"} << 5000;
        // Without MSG_NOSIGNAL this row ends the test process by SIGPIPE.
        QTest::newRow("peer closes early") << int(peer::Listener::Close) << QStringList{"连接成功！", "发送错误！"}
                                           << 5000;
    }
    void runAgainstPeer()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, texts);
        QFETCH(int, boundMs);
        // Larger than what the sockets' buffers can hold when the peer does not read.
        const bool stalls = mode == peer::Listener::Hold || mode == peer::Listener::Close;
        writeFiles({"main.js=" + QString(70000, 'j'), "page1.json={}", stalls ? "video=#8388608" : "video="});
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
        QTRY_COMPARE_WITH_TIMEOUT(finishes, 1, 10000);
        QVERIFY2(clock.elapsed() < boundMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(reported.size(), texts.size());
        for (int i = 0; i < texts.size(); ++i)
            QVERIFY2(texts.at(i).split('|').contains(reported.at(i)), qPrintable(reported.at(i)));
        if (mode == peer::Listener::Read) {
            QTRY_VERIFY_WITH_TIMEOUT(listener.done, 5000);
            QCOMPARE(listener.received, expectedPackage("proj", 2, {"main.js", "page1.json", "video"}));
        }
    }

    void addressPartsAreDecimal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<quint32>("address");
        QTest::newRow("leading zeros are decimal") << "010.0.0.1" << true << 0x0a000001u;
        QTest::newRow("hexadecimal") << "0x7f.0.0.1" << false << 0u;
    }
    void addressPartsAreDecimal()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(quint32, address);
        quint32 parsed = 0;
        QCOMPARE(TcpClient::parseAddress(text, &parsed), valid);
        QCOMPARE(parsed, address);
    }

    void pageChecksAddressAndProject_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("part over 255 is not taken") << "256.1.1.1" << "25.1.1.1" << "项目地址为空";
        QTest::newRow("letters") << "abc" << "" << "输入IP不正确，请输入正确的IP地址";
        QTest::newRow("partly typed") << "192.168" << "192.168" << "输入IP不正确，请输入正确的IP地址";
    }
    void pageChecksAddressAndProject()
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
        QVERIFY(!page.configUploader()->isBusy());
    }

    void secondQuickClickStops()
    {
        writeFiles({"main.projectui={\"Page\": []}"});
        QVERIFY(GlobalManager::instance()->openProject(m_workDir->filePath("proj/main.projectui")));
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
    }
};

QTEST_MAIN(TestUpload)
#include "tst_upload.moc"
