#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QRect>
#include <QString>
#include <QVector>

// The most rows or columns of a regular grid: what the editor's boxes take.
// A template file may say more; it is held to this.
constexpr int kMaxGridLines = 999;

// One cell of a video wall, in wall units.
struct GridCell {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    // The part of the cell inside a tw x th wall, worked out in 64 bits: a
    // file may hold cells whose right edge lies past the int range.
    QRect heldIn(int tw, int th) const;
    static GridCell fromRect(const QRect &rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }
    bool operator==(const GridCell &other) const
    {
        return x == other.x && y == other.y && w == other.w && h == other.h;
    }
};

// A named division of a video wall, as the template file, a control's grid
// layout value, the template editor and its canvas share it. The cells are
// not part of the record.
struct GridTemplate {
    int id = 0;
    char name[128] = {};   // NUL-terminated UTF-8, at most 127 bytes
    int standard = 0;      // 1 preset (regular grid), 0 custom cells
    int gridmode = 0;      // 0 matrix, 1 screen group
    int row = 0;
    int col = 0;
    int tw = 0;            // total width in wall units
    int th = 0;            // total height in wall units
    int walltype = 0;      // 0 whole screen, 1 single screen

    QString nameText() const;
    // Cut to 127 bytes of UTF-8, never inside a character.
    void setName(const QString &text);
};

// The rows x cols grid over tw x th, row by row from the top. Where tw or th
// is not a multiple of cols or rows, narrow strips stay between the cells.
// Nothing for fewer than one row or column, or a wall smaller than one unit;
// rows and columns are held to kMaxGridLines. The products go through 64
// bits: a wall is up to 99,999,999 units wide.
QVector<GridCell> regularGridCells(int rows, int cols, int tw, int th);

// "x", "y", "w", "h" of every element, a missing or non-numeric one as 0, as
// the file says them: held inside a wall only where they are drawn, so that a
// template saved unedited keeps them.
QVector<GridCell> gridCellsFromJson(const QJsonArray &array);
QJsonArray gridCellsToJson(const QVector<GridCell> &cells);

// The file object of a template: "tw" and "th" only for a custom one
// (standard 0), "rect" always, possibly empty.
QJsonObject gridTemplateObject(const GridTemplate &record, int standard, const QVector<GridCell> &cells);
