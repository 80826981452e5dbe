// A spot's outline by its corners, the pixels it covers row by row, and the rectangles that cover
// what it adds to a set of rectangles.
#pragma once

#include "platform/framework/Geometry.h"
#include "platform/host/Types.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace table_outline {

// A corner on the pixels' grid: (x, y) is the top left corner of pixel (x, y).
struct TCorner {
    i16 X;
    i16 Y;
};

constexpr size_t MostCorners = 16;

// A closed outline, its corners in order; an edge runs from each corner to the next and from
// the last back to the first. A pixel lies inside when its centre does.
struct TSpotOutline {
    i16 Spot = -1;
    size_t Count = 0;
    std::array<TCorner, MostCorners> Corners{};
};

constexpr TSpotOutline Outline(i16 spot, std::initializer_list<TCorner> corners) {
    TSpotOutline outline;
    outline.Spot = spot;
    for (const TCorner& c : corners) {
        if (outline.Count == MostCorners)
            throw "an outline of more corners than MostCorners";
        outline.Corners[outline.Count++] = c;
    }
    return outline;
}

// The runs of one row of pixels, each from Left up to (not including) Right.
struct TRun {
    i32 Left = 0;
    i32 Right = 0;
};
constexpr size_t MostRuns = MostCorners / 2;
struct TRowRuns {
    size_t Count = 0;
    std::array<TRun, MostRuns + 4> Runs{};
};

// The first pixel whose centre lies at or right of where the edge from a to b crosses the row's
// centre line, y + 1/2: in halves of a pixel, so that the crossing is exact.
constexpr i32 FirstRightOfCrossing(const TCorner& a, const TCorner& b, i32 y) {
    const i64 sign = b.Y < a.Y ? -1 : 1;
    // The crossing's x is num / den, den > 0.
    const i64 den = 2 * i64{b.Y - a.Y} * sign;
    const i64 num = (den * a.X + (2 * i64{y} + 1 - 2 * i64{a.Y}) * (b.X - a.X) * sign);
    // The first x with x + 1/2 >= num / den, rounding up.
    const i64 over = 2 * num - den;
    const i64 twice = 2 * den;
    return static_cast<i32>(over >= 0 ? (over + twice - 1) / twice : -((-over) / twice));
}

// The pixels of row y inside the outline, left to right.
constexpr TRowRuns RowOf(const TSpotOutline& outline, i32 y) {
    std::array<i32, MostCorners> crossings{};
    size_t n = 0;
    for (size_t i = 0; i < outline.Count; ++i) {
        const TCorner& a = outline.Corners[i];
        const TCorner& b = outline.Corners[(i + 1) % outline.Count];
        // The centre line y + 1/2 never meets a corner: an edge crosses it or not.
        if ((a.Y <= y) != (b.Y <= y))
            crossings[n++] = FirstRightOfCrossing(a, b, y);
    }
    for (size_t i = 1; i < n; ++i)
        for (size_t j = i; j > 0 && crossings[j - 1] > crossings[j]; --j)
            std::swap(crossings[j - 1], crossings[j]);
    TRowRuns row;
    for (size_t i = 0; i + 1 < n; i += 2)
        if (crossings[i] < crossings[i + 1])
            row.Runs[row.Count++] = {crossings[i], crossings[i + 1]};
    return row;
}

constexpr bool Holds(const TSpotOutline& outline, i32 x, i32 y) {
    const TRowRuns row = RowOf(outline, y);
    for (size_t i = 0; i < row.Count; ++i)
        if (x >= row.Runs[i].Left && x < row.Runs[i].Right)
            return true;
    return false;
}

// The rows the outline spans: from the top of its highest corner to the bottom of its lowest.
constexpr TRect RowsOf(const TSpotOutline& outline) {
    TRect span{0, 0, 0, 0};
    for (size_t i = 0; i < outline.Count; ++i) {
        const TCorner& c = outline.Corners[i];
        if (i == 0 || c.Y < span.top)
            span.top = c.Y;
        if (i == 0 || c.Y > span.bottom)
            span.bottom = c.Y;
    }
    return span;
}

// The row's runs less a rectangle.
constexpr TRowRuns Less(const TRowRuns& row, const TRect& cut, i32 y) {
    if (y < cut.top || y >= cut.bottom)
        return row;
    TRowRuns out;
    for (size_t i = 0; i < row.Count; ++i) {
        const TRun& r = row.Runs[i];
        if (cut.right <= r.Left || cut.left >= r.Right) {
            out.Runs[out.Count++] = r;
            continue;
        }
        if (r.Left < cut.left)
            out.Runs[out.Count++] = {r.Left, cut.left};
        if (cut.right < r.Right)
            out.Runs[out.Count++] = {cut.right, r.Right};
        if (out.Count > MostRuns)
            throw "a row cut into more runs than MostRuns";
    }
    return out;
}

struct TPiece {
    i16 Spot;
    TRect Rect;
};

// The outlines' pixels that no rectangle of a spot covers, as rectangles: each outline row by
// row, a run that goes on unchanged from the row above growing the rectangle above. With
// pieces null, only counts them.
template <typename TOutlines, typename TOwn>
constexpr size_t MakePieces(const TOutlines& outlines, const TOwn& own, TPiece* pieces) {
    size_t count = 0;
    for (const TSpotOutline& outline : outlines) {
        const TRect rows = RowsOf(outline);
        // The pieces still open from the row above: their place among the pieces.
        std::array<size_t, MostRuns + 4> open{};
        std::array<TRun, MostRuns + 4> openRuns{};
        size_t openCount = 0;
        for (i32 y = rows.top; y < rows.bottom; ++y) {
            TRowRuns row = RowOf(outline, y);
            for (const auto& region : own)
                if (region.Spot >= 0)
                    row = Less(row, region.Rect, y);
            std::array<size_t, MostRuns + 4> next{};
            std::array<TRun, MostRuns + 4> nextRuns{};
            size_t nextCount = 0;
            for (size_t i = 0; i < row.Count; ++i) {
                const TRun& run = row.Runs[i];
                size_t at = count;
                for (size_t j = 0; j < openCount; ++j)
                    if (openRuns[j].Left == run.Left && openRuns[j].Right == run.Right)
                        at = open[j];
                if (at == count) {
                    if (pieces != nullptr)
                        pieces[count] = {outline.Spot, TRect{run.Left, y, run.Right, y + 1}};
                    ++count;
                } else if (pieces != nullptr) {
                    pieces[at].Rect.bottom = y + 1;
                }
                next[nextCount] = at;
                nextRuns[nextCount++] = run;
            }
            open = next;
            openRuns = nextRuns;
            openCount = nextCount;
        }
    }
    return count;
}

template <size_t Count, size_t N, typename TOwn>
constexpr std::array<TPiece, Count> Pieces(const std::array<TSpotOutline, N>& outlines,
                                           const TOwn& own) {
    std::array<TPiece, Count> pieces{};
    MakePieces(outlines, own, pieces.data());
    return pieces;
}

} // namespace table_outline
