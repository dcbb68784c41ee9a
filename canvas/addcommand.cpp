#include "addcommand.h"

#include "canvas/uipage.h"

AddCommand::AddCommand(UIPage *page, int nClass, const QJsonObject &attributes, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_nClass(nClass)
    , m_attributes(attributes)
{
}

AddCommand::~AddCommand() = default;

void AddCommand::redo()
{
    if (!m_page)
        return;
    m_control = m_page->createControl(m_nClass, m_attributes);
}

void AddCommand::undo()
{
    if (!m_page)
        return;
    UIBase *target = m_control;
    if (!target || !m_page->containsControl(m_nClass, target))
        target = m_page->findControl(m_nClass, m_attributes.value(QLatin1String("name")).toString());
    m_page->removeControl(m_nClass, target);
    m_control = nullptr;
}
