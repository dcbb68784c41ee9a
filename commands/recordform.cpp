#include "recordform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVariant>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const int kLabelWidth = 80;
const int kFieldHeight = 32;
const char kFormLabel[] = "recordFormLabel";
} // namespace

QLabel *addRecordFormRow(QVBoxLayout *column, const char *labelName, QWidget *field, bool tall)
{
    QWidget *form = column->parentWidget();
    auto *label = new QLabel(form);
    label->setObjectName(QLatin1String(labelName));
    label->setProperty(kFormLabel, true);
    label->setFixedWidth(kLabelWidth);
    if (!tall)
        field->setMinimumHeight(kFieldHeight);
    auto *row = new QHBoxLayout;
    row->addWidget(label, 0, tall ? Qt::AlignTop : Qt::Alignment());
    row->addWidget(field, 1);
    column->addLayout(row, tall ? 1 : 0);
    return label;
}

QPushButton *addRecordFormSaveRow(QVBoxLayout *column)
{
    column->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));
    auto *button = new QPushButton(column->parentWidget());
    button->setObjectName(QStringLiteral("pushButton"));
    button->setMinimumHeight(kFieldHeight);
    auto *row = new QHBoxLayout;
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    row->addWidget(button);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    column->addLayout(row);
    return button;
}

void alignRecordFormLabels(QWidget *form)
{
    const QList<QLabel *> labels = form->findChildren<QLabel *>();
    int width = kLabelWidth;
    for (const QLabel *label : labels) {
        if (label->property(kFormLabel).toBool())
            width = std::max(width, label->sizeHint().width());
    }
    for (QLabel *label : labels) {
        if (label->property(kFormLabel).toBool())
            label->setFixedWidth(width);
    }
}
