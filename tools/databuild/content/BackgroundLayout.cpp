// The layout's main part: the numbers' columns (don't come, lay, come, and the buy or place box
// that carries the number), the don't-come box, come, field, don't pass and the pass line round
// the right side, and big 6 and 8 in the corner. Every label stands inside its spot's box.
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"
#include "tools/databuild/model/TableLayout.h"

#include <cmath>
#include <string>

namespace {

constexpr u16 PassLine = 22;
constexpr u16 PassRight = 65;
constexpr u16 PassTop = 66;
constexpr u16 DontPassBar = 23;
constexpr u16 DontPassSteps[4] = {67, 68, 69, 70};
constexpr u16 Come = 24;
constexpr u16 DontComeBar = 25;
constexpr u16 DontComeTop = 71;
constexpr u16 Field = 26;
constexpr u16 Big6 = 27;
constexpr u16 Big8 = 28;
constexpr u16 FirstPlace = 39;
constexpr u16 FirstCome = 45;
constexpr u16 FirstLay = 51;
constexpr u16 FirstDontCome = 57;

double MidX(const TBackgroundArt& art, u16 region) {
    const TBox f = art.Frame(region);
    return (f.L + f.R) / 2.0;
}

double MidY(const TBackgroundArt& art, u16 region) {
    const TBox f = art.Frame(region);
    return (f.T + f.B) / 2.0;
}

// Lettering on the felt in the seat labels' muted gold.
u8 CaptionInk(double x, double y) {
    return Mix(FeltAt(static_cast<i32>(x), static_cast<i32>(y)), CL_GOLD, 200);
}

void PaintNumberColumns(TBackgroundArt& art) {
    // Buying or placing a number is a click on the number itself.
    const char* const numbers[6] = {"4", "5", "SIX", "8", "NINE", "10"};
    const TTextStyle come{8, true, false};
    for (u16 i = 0; i < 6; ++i) {
        const u16 c = static_cast<u16>(FirstCome + i);
        BoxCaps(art, c, MidX(art, c), MidY(art, c), "COME", come,
                Mix(FeltAt(0, 0), InkColour(), 190));
        const u16 p = static_cast<u16>(FirstPlace + i);
        const bool word = std::string(numbers[i]).size() > 2;
        BoxCaps(art, p, MidX(art, p), MidY(art, p), numbers[i],
                TTextStyle{word ? 11 : 13, true, false}, CL_GOLD);
    }
    // The don't-come and lay rows are six pixels tall: their names stand on the felt to the
    // left of the row, right-aligned against its first box.
    const TTextStyle caption{7, true, false};
    const auto name = [&](u16 first, const char* text) {
        const double right = art.Frame(first).L - 4;
        const double cx = right - TCanvas::TextWidth(text, caption) / 2.0;
        const double cy = MidY(art, first);
        Caption(art, cx, cy, text, caption, CaptionInk(cx, cy));
    };
    name(FirstDontCome, "DON'T COME");
    name(FirstLay, "LAY");
}

void PaintDontCome(TBackgroundArt& art) {
    const TTextStyle words{9, true, false};
    const TBox top = Interior(art.Frame(DontComeTop));
    const double cx = MidX(art, DontComeTop);
    BoxCaps(art, DontComeTop, cx, top.T + 5.5, "DON'T", words, InkColour());
    BoxCaps(art, DontComeTop, cx, top.B - 5.5, "COME", words, InkColour());
    // The bar's middle is the puck's while it is off: the barred twelve stands either side.
    const TBox bar = Interior(art.Frame(DontComeBar));
    const double y = MidY(art, DontComeBar) - 4;
    BoxDie(art, DontComeBar, bar.L + 1, y, 8, 6);
    BoxDie(art, DontComeBar, bar.R - 9, y, 8, 6);
}

void PaintField(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    const TBox inside = Interior(art.Frame(Field));
    // Its numbers across the top, the two that pay more ringed; what they pay underneath.
    const char* const field[7] = {"2", "3", "4", "9", "10", "11", "12"};
    const double pitch = (inside.Width() - 24) / 7.0;
    const double rowY = inside.T + 7.5;
    for (int i = 0; i < 7; ++i) {
        const double x = inside.L + 12 + pitch * (i + 0.5);
        const bool ringed = i == 0 || i == 6;
        if (ringed) {
            HoldInBox(art, Field,
                      {static_cast<i32>(x - 7.5), static_cast<i32>(rowY - 7.5),
                       static_cast<i32>(x + 8.5), static_cast<i32>(rowY + 8.5)},
                      "a ring");
            c.RingAA(x, rowY, 6.6, 1.2, CL_GOLD);
        }
        BoxCaps(art, Field, x, rowY, field[i], TTextStyle{11, true, false},
                ringed ? static_cast<u8>(CL_GOLD) : InkColour());
        if (i < 6)
            c.DiscAA(x + pitch / 2, rowY, 1.3, InkColour());
    }
    const TTextStyle small{8, true, false};
    const double lowY = inside.B - 5.5;
    BoxCaps(art, Field, inside.L + 12 + pitch * 0.5 + 30, lowY, "2 PAYS DOUBLE", small, CL_GOLD);
    BoxCaps(art, Field, (inside.L + inside.R) / 2.0, lowY, "FIELD", TTextStyle{9, true, false},
            InkColour());
    BoxCaps(art, Field, inside.R - 12 - pitch * 0.5 - 30, lowY, "12 PAYS TRIPLE", small, CL_GOLD);
}

void PaintLines(TBackgroundArt& art) {
    BoxCaps(art, Come, MidX(art, Come), MidY(art, Come), "COME", TTextStyle{15, true, false},
            RedInk());

    const double barY = MidY(art, DontPassBar);
    BoxCaps(art, DontPassBar, 372, barY, "DON'T PASS BAR", TTextStyle{12, true, false},
            InkColour());
    BoxDie(art, DontPassBar, 440, barY - 5, 10, 6);
    BoxDie(art, DontPassBar, 453, barY - 5, 10, 6);
    // Don't pass climbs the right side in four steps, each a piece of the same bet.
    for (u16 step : DontPassSteps)
        BoxCaps(art, step, MidX(art, step), MidY(art, step), "DP", TTextStyle{8, true, false},
                InkColour());

    // The pass line's words keep to the upper half of its band: the shooter's dice lie on the
    // lower half, in front of each seat.
    const TBox pass = Interior(art.Frame(PassLine));
    BoxCaps(art, PassLine, 420, pass.T + 8, "PASS LINE", TTextStyle{15, true, false}, InkColour());
    BoxCapsDown(art, PassRight, MidX(art, PassRight), MidY(art, PassRight), "PASS",
                TTextStyle{13, true, false}, 15, InkColour());
    BoxCapsDown(art, PassTop, MidX(art, PassTop), MidY(art, PassTop), "PASS",
                TTextStyle{9, true, false}, 11, InkColour());

    const TBox big8 = Interior(art.Frame(Big8));
    BoxCaps(art, Big8, big8.L + 8.5, MidY(art, Big8), "BIG", TTextStyle{7, true, false},
            InkColour());
    BoxCaps(art, Big8, big8.R - 8, MidY(art, Big8), "8", TTextStyle{15, true, false}, RedInk());
    const TBox big6 = Interior(art.Frame(Big6));
    BoxCaps(art, Big6, MidX(art, Big6), big6.T + 5, "BIG", TTextStyle{7, true, false}, InkColour());
    BoxCaps(art, Big6, MidX(art, Big6), big6.B - 10, "6", TTextStyle{16, true, false}, RedInk());
}

} // namespace

void PaintLayout(TBackgroundArt& art) {
    // The whole layout counts as the layout's own region where no spot's box lies.
    art.Mark(BoxOutline(1, 210, 636, 428), AREA_LAYOUT);
    PaintBoxes(art);
    PaintNumberColumns(art);
    PaintDontCome(art);
    PaintField(art);
    PaintLines(art);
}
