#include "cmdrowitem.h"

CmdRowItem::CmdRowItem(const QString &text, std::unique_ptr<CmdUserData> userData)
    : QTableWidgetItem(text, QTableWidgetItem::UserType)
    , m_userData(std::move(userData))
{
    setData(Qt::UserRole, qint64(reinterpret_cast<quintptr>(m_userData.get())));
}

CmdRowItem::~CmdRowItem() = default;
