#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

// The ordinary button keeps its captions with the looks they belong to.
constexpr PropertyRowDesc kButtonRows[] = {
    run(Runs::geometryAndText),
    Section::normalStyle,
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "按钮")),
    run(Runs::normalLook),
    Section::activeStyle,
    textRow("pressText", QT_TRANSLATE_NOOP("PropertyWidget", "激活文本"), QT_TRANSLATE_NOOP("PropertyWidget", "按钮"),
            Editable | Translated),
    run(Runs::activeLook),
};

// The function buttons: a caption of their own, then the common body.
constexpr PropertyRowDesc kAllFullButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "一键开窗按钮")), run(Runs::buttonBody)};
constexpr PropertyRowDesc kCleanButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "清屏按钮")), run(Runs::buttonBody)};
constexpr PropertyRowDesc kCleanAllMatrixButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "关闭所有窗口")), run(Runs::buttonBody)};
constexpr PropertyRowDesc kPlanStopButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "停止轮询")), run(Runs::buttonBody)};
constexpr PropertyRowDesc kPlanSaveButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "保存轮询")), run(Runs::buttonBody)};
constexpr PropertyRowDesc kOsdButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "OSD")), run(Runs::buttonBody)};
constexpr PropertyRowDesc kBackgroundImageButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "底图")), run(Runs::buttonBody)};
constexpr PropertyRowDesc kSceneSaveButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "保存场景")), run(Runs::buttonBody)};
constexpr PropertyRowDesc kCallPreLayoutButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "启用布局")), run(Runs::buttonBody)};
constexpr PropertyRowDesc kHomeButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "首页")), run(Runs::buttonBody)};

constexpr PropertyOptionDesc kToTop[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "置底")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "置顶")},
};

constexpr PropertyRowDesc kToTopButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "置顶置底按钮")),
    run(Runs::buttonBody),
    Section::attributes,
    choiceRow("to_top", QT_TRANSLATE_NOOP("PropertyWidget", "操作类型"), kToTop),
};

constexpr PropertyPageDesc kPages[] = {
    page(113, QT_TRANSLATE_NOOP("PropertyWidget", "普通按钮"), "UIButton", kButtonRows),
    page(114, QT_TRANSLATE_NOOP("PropertyWidget", "一键开窗按钮"), "UIAllFullButton", kAllFullButtonRows),
    page(115, QT_TRANSLATE_NOOP("PropertyWidget", "置顶置底按钮"), "UIToTopButton", kToTopButtonRows),
    page(116, QT_TRANSLATE_NOOP("PropertyWidget", "清屏"), "UICleanButton", kCleanButtonRows),
    page(117, QT_TRANSLATE_NOOP("PropertyWidget", "清除所有屏"), "UICleanAllMatrixButton",
         kCleanAllMatrixButtonRows),
    page(118, QT_TRANSLATE_NOOP("PropertyWidget", "停止轮询"), "UIPlanStopButton", kPlanStopButtonRows),
    page(119, QT_TRANSLATE_NOOP("PropertyWidget", "保存轮询"), "UIPlanSaveButton", kPlanSaveButtonRows),
    page(120, QT_TRANSLATE_NOOP("PropertyWidget", "OSD"), "UIOSDButton", kOsdButtonRows),
    page(121, QT_TRANSLATE_NOOP("PropertyWidget", "底图"), "UIBackgroundImageButton", kBackgroundImageButtonRows),
    page(122, QT_TRANSLATE_NOOP("PropertyWidget", "保存场景"), "UISceneSaveButton", kSceneSaveButtonRows),
    page(123, QT_TRANSLATE_NOOP("PropertyWidget", "启用布局"), "UICallPreLayoutButton", kCallPreLayoutButtonRows),
    page(125, QT_TRANSLATE_NOOP("PropertyWidget", "首页"), "UIHomeButton", kHomeButtonRows),
};

} // namespace

PropertyPageList buttonFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
