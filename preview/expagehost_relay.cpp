#include "expagehost.h"

#include "preview/exaudiomodebutton.h"
#include "preview/exqbutton.h"

namespace {

// Run-time ids of the kinds the selection slots group.
const int kCmdButtonId = 6;
const int kMoreCmdButtonId = 11;
const int kPreLayoutModeButtonId = 18;
const int kAudioModeButtonId = 44;
const int kSourceModeButtonId = 45;
// Any group: the mode kinds select among all buttons of their kind.
const int kAnyGroup = -1;

} // namespace

void ExPageHost::selectAmong(const QObject *sender, int typeId, int groupId)
{
    for (const CtrlElement &element : qAsConst(m_ctrlElement)) {
        if (element.elementType != typeId)
            continue;
        auto *button = qobject_cast<ExQButton *>(element.widget);
        if (!button || (groupId != kAnyGroup && button->groupId() != groupId))
            continue;
        button->onSelect(button == sender);
    }
}

void ExPageHost::slotCmdButtonSelect()
{
    auto *button = qobject_cast<ExQButton *>(sender());
    if (!button)
        return;
    if (button->selfLocking() != 0) {
        button->onSelect(!button->isSelected());
        return;
    }
    if (button->groupId() >= 1)
        selectAmong(button, kCmdButtonId, button->groupId());
}

void ExPageHost::slotMoreCmdButtonSelect()
{
    auto *button = qobject_cast<ExQButton *>(sender());
    if (button && button->groupId() >= 1)
        selectAmong(button, kMoreCmdButtonId, button->groupId());
}

void ExPageHost::slotAudioModeSelect()
{
    auto *button = qobject_cast<ExAudioModeButton *>(sender());
    if (!button)
        return;
    const int mode = button->mode();
    emit signalAudioModeChange(mode < 0 || mode > 2 ? 0 : mode);
    selectAmong(button, kAudioModeButtonId, kAnyGroup);
}

void ExPageHost::slotPreLayoutModeSelect()
{
    if (const QObject *button = sender())
        selectAmong(button, kPreLayoutModeButtonId, kAnyGroup);
}

void ExPageHost::slotSourceModeSelect()
{
    if (const QObject *button = sender())
        selectAmong(button, kSourceModeButtonId, kAnyGroup);
}

void ExPageHost::slotOnWallChange(int wallType, int wallID)
{
    m_wallType = wallType;
    m_wallID = wallID;
    emit signalWallChange(wallType, wallID);
}
