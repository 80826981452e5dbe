// The message board, the two cash displays and the three name plates: digits, separators, the
// board's messages and payout icons, plates and letters.
#include "tools/databuild/Canvas.h"
#include "tools/databuild/Colours.h"
#include "tools/databuild/Content.h"
#include "tools/databuild/TableLayout.h"
#include "tools/databuild/TableObjects.h"

namespace {

constexpr i32 DigitHeight = 12;
constexpr i16 DisplayZ = 30;
constexpr i32 MessageWidth = 188;
constexpr i32 MessageHeight = 14;
constexpr i32 IconWidth = 30;
// The icon stands this far left of the units place's home.
constexpr i32 IconOffset = 169;
constexpr i32 GlyphPitch = 9;
constexpr i32 GlyphWidth = 8;
constexpr i32 GlyphHeight = 10;
constexpr int PlateGlyphs = 12;

// One line of text on a transparent frame of the given size.
TAnmFrameSource TextFrame(i32 width, i32 height, const std::string& text, const TTextStyle& style,
                          u8 colour, TAlign align = TAlign::Centre) {
    TCanvas canvas(width, height);
    canvas.TextIn(0, 0, width, height, text, style, colour, align);
    return canvas.Frame(0, 0);
}

void AddDisplayArt(TDataSet& set) {
    const TTextStyle digit{11, true, true};
    std::vector<TAnmFrameSource> digits = {
        TextFrame(DIGIT_PITCH, DigitHeight, "$", digit, CL_AMBER)};
    for (char c = '0'; c <= '9'; ++c)
        digits.push_back(TextFrame(DIGIT_PITCH, DigitHeight, std::string(1, c), digit, CL_AMBER));
    set.AddAnm(TableFile("f1digit.anm"), digits);
    set.AddAnm(TableFile("f1comma.anm"),
               {TextFrame(DIGIT_PITCH, DigitHeight, ",", digit, CL_AMBER, TAlign::Left)});

    std::vector<TAnmFrameSource> messages;
    for (int n = 0; n < 94; ++n)
        messages.push_back(TextFrame(MessageWidth, MessageHeight, "MSG " + std::to_string(n),
                                     TTextStyle{11, true, false}, CL_AMBER));
    set.AddAnm(TableFile("f1msg.anm"), messages);

    // Frames 7 and 10 are the ratios the place 6/8 and the field on 12 really pay.
    const char* const ratios[16] = {"1:1", "2:1", "3:2", "6:5", "1:2", "2:3", "5:6",  "7:6",
                                    "9:5", "7:5", "3:1", "4:1", "7:1", "9:1", "15:1", "30:1"};
    std::vector<TAnmFrameSource> icons;
    for (const char* ratio : ratios) {
        TCanvas icon(IconWidth, DigitHeight);
        icon.FrameRect(0, 0, IconWidth, DigitHeight, CL_AMBER_DIM);
        icon.TextIn(0, 0, IconWidth, DigitHeight, ratio, TTextStyle{9, true, false}, CL_AMBER);
        icons.push_back(icon.Frame(0, 0));
    }
    set.AddAnm(TableFile("f1icon.anm"), icons);

    TCanvas plate(PLATE_STRIP.Width(), PLATE_STRIP.Height());
    plate.Bevel(0, 0, plate.Width(), plate.Height(), CL_BOARD, CL_GOLD, CL_AMBER_DIM);
    set.AddAnm(TableFile("f1plate.anm"), {plate.Frame(0, 0)});
    std::vector<TAnmFrameSource> glyphs;
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (char c : alphabet)
        glyphs.push_back(TextFrame(GlyphWidth, GlyphHeight, std::string(1, c),
                                   TTextStyle{9, true, false}, CL_CREAM));
    set.AddAnm(TableFile("f1glyph.anm"), glyphs);
}

// The 14 character places of an amount from the left, separators at places 2, 6 and 10.
void AddAmount(TSpriteModel& sprite, i32 left, i32 top) {
    for (int part = 0; part < DIGIT_PLACES; ++part) {
        const bool separator = part == 2 || part == 6 || part == 10;
        sprite.AddAnm(TableFile(separator ? "f1comma.anm" : "f1digit.anm"),
                      left + DIGIT_PITCH * part, top, DisplayZ);
    }
}

} // namespace

void AddDisplays(TDataSet& set) {
    AddDisplayArt(set);
    TSpriteListModel& list = TableSprites(set);

    TSpriteModel board(ProgramString(TableObjectString(TO_BOARD)), TO_BOARD);
    const i32 amountLeft = BOARD_UNITS_X - DIGIT_PITCH * (DIGIT_PLACES - 1);
    AddAmount(board, amountLeft, BOARD_DIGITS_Y);
    board.AddAnm(TableFile("f1msg.anm"), BOARD_PANEL.L, BOARD_MESSAGE_Y, DisplayZ);
    board.AddAnm(TableFile("f1icon.anm"), BOARD_UNITS_X - IconOffset, BOARD_DIGITS_Y, DisplayZ);
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
