#include "exlabellook.h"

#include "controls/bandlayout.h"
#include "core/fileutils.h"
#include "preview/exscale.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

void ExLabelLook::setBackground(const QString &colour, const QString &image)
{
    m_bkColor = colour;
    m_imagePath = image;
    m_picture = QPixmap(loadablePicture(image));
}

void ExLabelLook::setTextStyle(int fontSize, int bold, const QString &colour)
{
    m_bold = bold;
    m_textColor = colour;
    m_fontSize = fontSize <= 0 ? 14 : fontSize;
}

void ExLabelLook::paint(QLabel *label, QPainter &painter, const QRect &pictureArea, const QRect &textArea) const
{
    if (!m_picture.isNull()) {
        painter.drawPixmap(pictureArea, roundedPixmap(m_picture, m_radius));
    } else if (!m_bkColor.isEmpty() && m_radius <= 0 && keepsWholePixels(painter)) {
        // The same pixels as the path of a square rectangle, without
        // running each row through the rasterizer.
        painter.fillRect(pictureArea, colourOfText(m_bkColor));
    } else if (!m_bkColor.isEmpty()) {
        QPainterPath path;
        path.addRoundedRect(pictureArea, m_radius, m_radius);
        painter.fillPath(path, colourOfText(m_bkColor));
    }

    const QString text = label->text();
    if (text.isEmpty())
        return;
    const QFont font = runtimeFont(m_fontSize, m_bold);
    painter.setPen(runtimeTextColour(m_textColor));
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int flags = Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignVCenter;
    QString shown = text;
    QString tip;
    if (metrics.horizontalAdvance(text) > label->width()) {
        shown = metrics.elidedText(text, Qt::ElideRight, label->width());
        tip = text;
    }
    // Only a change is written: setting a tool tip sends the label an event.
    if (label->toolTip() != tip)
        label->setToolTip(tip);
    painter.drawText(textArea, flags, shown);
}
