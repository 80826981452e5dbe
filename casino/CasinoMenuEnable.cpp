// TCasinoMenuEnable: setting the casino's flags with the engine's.
#include "CasinoMenuEnable.h"

TCasinoMenuEnable::TCasinoMenuEnable(bool all) : TJorpMenuEnable(false) {
    if (all)
        TCasinoMenuEnable::SetAll(true);
    // Setting all reaches Extra through SetAllExtra, but a new enabler starts with it off.
    Extra = false;
    Word1 = 0;
    Word2 = 0;
}

void TCasinoMenuEnable::SetAll(bool enable) {
    PlayerMgr = enable;
    Spare = enable;
    Statistics = enable;
    InstructionMode = enable;
    GameLordCommand = enable;
    TJorpMenuEnable::SetAll(enable);
}

void TCasinoMenuEnable::SetAllExtra(bool enable) {
    Extra = enable;
    TJorpMenuEnable::SetAllExtra(enable);
}
