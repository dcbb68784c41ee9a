#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

constexpr PropertyOptionDesc kPtzCommands[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "复位")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "上移")},
    {2, QT_TRANSLATE_NOOP("PropertyWidget", "下移")},
    {3, QT_TRANSLATE_NOOP("PropertyWidget", "左移")},
    {4, QT_TRANSLATE_NOOP("PropertyWidget", "右移")},
    {5, QT_TRANSLATE_NOOP("PropertyWidget", "停止")},
    {6, QT_TRANSLATE_NOOP("PropertyWidget", "放大")},
    {7, QT_TRANSLATE_NOOP("PropertyWidget", "缩小")},
    {8, QT_TRANSLATE_NOOP("PropertyWidget", "存储预置位")},
    {9, QT_TRANSLATE_NOOP("PropertyWidget", "调用预置位")},
};

// Steps of 0 to 10, shown as the speed they stand for in every language.
constexpr PropertyOptionDesc kPtzSpeeds[] = {
    {0, "0"}, {1, "0.1"}, {2, "0.2"}, {3, "0.3"}, {4, "0.4"}, {5, "0.5"},
    {6, "0.6"}, {7, "0.7"}, {8, "0.8"}, {9, "0.9"}, {10, "1.0"},
};

// The caption stands with the camera's own settings.
constexpr PropertyRowDesc kPtzButtonRows[] = {
    run(Runs::geometryAndPlacement),
    run(Runs::bothLooks),
    Section::attributes,
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "复位")),
    choiceRow("control", QT_TRANSLATE_NOOP("PropertyWidget", "ptz命令"), kPtzCommands),
    choiceRow("speed", QT_TRANSLATE_NOOP("PropertyWidget", "速度"), kPtzSpeeds, 0, Editable | PlainOptions),
    intRow("preset", QT_TRANSLATE_NOOP("PropertyWidget", "预制点"), QT_TRANSLATE_NOOP("PropertyWidget", "1"),
           Editable | Translated),
};

constexpr PropertyOptionDesc kTurnDirections[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "向上")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "向下")},
};

constexpr PropertyRowDesc kFilePageTurnButtonRows[] = {
    run(Runs::geometryAndPlacement),
    Section::normalStyle,
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "next")),
    run(Runs::textColoursNormalPicture),
    Section::activeStyle,
    run(Runs::bothBackgroundsActivePicture),
    Section::attributes,
    choiceRow("turn_direction", QT_TRANSLATE_NOOP("PropertyWidget", "翻页方向"), kTurnDirections, 1),
};

// The function buttons: a caption for each look.
constexpr PropertyRowDesc kFeatureLooks[] = {
    run(Runs::geometryAndText),
    Section::normalStyle,
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "功能按钮")),
    run(Runs::normalLook),
    Section::activeStyle,
    textRow("pressText", QT_TRANSLATE_NOOP("PropertyWidget", "按下文本"),
            QT_TRANSLATE_NOOP("PropertyWidget", "功能按钮"), Editable | Translated),
    run(Runs::activeLook),
};

constexpr PropertyRowDesc kVideoResetButtonRows[] = {
    run(kFeatureLooks), Section::attributes, Shared::playMode, Shared::wallIds,
};

constexpr PropertyRowDesc kVideoButtonRows[] = {
    run(Runs::geometryAndCorner),
    run(Runs::bothLooks),
    Section::attributes,
    Shared::playMode,
    textRow("text", QT_TRANSLATE_NOOP("PropertyWidget", "开启文本"), QT_TRANSLATE_NOOP("PropertyWidget", "播放"),
            Editable | Translated),
    textRow("off_text", QT_TRANSLATE_NOOP("PropertyWidget", "关闭文本"), QT_TRANSLATE_NOOP("PropertyWidget", "暂停"),
            Editable | Translated),
    Shared::wallIds,
};

// No style sections: the slider is drawn from its pictures.
constexpr PropertyRowDesc kVideoProgressRows[] = {
    run(Runs::geometry),
    Slider::direction,
    Shared::fontsizeZero,
    Standard::normalColor,
    Section::attributes,
    Shared::playMode,
    run(Slider::settings),
    Shared::wallIds,
};

constexpr PropertyRowDesc kKvmButtonRows[] = {
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "Kvm接管")),
    run(Runs::buttonBody),
};

// The codes the touch panel knows. The three PPT playback functions share
// no code: 23 as stored files hold it, then the first two the list leaves
// free, so each can be chosen and shown again.
constexpr PropertyOptionDesc kFeatures[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "未设置")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "回到首页")},
    {2, QT_TRANSLATE_NOOP("PropertyWidget", "设置窗口")},
    {3, QT_TRANSLATE_NOOP("PropertyWidget", "窗口置顶")},
    {4, QT_TRANSLATE_NOOP("PropertyWidget", "窗口置底")},
    {5, QT_TRANSLATE_NOOP("PropertyWidget", "保存场景")},
    {6, QT_TRANSLATE_NOOP("PropertyWidget", "保存轮询")},
    {7, QT_TRANSLATE_NOOP("PropertyWidget", "停止轮询")},
    {8, QT_TRANSLATE_NOOP("PropertyWidget", "滚动字幕")},
    {9, QT_TRANSLATE_NOOP("PropertyWidget", "设置底图")},
    {10, QT_TRANSLATE_NOOP("PropertyWidget", "KVM接管")},
    {11, QT_TRANSLATE_NOOP("PropertyWidget", "清屏")},
    {12, QT_TRANSLATE_NOOP("PropertyWidget", "组清屏")},
    {13, QT_TRANSLATE_NOOP("PropertyWidget", "一键开窗")},
    {14, QT_TRANSLATE_NOOP("PropertyWidget", "所有布局")},
    {15, QT_TRANSLATE_NOOP("PropertyWidget", "文件翻页向上")},
    {16, QT_TRANSLATE_NOOP("PropertyWidget", "文件翻页向下")},
    {17, QT_TRANSLATE_NOOP("PropertyWidget", "KVM信源")},
    {18, QT_TRANSLATE_NOOP("PropertyWidget", "启用预布局")},
    {19, QT_TRANSLATE_NOOP("PropertyWidget", "保存预布局")},
    {20, QT_TRANSLATE_NOOP("PropertyWidget", "信号裁剪")},
    {21, QT_TRANSLATE_NOOP("PropertyWidget", "条幅")},
    {22, QT_TRANSLATE_NOOP("PropertyWidget", "KVM标注")},
    {23, QT_TRANSLATE_NOOP("PropertyWidget", "PPT暂停播放")},
    {27, QT_TRANSLATE_NOOP("PropertyWidget", "PPT自动播放")},
    {28, QT_TRANSLATE_NOOP("PropertyWidget", "PPT回首页")},
    {24, QT_TRANSLATE_NOOP("PropertyWidget", "PPT播放设置")},
    {25, QT_TRANSLATE_NOOP("PropertyWidget", "PPT自动切换")},
    {26, QT_TRANSLATE_NOOP("PropertyWidget", "PPT暂停自动切换")},
    {0x80, QT_TRANSLATE_NOOP("PropertyWidget", "音视频模式")},
    {0x81, QT_TRANSLATE_NOOP("PropertyWidget", "视频模式")},
    {0x82, QT_TRANSLATE_NOOP("PropertyWidget", "窗口自由")},
    {0x83, QT_TRANSLATE_NOOP("PropertyWidget", "窗口停靠")},
    {0x84, QT_TRANSLATE_NOOP("PropertyWidget", "窗口叠加")},
    {0x85, QT_TRANSLATE_NOOP("PropertyWidget", "窗口替换")},
    {0x86, QT_TRANSLATE_NOOP("PropertyWidget", "窗口KVM模式")},
    {0x87, QT_TRANSLATE_NOOP("PropertyWidget", "窗口正常模式")},
    {0x88, QT_TRANSLATE_NOOP("PropertyWidget", "窗口冻结")},
    {0x89, QT_TRANSLATE_NOOP("PropertyWidget", "窗口非冻结")},
    {0x8A, QT_TRANSLATE_NOOP("PropertyWidget", "屏蔽模式")},
    {0x8B, QT_TRANSLATE_NOOP("PropertyWidget", "非屏蔽模式")},
    {0x8C, QT_TRANSLATE_NOOP("PropertyWidget", "省电模式")},
    {0x8D, QT_TRANSLATE_NOOP("PropertyWidget", "非省电模式")},
    {0x8E, QT_TRANSLATE_NOOP("PropertyWidget", "预布局模式")},
    {0x8F, QT_TRANSLATE_NOOP("PropertyWidget", "非预布局模式")},
    {0xFF0, QT_TRANSLATE_NOOP("PropertyWidget", "设置")},
    {0x1FF0, QT_TRANSLATE_NOOP("PropertyWidget", "最小化")},
    {0x1FF1, QT_TRANSLATE_NOOP("PropertyWidget", "退出程序")},
};

constexpr PropertyRowDesc kFeatureButtonRows[] = {
    run(kFeatureLooks),
    Section::attributes,
    Shared::groupId,
    choiceRow("feature_type", QT_TRANSLATE_NOOP("PropertyWidget", "功能类型"), kFeatures),
};

constexpr PropertyRowDesc kMouseKeyButtonRows[] = {
    run(Runs::geometryAndText),
    Section::normalStyle,
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "键盘按钮")),
    run(Runs::normalLook),
    Section::activeStyle,
    run(Runs::activeLook),
    Section::attributes,
    Shared::selfLocking,
    Shared::groupId,
    keyListRow("mouse_keys", QT_TRANSLATE_NOOP("PropertyWidget", "按键")),
};

// The same key as on the feature button, with a list of its own.
constexpr PropertyOptionDesc kLatchedFeatures[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "未设置")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "锁屏")},
};

constexpr PropertyRowDesc kMuxFeatureButtonRows[] = {
    run(kFeatureLooks),
    Section::attributes,
    choiceRow("feature_type", QT_TRANSLATE_NOOP("PropertyWidget", "功能类型"), kLatchedFeatures),
};

constexpr PropertyOptionDesc kMeetingVendors[] = {
    {0, QT_TRANSLATE_NOOP("PropertyWidget", "无")},
    {1, QT_TRANSLATE_NOOP("PropertyWidget", "H323SIP")},
};

constexpr PropertyRowDesc kMeetingButtonRows[] = {
    run(Runs::geometryAndText),
    Section::normalStyle,
    Shared::caption(QT_TRANSLATE_NOOP("PropertyWidget", "会议")),
    run(Runs::normalLook),
    Section::activeStyle,
    textRow("pressText", QT_TRANSLATE_NOOP("PropertyWidget", "按下文本"), QT_TRANSLATE_NOOP("PropertyWidget", "会议"),
            Editable | Translated),
    run(Runs::activeLook),
    Section::attributes,
    choiceRow("meetingVendor", QT_TRANSLATE_NOOP("PropertyWidget", "会议厂商"), kMeetingVendors),
    textRow("meetingIp", QT_TRANSLATE_NOOP("PropertyWidget", "终端ip"), ""),
};

constexpr PropertyPageDesc kPages[] = {
    page(153, QT_TRANSLATE_NOOP("PropertyWidget", "摄像头控制按钮"), "UIPtzButton", kPtzButtonRows),
    page(154, QT_TRANSLATE_NOOP("PropertyWidget", "文件翻页控件"), "UIFilePageTurnButton", kFilePageTurnButtonRows),
    page(155, QT_TRANSLATE_NOOP("PropertyWidget", "功能按钮"), "UIVideoResetButton", kVideoResetButtonRows),
    page(156, QT_TRANSLATE_NOOP("PropertyWidget", "媒体播放按钮"), "UIVideoButton", kVideoButtonRows),
    page(157, QT_TRANSLATE_NOOP("PropertyWidget", "媒体播放进度"), "UIVideoProgress", kVideoProgressRows),
    page(158, QT_TRANSLATE_NOOP("PropertyWidget", "Kvm接管"), "UIKvmButton", kKvmButtonRows),
    page(159, QT_TRANSLATE_NOOP("PropertyWidget", "功能按钮"), "UIFeatureButton", kFeatureButtonRows),
    page(160, QT_TRANSLATE_NOOP("PropertyWidget", "键盘按钮"), "UIMouseKeyButton", kMouseKeyButtonRows),
    page(161, QT_TRANSLATE_NOOP("PropertyWidget", "自锁功能按钮"), "UIMuxFeatureButton", kMuxFeatureButtonRows),
    page(164, QT_TRANSLATE_NOOP("PropertyWidget", "会议按纽"), "UIMeetingButton", kMeetingButtonRows),
};

} // namespace

PropertyPageList mediaFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
