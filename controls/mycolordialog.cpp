#include "mycolordialog.h"

MyColorDialog::MyColorDialog(QWidget *parent)
    : QColorDialog(parent)
{
}

MyColorDialog::MyColorDialog(const QColor &initial, QWidget *parent)
    : QColorDialog(initial, parent)
{
}
