#pragma once

#include "commands/cmdrecord.h"

#include <QObject>

// The record behind one row of the command list editor.
class CmdUserData : public QObjectUserData
{
public:
    CmdUserData() = default;
    explicit CmdUserData(const CmdRecord &record) : m_record(record) {}
    ~CmdUserData() override;

    void setCmdRecord(CmdRecord record) { m_record = record; }
    const CmdRecord &cmdRecord() const { return m_record; }

private:
    CmdRecord m_record;
};
