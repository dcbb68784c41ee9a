#pragma once

#include <QLineEdit>
#include <QPointer>

class QIntValidator;

// A line edit that only takes integers within a range.
class MyNumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit MyNumberEdit(QWidget *parent = nullptr);

    void setRange(int min, int max);

private:
    QPointer<QIntValidator> m_validator;
};
