#pragma once

#include "controls/uivolumeslidercontrol.h"

// The media playing progress: the same volume slider, following the player on the panel.
class UIVideoProgress : public UIVolumeSliderControl
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 157;
    static constexpr const char kClassTag[] = "VideoProgress";

    explicit UIVideoProgress(QWidget *parent = nullptr);
};
