#include "propertypages.h"

#include "properties/commonrows.h"

using namespace PropertyRows;

namespace {

// The ordinary button keeps its captions with the looks they belong to.
constexpr PropertyRowDesc kButtonRows[] = {
    run(Runs::geometryAndText),
    Section::normalStyle,
    textRow("text", QT_TRANSLATE_NOOP("PropertyWidget", "文本"), QT_TRANSLATE_NOOP("PropertyWidget", "按钮"),
            Editable | Translated),
    run(Runs::normalLook),
    Section::activeStyle,
    textRow("pressText", QT_TRANSLATE_NOOP("PropertyWidget", "激活文本"), QT_TRANSLATE_NOOP("PropertyWidget", "按钮"),
            Editable | Translated),
    run(Runs::activeLook),
};

constexpr PropertyPageDesc kPages[] = {
    page(113, QT_TRANSLATE_NOOP("PropertyWidget", "普通按钮"), "UIButton", kButtonRows),
};

} // namespace

PropertyPageList buttonFamilyPages()
{
    return {kPages, int(sizeof kPages / sizeof kPages[0])};
}
