// A window invalidated in separate pieces paints and shows those pieces, not the box around them.
#include "FrameFixture.h"

#include "platform/framework/draw/Dc.h"
#include "platform/framework/draw/Region.h"

#include <gtest/gtest.h>

namespace {

// Paints its whole client area in one colour; the clip decides what changes.
class TFiller : public TTestClient {
public:
    void Paint(TDC& dc, bool erase, TRect& rect) override {
        TTestClient::Paint(dc, erase, rect);
        dc.FillSolidRect({0, 0, 640, 480}, Colour);
    }
    u32 Colour = 0xFF112233U;
};

class PaintParts : public FrameFixture {
protected:
    void SetUp() override {
        Filler = new TFiller;
        MakeFrame({.Client = Filler});
        Origin = Fx.Desktop().ClientToScreen(Filler, {0, 0});
    }
    // Where the desktop and what the backend shows hold the colour, in client pixels.
    bool Painted(i32 x, i32 y) {
        return Fx.Desktop().GetScreen().GetPixel(Origin.x + x, Origin.y + y) == Filler->Colour;
    }
    bool Shown(i32 x, i32 y) {
        return Fx.Backend().GetScreen().GetPixel(Origin.x + x, Origin.y + y) == Filler->Colour;
    }

    TFiller* Filler = nullptr;
    TPoint Origin;
};

TEST_F(PaintParts, TwoPiecesPaintAndShowOnlyThemselves) {
    App.PumpWaitingMessages();
    Filler->Colour = 0xFF445566U;
    const u32 presents = Fx.Backend().GetPresentCount();
    Filler->InvalidateRect({10, 10, 20, 20}, false);
    Filler->InvalidateRect({100, 200, 110, 210}, false);
    Filler->UpdateWindow();
    // The painter is told the box; the clip holds the pieces.
    EXPECT_EQ(Filler->PaintRect, TRect(10, 10, 110, 210));
    for (const TPoint p : {TPoint{10, 10}, TPoint{19, 19}, TPoint{100, 200}, TPoint{109, 209}}) {
        EXPECT_TRUE(Painted(p.x, p.y)) << p.x << "," << p.y;
        EXPECT_TRUE(Shown(p.x, p.y)) << p.x << "," << p.y;
    }
    for (const TPoint p : {TPoint{50, 50}, TPoint{20, 20}, TPoint{100, 20}, TPoint{15, 205}}) {
        EXPECT_FALSE(Painted(p.x, p.y)) << p.x << "," << p.y;
        EXPECT_FALSE(Shown(p.x, p.y)) << p.x << "," << p.y;
    }
    // One frame shown, however many pieces.
    EXPECT_EQ(Fx.Backend().GetPresentCount(), presents + 1);
}

TEST_F(PaintParts, OverlappingPiecesJoinAndManyBecomeTheirBox) {
    App.PumpWaitingMessages();
    Filler->Colour = 0xFF445566U;
    // Two that overlap become their box (so the corner between them paints too); a third far
    // off stays apart. The loop paints them as UpdateWindow does.
    Filler->InvalidateRect({10, 10, 30, 30}, false);
    Filler->InvalidateRect({20, 20, 40, 40}, false);
    Filler->InvalidateRect({300, 300, 310, 310}, false);
    App.PumpWaitingMessages();
    EXPECT_TRUE(Shown(35, 12));
    EXPECT_TRUE(Shown(12, 35));
    EXPECT_TRUE(Shown(305, 305));
    EXPECT_FALSE(Shown(100, 100));
    // Past the pieces a window keeps, the box is painted whole.
    Filler->Colour = 0xFF778899U;
    for (i32 i = 0; i < 20; ++i)
        Filler->InvalidateRect({i * 30, i * 20, i * 30 + 2, i * 20 + 2}, false);
    Filler->UpdateWindow();
    EXPECT_TRUE(Shown(1, 1));
    EXPECT_TRUE(Shown(300, 100));
    EXPECT_TRUE(Shown(571, 381));
}

TEST_F(PaintParts, ValidatingDropsThePieces) {
    App.PumpWaitingMessages();
    Filler->Colour = 0xFF445566U;
    Filler->InvalidateRect({10, 10, 20, 20}, false);
    ASSERT_TRUE(Fx.Desktop().ValidateRect(Filler));
    Filler->InvalidateRect({100, 100, 110, 110}, false);
    Filler->UpdateWindow();
    EXPECT_TRUE(Shown(105, 105));
    EXPECT_FALSE(Shown(15, 15));
}

TEST(TRegionParts, KeepsWhatLiesInAnyPieceMoved) {
    TRegion r(TRect{0, 0, 100, 100});
    r.Subtract({40, 0, 60, 100});
    r.IntersectParts({{0, 0, 10, 10}, {45, 80, 90, 90}}, {5, 5});
    // The first piece lands at 5..15; the second at 50..95 x 85..95, less the cut column.
    EXPECT_TRUE(r.Contains({5, 5}));
    EXPECT_TRUE(r.Contains({14, 14}));
    EXPECT_FALSE(r.Contains({15, 15}));
    EXPECT_FALSE(r.Contains({55, 90}));
    EXPECT_TRUE(r.Contains({60, 90}));
    EXPECT_TRUE(r.Contains({94, 94}));
    EXPECT_FALSE(r.Contains({30, 50}));
    i64 area = 0;
    for (const TRect& p : r.GetRects())
        area += static_cast<i64>(p.Width()) * p.Height();
    EXPECT_EQ(area, 10 * 10 + 35 * 10);
}

} // namespace
