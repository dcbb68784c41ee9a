#include "commands/mousekeydlg.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TestMouseKeyDlg : public QObject
{
    Q_OBJECT

private slots:
    void loadAddTickDeleteAndSave();
};

void TestMouseKeyDlg::loadAddTickDeleteAndSave()
{
    MouseKeyDlg dialog;
    dialog.show();
    auto *table = dialog.findChild<QTableWidget *>("tableWidget");
    auto *keys = dialog.findChild<QComboBox *>("comboBox");
    const auto click = [&](const char *name) {
        QTest::mouseClick(dialog.findChild<QPushButton *>(name), Qt::LeftButton);
    };
    // Only strings are rows; an unknown name survives.
    dialog.setKeyArray({7, "KEY_A", "MY_KEY", "KEY_B"});
    QCOMPARE(table->rowCount(), 3);
    keys->setCurrentText("KEY_LEFTCTRL");
    click("pushButton");
    click("pushButton");
    QCOMPARE(table->rowCount(), 5);
    QCOMPARE(table->item(4, 1)->text(), QString("KEY_LEFTCTRL"));

    // Tick the first two rows and the last one with the mouse.
    for (int row : {0, 1, 4}) {
        const QRect cell = table->visualRect(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.left() + 10, cell.center().y()));
    }
    QCOMPARE(table->item(1, 0)->checkState(), Qt::Checked);
    click("pushButton_2");
    click("pushButton_3");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.keyArray(), QJsonArray({"KEY_B", "KEY_LEFTCTRL"}));
}

QTEST_MAIN(TestMouseKeyDlg)
#include "tst_mousekeydlg.moc"
