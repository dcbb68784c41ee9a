#include "extablecornerwidget.h"

#include "core/fileutils.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTextOption>

ExTableCornerWidget::ExTableCornerWidget(QWidget *parent)
    : QWidget(parent)
    , m_inputCaption(tr("输入"))
    , m_outputCaption(tr("输出"))
{
}

ExTableCornerWidget::~ExTableCornerWidget() = default;

void ExTableCornerWidget::setTextStyle(int pixelSize, const QColor &colour)
{
    m_pixelSize = pixelSize;
    m_colour = colour;
}

void ExTableCornerWidget::captionRects(const QSize &cell, int tw, int fh, QRect *input, QRect *output)
{
    const int w = cell.width();
    const int h = cell.height();
    *input = QRect((w / 2) / 2 - tw / 2, fh / 2 + h / 2, w / 2, h / 2);
    *output = QRect(tw + tw / 3 + w / 2, fh / 2 + (h / 2) / 2, w / 2, h / 2);
}

void ExTableCornerWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setPen(m_colour);
    QFont captionFont;
    // Qt refuses a pixel size below 1; the default size stays then.
    if (m_pixelSize > 0)
        captionFont.setPixelSize(m_pixelSize);
    painter.setFont(captionFont);

    // The caption's width in the cell's own font, as the layout has it.
    const int tw = QFontMetrics(font()).horizontalAdvance(m_inputCaption);
    const int fh = QFontMetrics(captionFont).height();
    QRect input;
    QRect output;
    captionRects(size(), tw, fh, &input, &output);

    // Where the output caption would run over the cell's right edge it is
    // drawn further left, whole.
    const int ow = QFontMetrics(captionFont).horizontalAdvance(m_outputCaption);
    output.moveLeft(qMax(0, qMin(output.left(), width() - ow)));

    if (!m_imagePath.isEmpty())
        painter.drawImage(rect(), QImage(loadablePicture(m_imagePath)));
    painter.drawText(QRectF(input), m_inputCaption, QTextOption());
    painter.drawText(QRectF(output), m_outputCaption, QTextOption());
    painter.drawLine(0, 0, width(), height());
}
