// The pass and don't pass spots, each over its own ledger.
#include "craps/bets/spots/LineSpots.h"

TBetPass::TBetPass(TJorpOwner* owner, const TFileMode& name, i16 spotId)
    : TBetPass(owner, name, TEmbeddedAddress{}, spotId) {}

TBetPass::TBetPass(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId)
    : TCBetOddsSpot(owner, name, address, std::make_unique<TBetPassLedger>(spotId)) {}

TBetDoNotPass::TBetDoNotPass(TJorpOwner* owner, const TFileMode& name, i16 spotId)
    : TBetDoNotPass(owner, name, TEmbeddedAddress{}, spotId) {}

TBetDoNotPass::TBetDoNotPass(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address,
                             i16 spotId)
    : TCBetOddsSpot(owner, name, address, std::make_unique<TBetDoNotPassLedger>(spotId)) {}
