#pragma once

#include <QDialog>
#include <QJsonObject>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

// Edits one control's feedback binding: the device and command it listens
// to (uuids typed by hand), the function of "main.js" that turns a reply into
// a value, the types of the function's extra arguments and result, and what
// the value does to the control. "保存" and "清除" accept; the caller then
// reads result(), an object of eight keys or {} for no binding.
class FeedBackFormDlg : public QDialog
{
    Q_OBJECT

public:
    explicit FeedBackFormDlg(QWidget *parent = nullptr);
    ~FeedBackFormDlg() override;

    void setData(QJsonObject feedback);
    QJsonObject result() const { return m_result; }

private slots:
    void onView();
    void onClear();
    void onSave();
    void onTest();
    void onTextChanged();
    void onFeedBackTypeIndexChanged(int index);

private:
    void setupUi();
    void retranslateUi();

    QJsonObject m_result;
    QLineEdit *m_uuidEdit = nullptr;       // lineEdit
    QLineEdit *m_eventUuidEdit = nullptr;  // lineEdit_2
    QLineEdit *m_functionEdit = nullptr;   // lineEdit_3
    QLineEdit *m_argsEdit = nullptr;       // lineEdit_5
    QComboBox *m_inTypeBox = nullptr;      // comboBox_5
    QComboBox *m_outTypeBox = nullptr;     // comboBox_4
    QComboBox *m_feedbackTypeBox = nullptr; // comboBox_6
    QTextEdit *m_testDataEdit = nullptr;   // textEdit
    QPushButton *m_viewButton = nullptr;   // pushButton_2
    QPushButton *m_testButton = nullptr;   // pushButton_4
    QPushButton *m_clearButton = nullptr;  // pushButton
    QPushButton *m_saveButton = nullptr;   // pushButton_3
};
