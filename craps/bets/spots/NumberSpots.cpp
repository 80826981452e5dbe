// The spots of the big 6 and 8 and of the hardways, each over its own ledger.
#include "craps/bets/spots/NumberSpots.h"

TBetBig::TBetBig(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId)
    : TBetBig(owner, name, TEmbeddedAddress{}, number, spotId) {}

TBetBig::TBetBig(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
                 i16 spotId)
    : TCBetSpot(owner, name, address, std::make_unique<TBetBigLedger>(number, spotId)) {}

TBetHard::TBetHard(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId)
    : TBetHard(owner, name, TEmbeddedAddress{}, number, spotId) {}

TBetHard::TBetHard(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
                   i16 spotId)
    : TCBetSpot(owner, name, address, std::make_unique<TBetHardLedger>(number, spotId)) {}
