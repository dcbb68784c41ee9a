#pragma once

#include "controls/uibase.h"

#include <QString>
#include <QVector>

// The kinds that look and behave on the canvas exactly like UIBase; only
// their attribute objects differ. One row each: class, type id, class tag.
#define BRIVANE_PLAIN_KINDS(X)                                                        \
    X(UIImageLabel, 103, "imagelabel")                                                \
    X(UILabel, 104, "label")                                                          \
    X(UITimeLabel, 105, "TimeLabel")                                                  \
    X(UIVideoWidget, 106, "VideoWidget")                                              \
    X(UIAudioLabel, 108, "Audiolabel")                                                \
    X(UIVirwall, 109, "virwall")                                                      \
    X(UIMatrix, 110, "matrix")                                                        \
    X(UIButton, 113, "button")                                                        \
    X(UIAllFullButton, 114, "AllFullButton")                                          \
    X(UIToTopButton, 115, "totopbutton")                                              \
    X(UICleanButton, 116, "cleanbutton")                                              \
    X(UICleanAllMatrixButton, 117, "cleanallwindowbutton")                            \
    X(UIPlanStopButton, 118, "planstopbutton")                                        \
    X(UIPlanSaveButton, 119, "plansavebutton")                                        \
    X(UIOSDButton, 120, "OSDButton")                                                  \
    X(UIBackgroundImageButton, 121, "BackgroundImageButton")                          \
    X(UISceneSaveButton, 122, "scenesavebutton")                                      \
    X(UICallPreLayoutButton, 123, "callprelayoutbutton")                              \
    X(UIHomeButton, 125, "homebutton")                                                \
    X(UIPageButton, 126, "pagebutton")                                                \
    X(UIOpenUrlButton, 127, "openurlbutton")                                          \
    X(UIOpenProcessButton, 128, "openprocessbutton")                                  \
    X(UICmdButton, 129, "CmdButton")                                                  \
    X(UICmdRelativeButton, 133, "CmdRelativeButton")                                  \
    X(UIMatrixButton, 134, "matrixbutton")                                            \
    X(UIMatrixPageButton, 138, "matrixpagebutton")                                    \
    X(UIMatrixShowNumButton, 139, "matrixshownumbutton")                              \
    X(UIGridSettingButton, 140, "uigridsettingbutton")                                \
    X(UIAllGridSettingButton, 141, "uiallgridsettingbutton")                          \
    X(UIAudioButton, 143, "uiaudiobutton")                                            \
    X(UIAudioMuteButton, 144, "uiaudiomutebutton")                                    \
    X(UIAudioModeButton, 146, "UIAudioModeButton")                                    \
    X(UIAudioSwitchButton, 148, "UIAudioSwitchButton")                                \
    X(UISourceTurnButton, 149, "sourceturnbutton")                                    \
    X(UISourceModeButton, 150, "UISourceModeButton")                                  \
    X(UIPreLayoutModeButton, 151, "UIPreLayoutModeButton")                            \
    X(UIPtzButton, 153, "ptzbutton")                                                  \
    X(UIFilePageTurnButton, 154, "uifileturnbutton")                                  \
    X(UIVideoResetButton, 155, "VideoResetButton")                                    \
    X(UIVideoButton, 156, "uivideobutton")                                            \
    X(UIKvmButton, 158, "kvmbutton")                                                  \
    X(UIFeatureButton, 159, "UIFeatureButton")                                        \
    X(UIMouseKeyButton, 160, "UIMouseKeyButton")                                      \
    X(UIMuxFeatureButton, 161, "UIMuxFeatureButton")

// Kinds that report UIBase's meta-object instead of one of their own.
#define BRIVANE_PLAIN_KINDS_SHARED_META(X)                                            \
    X(UIAudioVumeterBar, 162, "AudioVumeterBar")

// The one shape of a plain kind: the UIBase constructor, then its id and tag.
#define BRIVANE_PLAIN_KIND_BODY(Class, Id, Tag)                                       \
    public:                                                                           \
        static constexpr int kTypeId = Id;                                            \
        explicit Class(QWidget *parent = nullptr)                                     \
            : UIBase(parent)                                                          \
        {                                                                             \
            setKind(Id, QStringLiteral(Tag));                                         \
        }

#define BRIVANE_DECLARE_PLAIN_KIND(Class, Id, Tag)                                    \
    class Class : public UIBase                                                       \
    {                                                                                 \
        Q_OBJECT                                                                      \
        BRIVANE_PLAIN_KIND_BODY(Class, Id, Tag)                                       \
    };

#define BRIVANE_DECLARE_SHARED_META_KIND(Class, Id, Tag)                              \
    class Class : public UIBase                                                       \
    {                                                                                 \
        BRIVANE_PLAIN_KIND_BODY(Class, Id, Tag)                                       \
    };

BRIVANE_PLAIN_KINDS(BRIVANE_DECLARE_PLAIN_KIND)
BRIVANE_PLAIN_KINDS_SHARED_META(BRIVANE_DECLARE_SHARED_META_KIND)

#undef BRIVANE_DECLARE_PLAIN_KIND
#undef BRIVANE_DECLARE_SHARED_META_KIND
#undef BRIVANE_PLAIN_KIND_BODY

// One row of the plain-kind table.
struct PlainKindInfo {
    int typeId;
    const char *className;
    const char *classTag;
};

// Every plain kind in table order.
const QVector<PlainKindInfo> &plainKinds();

// The id the factory files a plain kind under may differ from the one it
// reports: 142 ("WallGridSettingButton") is made as a UIGridSettingButton.
bool isPlainKind(int typeId);

// Constructs the plain kind of a type id with the page as parent; null for
// an id that is not a plain kind (composite kinds, the page, unknown ids).
UIBase *createPlainControl(int typeId, QWidget *parent);
