#include "plaincontrols.h"

namespace {

// Id 142 has no class of its own; its control keeps reporting 140.
const int kWallGridSettingId = 142;

struct PlainKindRow {
    PlainKindInfo info;
    UIBase *(*create)(QWidget *parent);
};

template <typename Kind>
UIBase *createKind(QWidget *parent)
{
    return new Kind(parent);
}

#define BRIVANE_PLAIN_ROW(Class, Id, Tag) {{Id, #Class, Tag}, &createKind<Class>},

const PlainKindRow kPlainKindRows[] = {
    BRIVANE_PLAIN_KINDS(BRIVANE_PLAIN_ROW)
    BRIVANE_PLAIN_KINDS_SHARED_META(BRIVANE_PLAIN_ROW)
};

#undef BRIVANE_PLAIN_ROW

const PlainKindRow *findRow(int typeId)
{
    if (typeId == kWallGridSettingId)
        typeId = UIGridSettingButton::kTypeId;
    for (const PlainKindRow &row : kPlainKindRows) {
        if (row.info.typeId == typeId)
            return &row;
    }
    return nullptr;
}

} // namespace

const QVector<PlainKindInfo> &plainKinds()
{
    static const QVector<PlainKindInfo> kinds = [] {
        QVector<PlainKindInfo> rows;
        for (const PlainKindRow &row : kPlainKindRows)
            rows.append(row.info);
        return rows;
    }();
    return kinds;
}

bool isPlainKind(int typeId)
{
    return findRow(typeId) != nullptr;
}

UIBase *createPlainControl(int typeId, QWidget *parent)
{
    const PlainKindRow *row = findRow(typeId);
    return row ? row->create(parent) : nullptr;
}
