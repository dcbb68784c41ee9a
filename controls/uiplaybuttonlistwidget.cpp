#include "uiplaybuttonlistwidget.h"

namespace {

// Translation context; cell text, translated; caption text; refresh button;
// row margin and spacing; column margin and spacing; cell look; caption colours.
const UIListWidgetBase::ListTraits kTraits = {
    "UIPlayButtonListWidget",
    "video_", false,
    nullptr,
    true,
    6, 6,
    6, 6,
    UIListWidgetBase::CellStyle::ItemLook,
    UIListWidgetBase::CaptionColours::None,
};

} // namespace

UIPlayButtonListWidget::UIPlayButtonListWidget(QWidget *parent)
    : UIListWidgetBase(parent, kTraits)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}
