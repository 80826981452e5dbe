// Chips seen from a low angle: a cylinder with edge inserts and a top face with rim marks and an
// inlay, piled at the stacking pitch; the seat chits and the buy marker laid on top of piles.
#include "tools/databuild/art/ChipArt.h"

#include "tools/databuild/art/Colours.h"
#include "tools/databuild/art/SoftPaint.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The chip: width, half-height of its top face, and the frame's size for one chip.
constexpr i32 ChipFrameWidth = 14;
constexpr double ChipRx = 6.6;
constexpr double ChipRy = 2.4;
constexpr i32 ChipFrameHeight = 7;

struct TChipLook {
    TRgbF Body;
    TRgbF Mark;
    TRgbF Inlay;
    // Inserts around the edge (a full turn) and their share of the turn.
    int Marks;
    double MarkShare;
};

// $1 white with blue inserts, $5 red, $25 green, $100 black (white), $1000 purple with yellow,
// $10000 orange with dark blue: colour and insert count both tell them apart. The bodies are
// the palette's chip colours, which the chip buttons show too.
TChipLook Look(int denomination) {
    const TChipLook looks[CHIP_DENOMINATIONS] = {
        {PaletteRgb(CL_CHIP_1), {40, 80, 200}, {250, 250, 244}, 4, 0.30},
        {PaletteRgb(CL_CHIP_5), {250, 246, 236}, {246, 238, 224}, 6, 0.40},
        {PaletteRgb(CL_CHIP_25), {250, 246, 236}, {236, 236, 200}, 4, 0.45},
        {PaletteRgb(CL_CHIP_100), {246, 246, 246}, {214, 214, 206}, 8, 0.45},
        {PaletteRgb(CL_CHIP_1000), {250, 212, 40}, {250, 236, 170}, 6, 0.45},
        {PaletteRgb(CL_CHIP_10000), {28, 40, 120}, {250, 230, 190}, 3, 0.35},
    };
    return looks[denomination];
}

// Whether the angle (0 = facing the viewer, radians) falls on one of the look's inserts.
bool OnMark(const TChipLook& look, double angle) {
    const double turn = 2 * std::numbers::pi;
    double phase = std::fmod(angle / turn * look.Marks + 10.0, 1.0);
    return phase < look.MarkShare;
}

// A chip's size: half its width, half the height of its top face, and its thickness.
struct TChipSize {
    double Rx;
    double Ry;
    double Depth;
};
constexpr TChipSize TableChip{ChipRx, ChipRy, CHIP_PITCH};
// The gambler's own chips stand in the chip buttons seen from higher up and a pixel thick, so
// that a full stack of ten leaves the button's label clear above it.
constexpr TChipSize RackChip{6.4, 2.0, RACK_CHIP_PITCH};
constexpr i32 RackChipFrameHeight = 6;

// One chip with its top face's centre at (cx, cy), turned by `turn` radians.
void PaintChip(TSoftPaint& paint, const TChipLook& look, double cx, double cy, double turn,
               const TChipSize& size = TableChip) {
    const double rx = size.Rx;
    const double ry = size.Ry;
    // The edge, lit from above and from the left; inserts where the angle says.
    paint.Fill(TShape::Cylinder(cx, cy, rx, ry, size.Depth), [&](double x, double y) {
        const double u = std::clamp((x - cx) / rx, -1.0, 1.0);
        const double angle = std::asin(u);
        const double e = ry * std::sqrt(1 - u * u);
        const double below = cy + size.Depth + e - y;
        TRgbF c = OnMark(look, angle + turn) ? look.Mark : look.Body;
        c = Shade(c, static_cast<float>(0.92 - 0.22 * u - 0.2 * u * u));
        // The seam under each chip reads as a thin dark line.
        if (below < 0.6)
            c = Shade(c, 0.55f);
        return c;
    });
    // The top face: body, a ring of rim marks, and the inlay where the value is printed.
    paint.Fill(TShape::Ellipse(cx, cy, rx, ry), [&](double x, double y) {
        const double u = (x - cx) / rx;
        const double v = (y - cy) / ry;
        const double r = std::sqrt(u * u + v * v);
        const double angle = std::atan2(u, v);
        TRgbF c = look.Body;
        if (r > 0.72 && OnMark(look, angle + turn))
            c = look.Mark;
        else if (r < 0.5)
            c = look.Inlay;
        return Shade(c, static_cast<float>(1.08 - 0.12 * u));
    });
}

// Markers stand on a pile's top, where the next chip's foot would be: their own foot is drawn
// below that point, so that they lie on the top chip's face rather than float above it.
constexpr i16 ChitFoot = 10;
// The buy marker's foot row: its bottom edge four rows above the pile's top point.
constexpr i16 BuyMarkerFoot = 16;

// A flat disc (a button laid on a pile) with its top face's centre at (cx, cy).
void PaintDisc(TSoftPaint& paint, double cx, double cy, double rx, double ry, double depth,
               TRgbF face, TRgbF rim) {
    paint.Fill(TShape::Cylinder(cx, cy, rx, ry, depth), [&](double x, double) {
        const double u = std::clamp((x - cx) / rx, -1.0, 1.0);
        return Shade(rim, static_cast<float>(0.8 - 0.2 * u));
    });
    paint.Fill(TShape::Ellipse(cx, cy, rx, ry), rim);
    paint.Fill(TShape::Ellipse(cx, cy, rx - 0.9, ry - 0.7), face);
}

// Piles of one denomination, frame k holding k + 1 chips of the size, each `pitch` above the
// last, in a frame of one chip's height plus the pitches.
std::vector<TAnmFrameSource> PileFrames(int denomination, const TChipSize& size, i32 chipHeight,
                                        i32 pitch) {
    const TChipLook look = Look(denomination);
    // Chips of a real pile never line their inserts up: a few turns, taken in a fixed order.
    const double turns[5] = {0.2, 1.1, 2.3, 0.6, 1.7};
    std::vector<TSoftPaint> chips;
    for (double turn : turns) {
        chips.emplace_back(ChipFrameWidth, chipHeight);
        PaintChip(chips.back(), look, ChipFrameWidth / 2.0, size.Ry + 0.3, turn, size);
    }
    std::vector<TAnmFrameSource> frames;
    for (i32 k = 0; k < CHIP_STACK_FRAMES; ++k) {
        const i32 height = chipHeight + pitch * k;
        TSoftPaint pile(ChipFrameWidth, height);
        for (i32 i = 0; i <= k; ++i)
            pile.Stamp(chips[static_cast<size_t>(i % 5)], 0, height - chipHeight - pitch * i);
        frames.push_back(pile.Frame(ChipFrameWidth / 2, static_cast<i16>(height), FeltRgb()));
    }
    return frames;
}

} // namespace

std::vector<TAnmFrameSource> ChipStackFrames(int denomination) {
    return PileFrames(denomination, TableChip, ChipFrameHeight, CHIP_PITCH);
}

std::vector<TAnmFrameSource> RackStackFrames(int denomination) {
    return PileFrames(denomination, RackChip, RackChipFrameHeight, RACK_CHIP_PITCH);
}

std::vector<TAnmFrameSource> SeatChitFrames() {
    // The seat colours and their numbers as the table labels the seats.
    const TRgbF seats[3] = {PaletteRgb(CL_SEAT_0), PaletteRgb(CL_SEAT_1), PaletteRgb(CL_SEAT_2)};
    const char* const numbers[3] = {"1", "2", "3"};
    std::vector<TAnmFrameSource> frames;
    for (int seat = 0; seat < 3; ++seat) {
        TSoftPaint chit(14, 13);
        PaintDisc(chit, 7, 5.0, 6.6, 4.7, 2, seats[seat], {250, 250, 246});
        // A light seat colour takes a dark number.
        const TRgbF& c = seats[seat];
        const bool light = c.R * 0.3f + c.G * 0.59f + c.B * 0.11f > 150;
        chit.Text(7, 5.2, numbers[seat], 7, light ? TRgbF{40, 30, 10} : TRgbF{255, 255, 255});
        frames.push_back(chit.Frame(7, ChitFoot, FeltRgb()));
    }
    return frames;
}

TAnmFrameSource BuyMarkerFrame() {
    TSoftPaint marker(24, 13);
    PaintDisc(marker, 12, 5.1, 11.5, 4.9, 2, {250, 250, 244}, {30, 30, 34});
    marker.Text(12, 5.3, "BUY", 7, {20, 20, 24});
    // The marker stands up behind the pile's top chip rather than on it: its foot lies just
    // behind that chip's face, which stays in view however small the pile.
    return marker.Frame(12, BuyMarkerFoot, FeltRgb());
}
