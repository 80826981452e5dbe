// TCasinoGameData: the stamps, then zeros to its size.
#include "CasinoGameData.h"

#include <algorithm>

bool TCasinoGameData::Encode(u8* bytes, size_t size) const {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    TGameData::Encode(bytes, size);
    std::fill(bytes + TGameData::EncodedSize, bytes + EncodedSize, u8{0});
    return true;
}
