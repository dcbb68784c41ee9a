#include "expixmapslider.h"

#include "core/fileutils.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <limits>

namespace {

// A double cut toward zero into an int, held at the int's limits.
int truncated(double value)
{
    const double cut = std::trunc(value);
    if (std::isnan(cut))
        return 0;
    if (cut >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (cut <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(cut);
}

} // namespace

ExPixmapSlider::ExPixmapSlider(QWidget *parent)
    : QWidget(parent)
{
    // The program-wide pixmap cache is left as it is: shrinking it here
    // would slow every later paint of the designer.
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
}

void ExPixmapSlider::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    // Silently: a new slider starts at 0 held inside its range.
    m_value = qMax(m_minimum, qMin(m_maximum, m_value));
}

void ExPixmapSlider::setThumbSize(int width, int height)
{
    m_thumbWidth = width;
    m_thumbHeight = height;
}

void ExPixmapSlider::setThumbPressSize(int width, int height)
{
    m_thumbPressWidth = width;
    m_thumbPressHeight = height;
}

void ExPixmapSlider::setGrooveMargins(int left, int top, int right, int bottom)
{
    m_grooveLeft = left;
    m_grooveTop = top;
    m_grooveRight = right;
    m_grooveBottom = bottom;
}

void ExPixmapSlider::setGroovePixmaps(const QString &normal, const QString &active)
{
    m_normalGroove = normal.isEmpty() ? QPixmap() : QPixmap(loadablePicture(normal));
    m_activeGroove = active.isEmpty() ? QPixmap() : QPixmap(loadablePicture(active));
}

void ExPixmapSlider::setThumbPixmaps(const QString &normal, const QString &active)
{
    m_normalThumb = normal.isEmpty() ? QPixmap() : QPixmap(loadablePicture(normal));
    m_activeThumb = active.isEmpty() ? QPixmap() : QPixmap(loadablePicture(active));
}

void ExPixmapSlider::setValue(int value, bool notify)
{
    const int clamped = qMax(m_minimum, qMin(m_maximum, value));
    if (clamped == m_value)
        return;
    m_value = clamped;
    updateRects();
    if (notify)
        emit valueChanged(m_value);
    update();
}

int ExPixmapSlider::travel() const
{
    const int length = horizontal() ? width() - m_grooveRight - m_grooveLeft - m_thumbWidth
                                    : height() - m_grooveBottom - m_grooveTop - m_thumbHeight;
    // A thumb longer than its groove has nowhere to go: it rests at the
    // groove's start, at the minimum, instead of outside the groove.
    return qMax(0, length);
}

int ExPixmapSlider::posFromValue(int value) const
{
    const double span = double(m_maximum) - m_minimum;
    const int length = travel();
    if (span == 0 || length == 0)
        return 0;
    return truncated((double(value) - m_minimum) / span * length);
}

int ExPixmapSlider::valueFromPos(int p) const
{
    const double span = double(m_maximum) - m_minimum;
    const int length = travel();
    if (span == 0 || length == 0)
        return m_minimum;
    const int gw = width() - m_grooveRight - m_grooveLeft;
    const int gh = height() - m_grooveBottom - m_grooveTop;
    int d = 0;
    switch (m_direction) {
    case 0:
        d = p - m_thumbWidth / 2 - m_grooveLeft;
        break;
    case 1:
        d = p - m_thumbHeight / 2 - m_grooveTop;
        break;
    case 2:
        d = gw - m_thumbWidth / 2 - p + m_grooveLeft;
        break;
    case 3:
        d = gh - m_thumbHeight / 2 - p + m_grooveTop;
        break;
    default:
        return m_value;
    }
    return truncated(span * d / length + m_minimum);
}

void ExPixmapSlider::updateRects()
{
    const int gx = m_grooveLeft;
    const int gy = m_grooveTop;
    const int gw = width() - m_grooveRight - m_grooveLeft;
    const int gh = height() - m_grooveBottom - m_grooveTop;
    const int t = posFromValue(m_value);
    const int tw = m_thumbWidth;
    const int th = m_thumbHeight;
    const int pw = m_thumbPressWidth;
    const int ph = m_thumbPressHeight;
    m_grooveRect = QRect(gx, gy, gw, gh);
    // The hit rectangle is centred on the thumb in every direction.
    switch (m_direction) {
    case 0:
        m_activeGrooveRect = QRect(gx, gy, t, gh);
        m_thumbHitRect = QRect(gx + t + tw / 2 - pw / 2, gy + gh / 2 - ph / 2, pw, ph);
        m_thumbRect = QRect(gx + t, gy + gh / 2 - th / 2, tw, th);
        break;
    case 1:
        m_activeGrooveRect = QRect(gx, gy, gw, t);
        m_thumbHitRect = QRect(gx + gw / 2 - pw / 2, gy + t + th / 2 - ph / 2, pw, ph);
        m_thumbRect = QRect(gx + gw / 2 - tw / 2, gy + t, tw, th);
        break;
    case 2:
        m_activeGrooveRect = QRect(gx + gw - t - 1, gy, t, gh);
        m_thumbHitRect = QRect(gx + gw - t - tw / 2 - pw / 2, gy + gh / 2 - ph / 2, pw, ph);
        m_thumbRect = QRect(gx + gw - t - tw, gy + gh / 2 - th / 2, tw, th);
        break;
    case 3:
        m_activeGrooveRect = QRect(gx, gy + gh - t - 1, gw, t);
        m_thumbHitRect = QRect(gx + gw / 2 - pw / 2, gy + gh - t - th / 2 - ph / 2, pw, ph);
        m_thumbRect = QRect(gx + gw / 2 - tw / 2, gy + gh - t - th, tw, th);
        break;
    default:
        break;
    }
}

QRect ExPixmapSlider::grooveRect()
{
    updateRects();
    return m_grooveRect;
}

QRect ExPixmapSlider::activeGrooveRect()
{
    updateRects();
    return m_activeGrooveRect;
}

QRect ExPixmapSlider::thumbRect()
{
    updateRects();
    return m_thumbRect;
}

QRect ExPixmapSlider::thumbHitRect()
{
    updateRects();
    return m_thumbHitRect;
}

QPoint ExPixmapSlider::valueLabelPos()
{
    updateRects();
    return mapToParent(horizontal() ? m_thumbRect.bottomLeft() : m_thumbRect.topRight());
}

int ExPixmapSlider::thumbCentre() const
{
    const int t = posFromValue(m_value);
    const int gw = width() - m_grooveRight - m_grooveLeft;
    const int gh = height() - m_grooveBottom - m_grooveTop;
    switch (m_direction) {
    case 0:
        return m_grooveLeft + t + m_thumbWidth / 2;
    case 1:
        return m_grooveTop + t + m_thumbHeight / 2;
    case 2:
        return m_grooveLeft + gw - t - m_thumbWidth / 2;
    default:
        return m_grooveTop + gh - t - m_thumbHeight / 2;
    }
}

void ExPixmapSlider::moveThumbTo(int p)
{
    if (m_direction < 0 || m_direction > 3)
        return;
    int low = 0;
    int high = 0;
    if (horizontal()) {
        low = m_grooveLeft + m_thumbWidth / 2;
        high = width() - m_grooveRight - m_thumbWidth / 2;
    } else {
        low = m_grooveTop + m_thumbHeight / 2;
        high = height() - m_grooveBottom - m_thumbHeight / 2;
    }
    p = qMax(low, qMin(high, p));
    if (p != thumbCentre())
        setValue(valueFromPos(p), true);
}

void ExPixmapSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        updateRects();
        m_mouseDown = true;
        m_onThumb = m_thumbHitRect.contains(event->pos());
        const int coordinate = horizontal() ? event->pos().x() : event->pos().y();
        const int half = horizontal() ? m_thumbWidth / 2 : m_thumbHeight / 2;
        // The offset is kept from the thumb's centre, the point the value
        // is worked out from, so a drag does not start with a jump.
        const int centre = thumbCentre();
        if (qAbs(coordinate - centre) <= half) {
            m_grabOffset = coordinate - centre;
        } else {
            m_grabOffset = 0;
            if (m_direction == 0 || m_direction == 1)
                moveThumbTo(coordinate);
        }
        m_pressed = true;
        setFocus(Qt::MouseFocusReason);
        emit sliderClicked();
        update();
    }
    QWidget::mousePressEvent(event);
}

void ExPixmapSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (m_onThumb) {
        if (!m_mouseDown)
            return;
        const int coordinate = horizontal() ? event->pos().x() : event->pos().y();
        moveThumbTo(coordinate - m_grabOffset);
    }
    QWidget::mouseMoveEvent(event);
}

void ExPixmapSlider::mouseReleaseEvent(QMouseEvent *event)
{
    m_mouseDown = false;
    m_onThumb = false;
    hideValueLabel();
    QWidget::mouseReleaseEvent(event);
}

void ExPixmapSlider::focusOutEvent(QFocusEvent *event)
{
    m_pressed = false;
    update();
    QWidget::focusOutEvent(event);
}

void ExPixmapSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    updateRects();
    if (!m_normalGroove.isNull())
        painter.drawPixmap(m_grooveRect, m_normalGroove);
    if (!m_activeGroove.isNull())
        painter.drawPixmap(m_activeGrooveRect, m_activeGroove);
    const QPixmap &thumb = m_pressed ? m_activeThumb : m_normalThumb;
    if (!thumb.isNull())
        painter.drawPixmap(m_thumbRect, thumb);
}
