#include "cmduserdata.h"

CmdUserData::~CmdUserData() = default;
