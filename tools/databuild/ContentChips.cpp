// Chips: stack animations of the six denominations, the seat chits, the 43 bet spots, the payout
// piles and the chip rack.
#include "tools/databuild/Canvas.h"
#include "tools/databuild/Colours.h"
#include "tools/databuild/Content.h"
#include "tools/databuild/TableLayout.h"
#include "tools/databuild/TableObjects.h"

#include <algorithm>

namespace {

constexpr i32 ChipWidth = 12;
constexpr i32 ChipHeight = 5;
// Each chip of a pile lies this much above the one below (the classes count on it).
constexpr i32 ChipStep = 2;
constexpr u16 StackFrames = 10;
constexpr i16 StackZ = 20;

const char* const Denominations[6] = {"001", "005", "025", "100", "01k", "10k"};
constexpr u8 ChipColours[6] = {CL_CHIP_1,   CL_CHIP_5,    CL_CHIP_25,
                               CL_CHIP_100, CL_CHIP_1000, CL_CHIP_10000};

std::string StackFile(int denomination) {
    return TableFile(std::string("f1chp") + Denominations[denomination] + ".anm");
}

// Frame k holds k + 1 chips; the hotspot is the middle of the pile's foot.
void AddStackAnm(TDataSet& set, int denomination) {
    std::vector<TAnmFrameSource> frames;
    const u8 stripe = denomination == 0 ? CL_BLUE : CL_CHIP_STRIPE;
    for (i32 k = 0; k < StackFrames; ++k) {
        const i32 height = ChipHeight + ChipStep * k;
        TCanvas pile(ChipWidth, height);
        for (i32 chip = 0; chip <= k; ++chip) {
            const i32 top = height - ChipHeight - ChipStep * chip;
            pile.FillEllipse(0, top, ChipWidth, top + ChipHeight, ChipColours[denomination]);
            pile.Plot(2, top + 2, stripe);
            pile.Plot(ChipWidth / 2, top + ChipHeight - 1, stripe);
            pile.Plot(ChipWidth - 3, top + 2, stripe);
        }
        frames.push_back(pile.Frame(ChipWidth / 2, static_cast<i16>(height)));
    }
    set.AddAnm(StackFile(denomination), frames);
}

// A small disc standing on its foot: the seat chits (one frame a seat) and the buy marker.
TAnmFrameSource Marker(u8 fill, const std::string& text) {
    TCanvas disc(11, 11);
    disc.Disc(5, 5, 5, CL_BLACK);
    disc.Disc(5, 5, 4, fill);
    disc.TextIn(0, 0, 11, 11, text, TTextStyle{8, true, false}, CL_BLACK);
    return disc.Frame(5, 11);
}

// The x of each seat's pile on a spot: wide spots give every seat its own (seat 1 left, seat 0
// in the middle, seat 2 right), narrow ones pile the seats on one another.
i32 PileX(const TBox& box, int seat) {
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
            sprite.AddAnm(StackFile(d), PileX(box, seat), foot, StackZ);
    sprite.AddAnm(TableFile("f1chit.anm"), box.CentreX(), foot, StackZ + 10);
    for (int seat = 0; seat < 3; ++seat)
        sprite.AddAnm(TableFile("f1buy.anm"), box.CentreX(), foot, StackZ + 10);
    if (IsOddsSpot(spot))
        for (int seat = 0; seat < 3; ++seat)
            for (int d = 0; d < 6; ++d)
                sprite.AddAnm(StackFile(d), std::min(PileX(box, seat) + 6, box.R - 1), foot,
                              StackZ);
    sprite.Needs = NeedsOf(code);
    list.Add(std::move(sprite));
}

} // namespace

void AddChipObjects(TDataSet& set) {
    for (int d = 0; d < 6; ++d)
        AddStackAnm(set, d);
    set.AddAnm(TableFile("f1chit.anm"),
               {Marker(CL_SEAT_0, "1"), Marker(CL_SEAT_1, "2"), Marker(CL_SEAT_2, "3")});
    set.AddAnm(TableFile("f1buy.anm"), {Marker(CL_WHITE, "B")});

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
        rack.AddAnm(StackFile(d), button.CentreX(), button.B - 1, StackZ);
    }
    rack.Needs = NeedsOf(TO_RACK);
    list.Add(std::move(rack));
}
