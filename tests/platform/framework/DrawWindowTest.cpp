// Drawing in a window's paint handler on the desktop: the paint DC's default objects, its
// origin at the client area, and windows above it cutting its drawing away.
#include "platform/framework/WinApi.h"
#include "platform/framework/draw/Dc.h"
#include "platform/framework/window/Window.h"
#include "platform/headless/HeadlessBackend.h"

#include "support/Golden.h"

#include <gtest/gtest.h>

namespace {

// A small bar chart drawn the way the statistics graph draws: nothing selected, so the
// DC's own pen, brush and font serve.
class TChart : public TWindow {
public:
    TChart() : TWindow(nullptr, "Chart") {
        Attr.Style = WS_POPUP | WS_VISIBLE;
        Attr.X = 50;
        Attr.Y = 40;
        Attr.W = 300;
        Attr.H = 200;
    }

    void Paint(TDC& dc, bool, TRect&) override {
        const TRect frame{10, 10, 290, 190};
        dc.Rectangle(frame);
        TEXTMETRIC tm;
        dc.GetTextMetrics(tm);
        const TPoint origin{frame.left + 40, frame.bottom - 45};
        i32 digit[2];
        dc.GetCharWidth('0', '1', digit);
        const i32 step = (frame.right - 10 - origin.x) / 10;
        for (i32 i = 0; i < 10; ++i) {
            const i32 x = origin.x + (i + 1) * step;
            dc.MoveTo(x, origin.y - 3);
            dc.LineTo(x, origin.y + 3);
            const std::string label = std::to_string(i + 1);
            dc.TextOut(x - step / 2 - digit[0] * static_cast<i32>(label.size()) / 2,
                       origin.y + (i % 2 == 0 ? 2 : 4), label);
        }
        dc.SetBkMode(TRANSPARENT);
        const std::string title = "Session Number";
        const TSize extent = dc.GetTextExtent(title);
        dc.TextOut((frame.Width() - extent.cx) / 2 + frame.left, frame.bottom - 22, title);
        TBrush up(TColor(7, 103, 0));
        TBrush down(TColor(179, 0, 0));
        const i32 values[] = {30, -12, 55, 80, -40, 10, 0, 65, -5, 20};
        for (i32 i = 0; i < 10; ++i) {
            TRect bar{origin.x + i * step, origin.y - 50 - values[i], origin.x + (i + 1) * step,
                      origin.y - 50};
            if (bar.top > bar.bottom)
                std::swap(bar.top, bar.bottom);
            dc.FillRect(bar, values[i] >= 0 ? up : down);
        }
        dc.MoveTo(origin.x, origin.y - 50);
        dc.LineTo(origin.x + 10 * step, origin.y - 50);
        dc.MoveTo(origin);
        dc.LineTo(origin.x, frame.top + 5);
        dc.TextOut(origin.x - 3 * tm.tmAveCharWidth, origin.y - 50 - tm.tmHeight / 2, "0");
    }
};

class TCover : public TWindow {
public:
    TCover() : TWindow(nullptr, "Cover") {
        Attr.Style = WS_POPUP | WS_VISIBLE;
        Attr.X = 300;
        Attr.Y = 200;
        Attr.W = 100;
        Attr.H = 100;
    }
    void Paint(TDC& dc, bool, TRect&) override { dc.FillSolidRect({0, 0, 100, 100}, 0xFF808080U); }
};

TEST(DrawWindowTest, APaintHandlerDrawsInItsClientAreaWithTheDefaultObjects) {
    THeadlessSession session;
    TChart chart;
    ASSERT_TRUE(chart.Create());
    UpdateWindow(chart.GetHandle());
    const TScreenSurface& screen = TDesktop::Get().GetScreen();
    EXPECT_TRUE(MatchesGolden(screen, "draw_graph", TRect{50, 40, 350, 240}));
    // The frame's corner lands at the client origin, and nothing falls outside the window.
    EXPECT_EQ(screen.GetPixel(60, 50), 0xFF000000U);
    EXPECT_EQ(screen.GetPixel(49, 50), TDesktop::DesktopColor);
    EXPECT_EQ(screen.GetPixel(350, 100), TDesktop::DesktopColor);
    chart.Destroy();
}

TEST(DrawWindowTest, AWindowAboveCutsAwayWhatIsDrawnBelowIt) {
    THeadlessSession session;
    TChart chart;
    ASSERT_TRUE(chart.Create());
    UpdateWindow(chart.GetHandle());
    TCover cover;
    ASSERT_TRUE(cover.Create());
    UpdateWindow(cover.GetHandle());
    {
        // Drawing through a client DC of the window below stops at the window above.
        TClientDC dc(chart.GetHandle());
        dc.FillSolidRect({0, 0, 300, 200}, 0xFFFF00FFU);
    }
    const TScreenSurface& screen = TDesktop::Get().GetScreen();
    EXPECT_EQ(screen.GetPixel(299, 199), 0xFFFF00FFU);
    EXPECT_EQ(screen.GetPixel(300, 200), 0xFF808080U);
    EXPECT_EQ(screen.GetPixel(349, 239), 0xFF808080U);
    {
        // The window DC's origin is the window's own corner; the screen DC's the screen's.
        TWindowDC window(chart.GetHandle());
        TPoint origin;
        ASSERT_TRUE(window.GetDCOrg(origin));
        EXPECT_EQ(origin, TPoint(50, 40));
        TScreenDC whole;
        ASSERT_TRUE(whole.GetDCOrg(origin));
        EXPECT_EQ(origin, TPoint(0, 0));
        EXPECT_EQ(whole.GetPixel(300, 200).GetValue(), RGB(128, 128, 128));
    }
    cover.Destroy();
    chart.Destroy();
}

} // namespace
