// The bitmap headers: read from file bytes, made fresh, and coloured from a palette.
#include "engine/media/BitmapInfo.h"

#include "engine/media/LittleEndian.h"
#include "engine/media/PaletteTables.h"

#include <algorithm>

TBitmapFileHeader::TBitmapFileHeader(const u8* bytes)
    : bfType(GetLe16(bytes)), bfSize(GetLe32(bytes + 2)), bfReserved1(GetLe16(bytes + 6)),
      bfReserved2(GetLe16(bytes + 8)), bfOffBits(GetLe32(bytes + 10)) {}

u32 TBitmapInfo::DefaultColourCount(u16 bitCount) {
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
    case 24:
        return 256;
    default:
        return 0;
    }
}

bool TBitmapInfo::Assign(const u8* bytes, u32 size) {
    if (bytes == nullptr || size < BMP_INFO_HEADER_SIZE || GetLe32(bytes) != BMP_INFO_HEADER_SIZE)
        return false;
    BITMAPINFOHEADER h;
    h.biSize = GetLe32(bytes);
    h.biWidth = static_cast<i32>(GetLe32(bytes + 4));
    h.biHeight = static_cast<i32>(GetLe32(bytes + 8));
    h.biPlanes = GetLe16(bytes + 12);
    h.biBitCount = GetLe16(bytes + 14);
    h.biCompression = GetLe32(bytes + 16);
    h.biSizeImage = GetLe32(bytes + 20);
    h.biXPelsPerMeter = static_cast<i32>(GetLe32(bytes + 24));
    h.biYPelsPerMeter = static_cast<i32>(GetLe32(bytes + 28));
    h.biClrUsed = GetLe32(bytes + 32);
    h.biClrImportant = GetLe32(bytes + 36);
    const u32 colours = h.biClrUsed != 0 ? h.biClrUsed : DefaultColourCount(h.biBitCount);
    if (colours > BMP_MAX_COLOURS || size - BMP_INFO_HEADER_SIZE < colours * 4)
        return false;
    auto block = std::make_unique<BITMAPINFO>();
    block->bmiHeader = h;
    block->bmiHeader.biClrUsed = colours;
    const u8* table = bytes + BMP_INFO_HEADER_SIZE;
    for (u32 i = 0; i < colours; ++i)
        block->bmiColors[i] = {table[i * 4], table[i * 4 + 1], table[i * 4 + 2], table[i * 4 + 3]};
    Block = std::move(block);
    return true;
}

void TBitmapInfo::Allocate(i32 colours) {
    Block = std::make_unique<BITMAPINFO>();
    InitHeader(colours);
}

void TBitmapInfo::InitHeader(i32 colours) {
    if (!Block)
        Block = std::make_unique<BITMAPINFO>();
    const u32 n = static_cast<u32>(std::clamp(colours, 0, BMP_MAX_COLOURS));
    Block->bmiHeader = BITMAPINFOHEADER{};
    Block->bmiHeader.biClrUsed = n;
    Block->bmiHeader.biClrImportant = n;
    std::fill(std::begin(Block->bmiColors), std::end(Block->bmiColors), RGBQUAD{});
}

void TBitmapInfo::FillColours(u32 value) {
    if (!Block)
        return;
    const RGBQUAD q{static_cast<u8>(value), static_cast<u8>(value >> 8),
                    static_cast<u8>(value >> 16), static_cast<u8>(value >> 24)};
    std::fill_n(Block->bmiColors, std::min<u32>(Block->bmiHeader.biClrUsed, BMP_MAX_COLOURS), q);
}

bool TBitmapInfo::SetColours(const TRGBQuadPalette& palette) {
    const i32 n = std::clamp<i32>(palette.GetCount(), 0, BMP_MAX_COLOURS);
    if (!Block)
        Allocate(n);
    std::fill(std::begin(Block->bmiColors), std::end(Block->bmiColors), RGBQUAD{});
    for (i32 i = 0; i < n; ++i)
        Block->bmiColors[i] = palette.At(i);
    Block->bmiHeader.biClrUsed = static_cast<u32>(n);
    Block->bmiHeader.biClrImportant = static_cast<u32>(n);
    return true;
}
