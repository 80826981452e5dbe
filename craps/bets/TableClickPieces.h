// Every click region of the table by slot: the layout's own and the pieces made from the spots'
// outlines, the one table the game hit-tests. Making the pieces is compile-time work, so only
// the files that register or look up regions include this.
#pragma once

#include "craps/bets/TableOutlines.h"
#include "craps/bets/TableSpots.h"

#include <array>

namespace table_region {

// The added pieces: what the spots' outlines cover beyond the layout's own regions, outline by
// outline, top to bottom. The list's room only bounds them: outlines that make more stop the
// build.
inline constexpr auto AddedPieces =
    table_outline::PieceList<512>(table_outline::Outlines, LayoutRegions);
constexpr size_t AddedCount = AddedPieces.Count;
constexpr size_t SlotCount = FirstAddedSlot + AddedCount;
constexpr u16 LastAddedId = AddedPieceId(AddedCount - 1);

// Every region by slot: the layout's own, then the added pieces.
inline constexpr std::array<TRegion, SlotCount> Regions = [] {
    std::array<TRegion, SlotCount> all{};
    for (size_t slot = 0; slot < FirstAddedSlot; ++slot)
        all[slot] = LayoutRegions[slot];
    for (size_t i = 0; i < AddedCount; ++i)
        all[FirstAddedSlot + i] = {AddedPieceId(i), AddedPieces.Pieces[i].Spot,
                                   AddedPieces.Pieces[i].Rect};
    return all;
}();

// The seat-change area and the whole layout first, then the later pieces of the long spots,
// then the spots in table order, then the added pieces: where a piece meets another spot's own
// region, the region registered first takes the click.
inline constexpr std::array<i16, SlotCount> RegistrationOrder = [] {
    constexpr i16 Own[FirstAddedSlot] = {
        50, 51, 43, 44, 45, 46, 47, 48, 49, 0,  1,  2,  3,  4,  5,  6,  7,  8,
        9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
        27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42,
    };
    std::array<i16, SlotCount> order{};
    for (size_t i = 0; i < SlotCount; ++i)
        order[i] = i < FirstAddedSlot ? Own[i] : static_cast<i16>(i);
    return order;
}();

// The slot of a region id; -1 for an id no region uses.
constexpr i16 SlotOfId(u16 id) {
    if (id == SeatAreaId)
        return static_cast<i16>(SeatAreaSlot);
    if (id == LayoutId)
        return static_cast<i16>(LayoutSlot);
    if (id >= FirstSpotId && id <= LastSpotId)
        return static_cast<i16>(id - FirstSpotId);
    if (id >= FirstPieceId && id <= LastPieceId)
        return static_cast<i16>(FirstPieceSlot + (id - FirstPieceId));
    for (size_t i = 0; i < FreeIdCount && i < AddedCount; ++i)
        if (id == AddedPieceId(i))
            return static_cast<i16>(FirstAddedSlot + i);
    if (AddedCount > FreeIdCount && id >= AddedPieceId(FreeIdCount) && id <= LastAddedId)
        return static_cast<i16>(FirstAddedSlot + FreeIdCount + (id - AddedPieceId(FreeIdCount)));
    return -1;
}

// The spot a region id stands for; NoSpot for the seat-change area, the layout and an id no
// region uses.
constexpr i16 SpotOfId(u16 id) {
    const i16 slot = SlotOfId(id);
    return slot >= 0 ? Regions[static_cast<size_t>(slot)].Spot : NoSpot;
}

// Whether the id is a spot's, one of a spot's later pieces or an added piece.
constexpr bool IsSpotId(u16 id) {
    return (id >= FirstSpotId && id <= LastPieceId) || SlotOfId(id) >= i16{FirstAddedSlot};
}

// Whether the slot's region is out while a roll runs: the extra pass-line area and the added
// pieces of the pass line above the pass line's right side. The roll area's dice land there,
// right of the don't pass's arm; the pass line below and left of it keeps its clicks.
constexpr bool GoesWithRollArea(size_t slot) {
    if (slot == RollAreaSlot)
        return true;
    return slot >= FirstAddedSlot && slot < SlotCount &&
           Regions[slot].Spot == table_spot::PassLine &&
           Regions[slot].Rect.top < LayoutRegions[PassLineSideSlot].Rect.top;
}

} // namespace table_region
