#pragma once

#include "preview/exlabellook.h"

#include <QLabel>

class QPaintEvent;

// The run-time audio label: colour or picture and text, each over the whole label.
class ExAudioLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ExAudioLabel(QWidget *parent = nullptr);
    ~ExAudioLabel() override;

    void setBackground(const QString &color, const QString &pressColor, const QString &image,
                       const QString &pressImage);
    void setTextStyle(const QString &text, int fontSize, int bold, const QString &color,
                      const QString &pressColor);
    void setRadius(int radius) { m_look.setRadius(radius); }

    const ExLabelLook &look() const { return m_look; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ExLabelLook m_look;
};
