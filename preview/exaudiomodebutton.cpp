#include "exaudiomodebutton.h"

ExAudioModeButton::ExAudioModeButton(QWidget *parent)
    : ExQButton(parent)
{
}

ExAudioModeButton::~ExAudioModeButton() = default;

void ExAudioModeButton::onGetAudioModeData(int audio_mode)
{
    onSelect(m_mode == audio_mode);
}
