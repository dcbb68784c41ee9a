#pragma once

#include "preview/exswitchbutton.h"

// The slide switch of a command status control; in the preview it only
// slides.
class ExCmdStatusButton : public ExSwitchButton
{
    Q_OBJECT

public:
    explicit ExCmdStatusButton(QWidget *parent = nullptr)
        : ExSwitchButton(parent)
    {
    }
};
