#pragma once

#include "controls/pixmapslider.h"

#include <QLabel>
#include <QPointer>

// The volume slider of the volume-slider controls: a picture slider with a
// small white label that shows the value under the thumb after a change.
class AudioVolume : public PixmapSlider
{
    Q_OBJECT
public:
    explicit AudioVolume(QWidget *parent = nullptr);
    ~AudioVolume() override;

    void setLabelSize(int width, int height);
    QSize labelSize() const { return QSize(m_labelWidth, m_labelHeight); }
    int lastValue() const { return m_lastValue; }
    QLabel *valueLabel() const { return m_label; }

public slots:
    void slotSetVal(int voal);
    void slotValChanged(int val);

private:
    int m_lastValue = 50;
    int m_labelWidth = 24;
    int m_labelHeight = 20;
    QPointer<QLabel> m_label;
};
