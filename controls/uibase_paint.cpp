#include "uibase.h"

#include "core/fileutils.h"
#include "core/screenscale.h"
#include "controls/bandlayout.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

void UIBase::layoutRects(QRect &picture, QRect &text)
{
    splitBands(size(), m_textPosition, &m_textRatio, &m_pictureRatio, &picture, &text);
}

void UIBase::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    paintFace(painter);
}

void UIBase::paintFace(QPainter &painter)
{
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
    const QColor background = colourOfText(m_normalBkColor);

    if (!m_normalImageFile.isEmpty()) {
        if (!m_picture.load(loadablePicture(m_normalImageFile))) {
            if (background.alpha() > 0)
                painter.fillRect(picture, background);
            return;
        }
        // The corners are cut in the picture's own pixels, then stretched; a
        // negative radius rounds nothing, as the frame and the colour show it.
        painter.drawPixmap(picture, roundedPixmap(m_picture, r));
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
        const double pixels = std::trunc(m_fontSize * screenMetrics().fit);
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
