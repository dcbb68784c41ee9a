#include "initdatawidget.h"

#include "app/globalmanager.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {
QHBoxLayout *centredRow(QWidget *first, QWidget *second)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(50);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    row->addWidget(first);
    row->addWidget(second);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    return row;
}
} // namespace

InitDataWidget::InitDataWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("InitDataWidget"));
    resize(580, 116);
    setMinimumSize(0, 0);
    setMaximumSize(16777215, 16777215);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label_2"));
    m_label->setMinimumSize(160, 0);
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_comboBox = new QComboBox(this);
    m_comboBox->setObjectName(QStringLiteral("comboBox"));
    m_comboBox->setMinimumSize(160, 40);

    m_initDataBtn = new QPushButton(this);
    m_initDataBtn->setObjectName(QStringLiteral("initDataBtn"));
    m_initDataBtn->setMinimumSize(160, 40);

    m_pushButton = new QPushButton(this);
    m_pushButton->setObjectName(QStringLiteral("pushButton"));
    m_pushButton->setMinimumSize(160, 40);

    auto *column = new QVBoxLayout(this);
    column->setSpacing(12);
    column->addLayout(centredRow(m_label, m_comboBox));
    column->addLayout(centredRow(m_initDataBtn, m_pushButton));

    for (int language = 0; language < 3; ++language)
        m_comboBox->addItem(QString(), language);
    retranslateUi();

    // Chosen before connecting, so that showing the stored language switches nothing.
    const int language = GlobalManager::instance()->language();
    if (language >= 0 && language <= 2)
        m_comboBox->setCurrentIndex(language);

    connect(m_comboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(onLanguageChanged(int)));
    connect(m_initDataBtn, SIGNAL(clicked()), this, SLOT(onInitData()), Qt::QueuedConnection);
    connect(m_pushButton, SIGNAL(clicked()), this, SIGNAL(exit()));
}

InitDataWidget::~InitDataWidget()
{
    disconnect(m_initDataBtn, SIGNAL(clicked()), this, SLOT(onInitData()));
    disconnect(m_pushButton, SIGNAL(clicked()), this, SIGNAL(exit()));
}

void InitDataWidget::retranslateUi()
{
    setWindowTitle(tr("Form"));
    m_label->setText(tr("Language"));
    m_initDataBtn->setText(tr("进入系统"));
    m_pushButton->setText(tr("退出"));
    m_comboBox->setItemText(0, tr("简体中文"));
    m_comboBox->setItemText(1, tr("繁體中文"));
    m_comboBox->setItemText(2, tr("English"));
}

void InitDataWidget::onInitData()
{
    emit enter();
}

void InitDataWidget::onLanguageChanged(int)
{
    GlobalManager::instance()->setLanguage(m_comboBox->currentIndex());
    retranslateUi();
}

void InitDataWidget::paintEvent(QPaintEvent *event)
{
    // A translucent white veil over the start picture keeps the texts readable.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 255, 255, 100));
    painter.end();
    QWidget::paintEvent(event);
}
