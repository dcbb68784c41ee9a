#include "mybasewidget.h"

MyBaseWidget::MyBaseWidget(QWidget *parent)
    : QWidget(parent)
{
}
