#include "uibase.h"

#include "app/globalmanager.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

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

// Colour strings come from the colour rows; one that does not parse draws
// nothing rather than Qt's opaque black of an invalid colour.
QColor paintColor(const QString &text)
{
    const QColor color(text.isEmpty() ? QStringLiteral("#00ffffff") : text);
    return color.isValid() ? color : QColor(Qt::transparent);
}

} // namespace

void UIBase::layoutRects(QRect &picture, QRect &text)
{
    const int w = width();
    const int h = height();
    const double rt = m_textRatio;
    const double rp = m_pictureRatio;
    // The band at the start is not capped, the one at the far side is.
    switch (m_textPosition) {
    case 0:
        text = rect();
        picture = rect();
        m_textRatio = 1.0;
        m_pictureRatio = 1.0;
        break;
    case 1: {
        text = QRect(0, 0, w, bandSize(h, rt));
        const int ph = bandSize(h, std::min(rp, 1.0));
        picture = QRect(0, h - ph, w, ph);
        break;
    }
    case 2: {
        const int th = bandSize(h, std::min(rt, 1.0));
        text = QRect(0, h - th, w, th);
        picture = QRect(0, 0, w, bandSize(h, rp));
        break;
    }
    case 3: {
        text = QRect(0, 0, bandSize(w, rt), h);
        const int pw = bandSize(w, std::min(rp, 1.0));
        picture = QRect(w - pw, 0, pw, h);
        break;
    }
    default: {
        const int tw = bandSize(w, std::min(rt, 1.0));
        text = QRect(w - tw, 0, tw, h);
        picture = QRect(0, 0, bandSize(w, rp), h);
        break;
    }
    }
}

void UIBase::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    QRect picture;
    QRect textArea;
    layoutRects(picture, textArea);

    paintBackground(painter, picture);

    const int r = m_borderRadius;
    painter.setPen(QPen(m_selected ? QColor(255, 0, 0) : QColor(196, 199, 206), 2));
    painter.drawRoundedRect(rect(), r, r);

    if (!m_text.isEmpty())
        paintText(painter, textArea);
}

void UIBase::paintBackground(QPainter &painter, const QRect &picture)
{
    const int r = m_borderRadius;
    const QColor background = paintColor(m_normalBkColor);

    if (!m_normalImageFile.isEmpty()) {
        if (!m_picture.load(m_normalImageFile)) {
            if (background.alpha() > 0)
                painter.fillRect(picture, background);
            return;
        }
        // A negative radius rounds nothing, as the frame and the colour show
        // it; it would also make the picture's clip larger than an int.
        if (r <= 0) {
            painter.drawPixmap(picture, m_picture);
            return;
        }
        // The corners are cut in the picture's own pixels, then stretched.
        QPixmap rounded(m_picture.size());
        rounded.fill(Qt::transparent);
        {
            QPainter clip(&rounded);
            clip.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            QPainterPath path;
            path.addRoundedRect(QRectF(r / 2, r / 2, m_picture.width() - r, m_picture.height() - r),
                                r, r, Qt::AbsoluteSize);
            clip.setClipPath(path);
            clip.drawPixmap(0, 0, m_picture);
        }
        painter.drawPixmap(picture, rounded);
        return;
    }

    if (background.alpha() > 0) {
        // The brush stays set, so the frame drawn next fills the whole control.
        painter.setBrush(QBrush(background));
        painter.drawRoundedRect(picture, r, r);
    }
}

void UIBase::paintText(QPainter &painter, const QRect &textArea)
{
    QColor color(m_normalColor.isEmpty() ? m_fallbackTextColor : m_normalColor);
    if (!color.isValid())
        color = QColor(m_fallbackTextColor);
    painter.setPen(color);

    QFont font = QApplication::font();
    if (m_fontSize > 0) {
        const double pixels = std::trunc(m_fontSize * GlobalManager::instance()->fitScale());
        if (pixels >= 1)
            font.setPixelSize(int(std::min(pixels, double(QWIDGETSIZE_MAX))));
    }
    font.setWeight(m_bold != 0 ? 75 : 50);
    painter.setFont(font);

    if (m_direction == 0) {
        painter.drawText(textArea, Qt::AlignCenter, m_text);
        return;
    }
    // One character per line, with an empty line before the first and after the last.
    const QString vertical = m_text.split(QString(), Qt::KeepEmptyParts).join(QLatin1Char('\n'));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, vertical);
}
