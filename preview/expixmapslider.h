#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

class QFocusEvent;
class QMouseEvent;
class QPaintEvent;

// The preview's picture slider: a groove, its filled part and a thumb, each
// drawn from a picture, dragged with the mouse. The value grows left to
// right (direction 0), top to bottom (1), right to left (2) or bottom to top
// (3). A press away from the thumb makes it jump there in directions 0 and 1.
class ExPixmapSlider : public QWidget
{
    Q_OBJECT

public:
    explicit ExPixmapSlider(QWidget *parent = nullptr);

    // Holds the value inside the new range without a signal.
    void setRange(int minimum, int maximum);
    void setStep(int step) { m_step = step; }
    void setDirection(int direction) { m_direction = direction; }
    void setThumbSize(int width, int height);
    void setThumbPressSize(int width, int height);
    void setGrooveMargins(int left, int top, int right, int bottom);
    // An empty or unreadable path gives a null picture, which is not drawn.
    void setGroovePixmaps(const QString &normal, const QString &active);
    void setThumbPixmaps(const QString &normal, const QString &active);

    // Clamps the value to the range; emits valueChanged only for a real
    // change and only when notify is true.
    void setValue(int value, bool notify);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int step() const { return m_step; }
    int direction() const { return m_direction; }
    bool isPressed() const { return m_pressed; }

    // The thumb's offset along the groove for a value; 0 when the range or
    // the travel is empty.
    int posFromValue(int value) const;
    // The value for a thumb centre at p (widget coordinates); the minimum
    // when the range or the travel is empty.
    int valueFromPos(int p) const;
    // Where the value label goes, in the parent's coordinates.
    QPoint valueLabelPos();

    // The rectangles for the current size and value.
    QRect grooveRect();
    QRect activeGrooveRect();
    QRect thumbRect();
    QRect thumbHitRect();

signals:
    void sliderClicked();
    void valueChanged(int);
    void sliderRelease();

protected:
    // Called on every mouse release.
    virtual void hideValueLabel() = 0;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool horizontal() const { return m_direction == 0 || m_direction == 2; }
    // Groove length less the thumb length: how far the thumb can go; never
    // below 0.
    int travel() const;
    // Works the rectangles out from the size, margins and value; a direction
    // outside 0 to 3 leaves them as they were.
    void updateRects();
    // Where the thumb's centre is now, along the slider's direction.
    int thumbCentre() const;
    // Moves the thumb's centre to p, held inside the groove.
    void moveThumbTo(int p);

    bool m_pressed = false;
    int m_direction = 0;
    bool m_mouseDown = false;
    bool m_onThumb = false;
    int m_grabOffset = 0;
    int m_step = 1;
    int m_value = 0;
    int m_maximum = 100;
    int m_minimum = 0;
    int m_thumbPressHeight = 10;
    int m_thumbPressWidth = 10;
    int m_thumbHeight = 10;
    int m_thumbWidth = 10;
    int m_grooveLeft = 0;
    int m_grooveTop = 0;
    int m_grooveRight = 0;
    int m_grooveBottom = 0;
    QRect m_grooveRect;
    QPixmap m_normalGroove;
    QPixmap m_activeGroove;
    QPixmap m_normalThumb;
    QPixmap m_activeThumb;
    QRect m_activeGrooveRect;
    QRect m_thumbHitRect;
    QRect m_thumbRect;
};
