// TCBetOddsLedger: a stake per seat with odds behind it, and the table's odds ratios and limits.
#include "craps/bets/OddsLedger.h"

#include "craps/bets/BoxNumbers.h"

#include <algorithm>
#include <cmath>

namespace {

struct TOddsRatio {
    i64 Num = 0;
    i64 Den = 1;
};

constexpr TOddsRatio FreeRatios[3] = {{2, 1}, {3, 2}, {6, 5}};
constexpr TOddsRatio LayRatios[3] = {{1, 2}, {2, 3}, {5, 6}};

} // namespace

bool IsBoxNumber(i16 number) {
    return BoxNumberPair(number) >= 0;
}

TMoney FreeOddsLimit(i16 number, TMoney stake) {
    const int pair = BoxNumberPair(number);
    if (pair < 0 || !(stake > TMoney())) {
        return TMoney();
    }
    if (pair == 2 && stake.WholeDollars() % 2 == 0) {
        return stake * 2.0 + stake * 0.5;
    }
    return stake * 2.0;
}

TMoney LayOddsLimit(i16 number, TMoney stake) {
    const int pair = BoxNumberPair(number);
    if (pair < 0 || !(stake > TMoney())) {
        return TMoney();
    }
    if (pair == 0) {
        return stake * 4.0;
    }
    if (pair == 1) {
        return stake * 3.0;
    }
    // Twice the stake raised to the next multiple of $5 (its cents kept), laid at 6 to 5.
    const TMoney twice = stake * 2.0;
    const i64 raise = (5 - twice.WholeDollars() % 5) % 5;
    return ((TMoney(static_cast<double>(raise)) + twice) * 6.0) * 0.2;
}

TMoney FreeOddsWin(TMoney amount, i16 number) {
    const int pair = BoxNumberPair(number);
    if (pair < 0) {
        return TMoney();
    }
    const TOddsRatio ratio = FreeRatios[pair];
    const i64 n = amount.WholeDollars();
    return TMoney(static_cast<double>(n / ratio.Den * ratio.Num + n % ratio.Den));
}

TMoney LayOddsWin(TMoney amount, i16 number) {
    const int pair = BoxNumberPair(number);
    if (pair < 0) {
        return TMoney();
    }
    const TOddsRatio ratio = LayRatios[pair];
    return amount * static_cast<double>(ratio.Num) / static_cast<double>(ratio.Den);
}

i16 TCBetOddsLedger::GetSpotId(i16 seat) const {
    const bool withOdds = IsSeat(seat) && Odds[seat].WholeDollars() != 0;
    return withOdds ? static_cast<i16>(BetSpotId + OddsIdOffset) : BetSpotId;
}

TMoney TCBetOddsLedger::CollectWin(i16 seat, i16 sumIndex) {
    if (!IsSeat(seat)) {
        return TMoney();
    }
    const TMoney paid = Amounts[seat] + GetWinAmount(seat, sumIndex) + Odds[seat];
    Amounts[seat] = TMoney();
    Odds[seat] = TMoney();
    return paid;
}

TMoney TCBetOddsLedger::GetWinAmount(i16 seat, i16 sumIndex) const {
    if (!IsSeat(seat)) {
        return TMoney();
    }
    return Amounts[seat] + OddsWin(Odds[seat], sumIndex);
}

void TCBetOddsLedger::ClearAll() {
    TCBetLedger::ClearAll();
    for (TMoney& odds : Odds) {
        odds = TMoney();
    }
}

TMoney TCBetOddsLedger::GetOddsAmount(i16 seat) const {
    return IsSeat(seat) ? Odds[seat] : TMoney();
}

void TCBetOddsLedger::ForfeitSeat(i16 seat) {
    TCBetLedger::ForfeitSeat(seat);
    if (IsSeat(seat)) {
        Odds[seat] = TMoney();
    }
}

TMoney TCBetOddsLedger::AddToOdds(i16 seat, TMoney amount, TMoney limit) {
    if (!std::isfinite(amount.GetValue())) {
        return TMoney();
    }
    if (!IsSeat(seat) || amount < TMoney()) {
        return amount;
    }
    const TMoney offered = Odds[seat] + amount;
    if (!std::isfinite(offered.GetValue())) {
        return amount;
    }
    if (offered <= limit) {
        Odds[seat] = offered;
        return TMoney();
    }
    // The rest is reckoned from the room, so a seat already at its limit gets its offer back
    // to the cent; odds above the limit stay as they were (the limit only caps what is added).
    const TMoney room = std::max(limit - Odds[seat], TMoney());
    Odds[seat] += room;
    return amount - room;
}

TMoney TCBetOddsLedger::RemoveOdds(i16 seat) {
    if (!IsSeat(seat)) {
        return TMoney();
    }
    const TMoney odds = Odds[seat];
    Odds[seat] = TMoney();
    return odds;
}
