#pragma once

#include "controls/uilistwidgetbase.h"

// The row of source preview tabs: blank cells with a caption under each, coloured by the control's own text colours.
class UIPreviewWidget : public UIListWidgetBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 112;
    static constexpr const char kClassTag[] = "previewwidget";

    explicit UIPreviewWidget(QWidget *parent = nullptr);
};
