#include "uimeetingbutton.h"

#include "controls/uicompositehelpers.h"

UIMeetingButton::UIMeetingButton(QWidget *parent)
    : UIBase(parent)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}

void UIMeetingButton::applyAttributes(const QJsonObject &applied)
{
    for (auto it = applied.constBegin(); it != applied.constEnd(); ++it) {
        if (it.key() == QLatin1String("meetingVendor"))
            setAttribute(it.key(), wholeNumberOr(it.value(), 0), true);
        else if (it.key() == QLatin1String("meetingIp"))
            setAttribute(it.key(), it.value().isString() ? it.value().toString() : QString(), true);
    }
}
