// TCBetOddsLedger: a stake per seat with odds behind it, and the table's odds ratios and limits.
#pragma once

#include "craps/bets/BetLedger.h"

// The odds a seat may put behind a stake of `stake` on a box number (a sum index); 0 for any
// other number, so that no money goes where it can never be paid. Free odds are double, two
// and a half times on 6 and 8 when the stake in whole dollars is even; lay odds let the lay
// win about twice the stake.
bool IsBoxNumber(i16 number);
TMoney FreeOddsLimit(i16 number, TMoney stake);
TMoney LayOddsLimit(i16 number, TMoney stake);
// True odds in whole dollars, the remainder paid at even money; lay odds unrounded.
TMoney FreeOddsWin(TMoney amount, i16 number);
TMoney LayOddsWin(TMoney amount, i16 number);

// The line, come-number and don't-come-number bets: each seat's stake pays even money and its
// odds pay by the kind's OddsWin; the odds id of a seat holding a dollar or more of odds is
// the spot id plus 100.
class TCBetOddsLedger : public TCBetLedger {
public:
    static constexpr i16 OddsIdOffset = 100;

    using TCBetLedger::TCBetLedger;

    i16 GetSpotId(i16 seat) const override;
    i32 GetPayoutMultiplier() const override { return 1; }
    TMoney CollectWin(i16 seat, i16 sumIndex) override;
    TMoney GetWinAmount(i16 seat, i16 sumIndex) const override;
    void ClearAll() override;
    TMoney GetOddsAmount(i16 seat) const override;
    void ForfeitSeat(i16 seat) override;

protected:
    // Adds an offer to a seat's odds up to `limit` and returns the rest; a bad seat or a
    // negative offer comes back whole, a non-finite one as 0 (nothing a bankroll can take).
    TMoney AddToOdds(i16 seat, TMoney amount, TMoney limit);
    // Returns a seat's odds and sets them to 0.
    TMoney RemoveOdds(i16 seat);

    TMoney Odds[SeatCount];
};
