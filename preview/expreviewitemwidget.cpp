#include "expreviewitemwidget.h"

#include <QPainter>

ExPreviewItemWidget::ExPreviewItemWidget(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    Q_UNUSED(name)
}

ExPreviewItemWidget::~ExPreviewItemWidget() = default;

void ExPreviewItemWidget::fillImage(QString host, QImage image)
{
    Q_UNUSED(host)
    Q_UNUSED(image)
}

void ExPreviewItemWidget::showNosignal(bool show)
{
    Q_UNUSED(show)
}

void ExPreviewItemWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), QColor(QStringLiteral("#0000FF")));
}
