// Ledgers of the buy or place bets and the lay bets on the box numbers 4, 5, 6, 8, 9 and 10.
#include "craps/bets/BoxNumberBets.h"

#include "craps/bets/BoxNumbers.h"

namespace {

struct TRatio {
    double Num = 0.0;
    double Den = 1.0;
};

// Pairs 4 and 10, 5 and 9, 6 and 8 share their ratios; a number off the box pays nothing.
TRatio Ratio(i16 number, const TRatio (&byPair)[3]) {
    const int pair = BoxNumberPair(number);
    return pair < 0 ? TRatio{} : byPair[pair];
}

constexpr TRatio PlacedRatios[3] = {{9, 5}, {7, 5}, {7, 6}};
constexpr TRatio BoughtRatios[3] = {{2, 1}, {3, 2}, {6, 5}};
constexpr TRatio LaidRatios[3] = {{1, 2}, {2, 3}, {5, 6}};

// True odds less the commission of 1/20 of the stake, in one division as the house works it.
TMoney LessCommission(TMoney amount, TRatio ratio) {
    return (amount * (20.0 * ratio.Num) - amount * ratio.Den) / (20.0 * ratio.Den);
}

} // namespace

TBetBuyLedger::TBetBuyLedger(i16 number, i16 spotId)
    : TCBetLedger(bet_kind::BuyPlace,
                  spotId >= FirstPlacedId ? static_cast<i16>(spotId - 6) : spotId),
      Number(number), BoughtId(BetSpotId) {}

i16 TBetBuyLedger::GetSpotId(i16 seat) const {
    if (!IsSeat(seat)) {
        return BetSpotId;
    }
    return BuyFlags[seat] != 0 ? BoughtId : static_cast<i16>(BoughtId + 6);
}

bool TBetBuyLedger::IsWin(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && die1 + die2 == Number;
}

bool TBetBuyLedger::TestWin(i16 die1, i16 die2, i16 point, u8 comeOut,
                            const TCrapsBetOptions& options) {
    if (comeOut != 0 && options[OptionBuyPlaceOnComeOut] == 0) {
        return false;
    }
    return IsWin(die1, die2, point, comeOut);
}

bool TBetBuyLedger::IsLose(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && die1 + die2 == SevenIndex;
}

bool TBetBuyLedger::TestLose(i16 die1, i16 die2, i16 point, u8 comeOut,
                             const TCrapsBetOptions& options) {
    if (comeOut != 0 && options[OptionBuyPlaceOnComeOut] == 0) {
        return false;
    }
    return IsLose(die1, die2, point, comeOut);
}

TMoney TBetBuyLedger::BetWin(TMoney amount, i16, i16 seat) const {
    if (!IsSeat(seat)) {
        return TMoney();
    }
    if (BuyFlags[seat] != 0) {
        return LessCommission(amount, Ratio(Number, BoughtRatios));
    }
    const TRatio placed = Ratio(Number, PlacedRatios);
    return amount * placed.Num / placed.Den;
}

TMoney TBetBuyLedger::AddToAmount(i16 seat, TMoney amount, u8, i16, u8 buyFlag) {
    TMoney refused;
    // A refused placement leaves the seat's kind and the spot id as they were.
    if (Accept(seat, amount, refused)) {
        BuyFlags[seat] = buyFlag != 0 ? 1 : 0;
        BetSpotId = GetSpotId(seat);
    }
    return refused;
}

TMoney TBetBuyLedger::GetWinAmount(i16 seat, i16 sumIndex) const {
    return IsSeat(seat) ? BetWin(Amounts[seat], sumIndex, seat) : TMoney();
}

void TBetBuyLedger::ClearAll() {
    TCBetLedger::ClearAll();
    for (u8& flag : BuyFlags) {
        flag = 0;
    }
}

void TBetBuyLedger::ForfeitSeat(i16 seat) {
    TCBetLedger::ForfeitSeat(seat);
    if (IsSeat(seat)) {
        BuyFlags[seat] = 0;
    }
}

bool TBetLayLedger::IsWin(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && die1 + die2 == SevenIndex;
}

bool TBetLayLedger::IsLose(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && die1 + die2 == Number;
}

TMoney TBetLayLedger::BetWin(TMoney amount, i16, i16) const {
    return LessCommission(amount, Ratio(Number, LaidRatios));
}

TMoney TBetLayLedger::GetWinAmount(i16 seat, i16 sumIndex) const {
    return IsSeat(seat) ? BetWin(Amounts[seat], sumIndex, seat) : TMoney();
}
