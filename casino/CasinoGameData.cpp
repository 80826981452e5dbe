// TCasinoGameData: the block's 223 bytes through their table.
#include "CasinoGameData.h"

#include "casino/GameDataLayout.h"

bool TCasinoGameData::Decode(const u8* bytes, size_t size) {
    return bytes != nullptr && DecodeRecord(*this, std::span(bytes, size));
}

bool TCasinoGameData::Encode(u8* bytes, size_t size) const {
    return bytes != nullptr && EncodeRecord(*this, std::span(bytes, size));
}
