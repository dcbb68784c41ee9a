#include "exaudiolabel.h"

#include <QPainter>

ExAudioLabel::ExAudioLabel(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("QLabel"));
}

ExAudioLabel::~ExAudioLabel() = default;

void ExAudioLabel::setBackground(const QString &color, const QString &pressColor, const QString &image,
                                 const QString &pressImage)
{
    Q_UNUSED(pressColor)
    Q_UNUSED(pressImage)
    m_look.setBackground(color, image);
}

void ExAudioLabel::setTextStyle(const QString &text, int fontSize, int bold, const QString &color,
                                const QString &pressColor)
{
    Q_UNUSED(pressColor)
    setText(text);
    m_look.setTextStyle(fontSize, bold, color);
    update();
}

void ExAudioLabel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    m_look.paint(this, painter, rect(), rect());
}
