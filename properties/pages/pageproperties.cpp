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

constexpr PropertyOptionDesc kShown[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "不显示")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "显示")},
};

// The form window's opacity is the alpha of its background colour.
constexpr int kMaxAlpha = 255;

constexpr PropertyRowDesc kLoginWidgetRows[] = {
    run(Runs::geometry),
    intRow("borderRadius", QT_TRANSLATE_NOOP("PropertyWidget", "圆角"), QT_TRANSLATE_NOOP("PropertyWidget", "8"),
           Editable | Translated),
    intRow("bgOpacity", QT_TRANSLATE_NOOP("PropertyWidget", "窗口透明度"), "0", Editable, 0, kMaxAlpha),
    textRow("loginTitle", QT_TRANSLATE_NOOP("PropertyWidget", "标题"), "欢迎登录分布式系统"),
    intRow("titleFontSize", QT_TRANSLATE_NOOP("PropertyWidget", "标题字体大小"), "14"),
    choiceRow("titleVisible", QT_TRANSLATE_NOOP("PropertyWidget", "标题显示"), kShown, 1),
    choiceRow("titleBold", QT_TRANSLATE_NOOP("PropertyWidget", "标题字体加粗"), Options::bold),
    intRow("tagFontSize", QT_TRANSLATE_NOOP("PropertyWidget", "标签字体大小"), "14"),
    choiceRow("tagVisible", QT_TRANSLATE_NOOP("PropertyWidget", "标签显示"), kShown, 1),
    colourRow("winBgColor", QT_TRANSLATE_NOOP("PropertyWidget", "窗口背景颜色")),
    Standard::normal_image_path,
    colourRow("titleFontColor", QT_TRANSLATE_NOOP("PropertyWidget", "标题字体颜色")),
    colourRow("tagFontColor", QT_TRANSLATE_NOOP("PropertyWidget", "标签字体颜色")),
    colourRow("btnFontColor", QT_TRANSLATE_NOOP("PropertyWidget", "按纽字体颜色")),
    colourRow("cboxFontColor", QT_TRANSLATE_NOOP("PropertyWidget", "复选框字体颜色")),
    imageRow("normalLoginBtnImg", QT_TRANSLATE_NOOP("PropertyWidget", "按纽正常背景")),
    imageRow("hoverLoginBtnImg", QT_TRANSLATE_NOOP("PropertyWidget", "按纽激活背景")),
    imageRow("pressLoginBtnImg", QT_TRANSLATE_NOOP("PropertyWidget", "按纽按下背景")),
};

constexpr PropertyOptionDesc kPlaceGrids[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "1x3")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "2x2")},
    {2, QT_TRANSLATE_NOOP("PropertyWidget", "3x3")},
};

// Ten place pictures whatever the grid: the pages of places turn.
constexpr PropertyRowDesc kPlaceWidgetRows[] = {
    run(Runs::geometry),
    Shared::layoutDirection(0),
    choiceRow("rowcol", QT_TRANSLATE_NOOP("PropertyWidget", "行列数"), kPlaceGrids),
    Shared::prevNormalImage,
    Shared::nextNormalImage,
    Shared::prevPressImage,
    Shared::nextPressImage,
    imageRow("room_1", QT_TRANSLATE_NOOP("PropertyWidget", "场所1背景")),
    imageRow("room_2", QT_TRANSLATE_NOOP("PropertyWidget", "场所2背景")),
    imageRow("room_3", QT_TRANSLATE_NOOP("PropertyWidget", "场所3背景")),
    imageRow("room_4", QT_TRANSLATE_NOOP("PropertyWidget", "场所4背景")),
    imageRow("room_5", QT_TRANSLATE_NOOP("PropertyWidget", "场所5背景")),
    imageRow("room_6", QT_TRANSLATE_NOOP("PropertyWidget", "场所6背景")),
    imageRow("room_7", QT_TRANSLATE_NOOP("PropertyWidget", "场所7背景")),
    imageRow("room_8", QT_TRANSLATE_NOOP("PropertyWidget", "场所8背景")),
    imageRow("room_9", QT_TRANSLATE_NOOP("PropertyWidget", "场所9背景")),
    imageRow("room_10", QT_TRANSLATE_NOOP("PropertyWidget", "场所10背景")),
};

constexpr PropertyPageDesc kPages[] = {
    page(100, QT_TRANSLATE_NOOP("PropertyWidget", "控件页面"), "UIPage", kPageRows),
    page(101, QT_TRANSLATE_NOOP("PropertyWidget", "登录控件"), "UILoginWidget", kLoginWidgetRows),
    page(102, QT_TRANSLATE_NOOP("PropertyWidget", "场所列表"), "UIPlaceWidget", kPlaceWidgetRows),
};

} // namespace

PropertyPageList pageFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
