#include "exswitchbutton.h"

#include "controls/switchshape.h"

#include <QPainter>
#include <QTimer>

namespace {
const int kSlideInterval = 30;
} // namespace

ExSwitchButton::ExSwitchButton(QWidget *parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kSlideInterval);
    connect(m_timer, SIGNAL(timeout()), this, SLOT(UpdateValue()));
}

ExSwitchButton::~ExSwitchButton() = default;

bool ExSwitchButton::isSliding() const
{
    return m_timer->isActive();
}

template <typename T>
void ExSwitchButton::change(T *field, const T &value)
{
    if (*field == value)
        return;
    *field = value;
    update();
}

void ExSwitchButton::setSpace(int space)
{
    change(&m_space, space);
}

void ExSwitchButton::setRadius(int radius)
{
    change(&m_radius, radius);
}

void ExSwitchButton::setShowText(bool show)
{
    change(&m_showText, show);
}

void ExSwitchButton::setShowCircle(bool show)
{
    change(&m_showCircle, show);
}

void ExSwitchButton::setAnimation(bool ok)
{
    change(&m_animation, ok);
}

void ExSwitchButton::setBgColorOn(QColor color)
{
    change(&m_bgColorOn, color);
}

void ExSwitchButton::setBgColorOff(QColor color)
{
    change(&m_bgColorOff, color);
}

void ExSwitchButton::setSliderColorOn(QColor color)
{
    change(&m_sliderColorOn, color);
}

void ExSwitchButton::setSliderColorOff(QColor color)
{
    change(&m_sliderColorOff, color);
}

void ExSwitchButton::setTextOnColor(QColor color)
{
    change(&m_textColorOn, color);
}

void ExSwitchButton::setTextOffColor(QColor color)
{
    change(&m_textColorOff, color);
}

void ExSwitchButton::setTextOn(QString text)
{
    change(&m_textOn, text);
}

void ExSwitchButton::setTextOff(QString text)
{
    change(&m_textOff, text);
}

void ExSwitchButton::setSwitchStyle(const QString &bgOn, const QString &bgOff, const QString &sliderOn,
                                    const QString &sliderOff, const QString &textOnColor,
                                    const QString &textOffColor, const QString &textOn, const QString &textOff)
{
    const struct {
        const QString &text;
        QColor *colour;
    } colours[] = {
        {bgOn, &m_bgColorOn},         {bgOff, &m_bgColorOff},           {sliderOn, &m_sliderColorOn},
        {sliderOff, &m_sliderColorOff}, {textOnColor, &m_textColorOn}, {textOffColor, &m_textColorOff},
    };
    bool changed = false;
    for (const auto &entry : colours) {
        const QColor colour(entry.text);
        if (entry.text.isEmpty() || colour == *entry.colour)
            continue;
        *entry.colour = colour;
        changed = true;
    }
    for (const auto &entry : {qMakePair(&textOn, &m_textOn), qMakePair(&textOff, &m_textOff)}) {
        if (*entry.first == *entry.second)
            continue;
        *entry.second = *entry.first;
        changed = true;
    }
    if (changed)
        update();
}

void ExSwitchButton::moveKnob()
{
    // A switch narrower than ten pixels still moves a pixel a tick, so the
    // timer reaches the end and stops.
    m_step = qMax(1, width() / 10);
    m_knobEndX = m_checked ? width() - height() : 0;
    if (m_animation) {
        m_timer->start();
        return;
    }
    m_knobX = m_knobEndX;
    update();
}

void ExSwitchButton::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    moveKnob();
}

void ExSwitchButton::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    m_checked = !m_checked;
    emit statusChanged(m_checked);
    moveKnob();
}

void ExSwitchButton::UpdateValue()
{
    const bool arrived = m_checked ? m_knobX >= m_knobEndX : m_knobX <= m_knobEndX;
    if (arrived) {
        m_knobX = m_knobEndX;
        m_timer->stop();
    } else {
        m_knobX += m_checked ? m_step : -m_step;
    }
    update();
}

void ExSwitchButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    painter.save();
    painter.setPen(Qt::NoPen);
    QColor track = m_checked ? m_bgColorOn : m_bgColorOff;
    if (isEnabled())
        track.setAlpha(140);
    painter.setBrush(track);
    painter.drawPath(switchTrackPath(size()));
    painter.setPen(m_checked ? m_textColorOn : m_textColorOff);
    painter.drawText(switchCaptionRect(size(), m_space, m_checked), Qt::AlignHCenter | Qt::AlignVCenter,
                     m_checked ? m_textOn : m_textOff);
    painter.restore();

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_checked ? m_sliderColorOn : m_sliderColorOff);
    painter.drawEllipse(switchKnobRect(size(), m_space, m_knobX));
    painter.restore();
}
