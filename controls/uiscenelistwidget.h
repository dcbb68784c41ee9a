#pragma once

#include "controls/uilistwidgetbase.h"

// The list of scenes: cells with a caption under each, coloured by the item colours.
class UISceneListWidget : public UIListWidgetBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 111;
    static constexpr const char kClassTag[] = "scenelist";

    explicit UISceneListWidget(QWidget *parent = nullptr);
};
