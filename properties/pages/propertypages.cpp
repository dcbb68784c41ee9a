#include "propertypages.h"

#include <QHash>

namespace {

using FamilyPages = PropertyPageList (*)();

const FamilyPages kFamilies[] = {
    pageFamilyPages,
    labelFamilyPages,
    buttonFamilyPages,
};

QHash<int, const PropertyPageDesc *> pagesByClass()
{
    QHash<int, const PropertyPageDesc *> pages;
    for (FamilyPages family : kFamilies) {
        const PropertyPageList list = family();
        for (int i = 0; i < list.count; ++i) {
            Q_ASSERT_X(!pages.contains(list.pages[i].nClass), "findPropertyPage", "two pages for one kind");
            pages.insert(list.pages[i].nClass, &list.pages[i]);
        }
    }
    return pages;
}

} // namespace

const PropertyPageDesc *findPropertyPage(int nClass)
{
    static const QHash<int, const PropertyPageDesc *> pages = pagesByClass();
    return pages.value(nClass, nullptr);
}
