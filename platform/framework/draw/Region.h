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
    bool IsEmpty() const { return Rects.empty(); }
    bool Contains(const TPoint& p) const;
    TRect Bounds() const;
    const std::vector<TRect>& GetRects() const { return Rects; }

private:
    std::vector<TRect> Rects;
};
