#include "uipreviewwidget.h"

namespace {

// Translation context; cell text, translated; caption text; refresh button;
// row margin and spacing; column margin and spacing; cell look; caption colours.
const UIListWidgetBase::ListTraits kTraits = {
    "UIPreviewWidget",
    nullptr, false,
    QT_TRANSLATE_NOOP("UIPreviewWidget", "source_"),
    false,
    5, 5,
    5, 5,
    UIListWidgetBase::CellStyle::ItemBackgroundOnly,
    UIListWidgetBase::CaptionColours::ControlColours,
};

} // namespace

UIPreviewWidget::UIPreviewWidget(QWidget *parent)
    : UIListWidgetBase(parent, kTraits)
{
    setKind(kTypeId, QLatin1String(kClassTag));
}
