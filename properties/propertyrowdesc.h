#pragma once

#include <QtGlobal>

#include <cstddef>

// Property pages are data: each page is a table of row descriptions that one
// builder (PropertyWidget::buildPage) walks, appending one table row per
// description through the panel's row operations. Texts are kept untranslated
// (marked with QT_TRANSLATE_NOOP in the context "PropertyWidget") and pass
// through the panel's translation when the row is built.

// The row operation a description stands for; Run splices in another table.
enum class PropertyRowOp : quint8 {
    Header,
    ReadOnly,
    Text,
    Integer,
    PlainInteger,
    Real,
    Choice,
    Colour,
    Image,
    Feedback,
    CommandList,
    KeyList,
    GridLayout,
    Run,
};

// One option of a choice row: the value stored under the key and its text.
struct PropertyOptionDesc {
    int value;
    const char *text;
};

struct PropertyRowDesc {
    PropertyRowOp op;
    quint8 flags;         // PropertyRows::Flag
    const char *key;
    const char *label;    // the section title on a header
    const char *text;     // placeholder as built
    int min;              // integer rows: range; choice rows: the index shown first
    int max;
    const PropertyOptionDesc *options; // choice rows
    const PropertyRowDesc *rows;       // runs
    int count;            // of options or rows
};

// One kind's page: the page head (section "通用", the type row with the title
// and the not editable name row with the class name) is added by the builder,
// then the rows.
struct PropertyPageDesc {
    int nClass;
    const char *title;     // translated
    const char *className; // shown as it is
    const PropertyRowDesc *rows;
    int count;
};

namespace PropertyRows {

enum Flag : quint8 {
    Fixed = 0,      // shows its value but cannot be changed
    Editable = 1,
    Translated = 2, // the placeholder passes through the translation too
    PlainOptions = 4, // option texts shown as they are, in every language
    SwitchCaption = 8, // shows the on caption a switch shows (a stored "on_text" when "text" is missing)
};

constexpr int kMaxNumber = 100000000;

constexpr PropertyRowDesc makeRow(PropertyRowOp op, const char *key, const char *label, const char *text,
                                  int flags, int min = 0, int max = 0)
{
    return PropertyRowDesc{op, quint8(flags), key, label, text, min, max, nullptr, nullptr, 0};
}

constexpr PropertyRowDesc header(const char *title)
{
    return makeRow(PropertyRowOp::Header, "", title, "", Fixed);
}

constexpr PropertyRowDesc readOnlyRow(const char *key, const char *label, const char *text)
{
    return makeRow(PropertyRowOp::ReadOnly, key, label, text, Fixed);
}

constexpr PropertyRowDesc textRow(const char *key, const char *label, const char *text, int flags = Editable)
{
    return makeRow(PropertyRowOp::Text, key, label, text, flags);
}

constexpr PropertyRowDesc intRow(const char *key, const char *label, const char *text, int flags = Editable,
                                 int min = 0, int max = kMaxNumber)
{
    return makeRow(PropertyRowOp::Integer, key, label, text, flags, min, max);
}

// Always -1 to 100000000, and never taller for a long label.
constexpr PropertyRowDesc plainIntRow(const char *key, const char *label, const char *text, int flags = Editable)
{
    return makeRow(PropertyRowOp::PlainInteger, key, label, text, flags, -1, kMaxNumber);
}

constexpr PropertyRowDesc realRow(const char *key, const char *label, const char *text = "1.0",
                                  int flags = Editable)
{
    return makeRow(PropertyRowOp::Real, key, label, text, flags);
}

template <std::size_t N>
constexpr PropertyRowDesc choiceRow(const char *key, const char *label, const PropertyOptionDesc (&options)[N],
                                    int index = 0, int flags = Editable)
{
    return PropertyRowDesc{PropertyRowOp::Choice, quint8(flags), key, label, "", index, 0, options, nullptr,
                           int(N)};
}

constexpr PropertyRowDesc colourRow(const char *key, const char *label, const char *text = "#00000000")
{
    return makeRow(PropertyRowOp::Colour, key, label, text, Editable);
}

constexpr PropertyRowDesc imageRow(const char *key, const char *label, const char *text = "")
{
    return makeRow(PropertyRowOp::Image, key, label, text, Editable);
}

// The button shows "参数"; the record starts with an empty object.
constexpr PropertyRowDesc feedbackRow(const char *key, const char *label)
{
    return makeRow(PropertyRowOp::Feedback, key, label, "", Editable);
}

constexpr PropertyRowDesc commandListRow(const char *key, const char *label)
{
    return makeRow(PropertyRowOp::CommandList, key, label, "", Editable);
}

constexpr PropertyRowDesc keyListRow(const char *key, const char *label)
{
    return makeRow(PropertyRowOp::KeyList, key, label, "", Editable);
}

// Lists the grid templates that the template store holds when the row is built.
constexpr PropertyRowDesc gridLayoutRow(const char *key, const char *label)
{
    return makeRow(PropertyRowOp::GridLayout, key, label, "", Editable);
}

// Splices a shared run of rows in at this place.
template <std::size_t N>
constexpr PropertyRowDesc run(const PropertyRowDesc (&rows)[N])
{
    return PropertyRowDesc{PropertyRowOp::Run, Fixed, "", "", "", 0, 0, nullptr, rows, int(N)};
}

template <std::size_t N>
constexpr PropertyPageDesc page(int nClass, const char *title, const char *className,
                                const PropertyRowDesc (&rows)[N])
{
    return PropertyPageDesc{nClass, title, className, rows, int(N)};
}

} // namespace PropertyRows
