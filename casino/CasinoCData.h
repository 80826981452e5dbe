// TCasinoCData: a gambler's session history and betting options, kept whole inside his record.
#pragma once

#include "platform/host/Types.h"

#include <array>
#include <cstddef>

// The history's own fields are not read here yet: its bytes are kept exactly as the save file
// holds them, so that nothing a later reader relies on is lost on the way through. Only the
// seven betting options at its end are known.
class TCasinoCData {
public:
    static constexpr size_t EncodedSize = 13147;
    static constexpr size_t OptionsAt = 13140;
    static constexpr size_t OptionCount = 7;

    // An empty history with the default options.
    TCasinoCData();

    // Zeros, then the default betting options.
    void Clear();
    void SetDefaultBetOptions();

    // Option i (0..6); a stored byte above 1 counts as set. False for any other i.
    bool GetBetOption(size_t i) const;

    // False, and nothing taken or written, when the area holds fewer than EncodedSize bytes.
    bool Decode(const u8* bytes, size_t size);
    bool Encode(u8* bytes, size_t size) const;

private:
    std::array<u8, EncodedSize> Bytes{};
};
