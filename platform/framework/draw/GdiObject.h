// The framework's drawing objects: pens, brushes, fonts, bitmaps and palettes that own (or
// borrow) a handle of the drawing layer.
#pragma once

#include "Color.h"
#include "Gdi.h"

class TModule;
class TDC;

class TGdiObject {
public:
    virtual ~TGdiObject();
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    HGDIOBJ GetHandle() const { return Handle; }
    bool IsValid() const { return Handle != nullptr; }

protected:
    TGdiObject(HGDIOBJ handle, bool shouldDelete) : Handle(handle), ShouldDelete(shouldDelete) {}

    HGDIOBJ Handle = nullptr;
    // Deleted with the object (not for borrowed or stock handles).
    bool ShouldDelete = true;
};

class TPen : public TGdiObject {
public:
    explicit TPen(TColor color, int width = 1, int style = PS_SOLID);
    explicit TPen(HPEN handle, bool autoDelete = false);
    operator HPEN() const;
};

class TBrush : public TGdiObject {
public:
    explicit TBrush(TColor color);
    explicit TBrush(HBRUSH handle, bool autoDelete = false);
    operator HBRUSH() const;
};

class TFont : public TGdiObject {
public:
    // Height as in LOGFONT: negative for the character height in pixels.
    explicit TFont(const char* faceName = nullptr, int height = 0, int width = 0,
                   int escapement = 0, int orientation = 0, int weight = FW_NORMAL,
                   u8 pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE, u8 italic = 0, u8 underline = 0,
                   u8 strikeout = 0, u8 charSet = ANSI_CHARSET);
    explicit TFont(const LOGFONT* logFont);
    explicit TFont(HFONT handle, bool autoDelete = false);
    operator HFONT() const;

    // The font's own description.
    LOGFONT GetLogFont() const;
};

class TBitmap : public TGdiObject {
public:
    // From the module's bitmap resources; not valid (no handle) when there is none.
    TBitmap(const TModule& module, u32 resourceId);
    TBitmap(i32 width, i32 height, u32 planes, u32 bitCount, const void* bits);
    // Like the DC's device.
    TBitmap(const TDC& dc, i32 width, i32 height);
    explicit TBitmap(HBITMAP handle, bool autoDelete = false);
    operator HBITMAP() const;

    // 0 for a bitmap that is not valid.
    i32 Width() const;
    i32 Height() const;
    TSize Size() const { return {Width(), Height()}; }
};

class TPalette : public TGdiObject {
public:
    explicit TPalette(const LOGPALETTE* logPalette);
    explicit TPalette(HPALETTE handle, bool autoDelete = false);
    operator HPALETTE() const;

    u32 GetNumEntries() const;
    u32 GetPaletteEntries(u32 start, u32 count, PALETTEENTRY* entries) const;
};
