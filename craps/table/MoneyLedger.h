// TMoneyLedger: an observer told of every amount that leaves or reaches a gambler through the
// table's bets, so that a test can account for each cent.
#pragma once

#include "engine/foundation/Money.h"

// The lord holds none in play. Spots are the spot numbers 0 to 42, seats 0 to 2.
class TMoneyLedger {
public:
    virtual ~TMoneyLedger() = default;
    // A losing bet's stake and odds, taken by the house.
    virtual void Lost(i16 spot, i16 seat, TMoney amount) = 0;
    // Stake and odds a gambler leaves behind when he gets up, or when the table closes.
    virtual void Forfeited(i16 spot, i16 seat, TMoney amount) = 0;
    // A winning bet: collected is the stake and odds that came back plus win, the house's part.
    virtual void Paid(i16 spot, i16 seat, TMoney collected, TMoney win) = 0;
    // Odds handed back before a come-out roll decides them.
    virtual void OddsReturned(i16 spot, i16 seat, TMoney amount) = 0;
    // A come or don't come stake moved to the number rolled.
    virtual void Travelled(i16 spot, i16 seat, TMoney amount) = 0;
    // A hand offered to a spot, and the part the spot refused and the bankroll got back.
    virtual void Placed(i16 spot, i16 seat, TMoney offered, TMoney refused) = 0;
    // What a take-down gave back to the bankroll.
    virtual void TookDown(i16 spot, i16 seat, TMoney amount) = 0;
};
