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
        m_id = control->controlId();
    }
}

DeleteCommand::~DeleteCommand() = default;

void DeleteCommand::redo()
{
    if (!m_page)
        return;
    m_page->removeControl(m_nClass, m_page->controlById(m_nClass, m_id));
    m_control = nullptr;
}

void DeleteCommand::undo()
{
    if (!m_page)
        return;
    // An object kept from a null control would make a control of nothing.
    if (m_attributes.isEmpty())
        return;
    m_control = m_page->createControl(m_nClass, m_attributes, m_id);
    // The page gives another identity only where this one was taken.
    if (m_control)
        m_id = m_control->controlId();
}
