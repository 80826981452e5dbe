// TCasinoSession: what any casino game keeps of one stay of a gambler at its table.
#pragma once

#include "engine/foundation/Money.h"
#include "platform/host/Types.h"

#include <cstddef>

// 92 bytes in the save file, packed and little-endian: 0 used, 1 open, 2 start time, 6 end
// time (u32 seconds since 1901 on the local clock, which wrap in 2037 as stored files expect),
// 10 game code (u16), 12 bet unit, 20 start bankroll, 28 end bankroll, 36 total bet (f64),
// 44 bets won, lost and decided, 50 five spare counters (u16), 60 two spare amounts, 76 peak
// and 84 low bankroll (f64). The spare fields are carried through untouched.
class TCasinoSession {
public:
    static constexpr size_t EncodedSize = 92;

    TCasinoSession() = default;

    // Every field zero: an empty slot.
    void Clear();
    void StampStartTime();
    void StampEndTime();
    // Clears the record and opens it on this bankroll, which is also its peak and low.
    void Begin(TMoney bankroll, u16 gameCode, TMoney betUnit);
    // Closes the record; may run again, moving only the end time and end bankroll.
    void End(TMoney bankroll);

    // A stored byte above 1 counts as set.
    bool IsUsed() const { return Used != 0; }
    bool IsOpen() const { return Open != 0; }

    // False, and nothing taken or written, when the area holds fewer than EncodedSize bytes.
    bool Decode(const u8* bytes, size_t size);
    bool Encode(u8* bytes, size_t size) const;

    u8 Used = 0;
    u8 Open = 0;
    u32 StartTime = 0;
    u32 EndTime = 0;
    u16 GameCode = 0;
    TMoney BetUnit;
    TMoney StartBankroll;
    TMoney EndBankroll;
    TMoney TotalBet;
    u16 BetsWon = 0;
    u16 BetsLost = 0;
    u16 BetsDecided = 0;
    u16 ExtraCount1 = 0;
    u16 ExtraCount2 = 0;
    u16 ExtraCount3 = 0;
    u16 ExtraCount4 = 0;
    u16 ExtraCount5 = 0;
    TMoney ExtraMoney1;
    TMoney ExtraMoney2;
    TMoney PeakBankroll;
    TMoney LowBankroll;
};
