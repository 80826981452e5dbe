// TCBetLedger: the behaviour a bet kind inherits when it does not decide otherwise.
#include "craps/bets/BetLedger.h"

#include <cmath>

i16 TCBetLedger::GetSpotId(i16) const {
    return BetSpotId;
}

void TCBetLedger::SetAmount(i16, TMoney) {}

bool TCBetLedger::IsWin(i16, i16, i16, u8) {
    return false;
}

bool TCBetLedger::TestWin(i16 die1, i16 die2, i16 point, u8 comeOut, const TCrapsBetOptions&) {
    return AreDice(die1, die2) && IsWin(die1, die2, point, comeOut);
}

bool TCBetLedger::IsLose(i16, i16, i16, u8) {
    return false;
}

bool TCBetLedger::TestLose(i16 die1, i16 die2, i16 point, u8 comeOut, const TCrapsBetOptions&) {
    return AreDice(die1, die2) && IsLose(die1, die2, point, comeOut);
}

i32 TCBetLedger::GetPayoutMultiplier() const {
    return 0;
}

TMoney TCBetLedger::OddsWin(TMoney, i16) const {
    return TMoney();
}

TMoney TCBetLedger::BetWin(TMoney amount, i16 sumIndex, i16) const {
    return OddsWin(amount, sumIndex);
}

TMoney TCBetLedger::GetAmount(i16 seat) const {
    return IsSeat(seat) ? Amounts[seat] : TMoney();
}

TMoney TCBetLedger::TakeDown(i16 seat, u8) {
    if (!IsSeat(seat)) {
        return TMoney();
    }
    const TMoney amount = Amounts[seat];
    Amounts[seat] = TMoney();
    return amount;
}

bool TCBetLedger::Accept(i16 seat, TMoney amount, TMoney& refused) {
    if (!std::isfinite(amount.GetValue())) {
        refused = TMoney();
        return false;
    }
    const TMoney total = IsSeat(seat) ? Amounts[seat] + amount : TMoney();
    if (!IsSeat(seat) || amount < TMoney() || !std::isfinite(total.GetValue())) {
        refused = amount;
        return false;
    }
    Amounts[seat] = total;
    refused = TMoney();
    return true;
}

TMoney TCBetLedger::AddChips(i16 seat, TMoney amount, u8, i16) {
    TMoney refused;
    Accept(seat, amount, refused);
    return refused;
}

TMoney TCBetLedger::AddToAmount(i16 seat, TMoney amount, u8 comeOut, i16 point, u8) {
    return TCBetLedger::AddChips(seat, amount, comeOut, point);
}

bool TCBetLedger::CanAddChips(i16, TMoney, u8, i16) const {
    return true;
}

bool TCBetLedger::CanRemoveChips(i16, TMoney, u8, i16) const {
    return true;
}

TMoney TCBetLedger::CollectWin(i16 seat, i16 sumIndex) {
    if (!IsSeat(seat)) {
        return TMoney();
    }
    const TMoney paid = GetWinAmount(seat, sumIndex) + Amounts[seat];
    Amounts[seat] = TMoney();
    return paid;
}

TMoney TCBetLedger::GetWinAmount(i16 seat, i16) const {
    return IsSeat(seat) ? Amounts[seat] * static_cast<double>(GetPayoutMultiplier()) : TMoney();
}

void TCBetLedger::ClearAll() {
    for (TMoney& amount : Amounts) {
        amount = TMoney();
    }
}

TMoney TCBetLedger::TakeOdds(i16) {
    return TMoney();
}

TMoney TCBetLedger::ReturnOffOdds(i16, i16, i16) {
    return TMoney();
}

TMoney TCBetLedger::GetOddsAmount(i16) const {
    return TMoney();
}

void TCBetLedger::ForfeitSeat(i16 seat) {
    if (IsSeat(seat)) {
        Amounts[seat] = TMoney();
    }
}

bool TCBetLedger::HasAnyAmount() const {
    return HasAmount(0) || HasAmount(1) || HasAmount(2);
}

TMoney TCBetLedger::GetStakeAndWin(i16 seat) const {
    if (!IsSeat(seat)) {
        return TMoney();
    }
    return Amounts[seat] * static_cast<double>(GetPayoutMultiplier()) + Amounts[seat];
}
