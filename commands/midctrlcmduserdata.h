#pragma once

#include "core/midctrlrecord.h"

#include <QObject>

// The record behind one row of the device editor's command table: a copy of
// one command of the device on show.
class MidCtrlCmdUserData : public QObjectUserData
{
public:
    explicit MidCtrlCmdUserData(const MidCtrlCmdRecord &record) : m_record(record) {}
    ~MidCtrlCmdUserData() override;

    const MidCtrlCmdRecord &record() const { return m_record; }
    void setRecord(const MidCtrlCmdRecord &record) { m_record = record; }

private:
    MidCtrlCmdRecord m_record;
};
