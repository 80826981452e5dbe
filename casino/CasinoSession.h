// TCasinoSession: what any casino game keeps of one stay of a gambler at its table.
#pragma once

#include "engine/foundation/Money.h"
#include "platform/host/Types.h"

#include <cstddef>

// 92 bytes in the save file, laid out by TLayoutOf<TCasinoSession> (casino/SessionLayouts.h).
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
