#pragma once

#include "preview/exqbutton.h"

// The run-time buttons that differ from ExQButton only in their class: in
// the preview they change their look and select within their group, nothing
// more. The first kinds carry an onClicked() slot of their own that does
// nothing; the panel gives it a meaning the offline preview has not.
#define BRIVANE_EX_CLICK_KINDS(X)                                                     \
    X(ExCmdButton)                                                                    \
    X(ExCmdPressButton)                                                               \
    X(ExOpenUrlButton)                                                                \
    X(ExOpenProcessButton)                                                            \
    X(ExKvmButton)                                                                    \
    X(ExHomeButton)                                                                   \
    X(ExToTopButton)                                                                  \
    X(ExBackgroundImageButton)                                                        \
    X(ExAllFullButton)                                                                \
    X(ExAllGridSettingButton)                                                         \
    X(ExCleanAllMatrixButton)                                                         \
    X(ExCallPreLayoutButton)                                                          \
    X(ExCleanButton)                                                                  \
    X(ExGridSettingButton)                                                            \
    X(ExMatrixButton)                                                                 \
    X(ExOSDButton)                                                                    \
    X(ExPlanSaveButton)                                                               \
    X(ExPlanStopButton)                                                               \
    X(ExSceneSaveButton)                                                              \
    X(ExAudioMuteButton)                                                              \
    X(ExAudioSwitchButton)

#define BRIVANE_EX_PLAIN_KINDS(X)                                                     \
    X(ExPtzButton)                                                                    \
    X(ExMeetingButton)                                                                \
    X(ExMuxFeatureButton)                                                             \
    X(ExFeatureButton)                                                                \
    X(ExFilePageTurnButton)

// Q_SLOTS, not slots: moc loses the lower-case keyword when it comes out of
// a macro, and the class would have no onClicked() to connect to.
#define BRIVANE_DECLARE_EX_CLICK_KIND(Class)                                          \
    class Class : public ExQButton                                                    \
    {                                                                                 \
        Q_OBJECT                                                                      \
    public:                                                                           \
        explicit Class(QWidget *parent = nullptr)                                     \
            : ExQButton(parent)                                                       \
        {                                                                             \
            connect(this, SIGNAL(clicked()), this, SLOT(onClicked()));                \
        }                                                                             \
        ~Class() override { disconnect(this, SIGNAL(clicked()), this, SLOT(onClicked())); } \
    public Q_SLOTS:                                                                   \
        void onClicked() {}                                                           \
    };

#define BRIVANE_DECLARE_EX_PLAIN_KIND(Class)                                          \
    class Class : public ExQButton                                                    \
    {                                                                                 \
        Q_OBJECT                                                                      \
    public:                                                                           \
        explicit Class(QWidget *parent = nullptr)                                     \
            : ExQButton(parent)                                                       \
        {                                                                             \
        }                                                                             \
    };

BRIVANE_EX_CLICK_KINDS(BRIVANE_DECLARE_EX_CLICK_KIND)
BRIVANE_EX_PLAIN_KINDS(BRIVANE_DECLARE_EX_PLAIN_KIND)

#undef BRIVANE_DECLARE_EX_CLICK_KIND
#undef BRIVANE_DECLARE_EX_PLAIN_KIND
