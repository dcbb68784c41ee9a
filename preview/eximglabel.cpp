#include "eximglabel.h"

#include "controls/bandlayout.h"
#include "core/fileutils.h"

#include <QPainter>

ExImgLabel::ExImgLabel(QWidget *parent)
    : QLabel(parent)
{
}

ExImgLabel::~ExImgLabel() = default;

void ExImgLabel::setImages(const QString &color, const QString &pressColor, const QString &image,
                           const QString &pressImage, int unused)
{
    Q_UNUSED(color)
    Q_UNUSED(pressColor)
    Q_UNUSED(pressImage)
    Q_UNUSED(unused)
    m_imagePath = image;
    m_picture = QPixmap(loadablePicture(image));
    update();
}

void ExImgLabel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), roundedPixmap(m_picture, m_radius));
}
