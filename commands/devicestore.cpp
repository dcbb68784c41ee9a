#include "devicestore.h"

#include "core/serviceslot.h"

namespace {

class EmptyDeviceStore final : public DeviceStore
{
public:
    const QVector<MidCtrlRecord> &midCtrls() const override { return m_none; }
    void setMidCtrls(const QVector<MidCtrlRecord> &) override {}
    // No project folder to write into.
    FileWrite saveMidCtrls() override { return FileWrite(QString(), FileWrite::FolderMissing); }
    FileWrite writeMidCtrls(const QString &folder, const QVector<MidCtrlRecord> &) override
    {
        return FileWrite(folder, FileWrite::FolderMissing);
    }

private:
    const QVector<MidCtrlRecord> m_none;
};

using Slot = ServiceSlot<DeviceStore, EmptyDeviceStore>;

} // namespace

DeviceStore *DeviceStore::instance()
{
    return Slot::get();
}

void DeviceStore::install(DeviceStore *store)
{
    Slot::install(store);
}
