#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Asks for a program line and starts it as a process of its own, without a
// shell: the first word is the program, the rest its arguments.
class QRuner : public QDialog
{
    Q_OBJECT

public:
    explicit QRuner(QWidget *parent = nullptr);

    QLineEdit *commandEdit() const { return m_edit; }
    // Starts the line without waiting for it; false (and a message) when
    // there is nothing to start or it cannot be started.
    bool runCommandLine(const QString &line);

private slots:
    void onOk();

private:
    QLineEdit *m_edit = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
