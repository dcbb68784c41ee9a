#include "uipage.h"

#include "canvas/alignment.h"
#include "canvas/editcommand.h"
#include "core/notifier.h"

#include <QUndoStack>

void UIPage::alignControls(int operation)
{
    const QList<UIBase *> selected = selection();
    QVector<QJsonObject> objects;
    objects.reserve(selected.size());
    for (const UIBase *control : selected)
        objects.append(control->attributes());

    const Alignment::Plan plan = Alignment::plan(operation, objects, m_attributes);
    if (plan.status == Alignment::Plan::NoValidControl) {
        Notifier::information(nullptr, tr("提示"), tr("找不到合法的控件"));
    } else if (plan.status == Alignment::Plan::Apply) {
        Guard guard(this);
        if (guard.isHeld()) {
            // One step per control, so the alignment is undone control by control.
            for (const Alignment::Change &change : plan.changes) {
                UIBase *control = selected.at(change.index);
                m_undoStack->push(new EditCommand(this, classOf(control), 1, control,
                                                  objects.at(change.index), change.attributes));
            }
        }
    }
    m_modified = true;
}

void UIPage::raiseControl(bool toTop)
{
    UIBase *control = m_lastSelected;
    if (!control || control == this)
        return;
    {
        Guard guard(this);
        if (guard.isHeld()) {
            if (toTop)
                control->raise();
            else
                control->lower();
        }
    }
    m_modified = true;
}
