// Little-endian fields of the media files, read from and written to byte arrays.
#pragma once

#include "platform/host/Types.h"

#include <vector>

inline u16 GetLe16(const u8* p) {
    return static_cast<u16>(p[0] | (p[1] << 8));
}
inline u32 GetLe32(const u8* p) {
    return static_cast<u32>(p[0]) | (static_cast<u32>(p[1]) << 8) | (static_cast<u32>(p[2]) << 16) |
           (static_cast<u32>(p[3]) << 24);
}
inline void PutLe16(std::vector<u8>& out, u16 v) {
    out.push_back(static_cast<u8>(v));
    out.push_back(static_cast<u8>(v >> 8));
}
inline void PutLe32(std::vector<u8>& out, u32 v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<u8>(v >> shift));
}
