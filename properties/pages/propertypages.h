#pragma once

#include "properties/propertyrowdesc.h"

// The property pages of the control kinds, one family per source file.
struct PropertyPageList {
    const PropertyPageDesc *pages;
    int count;
};

// The page itself, the login form and the place widget.
PropertyPageList pageFamilyPages();
// Labels and the search box.
PropertyPageList labelFamilyPages();
// The plain action buttons.
PropertyPageList buttonFamilyPages();

// The page of a kind, or null for a kind that has none.
const PropertyPageDesc *findPropertyPage(int nClass);
