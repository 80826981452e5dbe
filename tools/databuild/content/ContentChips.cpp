// Chips: stack animations of the six denominations, the seat chits, the 43 bet spots, the payout
// piles and the chip rack.
#include "tools/databuild/art/ChipArt.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/TableLayout.h"
#include "tools/databuild/model/TableObjects.h"

#include <algorithm>

namespace {

// Spots wide enough for three piles of this width give each seat a pile of its own.
constexpr i32 ChipWidth = 12;
constexpr i16 StackZ = 20;
// The gambler's stacks stand in front of the chip buttons' faces, so that a pressed or disabled
// button still shows them (the faces lie at 40).
constexpr i16 RackZ = 41;
// On the pass line each seat's pile lies beside the seat's place, where the shooter's dice do
// not cover it.
constexpr i32 PassPileOffset = 28;

const char* const Denominations[CHIP_DENOMINATIONS] = {"001", "005", "025", "100", "01k", "10k"};

std::string StackFile(int denomination) {
    return TableFile(std::string("f1chp") + Denominations[denomination] + ".anm");
}

std::string RackFile(int denomination) {
    return TableFile(std::string("f1rck") + Denominations[denomination] + ".anm");
}

// The x of each seat's pile on a spot: wide spots give every seat its own (seat 1 left, seat 0
// in the middle, seat 2 right), narrow ones pile the seats on one another.
i32 PileX(int spot, const TBox& box, int seat) {
    if (spot == 0)
        return SeatX(seat) + PassPileOffset;
    if (box.Width() < 3 * ChipWidth + 4)
        return box.CentreX();
    const int third = seat == 1 ? 0 : seat == 0 ? 1 : 2;
    return box.L + box.Width() * (2 * third + 1) / 6;
}

void AddSpot(TSpriteListModel& list, int spot) {
    const u16 code = static_cast<u16>(TO_SPOT_FIRST + spot);
    TSpriteModel sprite(ProgramString(TableObjectString(code)), code);
    const TBox& box = SpotRegion(static_cast<i16>(spot)).Box;
    const i32 foot = box.B - 1;
    for (int seat = 0; seat < 3; ++seat)
        for (int d = 0; d < 6; ++d)
            sprite.AddAnm(StackFile(d), PileX(spot, box, seat), foot, StackZ);
    sprite.AddAnm(TableFile("f1chit.anm"), box.CentreX(), foot, StackZ + 10);
    // Each seat's buy marker stands on that seat's own pile.
    for (int seat = 0; seat < 3; ++seat)
        sprite.AddAnm(TableFile("f1buy.anm"), PileX(spot, box, seat), foot, StackZ + 10);
    if (IsOddsSpot(spot))
        for (int seat = 0; seat < 3; ++seat)
            for (int d = 0; d < 6; ++d)
                sprite.AddAnm(StackFile(d), std::min(PileX(spot, box, seat) + 6, box.R - 1), foot,
                              StackZ);
    sprite.Needs = NeedsOf(code);
    list.Add(std::move(sprite));
}

} // namespace

void AddChipObjects(TDataSet& set) {
    for (int d = 0; d < CHIP_DENOMINATIONS; ++d) {
        set.AddAnm(StackFile(d), ChipStackFrames(d));
        set.AddAnm(RackFile(d), RackStackFrames(d));
    }
    set.AddAnm(TableFile("f1chit.anm"), SeatChitFrames());
    set.AddAnm(TableFile("f1buy.anm"), {BuyMarkerFrame()});

    TSpriteListModel& list = TableSprites(set);
    for (int spot = 0; spot < SPOT_COUNT; ++spot)
        AddSpot(list, spot);

    // The payout piles: row 0 seat 1, row 1 seat 0, row 2 seat 2, each a pile beside the
    // seat's place.
    TSpriteModel payout(ProgramString(TableObjectString(TO_PAYOUT)), TO_PAYOUT);
    for (int seat : {1, 0, 2})
        for (int d = 0; d < 6; ++d)
            payout.AddAnm(StackFile(d), SeatX(seat) + 24, SEAT_LINE_Y, StackZ);
    payout.Needs = NeedsOf(TO_PAYOUT);
    list.Add(std::move(payout));

    // The gambler's own chips stand in the chip buttons, $1 on the right.
    TSpriteModel rack(ProgramString(TableObjectString(TO_RACK)), TO_RACK);
    for (int d = 0; d < 6; ++d) {
        const TBox& button = TableButtons()[static_cast<size_t>(11 - d)].Box;
        rack.AddAnm(RackFile(d), button.CentreX(), button.B - 1, RackZ);
    }
    rack.Needs = NeedsOf(TO_RACK);
    list.Add(std::move(rack));
}
