// The host window's picture at the sizes players' windows and screens come in: where it lies,
// its scale, and host points to desktop pixels and back.
#include "platform/sdl/SdlViewport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The game's frame less the caption and border: its menu bar and 640 x 480 client area, where
// the frame stands centred on the 800 x 600 desktop.
constexpr TRect FrameShown{80, 41, 720, 540};

std::string Name(TSize s) {
    return std::to_string(s.cx) + "x" + std::to_string(s.cy);
}

TEST(SdlViewportTest, ThePictureKeepsItsProportionsCentredAtEveryWindowSize) {
    struct TCase {
        TSize Area;
        TRect Picture;
        i32 Whole;
        bool IsWhole;
    };
    const TCase cases[] = {
        // Full-screen on common screens: the height sets the scale, black bars left and right.
        {{1920, 1080}, {267, 0, 1652, 1080}, 3, false},
        {{1366, 768}, {190, 0, 1175, 768}, 2, false},
        {{3840, 2160}, {535, 0, 3305, 2160}, 5, false},
        // A screen wider in proportion than the picture is tall: bars above and below, and
        // here exactly twice the frame.
        {{1280, 1024}, {0, 13, 1280, 1011}, 2, true},
        // Smaller than the frame: smoothed down, never cut off.
        {{640, 480}, {12, 0, 628, 480}, 1, false},
        {{1001, 777}, {2, 0, 999, 777}, 2, false},
        // The windows the game opens: the frame at whole scales, no bars.
        {{640, 499}, {0, 0, 640, 499}, 1, true},
        {{1280, 998}, {0, 0, 1280, 998}, 2, true},
        {{1920, 1497}, {0, 0, 1920, 1497}, 3, true},
        // A window dragged one pixel wider than twice the frame stays at twice.
        {{1281, 998}, {0, 0, 1280, 998}, 2, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Name(c.Area));
        const TSdlViewport v = TSdlViewport::For(FrameShown, c.Area);
        EXPECT_EQ(v.Shown, FrameShown);
        EXPECT_EQ(v.Picture, c.Picture);
        EXPECT_EQ(v.Whole, c.Whole);
        EXPECT_EQ(v.IsWhole(), c.IsWhole);
        // Nothing of the picture leaves the window, and it touches two opposite edges.
        EXPECT_EQ(v.Picture & TRect(0, 0, c.Area.cx, c.Area.cy), v.Picture);
        EXPECT_TRUE(v.Picture.Width() == c.Area.cx || v.Picture.Height() == c.Area.cy);
        // The whole-scale picture smoothed down from is never smaller than the picture.
        EXPECT_GE(FrameShown.Width() * v.Whole, v.Picture.Width());
        EXPECT_GE(FrameShown.Height() * v.Whole, v.Picture.Height());
    }
}

TEST(SdlViewportTest, EveryDesktopPixelComesBackFromTheHostPointThatShowsIt) {
    const TSize areas[] = {{1920, 1080}, {1366, 768}, {1280, 1024}, {3840, 2160}, {1001, 777},
                           {640, 499},   {1280, 998}, {1920, 1497}, {2000, 600},  {700, 1400}};
    for (const TSize area : areas) {
        SCOPED_TRACE(Name(area));
        const TSdlViewport v = TSdlViewport::For(FrameShown, area);
        int wrong = 0;
        for (i32 y = FrameShown.top; y < FrameShown.bottom; ++y) {
            for (i32 x = FrameShown.left; x < FrameShown.right; ++x) {
                const TPoint host = v.ToHost({x, y});
                if (!v.Picture.Contains(host) || v.ToDesktop(host.x, host.y) != TPoint(x, y))
                    ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0);
        // The pass line, clicked where the window shows it.
        const TPoint passLine{556, 465};
        const TPoint at = v.ToHost(passLine);
        EXPECT_EQ(v.ToDesktop(at.x, at.y), passLine);
    }
}

TEST(SdlViewportTest, HostPointsFallOnThePixelUnderThemAndOffThePictureOnItsEdge) {
    // Three times over at 1920 x 1497: each desktop pixel is a block of three.
    const TSdlViewport three = TSdlViewport::For(FrameShown, {1920, 1497});
    EXPECT_EQ(three.ToDesktop(0, 0), (TPoint{80, 41}));
    EXPECT_EQ(three.ToDesktop(2, 2), (TPoint{80, 41}));
    EXPECT_EQ(three.ToDesktop(3, 5), (TPoint{81, 42}));
    EXPECT_EQ(three.ToDesktop(1919, 1496), (TPoint{719, 539}));
    // Full-screen at 1920 x 1080: the black bars give the nearest edge of the picture.
    const TSdlViewport full = TSdlViewport::For(FrameShown, {1920, 1080});
    EXPECT_EQ(full.ToDesktop(0, 500), full.ToDesktop(267, 500));
    EXPECT_EQ(full.ToDesktop(266, 0).x, 80);
    EXPECT_EQ(full.ToDesktop(1919, 1079), (TPoint{719, 539}));
    EXPECT_EQ(full.ToDesktop(-50, -50), (TPoint{80, 41}));
    // Host pixels run through the desktop pixels in order, none skipped, at a scale of 2.16.
    i32 last = full.ToDesktop(full.Picture.left, 0).x;
    for (i32 x = full.Picture.left + 1; x < full.Picture.right; ++x) {
        const i32 d = full.ToDesktop(x, 0).x;
        ASSERT_TRUE(d == last || d == last + 1) << "host column " << x;
        last = d;
    }
    EXPECT_EQ(last, 719);
}

TEST(SdlViewportTest, APictureSmallerThanTheDesktopSkipsPixelsButStaysNearThem) {
    // 480 rows show 499: some desktop rows have no host row of their own, and the host row
    // nearest them stands in, never more than a row off.
    const TSdlViewport v = TSdlViewport::For(FrameShown, {640, 480});
    int exact = 0;
    for (i32 y = FrameShown.top; y < FrameShown.bottom; ++y) {
        const TPoint host = v.ToHost({300, y});
        ASSERT_TRUE(v.Picture.Contains(host)) << y;
        const i32 back = v.ToDesktop(host.x, host.y).y;
        EXPECT_LE(std::abs(back - y), 1) << y;
        exact += back == y;
    }
    EXPECT_EQ(exact, 480);
}

TEST(SdlViewportTest, TheWindowOpensAtAWholeScaleFromTwoUpAndFillsASmallerScreenInProportion) {
    struct TCase {
        TSize Usable;
        TSize Window;
    };
    const TCase cases[] = {
        // Twice the frame fits: the largest whole scale, whose pixels stay square and sharp.
        {{1920, 1050}, {1280, 998}},
        {{1920, 1080}, {1280, 998}},
        {{1280, 998}, {1280, 998}},
        {{2560, 1400}, {1280, 998}},
        {{3840, 2110}, {2560, 1996}},
        // 1366 x 768 and 1280 x 720 screens less a panel and a title bar: as tall as they
        // allow, in the frame's proportions. One row short of twice still fills the screen:
        // falling back to once there would halve the window for the want of a single row.
        {{1366, 728}, {934, 728}},
        {{1366, 700}, {898, 700}},
        {{1280, 690}, {885, 690}},
        {{1280, 650}, {834, 650}},
        {{1280, 997}, {1279, 997}},
        // Narrower than the frame's proportions: the width sets the size.
        {{900, 1000}, {900, 702}},
        // Smaller than the frame itself: once, never less.
        {{640, 480}, {640, 499}},
        {{0, 0}, {640, 499}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Name(c.Usable));
        const TSize window = TSdlViewport::FitWindow(FrameShown.Size(), c.Usable);
        EXPECT_EQ(window, c.Window);
        // The picture fills the window it opens: no bars.
        const TSdlViewport view = TSdlViewport::For(FrameShown, window);
        EXPECT_EQ(view.Picture, (TRect{0, 0, window.cx, window.cy}));
    }
}

} // namespace
