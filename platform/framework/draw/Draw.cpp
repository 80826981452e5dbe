// Lines, rectangles, fills and pixels on a DC's surface or bitmap, within its clip.
#include "Gdi.h"
#include "GdiObjects.h"

#include <cstdlib>
#include <optional>

TDrawTarget GetDrawTarget(TDeviceContext& dc) {
    TDrawTarget target;
    target.Origin = dc.Origin;
    if (dc.Kind == TDcKind::Memory) {
        target.Bitmap = dc.Bitmap;
        if (dc.Bitmap != nullptr)
            target.Clip.push_back(dc.Bitmap->Bounds());
        return target;
    }
    target.Surface = dc.Surface;
    if (dc.Surface != nullptr)
        for (const TRect& r : dc.Clip.GetRects()) {
            const TRect c = r & dc.Surface->Bounds();
            if (!c.IsEmpty())
                target.Clip.push_back(c);
        }
    return target;
}

TInk MakeInk(TDeviceContext& dc, const TDrawTarget& target, COLORREF color) {
    TInk ink;
    const COLORREF rgb = ResolveColor(dc, color);
    ink.Argb = ColorRefToArgb(rgb);
    if (target.Bitmap != nullptr && target.Bitmap->BitCount == 8) {
        // A palette index lands as that index in an 8-bit bitmap.
        ink.Index = IsPaletteIndex(color)
                        ? static_cast<u8>(color & 0xFF)
                        : NearestColorIndex(EffectiveColorTable(*target.Bitmap), rgb);
    }
    return ink;
}

void FillTargetRect(const TDrawTarget& target, const TRect& rect, const TInk& ink) {
    for (const TRect& clip : target.Clip) {
        const TRect r = rect & clip;
        if (r.IsEmpty())
            continue;
        if (target.Surface != nullptr) {
            target.Surface->Fill(r, ink.Argb);
        } else if (target.Bitmap != nullptr && target.Bitmap->BitCount == 8) {
            for (i32 y = r.top; y < r.bottom; ++y) {
                u8* row = target.Bitmap->Row8(y);
                std::fill(row + r.left, row + r.right, ink.Index);
            }
        } else if (target.Bitmap != nullptr) {
            for (i32 y = r.top; y < r.bottom; ++y) {
                u32* row = target.Bitmap->Row32(y);
                std::fill(row + r.left, row + r.right, ink.Argb & 0x00FFFFFFU);
            }
        }
    }
}

void PutTargetPixel(const TDrawTarget& target, i32 x, i32 y, const TInk& ink) {
    FillTargetRect(target, {x, y, x + 1, y + 1}, ink);
}

u32 ReadTargetPixel(const TDrawTarget& target, i32 x, i32 y) {
    if (target.Surface != nullptr) {
        if (!target.Surface->Bounds().Contains({x, y}))
            return 0;
        return target.Surface->GetPixel(x, y) | 0xFF000000U;
    }
    TGdiBitmap* b = target.Bitmap;
    if (b == nullptr || !b->Bounds().Contains({x, y}))
        return 0;
    if (b->BitCount == 8)
        return b->IndexToArgb(b->Row8(y)[x]);
    return b->Row32(y)[x] | 0xFF000000U;
}

namespace {

bool InClip(const TDrawTarget& target, i32 x, i32 y) {
    for (const TRect& c : target.Clip)
        if (c.Contains({x, y}))
            return true;
    return false;
}

// A pen of width w covers a w x w square centred on each point of the line.
void Plot(const TDrawTarget& target, i32 x, i32 y, i32 width, const TInk& ink) {
    if (width <= 1) {
        PutTargetPixel(target, x, y, ink);
        return;
    }
    const i32 half = width / 2;
    FillTargetRect(target, {x - half, y - half, x - half + width, y - half + width}, ink);
}

// A single pixel of a device context: its target and where (x, y) lands on it.
struct TPixelAt {
    TDeviceContext* Dc;
    TDrawTarget Target;
    i32 X;
    i32 Y;
};

// Nothing for a bad context or a point outside the clip.
std::optional<TPixelAt> PixelAt(HDC dc, i32 x, i32 y) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr)
        return std::nullopt;
    TPixelAt at{d, GetDrawTarget(*d), 0, 0};
    at.X = x + at.Target.Origin.x;
    at.Y = y + at.Target.Origin.y;
    if (!InClip(at.Target, at.X, at.Y))
        return std::nullopt;
    return at;
}

} // namespace

bool MoveToEx(HDC dc, i32 x, i32 y, TPoint* previous) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr)
        return false;
    if (previous != nullptr)
        *previous = d->Position;
    d->Position = {x, y};
    return true;
}

bool LineTo(HDC dc, i32 x, i32 y) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr)
        return false;
    const TPoint from = d->Position;
    d->Position = {x, y};
    if (d->Pen == nullptr || d->Pen->Style == PS_NULL)
        return true;
    const TDrawTarget target = GetDrawTarget(*d);
    const TInk ink = MakeInk(*d, target, d->Pen->Color);
    // Bresenham from the first point up to, not including, the last.
    i32 x0 = from.x + target.Origin.x;
    i32 y0 = from.y + target.Origin.y;
    const i32 x1 = x + target.Origin.x;
    const i32 y1 = y + target.Origin.y;
    const i32 dx = std::abs(x1 - x0);
    const i32 dy = -std::abs(y1 - y0);
    const i32 sx = x0 < x1 ? 1 : -1;
    const i32 sy = y0 < y1 ? 1 : -1;
    i32 err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        Plot(target, x0, y0, d->Pen->Width, ink);
        const i32 e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    return true;
}

bool Rectangle(HDC dc, i32 left, i32 top, i32 right, i32 bottom) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr)
        return false;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const TDrawTarget target = GetDrawTarget(*d);
    const TRect outer = TRect{left, top, right, bottom}.OffsetBy(target.Origin.x, target.Origin.y);
    const bool pen = d->Pen != nullptr && d->Pen->Style != PS_NULL;
    if (!pen) {
        // Without a pen the inside loses the right and bottom edges the pen would have had.
        if (d->Brush != nullptr && !d->Brush->Hollow)
            FillTargetRect(target, {outer.left, outer.top, outer.right - 1, outer.bottom - 1},
                           MakeInk(*d, target, d->Brush->Color));
        return true;
    }
    const i32 w = std::min(d->Pen->Width, std::max(1, std::min(outer.Width(), outer.Height()) / 2));
    if (d->Brush != nullptr && !d->Brush->Hollow)
        FillTargetRect(target, {outer.left + w, outer.top + w, outer.right - w, outer.bottom - w},
                       MakeInk(*d, target, d->Brush->Color));
    const TInk ink = MakeInk(*d, target, d->Pen->Color);
    FillTargetRect(target, {outer.left, outer.top, outer.right, outer.top + w}, ink);
    FillTargetRect(target, {outer.left, outer.bottom - w, outer.right, outer.bottom}, ink);
    FillTargetRect(target, {outer.left, outer.top, outer.left + w, outer.bottom}, ink);
    FillTargetRect(target, {outer.right - w, outer.top, outer.right, outer.bottom}, ink);
    return true;
}

int FillRect(HDC dc, const TRect* rect, HBRUSH brush) {
    TDeviceContext* d = CheckDc(dc);
    TGdiBrush* b = CheckObject(brush, TGdiKind::Brush);
    if (d == nullptr || b == nullptr || rect == nullptr)
        return 0;
    if (b->Hollow)
        return 1;
    const TDrawTarget target = GetDrawTarget(*d);
    FillTargetRect(target, rect->OffsetBy(target.Origin.x, target.Origin.y),
                   MakeInk(*d, target, b->Color));
    return 1;
}

COLORREF SetPixel(HDC dc, i32 x, i32 y, COLORREF color) {
    const std::optional<TPixelAt> at = PixelAt(dc, x, y);
    if (!at)
        return CLR_INVALID;
    PutTargetPixel(at->Target, at->X, at->Y, MakeInk(*at->Dc, at->Target, color));
    return ArgbToColorRef(ReadTargetPixel(at->Target, at->X, at->Y));
}

COLORREF GetPixel(HDC dc, i32 x, i32 y) {
    const std::optional<TPixelAt> at = PixelAt(dc, x, y);
    if (!at)
        return CLR_INVALID;
    return ArgbToColorRef(ReadTargetPixel(at->Target, at->X, at->Y));
}
