#include "uibase.h"

#include <QKeyEvent>
#include <QResizeEvent>

UIBase::UIBase(QWidget *parent)
    : QWidget(parent)
{
    // Tracking lets the resize cursor follow the mouse without a button held.
    setMouseTracking(true);
    setAcceptDrops(true);
}

UIBase::~UIBase() = default;

void UIBase::setKind(int typeId, const QString &classTag)
{
    m_type = typeId;
    m_classTag = classTag;
}

void UIBase::keyPressEvent(QKeyEvent *event)
{
    // Keys belong to the page; a control swallows the few it gets.
    Q_UNUSED(event)
}

void UIBase::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
}
