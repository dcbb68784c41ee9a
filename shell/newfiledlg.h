#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

// Asks for the name, width and height of a new page file and accepts only
// what a page can take. The caller sets the title and the suggested values,
// runs it and reads the values back.
class NewFileDlg : public QDialog
{
    Q_OBJECT

public:
    explicit NewFileDlg(QWidget *parent = nullptr);
    ~NewFileDlg() override;

    void setFileName(const QString &name);
    QString fileName() const;
    void setPageWidth(int width);
    void setPageHeight(int height);
    // A text that is not a base-10 integer reads as 0.
    int pageWidth() const;
    int pageHeight() const;

    // Whether a page of the project already holds a name.
    using NameTaken = std::function<bool(const QString &)>;
    // Names the caller knows to be taken are refused while the dialog is open.
    void setNameTaken(const NameTaken &taken);

    // A name a new page may take (also through a rename or a copy), without
    // the blanks around it as it is used: not empty, a bare file name, one
    // the upload takes, none taken. Tells the user otherwise.
    static bool checkPageName(QWidget *parent, const QString &name, const NameTaken &taken = NameTaken());

public slots:
    void btnClicked();

private:
    void setupUi();
    void retranslateUi();

    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_widthEdit = nullptr;
    QLineEdit *m_heightEdit = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    NameTaken m_nameTaken;
};
