#include "controlfactory.h"

#include "canvas/uifallbackcontrol.h"
#include "controls/compositecontrols.h"
#include "controls/plaincontrols.h"

UIBase *ControlFactory::construct(int nClass, const QString &typeName, QWidget *parent)
{
    if (UIBase *plain = createPlainControl(nClass, parent))
        return plain;
    if (UIBase *composite = createCompositeControl(nClass, parent))
        return composite;
    // A kind of the type table that has no class here yet.
    return new UIFallbackControl(nClass, typeName.toLower(), parent);
}
