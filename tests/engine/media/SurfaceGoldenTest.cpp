// Golden images of a mode's picture: a written background through a written palette with three
// overlapping graphics, one of them moved, and the same picture after a new palette.
#include "MediaFixture.h"

#include "support/Golden.h"

namespace {

// Indices of the picture: a green ramp for the table, then three colours with a dark and a
// light shade each.
constexpr u8 Felt = 10;
constexpr u8 FeltLine = 80;
constexpr u8 Red = 90;
constexpr u8 Blue = 100;
constexpr u8 Gold = 110;

TColourTable PictureColours(bool night) {
    TColourTable c = RampColours();
    for (int i = 0; i < 64; ++i) {
        const u8 v = static_cast<u8>(40 + i * 2);
        c[static_cast<size_t>(Felt + i)] = night ? RGBQUAD{v, static_cast<u8>(v / 3), 20, 0}
                                                 : RGBQUAD{20, v, static_cast<u8>(v / 4), 0};
    }
    c[FeltLine] = night ? RGBQUAD{230, 120, 90, 0} : RGBQUAD{120, 220, 140, 0};
    const RGBQUAD shades[3][3] = {{{30, 30, 200, 0}, {20, 20, 110, 0}, {150, 150, 255, 0}},
                                  {{210, 90, 30, 0}, {120, 40, 10, 0}, {255, 190, 140, 0}},
                                  {{40, 200, 240, 0}, {10, 110, 140, 0}, {170, 240, 255, 0}}};
    for (int k = 0; k < 3; ++k)
        for (int s = 0; s < 3; ++s)
            c[static_cast<size_t>(Red + 10 * k + s)] = shades[k][s];
    return c;
}

// The table: a vertical ramp crossed by a diagonal lattice.
std::vector<u8> Table() {
    std::vector<u8> pixels(640 * 480);
    for (i32 y = 0; y < 480; ++y)
        for (i32 x = 0; x < 640; ++x) {
            const bool line = (x + y) % 48 < 2 || (x - y + 480) % 48 < 2;
            pixels[static_cast<size_t>(y * 640 + x)] =
                line ? FeltLine : static_cast<u8>(Felt + y * 64 / 480);
        }
    return pixels;
}

// A card: a dark border, a light triangle in its top left corner (which shows the rows' order)
// and the base colour elsewhere.
std::vector<u8> Card(i32 width, i32 height, u8 base) {
    std::vector<u8> pixels(static_cast<size_t>(width * height));
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < width; ++x) {
            const bool border = x < 4 || y < 4 || x >= width - 4 || y >= height - 4;
            const bool corner = x + y < 40;
            pixels[static_cast<size_t>(y * width + x)] = static_cast<u8>(border   ? base + 1
                                                                         : corner ? base + 2
                                                                                  : base);
        }
    return pixels;
}

using SurfaceGolden = MediaFixture;

TEST_F(SurfaceGolden, WrittenBackgroundPaletteAndGraphics) {
    WritePal("day", PictureColours(false));
    WritePal("night", PictureColours(true));
    WriteBmp("table", 640, 480, Table(), PictureColours(false));
    WriteBmp("red", 150, 100, Card(150, 100, Red));
    WriteBmp("blue", 150, 100, Card(150, 100, Blue));
    WriteBmp("gold", 150, 100, Card(150, 100, Gold));
    TBmp* table = LoadBmp("table");
    MakeScreen(table, LoadPal("day"));

    // Added out of z order; the higher z ends on top.
    struct TCard {
        const char* Name;
        i16 Z;
        i32 X, Y;
    };
    std::vector<TBmp*> cards;
    for (const TCard& c :
         {TCard{"gold", 3, 260, 200}, TCard{"red", 1, 120, 120}, TCard{"blue", 2, 190, 160}}) {
        TBmp* card = LoadBmp(c.Name);
        card->SetZ(c.Z);
        card->SetRect({c.X, c.Y, c.X + 150, c.Y + 100});
        ASSERT_TRUE(card->AddToVideo());
        cards.push_back(card);
    }
    Window->BuildFrame();
    // The blue card moves up and right, still under the gold one and over the red one.
    cards[2]->SetRect({230, 140, 380, 240});
    Window->BuildFrame();
    App.PumpWaitingMessages();
    const TRect client = TRect{ClientOrigin(), TSize{640, 480}};
    EXPECT_TRUE(MatchesGolden(Session.Backend().GetScreen(), "surface_three_graphics", client));

    EXPECT_TRUE(Window->ScreenMgr->SetPalette(LoadPal("night")));
    App.PumpWaitingMessages();
    EXPECT_TRUE(MatchesGolden(Session.Backend().GetScreen(), "surface_night_palette", client));
}

} // namespace
