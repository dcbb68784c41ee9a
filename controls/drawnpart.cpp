#include "drawnpart.h"

#include "controls/baseitem.h"
#include "controls/uibase.h"

#include <QBoxLayout>
#include <QPaintEvent>
#include <QPainter>

namespace {

template <typename Part>
void paintPart(QPainter &painter, const QPaintEvent *event, Part *part)
{
    if (!part || !event->region().intersects(part->geometry()))
        return;
    painter.save();
    painter.setClipRect(part->geometry());
    painter.translate(part->pos());
    part->paintFace(painter);
    painter.restore();
}

} // namespace

DrawnPartItem::DrawnPartItem(QWidget *part, QWidget *control)
    : QWidgetItem(part)
    , m_control(control)
{
}

void DrawnPartItem::setGeometry(const QRect &rect)
{
    const QRect before = widget()->geometry();
    QWidgetItem::setGeometry(rect);
    const QRect after = widget()->geometry();
    if (after != before)
        m_control->update(before.united(after));
}

void DrawnPartItem::add(QBoxLayout *layout, QWidget *part, QWidget *control, int stretch)
{
    part->hide();
    layout->addItem(new DrawnPartItem(part, control));
    layout->setStretch(layout->count() - 1, stretch);
}

void placeDrawnParts(QWidget *control)
{
    if (!control->isVisible() || !control->layout())
        return;
    for (QObject *child : control->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        // What the layout would show later; a drawn part was hidden on purpose.
        if (widget && widget->isHidden() && !widget->testAttribute(Qt::WA_WState_ExplicitShowHide))
            widget->show();
    }
    control->layout()->activate();
}

void paintDrawnPart(QPainter &painter, const QPaintEvent *event, BaseItem *part)
{
    paintPart(painter, event, part);
}

void paintDrawnPart(QPainter &painter, const QPaintEvent *event, UIBase *part)
{
    paintPart(painter, event, part);
}
