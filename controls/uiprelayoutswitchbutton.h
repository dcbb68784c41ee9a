#pragma once

#include "controls/uiswitchbuttonbase.h"

// A preset-layout switch, drawn as a slide switch; it shows no selection frame around its track.
class UIPreLayoutSwitchButton : public UISwitchButtonBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 124;
    static constexpr const char kClassTag[] = "prelayoutswitchbutton";

    explicit UIPreLayoutSwitchButton(QWidget *parent = nullptr);
};
