// TOTCrapsMenuEnable: the craps frame's menu flags: the casino's and the go-to-table flag.
#pragma once

#include "casino/CasinoMenuEnable.h"

class TOTCrapsMenuEnable : public TCasinoMenuEnable {
public:
    // The mode-file string of a mode no window of this program shows: no mode is current yet.
    static constexpr u16 NoModeYet = 10002;

    explicit TOTCrapsMenuEnable(bool all);

    void SetAllExtra(bool enable) override;

    // "Go To &Craps": off while the table is the current mode.
    bool GoToCraps = false;
};
