// The near rail: the seats' places along the layout's edge, and the button bar with the
// displays' empty panels, the chip rack and every button's up look.
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"
#include "tools/databuild/content/ButtonArt.h"
#include "tools/databuild/model/TableLayout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr i32 BarTop = 428;

// The bar's wood: a rounded rail lit from above, its grain running along it.
void PaintRail(TCanvas& c) {
    const u32 length = RampLength(TRamp::Wood);
    for (i32 y = BarTop; y < TABLE_HEIGHT; ++y) {
        const double t = static_cast<double>(y - BarTop) / (TABLE_HEIGHT - BarTop);
        const double light = 1 - std::abs(t - 0.25) * 1.6;
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            const double grain = 0.7 * std::sin(x / 31.0 + y / 3.0 + std::sin(x / 13.0));
            const double level = 3 + std::max(light, 0.0) * (length - 9) + grain;
            c.Plot(x, y,
                   RampStep(TRamp::Wood, static_cast<u32>(std::clamp(level, 0.0, length - 1.0))));
        }
    }
    c.LineAA(0, BarTop + 0.5, TABLE_WIDTH, BarTop + 0.5, 1, RampStep(TRamp::Wood, 0));
    c.LineAA(0, BarTop + 1.5, TABLE_WIDTH, BarTop + 1.5, 1, CL_GOLD);
}

// A display's window: sunk into the rail, a thin gold bezel round a dark glass.
void Panel(TCanvas& c, const TBox& box, u8 glass) {
    c.FillRect(box.L, box.T, box.R, box.B, RampStep(TRamp::Gold, 3));
    c.FillRect(box.L + 1, box.T + 1, box.R, box.B, RampStep(TRamp::Gold, 8));
    c.FillRect(box.L + 1, box.T + 1, box.R - 1, box.B - 1, RampStep(TRamp::Shadow, 0));
    c.FillRect(box.L + 2, box.T + 2, box.R - 1, box.B - 1, glass);
}

void PaintPanels(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    const TTextStyle label{7, true, false};
    Panel(c, BOARD_PANEL, CL_BOARD);
    Panel(c, BANK_PANEL, CL_PANEL);
    c.TextIn(BANK_PANEL.L, 432, BANK_PANEL.R, 442, "BANKROLL", label, CL_GOLD);
    Panel(c, HAND_PANEL, CL_PANEL);
    c.TextIn(HAND_PANEL.L, 430, HAND_PANEL.R, 440, "BET IN HAND", label, CL_GOLD);
    Panel(c, PLATE_STRIP, CL_PANEL);
    art.Mark(BoxOutline(PLATE_STRIP.L, PLATE_STRIP.T, PLATE_STRIP.R, PLATE_STRIP.B), AREA_PLATE);
    c.TextIn(PLATE_STRIP.L, PLATE_STRIP.T, PLATE_STRIP.R, PLATE_STRIP.B, "NEXT GAMBLER",
             TTextStyle{7, false, false}, CL_PANEL_EDGE);
}

// The gambler's chips stand in the chip buttons: a tray behind them shows between the grooves.
void PaintRack(TCanvas& c) {
    const TBox& first = TableButtons()[6].Box;
    const TBox& last = TableButtons()[11].Box;
    c.FillRoundRectAA(first.L - 3, first.T - 3, last.R + 3, TABLE_HEIGHT + 4, 3,
                      RampStep(TRamp::Gold, 4));
    c.FillRect(first.L - 2, first.T - 2, last.R + 2, TABLE_HEIGHT, RampStep(TRamp::Wood, 1));
}

void PaintSeats(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    // Seat 1 on the left, seat 0 in the middle, seat 2 on the right; people count from one.
    for (int seat = 0; seat < 3; ++seat) {
        const i32 x = SeatX(seat);
        // The name stands clear of the shooter's dice, between the layout's outline above and
        // the rail below.
        const std::string name = "SEAT " + std::to_string(seat + 1);
        const TTextStyle style{9, true, false};
        art.Labels.push_back(
            {0, CapsInk(x - 36, 424.5, name, style), "the name " + name, CapHeight(style)});
        Caps(c, x - 36, 424.5, name, style, Mix(FeltAt(x, 424), CL_GOLD, 200));
        // The shooter's place: a small gold diamond where the dice are handed over.
        c.FillPolygonAA({{x - 3.5, 424.0}, {x + 0.5, 421.0}, {x + 4.5, 424.0}, {x + 0.5, 427.0}},
                        Mix(FeltAt(x, 424), CL_GOLD, 200));
    }
}

void PaintButtons(TCanvas& c) {
    // Button 13's up look is its sprite's, shown from the start; the others' are painted here,
    // and its own too, so that nothing else shows there for a frame.
    for (const TTableButton& button : TableButtons())
        c.Draw(ButtonFace(button, TButtonLook::Up, button.Label), button.Box.L, button.Box.T);
}

} // namespace

void PaintButtonBar(TBackgroundArt& art) {
    PaintSeats(art);
    PaintRail(art.Picture);
    PaintPanels(art);
    PaintRack(art.Picture);
    PaintButtons(art.Picture);
}
