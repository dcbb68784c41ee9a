#pragma once

#include "preview/exqbutton.h"

// Pages through the windows of a matrix wall.
class ExMatrixPageButton : public ExQButton
{
    Q_OBJECT

public:
    explicit ExMatrixPageButton(QWidget *parent = nullptr);
    ~ExMatrixPageButton() override;

public slots:
    // A matrix wall (type 0) shows the button; another wall leaves it as it is.
    void onWallChange(int wallType, int wallID);
};
