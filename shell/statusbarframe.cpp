#include "statusbarframe.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

namespace {
const int kMinZoom = 10;
const int kMaxZoom = 300;
const int kStep = 2;
}

StatusBarFrame::StatusBarFrame(QWidget *parent)
    : QFrame(parent)
{
    setupUi();
    connect(m_toolButton, SIGNAL(pressed()), this, SLOT(slotScaleSmall()));
    connect(m_toolButton2, SIGNAL(pressed()), this, SLOT(slotScaleBig()));
    connect(m_horizontalSlider, SIGNAL(valueChanged(int)), this, SLOT(slotScaleChange(int)));
}

StatusBarFrame::~StatusBarFrame() = default;

void StatusBarFrame::setupUi()
{
    setObjectName(QStringLiteral("StatusBarFrame"));
    setWindowTitle(tr("Frame"));
    resize(398, 24);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_horizontalLayout2 = new QHBoxLayout(this);
    m_horizontalLayout2->setObjectName(QStringLiteral("horizontalLayout_2"));
    m_horizontalLayout2->setSpacing(10);
    m_horizontalLayout2->setContentsMargins(0, 0, 0, 0);
    m_horizontalLayout = new QHBoxLayout;
    m_horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_horizontalLayout->setContentsMargins(-1, -1, 0, -1);

    m_label = new QLabel(QStringLiteral("100%"), this);
    m_label->setObjectName(QStringLiteral("label"));
    // Wide enough for "300%", so the slider does not shift as the zoom changes.
    m_label->setMinimumWidth(m_label->fontMetrics().horizontalAdvance(QStringLiteral("300%")) + 4);
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_toolButton = new QToolButton(this);
    m_toolButton->setObjectName(QStringLiteral("toolButton"));
    m_toolButton->setIcon(QIcon(QStringLiteral(":/new/icon/images/scale_small.png")));
    m_toolButton->setText(QStringLiteral("..."));
    m_horizontalSlider = new QSlider(Qt::Horizontal, this);
    m_horizontalSlider->setObjectName(QStringLiteral("horizontalSlider"));
    m_horizontalSlider->setRange(kMinZoom, kMaxZoom);
    m_horizontalSlider->setSingleStep(kStep);
    m_horizontalSlider->setValue(100);
    // The page in front keeps the keyboard: its keys are the editor's.
    m_horizontalSlider->setFocusPolicy(Qt::NoFocus);
    m_toolButton2 = new QToolButton(this);
    m_toolButton2->setObjectName(QStringLiteral("toolButton_2"));
    m_toolButton2->setIcon(QIcon(QStringLiteral(":/new/icon/images/scale_big.png")));
    m_toolButton2->setText(QStringLiteral("..."));

    m_horizontalLayout->addWidget(m_label);
    m_horizontalLayout->addWidget(m_toolButton);
    m_horizontalLayout->addWidget(m_horizontalSlider);
    m_horizontalLayout->addWidget(m_toolButton2);
    m_horizontalLayout2->addLayout(m_horizontalLayout);
}

void StatusBarFrame::slotSetScaleData(int percent)
{
    if (percent < kMinZoom || percent > kMaxZoom)
        return;
    m_horizontalSlider->setValue(percent);
}

void StatusBarFrame::slotScaleSmall()
{
    const int value = m_horizontalSlider->value();
    if (value >= kMinZoom + kStep)
        m_horizontalSlider->setValue(value - kStep);
}

void StatusBarFrame::slotScaleBig()
{
    // Stops at 291 or 292; only the handle reaches the end of the range.
    const int value = m_horizontalSlider->value();
    if (value <= kMaxZoom - 10)
        m_horizontalSlider->setValue(value + kStep);
}

void StatusBarFrame::slotScaleChange(int value)
{
    Q_UNUSED(value)
    const int current = m_horizontalSlider->value();
    m_label->setText(QString::number(current) + QLatin1Char('%'));
    emit signalSliderScaleData(current);
}
