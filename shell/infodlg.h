#pragma once

#include <QDialog>

class QPlainTextEdit;

// The help page: the operating notes as read-only plain text.
class InfoDlg : public QDialog
{
    Q_OBJECT

public:
    explicit InfoDlg(QWidget *parent = nullptr);

    QPlainTextEdit *textEdit() const { return m_text; }

private:
    QPlainTextEdit *m_text = nullptr;
};
