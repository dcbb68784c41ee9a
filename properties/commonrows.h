#pragma once

#include "properties/propertyrowdesc.h"

#include <QtGlobal>

// The pieces most property pages are made of, written once: the section
// headers, the standard row of seventeen keys, and the runs of standard rows
// that several pages share. A page that differs from a standard row in any
// argument writes its own row instead.

namespace PropertyRows {

// Texts of the page head that the builder adds to every page.
namespace Head {
inline constexpr const char *typeKey = "ui_type";
inline constexpr const char *typeLabel = QT_TRANSLATE_NOOP("PropertyWidget", "控件类型");
inline constexpr const char *nameKey = "name";
inline constexpr const char *nameLabel = QT_TRANSLATE_NOOP("PropertyWidget", "控件名称");
// The feedback row's button.
inline constexpr const char *feedbackButton = QT_TRANSLATE_NOOP("PropertyWidget", "参数");
} // namespace Head

namespace Section {
inline constexpr PropertyRowDesc general = header(QT_TRANSLATE_NOOP("PropertyWidget", "通用"));
inline constexpr PropertyRowDesc normalStyle = header(QT_TRANSLATE_NOOP("PropertyWidget", "正常样式"));
inline constexpr PropertyRowDesc activeStyle = header(QT_TRANSLATE_NOOP("PropertyWidget", "激活样式"));
inline constexpr PropertyRowDesc attributes = header(QT_TRANSLATE_NOOP("PropertyWidget", "属性"));
inline constexpr PropertyRowDesc events = header(QT_TRANSLATE_NOOP("PropertyWidget", "事件"));
// The audio button's page has these in place of the two styles.
inline constexpr PropertyRowDesc onStyle = header(QT_TRANSLATE_NOOP("PropertyWidget", "开启样式"));
inline constexpr PropertyRowDesc offStyle = header(QT_TRANSLATE_NOOP("PropertyWidget", "关闭样式"));
} // namespace Section

namespace Options {
inline constexpr PropertyOptionDesc noYes[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "否")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "是")},
};
inline constexpr PropertyOptionDesc bold[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "不加粗")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "加粗")},
};
inline constexpr PropertyOptionDesc direction[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "水平")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "垂直")},
};
inline constexpr PropertyOptionDesc showHide[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "显示")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "隐藏")},
};
inline constexpr PropertyOptionDesc latch[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "不自锁")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "自锁")},
};
inline constexpr PropertyOptionDesc playMode[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "推流")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "编码")},
};
// Which way a slider runs, by the edge its value grows from.
inline constexpr PropertyOptionDesc sliderDirection[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "水平向右")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "垂直向下")},
    {2, QT_TRANSLATE_NOOP("PropertyWidget", "水平向左")},
    {3, QT_TRANSLATE_NOOP("PropertyWidget", "垂直向上")},
};
inline constexpr PropertyOptionDesc textPosition[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "居中")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "居上")},
    {2, QT_TRANSLATE_NOOP("PropertyWidget", "居下")},
    {3, QT_TRANSLATE_NOOP("PropertyWidget", "居左")},
    {4, QT_TRANSLATE_NOOP("PropertyWidget", "居右")},
};
} // namespace Options

namespace Standard {
inline constexpr PropertyRowDesc x = intRow("x", QT_TRANSLATE_NOOP("PropertyWidget", "x坐标"), "0");
inline constexpr PropertyRowDesc y = intRow("y", QT_TRANSLATE_NOOP("PropertyWidget", "y坐标"), "0");
inline constexpr PropertyRowDesc w = intRow("w", QT_TRANSLATE_NOOP("PropertyWidget", "宽"), "0");
inline constexpr PropertyRowDesc h = intRow("h", QT_TRANSLATE_NOOP("PropertyWidget", "高"), "0");
inline constexpr PropertyRowDesc fontsize = intRow("fontsize", QT_TRANSLATE_NOOP("PropertyWidget", "字体大小"), "14");
inline constexpr PropertyRowDesc borderRadius =
    intRow("borderRadius", QT_TRANSLATE_NOOP("PropertyWidget", "圆角"), "0");
inline constexpr PropertyRowDesc bold =
    choiceRow("bold", QT_TRANSLATE_NOOP("PropertyWidget", "字体加粗"), Options::bold);
inline constexpr PropertyRowDesc direction =
    choiceRow("direction", QT_TRANSLATE_NOOP("PropertyWidget", "文字方向"), Options::direction);
inline constexpr PropertyRowDesc text_position =
    choiceRow("text_position", QT_TRANSLATE_NOOP("PropertyWidget", "文字位置"), Options::textPosition);
inline constexpr PropertyRowDesc text_radio = realRow("text_radio", QT_TRANSLATE_NOOP("PropertyWidget", "文字占比"));
inline constexpr PropertyRowDesc bg_radio = realRow("bg_radio", QT_TRANSLATE_NOOP("PropertyWidget", "背景占比"));
inline constexpr PropertyRowDesc normalColor =
    colourRow("normalColor", QT_TRANSLATE_NOOP("PropertyWidget", "文字默认颜色"));
inline constexpr PropertyRowDesc normalBkColor =
    colourRow("normalBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "背景默认颜色"));
inline constexpr PropertyRowDesc normal_image_path =
    imageRow("normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "背景默认图片"));
inline constexpr PropertyRowDesc pressColor =
    colourRow("pressColor", QT_TRANSLATE_NOOP("PropertyWidget", "文字激活颜色"));
inline constexpr PropertyRowDesc pressBkColor =
    colourRow("pressBkColor", QT_TRANSLATE_NOOP("PropertyWidget", "背景激活颜色"));
inline constexpr PropertyRowDesc press_image_path =
    imageRow("press_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "背景激活图片"));
} // namespace Standard

// Rows of other keys that pages of several families share.
namespace Shared {
// The button's group, set by the page's lock commands; some pages only show it.
inline constexpr PropertyRowDesc groupId = intRow("m_group_id", QT_TRANSLATE_NOOP("PropertyWidget", "组ID"), "0");
inline constexpr PropertyRowDesc fixedGroupId =
    intRow("m_group_id", QT_TRANSLATE_NOOP("PropertyWidget", "组ID"), "0", Fixed);
inline constexpr PropertyRowDesc selfLocking =
    choiceRow("self_locking", QT_TRANSLATE_NOOP("PropertyWidget", "按键自锁"), Options::latch);
// The font size of kinds whose new controls start without one.
inline constexpr PropertyRowDesc fontsizeZero =
    intRow("fontsize", QT_TRANSLATE_NOOP("PropertyWidget", "字体大小"), "0");
inline constexpr PropertyRowDesc wallIds = textRow("wall_ids", QT_TRANSLATE_NOOP("PropertyWidget", "屏组ID列表"), "");
inline constexpr PropertyRowDesc playMode =
    choiceRow("playMode", QT_TRANSLATE_NOOP("PropertyWidget", "播放模式"), Options::playMode);
inline constexpr PropertyRowDesc feedback = feedbackRow("feedback", QT_TRANSLATE_NOOP("PropertyWidget", "反馈"));
inline constexpr PropertyRowDesc pressCommands =
    commandListRow("on_cmd_data_list", QT_TRANSLATE_NOOP("PropertyWidget", "按下命令参数"));
inline constexpr PropertyRowDesc releaseCommands =
    commandListRow("off_cmd_data_list", QT_TRANSLATE_NOOP("PropertyWidget", "弹起命令参数"));

// The page-turn buttons of the paged lists and the place widget.
inline constexpr PropertyRowDesc prevNormalImage = imageRow(
    "prev_button_normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "上页按钮背景默认图片"));
inline constexpr PropertyRowDesc nextNormalImage = imageRow(
    "next_button_normal_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "下页按钮背景默认图片"));
inline constexpr PropertyRowDesc prevPressImage = imageRow(
    "prev_button_press_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "上页按钮背景激活图片"));
inline constexpr PropertyRowDesc nextPressImage = imageRow(
    "next_button_press_image_path", QT_TRANSLATE_NOOP("PropertyWidget", "下页按钮背景激活图片"));
inline constexpr PropertyRowDesc pageTurnHeight =
    intRow("page_turn_height", QT_TRANSLATE_NOOP("PropertyWidget", "翻页按钮高度"), "30");
inline constexpr PropertyRowDesc hidePageButton =
    choiceRow("hide_page_button", QT_TRANSLATE_NOOP("PropertyWidget", "隐藏翻页按钮"), Options::showHide);

// The caption row of most kinds.
constexpr PropertyRowDesc caption(const char *text, int flags = Editable | Translated)
{
    return textRow("text", QT_TRANSLATE_NOOP("PropertyWidget", "文本"), text, flags);
}

constexpr PropertyRowDesc layoutDirection(int index)
{
    return choiceRow("direction", QT_TRANSLATE_NOOP("PropertyWidget", "布局方向"), Options::direction, index);
}

// A list draws at most one item per page pixel along the longest page, so
// a larger count could never be drawn.
constexpr int kMostListItems = 15360;

constexpr PropertyRowDesc showItemNum(const char *text)
{
    return intRow("show_item_num", QT_TRANSLATE_NOOP("PropertyWidget", "显示数量"), text, Editable, 0,
                  kMostListItems);
}
} // namespace Shared

// The rows of the sliders drawn from pictures (command, volume and media
// progress).
namespace Slider {
inline constexpr PropertyRowDesc fontsize = intRow("fontsize", QT_TRANSLATE_NOOP("PropertyWidget", "字体大小"), "12");
inline constexpr PropertyRowDesc textColour =
    colourRow("normalColor", QT_TRANSLATE_NOOP("PropertyWidget", "文字默认颜色"), "#FFFFFFFF");
inline constexpr PropertyRowDesc direction =
    choiceRow("direction", QT_TRANSLATE_NOOP("PropertyWidget", "方向"), Options::sliderDirection);
inline constexpr PropertyRowDesc minimum = intRow("min", QT_TRANSLATE_NOOP("PropertyWidget", "最小值"), "0");
inline constexpr PropertyRowDesc maximum = intRow("max", QT_TRANSLATE_NOOP("PropertyWidget", "最大值"), "100");
inline constexpr PropertyRowDesc step = intRow("step", QT_TRANSLATE_NOOP("PropertyWidget", "间隔"), "1");
inline constexpr PropertyRowDesc labelWidth =
    intRow("label_w", QT_TRANSLATE_NOOP("PropertyWidget", "显示值宽度"), "24");
inline constexpr PropertyRowDesc labelHeight =
    intRow("label_h", QT_TRANSLATE_NOOP("PropertyWidget", "显示值高度"), "20");
inline constexpr PropertyRowDesc showLabel =
    choiceRow("show_label", QT_TRANSLATE_NOOP("PropertyWidget", "始终显示当前值"), Options::noYes);
// Groove margins, thumb sizes and the four pictures.
inline constexpr PropertyRowDesc grooveAndThumb[] = {
    intRow("groove_margin_left", QT_TRANSLATE_NOOP("PropertyWidget", "滑道左边距"), "0"),
    intRow("groove_margin_top", QT_TRANSLATE_NOOP("PropertyWidget", "滑道上边距"), "0"),
    intRow("groove_margin_right", QT_TRANSLATE_NOOP("PropertyWidget", "滑道右边距"), "0"),
    intRow("groove_margin_bottom", QT_TRANSLATE_NOOP("PropertyWidget", "滑道下边距"), "0"),
    intRow("thumb_w", QT_TRANSLATE_NOOP("PropertyWidget", "滑块大小宽"), "20"),
    intRow("thumb_h", QT_TRANSLATE_NOOP("PropertyWidget", "滑块大小高"), "20"),
    intRow("thumb_press_w", QT_TRANSLATE_NOOP("PropertyWidget", "滑块按下宽"), "20"),
    intRow("thumb_press_h", QT_TRANSLATE_NOOP("PropertyWidget", "滑块按下高"), "20"),
    imageRow("normal_groove_pic", QT_TRANSLATE_NOOP("PropertyWidget", "滑道默认图片")),
    imageRow("active_groove_pic", QT_TRANSLATE_NOOP("PropertyWidget", "滑道激活图片")),
    imageRow("normal_thumb_pic", QT_TRANSLATE_NOOP("PropertyWidget", "滑块默认图片")),
    imageRow("active_thumb_pic", QT_TRANSLATE_NOOP("PropertyWidget", "滑块激活图片")),
};
// The attributes of the volume and media progress sliders.
inline constexpr PropertyRowDesc settings[] = {
    minimum, maximum, step, labelWidth, labelHeight, showLabel, run(grooveAndThumb),
};
} // namespace Slider

// The two states of a slide switch: caption and colours of text, track and knob.
namespace Switch {
inline constexpr PropertyRowDesc offLook[] = {
    textRow("off_text", QT_TRANSLATE_NOOP("PropertyWidget", "正常文本"), QT_TRANSLATE_NOOP("PropertyWidget", "off"),
            Editable | Translated),
    colourRow("textOffColor", QT_TRANSLATE_NOOP("PropertyWidget", "文字正常颜色"), "#FF409EFF"),
    colourRow("bgOffColor", QT_TRANSLATE_NOOP("PropertyWidget", "背景正常颜色"), "#FF6F7A7E"),
    colourRow("sliderOffColor", QT_TRANSLATE_NOOP("PropertyWidget", "滑块正常颜色"), "#FFFFFFFF"),
};
// The on caption stays under "text", where new switches keep it.
inline constexpr PropertyRowDesc onLook[] = {
    textRow("text", QT_TRANSLATE_NOOP("PropertyWidget", "激活文本"), QT_TRANSLATE_NOOP("PropertyWidget", "on"),
            Editable | Translated | SwitchCaption),
    colourRow("textOnColor", QT_TRANSLATE_NOOP("PropertyWidget", "文字激活颜色"), "#FF606266"),
    colourRow("bgOnColor", QT_TRANSLATE_NOOP("PropertyWidget", "背景激活颜色"), "#FF159C77"),
    colourRow("sliderOnColor", QT_TRANSLATE_NOOP("PropertyWidget", "滑块激活颜色"), "#FFFFFFFF"),
};
} // namespace Switch

// Runs of standard rows that several pages share, named by what they hold.
namespace Runs {
inline constexpr PropertyRowDesc geometry[] = {Standard::x, Standard::y, Standard::w, Standard::h};
inline constexpr PropertyRowDesc textPlacement[] = {
    Standard::text_position, Standard::text_radio, Standard::bg_radio,
};
inline constexpr PropertyRowDesc cornerAndTextLayout[] = {
    Standard::borderRadius, Standard::bold, Standard::direction, run(textPlacement),
};
// Geometry, font and text layout.
inline constexpr PropertyRowDesc geometryAndText[] = {
    run(geometry), Standard::fontsize, run(cornerAndTextLayout),
};
// Geometry and corner radius of kinds without text.
inline constexpr PropertyRowDesc geometryAndCorner[] = {run(geometry), Standard::borderRadius};
// The buttons whose group the lock commands set: it stands before the font.
inline constexpr PropertyRowDesc groupedGeometryAndText[] = {
    run(geometry), Shared::fixedGroupId, Shared::fontsizeZero, run(cornerAndTextLayout),
};
// Buttons that draw their caption without a font size or weight of their own.
inline constexpr PropertyRowDesc geometryAndPlacement[] = {
    run(geometryAndCorner), Standard::direction, run(textPlacement),
};
inline constexpr PropertyRowDesc normalLook[] = {
    Standard::normalColor, Standard::normalBkColor, Standard::normal_image_path,
};
inline constexpr PropertyRowDesc activeLook[] = {
    Standard::pressColor, Standard::pressBkColor, Standard::press_image_path,
};
// Background only, for kinds without text.
inline constexpr PropertyRowDesc normalBackground[] = {
    Standard::normalBkColor, Standard::normal_image_path,
};
inline constexpr PropertyRowDesc activeBackground[] = {
    Standard::pressBkColor, Standard::press_image_path,
};
// The pages that keep both text colours with the normal picture and both
// background colours with the active one.
inline constexpr PropertyRowDesc textColoursNormalPicture[] = {
    Standard::normalColor, Standard::pressColor, Standard::normal_image_path,
};
inline constexpr PropertyRowDesc bothBackgroundsActivePicture[] = {
    Standard::normalBkColor, Standard::pressBkColor, Standard::press_image_path,
};
// The normal and active sections with their looks, as most buttons have them.
inline constexpr PropertyRowDesc bothLooks[] = {
    Section::normalStyle, run(normalLook), Section::activeStyle, run(activeLook),
};
// A button page after its caption row: geometry, text layout and both looks.
inline constexpr PropertyRowDesc buttonBody[] = {
    run(geometryAndText), run(bothLooks),
};
} // namespace Runs

} // namespace PropertyRows
