#include "drawncaption.h"

#include "controls/uicompositehelpers.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <memory>

namespace {

int g_widgetsMeasured = 0;

// What sets one measured widget apart from another: the window and the
// style stand for where it would live.
struct MeasureKey {
    int kind;
    QString text;
    QString style;
    const QWidget *window;
    const QStyle *widgetStyle;

    bool operator==(const MeasureKey &other) const
    {
        return kind == other.kind && window == other.window && widgetStyle == other.widgetStyle
               && text == other.text && style == other.style;
    }
};

uint qHash(const MeasureKey &key, uint seed = 0)
{
    return ::qHash(key.text, seed) ^ ::qHash(key.style, seed) ^ ::qHash(key.window, seed) ^ uint(key.kind);
}

// The measures taken while the controls of a page are built, gone when the
// event loop runs again: a later build measures afresh, under whatever font,
// style and style sheet then hold.
class MeasureCache : public QObject
{
public:
    static MeasureCache *instance(QWidget *window)
    {
        if (!s_instance) {
            s_instance = new MeasureCache;
            s_instance->deleteLater();
        }
        // A window that goes may leave its address to another.
        if (!s_instance->m_windows.contains(window)) {
            s_instance->m_windows.insert(window);
            connect(window, &QObject::destroyed, s_instance, [] {
                s_instance->m_measures.clear();
                s_instance->m_windows.clear();
            });
        }
        // A style sheet set since would measure otherwise.
        const QString sheet = qApp->styleSheet();
        if (sheet != s_instance->m_styleSheet) {
            s_instance->m_measures.clear();
            s_instance->m_styleSheet = sheet;
        }
        return s_instance;
    }

    ~MeasureCache() override { s_instance = nullptr; }

    const DrawnCaption::Measure *find(const MeasureKey &key) const
    {
        const auto it = m_measures.constFind(key);
        return it == m_measures.constEnd() ? nullptr : &it.value();
    }
    void insert(const MeasureKey &key, const DrawnCaption::Measure &measure) { m_measures.insert(key, measure); }

private:
    MeasureCache()
        : m_styleSheet(qApp->styleSheet())
    {
    }

    static MeasureCache *s_instance;
    QSet<const QObject *> m_windows;
    QString m_styleSheet;
    QHash<MeasureKey, DrawnCaption::Measure> m_measures;
};

MeasureCache *MeasureCache::s_instance = nullptr;

} // namespace

void DrawnCaption::Style::setFont(const QFont &font)
{
    m_font = font;
    m_hasFont = true;
    m_key.clear();
}

void DrawnCaption::Style::setColour(const QColor &colour)
{
    m_colour = colour;
    m_key.clear();
}

void DrawnCaption::Style::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    m_key.clear();
}

void DrawnCaption::Style::setFixedSize(const QSize &size)
{
    m_fixedSize = size;
    m_key.clear();
}

const QString &DrawnCaption::Style::key() const
{
    if (m_key.isEmpty()) {
        const QChar gap(0x1f);
        m_key = (m_hasFont ? m_font.key() : QString()) + gap
                + (m_colour.isValid() ? QString::number(m_colour.rgba(), 16) : QString()) + gap
                + QString::number(int(m_alignment)) + gap + QString::number(m_fixedSize.width()) + gap
                + QString::number(m_fixedSize.height());
    }
    return m_key;
}

DrawnCaption::DrawnCaption(QWidget *cell, Kind kind, const QString &text, const Style &style)
    : m_cell(cell)
    , m_kind(kind)
    , m_text(text)
    , m_alignment(style.alignment())
{
    QWidget *window = cell->window();
    MeasureCache *cache = MeasureCache::instance(window);
    const MeasureKey key{kind, text, style.key(), window, cell->style()};
    if (const Measure *known = cache->find(key)) {
        m_measure = *known;
        return;
    }
    m_measure = measure(cell, kind, text, style);
    cache->insert(key, m_measure);
}

int DrawnCaption::widgetsMeasured()
{
    return g_widgetsMeasured;
}

DrawnCaption::Measure DrawnCaption::measure(QWidget *cell, Kind kind, const QString &text, const Style &style)
{
    ++g_widgetsMeasured;
    std::unique_ptr<QWidget> widget;
    QRadioButton *radio = nullptr;
    if (kind == RadioButton) {
        radio = new QRadioButton(text, cell);
        widget.reset(radio);
    } else {
        auto *label = new QLabel(text, cell);
        label->setAlignment(style.alignment());
        widget.reset(label);
    }
    if (style.font())
        widget->setFont(*style.font());
    if (style.colour().isValid())
        widget->setPalette(transparentPalette(style.colour()));
    if (style.fixedSize().isValid())
        widget->setFixedSize(style.fixedSize());
    // Never shown: a hidden widget's layout item would ask for nothing.
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    widget->ensurePolished();

    QWidgetItem item(widget.get());
    Measure measure;
    measure.sizeHint = item.sizeHint();
    measure.minimumSize = item.minimumSize();
    measure.maximumSize = item.maximumSize();
    measure.expanding = item.expandingDirections();
    measure.widgetMinimum = widget->minimumSize();
    measure.widgetMaximum = widget->maximumSize();
    // Where the item puts the widget for a rectangle it may take whole.
    const QRect probe(QPoint(0, 0), measure.sizeHint.expandedTo(measure.minimumSize).boundedTo(measure.maximumSize));
    item.setGeometry(probe);
    const QRect placed = widget->geometry();
    measure.widgetMargins = QMargins(probe.left() - placed.left(), probe.top() - placed.top(),
                                     placed.right() - probe.right(), placed.bottom() - probe.bottom());
    measure.palette = widget->palette();
    measure.font = widget->font();
    if (radio)
        measure.iconSize = radio->iconSize();
    measure.styledBackground = widget->testAttribute(Qt::WA_StyledBackground);
    return measure;
}

void DrawnCaption::setGeometry(const QRect &rect)
{
    m_geometry = rect;
    // As a widget item places its widget: the widget's rectangle around the
    // item's, no larger than the item may be, then within the widget's bounds.
    const QRect around = rect.marginsAdded(m_measure.widgetMargins);
    const QSize surplus = around.size() - rect.size();
    const QSize size = around.size()
                           .boundedTo(m_measure.maximumSize + surplus)
                           .boundedTo(m_measure.widgetMaximum)
                           .expandedTo(m_measure.widgetMinimum);
    const QRect drawn(around.topLeft(), size);
    if (drawn == m_drawn)
        return;
    m_cell->update(m_drawn.united(drawn));
    m_drawn = drawn;
}

void DrawnCaption::paint() const
{
    if (m_drawn.isEmpty())
        return;
    // A painter of its own, as the widget had: clipped to the widget, its
    // origin at the widget's corner, in the widget's font.
    QWidget *cell = m_cell;
    QPainter painter(cell);
    painter.setClipRect(m_drawn);
    painter.translate(m_drawn.topLeft());
    QFont font = m_measure.font;
    font.resolve(QFont::AllPropertiesResolved);
    painter.setFont(font);
    const QRect area(QPoint(0, 0), m_drawn.size());
    QStyle *style = cell->style();

    if (m_kind == RadioButton) {
        QStyleOptionButton option;
        option.initFrom(cell);
        option.rect = area;
        option.palette = m_measure.palette;
        option.fontMetrics = QFontMetrics(m_measure.font);
        // The button took no focus and no mouse, and was never checked.
        option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
        option.state |= QStyle::State_Off;
        option.text = m_text;
        option.iconSize = m_measure.iconSize;
        style->drawControl(QStyle::CE_RadioButton, &option, &painter, cell);
        return;
    }
    // A sheet that gives the label a ground (the designer's page tabs set
    // one for all they hold) has it painted behind the text.
    if (m_measure.styledBackground) {
        QStyleOption option;
        option.initFrom(cell);
        option.rect = area;
        option.palette = m_measure.palette;
        style->drawPrimitive(QStyle::PE_Widget, &option, &painter, cell);
    }
    const bool rightToLeft = m_text.isRightToLeft();
    const int flags = int(QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, m_alignment))
                      | (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    style->drawItemText(&painter, area, flags, m_measure.palette, cell->isEnabled(), m_text, QPalette::WindowText);
}
