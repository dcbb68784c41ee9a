#include "expagehost.h"

#include "preview/exlistbuilder.h"

void ExPageHost::createListView(const QJsonObject &record, int typeId)
{
    ExListBuilder builder(this, reader(), m_listMode, isPopup());
    for (const CtrlElement &element : builder.build(typeId, record))
        addElement(element);
    m_connectFailures += builder.connectFailures();
    m_rowsTaken += builder.rowsTaken();
}
