// TOTCrapsMenuEnable: the go-to-table flag follows the casino's extra flag.
#include "CrapsMenuEnable.h"

TOTCrapsMenuEnable::TOTCrapsMenuEnable(bool all) : TCasinoMenuEnable(all) {
    CurrentModeId = NoModeYet;
}

void TOTCrapsMenuEnable::SetAllExtra(bool enable) {
    TCasinoMenuEnable::SetAllExtra(enable);
    GoToCraps = enable;
}
