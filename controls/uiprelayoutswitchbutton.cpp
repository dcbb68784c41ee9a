#include "uiprelayoutswitchbutton.h"

UIPreLayoutSwitchButton::UIPreLayoutSwitchButton(QWidget *parent)
    : UISwitchButtonBase(parent, false)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}
