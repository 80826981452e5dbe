// Ledgers of the pass line with free odds and the don't pass with lay odds.
#include "craps/bets/LineBets.h"

bool TBetPassLedger::IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) {
    if (!AreDice(die1, die2)) {
        return false;
    }
    const int sum = die1 + die2;
    if (comeOut != 0) {
        return sum == SevenIndex || sum == 9;
    }
    return IsBoxNumber(point) && sum == point;
}

// With a point on, only a box number is a point: anything else leaves the line undecided
// rather than letting one roll both win and lose it.
bool TBetPassLedger::IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) {
    if (!AreDice(die1, die2)) {
        return false;
    }
    const int sum = die1 + die2;
    if (comeOut != 0) {
        return sum == 0 || sum == 1 || sum == 10;
    }
    return IsBoxNumber(point) && sum == SevenIndex;
}

TMoney TBetPassLedger::OddsWin(TMoney amount, i16 sumIndex) const {
    return FreeOddsWin(amount, sumIndex);
}

TMoney TBetPassLedger::TakeDown(i16 seat, u8 comeOut) {
    return comeOut != 0 ? TCBetLedger::TakeDown(seat, comeOut) : RemoveOdds(seat);
}

TMoney TBetPassLedger::OddsLimit(i16 seat, i16 point) const {
    if (!IsSeat(seat) || Amounts[seat].WholeDollars() == 0) {
        return TMoney();
    }
    return FreeOddsLimit(point, Amounts[seat]);
}

TMoney TBetPassLedger::AddChips(i16 seat, TMoney amount, u8 comeOut, i16 point) {
    if (comeOut != 0) {
        return TCBetLedger::AddChips(seat, amount, comeOut, point);
    }
    return AddToOdds(seat, amount, OddsLimit(seat, point));
}

// Whatever the offer, the answer is whether AddChips would take any of it now, so the
// cursor never promises what the spot then hands back.
bool TBetPassLedger::CanAddChips(i16 seat, TMoney, u8 comeOut, i16 point) const {
    if (!IsSeat(seat)) {
        return false;
    }
    return comeOut != 0 || OddsLimit(seat, point) > Odds[seat];
}

bool TBetPassLedger::CanRemoveChips(i16 seat, TMoney, u8 comeOut, i16) const {
    if (!IsSeat(seat)) {
        return false;
    }
    return comeOut != 0 ? Amounts[seat] > TMoney() : Odds[seat] > TMoney();
}

bool TBetDoNotPassLedger::IsWin(i16 die1, i16 die2, i16 point, u8 comeOut) {
    if (!AreDice(die1, die2)) {
        return false;
    }
    const int sum = die1 + die2;
    if (comeOut != 0) {
        return sum == 0 || sum == 1;
    }
    if (sum != SevenIndex || !IsBoxNumber(point)) {
        return false;
    }
    RememberedPoint = point;
    return true;
}

bool TBetDoNotPassLedger::IsLose(i16 die1, i16 die2, i16 point, u8 comeOut) {
    if (!AreDice(die1, die2)) {
        return false;
    }
    const int sum = die1 + die2;
    if (comeOut != 0) {
        return sum == SevenIndex || sum == 9;
    }
    return IsBoxNumber(point) && sum == point;
}

// A seven decides the lay odds, so the roll passed says nothing of the point they were laid
// against: that comes from the win test.
TMoney TBetDoNotPassLedger::OddsWin(TMoney amount, i16) const {
    return LayOddsWin(amount, RememberedPoint);
}

TMoney TBetDoNotPassLedger::CollectWin(i16 seat, i16 sumIndex) {
    const TMoney paid = TCBetOddsLedger::CollectWin(seat, sumIndex);
    RememberedPoint = -1;
    return paid;
}

// Reckoned at the point of the call: the limit is the lay that wins about twice the line at
// this point, so the cursor and AddChips agree whatever an earlier seven left remembered.
TMoney TBetDoNotPassLedger::OddsLimit(i16 seat, i16 point) const {
    if (!IsSeat(seat) || Amounts[seat].WholeDollars() == 0) {
        return TMoney();
    }
    return LayOddsLimit(point, Amounts[seat]);
}
