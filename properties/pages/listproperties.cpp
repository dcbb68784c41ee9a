#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

// What the list's font and weight style: its items' captions.
constexpr PropertyRowDesc kListGeneral[] = {run(Runs::geometry), Standard::fontsize, Standard::bold};

constexpr PropertyRowDesc kItemBackground = colourRow(
    "item_normalBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "场景背景默认颜色"));

constexpr PropertyRowDesc kSceneListRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "场景区域")),
    run(kListGeneral),
    Section::normalStyle,
    Standard::normalBkColor,
    kItemBackground,
    imageRow("item_normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "场景背景默认图片")),
    colourRow("item_normalColor", QT_TRANSLATE_NOOP("PropertyWidget", "场景文字默认颜色")),
    Shared::prevNormalImage,
    Shared::nextNormalImage,
    Section::activeStyle,
    Shared::prevPressImage,
    Shared::nextPressImage,
    Section::attributes,
    Shared::pageTurnHeight,
    Shared::layoutDirection(1),
    Shared::showItemNum("5"),
};

constexpr PropertyOptionDesc kSourceClasses[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "全部")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "预览")},
    {2, QT_TRANSLATE_NOOP("PropertyWidget", "分组")},
};

constexpr PropertyRowDesc kPreviewWidgetRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "预览区域")),
    run(kListGeneral),
    Section::normalStyle,
    Standard::normalColor,
    Standard::normalBkColor,
    kItemBackground,
    Shared::prevNormalImage,
    Shared::nextNormalImage,
    Section::activeStyle,
    Shared::prevPressImage,
    Shared::nextPressImage,
    Section::attributes,
    Shared::pageTurnHeight,
    Shared::layoutDirection(1),
    choiceRow("group_hide", QT_TRANSLATE_NOOP("PropertyWidget", "分组"), Options::showHide),
    Shared::showItemNum("5"),
    choiceRow("classify_index", QT_TRANSLATE_NOOP("PropertyWidget", "类型"), kSourceClasses),
};

// The play and PPT lists: an empty caption that is not theirs to edit, and
// the look of their items in both states.
constexpr PropertyRowDesc kButtonListGeneral[] = {
    Shared::caption("", Fixed), run(Runs::geometry), Shared::fontsizeZero, Standard::borderRadius, Standard::bold,
};

constexpr PropertyRowDesc kItemNormalLook[] = {
    colourRow("item_normalColor", QT_TRANSLATE_NOOP("PropertyWidget", "播放按钮文字默认颜色")),
    colourRow("item_normalBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "播放按钮背景默认颜色")),
    imageRow("item_normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "播放按钮背景默认图片")),
    Shared::prevNormalImage,
    Shared::nextNormalImage,
};

constexpr PropertyRowDesc kItemActiveLook[] = {
    colourRow("item_pressColor", QT_TRANSLATE_NOOP("PropertyWidget", "播放按钮文字激活颜色")),
    colourRow("item_pressBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "播放按钮背景激活颜色")),
    imageRow("item_press_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "播放按钮背景激活图片")),
    Shared::prevPressImage,
    Shared::nextPressImage,
};

constexpr PropertyRowDesc kButtonListPaging[] = {
    Shared::pageTurnHeight, Shared::layoutDirection(0), Shared::hidePageButton, Shared::showItemNum("10"),
};

constexpr PropertyRowDesc kPlayButtonListRows[] = {
    run(kButtonListGeneral),
    Section::normalStyle,
    run(kItemNormalLook),
    colourRow("refresh_button_normalColor", QT_TRANSLATE_NOOP("PropertyWidget", "刷新按钮文字默认颜色")),
    colourRow("refresh_button_normalBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "刷新按钮背景默认颜色")),
    imageRow("refresh_button_normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "刷新按钮背景默认图片")),
    Section::activeStyle,
    run(kItemActiveLook),
    imageRow("refresh_button_press_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "刷新按钮背景激活图片")),
    Section::attributes,
    run(kButtonListPaging),
};

constexpr PropertyRowDesc kPptButtonListRows[] = {
    run(kButtonListGeneral),
    Section::normalStyle,
    run(kItemNormalLook),
    Section::activeStyle,
    run(kItemActiveLook),
    Section::attributes,
    run(kButtonListPaging),
};

constexpr PropertyOptionDesc kSourcePages[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "预览")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "分组")},
};

constexpr PropertyRowDesc kSourceTurnButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "预览按钮")),
    run(Runs::geometry),
    Standard::fontsize,
    Standard::borderRadius,
    Standard::bold,
    Standard::direction,
    run(Runs::bothLooks),
    Section::attributes,
    choiceRow("index", QT_TRANSLATE_NOOP("PropertyWidget", "切换信源"), kSourcePages),
};

constexpr PropertyOptionDesc kStreams[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "主码流")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "子码流")},
};

constexpr PropertyRowDesc kSourceModeButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "音视频")),
    run(Runs::groupedGeometryAndText),
    run(Runs::bothLooks),
    Section::attributes,
    choiceRow("source_mode", QT_TRANSLATE_NOOP("PropertyWidget", "视频流"), kStreams),
};

constexpr PropertyPageDesc kPages[] = {
    page(111, QT_TRANSLATE_NOOP("PropertyWidget", "场景列表"), "UISceneList", kSceneListRows),
    page(112, QT_TRANSLATE_NOOP("PropertyWidget", "信源"), "UIPreviewSource", kPreviewWidgetRows),
    page(136, QT_TRANSLATE_NOOP("PropertyWidget", "播放按钮组"), "UIPlayButtonGroup", kPlayButtonListRows),
    page(137, QT_TRANSLATE_NOOP("PropertyWidget", "PPT页数"), "UIPPTButtonGroup", kPptButtonListRows),
    page(149, QT_TRANSLATE_NOOP("PropertyWidget", "信源分组"), "UISourceTurnButton", kSourceTurnButtonRows),
    page(150, QT_TRANSLATE_NOOP("PropertyWidget", "视频流协议"), "UISourceModeButton", kSourceModeButtonRows),
};

} // namespace

PropertyPageList listFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
