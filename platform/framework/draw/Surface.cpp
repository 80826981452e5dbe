// Pixel access and fills on the virtual desktop.
#include "Surface.h"

void TScreenSurface::Resize(const TSize& size) {
    Width = std::max(0, size.cx);
    Height = std::max(0, size.cy);
    Pixels.assign(static_cast<size_t>(Width) * static_cast<size_t>(Height), 0xFF000000U);
}

u32 TScreenSurface::GetPixel(i32 x, i32 y) const {
    if (x < 0 || y < 0 || x >= Width || y >= Height)
        return 0;
    return Row(y)[x];
}

void TScreenSurface::SetPixel(i32 x, i32 y, u32 argb) {
    if (x < 0 || y < 0 || x >= Width || y >= Height)
        return;
    Row(y)[x] = argb;
}

void TScreenSurface::Fill(const TRect& area, u32 argb) {
    const TRect r = area & Bounds();
    for (i32 y = r.top; y < r.bottom; ++y) {
        u32* row = Row(y);
        std::fill(row + r.left, row + r.right, argb);
    }
}
