#include "cellbudget.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
// Kept on the page as a property: a search of its children would cost each
// list as much as the page has controls.
const char kPageProperty[] = "cellBudget";
} // namespace

CellBudget::CellBudget(QObject *page)
    : QObject(page)
{
}

CellBudget *CellBudget::of(QWidget *page)
{
    if (!page)
        return nullptr;
    if (auto *budget = qvariant_cast<CellBudget *>(page->property(kPageProperty)))
        return budget;
    auto *budget = new CellBudget(page);
    page->setProperty(kPageProperty, QVariant::fromValue(budget));
    return budget;
}

int CellBudget::cellsThatFit(double length, double cellLength, int wanted)
{
    const double fit = std::trunc(length / cellLength);
    return int(std::max(1.0, std::min(fit, double(wanted))));
}

int CellBudget::take(int wanted)
{
    const int granted = std::max(1, std::min(wanted, cellsLeft()));
    m_taken += granted;
    return granted;
}

void CellBudget::release(int count)
{
    m_taken = std::max(0, m_taken - count);
}
