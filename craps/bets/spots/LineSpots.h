// The pass line with free odds and the don't pass with lay odds, as spots.
#pragma once

#include "craps/bets/LineBets.h"
#include "craps/bets/spots/OddsChips.h"

class TBetPass : public TCBetOddsSpot {
public:
    TBetPass(TJorpOwner* owner, const TFileMode& name, i16 spotId);
    TBetPass(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId);
};

class TBetDoNotPass : public TCBetOddsSpot {
public:
    TBetDoNotPass(TJorpOwner* owner, const TFileMode& name, i16 spotId);
    TBetDoNotPass(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId);

    // The point the last winning seven ended, which the lay odds are paid by; -1 when none.
    i16 GetRememberedPoint() const { return LedgerAs<TBetDoNotPassLedger>().GetRememberedPoint(); }
};
