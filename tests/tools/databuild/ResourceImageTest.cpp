// The program's own pictures as the program registers them, the colour reduction behind its
// bitmaps, the die they share with the intro, and the built intro itself.
#include "BuiltData.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/draw/BitmapResources.h"
#include "resources/ResourceImageTables.h"
#include "resources/Resources.h"
#include "resources/images/ResourceImages.h"
#include "resources/images/ResourceImagesCanvas.h"
#include "support/Golden.h"
#include "tools/databuild/content/ContentIntro.h"

#include <algorithm>
#include <cmath>

namespace {

u32 Luma(const RGBQUAD& c) {
    return (299U * c.rgbRed + 587U * c.rgbGreen + 114U * c.rgbBlue) / 1000U;
}

TEST(ResourceImages, TheProgramFindsEveryBitmapAtAUsableSize) {
    TBitmapResources::Get().Clear();
    RegisterResources();
    struct Case {
        u32 Id;
        i32 MinWidth, MinHeight;
    };
    // The loading screen holds the two gauge bars; the rest must fit a 640 x 480 screen.
    for (const Case& c : {Case{4, 300, 195}, Case{5, 200, 150}, Case{8, 200, 150},
                          Case{9, 200, 150}, Case{99, 200, 150}}) {
        SCOPED_TRACE(c.Id);
        const TDibImage* image = TBitmapResources::Get().Find(c.Id);
        ASSERT_NE(image, nullptr);
        EXPECT_GE(image->Width, c.MinWidth);
        EXPECT_GE(image->Height, c.MinHeight);
        EXPECT_LE(image->Width, 640);
        EXPECT_LE(image->Height, 440);
        EXPECT_LE(image->Colors.size(), 256U);
        for (u8 index : image->Pixels)
            ASSERT_LT(index, image->Colors.size());
    }
    // About shows the same picture with or without a palette; bitmap 99 is the credits.
    EXPECT_EQ(TBitmapResources::Get().Find(5)->Pixels, TBitmapResources::Get().Find(8)->Pixels);
    EXPECT_EQ(TBitmapResources::Get().Find(9)->Pixels, TBitmapResources::Get().Find(99)->Pixels);

    // The light-yellow bars need a plain dark ground to be seen on.
    const TDibImage& loading = *TBitmapResources::Get().Find(4);
    for (i32 y = LOAD_BARS_TOP; y < LOAD_BARS_BOTTOM; ++y)
        for (i32 x = LOAD_BARS_LEFT; x < LOAD_BARS_RIGHT; ++x)
            ASSERT_LT(
                Luma(loading.Colors[loading.Pixels[static_cast<size_t>(y) * loading.Width + x]]),
                60U)
                << x << "," << y;
}

TEST(ResourceImages, CursorsAndIconHaveTheirHotspotsOnTheirPictures) {
    TResourceRegistry::Get().Clear();
    RegisterResources();
    struct Case {
        u32 Id;
        i32 HotX, HotY;
    };
    // The table cursors point with an arrow's tip; the open hand with a finger; the closed
    // hand holds in its middle.
    for (const Case& c : {Case{1, 1, 1}, Case{2, 1, 1}, Case{3, 1, 1}, Case{4, 1, 1},
                          Case{6, 12, 2}, Case{7, 15, 15}}) {
        SCOPED_TRACE(c.Id);
        const HCURSOR cursor = TResourceRegistry::Get().FindCursor(c.Id);
        ASSERT_NE(cursor, nullptr);
        ASSERT_NE(cursor->Image, nullptr);
        const TCursorImage& image = *cursor->Image;
        EXPECT_EQ(image.Width, 32);
        EXPECT_EQ(image.Height, 32);
        ASSERT_EQ(image.Pixels.size(), 32U * 32U);
        EXPECT_EQ(image.HotX, c.HotX);
        EXPECT_EQ(image.HotY, c.HotY);
        EXPECT_GT(image.Pixels[static_cast<size_t>(image.HotY) * 32 + image.HotX] >> 24, 100U);
        // A corner stays clear, so the cursor is not a box.
        EXPECT_EQ(image.Pixels[32 * 32 - 1 - 31] >> 24, 0U);
    }
    // Cursors 1/2 and 3/4 differ by the chips' colour, 1/3 by the take-back disc.
    const auto pixels = [](u32 id) {
        return TResourceRegistry::Get().FindCursor(id)->Image->Pixels;
    };
    EXPECT_NE(pixels(1), pixels(2));
    EXPECT_NE(pixels(1), pixels(3));
    EXPECT_NE(pixels(3), pixels(4));
    for (u32 id : {1001U, 1U}) {
        const TResourceImageTable* icon = FindResourceImage(TResourceImageKind::Icon, id);
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_EQ(icon->Width, 32);
        EXPECT_EQ(icon->Height, 32);
    }
    EXPECT_EQ(FindResourceImage(TResourceImageKind::Icon, 5), nullptr);
}

TEST(ResourceImages, ColoursAreKeptExactlyUpTo256AndCloselyBeyond) {
    struct Case {
        const char* Name;
        u32 Colours;
        i32 MaxError;
    };
    // Colour i of a case lies on a plane through red and green, as a shaded picture's do;
    // each is used twice.
    for (const Case& c :
         {Case{"few", 3, 0}, Case{"exactly 256", 256, 0}, Case{"a plane of 4096", 4096, 10}}) {
        SCOPED_TRACE(c.Name);
        std::vector<u32> argb;
        for (u32 i = 0; i < c.Colours; ++i) {
            const u32 rgb = ((i % 64) * 4 << 16) | ((i / 64) * 4 << 8) | 0x30;
            argb.push_back(0xFF000000U | rgb);
            argb.push_back(0xFF000000U | rgb);
        }
        const TIndexedPicture picture = Quantise(argb);
        ASSERT_LE(picture.Colours.size(), 256U);
        ASSERT_EQ(picture.Pixels.size(), argb.size());
        i32 worst = 0;
        for (size_t i = 0; i < argb.size(); ++i) {
            ASSERT_LT(picture.Pixels[i], picture.Colours.size());
            const auto& got = picture.Colours[picture.Pixels[i]];
            for (i32 ch = 0; ch < 3; ++ch)
                worst =
                    std::max(worst, std::abs(static_cast<i32>((argb[i] >> (16 - 8 * ch)) & 0xFF) -
                                             got[static_cast<size_t>(ch)]));
        }
        EXPECT_LE(worst, c.MaxError);
    }
}

// Pip blobs: pixels of the pip colour, counted by flood fill.
i32 CountPips(const std::vector<u32>& argb, i32 width, u32 pip) {
    std::vector<bool> seen(argb.size(), false);
    i32 blobs = 0;
    for (size_t start = 0; start < argb.size(); ++start) {
        if (seen[start] || argb[start] != pip)
            continue;
        ++blobs;
        std::vector<size_t> todo{start};
        seen[start] = true;
        while (!todo.empty()) {
            const size_t at = todo.back();
            todo.pop_back();
            const i32 x = static_cast<i32>(at % width);
            const i32 y = static_cast<i32>(at / width);
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const i32 nx = x + dx;
                const i32 ny = y + dy;
                const size_t n = static_cast<size_t>(ny) * width + nx;
                if (nx < 0 || ny < 0 || nx >= width || n >= argb.size() || seen[n] ||
                    argb[n] != pip)
                    continue;
                seen[n] = true;
                todo.push_back(n);
            }
        }
    }
    return blobs;
}

TEST(ResourceImages, ADieShowsItsFacesPipsAtAnyTurn) {
    const TDieLook look{{200, 0, 0}, {255, 255, 255}, {0, 0, 0}};
    for (i32 face = 1; face <= 6; ++face)
        for (double angle : {0.0, 0.7, -2.1}) {
            SCOPED_TRACE(testing::Message() << face << " at " << angle);
            TRgbCanvas canvas(80, 80);
            DrawDie(canvas, 40, 40, 50, angle, face, look);
            const std::vector<u32> argb = canvas.Argb();
            EXPECT_EQ(CountPips(argb, 80, 0xFFFFFFFFU), face);
            EXPECT_EQ(argb[0] >> 24, 0U);
            EXPECT_EQ(argb[40 * 80 + 40 + 12] >> 24, 255U);
        }
}

// The desktop's icons are the program's icon redrawn larger: brought back down to 32 pixels
// they match it, and the dice keep their faces.
TEST(ResourceImages, TheLargerIconsShowTheSameDice) {
    const TResourcePicture small = ProgramIcon(32);
    const TResourceImageTable* registered = FindResourceImage(TResourceImageKind::Icon, 1001);
    ASSERT_NE(registered, nullptr);
    ASSERT_EQ(small.Argb.size(), 32U * 32U);
    EXPECT_TRUE(std::equal(small.Argb.begin(), small.Argb.end(), registered->Argb));
    EXPECT_EQ(small.HotX, 16);

    for (i32 size : {48, 256}) {
        SCOPED_TRACE(size);
        const TResourcePicture big = ProgramIcon(size);
        ASSERT_EQ(big.Width, size);
        ASSERT_EQ(big.Height, size);
        ASSERT_EQ(big.Argb.size(), static_cast<size_t>(size) * size);
        EXPECT_EQ(big.Argb.front() >> 24, 0U);
        EXPECT_EQ(big.Argb.back() >> 24, 0U);
    }
    const TResourcePicture big = ProgramIcon(256);
    // The red die shows four of its five white pips past the ivory one's corner, the ivory
    // one two dark ones.
    EXPECT_EQ(CountPips(big.Argb, 256, 0xFFFFFFFFU), 4);
    EXPECT_EQ(CountPips(big.Argb, 256, 0xFF181818U), 2);
    // Each 8 x 8 block averaged, colour weighted by coverage, is the small icon's pixel.
    i32 worstAlpha = 0;
    i32 worstColour = 0;
    for (i32 y = 0; y < 32; ++y)
        for (i32 x = 0; x < 32; ++x) {
            i32 alpha = 0;
            i32 sum[3] = {};
            for (i32 dy = 0; dy < 8; ++dy)
                for (i32 dx = 0; dx < 8; ++dx) {
                    const u32 p = big.Argb[static_cast<size_t>(y * 8 + dy) * 256 + x * 8 + dx];
                    const i32 a = static_cast<i32>(p >> 24);
                    alpha += a;
                    for (i32 ch = 0; ch < 3; ++ch)
                        sum[ch] += a * static_cast<i32>((p >> (16 - 8 * ch)) & 0xFF);
                }
            const u32 want = small.Argb[static_cast<size_t>(y) * 32 + x];
            worstAlpha = std::max(worstAlpha, std::abs(alpha / 64 - static_cast<i32>(want >> 24)));
            if ((want >> 24) == 255 && alpha == 255 * 64)
                for (i32 ch = 0; ch < 3; ++ch)
                    worstColour = std::max(
                        worstColour, std::abs(sum[ch] / alpha -
                                              static_cast<i32>((want >> (16 - 8 * ch)) & 0xFF)));
        }
    EXPECT_LE(worstAlpha, 24);
    EXPECT_LE(worstColour, 32);
}

class BuiltIntro : public BuiltDataFixture {};

// The intro as the engine reads it: its length, its members, and its picture once the dice
// have landed.
TEST_F(BuiltIntro, LastsItsTimeAndShowsTheTitleTheDiceAndThePrompt) {
    Build();
    auto list = LoadSpriteList("\\s4glrd00\\s4glrd00.spl");
    ASSERT_EQ(list->GetCount(), 1);
    TSprite* intro = list->GetSprite(0);
    ASSERT_NE(intro, nullptr);
    // About six ticks a second: eight to fifteen seconds.
    EXPECT_EQ(intro->CalcDuration(), INTRO_TICKS);
    EXPECT_GE(INTRO_TICKS, 48);
    EXPECT_LE(INTRO_TICKS, 90);
    ASSERT_NE(intro->GetWav(0), nullptr);
    TAnm* card = intro->GetAnm(0);
    TAnm* dice = intro->GetAnm(1);
    TAnm* rest = intro->GetAnm(2);
    TAnm* prompt = intro->GetAnm(3);
    ASSERT_TRUE(card && dice && rest && prompt);

    TTablePicture picture;
    // The dice on their way are drawn on the felt, inside the card.
    const TRect16 cardRect = ShowFrame(*card, 0);
    for (u16 frame = 0; frame < INTRO_THROW_FRAMES; frame += 5) {
        const TRect16 r = ShowFrame(*dice, frame);
        EXPECT_GE(r.left, cardRect.left);
        EXPECT_LE(r.right, cardRect.right);
        EXPECT_GE(r.top, cardRect.top);
        EXPECT_LE(r.bottom, cardRect.bottom);
    }
    ASSERT_TRUE(picture.DrawFrame(*card, 0));
    ASSERT_TRUE(picture.DrawFrame(*rest, INTRO_THROW_FRAMES - 1));
    ASSERT_TRUE(picture.DrawFrame(*prompt, 0));
    auto palette =
        std::make_unique<TPal>(nullptr, TFileMode("casino.pal", 0, FM_LEVEL_NOW), true, false);
    ASSERT_NE(palette->GetColourTable(), nullptr);
    EXPECT_TRUE(MatchesGolden(picture.Surface(*palette->GetColourTable()), "intro_title"));
}

} // namespace
