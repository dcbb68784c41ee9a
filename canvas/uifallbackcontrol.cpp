#include "uifallbackcontrol.h"

UIFallbackControl::UIFallbackControl(int typeId, const QString &classTag, QWidget *parent)
    : UIBase(parent)
{
    setKind(typeId, classTag);
}
