#include "exaudiovumeterbar.h"

#include <QFont>
#include <QPalette>

ExAudioVumeterBar::ExAudioVumeterBar(QWidget *parent)
    : QProgressBar(parent)
{
    setAlignment(Qt::AlignCenter);
    setTextVisible(true);
}

void ExAudioVumeterBar::setBorder(const QString &color, int width)
{
    m_borderColor = color;
    m_borderWidth = width;
}

QString ExAudioVumeterBar::styleSheetFor(int vertical, int borderWidth, const QString &borderColor, int radius,
                                         const QString &background, const QString &chunk)
{
    const QString sheet = vertical == 0
        ? QStringLiteral("QProgressBar{border:%1px solid %2;border-radius:%3px;background-color:%4;"
                         "text-algin:center;}QProgressBar::chunk{background-color:%5;width:6px;margin:2px;}")
        : QStringLiteral("QProgressBar:vertical{border:%1px solid %2;border-radius:%3px;background-color:%4;"
                         "text-algin:center;}QProgressBar::chunk:vertical{background-color:%5;width:6px;"
                         "margin:2px;height:5px}");
    return sheet.arg(borderWidth).arg(borderColor).arg(radius).arg(background).arg(chunk);
}

void ExAudioVumeterBar::updateStyle(QString background, QString chunk)
{
    if (chunk.isEmpty())
        chunk = QStringLiteral("#ff0000");
    if (background.isEmpty())
        background = QStringLiteral("transparent");
    setOrientation(m_vertical == 0 ? Qt::Horizontal : Qt::Vertical);
    setRange(0, 100);
    setMinimumSize(m_vertical == 0 ? QSize(150, 10) : QSize(30, 150));
    setStyleSheet(styleSheetFor(m_vertical, m_borderWidth, m_borderColor, m_borderRadius, background, chunk));
}

void ExAudioVumeterBar::setTextStyle(const QString &text, int pixelSize, int bold, const QString &color,
                                     const QString &background)
{
    Q_UNUSED(text)
    Q_UNUSED(bold)
    Q_UNUSED(background)
    m_textColor = color;
    m_fontPixelSize = pixelSize > 0 ? pixelSize : 14;
    QPalette palette = this->palette();
    palette.setColor(QPalette::All, QPalette::Text, QColor(color));
    setPalette(palette);
    QFont font = this->font();
    font.setPixelSize(m_fontPixelSize);
    setFont(font);
}

void ExAudioVumeterBar::setPercentVisible(int shown)
{
    if (shown == m_percentShown)
        return;
    m_percentShown = shown;
    setTextVisible(shown != 0);
    update();
}
