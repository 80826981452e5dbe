// The spots of the big 6 and 8 and of the hardways.
#pragma once

#include "craps/bets/NumberBets.h"
#include "craps/bets/spots/BetSpot.h"

class TBetBig : public TCBetSpot {
public:
    TBetBig(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId);
    TBetBig(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
            i16 spotId);
};

class TBetHard : public TCBetSpot {
public:
    TBetHard(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId);
    TBetHard(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
             i16 spotId);
};
