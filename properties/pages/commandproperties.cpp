#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

constexpr PropertyOptionDesc kJumpKinds[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "打开页面")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "打开弹窗")},
};

constexpr PropertyRowDesc kPageButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "环境控制")),
    run(Runs::buttonBody),
    Section::attributes,
    choiceRow("func_type", QT_TRANSLATE_NOOP("PropertyWidget", "功能类型"), kJumpKinds),
    textRow("goto", QT_TRANSLATE_NOOP("PropertyWidget", "跳转"), ""),
    choiceRow("verify_type", QT_TRANSLATE_NOOP("PropertyWidget", "是否认证"), Options::noYes),
    textRow("pwd", QT_TRANSLATE_NOOP("PropertyWidget", "密码"), ""),
    Section::events,
    Shared::feedback,
    Shared::pressCommands,
    Shared::releaseCommands,
};

constexpr PropertyRowDesc kOpenUrlButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "环境页面")),
    run(Runs::buttonBody),
    Section::attributes,
    textRow("url", QT_TRANSLATE_NOOP("PropertyWidget", "网址"), ""),
};

constexpr PropertyRowDesc kOpenProcessButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "环境页面")),
    run(Runs::buttonBody),
    Section::attributes,
    textRow("process", QT_TRANSLATE_NOOP("PropertyWidget", "win程序"), ""),
    textRow("an_process", QT_TRANSLATE_NOOP("PropertyWidget", "安卓程序"), ""),
};

// The command buttons keep a caption with each look, then latch and group.
constexpr PropertyRowDesc kCommandHead[] = {
    run(Runs::geometryAndText),
    Section::normalStyle,
    textRow("text", QT_TRANSLATE_NOOP("PropertyWidget", "正常文本"), QT_TRANSLATE_NOOP("PropertyWidget", "命令按钮"),
            Editable | Translated),
    run(Runs::normalLook),
    Section::activeStyle,
    textRow("pressText", QT_TRANSLATE_NOOP("PropertyWidget", "激活文本"),
            QT_TRANSLATE_NOOP("PropertyWidget", "命令按钮"), Editable | Translated),
    run(Runs::activeLook),
    Section::attributes,
    Shared::selfLocking,
    Shared::groupId,
};

constexpr PropertyRowDesc kCmdButtonRows[] = {
    run(kCommandHead), Section::events, Shared::feedback, Shared::pressCommands, Shared::releaseCommands,
};

constexpr PropertyOptionDesc kRelationKinds[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "无")},
    {130, QT_TRANSLATE_NOOP("PropertyWidget", "ppt")},
};

constexpr PropertyOptionDesc kRelationMethods[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "无")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "refreshList")},
};

constexpr PropertyRowDesc kCmdRelativeButtonRows[] = {
    run(kCommandHead),
    Section::events,
    textRow("relativeControl", QT_TRANSLATE_NOOP("PropertyWidget", "关联控件"), ""),
    choiceRow("relativeType", QT_TRANSLATE_NOOP("PropertyWidget", "关联类型"), kRelationKinds),
    choiceRow("relativeMethod", QT_TRANSLATE_NOOP("PropertyWidget", "关联方法"), kRelationMethods),
    Shared::pressCommands,
    Shared::releaseCommands,
};

constexpr PropertyRowDesc kCmdStatusButtonRows[] = {
    run(Runs::geometryAndCorner),
    Section::normalStyle,
    run(Switch::offLook),
    Section::activeStyle,
    run(Switch::onLook),
    Section::events,
    Shared::feedback,
    commandListRow("on_cmd_data_list", QT_TRANSLATE_NOOP("PropertyWidget", "开启命令参数")),
    commandListRow("off_cmd_data_list", QT_TRANSLATE_NOOP("PropertyWidget", "关闭命令参数")),
};

constexpr PropertyOptionDesc kCommandModes[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "普通模式")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "固定模式")},
};

// The command slider's range may run below zero; it is reduced by
// "multiples", which must not be 0.
constexpr PropertyRowDesc kCmdProgressRows[] = {
    run(Runs::geometry),
    Slider::fontsize,
    Slider::textColour,
    Slider::direction,
    Standard::borderRadius,
    Section::attributes,
    intRow("min", QT_TRANSLATE_NOOP("PropertyWidget", "最小值"), "0", Editable, -kMaxNumber, kMaxNumber),
    intRow("max", QT_TRANSLATE_NOOP("PropertyWidget", "最大值"), "100", Editable, -kMaxNumber, kMaxNumber),
    Slider::step,
    Slider::labelWidth,
    Slider::labelHeight,
    textRow("unit", QT_TRANSLATE_NOOP("PropertyWidget", "单位"), ""),
    intRow("multiples", QT_TRANSLATE_NOOP("PropertyWidget", "缩小倍数"), "1", Editable, 1, kMaxNumber),
    Slider::showLabel,
    run(Slider::grooveAndThumb),
    choiceRow("cmd_progress_mode", QT_TRANSLATE_NOOP("PropertyWidget", "命令模式"), kCommandModes),
    Section::events,
    Shared::feedback,
    commandListRow("on_cmd_data_list", QT_TRANSLATE_NOOP("PropertyWidget", "命令参数")),
};

constexpr PropertyPageDesc kPages[] = {
    page(126, QT_TRANSLATE_NOOP("PropertyWidget", "跳转按钮"), "UIPageButton", kPageButtonRows),
    page(127, QT_TRANSLATE_NOOP("PropertyWidget", "打开网址"), "UIOpenUrlButton", kOpenUrlButtonRows),
    page(128, QT_TRANSLATE_NOOP("PropertyWidget", "打开程序"), "UIOpenProcessButton", kOpenProcessButtonRows),
    page(129, QT_TRANSLATE_NOOP("PropertyWidget", "普通命令"), "UICmdButton", kCmdButtonRows),
    page(130, QT_TRANSLATE_NOOP("PropertyWidget", "滑动自锁命令"), "UICmdStatusButton", kCmdStatusButtonRows),
    page(131, QT_TRANSLATE_NOOP("PropertyWidget", "命令进度"), "UICmdProgress", kCmdProgressRows),
    page(133, QT_TRANSLATE_NOOP("PropertyWidget", "关联命令"), "UICmdRelativeButton", kCmdRelativeButtonRows),
};

} // namespace

PropertyPageList commandFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
