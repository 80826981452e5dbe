// Sprite files of the spots that pile odds above their stakes: the 22 base cells, then the
// odds stacks of each seat at their own places.
#pragma once

#include "SpotSupport.h"

#include <algorithm>

namespace spottest {

constexpr int OddsSpotEntries = 40;

inline std::vector<TCellSpec> OddsSpotCells(const TPileSpots& piles, const TPileSpots& odds,
                                            int entries) {
    std::vector<TCellSpec> cells = SpotCells(piles, std::min(entries, 22));
    for (int e = 22; e < entries; ++e) {
        const TGrPoint at = odds[static_cast<size_t>((e - 22) / 6)];
        cells.push_back({static_cast<i16>(e), 0, "chip" + std::to_string((e - 22) % 6) + ".anm", 1,
                         0, 1, at.x, at.y, at.z});
    }
    return cells;
}

inline void WriteOddsSpotFile(TJorpOwner* owner, const std::string& name, const TPileSpots& piles,
                              const TPileSpots& odds, int entries = OddsSpotEntries) {
    auto sprite = MakeTableSprite(owner, name, OddsSpotCells(piles, odds, entries));
    ASSERT_TRUE(sprite->SaveIfNeeded());
}

} // namespace spottest
