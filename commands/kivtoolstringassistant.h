#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QTextBrowser;
class QTextEdit;

// The string tool: typed data in one format shown as the same bytes in
// another, converted on every keystroke.
class KivToolStringAssistant : public QDialog
{
    Q_OBJECT

public:
    explicit KivToolStringAssistant(QWidget *parent = nullptr);
    ~KivToolStringAssistant() override;

private slots:
    void on_textEdit_textChanged();
    void on_inputFormatComboBox_currentIndexChanged(int index);
    void on_createPushButton_clicked();
    void on_outputFormatComboBox_currentTextChanged(QString arg1);

private:
    void setupUi();
    void retranslateUi();
    void convert();

    QTextEdit *m_input = nullptr;
    QTextBrowser *m_output = nullptr;
    QComboBox *m_inputFormat = nullptr;
    QComboBox *m_outputFormat = nullptr;
    QPushButton *m_createButton = nullptr;
};
