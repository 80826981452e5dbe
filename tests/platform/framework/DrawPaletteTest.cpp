// Logical palettes kept as state: creation, selection, realisation and its return values,
// the system palette, and colours drawn by palette index.
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiHandles.h"

#include <gtest/gtest.h>

namespace {

class DrawPaletteTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSystemPalette(); }
    void TearDown() override { ResetSystemPalette(); }

    // An identity palette: the static colours at the ends, distinct colours between.
    static LOGPALETTE Identity() {
        LOGPALETTE log;
        log.palNumEntries = 256;
        PALETTEENTRY system[256];
        TScreenDC screen;
        EXPECT_EQ(GetSystemPaletteEntries(screen, 0, 256, system), 256U);
        for (int i = 0; i < 256; ++i)
            log.palPalEntry[i] = system[i];
        for (int i = 10; i < 246; ++i)
            log.palPalEntry[i] = {static_cast<u8>(i), 1, 2, 0};
        return log;
    }
};

TEST_F(DrawPaletteTest, OnlyVersion300PalettesOfOneTo256EntriesAreMade) {
    LOGPALETTE log;
    log.palNumEntries = 16;
    HPALETTE good = CreatePalette(&log);
    ASSERT_NE(good, nullptr);
    EXPECT_EQ(GetPaletteEntries(good, 0, 0, nullptr), 16U);
    DeleteObject(good);
    log.palVersion = 0x200;
    EXPECT_EQ(CreatePalette(&log), nullptr);
    log.palVersion = 0x300;
    log.palNumEntries = 0;
    EXPECT_EQ(CreatePalette(&log), nullptr);
    log.palNumEntries = 257;
    EXPECT_EQ(CreatePalette(&log), nullptr);
    EXPECT_EQ(CreatePalette(nullptr), nullptr);
}

TEST_F(DrawPaletteTest, SelectingReturnsThePaletteItReplaces) {
    TScreenDC dc;
    LOGPALETTE log = Identity();
    TPalette palette(&log);
    const HPALETTE initial = SelectPalette(dc, palette, false);
    EXPECT_EQ(initial, GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(SelectPalette(dc, initial, false), static_cast<HPALETTE>(palette));
    // Nothing is selected from a bad handle or into a bad DC.
    EXPECT_EQ(SelectPalette(dc, nullptr, false), nullptr);
    EXPECT_EQ(SelectPalette(nullptr, palette, false), nullptr);
    EXPECT_EQ(RealizePalette(nullptr), GDI_ERROR);
}

TEST_F(DrawPaletteTest, RealisingInTheForegroundFillsTheSystemPalette) {
    TScreenDC dc;
    LOGPALETTE log = Identity();
    TPalette palette(&log);
    EXPECT_EQ(dc.RealizePalette(), 0U); // the default palette changes nothing
    dc.SelectObject(palette);
    // Every free slot was black and takes one of the palette's own colours.
    EXPECT_EQ(dc.RealizePalette(), 236U);
    EXPECT_EQ(dc.RealizePalette(), 0U);
    PALETTEENTRY system[256];
    ASSERT_EQ(GetSystemPaletteEntries(dc, 0, 256, system), 256U);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(system[i].peRed, log.palPalEntry[i].peRed) << i;
        EXPECT_EQ(system[i].peBlue, log.palPalEntry[i].peBlue) << i;
    }
}

// A blit takes all 256 colours of an 8-bit bitmap at once; each must be the one its value
// shows: the system palette's (here with a realised palette in it) for a bitmap without a
// table, the first entry for values past the end of a short table.
TEST_F(DrawPaletteTest, TheWholeColourTableMatchesEachValuesColour) {
    TScreenDC dc;
    LOGPALETTE log = Identity();
    TPalette palette(&log);
    dc.SelectObject(palette);
    dc.RealizePalette();
    for (const size_t colors : {size_t{0}, size_t{1}, size_t{16}, size_t{256}, size_t{300}}) {
        TGdiBitmap bitmap(4, 4, 8, true);
        for (size_t i = 0; i < colors; ++i)
            bitmap.Colors.push_back(
                {static_cast<u8>(i * 3), static_cast<u8>(255 - i), static_cast<u8>(i * 7 + 1), 0});
        std::array<u32, 256> table;
        table.fill(0x12345678U);
        bitmap.FillArgbTable(table);
        for (size_t i = 0; i < 256; ++i)
            ASSERT_EQ(table[i], bitmap.IndexToArgb(static_cast<u8>(i)))
                << "value " << i << " of a table of " << colors;
    }
}

TEST_F(DrawPaletteTest, AnAllBlackNoCollapsePaletteClearsTheSystemPalette) {
    TScreenDC dc;
    LOGPALETTE log = Identity();
    TPalette palette(&log);
    dc.SelectObject(palette);
    dc.RealizePalette();

    LOGPALETTE black;
    black.palNumEntries = 256;
    for (PALETTEENTRY& e : black.palPalEntry)
        e = {0, 0, 0, PC_NOCOLLAPSE};
    TPalette clear(&black);
    const HPALETTE previous = SelectPalette(dc, clear, false);
    EXPECT_EQ(RealizePalette(dc), 236U);
    SelectPalette(dc, previous, false);
    PALETTEENTRY system[256];
    GetSystemPaletteEntries(dc, 0, 256, system);
    for (int i = 10; i < 246; ++i)
        EXPECT_EQ(system[i], (PALETTEENTRY{0, 0, 0, 0})) << i;
    // The static colours stay.
    EXPECT_EQ(system[255], (PALETTEENTRY{255, 255, 255, 0}));
    EXPECT_EQ(system[7], (PALETTEENTRY{192, 192, 192, 0}));
}

TEST_F(DrawPaletteTest, ABackgroundPaletteTakesOnlyWhatIsLeft) {
    TScreenDC dc;
    LOGPALETTE small;
    small.palNumEntries = 4;
    small.palPalEntry[0] = {1, 1, 1, 0};
    small.palPalEntry[1] = {2, 2, 2, 0};
    small.palPalEntry[2] = {255, 255, 255, 0}; // a static colour: collapses onto it
    small.palPalEntry[3] = {1, 1, 1, 0};       // the same colour again: shares the slot
    TPalette foreground(&small);
    dc.SelectObject(foreground);
    EXPECT_EQ(dc.RealizePalette(), 2U);

    LOGPALETTE other;
    other.palNumEntries = 3;
    other.palPalEntry[0] = {2, 2, 2, 0}; // already there
    other.palPalEntry[1] = {9, 9, 9, 0};
    other.palPalEntry[2] = {8, 8, 8, 0};
    TPalette background(&other);
    dc.SelectObject(background, true);
    EXPECT_EQ(dc.RealizePalette(), 2U);
    PALETTEENTRY system[14];
    GetSystemPaletteEntries(dc, 0, 14, system);
    EXPECT_EQ(system[10].peRed, 1);
    EXPECT_EQ(system[11].peRed, 2);
    EXPECT_EQ(system[12].peRed, 9);
    EXPECT_EQ(system[13].peRed, 8);
}

TEST_F(DrawPaletteTest, SystemEntriesAreCountedAsTheyAreCopied) {
    TScreenDC dc;
    PALETTEENTRY entries[10];
    EXPECT_EQ(GetSystemPaletteEntries(dc, 0, 10, entries), 10U);
    EXPECT_EQ(entries[0], (PALETTEENTRY{0, 0, 0, 0}));
    EXPECT_EQ(GetSystemPaletteEntries(dc, 246, 10, entries), 10U);
    EXPECT_EQ(entries[9], (PALETTEENTRY{255, 255, 255, 0}));
    EXPECT_EQ(GetSystemPaletteEntries(dc, 250, 10, entries), 6U);
    EXPECT_EQ(GetSystemPaletteEntries(dc, 256, 1, entries), 0U);
    EXPECT_EQ(GetSystemPaletteEntries(nullptr, 0, 10, entries), 0U);
}

TEST_F(DrawPaletteTest, PaletteIndicesDrawTheSelectedPalettesColours) {
    TScreenSurface surface({4, 1});
    TDC dc(surface, {0, 0}, TRegion(surface.Bounds()));
    LOGPALETTE log;
    log.palNumEntries = 3;
    log.palPalEntry[2] = {10, 20, 30, 0};
    log.palPalEntry[0] = {40, 50, 60, 0};
    TPalette palette(&log);
    dc.SelectObject(palette);
    dc.SetPixel(0, 0, PALETTEINDEX(2));
    // An index past the end shows the first entry.
    dc.SetPixel(1, 0, PALETTEINDEX(7));
    EXPECT_EQ(surface.GetPixel(0, 0), MakeArgb(10, 20, 30));
    EXPECT_EQ(surface.GetPixel(1, 0), MakeArgb(40, 50, 60));
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(12, 19, 33)), 2U);
}

} // namespace
