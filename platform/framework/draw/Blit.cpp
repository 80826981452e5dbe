// Copies between DCs, 1:1 or stretched to the nearest pixel, through the source's colours.
#include "Gdi.h"
#include "GdiObjects.h"

#include <algorithm>
#include <array>

namespace {

// Where an 8-bit source goes in an 8-bit target: the same index when both show through
// the same colours, else the target's nearest colour.
std::array<u8, 256> IndexMap(const TGdiBitmap& src, const TGdiBitmap& dst) {
    const std::vector<RGBQUAD> from = EffectiveColorTable(src);
    const std::vector<RGBQUAD> to = EffectiveColorTable(dst);
    std::array<u8, 256> map{};
    for (size_t i = 0; i < 256; ++i) {
        if (i < from.size() && i < to.size() && from[i] == to[i]) {
            map[i] = static_cast<u8>(i);
            continue;
        }
        const RGBQUAD q = i < from.size() ? from[i] : (from.empty() ? RGBQUAD{} : from[0]);
        map[i] = NearestColorIndex(to, RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    }
    return map;
}

// A 1:1 copy from an 8-bit bitmap onto the screen, row by row through one colour lookup: the
// game shows every frame of its back buffer this way.
void CopyRows8(TGdiBitmap& src, const TRect& srcBounds, TScreenSurface& dst,
               const std::vector<TRect>& clip, const TRect& area, i32 sx0, i32 sy0) {
    std::array<u32, 256> filled;
    src.FillArgbTable(filled);
    // A table of its own that nothing else can reach, so that the compiler may take the rows
    // in wide steps: the stores to the screen cannot change it.
    const std::array<u32, 256> argb = filled;
    // Source pixel = target pixel + shift.
    const i32 dx = sx0 - area.left;
    const i32 dy = sy0 - area.top;
    const TRect reachable = area & srcBounds.OffsetBy(-dx, -dy) & dst.Bounds();
    for (const TRect& c : clip) {
        const TRect r = reachable & c;
        if (r.IsEmpty())
            continue;
        const size_t n = static_cast<size_t>(r.Width());
        for (i32 ty = r.top; ty < r.bottom; ++ty) {
            const u8* from = src.Row8(ty + dy) + (r.left + dx);
            u32* to = dst.Row(ty) + r.left;
            for (size_t i = 0; i < n; ++i)
                to[i] = argb[from[i]];
        }
    }
}

} // namespace

bool StretchBlt(HDC dst, i32 x, i32 y, i32 width, i32 height, HDC src, i32 srcX, i32 srcY,
                i32 srcWidth, i32 srcHeight, u32 rop) {
    TDeviceContext* d = CheckDc(dst);
    TDeviceContext* s = CheckDc(src);
    // Mirrored copies (negative sizes) have no caller and are refused.
    if (d == nullptr || s == nullptr || rop != SRCCOPY || width < 0 || height < 0 || srcWidth < 0 ||
        srcHeight < 0)
        return false;
    if (width == 0 || height == 0 || srcWidth == 0 || srcHeight == 0)
        return true;
    const TDrawTarget to = GetDrawTarget(*d);
    const TDrawTarget from = GetDrawTarget(*s);
    const TRect srcBounds = from.Surface != nullptr  ? from.Surface->Bounds()
                            : from.Bitmap != nullptr ? from.Bitmap->Bounds()
                                                     : TRect{};
    if (srcBounds.IsEmpty() || to.Clip.empty())
        return true;

    const i32 sx0 = srcX + from.Origin.x;
    const i32 sy0 = srcY + from.Origin.y;
    if (width == srcWidth && height == srcHeight && to.Surface != nullptr &&
        from.Bitmap != nullptr && from.Bitmap->BitCount == 8) {
        CopyRows8(*from.Bitmap, srcBounds, *to.Surface, to.Clip,
                  TRect{x, y, x + width, y + height}.OffsetBy(to.Origin.x, to.Origin.y), sx0, sy0);
        return true;
    }

    // Source column and row of each target column and row, in source pixels; outside the
    // source, -1 and the target pixel is left alone.
    std::vector<i32> column(static_cast<size_t>(width));
    for (i32 i = 0; i < width; ++i) {
        const i32 c = sx0 + static_cast<i32>(static_cast<i64>(i) * srcWidth / width);
        column[static_cast<size_t>(i)] = c >= srcBounds.left && c < srcBounds.right ? c : -1;
    }
    const TRect area = TRect{x, y, x + width, y + height}.OffsetBy(to.Origin.x, to.Origin.y);

    const bool eightToEight = from.Bitmap != nullptr && from.Bitmap->BitCount == 8 &&
                              to.Bitmap != nullptr && to.Bitmap->BitCount == 8;
    std::array<u8, 256> indexMap{};
    std::array<u32, 256> argbMap{};
    if (eightToEight)
        indexMap = IndexMap(*from.Bitmap, *to.Bitmap);
    else if (from.Bitmap != nullptr && from.Bitmap->BitCount == 8)
        from.Bitmap->FillArgbTable(argbMap);
    const std::vector<RGBQUAD> targetTable =
        to.Bitmap != nullptr && to.Bitmap->BitCount == 8 && !eightToEight
            ? EffectiveColorTable(*to.Bitmap)
            : std::vector<RGBQUAD>{};

    for (const TRect& clip : to.Clip) {
        const TRect r = area & clip;
        for (i32 ty = r.top; ty < r.bottom; ++ty) {
            const i64 j = ty - area.top;
            const i32 sy = sy0 + static_cast<i32>(j * srcHeight / height);
            if (sy < srcBounds.top || sy >= srcBounds.bottom)
                continue;
            for (i32 tx = r.left; tx < r.right; ++tx) {
                const i32 sx = column[static_cast<size_t>(tx - area.left)];
                if (sx < 0)
                    continue;
                if (eightToEight) {
                    to.Bitmap->Row8(ty)[tx] = indexMap[from.Bitmap->Row8(sy)[sx]];
                    continue;
                }
                const u32 argb = from.Bitmap != nullptr && from.Bitmap->BitCount == 8
                                     ? argbMap[from.Bitmap->Row8(sy)[sx]]
                                     : ReadTargetPixel(from, sx, sy);
                if (to.Surface != nullptr)
                    to.Surface->Row(ty)[tx] = argb;
                else if (to.Bitmap->BitCount == 8)
                    to.Bitmap->Row8(ty)[tx] = NearestColorIndex(targetTable, ArgbToColorRef(argb));
                else
                    to.Bitmap->Row32(ty)[tx] = argb & 0x00FFFFFFU;
            }
        }
    }
    return true;
}

bool BitBlt(HDC dst, i32 x, i32 y, i32 width, i32 height, HDC src, i32 srcX, i32 srcY, u32 rop) {
    return StretchBlt(dst, x, y, width, height, src, srcX, srcY, width, height, rop);
}
