#pragma once

#include "core/midctrlrecord.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// Enters or edits one central-control device: name, protocol, address and
// port. The uuid is shown, never typed; a new device gets its uuid from the
// device editor after acceptance. On Accepted the caller reads record().
class MidCtrFormDlg : public QDialog
{
    Q_OBJECT

public:
    explicit MidCtrFormDlg(QWidget *parent = nullptr);
    ~MidCtrFormDlg() override;

    // Shows the fixed fields of a device; its commands are not the form's.
    void setData(const MidCtrlRecord &record);
    // The fixed fields as saved; the command list is always empty.
    MidCtrlRecord record() const { return m_record; }

private slots:
    void onSave();

private:
    void setupUi();
    void retranslateUi();

    MidCtrlRecord m_record;
    QLineEdit *m_uuidEdit = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_protocolBox = nullptr;
    QLineEdit *m_ipEdit = nullptr;
    QLineEdit *m_portEdit = nullptr;
    QPushButton *m_saveButton = nullptr;
};
