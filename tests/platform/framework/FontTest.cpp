// Fonts: which face a request gets, sizes in the old system's meaning, metrics, extents,
// character widths, and the pixels of text in every font the program uses.
#include "platform/framework/draw/Font.h"
#include "platform/framework/draw/Dc.h"

#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

LOGFONT Request(const char* face, i32 height, i32 weight = FW_NORMAL, u8 pitch = 0) {
    LOGFONT log;
    std::strncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    log.lfHeight = height;
    log.lfWeight = weight;
    log.lfPitchAndFamily = pitch;
    return log;
}

TEST(FontTest, FaceNamesMapOntoTheDejaVuFaces) {
    struct TCase {
        const char* Face;
        i32 Weight;
        u8 Pitch;
        const char* File;
    };
    const TCase cases[] = {
        {"MS Sans Serif", FW_NORMAL, 0, "DejaVuSans.ttf"},
        {"ms sans serif", FW_BOLD, 0, "DejaVuSans-Bold.ttf"},
        {"Tms Rmn", FW_BOLD, 0, "DejaVuSerif-Bold.ttf"},
        {"Unknown Face", FW_NORMAL, FF_ROMAN, "DejaVuSerif.ttf"},
        {"Courier", FW_SEMIBOLD, 0, "DejaVuSansMono-Bold.ttf"},
        {"System", FW_BOLD, 0, "DejaVuSans-Bold.ttf"},
        {"", FW_NORMAL, FIXED_PITCH, "DejaVuSansMono.ttf"},
        {"Unknown Face", FW_NORMAL, FF_MODERN, "DejaVuSansMono.ttf"},
        {"MS Sans Serif", FW_NORMAL, FIXED_PITCH, "DejaVuSans.ttf"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FontFileFor(Request(c.Face, -11, c.Weight, c.Pitch)), c.File) << c.Face;
}

TEST(FontTest, HeightsMeanWhatTheOldSystemMeant) {
    // The faces have win ascent 1901 and win descent 483 in 2048 units to the em, so an
    // 11-pixel em stands 10 + 3 pixels high, and a 16-pixel cell holds a 14-pixel em.
    struct TCase {
        LOGFONT Log;
        i32 Em, Height, Ascent, Descent;
    };
    const TCase cases[] = {
        {Request("MS Sans Serif", -11), 11, 13, 10, 3},
        {Request("MS Serif", -15), 15, 18, 14, 4},
        {Request("Courier", -13), 13, 15, 12, 3},
        {Request("System", 16, FW_BOLD), 14, 16, 13, 3},
        {Request("MS Sans Serif", 0), 14, 16, 13, 3},
    };
    for (const TCase& c : cases) {
        HFONT font = CreateFontIndirect(&c.Log);
        HDC dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, font);
        TEXTMETRIC tm;
        ASSERT_TRUE(GetTextMetrics(dc, &tm));
        EXPECT_EQ(FontPixelSize(c.Log), c.Em) << c.Log.lfFaceName;
        EXPECT_EQ(tm.tmHeight, c.Height) << c.Log.lfFaceName;
        EXPECT_EQ(tm.tmAscent, c.Ascent) << c.Log.lfFaceName;
        EXPECT_EQ(tm.tmDescent, c.Descent) << c.Log.lfFaceName;
        EXPECT_EQ(tm.tmInternalLeading, c.Height - c.Em) << c.Log.lfFaceName;
        EXPECT_EQ(tm.tmExternalLeading, 0);
        DeleteDC(dc);
        DeleteObject(font);
    }
}

TEST(FontTest, TheDefaultFontIsTheBoldSystemFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(dc, &tm));
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    DeleteDC(dc);
}

TEST(FontTest, ExtentsAddUpFromTheCharacterWidths) {
    const LOGFONT requests[] = {Request("MS Sans Serif", -11),
                                Request("MS Sans Serif", -11, FW_BOLD), Request("MS Serif", -15),
                                Request("Courier", -13), Request("System", 16, FW_BOLD)};
    const std::string text = "Session Number 0123456789 $-";
    for (const LOGFONT& log : requests) {
        TFont font(&log);
        TMemoryDC dc;
        dc.SelectObject(font);
        i32 widths[256];
        ASSERT_TRUE(dc.GetCharWidth(0, 255, widths));
        i32 sum = 0;
        for (const char c : text)
            sum += widths[static_cast<u8>(c)];
        TEXTMETRIC tm;
        dc.GetTextMetrics(tm);
        const TSize extent = dc.GetTextExtent(text);
        EXPECT_EQ(extent.cx, sum) << log.lfFaceName;
        EXPECT_EQ(extent.cy, tm.tmHeight);
        EXPECT_EQ(dc.GetTextExtent(text, 7).cx + dc.GetTextExtent(text.substr(7)).cx, sum);
        // The average width is the width of an x, as the old system defined it.
        EXPECT_EQ(tm.tmAveCharWidth, widths[static_cast<u8>('x')]) << log.lfFaceName;
        EXPECT_GT(tm.tmAveCharWidth, 0);
        EXPECT_GE(tm.tmMaxCharWidth, widths[static_cast<u8>('W')]);
        // Digits share one width, so number columns line up.
        for (char d = '1'; d <= '9'; ++d)
            EXPECT_EQ(widths[static_cast<u8>(d)], widths[static_cast<u8>('0')])
                << log.lfFaceName << d;
        EXPECT_EQ(dc.GetTextExtent("").cx, 0);
    }
}

TEST(FontTest, CourierIsFixedPitch) {
    TFont courier("Courier", -13);
    TMemoryDC dc;
    dc.SelectObject(courier);
    EXPECT_EQ(dc.GetTextExtent("iiiii").cx, dc.GetTextExtent("WWWWW").cx);
    EXPECT_EQ(dc.GetTextExtent("  *     Name").cx, 12 * dc.GetTextExtent("M").cx);
}

TEST(FontTest, CharacterWidthQueriesOutsideTheCodePageFail) {
    TMemoryDC dc;
    i32 widths[2];
    EXPECT_TRUE(dc.GetCharWidth('0', '1', widths));
    EXPECT_GT(widths[0], 0);
    EXPECT_FALSE(dc.GetCharWidth('1', '0', widths));
    EXPECT_FALSE(dc.GetCharWidth(0xFF, 0x100, widths));
    EXPECT_FALSE(GetCharWidth(dc, '0', '1', nullptr));
}

TEST(FontTest, WesternCodePageBytesMeanTheirCharacters) {
    EXPECT_EQ(CodePageToUnicode('A'), 0x41U);
    EXPECT_EQ(CodePageToUnicode(0x80), 0x20ACU);
    EXPECT_EQ(CodePageToUnicode(0x96), 0x2013U);
    EXPECT_EQ(CodePageToUnicode(0xE9), 0xE9U);
}

TEST(FontTest, OpaqueTextFillsItsCellAndTransparentTextDoesNot) {
    for (const int mode : {OPAQUE, TRANSPARENT}) {
        TScreenSurface surface({60, 20});
        surface.Fill(surface.Bounds(), 0xFF00FF00U);
        TDC dc(surface, {0, 0}, TRegion(surface.Bounds()));
        dc.SetBkMode(mode);
        dc.SetBkColor(TColor::White);
        dc.SetTextColor(TColor::LtBlue);
        dc.TextOut(2, 1, "-");
        const TSize extent = dc.GetTextExtent("-");
        // The top left corner of the cell is above the dash.
        EXPECT_EQ(surface.GetPixel(2, 1), mode == OPAQUE ? 0xFFFFFFFFU : 0xFF00FF00U);
        EXPECT_EQ(surface.GetPixel(2 + extent.cx, 1), 0xFF00FF00U);
        EXPECT_EQ(surface.GetPixel(2, 1 + extent.cy), 0xFF00FF00U);
        bool ink = false;
        for (i32 y = 0; y < 20; ++y)
            for (i32 x = 0; x < 60; ++x)
                ink = ink || surface.GetPixel(x, y) == 0xFF0000FFU;
        EXPECT_TRUE(ink);
    }
}

// Text in one font on white, two lines, for a golden image.
TScreenSurface RenderSample(const LOGFONT& log) {
    TScreenSurface surface({440, 44});
    TDC dc(surface, {0, 0}, TRegion(surface.Bounds()));
    dc.FillSolidRect(surface.Bounds(), 0xFFFFFFFFU);
    TFont font(&log);
    dc.SelectObject(font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    dc.TextOut(2, 2, "The quick brown fox jumps over the lazy dog.");
    dc.TextOut(2, 4 + tm.tmHeight, "Session Number 0123456789 $1,250 &OK (\x80\xE9)");
    return surface;
}

TEST(FontTest, TextMatchesTheGoldenImageInEveryFontUsed) {
    struct TCase {
        LOGFONT Log;
        const char* Golden;
    };
    const TCase cases[] = {
        {Request("MS Sans Serif", -11), "font_ms_sans_serif_8"},
        {Request("MS Sans Serif", -11, FW_BOLD), "font_ms_sans_serif_8_bold"},
        {Request("MS Serif", -15), "font_ms_serif_11"},
        {Request("Courier", -13), "font_courier_10"},
        {Request("System", 16, FW_BOLD), "font_system"},
    };
    for (const TCase& c : cases)
        EXPECT_TRUE(MatchesGolden(RenderSample(c.Log), c.Golden));
}

TEST(FontTest, DrawTextMeasuresWithoutDrawing) {
    TMemoryDC dc;
    TFont font("MS Sans Serif", -11);
    dc.SelectObject(font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    struct TCase {
        const char* Text;
        u32 Format;
        i32 Width;
        i32 Lines;
        i32 ExpectedWidth;
    };
    const i32 okWidth = dc.GetTextExtent("OK").cx;
    const i32 ampWidth = dc.GetTextExtent("A&B").cx;
    const i32 twoWords = dc.GetTextExtent("alpha beta").cx;
    const i32 widestWord = std::max(dc.GetTextExtent("alpha").cx, dc.GetTextExtent("beta").cx);
    const TCase cases[] = {
        {"&OK", DT_SINGLELINE, 100, 1, okWidth},
        {"A&&B", DT_SINGLELINE, 100, 1, ampWidth},
        {"A&B", DT_SINGLELINE | DT_NOPREFIX, 100, 1, ampWidth},
        {"one\ntwo\nthree", 0, 100, 3, dc.GetTextExtent("three").cx},
        {"alpha beta alpha beta", DT_WORDBREAK, twoWords + 2, 2, twoWords + 2},
        {"alpha  beta alpha beta", DT_WORDBREAK, 1, 4, widestWord},
        {"", DT_SINGLELINE, 100, 1, 0},
    };
    for (const TCase& c : cases) {
        TRect r{5, 7, 5 + c.Width, 100};
        const int height = DrawText(dc, c.Text, -1, &r, c.Format | DT_CALCRECT);
        EXPECT_EQ(height, c.Lines * tm.tmHeight) << c.Text;
        EXPECT_EQ(r.Height(), c.Lines * tm.tmHeight) << c.Text;
        EXPECT_EQ(r.Width(), c.ExpectedWidth) << c.Text;
        EXPECT_EQ(r.TopLeft(), TPoint(5, 7));
    }
}

TEST(FontTest, DrawTextLaysOutAndClipsAsTheGoldenImageShows) {
    TScreenSurface surface({200, 90});
    TDC dc(surface, {0, 0}, TRegion(surface.Bounds()));
    dc.FillSolidRect(surface.Bounds(), 0xFFC0C0C0U);
    TFont font("MS Sans Serif", -11);
    dc.SelectObject(font);
    dc.SetBkMode(TRANSPARENT);
    TBrush white(TColor::White);
    const TRect boxes[] = {{4, 4, 96, 24}, {100, 4, 196, 24}, {4, 28, 96, 86}, {100, 28, 140, 40}};
    for (const TRect& b : boxes)
        dc.FillRect(b, white);
    dc.DrawText("&Cancel", -1, boxes[0], DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    dc.DrawText("Save && E&xit", -1, boxes[1], DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    dc.DrawText("Bets left on the table when you leave are returned to you.", -1, boxes[2],
                DT_WORDBREAK | DT_CENTER);
    // Clipped to its rectangle.
    dc.DrawText("Clipped away", -1, boxes[3], DT_SINGLELINE);
    EXPECT_EQ(surface.GetPixel(141, 30), 0xFFC0C0C0U);
    EXPECT_TRUE(MatchesGolden(surface, "font_drawtext"));
}

} // namespace
