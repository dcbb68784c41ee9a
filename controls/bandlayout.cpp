#include "bandlayout.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// A band size from a ratio; a ratio far beyond 1 must not overflow, and a
// negative one gives no band.
int bandSize(int length, double ratio)
{
    const double size = std::trunc(length * ratio);
    if (!(size > 0))
        return 0;
    return int(std::min(size, double(QWIDGETSIZE_MAX)));
}

} // namespace

void splitBands(const QSize &size, int code, double *textRatio, double *pictureRatio, QRect *picture,
                QRect *text)
{
    const int w = size.width();
    const int h = size.height();
    const double rt = *textRatio;
    const double rp = *pictureRatio;
    switch (code) {
    case 0:
        *text = QRect(0, 0, w, h);
        *picture = QRect(0, 0, w, h);
        *textRatio = 1.0;
        *pictureRatio = 1.0;
        break;
    case 1: {
        *text = QRect(0, 0, w, bandSize(h, rt));
        const int ph = bandSize(h, std::min(rp, 1.0));
        *picture = QRect(0, h - ph, w, ph);
        break;
    }
    case 2: {
        const int th = bandSize(h, std::min(rt, 1.0));
        *text = QRect(0, h - th, w, th);
        *picture = QRect(0, 0, w, bandSize(h, rp));
        break;
    }
    case 3: {
        *text = QRect(0, 0, bandSize(w, rt), h);
        const int pw = bandSize(w, std::min(rp, 1.0));
        *picture = QRect(w - pw, 0, pw, h);
        break;
    }
    default: {
        const int tw = bandSize(w, std::min(rt, 1.0));
        *text = QRect(w - tw, 0, tw, h);
        *picture = QRect(0, 0, bandSize(w, rp), h);
        break;
    }
    }
}

QPixmap roundedPixmap(const QPixmap &picture, int radius)
{
    if (radius <= 0 || picture.isNull())
        return picture;
    QPixmap rounded(picture.size());
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath path;
    path.addRoundedRect(QRectF(radius / 2, radius / 2, double(picture.width()) - radius,
                               double(picture.height()) - radius),
                        radius, radius, Qt::AbsoluteSize);
    painter.setClipPath(path);
    painter.drawPixmap(0, 0, picture);
    return rounded;
}

bool keepsWholePixels(const QPainter &painter)
{
    const QTransform transform = painter.deviceTransform();
    return transform.type() <= QTransform::TxTranslate && transform.dx() == std::trunc(transform.dx())
           && transform.dy() == std::trunc(transform.dy());
}

QColor colourOfText(const QString &text)
{
    if (text.isEmpty())
        return QColor(Qt::transparent);
    const QColor colour(text);
    return colour.isValid() ? colour : QColor(Qt::transparent);
}
