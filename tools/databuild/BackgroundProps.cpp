// The proposition bets on the left of the layout: hardways, any seven, the single numbers with
// the horn between them, any craps, and the C and E column beside the layout.
#include "tools/databuild/Background.h"
#include "tools/databuild/Colours.h"

#include <string>

namespace {

constexpr double Left = 2.5;
constexpr double Right = 200;
constexpr double Top = 268;
constexpr double Bottom = 420;
constexpr double HardSplit = 131;
constexpr double HardLeft = 46;
constexpr double HardMiddle = 294;
constexpr double SevenTop = 318;
constexpr double SevenBottom = 346;
constexpr double SinglesMiddle = 373;
constexpr double CrapsTop = 400;
constexpr double HornLeft = 95;
constexpr double HornRight = 116;

// A bet with a pair of dice and what it pays, e.g. hard 6 (3 and 3) at 9 to 1.
struct TPropCell {
    int Spot;
    double L, T, R, B;
    int Die1, Die2;
    const char* Pays;
};

// What the game pays for each (win to stake).
const TPropCell Cells[] = {
    {14, HardLeft, Top, HardSplit, HardMiddle, 3, 3, "9 TO 1"},
    {15, HardSplit, Top, Right, HardMiddle, 4, 4, "9 TO 1"},
    {13, HardLeft, HardMiddle, HardSplit, SevenTop, 2, 2, "7 TO 1"},
    {16, HardSplit, HardMiddle, Right, SevenTop, 5, 5, "7 TO 1"},
    {9, Left, SevenBottom, HornLeft, SinglesMiddle, 1, 1, "30 TO 1"},
    {12, HornRight, SevenBottom, Right, SinglesMiddle, 6, 6, "30 TO 1"},
    {10, Left, SinglesMiddle, HornLeft, CrapsTop, 1, 2, "15 TO 1"},
    {11, HornRight, SinglesMiddle, Right, CrapsTop, 5, 6, "15 TO 1"},
};

void PaintCell(TBackgroundArt& art, const TPropCell& cell) {
    TCanvas& c = art.Picture;
    art.Mark(BoxOutline(cell.L, cell.T, cell.R, cell.B), static_cast<u8>(AREA_SPOT + cell.Spot));
    const double cy = (cell.T + cell.B) / 2;
    const TTextStyle pays{9, true, false};
    const double textWidth = TCanvas::TextWidth(cell.Pays, pays);
    const double width = 21 + 5 + textWidth;
    const double x = (cell.L + cell.R - width) / 2;
    Die(c, x, cy - 5, 10, cell.Die1);
    Die(c, x + 11, cy - 5, 10, cell.Die2);
    Caps(c, x + 26 + textWidth / 2, cy, cell.Pays, pays, InkColour());
}

void PaintCAndE(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    constexpr double l = Right;
    constexpr double r = 229.5;
    constexpr double t = 313.5;
    art.Mark(BoxOutline(l, t, r, Bottom), AREA_SPOT + 41);
    // C pays 7 to 1 on its half of the stake, E 15 to 1 on its half.
    const double pitch = (Bottom - t) / 4;
    for (int i = 0; i < 4; ++i) {
        const double top = t + pitch * i;
        const bool craps = i % 2 == 0;
        const double cx = (l + r) / 2;
        c.DiscAA(cx, top + 10.5, 8, RampStep(TRamp::Felt, 7));
        c.RingAA(cx, top + 10.5, 8, 1.3, CL_GOLD);
        Caps(c, cx, top + 10.5, craps ? "C" : "E", TTextStyle{10, true, false},
             craps ? RedInk() : InkColour());
        Caps(c, cx, top + 22, craps ? "7:1" : "15:1", TTextStyle{7, true, false}, InkColour());
    }
    Stroke(c, BoxOutline(l, t, r, Bottom), 2, LineColour());
}

} // namespace

void PaintProps(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    // The area is cloth a shade darker, so the one-roll bets read as a group of their own.
    FillOutline(c, BoxOutline(Left, Top, Right, Bottom),
                [](i32 x, i32 y) { return FeltAt(x, y, -2); });
    for (const TPropCell& cell : Cells)
        PaintCell(art, cell);
    CapsDown(c, (Left + HardLeft) / 2 - 8, (Top + SevenTop) / 2, "HARD", TTextStyle{9, true, false},
             11, CL_GOLD);
    CapsDown(c, (Left + HardLeft) / 2 + 8, (Top + SevenTop) / 2, "WAYS", TTextStyle{9, true, false},
             11, CL_GOLD);

    art.Mark(BoxOutline(Left, SevenTop, Right, SevenBottom), AREA_SPOT + 8);
    Caps(c, (Left + Right) / 2, (SevenTop + SevenBottom) / 2, "ANY SEVEN  4 TO 1",
         TTextStyle{12, true, false}, RedInk());
    art.Mark(BoxOutline(HornLeft, SevenBottom, HornRight, CrapsTop), AREA_SPOT + 42);
    CapsDown(c, (HornLeft + HornRight) / 2, (SevenBottom + CrapsTop) / 2, "HORN",
             TTextStyle{9, true, false}, 11, CL_GOLD);
    art.Mark(BoxOutline(Left, CrapsTop, Right, Bottom), AREA_SPOT + 7);
    Caps(c, (Left + Right) / 2, (CrapsTop + Bottom) / 2, "ANY CRAPS  7 TO 1",
         TTextStyle{12, true, false}, RedInk());

    const u8 line = LineColour();
    Stroke(c, BoxOutline(Left, Top, Right, Bottom), 2, line);
    Stroke(c, {{HardLeft, Top}, {HardLeft, SevenTop}}, 1.6, line, false);
    Stroke(c, {{HardSplit, Top}, {HardSplit, SevenTop}}, 1.6, line, false);
    Stroke(c, {{HardLeft, HardMiddle}, {Right, HardMiddle}}, 1.6, line, false);
    Stroke(c, {{Left, SevenTop}, {Right, SevenTop}}, 1.6, line, false);
    Stroke(c, {{Left, SevenBottom}, {Right, SevenBottom}}, 1.6, line, false);
    Stroke(c, {{Left, SinglesMiddle}, {HornLeft, SinglesMiddle}}, 1.6, line, false);
    Stroke(c, {{HornRight, SinglesMiddle}, {Right, SinglesMiddle}}, 1.6, line, false);
    Stroke(c, {{HornLeft, SevenBottom}, {HornLeft, CrapsTop}}, 1.6, line, false);
    Stroke(c, {{HornRight, SevenBottom}, {HornRight, CrapsTop}}, 1.6, line, false);
    Stroke(c, {{Left, CrapsTop}, {Right, CrapsTop}}, 1.6, line, false);
    PaintCAndE(art);
}
