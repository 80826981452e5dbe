// TGameHeader and TGameData, field by field.
#include "SaveHeader.h"

#include "engine/framework/PlayerData.h"
#include "platform/host/DateTime.h"

#include <cstring>

bool TGameHeader::Encode(u8* bytes, size_t size) const {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    std::memcpy(bytes, Id, 4);
    JorpPutU16(bytes + 4, Major);
    JorpPutU16(bytes + 6, Minor);
    return true;
}

bool TGameHeader::Decode(const u8* bytes, size_t size) {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    std::memcpy(Id, bytes, 4);
    Major = JorpGetU16(bytes + 4);
    Minor = JorpGetU16(bytes + 6);
    return true;
}

TGameData::TGameData() {
    const u32 now = TTime().Seconds();
    for (u32& stamp : Stamps)
        stamp = now;
}

bool TGameData::Encode(u8* bytes, size_t size) const {
    if (bytes == nullptr || size < EncodedSize)
        return false;
    for (size_t i = 0; i < 4; ++i)
        JorpPutU32(bytes + 4 * i, Stamps[i]);
    return true;
}
