// The spot a click on each pixel of the table reaches, held against the committed map of the
// layout (tests/fixtures/table_click_map.txt): only a shape's edge may move, by one pixel.
#include "craps/bets/TableClickPieces.h"
#include "craps/table/TableRegions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr i32 MapWidth = 640;
constexpr i32 MapHeight = 480;

using TClickMap = std::vector<i16>;

// The spot of the first region registered that holds the pixel, as the table's responders
// answer: the whole layout (a lower priority) never takes a click from a spot, and answers for
// none.
TClickMap ClickMapOfRegions() {
    TClickMap map(static_cast<size_t>(MapWidth) * MapHeight, table_region::NoSpot);
    const auto& order = table_region::RegistrationOrder;
    // The first registered takes the pixel: paint them in reverse.
    for (auto slot = order.rbegin(); slot != order.rend(); ++slot) {
        const table_region::TRegion& r = table_region::Regions[static_cast<size_t>(*slot)];
        if (r.Id == table_region::LayoutId)
            continue;
        for (i32 y = std::max(r.Rect.top, 0); y < std::min(r.Rect.bottom, MapHeight); ++y)
            for (i32 x = std::max(r.Rect.left, 0); x < std::min(r.Rect.right, MapWidth); ++x)
                map[static_cast<size_t>(y * MapWidth + x)] = r.Spot;
    }
    return map;
}

// The committed map: a line of runs (spot*count) a row, after '#' comments. Empty when the file
// is missing or any row is not exactly the table's width.
TClickMap CommittedClickMap() {
    std::ifstream in(std::filesystem::path(OTCRAPS_SOURCE_DIR) / "tests" / "fixtures" /
                     "table_click_map.txt");
    TClickMap map;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream row(line);
        std::string run;
        size_t width = 0;
        while (row >> run) {
            const size_t star = run.find('*');
            if (star == std::string::npos)
                return {};
            const int spot = std::stoi(run.substr(0, star));
            const int count = std::stoi(run.substr(star + 1));
            if (count <= 0 || width + static_cast<size_t>(count) > MapWidth)
                return {};
            map.insert(map.end(), static_cast<size_t>(count), static_cast<i16>(spot));
            width += static_cast<size_t>(count);
        }
        if (width != MapWidth)
            return {};
    }
    return map.size() == static_cast<size_t>(MapWidth) * MapHeight ? map : TClickMap{};
}

i16 SpotAt(const TClickMap& map, i32 x, i32 y) {
    if (x < 0 || y < 0 || x >= MapWidth || y >= MapHeight)
        return table_region::NoSpot;
    return map[static_cast<size_t>(y * MapWidth + x)];
}

// Whether a pixel within one of (x, y), the pixel itself included, answers for the spot.
bool NearBy(const TClickMap& map, i32 x, i32 y, i16 spot) {
    for (i32 dy = -1; dy <= 1; ++dy)
        for (i32 dx = -1; dx <= 1; ++dx)
            if (SpotAt(map, x + dx, y + dy) == spot)
                return true;
    return false;
}

// The layout's top edge runs straight along y 247 from the don't-come bar's box to the left end
// of the numbers: the don't-come numbers take the four rows above their own regions.
bool InTopRow(i32 x, i32 y, i16 was, i16 is) {
    return x >= 222 && x < 492 && y >= 247 && y < 251 && was == table_region::NoSpot &&
           is >= table_spot::FirstDontComeNumber && is < table_spot::CrapsEleven;
}

// By the spot a pixel answered for (or answers for, where it answered for none): the pixels of
// its edge moved and of the top row it takes.
using TMoved = std::map<i16, std::array<i32, 2>>;

// The pixels that answer otherwise than the committed map allows, naming the first few.
std::vector<std::string> MapFaults(const TClickMap& committed, const TClickMap& now,
                                   TMoved& moved) {
    std::vector<std::string> faults;
    for (i32 y = 0; y < MapHeight; ++y)
        for (i32 x = 0; x < MapWidth; ++x) {
            const i16 was = SpotAt(committed, x, y);
            const i16 is = SpotAt(now, x, y);
            if (was == is)
                continue;
            if (InTopRow(x, y, was, is)) {
                ++moved[is][1];
                continue;
            }
            // The new answer's shape lay beside the pixel, and the old answer's still does.
            if (NearBy(committed, x, y, is) && NearBy(now, x, y, was)) {
                ++moved[is == table_region::NoSpot ? was : is][0];
                continue;
            }
            faults.push_back(std::to_string(x) + "," + std::to_string(y) + " answers for spot " +
                             std::to_string(is) + ", not " + std::to_string(was));
        }
    return faults;
}

TEST(TableRegionMap, EveryPixelAnswersAsTheCommittedMapButOnAShapesEdgeMovedOnePixel) {
    const TClickMap committed = CommittedClickMap();
    ASSERT_FALSE(committed.empty()) << "tests/fixtures/table_click_map.txt unread";
    TMoved moved;
    const std::vector<std::string> faults = MapFaults(committed, ClickMapOfRegions(), moved);
    EXPECT_EQ(faults.size(), 0U);
    for (size_t i = 0; i < faults.size() && i < 20; ++i)
        ADD_FAILURE() << faults[i];
    for (const auto& [spot, count] : moved)
        std::cout << "spot " << spot << ": " << count[0] << " edge pixels moved, " << count[1]
                  << " in the top row\n";
}

// The pass line's bottom (its last row 418) grown down by the rows given, over x 300-399.
TClickMap PassLineGrown(const TClickMap& map, i32 by) {
    TClickMap grown = map;
    for (i32 y = 419; y < 419 + by; ++y)
        for (i32 x = 300; x < 400; ++x)
            grown[static_cast<size_t>(y * MapWidth + x)] = table_spot::PassLine;
    return grown;
}

TEST(TableRegionMap, TheCommittedMapIsReadWholeAndAShapeMovedTwoPixelsIsRefused) {
    const TClickMap committed = CommittedClickMap();
    ASSERT_FALSE(committed.empty());
    EXPECT_EQ(SpotAt(committed, 300, 400), table_spot::PassLine);
    EXPECT_EQ(SpotAt(committed, 100, 370), table_spot::Horn);
    EXPECT_EQ(SpotAt(committed, 479, 479), table_region::NoSpot);
    TMoved moved;
    EXPECT_TRUE(MapFaults(committed, PassLineGrown(committed, 1), moved).empty());
    EXPECT_EQ(moved[table_spot::PassLine][0], 100);
    // The second row lies two from the pass line's old edge, and the first has no felt left
    // beside it.
    EXPECT_GE(MapFaults(committed, PassLineGrown(committed, 2), moved).size(), 100U);
    // A pixel of the top row taken by a spot that is not a don't-come number.
    TClickMap topRow = committed;
    topRow[static_cast<size_t>(248 * MapWidth + 300)] = table_spot::Come;
    EXPECT_EQ(MapFaults(committed, topRow, moved).size(), 1U);
    topRow[static_cast<size_t>(248 * MapWidth + 300)] = table_spot::FirstDontComeNumber + 1;
    EXPECT_TRUE(MapFaults(committed, topRow, moved).empty());
}

} // namespace
