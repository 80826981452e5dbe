// The spots' outlines as pixels: which pixels an edge takes, outlines that share an edge, and the
// rectangles made of what an outline adds to the rectangles it holds.
#include "craps/bets/OutlineRaster.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using table_outline::Holds;
using table_outline::Outline;
using table_outline::TSpotOutline;

struct TOwnRect {
    i16 Spot;
    TRect Rect;
};

TEST(OutlineRaster, ASlantedEdgeTakesThePixelsWhoseCentresLieInside) {
    // From (4, 0) down to (0, 8): the edge crosses row y's centre line at 4 - (y + 1/2) / 2.
    const TSpotOutline wedge = Outline(0, {{0, 0}, {4, 0}, {0, 8}});
    const std::array<i32, 8> right = {4, 3, 3, 2, 2, 1, 1, 0};
    for (i32 y = 0; y < 8; ++y) {
        const table_outline::TRowRuns row = table_outline::RowOf(wedge, y);
        if (right[static_cast<size_t>(y)] == 0) {
            EXPECT_EQ(row.Count, 0U) << y;
            continue;
        }
        ASSERT_EQ(row.Count, 1U) << y;
        EXPECT_EQ(row.Runs[0].Left, 0) << y;
        EXPECT_EQ(row.Runs[0].Right, right[static_cast<size_t>(y)]) << y;
    }
}

TEST(OutlineRaster, TwoOutlinesOnOneEdgeShareNoPixelAndLeaveNoneOut) {
    // A square cut corner to corner, and by a steeper edge through a pixel's centre.
    const std::vector<std::array<TSpotOutline, 2>> cuts = {
        {Outline(0, {{0, 0}, {6, 0}, {6, 6}}), Outline(1, {{0, 0}, {6, 6}, {0, 6}})},
        {Outline(0, {{0, 0}, {6, 0}, {6, 6}, {5, 6}}), Outline(1, {{0, 0}, {5, 6}, {0, 6}})},
        {Outline(0, {{0, 0}, {6, 0}, {6, 6}, {1, 6}}), Outline(1, {{0, 0}, {1, 6}, {0, 6}})},
    };
    for (size_t c = 0; c < cuts.size(); ++c)
        for (i32 y = 0; y < 6; ++y)
            for (i32 x = 0; x < 6; ++x)
                EXPECT_NE(Holds(cuts[c][0], x, y), Holds(cuts[c][1], x, y))
                    << "cut " << c << " at " << x << "," << y;
}

TEST(OutlineRaster, ThePiecesCoverWhatTheOutlineAddsToTheRectanglesOnce) {
    // A ring round an own rectangle of the spot, one row cut short by another spot's, and a
    // slanted foot.
    const std::array<TSpotOutline, 1> outlines = {
        Outline(0, {{0, 0}, {10, 0}, {10, 10}, {6, 14}, {0, 14}})};
    const std::array<TOwnRect, 2> own = {{{0, {2, 2, 8, 8}}, {1, {9, 4, 12, 5}}}};
    const size_t count = table_outline::MakePieces(outlines, own, nullptr, 0);
    std::vector<table_outline::TPiece> pieces(count);
    ASSERT_EQ(table_outline::MakePieces(outlines, own, pieces.data(), count), count);
    for (i32 y = -1; y < 16; ++y)
        for (i32 x = -1; x < 13; ++x) {
            int covering = 0;
            for (const table_outline::TPiece& p : pieces)
                covering += p.Rect.Contains(TPoint{x, y}) ? 1 : 0;
            const bool owned =
                own[0].Rect.Contains(TPoint{x, y}) || own[1].Rect.Contains(TPoint{x, y});
            EXPECT_EQ(covering, Holds(outlines[0], x, y) && !owned ? 1 : 0) << x << "," << y;
        }
    for (const table_outline::TPiece& p : pieces)
        EXPECT_EQ(p.Spot, 0);
    // Rows that run on unchanged make one piece: the top two rows, the left side all down the own
    // rectangle, the right side above, on and below the other spot's row, the two rows below the
    // own rectangle, and each row of the foot, where the slant changes the run.
    EXPECT_EQ(pieces[0].Rect, (TRect{0, 0, 10, 2}));
    EXPECT_EQ(pieces[1].Rect, (TRect{0, 2, 2, 8}));
    EXPECT_EQ(count, 1U + 1U + 3U + 1U + 4U);
}

} // namespace
