#include "uicmdprogress.h"

UICmdProgress::UICmdProgress(QWidget *parent)
    : UIVolumeSliderControl(parent)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}
