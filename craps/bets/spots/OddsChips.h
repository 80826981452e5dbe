// TCBetOddsSpot: a spot with each seat's odds piled above its stake, at the odds stacks' own
// places.
#pragma once

#include "craps/bets/OddsLedger.h"
#include "craps/bets/spots/BetSpot.h"

// The line and the come and don't-come numbers lay out their stakes as every spot does, then
// stand each seat's odds on top of its stake, so the marker chit lands on the odds.
class TCBetOddsSpot : public TCBetSpot {
public:
    // The odds stacks follow the seat chits in the sprite's list: 22 to 39.
    static constexpr i16 FirstFreeChipEntry = FirstSeatChitEntry + TCBetLedger::SeatCount;
    // Odds draw exactly below this many dollars; from it on, the pile starts again.
    static constexpr i64 OddsDrawnModulus = 100000;

    // The stake stacks and chits, then the odds stacks; a sprite without entries 22 to 39
    // ends the program.
    void BindSprites() override;
    void UpdateChips() override;

    TAnm* GetFreeChipStack(i16 seat, i16 stack) const;

protected:
    TCBetOddsSpot(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address,
                  std::unique_ptr<TCBetOddsLedger> ledger)
        : TCBetSpot(owner, name, address, std::move(ledger)) {}

    void BindFreeChips();
    // One seat's odds pile, starting at height y where its stake pile ended.
    void UpdateOddsChips(i16 y, i16 seat);

private:
    TAnm* FreeChips[TCBetLedger::SeatCount][DenominationCount] = {};
};
