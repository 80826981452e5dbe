// Drawing types of the old system: colours, handles, palette and bitmap layouts, text metrics.
#pragma once

#include "platform/host/Types.h"

#include <cstdint>

// Handles are the drawing layer's own objects; a deleted handle is recognised and refused
// because every call checks it against the set of live objects.
class TDeviceContext;
class TGdiObj;
class TGdiPen;
class TGdiBrush;
class TGdiFont;
class TGdiBitmap;
class TGdiPalette;

using HDC = TDeviceContext*;
using HGDIOBJ = TGdiObj*;
using HPEN = TGdiPen*;
using HBRUSH = TGdiBrush*;
using HFONT = TGdiFont*;
using HBITMAP = TGdiBitmap*;
using HPALETTE = TGdiPalette*;

// 0x00BBGGRR, or 0x01000000 | index for a palette index.
using COLORREF = u32;

constexpr COLORREF RGB(u8 r, u8 g, u8 b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}
constexpr COLORREF PALETTEINDEX(u16 index) {
    return 0x01000000U | index;
}
constexpr u8 GetRValue(COLORREF c) {
    return static_cast<u8>(c & 0xFF);
}
constexpr u8 GetGValue(COLORREF c) {
    return static_cast<u8>((c >> 8) & 0xFF);
}
constexpr u8 GetBValue(COLORREF c) {
    return static_cast<u8>((c >> 16) & 0xFF);
}
constexpr bool IsPaletteIndex(COLORREF c) {
    return (c >> 24) == 0x01;
}
// The desktop surface's pixel for an RGB colour.
constexpr u32 ColorRefToArgb(COLORREF c) {
    return 0xFF000000U | (static_cast<u32>(GetRValue(c)) << 16) |
           (static_cast<u32>(GetGValue(c)) << 8) | GetBValue(c);
}
constexpr COLORREF ArgbToColorRef(u32 argb) {
    return RGB(static_cast<u8>(argb >> 16), static_cast<u8>(argb >> 8), static_cast<u8>(argb));
}

constexpr u32 CLR_INVALID = 0xFFFFFFFFU;
constexpr u32 GDI_ERROR = 0xFFFFFFFFU;

// Raster operations (only a plain copy is drawn).
constexpr u32 SRCCOPY = 0x00CC0020;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_PALETTE = 15;

// Font weights, pitch and family.
constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_SEMIBOLD = 600;
constexpr int FW_BOLD = 700;
constexpr u8 DEFAULT_PITCH = 0;
constexpr u8 FIXED_PITCH = 1;
constexpr u8 VARIABLE_PITCH = 2;
constexpr u8 FF_DONTCARE = 0x00;
constexpr u8 FF_ROMAN = 0x10;
constexpr u8 FF_SWISS = 0x20;
constexpr u8 FF_MODERN = 0x30;
constexpr u8 ANSI_CHARSET = 0;

// Device capabilities.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int SIZEPALETTE = 104;
constexpr int NUMRESERVED = 106;
constexpr int COLORRES = 108;
constexpr int RC_BITBLT = 0x0001;
constexpr int RC_DI_BITMAP = 0x0080;
constexpr int RC_PALETTE = 0x0100;
constexpr int RC_STRETCHBLT = 0x0800;

// Palette entry flags.
constexpr u8 PC_RESERVED = 0x01;
constexpr u8 PC_EXPLICIT = 0x02;
constexpr u8 PC_NOCOLLAPSE = 0x04;

// Bitmap compression and colour-table use.
constexpr u32 BI_RGB = 0;
constexpr u32 DIB_RGB_COLORS = 0;

// DrawText formats.
constexpr u32 DT_TOP = 0x0000;
constexpr u32 DT_LEFT = 0x0000;
constexpr u32 DT_CENTER = 0x0001;
constexpr u32 DT_RIGHT = 0x0002;
constexpr u32 DT_VCENTER = 0x0004;
constexpr u32 DT_BOTTOM = 0x0008;
constexpr u32 DT_WORDBREAK = 0x0010;
constexpr u32 DT_SINGLELINE = 0x0020;
constexpr u32 DT_EXPANDTABS = 0x0040;
constexpr u32 DT_NOCLIP = 0x0100;
constexpr u32 DT_CALCRECT = 0x0400;
constexpr u32 DT_NOPREFIX = 0x0800;

struct PALETTEENTRY {
    u8 peRed = 0;
    u8 peGreen = 0;
    u8 peBlue = 0;
    u8 peFlags = 0;
    friend constexpr bool operator==(const PALETTEENTRY&, const PALETTEENTRY&) = default;
};

// The old block is variable-length; here it has room for the largest palette drawn (256
// entries) and palNumEntries says how many of them count.
struct LOGPALETTE {
    u16 palVersion = 0x300;
    u16 palNumEntries = 0;
    PALETTEENTRY palPalEntry[256] = {};
};

struct RGBQUAD {
    u8 rgbBlue = 0;
    u8 rgbGreen = 0;
    u8 rgbRed = 0;
    u8 rgbReserved = 0;
    friend constexpr bool operator==(const RGBQUAD&, const RGBQUAD&) = default;
};

struct BITMAPINFOHEADER {
    u32 biSize = 40;
    i32 biWidth = 0;
    // Negative for rows stored top row first.
    i32 biHeight = 0;
    u16 biPlanes = 1;
    u16 biBitCount = 8;
    u32 biCompression = BI_RGB;
    u32 biSizeImage = 0;
    i32 biXPelsPerMeter = 0;
    i32 biYPelsPerMeter = 0;
    u32 biClrUsed = 0;
    u32 biClrImportant = 0;
};

// Room for a full 8-bit colour table; biClrUsed (0 meaning all 256) says how many count.
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256] = {};
};

// What GetObject reports of a bitmap.
struct BITMAP {
    i32 bmType = 0;
    i32 bmWidth = 0;
    i32 bmHeight = 0;
    i32 bmWidthBytes = 0;
    u16 bmPlanes = 1;
    u16 bmBitsPixel = 0;
    void* bmBits = nullptr;
};

struct TEXTMETRIC {
    i32 tmHeight = 0;
    i32 tmAscent = 0;
    i32 tmDescent = 0;
    i32 tmInternalLeading = 0;
    i32 tmExternalLeading = 0;
    i32 tmAveCharWidth = 0;
    i32 tmMaxCharWidth = 0;
    i32 tmWeight = 0;
    i32 tmOverhang = 0;
    i32 tmDigitizedAspectX = 96;
    i32 tmDigitizedAspectY = 96;
    u8 tmFirstChar = 0x20;
    u8 tmLastChar = 0xFF;
    u8 tmDefaultChar = 0x1F;
    u8 tmBreakChar = 0x20;
    u8 tmItalic = 0;
    u8 tmUnderlined = 0;
    u8 tmStruckOut = 0;
    u8 tmPitchAndFamily = 0;
    u8 tmCharSet = ANSI_CHARSET;
};

constexpr int LF_FACESIZE = 32;

// Height: negative is the character height (em) in pixels, positive the cell height
// (ascent + descent), 0 the default size.
struct LOGFONT {
    i32 lfHeight = 0;
    i32 lfWidth = 0;
    i32 lfEscapement = 0;
    i32 lfOrientation = 0;
    i32 lfWeight = FW_NORMAL;
    u8 lfItalic = 0;
    u8 lfUnderline = 0;
    u8 lfStrikeOut = 0;
    u8 lfCharSet = ANSI_CHARSET;
    u8 lfOutPrecision = 0;
    u8 lfClipPrecision = 0;
    u8 lfQuality = 0;
    u8 lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    char lfFaceName[LF_FACESIZE] = {};
};

// The objects themselves, so that a pen or a bitmap handle is also a general handle.
#include "GdiHandles.h"
