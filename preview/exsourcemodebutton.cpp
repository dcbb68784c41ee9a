#include "exsourcemodebutton.h"

ExSourceModeButton::ExSourceModeButton(QWidget *parent)
    : ExQButton(parent)
{
}

ExSourceModeButton::~ExSourceModeButton() = default;

void ExSourceModeButton::onGetSourceModeData(int mode)
{
    onSelect(m_mode == mode);
}

void ExSourceModeButton::onSourceModeChange(int group, int mode)
{
    if (group == groupId())
        onSelect(m_mode == mode);
}
