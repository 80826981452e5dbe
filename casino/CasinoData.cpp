// TCasinoData: clearing the ring's bookkeeping, and its 12 bytes through their table.
#include "CasinoData.h"

#include "casino/HistoryLayouts.h"

void TCasinoData::Clear() {
    Current = 0;
    Reserved = TMoney();
}

bool TCasinoData::Decode(const u8* bytes, size_t size) {
    return bytes != nullptr && DecodeRecord(*this, std::span(bytes, size));
}

bool TCasinoData::Encode(u8* bytes, size_t size) const {
    return bytes != nullptr && EncodeRecord(*this, std::span(bytes, size));
}
