// Blits: 8-bit DIBs shown through their colour tables, stretching to the nearest pixel, and
// what is left alone at the edges of either side.
#include "platform/framework/draw/Dc.h"

#include "support/Golden.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr u32 Paper = 0xFF336699U;

// An 8-bit DIB of the given size with a colour table of `colors` entries; entry i is
// (i * 10, 255 - i, i) unless set otherwise.
struct TDib {
    TDib(i32 width, i32 height, u32 colors = 16) {
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biClrUsed = colors;
        for (u32 i = 0; i < colors; ++i)
            info.bmiColors[i] = {static_cast<u8>(i), static_cast<u8>(255 - i),
                                 static_cast<u8>(i * 10), 0};
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        stride = (width + 3) / 4 * 4;
        SelectObject(dc, bitmap);
    }
    ~TDib() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    // Row y counted from the top of the picture.
    u8& At(i32 x, i32 y) {
        const i32 h = info.bmiHeader.biHeight;
        const i32 row = h < 0 ? y : h - 1 - y;
        return static_cast<u8*>(bits)[row * stride + x];
    }
    u32 Argb(u8 index) const {
        const RGBQUAD& q = info.bmiColors[index];
        return MakeArgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }

    BITMAPINFO info;
    void* bits = nullptr;
    HBITMAP bitmap = nullptr;
    i32 stride = 0;
    HDC dc = CreateCompatibleDC(nullptr);
};

struct TCanvas {
    explicit TCanvas(TSize size) : Surface(size), Dc(Surface, {0, 0}, TRegion(Surface.Bounds())) {
        Surface.Fill(Surface.Bounds(), Paper);
    }
    TScreenSurface Surface;
    TDC Dc;
};

TEST(DrawBlitTest, EightBitPixelsShowThroughTheColourTable) {
    for (const i32 height : {3, -3}) {
        TDib dib(5, height);
        ASSERT_NE(dib.bitmap, nullptr);
        for (i32 y = 0; y < 3; ++y)
            for (i32 x = 0; x < 5; ++x)
                dib.At(x, y) = static_cast<u8>(y * 5 + x);
        TCanvas canvas({8, 6});
        EXPECT_TRUE(BitBlt(canvas.Dc, 2, 1, 5, 3, dib.dc, 0, 0, SRCCOPY));
        for (i32 y = 0; y < 3; ++y)
            for (i32 x = 0; x < 5; ++x)
                EXPECT_EQ(canvas.Surface.GetPixel(2 + x, 1 + y),
                          dib.Argb(static_cast<u8>(y * 5 + x)))
                    << x << "," << y << " height " << height;
        EXPECT_EQ(canvas.Surface.GetPixel(1, 1), Paper);
        EXPECT_EQ(canvas.Surface.GetPixel(7, 1), Paper);
    }
}

// Every value through full and short tables (past a short table's end, its first entry), at
// every width from one pixel up, from odd places in the source to odd places on the screen,
// and nothing beside the copied rectangle touched.
TEST(DrawBlitTest, EveryValueShowsThroughItsColourAtAnyWidthAndPlace) {
    constexpr i32 Width = 67;
    constexpr i32 Height = 5;
    for (const u32 colors : {256U, 16U}) {
        TDib dib(Width, Height, colors);
        for (i32 y = 0; y < Height; ++y)
            for (i32 x = 0; x < Width; ++x)
                dib.At(x, y) = static_cast<u8>((y * Width + x * 5) % 256);
        const auto expected = [&](i32 x, i32 y) {
            const u8 value = dib.At(x, y);
            return dib.Argb(value < colors ? value : 0);
        };
        for (i32 width = 1; width <= Width - 3; ++width)
            for (const i32 from : {0, 1, 3})
                for (const i32 to : {0, 5}) {
                    TCanvas canvas({Width + 8, Height + 2});
                    ASSERT_TRUE(
                        BitBlt(canvas.Dc, to, 1, width, Height - 1, dib.dc, from, 1, SRCCOPY));
                    for (i32 y = 0; y < Height + 2; ++y)
                        for (i32 x = 0; x < Width + 8; ++x) {
                            const bool inside = x >= to && x < to + width && y >= 1 && y < Height;
                            ASSERT_EQ(canvas.Surface.GetPixel(x, y),
                                      inside ? expected(x - to + from, y) : Paper)
                                << colors << " colours, width " << width << " from " << from
                                << " to " << to << " at " << x << "," << y;
                        }
                }
    }
}

TEST(DrawBlitTest, ChangingTheColourTableChangesWhatIsShown) {
    TDib dib(2, 1, 4);
    dib.At(0, 0) = 3;
    dib.At(1, 0) = 1;
    RGBQUAD table[4];
    ASSERT_EQ(GetDIBColorTable(dib.dc, 0, 8, table), 4U);
    EXPECT_EQ(table[3], dib.info.bmiColors[3]);
    const RGBQUAD gold{0, 215, 255, 0};
    EXPECT_EQ(SetDIBColorTable(dib.dc, 3, 1, &gold), 1U);
    EXPECT_EQ(SetDIBColorTable(dib.dc, 4, 1, &gold), 0U);
    TCanvas canvas({2, 1});
    BitBlt(canvas.Dc, 0, 0, 2, 1, dib.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(canvas.Surface.GetPixel(0, 0), MakeArgb(255, 215, 0));
    EXPECT_EQ(canvas.Surface.GetPixel(1, 0), dib.Argb(1));
    // A DC without a DIB has no colour table.
    HDC plain = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDIBColorTable(plain, 0, 1, table), 0U);
    DeleteDC(plain);
}

TEST(DrawBlitTest, StretchingPicksTheNearestSourcePixel) {
    struct TCase {
        i32 SrcWidth;
        i32 DstWidth;
        std::vector<u8> Expected;
    };
    // Source pixel i holds index i.
    const TCase cases[] = {
        {2, 4, {0, 0, 1, 1}},          {2, 3, {0, 0, 1}},       {4, 2, {0, 2}},
        {3, 7, {0, 0, 0, 1, 1, 2, 2}}, {5, 5, {0, 1, 2, 3, 4}}, {4, 1, {0}},
    };
    for (const TCase& c : cases) {
        TDib dib(c.SrcWidth, 1);
        for (i32 x = 0; x < c.SrcWidth; ++x)
            dib.At(x, 0) = static_cast<u8>(x);
        TCanvas canvas({c.DstWidth + 1, 3});
        EXPECT_TRUE(
            StretchBlt(canvas.Dc, 0, 0, c.DstWidth, 3, dib.dc, 0, 0, c.SrcWidth, 1, SRCCOPY));
        for (i32 x = 0; x < c.DstWidth; ++x)
            for (i32 y = 0; y < 3; ++y)
                EXPECT_EQ(canvas.Surface.GetPixel(x, y),
                          dib.Argb(c.Expected[static_cast<size_t>(x)]))
                    << c.SrcWidth << " -> " << c.DstWidth << " at " << x;
        EXPECT_EQ(canvas.Surface.GetPixel(c.DstWidth, 0), Paper);
    }
}

TEST(DrawBlitTest, PartsOutsideEitherSideAreLeftAlone) {
    TDib dib(4, 4);
    for (i32 y = 0; y < 4; ++y)
        for (i32 x = 0; x < 4; ++x)
            dib.At(x, y) = static_cast<u8>(y * 4 + x);
    TCanvas canvas({6, 6});
    // Hanging off the top left of the target: the visible part lands where it belongs.
    EXPECT_TRUE(BitBlt(canvas.Dc, -2, -1, 4, 4, dib.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(canvas.Surface.GetPixel(0, 0), dib.Argb(4 + 2));
    EXPECT_EQ(canvas.Surface.GetPixel(1, 2), dib.Argb(12 + 3));
    EXPECT_EQ(canvas.Surface.GetPixel(2, 0), Paper);
    // Reaching past the source's right and bottom edges: only the overlap is copied.
    TCanvas second({6, 6});
    EXPECT_TRUE(BitBlt(second.Dc, 0, 0, 6, 6, dib.dc, 2, 2, SRCCOPY));
    EXPECT_EQ(second.Surface.GetPixel(0, 0), dib.Argb(10));
    EXPECT_EQ(second.Surface.GetPixel(1, 1), dib.Argb(15));
    EXPECT_EQ(second.Surface.GetPixel(2, 0), Paper);
    EXPECT_EQ(second.Surface.GetPixel(0, 2), Paper);
    // Stretching a source that starts left of the bitmap.
    TCanvas third({8, 2});
    EXPECT_TRUE(StretchBlt(third.Dc, 0, 0, 8, 2, dib.dc, -2, 0, 4, 2, SRCCOPY));
    EXPECT_EQ(third.Surface.GetPixel(3, 0), Paper);
    EXPECT_EQ(third.Surface.GetPixel(4, 0), dib.Argb(0));
    EXPECT_EQ(third.Surface.GetPixel(7, 1), dib.Argb(5));
}

TEST(DrawBlitTest, OddRequestsAreRefusedOrDoNothing) {
    TDib dib(2, 2);
    TCanvas canvas({4, 4});
    EXPECT_TRUE(BitBlt(canvas.Dc, 0, 0, 0, 2, dib.dc, 0, 0, SRCCOPY));
    EXPECT_FALSE(StretchBlt(canvas.Dc, 0, 0, -2, 2, dib.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_FALSE(StretchBlt(canvas.Dc, 0, 0, 2, 2, dib.dc, 0, 0, 2, -2, SRCCOPY));
    EXPECT_FALSE(BitBlt(canvas.Dc, 0, 0, 2, 2, dib.dc, 0, 0, 0x00EE0086));
    EXPECT_FALSE(BitBlt(canvas.Dc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    for (i32 y = 0; y < 4; ++y)
        for (i32 x = 0; x < 4; ++x)
            ASSERT_EQ(canvas.Surface.GetPixel(x, y), Paper);
}

TEST(DrawBlitTest, EightBitTargetsKeepIndicesOrTakeTheNearestColour) {
    TDib from(3, 1, 16);
    from.At(0, 0) = 2;
    from.At(1, 0) = 5;
    from.At(2, 0) = 9;
    // The same colours: the same indices.
    TDib same(3, 1, 16);
    EXPECT_TRUE(BitBlt(same.dc, 0, 0, 3, 1, from.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(same.At(0, 0), 2);
    EXPECT_EQ(same.At(2, 0), 9);
    // Another table: the nearest of its colours.
    TDib other(3, 1, 2);
    SetDIBColorTable(other.dc, 0, 1, std::array<RGBQUAD, 1>{RGBQUAD{0, 0, 0, 0}}.data());
    SetDIBColorTable(other.dc, 1, 1, std::array<RGBQUAD, 1>{RGBQUAD{9, 246, 90, 0}}.data());
    EXPECT_TRUE(BitBlt(other.dc, 0, 0, 3, 1, from.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(other.At(2, 0), 1);
    // Drawing on an 8-bit bitmap: palette indices land as themselves, colours as the nearest.
    EXPECT_NE(SetPixel(same.dc, 1, 0, PALETTEINDEX(7)), CLR_INVALID);
    EXPECT_EQ(same.At(1, 0), 7);
    SetPixel(same.dc, 0, 0, RGB(100, 245, 10));
    EXPECT_EQ(same.At(0, 0), 10);
    EXPECT_EQ(GetPixel(same.dc, 0, 0), RGB(100, 245, 10));
}

TEST(DrawBlitTest, AStretchedPictureMatchesTheGoldenImage) {
    TDib dib(16, 12, 16);
    for (i32 y = 0; y < 12; ++y)
        for (i32 x = 0; x < 16; ++x)
            dib.At(x, y) = static_cast<u8>((x / 2 + y / 3) % 16);
    for (u32 i = 0; i < 16; ++i) {
        const RGBQUAD vivid{static_cast<u8>((i / 4) * 85), static_cast<u8>(i % 2 == 0 ? 200 : 40),
                            static_cast<u8>((i % 4) * 85), 0};
        SetDIBColorTable(dib.dc, i, 1, &vivid);
    }
    TCanvas canvas({100, 60});
    TDC source(dib.dc);
    canvas.Dc.BitBlt(2, 2, 16, 12, source, 0, 0);
    canvas.Dc.StretchBlt(TRect{20, 2, 60, 32}, source, TRect{0, 0, 16, 12});
    canvas.Dc.StretchBlt(TRect{64, 2, 72, 8}, source, TRect{0, 0, 16, 12});
    canvas.Dc.StretchBlt(TRect{2, 36, 98, 58}, source, TRect{4, 3, 12, 9});
    EXPECT_TRUE(MatchesGolden(canvas.Surface, "draw_blit"));
}

} // namespace
