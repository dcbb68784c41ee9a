#include "expagebutton.h"

ExPageButton::ExPageButton(QWidget *parent)
    : ExQButton(parent)
{
    connect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

ExPageButton::~ExPageButton()
{
    disconnect(this, SIGNAL(clicked()), this, SLOT(onClicked()));
}

QString ExPageButton::targetPage(int functionType, const QString &gotoPage)
{
    const QString suffix = QStringLiteral(".json");
    if ((functionType == 0 || functionType == 1) && !gotoPage.isEmpty()
        && !gotoPage.endsWith(suffix, Qt::CaseSensitive))
        return gotoPage + suffix;
    return gotoPage;
}

void ExPageButton::onClicked()
{
    // The page host opens the target; the button itself only changes its look.
}
