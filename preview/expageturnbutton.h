#pragma once

#include "preview/exqbutton.h"

// Turns the source tab to one of its pages.
class ExPageTurnButton : public ExQButton
{
    Q_OBJECT

public:
    explicit ExPageTurnButton(QWidget *parent = nullptr);
    ~ExPageTurnButton() override;

    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

signals:
    void signalsPageTurn(int);

public slots:
    void onClicked();

private:
    int m_index = 0;
};
