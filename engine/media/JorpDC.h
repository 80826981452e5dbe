// The engine's device contexts over the framework's TDC: window, screen, client, desktop, the
// back buffer's memory DC and the paint DCs that blit from it.
#pragma once

#include "engine/media/Rect16.h"
#include "platform/framework/draw/Dc.h"

class TBmp;
class TBitmapInfo;
class TPal;

class TJorpDC : public TDC {
public:
    explicit TJorpDC(HDC handle, bool shouldDelete = false) : TDC(handle, shouldDelete) {}
    ~TJorpDC() override;

    // Selects the palette's handle; false, and the DC unchanged, when it has none. The DC's
    // first palette is put back when the object dies.
    virtual bool SelectPalette(const TPal& palette, bool background);
    // The bitmap graphics draw into; none here.
    virtual TBmp* GetSelectedBitmap() const { return nullptr; }

    // Widens the rectangle's left edge down and its right edge up to multiples of 4, in the
    // DC's own (client) coordinates: 8-bit rows are copied fastest in aligned 32-bit words.
    static void AlignRect(TRect16& rect);

private:
    HPALETTE InitialPalette = nullptr;
};

// A DC handed over with a flag that says whether to delete it.
class TJorpCreatedDC : public TJorpDC {
public:
    TJorpCreatedDC(HDC handle, bool deleteIt) : TJorpDC(handle, deleteIt) {}
};

// A window's whole area; released with the object.
class TJorpWindowDC : public TJorpDC {
public:
    explicit TJorpWindowDC(HWND window);
    HWND GetWindow() const { return Window; }

protected:
    TJorpWindowDC(HWND window, HDC handle) : TJorpDC(handle, true), Window(window) {}

private:
    HWND Window = nullptr;
};

// The whole screen.
class TJorpScreenDC : public TJorpWindowDC {
public:
    TJorpScreenDC() : TJorpWindowDC(nullptr) {}
};

// A window's client area.
class TJorpClientDC : public TJorpWindowDC {
public:
    explicit TJorpClientDC(HWND window);
};

// The desktop window, which is the whole screen.
class TJorpDesktopDC : public TJorpWindowDC {
public:
    TJorpDesktopDC();
};

// A memory DC holding a bitmap that graphics draw into. Its colours come from the bitmap's
// own colour table, so palettes are not selected into it.
class TJorpVideoDC : public TJorpCreatedDC {
public:
    TJorpVideoDC(HDC handle, bool deleteIt) : TJorpCreatedDC(handle, deleteIt) {}
    ~TJorpVideoDC() override;

    bool SelectPalette(const TPal& palette, bool background) override;
    TBmp* GetSelectedBitmap() const override { return Selected; }
    // False when the bitmap has no handle.
    virtual bool SelectBitmap(TBmp& bitmap);
    virtual void DeselectBitmap();
    // A bitmap of the information's layout, its pixels through *bits; none here.
    virtual HBITMAP CreateBitmap(const TBitmapInfo& info, u8** bits);

private:
    TBmp* Selected = nullptr;
    HBITMAP InitialBitmap = nullptr;
};

// The back buffer's DC, made by WinG and deleted with the object.
class TVideoWinGDC : public TJorpVideoDC {
public:
    TVideoWinGDC();
    HBITMAP CreateBitmap(const TBitmapInfo& info, u8** bits) override;
};

// Wraps the framework's paint DC: never ends its paint or deletes its handle.
class TJorpPaintDC : public TJorpCreatedDC {
public:
    explicit TJorpPaintDC(HDC handle) : TJorpCreatedDC(handle, false) {}
    // Copies the rectangle from the source DC to the same place here; none here.
    virtual bool Blit(const TRect16& rect, TJorpDC& source);
};

class TWinGPaintDC : public TJorpPaintDC {
public:
    explicit TWinGPaintDC(HDC handle) : TJorpPaintDC(handle) {}
    // A 1:1 WinGBitBlt; false without WinG.
    bool Blit(const TRect16& rect, TJorpDC& source) override;
};
