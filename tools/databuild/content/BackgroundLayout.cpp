// The layout's main part: the six numbers' boxes, the don't-come box, come, field, the don't pass
// bar and its strip up the right side, the pass line round the corner, and big 6 and 8 in the
// corner. Every label stands on its spot, clear of the places where the seats' chips pile up.
#include "craps/bets/TableSpots.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"
#include "tools/databuild/model/TableLayout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using table_spot::Big6;
using table_spot::Big8;
using table_spot::Come;
using table_spot::DontCome;
using table_spot::DontPass;
using table_spot::Field;
using table_spot::PassLine;
// Place and buy share a spot on each number.
constexpr i16 FirstPlace = table_spot::FirstBuy;

// The middle of the spot's drawn pixels in a row.
double RowMiddle(i16 spot, double y) {
    const auto [first, end] = RowSpan(spot, static_cast<i32>(std::floor(y)));
    return (first + end) / 2.0;
}

// The number large and centred across its box, below the puck's place and the chips at the box's
// top, which rise away from it: the don't-come and lay strips above carry their own cloth and no
// word.
void PaintNumberColumns(TBackgroundArt& art) {
    const char* const numbers[6] = {"4", "5", "6", "8", "9", "10"};
    for (i16 i = 0; i < 6; ++i) {
        const i16 place = static_cast<i16>(FirstPlace + i);
        const double cy = (NumberBox(i).B + TableShapes().Bounds(place).B) / 2.0;
        const TTextStyle big{17, true, false};
        // Centred by its ink: a 1 stands to the right of its own advance.
        const TBox ink = CapsInk(0, cy, numbers[i], big);
        const double cx = RowMiddle(place, cy) - (ink.L + ink.R) / 2.0;
        SpotCaps(art, place, cx, cy, numbers[i], big, CL_GOLD);
    }
}

void PaintDontCome(TBackgroundArt& art) {
    // Its name at the top; the middle is the puck's while it is off, the right side the chips';
    // the barred twelve across the foot, below the puck and the chips.
    const TTextStyle words{9, true, false};
    const double cx = RowMiddle(DontCome, 250) - 1;
    SpotCaps(art, DontCome, cx, 255, "DON'T", words, InkColour());
    SpotCaps(art, DontCome, cx, 266, "COME", words, InkColour());
    SpotCaps(art, DontCome, 510, 305, "BAR", words, SoftInk());
    SpotDie(art, DontCome, 523, 300, LEAST_DIE_SIZE, 6);
    SpotDie(art, DontCome, 534, 300, LEAST_DIE_SIZE, 6);
}

void PaintField(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    // The numbers across the top, the two that pay more ringed; what they pay underneath: laid
    // out over the spot's own rectangle, where the seats' chips leave them clear.
    const TBox own = SpotRegion(Field).Box;
    const TBox inside{own.L + 1, own.T + 1, own.R - 1, own.B - 1};
    const char* const field[7] = {"2", "3", "4", "9", "10", "11", "12"};
    const double pitch = (inside.Width() - 24) / 7.0;
    const double rowY = inside.T + 6.5;
    for (int i = 0; i < 7; ++i) {
        const double x = inside.L + 12 + pitch * (i + 0.5);
        const bool ringed = i == 0 || i == 6;
        if (ringed) {
            HoldOnSpot(art, Field,
                       {static_cast<i32>(x - 7.5), static_cast<i32>(rowY - 7.5),
                        static_cast<i32>(x + 8.5), static_cast<i32>(rowY + 8.5)},
                       "a ring");
            c.RingAA(x, rowY, 6.6, 1.2, CL_GOLD);
        }
        SpotCaps(art, Field, x, rowY, field[i], TTextStyle{11, true, false},
                 ringed ? static_cast<u8>(CL_GOLD) : InkColour());
        if (i < 6)
            c.DiscAA(x + pitch / 2, rowY, 1.3, InkColour());
    }
    const TTextStyle small{9, true, false};
    const double lowY = inside.B - 3.5;
    SpotCaps(art, Field, inside.L + 12 + pitch * 0.5 + 30, lowY, "2 PAYS DOUBLE", small, CL_GOLD);
    // The word leans left of the middle, clear of seat 0's chips.
    SpotCaps(art, Field, (inside.L + inside.R) / 2.0 - 7, lowY, "FIELD",
             TTextStyle{10, true, false}, InkColour());
    SpotCaps(art, Field, inside.R - 12 - pitch * 0.5 - 30, lowY, "12 PAYS TRIPLE", small, CL_GOLD);
}

void PaintLines(TBackgroundArt& art) {
    SpotCaps(art, Come, 396, 325, "COME", TTextStyle{19, true, false}, RedInk());

    const double barY = 381.5;
    SpotCaps(art, DontPass, 349, barY, "DON'T PASS BAR", TTextStyle{11, true, false}, InkColour());
    SpotDie(art, DontPass, 455, 376, LEAST_DIE_SIZE, 6);
    SpotDie(art, DontPass, 467, 376, LEAST_DIE_SIZE, 6);
    // Up the leaning strip, each letter upright on the strip's middle.
    SpotCapsDown(
        art, DontPass, [](double y) { return RowMiddle(DontPass, y); }, 249, "DON'T PASS",
        TTextStyle{9, true, false}, 9.4, InkColour());

    // The pass line's words keep to the upper half of its band, between the seats' piles: the
    // shooter's dice lie on the lower half, in front of each seat.
    for (double x : {277.0, 391.0, 511.0})
        SpotCaps(art, PassLine, x, 401, "PASS LINE", TTextStyle{13, true, false}, InkColour());
    // Up the right side, the band's name in upright letters.
    SpotCapsDown(
        art, PassLine, [](double) { return 613.0; }, 322, "PASS", TTextStyle{14, true, false}, 17,
        InkColour());

    // Big 8 above the corner's diagonal, big 6 below it, each clear of its chips.
    SpotCaps(art, Big8, 547, 343.5, "BIG", TTextStyle{9, true, false}, InkColour());
    SpotCaps(art, Big8, 565, 350, "8", TTextStyle{15, true, false}, RedInk());
    SpotCaps(art, Big6, 541, 374, "BIG", TTextStyle{9, true, false}, InkColour());
    SpotCaps(art, Big6, 541, 385, "6", TTextStyle{15, true, false}, RedInk());
}

} // namespace

u8 SoftInk() {
    return Mix(FeltAt(0, 0), InkColour(), 200);
}

void PaintLayout(TBackgroundArt& art, const TShapeMap& shapes) {
    // The whole layout counts as the layout's own region where no spot lies.
    art.Mark(BoxOutline(1, 210, 636, 428), AREA_LAYOUT);
    PaintShapes(art, shapes);
    PaintNumberColumns(art);
    PaintDontCome(art);
    PaintField(art);
    PaintLines(art);
}
