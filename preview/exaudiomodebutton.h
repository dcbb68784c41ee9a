#pragma once

#include "preview/exqbutton.h"

// An audio mode of the walls; selected while its mode is the current one.
class ExAudioModeButton : public ExQButton
{
    Q_OBJECT

public:
    explicit ExAudioModeButton(QWidget *parent = nullptr);
    ~ExAudioModeButton() override;

    int mode() const { return m_mode; }
    void setMode(int mode) { m_mode = mode; }

public slots:
    void onGetAudioModeData(int audio_mode);

private:
    int m_mode = 0;
};
