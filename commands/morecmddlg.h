#pragma once

#include "commands/cmdrecord.h"

#include <QDialog>
#include <QJsonArray>

#include <memory>

class CmdUserData;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;
class QTextEdit;

// Edits one command list of a control on its own copy: construct, load the
// list with setCmdArray, exec(), and on Accepted take cmdArray().
class MoreCmdDlg : public QDialog
{
    Q_OBJECT

public:
    explicit MoreCmdDlg(QWidget *parent = nullptr);
    ~MoreCmdDlg() override;

    // Matrix buttons send their data as typed: no filter while typing.
    void setNoDataFilter(bool noFilter) { m_noDataFilter = noFilter ? 1 : 0; }
    void setCmdArray(const QJsonArray &commands);
    // The edited list; empty until "确定" was pressed.
    QJsonArray cmdArray() const { return m_cmdArray; }

private slots:
    void onProtocolComboBoxChanged(int index);
    void onButtonGroupToggled(int id, bool checked);
    void btnClicked();
    void onTextChanged();
    void onAdd();
    void onUpdate();
    void onUp();
    void onDown();
    void onDel();
    void onItemClicked(QTableWidgetItem *item);
    void slotItemEnter(QTableWidgetItem *item);

private:
    void setupUi();
    void setupTable();
    void retranslateUi();
    QLabel *addFormRow(QGridLayout *form, const char *labelName, QWidget *field, bool narrowLabel);

    void toJsonArray();
    void fillRow(int row, std::unique_ptr<CmdUserData> userData);
    void swapRows(int a, int b);
    void moveCurrentRow(int step);
    CmdUserData *rowData(int row) const;
    CmdRecord recordFromForm() const;
    bool checkConnection(const CmdRecord &record);
    void setInsertMode();

    QButtonGroup *m_modeGroup = nullptr;
    int m_mode = 0;  // 0 insert, 1 modify
    int m_noDataFilter = 0;
    QJsonArray m_cmdArray;
    // The HTTP codes of the row last loaded by "更新", for codes without an entry.
    int m_loadedHttpMethod = 0;
    int m_loadedHttpContentType = 0;

    QRadioButton *m_insertButton = nullptr;
    QRadioButton *m_modifyButton = nullptr;
    QLineEdit *m_indexEdit = nullptr;
    QComboBox *m_dataTypeBox = nullptr;
    QComboBox *m_protocolBox = nullptr;
    QLineEdit *m_ipEdit = nullptr;
    QLineEdit *m_portEdit = nullptr;
    QLineEdit *m_usernameEdit = nullptr;
    QLineEdit *m_passwordEdit = nullptr;
    QLineEdit *m_httpUrlEdit = nullptr;
    QComboBox *m_httpMethodBox = nullptr;
    QComboBox *m_httpContentTypeBox = nullptr;
    QLineEdit *m_frontMsEdit = nullptr;
    QLineEdit *m_msEdit = nullptr;
    QLineEdit *m_connectTimeoutEdit = nullptr;
    QSpinBox *m_reconnectSpin = nullptr;
    QTextEdit *m_dataEdit = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_upButton = nullptr;
    QPushButton *m_downButton = nullptr;
    QPushButton *m_updateButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QTableWidget *m_table = nullptr;
};
