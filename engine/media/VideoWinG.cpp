// The WinG surface: its buffer DC, back buffer and palette, and the colour table kept in step.
#include "engine/media/VideoWinG.h"

#include "engine/media/JorpDC.h"
#include "engine/media/JorpWinG.h"
#include "engine/media/Pal.h"

#include <algorithm>

namespace {

// The palette's colours into a 256-colour table; entries it lacks stay black.
void FillColours(BITMAPINFO& info, const TVideoPal* palette) {
    const TRGBQuadPalette* colours = palette != nullptr ? palette->GetColourTable() : nullptr;
    std::fill(std::begin(info.bmiColors), std::end(info.bmiColors), RGBQUAD{});
    if (colours == nullptr)
        return;
    const i32 n = std::min<i32>(colours->GetCount(), BMP_MAX_COLOURS);
    for (i32 i = 0; i < n; ++i)
        info.bmiColors[i] = colours->At(i);
}

} // namespace

TVideoWinGBmp::TVideoWinGBmp(TJorpOwner* owner, TJorpVideoDC* dc, const TVideoPal* palette,
                             i32 width, i32 height, bool useRecommended, bool topDown)
    : TVideoBmp(owner, dc) {
    auto info = std::make_unique<TBitmapInfo>(BMP_MAX_COLOURS);
    FillColours(*info->Get(), palette);
    // Asked on a scratch header: the answer rewrites every field.
    bool recommendsTopDown = true;
    if (TJorpWinG* wing = TJorpWinG::Get()) {
        BITMAPINFO format;
        if (wing->WinGRecommendDIBFormat(&format))
            recommendsTopDown = format.bmiHeader.biHeight < 0;
    }
    const bool rowsTopDown = useRecommended ? recommendsTopDown : topDown;
    info->Get()->bmiHeader.biWidth = width;
    info->Get()->bmiHeader.biHeight = rowsTopDown ? -height : height;
    u8* bits = nullptr;
    const HBITMAP handle = dc != nullptr ? dc->CreateBitmap(*info, &bits) : nullptr;
    AdoptBits(std::move(info), handle != nullptr ? bits : nullptr, handle);
}

void TVideoWinGBmp::SetColours(const TVideoPal& palette) {
    TBitmapInfo* info = MutableInfo();
    if (info == nullptr || info->Get() == nullptr)
        return;
    FillColours(*info->Get(), &palette);
    TJorpWinG* wing = TJorpWinG::Get();
    if (wing != nullptr && GetDC() != nullptr)
        wing->WinGSetDIBColorTable(GetDC()->GetHDC(), 0, BMP_MAX_COLOURS, info->Get()->bmiColors);
}

TVideoWinG::TVideoWinG(TResponderHost* window, TGr* background, TPal* paletteSource,
                       i32 repaintPolicy, i32 dirtyPolicy)
    : TJorpVideo(window, background, paletteSource, repaintPolicy, dirtyPolicy),
      HoldsWinG(TJorpWinG::LoadWinG()) {}

TVideoWinG::~TVideoWinG() {
    // Torn down here, while this class's overrides still run and WinG is still bound.
    Teardown();
    if (HoldsWinG)
        TJorpWinG::UnloadWinG(false);
}

bool TVideoWinG::CreateBufferDC() {
    if (TJorpWinG::Get() == nullptr)
        return false;
    auto dc = std::make_unique<TVideoWinGDC>();
    if (dc->GetHDC() == nullptr)
        return false;
    BufferDC = std::move(dc);
    return true;
}

bool TVideoWinG::CreatePalette() {
    if (PaletteSource == nullptr)
        return false;
    Palette = std::make_unique<TVideoWinGPal>(*PaletteSource);
    TPal::ClearSystemPalette();
    return Palette->GetHandle() != nullptr;
}

bool TVideoWinG::CreateBackBuffer() {
    if (!BufferDC)
        return false;
    auto buffer = std::make_unique<TVideoWinGBmp>(nullptr, BufferDC.get(), Palette.get(), Width,
                                                  Height, true, true);
    if (buffer->GetHandle() == nullptr)
        return false;
    BackBuffer = std::move(buffer);
    return true;
}

void TVideoWinG::InvalidateAll() {
    if (BufferDC && BackBuffer && BufferDC->GetSelectedBitmap() != BackBuffer.get())
        BufferDC->SelectBitmap(*BackBuffer);
    TJorpVideo::InvalidateAll();
}

void TVideoWinG::ReleaseBackBuffer() {
    if (BufferDC)
        BufferDC->DeselectBitmap();
}

std::unique_ptr<TJorpPaintDC> TVideoWinG::NewPaintDC(TDC& dc) {
    return std::make_unique<TWinGPaintDC>(dc.GetHDC());
}

void TVideoWinG::RefreshBackBufferColours() {
    if (BackBuffer && Palette)
        static_cast<TVideoWinGBmp&>(*BackBuffer).SetColours(*Palette);
}
