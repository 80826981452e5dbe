// TCasinoMenuEnable: the casino's menu flags on top of the engine's five.
#pragma once

#include "engine/framework/MenuEnable.h"

// A new enabler with all set has every command flag on and Extra off.
class TCasinoMenuEnable : public TJorpMenuEnable {
public:
    explicit TCasinoMenuEnable(bool all);

    // The casino's five command flags, then the engine's (which ends in SetAllExtra).
    void SetAll(bool enable) override;
    void SetAllExtra(bool enable) override;

    // "Create/Delete Gambler".
    bool PlayerMgr = false;
    // Kept for the table games; no casino command reads it.
    bool Spare = false;
    // The mode window's statistics, instruction-mode and game-lord commands.
    bool Statistics = false;
    bool InstructionMode = false;
    bool GameLordCommand = false;
    // Only SetAllExtra sets it; nothing in the casino reads it.
    bool Extra = false;
    // Reserved for the table games.
    u32 Word1 = 0;
    u32 Word2 = 0;
};
