// The dealer skits' conditions: each number with its name and what it asks of the table.
#pragma once

#include "craps/bets/BetOptions.h"
#include "platform/host/Types.h"

#include <array>
#include <span>

class TCBetSpot;

namespace skit_condition {

// The round's numbers as they stand when a skit asks.
struct TRound {
    i16 ShooterSeat = 0;
    i16 CurrentSeat = 0;
    // The roll in hand (0 to 5 each, -1 before the first).
    i16 Die1 = -1;
    i16 Die2 = -1;
    // The point as the dice's sum (0 to 10, 2 below the total), -1 for none.
    i16 Point = -1;
    u8 ComeOutFlag = 1;
    u8 NewShooter = 1;
    u8 DiceGiven = 0;
    std::array<i16, 2> LastRoll{};
    std::array<i16, 2> RollBeforeLast{};
    i16 WinningSpot = 0;
    i16 TalkSetting = 3;
    u16 RollCount = 0;
    u16 StallCount = 0;
    u16 ShakeCount = 0;
    u16 PointRollCount = 0;
    u16 ShooterComeOuts = 0;
    u16 DiceLandVariant = 0;
};

// What a condition may ask of the table. Asking changes nothing.
class TTable {
public:
    virtual ~TTable() = default;
    virtual const TRound& Round() const = 0;
    virtual i16 OccupiedSeats() const = 0;
    virtual bool Seated(i16 seat) const = 0;
    // 1 a man, 0 a woman, -1 an empty seat.
    virtual int SeatSex(i16 seat) const = 0;
    // Null where the table has no such spot.
    virtual TCBetSpot* Spot(i16 index) const = 0;
    // The seat's own betting options.
    virtual TCrapsBetOptions Options(i16 seat) const = 0;
    // 0 the fastest to 3 the richest.
    virtual i16 GameSpeed() const = 0;
};

struct TCondition {
    u16 Number;
    const char* Name;
    bool (*Holds)(const TTable& table);
};

// Every condition, in number order.
std::span<const TCondition> Conditions();
// Null for a number no condition has.
const TCondition* Find(u16 number);
// +1 holds, -1 does not, 0 for a number no condition has. The chance conditions draw from the
// program's generator.
i16 Test(u16 number, const TTable& table);

} // namespace skit_condition
