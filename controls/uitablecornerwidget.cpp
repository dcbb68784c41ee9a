#include "uitablecornerwidget.h"

#include "core/fileutils.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTextOption>

UITableCornerWidget::UITableCornerWidget(QWidget *parent)
    : BaseItem(parent)
    , m_inputCaption(tr("输入"))
    , m_outputCaption(tr("输出"))
{
}

QFont UITableCornerWidget::captionFont() const
{
    // The corner's size is its own, not scaled by the zoom; 0 keeps the default.
    QFont font;
    if (m_fontSize > 0)
        font.setPixelSize(m_fontSize);
    return font;
}

// The captions are placed in the cell's own coordinates and held inside
// it: offset by the cell's position in the matrix, or left at the formula's
// place in a small cell, "输入" or "输出" ran over the cell's edge.
QRect UITableCornerWidget::inputCaptionRect() const
{
    const int hw = width() / 2;
    const int hh = height() / 2;
    const int tw = QFontMetrics(font()).horizontalAdvance(m_inputCaption);
    const int th = QFontMetrics(captionFont()).height();
    return QRect(qMax(0, hw / 2 - tw), hh - th / 2, hw, hh);
}

QRect UITableCornerWidget::outputCaptionRect() const
{
    const int hw = width() / 2;
    const int hh = height() / 2;
    const int tw = QFontMetrics(font()).horizontalAdvance(m_inputCaption);
    const int th = QFontMetrics(captionFont()).height();
    const int ow = QFontMetrics(captionFont()).horizontalAdvance(m_outputCaption);
    return QRect(qMax(0, qMin(hw + tw / 2, width() - ow)), qMax(0, hh / 2 - th / 2), hw, hh);
}

void UITableCornerWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const int w = width();
    const int h = height();

    painter.setPen(QColor(m_normalColor));
    painter.setFont(captionFont());

    // A picture that does not load leaves the plain box, as other cells do.
    const QImage picture = m_normalPictureFile.isEmpty() ? QImage() : QImage(loadablePicture(m_normalPictureFile));
    if (!picture.isNull()) {
        painter.drawImage(QRect(0, 0, w, h), picture);
    } else {
        painter.setBrush(QBrush(Qt::white));
        painter.drawRect(QRect(0, 0, w, h));
    }
    painter.drawLine(0, 0, w, h);

    painter.drawText(QRectF(inputCaptionRect()), m_inputCaption, QTextOption());
    painter.drawText(QRectF(outputCaptionRect()), m_outputCaption, QTextOption());
}
