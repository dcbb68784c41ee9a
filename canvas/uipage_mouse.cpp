#include "uipage.h"

#include "canvas/addcommand.h"
#include "canvas/defaultattributes.h"
#include "canvas/editcommand.h"
#include "canvas/editrules.h"
#include "canvas/pageservices.h"
#include "core/jsonutils.h"

#include <QCursor>
#include <QDebug>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QUndoStack>
#include <QWheelEvent>

void UIPage::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    bool handled = true;
    if (ctrl && key == Qt::Key_C) {
        qDebug() << m_name << " ctrl + c" << m_lastSelected;
        copyControl();
    } else if (ctrl && key == Qt::Key_V) {
        qDebug() << m_name << " ctrl + v" << m_lastSelected;
        pasteControl();
    } else if (ctrl && key == Qt::Key_S) {
        qDebug() << m_name << " ctrl + s";
        Guard guard(this);
        if (guard.isHeld())
            slotSaveFile();
    } else if (ctrl && key == Qt::Key_Z) {
        qDebug() << m_name << " ctrl + z";
        undo();
    } else if (ctrl && key == Qt::Key_Y) {
        qDebug() << m_name << "ctrl + y";
        redo();
    } else if (key == Qt::Key_Left) {
        qDebug() << m_name << "Key Left";
        moveLeft();
    } else if (key == Qt::Key_Right) {
        qDebug() << m_name << "Key Right";
        moveRight();
    } else if (key == Qt::Key_Up) {
        qDebug() << m_name << "Key Up";
        moveUp();
    } else if (key == Qt::Key_Down) {
        qDebug() << m_name << "Key Down";
        moveDown();
    } else if (key == Qt::Key_Control) {
        m_ctrlHeld = true;
        qDebug() << m_name << " ctrl" << m_ctrlHeld;
        handled = false;
    } else if (key == Qt::Key_Delete) {
        qDebug() << m_name << " delete";
        deleteSelection();
    } else {
        handled = false;
    }
    QWidget::keyPressEvent(event);
    // A key the page acted on is not passed on, so the scroll area around
    // the page does not scroll with an arrow nudge.
    if (handled)
        event->accept();
}

void UIPage::keyReleaseEvent(QKeyEvent *event)
{
    m_ctrlHeld = false;
    qDebug() << m_name << " ctrl" << m_ctrlHeld;
    QWidget::keyReleaseEvent(event);
}

void UIPage::deleteSelection()
{
    if (m_selection.isEmpty())
        return;
    Guard guard(this);
    if (!guard.isHeld())
        return;
    // Each entry leaves the selection before its deletion, so the loop ends
    // even for an entry whose control is already gone.
    while (!m_selection.isEmpty()) {
        const QPointer<UIBase> control = m_selection.takeFirst();
        if (control)
            deleteControl(control);
    }
}

void UIPage::nudgeSelection(int direction)
{
    Guard guard(this);
    if (!guard.isHeld())
        return;
    const auto d = EditRules::Direction(direction);
    const int extent = EditRules::nudgeExtent(m_attributes, d);
    for (UIBase *control : selection()) {
        if (control == this)
            continue;
        const QJsonObject oldAttributes = control->attributes();
        const QJsonObject newAttributes = EditRules::nudged(oldAttributes, d, extent);
        m_undoStack->push(new EditCommand(this, classOf(control), 1, control, oldAttributes, newAttributes));
    }
    m_modified = true;
}

void UIPage::moveLeft()
{
    nudgeSelection(EditRules::Left);
}

void UIPage::moveRight()
{
    nudgeSelection(EditRules::Right);
}

void UIPage::moveUp()
{
    nudgeSelection(EditRules::Up);
}

void UIPage::moveDown()
{
    nudgeSelection(EditRules::Down);
}

void UIPage::mousePressEvent(QMouseEvent *event)
{
    qDebug() << m_name << " UIPage::mousePressEvent";
    if (event->button() != Qt::LeftButton)
        return;
    m_bandAnchor = event->pos();
    m_bandRect.setTopLeft(event->pos());
    m_bandPressed = 1;
}

void UIPage::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_bandPressed)
        return;
    m_bandDragging = true;
    m_bandRect = EditRules::band(m_bandAnchor, event->pos(), size());
    m_bandLabel->show();
    m_bandLabel->raise();
    m_bandLabel->setGeometry(m_bandRect);
    update();
}

void UIPage::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    qDebug() << m_name << " UIPage::mouseReleaseEvent" << m_bandPressed << m_bandDragging;
    if (m_bandPressed) {
        if (m_bandDragging) {
            const int kind = PageServices::instance()->dropClass();
            bool made = false;
            if (kind > kPageTypeId && m_bandRect.width() >= m_minBandWidth
                && m_bandRect.height() >= m_minBandHeight) {
                made = DefaultAttributes::hasKind(kind);
                addNewControl(kind, m_bandRect);
            }
            m_bandLabel->hide();
            m_bandDragging = false;
            if (!made)
                selectPage();
        } else {
            selectPage();
        }
        m_bandPressed = 0;
    }
    update();
}

void UIPage::wheelEvent(QWheelEvent *event)
{
    if (!m_ctrlHeld) {
        // Without Ctrl the wheel neither zooms nor scrolls the page.
        event->accept();
        return;
    }
    const int delta = event->angleDelta().y();
    qDebug() << "wheelEvent: " << delta;
    setScaleValue(EditRules::wheelScale(m_zoomScale, delta));
    PageServices::instance()->resetZoom();
    event->ignore();
}

void UIPage::addControlAtCursor(QRect rect)
{
    const int kind = PageServices::instance()->dropClass();
    if (kind <= kPageTypeId || rect.width() < m_minBandWidth || rect.height() < m_minBandHeight)
        return;
    QRect placed;
    if (EditRules::dropRect(mapFromGlobal(QCursor::pos()), rect.size(), size(), &placed))
        addNewControl(kind, placed);
}

void UIPage::addNewControl(int nClass, QRect rect)
{
    const QRect stored = DefaultAttributes::storedRect(rect, m_zoomScale);
    const QJsonObject attributes =
        DefaultAttributes::build(nClass, stored, typeName(nClass), nextWidgetIndex(nClass));
    // One step, for the kind asked for; a kind without defaults adds nothing.
    if (DefaultAttributes::hasKind(nClass))
        m_undoStack->push(new AddCommand(this, nClass, attributes));
    m_modified = true;
}

void UIPage::slotRectMoveChange(QPoint offset)
{
    auto *sender = qobject_cast<UIBase *>(this->sender());
    if (!sender)
        return;
    m_modified = true;
    const int pageWidth = jsonNumberAsInt(m_attributes.value(QLatin1String("w")), 0);
    const int pageHeight = jsonNumberAsInt(m_attributes.value(QLatin1String("h")), 0);
    auto moveOne = [&](UIBase *control, int panelMode) {
        const QJsonObject oldAttributes = control->attributes();
        const QJsonObject newAttributes = EditRules::movedBy(oldAttributes, offset, pageWidth, pageHeight);
        m_undoStack->push(new EditCommand(this, classOf(control), panelMode, control, oldAttributes,
                                          newAttributes));
    };
    for (UIBase *control : selection()) {
        if (control != sender && control != this)
            moveOne(control, 1);
    }
    moveOne(sender, 2);
}
