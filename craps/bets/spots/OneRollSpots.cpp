// The spots of the bets the next roll decides, each over its own ledger.
#include "craps/bets/spots/OneRollSpots.h"

TBet1Roll::TBet1Roll(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId)
    : TBet1Roll(owner, name, TEmbeddedAddress{}, number, spotId) {}

TBet1Roll::TBet1Roll(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
                     i16 spotId)
    : TCBetSpot(owner, name, address, std::make_unique<TBet1RollLedger>(number, spotId)) {}

TBetAnyCraps::TBetAnyCraps(TJorpOwner* owner, const TFileMode& name, i16 spotId)
    : TBetAnyCraps(owner, name, TEmbeddedAddress{}, spotId) {}

TBetAnyCraps::TBetAnyCraps(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address,
                           i16 spotId)
    : TCBetSpot(owner, name, address, std::make_unique<TBetAnyCrapsLedger>(spotId)) {}

TBetField::TBetField(TJorpOwner* owner, const TFileMode& name, i16 spotId)
    : TBetField(owner, name, TEmbeddedAddress{}, spotId) {}

TBetField::TBetField(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId)
    : TCBetSpot(owner, name, address, std::make_unique<TBetFieldLedger>(spotId)) {}

TBetCraps11::TBetCraps11(TJorpOwner* owner, const TFileMode& name, i16 spotId, u8 variant)
    : TBetCraps11(owner, name, TEmbeddedAddress{}, spotId, variant) {}

TBetCraps11::TBetCraps11(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address,
                         i16 spotId, u8 variant)
    : TCBetSpot(owner, name, address, std::make_unique<TBetCraps11Ledger>(spotId, variant)) {}
