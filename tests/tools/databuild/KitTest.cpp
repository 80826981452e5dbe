// The builder's kit: the game palette against the screen's statics, canvas shapes and text, the
// wave writer read back by the mixer, and the data-name rule.
#include "platform/audio/WaveFile.h"
#include "platform/framework/draw/Gdi.h"
#include "platform/framework/draw/GdiObjects.h"
#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/DataNames.h"
#include "tools/databuild/sound/Wave.h"

#include <gtest/gtest.h>

namespace {

bool SameColour(const RGBQUAD& a, const RGBQUAD& b) {
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

i32 CoveredCount(const TCanvas& c) {
    i32 n = 0;
    for (i32 y = 0; y < c.Height(); ++y)
        for (i32 x = 0; x < c.Width(); ++x)
            n += c.Covered(x, y) ? 1 : 0;
    return n;
}

TEST(GamePaletteTest, StaticsAreTheScreensAndNoOwnColourCollapsesOntoThem) {
    ResetSystemPalette();
    const PALETTEENTRY* screen = SystemPaletteEntries();
    const TColourTable palette = GamePalette();
    for (int i = 0; i < 256; ++i) {
        if (i >= 10 && i < 246)
            continue;
        EXPECT_EQ(palette[i].rgbRed, screen[i].peRed) << i;
        EXPECT_EQ(palette[i].rgbGreen, screen[i].peGreen) << i;
        EXPECT_EQ(palette[i].rgbBlue, screen[i].peBlue) << i;
    }
    for (int i = 10; i < 246; ++i)
        for (int s :
             {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255})
            EXPECT_FALSE(SameColour(palette[i], palette[s])) << i << " equals static " << s;
    // The felt is the colour the table is drawn in, not a grey of the ramp.
    EXPECT_EQ(palette[CL_FELT].rgbGreen, 104);
}

TEST(CanvasTest, ShapesCoverWhatTheySayAndClipAtTheEdges) {
    struct Case {
        const char* Name;
        void (*Draw)(TCanvas&);
        i32 Covered;
        bool CornerCovered;
    } cases[] = {
        {"rect inside", [](TCanvas& c) { c.FillRect(2, 3, 6, 5, 9); }, 8, false},
        {"rect over the edge", [](TCanvas& c) { c.FillRect(-5, -5, 2, 2, 9); }, 4, true},
        {"empty rect", [](TCanvas& c) { c.FillRect(4, 4, 4, 9, 9); }, 0, false},
        {"frame, 2 thick", [](TCanvas& c) { c.FrameRect(0, 0, 10, 10, 9, 2); }, 64, true},
        {"diagonal line", [](TCanvas& c) { c.Line(0, 0, 9, 9, 9); }, 10, true},
        {"line both ways", [](TCanvas& c) { c.Line(9, 2, 0, 2, 9); }, 10, false},
        // Round shapes cover about pi r^2 of whole pixels: 38.5 and 78.5.
        {"disc radius 3", [](TCanvas& c) { c.Disc(5, 5, 3, 9); }, 37, false},
        {"ellipse in the canvas", [](TCanvas& c) { c.FillEllipse(0, 0, 10, 10, 9); }, 80, false},
        {"disc off the canvas", [](TCanvas& c) { c.Disc(-20, 5, 3, 9); }, 0, false},
    };
    for (const Case& k : cases) {
        TCanvas canvas(10, 10);
        k.Draw(canvas);
        EXPECT_EQ(CoveredCount(canvas), k.Covered) << k.Name;
        EXPECT_EQ(canvas.Covered(0, 0), k.CornerCovered) << k.Name;
    }
    // A disc is as wide as its diameter and symmetric about its centre.
    TCanvas disc(20, 20);
    disc.Disc(10, 10, 4, 7);
    for (i32 d = 0; d <= 5; ++d) {
        EXPECT_EQ(disc.Covered(10 - d, 10), disc.Covered(10 + d, 10)) << d;
        EXPECT_EQ(disc.Covered(10, 10 - d), disc.Covered(10, 10 + d)) << d;
    }
    EXPECT_TRUE(disc.Covered(6, 10));
    EXPECT_FALSE(disc.Covered(5, 10));
}

TEST(CanvasTest, FramesCarryTheCoverageAsTheirMaskAndDrawCopiesOnlyCoveredPixels) {
    TCanvas piece(4, 3);
    piece.Plot(1, 1, 42);
    piece.Plot(3, 2, 43);
    const TAnmFrameSource frame = piece.Frame(2, 3);
    EXPECT_EQ(frame.Width, 4);
    EXPECT_EQ(frame.HotX, 2);
    EXPECT_EQ(frame.HotY, 3);
    const std::vector<u8> opaque = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(frame.Opaque, opaque);
    EXPECT_EQ(frame.Pixels[5], 42);

    TCanvas target(6, 6);
    target.Fill(7);
    target.Draw(piece, 2, 2);
    EXPECT_EQ(target.At(3, 3), 42);
    EXPECT_EQ(target.At(5, 4), 43);
    EXPECT_EQ(target.At(2, 2), 7); // an uncovered pixel leaves what was there
}

TEST(CanvasTest, TextIsDrawnInThePlatformsFontsWithinItsMeasuredBox) {
    const TTextStyle style{12, true, false, true};
    const i32 width = TCanvas::TextWidth("PASS LINE", style);
    ASSERT_GT(width, 30);
    EXPECT_GT(TCanvas::TextWidth("PASS LINE WINS", style), width);
    EXPECT_EQ(TCanvas::TextWidth("", style), 0);

    TCanvas canvas(120, 30);
    const i32 drawn = canvas.Text(10, 5, "PASS LINE", style, 200);
    EXPECT_EQ(drawn, width);
    i32 left = 1000, right = -1, top = 1000, bottom = -1;
    for (i32 y = 0; y < 30; ++y)
        for (i32 x = 0; x < 120; ++x)
            if (canvas.Covered(x, y)) {
                EXPECT_EQ(canvas.At(x, y), 200);
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GE(left, 10);
    EXPECT_LT(right, 10 + width);
    EXPECT_GE(top, 5);
    EXPECT_LT(bottom, 5 + TCanvas::TextHeight(style));

    // Centred in a box, the ink sits as far from both sides (within a pixel of rounding).
    TCanvas box(100, 20);
    box.TextIn(0, 0, 100, 20, "HI", style, 1);
    i32 l = 100, r = -1;
    for (i32 y = 0; y < 20; ++y)
        for (i32 x = 0; x < 100; ++x)
            if (box.Covered(x, y)) {
                l = std::min(l, x);
                r = std::max(r, x);
            }
    EXPECT_LE(std::abs(l - (99 - r)), 3);
}

TEST(WaveTest, TheMixerReadsTheWrittenWavesAsPcm16MonoAt22050) {
    const TSamples tone = Tone(440, 100, 0.5);
    ASSERT_EQ(tone.size(), 2205U);
    const std::vector<u8> bytes = EncodeWave(tone);
    TWaveFile wave;
    ASSERT_EQ(ParseWaveFile(bytes.data(), bytes.size(), wave), 0U);
    EXPECT_EQ(wave.Channels, 1);
    EXPECT_EQ(wave.Rate, 22050U);
    EXPECT_EQ(wave.Bits, 16);
    ASSERT_EQ(wave.Frames(), 2205U);
    // Little-endian samples, the written ones.
    for (size_t i : {size_t{0}, size_t{100}, size_t{2204}})
        EXPECT_EQ(static_cast<i16>(wave.Data[2 * i] | (wave.Data[2 * i + 1] << 8)), tone[i]);
    // No click: the tone starts and ends at silence.
    EXPECT_EQ(tone.front(), 0);
    EXPECT_LT(std::abs(tone.back()), 200);
    i32 peak = 0;
    for (i16 s : tone)
        peak = std::max(peak, std::abs(static_cast<i32>(s)));
    EXPECT_GT(peak, 10000);
    EXPECT_LE(peak, 16384);
}

TEST(WaveTest, TicksRoundUpToWholeFrames) {
    const struct {
        u32 Ms;
        u32 Ticks;
    } cases[] = {{0, 0}, {1, 1}, {167, 1}, {168, 2}, {1000, 6}, {1002, 6}, {1003, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(TicksOf(Silence(c.Ms)), c.Ticks) << c.Ms;
}

TEST(DataNameTest, StoredNamesFollowTheRule) {
    const struct {
        const char* Name;
        bool Good;
    } cases[] = {
        {"\\f1glrd00\\f100bs00.sp", true},
        {"casino.g", true},
        {"\\s4glrd00\\s4_title.anm", true},
        {"\\F1glrd00\\x.sp", false},
        {"\\f1glrd00\\f1 x.sp", false},
        {"f1glrd00\\x.sp", false},
        {"\\f1glrd00\\\\x.sp", false},
        {"\\f1glrd00\\..\\x.sp", false},
        {"\\", false},
        {"", false},
        {"\\f1glrd00\\x-y.sp", false},
        {"\\f1glrd00\\x.sp\\", false},
    };
    for (const auto& c : cases) {
        if (c.Good) {
            EXPECT_NO_THROW(CheckDataName(c.Name, "item")) << c.Name;
            continue;
        }
        try {
            CheckDataName(c.Name, "the item");
            ADD_FAILURE() << c.Name << " passed";
        } catch (const TBuildError& e) {
            EXPECT_EQ(e.Item, "the item") << c.Name;
        }
    }
    EXPECT_EQ(CatalogueName("\\f1glrd00\\f1craps.gol"), "f1glrd00\\f1craps.gol");
    EXPECT_EQ(HostRelativeName("\\f1glrd00\\f1craps.gol"), "f1glrd00/f1craps.gol");
    EXPECT_EQ(HostRelativeName("casino.g"), "casino.g");
}

} // namespace
