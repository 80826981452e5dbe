// TBitmapFileHeader and TBitmapInfo: the 14-byte file header and the DIB header with its colours.
#pragma once

#include "platform/framework/draw/GdiTypes.h"
#include "platform/host/Types.h"

#include <memory>

class TRGBQuadPalette;

constexpr u32 BMP_FILE_HEADER_SIZE = 14;
constexpr u32 BMP_INFO_HEADER_SIZE = 40;
constexpr i32 BMP_MAX_COLOURS = 256;

class TBitmapFileHeader {
public:
    TBitmapFileHeader() = default;
    // The 14 bytes at the address, little-endian.
    explicit TBitmapFileHeader(const u8* bytes);
    virtual ~TBitmapFileHeader() = default;
    TBitmapFileHeader(const TBitmapFileHeader&) = default;
    TBitmapFileHeader& operator=(const TBitmapFileHeader&) = default;

    u16 bfType = 0;
    u32 bfSize = 0;
    u16 bfReserved1 = 0;
    u16 bfReserved2 = 0;
    u32 bfOffBits = 0;
};

// The header followed by its colour table. The block has room for 256 colours; biClrUsed says
// how many of them count.
class TBitmapInfo {
public:
    TBitmapInfo() = default;
    explicit TBitmapInfo(i32 colours) { Allocate(colours); }

    // From a header in memory: the 40-byte header and its colours (biClrUsed, or the default of
    // its depth), biClrUsed then set to that count. False, and nothing kept, when the bytes are
    // too few, the header is not 40 bytes or it claims more than 256 colours.
    bool Assign(const u8* bytes, u32 size);
    // A fresh 8-bit header for that many colours, all black.
    void Allocate(i32 colours);
    void InitHeader(i32 colours);
    // Every colour entry set to the 32-bit value (blue in the low byte).
    void FillColours(u32 value);
    void Free() { Block.reset(); }
    // The palette's colour table, keeping the header; at most 256 entries are taken.
    bool SetColours(const TRGBQuadPalette& palette);

    bool IsEmpty() const { return Block == nullptr; }
    BITMAPINFO* Get() { return Block.get(); }
    const BITMAPINFO* Get() const { return Block.get(); }
    i32 GetColourCount() const { return Block ? static_cast<i32>(Block->bmiHeader.biClrUsed) : 0; }

    static u32 DefaultColourCount(u16 bitCount);

private:
    std::unique_ptr<BITMAPINFO> Block;
};
