#include "switchshape.h"

#include "core/jsonutils.h"

#include <QtGlobal>

QPainterPath switchTrackPath(const QSize &size)
{
    const int w = size.width();
    const int h = size.height();
    const int d = qMin(w, h);
    QPainterPath path;
    path.addEllipse(QRectF(0, 0, d, d));
    QPainterPath right;
    right.addEllipse(QRectF(w - d, 0, d, d));
    QPainterPath middle;
    middle.addRect(QRectF(d / 2, 0, w - d, h));
    return path.united(right).united(middle);
}

QRect switchCaptionRect(const QSize &size, int space, bool checked)
{
    const int w = size.width();
    const int h = size.height();
    const int t = qMin(w, h) - 2 * space - 5;
    return checked ? QRect(0, 0, w - t, h) : QRect(t, 0, w - t, h);
}

QRect switchKnobRect(const QSize &size, int space, int knobX)
{
    const int k = qMin(size.width(), size.height()) - 2 * space;
    return QRect(knobX + space, space, k, k);
}

QString switchOnCaption(const QJsonObject &attributes)
{
    QString caption;
    if (jsonString(attributes, QLatin1String("text"), &caption) != 0)
        jsonString(attributes, QLatin1String("on_text"), &caption);
    return caption;
}
