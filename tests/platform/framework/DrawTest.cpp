// Lines, rectangles, fills and pixels: where they land, what they leave alone, the clip, the
// DC's objects and how they live and die.
#include "platform/framework/WinApi.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/GdiObject.h"

#include "support/Golden.h"

#include <gtest/gtest.h>

namespace {

constexpr u32 White = 0xFFFFFFFFU;
constexpr u32 Black = 0xFF000000U;
constexpr u32 Paper = 0xFF336699U;

// A DC on its own surface, painted with a known colour first.
struct TCanvas {
    explicit TCanvas(TSize size = {40, 30}, TPoint origin = {0, 0})
        : Surface(size), Dc(Surface, origin, TRegion(Surface.Bounds())) {
        Surface.Fill(Surface.Bounds(), Paper);
    }
    TScreenSurface Surface;
    TDC Dc;
};

TEST(DrawTest, LinesStopShortOfTheirLastPoint) {
    struct TCase {
        TPoint From;
        TPoint To;
        std::vector<TPoint> Drawn;
        TPoint NotDrawn;
    };
    const TCase cases[] = {
        {{2, 3}, {6, 3}, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}, {6, 3}},
        {{6, 3}, {2, 3}, {{6, 3}, {5, 3}, {4, 3}, {3, 3}}, {2, 3}},
        {{4, 1}, {4, 5}, {{4, 1}, {4, 2}, {4, 3}, {4, 4}}, {4, 5}},
        {{1, 1}, {4, 4}, {{1, 1}, {2, 2}, {3, 3}}, {4, 4}},
        {{5, 0}, {5, 0}, {}, {5, 0}},
    };
    for (const TCase& c : cases) {
        TCanvas canvas;
        canvas.Dc.MoveTo(c.From);
        EXPECT_TRUE(canvas.Dc.LineTo(c.To));
        for (const TPoint& p : c.Drawn)
            EXPECT_EQ(canvas.Surface.GetPixel(p.x, p.y), Black) << p.x << "," << p.y;
        EXPECT_EQ(canvas.Surface.GetPixel(c.NotDrawn.x, c.NotDrawn.y), Paper);
        TPoint now;
        MoveToEx(canvas.Dc, 0, 0, &now);
        EXPECT_EQ(now, c.To);
    }
}

TEST(DrawTest, RectangleCornersMayComeEitherWayRound) {
    // The framing and filling themselves are pinned by the shapes' golden image.
    TCanvas canvas;
    TCanvas swapped;
    EXPECT_TRUE(canvas.Dc.Rectangle(10, 5, 20, 12));
    EXPECT_TRUE(swapped.Dc.Rectangle(20, 12, 10, 5));
    for (i32 y = 0; y < 30; ++y)
        for (i32 x = 0; x < 40; ++x)
            ASSERT_EQ(swapped.Surface.GetPixel(x, y), canvas.Surface.GetPixel(x, y));
    EXPECT_EQ(canvas.Surface.GetPixel(19, 11), Black);
    EXPECT_EQ(canvas.Surface.GetPixel(20, 12), Paper);
}

TEST(DrawTest, NullPenAndHollowBrushLeaveTheirPartsAlone) {
    TCanvas canvas;
    canvas.Dc.SelectStockObject(NULL_PEN);
    canvas.Dc.Rectangle(2, 2, 8, 8);
    EXPECT_EQ(canvas.Surface.GetPixel(2, 2), White);
    EXPECT_EQ(canvas.Surface.GetPixel(6, 6), White);
    EXPECT_EQ(canvas.Surface.GetPixel(7, 7), Paper);
    canvas.Dc.SelectStockObject(BLACK_PEN);
    canvas.Dc.SelectStockObject(HOLLOW_BRUSH);
    canvas.Dc.Rectangle(10, 2, 16, 8);
    EXPECT_EQ(canvas.Surface.GetPixel(10, 2), Black);
    EXPECT_EQ(canvas.Surface.GetPixel(12, 4), Paper);
}

TEST(DrawTest, AnEmptyFillRectDrawsNothing) {
    // A bar of value 0.
    TCanvas canvas;
    EXPECT_TRUE(canvas.Dc.FillRect({10, 10, 20, 10}, TBrush(TColor(7, 103, 0))));
    EXPECT_EQ(canvas.Surface.GetPixel(10, 10), Paper);
}

TEST(DrawTest, DrawingKeepsToTheOriginAndTheClip) {
    TScreenSurface surface({40, 30});
    surface.Fill(surface.Bounds(), Paper);
    TRegion clip(TRect{10, 10, 30, 25});
    clip.Subtract({15, 10, 20, 25});
    TDC dc(surface, {10, 10}, clip);
    TBrush red(TColor::LtRed);
    dc.FillRect({-10, -10, 100, 100}, red);
    EXPECT_EQ(surface.GetPixel(10, 10), 0xFFFF0000U);
    EXPECT_EQ(surface.GetPixel(29, 24), 0xFFFF0000U);
    EXPECT_EQ(surface.GetPixel(16, 12), Paper);
    EXPECT_EQ(surface.GetPixel(9, 12), Paper);
    EXPECT_EQ(surface.GetPixel(30, 12), Paper);
    EXPECT_EQ(surface.GetPixel(12, 25), Paper);
    // A pixel outside the clip is refused and reported so.
    EXPECT_EQ(dc.SetPixel(7, 3, TColor::Black).GetValue(), CLR_INVALID);
    EXPECT_EQ(dc.GetPixel(7, 3).GetValue(), CLR_INVALID);
    EXPECT_EQ(dc.SetPixel(1, 1, TColor(1, 2, 3)).GetValue(), RGB(1, 2, 3));
    EXPECT_EQ(surface.GetPixel(11, 11), MakeArgb(1, 2, 3));
}

TEST(DrawTest, ShapesMatchTheGoldenImage) {
    TCanvas canvas({120, 80});
    TDC& dc = canvas.Dc;
    dc.FillSolidRect({0, 0, 120, 80}, White);
    dc.Rectangle(4, 4, 60, 40);
    TPen red(TColor::LtRed);
    TBrush yellow(TColor::LtYellow);
    dc.SelectObject(red);
    dc.SelectObject(yellow);
    dc.Rectangle(10, 10, 30, 30);
    TPen thick(TColor::LtBlue, 3);
    dc.SelectObject(thick);
    dc.Rectangle(34, 10, 56, 34);
    dc.RestoreObjects();
    // A star of lines in eight directions and two shallow slopes.
    const TPoint centre{90, 22};
    const TPoint ends[] = {{110, 22}, {110, 38}, {90, 42}, {70, 38},  {70, 22},
                           {70, 6},   {90, 2},   {110, 6}, {115, 30}, {65, 14}};
    for (const TPoint& e : ends) {
        dc.MoveTo(centre);
        dc.LineTo(e);
    }
    TBrush up(TColor(7, 103, 0));
    TBrush down(TColor(179, 0, 0));
    for (i32 i = 0; i < 10; ++i)
        dc.FillRect(
            {6 + i * 10, i % 2 == 0 ? 70 - i * 2 : 70, 14 + i * 10, i % 2 == 0 ? 70 : 70 + i},
            i % 2 == 0 ? up : down);
    dc.MoveTo(4, 70);
    dc.LineTo(110, 70);
    for (i32 i = 0; i < 20; ++i)
        dc.SetPixel(4 + i * 3, 46, i % 2 == 0 ? TColor::Black : TColor::LtMagenta);
    EXPECT_TRUE(MatchesGolden(canvas.Surface, "draw_shapes"));
}

TEST(DrawTest, DeletedObjectsStayUsableUntilTheirDcLetsGo) {
    const int before = GdiLiveObjectCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const HBRUSH original = SelectObject(dc, brush);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(GdiLiveObjectCount(), before + 1);
    EXPECT_TRUE(DeleteObject(brush));
    // The handle is gone at once: neither selectable nor deletable again...
    EXPECT_EQ(SelectObject(dc, brush), nullptr);
    EXPECT_FALSE(DeleteObject(brush));
    // ...but the object lives while the DC holds it, and dies when the DC lets it go.
    EXPECT_EQ(GdiLiveObjectCount(), before + 1);
    EXPECT_NE(SelectObject(dc, original), nullptr);
    EXPECT_EQ(GdiLiveObjectCount(), before);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetBkMode(dc), 0);
    // Stock objects survive deletion.
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_NE(SelectObject(other, static_cast<HPEN>(GetStockObject(BLACK_PEN))), nullptr);
    DeleteDC(other);
}

TEST(DrawTest, ABitmapSitsInOneDcAtATime) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(first, 4, 4);
    const HBITMAP initial = SelectObject(first, bitmap);
    ASSERT_NE(initial, nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    SelectObject(first, initial);
    EXPECT_NE(SelectObject(second, bitmap), nullptr);
    DeleteDC(second);
    DeleteDC(first);
    EXPECT_TRUE(DeleteObject(bitmap));
    // Window DCs take no bitmap.
    HDC screen = GetDC(nullptr);
    HBITMAP another = CreateCompatibleBitmap(screen, 2, 2);
    EXPECT_EQ(SelectObject(screen, another), nullptr);
    ReleaseDC(nullptr, screen);
    DeleteObject(another);
}

TEST(DrawTest, TheFrameworkDcPutsBackWhatItReplaced) {
    HDC dc = CreateCompatibleDC(nullptr);
    const int before = GdiLiveObjectCount();
    {
        TDC wrapper(dc);
        TPen pen(TColor::LtRed);
        TBrush brush(TColor::LtGreen);
        TFont font("MS Sans Serif", -11);
        EXPECT_TRUE(wrapper.SelectObject(pen));
        EXPECT_TRUE(wrapper.SelectObject(brush));
        EXPECT_TRUE(wrapper.SelectObject(font));
        TPen second(TColor::LtBlue);
        EXPECT_TRUE(wrapper.SelectObject(second));
        wrapper.RestorePen();
        EXPECT_EQ(SelectObject(dc, static_cast<HPEN>(GetStockObject(BLACK_PEN))),
                  GetStockObject(BLACK_PEN));
        // The brush and font are still the program's until the wrapper dies.
        EXPECT_EQ(GdiLiveObjectCount(), before + 4);
    }
    EXPECT_EQ(GdiLiveObjectCount(), before);
    EXPECT_EQ(SelectObject(dc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))),
              GetStockObject(WHITE_BRUSH));
    // A wrapper that does not own the DC leaves it alive.
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(DrawTest, DcsAreGivenBackTheWayTheyWereTaken) {
    const int before = GdiLiveDcCount();
    HDC screen = GetWindowDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    EXPECT_EQ(GdiLiveDcCount(), before + 2);
    // A memory DC is deleted, not released; a window DC is released.
    EXPECT_EQ(ReleaseDC(nullptr, memory), 0);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 0);
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_EQ(GdiLiveDcCount(), before);
    {
        TScreenDC screenDc;
        TMemoryDC memoryDc(screenDc);
        EXPECT_EQ(GdiLiveDcCount(), before + 2);
    }
    EXPECT_EQ(GdiLiveDcCount(), before);
}

TEST(DrawTest, TheScreenReportsAnEightBitPaletteDevice) {
    TScreenDC dc;
    EXPECT_EQ(dc.GetDeviceCaps(BITSPIXEL), 8);
    EXPECT_NE(dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_EQ(GetDeviceCaps(nullptr, BITSPIXEL), 0);
    // The desktop window's DC is the same screen, at the virtual desktop's size.
    TDesktopDC desktop;
    EXPECT_EQ(desktop.GetDeviceCaps(HORZRES), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(desktop.GetDeviceCaps(VERTRES), GetSystemMetrics(SM_CYSCREEN));
    HDC screen = GetWindowDC(GetDesktopWindow());
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 8);
    EXPECT_EQ(ReleaseDC(GetDesktopWindow(), screen), 1);
}

TEST(DrawTest, MulDivRoundsAsPointSizesNeed) {
    struct TCase {
        int A, B, C, Expected;
    };
    const TCase cases[] = {
        {8, 96, 72, 11}, {10, 96, 72, 13}, {11, 96, 72, 15}, {-8, 96, 72, -11},
        {3, 1, 2, 2},    {-3, 1, 2, -2},   {5, 2, -4, -3},   {1, 1, 0, -1},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(MulDiv(c.A, c.B, c.C), c.Expected) << c.A << "*" << c.B << "/" << c.C;
}

} // namespace
