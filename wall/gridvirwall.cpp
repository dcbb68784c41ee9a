#include "gridvirwall.h"

#include "core/notifier.h"
#include "wall/rubberband.h"

#include <QDebug>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace {
const QRect kClearedSelection(-1, -1, -1, -1);
const int kMergeRounds = 10;
const int kDefaultWallWidth = 3840;
const int kDefaultWallHeight = 2160;

int scaled(int value, int numerator, int denominator)
{
    return int(qint64(value) * numerator / denominator);
}
} // namespace

GridVirWall::GridVirWall(QWidget *parent)
    : QFrame(parent)
    , m_selection(kClearedSelection)
{
    setObjectName(QStringLiteral("GridVirWall"));
    setWindowTitle(tr("Frame"));
    resize(508, 383);
    m_template.row = 2;
    m_template.col = 2;
    m_template.tw = kDefaultWallWidth;
    m_template.th = kDefaultWallHeight;
    m_rubberBand = rubberband::createLabel(this, QColor(0, 110, 255, 80));
}

bool GridVirWall::rectsOverlap(const QRect &a, const QRect &b)
{
    const qint64 spanX = std::max(qint64(a.x()) + a.width(), qint64(b.x()) + b.width()) - std::min(a.x(), b.x());
    const qint64 spanY = std::max(qint64(a.y()) + a.height(), qint64(b.y()) + b.height()) - std::min(a.y(), b.y());
    return qint64(a.width()) + b.width() > spanX && qint64(a.height()) + b.height() > spanY;
}

QRect GridVirWall::mapRect(const QRect &rect, MapDirection direction) const
{
    if (direction == WallToWidget) {
        if (m_template.tw < 1 || m_template.th < 1)
            return QRect();
        return QRect(scaled(rect.x(), m_width, m_template.tw), scaled(rect.y(), m_height, m_template.th),
                     scaled(rect.width(), m_width, m_template.tw), scaled(rect.height(), m_height, m_template.th));
    }
    QRect wall(scaled(rect.x(), m_template.tw, m_width), scaled(rect.y(), m_template.th, m_height),
               scaled(rect.width(), m_template.tw, m_width), scaled(rect.height(), m_template.th, m_height));
    // On a wall of fewer units than pixels a click would map to nothing and
    // could never select the cell under it.
    if (rect.width() > 0 && wall.width() < 1)
        wall.setWidth(1);
    if (rect.height() > 0 && wall.height() < 1)
        wall.setHeight(1);
    return wall;
}

QRect GridVirWall::heldRect(const GridCell &cell) const
{
    return cell.heldIn(m_template.tw, m_template.th);
}

void GridVirWall::setTemplate(const GridTemplate &record, const QVector<GridCell> &cells)
{
    m_template = record;
    m_cells = cells;
    replan();
}

void GridVirWall::setRegularGrid(int regular, int rows, int cols, int tw, int th)
{
    clearSelection();
    m_template.gridmode = 0;
    m_template.tw = tw >= 1 ? tw : kDefaultWallWidth;
    m_template.th = th >= 1 ? th : kDefaultWallHeight;
    m_template.row = rows;
    m_template.col = cols;
    m_cells.clear();
    if (regular == 1)
        m_cells = regularGridCells(rows, cols, m_template.tw, m_template.th);
    replan();
}

void GridVirWall::addCell(int x, int y, int w, int h)
{
    m_cells.append({x, y, w, h});
    replan();
}

bool GridVirWall::selectedRect(QRect *rect) const
{
    if (m_selection == kClearedSelection)
        return false;
    const QRect wall = mapRect(m_selection, WidgetToWall);
    for (const GridCell &cell : m_cells) {
        const QRect held = heldRect(cell);
        if (rectsOverlap(held, wall)) {
            *rect = held;
            return true;
        }
    }
    return false;
}

void GridVirWall::checkSelection() const
{
    QRect cell;
    selectedRect(&cell);
}

void GridVirWall::removeOverlapping(const QRect &wallRect)
{
    m_cells.erase(std::remove_if(m_cells.begin(), m_cells.end(),
                                 [&](const GridCell &cell) { return rectsOverlap(heldRect(cell), wallRect); }),
                  m_cells.end());
}

void GridVirWall::deleteSelectedCells()
{
    QRect selected;
    if (!selectedRect(&selected))
        return;
    removeOverlapping(selected);
    replan();
}

void GridVirWall::mergeCells(const QRect &wallRect)
{
    auto boundsOfOverlapping = [this](const QRect &area) {
        QRect bounds;
        for (const GridCell &cell : qAsConst(m_cells)) {
            const QRect held = heldRect(cell);
            if (rectsOverlap(held, area))
                bounds = bounds.united(held);
        }
        return bounds;
    };
    QRect bounds = boundsOfOverlapping(wallRect);
    if (bounds.isNull())
        return;
    // A cell that sticks out of the merged box pulls the box wider; a few
    // rounds settle any layout the editor can make.
    for (int round = 0; round < kMergeRounds; ++round) {
        const QRect wider = bounds.united(boundsOfOverlapping(bounds));
        if (wider == bounds)
            break;
        bounds = wider;
    }
    removeOverlapping(bounds);
    m_cells.append(GridCell::fromRect(bounds));
}

void GridVirWall::splitCells(int rows, int cols, int cellW, int cellH, bool fixed)
{
    QRect s;
    if (!selectedRect(&s) || rows < 1 || cols < 1)
        return;
    int w = cellW;
    int h = cellH;
    if (!fixed) {
        w = s.width() / cols;
        h = s.height() / rows;
        w -= w % 2;
        h -= h % 2;
    }
    const bool fits = qint64(cols - 1) * cellW < s.width() && qint64(rows - 1) * cellH < s.height();
    // An even split of a narrow cell would leave columns or rows without
    // width or height.
    const bool evenFits = fixed || ((cols == 1 || w > 0) && (rows == 1 || h > 0));
    if (!fits || !evenFits) {
        Notifier::information(nullptr, tr("提示"),
                              tr("满足以下条件才允许拆分:\r\n拆分高度*(行数-1) <总高度 ,\r\n"
                                 "拆分宽度*(列数-1) <总宽度 ，\r\n请重新调整"));
        return;
    }
    clearSelection();
    removeOverlapping(s);
    for (int r = 0; r < rows; ++r) {
        const int cellHeight = r == rows - 1 ? s.height() - (rows - 1) * h : h;
        for (int c = 0; c < cols; ++c) {
            const int cellWidth = c == cols - 1 ? s.width() - (cols - 1) * w : w;
            m_cells.append({s.x() + c * w, s.y() + r * h, cellWidth, cellHeight});
        }
    }
    replan();
}

void GridVirWall::clearSelection()
{
    m_selection = kClearedSelection;
}

void GridVirWall::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_moved = false;
    m_pressPoint = event->pos();
    m_selection = QRect(m_pressPoint, QSize(1, 1));
    replan();
}

void GridVirWall::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton))
        return;
    m_moved = true;
    m_selection = rubberband::stretch(m_rubberBand, m_pressPoint, event->pos(), size());
    replan();
}

void GridVirWall::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    if (m_moved)
        mergeCells(mapRect(m_selection, WidgetToWall));
    m_rubberBand->hide();
    // A plain click keeps its 1 x 1 selection: it selects the cell under it.
    m_pressed = false;
    m_moved = false;
    replan();
}

void GridVirWall::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        qDebug() << "GridVirWall::mouseDoubleClickEvent " << event->pos();
}

void GridVirWall::leaveEvent(QEvent *event)
{
    QFrame::leaveEvent(event);
}

void GridVirWall::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    // A wall of no units, possible from a file, has nothing to draw.
    if (m_template.tw < 1 || m_template.th < 1)
        return;
    if (!m_plan.isBuilt()) {
        m_plan.build(
            m_cells, [this](const GridCell &cell) { return mapRect(heldRect(cell), WallToWidget); }, m_selection,
            size(), fontMetrics());
    }
    QPainter painter(this);
    m_plan.draw(&painter);
}

void GridVirWall::replan()
{
    m_plan.clear();
    update();
}

void GridVirWall::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        replan();
}

void GridVirWall::resizeEvent(QResizeEvent *event)
{
    qDebug() << "old:" << event->oldSize() << "; new:" << event->size();
    QFrame::resizeEvent(event);
    if (event->size().width() > 0 && event->size().height() > 0) {
        m_width = width();
        m_height = height();
        // Custom cells do not survive: the regular grid of the record comes back.
        m_cells = regularGridCells(m_template.row, m_template.col, m_template.tw, m_template.th);
        replan();
    }
}
