#pragma once

#include "commands/cmduserdata.h"

#include <QTableWidgetItem>

#include <memory>

// The protocol cell of a command row. It owns the row's record, so the record
// goes with the row however the row leaves the table; its address is also
// kept under Qt::UserRole as a 64-bit integer.
class CmdRowItem : public QTableWidgetItem
{
public:
    CmdRowItem(const QString &text, std::unique_ptr<CmdUserData> userData);
    ~CmdRowItem() override;

    CmdUserData *userData() const { return m_userData.get(); }

private:
    std::unique_ptr<CmdUserData> m_userData;
};
