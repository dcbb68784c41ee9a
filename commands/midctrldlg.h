#pragma once

#include "core/midctrlrecord.h"

#include <QDialog>
#include <QString>
#include <QVector>

class FileWrite;
class MidCtrlCmdUserData;
class MidCtrlUserData;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// The editor of the project's central-control devices (left) and of the
// commands of the device selected (right). It works on a copy of the
// device list taken when it opens, gives new devices and commands their
// uuids, hands every change back to the project's list at once, and on
// closing has "mid_ctrl.dat" written into the folder of the project that was
// open when the editor opened, when the devices differ from those it opened
// with. A failed write asks whether to close without saving. Read-only
// (setEditDisabled(true)) it writes nothing.
class MidCtrlDlg : public QDialog
{
    Q_OBJECT

public:
    explicit MidCtrlDlg(QWidget *parent = nullptr);
    ~MidCtrlDlg() override;

    // Turns the six add, delete and edit buttons off (true) or on; with them
    // off nothing can change, so closing saves nothing.
    void setEditDisabled(bool disabled);
    bool isEditDisabled() const { return m_editDisabled; }

    // Every way of closing: hands an edited device list back and saves it;
    // when it cannot be saved, closes only if the user chooses to lose the
    // edits.
    void reject() override;

    // The devices as the rows hold them, in row order.
    QVector<MidCtrlRecord> midCtrls() const;

private slots:
    void onTableWidgetHeadClicked(int column);
    void onTableWidgetHeadClicked2(int column);
    void onAddMidCtrl();
    void onDeleteMidCtrl();
    void onUpdateMidCtrl();
    void onAddMidCtrlCmd();
    void onDeleteMidCtrlCmd();
    void onUpdateMidCtrlCmd();
    void onMidCtrlItemClicked(QTableWidgetItem *item);
    void onMidCtrlCurrentRowChanged(int row, int column, int previousRow, int previousColumn);
    // The project this editor works for is closing: close first, saving.
    void onProjectClosing();

private:
    // Hands each change to the project's device list at once, so that a
    // view opened meanwhile shows it; the file is written on closing.
    void publish();
    FileWrite save(const QVector<MidCtrlRecord> &devices);
    void setupUi();
    void setupTables();
    void retranslateUi();

    void loadMidCtrls();
    void addMidCtrlRow(const MidCtrlRecord &record);
    void addMidCtrlCmdRow(const MidCtrlCmdRecord &record);
    void updateMidCtrlRow(int row, const MidCtrlRecord &record);
    void updateMidCtrlCmdRow(int row, const MidCtrlCmdRecord &record);
    void showCommandsOf(int deviceRow);
    // The selected device: the device table's current row, or -1.
    int selectedDeviceRow() const;
    MidCtrlUserData *deviceData(int row) const;
    MidCtrlCmdUserData *commandData(int row) const;
    // The one checked row of a table; -1 after telling the user that none
    // or more than one is checked.
    int singleCheckedRow(QTableWidget *table);
    void toggleAllChecks(QTableWidget *table, bool *allChecked);
    bool hasSelectedDevice();

    QPushButton *m_buttons[6] = {};
    QTableWidget *m_deviceTable = nullptr;
    QTableWidget *m_commandTable = nullptr;
    QString m_projectPath;
    QVector<MidCtrlRecord> m_openedWith;
    bool m_editDisabled = false;
    bool m_allDevicesChecked = false;
    bool m_allCommandsChecked = false;
    int m_deviceCounter = 0;
    int m_commandCounter = 0;
};
