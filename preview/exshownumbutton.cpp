#include "exshownumbutton.h"

ExShowNumButton::ExShowNumButton(QWidget *parent)
    : ExQButton(parent)
{
    connect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

ExShowNumButton::~ExShowNumButton()
{
    disconnect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

void ExShowNumButton::setRowCol(int row, int col)
{
    m_row = row;
    m_col = col;
}

void ExShowNumButton::onClicked()
{
    emit signalSetMartix(m_row, m_col);
}

void ExShowNumButton::onWallChange(int wallType, int wallID)
{
    Q_UNUSED(wallID)
    setVisible(wallType == 0);
}
