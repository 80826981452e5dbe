// Device contexts: where a window draws on the desktop, clipped to what of it shows.
#pragma once

#include "Region.h"
#include "Surface.h"
#include "WinTypes.h"

struct PAINTSTRUCT {
    TRect rcPaint;
    // The background still needs erasing (the erase message did not do it).
    bool fErase = false;
};

// The drawing operations themselves belong to the drawing layer; this holds the target.
class TDC {
public:
    TDC(TScreenSurface& surface, TPoint origin, TRegion clip)
        : Surface(surface), Origin(origin), Clip(std::move(clip)) {}
    virtual ~TDC() = default;
    TDC(const TDC&) = delete;
    TDC& operator=(const TDC&) = delete;

    TScreenSurface& GetSurface() const { return Surface; }
    // The client origin in desktop pixels.
    TPoint GetOrigin() const { return Origin; }
    // The visible part in desktop pixels.
    const TRegion& GetClip() const { return Clip; }

    // Fills a rectangle given in the window's coordinates, within the clip.
    void FillSolidRect(const TRect& rect, u32 argb);

private:
    TScreenSurface& Surface;
    TPoint Origin;
    TRegion Clip;
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
