// TCasinoPlayerData: a gambler's record: the engine's part, the casino's fields and his
// session history, 13,195 bytes in the save file.
#pragma once

#include "casino/CasinoCData.h"
#include "engine/foundation/Money.h"
#include "engine/framework/PlayerData.h"

#include <array>
#include <cstddef>

// Laid out by TLayoutOf<TCasinoPlayerData> (casino/GamblerLayout.h): the engine's 31 bytes,
// the session-open code, instruction mode, six chip counts and the session history, whose
// last seven bytes are the betting options; the offsets below are checked against that
// table. A seated gambler's record is that image in the manager's block, read and changed in
// place through TGamblerRecord.
class TCasinoPlayerData : public TPlayerData {
public:
    static constexpr size_t EncodedSize = 13195;
    static constexpr size_t InstructionAt = 35;
    static constexpr size_t ChipKinds = 6;
    static constexpr size_t HistoryAt = 48;
    static constexpr size_t OptionsAt = HistoryAt + TCasinoCData::OptionsAt;
    // What an open session leaves in the record.
    static constexpr u32 SessionOpen = 4;

    TCasinoPlayerData();

    // The engine's defaults, no session, the default chip mix, instruction mode off and an
    // empty history with the default options.
    void Clear();
    // 5, 4, 3, 9, 1 and 0 chips: the engine's default 2000 dollars.
    void SetDefaultChipMix();
    // Count i (0..5); 0 for any other i, which changes nothing.
    u16 GetChipCount(i16 i) const;
    void SetChipCount(i16 i, u16 count);
    // Marks the session open and opens a session in the history on the current bankroll.
    void BeginSession(u16 gameCode, TMoney unit);
    // Closes the history's current session on the current bankroll and marks none open.
    void EndSession();
    // A session that a run which ended without closing it (killed, or crashed) left open:
    // closed on the bankroll the record holds, at the moment given (never before the session
    // began), so that it counts as any other. False, and nothing changed, when none was left.
    bool CloseLeftSession(u32 lastSaved);

    u32 GetSessionCode() const { return SessionCode; }
    // A stored byte above 1 counts as on.
    bool GetInstructionMode() const { return Instruction != 0; }
    bool GetBetOption(size_t i) const { return History.GetBetOption(i); }
    TCasinoCData& GetHistory() { return History; }
    const TCasinoCData& GetHistory() const { return History; }

    // The whole record; false, and nothing taken, when fewer than EncodedSize bytes are given.
    // Bytes the record does not interpret come back out exactly as they went in.
    bool Decode(const u8* bytes, size_t size);
    bool Encode(u8* bytes, size_t size) const override;

private:
    template <class T> friend struct TLayoutOf;

    u32 SessionCode = 0;
    u8 Instruction = 0;
    std::array<u16, ChipKinds> Chips{};
    TCasinoCData History;
};
