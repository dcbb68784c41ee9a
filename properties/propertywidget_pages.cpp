#include "propertywidget.h"

#include "canvas/uipage.h"
#include "properties/commonrows.h"
#include "properties/pages/propertypages.h"

static_assert(PropertyRows::Shared::kMostListItems == UIPage::kMaxPageWidth,
              "a list's count is bounded by the longest page");

void PropertyWidget::createProperty(int nClass)
{
    using Builder = void (PropertyWidget::*)();
    struct Entry {
        int nClass;
        Builder build;
    };
#define PROPERTY_BUILDER_ENTRY(nClass, builder) {nClass, &PropertyWidget::builder},
    static const Entry kBuilders[] = {PROPERTY_PAGE_BUILDERS(PROPERTY_BUILDER_ENTRY)};
#undef PROPERTY_BUILDER_ENTRY
    for (const Entry &entry : kBuilders) {
        if (entry.nClass == nClass) {
            (this->*entry.build)();
            return;
        }
    }
}

void PropertyWidget::buildKind(int nClass)
{
    const PropertyPageDesc *page = findPropertyPage(nClass);
    Q_ASSERT_X(page, "PropertyWidget::buildKind", "a page builder without a page");
    if (page)
        buildPage(*page);
}

#define PROPERTY_DEFINE_BUILDER(nClass, builder) \
    void PropertyWidget::builder() { buildKind(nClass); }
PROPERTY_PAGE_BUILDERS(PROPERTY_DEFINE_BUILDER)
#undef PROPERTY_DEFINE_BUILDER
