#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

constexpr PropertyRowDesc kLabelRows[] = {
    run(Runs::geometryAndText),
    Section::normalStyle,
    textRow("text", QT_TRANSLATE_NOOP("PropertyWidget", "文本"), QT_TRANSLATE_NOOP("PropertyWidget", "文本"),
            Editable | Translated),
    run(Runs::normalLook),
    Section::activeStyle,
    textRow("pressText", QT_TRANSLATE_NOOP("PropertyWidget", "激活文本"),
            QT_TRANSLATE_NOOP("PropertyWidget", "激活文本"), Editable | Translated),
    run(Runs::activeLook),
    Section::attributes,
    Section::events,
    feedbackRow("feedback", QT_TRANSLATE_NOOP("PropertyWidget", "反馈")),
};

constexpr PropertyPageDesc kPages[] = {
    page(104, QT_TRANSLATE_NOOP("PropertyWidget", "文本控件"), "UILabel", kLabelRows),
};

} // namespace

PropertyPageList labelFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
