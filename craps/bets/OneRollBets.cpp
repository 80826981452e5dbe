// Ledgers of the bets the next roll decides: single numbers, any craps, the field, C and E and
// Horn.
#include "craps/bets/OneRollBets.h"

namespace {

bool IsCraps(i16 sum) {
    return sum == 0 || sum == 1 || sum == 10;
}

} // namespace

bool TBet1RollLedger::IsWin(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && die1 + die2 == Number;
}

bool TBet1RollLedger::IsLose(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && die1 + die2 != Number;
}

i32 TBet1RollLedger::GetPayoutMultiplier() const {
    switch (Number) {
    case 0:
    case 10:
        return 30;
    case 1:
    case 9:
        return 15;
    case SevenIndex:
        return 4;
    default:
        return 1;
    }
}

bool TBetAnyCrapsLedger::IsWin(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && IsCraps(static_cast<i16>(die1 + die2));
}

bool TBetAnyCrapsLedger::IsLose(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && !IsCraps(static_cast<i16>(die1 + die2));
}

i32 TBetAnyCrapsLedger::GetPayoutMultiplier() const {
    return 7;
}

bool TBetFieldLedger::IsWin(i16 die1, i16 die2, i16, u8) {
    if (!AreDice(die1, die2)) {
        return false;
    }
    LastRoll = static_cast<i16>(die1 + die2);
    return LastRoll < 3 || LastRoll > 6;
}

bool TBetFieldLedger::IsLose(i16 die1, i16 die2, i16, u8) {
    const int sum = die1 + die2;
    return AreDice(die1, die2) && sum >= 3 && sum <= 6;
}

i32 TBetFieldLedger::GetPayoutMultiplier() const {
    if (LastRoll == 0) {
        return 2;
    }
    return LastRoll == 10 ? 3 : 1;
}

bool TBetCraps11Ledger::IsWin(i16 die1, i16 die2, i16, u8) {
    if (!AreDice(die1, die2)) {
        return false;
    }
    LastRoll = static_cast<i16>(die1 + die2);
    return IsCrapsOrEleven(LastRoll);
}

bool TBetCraps11Ledger::IsLose(i16 die1, i16 die2, i16, u8) {
    return AreDice(die1, die2) && !IsCrapsOrEleven(static_cast<i16>(die1 + die2));
}

i32 TBetCraps11Ledger::GetPayoutMultiplier() const {
    if (IsHorn()) {
        return LastRoll == 0 || LastRoll == 10 ? 30 : 15;
    }
    return LastRoll == 9 ? 15 : 7;
}

TMoney TBetCraps11Ledger::GetWinAmount(i16 seat, i16) const {
    // A roll the win test did not record as a win has no winning part to pay.
    if (!IsSeat(seat) || !IsCrapsOrEleven(LastRoll)) {
        return TMoney();
    }
    const TMoney stake = Amounts[seat];
    const TMoney part = stake * (IsHorn() ? 0.25 : 0.5);
    return part * static_cast<double>(GetPayoutMultiplier()) - (stake - part);
}
