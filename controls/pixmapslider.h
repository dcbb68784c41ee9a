#pragma once

#include <QMargins>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

// A slider drawn entirely from pictures: a groove, its active part up to the
// thumb, and the thumb. It has no input handling of its own; the owner sets
// its fields, then calls setValue() or repaints.
class PixmapSlider : public QWidget
{
    Q_OBJECT
public:
    // Where the value grows towards.
    enum Direction { LeftToRight = 0, TopToBottom = 1, RightToLeft = 2, BottomToTop = 3 };

    explicit PixmapSlider(QWidget *parent = nullptr);

    int direction() const { return m_direction; }
    void setDirection(int direction) { m_direction = direction; }
    int step() const { return m_step; }
    void setStep(int step) { m_step = step; }
    int value() const { return m_value; }
    // Range limits are taken as given; the value is clamped by setValue only.
    int maximum() const { return m_maximum; }
    void setMaximum(int maximum) { m_maximum = maximum; }
    int minimum() const { return m_minimum; }
    void setMinimum(int minimum) { m_minimum = minimum; }

    QSize thumbSize() const { return QSize(m_thumbWidth, m_thumbHeight); }
    void setThumbSize(int width, int height);
    QSize pressedThumbSize() const { return QSize(m_pressThumbWidth, m_pressThumbHeight); }
    void setPressedThumbSize(int width, int height);
    QMargins grooveMargins() const;
    void setGrooveMargins(int left, int top, int right, int bottom);

    // Load both pictures of a pair from files; an empty or unreadable path
    // gives a null picture, which is simply not drawn. No repaint.
    void setGroovePixmaps(const QString &normal, const QString &active);
    void setThumbPixmaps(const QString &normal, const QString &active);
    QPixmap normalGroovePixmap() const { return m_normalGroove; }
    QPixmap activeGroovePixmap() const { return m_activeGroove; }
    QPixmap normalThumbPixmap() const { return m_normalThumb; }
    QPixmap activeThumbPixmap() const { return m_activeThumb; }

    void setValue(int value, bool notify);

    // Bottom-left corner of the thumb in the parent's coordinates.
    QPoint thumbAnchor();
    // Recomputes the groove, active and thumb rectangles from the fields.
    // (Hides QWidget::updateGeometry, which layouts still reach through QWidget.)
    void updateGeometry();

    QRect grooveRect() const { return m_grooveRect; }
    QRect activeRect() const { return m_activeRect; }
    QRect thumbRect() const { return m_thumbRect; }

signals:
    void sliderClicked();
    void valueChanged(int value);
    void sliderRelease();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_direction = LeftToRight;
    int m_step = 1;
    int m_value = 0;
    int m_maximum = 100;
    int m_minimum = 0;
    int m_pressThumbHeight = 10;
    int m_pressThumbWidth = 10;
    int m_thumbHeight = 10;
    int m_thumbWidth = 10;
    int m_grooveMarginLeft = 0;
    int m_grooveMarginTop = 0;
    int m_grooveMarginRight = 0;
    int m_grooveMarginBottom = 0;
    QRect m_grooveRect;
    QPixmap m_normalGroove;
    QPixmap m_activeGroove;
    QPixmap m_normalThumb;
    QPixmap m_activeThumb;
    QRect m_activeRect;
    QRect m_thumbRect;
};
