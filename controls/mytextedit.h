#pragma once

#include <QTextEdit>

// A text edit that reports losing the focus; the property editor commits a
// text row on that signal.
class MyTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit MyTextEdit(QWidget *parent = nullptr);

    // One line of text: Enter finishes the edit, Tab moves the focus on, and
    // line breaks and tabs that come in by pasting or dropping become blanks.
    void setSingleLine(bool single);

signals:
    void signalFocusOut();
    // Enter in a single-line edit: the edit is finished, the focus stays.
    void signalEditFinished();

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    bool m_singleLine = false;
};
