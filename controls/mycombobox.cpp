#include "mycombobox.h"

#include <QWheelEvent>

MyComboBox::MyComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

void MyComboBox::wheelEvent(QWheelEvent *event)
{
    // Leave the item alone and let the event travel on, so the table or
    // scroll area around the box still scrolls.
    event->ignore();
}
