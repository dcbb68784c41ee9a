#include "app/globalmanager.h"
#include "tests/testsupport.h"
#include "tests/transfer/transferpeer.h"
#include "transfer/datamanager.h"
#include "transfer/dataserver.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpSocket>
#include <QTextEdit>
#include <QtTest>

#include <memory>

#include <fcntl.h>
#include <sys/file.h>

namespace {
QByteArray pack(quint32 type, const QList<QByteArray> &records, qint64 count = -1, qint64 size = -1)
{
    return peer::package("p", type, records, count, size);
}

// Every folder ("name/") and file ("name=content") below root, sorted.
QStringList listing(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = path.mid(root.size() + 1);
        entries << (it.fileInfo().isDir() ? QString(name + '/') : QString(name + '=' + readFixture(path)));
    }
    entries.sort();
    return entries;
}

const QStringList kBefore = {"all_path/", "all_path/keep=1", "config_path/", "config_path/old.json=old",
                             "db.bin=olddb"};
} // namespace

class TestDataServer : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestWorkDir> m_workDir;
    std::unique_ptr<DataServer> m_server;
    QString m_app;

    void connectSender(QTcpSocket &sender) const
    {
        sender.connectToHost(QHostAddress::LocalHost, m_server->serverPort());
        QVERIFY(sender.waitForConnected(2000));
    }

private slots:
    void init()
    {
        m_workDir.reset(new TestWorkDir);
        QVERIFY(m_workDir->isValid());
        qputenv("TMPDIR", QFile::encodeName(m_workDir->path()));
        m_app = m_workDir->filePath("app");
        for (const QString &entry : kBefore) {
            if (!entry.endsWith('/'))
                QVERIFY(writeFixture(m_app + '/' + entry.section('=', 0, 0), entry.section('=', 1).toUtf8()));
        }
        m_server.reset(new DataServer);
        m_server->setListenAddress(QHostAddress::LocalHost);
        m_server->setPort(0);
        m_server->setQuietTimeout(1000);
        m_server->setTargets(m_app + "/db.bin", m_app + "/config_path", m_app + "/all_path");
        m_server->openServer();
        QVERIFY(m_server->isListening());
    }

    void cleanup()
    {
        m_server.reset();
        GlobalManager::resetInstance();
        m_workDir.reset();
    }

    void hostilePackageLeavesTargetsAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("close");   // the sender closes after its bytes, else it falls silent
        QTest::addColumn<QString>("failure");

        const QByteArray good = peer::record("a.json", "new");
        QTest::newRow("traversal after a good record") << pack(2, {good, peer::record("../evil", "x")}) << true
                                                       << "文件名不安全: ../evil";
        QTest::newRow("absolute name") << pack(4, {peer::record("/tmp/evil", "x")}) << true << "文件名不安全: /tmp/evil";
        QTest::newRow("backslash name") << pack(2, {peer::record("a\\b", "x")}) << true << "文件名不安全: a\\b";
        QTest::newRow("dot-dot inside a path") << pack(4, {good, peer::record("sub/../../evil", "x")}) << true
                                               << "文件名不安全: sub/../../evil";
        QTest::newRow("packetSize of 2^31") << pack(2, {good}, 1, 0x80000000LL) << false << "数据包大小超出限制";
        QTest::newRow("size of 2^31") << pack(2, {peer::record("a", "xyz", 0x80000000LL)}, 1, 200) << false
                                       << "数据包大小超出限制";
        QTest::newRow("record beyond packetSize") << pack(2, {peer::record("a", "abcdef")}, 1, 72 + 3) << true
                                                  << "文件记录超出数据包范围";
        QTest::newRow("more fileNumbers than records") << pack(2, {good, peer::record("b", "b")}, 3) << true
                                                       << "文件记录超出数据包范围";
        QTest::newRow("type 0 of two records") << pack(0, {good, peer::record("b", "b")}) << true
                                               << "文件错误, 数据文件数量不对";
        QTest::newRow("stream cut short") << pack(2, {good, peer::record("b", "b")}).chopped(1) << true
                                          << "数据包不完整";
        QTest::newRow("client falls silent") << pack(2, {good}).chopped(1) << false << "数据包不完整";
        QTest::newRow("newline in a name") << pack(2, {good, peer::record("a\nb", "x")}) << true
                                           << "文件名不安全: a?b";
        QTest::newRow("escape in a name") << pack(4, {peer::record("\x1b[2Jx", "x")}) << true
                                          << "文件名不安全: ?[2Jx";
        QTest::newRow("name not UTF-8") << pack(2, {peer::record("a\xff\xfe", "x")}) << true
                                        << "文件名不安全: a\uFFFD\uFFFD";
        QList<QByteArray> many;
        for (int i = 0; i <= 10000; ++i)
            many << peer::record(QByteArray::number(i), "");
        QTest::newRow("more records than a project holds") << pack(2, many) << true << "文件数量超出限制";
    }

    void hostilePackageLeavesTargetsAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, close);
        QFETCH(QString, failure);
        const QStringList outside = listing(m_workDir->path());
        QSignalSpy ends(m_server.get(), SIGNAL(disconnected(bool)));
        QSignalSpy errors(m_server.get(), SIGNAL(writeDataError(QString)));
        QTcpSocket sender;
        connectSender(sender);
        sender.write(bytes);
        if (close)
            sender.disconnectFromHost();
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 3000);
        QCOMPARE(ends.at(0).at(0).toBool(), false);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), failure);
        QTRY_COMPARE(listing(m_workDir->path()), outside);
        QTRY_COMPARE(listing(m_app), kBefore);
    }

    void packagePutInPlaceOnlyWhenComplete_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("piece");
        QTest::addColumn<QString>("target");   // empty: nothing is written
        QTest::addColumn<QStringList>("after");

        QTest::newRow("type 2 replaces the folder whole, in 7-byte writes")
            << pack(2, {peer::record("a.json", "new"), peer::record("b.json", "")}) << 7 << "config_path"
            << QStringList{"all_path/", "all_path/keep=1", "config_path/", "config_path/a.json=new",
                           "config_path/b.json=", "db.bin=olddb"};
        QTest::newRow("type 0 replaces db.bin only; extra bytes dropped")
            << pack(0, {peer::record("x.db", "rows")}) + "extra" << 1000 << "db.bin"
            << QStringList{"all_path/", "all_path/keep=1", "config_path/", "config_path/old.json=old", "db.bin=rows"};
        QTest::newRow("type 4 makes sub-folders")
            << pack(4, {peer::record("sub/a.txt", "A"), peer::record("b", "B")}) << 50 << "all_path"
            << QStringList{"all_path/", "all_path/b=B", "all_path/sub/", "all_path/sub/a.txt=A", "config_path/",
                           "config_path/old.json=old", "db.bin=olddb"};
        QTest::newRow("no files") << pack(2, {}) << 10 << "" << kBefore;
        QTest::newRow("type 1") << pack(1, {peer::record("a", "1")}) << 10 << "" << kBefore;
    }

    void packagePutInPlaceOnlyWhenComplete()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, piece);
        QFETCH(QString, target);
        QFETCH(QStringList, after);
        QSignalSpy ends(m_server.get(), SIGNAL(disconnected(bool)));
        QSignalSpy written(m_server.get(), SIGNAL(writeDataSuccess(QString)));
        QTcpSocket sender;
        connectSender(sender);
        const int last = bytes.indexOf("extra") < 0 ? bytes.size() - 1 : bytes.indexOf("extra") - 1;
        for (int at = 0; at < last; at += piece) {
            sender.write(bytes.mid(at, qMin(piece, last - at)));
            QVERIFY(sender.waitForBytesWritten(1000));
            QCoreApplication::processEvents();
        }
        // One byte short of the package: the targets are untouched, the staging
        // folder beside them holds what has come.
        QTest::qWait(50);
        QCOMPARE(ends.count(), 0);
        QCOMPARE(listing(m_app).filter(QRegularExpression("^[^.]")), kBefore);
        sender.write(bytes.mid(last));
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 3000);
        QCOMPARE(ends.at(0).at(0).toBool(), true);
        QCOMPARE(written.count(), target.isEmpty() ? 0 : 1);
        if (!target.isEmpty())
            QCOMPARE(written.at(0).at(0).toString(), "写入数据文件成功: " + m_app + '/' + target);
        QTRY_COMPARE(listing(m_app), after);
        // The connection is closed after the package and nothing comes back.
        QTRY_COMPARE(sender.state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(sender.bytesAvailable(), 0);
    }

    void tricklingClientIsCutOff_data()
    {
        QTest::addColumn<quint32>("packetSize");
        QTest::addColumn<int>("earliestMs");
        QTest::addColumn<int>("latestMs");
        // 300 ms, and 100 ms more per 64 KiB announced.
        QTest::newRow("small package") << 1000u << 250 << 1200;
        QTest::newRow("ten times 64 KiB") << 655360u << 1250 << 2500;
    }

    void tricklingClientIsCutOff()
    {
        QFETCH(quint32, packetSize);
        QFETCH(int, earliestMs);
        QFETCH(int, latestMs);
        m_server->setDeadline(300, 100);
        QSignalSpy ends(m_server.get(), SIGNAL(disconnected(bool)));
        QSignalSpy errors(m_server.get(), SIGNAL(writeDataError(QString)));
        QTcpSocket trickler;
        connectSender(trickler);
        QElapsedTimer clock;
        clock.start();
        trickler.write(peer::header("p", 2, 1, packetSize) + "ZE");
        // A byte every 100 ms: never quiet for the quiet timer's second.
        while (ends.isEmpty() && clock.elapsed() < 4000) {
            trickler.write("P");
            QTest::qWait(100);
        }
        QVERIFY2(clock.elapsed() >= earliestMs && clock.elapsed() <= latestMs,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(ends.count(), 1);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), QString("数据包不完整"));
        QTcpSocket sender;   // the slot is free for an honest sender
        connectSender(sender);
        sender.write(pack(2, {peer::record("a.json", "new")}));
        QTRY_VERIFY(ends.count() == 2 && ends.at(1).at(0).toBool());
    }

    void replacedAndStaleFoldersGoAfterTheAnswer()
    {
        // Left by a receive that a crash ended, and one that is still under way.
        QVERIFY(writeFixture(m_app + "/.config_path.incoming-stale001/x", "x"));
        const QString live = m_app + "/.config_path.incoming-live0002";
        QVERIFY(QDir().mkpath(live));
        const int lock = ::open(QFile::encodeName(live).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0);
        // The folder to be replaced: many files, and some that cannot be removed.
        for (int i = 0; i < 5000; ++i)
            ::close(::creat(QFile::encodeName(m_app + "/config_path/" + QString::number(i)).constData(), 0600));
        QVERIFY(writeFixture(m_app + "/config_path/locked/kept", "k"));
        QVERIFY(QFile(m_app + "/config_path/locked").setPermissions(QFile::ReadOwner | QFile::ExeOwner));

        const QStringList staging = {".config_path.incoming-*"};
        QString old;   // and how much of it is left when the sender gets its answer
        int oldEntriesAtAnswer = 0;
        connect(m_server.get(), &DataServer::disconnected, this, [&] {
            const QStringList names = QDir(m_app).entryList(staging, QDir::Dirs | QDir::Hidden);
            old = m_app + '/' + names.filter(QRegularExpression("-[0-9a-f]{8}$")).value(0);
            oldEntriesAtAnswer = QDir(old).count();
        });
        QSignalSpy errors(m_server.get(), SIGNAL(writeDataError(QString)));
        {
            const peer::PlainPermissions plain;
            QTcpSocket sender;
            connectSender(sender);
            sender.write(pack(2, {peer::record("a.json", "new")}));
            QTRY_COMPARE(errors.count(), 1);
        }
        ::close(lock);
        // The answer came before the old folder went: removing it stalled nothing.
        QVERIFY2(oldEntriesAtAnswer > 2500, qPrintable(QString::number(oldEntriesAtAnswer)));
        QCOMPARE(QDir(m_app).entryList(staging, QDir::Dirs | QDir::Hidden),
                 QStringList({QFileInfo(old).fileName(), QFileInfo(live).fileName()}));
        QCOMPARE(errors.at(0).at(0).toString(), "删除目录" + old + "失败!");
        QCOMPARE(listing(old), QStringList({"locked/", "locked/kept=k"}));
        QCOMPARE(listing(m_app + "/config_path"), QStringList{"a.json=new"});
        QVERIFY(QFile(old + "/locked").setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void secondClientIsTurnedAway()
    {
        const QByteArray bytes = pack(2, {peer::record("a.json", "new")});
        QSignalSpy ends(m_server.get(), SIGNAL(disconnected(bool)));
        QTcpSocket first;
        QTcpSocket second;
        connectSender(first);
        first.write(bytes.left(30));
        QVERIFY(first.waitForBytesWritten(1000));
        connectSender(second);
        QTRY_COMPARE(second.state(), QAbstractSocket::UnconnectedState);
        first.write(bytes.mid(30));
        QTRY_COMPARE(ends.count(), 1);
        QCOMPARE(ends.at(0).at(0).toBool(), true);
        QVERIFY(listing(m_app).contains("config_path/a.json=new"));
    }

    void projectSentByPageArrivesIdentical()
    {
        m_server.reset();
        const QString project = m_workDir->filePath("proj");
        QVERIFY(writeFixture(project + "/main.projectui", R"({"Page": []})"));
        QVERIFY(writeFixture(project + "/main.js", QByteArray(200000, 'j')));
        QVERIFY(GlobalManager::instance()->openProject(project + "/main.projectui"));
        // Log lines are plain text, whatever a path holds.
        const QString app = m_workDir->filePath("<i>app</i>");

        DataManager page;
        DataServer *server = page.dataServer();
        server->setListenAddress(QHostAddress::LocalHost);
        auto *log = page.findChild<QTextEdit *>("textEdit");
        server->setPort(0);
        server->setTargets(app + "/db.bin", app + "/config_path", app + "/all_path");
        page.openServerBtnClicked();
        QVERIFY(server->isListening());
        page.setPanelPort(server->serverPort());
        page.findChild<QLineEdit *>("lineEdit")->setText("127.0.0.1");
        QTest::mouseClick(page.findChild<QPushButton *>("pushButton_3"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(log->toPlainText().endsWith("上传成功 !"), 5000);
        QCOMPARE(log->toPlainText(), "来自127.0.0.1的连接\n写入数据文件成功: " + app + "/config_path\n上传成功 !");
        QCOMPARE(page.findChild<QTextEdit *>("textEdit_3")->toPlainText(), QString("连接成功！\n发送成功！"));
        QCOMPARE(listing(app + "/config_path"), listing(project));
        page.show();
        QVERIFY(saveGrabIfAsked(page.grab().toImage(), "transfer_page.png"));
    }
};

QTEST_MAIN(TestDataServer)
#include "tst_dataserver.moc"
