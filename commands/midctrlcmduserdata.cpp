#include "midctrlcmduserdata.h"

MidCtrlCmdUserData::~MidCtrlCmdUserData() = default;
