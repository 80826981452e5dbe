// Palettes: ".pal" files of every size, the identity palette against the system's statics, the
// palette handle and the system palette cleared.
#include "MediaFixture.h"

#include "engine/media/JorpDC.h"

namespace {

using Palettes = MediaFixture;

// What the system palette holds at an index now; its statics never change.
PALETTEENTRY SystemEntry(int i) {
    PALETTEENTRY e;
    GetSystemPaletteEntries(TJorpScreenDC().GetHDC(), static_cast<u32>(i), 1, &e);
    return e;
}

PALETTEENTRY Rgb(u8 r, u8 g, u8 b) {
    return {r, g, b, 0};
}

TEST_F(Palettes, FileSizeGivesTheColourCount) {
    // Bytes of the file, and the colours read (0: the load fails).
    const std::pair<u32, i16> cases[] = {{1024, 256}, {1022, 255}, {1025, 256}, {1028, 257},
                                         {4, 1},      {3, 0},      {0, 0}};
    for (const auto& [size, count] : cases) {
        // Colour k is blue k, green k, red k + 1.
        std::string bytes;
        for (u32 i = 0; i < size; ++i)
            bytes += static_cast<char>(i / 4 + (i % 4 == 2 ? 1 : 0));
        Cd.WriteHostFile("p" + std::to_string(size) + ".pal", bytes);
        TPal* pal = LoadPal("p" + std::to_string(size));
        EXPECT_EQ(pal->HasFlags(JOF_LOADED), count > 0) << size;
        if (count == 0)
            continue;
        EXPECT_EQ(pal->GetColourTable()->GetCount(), count) << size;
        const u8 v = static_cast<u8>(count - 1);
        EXPECT_EQ(pal->GetLogicalPalette()->At(count - 1), Rgb(static_cast<u8>(v + 1), v, v))
            << size;
    }
}

TEST_F(Palettes, TheIdentityPaletteTakesTheStaticsAndMovesLookAlikes) {
    TColourTable colours = RampColours();
    colours[100] = {255, 255, 255, 0}; // white, equal to the top static
    colours[101] = {0, 0, 0, 0};       // black, equal to the bottom static
    colours[102] = {192, 192, 192, 0}; // silver, static entry 7
    colours[3] = {1, 2, 3, 0};         // under the low statics
    WritePal("full", colours);
    TVideoPal video(*LoadPal("full"));
    const TLogicalPalette* identity = video.GetIdentityPalette();
    ASSERT_NE(identity, nullptr);
    ASSERT_EQ(identity->GetCount(), 256);
    for (int i : {0, 3, 9, 246, 250, 255})
        EXPECT_EQ(identity->At(i), SystemEntry(i)) << i;
    // White's blue wraps to 0, which is yellow, another static: so it goes on to 1.
    EXPECT_EQ(identity->At(100), Rgb(255, 255, 1));
    EXPECT_EQ(identity->At(101), Rgb(0, 0, 1));
    EXPECT_EQ(identity->At(102), Rgb(192, 192, 193));
    EXPECT_EQ(identity->At(50), Rgb(25, 205, 50));
    // A static entry is left as it is, not raised for ever.
    TLogicalPalette copy = *identity;
    copy.MakeUnique(255);
    EXPECT_EQ(copy.At(255), SystemEntry(255));
    // The colour table follows, and the handle shows the same colours.
    EXPECT_EQ(video.GetColourTable()->At(100), (RGBQUAD{1, 255, 255, 0}));
    ASSERT_NE(video.GetHandle(), nullptr);
    PALETTEENTRY entries[256];
    ASSERT_EQ(GetPaletteEntries(video.GetHandle(), 0, 256, entries), 256U);
    EXPECT_EQ(entries[100], Rgb(255, 255, 1));
    EXPECT_EQ(entries[250], SystemEntry(250));
}

TEST_F(Palettes, ShortPalettesSkipTheStepsThatNeedAllEntries) {
    TColourTable colours = RampColours();
    colours[100] = {255, 255, 255, 0};
    const std::vector<u8> bytes = TPalEncoder::Encode(colours);
    Cd.WriteHostFile("short.pal", std::string(bytes.begin(), bytes.end() - 2));
    TVideoPal video(*LoadPal("short"));
    const TLogicalPalette* identity = video.GetIdentityPalette();
    ASSERT_EQ(identity->GetCount(), 255);
    EXPECT_EQ(identity->At(5), SystemEntry(5));
    EXPECT_EQ(identity->At(100), Rgb(255, 255, 255));
    EXPECT_EQ(identity->At(250),
              Rgb(colours[250].rgbRed, colours[250].rgbGreen, colours[250].rgbBlue));
    EXPECT_NE(video.GetHandle(), nullptr);
}

TEST_F(Palettes, TheSurfaceTakesAtMost256Colours) {
    std::vector<RGBQUAD> many(300, RGBQUAD{10, 20, 30, 0});
    TPal big(many.data(), 300);
    EXPECT_EQ(big.GetLogicalPalette()->GetCount(), 300);
    // Too many for the system, so no handle of its own, and a DC it is selected into is left
    // alone...
    EXPECT_FALSE(big.CreateHandle());
    EXPECT_FALSE(TJorpScreenDC().SelectPalette(big, false));
    // ...but the surface's palette keeps the first 256 and realises them.
    TVideoPal video(big);
    EXPECT_EQ(video.GetColourTable()->GetCount(), 256);
    EXPECT_NE(video.GetHandle(), nullptr);
}

TEST_F(Palettes, SystemEntriesOnlyInsideThePalette) {
    TLogicalPalette pal(256);
    pal.FillEntries(0x00112233);
    struct TCase {
        i16 Start, N;
        bool Ok;
    };
    for (const TCase& c : {TCase{250, 10, false}, TCase{-1, 5, false}, TCase{256, 0, false},
                           TCase{246, 10, true}, TCase{0, 10, true}}) {
        TLogicalPalette copy = pal;
        EXPECT_EQ(copy.GetSystemEntries(c.Start, c.N), c.Ok) << c.Start << "+" << c.N;
        for (i16 i = 0; i < 256; ++i) {
            const bool taken = c.Ok && i >= c.Start && i < c.Start + c.N;
            ASSERT_EQ(copy.At(i), taken ? SystemEntry(i) : pal.At(i)) << c.Start << " " << i;
        }
    }
}

TEST_F(Palettes, ClearingTheSystemPaletteBlackensItsFreeEntries) {
    WritePal("bright", RampColours());
    TVideoPal video(*LoadPal("bright"));
    TJorpScreenDC screen;
    ASSERT_TRUE(screen.SelectPalette(video, false));
    EXPECT_GT(screen.RealizePalette(), 0U);
    EXPECT_EQ(SystemEntry(120), video.GetIdentityPalette()->At(120));
    const int objects = GdiLiveObjectCount();
    EXPECT_TRUE(TPal::ClearSystemPalette());
    EXPECT_EQ(GdiLiveObjectCount(), objects);
    for (int i = 10; i < 246; ++i)
        ASSERT_EQ(SystemEntry(i), Rgb(0, 0, 0)) << i;
    EXPECT_EQ(SystemEntry(255), Rgb(255, 255, 255));
}

} // namespace
