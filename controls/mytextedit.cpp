#include "mytextedit.h"

MyTextEdit::MyTextEdit(QWidget *parent)
    : QTextEdit(parent)
{
}

void MyTextEdit::focusOutEvent(QFocusEvent *event)
{
    // The edit finishes its own focus handling before listeners read the text.
    QTextEdit::focusOutEvent(event);
    emit signalFocusOut();
}
