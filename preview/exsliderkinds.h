#pragma once

#include "preview/exlabelledslider.h"

// The command slider and the volume slider (also the video progress) are
// the same labelled slider; each kind keeps its own class name.
class ExCmdProgress : public ExLabelledSlider
{
    Q_OBJECT
public:
    explicit ExCmdProgress(QWidget *parent = nullptr)
        : ExLabelledSlider(parent)
    {
    }
};

class ExAudioVolume : public ExLabelledSlider
{
    Q_OBJECT
public:
    explicit ExAudioVolume(QWidget *parent = nullptr)
        : ExLabelledSlider(parent)
    {
    }
};
