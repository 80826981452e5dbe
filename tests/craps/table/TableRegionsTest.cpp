// The region table's ids, slots and spots against the names the table uses for them.
#include "craps/table/TableRegions.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Each test opens the region namespace itself: a file-wide one would meet the platform's TRegion
// in the files a unity batch puts after this one.
TEST(TableRegionIds, EverySlotsIdLeadsBackToItsSlotAndNoOtherIdLeadsAnywhere) {
    using namespace table_region;
    std::set<u16> ids;
    for (size_t slot = 0; slot < SlotCount; ++slot) {
        const u16 id = Regions[slot].Id;
        EXPECT_TRUE(ids.insert(id).second) << id;
        EXPECT_EQ(SlotOfId(id), static_cast<i16>(slot)) << id;
    }
    for (u16 id = 0; id < 200; ++id) {
        if (ids.count(id) == 0) {
            EXPECT_EQ(SlotOfId(id), -1) << id;
        }
    }
    EXPECT_EQ(Regions[SeatAreaSlot].Id, SeatAreaId);
    EXPECT_EQ(Regions[LayoutSlot].Id, LayoutId);
    EXPECT_EQ(Regions[RollAreaSlot].Id, 66);
}

TEST(TableRegionIds, EachSpotHasItsOwnIdAndThePiecesStandForTheLongSpots) {
    using namespace table_region;
    for (i16 spot = 0; spot <= LastSpotId - FirstSpotId; ++spot) {
        const auto id = static_cast<u16>(FirstSpotId + spot);
        EXPECT_EQ(SpotOfId(id), spot) << id;
        EXPECT_TRUE(IsSpotId(id)) << id;
    }
    // The pass line's two pieces, the don't pass bar's four, the don't come bar's one.
    const i16 pieces[] = {table_spot::PassLine, table_spot::PassLine, table_spot::DontPass,
                          table_spot::DontPass, table_spot::DontPass, table_spot::DontPass,
                          table_spot::DontCome};
    for (u16 id = FirstPieceId; id <= LastPieceId; ++id) {
        EXPECT_EQ(SpotOfId(id), pieces[id - FirstPieceId]) << id;
        EXPECT_TRUE(IsSpotId(id)) << id;
    }
    for (const u16 id : {SeatAreaId, LayoutId, u16{21}, u16{72}, u16{0}}) {
        EXPECT_EQ(SpotOfId(id), NoSpot) << id;
        EXPECT_FALSE(IsSpotId(id)) << id;
    }
    EXPECT_EQ(SpotOfId(FirstSpotId + table_spot::Horn), table_spot::Horn);
}

} // namespace
