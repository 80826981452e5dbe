// The framework's pens, brushes, fonts, bitmaps and palettes over the drawing layer's handles.
#include "GdiObject.h"

#include "Dc.h"
#include "GdiObjects.h"

#include <cstring>

TGdiObject::~TGdiObject() {
    if (ShouldDelete && Handle != nullptr)
        DeleteObject(Handle);
}

TPen::TPen(TColor color, int width, int style) : TGdiObject(CreatePen(style, width, color), true) {}

TPen::TPen(HPEN handle, bool autoDelete) : TGdiObject(handle, autoDelete) {}

TPen::operator HPEN() const {
    return AsKind<TGdiPen>(Handle, TGdiKind::Pen);
}

TBrush::TBrush(TColor color) : TGdiObject(CreateSolidBrush(color), true) {}

TBrush::TBrush(HBRUSH handle, bool autoDelete) : TGdiObject(handle, autoDelete) {}

TBrush::operator HBRUSH() const {
    return AsKind<TGdiBrush>(Handle, TGdiKind::Brush);
}

namespace {

LOGFONT MakeLogFont(const char* faceName, int height, int width, int escapement, int orientation,
                    int weight, u8 pitchAndFamily, u8 italic, u8 underline, u8 strikeout,
                    u8 charSet) {
    LOGFONT log;
    log.lfHeight = height;
    log.lfWidth = width;
    log.lfEscapement = escapement;
    log.lfOrientation = orientation;
    log.lfWeight = weight;
    log.lfItalic = italic;
    log.lfUnderline = underline;
    log.lfStrikeOut = strikeout;
    log.lfCharSet = charSet;
    log.lfPitchAndFamily = pitchAndFamily;
    if (faceName != nullptr)
        std::strncpy(log.lfFaceName, faceName, LF_FACESIZE - 1);
    return log;
}

} // namespace

TFont::TFont(const char* faceName, int height, int width, int escapement, int orientation,
             int weight, u8 pitchAndFamily, u8 italic, u8 underline, u8 strikeout, u8 charSet)
    : TFont(nullptr, false) {
    const LOGFONT log = MakeLogFont(faceName, height, width, escapement, orientation, weight,
                                    pitchAndFamily, italic, underline, strikeout, charSet);
    Handle = CreateFontIndirect(&log);
    ShouldDelete = true;
}

TFont::TFont(const LOGFONT* logFont) : TGdiObject(CreateFontIndirect(logFont), true) {}

TFont::TFont(HFONT handle, bool autoDelete) : TGdiObject(handle, autoDelete) {}

TFont::operator HFONT() const {
    return AsKind<TGdiFont>(Handle, TGdiKind::Font);
}

LOGFONT TFont::GetLogFont() const {
    const TGdiFont* font = AsKind<TGdiFont>(Handle, TGdiKind::Font);
    return font != nullptr ? font->Log : LOGFONT{};
}

TBitmap::TBitmap(const TModule& module, u32 resourceId)
    : TGdiObject(LoadBitmap(&module, resourceId), true) {}

TBitmap::TBitmap(i32 width, i32 height, u32 planes, u32 bitCount, const void* bits)
    : TGdiObject(CreateBitmap(width, height, planes, bitCount, bits), true) {}

TBitmap::TBitmap(const TDC& dc, i32 width, i32 height)
    : TGdiObject(CreateCompatibleBitmap(dc.GetHDC(), width, height), true) {}

TBitmap::TBitmap(HBITMAP handle, bool autoDelete) : TGdiObject(handle, autoDelete) {}

TBitmap::operator HBITMAP() const {
    return AsKind<TGdiBitmap>(Handle, TGdiKind::Bitmap);
}

i32 TBitmap::Width() const {
    BITMAP info;
    return GetObject(AsKind<TGdiBitmap>(Handle, TGdiKind::Bitmap), sizeof(info), &info) != 0
               ? info.bmWidth
               : 0;
}

i32 TBitmap::Height() const {
    BITMAP info;
    return GetObject(AsKind<TGdiBitmap>(Handle, TGdiKind::Bitmap), sizeof(info), &info) != 0
               ? info.bmHeight
               : 0;
}

TPalette::TPalette(const LOGPALETTE* logPalette) : TGdiObject(CreatePalette(logPalette), true) {}

TPalette::TPalette(HPALETTE handle, bool autoDelete) : TGdiObject(handle, autoDelete) {}

TPalette::operator HPALETTE() const {
    return AsKind<TGdiPalette>(Handle, TGdiKind::Palette);
}

u32 TPalette::GetNumEntries() const {
    return ::GetPaletteEntries(AsKind<TGdiPalette>(Handle, TGdiKind::Palette), 0, 0, nullptr);
}

u32 TPalette::GetPaletteEntries(u32 start, u32 count, PALETTEENTRY* entries) const {
    return ::GetPaletteEntries(AsKind<TGdiPalette>(Handle, TGdiKind::Palette), start, count,
                               entries);
}
