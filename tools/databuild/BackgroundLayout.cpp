// The layout's main part: the six number boxes, the don't-come box, come, field, don't pass and
// the pass line wrapping up the right side, and big 6 and 8 in the corner.
#include "tools/databuild/Background.h"
#include "tools/databuild/Colours.h"
#include "tools/databuild/TableLayout.h"

#include <cmath>
#include <string>

namespace {

// Edges of the number boxes' columns and rows, and of the bands below them (line centres).
constexpr double Columns[7] = {229.5, 270, 315, 359, 406, 449, 497};
constexpr double BoxTop = 248;
constexpr double DcBottom = 259;
constexpr double LayBottom = 267.5;
constexpr double NumberBottom = 295.5;
constexpr double BoxBottom = 313.5;
constexpr double ComeBottom = 338.5;
constexpr double FieldBottom = 371.5;
constexpr double BarBottom = 393.5;
constexpr double PassBottom = 419;
constexpr double BandLeft = 229.5;
constexpr double CornerLeft = 530;
constexpr double CornerRight = 592;

// The don't pass arm climbs from the corner to the top, leaning left; the pass line's arm
// runs outside it.
const TOutline DontPassArm = {{531, BoxTop}, {564, BoxTop}, {591, ComeBottom}, {560.5, ComeBottom}};
// The pass line: along the bottom, round the corner and up the right side.
TOutline PassLineOutline() {
    TOutline outline = {{BandLeft, PassBottom}};
    // The corner, a quarter of an ellipse from the bottom edge to the right one.
    for (int i = 0; i <= 12; ++i) {
        const double a = 3.14159265 / 2 * i / 12;
        outline.push_back({606 + 30 * std::sin(a), 392 + 27 * std::cos(a)});
    }
    const TOutline rest = {{636, 318},
                           {606, BoxTop},
                           {564, BoxTop},
                           {591, ComeBottom},
                           {CornerRight, ComeBottom},
                           {CornerRight, BarBottom},
                           {BandLeft, BarBottom}};
    outline.insert(outline.end(), rest.begin(), rest.end());
    return outline;
}
const TOutline PassLine = PassLineOutline();
const TOutline DontComeBox = {{497, BoxTop}, {531, BoxTop}, {552.2, BoxBottom}, {497, BoxBottom}};
const TOutline Come = {
    {BandLeft, BoxBottom}, {552.2, BoxBottom}, {560.5, ComeBottom}, {BandLeft, ComeBottom}};
const TOutline Big8 = {{552, ComeBottom}, {CornerRight, ComeBottom}, {CornerRight, 378.5}};
const TOutline Big6 = {{CornerLeft, ComeBottom},
                       {552, ComeBottom},
                       {CornerRight, 378.5},
                       {CornerRight, BarBottom},
                       {CornerLeft, BarBottom}};

void PaintNumberBoxes(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    const char* const numbers[6] = {"4", "5", "SIX", "8", "NINE", "10"};
    for (int i = 0; i < 6; ++i) {
        const double l = Columns[i];
        const double r = Columns[i + 1];
        const auto spot = [i](int first) { return static_cast<u8>(AREA_SPOT + first + i); };
        art.Mark(BoxOutline(l, BoxTop, r, DcBottom), spot(35));
        art.Mark(BoxOutline(l, DcBottom, r, LayBottom), spot(29));
        art.Mark(BoxOutline(l, LayBottom, r, NumberBottom + 0.5), spot(23));
        art.Mark(BoxOutline(l, NumberBottom + 0.5, r, BoxBottom), spot(17));
        // The don't-come and lay strips are darker cloth; the place strip a shade lighter.
        FillOutline(c, BoxOutline(l, BoxTop, r, DcBottom),
                    [](i32 x, i32 y) { return FeltAt(x, y, -4); });
        FillOutline(c, BoxOutline(l, DcBottom, r, LayBottom),
                    [](i32 x, i32 y) { return FeltAt(x, y, -2); });
        FillOutline(c, BoxOutline(l, NumberBottom, r, BoxBottom),
                    [](i32 x, i32 y) { return FeltAt(x, y, 1); });
        c.LineAA(l + 3, DcBottom, r - 3, DcBottom, 1, Mix(FeltAt(0, 0), LineColour(), 110));
        c.LineAA(l + 2, LayBottom, r - 2, LayBottom, 1, Mix(FeltAt(0, 0), LineColour(), 150));
        c.LineAA(l + 2, NumberBottom + 0.5, r - 2, NumberBottom + 0.5, 1, LineColour());
        const TBox number = NumberBox(i);
        const bool word = std::string(numbers[i]).size() > 2;
        Caps(c, (l + r) / 2, number.T + 6.5, numbers[i], TTextStyle{word ? 11 : 14, true, false},
             CL_GOLD);
        Caps(c, (l + r) / 2, (NumberBottom + BoxBottom) / 2 + 0.5, "PLACE",
             TTextStyle{7, false, false}, Mix(FeltAt(0, 0), InkColour(), 170));
    }
    for (int i = 1; i < 6; ++i)
        c.LineAA(Columns[i], BoxTop, Columns[i], BoxBottom, 1.6, LineColour());
}

void PaintDontCome(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    art.Mark(DontComeBox, AREA_SPOT + 3);
    // The middle of the box is the puck's, when it is off.
    Caps(c, 513, 257, "DON'T", TTextStyle{9, true, false}, InkColour());
    Caps(c, 514, 268.5, "COME", TTextStyle{9, true, false}, InkColour());
    Caps(c, 511, 305, "BAR", TTextStyle{7, true, false}, InkColour());
    Die(c, 521, 300.5, 9, 6);
    Die(c, 531, 300.5, 9, 6);
}

void PaintBands(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    art.Mark(Come, AREA_SPOT + 2);
    Caps(c, 395, (BoxBottom + ComeBottom) / 2, "COME", TTextStyle{19, true, false}, RedInk());

    // The field: its numbers, the two that pay more ringed, and what they pay.
    art.Mark(BoxOutline(BandLeft, ComeBottom, CornerLeft, FieldBottom), AREA_SPOT + 4);
    const char* const field[7] = {"2", "3", "4", "9", "10", "11", "12"};
    const double pitch = (CornerLeft - BandLeft - 24) / 7.0;
    for (int i = 0; i < 7; ++i) {
        const double x = BandLeft + 12 + pitch * (i + 0.5);
        const bool ringed = i == 0 || i == 6;
        if (ringed)
            c.RingAA(x, 349.5, 8, 1.3, CL_GOLD);
        Caps(c, x, 349.5, field[i], TTextStyle{12, true, false},
             ringed ? static_cast<u8>(CL_GOLD) : InkColour());
        if (i < 6)
            c.DiscAA(x + pitch / 2, 349.5, 1.4, InkColour());
    }
    const TTextStyle small{8, true, false};
    Caps(c, BandLeft + 12 + pitch * 0.5 + 30, 364, "2 PAYS DOUBLE", small, CL_GOLD);
    Caps(c, (BandLeft + CornerLeft) / 2, 364.5, "FIELD", TTextStyle{10, true, false}, InkColour());
    Caps(c, CornerLeft - 12 - pitch * 0.5 - 30, 364, "12 PAYS TRIPLE", small, CL_GOLD);

    art.Mark(BoxOutline(BandLeft, FieldBottom, CornerLeft, BarBottom), AREA_SPOT + 1);
    const TTextStyle bar{12, true, false};
    const double barY = (FieldBottom + BarBottom) / 2;
    Caps(c, 372, barY, "DON'T PASS BAR", bar, InkColour());
    Die(c, 440, barY - 5, 10, 6);
    Die(c, 453, barY - 5, 10, 6);
}

void PaintLines(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    art.Mark(DontPassArm, AREA_SPOT + 1);
    art.Mark(PassLine, AREA_SPOT + 0);
    art.Mark(Big8, AREA_SPOT + 6);
    art.Mark(Big6, AREA_SPOT + 5);
    // Down the leaning arm, each letter on its middle line.
    const std::string dontPass = "DON'T PASS";
    for (size_t i = 0; i < dontPass.size(); ++i) {
        const double y = 256 + 8.2 * static_cast<double>(i);
        const double t = (y - BoxTop) / (ComeBottom - BoxTop);
        Caps(c, 547.5 + t * 28.3, y, std::string(1, dontPass[i]), TTextStyle{8, true, false},
             InkColour());
    }
    CapsDown(c, 614, 354, "PASS", TTextStyle{14, true, false}, 16, InkColour());
    Caps(c, 411, (BarBottom + PassBottom) / 2, "PASS LINE", TTextStyle{17, true, false},
         InkColour());
    Caps(c, 577, 352, "8", TTextStyle{15, true, false}, RedInk());
    Caps(c, 550, 378, "6", TTextStyle{18, true, false}, RedInk());
    Caps(c, 550, 361, "BIG", TTextStyle{7, true, false}, InkColour());

    // The lines last, over the cloth and lettering's edges.
    const u8 line = LineColour();
    Stroke(c, PassLine, 2, line);
    Stroke(c, DontPassArm, 1.6, line);
    Stroke(c, {{BandLeft, BoxBottom}, {552.2, BoxBottom}}, 2, line, false);
    Stroke(c, {{Columns[0], BoxTop}, {531, BoxTop}}, 2, line, false);
    Stroke(c, {{Columns[0], BoxTop}, {Columns[0], BoxBottom}}, 2, line, false);
    Stroke(c, {{BandLeft, ComeBottom}, {CornerRight, ComeBottom}}, 2, line, false);
    Stroke(c, {{BandLeft, FieldBottom}, {CornerLeft, FieldBottom}}, 2, line, false);
    Stroke(c, {{CornerLeft, ComeBottom}, {CornerLeft, BarBottom}}, 2, line, false);
    Stroke(c, {{Columns[6], BoxTop}, {Columns[6], BoxBottom}}, 2, line, false);
    Stroke(c, {{552, ComeBottom}, {CornerRight, 378.5}}, 1.6, line, false);
}

} // namespace

void PaintLayout(TBackgroundArt& art) {
    // The whole layout counts as the layout's own region where no spot is marked.
    art.Mark(BoxOutline(1, 210, 636, 428), AREA_LAYOUT);
    PaintNumberBoxes(art);
    PaintDontCome(art);
    PaintBands(art);
    PaintLines(art);
}
