// Chips: stack animations of the six denominations, the seat chits, the 43 bet spots, the payout
// piles and the chip rack.
#include "tools/databuild/art/ChipArt.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/TableDrawing.h"
#include "tools/databuild/model/TableObjects.h"

namespace {

constexpr i16 StackZ = 20;
// The gambler's stacks stand in front of the chip buttons' faces, so that a pressed or disabled
// button still shows them (the faces lie at 40).
constexpr i16 RackZ = 41;
// The payout piles stand beside each seat's place on the pass line.
constexpr i32 PayoutOffset = 24;
// The buy or place spots, where a bought number shows its marker.
constexpr int FirstBuySpot = 17;
constexpr int LastBuySpot = 22;

const char* const Denominations[CHIP_DENOMINATIONS] = {"001", "005", "025", "100", "01k", "10k"};

std::string StackFile(int denomination) {
    return TableFile(std::string("f1chp") + Denominations[denomination] + ".anm");
}

std::string RackFile(int denomination) {
    return TableFile(std::string("f1rck") + Denominations[denomination] + ".anm");
}

// The pixels a frame covers with its hotspot at (x, y).
TBox FrameBox(const TAnmFrameSource& frame, i32 x, i32 y) {
    const i32 left = x - frame.HotX;
    const i32 top = y - frame.HotY;
    return {left, top, left + frame.Width, top + frame.Height};
}

void AddSpot(TSpriteListModel& list, int spot) {
    const u16 code = static_cast<u16>(TO_SPOT_FIRST + spot);
    TSpriteModel sprite(ProgramString(TableObjectString(code)), code);
    const TBox& box = SpotRegion(static_cast<i16>(spot)).Box;
    const i32 foot = PilePlace(spot, 0).Foot;
    for (int seat = 0; seat < 3; ++seat)
        for (int d = 0; d < 6; ++d)
            sprite.AddAnm(StackFile(d), PilePlace(spot, seat).X, PilePlace(spot, seat).Foot,
                          StackZ);
    sprite.AddAnm(TableFile("f1chit.anm"), box.CentreX(), foot, StackZ + 10);
    // Each seat's buy marker stands on that seat's own pile.
    for (int seat = 0; seat < 3; ++seat)
        sprite.AddAnm(TableFile("f1buy.anm"), PilePlace(spot, seat).MarkerX,
                      PilePlace(spot, seat).Foot, StackZ + 10);
    if (IsOddsSpot(spot))
        for (int seat = 0; seat < 3; ++seat)
            for (int d = 0; d < 6; ++d)
                sprite.AddAnm(StackFile(d), PilePlace(spot, seat).OddsX, PilePlace(spot, seat).Foot,
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
            payout.AddAnm(StackFile(d), SeatX(seat) + PayoutOffset, SEAT_LINE_Y, StackZ);
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

// A pile of as many chips as the layout keeps its words clear of: painted once, for its size.
const TAnmFrameSource& KeepClearPile() {
    static const TAnmFrameSource pile = ChipStackFrames(0)[KEEP_CLEAR_CHIPS - 1];
    return pile;
}

std::vector<TBox> PileReach(int spot) {
    const TAnmFrameSource& pile = KeepClearPile();
    static const TAnmFrameSource marker = BuyMarkerFrame();
    std::vector<TBox> reach;
    // As the spot lays its piles out: a seat whose pile stands where seat 0's does goes on top of
    // the seat before it; its odds start on its stake's top, its marker on the pile's.
    const i32 firstX = PilePlace(spot, 0).X;
    i32 y = PilePlace(spot, 0).Foot;
    for (int seat = 0; seat < 3; ++seat) {
        const TPilePlace place = PilePlace(spot, seat);
        if (place.X != firstX)
            y = place.Foot;
        reach.push_back(FrameBox(pile, place.X, y));
        y -= CHIP_PITCH * KEEP_CLEAR_CHIPS;
        i32 top = y;
        if (IsOddsSpot(spot)) {
            reach.push_back(FrameBox(pile, place.OddsX, top));
            top -= CHIP_PITCH * KEEP_CLEAR_CHIPS;
        }
        if (spot >= FirstBuySpot && spot <= LastBuySpot)
            reach.push_back(FrameBox(marker, place.MarkerX, top));
    }
    return reach;
}

std::vector<TBox> SeatPlaceReach() {
    std::vector<TBox> reach;
    const TAnmFrameSource& pile = KeepClearPile();
    const TAnmFrameSource dice = ShooterDiceFrame();
    for (int seat = 0; seat < 3; ++seat) {
        reach.push_back(FrameBox(pile, SeatX(seat) + PayoutOffset, SEAT_LINE_Y));
        reach.push_back(FrameBox(dice, SeatX(seat), SEAT_LINE_Y));
    }
    return reach;
}
