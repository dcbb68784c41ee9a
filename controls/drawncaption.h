#pragma once

#include <QColor>
#include <QFont>
#include <QLayoutItem>
#include <QMargins>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// A caption that a composite cell draws itself instead of holding a label or
// a radio button for it: in the cell's layout it asks for the sizes that
// widget would ask for, it takes the place that widget would take, and the
// cell paints it as that widget would paint itself. The sizes, font and
// palette are measured once on a real widget of the same text and look, made
// for a moment in the cell, and kept until the event loop runs again, so the
// captions of all the controls a page loads share them.
class DrawnCaption : public QLayoutItem
{
public:
    enum Kind { Label, RadioButton };

    // What the widgets would be given besides their text. The cell's own
    // font and palette fill in whatever it leaves unset, as they would for a
    // child widget. Made once for the captions of a control.
    class Style
    {
    public:
        void setFont(const QFont &font);
        // Texts in this colour on a transparent ground (transparentPalette).
        void setColour(const QColor &colour);
        // Where a label puts its text.
        void setAlignment(Qt::Alignment alignment);
        void setFixedSize(const QSize &size);

        const QFont *font() const { return m_hasFont ? &m_font : nullptr; }
        QColor colour() const { return m_colour; }
        Qt::Alignment alignment() const { return m_alignment; }
        QSize fixedSize() const { return m_fixedSize; }
        // The same for two styles that make the same widgets.
        const QString &key() const;

    private:
        QFont m_font;
        bool m_hasFont = false;
        QColor m_colour;
        Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
        QSize m_fixedSize;
        mutable QString m_key;
    };

    // Measures on a widget made in cell, or takes what was measured so.
    DrawnCaption(QWidget *cell, Kind kind, const QString &text, const Style &style);

    QString text() const { return m_text; }
    // Where the widget would show, in the cell.
    QRect drawnRect() const { return m_drawn; }
    QPalette palette() const { return m_measure.palette; }

    // Paints the caption on its cell, from the cell's paint event.
    void paint() const;

    QSize sizeHint() const override { return m_measure.sizeHint; }
    QSize minimumSize() const override { return m_measure.minimumSize; }
    QSize maximumSize() const override { return m_measure.maximumSize; }
    Qt::Orientations expandingDirections() const override { return m_measure.expanding; }
    bool isEmpty() const override { return false; }
    QRect geometry() const override { return m_geometry; }
    void setGeometry(const QRect &rect) override;

    // Measured widgets so far, for tests.
    static int widgetsMeasured();

    struct Measure {
        // What the widget's layout item asks for.
        QSize sizeHint;
        QSize minimumSize;
        QSize maximumSize;
        Qt::Orientations expanding;
        // The widget's rectangle around its item's, and its own bounds.
        QMargins widgetMargins;
        QSize widgetMinimum;
        QSize widgetMaximum;
        QPalette palette;
        QFont font;
        QSize iconSize;
        // A style sheet gives the widget a ground of its own to paint.
        bool styledBackground = false;
    };

private:
    static Measure measure(QWidget *cell, Kind kind, const QString &text, const Style &style);

    QWidget *m_cell;
    Kind m_kind;
    QString m_text;
    Qt::Alignment m_alignment;
    Measure m_measure;
    QRect m_geometry;
    QRect m_drawn;
};
