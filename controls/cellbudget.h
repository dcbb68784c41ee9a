#pragma once

#include <QObject>

class QWidget;

// The cells that the list controls of one page build between them. A page
// file can ask any list for any number of cells; what the page builds stays
// within this budget, so opening it costs in proportion to the controls it
// shows, never to the numbers written in it. The stored values stay as given.
class CellBudget : public QObject
{
    Q_OBJECT
public:
    // More cells than any panel page shows side by side; a page file asking
    // for more gets the first ones in file order.
    static const int kCellsPerPage = 1024;

    // The page's budget, made as a child of the page on first use.
    static CellBudget *of(QWidget *page);

    // How many of the wanted cells a list shows along its length, each
    // cellLength long at least: as many as fit, and never fewer than one.
    static int cellsThatFit(double length, double cellLength, int wanted);

    // Grants up to wanted cells, and one cell even when nothing is left, so
    // every list shows at least one; the caller gives them back with release.
    int take(int wanted);
    void release(int count);
    int cellsLeft() const { return kCellsPerPage - m_taken; }

private:
    explicit CellBudget(QObject *page);

    int m_taken = 0;
};
