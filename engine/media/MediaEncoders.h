// TPalEncoder and TBmpEncoder: the bytes of ".pal" and ".bmp" files, for the data-set builder
// and test fixtures (the objects' own writers write nothing).
#pragma once

#include "platform/framework/draw/GdiTypes.h"
#include "platform/host/Types.h"

#include <array>
#include <vector>

using TColourTable = std::array<RGBQUAD, 256>;

struct TPalEncoder {
    // 256 entries of blue, green, red and a 0 byte.
    static std::vector<u8> Encode(const TColourTable& colours);
};

struct TBmpEncoder {
    // An 8-bit uncompressed file with a 40-byte header and 256 colours, rows bottom-up and
    // padded to 4 bytes. The pixels are given top row first, width x height of them; empty
    // when the sizes are not positive or the pixels too few.
    static std::vector<u8> Encode(i32 width, i32 height, const std::vector<u8>& pixels,
                                  const TColourTable& colours);
};
