#pragma once

#include "preview/exqbutton.h"

// A source mode; selected while its mode is the current one.
class ExSourceModeButton : public ExQButton
{
    Q_OBJECT

public:
    explicit ExSourceModeButton(QWidget *parent = nullptr);
    ~ExSourceModeButton() override;

    int mode() const { return m_mode; }
    void setMode(int mode) { m_mode = mode; }

public slots:
    void onGetSourceModeData(int mode);
    void onSourceModeChange(int group, int mode);

private:
    int m_mode = 0;
};
