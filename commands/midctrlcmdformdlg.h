#pragma once

#include "core/midctrlrecord.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

// Enters or edits one command of a central-control device: name, send type,
// interval, data type and data. The uuid is shown, never typed. On Accepted
// the caller reads record().
class MidCtrlCmdFormDlg : public QDialog
{
    Q_OBJECT

public:
    explicit MidCtrlCmdFormDlg(QWidget *parent = nullptr);
    ~MidCtrlCmdFormDlg() override;

    void setData(const MidCtrlCmdRecord &record);
    const MidCtrlCmdRecord &record() const { return m_record; }

private slots:
    void onSave();
    // Keeps the data box to the characters of its data type as it is typed.
    void onTextChanged();

private:
    void setupUi();
    void retranslateUi();

    MidCtrlCmdRecord m_record;
    QLineEdit *m_uuidEdit = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_sendTypeBox = nullptr;
    QLineEdit *m_msEdit = nullptr;
    QComboBox *m_dataTypeBox = nullptr;
    QTextEdit *m_dataEdit = nullptr;
    QPushButton *m_saveButton = nullptr;
};
