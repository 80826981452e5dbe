// The drawn layout over the click regions: boxes grown from the regions, the bands' joints, and
// the places of the seats' piles, which keep clear of every spot's lettering.
#include "tools/databuild/model/TableDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// Whether the pixel lies on a region of another spot than the region's own, other than on the
// pixels the region shares with an overlapping neighbour.
bool OnAnotherSpot(const TClickRegion& own, i32 x, i32 y) {
    for (const TClickRegion& other : ClickRegions()) {
        if (other.Spot < 0 || other.Spot == own.Spot || !other.Box.Contains(x, y))
            continue;
        if (RegionsMayOverlap(own.Id, other.Id) && own.Box.Contains(x, y))
            continue;
        return true;
    }
    return false;
}

// Whether the border line along one side of the frame (0 left, 1 top, 2 right, 3 bottom) would
// lie on another spot's region.
bool SideOnAnotherSpot(const TClickRegion& own, const TBox& f, int side) {
    const bool upright = side == 0 || side == 2;
    const i32 at = side == 0 ? f.L : side == 1 ? f.T : side == 2 ? f.R - 1 : f.B - 1;
    const i32 from = upright ? f.T : f.L;
    const i32 to = upright ? f.B : f.R;
    for (i32 i = from; i < to; ++i)
        if (upright ? OnAnotherSpot(own, at, i) : OnAnotherSpot(own, i, at))
            return true;
    return false;
}

TBox FrameOf(const TClickRegion& region) {
    const TBox& r = region.Box;
    TBox f{r.L - 1, r.T - 1, r.R + 1, r.B + 1};
    // A side pulled in shortens the sides across it, so a second pass sees the final lines.
    for (int pass = 0; pass < 2; ++pass)
        for (int side = 0; side < 4; ++side) {
            if (!SideOnAnotherSpot(region, f, side))
                continue;
            if (side == 0)
                f.L = r.L;
            else if (side == 1)
                f.T = r.T;
            else if (side == 2)
                f.R = r.R;
            else
                f.B = r.B;
        }
    return f;
}

std::vector<TDrawnBox> MakeBoxes() {
    std::vector<TDrawnBox> boxes;
    for (const TClickRegion& region : ClickRegions())
        if (region.Spot >= 0)
            boxes.push_back({region.Id, FrameOf(region)});
    return boxes;
}

// The pass line's pieces: 22 along the bottom, 65 up the right side, 66 above it; don't pass's
// bar 23 and its lowest step 67.
std::vector<TJoint> MakeJoints() {
    TOutline bend = {{593, 390}, {635, 390}, {635, 399}};
    // The band's outer edge turns the corner in a quarter circle.
    constexpr double Radius = 19;
    for (int i = 1; i < 8; ++i) {
        const double a = std::numbers::pi / 2 * i / 8;
        bend.push_back({635 - Radius + Radius * std::cos(a), 399 + Radius * std::sin(a)});
    }
    bend.insert(bend.end(), {{616, 418}, {608, 418}, {608, 394}, {593, 394}});
    return {
        {0, bend},
        // Up the right side: from the top piece's foot to the right piece's head, clear of the
        // don't pass step beside them.
        {0, {{586, 313}, {602, 313}, {635, 318}, {592, 318}}},
        // From the bar's end up between the field and big 6, over big 8's shoulder to the lowest
        // step.
        {1, {{525, 360}, {556, 336}, {567, 336}, {556, 340}, {530, 364}, {530, 373}, {525, 373}}},
    };
}

// The six numbers' columns: the x of the piles on the buy or place, come, lay and don't-come
// spot of each. The chips keep to the right of each box, its words to the left.
constexpr std::array<i32, 6> PlaceX = {253, 300, 346, 393, 439, 483};
constexpr std::array<i32, 6> ComeX = {255, 300, 345, 390, 435, 478};
constexpr std::array<i32, 6> LayX = {262, 306, 350, 394, 439, 482};
constexpr std::array<i32, 6> DontComeX = {258, 301, 344, 386, 430, 472};
// An odds pile stands this far to the right of its stake.
constexpr i32 OddsStep = 4;

// The x of a spot's pile for seats 0, 1 and 2 (seat 1 sits on the left, seat 2 on the right).
struct TSpotPiles {
    i16 Spot;
    std::array<i32, 3> X;
};

const TSpotPiles Piles[] = {
    // Beside each seat's place on the pass line, clear of the shooter's dice there.
    {0, {448, 328, 568}},
    {1, {430, 262, 505}},
    {2, {470, 300, 520}},
    {3, {531, 531, 531}},
    {4, {405, 254, 512}},
    {5, {559, 559, 559}},
    {6, {581, 581, 581}},
    {7, {169, 169, 169}},
    {8, {186, 186, 186}},
    {9, {85, 85, 85}},
    {10, {73, 73, 73}},
    {11, {167, 167, 167}},
    {12, {175, 175, 175}},
    {13, {109, 109, 109}},
    {14, {118, 118, 118}},
    {15, {192, 192, 192}},
    {16, {188, 188, 188}},
    {41, {214, 214, 214}},
    // The horn is too narrow for a pile beside its name: each seat's stands apart, so that
    // none climbs as high as three would on one another.
    {42, {102, 98, 106}},
};

} // namespace

const std::vector<TDrawnBox>& DrawnBoxes() {
    static const std::vector<TDrawnBox> boxes = MakeBoxes();
    return boxes;
}

const TBox& DrawnFrame(u16 region) {
    for (const TDrawnBox& box : DrawnBoxes())
        if (box.Region == region)
            return box.Frame;
    std::abort();
}

bool OutlineHolds(const TOutline& outline, i32 x, i32 y) {
    const double px = x + 0.5;
    const double py = y + 0.5;
    bool inside = false;
    for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const auto [x0, y0] = outline[j];
        const auto [x1, y1] = outline[i];
        if ((y0 > py) != (y1 > py) && px < x0 + (py - y0) * (x1 - x0) / (y1 - y0))
            inside = !inside;
    }
    return inside;
}

TBox OutlineBounds(const TOutline& outline) {
    if (outline.empty())
        return {};
    double l = outline[0].first, t = outline[0].second, r = l, b = t;
    for (const auto& [x, y] : outline) {
        l = std::min(l, x);
        t = std::min(t, y);
        r = std::max(r, x);
        b = std::max(b, y);
    }
    return {static_cast<i32>(std::floor(l)), static_cast<i32>(std::floor(t)),
            static_cast<i32>(std::ceil(r)), static_cast<i32>(std::ceil(b))};
}

const std::vector<TJoint>& DrawnJoints() {
    static const std::vector<TJoint> joints = MakeJoints();
    return joints;
}

bool AnswersFor(i16 spot, i32 x, i32 y) {
    for (const TClickRegion& region : ClickRegions())
        if (region.Spot == spot && region.Box.Contains(x, y))
            return true;
    return false;
}

TPilePlace PilePlace(int spot, int seat) {
    const TBox& box = SpotRegion(static_cast<i16>(spot)).Box;
    const i32 foot = box.B - 1;
    i32 x = box.CentreX();
    if (spot >= 17 && spot < 41) {
        const size_t column = static_cast<size_t>((spot - 17) % 6);
        const std::array<i32, 6>* xs[4] = {&PlaceX, &ComeX, &LayX, &DontComeX};
        x = (*xs[(spot - 17) / 6])[column];
    } else {
        for (const TSpotPiles& piles : Piles)
            if (piles.Spot == spot)
                x = piles.X[static_cast<size_t>(seat)];
    }
    return {x, foot, x + OddsStep, x};
}
