#pragma once

#include "core/cmdbtnargs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Asks which commands to find and which connection parameters to give them;
// on Accepted, getReplaceArgs() is the request for the page's batch
// replacement.
class ReplaceCmdDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ReplaceCmdDlg(QWidget *parent = nullptr);
    ~ReplaceCmdDlg() override;

    CMD_BTN_ARGS getReplaceArgs() const;

private slots:
    void btnClicked();
    void cboxPortStateChange(int state);
    void cboxProtocolStateChange(int state);
    void cboxTimeoutStateChange(int state);
    void cboxBeforeSendIntStateChange(int state);
    void cboxAfterSendIntStateChange(int state);
    void cboxReconnCountStateChange(int state);
    void cboxQryPortStateChange(int state);
    void cboxQryIpStateChange(int state);
    void cboxReplaceIpStateChange(int state);

private:
    enum Row { QryIp, QryPort, ReplaceIp, Port, Protocol, Timeout, BeforeSend, AfterSend, ReconnCount, RowCount };

    void setupUi();
    void retranslateUi();
    QString failedCheck() const;
    bool ticked(Row row) const;
    QString fieldText(Row row) const;
    // The field's base-10 value when its row is ticked, else -1.
    int tickedNumber(Row row) const;

    QCheckBox *m_checks[RowCount] = {};
    QWidget *m_fields[RowCount] = {};
    QComboBox *m_protocolBox = nullptr;
    QSpinBox *m_reconnectSpin = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
