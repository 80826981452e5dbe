// TCasinoCData: a gambler's history of his last twenty craps sessions and his betting options.
#pragma once

#include "casino/CCSession.h"
#include "casino/CasinoData.h"

#include <array>
#include <cstddef>

// 13,147 bytes in the save file, laid out by TLayoutOf<TCasinoCData> (casino/HistoryLayouts.h):
// the ring's bookkeeping, twenty sessions, a spare amount and the seven option bytes; the
// offsets below are checked against that table. A new session takes
// the slot after the current one, overwriting the oldest once all twenty are in use.
//
// A damaged file may leave the current slot outside the ring. Nothing indexes with it then:
// the walk finds no session, session updates are skipped, and the next session restarts the
// ring at slot 0.
class TCasinoCData : public TCasinoData {
public:
    static constexpr size_t EncodedSize = 13147;
    static constexpr i16 SessionSlots = 20;
    static constexpr size_t SessionsAt = TCasinoData::EncodedSize;
    static constexpr size_t ReservedAt = 13132;
    static constexpr size_t OptionsAt = 13140;
    static constexpr size_t OptionCount = 7;

    // An empty history with the default options.
    TCasinoCData() { Clear(); }

    // The first slot, every slot empty, no spare amount and the default options.
    void Clear();
    // Buy 4 and 10, don't-come odds on the come-out and hardways on the come-out.
    void SetDefaultBetOptions();
    // Option i (0..6); a stored byte above 1 counts as set. False for any other i.
    bool GetBetOption(size_t i) const;

    // Moves the current slot on to where a new session goes.
    void NextSessionSlot();
    void BeginSession(TMoney bankroll, u16 gameCode, TMoney betUnit);
    // Closes the current slot's record, whatever state it is in.
    void EndSession(TMoney bankroll);
    // The record that receives the session's statistics; null while the current slot lies
    // outside the ring.
    TCCSession* GetCurrentSession();

    // The slots of the sessions in use, oldest first: FirstSession once, then NextSession
    // until it answers -1. One walk at a time. The walk stops at the first empty slot.
    i16 FirstSession();
    i16 NextSession();
    // Slot 0..19 of a walk; null for any other slot.
    const TCCSession* GetSession(i16 slot) const;

    // False, and nothing taken or written, when the area holds fewer than EncodedSize bytes.
    bool Decode(const u8* bytes, size_t size);
    bool Encode(u8* bytes, size_t size) const;

private:
    template <class T> friend struct TLayoutOf;

    static bool InRing(i16 slot) { return slot >= 0 && slot < SessionSlots; }
    bool InUse(i16 slot) const { return Sessions[static_cast<size_t>(slot)].IsUsed(); }

    std::array<TCCSession, SessionSlots> Sessions;
    TMoney ReservedC;
    // Kept as stored: only their being zero or not means anything.
    std::array<u8, OptionCount> BetOptions{};
};
