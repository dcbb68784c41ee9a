#include "explacelistitemwidget.h"

#include "preview/exqlabel.h"

#include <QLabel>
#include <QVBoxLayout>

ExPlaceListItemWidget::ExPlaceListItemWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi();
}

ExPlaceListItemWidget::~ExPlaceListItemWidget() = default;

void ExPlaceListItemWidget::setupUi()
{
    auto *column = new QVBoxLayout(this);
    m_pictureLabel = new ExQLabel(this);
    m_pictureLabel->setBackground(QStringLiteral("#FFFFFF"), QString(), QString(), QString());
    m_pictureLabel->setAlignment(Qt::AlignCenter);
    column->addWidget(m_pictureLabel, 10);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter | Qt::AlignBottom);
    QPalette palette = m_nameLabel->palette();
    palette.setColor(QPalette::All, QPalette::WindowText, Qt::white);
    m_nameLabel->setPalette(palette);
    column->addWidget(m_nameLabel, 1);
}

void ExPlaceListItemWidget::setImage(const QString &path)
{
    if (m_pictureLabel)
        m_pictureLabel->setBackground(QString(), QString(), path, path);
}

void ExPlaceListItemWidget::setName(const QString &name)
{
    if (m_nameLabel)
        m_nameLabel->setText(name);
}
