#include "imglabel.h"

#include "core/fileutils.h"

#include <QPainter>

ImgLabel::ImgLabel(QWidget *parent)
    : QLabel(parent)
{
}

void ImgLabel::setImage(const QString &path)
{
    m_path = path;
    m_pixmap = path.isEmpty() ? QPixmap() : QPixmap(loadablePicture(path));
    update();
}

QRect ImgLabel::fittedRect(const QSize &area, const QSize &picture)
{
    const int w = area.width();
    const int h = area.height();
    const int pw = picture.width();
    const int ph = picture.height();
    if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0)
        return QRect();
    const double pictureRatio = double(pw) / ph;
    const double areaRatio = double(w) / h;
    int dw = pw;
    int dh = ph;
    if (pictureRatio > areaRatio && w < pw) {
        dw = w;
        dh = int(w / pictureRatio);
    } else if (pictureRatio <= areaRatio && h < ph) {
        dh = h;
        dw = int(h * pictureRatio);
    }
    return QRect((w - dw) / 2, (h - dh) / 2, dw, dh);
}

void ImgLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    const QRect target = fittedRect(size(), m_pixmap.size());
    if (target.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, m_pixmap);
}
