// The drawn layout from the spots' outlines, the checks of the shapes against the program's
// regions, and the places of the seats' piles, which keep clear of every spot's lettering.
#include "tools/databuild/model/TableDrawing.h"

#include "craps/bets/TableClickPieces.h"

#include <algorithm>
#include <array>

namespace {

// The widest a line of the layout may lie on a region's edge.
constexpr i32 EdgeLine = 2;
// How far from a shape the layout's lines reach: the outline's width.
constexpr i32 LineReach = 2;

size_t At(i32 x, i32 y) {
    return static_cast<size_t>(y) * TABLE_WIDTH + static_cast<size_t>(x);
}

bool OnTable(i32 x, i32 y) {
    return x >= 0 && y >= 0 && x < TABLE_WIDTH && y < TABLE_HEIGHT;
}

bool IsOwn(const TClickRegion& region) {
    const i16 slot = table_region::SlotOfId(region.Id);
    return slot >= 0 && slot < static_cast<i16>(table_region::FirstAddedSlot);
}

std::string RegionName(const TClickRegion& region) {
    return "region " + std::to_string(region.Id) + " (" + region.Label + ")";
}

// Whether the pixel lies on two of the program's own regions of different spots, where either
// may show.
bool Shared(const TShapeMap& map, i32 x, i32 y) {
    const TClickRegion* first = nullptr;
    for (const TClickRegion& r : map.Ordered()) {
        if (r.Spot < 0 || !IsOwn(r) || !r.Box.Contains(x, y))
            continue;
        if (first != nullptr && first->Spot != r.Spot && RegionsMayOverlap(first->Id, r.Id))
            return true;
        first = first == nullptr ? &r : first;
    }
    return false;
}

// How deep the pixel lies inside the box: 0 on its outermost ring.
i32 Depth(const TBox& box, i32 x, i32 y) {
    return std::min({x - box.L, box.R - 1 - x, y - box.T, box.B - 1 - y});
}

// A shape drawn over another spot's own region, but on the pixels two regions share.
void CrossingFaults(const TShapeMap& map, std::vector<std::string>& faults) {
    for (const TClickRegion& other : map.Ordered()) {
        if (other.Spot < 0 || !IsOwn(other))
            continue;
        const TBox& b = other.Box;
        bool found = false;
        for (i32 y = b.T; y < b.B && !found; ++y)
            for (i32 x = b.L; x < b.R && !found; ++x) {
                const i16 drawn = map.DrawnAt(x, y);
                if (drawn < 0 || drawn == other.Spot || Shared(map, x, y))
                    continue;
                found = true;
                faults.push_back(NamedSpot(drawn) + ": its drawn shape crosses " +
                                 RegionName(other) + " at " + Point(x, y));
            }
    }
}

// Whether the pixel lies on one of the program's own regions of the spot within a line's width of
// its edge.
bool OnOwnEdge(const TShapeMap& map, i16 spot, i32 x, i32 y) {
    for (const TClickRegion& r : map.Ordered())
        if (r.Spot == spot && IsOwn(r) && r.Box.Contains(x, y) && Depth(r.Box, x, y) < EdgeLine)
            return true;
    return false;
}

// A click lands on the spot drawn, and off the shapes on none but on a line over an own
// region's edge.
void AnswerFaults(const TShapeMap& map, std::vector<std::string>& faults) {
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            const i16 drawn = map.DrawnAt(x, y);
            const i16 answer = map.AnswerAt(x, y);
            if (drawn >= 0 && answer != drawn) {
                faults.push_back(NamedSpot(drawn) + ": a click at " + Point(x, y) +
                                 " on its drawn shape lands " +
                                 (answer >= 0 ? "on " + NamedSpot(answer) : "on no spot"));
                return;
            }
            if (drawn < 0 && answer >= 0 && !OnOwnEdge(map, answer, x, y)) {
                faults.push_back(NamedSpot(answer) + ": a click at " + Point(x, y) +
                                 " off every drawn spot lands on it");
                return;
            }
        }
}

// Each of the program's own regions shows its spot, but on the pixels it shares and under a
// line on its edge.
void LeftOutFaults(const TShapeMap& map, std::vector<std::string>& faults) {
    for (const TClickRegion& region : map.Ordered()) {
        if (region.Spot < 0 || !IsOwn(region))
            continue;
        const TBox& b = region.Box;
        bool found = false;
        for (i32 y = b.T; y < b.B && !found; ++y)
            for (i32 x = b.L; x < b.R && !found; ++x) {
                const i16 drawn = map.DrawnAt(x, y);
                if (drawn == region.Spot || Shared(map, x, y) ||
                    (drawn == DRAWN_LINE && Depth(b, x, y) < EdgeLine))
                    continue;
                found = true;
                faults.push_back(NamedSpot(region.Spot) + ": its drawn shape leaves out " +
                                 RegionName(region) + " at " + Point(x, y) +
                                 (drawn >= 0 ? ", where " + NamedSpot(drawn) + " shows" : ""));
            }
    }
}

// Two spots side by side with no line between them, but on the pixels two regions share.
void TouchFaults(const TShapeMap& map, std::vector<std::string>& faults) {
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            const i16 here = map.DrawnAt(x, y);
            if (here < 0)
                continue;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {0, 1}}) {
                const i16 next = map.DrawnAt(x + dx, y + dy);
                if (next < 0 || next == here || (Shared(map, x, y) && Shared(map, x + dx, y + dy)))
                    continue;
                faults.push_back(NamedSpot(here) + ": it meets " + NamedSpot(next) +
                                 " with no line between them at " + Point(x + dx, y + dy));
                return;
            }
        }
}

// Felt between the shapes: a pixel no line covers with spots on both sides of it, across or
// down, within a few pixels; named by the spots on either side.
void SeamFaults(const TShapeMap& map, std::vector<std::string>& faults) {
    constexpr i32 Reach = 6;
    const auto side = [&](i32 x, i32 y, i32 dx, i32 dy) {
        for (i32 n = 1; n <= Reach; ++n)
            if (map.DrawnAt(x + dx * n, y + dy * n) >= 0)
                return map.DrawnAt(x + dx * n, y + dy * n);
        return DRAWN_FELT;
    };
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            if (map.DrawnAt(x, y) != DRAWN_FELT)
                continue;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {0, 1}}) {
                const i16 before = side(x, y, -dx, -dy);
                const i16 after = side(x, y, dx, dy);
                if (before < 0 || after < 0)
                    continue;
                faults.push_back(NamedSpot(before) + ": felt shows in the seam between it and " +
                                 NamedSpot(after) + " at " + Point(x, y));
                return;
            }
        }
}

using table_spot::AnyCraps;
using table_spot::AnySeven;
using table_spot::Big6;
using table_spot::Big8;
using table_spot::Come;
using table_spot::CrapsEleven;
using table_spot::DontCome;
using table_spot::DontPass;
using table_spot::Field;
using table_spot::FirstBuy;
using table_spot::FirstComeNumber;
using table_spot::FirstDontComeNumber;
using table_spot::FirstHard;
using table_spot::FirstOneRoll;
using table_spot::Horn;
using table_spot::LastHard;
using table_spot::PassLine;
using table_spot::Three;

// The six numbers' columns: the x of the piles on the buy or place, come, lay and don't-come
// spot of each, in the table's order of the groups. In a column the don't-come pile and its odds
// stand on the left, the come pile and its odds left of the middle and the lay pile on the right,
// so that each bet stands apart. The number's box keeps its number centred low in the box, the
// puck at its top left on the point and the buy or place piles at its top right, their markers
// (24 pixels across) reaching no further than the box's right edge.
constexpr std::array<i32, 6> PlaceX = {258, 303, 347, 392, 438, 484};
constexpr std::array<i32, 6> ComeX = {240, 287, 332, 376, 421, 466};
constexpr std::array<i32, 6> LayX = {263, 308, 352, 395, 440, 484};
constexpr std::array<i32, 6> DontComeX = {231, 278, 323, 367, 409, 453};
constexpr const std::array<i32, 6>* ColumnX[4] = {&PlaceX, &ComeX, &LayX, &DontComeX};
constexpr i32 HornFoot = 399;
// An odds pile stands this far to the right of its stake.
constexpr i32 OddsStep = 4;

// The x of a spot's pile for seats 0, 1 and 2 (seat 1 sits on the left, seat 2 on the right).
struct TSpotPiles {
    i16 Spot;
    std::array<i32, 3> X;
};

const TSpotPiles Piles[] = {
    // Beside each seat's place on the pass line, clear of the shooter's dice there.
    {PassLine, {448, 328, 568}},
    {DontPass, {430, 262, 505}},
    {Come, {470, 300, 520}},
    {DontCome, {531, 531, 531}},
    {Field, {405, 254, 512}},
    {Big6, {559, 559, 559}},
    {Big8, {581, 581, 581}},
    {AnyCraps, {169, 169, 169}},
    {AnySeven, {186, 186, 186}},
    {FirstOneRoll, {85, 85, 85}},
    {Three, {83, 83, 83}},
    {table_spot::Eleven, {192, 192, 192}},
    {table_spot::Twelve, {192, 192, 192}},
    {FirstHard, {109, 109, 109}},
    {table_spot::Hard6, {118, 118, 118}},
    {table_spot::Hard8, {192, 192, 192}},
    {LastHard, {192, 192, 192}},
    {CrapsEleven, {214, 214, 214}},
    // The horn is too narrow for a pile beside its name, and for three piles side by side: each
    // seat's stands a little apart, overlapping the next but on its own foot, so that none climbs
    // as high as three would on one another.
    {Horn, {102, 100, 104}},
};

// The last row of the spot's drawn shape in the column, going down from a row of the shape: a
// pile's foot there sets its bottom chip on the spot's lowest rows, its foot still on the spot.
i32 LowestRow(i16 spot, i32 x, i32 y) {
    while (TableShapes().DrawnAt(x, y + 1) == spot)
        ++y;
    return y;
}

} // namespace

TShapeMap::TShapeMap(const std::vector<TClickRegion>& ordered, const TOutlines& outlines)
    : Regions(ordered), Answer(static_cast<size_t>(TABLE_WIDTH) * TABLE_HEIGHT, DRAWN_FELT),
      Drawn(static_cast<size_t>(TABLE_WIDTH) * TABLE_HEIGHT, DRAWN_FELT) {
    // The first region registered takes the pixel: paint them in reverse.
    for (auto it = ordered.rbegin(); it != ordered.rend(); ++it) {
        if (it->Spot < 0)
            continue;
        const TBox& b = it->Box;
        for (i32 y = std::max(b.T, 0); y < std::min(b.B, TABLE_HEIGHT); ++y)
            for (i32 x = std::max(b.L, 0); x < std::min(b.R, TABLE_WIDTH); ++x)
                Answer[At(x, y)] = it->Spot;
    }
    for (const table_outline::TSpotOutline& outline : outlines) {
        const TRect rows = table_outline::RowsOf(outline);
        for (i32 y = std::max(rows.top, 0); y < std::min(rows.bottom, TABLE_HEIGHT); ++y) {
            const table_outline::TRowRuns row = table_outline::RowOf(outline, y);
            for (size_t i = 0; i < row.Count; ++i)
                for (i32 x = std::max(row.Runs[i].Left, 0);
                     x < std::min(row.Runs[i].Right, TABLE_WIDTH); ++x)
                    Drawn[At(x, y)] = outline.Spot;
        }
    }
    // The lines: every pixel of no shape within reach of one.
    std::vector<i16> lined = Drawn;
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            if (Drawn[At(x, y)] != DRAWN_FELT)
                continue;
            for (i32 dy = -LineReach; dy <= LineReach && lined[At(x, y)] == DRAWN_FELT; ++dy)
                for (i32 dx = -LineReach; dx <= LineReach; ++dx)
                    if (OnTable(x + dx, y + dy) && Drawn[At(x + dx, y + dy)] >= 0) {
                        lined[At(x, y)] = DRAWN_LINE;
                        break;
                    }
        }
    Drawn = std::move(lined);
}

i16 TShapeMap::AnswerAt(i32 x, i32 y) const {
    return OnTable(x, y) ? Answer[At(x, y)] : DRAWN_FELT;
}

i16 TShapeMap::DrawnAt(i32 x, i32 y) const {
    return OnTable(x, y) ? Drawn[At(x, y)] : DRAWN_FELT;
}

TBox TShapeMap::Bounds(i16 spot) const {
    TBox b{TABLE_WIDTH, TABLE_HEIGHT, 0, 0};
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x)
            if (Drawn[At(x, y)] == spot)
                b = {std::min(b.L, x), std::min(b.T, y), std::max(b.R, x + 1),
                     std::max(b.B, y + 1)};
    return b.L < b.R ? b : TBox{};
}

std::vector<TClickRegion> RegisteredRegions() {
    std::vector<TClickRegion> ordered;
    for (const i16 slot : table_region::RegistrationOrder)
        ordered.push_back(ClickRegions()[static_cast<size_t>(slot)]);
    return ordered;
}

TOutlines SpotOutlines() {
    return {table_outline::Outlines.begin(), table_outline::Outlines.end()};
}

const TShapeMap& TableShapes() {
    static const TShapeMap map(RegisteredRegions(), SpotOutlines());
    return map;
}

bool AnswersFor(i16 spot, i32 x, i32 y) {
    return spot >= 0 && TableShapes().AnswerAt(x, y) == spot;
}

std::vector<std::string> ShapeFaults(const TShapeMap& map) {
    std::vector<std::string> faults;
    CrossingFaults(map, faults);
    LeftOutFaults(map, faults);
    AnswerFaults(map, faults);
    TouchFaults(map, faults);
    SeamFaults(map, faults);
    return faults;
}

std::vector<std::string> DrawnLineFaults(const TShapeMap& map, const std::vector<u8>& pixels,
                                         i32 width, i32 height, u8 line) {
    if (width != TABLE_WIDTH || height != TABLE_HEIGHT ||
        pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height))
        return {"the background is not the table's size"};
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x)
            if (map.DrawnAt(x, y) == DRAWN_LINE && pixels[At(x, y)] != line)
                return {"the background shows no line of the layout at " + Point(x, y)};
    return {};
}

std::string Point(i32 x, i32 y) {
    return std::to_string(x) + "," + std::to_string(y);
}

std::string NamedSpot(i16 spot) {
    if (spot < 0 || spot >= table_spot::Count)
        return "spot " + std::to_string(spot);
    return "spot " + std::to_string(spot) + " (" + SpotRegion(spot).Label + ")";
}

TPilePlace PilePlace(int spot, int seat) {
    const TBox& box = SpotRegion(static_cast<i16>(spot)).Box;
    if (spot >= FirstBuy && spot < FirstDontComeNumber + 6) {
        const i32 group = (spot - FirstBuy) / 6;
        const i32 column = (spot - FirstBuy) % 6;
        const i32 x = (*ColumnX[group])[static_cast<size_t>(column)];
        // The buy or place piles stand level with the puck beside them; the others on the
        // bottom of their strip.
        const i32 foot = spot < FirstComeNumber ? NumberBox(column).B
                                                : LowestRow(static_cast<i16>(spot), x, box.T);
        return {x, foot, x + OddsStep, x};
    }
    // The horn's chips stand at the foot of its column, below its upright name.
    const i32 foot = spot == Horn ? HornFoot : box.B - 1;
    i32 x = box.CentreX();
    for (const TSpotPiles& piles : Piles)
        if (piles.Spot == spot)
            x = piles.X[static_cast<size_t>(seat)];
    return {x, foot, x + OddsStep, x};
}
