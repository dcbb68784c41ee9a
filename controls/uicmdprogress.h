#pragma once

#include "controls/uivolumeslidercontrol.h"

// A command slider: the same volume slider, sending commands as it moves on the panel.
class UICmdProgress : public UIVolumeSliderControl
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 131;
    static constexpr const char kClassTag[] = "CmdProgress";

    explicit UICmdProgress(QWidget *parent = nullptr);
};
