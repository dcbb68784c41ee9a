#include "exmybasewidget.h"

ExMyBaseWidget::ExMyBaseWidget(QWidget *parent)
    : QWidget(parent)
{
}

ExMyBaseWidget::~ExMyBaseWidget() = default;
