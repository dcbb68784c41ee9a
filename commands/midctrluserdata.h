#pragma once

#include "core/midctrlrecord.h"

#include <QObject>

// The record behind one row of the device table: a device with its commands.
class MidCtrlUserData : public QObjectUserData
{
public:
    explicit MidCtrlUserData(const MidCtrlRecord &record) : m_record(record) {}
    ~MidCtrlUserData() override;

    MidCtrlRecord record() const { return m_record; }
    void setRecord(const MidCtrlRecord &record) { m_record = record; }

private:
    MidCtrlRecord m_record;
};
