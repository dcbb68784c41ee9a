#pragma once

#include <QLayoutItem>

class BaseItem;
class QBoxLayout;
class QPaintEvent;
class QPainter;
class UIBase;

// The parts of a composite control that the control draws itself: each stays
// a widget for its look and its place, laid out as it would be shown, but is
// never shown, so the window does not show, polish and paint hundreds of
// them one by one.
class DrawnPartItem : public QWidgetItem
{
public:
    DrawnPartItem(QWidget *part, QWidget *control);

    bool isEmpty() const override { return false; }
    // Places the hidden part and has the control draw where it was and is.
    void setGeometry(const QRect &rect) override;

    // Hides part and adds it to layout with the stretch, drawn by control.
    static void add(QBoxLayout *layout, QWidget *part, QWidget *control, int stretch);

private:
    QWidget *m_control;
};

// A control built again while shown: its new widgets show and its layout
// places everything now, so that the parts it draws find their places among
// the widgets before it is drawn again (laid out later, they were drawn
// where a new widget sits before its layout). Nothing while hidden.
void placeDrawnParts(QWidget *control);

// Draws a hidden part from the control's paint event, as the part's own
// painter would: clipped to it, from its corner; nothing outside the event.
void paintDrawnPart(QPainter &painter, const QPaintEvent *event, BaseItem *part);
void paintDrawnPart(QPainter &painter, const QPaintEvent *event, UIBase *part);
