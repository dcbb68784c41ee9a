#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// Asks for the name of a new project, the folder it is made in and whether
// the language's template fills it.
class NewProjectDlg : public QDialog
{
    Q_OBJECT

public:
    explicit NewProjectDlg(QWidget *parent = nullptr);
    ~NewProjectDlg() override;

    QString projectName() const;
    QString projectPath() const;
    bool useTemplate() const;

    // A name that, without the blanks around it as it is used, can be a
    // folder name (not empty, not "." or "..", no path separator) whose
    // project file the upload takes, and a folder to make it in; tells the
    // user otherwise.
    static bool checkAnswers(QWidget *parent, const QString &name, const QString &folder);

public slots:
    void btnClicked();
    void onSelectDir();

private:
    void setupUi();

    QLineEdit *m_nameEdit = nullptr;   // lineEdit
    QLineEdit *m_pathEdit = nullptr;   // lineEdit_2
    QCheckBox *m_checkBox = nullptr;
    QPushButton *m_browseButton = nullptr;  // pushButton_3
    QPushButton *m_okButton = nullptr;      // pushButton_2
    QPushButton *m_cancelButton = nullptr;  // pushButton
};
