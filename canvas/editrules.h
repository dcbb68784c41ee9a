#pragma once

#include <QJsonObject>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>

// The rules by which the canvas changes controls on a user's request, on
// attribute objects alone: paste, latch settings, format painter, arrow
// nudges, group moves, the rubber band, palette drops and the wheel zoom.
namespace EditRules {

// Smallest band or drop, in page-widget pixels, that makes a control.
constexpr int kMinimumBand = 5;

// A copied control as pasted: 10 units right of and below the copy's current
// place (numbers only), with the next index and name of its kind on the page.
QJsonObject pasted(const QJsonObject &source, const QString &typeName, int widgetIndex);

// The latch keys written by self-lock (1, 0), unlock (0, 0) and interlock
// (0, group id).
QJsonObject latched(const QJsonObject &attributes, int selfLocking, int groupId);
// The id a new interlock group gets: one above the largest handed out, or,
// once that is the int maximum, the lowest positive id not in use.
int nextGroupId(int maxId, const QSet<int> &inUse);

// The source's attributes as painted onto the target: the target keeps its
// place, name and index always, and its texts, feature, ui type, group and
// kind name where the source has them; a kept key the target lacks becomes
// null.
QJsonObject painted(const QJsonObject &source, const QJsonObject &target);

enum Direction { Left, Right, Up, Down };

// The page extent the arrow keys clamp against: the page's "w" (Right) or
// "h" (Down) when it is a number above 0, else 1920 or 1080.
int nudgeExtent(const QJsonObject &page, Direction direction);
// One unit in the direction, held within the page; a control without the
// coordinate as a number stays as it is.
QJsonObject nudged(const QJsonObject &attributes, Direction direction, int extent);

// A dragged selection member moved by offset: held at the page's right and
// bottom edges first, then at 0. Missing values read as 0.
QJsonObject movedBy(const QJsonObject &attributes, const QPoint &offset, int pageWidth, int pageHeight);

// The rubber band from the anchor to the cursor, cut at the page widget's
// right and bottom edges only.
QRect band(const QPoint &anchor, const QPoint &cursor, const QSize &page);

// Where a palette drop puts a control of that size: its bottom-right corner
// at the cursor (page-widget pixels), pulled inside the page where it hangs
// over an edge. False when nothing is made: too small, cursor outside the
// page, or larger than the page.
bool dropRect(const QPoint &cursor, const QSize &size, const QSize &page, QRect *result);

// One wheel event with Ctrl held: one notch up or more zooms in by 0.01,
// anything else zooms out by 0.01, within 0.5 to 2.0.
double wheelScale(double scale, int angleDelta);

} // namespace EditRules
