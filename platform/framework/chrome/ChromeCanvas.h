// Plain fills, lines and 3-D edges on the desktop surface, clipped to a region: what window
// frames, captions and menus are drawn with.
#pragma once

#include "platform/framework/draw/Region.h"
#include "platform/framework/draw/Surface.h"

#include <string>

class TChromeCanvas {
public:
    TChromeCanvas(TScreenSurface& surface, TRegion clip)
        : Surface(surface), Clip(std::move(clip)) {}

    TScreenSurface& GetSurface() const { return Surface; }
    const TRegion& GetClip() const { return Clip; }

    void Fill(const TRect& r, u32 argb);
    void HLine(i32 x0, i32 x1, i32 y, u32 argb) { Fill({x0, y, x1, y + 1}, argb); }
    void VLine(i32 x, i32 y0, i32 y1, u32 argb) { Fill({x, y0, x + 1, y1}, argb); }
    void Pixel(i32 x, i32 y, u32 argb) { Fill({x, y, x + 1, y + 1}, argb); }
    // A one-pixel edge around the inside of r: light on the top and left, dark on the bottom
    // and right (a raised look; swapped colours look sunken).
    void Edge(const TRect& r, u32 topLeft, u32 bottomRight);
    // The classic raised frame two pixels deep: outer light/black, inner white/shadow.
    void RaisedFrame(const TRect& r, u32 outerLight);
    // System-font text with its cell's top-left corner at (x, y), cut to the limit
    // rectangle; an '&' underlines the next character when prefixes are on ("&&" is one &).
    void Text(i32 x, i32 y, const std::string& text, u32 argb, const TRect& limit,
              bool prefixes = true, bool bold = false);

private:
    TScreenSurface& Surface;
    TRegion Clip;
};

// The system font's measures, as menus and captions lay their text out.
namespace ChromeText {
// The shown text of a label: prefixes removed, "&&" as one &; and where the underline goes.
struct TLabel {
    std::string Shown;
    // Index in Shown of the underlined character; -1 for none.
    int Underline = -1;
    // The character the label answers to, upper-cased; 0 for none.
    char Mnemonic = 0;
};
TLabel ParseLabel(const std::string& text);
i32 Width(const std::string& shown, bool bold = false);
i32 CellHeight();
i32 Ascent();
} // namespace ChromeText
