#include "uipage.h"

#include "canvas/addcommand.h"
#include "canvas/deletecommand.h"
#include "canvas/editcommand.h"
#include "canvas/pageservices.h"
#include "canvas/pageshared.h"
#include "core/jsonutils.h"

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
    PageServices *services = PageServices::instance();
    // The property editor does not go on showing a control that is gone.
    if (services->propertyControl() == control)
        services->hideProperty();
    services->forgetControl(control);
    PageShared::instance().forgetControl(control);
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
    m_byId.remove(control->controlId());
    forgetControl(control);
    // The control tree shows the current page only; this is the one place
    // that takes a control's item out, so a twin of the same name keeps its own.
    if (PageServices::instance()->currentPageWidget() == this)
        PageServices::instance()->removeControlItem(nClass, control->getName(), control->controlId());
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
    PageServices::instance()->forgetControl(control);
    PageShared::instance().forgetControl(control);
    if (m_lastSelected == control) {
        m_lastSelected = nullptr;
        PageServices::instance()->hideProperty();
    }
    m_undoStack->push(new DeleteCommand(this, nClass, control));
    m_modified = true;
}

void UIPage::updateControl(int nClass, int panelMode, quint64 id, const QJsonObject &state)
{
    UIBase *target = nClass == kPageTypeId ? this : controlById(nClass, id);
    if (!target)
        return;
    QJsonObject changed;
    if (target == this) {
        changed = replacePageState(state);
    } else {
        changed = target->replaceAttributes(state);
        // Composite kinds restyle or rebuild by the keys that changed; a key
        // taken out reaches them as null.
        target->applyAttributes(changed);
    }
    // An undo or redo after a save changes what the file holds: saving and
    // closing must not take the page for unchanged.
    if (!changed.isEmpty())
        m_modified = true;
    if (panelMode == 0)
        return;
    if (panelMode == 1)
        emit controlAttributesChanged(target);
    else
        PageServices::instance()->showProperty(m_pageInfo.file, target, target->getType(),
                                               target->attributes());
}

QJsonObject UIPage::replacePageState(const QJsonObject &state)
{
    const QJsonObject changed = jsonChanges(m_attributes, state);
    for (auto it = changed.constBegin(); it != changed.constEnd(); ++it) {
        if (state.contains(it.key()))
            continue;
        // A page object without "editScale" shows at 1.0, as when it opens.
        if (it.key() == QLatin1String("editScale"))
            applyZoom(1.0);
        else
            setPageAttribute(it.key(), QJsonValue(), false);
        m_attributes.remove(it.key());
    }
    for (auto it = changed.constBegin(); it != changed.constEnd(); ++it) {
        if (state.contains(it.key()))
            setPageAttribute(it.key(), it.value(), false);
    }
    update();
    return changed;
}

void UIPage::rewriteSteps(const std::function<void(int nClass, QJsonObject &state)> &rewrite)
{
    auto rewriteFilled = [&rewrite](int nClass, QJsonObject &state) {
        // An empty state stands for "nothing to make"; it stays empty.
        if (!state.isEmpty())
            rewrite(nClass, state);
    };
    for (int i = 0; i < m_undoStack->count(); ++i) {
        // The stack hands its steps out read-only; they are ours, made by new.
        auto *step = const_cast<QUndoCommand *>(m_undoStack->command(i));
        if (auto *edit = dynamic_cast<EditCommand *>(step))
            edit->rewriteStates(rewriteFilled);
        else if (auto *add = dynamic_cast<AddCommand *>(step))
            add->rewriteState(rewriteFilled);
        else if (auto *removal = dynamic_cast<DeleteCommand *>(step))
            removal->rewriteState(rewriteFilled);
    }
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
