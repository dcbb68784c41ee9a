#pragma once

#include "controls/uibase.h"

#include <QString>

// A button bound to a meeting terminal. It draws as a plain control; only its
// two meeting keys are kept in shape.
class UIMeetingButton : public UIBase
{
    Q_OBJECT
public:
    static constexpr int kTypeId = 164;
    static constexpr const char kClassTag[] = "meetingbutton";

    explicit UIMeetingButton(QWidget *parent = nullptr);

    void applyAttributes(const QJsonObject &applied) override;

private:
    // Kept for the panel's sake; nothing on the canvas reads them.
    QString m_vendorName;
    QString m_terminalAddress;
};
