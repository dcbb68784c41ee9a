#pragma once

#include <QComboBox>

// A combo box that the mouse wheel never changes: in the property table a
// wheel turn meant to scroll the table must not edit the row under the cursor.
class MyComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit MyComboBox(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    void wheelEvent(QWheelEvent *event) override;
};
