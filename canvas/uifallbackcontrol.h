#pragma once

#include "controls/uibase.h"

#include <QString>

// Stands on the canvas for a kind whose own class is not there: it keeps the
// kind's id, tag and whole attribute object, so the page saves the control
// exactly as it was read.
class UIFallbackControl : public UIBase
{
    Q_OBJECT

public:
    UIFallbackControl(int typeId, const QString &classTag, QWidget *parent = nullptr);
};
