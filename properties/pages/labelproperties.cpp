#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

// A picture or colour panel: no text, no font.
constexpr PropertyRowDesc kImageLabelRows[] = {
    run(Runs::geometryAndCorner),
    Section::normalStyle,
    run(Runs::normalBackground),
    Section::activeStyle,
    run(Runs::activeBackground),
};

constexpr PropertyRowDesc kLabelRows[] = {
    run(Runs::geometryAndText),
    Section::normalStyle,
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "文本")),
    run(Runs::normalLook),
    Section::activeStyle,
    textRow("pressText", QT_TRANSLATE_NOOP("PropertyWidget", "激活文本"),
            QT_TRANSLATE_NOOP("PropertyWidget", "激活文本"), Editable | Translated),
    run(Runs::activeLook),
    Section::attributes,
    Section::events,
    Shared::feedback,
};

constexpr PropertyRowDesc kTimeLabelRows[] = {
    run(Runs::geometry),
    Standard::fontsize,
    Standard::bold,
    Standard::direction,
    run(Runs::bothLooks),
};

constexpr PropertyOptionDesc kButtonSides[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "按钮居左")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "按钮居右")},
};

// The looks are those of the box's button; the weight and the side of the
// button are shown but fixed.
constexpr PropertyRowDesc kSearchWidgetRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "预览按钮")),
    run(Runs::geometry),
    Standard::fontsize,
    choiceRow("bold", QT_TRANSLATE_NOOP("PropertyWidget", "字体加粗"), Options::bold, 0, Fixed),
    Section::normalStyle,
    colourRow("btn_normalColor", QT_TRANSLATE_NOOP("PropertyWidget", "按钮文字默认颜色")),
    colourRow("btn_normalBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "按钮背景默认颜色")),
    imageRow("btn_normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "按钮背景默认图片")),
    Section::activeStyle,
    colourRow("btn_pressColor", QT_TRANSLATE_NOOP("PropertyWidget", "按钮文字激活颜色")),
    colourRow("btn_pressBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "按钮背景激活颜色")),
    imageRow("btn_press_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "按钮背景激活图片")),
    Section::attributes,
    choiceRow("layoutDirection", QT_TRANSLATE_NOOP("PropertyWidget", "按钮位置"), kButtonSides, 1, Fixed),
    textRow("btn_text", QT_TRANSLATE_NOOP("PropertyWidget", "按钮文本"), QT_TRANSLATE_NOOP("PropertyWidget", "预览按钮"),
            Editable | Translated),
    intRow("btn_w", QT_TRANSLATE_NOOP("PropertyWidget", "按钮宽度"), "30"),
    textRow("ref", QT_TRANSLATE_NOOP("PropertyWidget", "ref"), ""),
};

// One look only: the audio label has no active style.
constexpr PropertyRowDesc kAudioLabelRows[] = {
    run(Runs::geometry),
    Standard::fontsize,
    Standard::bold,
    Section::normalStyle,
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "音频URL")),
    run(Runs::normalLook),
};

constexpr PropertyPageDesc kPages[] = {
    page(103, QT_TRANSLATE_NOOP("PropertyWidget", "背景控件"), "UIImageLabel", kImageLabelRows),
    page(104, QT_TRANSLATE_NOOP("PropertyWidget", "文本控件"), "UILabel", kLabelRows),
    page(105, QT_TRANSLATE_NOOP("PropertyWidget", "时间控件"), "UITimeLabel", kTimeLabelRows),
    page(107, QT_TRANSLATE_NOOP("PropertyWidget", "信源搜索"), "UISearchWidget", kSearchWidgetRows),
    page(108, QT_TRANSLATE_NOOP("PropertyWidget", "当前音频"), "UIAudioLabel", kAudioLabelRows),
};

} // namespace

PropertyPageList labelFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
