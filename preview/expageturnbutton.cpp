#include "expageturnbutton.h"

ExPageTurnButton::ExPageTurnButton(QWidget *parent)
    : ExQButton(parent)
{
    connect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

ExPageTurnButton::~ExPageTurnButton()
{
    disconnect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

void ExPageTurnButton::onClicked()
{
    emit signalsPageTurn(m_index);
}
