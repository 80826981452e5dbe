// Rectangle-list arithmetic for clipping regions.
#include "Region.h"

void TRegion::Subtract(const TRect& cut) {
    if (cut.IsEmpty())
        return;
    std::vector<TRect> out;
    out.reserve(Rects.size() + 3);
    for (const TRect& r : Rects) {
        if (!r.Touches(cut)) {
            out.push_back(r);
            continue;
        }
        // Up to four pieces: the bands above and below the cut, then the sides within it.
        if (cut.top > r.top)
            out.push_back({r.left, r.top, r.right, cut.top});
        if (cut.bottom < r.bottom)
            out.push_back({r.left, cut.bottom, r.right, r.bottom});
        const i32 top = std::max(r.top, cut.top);
        const i32 bottom = std::min(r.bottom, cut.bottom);
        if (cut.left > r.left)
            out.push_back({r.left, top, cut.left, bottom});
        if (cut.right < r.right)
            out.push_back({cut.right, top, r.right, bottom});
    }
    Rects = std::move(out);
}

void TRegion::Intersect(const TRect& clip) {
    std::vector<TRect> out;
    for (const TRect& r : Rects) {
        const TRect piece = r & clip;
        if (!piece.IsEmpty())
            out.push_back(piece);
    }
    Rects = std::move(out);
}

void TRegion::IntersectParts(const std::vector<TRect>& parts, const TPoint& offset) {
    if (parts.size() == 1) {
        Intersect(parts.front().OffsetBy(offset.x, offset.y));
        return;
    }
    std::vector<TRect> out;
    for (const TRect& r : Rects)
        for (const TRect& p : parts) {
            const TRect piece = r & p.OffsetBy(offset.x, offset.y);
            if (!piece.IsEmpty())
                out.push_back(piece);
        }
    Rects = std::move(out);
}

bool TRegion::Contains(const TPoint& p) const {
    for (const TRect& r : Rects)
        if (r.Contains(p))
            return true;
    return false;
}

TRect TRegion::Bounds() const {
    TRect b;
    for (const TRect& r : Rects)
        b = b | r;
    return b;
}
