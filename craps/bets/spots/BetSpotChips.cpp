// TCBetSpot: the seats' chip piles and the marker chit that points at one of them.
#include "craps/bets/spots/BetSpot.h"

#include "engine/media/Anm.h"

namespace {

// Chip values of the stacks, in the spot's denomination order.
constexpr i64 ChipValues[TCBetSpot::DenominationCount] = {1, 5, 25, 100, 1000, 10000};

} // namespace

void TCBetSpot::CountChips(i64 dollars, i64 (&counts)[DenominationCount]) {
    for (i16 d = DenominationCount - 1; d >= 0; --d) {
        counts[d] = dollars / ChipValues[d];
        dollars %= ChipValues[d];
    }
}

void TCBetSpot::SetSeatTop(i16 seat, i16 y, i16 z) {
    if (!TCBetLedger::IsSeat(seat))
        return;
    TopY[seat] = y;
    TopZ[seat] = z;
}

void TCBetSpot::LayOutPiles(bool hideSeatChits) {
    const TGrPoint first = Chips[0][0]->GetTemplate().Base;
    i16 y = first.y;
    i16 z = first.z;
    for (i16 seat = 0; seat < TCBetLedger::SeatCount; ++seat) {
        // A seat whose pile stands elsewhere starts its own; one at seat 0's place goes on top.
        const TGrPoint own = Chips[seat][0]->GetTemplate().Base;
        if (own.x != first.x) {
            y = own.y;
            z = own.z;
        }
        i64 dollars = Ledger->GetAmount(seat).WholeDollars();
        // Seat chits are buy markers: showing the spot shows every entry, and a kind without
        // markers must not leave one standing under a seat's pile.
        if (hideSeatChits)
            SeatChits[seat]->Hide();
        // The ledger holds no negative amount; should one appear, it draws nothing.
        dollars = dollars > 0 ? dollars % (DrawnLimit + 1) : 0;
        z = static_cast<i16>(z + seat);
        i64 counts[DenominationCount] = {};
        CountChips(dollars, counts);
        for (i16 d = DenominationCount - 1; d >= 0; --d) {
            TAnm& stack = *Chips[seat][d];
            const i64 c = counts[d];
            if (c > 0)
                stack.StandAt(y, z, static_cast<u16>(c - 1));
            else
                stack.Hide();
            y = static_cast<i16>(y - 2 * c);
            z = static_cast<i16>(z + c);
        }
        TopY[seat] = y;
        TopZ[seat] = z;
    }
    ClearFlags(JOF_TIMED_ON);
}

void TCBetSpot::PlaceChit(i16 seat) {
    TAnmData& data = MarkerChit->GetCurrentData();
    data.Base.x = Chips[seat][0]->GetCurrentData().Base.x;
    MarkerChit->StandAt(TopY[seat], TopZ[seat], static_cast<u16>(seat));
    ClearFlags(JOF_TIMED_ON);
}

void TCBetSpot::ShowChitOnTopStack() {
    for (i16 seat = TCBetLedger::SeatCount - 1; seat >= 0; --seat)
        if (HasAmount(seat)) {
            PlaceChit(seat);
            return;
        }
    HideChit();
    ClearFlags(JOF_TIMED_ON);
}

void TCBetSpot::ShowChitOnSeatStack(i16 seat) {
    if (TCBetLedger::IsSeat(seat)) {
        PlaceChit(seat);
        return;
    }
    HideChit();
    ClearFlags(JOF_TIMED_ON);
}

void TCBetSpot::HideChit() {
    MarkerChit->Hide();
}

void TCBetSpot::HideChipStacks() {
    for (auto& seat : Chips)
        for (TAnm* stack : seat)
            stack->Hide();
}
