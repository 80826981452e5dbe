// The layout's main part: the six numbers' boxes (don't come, lay, come and the buy or place band
// with the number), the don't-come box, come, field, don't pass and the pass line round the right
// side, and big 6 and 8 in the corner. Every label stands inside its spot's box, clear of the
// places where the seats' chips pile up.
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"
#include "tools/databuild/model/TableLayout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr u16 PassLine = 22;
constexpr u16 PassRight = 65;
constexpr u16 PassTop = 66;
constexpr u16 DontPassBar = 23;
constexpr u16 DontPassSteps[4] = {70, 69, 68, 67};
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

// Capitals whose left edge stands a step inside the box's cloth, centred on the height.
void LeftCaps(TBackgroundArt& art, u16 region, double cy, const std::string& text,
              const TTextStyle& style, u8 colour, double indent = 2) {
    const TBox inside = Interior(art.Frame(region));
    const double width = TCanvas::TextWidth(text, style);
    BoxCaps(art, region, inside.L + indent + width / 2, cy, text, style, colour);
}

u8 SoftInk() {
    return Mix(FeltAt(0, 0), InkColour(), 200);
}

// Each number's box from the top: don't come, lay, come and the buy or place band with the
// number, its words on the left and its chips on the right.
void PaintNumberColumns(TBackgroundArt& art) {
    // The boxes' sides run on past the puck's place between each come box and its number.
    for (u16 i = 0; i <= 6; ++i) {
        const TBox come = art.Frame(static_cast<u16>(FirstCome + std::min<u16>(i, 5)));
        const TBox left = art.Frame(static_cast<u16>(FirstPlace + std::max(i, u16{1}) - 1));
        const TBox right = art.Frame(static_cast<u16>(FirstPlace + std::min<u16>(i, 5)));
        // Where two numbers' bands share their edge pixels, the side is drawn on them.
        const i32 l = i == 0 ? right.L : i == 6 ? left.R - 1 : std::min(left.R - 1, right.L);
        const i32 r = i == 0 ? right.L + 1 : i == 6 ? left.R : std::max(left.R, right.L + 1);
        art.Picture.FillRect(l, come.B - 1, r, right.T + 1, LineColour());
    }
    const char* const numbers[6] = {"4", "5", "6", "8", "9", "10"};
    const TTextStyle small{6, true, false};
    for (u16 i = 0; i < 6; ++i) {
        const u16 dc = static_cast<u16>(FirstDontCome + i);
        LeftCaps(art, dc, MidY(art, dc), "DC", small, SoftInk());
        const u16 lay = static_cast<u16>(FirstLay + i);
        LeftCaps(art, lay, MidY(art, lay), "LAY", small, SoftInk());
        const u16 come = static_cast<u16>(FirstCome + i);
        LeftCaps(art, come, Interior(art.Frame(come)).T + 3.5, "COME", small, InkColour());
        const u16 place = static_cast<u16>(FirstPlace + i);
        const TTextStyle big{i == 5 ? 12 : 14, true, false};
        LeftCaps(art, place, MidY(art, place) + 0.5, numbers[i], big, CL_GOLD, i == 5 ? 1 : 3);
    }
}

void PaintDontCome(TBackgroundArt& art) {
    // Its name and the barred twelve in the top piece; the bar below is the puck's while it is
    // off, and the chips'.
    const TTextStyle words{7, true, false};
    const TBox top = Interior(art.Frame(DontComeTop));
    const double cx = MidX(art, DontComeTop);
    BoxCaps(art, DontComeTop, cx, top.T + 4, "DON'T", words, InkColour());
    BoxCaps(art, DontComeTop, cx, top.T + 11, "COME", words, InkColour());
    const double y = top.B - 7;
    BoxCaps(art, DontComeTop, cx - 8, y + 3.5, "BAR", TTextStyle{5, true, false}, SoftInk());
    BoxDie(art, DontComeTop, cx, y, 7, 6);
    BoxDie(art, DontComeTop, cx + 8, y, 7, 6);
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
    BoxCaps(art, Come, 396, MidY(art, Come), "COME", TTextStyle{15, true, false}, RedInk());

    const double barY = MidY(art, DontPassBar);
    BoxCaps(art, DontPassBar, 349, barY, "DON'T PASS BAR", TTextStyle{11, true, false},
            InkColour());
    BoxDie(art, DontPassBar, 455, barY - 5, 10, 6);
    BoxDie(art, DontPassBar, 467, barY - 5, 10, 6);
    // Don't pass climbs the right side in four steps, each a piece of the same bet.
    for (u16 step : DontPassSteps) {
        const TTextStyle style{5, true, false};
        BoxCaps(art, step, MidX(art, step), MidY(art, step) - 3, "DON'T", style, InkColour());
        BoxCaps(art, step, MidX(art, step), MidY(art, step) + 3, "PASS", style, InkColour());
    }

    // The pass line's words keep to the upper half of its band, between the seats' piles: the
    // shooter's dice lie on the lower half, in front of each seat.
    const TBox pass = Interior(art.Frame(PassLine));
    for (double x : {277.0, 391.0, 511.0})
        BoxCaps(art, PassLine, x, pass.T + 6, "PASS LINE", TTextStyle{13, true, false},
                InkColour());
    // Up the right side the band's pieces read as one: the same word, the same size.
    for (u16 piece : {PassRight, PassTop})
        BoxCapsDown(art, piece, MidX(art, piece), MidY(art, piece), "PASS",
                    TTextStyle{10, true, false}, 12, InkColour());

    const TBox big8 = Interior(art.Frame(Big8));
    BoxCaps(art, Big8, big8.L + 7, big8.T + 4, "BIG", TTextStyle{5, true, false}, InkColour());
    BoxCaps(art, Big8, big8.L + 7, big8.B - 6.5, "8", TTextStyle{12, true, false}, RedInk());
    const TBox big6 = Interior(art.Frame(Big6));
    BoxCaps(art, Big6, big6.L + 10, big6.T + 5, "BIG", TTextStyle{7, true, false}, InkColour());
    BoxCaps(art, Big6, big6.L + 10, big6.B - 9, "6", TTextStyle{16, true, false}, RedInk());
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
