// The engine's device contexts: palette and bitmap selection, alignment and the WinG blit.
#include "engine/media/JorpDC.h"

#include "engine/media/BitmapInfo.h"
#include "engine/media/Bmp.h"
#include "engine/media/JorpWinG.h"
#include "engine/media/Pal.h"
#include "platform/framework/WinApi.h"

TJorpDC::~TJorpDC() {
    if (InitialPalette != nullptr)
        ::SelectPalette(Handle, InitialPalette, false);
}

bool TJorpDC::SelectPalette(const TPal& palette, bool background) {
    const HPALETTE handle = palette.GetHandle();
    if (handle == nullptr)
        return false;
    const HPALETTE old = ::SelectPalette(Handle, handle, background);
    if (InitialPalette == nullptr)
        InitialPalette = old;
    return true;
}

void TJorpDC::AlignRect(TRect16& rect) {
    const i32 left = rect.left;
    const i32 right = rect.right;
    // Floor and ceiling to 4 for negative edges too.
    const i32 alignedLeft = left - ((left % 4 + 4) % 4);
    const i32 alignedRight = right + ((4 - right % 4) % 4);
    rect.left = TRect16::Narrow(alignedLeft);
    rect.right = TRect16::Narrow(alignedRight);
}

TJorpWindowDC::TJorpWindowDC(HWND window) : TJorpDC(::GetWindowDC(window), true), Window(window) {}

TJorpClientDC::TJorpClientDC(HWND window) : TJorpWindowDC(window, ::GetDC(window)) {}

TJorpDesktopDC::TJorpDesktopDC() : TJorpWindowDC(GetDesktopWindow()) {}

TJorpVideoDC::~TJorpVideoDC() {
    DeselectBitmap();
}

bool TJorpVideoDC::SelectPalette(const TPal&, bool) {
    return false;
}

bool TJorpVideoDC::SelectBitmap(TBmp& bitmap) {
    const HBITMAP handle = bitmap.GetHandle();
    if (handle == nullptr)
        return false;
    const HBITMAP old = ::SelectObject(Handle, handle);
    if (old == nullptr)
        return false;
    Selected = &bitmap;
    if (InitialBitmap == nullptr)
        InitialBitmap = old;
    return true;
}

void TJorpVideoDC::DeselectBitmap() {
    Selected = nullptr;
    if (InitialBitmap != nullptr)
        ::SelectObject(Handle, InitialBitmap);
    InitialBitmap = nullptr;
}

HBITMAP TJorpVideoDC::CreateBitmap(const TBitmapInfo&, u8** bits) {
    if (bits != nullptr)
        *bits = nullptr;
    return nullptr;
}

namespace {

HDC NewWinGDC() {
    TJorpWinG* wing = TJorpWinG::Get();
    return wing != nullptr ? wing->WinGCreateDC() : nullptr;
}

} // namespace

// Deleted with the object: nothing else would ever free the DC WinG made.
TVideoWinGDC::TVideoWinGDC() : TJorpVideoDC(NewWinGDC(), true) {}

HBITMAP TVideoWinGDC::CreateBitmap(const TBitmapInfo& info, u8** bits) {
    if (bits != nullptr)
        *bits = nullptr;
    TJorpWinG* wing = TJorpWinG::Get();
    if (wing == nullptr || Handle == nullptr || info.Get() == nullptr || bits == nullptr)
        return nullptr;
    void* pixels = nullptr;
    const HBITMAP bitmap = wing->WinGCreateBitmap(Handle, info.Get(), &pixels);
    *bits = static_cast<u8*>(pixels);
    return bitmap;
}

bool TJorpPaintDC::Blit(const TRect16&, TJorpDC&) {
    return false;
}

bool TWinGPaintDC::Blit(const TRect16& rect, TJorpDC& source) {
    TJorpWinG* wing = TJorpWinG::Get();
    if (wing == nullptr)
        return false;
    return wing->WinGBitBlt(Handle, rect.left, rect.top, rect.Width(), rect.Height(),
                            source.GetHDC(), rect.left, rect.top);
}
