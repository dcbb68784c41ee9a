#include "expagewidget.h"

#include "preview/exlistbuilder.h"

void ExPageWidget::createListView(const QJsonObject &record, int typeId)
{
    ExListBuilder builder(this, reader(), m_listMode, false);
    for (const CtrlElement &element : builder.build(typeId, record))
        addElement(element);
    m_connectFailures += builder.connectFailures();
}
