#include "compositecontrols.h"

#include "controls/uiaudiomatrixwidget.h"
#include "controls/uiaudiovolumewidget.h"
#include "controls/uicmdprogress.h"
#include "controls/uicmdstatusbutton.h"
#include "controls/uiloginwidget.h"
#include "controls/uimeetingbutton.h"
#include "controls/uiplacewidget.h"
#include "controls/uipptbuttonlistwidget.h"
#include "controls/uiplaybuttonlistwidget.h"
#include "controls/uiprelayoutswitchbutton.h"
#include "controls/uipreviewwidget.h"
#include "controls/uiscenelistwidget.h"
#include "controls/uiscreenbuttonlistwidget.h"
#include "controls/uisearchwidget.h"
#include "controls/uivideoprogress.h"

namespace {

struct CompositeKindRow {
    CompositeKindInfo info;
    UIBase *(*create)(QWidget *parent);
};

template <typename Kind>
UIBase *createKind(QWidget *parent)
{
    return new Kind(parent);
}

#define BRIVANE_COMPOSITE_ROW(Class) {{Class::kTypeId, #Class, Class::kClassTag}, &createKind<Class>}

const CompositeKindRow kCompositeRows[] = {
    BRIVANE_COMPOSITE_ROW(UILoginWidget),
    BRIVANE_COMPOSITE_ROW(UIPlaceWidget),
    BRIVANE_COMPOSITE_ROW(UISearchWidget),
    BRIVANE_COMPOSITE_ROW(UISceneListWidget),
    BRIVANE_COMPOSITE_ROW(UIPreviewWidget),
    BRIVANE_COMPOSITE_ROW(UIPreLayoutSwitchButton),
    BRIVANE_COMPOSITE_ROW(UICmdStatusButton),
    BRIVANE_COMPOSITE_ROW(UICmdProgress),
    BRIVANE_COMPOSITE_ROW(UIScreenButtonListWidget),
    BRIVANE_COMPOSITE_ROW(UIPlayButtonListWidget),
    BRIVANE_COMPOSITE_ROW(UIPPTButtonListWidget),
    BRIVANE_COMPOSITE_ROW(UIAudioVolumeWidget),
    BRIVANE_COMPOSITE_ROW(UIVideoProgress),
    BRIVANE_COMPOSITE_ROW(UIAudioMatrixWidget),
    BRIVANE_COMPOSITE_ROW(UIMeetingButton),
};

#undef BRIVANE_COMPOSITE_ROW

const CompositeKindRow *findRow(int typeId)
{
    for (const CompositeKindRow &row : kCompositeRows) {
        if (row.info.typeId == typeId)
            return &row;
    }
    return nullptr;
}

} // namespace

const QVector<CompositeKindInfo> &compositeKinds()
{
    static const QVector<CompositeKindInfo> kinds = [] {
        QVector<CompositeKindInfo> rows;
        for (const CompositeKindRow &row : kCompositeRows)
            rows.append(row.info);
        return rows;
    }();
    return kinds;
}

bool isCompositeKind(int typeId)
{
    return findRow(typeId) != nullptr;
}

UIBase *createCompositeControl(int typeId, QWidget *parent)
{
    const CompositeKindRow *row = findRow(typeId);
    return row ? row->create(parent) : nullptr;
}
