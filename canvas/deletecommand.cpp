#include "deletecommand.h"

#include "canvas/uipage.h"

DeleteCommand::DeleteCommand(UIPage *page, int nClass, UIBase *control, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_nClass(nClass)
    , m_control(control)
{
    if (control) {
        m_attributes = control->attributes();
        m_name = control->getName();
    }
}

DeleteCommand::~DeleteCommand() = default;

void DeleteCommand::redo()
{
    if (!m_page)
        return;
    UIBase *target = m_control;
    if (!target || !m_page->containsControl(m_nClass, target))
        target = m_page->findControl(m_nClass, m_name);
    m_page->removeControl(m_nClass, target);
    m_control = nullptr;
}

void DeleteCommand::undo()
{
    if (!m_page)
        return;
    // An object kept from a null control would make a control of nothing.
    if (m_attributes.isEmpty())
        return;
    m_control = m_page->createControl(m_nClass, m_attributes);
}
