#include "propdata.h"

PropData::PropData(int nClass, int nRow, const QString &key, const QJsonObject &obj, const QJsonArray &arr)
    : nClass(nClass)
    , nRow(nRow)
    , key(key)
    , obj(obj)
    , arr(arr)
{
}

PropData::~PropData() = default;

// The record rides on the widget as user data under the fixed id 256, which
// Qt 5 still keeps though it points new code at properties.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

PropData *PropData::of(const QObject *widget)
{
    return widget ? static_cast<PropData *>(widget->userData(kUserDataId)) : nullptr;
}

PropData *PropData::attach(QObject *widget, int nClass, int nRow, const QString &key,
                           const QJsonObject &obj, const QJsonArray &arr)
{
    PropData *previous = of(widget);
    auto *data = new PropData(nClass, nRow, key, obj, arr);
    // The widget deletes the record it holds when it goes, but not one that
    // is replaced.
    widget->setUserData(kUserDataId, data);
    delete previous;
    return data;
}

QT_WARNING_POP
