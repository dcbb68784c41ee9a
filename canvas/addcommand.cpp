#include "addcommand.h"

#include "canvas/uipage.h"

AddCommand::AddCommand(UIPage *page, int nClass, const QJsonObject &attributes, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_nClass(nClass)
    , m_id(UIPage::newControlId())
    , m_attributes(attributes)
{
}

AddCommand::~AddCommand() = default;

void AddCommand::redo()
{
    if (!m_page)
        return;
    m_control = m_page->createControl(m_nClass, m_attributes, m_id);
    // The page gives another identity only where this one was taken.
    if (m_control)
        m_id = m_control->controlId();
}

void AddCommand::undo()
{
    if (!m_page)
        return;
    m_page->removeControl(m_nClass, m_page->controlById(m_nClass, m_id));
    m_control = nullptr;
}
