#include "exqlabel.h"

#include "controls/bandlayout.h"

#include <QPainter>

ExQLabel::ExQLabel(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("QLabel"));
    setAttribute(Qt::WA_TranslucentBackground);
}

ExQLabel::~ExQLabel() = default;

void ExQLabel::setBackground(const QString &color, const QString &pressColor, const QString &image,
                             const QString &pressImage)
{
    Q_UNUSED(pressColor)
    Q_UNUSED(pressImage)
    m_look.setBackground(color, image);
}

void ExQLabel::setTextStyle(const QString &text, int fontSize, int bold, const QString &color,
                            const QString &pressColor)
{
    Q_UNUSED(pressColor)
    setText(text);
    m_look.setTextStyle(fontSize, bold, color);
    update();
}

void ExQLabel::setDirection(int direction, double textRatio, double pictureRatio)
{
    m_direction = direction;
    if (textRatio > 0 && textRatio <= 1)
        m_textRatio = textRatio;
    if (pictureRatio > 0 && pictureRatio <= 1)
        m_pictureRatio = pictureRatio;
}

void ExQLabel::layoutRects(QRect *picture, QRect *text)
{
    splitBands(size(), m_direction, &m_textRatio, &m_pictureRatio, picture, text);
}

void ExQLabel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    QRect picture;
    QRect text;
    layoutRects(&picture, &text);
    m_look.paint(this, painter, picture, text);
}
