#include "exlabelledslider.h"

#include <QLabel>
#include <QPalette>

ExLabelledSlider::ExLabelledSlider(QWidget *parent)
    : ExPixmapSlider(parent)
{
    m_valueLabel = new QLabel(parent ? parent : this);
    m_valueLabel->setFixedSize(m_labelWidth, m_labelHeight);
    m_valueLabel->setAutoFillBackground(true);
    QPalette palette = m_valueLabel->palette();
    palette.setColor(QPalette::All, QPalette::Window, Qt::white);
    m_valueLabel->setPalette(palette);
    m_valueLabel->setAlignment(Qt::AlignCenter);
    m_valueLabel->hide();
    setValue(0, false);
    connect(this, SIGNAL(valueChanged(int)), this, SLOT(slotValChanged(int)));
}

ExLabelledSlider::~ExLabelledSlider()
{
    // Left on the host, every reload of the page would add one more.
    delete m_valueLabel;
}

void ExLabelledSlider::setLabelSize(int width, int height)
{
    m_labelWidth = width;
    m_labelHeight = height;
    if (m_valueLabel)
        m_valueLabel->setFixedSize(qMax(0, width), qMax(0, height));
}

void ExLabelledSlider::slotSetVal(int voal)
{
    setValue(voal, false);
}

void ExLabelledSlider::slotValChanged(int val)
{
    m_lastValue = val;
    if (!m_valueLabel)
        return;
    m_valueLabel->setText(QString::number(val));
    const QPoint shift = (direction() == 0 || direction() == 2) ? QPoint(0, 2) : QPoint(2, 0);
    m_valueLabel->move(valueLabelPos() + shift);
    m_valueLabel->raise();
    m_valueLabel->show();
}

void ExLabelledSlider::hideValueLabel()
{
    if (m_valueLabel && m_valueLabel->isVisible())
        m_valueLabel->hide();
}
