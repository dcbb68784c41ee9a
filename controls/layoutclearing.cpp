#include "controls/layoutclearing.h"

#include <QLayout>
#include <QWidget>

void clearLayout(QLayout *layout)
{
    if (!layout)
        return;
    while (QLayoutItem *item = layout->takeAt(0)) {
        // Deleted in place: the destructor leaves the owner at once, whereas
        // detaching first walks the whole window's focus chain per widget.
        delete item->widget();
        if (QLayout *inner = item->layout()) {
            // A nested layout is its own item; clearing it deletes it.
            clearLayout(inner);
            continue;
        }
        delete item;
    }
    delete layout;
}
