// TCBetOddsSpot: binding the odds stacks and piling each seat's odds above its stake.
#include "craps/bets/spots/OddsChips.h"

#include "engine/media/Anm.h"

void TCBetOddsSpot::BindSprites() {
    TCBetSpot::BindSprites();
    BindFreeChips();
}

void TCBetOddsSpot::BindFreeChips() {
    for (i16 seat = 0; seat < TCBetLedger::SeatCount; ++seat)
        for (i16 stack = 0; stack < DenominationCount; ++stack) {
            const i16 entry =
                static_cast<i16>(FirstFreeChipEntry + seat * DenominationCount + stack);
            TAnm* anm = GetAnm(entry);
            if (anm == nullptr)
                FatalAnmSetup("CBetSpot", "FreeChips", entry);
            anm->Pin();
            FreeChips[seat][stack] = anm;
        }
}

// The odds piles never move the stake piles: every seat's odds start where that seat's own
// stake ended, which the stake layout leaves as the seat's top.
void TCBetOddsSpot::UpdateChips() {
    LayOutPiles(true);
    for (i16 seat = 0; seat < TCBetLedger::SeatCount; ++seat)
        UpdateOddsChips(GetTopY(seat), seat);
    ClearFlags(JOF_TIMED_ON);
}

void TCBetOddsSpot::UpdateOddsChips(i16 y, i16 seat) {
    if (!TCBetLedger::IsSeat(seat))
        return;
    const i64 whole = GetOddsAmount(seat).WholeDollars();
    // The ledger holds no negative odds; should some appear, they draw nothing.
    i64 counts[DenominationCount] = {};
    CountChips(whole > 0 ? whole % OddsDrawnModulus : 0, counts);
    i16 z = FreeChips[seat][0]->GetTemplate().Base.z;
    for (i16 stack = DenominationCount - 1; stack >= 0; --stack) {
        TAnm& anm = *FreeChips[seat][stack];
        const i64 c = counts[stack];
        if (c > 0)
            anm.StandAt(y, z, static_cast<u16>(c - 1));
        else
            anm.Hide();
        y = static_cast<i16>(y - 2 * c);
        z = static_cast<i16>(z + c);
    }
    SetSeatTop(seat, y, z);
}

TAnm* TCBetOddsSpot::GetFreeChipStack(i16 seat, i16 stack) const {
    if (!TCBetLedger::IsSeat(seat) || stack < 0 || stack >= DenominationCount)
        return nullptr;
    return FreeChips[seat][stack];
}
