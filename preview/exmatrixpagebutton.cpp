#include "exmatrixpagebutton.h"

ExMatrixPageButton::ExMatrixPageButton(QWidget *parent)
    : ExQButton(parent)
{
}

ExMatrixPageButton::~ExMatrixPageButton() = default;

void ExMatrixPageButton::onWallChange(int wallType, int wallID)
{
    Q_UNUSED(wallID)
    if (wallType == 0)
        show();
}
