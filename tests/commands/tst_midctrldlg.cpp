#include "app/globalmanager.h"
#include "commands/midctrformdlg.h"
#include "commands/midctrlcmdformdlg.h"
#include "commands/feedbackformdlg.h"
#include "commands/midctrldlg.h"
#include "tests/canvas/pagefixture.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

const QByteArray kDevices = R"({"MidCtrls": [
    {"uuid": 100003, "name": "matrix", "ip": "10.0.0.3", "port": 5000, "protocol": 1,
     "cmds": [{"uuid": 200012, "name": "on", "data": "01 02", "data_type": 0, "send_type": 0, "ms": 0}]},
    {"uuid": 100007, "name": "dsp", "ip": "10.0.0.7", "port": 23, "protocol": 0, "cmds": []}]})";

// A combo box takes the index of its choice.
void setField(QWidget *form, const QString &name, const QString &text)
{
    if (auto *line = form->findChild<QLineEdit *>(name))
        line->setText(text);
    else if (auto *box = form->findChild<QComboBox *>(name))
        box->setCurrentIndex(text.toInt());
    else
        form->findChild<QTextEdit *>(name)->setPlainText(text);
}

void save(QWidget *form)
{
    QTest::mouseClick(form->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
}

// Clicks opener, fills the form it opens with the fields and saves it: true
// when the form took them.
template <typename Form>
bool fillAndSave(QPushButton *opener, const QVector<QPair<QString, QString>> &fields)
{
    bool saved = false;
    whenShown<Form>([&](Form *form) {
        for (const auto &field : fields)
            setField(form, field.first, field.second);
        save(form);
        saved = form->result() == QDialog::Accepted;
    });
    QTest::mouseClick(opener, Qt::LeftButton);
    return saved;
}

QJsonArray devicesIn(const QString &file)
{
    return QJsonDocument::fromJson(readFixture(file)).object().value("MidCtrls").toArray();
}

} // namespace

class TestMidCtrlDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formsCheckRequiredFieldsAndCutToByteLimits_data();
    void formsCheckRequiredFieldsAndCutToByteLimits();
    void editedDevicesRoundTripThroughFile();
    void readOnlyEditorNeverWrites();
    void closingProjectClosesEditorIntoItsOwnFolder();
    void enterPressesOnlyAnAcceptButton();
    void deviceListOverFeedbackTakesClicksAndCloses();
    void oneChangedFieldIsSavedOnClosing_data();
    void oneChangedFieldIsSavedOnClosing();

private:
    QPushButton *button(MidCtrlDlg &dialog, const char *name) { return dialog.findChild<QPushButton *>(name); }
    QTableWidget *table(MidCtrlDlg &dialog, const char *name) { return dialog.findChild<QTableWidget *>(name); }
    void tick(QTableWidget *table, int row) { table->item(row, 0)->setCheckState(Qt::Checked); }

    pagefixture::ProjectFixture f;
};

void TestMidCtrlDlg::init()
{
    QVERIFY(f.setUp());
    QVERIFY(writeFixture(f.project + "/mid_ctrl.dat", kDevices));
    QVERIFY(GlobalManager::instance()->openProject(f.projectFile));  // again, to read the devices
}

void TestMidCtrlDlg::cleanup()
{
    f.tearDown();
}

void TestMidCtrlDlg::formsCheckRequiredFieldsAndCutToByteLimits_data()
{
    QTest::addColumn<bool>("device");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("second");   // address, or data
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("nameBytes");
    QTest::addColumn<int>("secondBytes");

    const QString hexPairs = QString("ab ").repeated(400);
    QTest::newRow("device: blank name") << true << "   " << "10.0.0.1" << "中控名称不能为空" << 0 << 0;
    QTest::newRow("device: 64 letters keep 63") << true << QString(64, 'n') << " 10.0.0.1 " << "" << 63 << 8;
    QTest::newRow("device: 22 three-byte characters keep 21") << true << QString(22, QChar(0x4e2d)) << "1.2.3.4"
                                                               << "" << 63 << 7;
    QTest::newRow("command: no data before no name") << false << "" << "  " << "数据不能为空" << 0 << 0;
    QTest::newRow("command: data cut at 1023 bytes") << false << " on " << hexPairs << "" << 2 << 1023;
}

void TestMidCtrlDlg::formsCheckRequiredFieldsAndCutToByteLimits()
{
    QFETCH(bool, device);
    QFETCH(QString, name);
    QFETCH(QString, second);
    QFETCH(QString, message);
    QFETCH(int, nameBytes);
    QFETCH(int, secondBytes);

    MidCtrFormDlg deviceForm;
    MidCtrlCmdFormDlg commandForm;
    QDialog *form = device ? static_cast<QDialog *>(&deviceForm) : &commandForm;
    form->show();
    setField(form, device ? "lineEdit_3" : "lineEdit_5", name);
    setField(form, device ? "lineEdit" : "textEdit", second);
    save(form);

    if (!message.isEmpty()) {
        QCOMPARE(f.notifier->texts(), QStringList{message});
        QVERIFY(form->isVisible());
        return;
    }
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVERIFY(f.notifier->texts().isEmpty());
    if (device) {
        const MidCtrlRecord record = deviceForm.record();
        QCOMPARE(int(qstrlen(record.name)), nameBytes);
        QCOMPARE(int(qstrlen(record.ip)), secondBytes);
    } else {
        const MidCtrlCmdRecord record = commandForm.record();
        QCOMPARE(int(qstrlen(record.name)), nameBytes);
        QCOMPARE(int(qstrlen(record.data)), secondBytes);
    }
}

void TestMidCtrlDlg::editedDevicesRoundTripThroughFile()
{
    MidCtrlDlg dialog;
    dialog.show();
    QTableWidget *devices = table(dialog, "tableWidget");
    QTableWidget *commands = table(dialog, "tableWidget_2");
    QCOMPARE(devices->rowCount(), 2);

    // The next uuids follow the largest loaded ones.
    whenShown<MidCtrFormDlg>([](MidCtrFormDlg *form) {
        setField(form, "lineEdit_3", "projector");
        setField(form, "lineEdit", "10.0.0.9");
        setField(form, "lineEdit_2", "4001");
        save(form);
    });
    QTest::mouseClick(button(dialog, "pushButton"), Qt::LeftButton);
    QCOMPARE(devices->rowCount(), 3);
    QCOMPARE(devices->item(2, 2)->text(), QString("100008"));
    // A view opened now, as 查看中控 opens one, shows the current list.
    MidCtrlDlg view;
    view.setEditDisabled(true);
    QCOMPARE(table(view, "tableWidget")->rowCount(), 3);

    // The command table follows the device selected; a new command goes to it.
    devices->setCurrentCell(0, 1);
    QCOMPARE(commands->rowCount(), 1);
    whenShown<MidCtrlCmdFormDlg>([](MidCtrlCmdFormDlg *form) {
        form->findChild<QComboBox *>("comboBox_3")->setCurrentIndex(1);
        setField(form, "lineEdit_5", "loop");
        setField(form, "lineEdit_3", "500");
        setField(form, "textEdit", "0A zz 1B");
        save(form);
    });
    QTest::mouseClick(button(dialog, "pushButton_4"), Qt::LeftButton);
    QCOMPARE(commands->rowCount(), 2);
    QCOMPARE(commands->item(1, 2)->text(), QString("200013"));
    QCOMPARE(commands->item(1, 6)->text(), QString("0a 1b"));

    // Deleting two ticked devices keeps the third.
    devices->setCurrentCell(2, 1);
    QCOMPARE(commands->rowCount(), 0);
    tick(devices, 1);
    tick(devices, 2);
    QTest::mouseClick(button(dialog, "pushButton_2"), Qt::LeftButton);
    QCOMPARE(devices->rowCount(), 1);
    QCOMPARE(commands->rowCount(), 2);

    dialog.reject();
    const QJsonArray saved = devicesIn(f.project + "/mid_ctrl.dat");
    QCOMPARE(saved.size(), 1);
    const QJsonArray cmds = saved.at(0).toObject().value("cmds").toArray();
    QCOMPARE(cmds.size(), 2);
    QCOMPARE(cmds.at(0).toObject().value("uuid").toInt(), 200012);
    QCOMPARE(cmds.at(1).toObject().value("send_type").toInt(), 1);
    QCOMPARE(cmds.at(1).toObject().value("ms").toInt(), 500);
    QCOMPARE(GlobalManager::instance()->midCtrls().size(), 1);
}

void TestMidCtrlDlg::readOnlyEditorNeverWrites()
{
    MidCtrlDlg dialog;
    dialog.setEditDisabled(true);
    dialog.show();
    QVERIFY(!button(dialog, "pushButton")->isEnabled());

    // Saved meanwhile by someone else: the stale copy must not overwrite it.
    const QByteArray changed = "{\"MidCtrls\": []}";
    QVERIFY(writeFixture(f.project + "/mid_ctrl.dat", changed));
    dialog.reject();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(readFixture(f.project + "/mid_ctrl.dat"), changed);
    QCOMPARE(GlobalManager::instance()->midCtrls().size(), 2);
}

void TestMidCtrlDlg::closingProjectClosesEditorIntoItsOwnFolder()
{
    GlobalManager *manager = GlobalManager::instance();
    const QString other = writeProjectFixture(f.workDir->path(), "{\"Page\": []}", {}, "other");
    MidCtrlDlg dialog;
    dialog.show();
    tick(table(dialog, "tableWidget"), 0);
    QTest::mouseClick(button(dialog, "pushButton_2"), Qt::LeftButton);

    // Opening another project closes the editor first, saving into its folder.
    QVERIFY(manager->openProject(other));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(devicesIn(f.project + "/mid_ctrl.dat").size(), 1);
    QVERIFY(!QFile::exists(QFileInfo(other).absolutePath() + "/mid_ctrl.dat"));

    // An editor whose project folder changed under it writes only its own folder.
    MidCtrlDlg second;
    second.show();
    whenShown<MidCtrFormDlg>([](MidCtrFormDlg *form) {
        setField(form, "lineEdit_3", "projector");
        setField(form, "lineEdit", "10.0.0.9");
        save(form);
    });
    QTest::mouseClick(button(second, "pushButton"), Qt::LeftButton);
    QVERIFY(manager->saveOpenDir(f.project));
    second.reject();
    QVERIFY(QFile::exists(QFileInfo(other).absolutePath() + "/mid_ctrl.dat"));
    QCOMPARE(devicesIn(f.project + "/mid_ctrl.dat").size(), 1);

    // Without a project nothing is written anywhere.
    QVERIFY(manager->closeProject());
    MidCtrlDlg none;
    none.reject();
    QVERIFY(!QFile::exists(QDir::rootPath() + "mid_ctrl.dat"));
    QVERIFY(!QFile::exists(QDir::current().filePath("mid_ctrl.dat")));
}

void TestMidCtrlDlg::enterPressesOnlyAnAcceptButton()
{
    int opened = 0;   // windows Enter opened, closed again
    const auto count = [&opened](QDialog *dialog) { ++opened, dialog->reject(); };
    MidCtrlDlg devices;
    devices.show();
    table(devices, "tableWidget")->setCurrentCell(0, 1);
    whenShown<MidCtrFormDlg>(count);
    QTest::keyClick(table(devices, "tableWidget"), Qt::Key_Return);
    devices.reject();
    // In the feedback dialog Enter saves; it does not show the devices.
    FeedBackFormDlg feedback;
    feedback.show();
    whenShown<MidCtrlDlg>(count);
    QTest::keyClick(feedback.findChild<QLineEdit *>("lineEdit_3"), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(opened, 0);
    QCOMPARE(feedback.result().size(), 8);
}

// The feedback dialog runs modal; the list it opens must not be a window that
// the feedback dialog blocks, or the list takes no click and cannot be closed.
void TestMidCtrlDlg::deviceListOverFeedbackTakesClicksAndCloses()
{
    int clickedRow = -1;
    bool openAfterEscape = true;
    bool listGone = false;
    whenShown<FeedBackFormDlg>([&](FeedBackFormDlg *feedback) {
        whenShown<MidCtrlDlg>([&](MidCtrlDlg *devices) {
            // Through the window, as the user's input comes: a window that a
            // modal one blocks drops it.
            QTableWidget *rows = table(*devices, "tableWidget");
            const QPoint cell = rows->visualItemRect(rows->item(1, 1)).center();
            QTest::mouseClick(devices->windowHandle(), Qt::LeftButton, {}, rows->viewport()->mapTo(devices, cell));
            clickedRow = rows->currentRow();
            QTest::keyClick(devices->windowHandle(), Qt::Key_Escape);
            openAfterEscape = devices->isVisible();
            // A list left open would hold the test in its loop.
            if (devices->isVisible())
                devices->done(QDialog::Rejected);
        });
        QTest::mouseClick(feedback->findChild<QPushButton *>("pushButton_2"), Qt::LeftButton);
        listGone = true;
        for (QWidget *widget : QApplication::topLevelWidgets())
            listGone = listGone && !(qobject_cast<MidCtrlDlg *>(widget) && widget->isVisible());
        // 清除 ends the feedback dialog.
        QWidget *clear = feedback->findChild<QPushButton *>("pushButton");
        QTest::mouseClick(feedback->windowHandle(), Qt::LeftButton, {}, clear->mapTo(feedback, clear->rect().center()));
    });
    FeedBackFormDlg feedback;
    QCOMPARE(feedback.exec(), int(QDialog::Accepted));
    QCOMPARE(clickedRow, 1);
    QVERIFY(!openAfterEscape);
    QVERIFY(listGone);
    QVERIFY(!feedback.isVisible());
}

// Closing writes the file only when the devices differ from those the list
// opened with: a change in any one field must count as a difference.
void TestMidCtrlDlg::oneChangedFieldIsSavedOnClosing_data()
{
    QTest::addColumn<QString>("form");          // "new command", "command" or "device"
    QTest::addColumn<int>("device");
    QTest::addColumn<QStringList>("fields");    // "objectName=value" filled in the form
    QTest::addColumn<QByteArray>("expected");   // that device in the file afterwards

    const auto matrix = [](const char *command) -> QByteArray {
        return QByteArray(R"({"uuid": 100003, "name": "matrix", "ip": "10.0.0.3", "port": 5000, "protocol": 1, "cmds": [)")
               + command + "]}";
    };
    const auto dsp = [](const char *fields) -> QByteArray {
        return QByteArray(R"({"uuid": 100007, "cmds": [], )") + fields + "}";
    };
    QTest::newRow("one command added") << "new command" << 1 << QStringList{"lineEdit_5=mute", "textEdit=05"}
        << QByteArray(R"({"uuid": 100007, "name": "dsp", "ip": "10.0.0.7", "port": 23, "protocol": 0, "cmds": [
               {"uuid": 200013, "name": "mute", "data": "05", "data_type": 0, "send_type": 0, "ms": 0}]})");
    // Each field the comparison looks at, changed alone.
    QTest::newRow("a command's data only") << "command" << 0 << QStringList{"textEdit=01 03"}
        << matrix(R"({"uuid": 200012, "name": "on", "data": "01 03", "data_type": 0, "send_type": 0, "ms": 0})");
    QTest::newRow("a command's name only") << "command" << 0 << QStringList{"lineEdit_5=off"}
        << matrix(R"({"uuid": 200012, "name": "off", "data": "01 02", "data_type": 0, "send_type": 0, "ms": 0})");
    QTest::newRow("a command's interval only") << "command" << 0 << QStringList{"lineEdit_3=250"}
        << matrix(R"({"uuid": 200012, "name": "on", "data": "01 02", "data_type": 0, "send_type": 0, "ms": 250})");
    QTest::newRow("a command's send type only") << "command" << 0 << QStringList{"comboBox_3=1"}
        << matrix(R"({"uuid": 200012, "name": "on", "data": "01 02", "data_type": 0, "send_type": 1, "ms": 0})");
    QTest::newRow("a command's data type only") << "command" << 0 << QStringList{"comboBox_2=1"}
        << matrix(R"({"uuid": 200012, "name": "on", "data": "01 02", "data_type": 1, "send_type": 0, "ms": 0})");
    QTest::newRow("a device's name only") << "device" << 1 << QStringList{"lineEdit_3=amp"}
        << dsp(R"("name": "amp", "ip": "10.0.0.7", "port": 23, "protocol": 0)");
    QTest::newRow("a device's protocol only") << "device" << 1 << QStringList{"comboBox=1"}
        << dsp(R"("name": "dsp", "ip": "10.0.0.7", "port": 23, "protocol": 1)");
    QTest::newRow("a device's IP only") << "device" << 1 << QStringList{"lineEdit=10.0.0.8"}
        << dsp(R"("name": "dsp", "ip": "10.0.0.8", "port": 23, "protocol": 0)");
    QTest::newRow("a device's port only") << "device" << 1 << QStringList{"lineEdit_2=24"}
        << dsp(R"("name": "dsp", "ip": "10.0.0.7", "port": 24, "protocol": 0)");
}

void TestMidCtrlDlg::oneChangedFieldIsSavedOnClosing()
{
    QFETCH(QString, form);
    QFETCH(int, device);
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, expected);

    MidCtrlDlg dialog;
    dialog.show();
    QTableWidget *devices = table(dialog, "tableWidget");
    QTableWidget *commands = table(dialog, "tableWidget_2");
    devices->setCurrentCell(device, 1);
    QVector<QPair<QString, QString>> filled;
    for (const QString &field : fields)
        filled.append({field.section('=', 0, 0), field.section('=', 1)});
    if (form == "new command") {
        QVERIFY(fillAndSave<MidCtrlCmdFormDlg>(button(dialog, "pushButton_4"), filled));
    } else if (form == "command") {
        tick(commands, 0);
        QVERIFY(fillAndSave<MidCtrlCmdFormDlg>(button(dialog, "pushButton_6"), filled));
    } else {
        tick(devices, device);
        QVERIFY(fillAndSave<MidCtrFormDlg>(button(dialog, "pushButton_3"), filled));
    }
    QVERIFY(f.notifier->texts().isEmpty());

    dialog.reject();
    QVERIFY(!dialog.isVisible());
    const QJsonArray saved = devicesIn(f.project + "/mid_ctrl.dat");
    QCOMPARE(saved.size(), 2);
    QCOMPARE(saved.at(device).toObject(), jsonFixture(expected));
    // The other device is written as it was.
    const QJsonArray before = QJsonDocument::fromJson(kDevices).object().value("MidCtrls").toArray();
    QCOMPARE(saved.at(1 - device).toObject(), before.at(1 - device).toObject());
}

QTEST_MAIN(TestMidCtrlDlg)
#include "tst_midctrldlg.moc"
