#include "app/globalmanager.h"
#include "commands/midctrldlg.h"
#include "shell/mainwindow.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

class TestToolActions : public QObject
{
    Q_OBJECT

private slots:
    void actionsOpenTheirDialogs_data();
    void actionsOpenTheirDialogs();
};

void TestToolActions::actionsOpenTheirDialogs_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("withProject");
    QTest::addColumn<QString>("dialog");   // "" opens none
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("devices"); // "mid_ctrl.dat", when there is one

    const QString noProject = "请先打开或者创建工程";
    QTest::newRow("反馈 without project") << "zhongkongAction" << false << "" << noProject << QByteArray();
    QTest::newRow("函数 without project") << "functionAction" << false << "" << noProject << QByteArray();
    QTest::newRow("事件 without project") << "shijianAction" << false << "" << noProject << QByteArray();
    QTest::newRow("事件") << "shijianAction" << true << "" << "" << QByteArray();
    QTest::newRow("反馈") << "zhongkongAction" << true << "MidCtrlDlg" << "" << QByteArray();
    // Said on opening the project and again by the editor, which opens read-only.
    QTest::newRow("反馈, device file that does not parse") << "zhongkongAction" << true << "MidCtrlDlg"
                                                          << "中控文件无法解析" << QByteArray("{\"MidCtrls\": [],}");
    QTest::newRow("函数") << "functionAction" << true << "CodeEditorDlg" << "" << QByteArray();
    QTest::newRow("字符串助手") << "actionzifu" << false << "KivToolStringAssistant" << "" << QByteArray();
}

void TestToolActions::actionsOpenTheirDialogs()
{
    QFETCH(QString, action);
    QFETCH(bool, withProject);
    QFETCH(QString, dialog);
    QFETCH(QString, message);
    QFETCH(QByteArray, devices);

    TestWorkDir dir;
    TestNotifier notifier;
    auto window = std::make_unique<MainWindow>();
    window->show();
    const QString project = writeProjectFixture(dir.path(), "{\"Page\": []}");
    if (!devices.isNull())
        QVERIFY(writeFixture(QFileInfo(project).absolutePath() + "/mid_ctrl.dat", devices));
    if (withProject)
        QVERIFY(GlobalManager::instance()->openProject(project));
    QAction *trigger = window->action(action);
    const auto openDialogs = [dialog] {
        QList<QDialog *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *each = qobject_cast<QDialog *>(widget);
            if (each && each->isVisible() && (dialog.isEmpty() || QLatin1String(each->metaObject()->className()) == dialog))
                found.append(each);
        }
        return found;
    };
    // A dialog that held the window until it closed would hold the test too.
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, [&] {
        for (QDialog *each : openDialogs())
            each->reject();
        QFAIL("the action did not return while its dialog was open");
    });
    watchdog.start(3000);

    // Twice: a dialog that has closed opens again; the second time the
    // window's closing closes it, as its own close does.
    for (int run = 0; run < 2 && (run == 0 || !dialog.isEmpty()); ++run) {
        trigger->trigger();
        // Beside the window, which stays usable; a second trigger raises it.
        QVERIFY(!QApplication::activeModalWidget());
        trigger->trigger();
        QCOMPARE(openDialogs().size(), dialog.isEmpty() ? 0 : 1);
        if (auto *editor = qobject_cast<MidCtrlDlg *>(openDialogs().value(0)))
            QCOMPARE(editor->isEditDisabled(), !devices.isNull());
        if (run == 0)
            for (QDialog *each : openDialogs())
                each->reject();
    }
    QVERIFY(window->close());
    QVERIFY(openDialogs().isEmpty());
    for (const QString &text : notifier.texts())
        QVERIFY(!message.isEmpty() && text.startsWith(message));
    QCOMPARE(notifier.texts().size(), message.isEmpty() ? 0 : devices.isNull() ? 2 : 3);
    if (!devices.isNull())
        QCOMPARE(readFixture(QFileInfo(project).absolutePath() + "/mid_ctrl.dat"), devices);
    window.reset();
    GlobalManager::resetInstance();
}

QTEST_MAIN(TestToolActions)
#include "tst_toolactions.moc"
