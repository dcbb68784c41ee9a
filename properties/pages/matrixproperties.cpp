#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

constexpr PropertyRowDesc kMatrixRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "矩阵区域")),
    run(Runs::geometry),
    run(Runs::bothLooks),
};

// A slide switch: a caption, three colours and a number per state.
constexpr PropertyRowDesc kPreLayoutSwitchButtonRows[] = {
    run(Runs::geometryAndCorner),
    Section::normalStyle,
    run(Switch::offLook),
    intRow("off_IntVal", QT_TRANSLATE_NOOP("PropertyWidget", "正常数值"), "0"),
    Section::activeStyle,
    run(Switch::onLook),
    intRow("on_IntVal", QT_TRANSLATE_NOOP("PropertyWidget", "激活数值"), "1"),
};

constexpr PropertyOptionDesc kMatrixButtonRoles[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "切换")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "输入")},
    {2, QT_TRANSLATE_NOOP("PropertyWidget", "输出")},
};

// The index is kept as text, as the touch panel reads it.
constexpr PropertyRowDesc kMatrixButtonRows[] = {
    run(Runs::geometryAndText),
    Section::normalStyle,
    textRow("text", QT_TRANSLATE_NOOP("PropertyWidget", "正常文本"), QT_TRANSLATE_NOOP("PropertyWidget", "矩阵按钮"),
            Editable | Translated),
    run(Runs::normalLook),
    Section::activeStyle,
    textRow("pressText", QT_TRANSLATE_NOOP("PropertyWidget", "激活文本"),
            QT_TRANSLATE_NOOP("PropertyWidget", "矩阵按钮"), Editable | Translated),
    run(Runs::activeLook),
    Section::attributes,
    intRow("matrix_id", QT_TRANSLATE_NOOP("PropertyWidget", "矩阵ID"), "0"),
    choiceRow("matrix_button_type", QT_TRANSLATE_NOOP("PropertyWidget", "矩阵按钮类型"), kMatrixButtonRoles),
    textRow("matrix_index", QT_TRANSLATE_NOOP("PropertyWidget", "索引"), "1"),
    Section::events,
    Shared::pressCommands,
};

constexpr PropertyOptionDesc kPageDirections[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "上一页")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "下一页")},
};

constexpr PropertyRowDesc kMatrixPageButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "矩阵翻页")),
    run(Runs::buttonBody),
    Section::attributes,
    choiceRow("page_direction", QT_TRANSLATE_NOOP("PropertyWidget", "翻页方向"), kPageDirections),
};

// Text colours of both states under the normal style, background colours
// of both under the active one.
constexpr PropertyRowDesc kMatrixShowNumButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "矩阵显示数量")),
    run(Runs::geometryAndText),
    Section::normalStyle,
    run(Runs::textColoursNormalPicture),
    Section::activeStyle,
    run(Runs::bothBackgroundsActivePicture),
    Section::attributes,
    intRow("row", QT_TRANSLATE_NOOP("PropertyWidget", "行数"), "1"),
    intRow("col", QT_TRANSLATE_NOOP("PropertyWidget", "列数"), "1"),
};

constexpr PropertyRowDesc kGridSettingButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "网格设置")),
    run(Runs::buttonBody),
    Section::attributes,
    gridLayoutRow("grid_layout", QT_TRANSLATE_NOOP("PropertyWidget", "网格布局")),
};

constexpr PropertyRowDesc kAllGridSettingButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "网格设置")),
    run(Runs::buttonBody),
};

constexpr PropertyOptionDesc kLayoutModes[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "正常模式")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "预布局模式")},
};

constexpr PropertyRowDesc kPreLayoutModeButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "音视频")),
    run(Runs::groupedGeometryAndText),
    Section::normalStyle,
    run(Runs::textColoursNormalPicture),
    Section::activeStyle,
    run(Runs::bothBackgroundsActivePicture),
    Section::attributes,
    choiceRow("mode", QT_TRANSLATE_NOOP("PropertyWidget", "预布局模式"), kLayoutModes),
};

constexpr PropertyPageDesc kPages[] = {
    page(110, QT_TRANSLATE_NOOP("PropertyWidget", "矩阵区域"), "UIMatrix", kMatrixRows),
    page(124, QT_TRANSLATE_NOOP("PropertyWidget", "预布局切换按钮"), "UIPreLayoutSwitchButton",
         kPreLayoutSwitchButtonRows),
    page(134, QT_TRANSLATE_NOOP("PropertyWidget", "矩阵按钮"), "UIMatrixButton", kMatrixButtonRows),
    page(138, QT_TRANSLATE_NOOP("PropertyWidget", "矩阵翻页"), "UIMatrixPageButton", kMatrixPageButtonRows),
    page(139, QT_TRANSLATE_NOOP("PropertyWidget", "矩阵数量"), "UIMatrixShowNumButton", kMatrixShowNumButtonRows),
    page(140, QT_TRANSLATE_NOOP("PropertyWidget", "分屏模式"), "UIGridSettingButton", kGridSettingButtonRows),
    page(141, QT_TRANSLATE_NOOP("PropertyWidget", "所有布局模式"), "UIAllGridSettingButton",
         kAllGridSettingButtonRows),
    // The class name as the panel has always shown it.
    page(151, QT_TRANSLATE_NOOP("PropertyWidget", "布局模式按钮"), "UIPreLayoutBButton", kPreLayoutModeButtonRows),
};

} // namespace

PropertyPageList matrixFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
