#include "propertywidget.h"

#include "controls/mycombobox.h"
#include "controls/mynumberedit.h"
#include "controls/mytextedit.h"
#include "core/screenscale.h"
#include "properties/propdata.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Labels longer than this make an integer row taller, one step per started
// group of kLabelCharsPerStep characters.
const int kLongLabel = 9;
const int kLabelCharsPerStep = 7;
const int kLabelStepHeight = 20;
const int kButtonRowHeight = 30;
const int kGridLayoutRowHeight = 60;
const int kCustomLayoutButtonWidth = 50;

int scaled(double length)
{
    return int(length * screenMetrics().fit);
}

QSpacerItem *spacer(int width)
{
    return new QSpacerItem(width, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

// A text edit in a row one line high: a scroll bar would cover the text, and
// no value of a row holds a line break or a tab.
MyTextEdit *lineHighTextEdit(const QString &text)
{
    auto *edit = new MyTextEdit;
    edit->setSingleLine(true);
    edit->setPlainText(text);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return edit;
}

void makeFixed(QWidget *editor, bool editable)
{
    if (editable)
        return;
    editor->setEnabled(false);
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->setReadOnly(true);
    else if (auto *text = qobject_cast<QTextEdit *>(editor))
        text->setReadOnly(true);
}

} // namespace

int PropertyWidget::beginRow(int height)
{
    const int row = m_tableWidget->rowCount();
    m_tableWidget->insertRow(row);
    if (height > 0)
        m_tableWidget->setRowHeight(row, height);
    m_rows.append({PropertyRowOp::Header, QString(), nullptr, QString()});
    // A new row is on view until the next hide.
    m_rowShown.append(true);
    m_shownRows.append(row);
    return row;
}

void PropertyWidget::finishRow(int nClass, int row, const QString &key, const QString &label, QWidget *cell,
                               QWidget *editor, int kind, PropertyRowOp op)
{
    if (cell)
        m_tableWidget->setCellWidget(row, 1, cell);
    auto *item = new QTableWidgetItem(label);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    // The label column is narrow; a cut label is read in full from here.
    item->setToolTip(label);
    item->setData(RoleKey, key);
    item->setData(RoleEditor, editor ? qlonglong(reinterpret_cast<quintptr>(editor)) : qlonglong(1));
    item->setData(RoleKind, kind);
    m_tableWidget->setItem(row, 0, item);
    m_rows[row] = {op, key, editor, editorText(editor)};
    registerRow(nClass, row);
}

QWidget *PropertyWidget::editorCell(QWidget *editor, bool withSpacer, QHBoxLayout **layoutOut)
{
    auto *cell = new QWidget;
    auto *layout = new QHBoxLayout(cell);
    layout->setSpacing(0);
    layout->setContentsMargins(10, 0, 0, 0);
    if (editor)
        layout->addWidget(editor);
    if (withSpacer)
        layout->addSpacerItem(spacer(40));
    if (layoutOut)
        *layoutOut = layout;
    return cell;
}

void PropertyWidget::addHeaderRow(int nClass, const QString &title, const QString &text)
{
    const int row = beginRow(0);
    auto *titleItem = new QTableWidgetItem(title);
    titleItem->setFlags(titleItem->flags() & ~Qt::ItemIsEditable);
    titleItem->setTextAlignment(Qt::AlignCenter);
    QFont font = titleItem->font();
    font.setWeight(QFont::Bold);
    titleItem->setFont(font);
    titleItem->setData(RoleEditor, qlonglong(0));
    auto *textItem = new QTableWidgetItem(text);
    textItem->setFlags(textItem->flags() & ~Qt::ItemIsEditable);
    textItem->setTextAlignment(Qt::AlignCenter);
    m_tableWidget->setItem(row, 0, titleItem);
    m_tableWidget->setItem(row, 1, textItem);
    m_tableWidget->setSpan(row, 0, 1, 2);
    registerRow(nClass, row);
}

void PropertyWidget::addReadOnlyRow(int nClass, const QString &key, const QString &label, const QString &text)
{
    const int row = beginRow(0);
    finishRow(nClass, row, key, label, editorCell(new QLabel(text), false), nullptr, RowKindReadOnly,
              PropertyRowOp::ReadOnly);
}

void PropertyWidget::addTextRow(int nClass, const QString &key, const QString &label, const QString &text,
                                bool editable)
{
    const int row = beginRow(0);
    auto *edit = lineHighTextEdit(text);
    makeFixed(edit, editable);
    PropData::attach(edit, nClass, row, key);
    connect(edit, SIGNAL(signalFocusOut()), this, SLOT(onTextEditLineFinished()));
    connect(edit, SIGNAL(signalEditFinished()), this, SLOT(onTextEditLineFinished()));
    finishRow(nClass, row, key, label, editorCell(edit, true), edit, RowKindText, PropertyRowOp::Text);
}

void PropertyWidget::addIntRow(int nClass, const QString &key, const QString &label, const QString &text,
                               bool editable, int min, int max)
{
    const int length = label.size();
    const int height = length > kLongLabel
                           ? (length + kLabelCharsPerStep - 1) / kLabelCharsPerStep * kLabelStepHeight
                           : 0;
    const int row = beginRow(height);
    auto *edit = new MyNumberEdit;
    edit->setText(text);
    makeFixed(edit, editable);
    edit->setRange(min, max);
    PropData::attach(edit, nClass, row, key);
    connect(edit, SIGNAL(editingFinished()), this, SLOT(onNumberEditLineFinished()));
    connect(edit, SIGNAL(signalInputRefused()), this, SLOT(onNumberEditRefused()));
    finishRow(nClass, row, key, label, editorCell(edit, true), edit, RowKindInteger, PropertyRowOp::Integer);
}

void PropertyWidget::addPlainIntRow(int nClass, const QString &key, const QString &label, const QString &text,
                                    bool editable)
{
    const int row = beginRow(0);
    auto *edit = new MyNumberEdit;
    edit->setText(text);
    makeFixed(edit, editable);
    edit->setRange(-1, PropertyRows::kMaxNumber);
    PropData::attach(edit, nClass, row, key);
    connect(edit, SIGNAL(editingFinished()), this, SLOT(onNumberEditLineFinished()));
    connect(edit, SIGNAL(signalInputRefused()), this, SLOT(onNumberEditRefused()));
    finishRow(nClass, row, key, label, editorCell(edit, true), edit, RowKindInteger, PropertyRowOp::PlainInteger);
}

void PropertyWidget::addRealRow(int nClass, const QString &key, const QString &label, const QString &text,
                                bool editable)
{
    const int row = beginRow(0);
    auto *edit = new MyNumberEdit;
    edit->setText(text);
    makeFixed(edit, editable);
    PropData::attach(edit, nClass, row, key);
    connect(edit, SIGNAL(editingFinished()), this, SLOT(onDoubelEditLineFinished()));
    finishRow(nClass, row, key, label, editorCell(edit, true), edit, RowKindReal, PropertyRowOp::Real);
}

void PropertyWidget::addChoiceRow(int nClass, const QString &key, const QString &label,
                                  const QVector<PropertyOption> &options, int index, bool editable)
{
    const int row = beginRow(scaled(40.0));
    auto *combo = new MyComboBox;
    for (const PropertyOption &option : options)
        combo->addItem(option.text, option.value);
    // Before the signal is connected, so building commits nothing.
    combo->setCurrentIndex(index);
    PropData::attach(combo, nClass, row, key);
    connect(combo, SIGNAL(currentIndexChanged(int)), this, SLOT(onComboBoxChanged(int)));
    if (!editable) {
        combo->setAttribute(Qt::WA_TransparentForMouseEvents);
        combo->setFocusPolicy(Qt::NoFocus);
        combo->setEnabled(false);
    }
    finishRow(nClass, row, key, label, editorCell(combo, false), combo, RowKindCombo, PropertyRowOp::Choice);
}

void PropertyWidget::pickerRow(int nClass, const QString &key, const QString &label, const QString &text,
                               PropertyRowOp op)
{
    const bool colour = op == PropertyRowOp::Colour;
    const int row = beginRow(scaled(50.0));
    auto *edit = lineHighTextEdit(text);
    edit->setReadOnly(true);
    auto *pick = new QPushButton(QStringLiteral("..."));
    auto *clear = new QPushButton(tr("清除"));
    auto *buttons = new QWidget;
    auto *column = new QVBoxLayout(buttons);
    column->setSpacing(0);
    column->setContentsMargins(2, 0, 2, 0);
    for (QPushButton *button : {pick, clear}) {
        button->setFixedWidth(scaled(40.0));
        column->addWidget(button);
        PropData::attach(button, nClass, row, key);
    }
    if (colour) {
        PropData::attach(edit, nClass, row, key);
        connect(pick, SIGNAL(clicked()), this, SLOT(onBtnColorClicked()));
        connect(clear, SIGNAL(clicked()), this, SLOT(onBtnClearColorClicked()));
    } else {
        connect(pick, SIGNAL(clicked()), this, SLOT(onBtnImgClicked()));
        connect(clear, SIGNAL(clicked()), this, SLOT(onBtnClearImgClicked()));
    }
    QHBoxLayout *layout = nullptr;
    QWidget *cell = editorCell(edit, true, &layout);
    layout->addWidget(buttons);
    finishRow(nClass, row, key, label, cell, edit, RowKindText, op);
}

void PropertyWidget::addColorRow(int nClass, const QString &key, const QString &label, const QString &text)
{
    pickerRow(nClass, key, label, text, PropertyRowOp::Colour);
}

void PropertyWidget::addImageRow(int nClass, const QString &key, const QString &label, const QString &text)
{
    pickerRow(nClass, key, label, text, PropertyRowOp::Image);
}

QWidget *PropertyWidget::buttonRow(int nClass, int row, const QString &key, const QString &caption,
                                   const QJsonObject &obj, const QJsonArray &arr)
{
    auto *button = new QPushButton(caption);
    PropData::attach(button, nClass, row, key, obj, arr);
    QHBoxLayout *layout = nullptr;
    QWidget *cell = editorCell(nullptr, false, &layout);
    layout->addSpacerItem(spacer(10));
    layout->addWidget(button);
    layout->addSpacerItem(spacer(10));
    return cell;
}

void PropertyWidget::addFeedbackRow(int nClass, const QString &key, const QString &label,
                                    const QString &buttonText, const QJsonObject &feedback)
{
    const int row = beginRow(kButtonRowHeight);
    QWidget *cell = buttonRow(nClass, row, key, buttonText, feedback, QJsonArray());
    connect(cell->findChild<QPushButton *>(), SIGNAL(clicked()), this, SLOT(onBtnFeedBackClicked()));
    finishRow(nClass, row, key, label, cell, cell->findChild<QPushButton *>(), RowKindButton,
              PropertyRowOp::Feedback);
}

void PropertyWidget::addCommandListRow(int nClass, const QString &key, const QString &label,
                                       const QJsonArray &commands)
{
    const int row = beginRow(kButtonRowHeight);
    QWidget *cell = buttonRow(nClass, row, key, tr("命令信息"), QJsonObject(), commands);
    connect(cell->findChild<QPushButton *>(), SIGNAL(clicked()), this, SLOT(onBtnMoreCmdClicked()));
    finishRow(nClass, row, key, label, cell, cell->findChild<QPushButton *>(), RowKindButton,
              PropertyRowOp::CommandList);
}

void PropertyWidget::addKeyListRow(int nClass, const QString &key, const QString &label, const QJsonArray &keys)
{
    const int row = beginRow(kButtonRowHeight);
    QWidget *cell = buttonRow(nClass, row, key, tr("设置"), QJsonObject(), keys);
    connect(cell->findChild<QPushButton *>(), SIGNAL(clicked()), this, SLOT(onBtnMouseKeyClicked()));
    finishRow(nClass, row, key, label, cell, cell->findChild<QPushButton *>(), RowKindButton,
              PropertyRowOp::KeyList);
}

void PropertyWidget::addGridLayoutRow(int nClass, const QString &key, const QString &label,
                                      const QJsonArray &layouts)
{
    const int row = beginRow(kGridLayoutRowHeight);
    auto *combo = new MyComboBox;
    fillLayoutNames(combo, layouts);
    PropData::attach(combo, nClass, row, key, QJsonObject(), layouts);
    connect(combo, SIGNAL(currentIndexChanged(int)), this, SLOT(onComboBoxGridSettinngChanged(int)));
    auto *custom = new QPushButton(tr("自定义"));
    custom->setFixedWidth(kCustomLayoutButtonWidth);
    PropData::attach(custom, nClass, row, key);
    connect(custom, SIGNAL(clicked()), this, SLOT(onBtnCustomLayoutClicked()));
    QHBoxLayout *layout = nullptr;
    QWidget *cell = editorCell(combo, true, &layout);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(custom);
    finishRow(nClass, row, key, label, cell, combo, RowKindCombo, PropertyRowOp::GridLayout);
}

void PropertyWidget::fillLayoutNames(QComboBox *combo, const QJsonArray &layouts)
{
    // The item keeps its element's index: elements without a name get no
    // item, so positions in the box and in the array differ.
    for (int i = 0; i < layouts.size(); ++i) {
        const QJsonValue name = layouts.at(i).toObject().value(QLatin1String("name"));
        if (layouts.at(i).isObject() && name.isString())
            combo->addItem(name.toString(), i);
    }
}
