// The layout's ground and the spots' boxes as the layout draws them, the joints that carry a band
// across its gaps, and the lettering held inside the boxes.
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The felt between the far rail's shadow and the near rail, where the layout lies.
constexpr i32 FeltTop = 200;
constexpr i32 RailTop = 428;
// The widest gap between two spots' cloths drawn as one line.
constexpr i32 SeamWidth = 6;
constexpr i32 GroundShift = -4;

// The ground between the spots: a darker cloth with a fine diagonal rule, which no spot's cloth
// has.
u8 GroundAt(i32 x, i32 y) {
    return FeltAt(x, y, (x + y) % 4 == 0 ? GroundShift - 2 : GroundShift);
}

i16 SpotOf(u16 region) {
    const TClickRegion* r = RegionById(region);
    return r != nullptr ? r->Spot : i16{-1};
}

std::string Named(u16 region) {
    const TClickRegion* r = RegionById(region);
    return "region " + std::to_string(region) + " (" + (r != nullptr ? r->Label : "none") + ")";
}

// The layout's edge: the proposition box on the left, a step up to the numbers' boxes, the
// don't-come box, the climb over don't pass's steps to the top of the pass line, down the right
// side and round the pass line's corner, back along the near rail.
TOutline LayoutEdge() {
    TOutline edge = {{0, PROPS_TOP},     {PROPS_RIGHT, PROPS_TOP},
                     {PROPS_RIGHT, 247}, {489, 247},
                     {489, 243},         {534, 243},
                     {559, 251},         {575, 256},
                     {605, 256},         {638, 312},
                     {638, 399}};
    constexpr double Radius = 22;
    for (int i = 1; i < 8; ++i) {
        const double a = std::numbers::pi / 2 * i / 8;
        edge.push_back({616 + Radius * std::cos(a), 399 + Radius * std::sin(a)});
    }
    edge.insert(edge.end(), {{616, 421}, {0, 421}});
    return edge;
}

// The pixels within the layout's edge.
std::vector<bool> Ground() {
    const TOutline edge = LayoutEdge();
    std::vector<bool> ground(static_cast<size_t>(TABLE_WIDTH) * TABLE_HEIGHT, false);
    for (i32 y = FeltTop; y < RailTop; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x)
            ground[static_cast<size_t>(y) * TABLE_WIDTH + static_cast<size_t>(x)] =
                OutlineHolds(edge, x, y);
    return ground;
}

// The gaps of at most SeamWidth pixels between two boxes, across or down, drawn as the layout's
// lines: the boxes on either side share one line, as the boxes of a layout do. Between the two
// borders the line is a shade softer, so that the widest seams do not weigh on the layout.
void PaintSeams(TBackgroundArt& art) {
    std::vector<bool> framed(static_cast<size_t>(TABLE_WIDTH) * TABLE_HEIGHT, false);
    for (const TDrawnBox& box : art.Boxes)
        for (i32 y = box.Frame.T; y < box.Frame.B; ++y)
            for (i32 x = box.Frame.L; x < box.Frame.R; ++x)
                framed[static_cast<size_t>(y) * TABLE_WIDTH + static_cast<size_t>(x)] = true;
    const auto at = [&](i32 x, i32 y) {
        return x >= 0 && y >= 0 && x < TABLE_WIDTH && y < TABLE_HEIGHT &&
               framed[static_cast<size_t>(y) * TABLE_WIDTH + static_cast<size_t>(x)];
    };
    // Between two frames' borders: the seam less the borders themselves.
    constexpr i32 Between = SeamWidth - 2;
    const auto run = [&](i32 x, i32 y, i32 dx, i32 dy) {
        i32 n = 0;
        while (n <= Between && !at(x + dx * (n + 1), y + dy * (n + 1)))
            ++n;
        return n;
    };
    for (i32 y = FeltTop; y < RailTop; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            if (at(x, y))
                continue;
            const bool across = run(x, y, -1, 0) + run(x, y, 1, 0) + 1 <= Between;
            const bool down = run(x, y, 0, -1) + run(x, y, 0, 1) + 1 <= Between;
            if (across || down)
                art.Picture.Plot(x, y, Mix(FeltAt(x, y), LineColour(), 200));
        }
}

// The cloth of a region's box, in felt steps from the layout's felt.
i32 ClothShift(u16 region) {
    // The pass line lightest, the don't sides darker, the numbers' boxes lighter where the
    // number stands: each band, and each piece of a band, reads as one.
    const i16 spot = SpotOf(region);
    if (spot == 0)
        return 3;
    if (spot == 1 || spot == 3 || (spot >= 29 && spot <= 40))
        return -2;
    if (spot >= 17 && spot <= 22)
        return 2;
    return 1;
}

} // namespace

TBox CapsInk(double cx, double cy, const std::string& text, const TTextStyle& style) {
    const i32 width = TCanvas::TextWidth(text, style);
    const i32 height = TCanvas::TextHeight(style);
    const i32 ox = static_cast<i32>(std::floor(cx)) - width / 2 - 8;
    const i32 oy = static_cast<i32>(std::floor(cy)) - height - 8;
    TCanvas scratch(width + 16, 2 * height + 16);
    Caps(scratch, cx - ox, cy - oy, text, style, CL_WHITE);
    TBox ink{scratch.Width(), scratch.Height(), -1, -1};
    for (i32 y = 0; y < scratch.Height(); ++y)
        for (i32 x = 0; x < scratch.Width(); ++x)
            if (scratch.Covered(x, y)) {
                ink.L = std::min(ink.L, x);
                ink.T = std::min(ink.T, y);
                ink.R = std::max(ink.R, x + 1);
                ink.B = std::max(ink.B, y + 1);
            }
    if (ink.R < 0)
        return {};
    return {ink.L + ox, ink.T + oy, ink.R + ox, ink.B + oy};
}

void HoldInBox(TBackgroundArt& art, u16 region, const TBox& ink, const std::string& what) {
    const TBox inside = Interior(art.Frame(region));
    if (ink.L < inside.L || ink.T < inside.T || ink.R > inside.R || ink.B > inside.B)
        art.Faults.push_back(Named(region) + ": " + what + " runs out of its box");
    art.Labels.push_back({region, ink, what});
}

TBox TBackgroundArt::Frame(u16 region) const {
    for (const TDrawnBox& box : Boxes)
        if (box.Region == region)
            return box.Frame;
    const TClickRegion* r = RegionById(region);
    return r != nullptr ? r->Box : TBox{};
}

void PaintBoxes(TBackgroundArt& art) {
    TCanvas& c = art.Picture;
    const std::vector<bool> ground = Ground();
    const u8 line = LineColour();
    for (i32 y = FeltTop; y < RailTop; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            const size_t at = static_cast<size_t>(y) * TABLE_WIDTH + static_cast<size_t>(x);
            if (!ground[at])
                continue;
            c.Plot(x, y, GroundAt(x, y));
        }
    PaintSeams(art);
    Stroke(c, LayoutEdge(), 2, line);
    for (const TDrawnBox& box : art.Boxes) {
        const TBox inside = Interior(box.Frame);
        const i32 shift = ClothShift(box.Region);
        for (i32 y = inside.T; y < inside.B; ++y)
            for (i32 x = inside.L; x < inside.R; ++x)
                c.Plot(x, y, FeltAt(x, y, shift));
        const i16 spot = SpotOf(box.Region);
        if (spot >= 0)
            art.Areas.FillRect(inside.L, inside.T, inside.R, inside.B,
                               static_cast<u8>(AREA_SPOT + spot));
    }
    // A joint: the band's rails along its sides, and between them the ground hatched in the
    // band's cloth, never the cloth itself.
    for (const TJoint& joint : art.Joints) {
        const TBox b = OutlineBounds(joint.Outline);
        const i32 shift = ClothShift(SpotRegion(joint.Spot).Id);
        for (i32 y = b.T; y < b.B; ++y)
            for (i32 x = b.L; x < b.R; ++x)
                if (OutlineHolds(joint.Outline, x, y))
                    c.Plot(x, y, (x + y) % 3 == 0 ? FeltAt(x, y, shift) : GroundAt(x, y));
        Stroke(c, joint.Outline, 1, Mix(FeltAt(0, 0), line, 200));
    }
    // The borders over every cloth, so that a border two boxes share stays whole.
    for (const TDrawnBox& box : art.Boxes)
        c.FrameRect(box.Frame.L, box.Frame.T, box.Frame.R, box.Frame.B, line);
}

void BoxCaps(TBackgroundArt& art, u16 region, double cx, double cy, const std::string& text,
             const TTextStyle& style, u8 colour) {
    HoldInBox(art, region, CapsInk(cx, cy, text, style), "the lettering \"" + text + "\"");
    Caps(art.Picture, cx, cy, text, style, colour);
}

void BoxCapsDown(TBackgroundArt& art, u16 region, double cx, double cy, const std::string& text,
                 const TTextStyle& style, double pitch, u8 colour) {
    const double first = cy - pitch * (static_cast<double>(text.size()) - 1) / 2;
    for (size_t i = 0; i < text.size(); ++i)
        BoxCaps(art, region, cx, first + pitch * static_cast<double>(i), std::string(1, text[i]),
                style, colour);
}

void BoxDie(TBackgroundArt& art, u16 region, double x, double y, double size, int pips) {
    const TBox ink{static_cast<i32>(std::floor(x)), static_cast<i32>(std::floor(y)),
                   static_cast<i32>(std::ceil(x + size)), static_cast<i32>(std::ceil(y + size))};
    HoldInBox(art, region, ink, "a die");
    Die(art.Picture, x, y, size, pips);
}

void Caption(TBackgroundArt& art, double cx, double cy, const std::string& text,
             const TTextStyle& style, u8 colour) {
    const TBox ink = CapsInk(cx, cy, text, style);
    art.Areas.FillRect(ink.L, ink.T, ink.R, ink.B, AREA_CAPTION);
    Caps(art.Picture, cx, cy, text, style, colour);
}
