#pragma once

#include "preview/exstatusbutton.h"

// Switches the audio of a wall on or off.
class ExAudioButton : public ExStatusButton
{
    Q_OBJECT

public:
    explicit ExAudioButton(QWidget *parent = nullptr)
        : ExStatusButton(parent)
    {
    }

public slots:
    // Any non-zero status is on.
    void slotOnGetAudioSwitchData(int status) { setStatus(status != 0 ? 1 : 0); }
};
