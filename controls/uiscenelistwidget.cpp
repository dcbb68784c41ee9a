#include "uiscenelistwidget.h"

namespace {

// Translation context; cell text, translated; caption text; refresh button;
// row margin and spacing; column margin and spacing; cell look; caption colours.
const UIListWidgetBase::ListTraits kTraits = {
    "UISceneListWidget",
    nullptr, false,
    QT_TRANSLATE_NOOP("UISceneListWidget", "scene_"),
    false,
    8, 3,
    6, 3,
    UIListWidgetBase::CellStyle::ItemLook,
    UIListWidgetBase::CaptionColours::ItemColours,
};

} // namespace

UISceneListWidget::UISceneListWidget(QWidget *parent)
    : UIListWidgetBase(parent, kTraits)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}
