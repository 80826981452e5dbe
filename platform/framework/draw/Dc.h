// Device contexts: the framework's TDC family over the drawing layer's DCs, for windows, the
// screen and bitmaps in memory.
#pragma once

#include "Color.h"
#include "Gdi.h"
#include "GdiObject.h"
#include "Region.h"
#include "Surface.h"
#include "platform/framework/WinTypes.h"

#include <string>

struct PAINTSTRUCT {
    TRect rcPaint;
    // The background still needs erasing (the erase message did not do it).
    bool fErase = false;
};

// Holds a DC handle and what it replaced when objects were selected through it, and puts
// those back when it dies; it frees the handle only when it owns it.
class TDC {
public:
    // Draws on a surface: the origin is the DC's (0, 0) in surface pixels and the clip is in
    // surface pixels. Owns the DC it makes.
    TDC(TScreenSurface& surface, TPoint origin, TRegion clip);
    // Wraps a DC made elsewhere; frees it (DeleteDC or ReleaseDC, whichever fits its kind)
    // only when told to.
    explicit TDC(HDC handle, bool shouldDelete = false);
    virtual ~TDC();
    TDC(const TDC&) = delete;
    TDC& operator=(const TDC&) = delete;

    HDC GetHDC() const { return Handle; }
    operator HDC() const { return Handle; }

    // The surface the DC draws on (the desktop for a DC on a bitmap).
    TScreenSurface& GetSurface() const;
    // The DC's origin in surface pixels.
    TPoint GetOrigin() const;
    // The visible part in surface pixels.
    const TRegion& GetClip() const;

    // Fills a rectangle given in the DC's coordinates with a 0xAARRGGBB colour, within the
    // clip, without touching the current brush.
    void FillSolidRect(const TRect& rect, u32 argb);

    // Objects. The first object replaced of each kind is kept and put back by the Restore
    // calls and by the destructor.
    bool SelectObject(const TPen& pen);
    bool SelectObject(const TBrush& brush);
    bool SelectObject(const TFont& font);
    bool SelectObject(const TBitmap& bitmap);
    bool SelectObject(const TPalette& palette, bool forceBackground = false);
    bool SelectStockObject(int index);
    void RestorePen();
    void RestoreBrush();
    void RestoreFont();
    void RestoreBitmap();
    void RestorePalette();
    void RestoreObjects();
    u32 RealizePalette();

    // State.
    int GetDeviceCaps(int index) const;
    bool GetDCOrg(TPoint& origin) const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    TColor SetBkColor(TColor color);
    TColor GetBkColor() const;
    TColor SetTextColor(TColor color);
    TColor GetTextColor() const;

    // Lines and areas.
    bool MoveTo(i32 x, i32 y);
    bool MoveTo(const TPoint& p) { return MoveTo(p.x, p.y); }
    bool LineTo(i32 x, i32 y);
    bool LineTo(const TPoint& p) { return LineTo(p.x, p.y); }
    bool Rectangle(i32 left, i32 top, i32 right, i32 bottom);
    bool Rectangle(const TRect& r) { return Rectangle(r.left, r.top, r.right, r.bottom); }
    bool FillRect(const TRect& rect, const TBrush& brush);
    bool FillRect(i32 left, i32 top, i32 right, i32 bottom, const TBrush& brush) {
        return FillRect(TRect{left, top, right, bottom}, brush);
    }
    TColor SetPixel(i32 x, i32 y, TColor color);
    TColor SetPixel(const TPoint& p, TColor color) { return SetPixel(p.x, p.y, color); }
    TColor GetPixel(i32 x, i32 y) const;

    // Text. A negative count means the whole string.
    bool TextOut(i32 x, i32 y, const std::string& text, int count = -1);
    bool TextOut(const TPoint& p, const std::string& text, int count = -1) {
        return TextOut(p.x, p.y, text, count);
    }
    int DrawText(const std::string& text, int count, const TRect& rect, u32 format = 0);
    bool GetTextMetrics(TEXTMETRIC& metrics) const;
    TSize GetTextExtent(const std::string& text, int count = -1) const;
    bool GetCharWidth(u32 firstChar, u32 lastChar, i32* widths) const;

    // Blits from another DC (SRCCOPY).
    bool BitBlt(i32 x, i32 y, i32 width, i32 height, const TDC& src, i32 srcX, i32 srcY,
                u32 rop = SRCCOPY);
    bool BitBlt(const TRect& dst, const TDC& src, const TPoint& srcPos, u32 rop = SRCCOPY) {
        return BitBlt(dst.left, dst.top, dst.Width(), dst.Height(), src, srcPos.x, srcPos.y, rop);
    }
    bool StretchBlt(i32 x, i32 y, i32 width, i32 height, const TDC& src, i32 srcX, i32 srcY,
                    i32 srcWidth, i32 srcHeight, u32 rop = SRCCOPY);
    bool StretchBlt(const TRect& dst, const TDC& src, const TRect& srcRect, u32 rop = SRCCOPY) {
        return StretchBlt(dst.left, dst.top, dst.Width(), dst.Height(), src, srcRect.left,
                          srcRect.top, srcRect.Width(), srcRect.Height(), rop);
    }

protected:
    HDC Handle = nullptr;
    // Free the handle with the object.
    bool ShouldDelete = false;

private:
    HPEN OrgPen = nullptr;
    HBRUSH OrgBrush = nullptr;
    HFONT OrgFont = nullptr;
    HBITMAP OrgBitmap = nullptr;
    HPALETTE OrgPalette = nullptr;
};

// A window's whole area, its frame included; a null window gives the screen.
class TWindowDC : public TDC {
public:
    explicit TWindowDC(HWND window);
    explicit TWindowDC(TWindow& window) : TWindowDC(&window) {}
};

// The whole screen.
class TScreenDC : public TWindowDC {
public:
    TScreenDC() : TWindowDC(nullptr) {}
};

// The desktop window's DC, which is the whole screen too (GetDesktopWindow gives null).
class TDesktopDC : public TWindowDC {
public:
    TDesktopDC() : TWindowDC(nullptr) {}
};

// The client area of a window, clipped to what shows.
class TClientDC : public TDC {
public:
    explicit TClientDC(HWND window);
    explicit TClientDC(TWindow& window) : TClientDC(&window) {}
};

// Painting in answer to WM_PAINT: takes the invalid area (erasing first when asked) and
// limits drawing to it.
class TPaintDC : public TDC {
public:
    explicit TPaintDC(HWND window);
    explicit TPaintDC(TWindow& window) : TPaintDC(&window) {}

    PAINTSTRUCT Ps;

private:
    struct TPrepared {
        PAINTSTRUCT Ps;
        TRegion Clip;
    };
    static TPrepared Prepare(HWND window);
    TPaintDC(HWND window, TPrepared prepared);
};

// A DC on a bitmap in memory, like the screen or like another DC.
class TMemoryDC : public TDC {
public:
    TMemoryDC();
    explicit TMemoryDC(const TDC& like);
};
