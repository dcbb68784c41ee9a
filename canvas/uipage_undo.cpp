#include "uipage.h"

#include "canvas/deletecommand.h"
#include "app/globalmanager.h"

#include <QJsonValue>
#include <QUndoStack>

void UIPage::forgetControl(UIBase *control)
{
    m_selection.removeAll(control);
    if (m_lastSelected == control)
        m_lastSelected = nullptr;
    if (m_painterSource == control) {
        m_painterSource = nullptr;
        m_formatPainter = false;
    }
    GlobalManager *manager = GlobalManager::instance();
    // The property editor does not go on showing a control that is gone.
    if (manager->propertyControl() == control)
        manager->hideProperty();
    manager->forgetControl(control);
}

void UIPage::removeControl(int nClass, UIBase *control)
{
    // Only a control that this page files under nClass: a stale or foreign
    // pointer changes nothing.
    if (!control || !containsControl(nClass, control))
        return;
    QList<UIBase *> &list = m_controls[nClass];
    list.removeOne(control);
    if (list.isEmpty())
        m_controls.remove(nClass);
    m_filedClass.remove(control);
    // A later control of the same name may now be the first one.
    if (m_nameIndex.value(qMakePair(nClass, control->getName())) == control)
        m_nameIndexValid = false;
    forgetControl(control);
    // The control tree shows the current page only.
    if (GlobalManager::instance()->currentPageWidget() == this)
        GlobalManager::instance()->removeControlItem(nClass, control->getName());
    // Gone at once for the user and for every later lookup; the object
    // itself goes when the event loop next runs.
    disconnect(control, nullptr, this, nullptr);
    control->hide();
    control->deleteLater();
    m_modified = true;
}

void UIPage::deleteControl(UIBase *control)
{
    if (!control || control == this)
        return;
    const int nClass = classOf(control);
    if (!containsControl(nClass, control))
        return;
    m_selection.removeAll(control);
    // Out of the clipboard, so a later paste does not meet it.
    GlobalManager::instance()->forgetControl(control);
    GlobalManager::instance()->removeControlItem(nClass, control->getName());
    if (m_lastSelected == control) {
        m_lastSelected = nullptr;
        GlobalManager::instance()->hideProperty();
    }
    m_undoStack->push(new DeleteCommand(this, nClass, control));
    m_modified = true;
}

void UIPage::updateControl(int nClass, int panelMode, const QString &name,
                           const QJsonObject &attributes, const QStringList &removedKeys,
                           UIBase *preferred)
{
    UIBase *target = nullptr;
    if (nClass == kPageTypeId) {
        for (const QString &key : removedKeys) {
            setPageAttribute(key, QJsonValue(), false);
            m_attributes.remove(key);
        }
        setControlAttributes(attributes, true, 0);
        target = this;
    } else {
        const bool stillThere = preferred && preferred != this && containsControl(nClass, preferred)
                                && preferred->getName() == name;
        target = stillThere ? preferred : findControl(nClass, name);
        if (!target)
            return;
        for (const QString &key : removedKeys) {
            // Through a null first, so the control's mirror of the key goes
            // back to its empty value too.
            target->setAttribute(key, QJsonValue(), false);
            target->removeAttribute(key);
        }
        target->setAttributes(attributes, true, false);
        if (attributes.contains(QLatin1String("name")) || removedKeys.contains(QLatin1String("name")))
            m_nameIndexValid = false;
        // Composite kinds restyle or rebuild by the keys that changed; a key
        // taken out reaches them as null.
        QJsonObject applied = attributes;
        for (const QString &key : removedKeys)
            applied.insert(key, QJsonValue());
        target->applyAttributes(applied);
    }
    // An undo or redo after a save changes what the file holds: saving and
    // closing must not take the page for unchanged.
    if (!attributes.isEmpty() || !removedKeys.isEmpty())
        m_modified = true;
    if (panelMode == 0)
        return;
    if (panelMode == 1)
        GlobalManager::instance()->refreshProperty(m_pageInfo.file, target, target->getType(),
                                                   target->attributes());
    else
        GlobalManager::instance()->showProperty(m_pageInfo.file, target, target->getType(),
                                                target->attributes());
}

void UIPage::undo()
{
    Guard guard(this);
    if (!guard.isHeld())
        return;
    m_undoStack->undo();
}

void UIPage::redo()
{
    Guard guard(this);
    if (!guard.isHeld())
        return;
    m_undoStack->redo();
}
