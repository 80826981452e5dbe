// A set of non-overlapping rectangles: the visible part of a window, for clipping.
#pragma once

#include "platform/framework/Geometry.h"

#include <vector>

class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& r) {
        if (!r.IsEmpty())
            Rects.push_back(r);
    }

    void Subtract(const TRect& cut);
    void Intersect(const TRect& clip);
    // Keeps what lies in any of the rectangles, each moved by offset; the rectangles must not
    // overlap one another, or the region's own would.
    void IntersectParts(const std::vector<TRect>& parts, const TPoint& offset);
    bool IsEmpty() const { return Rects.empty(); }
    bool Contains(const TPoint& p) const;
    TRect Bounds() const;
    const std::vector<TRect>& GetRects() const { return Rects; }

private:
    std::vector<TRect> Rects;
};
