// The room behind the table, the far rail with the dealer's chip tray, and the felt's cloth.
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"
#include "tools/databuild/model/TableLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The felt starts under the far rail's trim.
constexpr i32 RailTop = 158;
constexpr i32 RailBottom = 196;
constexpr i32 FeltTop = 198;

// A repeatable grain: the same picture on every build and every machine.
double Grain(i32 x, i32 y, u32 seed) {
    u32 h =
        static_cast<u32>(x) * 374761393u + static_cast<u32>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 65535.0;
}

// A 4 by 4 ordered dither, 0..1: even steps between the ramp's entries, where noise would
// speckle the velvet.
double Ordered(i32 x, i32 y) {
    static constexpr u8 Bayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (Bayer[y & 3][x & 3] + 0.5) / 16.0;
}

// The room: a dark curtain in soft folds, darker towards the ceiling.
void PaintCurtain(TCanvas& canvas) {
    for (i32 y = 0; y < RailTop; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            const double fold = 0.5 + 0.5 * std::sin(x / 11.0 + 0.6 * std::sin(x / 37.0));
            const double height = static_cast<double>(y) / RailTop;
            // A soft spot of light on the curtain behind the dealer.
            const double spot = std::exp(-((x - 320.0) / 170.0) * ((x - 320.0) / 170.0)) * height;
            const double level = (2.2 + 1.6 * spot) * fold * (0.3 + 0.7 * height) + Ordered(x, y);
            const u32 step = static_cast<u32>(std::clamp(level, 0.0, 4.0));
            canvas.Plot(x, y, RampStep(TRamp::Red, step));
        }
}

// The far rail: a padded wooden bumper, lit from above, with a gold trim along the felt.
void PaintFarRail(TCanvas& canvas) {
    const u32 length = RampLength(TRamp::Wood);
    for (i32 y = RailTop; y < RailBottom; ++y) {
        const double t = static_cast<double>(y - RailTop) / (RailBottom - RailTop);
        // A rounded front: brightest a third of the way down, dark at both edges.
        const double light = std::sin(std::min(t / 0.7, 1.0) * 3.14159) * (1 - 0.5 * t);
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            const double grain =
                0.8 * std::sin(x / 23.0 + y / 5.0 + 3 * Grain(x / 40, y, 5)) + Grain(x, y, 7) - 0.5;
            const double level = 2 + light * (length - 6) + grain;
            const u32 step = static_cast<u32>(std::clamp(level, 0.0, length - 1.0));
            canvas.Plot(x, y, RampStep(TRamp::Wood, step));
        }
    }
    canvas.LineAA(0, RailTop + 0.5, TABLE_WIDTH, RailTop + 0.5, 1, RampEntry(TRamp::Wood, 0));
    canvas.LineAA(0, RailBottom + 0.5, TABLE_WIDTH, RailBottom + 0.5, 1.4, CL_GOLD);
    canvas.LineAA(0, RailBottom + 1.6, TABLE_WIDTH, RailBottom + 1.6, 0.8,
                  RampEntry(TRamp::Gold, 60));
}

// The dealer's chip tray sunk in the rail: columns of the house's chips in their grooves.
void PaintChipTray(TCanvas& canvas) {
    constexpr i32 Left = 214;
    constexpr i32 Right = 426;
    constexpr i32 Top = RailTop + 8;
    constexpr i32 Bottom = RailBottom - 6;
    canvas.FillRoundRectAA(Left - 3, Top - 3, Right + 3, Bottom + 3, 4, RampEntry(TRamp::Gold, 90));
    canvas.FillRoundRectAA(Left - 1, Top - 1, Right + 1, Bottom + 1, 3,
                           RampEntry(TRamp::Shadow, 40));
    constexpr TRamp chips[] = {TRamp::Grey,   TRamp::Red,    TRamp::ChipGreen,
                               TRamp::Shadow, TRamp::Purple, TRamp::Orange};
    constexpr i32 Grooves = 12;
    const double pitch = static_cast<double>(Right - Left) / Grooves;
    for (i32 g = 0; g < Grooves; ++g) {
        const double l = Left + g * pitch + 1;
        const double r = Left + (g + 1) * pitch - 1;
        // A groove's floor, then its chips seen edge on, a stripe of the edge spots on each.
        canvas.FillRoundRectAA(l, Top + 1, r, Bottom - 1, 3, RampEntry(TRamp::Wood, 20));
        const TRamp chip = chips[(g * 5) % 6];
        const i32 height = 6 + static_cast<i32>(Grain(g, 0, 11) * 10);
        // Chips edge on, bottom first: each a rounded bar, its edge spots a lighter dash.
        for (i32 c = 0; c < height; ++c) {
            const double y = Bottom - 3.5 - c * 1.8;
            canvas.FillRoundRectAA(l + 1, y - 0.9, r - 1, y + 0.9, 0.9,
                                   RampEntry(chip, c % 2 == 0 ? 140 : 180));
            const double mid = (l + r) / 2 + ((c % 3) - 1) * 2.0;
            canvas.LineAA(mid - 1.2, y, mid + 1.2, y, 0.8, RampEntry(TRamp::Cream, 200));
        }
    }
}

} // namespace

u8 FeltAt(i32 x, i32 y, i32 shift) {
    // An overhead lamp over the layout's middle, the cloth darker towards the rails; the grain
    // dithers the light so that the ramp's steps never show as bands.
    const double dx = (x - 330.0) / 430.0;
    const double dy = (y - 330.0) / 240.0;
    const double light = 3.0 - 7.0 * (dx * dx + dy * dy);
    // A fine twill: every fourth diagonal a touch lighter.
    const double twill = ((x + 2 * y) % 4 == 0) ? 0.35 : 0.0;
    const double level = 13.0 + light + twill + Grain(x, y, 1) * 1.4 + shift;
    const u32 length = RampLength(TRamp::Felt);
    const u32 step = static_cast<u32>(std::clamp(level, 0.0, length - 1.0));
    return RampStep(TRamp::Felt, step);
}

void PaintRoom(TCanvas& canvas) {
    PaintCurtain(canvas);
    PaintFarRail(canvas);
    PaintChipTray(canvas);
}

void PaintFelt(TCanvas& canvas) {
    for (i32 y = FeltTop; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x)
            canvas.Plot(x, y, FeltAt(x, y));
    // The rail's shadow falls on the cloth below it.
    for (i32 y = FeltTop; y < FeltTop + 6; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x)
            canvas.Plot(x, y, FeltAt(x, y, -(FeltTop + 6 - y)));
}
