#pragma once

#include "controls/uivolumeslidercontrol.h"

// The audio volume slider on the canvas.
class UIAudioVolumeWidget : public UIVolumeSliderControl
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 145;
    static constexpr const char kClassTag[] = "UIAudioVolumeWidget";

    explicit UIAudioVolumeWidget(QWidget *parent = nullptr);
};
