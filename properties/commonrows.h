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

// Runs of standard rows that several pages share, named by what they hold.
namespace Runs {
// Geometry, font and text layout.
inline constexpr PropertyRowDesc geometryAndText[] = {
    Standard::x, Standard::y, Standard::w, Standard::h, Standard::fontsize, Standard::borderRadius,
    Standard::bold, Standard::direction, Standard::text_position, Standard::text_radio, Standard::bg_radio,
};
// Geometry and corner radius of kinds without text.
inline constexpr PropertyRowDesc geometryAndCorner[] = {
    Standard::x, Standard::y, Standard::w, Standard::h, Standard::borderRadius,
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
inline constexpr PropertyRowDesc bothBackgroundsActivePicture[] = {
    Standard::normalBkColor, Standard::pressBkColor, Standard::press_image_path,
};
} // namespace Runs

} // namespace PropertyRows
