// The board, cash display, name plate and button art: frame counts the program indexes, the
// 8-pixel character pitch, messages that are all there and all different, and face sprites that
// sit exactly on the painted up look.
#include "tools/databuild/art/DisplayArt.h"
#include "resources/Resources.h"
#include "tools/databuild/content/BoardMessages.h"
#include "tools/databuild/content/ButtonArt.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/TableObjects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

// A frame's picture: colour where opaque, -1 where transparent.
std::vector<int> Picture(const TAnmFrameSource& f) {
    std::vector<int> out(f.Pixels.size());
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = f.Opaque[i] != 0 ? f.Pixels[i] : -1;
    return out;
}

// Colours used in a frame and how often.
std::map<int, int> Histogram(const TAnmFrameSource& f) {
    std::map<int, int> counts;
    for (int c : Picture(f))
        ++counts[c];
    return counts;
}

void ExpectAllDistinct(const std::vector<TAnmFrameSource>& frames, const char* what) {
    std::set<std::vector<int>> seen;
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_TRUE(seen.insert(Picture(frames[i])).second) << what << " frame " << i;
}

TEST(DisplayArtTest, FrameCountsAreThoseTheProgramIndexes) {
    EXPECT_EQ(MessageFrames().size(), 94U);
    EXPECT_EQ(IconFrames().size(), 16U);
    EXPECT_EQ(DigitFrames().size(), 11U);
    EXPECT_EQ(GlyphFrames().size(), 36U);
    for (const TTableButton& button : TableButtons()) {
        const size_t need = button.Number == 13 ? 12 : button.Number == 2 ? 4 : 3;
        EXPECT_EQ(ButtonFrames(button).size(), need) << button.Label;
    }
}

// Every message is written and differs from every other; a help text is lit on the board's
// glass inside its rim, and a payout's keeps off the line where the amount is laid.
TEST(DisplayArtTest, EveryMessageIsThereDistinctAndLeavesThePayoutLineFree) {
    const std::vector<TAnmFrameSource> frames = MessageFrames();
    ExpectAllDistinct(frames, "message");
    // Every message lies on the same glass: a row's glass is the colour most frames show at its
    // left end, and anything else on the row is lettering.
    std::vector<int> glass;
    for (i32 y = 0; y < frames[0].Height; ++y) {
        std::map<int, int> votes;
        for (const TAnmFrameSource& f : frames)
            ++votes[Picture(f)[static_cast<size_t>(y) * f.Width + 1]];
        glass.push_back(std::max_element(votes.begin(), votes.end(), [](auto& a, auto& b) {
                            return a.second < b.second;
                        })->first);
    }
    for (size_t n = 0; n < frames.size(); ++n) {
        const TAnmFrameSource& f = frames[n];
        ASSERT_EQ(f.Width, 188) << n;
        ASSERT_EQ(f.Height, frames[0].Height) << n;
        const std::vector<int> pixels = Picture(f);
        auto inkIn = [&](i32 left, i32 top, i32 right, i32 bottom) {
            int ink = 0;
            for (i32 y = top; y < bottom; ++y)
                for (i32 x = left; x < right; ++x)
                    ink += pixels[static_cast<size_t>(y) * f.Width + x] !=
                                   glass[static_cast<size_t>(y)]
                               ? 1
                               : 0;
            return ink;
        };
        EXPECT_EQ(Histogram(f).count(-1), 0U) << n << " lets the table show through";
        EXPECT_GT(inkIn(2, 2, f.Width - 2, f.Height - 2), 20) << n << " is blank";
        // Text clipped at the sides would reach the glass's edge.
        EXPECT_EQ(inkIn(1, 1, 3, f.Height - 1) + inkIn(f.Width - 3, 1, f.Width - 1, f.Height - 1),
                  0)
            << n << ": " << BoardMessages()[n].First;
        if (IsPayoutMessage(static_cast<int>(n))) {
            EXPECT_EQ(inkIn(1, 16, f.Width - 1, f.Height - 1), 0) << n;
        }
    }
}

TEST(DisplayArtTest, IconsDigitsAndLettersAreEachTheirOwnAndFitTheirPlaces) {
    const std::vector<TAnmFrameSource> icons = IconFrames();
    ExpectAllDistinct(icons, "icon");
    const std::vector<TAnmFrameSource> digits = DigitFrames();
    ExpectAllDistinct(digits, "digit");
    for (const TAnmFrameSource& d : digits)
        EXPECT_EQ(d.Width, DIGIT_PITCH);
    const std::vector<TAnmFrameSource> glyphs = GlyphFrames();
    ExpectAllDistinct(glyphs, "glyph");
    for (const auto* set : {&icons, &digits, &glyphs})
        for (const TAnmFrameSource& f : *set) {
            const std::map<int, int> colours = Histogram(f);
            EXPECT_GE(colours.size() - colours.count(-1), 2U) << "a frame in one flat colour";
        }
}

// The fourteen places of the board and both cash displays stand at the 8-pixel pitch, and the
// board's icon keeps its distance from the units place.
TEST(DisplayArtTest, AmountsStandAtTheCharacterPitch) {
    RegisterResources();
    TDataSet set;
    AddTableSpriteList(set);
    AddDisplays(set);
    const TSpriteListModel& list = TableSprites(set);
    for (u16 code : {TO_BOARD, TO_BANK, TO_HAND}) {
        const TSpriteModel* sprite = list.Find(ProgramString(TableObjectString(code)));
        ASSERT_NE(sprite, nullptr) << code;
        for (u16 part = 1; part < DIGIT_PLACES; ++part) {
            const bool separator = part == 2 || part == 6 || part == 10;
            EXPECT_EQ(sprite->Anm(part)->X - sprite->Anm(part - 1)->X, DIGIT_PITCH) << code;
            EXPECT_EQ(sprite->Anm(part)->Y, sprite->Anm(0)->Y) << code;
            EXPECT_EQ(sprite->Anm(part)->File.find("comma") != std::string::npos, separator);
        }
    }
    const TSpriteModel* board = list.Find(ProgramString(TableObjectString(TO_BOARD)));
    EXPECT_EQ(board->Anm(13)->X - board->Anm(15)->X, 169);
    // The amount and its icon lie over the message, never under it.
    EXPECT_GT(board->Anm(13)->Z, board->Anm(14)->Z);
    EXPECT_GT(board->Anm(15)->Z, board->Anm(14)->Z);
}

// A face sprite shows over the up look the background paints: every frame is the button's
// size and agrees with the up look on the rim, pixel for pixel and in what it leaves uncovered.
TEST(DisplayArtTest, EveryButtonFrameSitsExactlyOnThePaintedUpLook) {
    for (const TTableButton& button : TableButtons()) {
        const TAnmFrameSource up = ButtonFace(button, TButtonLook::Up, button.Label).Frame(0, 0);
        const std::vector<int> painted = Picture(up);
        std::set<std::vector<int>> looks;
        for (const TAnmFrameSource& frame : ButtonFrames(button)) {
            ASSERT_EQ(frame.Width, button.Box.Width()) << button.Label;
            ASSERT_EQ(frame.Height, button.Box.Height()) << button.Label;
            EXPECT_EQ(frame.HotX, 0);
            EXPECT_EQ(frame.HotY, 0);
            const std::vector<int> pixels = Picture(frame);
            for (i32 y = 0; y < frame.Height; ++y)
                for (i32 x = 0; x < frame.Width; ++x) {
                    if (x != 0 && y != 0 && x != frame.Width - 1 && y != frame.Height - 1)
                        continue;
                    const size_t at = static_cast<size_t>(y) * frame.Width + x;
                    EXPECT_EQ(pixels[at], painted[at]) << button.Label << " at " << x << "," << y;
                }
            looks.insert(pixels);
        }
        // Pressed, disabled and signal are three looks (the size button repeats its
        // "not available" one); the talk button's twelve are all different.
        EXPECT_EQ(looks.size(), button.Number == 13 ? 12U : 3U) << button.Label;
        if (button.Number != 13) {
            EXPECT_EQ(looks.count(painted), 0U) << button.Label << " shows no change when used";
        }
    }
}

} // namespace
