#include "app/globalmanager.h"
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
    QTest::addColumn<bool>("single");      // a second trigger while it runs opens no second one

    const QString noProject = "请先打开或者创建工程";
    QTest::newRow("反馈 without project") << "zhongkongAction" << false << "" << noProject << false;
    QTest::newRow("函数 without project") << "functionAction" << false << "" << noProject << false;
    QTest::newRow("事件 without project") << "shijianAction" << false << "" << noProject << false;
    QTest::newRow("事件") << "shijianAction" << true << "" << "" << false;
    QTest::newRow("反馈") << "zhongkongAction" << true << "MidCtrlDlg" << "" << true;
    QTest::newRow("函数") << "functionAction" << true << "CodeEditorDlg" << "" << true;
    QTest::newRow("字符串助手") << "actionzifu" << false << "KivToolStringAssistant" << "" << false;
}

void TestToolActions::actionsOpenTheirDialogs()
{
    QFETCH(QString, action);
    QFETCH(bool, withProject);
    QFETCH(QString, dialog);
    QFETCH(QString, message);
    QFETCH(bool, single);

    TestWorkDir dir;
    TestNotifier notifier;
    auto window = std::make_unique<MainWindow>();
    window->show();
    if (withProject)
        QVERIFY(GlobalManager::instance()->openProject(writeProjectFixture(dir.path(), "{\"Page\": []}")));
    QAction *trigger = window->action(action);
    const auto openDialogs = [dialog] {
        QList<QDialog *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && QLatin1String(widget->metaObject()->className()) == dialog)
                found.append(qobject_cast<QDialog *>(widget));
        }
        return found;
    };

    // Twice: a dialog that has closed opens again.
    for (int run = 0; run < 2 && (run == 0 || !dialog.isEmpty()); ++run) {
        int seen = 0;
        bool windowUsable = false;
        if (!dialog.isEmpty()) {
            QTimer::singleShot(0, [&] {
                windowUsable = QApplication::activeModalWidget() == nullptr;
                if (single)
                    trigger->trigger();
                seen = openDialogs().size();
                for (QDialog *each : openDialogs())
                    each->reject();
            });
        }
        trigger->trigger();
        QCOMPARE(seen, dialog.isEmpty() ? 0 : 1);
        QCOMPARE(windowUsable, !dialog.isEmpty());
    }
    QCOMPARE(notifier.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    window.reset();
    GlobalManager::resetInstance();
}

QTEST_MAIN(TestToolActions)
#include "tst_toolactions.moc"
