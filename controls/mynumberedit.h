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

signals:
    // The edit was finished (Enter, or the focus left) on text that is no
    // number of the range, so editingFinished() was not sent.
    void signalInputRefused();

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointer<QIntValidator> m_validator;
};
