#pragma once

#include "preview/expixmapslider.h"

#include <QLabel>
#include <QPointer>

// A picture slider with a small value label that shows the number beside
// the thumb while the mouse changes the value and hides on release. The
// label sits on the slider's parent, so that it can stand outside the
// slider, but it goes with the slider.
class ExLabelledSlider : public ExPixmapSlider
{
    Q_OBJECT

public:
    explicit ExLabelledSlider(QWidget *parent = nullptr);
    ~ExLabelledSlider() override;

    void setLabelSize(int width, int height);
    QLabel *valueLabel() const { return m_valueLabel; }
    int lastValue() const { return m_lastValue; }

public slots:
    // Moves the thumb without a signal and without the label.
    void slotSetVal(int voal);
    void slotValChanged(int val);

protected:
    void hideValueLabel() override;

private:
    int m_lastValue = 0;
    int m_labelWidth = 24;
    int m_labelHeight = 20;
    QPointer<QLabel> m_valueLabel;
};
