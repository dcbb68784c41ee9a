#pragma once

#include "controls/uiswitchbuttonbase.h"

// A status button with one command list for on and one for off, drawn as a slide switch.
class UICmdStatusButton : public UISwitchButtonBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 130;
    static constexpr const char kClassTag[] = "cmdstatusbutton";

    explicit UICmdStatusButton(QWidget *parent = nullptr);
};
