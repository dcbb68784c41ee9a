#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

constexpr PropertyRowDesc kVideoWidgetRows[] = {
    run(Runs::geometry),
    textRow("url", QT_TRANSLATE_NOOP("PropertyWidget", "url"), ""),
    textRow("title", QT_TRANSLATE_NOOP("PropertyWidget", "名称"), ""),
};

constexpr PropertyOptionDesc kWallClasses[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "全部")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "拼接屏")},
    {2, QT_TRANSLATE_NOOP("PropertyWidget", "矩阵")},
};

constexpr PropertyRowDesc kWallClass =
    choiceRow("classify_index", QT_TRANSLATE_NOOP("PropertyWidget", "类型"), kWallClasses);

constexpr PropertyRowDesc kVirwallRows[] = {
    Shared::caption("大屏区域", Editable),
    run(Runs::geometry),
    Section::normalStyle,
    colourRow("normalBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "背景默认颜色"), ""),
    Standard::normal_image_path,
    Section::attributes,
    kWallClass,
    Shared::wallIds,
};

constexpr PropertyRowDesc kScreenButtonListRows[] = {
    Shared::caption("屏组按钮区域", Editable),
    run(Runs::geometry),
    Shared::fontsizeZero,
    Standard::borderRadius,
    Standard::bold,
    Section::normalStyle,
    colourRow("item_normalColor", QT_TRANSLATE_NOOP("PropertyWidget", "屏组按钮文字默认颜色")),
    colourRow("item_normalBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "屏组按钮背景默认颜色")),
    imageRow("item_normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "屏组按钮背景默认图片")),
    Shared::prevNormalImage,
    Shared::nextNormalImage,
    Section::activeStyle,
    colourRow("item_pressColor", QT_TRANSLATE_NOOP("PropertyWidget", "屏组按钮文字激活颜色")),
    colourRow("item_pressBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "屏组按钮背景激活颜色")),
    imageRow("item_press_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "屏组按钮背景激活图片")),
    Shared::prevPressImage,
    Shared::nextPressImage,
    Section::attributes,
    Shared::pageTurnHeight,
    Shared::layoutDirection(0),
    Shared::hidePageButton,
    Shared::showItemNum("5"),
    kWallClass,
    Shared::wallIds,
};

constexpr PropertyPageDesc kPages[] = {
    page(106, QT_TRANSLATE_NOOP("PropertyWidget", "视频控件"), "UIVideoWidget", kVideoWidgetRows),
    page(109, QT_TRANSLATE_NOOP("PropertyWidget", "大屏区域"), "UIVirWall", kVirwallRows),
    page(135, QT_TRANSLATE_NOOP("PropertyWidget", "屏组按钮组"), "UIWallButtonGroup", kScreenButtonListRows),
};

} // namespace

PropertyPageList wallFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
