// Ledgers of the come and don't come bets and of the come and don't-come numbers they travel to.
#include "craps/bets/ComeBets.h"

#include <cmath>

namespace {

bool IsSum(i16 die1, i16 die2, int sum) {
    return TCBetLedger::AreDice(die1, die2) && die1 + die2 == sum;
}

} // namespace

bool TBetComeLedger::IsWin(i16 die1, i16 die2, i16, u8) {
    return IsSum(die1, die2, SevenIndex) || IsSum(die1, die2, 9);
}

bool TBetComeLedger::IsLose(i16 die1, i16 die2, i16, u8) {
    return IsSum(die1, die2, 0) || IsSum(die1, die2, 1) || IsSum(die1, die2, 10);
}

TMoney TBetComeLedger::AddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) {
    if (comeOut != 0 && std::isfinite(amount.GetValue())) {
        return amount;
    }
    return TCBetLedger::AddChips(seat, amount, comeOut, point);
}

bool TBetComeLedger::CanAddChips(i16 seat, TMoney, u8 comeOut, i16) const {
    return IsSeat(seat) && comeOut == 0;
}

bool TBetComeLedger::CanRemoveChips(i16 seat, TMoney, u8 comeOut, i16) const {
    return comeOut == 0 && HasAmount(seat);
}

bool TBetDoNotComeLedger::IsWin(i16 die1, i16 die2, i16, u8) {
    return IsSum(die1, die2, 0) || IsSum(die1, die2, 1);
}

bool TBetDoNotComeLedger::IsLose(i16 die1, i16 die2, i16, u8) {
    return IsSum(die1, die2, SevenIndex) || IsSum(die1, die2, 9);
}

void TBetComeNumLedger::SetAmount(i16 seat, TMoney amount) {
    if (IsSeat(seat) && std::isfinite(amount.GetValue()) && amount >= TMoney()) {
        Amounts[seat] = amount;
    }
}

bool TBetComeNumLedger::IsWin(i16 die1, i16 die2, i16, u8) {
    return IsBoxNumber(Number) && IsSum(die1, die2, Number);
}

bool TBetComeNumLedger::IsLose(i16 die1, i16 die2, i16, u8) {
    return IsBoxNumber(Number) && IsSum(die1, die2, SevenIndex);
}

TMoney TBetComeNumLedger::OddsWin(TMoney amount, i16 sumIndex) const {
    return FreeOddsWin(amount, sumIndex);
}

TMoney TBetComeNumLedger::TakeDown(i16 seat, u8) {
    return RemoveOdds(seat);
}

TMoney TBetComeNumLedger::OddsLimit(i16 seat) const {
    return IsSeat(seat) ? FreeOddsLimit(Number, Amounts[seat]) : TMoney();
}

TMoney TBetComeNumLedger::AddChips(i16 seat, TMoney amount, u8, i16) {
    return AddToOdds(seat, amount, OddsLimit(seat));
}

bool TBetComeNumLedger::CanAddChips(i16 seat, TMoney, u8, i16) const {
    return IsSeat(seat) && OddsLimit(seat) > Odds[seat];
}

bool TBetComeNumLedger::CanRemoveChips(i16 seat, TMoney, u8, i16) const {
    return IsSeat(seat) && Odds[seat] > TMoney();
}

TMoney TBetComeNumLedger::TakeOdds(i16 seat) {
    return RemoveOdds(seat);
}

TMoney TBetComeNumLedger::ReturnOffOdds(i16 seat, i16 die1, i16 die2) {
    if (IsSum(die1, die2, SevenIndex) || (IsBoxNumber(Number) && IsSum(die1, die2, Number))) {
        return RemoveOdds(seat);
    }
    return TMoney();
}

bool TBetDoNotComeNumLedger::IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) {
    return TBetComeNumLedger::IsLose(die1, die2, point, comeOut);
}

bool TBetDoNotComeNumLedger::IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) {
    return TBetComeNumLedger::IsWin(die1, die2, point, comeOut);
}

TMoney TBetDoNotComeNumLedger::OddsWin(TMoney amount, i16) const {
    return LayOddsWin(amount, Number);
}

// Odds already laid count as they are, cents and all: they are kept or handed back, never
// dropped.
TMoney TBetDoNotComeNumLedger::OddsLimit(i16 seat) const {
    if (!IsSeat(seat) || Amounts[seat].WholeDollars() == 0) {
        return TMoney();
    }
    return LayOddsLimit(Number, Amounts[seat]);
}
