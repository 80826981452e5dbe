// The message board, the two cash displays and the three name plates: digits, separators, the
// board's messages and payout icons, plates and letters.
#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/art/DisplayArt.h"
#include "tools/databuild/content/BoardMessages.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/TableLayout.h"
#include "tools/databuild/model/TableObjects.h"

namespace {

constexpr i32 DigitHeight = 12;
constexpr i16 DisplayZ = 30;
constexpr i32 MessageWidth = 188;
// Two lines: a payout's text over its amount, or a bet's help over the whole board.
constexpr i32 MessageHeight = 32;
constexpr i32 LineHeight = 14;
constexpr i32 IconWidth = 30;
// The icon stands this far left of the units place's home.
constexpr i32 IconOffset = 169;
constexpr i32 GlyphPitch = 9;
constexpr i32 GlyphWidth = 8;
constexpr i32 GlyphHeight = 10;
constexpr int PlateGlyphs = 12;

const TTextStyle DigitStyle{11, true, true};

// Lettering lit on the dark board: amber for help, gold for a win.
u8 BoardInk() {
    return Nearest(255, 176, 48);
}
u8 WinInk() {
    return Nearest(255, 220, 96);
}
u8 BoardFace() {
    return Nearest(16, 14, 14);
}
// Digits stand on the board's glass and on the cash displays' panels.
u8 DigitMatte() {
    return Nearest(26, 24, 28);
}
u8 BoardRim() {
    return Nearest(60, 44, 24);
}
// The name plate's brass and the letters cut into it.
u8 BrassFace() {
    return Nearest(196, 160, 80);
}
u8 BrassLight() {
    return Nearest(240, 214, 140);
}
u8 BrassDark() {
    return Nearest(112, 80, 32);
}
u8 Engraving() {
    return Nearest(52, 32, 12);
}

// The largest bold size from `largest` down whose text fits the width.
TTextStyle Fitting(const std::string& text, i32 width, i32 largest) {
    for (i32 size = largest; size > 7; --size)
        if (TCanvas::TextWidth(text, TTextStyle{size, true, false}) <= width)
            return TTextStyle{size, true, false};
    return TTextStyle{7, true, false};
}

// One character on a transparent cell, anti-aliased against the panel it stands on.
TAnmFrameSource Character(i32 width, i32 height, char c, const TTextStyle& style, u8 ink, u8 matte,
                          TAlign align = TAlign::Centre) {
    TCanvas canvas(width, height);
    canvas.SetMatte(matte);
    canvas.TextIn(0, 0, width, height, std::string(1, c), style, ink, align);
    return canvas.Frame(0, 0);
}

// A lit board: dark glass, a little lighter at the top, in a thin rim; the text centred on its
// lines, larger for the standing messages than for the help.
TAnmFrameSource Message(int frame) {
    const TBoardMessage& message = BoardMessages()[static_cast<size_t>(frame)];
    const bool payout = IsPayoutMessage(frame);
    const i32 largest = frame < 3 ? 10 : 9;
    TCanvas board(MessageWidth, MessageHeight);
    board.Fill(BoardRim());
    for (i32 y = 1; y < MessageHeight - 1; ++y) {
        const i32 glow = 14 * (MessageHeight - 1 - y) / MessageHeight;
        board.FillRect(1, y, MessageWidth - 1, y + 1,
                       Nearest(static_cast<u8>(14 + glow), static_cast<u8>(12 + glow),
                               static_cast<u8>(12 + glow)));
    }
    board.SetMatte(BoardFace());
    const std::string first = message.First;
    const std::string second = message.Second;
    if (payout) {
        board.TextIn(0, 1, MessageWidth, 1 + LineHeight, first,
                     Fitting(first, MessageWidth - 8, 12), WinInk());
        return board.Frame(0, 0);
    }
    const i32 size = std::min(Fitting(first, MessageWidth - 8, largest).PixelSize,
                              Fitting(second, MessageWidth - 8, largest).PixelSize);
    const TTextStyle style{size, true, false};
    if (second.empty()) {
        board.TextIn(0, 0, MessageWidth, MessageHeight, first, style, BoardInk());
        return board.Frame(0, 0);
    }
    board.TextIn(0, 2, MessageWidth, 2 + LineHeight, first, style, BoardInk());
    board.TextIn(0, 16, MessageWidth, 16 + LineHeight, second, style, BoardInk());
    return board.Frame(0, 0);
}

// A gold-rimmed tag with the ratio the win was paid at.
TAnmFrameSource Icon(const char* ratio) {
    TCanvas icon(IconWidth, DigitHeight);
    icon.SetMatte(BoardFace());
    icon.FillRoundRectAA(0, 0, IconWidth, DigitHeight, 3, BoardInk());
    icon.FillRoundRectAA(1, 1, IconWidth - 1, DigitHeight - 1, 2, BoardFace());
    icon.SetMatte(BoardFace());
    icon.TextIn(0, 0, IconWidth, DigitHeight, ratio, TTextStyle{9, true, false}, WinInk());
    return icon.Frame(0, 0);
}

// A brass plate with a bevelled edge; the letters are cut into it.
TAnmFrameSource Plate() {
    const i32 w = PLATE_STRIP.Width();
    const i32 h = PLATE_STRIP.Height();
    TCanvas plate(w, h);
    plate.SetMatte(Nearest(20, 20, 20));
    plate.FillRoundRectAA(0, 0, w, h, 3, BrassDark());
    plate.FillRoundRectAA(0, 0, w - 1, h - 1, 3, BrassLight());
    plate.FillRoundRectAA(1, 1, w - 1, h - 1, 2, BrassFace());
    return plate.Frame(0, 0);
}

// The 14 character places of an amount from the left, separators at places 2, 6 and 10.
void AddAmount(TSpriteModel& sprite, i32 left, i32 top) {
    for (int part = 0; part < DIGIT_PLACES; ++part) {
        const bool separator = part == 2 || part == 6 || part == 10;
        sprite.AddAnm(TableFile(separator ? "f1comma.anm" : "f1digit.anm"),
                      left + DIGIT_PITCH * part, top, DisplayZ + 1);
    }
}

} // namespace

std::vector<TAnmFrameSource> MessageFrames() {
    std::vector<TAnmFrameSource> messages;
    for (int n = 0; n < BOARD_MESSAGE_COUNT; ++n)
        messages.push_back(Message(n));
    return messages;
}

std::vector<TAnmFrameSource> IconFrames() {
    // Frames 7 and 10 are the ratios the place 6/8 and the field on 12 really pay.
    const char* const ratios[16] = {"1:1", "2:1", "3:2", "6:5", "1:2", "2:3", "5:6",  "7:6",
                                    "9:5", "7:5", "3:1", "4:1", "7:1", "9:1", "15:1", "30:1"};
    std::vector<TAnmFrameSource> icons;
    for (const char* ratio : ratios)
        icons.push_back(Icon(ratio));
    return icons;
}

std::vector<TAnmFrameSource> DigitFrames() {
    std::vector<TAnmFrameSource> digits;
    for (char c : std::string("$0123456789"))
        digits.push_back(
            Character(DIGIT_PITCH, DigitHeight, c, DigitStyle, BoardInk(), DigitMatte()));
    return digits;
}

std::vector<TAnmFrameSource> GlyphFrames() {
    std::vector<TAnmFrameSource> glyphs;
    for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"))
        glyphs.push_back(Character(GlyphWidth, GlyphHeight, c, TTextStyle{9, true, false},
                                   Engraving(), BrassFace()));
    return glyphs;
}

void AddDisplays(TDataSet& set) {
    set.AddAnm(TableFile("f1digit.anm"), DigitFrames());
    set.AddAnm(TableFile("f1comma.anm"), {Character(DIGIT_PITCH, DigitHeight, ',', DigitStyle,
                                                    BoardInk(), DigitMatte(), TAlign::Left)});
    set.AddAnm(TableFile("f1msg.anm"), MessageFrames());
    set.AddAnm(TableFile("f1icon.anm"), IconFrames());
    set.AddAnm(TableFile("f1plate.anm"), {Plate()});
    set.AddAnm(TableFile("f1glyph.anm"), GlyphFrames());
    TSpriteListModel& list = TableSprites(set);

    // The message lies under the amount and the icon it carries.
    TSpriteModel board(ProgramString(TableObjectString(TO_BOARD)), TO_BOARD);
    const i32 amountLeft = BOARD_UNITS_X - DIGIT_PITCH * (DIGIT_PLACES - 1);
    AddAmount(board, amountLeft, BOARD_DIGITS_Y);
    board.AddAnm(TableFile("f1msg.anm"), BOARD_PANEL.L, BOARD_MESSAGE_Y, DisplayZ);
    board.AddAnm(TableFile("f1icon.anm"), BOARD_UNITS_X - IconOffset, BOARD_DIGITS_Y, DisplayZ + 1);
    board.Needs = NeedsOf(TO_BOARD);
    list.Add(std::move(board));

    TSpriteModel bank(ProgramString(TableObjectString(TO_BANK)), TO_BANK);
    AddAmount(bank, BANK_DIGITS_X, BANK_DIGITS_Y);
    bank.Needs = NeedsOf(TO_BANK);
    list.Add(std::move(bank));

    TSpriteModel hand(ProgramString(TableObjectString(TO_HAND)), TO_HAND);
    AddAmount(hand, HAND_DIGITS_X, HAND_DIGITS_Y);
    hand.Needs = NeedsOf(TO_HAND);
    list.Add(std::move(hand));

    // All three plates show in the seat-change strip; only the current seat's is up.
    const i32 glyphsLeft = PLATE_STRIP.L + (PLATE_STRIP.Width() - GlyphPitch * PlateGlyphs) / 2;
    for (u16 code = TO_PLATE_FIRST; code < TO_PLATE_FIRST + 3; ++code) {
        TSpriteModel plate(ProgramString(TableObjectString(code)), code);
        plate.AddAnm(TableFile("f1plate.anm"), PLATE_STRIP.L, PLATE_STRIP.T, DisplayZ);
        for (int g = 0; g < PlateGlyphs; ++g)
            plate.AddAnm(TableFile("f1glyph.anm"), glyphsLeft + GlyphPitch * g, PLATE_STRIP.T + 1,
                         DisplayZ + 1);
        plate.Needs = NeedsOf(code);
        list.Add(std::move(plate));
    }
}
