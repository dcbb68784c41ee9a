#pragma once

#include "preview/exqbutton.h"

// A pre-layout mode of a wall; selected while its mode is the current one.
class ExPreLayoutModeButton : public ExQButton
{
    Q_OBJECT

public:
    explicit ExPreLayoutModeButton(QWidget *parent = nullptr);
    ~ExPreLayoutModeButton() override;

    int mode() const { return m_mode; }
    void setMode(int mode) { m_mode = mode; }

public slots:
    void onGetModeData(int mode);
    void onModeChange(int group, int mode);

private:
    int m_mode = 0;
};
