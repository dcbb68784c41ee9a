#include "uipage.h"

#include "canvas/addcommand.h"
#include "canvas/editcommand.h"
#include "canvas/editrules.h"
#include "canvas/pageservices.h"
#include "canvas/pageshared.h"

#include <QDebug>
#include <QJsonDocument>
#include <QUndoStack>

void UIPage::setLatch(int selfLocking, bool interlock)
{
    Guard guard(this);
    if (!guard.isHeld())
        return;
    int group = 0;
    if (interlock) {
        QSet<int> groupsInUse;
        for (const QList<UIBase *> &list : qAsConst(m_controls)) {
            for (const UIBase *control : list)
                groupsInUse.insert(control->groupId());
        }
        // Taken once, so every selected control joins the same new group.
        group = EditRules::nextGroupId(PageShared::instance().maxGroupId(), groupsInUse);
    }
    const QList<UIBase *> selected = selection();
    for (UIBase *control : selected) {
        if (control == this)
            continue;
        const QJsonObject oldAttributes = control->attributes();
        m_undoStack->push(new EditCommand(this, classOf(control), 1, control, oldAttributes,
                                          EditRules::latched(oldAttributes, selfLocking, group)));
    }
    if (interlock && !selected.isEmpty())
        PageShared::instance().updateMaxGroupId(group);
    m_modified = true;
}

void UIPage::selfLock()
{
    setLatch(1, false);
}

void UIPage::unlock()
{
    setLatch(0, false);
}

void UIPage::allLock()
{
    setLatch(0, true);
}

void UIPage::copyControl()
{
    if (selection().isEmpty())
        return;
    Guard guard(this);
    if (guard.isHeld())
        fillClipboard(selection());
}

void UIPage::fillClipboard(const QList<UIBase *> &controls)
{
    QVector<QPointer<QWidget>> copied;
    for (UIBase *control : controls)
        copied.append(control);
    PageShared::instance().setClipboard(this, copied);
}

void UIPage::pasteControl()
{
    const QVector<QPointer<QWidget>> copied = PageShared::instance().clipboard();
    if (copied.isEmpty())
        return;
    Guard guard(this);
    if (!guard.isHeld())
        return;
    for (const QPointer<QWidget> &entry : copied) {
        // A copied control that has gone, or that its page no longer holds
        // (deleted, waiting for its deferred deletion), is skipped.
        auto *control = qobject_cast<UIBase *>(entry.data());
        auto *source = control ? qobject_cast<UIPage *>(control->parentWidget()) : nullptr;
        if (!source)
            continue;
        const int nClass = source->classOf(control);
        if (!source->containsControl(nClass, control))
            continue;
        const QJsonObject json = EditRules::pasted(control->attributes(), typeName(nClass),
                                                   nextWidgetIndex(nClass));
        qDebug() << "PasteControl " << json.value(QLatin1String("name")).toString();
        m_undoStack->push(new AddCommand(this, nClass, json));
    }
}

bool UIPage::setFormatPainter()
{
    if (!m_lastSelected)
        return false;
    m_formatPainter = !m_formatPainter;
    m_painterSource = m_formatPainter ? m_lastSelected : nullptr;
    return true;
}

void UIPage::applyFormatPainter(int nClass, const QJsonObject &attributes)
{
    Q_UNUSED(attributes)
    UIBase *source = m_painterSource;
    UIBase *target = m_lastSelected;
    if (!m_formatPainter || !source || !target || target == source || source == this
        || target == this || source->classTag() != target->classTag())
        return;
    const QJsonObject json = EditRules::painted(source->attributes(), target->attributes());
    qDebug().noquote() << "class:" << classOf(source) << "type:" << target->classTag() << "format :"
                       << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
    PageServices::instance()->fillProperty(target, nClass, json);
    // Through the control's signal: one undoable step per painted control.
    target->setAttributes(json, true, true);
}
