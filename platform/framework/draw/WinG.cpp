// The 8-bit back-buffer library over our own 8-bit bitmaps, and its entry table.
#include "WinG.h"

#include "GdiObjects.h"
#include "platform/host/Library.h"

namespace {

constexpr i32 MaxSide = 4096;

u32 ColorCount(const BITMAPINFOHEADER& h) {
    return h.biClrUsed == 0 || h.biClrUsed > 256 ? 256 : h.biClrUsed;
}

std::vector<PALETTEENTRY> HalftoneEntries() {
    PALETTEENTRY system[256];
    HDC screen = GetDC(nullptr);
    // The static colours are the system's; the defaults stand in when no DC can be had.
    if (GetSystemPaletteEntries(screen, 0, 256, system) != 256)
        std::copy_n(SystemPaletteEntries(), 256, system);
    ReleaseDC(nullptr, screen);
    std::vector<PALETTEENTRY> entries(256);
    for (int i = 0; i < 10; ++i) {
        entries[static_cast<size_t>(i)] = system[i];
        entries[static_cast<size_t>(246 + i)] = system[246 + i];
    }
    size_t at = 10;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                entries[at++] = {static_cast<u8>(r * 51), static_cast<u8>(g * 51),
                                 static_cast<u8>(b * 51), PC_NOCOLLAPSE};
    // Twenty greys between the cube's steps fill the rest.
    for (int i = 0; at < 246; ++i) {
        const u8 v = static_cast<u8>(8 + i * 12);
        entries[at++] = {v, v, v, PC_NOCOLLAPSE};
    }
    return entries;
}

} // namespace

HDC WinGCreateDC() {
    return CreateCompatibleDC(nullptr);
}

bool WinGRecommendDIBFormat(BITMAPINFO* format) {
    if (format == nullptr)
        return false;
    format->bmiHeader = BITMAPINFOHEADER{};
    format->bmiHeader.biWidth = 1;
    // Top-down is what this library draws fastest.
    format->bmiHeader.biHeight = -1;
    return true;
}

HBITMAP WinGCreateBitmap(HDC dc, const BITMAPINFO* header, void** bits) {
    if (bits != nullptr)
        *bits = nullptr;
    if (CheckDc(dc) == nullptr || header == nullptr)
        return nullptr;
    const BITMAPINFOHEADER& h = header->bmiHeader;
    const i32 height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (h.biBitCount != 8 || h.biPlanes != 1 || h.biCompression != BI_RGB || h.biWidth <= 0 ||
        h.biWidth > MaxSide || height <= 0 || height > MaxSide)
        return nullptr;
    auto bitmap = std::make_unique<TGdiBitmap>(h.biWidth, height, 8, h.biHeight < 0);
    bitmap->Colors.assign(header->bmiColors, header->bmiColors + ColorCount(h));
    if (bits != nullptr)
        *bits = bitmap->Bits.data();
    return AdoptObject(std::move(bitmap));
}

void* WinGGetDIBPointer(HBITMAP bitmap, BITMAPINFO* header) {
    TGdiBitmap* b = CheckObject(bitmap, TGdiKind::Bitmap);
    if (b == nullptr || b->BitCount != 8 || b->Colors.empty())
        return nullptr;
    if (header != nullptr) {
        header->bmiHeader = BITMAPINFOHEADER{};
        header->bmiHeader.biWidth = b->Width;
        header->bmiHeader.biHeight = b->TopDown ? -b->Height : b->Height;
        header->bmiHeader.biClrUsed = static_cast<u32>(b->Colors.size());
        std::copy(b->Colors.begin(), b->Colors.end(), header->bmiColors);
    }
    return b->Bits.data();
}

u32 WinGGetDIBColorTable(HDC dc, u32 start, u32 count, RGBQUAD* colors) {
    return GetDIBColorTable(dc, start, count, colors);
}

u32 WinGSetDIBColorTable(HDC dc, u32 start, u32 count, const RGBQUAD* colors) {
    return SetDIBColorTable(dc, start, count, colors);
}

HPALETTE WinGCreateHalftonePalette() {
    const std::vector<PALETTEENTRY> entries = HalftoneEntries();
    LOGPALETTE log;
    log.palNumEntries = static_cast<u16>(entries.size());
    std::copy(entries.begin(), entries.end(), log.palPalEntry);
    return CreatePalette(&log);
}

HBRUSH WinGCreateHalftoneBrush(HDC dc, COLORREF color, WING_DITHER_TYPE) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr)
        return nullptr;
    const COLORREF rgb = ResolveColor(*d, color);
    std::vector<RGBQUAD> table;
    for (const PALETTEENTRY& e : HalftoneEntries())
        table.push_back({e.peBlue, e.peGreen, e.peRed, 0});
    const RGBQUAD& q = table[NearestColorIndex(table, rgb)];
    return CreateSolidBrush(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
}

bool WinGBitBlt(HDC dst, i32 x, i32 y, i32 width, i32 height, HDC src, i32 srcX, i32 srcY) {
    return BitBlt(dst, x, y, width, height, src, srcX, srcY, SRCCOPY);
}

bool WinGStretchBlt(HDC dst, i32 x, i32 y, i32 width, i32 height, HDC src, i32 srcX, i32 srcY,
                    i32 srcWidth, i32 srcHeight) {
    return StretchBlt(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, SRCCOPY);
}

namespace {

template <class F> TLibraryEntry Entry(const char* name, F function) {
    return {name, reinterpret_cast<TProcAddress>(function)};
}

} // namespace

void RegisterWinGLibrary() {
    RegisterBuiltinLibrary("wing32.dll",
                           {
                               Entry("WinGCreateDC", &WinGCreateDC),
                               Entry("WinGRecommendDIBFormat", &WinGRecommendDIBFormat),
                               Entry("WinGCreateBitmap", &WinGCreateBitmap),
                               Entry("WinGGetDIBPointer", &WinGGetDIBPointer),
                               Entry("WinGGetDIBColorTable", &WinGGetDIBColorTable),
                               Entry("WinGSetDIBColorTable", &WinGSetDIBColorTable),
                               Entry("WinGCreateHalftonePalette", &WinGCreateHalftonePalette),
                               Entry("WinGCreateHalftoneBrush", &WinGCreateHalftoneBrush),
                               Entry("WinGBitBlt", &WinGBitBlt),
                               Entry("WinGStretchBlt", &WinGStretchBlt),
                           });
}
