#include "pixmapslider.h"

#include "core/fileutils.h"

#include <QPainter>
#include <QtGlobal>

#include <algorithm>

namespace {

QPixmap loadPicture(const QString &path)
{
    QPixmap picture;
    if (!path.isEmpty())
        picture.load(loadablePicture(path));
    return picture;
}

}

PixmapSlider::PixmapSlider(QWidget *parent)
    : QWidget(parent)
{
    // The program-wide pixmap cache is left alone: the slider keeps its
    // pictures in its own fields, and every style element, icon and scaled
    // picture the rest of the program draws relies on that cache.
    setMouseTracking(true);
}

void PixmapSlider::setThumbSize(int width, int height)
{
    m_thumbWidth = width;
    m_thumbHeight = height;
}

void PixmapSlider::setPressedThumbSize(int width, int height)
{
    m_pressThumbWidth = width;
    m_pressThumbHeight = height;
}

QMargins PixmapSlider::grooveMargins() const
{
    return QMargins(m_grooveMarginLeft, m_grooveMarginTop, m_grooveMarginRight, m_grooveMarginBottom);
}

void PixmapSlider::setGrooveMargins(int left, int top, int right, int bottom)
{
    m_grooveMarginLeft = left;
    m_grooveMarginTop = top;
    m_grooveMarginRight = right;
    m_grooveMarginBottom = bottom;
}

void PixmapSlider::setGroovePixmaps(const QString &normal, const QString &active)
{
    m_normalGroove = loadPicture(normal);
    m_activeGroove = loadPicture(active);
}

void PixmapSlider::setThumbPixmaps(const QString &normal, const QString &active)
{
    m_normalThumb = loadPicture(normal);
    m_activeThumb = loadPicture(active);
}

void PixmapSlider::setValue(int value, bool notify)
{
    // Minimum last, so it wins when the range is inverted.
    int v = std::min(value, m_maximum);
    v = std::max(v, m_minimum);
    if (v == m_value)
        return;
    m_value = v;
    if (notify)
        emit valueChanged(v);
    update();
}

QPoint PixmapSlider::thumbAnchor()
{
    // The rectangles are otherwise refreshed only on paint, which has not
    // happened yet right after a value change.
    updateGeometry();
    return mapToParent(m_thumbRect.bottomLeft());
}

void PixmapSlider::updateGeometry()
{
    const int gx = m_grooveMarginLeft;
    const int gy = m_grooveMarginTop;
    const int gw = width() - m_grooveMarginLeft - m_grooveMarginRight;
    const int gh = height() - m_grooveMarginTop - m_grooveMarginBottom;
    m_grooveRect = QRect(gx, gy, gw, gh);

    const int tw = m_thumbWidth;
    const int th = m_thumbHeight;
    const bool horizontal = m_direction == LeftToRight || m_direction == RightToLeft;
    const int travel = horizontal ? gw - tw : gh - th;

    // An empty range has no position to divide out; the thumb rests at the start.
    int p = 0;
    if (m_maximum != m_minimum) {
        const double ratio = (double(m_value) - m_minimum) / (double(m_maximum) - m_minimum);
        // A value left outside a narrowed range must not overflow the cast.
        p = int(qBound(-1e9, ratio * travel, 1e9));
    }

    switch (m_direction) {
    case LeftToRight:
        m_activeRect = QRect(gx, gy, p, gh);
        m_thumbRect = QRect(gx + p, gy + gh / 2 - th / 2, tw, th);
        break;
    case TopToBottom:
        m_activeRect = QRect(gx, gy, gw, p);
        m_thumbRect = QRect(gx + gw / 2 - tw / 2, gy + p, tw, th);
        break;
    case RightToLeft:
        m_activeRect = QRect(gx + gw - p - 1, gy, p, gh);
        m_thumbRect = QRect(gx + gw - p - tw, gy + gh / 2 - th / 2, tw, th);
        break;
    case BottomToTop:
        m_activeRect = QRect(gx, gy + gh - p - 1, gw, p);
        m_thumbRect = QRect(gx + gw / 2 - tw / 2, gy + gh - p - th, tw, th);
        break;
    default:
        break;
    }
}

void PixmapSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    updateGeometry();
    if (!m_normalGroove.isNull())
        painter.drawPixmap(m_grooveRect, m_normalGroove);
    if (!m_activeGroove.isNull())
        painter.drawPixmap(m_activeRect, m_activeGroove);
    if (m_normalThumb.isNull() || m_thumbRect.isEmpty())
        return;
    // Stretched by the painter (no smooth hint, so the fast transformation):
    // a scaled copy would be as large as the thumb, which the attributes can
    // make far larger than the slider.
    painter.drawPixmap(m_thumbRect, m_normalThumb);
}
