#include "pageservices.h"

#include "core/serviceslot.h"

namespace {

class SilentPageServices final : public PageServices
{
public:
    void showProperty(const QString &, QWidget *, int, const QJsonObject &) override {}
    void fillProperty(QWidget *, int, const QJsonObject &) override {}
    void hideProperty() override {}
    QWidget *propertyControl() const override { return nullptr; }
    void forgetControl(QWidget *) override {}
    void addControlItem(int, const QString &, quint64) override {}
    void removeControlItem(int, const QString &, quint64) override {}
    QWidget *currentPageWidget() const override { return nullptr; }
    void resetZoom() override {}
    int dropClass() const override { return -1; }
    // No project: no entry to write, none that failed.
    bool updatePageEntry(PageInfo) override { return true; }
};

using Slot = ServiceSlot<PageServices, SilentPageServices>;

} // namespace

PageServices *PageServices::instance()
{
    return Slot::get();
}

void PageServices::install(PageServices *services)
{
    Slot::install(services);
}
