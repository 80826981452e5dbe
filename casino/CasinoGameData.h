// TCasinoGameData: the casino's game data, stored once in the save file before the records.
#pragma once

#include "engine/foundation/Money.h"
#include "engine/framework/SaveHeader.h"

#include <array>
#include <cstddef>

// 223 bytes, laid out by TLayoutOf<TCasinoGameData> (casino/GameDataLayout.h): the engine's
// four stamps, then fields nothing reads after the block is made (the first is 1 in a new
// block): they are only carried from the file back to it.
class TCasinoGameData : public TGameData {
public:
    static constexpr size_t EncodedSize = 223;
    static constexpr size_t SpareBytes = 75;

    // The stamps now, 1 in the first field and zero in every other.
    TCasinoGameData() = default;

    // False, and nothing taken or written, when the area holds fewer than EncodedSize bytes.
    bool Decode(const u8* bytes, size_t size);
    bool Encode(u8* bytes, size_t size) const override;

    u32 First = 1;
    u32 Second = 0;
    TMoney Amount;
    std::array<u32, 8> Counts{};
    std::array<TMoney, 9> Amounts{};
    std::array<u8, SpareBytes> Spare{};
    std::array<u32, 3> Tail{};
};
