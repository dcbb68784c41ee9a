#pragma once

#include "controls/uilistwidgetbase.h"

// The list of video play buttons: a refresh button, then the page-turn buttons around the numbered cells.
class UIPlayButtonListWidget : public UIListWidgetBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 136;
    static constexpr const char kClassTag[] = "playbuttonlist";

    explicit UIPlayButtonListWidget(QWidget *parent = nullptr);
};
