#pragma once

class QDialog;
class QPushButton;

namespace dialogkeys {

// Enter in the dialog presses its accept button, or nothing when it has none
// that Enter may press. A push button in a dialog is auto-default unless told
// otherwise, so Enter in a field or on a table would press the first one, or
// the last one that had the focus, whether it opens a window, adds a row or
// deletes a file. Call once the dialog's buttons are built.
void enterPresses(QDialog *dialog, QPushButton *acceptButton);

} // namespace dialogkeys
