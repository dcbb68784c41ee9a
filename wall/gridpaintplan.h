#pragma once

#include "wall/gridtemplate.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>

class QFontMetrics;
class QPainter;

// What the grid canvas draws, worked out once for its cells, selection, size
// and font: the one-pixel outlines of the cells merged into as few
// rectangles as cover the same pixels, the fills of selected cells that have an inside, and the size labels
// that fit in their cell. Drawing it costs in proportion to the canvas's
// pixels however many cells there are; working it out, in proportion to the
// cells, happens only after a change.
class GridPaintPlan
{
public:
    // A cell to its rectangle on the canvas.
    using ToWidget = std::function<QRect(const GridCell &)>;

    void build(const QVector<GridCell> &cells, const ToWidget &toWidget, const QRect &selection,
               const QSize &size, const QFontMetrics &metrics);
    void draw(QPainter *painter) const;
    void clear();
    bool isBuilt() const { return m_built; }

private:
    struct Label {
        QPoint at;
        QString text;
    };

    void addLabels(const GridCell &cell, const QRect &r, const QFontMetrics &metrics);

    QVector<QRect> m_outlines;
    QVector<QRect> m_fills;
    QVector<Label> m_labels;
    bool m_built = false;
};
