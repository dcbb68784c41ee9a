#include "gridtemplatestore.h"

#include "core/serviceslot.h"

namespace {

class EmptyGridTemplateStore final : public GridTemplateStore
{
public:
    const QJsonArray &gridTemplates() const override { return m_none; }
    bool loadGridTemplates() override { return false; }
    FileWrite saveGridTemplates(QJsonArray) override { return FileWrite(QString(), FileWrite::Failed); }
    QString gridTemplatePath() const override { return QString(); }

private:
    const QJsonArray m_none;
};

using Slot = ServiceSlot<GridTemplateStore, EmptyGridTemplateStore>;

} // namespace

GridTemplateStore *GridTemplateStore::instance()
{
    return Slot::get();
}

void GridTemplateStore::install(GridTemplateStore *store)
{
    Slot::install(store);
}
