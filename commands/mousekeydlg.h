#pragma once

#include <QDialog>
#include <QJsonArray>
#include <QStringList>

class QComboBox;
class QPushButton;
class QTableWidget;

// Edits the key names of a keyboard button: construct, setKeyArray with a
// copy of "mouse_keys", exec(), and on Accepted take keyArray().
class MouseKeyDlg : public QDialog
{
    Q_OBJECT

public:
    explicit MouseKeyDlg(QWidget *parent = nullptr);
    ~MouseKeyDlg() override;

    // The key names the combo box offers, in their fixed order.
    static QStringList keyNameList();

    // One row per string element; other elements are skipped.
    void setKeyArray(const QJsonArray &keys);
    // The saved list; empty until "保存" was pressed.
    QJsonArray keyArray() const { return m_keyArray; }

private slots:
    void onAdd();
    void onDelete();
    void onSave();

private:
    void setupUi();
    void retranslateUi();
    void appendRow(const QString &name);

    QJsonArray m_keyArray;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QComboBox *m_keyBox = nullptr;
    QTableWidget *m_table = nullptr;
};
