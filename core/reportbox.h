#pragma once

#include <QDialog>
#include <QMessageBox>

class QPlainTextEdit;

// A message box for a text of any length: the text scrolls, and the box
// takes the room its text needs but never more than fits on the screen, so
// its OK button is always in reach.
class ReportBox : public QDialog
{
    Q_OBJECT

public:
    ReportBox(QMessageBox::Icon icon, const QString &title, const QString &text, QWidget *parent = nullptr);

    QPlainTextEdit *textView() const { return m_text; }

private:
    void fitToScreen(const QString &text);

    QPlainTextEdit *m_text = nullptr;
};
