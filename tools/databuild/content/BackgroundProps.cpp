// The proposition bets on the left of the layout: hardways, any seven, the single numbers with
// the horn between them, any craps, and the C and E column beside the layout. Each box's words
// and dice stand on its left, its chips on its right.
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr u16 AnyCraps = 29;
constexpr u16 AnySeven = 30;
constexpr u16 Horn = 64;
constexpr u16 CAndE = 63;
constexpr u16 FirstHardway = 35;

// A bet with a pair of dice and what it pays, e.g. hard 6 (3 and 3) at 9 to 1.
struct TPropCell {
    u16 Region;
    int Die1, Die2;
    const char* Pays;
};

// What the game pays for each (win to stake).
const TPropCell Cells[] = {
    {36, 3, 3, "9 TO 1"},  {37, 4, 4, "9 TO 1"},  {35, 2, 2, "7 TO 1"},  {38, 5, 5, "7 TO 1"},
    {31, 1, 1, "30 TO 1"}, {34, 6, 6, "30 TO 1"}, {32, 1, 2, "15 TO 1"}, {33, 5, 6, "15 TO 1"},
};

u8 CaptionInk(double x, double y) {
    return Mix(FeltAt(static_cast<i32>(x), static_cast<i32>(y), -4), CL_GOLD, 200);
}

// The left edge of the chips' place on a region's spot.
double ChipsLeft(u16 region) {
    const i16 spot = RegionById(region)->Spot;
    i32 left = TABLE_WIDTH;
    for (int seat = 0; seat < 3; ++seat)
        left = std::min(left, PilePlace(spot, seat).X - 7);
    return left;
}

void PaintCell(TBackgroundArt& art, const TPropCell& cell) {
    const TBox f = art.Frame(cell.Region);
    const TBox inside = Interior(f);
    const double cy = (f.T + f.B) / 2.0;
    const double right = std::min<double>(ChipsLeft(cell.Region) - 1, inside.R);
    // The dice and the odds side by side, the odds a size smaller where the box is narrow.
    constexpr double Die = 7;
    TTextStyle pays{8, true, false};
    while (pays.PixelSize > 6 &&
           2 * Die + 3 + TCanvas::TextWidth(cell.Pays, pays) > right - inside.L - 1)
        --pays.PixelSize;
    const double textWidth = TCanvas::TextWidth(cell.Pays, pays);
    const double width = 2 * Die + 3 + textWidth;
    // The dice on whole pixels, where their pips come out sharp.
    const double x = std::floor((inside.L + right - width) / 2);
    const double top = std::floor(cy - Die / 2);
    BoxDie(art, cell.Region, x, top, Die, cell.Die1);
    BoxDie(art, cell.Region, x + Die + 1, top, Die, cell.Die2);
    BoxCaps(art, cell.Region, x + 2 * Die + 3 + textWidth / 2, cy, cell.Pays, pays, InkColour());
}

void PaintCAndE(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    const TBox inside = Interior(art.Frame(CAndE));
    // C pays 7 to 1 on its half of the stake, E 15 to 1 on its half; the chips stand below.
    const double pitch = 21;
    const double cx = (inside.L + inside.R) / 2.0;
    for (int i = 0; i < 4; ++i) {
        const double top = inside.T + 1 + pitch * i;
        const bool craps = i % 2 == 0;
        const double cy = top + 7.5;
        HoldInBox(art, CAndE,
                  {static_cast<i32>(cx - 8), static_cast<i32>(cy - 8), static_cast<i32>(cx + 9),
                   static_cast<i32>(cy + 9)},
                  craps ? "the ring of C" : "the ring of E");
        c.DiscAA(cx, cy, 7, RampStep(TRamp::Felt, 7));
        c.RingAA(cx, cy, 7, 1.2, CL_GOLD);
        BoxCaps(art, CAndE, cx, cy, craps ? "C" : "E", TTextStyle{9, true, false},
                craps ? RedInk() : InkColour());
        BoxCaps(art, CAndE, cx, top + 17.5, craps ? "7:1" : "15:1", TTextStyle{6, true, false},
                InkColour());
    }
}

// The horn's name across the top of its narrow box and a little gold horn under it; each seat's
// chips stand below.
void PaintHorn(TBackgroundArt& art) {
    const TBox f = art.Frame(Horn);
    const TBox inside = Interior(f);
    BoxCaps(art, Horn, (inside.L + inside.R) / 2.0, inside.T + 3.5, "HORN",
            TTextStyle{5, true, false}, CL_GOLD);
    // Its tube curls up from the mouthpiece at the bottom left and flares to a bell at the top
    // right: a quadratic curve, its width growing along it.
    const double x0 = inside.L + 4, y0 = inside.T + 11;
    const double cx = inside.L + 5, cy = inside.T + 7;
    const double x1 = inside.R - 5, y1 = inside.T + 7.5;
    TOutline left, right;
    constexpr int Steps = 12;
    for (int i = 0; i <= Steps; ++i) {
        const double s = static_cast<double>(i) / Steps;
        const double px = (1 - s) * (1 - s) * x0 + 2 * (1 - s) * s * cx + s * s * x1;
        const double py = (1 - s) * (1 - s) * y0 + 2 * (1 - s) * s * cy + s * s * y1;
        const double dx = 2 * (1 - s) * (cx - x0) + 2 * s * (x1 - cx);
        const double dy = 2 * (1 - s) * (cy - y0) + 2 * s * (y1 - cy);
        const double length = std::hypot(dx, dy);
        const double half = 0.6 + 1.5 * s * s * s;
        left.push_back({px - dy / length * half, py + dx / length * half});
        right.push_back({px + dy / length * half, py - dx / length * half});
    }
    TOutline horn = left;
    horn.insert(horn.end(), right.rbegin(), right.rend());
    TBox ink{inside.R, inside.B, inside.L, inside.T};
    for (const auto& [px, py] : horn)
        ink = {std::min(ink.L, static_cast<i32>(std::floor(px))),
               std::min(ink.T, static_cast<i32>(std::floor(py))),
               std::max(ink.R, static_cast<i32>(std::ceil(px))),
               std::max(ink.B, static_cast<i32>(std::ceil(py)))};
    HoldInBox(art, Horn, ink, "the horn");
    art.Picture.FillPolygonAA(horn, CL_GOLD);
}

} // namespace

void PaintProps(TBackgroundArt& art) {
    // The box's right side, between it and the numbers: the layout's edge steps down to the C and
    // E column's head, and the column's own border runs on to the near rail, as wide as the edge.
    const TBox ce = art.Frame(CAndE);
    art.Picture.FillRect(PROPS_RIGHT - 1, PROPS_TOP, PROPS_RIGHT + 1, ce.T, LineColour());
    art.Picture.FillRect(ce.R, ce.T + 1, ce.R + 1, ce.B, LineColour());
    for (const TPropCell& cell : Cells)
        PaintCell(art, cell);
    // The hardways' name on the ground to their left.
    const TBox hard4 = art.Frame(FirstHardway);
    const double x = hard4.L / 2.0;
    Caption(art, x, 289, "HARD", TTextStyle{9, true, false}, CaptionInk(x, 289));
    Caption(art, x, 301, "WAYS", TTextStyle{9, true, false}, CaptionInk(x, 301));

    const TBox seven = Interior(art.Frame(AnySeven));
    const double sevenRight = std::min<double>(ChipsLeft(AnySeven) - 1, seven.R);
    BoxCaps(art, AnySeven, (seven.L + sevenRight) / 2.0, (seven.T + seven.B) / 2.0,
            "ANY SEVEN  4 TO 1", TTextStyle{11, true, false}, RedInk());
    const TBox craps = Interior(art.Frame(AnyCraps));
    const double crapsRight = std::min<double>(ChipsLeft(AnyCraps) - 1, craps.R);
    BoxCaps(art, AnyCraps, (craps.L + crapsRight) / 2.0, (craps.T + craps.B) / 2.0,
            "ANY CRAPS  7 TO 1", TTextStyle{12, true, false}, RedInk());
    PaintHorn(art);
    PaintCAndE(art);
}
