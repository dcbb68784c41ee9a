#pragma once

#include "controls/uilistwidgetbase.h"

// The list of screen-group buttons.
class UIScreenButtonListWidget : public UIListWidgetBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 135;
    static constexpr const char kClassTag[] = "screenbuttonlist";

    explicit UIScreenButtonListWidget(QWidget *parent = nullptr);
};
