#pragma once

#include "wall/gridpaintplan.h"
#include "wall/gridtemplate.h"

#include <QFrame>
#include <QPoint>
#include <QRect>
#include <QVector>

class QLabel;

// The canvas of the grid template editor: draws the cells of the template
// being edited, scaled from wall units to its own size; a click selects the
// cell under it and a drag merges the cells it touches into one.
class GridVirWall : public QFrame
{
    Q_OBJECT

public:
    enum MapDirection { WidgetToWall, WallToWidget };

    explicit GridVirWall(QWidget *parent = nullptr);

    // Rectangles that only touch along an edge or at a corner do not overlap.
    static bool rectsOverlap(const QRect &a, const QRect &b);
    // Products first, in 64 bits; a wall smaller than one unit maps to an
    // empty rectangle instead of dividing by nothing.
    QRect mapRect(const QRect &rect, MapDirection direction) const;

    const GridTemplate &gridTemplate() const { return m_template; }
    // As they were handed over or edited: a cell of a file that lies past
    // the wall stays so until an edit takes it in.
    const QVector<GridCell> &cells() const { return m_cells; }
    // In widget pixels; the cleared selection is (-1, -1, -1, -1).
    QRect selection() const { return m_selection; }

    void setTemplate(const GridTemplate &record, const QVector<GridCell> &cells);
    void setRegularGrid(int regular, int rows, int cols, int tw, int th);
    void addCell(int x, int y, int w, int h);
    // The first cell, in list order, that overlaps the selection.
    bool selectedRect(QRect *rect) const;
    void deleteSelectedCells();
    void splitCells(int rows, int cols, int cellW, int cellH, bool fixed);
    void checkSelection() const;
    void mergeCells(const QRect &wallRect);

signals:
    void signalCellClick(int, int, int, int);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What is drawn, selected and edited of a cell: its part inside the wall.
    QRect heldRect(const GridCell &cell) const;
    // Something drawn changed: the paint plan is worked out again.
    void replan();
    void clearSelection();
    // Removes every cell that overlaps the rectangle (wall units).
    void removeOverlapping(const QRect &wallRect);

    GridTemplate m_template;
    QVector<GridCell> m_cells;
    int m_width = 1;
    int m_height = 1;
    QRect m_selection;
    bool m_pressed = false;
    bool m_moved = false;
    QPoint m_pressPoint;
    QLabel *m_rubberBand = nullptr;
    GridPaintPlan m_plan;
};
