#include "dialogform.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>

namespace dialogform {

QSpacerItem *verticalSpacer(int height)
{
    return new QSpacerItem(20, height, QSizePolicy::Minimum, QSizePolicy::Expanding);
}

QLineEdit *addRow(QFormLayout *form, QWidget *owner, const char *labelName, const char *editName)
{
    auto *label = new QLabel(owner);
    label->setObjectName(QLatin1String(labelName));
    auto *edit = new QLineEdit(owner);
    edit->setObjectName(QLatin1String(editName));
    form->addRow(label, edit);
    return edit;
}

QHBoxLayout *buttonRow(QWidget *owner, QPushButton **okButton, QPushButton **cancelButton)
{
    auto *row = new QHBoxLayout;
    row->setObjectName(QStringLiteral("horizontalLayout"));
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    *okButton = new QPushButton(owner);
    (*okButton)->setObjectName(QStringLiteral("pushButton_2"));
    (*okButton)->setMinimumSize(90, 30);
    row->addWidget(*okButton);
    *cancelButton = new QPushButton(owner);
    (*cancelButton)->setObjectName(QStringLiteral("pushButton"));
    (*cancelButton)->setMinimumSize(90, 30);
    row->addWidget(*cancelButton);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    return row;
}

} // namespace dialogform
