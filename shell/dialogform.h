#pragma once

class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QSpacerItem;
class QWidget;

// Pieces shared by the page file and page size dialogs, built as their forms
// name them.
namespace dialogform {

QSpacerItem *verticalSpacer(int height);
// A label and a line edit as one row of the form; returns the edit.
QLineEdit *addRow(QFormLayout *form, QWidget *owner, const char *labelName, const char *editName);
// "horizontalLayout": spacer, "pushButton_2" (OK), "pushButton" (Cancel), spacer.
QHBoxLayout *buttonRow(QWidget *owner, QPushButton **okButton, QPushButton **cancelButton);

} // namespace dialogform
