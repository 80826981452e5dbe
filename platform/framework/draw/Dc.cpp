// The framework's device contexts over the drawing layer's DCs.
#include "Dc.h"

#include "GdiObjects.h"
#include "platform/framework/window/Desktop.h"

namespace {

// A DC that no longer exists draws nothing and reports an empty clip on the desktop.
const TRegion EmptyRegion;

} // namespace

TDC::TDC(TScreenSurface& surface, TPoint origin, TRegion clip)
    : Handle(NewDeviceContext(TDcKind::Window, &surface, origin, std::move(clip))),
      ShouldDelete(true) {}

TDC::TDC(HDC handle, bool shouldDelete) : Handle(handle), ShouldDelete(shouldDelete) {}

TDC::~TDC() {
    RestoreObjects();
    if (ShouldDelete)
        FreeDeviceContext(Handle);
}

TScreenSurface& TDC::GetSurface() const {
    const TDeviceContext* d = CheckDc(Handle);
    return d != nullptr && d->Surface != nullptr ? *d->Surface : TDesktop::Get().GetScreen();
}

TPoint TDC::GetOrigin() const {
    const TDeviceContext* d = CheckDc(Handle);
    return d != nullptr ? d->Origin : TPoint{};
}

const TRegion& TDC::GetClip() const {
    const TDeviceContext* d = CheckDc(Handle);
    return d != nullptr ? d->Clip : EmptyRegion;
}

void TDC::FillSolidRect(const TRect& rect, u32 argb) {
    TDeviceContext* d = CheckDc(Handle);
    if (d == nullptr)
        return;
    const TDrawTarget target = GetDrawTarget(*d);
    TInk ink = MakeInk(*d, target, ArgbToColorRef(argb));
    ink.Argb = argb;
    FillTargetRect(target, rect.OffsetBy(target.Origin.x, target.Origin.y), ink);
}

bool TDC::SelectObject(const TPen& pen) {
    const HPEN old = ::SelectObject(Handle, static_cast<HPEN>(pen));
    if (old == nullptr)
        return false;
    if (OrgPen == nullptr)
        OrgPen = old;
    return true;
}

bool TDC::SelectObject(const TBrush& brush) {
    const HBRUSH old = ::SelectObject(Handle, static_cast<HBRUSH>(brush));
    if (old == nullptr)
        return false;
    if (OrgBrush == nullptr)
        OrgBrush = old;
    return true;
}

bool TDC::SelectObject(const TFont& font) {
    const HFONT old = ::SelectObject(Handle, static_cast<HFONT>(font));
    if (old == nullptr)
        return false;
    if (OrgFont == nullptr)
        OrgFont = old;
    return true;
}

bool TDC::SelectObject(const TBitmap& bitmap) {
    const HBITMAP old = ::SelectObject(Handle, static_cast<HBITMAP>(bitmap));
    if (old == nullptr)
        return false;
    if (OrgBitmap == nullptr)
        OrgBitmap = old;
    return true;
}

bool TDC::SelectObject(const TPalette& palette, bool forceBackground) {
    const HPALETTE old = ::SelectPalette(Handle, static_cast<HPALETTE>(palette), forceBackground);
    if (old == nullptr)
        return false;
    if (OrgPalette == nullptr)
        OrgPalette = old;
    return true;
}

bool TDC::SelectStockObject(int index) {
    const HGDIOBJ object = GetStockObject(index);
    TGdiObj* o = CheckObject(object);
    if (o == nullptr)
        return false;
    switch (o->Kind) {
    case TGdiKind::Pen: {
        const HPEN old = ::SelectObject(Handle, static_cast<HPEN>(o));
        if (old != nullptr && OrgPen == nullptr)
            OrgPen = old;
        return old != nullptr;
    }
    case TGdiKind::Brush: {
        const HBRUSH old = ::SelectObject(Handle, static_cast<HBRUSH>(o));
        if (old != nullptr && OrgBrush == nullptr)
            OrgBrush = old;
        return old != nullptr;
    }
    case TGdiKind::Font: {
        const HFONT old = ::SelectObject(Handle, static_cast<HFONT>(o));
        if (old != nullptr && OrgFont == nullptr)
            OrgFont = old;
        return old != nullptr;
    }
    case TGdiKind::Palette: {
        const HPALETTE old = ::SelectPalette(Handle, static_cast<HPALETTE>(o), false);
        if (old != nullptr && OrgPalette == nullptr)
            OrgPalette = old;
        return old != nullptr;
    }
    case TGdiKind::Bitmap:
        break;
    }
    return false;
}

// The kept originals are still selectable: nothing can delete a DC's default objects while
// it holds them, and a program's own object replaced later is put back only if it lives.
void TDC::RestorePen() {
    if (OrgPen != nullptr && CheckObject(OrgPen, TGdiKind::Pen) != nullptr)
        ::SelectObject(Handle, OrgPen);
    OrgPen = nullptr;
}

void TDC::RestoreBrush() {
    if (OrgBrush != nullptr && CheckObject(OrgBrush, TGdiKind::Brush) != nullptr)
        ::SelectObject(Handle, OrgBrush);
    OrgBrush = nullptr;
}

void TDC::RestoreFont() {
    if (OrgFont != nullptr && CheckObject(OrgFont, TGdiKind::Font) != nullptr)
        ::SelectObject(Handle, OrgFont);
    OrgFont = nullptr;
}

void TDC::RestoreBitmap() {
    if (OrgBitmap != nullptr && CheckObject(OrgBitmap, TGdiKind::Bitmap) != nullptr)
        ::SelectObject(Handle, OrgBitmap);
    OrgBitmap = nullptr;
}

void TDC::RestorePalette() {
    if (OrgPalette != nullptr && CheckObject(OrgPalette, TGdiKind::Palette) != nullptr)
        ::SelectPalette(Handle, OrgPalette, false);
    OrgPalette = nullptr;
}

void TDC::RestoreObjects() {
    if (CheckDc(Handle) == nullptr)
        return;
    RestorePen();
    RestoreBrush();
    RestoreFont();
    RestoreBitmap();
    RestorePalette();
}

u32 TDC::RealizePalette() {
    return ::RealizePalette(Handle);
}

int TDC::GetDeviceCaps(int index) const {
    return ::GetDeviceCaps(Handle, index);
}

bool TDC::GetDCOrg(TPoint& origin) const {
    return ::GetDCOrgEx(Handle, &origin);
}

int TDC::SetBkMode(int mode) {
    return ::SetBkMode(Handle, mode);
}

int TDC::GetBkMode() const {
    return ::GetBkMode(Handle);
}

TColor TDC::SetBkColor(TColor color) {
    return ::SetBkColor(Handle, color);
}

TColor TDC::GetBkColor() const {
    return ::GetBkColor(Handle);
}

TColor TDC::SetTextColor(TColor color) {
    return ::SetTextColor(Handle, color);
}

TColor TDC::GetTextColor() const {
    return ::GetTextColor(Handle);
}

bool TDC::MoveTo(i32 x, i32 y) {
    return ::MoveToEx(Handle, x, y, nullptr);
}

bool TDC::LineTo(i32 x, i32 y) {
    return ::LineTo(Handle, x, y);
}

bool TDC::Rectangle(i32 left, i32 top, i32 right, i32 bottom) {
    return ::Rectangle(Handle, left, top, right, bottom);
}

bool TDC::FillRect(const TRect& rect, const TBrush& brush) {
    return ::FillRect(Handle, &rect, static_cast<HBRUSH>(brush)) != 0;
}

TColor TDC::SetPixel(i32 x, i32 y, TColor color) {
    return ::SetPixel(Handle, x, y, color);
}

TColor TDC::GetPixel(i32 x, i32 y) const {
    return ::GetPixel(Handle, x, y);
}

namespace {

int CountOf(const std::string& text, int count) {
    return count < 0 || count > static_cast<int>(text.size()) ? static_cast<int>(text.size())
                                                              : count;
}

} // namespace

bool TDC::TextOut(i32 x, i32 y, const std::string& text, int count) {
    return ::TextOut(Handle, x, y, text.data(), CountOf(text, count));
}

int TDC::DrawText(const std::string& text, int count, const TRect& rect, u32 format) {
    TRect r = rect;
    return ::DrawText(Handle, text.data(), CountOf(text, count), &r, format & ~DT_CALCRECT);
}

bool TDC::GetTextMetrics(TEXTMETRIC& metrics) const {
    return ::GetTextMetrics(Handle, &metrics);
}

TSize TDC::GetTextExtent(const std::string& text, int count) const {
    TSize size;
    ::GetTextExtentPoint32(Handle, text.data(), CountOf(text, count), &size);
    return size;
}

bool TDC::GetCharWidth(u32 firstChar, u32 lastChar, i32* widths) const {
    return ::GetCharWidth(Handle, firstChar, lastChar, widths);
}

bool TDC::BitBlt(i32 x, i32 y, i32 width, i32 height, const TDC& src, i32 srcX, i32 srcY, u32 rop) {
    return ::BitBlt(Handle, x, y, width, height, src.Handle, srcX, srcY, rop);
}

bool TDC::StretchBlt(i32 x, i32 y, i32 width, i32 height, const TDC& src, i32 srcX, i32 srcY,
                     i32 srcWidth, i32 srcHeight, u32 rop) {
    return ::StretchBlt(Handle, x, y, width, height, src.Handle, srcX, srcY, srcWidth, srcHeight,
                        rop);
}

TWindowDC::TWindowDC(HWND window) : TDC(::GetWindowDC(window), true) {}

TClientDC::TClientDC(HWND window) : TDC(::GetDC(window), true) {}

TPaintDC::TPaintDC(HWND window) : TPaintDC(window, Prepare(window)) {}

TPaintDC::TPaintDC(HWND window, TPrepared prepared)
    : TDC(TDesktop::Get().GetScreen(), TDesktop::Get().ClientToScreen(window, {0, 0}),
          std::move(prepared.Clip)),
      Ps(prepared.Ps) {}

TPaintDC::TPrepared TPaintDC::Prepare(HWND window) {
    TDesktop& desktop = TDesktop::Get();
    TPrepared out;
    std::vector<TRect> parts;
    out.Ps.rcPaint = desktop.BeginPaint(window, out.Ps.fErase, &parts);
    out.Clip = desktop.VisibleRegion(window, true);
    // Only the invalid pieces are painted: the rest of their box shows what it showed.
    const TPoint origin = desktop.ClientToScreen(window, {0, 0});
    if (parts.empty())
        out.Clip.Intersect(out.Ps.rcPaint.OffsetBy(origin.x, origin.y));
    else
        out.Clip.IntersectParts(parts, origin);
    return out;
}

TMemoryDC::TMemoryDC() : TDC(::CreateCompatibleDC(nullptr), true) {}

TMemoryDC::TMemoryDC(const TDC& like) : TDC(::CreateCompatibleDC(like.GetHDC()), true) {}
