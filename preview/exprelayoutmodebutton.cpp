#include "exprelayoutmodebutton.h"

ExPreLayoutModeButton::ExPreLayoutModeButton(QWidget *parent)
    : ExQButton(parent)
{
}

ExPreLayoutModeButton::~ExPreLayoutModeButton() = default;

void ExPreLayoutModeButton::onGetModeData(int mode)
{
    onSelect(m_mode == mode);
}

void ExPreLayoutModeButton::onModeChange(int group, int mode)
{
    if (group == groupId())
        onSelect(m_mode == mode);
}
