// The table's regions and buttons as the program hit-tests them, and the data set's own places.
#include "tools/databuild/model/TableLayout.h"

#include "craps/bets/TableClickPieces.h"

#include <cstdlib>
#include <iterator>

namespace {

// The text painted in each region, by the game's slot; the regions themselves are the game's.
constexpr const char* Labels[] = {
    "PASS LINE",
    "DON'T PASS BAR",
    "COME",
    "DON'T COME",
    "FIELD 2 3 4 9 10 11 12",
    "BIG 6",
    "BIG 8",
    "ANY CRAPS 7 TO 1",
    "ANY SEVEN 4 TO 1",
    "TWO 30:1",
    "THREE 15:1",
    "ELEVEN 15:1",
    "TWELVE 30:1",
    "HARD 4 7:1",
    "HARD 6 9:1",
    "HARD 8 9:1",
    "HARD 10 7:1",
    // Buy or place, come, lay and don't come, each over 4, 5, 6, 8, 9, 10.
    "PLACE",
    "PLACE",
    "PLACE",
    "PLACE",
    "PLACE",
    "PLACE",
    "COME",
    "COME",
    "COME",
    "COME",
    "COME",
    "COME",
    "LAY",
    "LAY",
    "LAY",
    "LAY",
    "LAY",
    "LAY",
    "DC",
    "DC",
    "DC",
    "DC",
    "DC",
    "DC",
    "C E",
    "HORN",
    // The later pieces of the pass line, the don't pass bar and the don't come bar.
    "PASS",
    "PASS",
    "DP",
    "DP",
    "DP",
    "DP",
    "DC",
    "NEXT GAMBLER",
    "",
};
static_assert(std::size(Labels) == table_region::FirstAddedSlot);

const std::vector<TClickRegion>& Regions() {
    static const std::vector<TClickRegion> regions = [] {
        std::vector<TClickRegion> made;
        for (size_t slot = 0; slot < table_region::SlotCount; ++slot) {
            const table_region::TRegion& r = table_region::Regions[slot];
            // An added piece reads as its spot's own region does.
            const char* label = slot < table_region::FirstAddedSlot
                                    ? Labels[slot]
                                    : Labels[static_cast<size_t>(r.Spot)];
            made.push_back(
                {r.Id, r.Spot, {r.Rect.left, r.Rect.top, r.Rect.right, r.Rect.bottom}, label});
        }
        return made;
    }();
    return regions;
}

const std::vector<TTableButton> Buttons = {
    {0, 9, {1, 430, 50, 479}, "EXPERT"},    {1, 10, {170, 430, 219, 479}, "STATS"},
    {2, 11, {223, 464, 258, 479}, "SIZE"},  {3, 12, {376, 464, 412, 479}, "HELP"},
    {4, 13, {416, 430, 468, 452}, "CLEAR"}, {5, 14, {416, 454, 468, 479}, "DOWN"},
    {6, 15, {472, 455, 489, 479}, "10K"},   {7, 16, {491, 455, 508, 479}, "1K"},
    {8, 17, {510, 455, 527, 479}, "100"},   {9, 18, {529, 455, 546, 479}, "25"},
    {10, 19, {548, 455, 564, 479}, "5"},    {11, 20, {566, 455, 584, 479}, "1"},
    {12, 21, {587, 432, 639, 460}, "ROLL"}, {13, 22, {587, 462, 639, 479}, "TALK"},
};

} // namespace

const std::vector<TClickRegion>& ClickRegions() {
    return Regions();
}

const TClickRegion& SpotRegion(i16 spot) {
    for (const TClickRegion& r : Regions())
        if (r.Spot == spot)
            return r;
    std::abort();
}

const TClickRegion& LayoutRegion() {
    return Regions()[table_region::LayoutSlot];
}

const TClickRegion* RegionById(u16 id) {
    for (const TClickRegion& r : Regions())
        if (r.Id == id)
            return &r;
    return nullptr;
}

bool RegionsMayOverlap(u16 a, u16 b) {
    const auto pair = [a, b](u16 x, u16 y) { return (a == x && b == y) || (a == y && b == x); };
    return pair(39, 63) || pair(43, 44);
}

const std::vector<TTableButton>& TableButtons() {
    return Buttons;
}

i32 SeatX(int seat) {
    static constexpr i32 Xs[3] = {420, 300, 540};
    return Xs[seat];
}

TBox BigDieBox(int variant, int die) {
    const i32 left = 250 + 80 * variant + 20 * die;
    return {left, 220, left + 16, 236};
}

TBox NumberBox(int index) {
    // The 6's box is a pixel narrower than the others: its puck lies on the line on its left.
    static constexpr i32 Lefts[6] = {224, 271, 315, 360, 405, 452};
    return {Lefts[index], 282, Lefts[index] + 20, 297};
}

const TBox& DontComeBox() {
    return SpotRegion(3).Box;
}
