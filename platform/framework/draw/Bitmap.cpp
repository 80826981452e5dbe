// Device bitmaps, 8-bit DIBs with colour tables, bitmaps from resources and colour tables of
// the DIB a DC holds.
#include "BitmapResources.h"
#include "Gdi.h"
#include "GdiObjects.h"

#include <cstring>

namespace {

// Larger bitmaps are refused rather than allocated: no caller needs more than the screen.
constexpr i32 MaxSide = 4096;

bool SizeOk(i32 width, i32 height) {
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide;
}

u32 ColorCount(const BITMAPINFOHEADER& h) {
    return h.biClrUsed == 0 || h.biClrUsed > 256 ? 256 : h.biClrUsed;
}

} // namespace

HBITMAP CreateBitmap(i32 width, i32 height, u32 planes, u32 bitCount, const void* bits) {
    if (!SizeOk(width, height) || planes != 1 || (bitCount != 8 && bitCount != 32))
        return nullptr;
    // Device bitmaps keep the old layout: rows top first, padded to 2 bytes for 8 bits.
    auto bitmap = std::make_unique<TGdiBitmap>(width, height, static_cast<u16>(bitCount), true);
    if (bits != nullptr) {
        const u8* src = static_cast<const u8*>(bits);
        const size_t rowBytes = bitCount == 8 ? static_cast<size_t>((width + 1) / 2 * 2)
                                              : static_cast<size_t>(width) * 4;
        const size_t copy = bitCount == 8 ? static_cast<size_t>(width) : rowBytes;
        for (i32 y = 0; y < height; ++y)
            std::memcpy(bitmap->Row8(y), src + static_cast<size_t>(y) * rowBytes, copy);
    }
    return AdoptObject(std::move(bitmap));
}

HBITMAP CreateCompatibleBitmap(HDC dc, i32 width, i32 height) {
    if ((dc != nullptr && CheckDc(dc) == nullptr) || !SizeOk(width, height))
        return nullptr;
    return AdoptObject(std::make_unique<TGdiBitmap>(width, height, 32, true));
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, u32 usage, void** bits, void*, u32) {
    if (bits != nullptr)
        *bits = nullptr;
    if ((dc != nullptr && CheckDc(dc) == nullptr) || info == nullptr || usage != DIB_RGB_COLORS)
        return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const i32 height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (h.biBitCount != 8 || h.biCompression != BI_RGB || h.biPlanes != 1 ||
        !SizeOk(h.biWidth, height))
        return nullptr;
    auto bitmap = std::make_unique<TGdiBitmap>(h.biWidth, height, 8, h.biHeight < 0);
    bitmap->Colors.assign(info->bmiColors, info->bmiColors + ColorCount(h));
    if (bits != nullptr)
        *bits = bitmap->Bits.data();
    return AdoptObject(std::move(bitmap));
}

HBITMAP LoadBitmap(const TModule*, u32 id) {
    const TDibImage* image = TBitmapResources::Get().Find(id);
    if (image == nullptr)
        return nullptr;
    auto bitmap = std::make_unique<TGdiBitmap>(image->Width, image->Height, 8, true);
    bitmap->Colors = image->Colors;
    if (bitmap->Colors.empty())
        bitmap->Colors.resize(1);
    for (i32 y = 0; y < image->Height; ++y)
        std::memcpy(bitmap->Row8(y), image->Pixels.data() + static_cast<size_t>(y) * image->Width,
                    static_cast<size_t>(image->Width));
    return AdoptObject(std::move(bitmap));
}

namespace {

TGdiBitmap* SelectedDib(HDC dc) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || d->Bitmap == nullptr || d->Bitmap->BitCount != 8 ||
        d->Bitmap->Colors.empty())
        return nullptr;
    return d->Bitmap;
}

} // namespace

u32 GetDIBColorTable(HDC dc, u32 start, u32 count, RGBQUAD* colors) {
    TGdiBitmap* b = SelectedDib(dc);
    if (b == nullptr || colors == nullptr || start >= b->Colors.size())
        return 0;
    const u32 n = std::min<u32>(count, static_cast<u32>(b->Colors.size()) - start);
    std::copy_n(b->Colors.begin() + start, n, colors);
    return n;
}

u32 SetDIBColorTable(HDC dc, u32 start, u32 count, const RGBQUAD* colors) {
    TGdiBitmap* b = SelectedDib(dc);
    if (b == nullptr || colors == nullptr || start >= b->Colors.size())
        return 0;
    const u32 n = std::min<u32>(count, static_cast<u32>(b->Colors.size()) - start);
    std::copy_n(colors, n, b->Colors.begin() + start);
    return n;
}
