// The spots' boxes as the layout draws them, and the lettering held inside them or set beside
// them on the felt.
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"

#include <algorithm>
#include <cmath>

namespace {

// The cloth inside a box, in felt steps: the one-roll bets and the don't sides darker, the pass
// line and the buy and place boxes lighter, so that each group, and each piece of a bet drawn
// in several, reads as one.
i32 ClothShift(u16 region) {
    const TClickRegion* r = RegionById(region);
    const i16 spot = r != nullptr ? r->Spot : i16{-1};
    if (spot == 0)
        return 2;
    if (spot == 1 || spot == 3)
        return -2;
    if ((spot >= 7 && spot <= 16) || spot == 41 || spot == 42)
        return -2;
    if (spot >= 29 && spot <= 40)
        return -3;
    if (spot >= 17 && spot <= 22)
        return 1;
    return 0;
}

i16 SpotOf(u16 region) {
    const TClickRegion* r = RegionById(region);
    return r != nullptr ? r->Spot : i16{-1};
}

std::string Named(u16 region) {
    const TClickRegion* r = RegionById(region);
    return "region " + std::to_string(region) + " (" + (r != nullptr ? r->Label : "none") + ")";
}

// The pixels a run of capitals covers when Caps draws it centred on (cx, cy): drawn once on a
// scratch canvas at the same sub-pixel place.
TBox CapsInk(double cx, double cy, const std::string& text, const TTextStyle& style) {
    const i32 width = TCanvas::TextWidth(text, style);
    const i32 height = TCanvas::TextHeight(style);
    const i32 ox = static_cast<i32>(std::floor(cx)) - width / 2 - 8;
    const i32 oy = static_cast<i32>(std::floor(cy)) - height - 8;
    TCanvas scratch(width + 16, 2 * height + 16);
    Caps(scratch, cx - ox, cy - oy, text, style, CL_WHITE);
    TBox ink{scratch.Width(), scratch.Height(), -1, -1};
    for (i32 y = 0; y < scratch.Height(); ++y)
        for (i32 x = 0; x < scratch.Width(); ++x)
            if (scratch.Covered(x, y)) {
                ink.L = std::min(ink.L, x);
                ink.T = std::min(ink.T, y);
                ink.R = std::max(ink.R, x + 1);
                ink.B = std::max(ink.B, y + 1);
            }
    if (ink.R < 0)
        return {};
    return {ink.L + ox, ink.T + oy, ink.R + ox, ink.B + oy};
}

} // namespace

void HoldInBox(TBackgroundArt& art, u16 region, const TBox& ink, const std::string& what) {
    const TBox inside = Interior(art.Frame(region));
    if (ink.L < inside.L || ink.T < inside.T || ink.R > inside.R || ink.B > inside.B)
        art.Faults.push_back(Named(region) + ": " + what + " runs out of its box");
}

TBox TBackgroundArt::Frame(u16 region) const {
    for (const TDrawnBox& box : Boxes)
        if (box.Region == region)
            return box.Frame;
    const TClickRegion* r = RegionById(region);
    return r != nullptr ? r->Box : TBox{};
}

void PaintBoxes(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    for (const TDrawnBox& box : art.Boxes) {
        const TBox& f = box.Frame;
        const i32 shift = ClothShift(box.Region);
        for (i32 y = f.T; y < f.B; ++y)
            for (i32 x = f.L; x < f.R; ++x)
                c.Plot(x, y, FeltAt(x, y, shift));
        const i16 spot = SpotOf(box.Region);
        if (spot >= 0)
            art.Areas.FillRect(f.L, f.T, f.R, f.B, static_cast<u8>(AREA_SPOT + spot));
    }
    // The borders over every cloth, so that a border two boxes share stays whole. Their corner
    // pixels are left to the cloth: the boxes read as gently rounded.
    const u8 line = LineColour();
    for (const TDrawnBox& box : art.Boxes) {
        const TBox& f = box.Frame;
        c.FillRect(f.L + 1, f.T, f.R - 1, f.T + 1, line);
        c.FillRect(f.L + 1, f.B - 1, f.R - 1, f.B, line);
        c.FillRect(f.L, f.T + 1, f.L + 1, f.B - 1, line);
        c.FillRect(f.R - 1, f.T + 1, f.R, f.B - 1, line);
    }
}

void BoxCaps(TBackgroundArt& art, u16 region, double cx, double cy, const std::string& text,
             const TTextStyle& style, u8 colour) {
    HoldInBox(art, region, CapsInk(cx, cy, text, style), "the lettering \"" + text + "\"");
    Caps(art.Picture, cx, cy, text, style, colour);
}

void BoxCapsDown(TBackgroundArt& art, u16 region, double cx, double cy, const std::string& text,
                 const TTextStyle& style, double pitch, u8 colour) {
    const double first = cy - pitch * (static_cast<double>(text.size()) - 1) / 2;
    for (size_t i = 0; i < text.size(); ++i)
        BoxCaps(art, region, cx, first + pitch * static_cast<double>(i), std::string(1, text[i]),
                style, colour);
}

void BoxDie(TBackgroundArt& art, u16 region, double x, double y, double size, int pips) {
    const TBox ink{static_cast<i32>(std::floor(x)), static_cast<i32>(std::floor(y)),
                   static_cast<i32>(std::ceil(x + size)), static_cast<i32>(std::ceil(y + size))};
    HoldInBox(art, region, ink, "a die");
    Die(art.Picture, x, y, size, pips);
}

void Caption(TBackgroundArt& art, double cx, double cy, const std::string& text,
             const TTextStyle& style, u8 colour) {
    const TBox ink = CapsInk(cx, cy, text, style);
    art.Areas.FillRect(ink.L, ink.T, ink.R, ink.B, AREA_CAPTION);
    Caps(art.Picture, cx, cy, text, style, colour);
}
