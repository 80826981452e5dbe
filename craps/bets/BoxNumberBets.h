// Ledgers of the buy or place bets and the lay bets on the box numbers 4, 5, 6, 8, 9 and 10.
#pragma once

#include "craps/bets/BetLedger.h"

// Each seat's money is bought (true odds less 1/20 of the stake) or placed (house odds), by
// the flag its last placement carried. Off on a come-out roll unless the seat's gambler lets
// buy and place bets work then.
class TBetBuyLedger : public TCBetLedger {
public:
    static constexpr i16 FirstBoughtId = 63;
    static constexpr i16 FirstPlacedId = 69;

    // The spot id is the bought one (63 to 68); a placed id is taken back to it.
    TBetBuyLedger(i16 number, i16 spotId);

    // By the seat's own flag, so that a seat is announced with its own kind of payout; any
    // other seat value answers the kind of the last placement.
    i16 GetSpotId(i16 seat) const override;
    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool TestWin(i16 die1, i16 die2, i16 point, u8 comeOut,
                 const TCrapsBetOptions& options) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool TestLose(i16 die1, i16 die2, i16 point, u8 comeOut,
                  const TCrapsBetOptions& options) override;
    i32 GetPayoutMultiplier() const override { return 1; }
    TMoney BetWin(TMoney amount, i16 sumIndex, i16 seat) const override;
    TMoney AddToAmount(i16 seat, TMoney amount, u8 comeOut, i16 point, u8 buyFlag) override;
    TMoney GetWinAmount(i16 seat, i16 sumIndex) const override;
    void ClearAll() override;
    void ForfeitSeat(i16 seat) override;

    bool IsBought(i16 seat) const { return IsSeat(seat) && BuyFlags[seat] != 0; }

private:
    i16 Number;
    u8 BuyFlags[SeatCount] = {};
    i16 BoughtId;
};

// Always working: wins on a seven, loses on its number, paid true lay odds less 1/20 of the stake.
class TBetLayLedger : public TCBetLedger {
public:
    TBetLayLedger(i16 number, i16 spotId) : TCBetLedger(bet_kind::Lay, spotId), Number(number) {}
    bool IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    bool IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) override;
    i32 GetPayoutMultiplier() const override { return 1; }
    TMoney BetWin(TMoney amount, i16 sumIndex, i16 seat) const override;
    TMoney GetWinAmount(i16 seat, i16 sumIndex) const override;

private:
    i16 Number;
};
