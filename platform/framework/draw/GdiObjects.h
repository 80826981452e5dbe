// The drawing layer's DCs behind their handles, the checks that turn a handle back into an
// object, and the pixel work shared by the drawing calls.
#pragma once

#include "GdiHandles.h"
#include "GdiTypes.h"
#include "Region.h"
#include "Surface.h"
#include "platform/framework/Geometry.h"
#include "platform/framework/WinTypes.h"

#include <memory>
#include <vector>

enum class TDcKind { Window, Memory };

class TDeviceContext {
public:
    TDcKind Kind = TDcKind::Window;
    // Window and screen DCs draw on a surface, memory DCs on their bitmap.
    TScreenSurface* Surface = nullptr;
    TPoint Origin;
    TRegion Clip;

    TGdiPen* Pen = nullptr;
    TGdiBrush* Brush = nullptr;
    TGdiFont* Font = nullptr;
    TGdiBitmap* Bitmap = nullptr;
    TGdiPalette* Palette = nullptr;
    // The palette was selected to be realised in the background.
    bool PaletteBackground = false;

    int BkMode = OPAQUE;
    COLORREF BkColor = RGB(255, 255, 255);
    COLORREF TextColor = RGB(0, 0, 0);
    TPoint Position;
};

// Makes a DC with the default objects selected; the registry owns it.
HDC NewDeviceContext(TDcKind kind, TScreenSurface* surface, TPoint origin, TRegion clip);
// Frees a DC, letting go of its objects.
void FreeDeviceContext(HDC dc);
// Puts a palette into a DC and returns the one it replaces.
HPALETTE SelectPaletteObject(TDeviceContext& dc, HPALETTE palette);
// The live DC behind a handle, or null.
TDeviceContext* CheckDc(HDC dc);
// The live object behind a handle, or null.
TGdiObj* CheckObject(HGDIOBJ object);
template <class T> T* CheckObject(T* object, TGdiKind kind) {
    TGdiObj* o = CheckObject(static_cast<HGDIOBJ>(object));
    return o != nullptr && o->Kind == kind ? object : nullptr;
}
// The live object of that kind behind a general handle, or null.
template <class T> T* AsKind(HGDIOBJ object, TGdiKind kind) {
    TGdiObj* o = CheckObject(object);
    return o != nullptr && o->Kind == kind ? static_cast<T*>(o) : nullptr;
}
// Registers a new object with the registry, which owns it.
template <class T> T* AdoptObject(std::unique_ptr<T> object);
HGDIOBJ AdoptGdiObject(std::unique_ptr<TGdiObj> object);
template <class T> T* AdoptObject(std::unique_ptr<T> object) {
    return static_cast<T*>(AdoptGdiObject(std::move(object)));
}

// The default colours of the system palette: 20 static colours at 0-9 and 246-255.
const PALETTEENTRY* SystemPaletteEntries();
// What a COLORREF means on a DC: RGB as it is, a palette index through the DC's palette.
COLORREF ResolveColor(const TDeviceContext& dc, COLORREF color);
// The nearest entry of a colour table (sum of squared differences; the first of equals).
u8 NearestColorIndex(const std::vector<RGBQUAD>& table, COLORREF rgb);
// The colour table an 8-bit bitmap shows through (its own or the system palette's).
std::vector<RGBQUAD> EffectiveColorTable(const TGdiBitmap& bitmap);

// Where drawing lands: the target's pixels, the DC's origin in them and the clip rectangles.
struct TDrawTarget {
    TScreenSurface* Surface = nullptr;
    TGdiBitmap* Bitmap = nullptr;
    TPoint Origin;
    std::vector<TRect> Clip;
};
TDrawTarget GetDrawTarget(TDeviceContext& dc);

// A colour ready to be written into a target.
struct TInk {
    u32 Argb = 0;
    u8 Index = 0;
};
TInk MakeInk(TDeviceContext& dc, const TDrawTarget& target, COLORREF color);
// Fills a rectangle in target pixels, within the clip.
void FillTargetRect(const TDrawTarget& target, const TRect& rect, const TInk& ink);
void PutTargetPixel(const TDrawTarget& target, i32 x, i32 y, const TInk& ink);
// The pixel's colour as 0xFFRRGGBB; 0 outside.
u32 ReadTargetPixel(const TDrawTarget& target, i32 x, i32 y);
