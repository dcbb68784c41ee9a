#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

class QLabel;
class QWidget;

// The drag rectangle that the grid canvas and the wall viewer share.
namespace rubberband {

// A hidden label that fills itself with the colour; shown over its siblings
// while a drag lasts.
QLabel *createLabel(QWidget *parent, const QColor &fill);

// Sets the label over the rectangle from the press point to the cursor, held
// inside the widget (a drag past an edge stops at that edge), and shows it on
// top; gives that rectangle.
QRect stretch(QLabel *label, const QPoint &press, const QPoint &cursor, const QSize &widget);

} // namespace rubberband
