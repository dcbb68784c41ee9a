#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

constexpr PropertyOptionDesc kPageTypes[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "页面")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "弹窗")},
};

// The page's own rows. Filling hides x, y and fixed_position again on an
// ordinary page (page_type 0), whose position is not its own to choose.
constexpr PropertyRowDesc kPageRows[] = {
    choiceRow("page_type", QT_TRANSLATE_NOOP("PropertyWidget", "页面类型"), kPageTypes, 0, Fixed),
    choiceRow("fixed_position", QT_TRANSLATE_NOOP("PropertyWidget", "固定位置"), Options::noYes),
    Standard::x,
    Standard::y,
    intRow("w", QT_TRANSLATE_NOOP("PropertyWidget", "宽"), "0", Fixed),
    intRow("h", QT_TRANSLATE_NOOP("PropertyWidget", "高"), "0", Fixed),
    Section::normalStyle,
    run(Runs::normalBackground),
    Section::attributes,
    plainIntRow("PlaceId", QT_TRANSLATE_NOOP("PropertyWidget", "场所ID"), "-1"),
    choiceRow("MainPage", QT_TRANSLATE_NOOP("PropertyWidget", "主页面"), Options::noYes),
};

constexpr PropertyPageDesc kPages[] = {
    page(100, QT_TRANSLATE_NOOP("PropertyWidget", "控件页面"), "UIPage", kPageRows),
};

} // namespace

PropertyPageList pageFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
