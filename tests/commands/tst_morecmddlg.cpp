#include "commands/morecmddlg.h"
#include "tests/testsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

// Drives one command list editor as a user does.
class Editor
{
public:
    Editor()
    {
        dialog.show();
        table = dialog.findChild<QTableWidget *>("tableWidget");
        data = dialog.findChild<QTextEdit *>("textEdit");
    }

    template <typename T = QLineEdit>
    T *field(const char *name) { return dialog.findChild<T *>(name); }
    void click(const char *button) { QTest::mouseClick(field<QPushButton>(button), Qt::LeftButton); }
    void type(const char *name, const QString &text)
    {
        field(name)->clear();
        QTest::keyClicks(field(name), text);
    }
    void selectRow(int row)
    {
        const QRect cell = table->visualRect(table->model()->index(row, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }
    // Fills the form with one command and presses "保存".
    void save(int protocol, const QString &ip, const QString &port, const QString &payload, int dataType = 0)
    {
        field<QComboBox>("comboBox")->setCurrentIndex(protocol);
        field<QComboBox>("comboBox_2")->setCurrentIndex(dataType);
        type("lineEdit", ip);
        type("lineEdit_2", port);
        data->clear();
        QTest::keyClicks(data, payload);
        click("pushButton_3");
    }
    QJsonArray accept()
    {
        click("pushButton");
        return dialog.result() == QDialog::Accepted ? dialog.cmdArray() : QJsonArray();
    }

    MoreCmdDlg dialog;
    QTableWidget *table = nullptr;
    QTextEdit *data = nullptr;
};

QJsonObject command(int protocol, const QString &ip, int port, int dataType, const QString &data)
{
    return QJsonObject{{"protocol", protocol}, {"ip", ip}, {"port", port}, {"data_type", dataType}, {"data", data}};
}

} // namespace

class TestMoreCmdDlg : public QObject
{
    Q_OBJECT

private slots:
    void init() { notifier.reset(new TestNotifier); }
    void cleanup() { notifier.reset(); }

    void cancelReturnsNothing();
    void storedListReturnedWithAllKeys_data();
    void storedListReturnedWithAllKeys();
    void payloadFilteredOnlyWhileTypingHex_data();
    void payloadFilteredOnlyWhileTypingHex();
    void loadedPayloadShownAsStored();
    void refusalsKeepTable_data();
    void refusalsKeepTable();
    void twentyCommandsEnteredAndReordered();

private:
    std::unique_ptr<TestNotifier> notifier;
};

void TestMoreCmdDlg::cancelReturnsNothing()
{
    const QJsonArray stored{command(1, "a", 7, 0, ""), 3};
    Editor editor;
    editor.dialog.setCmdArray(stored);
    editor.dialog.setCmdArray(stored);  // a second load replaces the rows
    QCOMPARE(editor.table->rowCount(), 1);
    QCOMPARE(editor.table->item(0, 0)->text(), QString("tcp"));
    QCOMPARE(editor.table->item(0, 3)->text(), QString("HEX"));
    editor.save(0, "10.0.0.1", "5000", "01");
    QCOMPARE(editor.table->rowCount(), 2);
    editor.click("pushButton_2");
    QCOMPARE(editor.dialog.result(), int(QDialog::Rejected));
    QVERIFY(editor.dialog.cmdArray().isEmpty());
}

void TestMoreCmdDlg::storedListReturnedWithAllKeys_data()
{
    QTest::addColumn<QJsonArray>("stored");
    QTest::addColumn<QJsonObject>("written");
    const QJsonObject zero = jsonFixture(R"({"protocol":0,"ip":"","port":0,"ms":0,"front_ms":0,
        "connect_timout":0,"reconnect_num":0,"username":"","password":"","data_type":0,"data":"",
        "http_url":"","http_method":0,"http_content_type":0})");
    QTest::newRow("non-objects skipped, empty object")
        << QJsonArray{3, "text", QJsonObject()} << zero;
    QTest::newRow("wrong types, fractions, extra keys")
        << QJsonArray{jsonFixture(R"({"port":"80","ip":7,"data":null,"ms":7.5,"front_ms":3e10,"x":1})")} << zero;
    const QJsonObject full = jsonFixture(R"({"protocol":9,"ip":"10.0.0.2","port":23,"ms":100,"front_ms":50,
        "connect_timout":3000,"reconnect_num":2,"username":"root","password":"p w","data_type":1,
        "data":"<b>hello</b>","http_url":"http://h/p?a=1","http_method":1,"http_content_type":1})");
    QTest::newRow("every key, unknown protocol kept") << QJsonArray{full} << full;
    // A three-byte character that would straddle the 19-byte limit goes whole.
    QJsonObject cut = full;
    cut["username"] = QString(25, 'u');
    cut["password"] = QString(QString(18, 'p') + QString::fromUtf8("中"));
    cut["data"] = QString(5000, 'd');
    QJsonObject kept = cut;
    kept["username"] = QString(19, 'u');
    kept["password"] = QString(18, 'p');
    QTest::newRow("fixed fields cut, data whole") << QJsonArray{cut} << kept;
}

void TestMoreCmdDlg::storedListReturnedWithAllKeys()
{
    QFETCH(QJsonArray, stored);
    QFETCH(QJsonObject, written);
    Editor editor;
    editor.dialog.setCmdArray(stored);
    QCOMPARE(editor.table->item(0, 7)->text(), written["username"].toString());
    QCOMPARE(editor.accept(), QJsonArray{written});
}

void TestMoreCmdDlg::payloadFilteredOnlyWhileTypingHex_data()
{
    QTest::addColumn<int>("dataType");
    QTest::addColumn<bool>("matrix");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("hex: digits in lower-case pairs") << 0 << false << "0xAB c" << "0a bc";
    QTest::newRow("ascii: as typed, markup as text") << 1 << false << "Hi <b>x</b>" << "Hi <b>x</b>";
    QTest::newRow("matrix button: never filtered") << 0 << true << "AB zz" << "AB zz";
}

void TestMoreCmdDlg::payloadFilteredOnlyWhileTypingHex()
{
    QFETCH(int, dataType);
    QFETCH(bool, matrix);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Editor editor;
    editor.dialog.setNoDataFilter(matrix);
    editor.save(1, "10.0.0.1", "9000", typed, dataType);
    QCOMPARE(editor.data->toPlainText(), shown);
    QCOMPARE(editor.data->textCursor().position(), shown.size());
    QCOMPARE(editor.table->item(0, 6)->text(), shown);
}

void TestMoreCmdDlg::loadedPayloadShownAsStored()
{
    const QString text = QStringLiteral("Hello <b>World</b>");
    Editor editor;
    QJsonObject unknownHttp = command(1, "10.0.0.2", 2, 1, text);
    unknownHttp.insert("http_method", 5);
    unknownHttp.insert("http_content_type", -3);
    editor.dialog.setCmdArray({command(0, "10.0.0.1", 1, 0, "AA BB"), unknownHttp});
    // The HEX row chosen first leaves HEX in the form when the ASCII row loads.
    for (int row : {0, 1}) {
        editor.selectRow(row);
        editor.click("pushButton_7");
    }
    QCOMPARE(editor.data->toPlainText(), text);
    QCOMPARE(editor.field<QComboBox>("comboBox_2")->currentText(), QString("ASCII"));
    QCOMPARE(editor.field("lineEdit_4")->text(), QString("1"));
    editor.click("pushButton_3");  // modify row 1 in place
    editor.selectRow(0);
    editor.click("pushButton_7");
    QCOMPARE(editor.data->toPlainText(), QString("AA BB"));
    const QJsonArray result = editor.accept();
    QCOMPARE(result.at(0)["data"].toString(), QString("AA BB"));
    QCOMPARE(result.at(1)["data"].toString(), text);
    // Codes the boxes cannot show are kept, not turned into -1.
    QCOMPARE(result.at(1)["http_method"].toInt(), 5);
    QCOMPARE(result.at(1)["http_content_type"].toInt(), -3);
    QVERIFY(notifier->prompts().isEmpty());
}

void TestMoreCmdDlg::refusalsKeepTable_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");
    QTest::newRow("update, none selected") << 1 << "" << "" << "pushButton_7" << "未选中数据";
    QTest::newRow("move, none selected") << 2 << "" << "" << "pushButton_5" << "无法移动：未选中数据";
    QTest::newRow("partial address") << 1 << "192.168.1" << "80" << "pushButton_3" << "输入IP不正确，请输入正确的IP地址";
    QTest::newRow("port 0") << 1 << "10.0.0.1" << "0" << "pushButton_3" << "端口必须在1-65535之间";
}

void TestMoreCmdDlg::refusalsKeepTable()
{
    QFETCH(int, rows);
    QFETCH(QString, ip);
    QFETCH(QString, port);
    QFETCH(QString, action);
    QFETCH(QString, message);
    Editor editor;
    QJsonArray stored;
    for (int i = 0; i < rows; ++i)
        stored.append(command(0, "10.0.0.9", 10 + i, 0, ""));
    editor.dialog.setCmdArray(stored);
    editor.type("lineEdit", ip);
    editor.type("lineEdit_2", port);
    editor.click(action.toLatin1().constData());
    QCOMPARE(notifier->texts(), QStringList{message});
    QCOMPARE(editor.accept(), CmdRecord::toJsonArray(CmdRecord::fromJsonArray(stored)));
}

void TestMoreCmdDlg::twentyCommandsEnteredAndReordered()
{
    Editor editor;
    for (int i = 0; i < 20; ++i)
        editor.save(i % 2 ? 1 : 0, QString("10.0.0.%1").arg(i + 1), QString::number(5000 + i),
                    QString("%1 aa").arg(i, 2, 10, QChar('0')), i % 2);
    editor.selectRow(19);
    editor.click("pushButton_4");  // the last command moves up one place
    const QJsonArray entered = editor.accept();
    QCOMPARE(entered.size(), 20);
    QCOMPARE(entered.at(18)["port"].toInt(), 5019);
    QCOMPARE(entered.at(19)["data"].toString(), QString("18 aa"));
}

QTEST_MAIN(TestMoreCmdDlg)
#include "tst_morecmddlg.moc"
