// RunGamblerDialog: the gambler list run modally over the manager's owner window.
#pragma once

#include "platform/host/Types.h"

class TPlayerMgr;

void RunGamblerDialog(TPlayerMgr& mgr, u32 help);
