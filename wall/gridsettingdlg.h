#pragma once

#include <QDialog>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class MyComboBox;
class MyNumberEdit;
class MyTextEdit;
class QPushButton;
class Screen;

// Shows the grid parameters of one control: its choices, sizes and cells,
// the cells as windows on a scaled wall. Nothing changed here is returned.
class GridSettingDlg : public QDialog
{
    Q_OBJECT

public:
    explicit GridSettingDlg(QWidget *parent = nullptr);
    ~GridSettingDlg() override;

    // Every key of the object, in its order; the two numbers are not used.
    void setData(const QJsonObject &object, int, int);
    void setValue(const QString &key, const QJsonValue &value);

    // Every key shown, as it was taken ("rect" only its complete cells).
    const QJsonObject &data() const { return m_data; }
    Screen *screen() const { return m_screen; }

private:
    void setupUi();
    void retranslateUi();

    QJsonObject m_data;
    MyComboBox *m_combos[3] = {};
    MyNumberEdit *m_edits[4] = {};
    MyTextEdit *m_regionEdit = nullptr;
    Screen *m_screen = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
