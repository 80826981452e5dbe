// TCasinoGameData: the casino's game data, stored once in the save file before the records.
#pragma once

#include "engine/framework/SaveHeader.h"

#include <cstddef>

// The engine's four stamps, then bytes nothing reads yet: made zero, and from then on kept
// exactly as the file holds them (the manager writes back the block it read).
class TCasinoGameData : public TGameData {
public:
    static constexpr size_t EncodedSize = 223;

    // False, and nothing written, when the area holds fewer than EncodedSize bytes.
    bool Encode(u8* bytes, size_t size) const override;
};
