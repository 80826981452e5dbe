// The anti-aliasing kit (palette blends, smooth shapes and text) and the table background's
// contract with the regions and buttons the program hit-tests.
#include "tools/databuild/Canvas.h"
#include "tools/databuild/Colours.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

i32 Brightness(u8 index) {
    const std::array<u8, 3> c = RgbOf(index);
    return c[0] + c[1] + c[2];
}

TEST(PaletteMixTest, EndsAreTheColoursAndTheMiddleLiesBetween) {
    const std::pair<u8, u8> pairs[] = {
        {CL_FELT, CL_CREAM}, {CL_BLACK, CL_WHITE}, {CL_RAIL, CL_GOLD}, {CL_FELT, CL_CRAPS_RED}};
    for (const auto& [under, over] : pairs) {
        EXPECT_EQ(Mix(under, over, 0), under);
        EXPECT_EQ(Mix(under, over, 255), over);
        const u8 middle = Mix(under, over, 128);
        EXPECT_NE(middle, under) << int(under) << " " << int(over);
        EXPECT_NE(middle, over) << int(under) << " " << int(over);
        // Between on every channel, give or take the palette's spacing.
        const std::array<u8, 3> a = RgbOf(under), b = RgbOf(over), m = RgbOf(middle);
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_GE(m[k] + 24, std::min(a[k], b[k])) << k;
            EXPECT_LE(m[k], std::max(a[k], b[k]) + 24) << k;
        }
        // Asked again, the cache answers the same.
        EXPECT_EQ(Mix(under, over, 128), middle);
    }
    // More coverage never steps back towards the under colour.
    i32 last = Brightness(CL_BLACK);
    for (u32 c = 0; c <= 255; c += 15) {
        const i32 now = Brightness(Mix(CL_BLACK, CL_WHITE, c));
        EXPECT_GE(now, last) << c;
        last = now;
    }
}

TEST(PaletteMixTest, NearestFindsEveryEntryAndRampsFillTheOwnRange) {
    // Each distinct colour of the palette is its own nearest (duplicates answer the first).
    for (u32 i = 0; i < 256; ++i) {
        const std::array<u8, 3> c = RgbOf(static_cast<u8>(i));
        EXPECT_EQ(RgbOf(Nearest(c[0], c[1], c[2])), c) << i;
    }
    EXPECT_EQ(Nearest(255, 255, 255), CL_WHITE);
    EXPECT_EQ(RampEntry(TRamp::Felt, 0), CL_NAMED_END);
    EXPECT_EQ(RampEntry(static_cast<TRamp>(static_cast<u8>(TRamp::Count) - 1), 255), 245);
    // A ramp runs dark to light.
    for (u8 r = 0; r < static_cast<u8>(TRamp::Count); ++r)
        EXPECT_LT(Brightness(RampEntry(static_cast<TRamp>(r), 0)),
                  Brightness(RampEntry(static_cast<TRamp>(r), 255)))
            << int(r);
}

TEST(CanvasAATest, EdgesBlendWithWhatIsUnderOrTheMatte) {
    TCanvas canvas(20, 20);
    canvas.SetMatte(CL_BLACK);
    canvas.FillRoundRectAA(2, 2, 10.5, 10, 0, CL_WHITE);
    // Whole pixels inside are the colour; the half-covered column a blend of it and the matte.
    EXPECT_EQ(canvas.At(2, 2), CL_WHITE);
    EXPECT_EQ(canvas.At(9, 9), CL_WHITE);
    const u8 half = canvas.At(10, 5);
    EXPECT_TRUE(canvas.Covered(10, 5));
    EXPECT_GT(Brightness(half), Brightness(CL_BLACK));
    EXPECT_LT(Brightness(half), Brightness(CL_WHITE));
    EXPECT_FALSE(canvas.Covered(11, 5));
    EXPECT_FALSE(canvas.Covered(1, 5));
    // Over drawn pixels the edge blends with them, not with the matte.
    TCanvas drawn(20, 20);
    drawn.SetMatte(CL_BLACK);
    drawn.Fill(CL_WHITE);
    // A line a pixel wide on a pixel edge half covers the rows on either side.
    drawn.LineAA(0, 10, 20, 10, 1, CL_BLACK);
    EXPECT_EQ(drawn.At(5, 8), CL_WHITE);
    EXPECT_EQ(drawn.At(5, 11), CL_WHITE);
    for (i32 y : {9, 10}) {
        EXPECT_NE(drawn.At(5, y), CL_WHITE) << y;
        EXPECT_NE(drawn.At(5, y), CL_BLACK) << y;
    }
}

TEST(CanvasAATest, ShapesCoverAboutTheirArea) {
    struct Case {
        const char* Name;
        void (*Draw)(TCanvas&);
        double Area;
    } cases[] = {
        {"disc", [](TCanvas& c) { c.DiscAA(16, 16, 8, CL_WHITE); }, 3.14159 * 64},
        {"ellipse", [](TCanvas& c) { c.FillEllipseAA(4, 8, 28, 20, CL_WHITE); }, 3.14159 * 72},
        {"triangle",
         [](TCanvas& c) {
             c.FillPolygonAA({{2, 2}, {30, 2}, {2, 30}}, CL_WHITE);
         },
         392},
        {"thick line", [](TCanvas& c) { c.LineAA(4, 4, 28, 28, 4, CL_WHITE); }, 4 * 33.94},
        {"round rect", [](TCanvas& c) { c.FillRoundRectAA(4, 4, 28, 20, 4, CL_WHITE); },
         24 * 16 - (16 - 3.14159 * 4)},
    };
    for (const Case& k : cases) {
        TCanvas canvas(32, 32);
        canvas.SetMatte(CL_BLACK);
        k.Draw(canvas);
        double sum = 0;
        for (i32 y = 0; y < 32; ++y)
            for (i32 x = 0; x < 32; ++x)
                if (canvas.Covered(x, y))
                    sum += (Brightness(canvas.At(x, y)) - Brightness(CL_BLACK)) /
                           static_cast<double>(Brightness(CL_WHITE) - Brightness(CL_BLACK));
        // Brightness is not linear in coverage (blends are made in light): a loose bound
        // that still tells a shape drawn at the wrong size or not at all.
        EXPECT_NEAR(sum, k.Area, k.Area * 0.15) << k.Name;
    }
}

TEST(CanvasAATest, SmoothTextHasGreyEdgesAndCrispTextNone) {
    for (bool crisp : {false, true}) {
        TCanvas canvas(80, 24);
        canvas.SetMatte(CL_BLACK);
        const TTextStyle style{14, false, false, crisp};
        const i32 width = canvas.Text(2, 2, "SEVEN", style, CL_WHITE);
        EXPECT_EQ(width, TCanvas::TextWidth("SEVEN", style));
        EXPECT_GT(width, 30);
        i32 grey = 0, white = 0;
        for (i32 y = 0; y < 24; ++y)
            for (i32 x = 0; x < 80; ++x)
                if (canvas.Covered(x, y))
                    (canvas.At(x, y) == CL_WHITE ? white : grey) += 1;
        EXPECT_GT(white, 20) << crisp;
        if (crisp)
            EXPECT_EQ(grey, 0);
        else
            EXPECT_GT(grey, 20);
    }
}

} // namespace
