#include "uipage.h"

#include "canvas/cmdlists.h"
#include "canvas/editcommand.h"
#include "canvas/pageshared.h"

#include <QUndoStack>

void UIPage::copyCmd()
{
    Guard guard(this);
    if (!guard.isHeld())
        return;
    UIBase *control = m_lastSelected;
    if (!control || control == this || !CmdLists::isCommandKind(classOf(control)))
        return;
    PageShared::instance().setCmdClipboard(control->attributes());
}

void UIPage::pasteCmd()
{
    Guard guard(this);
    if (!guard.isHeld())
        return;
    const QJsonObject clipboard = PageShared::instance().cmdClipboard();
    for (UIBase *control : selection()) {
        const int nClass = classOf(control);
        if (!CmdLists::isCommandKind(nClass))
            continue;
        const QJsonObject oldAttributes = control->attributes();
        QJsonObject newAttributes = oldAttributes;
        pasteCmdLists(newAttributes, clipboard);
        // A paste that changed a list must reach the next save.
        if (newAttributes != oldAttributes)
            m_modified = true;
        m_undoStack->push(new EditCommand(this, nClass, 1, control, oldAttributes, newAttributes));
    }
}

void UIPage::pasteCmdLists(QJsonObject &target, QJsonObject clipboard)
{
    CmdLists::pasteLists(target, clipboard);
}

void UIPage::replaceArgsCmd(CMD_BTN_ARGS args)
{
    Guard guard(this);
    if (!guard.isHeld())
        return;
    for (UIBase *control : selection()) {
        const int nClass = classOf(control);
        if (!CmdLists::isReplaceKind(nClass))
            continue;
        const QJsonObject oldAttributes = control->attributes();
        QJsonObject newAttributes = oldAttributes;
        if (CmdLists::replaceArgs(newAttributes, args))
            m_modified = true;
        m_undoStack->push(new EditCommand(this, nClass, 1, control, oldAttributes, newAttributes));
    }
}

void UIPage::applyCmdArgs(QJsonObject &command, CMD_BTN_ARGS args)
{
    CmdLists::applyArgs(command, args);
}
