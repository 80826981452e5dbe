// The registry of DCs and drawing objects: creation, stock objects, selection and deletion.
#include "GdiObjects.h"

#include "Gdi.h"
#include "platform/framework/window/Desktop.h"

#include <array>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr int StockCount = 16;
// Memory DCs start on this; it is never drawn into on purpose.
constexpr int StockBitmapSlot = 9;

struct TRegistry {
    std::unordered_map<TGdiObj*, std::unique_ptr<TGdiObj>> Objects;
    // Handles that may still be used: not deleted.
    std::unordered_set<TGdiObj*> Live;
    std::unordered_map<TDeviceContext*, std::unique_ptr<TDeviceContext>> Dcs;
    std::array<TGdiObj*, StockCount> Stock{};

    TRegistry();
    TGdiObj* AddStock(int index, std::unique_ptr<TGdiObj> object) {
        object->Stock = true;
        TGdiObj* raw = object.get();
        Objects.emplace(raw, std::move(object));
        Live.insert(raw);
        Stock[static_cast<size_t>(index)] = raw;
        return raw;
    }
};

TRegistry::TRegistry() {
    AddStock(WHITE_BRUSH, std::make_unique<TGdiBrush>(RGB(255, 255, 255), false));
    AddStock(LTGRAY_BRUSH, std::make_unique<TGdiBrush>(RGB(192, 192, 192), false));
    AddStock(GRAY_BRUSH, std::make_unique<TGdiBrush>(RGB(128, 128, 128), false));
    AddStock(DKGRAY_BRUSH, std::make_unique<TGdiBrush>(RGB(64, 64, 64), false));
    AddStock(BLACK_BRUSH, std::make_unique<TGdiBrush>(RGB(0, 0, 0), false));
    AddStock(NULL_BRUSH, std::make_unique<TGdiBrush>(RGB(0, 0, 0), true));
    AddStock(WHITE_PEN, std::make_unique<TGdiPen>(PS_SOLID, 1, RGB(255, 255, 255)));
    AddStock(BLACK_PEN, std::make_unique<TGdiPen>(PS_SOLID, 1, RGB(0, 0, 0)));
    AddStock(NULL_PEN, std::make_unique<TGdiPen>(PS_NULL, 1, RGB(0, 0, 0)));
    AddStock(StockBitmapSlot, std::make_unique<TGdiBitmap>(1, 1, 32, true));
    // The system font: bold, 16 pixels from the top of the tallest letter to the bottom of
    // the lowest.
    LOGFONT system;
    system.lfHeight = 16;
    system.lfWeight = FW_BOLD;
    const char name[] = "System";
    std::copy(std::begin(name), std::end(name), system.lfFaceName);
    AddStock(SYSTEM_FONT, std::make_unique<TGdiFont>(system, nullptr));
    // The default palette holds the twenty static colours.
    std::vector<PALETTEENTRY> statics;
    for (int i = 0; i < 256; ++i)
        if (i < 10 || i >= 246)
            statics.push_back(SystemPaletteEntries()[i]);
    AddStock(DEFAULT_PALETTE, std::make_unique<TGdiPalette>(std::move(statics)));
}

TRegistry& Registry() {
    static TRegistry registry;
    return registry;
}

void Release(TGdiObj* object) {
    if (object == nullptr)
        return;
    --object->Selections;
    if (object->Deleted && object->Selections <= 0)
        Registry().Objects.erase(object);
}

template <class T> T* Swap(T*& slot, T* object) {
    T* old = slot;
    slot = object;
    ++object->Selections;
    Release(old);
    return old;
}

} // namespace

TGdiBitmap::TGdiBitmap(i32 width, i32 height, u16 bitCount, bool topDown)
    : TGdiObj(TGdiKind::Bitmap), Width(width), Height(height), BitCount(bitCount), TopDown(topDown),
      Stride(bitCount == 8 ? (width + 3) / 4 * 4 : width * 4) {
    Bits.assign(static_cast<size_t>(Stride) * static_cast<size_t>(height), 0);
}

HGDIOBJ AdoptGdiObject(std::unique_ptr<TGdiObj> object) {
    TGdiObj* raw = object.get();
    Registry().Objects.emplace(raw, std::move(object));
    Registry().Live.insert(raw);
    return raw;
}

TGdiObj* CheckObject(HGDIOBJ object) {
    return object != nullptr && Registry().Live.count(object) != 0 ? object : nullptr;
}

TDeviceContext* CheckDc(HDC dc) {
    return dc != nullptr && Registry().Dcs.count(dc) != 0 ? dc : nullptr;
}

HDC NewDeviceContext(TDcKind kind, TScreenSurface* surface, TPoint origin, TRegion clip) {
    TRegistry& reg = Registry();
    auto dc = std::make_unique<TDeviceContext>();
    dc->Kind = kind;
    dc->Surface = surface;
    dc->Origin = origin;
    dc->Clip = std::move(clip);
    Swap(dc->Pen, static_cast<TGdiPen*>(reg.Stock[BLACK_PEN]));
    Swap(dc->Brush, static_cast<TGdiBrush*>(reg.Stock[WHITE_BRUSH]));
    Swap(dc->Font, static_cast<TGdiFont*>(reg.Stock[SYSTEM_FONT]));
    Swap(dc->Palette, static_cast<TGdiPalette*>(reg.Stock[DEFAULT_PALETTE]));
    if (kind == TDcKind::Memory)
        Swap(dc->Bitmap, static_cast<TGdiBitmap*>(reg.Stock[StockBitmapSlot]));
    TDeviceContext* raw = dc.get();
    reg.Dcs.emplace(raw, std::move(dc));
    return raw;
}

void FreeDeviceContext(HDC handle) {
    TDeviceContext* dc = CheckDc(handle);
    if (dc == nullptr)
        return;
    if (dc->Bitmap != nullptr && dc->Bitmap->SelectedIn == dc)
        dc->Bitmap->SelectedIn = nullptr;
    Release(dc->Pen);
    Release(dc->Brush);
    Release(dc->Font);
    Release(dc->Bitmap);
    Release(dc->Palette);
    Registry().Dcs.erase(dc);
}

HDC GetDC(HWND window) {
    TDesktop& desktop = TDesktop::Get();
    if (window == nullptr)
        return NewDeviceContext(TDcKind::Window, &desktop.GetScreen(), {0, 0},
                                TRegion(desktop.GetScreen().Bounds()));
    if (!desktop.IsWindow(window))
        return nullptr;
    return NewDeviceContext(TDcKind::Window, &desktop.GetScreen(),
                            desktop.ClientToScreen(window, {0, 0}),
                            desktop.VisibleRegion(window, true));
}

HDC GetWindowDC(HWND window) {
    TDesktop& desktop = TDesktop::Get();
    if (window == nullptr)
        return GetDC(nullptr);
    if (!desktop.IsWindow(window))
        return nullptr;
    return NewDeviceContext(TDcKind::Window, &desktop.GetScreen(),
                            desktop.GetWindowRect(window).TopLeft(),
                            desktop.VisibleRegion(window, false));
}

int ReleaseDC(HWND, HDC dc) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || d->Kind != TDcKind::Window)
        return 0;
    FreeDeviceContext(d);
    return 1;
}

HDC CreateCompatibleDC(HDC dc) {
    if (dc != nullptr && CheckDc(dc) == nullptr)
        return nullptr;
    return NewDeviceContext(TDcKind::Memory, nullptr, {0, 0}, TRegion{});
}

bool DeleteDC(HDC dc) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr)
        return false;
    FreeDeviceContext(d);
    return true;
}

int GetDeviceCaps(HDC dc, int index) {
    if (CheckDc(dc) == nullptr)
        return 0;
    const TSize screen = TDesktop::Get().GetScreenSize();
    switch (index) {
    case HORZRES:
        return screen.cx;
    case VERTRES:
        return screen.cy;
    case BITSPIXEL:
        return 8;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return 20;
    case RASTERCAPS:
        return RC_BITBLT | RC_DI_BITMAP | RC_PALETTE | RC_STRETCHBLT;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case SIZEPALETTE:
        return 256;
    case NUMRESERVED:
        return 20;
    case COLORRES:
        return 18;
    default:
        return 0;
    }
}

bool GetDCOrgEx(HDC dc, TPoint* origin) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || origin == nullptr)
        return false;
    *origin = d->Origin;
    return true;
}

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index >= StockCount || index == StockBitmapSlot)
        return nullptr;
    return Registry().Stock[static_cast<size_t>(index)];
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style != PS_SOLID && style != PS_NULL)
        return nullptr;
    return AdoptObject(std::make_unique<TGdiPen>(style, std::max(1, width), color));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return AdoptObject(std::make_unique<TGdiBrush>(color, false));
}

HFONT CreateFontIndirect(const LOGFONT* font) {
    if (font == nullptr)
        return nullptr;
    return AdoptObject(std::make_unique<TGdiFont>(*font, nullptr));
}

bool DeleteObject(HGDIOBJ object) {
    TGdiObj* o = CheckObject(object);
    if (o == nullptr)
        return false;
    if (o->Stock)
        return true;
    TRegistry& reg = Registry();
    reg.Live.erase(o);
    o->Deleted = true;
    if (o->Selections <= 0)
        reg.Objects.erase(o);
    return true;
}

HPEN SelectObject(HDC dc, HPEN pen) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || CheckObject(pen, TGdiKind::Pen) == nullptr)
        return nullptr;
    return Swap(d->Pen, pen);
}

HBRUSH SelectObject(HDC dc, HBRUSH brush) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || CheckObject(brush, TGdiKind::Brush) == nullptr)
        return nullptr;
    return Swap(d->Brush, brush);
}

HFONT SelectObject(HDC dc, HFONT font) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || CheckObject(font, TGdiKind::Font) == nullptr)
        return nullptr;
    return Swap(d->Font, font);
}

HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || d->Kind != TDcKind::Memory ||
        CheckObject(bitmap, TGdiKind::Bitmap) == nullptr)
        return nullptr;
    if (!bitmap->Stock && bitmap->SelectedIn != nullptr && bitmap->SelectedIn != d)
        return nullptr;
    if (d->Bitmap != nullptr && d->Bitmap->SelectedIn == d)
        d->Bitmap->SelectedIn = nullptr;
    if (!bitmap->Stock)
        bitmap->SelectedIn = d;
    return Swap(d->Bitmap, bitmap);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    TGdiObj* o = CheckObject(object);
    if (o == nullptr)
        return nullptr;
    switch (o->Kind) {
    case TGdiKind::Pen:
        return SelectObject(dc, static_cast<HPEN>(o));
    case TGdiKind::Brush:
        return SelectObject(dc, static_cast<HBRUSH>(o));
    case TGdiKind::Font:
        return SelectObject(dc, static_cast<HFONT>(o));
    case TGdiKind::Bitmap:
        return SelectObject(dc, static_cast<HBITMAP>(o));
    case TGdiKind::Palette:
        break;
    }
    return nullptr;
}

HPALETTE SelectPaletteObject(TDeviceContext& dc, HPALETTE palette) {
    return Swap(dc.Palette, palette);
}

int GetObject(HBITMAP bitmap, int size, BITMAP* out) {
    TGdiBitmap* b = CheckObject(bitmap, TGdiKind::Bitmap);
    if (b == nullptr || out == nullptr || size < static_cast<int>(sizeof(BITMAP)))
        return 0;
    out->bmType = 0;
    out->bmWidth = b->Width;
    out->bmHeight = b->Height;
    out->bmWidthBytes = b->Stride;
    out->bmPlanes = 1;
    out->bmBitsPixel = b->BitCount;
    out->bmBits = b->Bits.data();
    return static_cast<int>(sizeof(BITMAP));
}

int SetBkMode(HDC dc, int mode) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr || (mode != OPAQUE && mode != TRANSPARENT))
        return 0;
    const int old = d->BkMode;
    d->BkMode = mode;
    return old;
}

int GetBkMode(HDC dc) {
    TDeviceContext* d = CheckDc(dc);
    return d != nullptr ? d->BkMode : 0;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr)
        return CLR_INVALID;
    const COLORREF old = d->BkColor;
    d->BkColor = color;
    return old;
}

COLORREF GetBkColor(HDC dc) {
    TDeviceContext* d = CheckDc(dc);
    return d != nullptr ? d->BkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    TDeviceContext* d = CheckDc(dc);
    if (d == nullptr)
        return CLR_INVALID;
    const COLORREF old = d->TextColor;
    d->TextColor = color;
    return old;
}

COLORREF GetTextColor(HDC dc) {
    TDeviceContext* d = CheckDc(dc);
    return d != nullptr ? d->TextColor : CLR_INVALID;
}

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const i64 product = static_cast<i64>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const i64 n = product < 0 ? -product : product;
    const i64 d = c < 0 ? -static_cast<i64>(c) : c;
    // Rounds half away from zero.
    const i64 q = (n + d / 2) / d;
    return static_cast<int>(negative ? -q : q);
}

int GdiLiveObjectCount() {
    int count = 0;
    for (const auto& [raw, object] : Registry().Objects)
        if (!object->Stock)
            ++count;
    return count;
}

int GdiLiveDcCount() {
    return static_cast<int>(Registry().Dcs.size());
}
