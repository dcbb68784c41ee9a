#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

class QLabel;
class QPainter;

// What the run-time text labels share: a colour or a picture with rounded
// corners, and one line of text that is cut with an ellipsis, and then shown
// whole as the tool tip, when the label is too narrow for it.
class ExLabelLook
{
public:
    // Stores the colour and the picture path and loads the picture.
    void setBackground(const QString &colour, const QString &image);
    void setTextStyle(int fontSize, int bold, const QString &colour);
    void setRadius(int radius) { m_radius = radius; }

    // Draws the picture (or the colour) into the picture area and the
    // label's text into the text area; sets the label's tool tip.
    void paint(QLabel *label, QPainter &painter, const QRect &pictureArea, const QRect &textArea) const;

    QString textColor() const { return m_textColor; }
    QString bkColor() const { return m_bkColor; }
    QString imagePath() const { return m_imagePath; }
    const QPixmap &picture() const { return m_picture; }
    int bold() const { return m_bold; }
    int fontSize() const { return m_fontSize; }
    int radius() const { return m_radius; }

private:
    QString m_textColor = QStringLiteral("#000000");
    QString m_bkColor;
    QString m_imagePath;
    QPixmap m_picture;
    int m_bold = 0;
    int m_fontSize = 14;
    int m_radius = 0;
};
