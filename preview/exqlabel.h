#pragma once

#include "preview/exlabellook.h"

#include <QLabel>

class QPaintEvent;

// The run-time text label: a colour or picture and one line of text, in two
// bands placed like the run-time button's areas.
class ExQLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ExQLabel(QWidget *parent = nullptr);
    ~ExQLabel() override;

    // The two press arguments exist for the creators' one calling shape.
    void setBackground(const QString &color, const QString &pressColor, const QString &image,
                       const QString &pressImage);
    void setTextStyle(const QString &text, int fontSize, int bold, const QString &color,
                      const QString &pressColor);
    void setRadius(int radius) { m_look.setRadius(radius); }
    // Ratios outside (0, 1] keep the stored ones.
    void setDirection(int direction, double textRatio, double pictureRatio);

    // The picture and text bands; direction 0 resets both ratios to 1.0.
    void layoutRects(QRect *picture, QRect *text);

    const ExLabelLook &look() const { return m_look; }
    int direction() const { return m_direction; }
    double textRatio() const { return m_textRatio; }
    double pictureRatio() const { return m_pictureRatio; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ExLabelLook m_look;
    int m_direction = 0;
    double m_textRatio = 1.0;
    double m_pictureRatio = 1.0;
};
