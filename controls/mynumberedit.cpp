#include "mynumberedit.h"

#include <QIntValidator>
#include <QKeyEvent>

MyNumberEdit::MyNumberEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void MyNumberEdit::setRange(int min, int max)
{
    QIntValidator *previous = m_validator;
    m_validator = new QIntValidator(min, max, this);
    // Only what the reader of the number takes: "1,000" would pass a locale's
    // validator and then be no number at all.
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    m_validator->setLocale(plain);
    setValidator(m_validator);
    // Rows may change their range many times; do not pile up validators.
    delete previous;
}

void MyNumberEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (!isReadOnly() && !hasAcceptableInput())
        emit signalInputRefused();
}

void MyNumberEdit::keyPressEvent(QKeyEvent *event)
{
    const bool finishing = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QLineEdit::keyPressEvent(event);
    if (finishing && !isReadOnly() && !hasAcceptableInput())
        emit signalInputRefused();
}
