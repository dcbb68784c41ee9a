#include "commands/replacecmddlg.h"
#include "tests/canvas/pagefixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace pagefixture;

namespace {

// A request typed as "box=text" pairs: the check box is ticked and, for a
// line edit, the text typed into its field.
struct Request {
    const char *check;
    const char *field;
    QString text;
};

void fill(ReplaceCmdDlg &dialog, const QVector<Request> &request)
{
    for (const Request &row : request) {
        auto *check = dialog.findChild<QCheckBox *>(row.check);
        if (!check->isChecked())
            QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, QPoint(5, check->height() / 2));
        if (auto *edit = dialog.findChild<QLineEdit *>(row.field)) {
            edit->clear();
            QTest::keyClicks(edit, row.text);
        }
    }
}

void pressOk(ReplaceCmdDlg &dialog)
{
    QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
}

QJsonObject command(const QString &ip, int port)
{
    return QJsonObject{{"ip", ip}, {"port", port}, {"protocol", 0}, {"data", "01 02"}, {"ms", 0}};
}

} // namespace

Q_DECLARE_METATYPE(Request)

class TestReplaceCmdDlg : public QObject
{
    Q_OBJECT

private slots:
    void refusedRequestsKeepDialogOpen_data();
    void refusedRequestsKeepDialogOpen();
    void acceptedRequestReplacesSelectedButtonsUndoably();
};

void TestReplaceCmdDlg::refusedRequestsKeepDialogOpen_data()
{
    QTest::addColumn<QVector<Request>>("request");
    QTest::addColumn<QString>("message");
    QTest::newRow("find address empty") << QVector<Request>{} << "查找IP为空";
    const Request findIp{"checkBox", "lineEdit", "10.0.0.1"};
    QTest::newRow("find port letters")
        << QVector<Request>{findIp, {"checkBox_5", "qryEditPort", "ab"}} << "查找端口必须在1-65535之间";
    QTest::newRow("new address partial")
        << QVector<Request>{findIp, {"checkBox_4", "lineEdit_2", "192.168.1"}} << "新的IP不是有效的IP地址";
    QTest::newRow("new port 0") << QVector<Request>{findIp, {"cboxPort", "editPort", "0"}}
                                << "替换的端口必须在1-65535之间";
}

void TestReplaceCmdDlg::refusedRequestsKeepDialogOpen()
{
    QFETCH(QVector<Request>, request);
    QFETCH(QString, message);
    TestNotifier notifier;
    ReplaceCmdDlg dialog;
    dialog.show();
    fill(dialog, request);
    pressOk(dialog);
    QCOMPARE(notifier.texts(), QStringList{message});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestReplaceCmdDlg::acceptedRequestReplacesSelectedButtonsUndoably()
{
    ProjectFixture project;
    QVERIFY(project.setUp());
    GlobalManager *manager = GlobalManager::instance();
    QVERIFY(manager->createPage("hall", 800, 600, 0));
    QVERIFY(manager->openPageTab("hall", 0));
    project.tabs->show();
    UIPage *page = manager->currentPage();
    // A stored address that is no address is found all the same.
    const QJsonObject lists{{"on_cmd_data_list", QJsonArray{command("my-host", 80), command("10.0.0.2", 80)}},
                            {"off_cmd_data_list", QJsonArray{command("10.0.0.1", 81), 5}}};
    UIBase *first = addControl(page, 129, "CmdButton_0", 10, 10, 80, 40, lists);
    UIBase *second = addControl(page, 129, "CmdButton_1", 100, 10, 80, 40, lists);
    UIBase *unselected = addControl(page, 129, "CmdButton_2", 200, 10, 80, 40, lists);
    QVERIFY(select({first, second}));

    ReplaceCmdDlg dialog;
    dialog.show();
    fill(dialog, {{"checkBox", "lineEdit", "my-host"}, {"checkBox_5", "qryEditPort", "80"},
                  {"checkBox_4", "lineEdit_2", "172.16.0.9"}, {"cboxProtocol", "", ""},
                  {"cboxReconnCount", "", ""}});
    dialog.findChild<QComboBox *>("cbProtocol")->setCurrentIndex(4);
    pressOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const CMD_BTN_ARGS args = dialog.getReplaceArgs();
    QCOMPARE(args.port, -1);
    QCOMPARE(args.reconnectNum, 0);

    const int steps = page->undoStack()->count();
    manager->slotReplaceArgsCmd(args);
    QCOMPARE(page->undoStack()->count(), steps + 2);
    for (UIBase *button : {first, second}) {
        const QJsonArray on = button->attributes()["on_cmd_data_list"].toArray();
        QCOMPARE(on.at(0).toObject(), QJsonObject({{"ip", "172.16.0.9"}, {"port", 80}, {"protocol", 4},
                                                   {"data", "01 02"}, {"ms", 0}, {"reconnect_num", 0}}));
        QCOMPARE(on.at(1).toObject(), command("10.0.0.2", 80));
        QCOMPARE(button->attributes()["off_cmd_data_list"], lists["off_cmd_data_list"]);
    }
    QCOMPARE(unselected->attributes()["on_cmd_data_list"], lists["on_cmd_data_list"]);

    page->undo();
    QCOMPARE(second->attributes()["on_cmd_data_list"], lists["on_cmd_data_list"]);
    QCOMPARE(first->attributes()["on_cmd_data_list"].toArray().at(0)["ip"].toString(), QString("172.16.0.9"));
    page->undo();
    QCOMPARE(first->attributes()["on_cmd_data_list"], lists["on_cmd_data_list"]);
    project.tearDown();
}

QTEST_MAIN(TestReplaceCmdDlg)
#include "tst_replacecmddlg.moc"
