// The 8-bit back-buffer library: DCs on 8-bit bitmaps shown through their colour tables,
// registered as the built-in "wing32.dll".
#pragma once

#include "Gdi.h"

enum WING_DITHER_TYPE { WING_DISPERSED_4x4 = 0, WING_DISPERSED_8x8 = 1, WING_CLUSTERED_4x4 = 2 };

// The entry points, as the loader hands them out by name.
using TWinGCreateDC = HDC (*)();
using TWinGRecommendDIBFormat = bool (*)(BITMAPINFO* format);
using TWinGCreateBitmap = HBITMAP (*)(HDC dc, const BITMAPINFO* header, void** bits);
using TWinGGetDIBPointer = void* (*)(HBITMAP bitmap, BITMAPINFO* header);
using TWinGGetDIBColorTable = u32 (*)(HDC dc, u32 start, u32 count, RGBQUAD* colors);
using TWinGSetDIBColorTable = u32 (*)(HDC dc, u32 start, u32 count, const RGBQUAD* colors);
using TWinGCreateHalftonePalette = HPALETTE (*)();
using TWinGCreateHalftoneBrush = HBRUSH (*)(HDC dc, COLORREF color, WING_DITHER_TYPE dither);
using TWinGBitBlt = bool (*)(HDC dst, i32 x, i32 y, i32 width, i32 height, HDC src, i32 srcX,
                             i32 srcY);
using TWinGStretchBlt = bool (*)(HDC dst, i32 x, i32 y, i32 width, i32 height, HDC src, i32 srcX,
                                 i32 srcY, i32 srcWidth, i32 srcHeight);

// A memory DC for WinG bitmaps; freed with DeleteDC.
HDC WinGCreateDC();
// Fills in the best 8-bit layout: top-down (negative height), 1 x 1, 256 colours.
bool WinGRecommendDIBFormat(BITMAPINFO* format);
// An 8-bit bitmap of the header's size and colour table (up to 256 colours, bottom-up for
// a positive height), selected into nothing; *bits receives its pixels. Null for another
// depth, compression or a size of 0 or over 4096.
HBITMAP WinGCreateBitmap(HDC dc, const BITMAPINFO* header, void** bits);
// The pixels, and the header with its colour table when one is asked for.
void* WinGGetDIBPointer(HBITMAP bitmap, BITMAPINFO* header);
u32 WinGGetDIBColorTable(HDC dc, u32 start, u32 count, RGBQUAD* colors);
u32 WinGSetDIBColorTable(HDC dc, u32 start, u32 count, const RGBQUAD* colors);
// The twenty static colours, a 6 x 6 x 6 colour cube and a grey ramp.
HPALETTE WinGCreateHalftonePalette();
// A solid brush of the halftone palette's colour nearest the one asked for.
HBRUSH WinGCreateHalftoneBrush(HDC dc, COLORREF color, WING_DITHER_TYPE dither);
bool WinGBitBlt(HDC dst, i32 x, i32 y, i32 width, i32 height, HDC src, i32 srcX, i32 srcY);
bool WinGStretchBlt(HDC dst, i32 x, i32 y, i32 width, i32 height, HDC src, i32 srcX, i32 srcY,
                    i32 srcWidth, i32 srcHeight);

// Registers the ten entry points under "wing32.dll" for the library loader.
void RegisterWinGLibrary();
