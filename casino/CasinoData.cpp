// TCasinoData: clearing the ring's bookkeeping, and its 12 bytes field by field.
#include "CasinoData.h"

#include "engine/framework/PlayerData.h"

void TCasinoData::Clear() {
    Current = 0;
    Reserved = TMoney();
}

bool TCasinoData::Decode(const u8* bytes, size_t size) {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    Current = static_cast<i16>(JorpGetU16(bytes));
    Reserved = TMoney(JorpGetF64(bytes + 2));
    Walk = static_cast<i16>(JorpGetU16(bytes + 10));
    return true;
}

bool TCasinoData::Encode(u8* bytes, size_t size) const {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    JorpPutU16(bytes, static_cast<u16>(Current));
    JorpPutF64(bytes + 2, Reserved.GetValue());
    JorpPutU16(bytes + 10, static_cast<u16>(Walk));
    return true;
}
