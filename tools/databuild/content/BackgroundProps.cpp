// The proposition bets on the left of the layout, one grid: the hardways, any seven, the single
// numbers with the horn's column between them, any craps, and the C and E column beside it. Each
// cell's dice and odds stand on its left (the dice over the odds where the cell is narrow), its
// chips on its right.
#include "craps/bets/TableSpots.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using table_spot::AnyCraps;
using table_spot::AnySeven;
using table_spot::Eleven;
using table_spot::Hard6;
using table_spot::Hard8;
using table_spot::Horn;
using table_spot::Three;
using table_spot::Twelve;
constexpr i16 CAndE = table_spot::CrapsEleven;
constexpr i16 Two = table_spot::FirstOneRoll;
constexpr i16 Hard4 = table_spot::FirstHard;
constexpr i16 Hard10 = table_spot::LastHard;

// A bet with a pair of dice and what it pays, e.g. hard 6 (3 and 3) at 9 to 1.
struct TPropCell {
    i16 Spot;
    int Die1, Die2;
    const char* Pays;
};

// What the game pays for each (win to stake).
const TPropCell Cells[] = {
    {Hard6, 3, 3, "9 TO 1"},  {Hard8, 4, 4, "9 TO 1"},   {Hard4, 2, 2, "7 TO 1"},
    {Hard10, 5, 5, "7 TO 1"}, {Two, 1, 1, "30 TO 1"},    {Twelve, 6, 6, "30 TO 1"},
    {Three, 1, 2, "15 TO 1"}, {Eleven, 5, 6, "15 TO 1"},
};

// The left edge of the chips' place on a spot.
double ChipsLeft(i16 spot) {
    i32 left = TABLE_WIDTH;
    for (int seat = 0; seat < 3; ++seat)
        left = std::min(left, PilePlace(spot, seat).X - 7);
    return left;
}

// The row the cell's words stand on: the middle of its own rectangle.
double CellMiddle(i16 spot) {
    const TBox& own = SpotRegion(spot).Box;
    return (own.T + own.B) / 2.0;
}

// The dice and the odds side by side, the odds a size smaller where the cell is narrow; where
// even that leaves no room beside the chips, the dice stand over the odds. The dice lie on whole
// pixels, where their pips come out sharp.
void PaintCell(TBackgroundArt& art, const TPropCell& cell) {
    const double cy = CellMiddle(cell.Spot);
    const auto [first, end] = RowSpan(cell.Spot, static_cast<i32>(cy));
    const double left = first + 2;
    const double right = std::min<double>(ChipsLeft(cell.Spot) - 1, end - 2);
    constexpr i32 Die = LEAST_DIE_SIZE;
    constexpr i32 Pair = 2 * Die + 1;
    constexpr double Gap = 5;
    TTextStyle pays{10, true, false};
    if (Pair + Gap + TCanvas::TextWidth(cell.Pays, pays) > right - left)
        pays.PixelSize = 9;
    const double textWidth = TCanvas::TextWidth(cell.Pays, pays);
    if (Pair + Gap + textWidth <= right - left) {
        const double width = Pair + Gap + textWidth;
        const i32 x = static_cast<i32>(std::floor((left + right - width) / 2));
        const i32 top = static_cast<i32>(std::floor(cy - Die / 2.0));
        SpotDie(art, cell.Spot, x, top, Die, cell.Die1);
        SpotDie(art, cell.Spot, x + Die + 1, top, Die, cell.Die2);
        SpotCaps(art, cell.Spot, x + Pair + Gap + textWidth / 2, cy, cell.Pays, pays, InkColour());
        return;
    }
    // Stacked, the pair and the odds' capitals centred together on the cell's own rectangle.
    const TBox& own = SpotRegion(cell.Spot).Box;
    const i32 cap = CapHeight(pays);
    constexpr i32 Between = 2;
    const double middle = (left + right) / 2;
    const i32 top = static_cast<i32>(std::ceil((own.T + own.B - Die - Between - cap) / 2.0));
    const i32 x = static_cast<i32>(std::floor(middle - Pair / 2.0));
    SpotDie(art, cell.Spot, x, top, Die, cell.Die1);
    SpotDie(art, cell.Spot, x + Die + 1, top, Die, cell.Die2);
    SpotCaps(art, cell.Spot, middle, top + Die + Between + cap / 2.0, cell.Pays, pays, InkColour());
}

void PaintCAndE(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    // C pays 7 to 1 on its half of the stake, E 15 to 1 on its half; the chips stand below.
    const double cx = 214.5;
    for (int i = 0; i < 2; ++i) {
        const bool craps = i == 0;
        const double cy = 322.5 + 34 * i;
        HoldOnSpot(art, CAndE,
                   {static_cast<i32>(cx - 8), static_cast<i32>(cy - 8), static_cast<i32>(cx + 9),
                    static_cast<i32>(cy + 9)},
                   craps ? "the ring of C" : "the ring of E");
        c.DiscAA(cx, cy, 7.5, RampStep(TRamp::Felt, 7));
        c.RingAA(cx, cy, 7.5, 1.2, CL_GOLD);
        SpotCaps(art, CAndE, cx, cy, craps ? "C" : "E", TTextStyle{11, true, false},
                 craps ? RedInk() : InkColour());
        SpotCaps(art, CAndE, cx, cy + 15, craps ? "7:1" : "15:1", TTextStyle{9, true, false},
                 InkColour());
    }
}

} // namespace

void PaintProps(TBackgroundArt& art) {
    // The hardways' name on the felt over their cells.
    Caption(art, 100, 263, "HARDWAYS", TTextStyle{10, true, false},
            Mix(FeltAt(100, 263, -4), CL_GOLD, 200));
    for (const TPropCell& cell : Cells)
        PaintCell(art, cell);
    const double sevenRight = ChipsLeft(AnySeven) - 1;
    SpotCaps(art, AnySeven, (4 + sevenRight) / 2.0, 335, "ANY SEVEN  4 TO 1",
             TTextStyle{13, true, false}, RedInk());
    const double crapsRight = ChipsLeft(AnyCraps) - 1;
    SpotCaps(art, AnyCraps, (4 + crapsRight) / 2.0, 410.5, "ANY CRAPS  7 TO 1",
             TTextStyle{12, true, false}, RedInk());
    // The horn's name upright in its narrow column, above its chips.
    SpotCapsDown(
        art, Horn, [](double) { return 102.0; }, 349, "HORN", TTextStyle{9, true, false}, 9.5,
        CL_GOLD);
    PaintCAndE(art);
}
