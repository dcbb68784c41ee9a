#include "midctrluserdata.h"

MidCtrlUserData::~MidCtrlUserData() = default;
