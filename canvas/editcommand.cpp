#include "editcommand.h"

#include "canvas/uipage.h"

#include <QJsonValue>

namespace {

// The keys of `to` that `from` lacks or holds with another value.
QJsonObject changedKeys(const QJsonObject &from, const QJsonObject &to)
{
    QJsonObject changes;
    for (auto it = to.constBegin(); it != to.constEnd(); ++it) {
        const auto found = from.constFind(it.key());
        if (found == from.constEnd() || found.value() != it.value())
            changes.insert(it.key(), it.value());
    }
    return changes;
}

QStringList droppedKeys(const QJsonObject &from, const QJsonObject &to)
{
    QStringList keys;
    for (auto it = from.constBegin(); it != from.constEnd(); ++it) {
        if (!to.contains(it.key()))
            keys.append(it.key());
    }
    return keys;
}

} // namespace

EditCommand::EditCommand(UIPage *page, int nClass, int panelMode, UIBase *control,
                         const QJsonObject &oldAttributes, const QJsonObject &newAttributes,
                         QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_nClass(nClass)
    , m_oldAttributes(oldAttributes)
    , m_newAttributes(newAttributes)
    , m_panelMode(panelMode)
    , m_control(control)
{
    if (control)
        m_name = control->getName();
    const QJsonValue renamed = newAttributes.value(QLatin1String("name"));
    m_nameAfter = renamed.isUndefined() ? m_name : renamed.toString();
}

EditCommand::~EditCommand() = default;

// Only the keys that the step changes are applied: a whole object would also
// undo what happened outside the stack meanwhile (a zoom, a new page size).
// While every change goes through the stack both give the same object.
void EditCommand::redo()
{
    if (!m_page)
        return;
    m_page->updateControl(m_nClass, m_panelMode, m_name, changedKeys(m_oldAttributes, m_newAttributes),
                          droppedKeys(m_oldAttributes, m_newAttributes), m_control);
}

void EditCommand::undo()
{
    if (!m_page)
        return;
    m_page->updateControl(m_nClass, m_panelMode, m_nameAfter,
                          changedKeys(m_newAttributes, m_oldAttributes),
                          droppedKeys(m_newAttributes, m_oldAttributes), m_control);
}
