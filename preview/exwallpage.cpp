#include "exwallpage.h"

ExWallPage::ExWallPage(int wallType, int wallId, QWidget *parent)
    : QWidget(parent)
    , m_wallType(wallType)
    , m_wallId(wallId)
{
}
