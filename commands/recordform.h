#pragma once

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The layout the device and device-command forms share: one column of
// label | field rows, then "保存" centred at the bottom.

// Appends a row: a label of fixed width 80 named labelName, and the field,
// at least 32 high unless tall is set (a box of several lines).
QLabel *addRecordFormRow(QVBoxLayout *column, const char *labelName, QWidget *field, bool tall = false);
// Appends the stretch and the save button "pushButton".
QPushButton *addRecordFormSaveRow(QVBoxLayout *column);
// Gives the labels of a form one width, 80 or the widest text where a
// language needs more, so the fields stay in line and no label is cut.
void alignRecordFormLabels(QWidget *form);
