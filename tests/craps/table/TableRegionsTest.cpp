// The region table's ids, slots and spots against the names the table uses for them.
#include "craps/table/TableRegions.h"
#include "craps/bets/TableClickPieces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
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
    for (const u16 id : {SeatAreaId, LayoutId, u16{0}, u16{74}, u16{LastAddedId + 1}}) {
        EXPECT_EQ(SpotOfId(id), NoSpot) << id;
        EXPECT_FALSE(IsSpotId(id)) << id;
    }
    EXPECT_EQ(SpotOfId(FirstSpotId + table_spot::Horn), table_spot::Horn);
}

TEST(TableRegionIds, TheAddedPiecesTakeTheFreeIdsAndTheSlotsAfterTheLayoutsOwn) {
    using namespace table_region;
    ASSERT_GT(AddedCount, 3U);
    // 21, 72 and 73 first, then 75 up; 74 stays the layout's.
    const u16 first[] = {21, 72, 73, 75, 76};
    for (size_t i = 0; i < std::size(first); ++i) {
        const size_t slot = FirstAddedSlot + i;
        EXPECT_EQ(Regions[slot].Id, first[i]) << i;
        EXPECT_EQ(SlotOfId(first[i]), static_cast<i16>(slot)) << i;
    }
    EXPECT_EQ(Regions[SlotCount - 1].Id, LastAddedId);
    for (size_t slot = FirstAddedSlot; slot < SlotCount; ++slot) {
        const table_region::TRegion& piece = Regions[slot];
        EXPECT_TRUE(IsSpotId(piece.Id)) << piece.Id;
        EXPECT_EQ(SpotOfId(piece.Id), piece.Spot) << piece.Id;
        EXPECT_EQ(RegistrationOrder[slot], static_cast<i16>(slot));
        // No piece reaches into another spot's own region: there the own region takes the
        // click, and the shape drawn would not be the spot's.
        for (size_t own = 0; own < FirstAddedSlot; ++own) {
            const TRect& r = Regions[own].Rect;
            const bool meets =
                std::max(r.left, piece.Rect.left) < std::min(r.right, piece.Rect.right) &&
                std::max(r.top, piece.Rect.top) < std::min(r.bottom, piece.Rect.bottom);
            EXPECT_FALSE(meets && Regions[own].Spot >= 0 && Regions[own].Spot != piece.Spot)
                << piece.Id << " meets " << Regions[own].Id;
        }
    }
    // The roll area goes out with the pass line's pieces above its right side, and nothing else.
    EXPECT_TRUE(GoesWithRollArea(RollAreaSlot));
    for (size_t slot = 0; slot < SlotCount; ++slot) {
        const bool aboveRight = Regions[slot].Spot == table_spot::PassLine &&
                                slot >= FirstAddedSlot && Regions[slot].Rect.bottom <= 319;
        if (slot != RollAreaSlot && Regions[slot].Spot != table_spot::PassLine) {
            EXPECT_FALSE(GoesWithRollArea(slot)) << slot;
        }
        if (aboveRight) {
            EXPECT_TRUE(GoesWithRollArea(slot)) << slot;
        }
    }
}

} // namespace
