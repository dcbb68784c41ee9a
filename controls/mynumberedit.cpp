#include "mynumberedit.h"

#include <QIntValidator>

MyNumberEdit::MyNumberEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void MyNumberEdit::setRange(int min, int max)
{
    QIntValidator *previous = m_validator;
    m_validator = new QIntValidator(min, max, this);
    setValidator(m_validator);
    // Rows may change their range many times; do not pile up validators.
    delete previous;
}
