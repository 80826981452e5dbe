// The spots of the bets the next roll decides: single numbers, any craps, the field, C and E
// and Horn.
#pragma once

#include "craps/bets/OneRollBets.h"
#include "craps/bets/spots/BetSpot.h"

// "Any 7" and the 2, 3, 11 and 12; the number is a sum index.
class TBet1Roll : public TCBetSpot {
public:
    TBet1Roll(TJorpOwner* owner, const TFileMode& name, i16 number, i16 spotId);
    TBet1Roll(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 number,
              i16 spotId);
};

class TBetAnyCraps : public TCBetSpot {
public:
    TBetAnyCraps(TJorpOwner* owner, const TFileMode& name, i16 spotId);
    TBetAnyCraps(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId);
};

class TBetField : public TCBetSpot {
public:
    TBetField(TJorpOwner* owner, const TFileMode& name, i16 spotId);
    TBetField(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId);
};

// Variant 0 is "C and E", 1 the "Horn".
class TBetCraps11 : public TCBetSpot {
public:
    TBetCraps11(TJorpOwner* owner, const TFileMode& name, i16 spotId, u8 variant);
    TBetCraps11(TJorpOwner* owner, const TFileMode& name, TEmbeddedAddress address, i16 spotId,
                u8 variant);
};
