// The come and don't come spots and the come and don't-come numbers, each over its own ledger.
#include "craps/bets/spots/ComeSpots.h"

TBetCome::TBetCome(TJorpOwner* owner, const TFileMode& name, i16 spotId)
    : TBetCome(owner, name, TEmbeddedAddress{}, spotId) {}

TBetCome::TBetCome(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId)
    : TCBetSpot(owner, name, address, std::make_unique<TBetComeLedger>(spotId)) {}

TBetDoNotCome::TBetDoNotCome(TJorpOwner* owner, const TFileMode& name, i16 spotId)
    : TBetDoNotCome(owner, name, TEmbeddedAddress{}, spotId) {}

TBetDoNotCome::TBetDoNotCome(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address,
                             i16 spotId)
    : TCBetSpot(owner, name, address, std::make_unique<TBetDoNotComeLedger>(spotId)) {}

TBetComeNum::TBetComeNum(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId)
    : TBetComeNum(owner, name, TEmbeddedAddress{}, number, spotId) {}

TBetComeNum::TBetComeNum(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address,
                         i16 number, i16 spotId)
    : TBetComeNum(owner, name, address, std::make_unique<TBetComeNumLedger>(number, spotId)) {}

TBetComeNum::TBetComeNum(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address,
                         std::unique_ptr<TBetComeNumLedger> ledger)
    : TCBetOddsSpot(owner, name, address, std::move(ledger)) {}

void TBetComeNum::SetAmount(i16 seat, TMoney amount) {
    TCBetOddsSpot::SetAmount(seat, amount);
    UpdateChips();
}

TBetDoNotComeNum::TBetDoNotComeNum(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId)
    : TBetDoNotComeNum(owner, name, TEmbeddedAddress{}, number, spotId) {}

TBetDoNotComeNum::TBetDoNotComeNum(TJorpOwner* owner, const TFileMode& name,
                                   TEmbeddedAddress address, i16 number, i16 spotId)
    : TBetComeNum(owner, name, address, std::make_unique<TBetDoNotComeNumLedger>(number, spotId)) {}
