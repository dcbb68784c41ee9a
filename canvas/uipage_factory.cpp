#include "uipage.h"

#include "canvas/controlfactory.h"

#include <QJsonValue>

namespace {

UIBase *makeControl(UIPage *page, int nClass, const QString &typeName,
                    const QJsonObject &attributes, bool markModified, quint64 id = 0)
{
    UIBase *control = ControlFactory::construct(nClass, typeName, page);
    if (!control)
        return nullptr;
    control->setControlId(id);
    control->setFileDir(page->fileDir());
    // The zoom goes first, so the first geometry already uses it.
    control->setScaleValue(page->getScale());
    control->setAttributes(attributes, true, false);
    control->buildLayout();
    page->registerControl(nClass, control, markModified);
    return control;
}

} // namespace

UIBase *UIPage::createControl(int nClass, QJsonObject attributes, quint64 id)
{
    const QString name = typeName(nClass);
    if (nClass == kPageTypeId || name.isEmpty())
        return nullptr;
    // Without its "type" the control would be dropped when the file is read.
    if (!attributes.value(QLatin1String("type")).isString())
        attributes.insert(QStringLiteral("type"), name);
    return makeControl(this, nClass, name, attributes, true, id);
}

int UIPage::createControlFromJson(QJsonObject &object)
{
    const QJsonValue type = object.value(QLatin1String("type"));
    if (type.isUndefined())
        return -1;
    if (!type.isString())
        return -2;
    const int nClass = typeId(type.toString());
    if (nClass < 0 || nClass == kPageTypeId)
        return 0;
    makeControl(this, nClass, typeName(nClass), object, false);
    return 0;
}
