#include "uivideoprogress.h"

UIVideoProgress::UIVideoProgress(QWidget *parent)
    : UIVolumeSliderControl(parent)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}
