// The virtual desktop's pixels: 32-bit 0xAARRGGBB, top row first.
#pragma once

#include "platform/framework/Geometry.h"

#include <vector>

class TScreenSurface {
public:
    TScreenSurface() = default;
    explicit TScreenSurface(const TSize& size) { Resize(size); }

    void Resize(const TSize& size);
    TSize GetSize() const { return {Width, Height}; }
    TRect Bounds() const { return {0, 0, Width, Height}; }
    i32 GetWidth() const { return Width; }
    i32 GetHeight() const { return Height; }

    // Out-of-range reads give 0 and writes are ignored.
    u32 GetPixel(i32 x, i32 y) const;
    void SetPixel(i32 x, i32 y, u32 argb);
    void Fill(const TRect& area, u32 argb);

    const u32* Row(i32 y) const { return Pixels.data() + static_cast<size_t>(y) * Width; }
    u32* Row(i32 y) { return Pixels.data() + static_cast<size_t>(y) * Width; }

private:
    i32 Width = 0;
    i32 Height = 0;
    std::vector<u32> Pixels;
};

constexpr u32 MakeArgb(u8 r, u8 g, u8 b) {
    return 0xFF000000U | (static_cast<u32>(r) << 16) | (static_cast<u32>(g) << 8) | b;
}
