#include "uiswitchbuttonbase.h"

#include "controls/switchshape.h"
#include "core/jsonutils.h"

#include <QColor>
#include <QPainter>

// The seven attribute keys of a switch that set one field each; the on
// caption has two (switchOnCaption).
struct SwitchKeyTable {
    struct Entry {
        const char *key;
        QString UISwitchButtonBase::*field;
    };
    static const Entry entries[7];
};

const SwitchKeyTable::Entry SwitchKeyTable::entries[7] = {
    {"bgOnColor", &UISwitchButtonBase::m_bgOnColor},
    {"bgOffColor", &UISwitchButtonBase::m_bgOffColor},
    {"sliderOnColor", &UISwitchButtonBase::m_sliderOnColor},
    {"sliderOffColor", &UISwitchButtonBase::m_sliderOffColor},
    {"textOnColor", &UISwitchButtonBase::m_textOnColor},
    {"textOffColor", &UISwitchButtonBase::m_textOffColor},
    {"off_text", &UISwitchButtonBase::m_offText},
};

namespace {

// Either of these changes the on caption.
const char kOnCaptionKey[] = "text";
const char kOtherOnCaptionKey[] = "on_text";

} // namespace

UISwitchButtonBase::UISwitchButtonBase(QWidget *parent, bool framesSelection)
    : UIBase(parent)
    , m_framesSelection(framesSelection)
{
}

void UISwitchButtonBase::initSwitch()
{
    for (const SwitchKeyTable::Entry &entry : SwitchKeyTable::entries) {
        QString value;
        jsonString(m_attributes, QLatin1String(entry.key), &value);
        this->*(entry.field) = value;
    }
    m_onText = switchOnCaption(m_attributes);
}

void UISwitchButtonBase::applySwitchAttributes(const QJsonObject &applied)
{
    bool taken = false;
    if (applied.contains(QLatin1String(kOnCaptionKey)) || applied.contains(QLatin1String(kOtherOnCaptionKey))) {
        m_onText = switchOnCaption(m_attributes);
        taken = true;
    }
    for (auto it = applied.constBegin(); it != applied.constEnd(); ++it) {
        if (!it.value().isString())
            continue;
        for (const SwitchKeyTable::Entry &entry : SwitchKeyTable::entries) {
            if (it.key() == QLatin1String(entry.key)) {
                this->*(entry.field) = it.value().toString();
                taken = true;
            }
        }
    }
    if (taken)
        update();
}

void UISwitchButtonBase::buildLayout()
{
    initSwitch();
}

void UISwitchButtonBase::applyAttributes(const QJsonObject &applied)
{
    applySwitchAttributes(applied);
}

void UISwitchButtonBase::setSpace(int space)
{
    if (space == m_space)
        return;
    m_space = space;
    update();
}

void UISwitchButtonBase::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    m_knobX = checked ? width() - height() : 0;
    update();
}

QPainterPath UISwitchButtonBase::trackPath() const
{
    return switchTrackPath(size());
}

QRect UISwitchButtonBase::captionRect() const
{
    return switchCaptionRect(size(), m_space, m_checked);
}

QRect UISwitchButtonBase::knobRect() const
{
    return switchKnobRect(size(), m_space, m_knobX);
}

void UISwitchButtonBase::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QPainterPath track = trackPath();

    painter.save();
    painter.setPen(Qt::NoPen);
    QColor trackColor(m_checked ? m_bgOnColor : m_bgOffColor);
    if (isEnabled())
        trackColor.setAlpha(140);
    painter.setBrush(QBrush(trackColor, Qt::SolidPattern));
    painter.drawPath(track);
    if (m_framesSelection) {
        painter.setPen(m_selected ? QPen(QColor(255, 0, 0), 4) : QPen(QColor(196, 199, 206), 2));
        painter.drawPath(track);
    }
    painter.setPen(QColor(m_checked ? m_textOnColor : m_textOffColor));
    painter.drawText(captionRect(), Qt::AlignCenter, m_checked ? m_onText : m_offText);
    painter.restore();

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(m_checked ? m_sliderOnColor : m_sliderOffColor));
    painter.drawEllipse(knobRect());
    painter.restore();
}
