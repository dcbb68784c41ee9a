#include "uipptbuttonlistwidget.h"

namespace {

// Translation context; cell text, translated; caption text; refresh button;
// row margin and spacing; column margin and spacing; cell look; caption colours.
const UIListWidgetBase::ListTraits kTraits = {
    "UIPPTButtonListWidget",
    "ppt_", false,
    nullptr,
    false,
    6, 6,
    6, 6,
    UIListWidgetBase::CellStyle::ItemLook,
    UIListWidgetBase::CaptionColours::None,
};

} // namespace

UIPPTButtonListWidget::UIPPTButtonListWidget(QWidget *parent)
    : UIListWidgetBase(parent, kTraits)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}
