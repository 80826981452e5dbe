// The anti-aliasing kit (palette blends, smooth shapes and text) and the table background's
// contract with the regions and buttons the program hit-tests.
#include "platform/headless/PngWriter.h"
#include "tools/databuild/art/Canvas.h"
#include "tools/databuild/art/ChipArt.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"
#include "tools/databuild/content/ButtonArt.h"
#include "tools/databuild/model/TableLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

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

TEST(CanvasAATest, DegenerateAndOffCanvasShapesDrawNothingAndHolesStayOpen) {
    struct Case {
        const char* Name;
        void (*Draw)(TCanvas&);
        std::vector<std::pair<i32, i32>> Bare;
        std::vector<std::pair<i32, i32>> Inked;
    } cases[] = {
        {"zero-length line", [](TCanvas& c) { c.LineAA(5, 5, 5, 5, 3, CL_WHITE); }, {{5, 5}}, {}},
        {"empty rect",
         [](TCanvas& c) { c.FillRoundRectAA(4, 4, 4, 12, 2, CL_WHITE); },
         {{4, 6}},
         {}},
        {"two-point polygon",
         [](TCanvas& c) {
             c.FillPolygonAA({{0, 0}, {15, 15}}, CL_WHITE);
         },
         {{7, 7}},
         {}},
        {"disc off the canvas", [](TCanvas& c) { c.DiscAA(-30, 8, 6, CL_WHITE); }, {{0, 8}}, {}},
        {"disc over the edge", [](TCanvas& c) { c.DiscAA(0, 8, 6, CL_WHITE); }, {{8, 8}}, {{1, 8}}},
        {"ring", [](TCanvas& c) { c.RingAA(8, 8, 6, 2, CL_WHITE); }, {{8, 8}}, {{8, 2}, {14, 8}}},
        // An L: the notch between its arms is outside it.
        {"concave polygon",
         [](TCanvas& c) {
             c.FillPolygonAA({{1, 1}, {5, 1}, {5, 11}, {15, 11}, {15, 15}, {1, 15}}, CL_WHITE);
         },
         {{10, 5}},
         {{3, 5}, {10, 13}}},
    };
    for (const Case& k : cases) {
        TCanvas canvas(16, 16);
        k.Draw(canvas);
        for (const auto& [x, y] : k.Bare)
            EXPECT_FALSE(canvas.Covered(x, y)) << k.Name << " " << x << "," << y;
        for (const auto& [x, y] : k.Inked)
            EXPECT_EQ(canvas.At(x, y), CL_WHITE) << k.Name << " " << x << "," << y;
    }
}

TEST(BackgroundKitTest, CapitalsSitCentredOnThePointTheyAreGiven) {
    for (i32 size : {7, 12, 19}) {
        TCanvas canvas(120, 60);
        const TTextStyle style{size, true, false};
        Caps(canvas, 60, 30, "PASS", style, CL_WHITE);
        i32 top = 60, bottom = -1, left = 120, right = -1;
        for (i32 y = 0; y < 60; ++y)
            for (i32 x = 0; x < 120; ++x)
                if (canvas.Covered(x, y)) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        ASSERT_GE(bottom, top) << size;
        EXPECT_NEAR((top + bottom + 1) / 2.0, 30, 1.5) << size;
        EXPECT_NEAR((left + right + 1) / 2.0, 60, 1.5) << size;
    }
}

TEST(BackgroundKitTest, ADieShowsItsPipsAsSeparateSpots) {
    for (int pips = 1; pips <= 6; ++pips) {
        TCanvas canvas(24, 24);
        PaintLayoutDie(canvas, 2, 2, 20, pips);
        // Count the dark spots on the face: each pip one spot of its own.
        std::vector<bool> seen(24 * 24, false);
        auto dark = [&](i32 x, i32 y) {
            return x >= 0 && y >= 0 && x < 24 && y < 24 && canvas.Covered(x, y) &&
                   Brightness(canvas.At(x, y)) < Brightness(CL_IVORY) / 2;
        };
        int spots = 0;
        for (i32 y = 0; y < 24; ++y)
            for (i32 x = 0; x < 24; ++x) {
                if (seen[y * 24 + x] || !dark(x, y))
                    continue;
                ++spots;
                std::vector<std::pair<i32, i32>> todo = {{x, y}};
                seen[y * 24 + x] = true;
                while (!todo.empty()) {
                    const auto [px, py] = todo.back();
                    todo.pop_back();
                    for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                        if (dark(px + dx, py + dy) && !seen[(py + dy) * 24 + px + dx]) {
                            seen[(py + dy) * 24 + px + dx] = true;
                            todo.push_back({px + dx, py + dy});
                        }
                }
            }
        EXPECT_EQ(spots, pips);
    }
}

// The painted background, made once for the tests that read it.
const TBackgroundArt& Art() {
    static const TBackgroundArt art = PaintTableBackground();
    return art;
}

TEST(BackgroundArtTest, EveryRegionsCentreIsOnItsPictureAndEveryButtonShowsItsUpLook) {
    const std::vector<std::string> faults = BackgroundFaults(Art());
    for (const std::string& fault : faults)
        ADD_FAILURE() << fault;
    // Set OTCRAPS_BACKGROUND_PNG to a file to look at the picture at twice its size.
    if (const char* path = std::getenv("OTCRAPS_BACKGROUND_PNG")) {
        TScreenSurface shown(TSize{2 * TABLE_WIDTH, 2 * TABLE_HEIGHT});
        for (i32 y = 0; y < 2 * TABLE_HEIGHT; ++y)
            for (i32 x = 0; x < 2 * TABLE_WIDTH; ++x) {
                const std::array<u8, 3> c = RgbOf(Art().Picture.At(x / 2, y / 2));
                shown.SetPixel(x, y, 0xFF000000u | c[0] << 16 | c[1] << 8 | c[2]);
            }
        EXPECT_TRUE(WritePng(path, shown));
    }
}

TEST(BackgroundArtTest, TheCheckNamesARegionOffItsPictureAndAButtonNotShown) {
    TBackgroundArt art = Art();
    // The come box of the 6 painted over by its neighbour's box, a caption laid on the horn, a
    // label a painter found out of its box, and the roll button's face smudged.
    const TBox come6 = SpotRegion(25).Box;
    art.Areas.FillRect(come6.L, come6.T, come6.R, come6.B, AREA_SPOT + 26);
    const TBox horn = SpotRegion(42).Box;
    art.Areas.FillRect(horn.L + 3, horn.T + 3, horn.L + 9, horn.T + 8, AREA_CAPTION);
    art.Faults.push_back("region 41 (PLACE): the lettering \"SIX\" runs out of its box");
    const TBox roll = TableButtons()[12].Box;
    art.Picture.Plot(roll.CentreX(), roll.CentreY(),
                     static_cast<u8>(art.Picture.At(roll.CentreX(), roll.CentreY()) + 1));
    const std::vector<std::string> faults = BackgroundFaults(art);
    const std::vector<std::string> named = {
        "region 47 (COME): its centre", "region 47 (COME): the box of spot 26 reaches",
        "region 64 (HORN): a caption lies on it", "region 41 (PLACE): the lettering", "button 12"};
    ASSERT_EQ(faults.size(), named.size());
    for (size_t i = 0; i < named.size(); ++i)
        EXPECT_EQ(faults[i].rfind(named[i], 0), 0u) << faults[i];
}

TEST(BackgroundArtTest, LetteringWhereChipsOrTheShootersDiceStandIsFound) {
    // Every label of the real layout stands clear of the piles of three seats betting on every
    // spot, and of the dice and payouts at the seats.
    ASSERT_GT(Art().Labels.size(), 80u);
    const struct Case {
        const char* What;
        TLabel Label;
        std::string Fault;
    } cases[] = {
        // Where seat 0's pass line pile and its odds stand.
        {"on the pass line",
         {22, {448, 405, 458, 410}, "a word"},
         "region 22 (PASS LINE): the chips on region 22 (PASS LINE) may cover a word at 448,405"},
        // Above the 9's place bet, where a bought 9's marker stands on its pile.
        {"on the 9",
         {43, {436, 292, 440, 296}, "the 9"},
         "region 43 (PLACE): the chips on region 43 (PLACE) may cover the 9 at 436,292"},
        // In the middle of the don't-come box, where the puck lies while it is off.
        {"under the puck",
         {25, {516, 286, 520, 290}, "a word"},
         "region 25 (DON'T COME): the puck off may cover a word at 516,286"},
        // Across the middle seat's place, where the shooter's dice lie.
        {"under the dice",
         {0, {410, 420, 414, 424}, "a seat's name"},
         "the rail: the dice and payouts at the seats may cover a seat's name at 410,420"},
    };
    for (const Case& c : cases) {
        TBackgroundArt art = Art();
        art.Labels.push_back(c.Label);
        const std::vector<std::string> faults = BackgroundFaults(art);
        ASSERT_EQ(faults.size(), 1u) << c.What;
        EXPECT_EQ(faults[0], c.Fault) << c.What;
    }
}

TEST(BackgroundArtTest, EveryPixelIsDrawnAndTheClothIsNotFlat) {
    // Opaque: every pixel drawn; and the felt under the layout is cloth, not one flat colour.
    std::array<bool, 256> used{};
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            ASSERT_TRUE(Art().Picture.Covered(x, y)) << x << "," << y;
            used[Art().Picture.At(x, y)] = true;
        }
    i32 feltShades = 0;
    for (u32 step = 0; step < RampLength(TRamp::Felt); ++step)
        feltShades += used[RampStep(TRamp::Felt, step)] ? 1 : 0;
    EXPECT_GE(feltShades, 6);
}

} // namespace
