// Ledgers of the big 6 and 8 and of the hardways: one number against the seven.
#pragma once

#include "craps/bets/BetLedger.h"

class TBetBigLedger : public TCBetLedger {
public:
    TBetBigLedger(i16 number, i16 spotId) : TCBetLedger(bet_kind::Big, spotId), Number(number) {}
    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    i32 GetPayoutMultiplier() const override { return 1; }

private:
    i16 Number;
};

// Off on a come-out roll unless the seat's gambler lets hardways work then.
class TBetHardLedger : public TCBetLedger {
public:
    TBetHardLedger(i16 number, i16 spotId)
        : TCBetLedger(bet_kind::Hardway, spotId), Number(number) {}
    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool TestWin(i16 die1, i16 die2, i16 point, u8 comeOut,
                 const TCrapsBetOptions& options) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool TestLose(i16 die1, i16 die2, i16 point, u8 comeOut,
                  const TCrapsBetOptions& options) override;
    i32 GetPayoutMultiplier() const override;

private:
    i16 Number;
};
