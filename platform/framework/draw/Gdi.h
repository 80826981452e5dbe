// The old system's drawing calls by their own names: device contexts, pens, brushes, fonts,
// text, bitmaps, blits and palettes, over the desktop surface and our own bitmaps.
#pragma once

#include "GdiTypes.h"
#include "platform/framework/Geometry.h"
#include "platform/framework/WinTypes.h"

#include <string>

class TModule;

// Device contexts. A null window gives the whole screen. Every DC obtained here is given
// back with ReleaseDC (window DCs) or DeleteDC (memory DCs); both free it.
HDC GetDC(HWND window);
HDC GetWindowDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
// A memory DC like the given one (null: like the screen), holding a 1 x 1 bitmap until
// another is selected.
HDC CreateCompatibleDC(HDC dc);
bool DeleteDC(HDC dc);
// The screen (8 bits per pixel, a palette device, 96 dots per inch) for every DC.
int GetDeviceCaps(HDC dc, int index);
// The DC's origin in screen pixels.
bool GetDCOrgEx(HDC dc, TPoint* origin);

// Objects. Deleting a stock object does nothing; deleting an object still selected into a
// DC takes its handle away at once and frees it when the DC lets go of it.
HGDIOBJ GetStockObject(int index);
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
HFONT CreateFontIndirect(const LOGFONT* font);
bool DeleteObject(HGDIOBJ object);
// The object of the same kind that was selected before, or null for a bad DC or object.
// Selecting a palette this way is refused: SelectPalette does that.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HPEN SelectObject(HDC dc, HPEN pen);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HFONT SelectObject(HDC dc, HFONT font);
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
// Bytes written: sizeof(BITMAP) for a bitmap, 0 for anything else.
int GetObject(HBITMAP bitmap, int size, BITMAP* out);

// State.
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);

// Lines and areas, in the DC's coordinates. Rectangles exclude their right and bottom
// edges; lines exclude their last point.
bool MoveToEx(HDC dc, i32 x, i32 y, TPoint* previous);
bool LineTo(HDC dc, i32 x, i32 y);
// Outline in the current pen, inside in the current brush.
bool Rectangle(HDC dc, i32 left, i32 top, i32 right, i32 bottom);
int FillRect(HDC dc, const TRect* rect, HBRUSH brush);
COLORREF SetPixel(HDC dc, i32 x, i32 y, COLORREF color);
COLORREF GetPixel(HDC dc, i32 x, i32 y);

// Text in the current font, its top left corner at (x, y). Characters are the old
// system's Western code page.
bool TextOut(HDC dc, i32 x, i32 y, const char* text, int length);
inline bool TextOutA(HDC dc, i32 x, i32 y, const char* text, int length) {
    return TextOut(dc, x, y, text, length);
}
bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
bool GetTextExtentPoint32(HDC dc, const char* text, int length, TSize* size);
inline bool GetTextExtentPoint(HDC dc, const char* text, int length, TSize* size) {
    return GetTextExtentPoint32(dc, text, length, size);
}
// Advance widths of the characters first .. last.
bool GetCharWidth(HDC dc, u32 first, u32 last, i32* widths);
// Text laid out in a rectangle (the DT_ formats); '&' marks the next character to be
// underlined unless DT_NOPREFIX, "&&" draws one '&'. Returns the height of the text;
// DT_CALCRECT measures into the rectangle without drawing.
int DrawText(HDC dc, const char* text, int length, TRect* rect, u32 format);
inline int DrawTextA(HDC dc, const char* text, int length, TRect* rect, u32 format) {
    return DrawText(dc, text, length, rect, format);
}

// Bitmaps. CreateBitmap makes an 8-bit bitmap whose indices show through the system palette
// (or a 32-bit one of 0x00RRGGBB pixels); CreateCompatibleBitmap one like the screen.
HBITMAP CreateBitmap(i32 width, i32 height, u32 planes, u32 bitCount, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC dc, i32 width, i32 height);
// An 8-bit device-independent bitmap with its own colour table; its pixel rows (padded to
// 4 bytes, bottom row first unless the height is negative) are written through *bits.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, u32 usage, void** bits, void* section,
                         u32 offset);
// From the module's bitmap resources (BitmapResources.h); null when there is none.
HBITMAP LoadBitmap(const TModule* module, u32 id);
// The colour table of the DIB selected into the DC; entries copied.
u32 GetDIBColorTable(HDC dc, u32 start, u32 count, RGBQUAD* colors);
u32 SetDIBColorTable(HDC dc, u32 start, u32 count, const RGBQUAD* colors);

// Blits copy (SRCCOPY only) from the source DC's bitmap or screen, through the source's
// colours; parts outside either side are left alone. StretchBlt picks the nearest pixel.
bool BitBlt(HDC dst, i32 x, i32 y, i32 width, i32 height, HDC src, i32 srcX, i32 srcY, u32 rop);
bool StretchBlt(HDC dst, i32 x, i32 y, i32 width, i32 height, HDC src, i32 srcX, i32 srcY,
                i32 srcWidth, i32 srcHeight, u32 rop);

// Palettes are kept as state: the screen shows true colour, but what is selected and
// realised, the system palette and the values returned behave as on an 8-bit display.
// A palette has 1 to 256 entries and version 0x300.
HPALETTE CreatePalette(const LOGPALETTE* palette);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground);
// The number of system palette entries that changed; GDI_ERROR for a bad DC.
u32 RealizePalette(HDC dc);
u32 GetSystemPaletteEntries(HDC dc, u32 start, u32 count, PALETTEENTRY* entries);
u32 GetPaletteEntries(HPALETTE palette, u32 start, u32 count, PALETTEENTRY* entries);
u32 GetNearestPaletteIndex(HPALETTE palette, COLORREF color);

// Rounded (a * b) / c, -1 when c is 0, as the old system computes point sizes.
int MulDiv(int a, int b, int c);

// Live objects and DCs, for tests that look for leaks (stock objects not counted).
int GdiLiveObjectCount();
int GdiLiveDcCount();
// Forgets the system palette's realised colours (between test cases).
void ResetSystemPalette();
