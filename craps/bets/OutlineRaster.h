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
// Room for a row's runs: a cut that splits a run writes past MostRuns before the count is checked.
constexpr size_t RunRoom = MostRuns + 4;
// The most spots' rectangles one outline may meet.
constexpr size_t MostCuts = 64;

struct TRowRuns {
    size_t Count = 0;
    std::array<TRun, RunRoom> Runs{};
    // Whether every edge across the row is upright: the rows below are the same up to the next
    // corner.
    bool Upright = true;
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
    TRowRuns row;
    for (size_t i = 0; i < outline.Count; ++i) {
        const TCorner& a = outline.Corners[i];
        const TCorner& b = outline.Corners[(i + 1) % outline.Count];
        // The centre line y + 1/2 never meets a corner: an edge crosses it or not.
        if ((a.Y <= y) != (b.Y <= y)) {
            crossings[n++] = a.X == b.X ? a.X : FirstRightOfCrossing(a, b, y);
            row.Upright = row.Upright && a.X == b.X;
        }
    }
    for (size_t i = 1; i < n; ++i)
        for (size_t j = i; j > 0 && crossings[j - 1] > crossings[j]; --j)
            std::swap(crossings[j - 1], crossings[j]);
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

// The row's runs less a rectangle that covers the row from left to right.
constexpr void CutRow(TRowRuns& row, i32 left, i32 right) {
    TRowRuns out;
    out.Upright = row.Upright;
    for (size_t i = 0; i < row.Count; ++i) {
        const TRun& r = row.Runs[i];
        if (right <= r.Left || left >= r.Right) {
            out.Runs[out.Count++] = r;
            continue;
        }
        if (r.Left < left)
            out.Runs[out.Count++] = {r.Left, left};
        if (right < r.Right)
            out.Runs[out.Count++] = {right, r.Right};
        if (out.Count > MostRuns)
            throw "a row cut into more runs than MostRuns";
    }
    row = out;
}

struct TPiece {
    i16 Spot;
    TRect Rect;
};

// The outlines' pixels that no rectangle of a spot covers, as rectangles: each outline row by
// row, a run that goes on unchanged from the row above growing the rectangle above. Writes at
// most room pieces (none with pieces null) and returns how many there are.
template <typename TOutlines, typename TOwn>
constexpr size_t MakePieces(const TOutlines& outlines, const TOwn& own, TPiece* pieces,
                            size_t room) {
    size_t count = 0;
    for (const TSpotOutline& outline : outlines) {
        const TRect rows = RowsOf(outline);
        i32 left = 0;
        i32 right = 0;
        for (size_t i = 0; i < outline.Count; ++i) {
            left = i == 0 || outline.Corners[i].X < left ? outline.Corners[i].X : left;
            right = i == 0 || outline.Corners[i].X > right ? outline.Corners[i].X : right;
        }
        // The spots' rectangles the outline meets.
        std::array<TRect, MostCuts> cuts{};
        size_t cutCount = 0;
        for (const auto& region : own) {
            const TRect& r = region.Rect;
            if (region.Spot < 0 || r.right <= left || r.left >= right || r.bottom <= rows.top ||
                r.top >= rows.bottom)
                continue;
            if (cutCount == cuts.size())
                throw "an outline over more rectangles than there is room for";
            cuts[cutCount++] = r;
        }
        // The pieces still open from the row above: their place among the pieces and run.
        std::array<size_t, RunRoom> open{};
        TRowRuns openRuns;
        for (i32 y = rows.top; y < rows.bottom; ++y) {
            TRowRuns row = RowOf(outline, y);
            for (size_t c = 0; c < cutCount; ++c)
                if (y >= cuts[c].top && y < cuts[c].bottom)
                    CutRow(row, cuts[c].left, cuts[c].right);
            std::array<size_t, RunRoom> next{};
            for (size_t i = 0; i < row.Count; ++i) {
                const TRun& run = row.Runs[i];
                size_t at = count;
                for (size_t j = 0; j < openRuns.Count; ++j)
                    if (openRuns.Runs[j].Left == run.Left && openRuns.Runs[j].Right == run.Right)
                        at = open[j];
                if (at == count) {
                    if (pieces != nullptr) {
                        if (count == room)
                            throw "more pieces than there is room for";
                        pieces[count] = {outline.Spot, TRect{run.Left, y, run.Right, y + 1}};
                    }
                    ++count;
                } else if (pieces != nullptr) {
                    pieces[at].Rect.bottom = y + 1;
                }
                next[i] = at;
            }
            open = next;
            openRuns = row;
            // Up to the next corner or rectangle's edge, an upright row repeats.
            if (row.Upright) {
                i32 until = rows.bottom;
                for (size_t i = 0; i < outline.Count; ++i)
                    if (outline.Corners[i].Y > y && outline.Corners[i].Y < until)
                        until = outline.Corners[i].Y;
                for (size_t c = 0; c < cutCount; ++c) {
                    if (cuts[c].top > y && cuts[c].top < until)
                        until = cuts[c].top;
                    if (cuts[c].bottom > y && cuts[c].bottom < until)
                        until = cuts[c].bottom;
                }
                if (pieces != nullptr)
                    for (size_t i = 0; i < row.Count; ++i)
                        pieces[open[i]].Rect.bottom = until;
                y = until - 1;
            }
        }
    }
    return count;
}

// The pieces made at once, in a list of fixed room.
template <size_t Room> struct TPieceList {
    size_t Count = 0;
    std::array<TPiece, Room> Pieces{};
};

template <size_t Room, typename TOutlines, typename TOwn>
constexpr TPieceList<Room> PieceList(const TOutlines& outlines, const TOwn& own) {
    TPieceList<Room> list;
    list.Count = MakePieces(outlines, own, list.Pieces.data(), Room);
    return list;
}

} // namespace table_outline
