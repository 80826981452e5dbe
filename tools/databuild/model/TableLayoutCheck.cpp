// DrawnBoxFaults and the reading of the background bitmap it probes.
#include "tools/databuild/model/TableLayoutCheck.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::string Named(const TClickRegion& region) {
    return "region " + std::to_string(region.Id) + " (" + region.Label + ")";
}

std::string Point(i32 x, i32 y) {
    return std::to_string(x) + "," + std::to_string(y);
}

bool IsSpotRegion(const TClickRegion& region) {
    return region.Spot >= 0;
}

TBox Meet(const TBox& a, const TBox& b) {
    return {std::max(a.L, b.L), std::max(a.T, b.T), std::min(a.R, b.R), std::min(a.B, b.B)};
}

bool Empty(const TBox& b) {
    return b.L >= b.R || b.T >= b.B;
}

bool Within(const TBox& inner, const TBox& outer) {
    return inner.L >= outer.L && inner.T >= outer.T && inner.R <= outer.R && inner.B <= outer.B;
}

// The box holds its whole region, on its cloth or its border.
std::string CoverFault(const TClickRegion& region, const TBox& frame) {
    const TBox& r = region.Box;
    for (i32 y = r.T; y < r.B; ++y)
        for (i32 x = r.L; x < r.R; ++x)
            if (!frame.Contains(x, y))
                return "its box leaves out its region at " + Point(x, y);
    return "";
}

// A click anywhere inside the border must land on the spot.
std::string InsideFault(const TClickRegion& region, const TBox& frame) {
    const TBox inside = Interior(frame);
    for (i32 y = inside.T; y < inside.B; ++y)
        for (i32 x = inside.L; x < inside.R; ++x)
            if (!AnswersFor(region.Spot, x, y))
                return "a click inside its box at " + Point(x, y) + " misses the spot";
    return "";
}

// The frame against every other spot's regions: it may cover only the pixels its own region
// shares with an overlapping neighbour.
std::string ReachFault(const TClickRegion& region, const TBox& frame) {
    for (const TClickRegion& other : ClickRegions()) {
        if (!IsSpotRegion(other) || other.Spot == region.Spot)
            continue;
        const TBox met = Meet(frame, other.Box);
        if (Empty(met))
            continue;
        if (RegionsMayOverlap(region.Id, other.Id) && Within(met, Meet(region.Box, other.Box)))
            continue;
        return "its box reaches into " + Named(other) + " at " + Point(met.L, met.T);
    }
    return "";
}

// The border line in the picture: every pixel of the frame's outer ring but its four corners.
std::string BorderFault(const TBox& frame, const TCanvas& picture, u8 line) {
    const auto off = [&](i32 x, i32 y) { return picture.At(x, y) != line; };
    for (i32 x = frame.L + 1; x < frame.R - 1; ++x)
        for (i32 y : {frame.T, frame.B - 1})
            if (off(x, y))
                return "the background shows no border of its box at " + Point(x, y);
    for (i32 y = frame.T + 1; y < frame.B - 1; ++y)
        for (i32 x : {frame.L, frame.R - 1})
            if (off(x, y))
                return "the background shows no border of its box at " + Point(x, y);
    return "";
}

// A joint lies only in the gaps: on no region and on no other spot's box; and it joins at
// least two boxes of its own spot, which it touches across a pixel's edge.
std::string JointFault(const TJoint& joint, const std::vector<TDrawnBox>& boxes) {
    const TBox bounds = OutlineBounds(joint.Outline);
    std::vector<bool> touched(boxes.size(), false);
    for (i32 y = bounds.T; y < bounds.B; ++y)
        for (i32 x = bounds.L; x < bounds.R; ++x) {
            if (!OutlineHolds(joint.Outline, x, y))
                continue;
            for (const TClickRegion& r : ClickRegions())
                if (IsSpotRegion(r) && r.Box.Contains(x, y))
                    return "a joint lies on " + Named(r) + " at " + Point(x, y);
            for (size_t i = 0; i < boxes.size(); ++i) {
                const TBox& f = boxes[i].Frame;
                const TClickRegion* r = RegionById(boxes[i].Region);
                const bool own = r != nullptr && r->Spot == joint.Spot;
                if (f.Contains(x, y))
                    return "a joint lies on the box of " +
                           (r != nullptr ? Named(*r) : std::string("a region")) + " at " +
                           Point(x, y);
                if (own && (f.Contains(x - 1, y) || f.Contains(x + 1, y) || f.Contains(x, y - 1) ||
                            f.Contains(x, y + 1)))
                    touched[i] = true;
            }
        }
    if (std::count(touched.begin(), touched.end(), true) < 2)
        return "a joint touches fewer than two of its boxes";
    return "";
}

u32 Read32(const std::vector<u8>& b, size_t at) {
    return static_cast<u32>(b[at]) | static_cast<u32>(b[at + 1]) << 8 |
           static_cast<u32>(b[at + 2]) << 16 | static_cast<u32>(b[at + 3]) << 24;
}

u16 Read16(const std::vector<u8>& b, size_t at) {
    return static_cast<u16>(b[at] | b[at + 1] << 8);
}

} // namespace

std::vector<std::string> DrawnBoxFaults(const std::vector<TDrawnBox>& boxes,
                                        const std::vector<TJoint>& joints, const TCanvas& picture,
                                        u8 line) {
    std::vector<std::string> faults;
    for (const TDrawnBox& box : boxes) {
        const TClickRegion* region = RegionById(box.Region);
        if (region == nullptr || !IsSpotRegion(*region))
            faults.push_back("a box is drawn for region " + std::to_string(box.Region) +
                             ", which is no spot's");
    }
    for (const TClickRegion& region : ClickRegions()) {
        if (!IsSpotRegion(region))
            continue;
        const auto count = std::count_if(boxes.begin(), boxes.end(), [&](const TDrawnBox& box) {
            return box.Region == region.Id;
        });
        if (count != 1) {
            faults.push_back(Named(region) + ": " + std::to_string(count) +
                             " boxes are drawn for it, not one");
            continue;
        }
        const TBox& frame = std::find_if(boxes.begin(), boxes.end(), [&](const TDrawnBox& box) {
                                return box.Region == region.Id;
                            })->Frame;
        for (const std::string& fault :
             {CoverFault(region, frame), InsideFault(region, frame), ReachFault(region, frame),
              BorderFault(frame, picture, line)})
            if (!fault.empty()) {
                faults.push_back(Named(region) + ": " + fault);
                break;
            }
    }
    for (const TJoint& joint : joints) {
        const bool spot = std::any_of(ClickRegions().begin(), ClickRegions().end(),
                                      [&](const TClickRegion& r) { return r.Spot == joint.Spot; });
        if (!spot || joint.Spot < 0) {
            faults.push_back("a joint is drawn for spot " + std::to_string(joint.Spot) +
                             ", which no region stands for");
            continue;
        }
        const std::string fault = JointFault(joint, boxes);
        if (!fault.empty())
            faults.push_back(Named(SpotRegion(joint.Spot)) + ": " + fault);
    }
    return faults;
}

std::optional<TCanvas> BitmapPicture(const std::vector<u8>& bytes) {
    constexpr size_t InfoEnd = 14 + 40;
    if (bytes.size() < InfoEnd || bytes[0] != 'B' || bytes[1] != 'M')
        return std::nullopt;
    const u32 offset = Read32(bytes, 10);
    const i32 width = static_cast<i32>(Read32(bytes, 18));
    const i32 height = static_cast<i32>(Read32(bytes, 22));
    if (Read16(bytes, 28) != 8 || Read32(bytes, 30) != 0 || width <= 0 || width > 4096 ||
        height == 0 || height < -4096 || height > 4096)
        return std::nullopt;
    const i32 rows = std::abs(height);
    const size_t pitch = (static_cast<size_t>(width) + 3) & ~size_t{3};
    if (offset > bytes.size() || (bytes.size() - offset) / pitch < static_cast<size_t>(rows))
        return std::nullopt;
    TCanvas picture(width, rows);
    for (i32 y = 0; y < rows; ++y) {
        // Rows are stored bottom-up unless the height says otherwise.
        const i32 stored = height > 0 ? rows - 1 - y : y;
        const size_t row = offset + static_cast<size_t>(stored) * pitch;
        for (i32 x = 0; x < width; ++x)
            picture.Plot(x, y, bytes[row + static_cast<size_t>(x)]);
    }
    return picture;
}
