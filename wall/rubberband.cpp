#include "rubberband.h"

#include <QLabel>
#include <QPalette>

#include <algorithm>

namespace rubberband {

QLabel *createLabel(QWidget *parent, const QColor &fill)
{
    auto *label = new QLabel(parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::All, QPalette::Window, fill);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

QRect stretch(QLabel *label, const QPoint &press, const QPoint &cursor, const QSize &widget)
{
    const int left = std::max(0, std::min(press.x(), cursor.x()));
    const int top = std::max(0, std::min(press.y(), cursor.y()));
    const int right = std::min(widget.width(), std::max(press.x(), cursor.x()));
    const int bottom = std::min(widget.height(), std::max(press.y(), cursor.y()));
    const QRect rect(left, top, std::max(0, right - left), std::max(0, bottom - top));
    label->setGeometry(rect);
    label->show();
    label->raise();
    return rect;
}

} // namespace rubberband
