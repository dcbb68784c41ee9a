#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QTimer;

// A slide switch: a rounded track with a round knob that slides from one end
// to the other on a 30 ms timer (or jumps, with the animation off), and an on
// or off caption beside the knob. A press flips it.
class ExSwitchButton : public QWidget
{
    Q_OBJECT

public:
    explicit ExSwitchButton(QWidget *parent = nullptr);
    ~ExSwitchButton() override;

    // Colours are applied when not empty and different, texts whenever they
    // differ; one repaint when anything changed.
    void setSwitchStyle(const QString &bgOn, const QString &bgOff, const QString &sliderOn, const QString &sliderOff,
                        const QString &textOnColor, const QString &textOffColor, const QString &textOn,
                        const QString &textOff);

    bool isChecked() const { return m_checked; }
    int space() const { return m_space; }
    int radius() const { return m_radius; }
    bool animation() const { return m_animation; }
    int step() const { return m_step; }
    int knobX() const { return m_knobX; }
    int knobEndX() const { return m_knobEndX; }
    bool isSliding() const;
    QColor bgColorOn() const { return m_bgColorOn; }
    QColor bgColorOff() const { return m_bgColorOff; }
    QString textOn() const { return m_textOn; }
    QString textOff() const { return m_textOff; }

signals:
    void statusChanged(bool checked);

public slots:
    void UpdateValue();
    void setSpace(int space);
    void setRadius(int radius);
    void setChecked(bool checked);
    void setShowText(bool show);
    void setShowCircle(bool show);
    void setAnimation(bool ok);
    void setBgColorOn(QColor color);
    void setBgColorOff(QColor color);
    void setSliderColorOn(QColor color);
    void setSliderColorOff(QColor color);
    void setTextOnColor(QColor color);
    void setTextOffColor(QColor color);
    void setTextOn(QString text);
    void setTextOff(QString text);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Sets the knob off toward the end of the current state.
    void moveKnob();
    // Stores the value and repaints, only when it is new.
    template <typename T>
    void change(T *field, const T &value);

    int m_space = 2;
    int m_radius = 5;
    bool m_checked = false;
    bool m_showText = true;
    bool m_showCircle = false;
    bool m_animation = true;
    QColor m_bgColorOn = QColor(21, 156, 119, 255);
    QColor m_bgColorOff = QColor(111, 122, 126, 255);
    QColor m_sliderColorOn = QColor(255, 255, 255, 255);
    QColor m_sliderColorOff = QColor(255, 255, 255, 255);
    QColor m_textColorOn = QColor(255, 255, 255, 255);
    QColor m_textColorOff = QColor(255, 255, 255, 255);
    QString m_textOn = QStringLiteral("on");
    QString m_textOff = QStringLiteral("off");
    QTimer *m_timer = nullptr;
    int m_step = 0;
    int m_knobX = 0;
    int m_knobEndX = 0;
};
