#pragma once

#include "preview/exqbutton.h"

// A matrix division button: names the rows and columns a matrix wall is to be
// divided into, and is shown only for matrix walls (wall type 0).
class ExShowNumButton : public ExQButton
{
    Q_OBJECT

public:
    explicit ExShowNumButton(QWidget *parent = nullptr);
    ~ExShowNumButton() override;

    void setRowCol(int row, int col);
    int row() const { return m_row; }
    int col() const { return m_col; }

signals:
    void signalSetMartix(int row, int col);

public slots:
    void onClicked();
    void onWallChange(int wallType, int wallID);

private:
    // A division of 2 x 2 until the control names its own.
    int m_row = 2;
    int m_col = 2;
};
