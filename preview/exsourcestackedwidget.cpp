#include "exsourcestackedwidget.h"

#include "preview/exmybasewidget.h"

#include <QPainter>

ExSourceStackedWidget::ExSourceStackedWidget(QWidget *parent)
    : QStackedWidget(parent)
{
    setContentsMargins(0, 0, 0, 0);
}

ExSourceStackedWidget::~ExSourceStackedWidget() = default;

void ExSourceStackedWidget::setBackgroundColor(const QString &color)
{
    m_bkColor = color;
    update();
}

void ExSourceStackedWidget::onSearch(QString text)
{
    if (auto *page = qobject_cast<ExMyBaseWidget *>(currentWidget()))
        page->searchText(text);
}

void ExSourceStackedWidget::onChnageIndex(int index)
{
    if (index >= 0 && index < count())
        setCurrentIndex(index);
}

void ExSourceStackedWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), QColor(m_bkColor.isNull() ? QStringLiteral("#FFFFFF") : m_bkColor));
}
