// Ledgers of the pass line with free odds and the don't pass with lay odds.
#pragma once

#include "craps/bets/OddsLedger.h"

// On the come-out the offer goes to the line; with a point on the line is a contract bet and
// every offer goes to the odds, up to the seat's limit at that point.
class TBetPassLedger : public TCBetOddsLedger {
public:
    explicit TBetPassLedger(i16 spotId = 52) : TCBetOddsLedger(bet_kind::PassLine, spotId) {}

    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    TMoney OddsWin(TMoney amount, i16 sumIndex) const override;
    TMoney TakeDown(i16 seat, u8 comeOut) override;
    TMoney AddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) override;
    bool CanAddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const override;
    bool CanRemoveChips(i16 seat, TMoney amount, u8 comeOut, i16 point) const override;

protected:
    TBetPassLedger(i32 betKind, i16 spotId) : TCBetOddsLedger(betKind, spotId) {}

    // How much more odds the seat may hold at this point: none without a whole dollar on the
    // line or off the box numbers.
    virtual TMoney OddsLimit(i16 seat, i16 point) const;
};

// The mirror of the pass line: 2 and 3 win the come-out, 12 stands, and once a point is on a
// seven wins line and lay odds. The lay odds are paid by the point the win test saw, which it
// remembers until the next CollectWin: a seat is paid its lay win only right after a test.
class TBetDoNotPassLedger : public TBetPassLedger {
public:
    explicit TBetDoNotPassLedger(i16 spotId = 53) : TBetPassLedger(bet_kind::DontPass, spotId) {}

    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    TMoney OddsWin(TMoney amount, i16 sumIndex) const override;
    TMoney CollectWin(i16 seat, i16 sumIndex) override;

    i16 GetRememberedPoint() const { return RememberedPoint; }

protected:
    TMoney OddsLimit(i16 seat, i16 point) const override;

private:
    i16 RememberedPoint = -1;
};
