#include "gridpaintplan.h"

#include "wall/gridvirwall.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Pixels covered by outlines, one row (or column) of the canvas after the
// other; a million cells on a few hundred thousand pixels share most of them.
class Coverage
{
public:
    Coverage(int lines, int length)
        : m_lines(lines)
        , m_length(length)
        , m_bits(size_t(lines) * size_t(length), 0)
    {
    }
    // Covers [from, to] of the line, cut to the canvas.
    void mark(int line, int from, int to)
    {
        from = std::max(from, 0);
        to = std::min(to, m_length - 1);
        if (line < 0 || line >= m_lines || from > to)
            return;
        std::memset(&m_bits[size_t(line) * size_t(m_length) + size_t(from)], 1, size_t(to - from + 1));
    }
    // The covered pixels as rectangles: each run of a line, grown over the
    // next lines as long as they hold exactly the same runs (a dense grid
    // becomes one rectangle). across: lines are rows, else columns.
    QVector<QRect> rects(bool across) const
    {
        QVector<QRect> result;
        std::vector<std::pair<int, int>> open;
        std::vector<std::pair<int, int>> runs;
        int openFrom = 0;
        const auto close = [&](int lastLine) {
            for (const auto &run : open) {
                result.append(across ? QRect(QPoint(run.first, openFrom), QPoint(run.second, lastLine))
                                     : QRect(QPoint(openFrom, run.first), QPoint(lastLine, run.second)));
            }
        };
        for (int line = 0; line < m_lines; ++line) {
            runs.clear();
            const char *bits = &m_bits[size_t(line) * size_t(m_length)];
            for (int at = 0; at < m_length; ++at) {
                if (!bits[at])
                    continue;
                const int start = at;
                while (at + 1 < m_length && bits[at + 1])
                    ++at;
                runs.emplace_back(start, at);
            }
            if (runs != open) {
                close(line - 1);
                open.swap(runs);
                openFrom = line;
            }
        }
        close(m_lines - 1);
        return result;
    }

private:
    int m_lines;
    int m_length;
    std::vector<char> m_bits;
};

} // namespace

void GridPaintPlan::clear()
{
    m_outlines.clear();
    m_fills.clear();
    m_labels.clear();
    m_built = false;
}

void GridPaintPlan::build(const QVector<GridCell> &cells, const ToWidget &toWidget, const QRect &selection,
                          const QSize &size, const QFontMetrics &metrics)
{
    clear();
    m_built = true;
    const int width = size.width();
    const int height = size.height();
    if (width < 1 || height < 1)
        return;
    Coverage rows(height, width);
    Coverage columns(width, height);
    for (const GridCell &cell : cells) {
        QRect r = toWidget(cell);
        r.setWidth(r.width() - 1);
        r.setHeight(r.height() - 1);
        if (GridVirWall::rectsOverlap(r, selection)) {
            if (r.width() > 0 && r.height() > 0)
                m_fills.append(r);
        } else {
            // A one-pixel outline covers the left and right columns and the
            // top and bottom rows of left..left+width, top..top+height.
            const int right = r.left() + std::max(r.width(), 0);
            const int bottom = r.top() + std::max(r.height(), 0);
            rows.mark(r.top(), r.left(), right);
            rows.mark(bottom, r.left(), right);
            columns.mark(r.left(), r.top(), bottom);
            columns.mark(right, r.top(), bottom);
        }
        addLabels(cell, r, metrics);
    }
    m_outlines = rows.rects(true) + columns.rects(false);
}

// Only where the label fits inside its cell: below a few pixels a cell shows
// no digits, and measuring them for a million cells would cost seconds.
void GridPaintPlan::addLabels(const GridCell &cell, const QRect &r, const QFontMetrics &metrics)
{
    if (r.height() < metrics.height() || r.width() < metrics.horizontalAdvance(QLatin1Char('0')))
        return;
    const QString width = QString::number(cell.w);
    const QString height = QString::number(cell.h);
    const int widthAdvance = metrics.horizontalAdvance(width);
    if (widthAdvance <= r.width())
        m_labels.append({QPoint(r.left() + r.width() / 2 - widthAdvance / 2, r.top() + 16), width});
    if (metrics.horizontalAdvance(height) <= r.width())
        m_labels.append({QPoint(r.left(), r.top() + metrics.height() / 2 + r.height() / 2), height});
}

void GridPaintPlan::draw(QPainter *painter) const
{
    for (const QRect &outline : m_outlines)
        painter->fillRect(outline, QColor(200, 200, 200));
    for (const QRect &fill : m_fills)
        painter->fillRect(fill, QColor(0, 220, 241));
    painter->setPen(Qt::blue);
    for (const Label &label : m_labels)
        painter->drawText(label.at, label.text);
}
