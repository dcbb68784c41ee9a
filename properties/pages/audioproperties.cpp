#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

// The on/off button names its looks by the state they show.
constexpr PropertyRowDesc kAudioButtonRows[] = {
    run(Runs::geometryAndCorner),
    Section::onStyle,
    run(Runs::normalLook),
    textRow("text", QT_TRANSLATE_NOOP("PropertyWidget", "开启文本"), QT_TRANSLATE_NOOP("PropertyWidget", "开启"),
            Editable | Translated),
    Section::offStyle,
    run(Runs::activeLook),
    textRow("off_text", QT_TRANSLATE_NOOP("PropertyWidget", "关闭文本"), QT_TRANSLATE_NOOP("PropertyWidget", "关闭"),
            Editable | Translated),
};

constexpr PropertyRowDesc kAudioMuteButtonRows[] = {
    run(Runs::geometryAndCorner),
    Section::normalStyle,
    run(Runs::normalLook),
    textRow("text", QT_TRANSLATE_NOOP("PropertyWidget", "正常文本"), QT_TRANSLATE_NOOP("PropertyWidget", "正常"),
            Editable | Translated),
    Section::activeStyle,
    run(Runs::activeLook),
    textRow("off_text", QT_TRANSLATE_NOOP("PropertyWidget", "静音文本"), QT_TRANSLATE_NOOP("PropertyWidget", "静音"),
            Editable | Translated),
};

constexpr PropertyRowDesc kAudioVolumeWidgetRows[] = {
    run(Runs::geometry),
    Slider::fontsize,
    Slider::textColour,
    Slider::direction,
    Section::attributes,
    run(Slider::settings),
};

constexpr PropertyOptionDesc kAudioModes[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "音视频")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "视频")},
};

constexpr PropertyRowDesc kAudioModeButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "音视频")),
    run(Runs::groupedGeometryAndText),
    run(Runs::bothLooks),
    Section::attributes,
    choiceRow("audio_mode", QT_TRANSLATE_NOOP("PropertyWidget", "视频模式"), kAudioModes),
};

constexpr PropertyRowDesc kAudioSwitchButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "开/关")),
    run(Runs::geometryAndCorner),
    run(Runs::bothLooks),
};

constexpr PropertyOptionDesc kFrames[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "不带边框")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "带边框")},
};

constexpr PropertyOptionDesc kPercentages[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "不带百分比")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "带百分比")},
};

constexpr PropertyOptionDesc kLevelSources[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "编码器")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "解码器")},
    {2, QT_TRANSLATE_NOOP("PropertyWidget", "固定IP编码器")},
    {3, QT_TRANSLATE_NOOP("PropertyWidget", "固定IP解码器")},
};

// The four colours are, in order, those of the percentage, the level
// blocks, the frame and the background.
constexpr PropertyRowDesc kAudioVumeterBarRows[] = {
    run(Runs::geometry),
    Standard::direction,
    choiceRow("border", QT_TRANSLATE_NOOP("PropertyWidget", "是否边框"), kFrames),
    choiceRow("textVisible", QT_TRANSLATE_NOOP("PropertyWidget", "百分比"), kPercentages),
    intRow("borderRadius", QT_TRANSLATE_NOOP("PropertyWidget", "圆角"), QT_TRANSLATE_NOOP("PropertyWidget", "8"),
           Editable | Translated),
    intRow("numMax", QT_TRANSLATE_NOOP("PropertyWidget", "音量最大值"), QT_TRANSLATE_NOOP("PropertyWidget", "100"),
           Editable | Translated),
    Standard::normalColor,
    colourRow("pressColor", QT_TRANSLATE_NOOP("PropertyWidget", "音频块颜色")),
    colourRow("normalBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "边框颜色")),
    colourRow("pressBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "背景颜色")),
    Section::attributes,
    choiceRow("data_type", QT_TRANSLATE_NOOP("PropertyWidget", "类型"), kLevelSources),
    textRow("ip", QT_TRANSLATE_NOOP("PropertyWidget", "固定ip"), "0.0.0.0"),
};

// The matrix styles its corner cell, its input and output headers and its
// crosspoint buttons; its texts write "按纽" as they always have.
constexpr PropertyRowDesc kAudioMatrixWidgetRows[] = {
    run(Runs::geometry),
    intRow("borderRadius", QT_TRANSLATE_NOOP("PropertyWidget", "圆角"), QT_TRANSLATE_NOOP("PropertyWidget", "8"),
           Editable | Translated),
    intRow("title_size", QT_TRANSLATE_NOOP("PropertyWidget", "标题大小"), "14"),
    intRow("corner_size", QT_TRANSLATE_NOOP("PropertyWidget", "表头大小"), "14"),
    intRow("btn_size", QT_TRANSLATE_NOOP("PropertyWidget", "按纽大小"), "14"),
    Standard::bold,
    Section::normalStyle,
    textRow("btn_text", QT_TRANSLATE_NOOP("PropertyWidget", "按纽文本"), "切换"),
    colourRow("corner_text_color", QT_TRANSLATE_NOOP("PropertyWidget", "表头角字体颜色")),
    imageRow("corner_normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "表头角背景")),
    colourRow("item_normalColor", QT_TRANSLATE_NOOP("PropertyWidget", "标题字体颜色")),
    imageRow("item_normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "标题正常背景")),
    colourRow("btn_text_color", QT_TRANSLATE_NOOP("PropertyWidget", "按纽字体颜色")),
    imageRow("btn_normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "按纽正常背景")),
    Section::activeStyle,
    imageRow("btn_press_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "按纽按下背景")),
    colourRow("btn_press_text_color", QT_TRANSLATE_NOOP("PropertyWidget", "按纽按下颜色")),
};

constexpr PropertyPageDesc kPages[] = {
    page(143, QT_TRANSLATE_NOOP("PropertyWidget", "音频开关"), "UIAudioButton", kAudioButtonRows),
    page(144, QT_TRANSLATE_NOOP("PropertyWidget", "音频静音按钮"), "UIAudioMuteButton", kAudioMuteButtonRows),
    page(145, QT_TRANSLATE_NOOP("PropertyWidget", "音频音量"), "UIAudioVolume", kAudioVolumeWidgetRows),
    page(146, QT_TRANSLATE_NOOP("PropertyWidget", "音频模式"), "UIAudioModeButton", kAudioModeButtonRows),
    page(148, QT_TRANSLATE_NOOP("PropertyWidget", "音频切换按钮"), "UIAudioSwitchButton", kAudioSwitchButtonRows),
    page(162, QT_TRANSLATE_NOOP("PropertyWidget", "音频音柱控件"), "UIAudioVumeterBar", kAudioVumeterBarRows),
    page(163, QT_TRANSLATE_NOOP("PropertyWidget", "音频矩阵控件"), "UIAudioMatrixWidget", kAudioMatrixWidgetRows),
};

} // namespace

PropertyPageList audioFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
