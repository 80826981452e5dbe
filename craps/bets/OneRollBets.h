// Ledgers of the bets the next roll decides: single numbers, any craps, the field, C and E and
// Horn.
#pragma once

#include "craps/bets/BetLedger.h"

// A single total (2, 3, 11, 12, or any seven), held as a sum index.
class TBet1RollLedger : public TCBetLedger {
public:
    TBet1RollLedger(i16 number, i16 spotId)
        : TCBetLedger(bet_kind::OneRoll, spotId), Number(number) {}
    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    i32 GetPayoutMultiplier() const override;

private:
    i16 Number;
};

class TBetAnyCrapsLedger : public TCBetLedger {
public:
    explicit TBetAnyCrapsLedger(i16 spotId) : TCBetLedger(bet_kind::AnyCraps, spotId) {}
    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    i32 GetPayoutMultiplier() const override;
};

// Pays by the roll its own win test last recorded.
class TBetFieldLedger : public TCBetLedger {
public:
    explicit TBetFieldLedger(i16 spotId) : TCBetLedger(bet_kind::Field, spotId) {}
    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    i32 GetPayoutMultiplier() const override;

private:
    i16 LastRoll = -1;
};

// Variant 0 is "C and E" (two halves: any craps and 11), 1 the "Horn" (four quarters: 2, 3,
// 11, 12). Settled part by part: the part on the rolled number wins its multiplier and comes
// back, the other parts lose.
class TBetCraps11Ledger : public TCBetLedger {
public:
    TBetCraps11Ledger(i16 spotId, u8 variant)
        : TCBetLedger(bet_kind::CrapsEleven, spotId), Variant(variant) {}
    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    i32 GetPayoutMultiplier() const override;
    TMoney GetWinAmount(i16 seat, i16 sumIndex) const override;

private:
    bool IsHorn() const { return Variant == 1; }
    static bool IsCrapsOrEleven(i16 sum) { return sum == 0 || sum == 1 || sum == 9 || sum == 10; }

    i16 LastRoll = -1;
    u8 Variant;
};
