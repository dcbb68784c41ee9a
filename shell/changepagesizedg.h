#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks for a new width and height of an existing page; accepts only sizes
// that a page can take.
class ChangePageSizeDg : public QDialog
{
    Q_OBJECT

public:
    explicit ChangePageSizeDg(QWidget *parent = nullptr);
    ~ChangePageSizeDg() override;

    void setPageWidth(int width);
    void setPageHeight(int height);
    // A text that is not a base-10 integer reads as 0.
    int pageWidth() const;
    int pageHeight() const;

    // A size a page can take; tells the user otherwise.
    static bool checkPageSize(int width, int height);

public slots:
    void btnClicked();

private:
    void setupUi();
    void retranslateUi();

    QLineEdit *m_widthEdit = nullptr;
    QLineEdit *m_heightEdit = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
