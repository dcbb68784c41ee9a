#include "dialogkeys.h"

#include <QDialog>
#include <QPushButton>

namespace dialogkeys {

void enterPresses(QDialog *dialog, QPushButton *acceptButton)
{
    const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    if (acceptButton)
        acceptButton->setDefault(true);
}

} // namespace dialogkeys
