// The spots of the buy or place bets and the lay bets on the box numbers.
#pragma once

#include "craps/bets/BoxNumberBets.h"
#include "craps/bets/spots/BetSpot.h"

// Shows a marker on top of each pile that was bought, so the dealer sees which seats pay the
// commission.
class TBetBuy : public TCBetSpot {
public:
    TBetBuy(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId);
    TBetBuy(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
            i16 spotId);

    void UpdateChips() override;

    bool IsBought(i16 seat) const { return LedgerAs<TBetBuyLedger>().IsBought(seat); }
};

class TBetLay : public TCBetSpot {
public:
    TBetLay(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId);
    TBetLay(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
            i16 spotId);
};
