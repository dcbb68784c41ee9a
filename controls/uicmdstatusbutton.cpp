#include "uicmdstatusbutton.h"

UICmdStatusButton::UICmdStatusButton(QWidget *parent)
    : UISwitchButtonBase(parent, true)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}
