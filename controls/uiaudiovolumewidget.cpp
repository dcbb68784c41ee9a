#include "uiaudiovolumewidget.h"

UIAudioVolumeWidget::UIAudioVolumeWidget(QWidget *parent)
    : UIVolumeSliderControl(parent)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}
