// The layout's spots painted from their shapes, each in its cloth, the lines between them, and the
// lettering and dice held to the spots they stand on.
#include "craps/bets/TableSpots.h"
#include "tools/databuild/art/ChipArt.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"

#include <algorithm>
#include <cmath>

namespace {

using table_spot::DontCome;
using table_spot::DontPass;
using table_spot::FirstBuy;
using table_spot::FirstDontComeNumber;
using table_spot::FirstLay;
using table_spot::PassLine;

// Whether the spot is one of the group of six that starts at `first`, over 4, 5, 6, 8, 9, 10.
bool InSix(i16 spot, i16 first) {
    return spot >= first && spot < first + 6;
}

// The cloth of a spot, in felt steps from the layout's felt: the pass line lightest, the don't
// sides darker, the don't-come and lay strips of the numbers' boxes each a cloth of its own in
// place of a word too small to read there, the numbers' boxes lighter where the number stands.
i32 ClothShift(i16 spot) {
    if (spot == PassLine)
        return 3;
    if (InSix(spot, FirstDontComeNumber))
        return -6;
    if (InSix(spot, FirstLay))
        return -3;
    if (spot == DontPass || spot == DontCome)
        return -2;
    if (InSix(spot, FirstBuy))
        return 2;
    return 1;
}

} // namespace

void PaintShapes(TBackgroundArt& art, const TShapeMap& shapes) {
    TCanvas& c = art.Picture;
    const u8 line = LineColour();
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            const i16 drawn = shapes.DrawnAt(x, y);
            if (drawn == DRAWN_LINE) {
                c.Plot(x, y, line);
            } else if (drawn >= 0) {
                c.Plot(x, y, FeltAt(x, y, ClothShift(drawn)));
                art.Areas.Plot(x, y, static_cast<u8>(AREA_SPOT + drawn));
            }
        }
}

std::pair<i32, i32> RowSpan(i16 spot, i32 y) {
    i32 first = -1, last = -1;
    for (i32 x = 0; x < TABLE_WIDTH; ++x)
        if (TableShapes().DrawnAt(x, y) == spot) {
            first = first < 0 ? x : first;
            last = x;
        }
    return first < 0 ? std::pair{0, 0} : std::pair{first, last + 1};
}

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

i32 CapHeight(const TTextStyle& style) {
    TTextStyle crisp = style;
    crisp.Crisp = true;
    return CapsInk(0, 0, "E", crisp).Height();
}

namespace {

void Hold(TBackgroundArt& art, i16 spot, const TBox& ink, const std::string& what, i32 cap) {
    for (i32 y = ink.T; y < ink.B; ++y)
        for (i32 x = ink.L; x < ink.R; ++x)
            if (art.Areas.At(x, y) != AREA_SPOT + spot) {
                art.Faults.push_back(NamedSpot(spot) + ": " + what + " runs off its spot at " +
                                     Point(x, y));
                y = ink.B;
                break;
            }
    art.Labels.push_back({SpotRegion(spot).Id, ink, what, cap});
}

void SmallWordFault(TBackgroundArt& art, i16 spot, const std::string& text, i32 cap) {
    if (cap < LEAST_CAP_HEIGHT)
        art.Faults.push_back(NamedSpot(spot) + ": the lettering \"" + text + "\" stands " +
                             std::to_string(cap) + " px tall, under " +
                             std::to_string(LEAST_CAP_HEIGHT));
}

void SmallDieFault(TBackgroundArt& art, i16 spot, i32 size) {
    if (size < LEAST_DIE_SIZE)
        art.Faults.push_back(NamedSpot(spot) + ": a die stands " + std::to_string(size) +
                             " px across, under " + std::to_string(LEAST_DIE_SIZE));
}

} // namespace

void HoldOnSpot(TBackgroundArt& art, i16 spot, const TBox& ink, const std::string& what) {
    Hold(art, spot, ink, what, 0);
}

void SpotCaps(TBackgroundArt& art, i16 spot, double cx, double cy, const std::string& text,
              const TTextStyle& style, u8 colour) {
    const i32 cap = CapHeight(style);
    SmallWordFault(art, spot, text, cap);
    Hold(art, spot, CapsInk(cx, cy, text, style), "the lettering \"" + text + "\"", cap);
    Caps(art.Picture, cx, cy, text, style, colour);
}

void SpotCapsDown(TBackgroundArt& art, i16 spot, const std::function<double(double)>& cx,
                  double top, const std::string& text, const TTextStyle& style, double pitch,
                  u8 colour) {
    const i32 cap = CapHeight(style);
    SmallWordFault(art, spot, text, cap);
    double y = top;
    for (char letter : text) {
        // A space is half a letter's pitch; an apostrophe hangs from the top of its own short
        // step, below the letter before it.
        const bool space = letter == ' ';
        const bool apostrophe = letter == '\'';
        const double step = space ? pitch / 2 : apostrophe ? pitch * 0.6 : pitch;
        const double cy = apostrophe ? y + cap / 2.0 + 1 : y + step / 2;
        if (!space) {
            const std::string one(1, letter);
            Hold(art, spot, CapsInk(cx(cy), cy, one, style),
                 "the letter \"" + one + "\" of \"" + text + "\"", apostrophe ? 0 : cap);
            Caps(art.Picture, cx(cy), cy, one, style, colour);
        }
        y += step;
    }
}

void Caption(TBackgroundArt& art, double cx, double cy, const std::string& text,
             const TTextStyle& style, u8 colour) {
    const TBox ink = CapsInk(cx, cy, text, style);
    art.Areas.FillRect(ink.L, ink.T, ink.R, ink.B, AREA_CAPTION);
    art.Labels.push_back({0, ink, "the caption \"" + text + "\"", CapHeight(style)});
    if (CapHeight(style) < LEAST_CAP_HEIGHT)
        art.Faults.push_back("the felt: the caption \"" + text + "\" stands under " +
                             std::to_string(LEAST_CAP_HEIGHT) + " px");
    Caps(art.Picture, cx, cy, text, style, colour);
}

void SpotDie(TBackgroundArt& art, i16 spot, i32 x, i32 y, i32 size, int pips) {
    SmallDieFault(art, spot, size);
    HoldOnSpot(art, spot, {x, y, x + size, y + size}, "a die");
    PaintLayoutDie(art.Picture, x, y, size, pips);
}
