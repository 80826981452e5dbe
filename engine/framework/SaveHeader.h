// TGameHeader and TGameData: the header and the engine's game data at the start of the save
// file.
#pragma once

#include "platform/host/Types.h"

#include <cstddef>

// "SAVE", major 1, minor 0: 8 bytes.
struct TGameHeader {
    static constexpr size_t EncodedSize = 8;

    char Id[4] = {'S', 'A', 'V', 'E'};
    u16 Major = 1;
    u16 Minor = 0;

    // False, and nothing done, when there are fewer than 8 bytes.
    bool Encode(u8* bytes, size_t size) const;
    bool Decode(const u8* bytes, size_t size);
};

// The engine's game data: four time stamps of the class library's time of day (seconds since
// 1 January 1901), all the moment the data was made. A derived manager's game data is larger
// and writes what follows.
class TGameData {
public:
    static constexpr size_t EncodedSize = 16;

    // Every stamp is now, from the process clock.
    TGameData();
    virtual ~TGameData() = default;

    // False, and nothing written, when the area is too small.
    virtual bool Encode(u8* bytes, size_t size) const;

    u32 Stamps[4] = {};
};
