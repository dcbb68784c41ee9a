#include "audiovolume.h"

#include <QLabel>
#include <QPalette>

AudioVolume::AudioVolume(QWidget *parent)
    : PixmapSlider(parent)
{
    // The label is a sibling so that it can hang outside the slider. Without
    // a parent it would become a window of its own, so the slider keeps it.
    m_label = new QLabel(parent ? parent : this);
    m_label->setFixedSize(m_labelWidth, m_labelHeight);
    m_label->setAutoFillBackground(true);
    QPalette palette = m_label->palette();
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(Qt::white));
    m_label->setPalette(palette);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->hide();

    setValue(50, false);
    connect(this, SIGNAL(valueChanged(int)), this, SLOT(slotValChanged(int)));
}

AudioVolume::~AudioVolume()
{
    // A sibling label would otherwise stay behind on the control.
    if (m_label && m_label->parent() != this)
        m_label->deleteLater();
}

void AudioVolume::setLabelSize(int width, int height)
{
    m_labelWidth = width;
    m_labelHeight = height;
    if (m_label)
        m_label->setFixedSize(width, height);
}

void AudioVolume::slotSetVal(int voal)
{
    setValue(voal, false);
}

void AudioVolume::slotValChanged(int val)
{
    m_lastValue = val;
    if (!m_label)
        return;
    m_label->setText(QString::number(val));
    QPoint anchor = thumbAnchor();
    if (m_label->parent() == this)
        anchor = thumbRect().bottomLeft();
    m_label->move(anchor.x(), anchor.y() + 2);
    m_label->show();
}
