// The come and don't come spots, and the come and don't-come numbers their stakes travel to.
#pragma once

#include "craps/bets/ComeBets.h"
#include "craps/bets/spots/OddsChips.h"

class TBetCome : public TCBetSpot {
public:
    TBetCome(TJorpOwner* owner, const TFileMode& name, i16 spotId);
    TBetCome(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId);
};

class TBetDoNotCome : public TCBetSpot {
public:
    TBetDoNotCome(TJorpOwner* owner, const TFileMode& name, i16 spotId);
    TBetDoNotCome(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId);
};

// One box number (a sum index) holding travelled stakes with free odds behind them.
class TBetComeNum : public TCBetOddsSpot {
public:
    TBetComeNum(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId);
    TBetComeNum(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
                i16 spotId);

    // A travelled stake replaces what the seat held and shows at once.
    void SetAmount(i16 seat, TMoney amount) override;

    i16 GetNumber() const { return LedgerAs<TBetComeNumLedger>().GetNumber(); }

protected:
    TBetComeNum(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address,
                std::unique_ptr<TBetComeNumLedger> ledger);
};

// The same box against the seven, with lay odds.
class TBetDoNotComeNum : public TBetComeNum {
public:
    TBetDoNotComeNum(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId);
    TBetDoNotComeNum(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
                     i16 spotId);
};
