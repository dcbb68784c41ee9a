#pragma once

#include "preview/exstatusbutton.h"

// Switches a video output on or off.
class ExVideoButton : public ExStatusButton
{
    Q_OBJECT

public:
    explicit ExVideoButton(QWidget *parent = nullptr)
        : ExStatusButton(parent)
    {
    }

public slots:
    // Any non-zero status is on.
    void slotOnGetStatusData(int status) { setStatus(status != 0 ? 1 : 0); }
};
