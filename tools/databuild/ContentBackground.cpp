// The table's background: felt, the layout with every click region outlined and labelled, the
// panels of the displays and the up look of every button.
#include "tools/databuild/ButtonArt.h"
#include "tools/databuild/Canvas.h"
#include "tools/databuild/Colours.h"
#include "tools/databuild/Content.h"
#include "tools/databuild/TableLayout.h"

#include <algorithm>
#include <sstream>

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// The label in the box: on one line at the largest size that fits, else a word a line, else as
// small as the fonts go.
void Label(TCanvas& canvas, const TBox& box, const std::string& text, u8 colour) {
    if (text.empty())
        return;
    // A column much taller than wide reads down, a word a line.
    const bool column = box.Height() > 2 * box.Width();
    for (i32 size = std::min(12, box.Height() - 2); size >= 7 && !column; --size) {
        const TTextStyle style{size, true, false};
        if (TCanvas::TextWidth(text, style) <= box.Width() - 2) {
            canvas.TextIn(box.L, box.T, box.R, box.B, text, style, colour);
            return;
        }
    }
    const std::vector<std::string> words = Words(text);
    for (i32 size = 12; size >= 7; --size) {
        const TTextStyle style{size, true, false};
        const i32 line = TCanvas::TextHeight(style);
        i32 widest = 0;
        for (const std::string& w : words)
            widest = std::max(widest, TCanvas::TextWidth(w, style));
        const i32 height = line * static_cast<i32>(words.size());
        if (widest <= box.Width() - 2 && height <= box.Height() - 2) {
            i32 y = box.T + (box.Height() - height) / 2;
            for (const std::string& w : words) {
                canvas.TextIn(box.L, y, box.R, y + line, w, style, colour);
                y += line;
            }
            return;
        }
    }
    canvas.TextIn(box.L, box.T, box.R, box.B, text, TTextStyle{7, false, false}, colour);
}

void PaintLayout(TCanvas& canvas) {
    const TBox& layout = LayoutRegion().Box;
    canvas.FrameRect(layout.L, layout.T, layout.R, layout.B, CL_WHITE);
    // The number boxes: the number itself sits between the come area and the place strip.
    const char* const numbers[6] = {"4", "5", "SIX", "8", "NINE", "10"};
    for (int i = 0; i < 6; ++i) {
        const TBox box = NumberBox(i);
        canvas.FillRect(box.L, box.T, box.R, box.B, CL_FELT_DARK);
        canvas.TextIn(box.L, box.T, box.R, box.B, numbers[i], TTextStyle{12, true, false}, CL_GOLD);
    }
    for (const TClickRegion& region : ClickRegions()) {
        if (region.Id == LayoutRegion().Id)
            continue;
        const TBox& b = region.Box;
        const bool proposition = b.R <= 200;
        canvas.FillRect(b.L, b.T, b.R, b.B, proposition ? CL_FELT_DARK : CL_FELT_LIGHT);
        canvas.FrameRect(b.L, b.T, b.R, b.B, CL_WHITE);
        const bool craps = region.Spot == 7 || region.Spot == 9 || region.Spot == 10 ||
                           region.Spot == 12 || region.Spot == 41;
        Label(canvas, b, region.Label, craps ? CL_CRAPS_RED : CL_CREAM);
    }
}

void PaintSeats(TCanvas& canvas) {
    // Seat 1 on the left, seat 0 in the middle, seat 2 on the right; people count from one.
    for (int seat = 0; seat < 3; ++seat) {
        const i32 x = SeatX(seat);
        canvas.TextIn(x - 40, 418, x - 12, SEAT_LINE_Y + 1, "SEAT " + std::to_string(seat + 1),
                      TTextStyle{7, false, false}, CL_CREAM, TAlign::Right);
    }
}

void PaintButtonBar(TCanvas& canvas) {
    canvas.FillRect(0, 429, TABLE_WIDTH, TABLE_HEIGHT, CL_RAIL);
    canvas.FillRect(0, 428, TABLE_WIDTH, 429, CL_RAIL_DARK);
    const TTextStyle small{7, false, false};
    canvas.Bevel(BOARD_PANEL.L, BOARD_PANEL.T, BOARD_PANEL.R, BOARD_PANEL.B, CL_BOARD,
                 CL_PANEL_EDGE, CL_RAIL_DARK, true);
    canvas.Bevel(BANK_PANEL.L, BANK_PANEL.T, BANK_PANEL.R, BANK_PANEL.B, CL_PANEL, CL_PANEL_EDGE,
                 CL_RAIL_DARK, true);
    canvas.TextIn(BANK_PANEL.L, 432, BANK_PANEL.R, 442, "BANKROLL", small, CL_GOLD);
    canvas.Bevel(HAND_PANEL.L, HAND_PANEL.T, HAND_PANEL.R, HAND_PANEL.B, CL_PANEL, CL_PANEL_EDGE,
                 CL_RAIL_DARK, true);
    canvas.TextIn(HAND_PANEL.L, 430, HAND_PANEL.R, 439, "BET IN HAND", small, CL_GOLD);
    canvas.Bevel(PLATE_STRIP.L, PLATE_STRIP.T, PLATE_STRIP.R, PLATE_STRIP.B, CL_PANEL,
                 CL_PANEL_EDGE, CL_RAIL_DARK, true);
    canvas.TextIn(PLATE_STRIP.L, PLATE_STRIP.T, PLATE_STRIP.R, PLATE_STRIP.B, "NEXT GAMBLER", small,
                  CL_PANEL_EDGE);
}

void PaintButtons(TCanvas& canvas) {
    // Button 13's up look is its sprite's, shown from the start; the others' are painted here.
    for (const TTableButton& button : TableButtons())
        canvas.Draw(ButtonFace(button, TButtonLook::Up, button.Label), button.Box.L, button.Box.T);
}

} // namespace

void AddTableBackground(TDataSet& set) {
    TCanvas canvas(TABLE_WIDTH, TABLE_HEIGHT);
    canvas.Fill(CL_FELT);
    // The dealer's side of the table, behind the layout, with the rail along the top.
    canvas.FillRect(0, 0, TABLE_WIDTH, 8, CL_RAIL);
    canvas.FillRect(0, 8, TABLE_WIDTH, 10, CL_RAIL_DARK);
    PaintLayout(canvas);
    PaintSeats(canvas);
    PaintButtonBar(canvas);
    PaintButtons(canvas);
    set.AddBitmap(TableFile("f1craps.bmp"), canvas, GamePalette());
}
