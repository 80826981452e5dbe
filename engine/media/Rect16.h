// TRect16: the media code's screen rectangle, four signed 16-bit values with exclusive right and
// bottom edges.
#pragma once

#include "platform/framework/Geometry.h"
#include "platform/host/Types.h"

#include <algorithm>
#include <limits>

struct TRect16 {
    i16 left = 0;
    i16 top = 0;
    i16 right = 0;
    i16 bottom = 0;

    constexpr TRect16() = default;
    // Values outside the 16-bit range are pinned to it rather than wrapped, so a far-off
    // rectangle stays far off instead of landing somewhere on the screen.
    constexpr TRect16(i32 l, i32 t, i32 r, i32 b)
        : left(Narrow(l)), top(Narrow(t)), right(Narrow(r)), bottom(Narrow(b)) {}
    explicit constexpr TRect16(const TRect& r) : TRect16(r.left, r.top, r.right, r.bottom) {}

    constexpr i32 Width() const { return right - left; }
    constexpr i32 Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return left >= right || top >= bottom; }
    // Strict: rectangles that only share an edge do not overlap.
    constexpr bool Overlaps(const TRect16& o) const {
        return right > o.left && left < o.right && bottom > o.top && top < o.bottom;
    }
    // The common part; empty (and then not normalised) when they do not overlap.
    constexpr TRect16 Intersect(const TRect16& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    constexpr TRect16 Union(const TRect16& o) const {
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    constexpr TRect ToRect() const { return {left, top, right, bottom}; }
    friend constexpr bool operator==(const TRect16&, const TRect16&) = default;

    static constexpr i16 Narrow(i32 v) {
        return static_cast<i16>(
            std::clamp<i32>(v, std::numeric_limits<i16>::min(), std::numeric_limits<i16>::max()));
    }
};
