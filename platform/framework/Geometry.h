// Points, sizes and rectangles in pixels, with the old system's edge rules.
#pragma once

#include "platform/host/Types.h"

#include <algorithm>

struct TPoint {
    i32 x = 0;
    i32 y = 0;

    constexpr TPoint() = default;
    constexpr TPoint(i32 px, i32 py) : x(px), y(py) {}
    constexpr TPoint Offset(i32 dx, i32 dy) const { return {x + dx, y + dy}; }
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    i32 cx = 0;
    i32 cy = 0;

    constexpr TSize() = default;
    constexpr TSize(i32 w, i32 h) : cx(w), cy(h) {}
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

// Half-open on the right and bottom: a point on the right or bottom edge is outside.
struct TRect {
    i32 left = 0;
    i32 top = 0;
    i32 right = 0;
    i32 bottom = 0;

    constexpr TRect() = default;
    constexpr TRect(i32 l, i32 t, i32 r, i32 b) : left(l), top(t), right(r), bottom(b) {}
    constexpr TRect(const TPoint& origin, const TSize& size)
        : left(origin.x), top(origin.y), right(origin.x + size.cx), bottom(origin.y + size.cy) {}

    constexpr i32 Width() const { return right - left; }
    constexpr i32 Height() const { return bottom - top; }
    constexpr TSize Size() const { return {Width(), Height()}; }
    constexpr TPoint TopLeft() const { return {left, top}; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(const TPoint& p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr bool Touches(const TRect& r) const {
        return !IsEmpty() && !r.IsEmpty() && r.left < right && left < r.right && r.top < bottom &&
               top < r.bottom;
    }
    constexpr TRect OffsetBy(i32 dx, i32 dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    constexpr TRect operator&(const TRect& r) const {
        TRect out{std::max(left, r.left), std::max(top, r.top), std::min(right, r.right),
                  std::min(bottom, r.bottom)};
        return out.IsEmpty() ? TRect{} : out;
    }
    // The bounding box; an empty rectangle adds nothing.
    constexpr TRect operator|(const TRect& r) const {
        if (IsEmpty())
            return r.IsEmpty() ? TRect{} : r;
        if (r.IsEmpty())
            return *this;
        return {std::min(left, r.left), std::min(top, r.top), std::max(right, r.right),
                std::max(bottom, r.bottom)};
    }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};
