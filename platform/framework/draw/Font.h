// Fonts made from the DejaVu faces through FreeType: metrics in the old system's terms and
// one-bit glyphs for crisp text.
#pragma once

#include "GdiTypes.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

struct TGlyph {
    // Pixels to the next character.
    i32 Advance = 0;
    // The bitmap's top left corner from the pen position on the baseline (y grows down).
    i32 Left = 0;
    i32 Top = 0;
    i32 Width = 0;
    i32 Height = 0;
    // One byte a pixel: 1 for ink, or for a smooth glyph its grey coverage 0..255.
    std::vector<u8> Ink;
};

struct TFontInstance {
    std::string File;
    i32 PixelSize = 0;
    bool Bold = false;
    TEXTMETRIC Metrics;
    // The face's own FreeType handle, owned by the font cache.
    void* Face = nullptr;
    std::map<u32, TGlyph> Glyphs;

    // The one-bit glyph of a character of the old system's Western code page, kept once made.
    const TGlyph& Glyph(u8 character);
    // The glyph of a character rendered afresh: one-bit ink, or (smooth) grey coverage for
    // anti-aliased drawing. Empty when the face cannot render it.
    TGlyph Render(u8 character, bool smooth) const;
};

// The directory the Debian package fonts-dejavu-core installs the faces into.
constexpr const char* DejaVuDirectory = "/usr/share/fonts/truetype/dejavu";

// The face file a request gets: "MS Sans Serif" and most others DejaVu Sans, "MS Serif" and
// "Tms Rmn" DejaVu Serif, "Courier" and fixed-pitch requests DejaVu Sans Mono; an unknown
// face goes by the family asked for. Bold from weight 600 up.
std::string FontFileFor(const LOGFONT& log);
// The em size in pixels: -height for a negative height; for a positive one the size whose
// ascent and descent add up to it; 0 the system's default.
i32 FontPixelSize(const LOGFONT& log);
// A shared instance for the request. A missing face file ends the program with a message
// naming the file and the package.
std::shared_ptr<TFontInstance> ResolveFont(const LOGFONT& log);
// Unicode for a byte of the Western code page.
u32 CodePageToUnicode(u8 character);
