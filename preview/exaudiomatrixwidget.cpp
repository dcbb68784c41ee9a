#include "exaudiomatrixwidget.h"

#include <QLayout>
#include <QLayoutItem>

ExAudioMatrixWidget::ExAudioMatrixWidget(QWidget *parent)
    : QWidget(parent)
{
}

ExAudioMatrixWidget::~ExAudioMatrixWidget()
{
    clearLayout(layout());
}

void ExAudioMatrixWidget::clearLayout(QLayout *layout)
{
    if (!layout)
        return;
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            // Detached first so the old owner never sees it again, even for
            // the moment before deletion.
            widget->setParent(nullptr);
            delete widget;
        }
        if (QLayout *inner = item->layout()) {
            // A nested layout is its own item; clearing it deletes it.
            clearLayout(inner);
            continue;
        }
        delete item;
    }
    delete layout;
}
