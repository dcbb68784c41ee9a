#include "mycombobox.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QScreen>
#include <QWheelEvent>

MyComboBox::MyComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

void MyComboBox::wheelEvent(QWheelEvent *event)
{
    // Leave the item alone and let the event travel on, so the table or
    // scroll area around the box still scrolls.
    event->ignore();
}

void MyComboBox::showPopup()
{
    // Every option on view: a list of ten would hide the rest of a long one.
    setMaxVisibleItems(qMax(1, count()));
    QComboBox::showPopup();
    // Under a style sheet the list's frame and scroll arrows are left out of
    // the height the box gives it, and it opens cut to a row and a half.
    // Growing it can hide the arrows, which frees room again: a few rounds.
    QAbstractItemView *list = view();
    QWidget *popup = list->window();
    if (!popup->screen())
        return;
    const QRect screen = popup->screen()->availableGeometry();
    int rows = 0;
    for (int row = 0; row < count(); ++row)
        rows += list->sizeHintForRow(row);
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(popup, QEvent::LayoutRequest);
        const int missing = rows - list->viewport()->height();
        QRect geometry = popup->geometry();
        if (missing <= 0 || geometry.height() >= screen.height())
            break;
        geometry.setHeight(qMin(geometry.height() + missing, screen.height()));
        if (geometry.bottom() > screen.bottom())
            geometry.moveBottom(screen.bottom());
        popup->setGeometry(geometry);
    }
    list->scrollTo(list->currentIndex());
}
