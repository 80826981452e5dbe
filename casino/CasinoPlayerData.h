// TCasinoPlayerData: a gambler's record: the engine's part, the casino's fields and his
// session history, 13,195 bytes in the save file.
#pragma once

#include "casino/CasinoCData.h"
#include "engine/foundation/Money.h"
#include "engine/framework/PlayerData.h"

#include <array>
#include <cstddef>

// Little-endian and packed in the file: the engine's 31 bytes, then 31 the session-open code
// (u32), 35 instruction mode (u8), 36 six chip counts (u16: chips of 1, 5, 25, 100, 1000 and
// 10000 dollars), 48 the session history, whose last seven bytes (13188..13194) are the
// betting options. A seated gambler's record is that image in the manager's block; the
// static field helpers read and change it in place.
class TCasinoPlayerData : public TPlayerData {
public:
    static constexpr size_t EncodedSize = 13195;
    static constexpr size_t BankrollAt = 15;
    static constexpr size_t SessionCodeAt = 31;
    static constexpr size_t InstructionAt = 35;
    static constexpr size_t ChipsAt = 36;
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

    // Fields of a record image in place. The bankroll of a stored non-number reads 0.0.
    static double ReadBankroll(const u8* image);
    static void WriteBankroll(u8* image, double bankroll);
    static bool ReadInstructionMode(const u8* image);
    // 0 becomes 1, anything else 0.
    static void ToggleInstructionMode(u8* image);

private:
    u32 SessionCode = 0;
    u8 Instruction = 0;
    std::array<u16, ChipKinds> Chips{};
    TCasinoCData History;
};
