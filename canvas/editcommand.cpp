#include "editcommand.h"

#include "canvas/uipage.h"

EditCommand::EditCommand(UIPage *page, int nClass, int panelMode, UIBase *control,
                         const QJsonObject &oldAttributes, const QJsonObject &newAttributes,
                         QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_nClass(nClass)
    , m_oldAttributes(oldAttributes)
    , m_newAttributes(newAttributes)
    , m_panelMode(panelMode)
{
    if (control) {
        m_id = control->controlId();
        m_name = control->getName();
    }
}

EditCommand::~EditCommand() = default;

void EditCommand::redo()
{
    if (m_page)
        m_page->updateControl(m_nClass, m_panelMode, m_id, m_newAttributes);
}

void EditCommand::undo()
{
    if (m_page)
        m_page->updateControl(m_nClass, m_panelMode, m_id, m_oldAttributes);
}
