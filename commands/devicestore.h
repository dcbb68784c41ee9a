#pragma once

#include "core/filewrite.h"
#include "core/midctrlrecord.h"

#include <QString>
#include <QVector>

// The open project's central-control devices as the device editor reads and
// hands them back. The application keeps the list and its file and installs
// itself here; until it does, the store is empty and writes nothing.
class DeviceStore
{
public:
    static DeviceStore *instance();
    // Null puts the empty store back.
    static void install(DeviceStore *store);

    virtual const QVector<MidCtrlRecord> &midCtrls() const = 0;
    virtual void setMidCtrls(const QVector<MidCtrlRecord> &records) = 0;
    // Writes the list into the open project's folder. Says nothing: the
    // outcome tells the editor why it may not or could not.
    virtual FileWrite saveMidCtrls() = 0;
    // Writes a list into a project folder; the list held is not touched.
    virtual FileWrite writeMidCtrls(const QString &folder, const QVector<MidCtrlRecord> &records) = 0;

protected:
    ~DeviceStore() = default;
};
