// Ledgers of the come and don't come bets and of the come and don't-come numbers they travel to.
#pragma once

#include "craps/bets/OddsLedger.h"

// Taken only while a point is on; the next roll decides the stake or moves it to the number
// rolled (the book does the moving).
class TBetComeLedger : public TCBetLedger {
public:
    explicit TBetComeLedger(i16 spotId = 54) : TCBetLedger(bet_kind::Come, spotId) {}

    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    i32 GetPayoutMultiplier() const override { return 1; }
    // A come-out offer comes back whole: the spot never holds a stake on a come-out roll.
    TMoney AddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) override;
    bool CanAddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const override;
    bool CanRemoveChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const override;

protected:
    TBetComeLedger(i32 betKind, i16 spotId) : TCBetLedger(betKind, spotId) {}
};

// A 12 leaves the stake for the next roll.
class TBetDoNotComeLedger : public TBetComeLedger {
public:
    explicit TBetDoNotComeLedger(i16 spotId = 55) : TBetComeLedger(bet_kind::DontCome, spotId) {}

    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
};

// One box number a come stake travelled to, with free odds behind it. Neither the point nor
// the come-out flag changes anything here: whether odds work on a come-out roll is the book's
// call, which takes them back with ReturnOffOdds first.
class TBetComeNumLedger : public TCBetOddsLedger {
public:
    TBetComeNumLedger(i16 number, i16 spotId = 54)
        : TBetComeNumLedger(bet_kind::ComeNumber, number, spotId) {}

    i16 GetNumber() const { return Number; }

    void SetAmount(i16 seat, TMoney amount) override;
    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    TMoney OddsWin(TMoney amount, i16 sumIndex) const override;
    // Only the odds come back: the travelled stake cannot be taken down.
    TMoney TakeDown(i16 seat, u8 comeOut) override;
    TMoney AddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) override;
    bool CanAddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const override;
    bool CanRemoveChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const override;
    TMoney TakeOdds(i16 seat) override;
    TMoney ReturnOffOdds(i16 seat, i16 die1, i16 die2) override;

protected:
    TBetComeNumLedger(i32 betKind, i16 number, i16 spotId)
        : TCBetOddsLedger(betKind, spotId), Number(number) {}

    virtual TMoney OddsLimit(i16 seat) const;

    i16 Number;
};

// The same box against the seven, with lay odds paid by its own number.
class TBetDoNotComeNumLedger : public TBetComeNumLedger {
public:
    TBetDoNotComeNumLedger(i16 number, i16 spotId = 55)
        : TBetComeNumLedger(bet_kind::DontComeNumber, number, spotId) {}

    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    TMoney OddsWin(TMoney amount, i16 sumIndex) const override;

protected:
    TMoney OddsLimit(i16 seat) const override;
};
