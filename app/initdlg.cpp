#include "initdlg.h"

#include "app/initdatawidget.h"
#include "core/dialogkeys.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QSpacerItem>
#include <QVBoxLayout>

InitDlg::InitDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("InitDlg"));
    setWindowTitle(tr("Dialog"));
    resize(962, 549);

    m_dataWidget = new InitDataWidget(this);
    m_dataWidget->setObjectName(QStringLiteral("widget_2"));
    m_dataWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_dataWidget->setMinimumSize(320, 120);

    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    int left = 0, top = 0, right = 0, bottom = 0;
    column->getContentsMargins(&left, &top, &right, &bottom);
    column->setContentsMargins(left, top, right, 0);
    column->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    column->addWidget(m_dataWidget);
    column->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));

    auto *row = new QHBoxLayout(this);
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    row->addLayout(column);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    dialogkeys::enterPresses(this, m_dataWidget->enterButton());
    connect(m_dataWidget, SIGNAL(exit()), this, SLOT(onExit()));
    connect(m_dataWidget, SIGNAL(enter()), this, SLOT(onEnter()));

    m_background.load(QStringLiteral("./resource/assets/img/defualt_bg_2.jpg"));
}

void InitDlg::onEnter()
{
    accept();
}

void InitDlg::onExit()
{
    reject();
}

void InitDlg::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    if (m_background.isNull()) {
        painter.fillRect(rect(), QColor(0, 0, 128, 255));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_background);
}

void InitDlg::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        update();
}
