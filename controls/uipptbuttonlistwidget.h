#pragma once

#include "controls/uilistwidgetbase.h"

// The list of PPT page buttons.
class UIPPTButtonListWidget : public UIListWidgetBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 137;
    static constexpr const char kClassTag[] = "PPTbuttonlist";

    explicit UIPPTButtonListWidget(QWidget *parent = nullptr);
};
