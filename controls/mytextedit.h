#pragma once

#include <QTextEdit>

// A text edit that reports losing the focus; the property editor commits a
// text row on that signal.
class MyTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit MyTextEdit(QWidget *parent = nullptr);

signals:
    void signalFocusOut();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
