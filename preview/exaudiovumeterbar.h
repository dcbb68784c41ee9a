#pragma once

#include <QProgressBar>
#include <QString>

// The preview's VU meter: a progress bar dressed by a generated style sheet,
// standing at a fixed value.
class ExAudioVumeterBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit ExAudioVumeterBar(QWidget *parent = nullptr);

    // These three only store; updateStyle applies them.
    void setDirection(int vertical) { m_vertical = vertical; }
    void setBorder(const QString &color, int width);
    void setBorderRadius(int radius) { m_borderRadius = radius; }
    // Orientation, range, minimum size and style sheet; an empty chunk
    // colour is red and an empty background transparent.
    void updateStyle(QString background, QString chunk);
    // The text colour and pixel size of the percentage (0 or less is 14).
    void setTextStyle(const QString &text, int pixelSize, int bold, const QString &color,
                      const QString &background);
    void setPercentVisible(int shown);

    // The style sheet for these values, as updateStyle builds it.
    static QString styleSheetFor(int vertical, int borderWidth, const QString &borderColor, int radius,
                                 const QString &background, const QString &chunk);

    int textPixelSize() const { return m_fontPixelSize; }
    QString textColor() const { return m_textColor; }

private:
    QString m_textColor;
    QString m_borderColor = QStringLiteral("#ff0000");
    int m_fontPixelSize = 14;
    int m_vertical = 0;
    int m_borderWidth = 1;
    int m_percentShown = 1;
    int m_borderRadius = 8;
};
