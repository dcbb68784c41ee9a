#include "propertywidget.h"

#include "controls/switchshape.h"
#include "core/fileutils.h"
#include "properties/propdata.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>
#include <limits>

namespace {

const int kPageClass = 100;

// Integer keys that show another value than 0 when the object lacks them.
struct MissingInteger {
    const char *key;
    int value;
};
const MissingInteger kMissingIntegers[] = {
    {"show_item_num", 5},
    {"page_turn_height", 30},
    {"PlaceId", -1},
};

int missingInteger(const QString &key)
{
    for (const MissingInteger &entry : kMissingIntegers) {
        if (key == QLatin1String(entry.key))
            return entry.value;
    }
    return 0;
}

// A number read as an integer: a fraction, or a number no int can hold,
// counts as 0; anything but a number gives the fallback.
int wholeNumber(const QJsonValue &value, int fallback)
{
    if (!value.isDouble())
        return fallback;
    const double number = value.toDouble();
    if (std::trunc(number) != number || number < std::numeric_limits<int>::min()
        || number > std::numeric_limits<int>::max())
        return 0;
    return int(number);
}

// The stored text, leaving an edit that shows it already as it is (its
// cursor stays where the user left it). Returns what the edit shows, which
// need not be the text itself (a line break stored as "\r\n"). Either way
// the edit keeps no undo history: what was typed before is the page's step
// now, or another control's, and the undo key goes to the page.
QString setEditorText(QTextEdit *edit, const QString &text)
{
    const QString shown = edit->toPlainText();
    if (shown == text) {
        edit->document()->clearUndoRedoStacks();
        return shown;
    }
    edit->setPlainText(text);
    return edit->toPlainText();
}

// The rows of the page that an ordinary page does not offer.
bool isPlacementKey(const QString &key)
{
    return key == QLatin1String("x") || key == QLatin1String("y") || key == QLatin1String("fixed_position");
}

} // namespace

void PropertyWidget::fillProperty(int nClass, const QJsonObject &data)
{
    const auto found = m_pageRows.constFind(nClass);
    if (found == m_pageRows.constEnd())
        return;
    const bool ordinaryPage = nClass == kPageClass && wholeNumber(data.value(QLatin1String("page_type")), -1) == 0;
    for (int row : found.value()) {
        showRow(row, !(ordinaryPage && isPlacementKey(m_rows.at(row).key)));
        fillRow(row, data);
    }
}

// Every row is set by its own kind, so that no row goes on showing the value
// of the control shown before; a key that is missing or of another type
// shows the kind's empty value.
void PropertyWidget::fillRow(int row, const QJsonObject &data)
{
    RowRecord &record = m_rows[row];
    if (!record.editor)
        return;
    const QJsonValue value = data.value(record.key);
    const QSignalBlocker blocker(record.editor);
    switch (record.op) {
    // What a row shows is remembered as filled: a visit that leaves it so
    // commits nothing, neither a key the control lacks nor a rounded value.
    case PropertyRowOp::Integer:
    case PropertyRowOp::PlainInteger:
        record.filled = QString::number(wholeNumber(value, missingInteger(record.key)));
        static_cast<QLineEdit *>(record.editor)->setText(record.filled);
        break;
    case PropertyRowOp::Real:
        record.filled = QString::number(value.isDouble() ? value.toDouble() : 1.0, 'f', 2);
        static_cast<QLineEdit *>(record.editor)->setText(record.filled);
        break;
    case PropertyRowOp::Choice: {
        auto *combo = static_cast<QComboBox *>(record.editor);
        combo->setCurrentIndex(value.isDouble() ? combo->findData(wholeNumber(value, 0)) : 0);
        break;
    }
    // Nothing chosen when nothing is stored: a layout shown but not stored
    // could not be chosen.
    case PropertyRowOp::GridLayout: {
        auto *combo = static_cast<QComboBox *>(record.editor);
        const QJsonValue name = value.toObject().value(QLatin1String("name"));
        combo->setCurrentIndex(
            name.isString() ? combo->findText(name.toString(), Qt::MatchExactly | Qt::MatchCaseSensitive) : -1);
        break;
    }
    // Plain text: a caption holding markup stays the text it is.
    case PropertyRowOp::Text:
        record.filled = setEditorText(static_cast<QTextEdit *>(record.editor),
                                      record.switchCaption ? switchOnCaption(data) : value.toString());
        break;
    case PropertyRowOp::Colour:
        record.filled = setEditorText(static_cast<QTextEdit *>(record.editor), value.toString());
        break;
    case PropertyRowOp::Image:
        record.filled = setEditorText(static_cast<QTextEdit *>(record.editor), fileNameOfPath(value.toString()));
        break;
    case PropertyRowOp::Feedback:
        PropData::of(record.editor)->setJsonObject(value.toObject());
        break;
    case PropertyRowOp::CommandList:
    case PropertyRowOp::KeyList:
        PropData::of(record.editor)->setJsonArray(value.toArray());
        break;
    case PropertyRowOp::Header:
    case PropertyRowOp::ReadOnly:
    case PropertyRowOp::Run:
        break;
    }
}

QString PropertyWidget::editorText(const QWidget *editor)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(editor))
        return line->text();
    if (const auto *text = qobject_cast<const QTextEdit *>(editor))
        return text->toPlainText();
    return QString();
}

bool PropertyWidget::holdsTyping(int row) const
{
    const RowRecord &record = m_rows.at(row);
    return editorText(record.editor) != record.filled;
}
