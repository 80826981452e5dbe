// Rectangle edges and the clipping region's subtraction.
#include "platform/framework/draw/Region.h"

#include <gtest/gtest.h>

namespace {

i64 Area(const TRegion& r) {
    i64 a = 0;
    for (const TRect& p : r.GetRects())
        a += static_cast<i64>(p.Width()) * p.Height();
    return a;
}

TEST(TRectTest, RightAndBottomEdgesAreOutside) {
    const TRect r{10, 20, 30, 40};
    EXPECT_TRUE(r.Contains({10, 20}));
    EXPECT_TRUE(r.Contains({29, 39}));
    EXPECT_FALSE(r.Contains({30, 20}));
    EXPECT_FALSE(r.Contains({10, 40}));
    EXPECT_FALSE(r.Contains({9, 20}));
}

TEST(TRectTest, IntersectionAndBoundingBox) {
    const TRect a{0, 0, 10, 10};
    const TRect b{5, 5, 20, 20};
    EXPECT_EQ((a & b), TRect(5, 5, 10, 10));
    EXPECT_EQ((a | b), TRect(0, 0, 20, 20));
    EXPECT_TRUE((a & TRect(10, 0, 20, 10)).IsEmpty());
    EXPECT_EQ((TRect{} | b), b);
}

TEST(TRegionTest, SubtractingAHoleLeavesTheFrameAroundIt) {
    TRegion r(TRect{0, 0, 100, 100});
    r.Subtract({25, 25, 75, 75});
    EXPECT_EQ(Area(r), 100 * 100 - 50 * 50);
    EXPECT_FALSE(r.Contains({50, 50}));
    EXPECT_TRUE(r.Contains({10, 50}));
    EXPECT_TRUE(r.Contains({80, 80}));
    // The pieces never overlap: their areas add up to the covered area.
    for (size_t i = 0; i < r.GetRects().size(); ++i)
        for (size_t j = i + 1; j < r.GetRects().size(); ++j)
            EXPECT_FALSE(r.GetRects()[i].Touches(r.GetRects()[j]));
}

TEST(TRegionTest, SubtractAndIntersectCases) {
    struct Case {
        TRect Cut;
        i64 Left;
    } cases[] = {
        {{0, 0, 100, 100}, 0},         // everything
        {{200, 200, 300, 300}, 10000}, // nothing
        {{-10, -10, 50, 110}, 5000},   // the left half
        {{0, 90, 100, 120}, 9000},     // a band at the bottom
    };
    for (const Case& c : cases) {
        TRegion r(TRect{0, 0, 100, 100});
        r.Subtract(c.Cut);
        EXPECT_EQ(Area(r), c.Left) << c.Cut.left << "," << c.Cut.top;
    }
    TRegion r(TRect{0, 0, 100, 100});
    r.Subtract({40, 40, 60, 60});
    r.Intersect({0, 0, 50, 50});
    EXPECT_EQ(Area(r), 2500 - 100);
    EXPECT_EQ(r.Bounds(), TRect(0, 0, 50, 50));
}

} // namespace
