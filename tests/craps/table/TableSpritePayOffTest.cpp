// Payout chips: amounts laid out as stacks on the paid seat's row, held still while ticked.
#include "TableSpriteArt.h"

#include "craps/table/BetPayOff.h"

#include <cmath>
#include <map>

namespace {

using namespace tableart;

// Rows at different places, so a stack on the wrong row shows in its position.
constexpr TRows Rows = {TGrPoint{150, 80, 40}, TGrPoint{100, 70, 20}, TGrPoint{50, 90, 60}};

// A shown stack by column: its frame, and its y and z from its row's point.
using TStacks = std::map<int, std::array<int, 3>>;

TStacks Shown(const TCBetPayOff& payoff, i16 row) {
    TStacks shown;
    // A picture read from its file stands a pixel right of and below its cell's point.
    const TGrPoint cell = Rows[static_cast<size_t>(row)];
    const TGrPoint at{static_cast<i16>(cell.x + 1), static_cast<i16>(cell.y + 1), cell.z};
    for (i16 c = 0; c < 6; ++c) {
        const TAnmData& data = payoff.GetStack(row, c)->GetCurrentData();
        if (!payoff.GetStack(row, c)->IsShown())
            continue;
        EXPECT_EQ(data.Position.x, at.x) << "column " << c << ": x is never moved";
        EXPECT_LT(data.CurrentFrame, PayOffFrames[c]) << "column " << c << ": no such frame";
        shown[c] = {data.CurrentFrame, data.Position.y - at.y, data.Position.z - at.z};
    }
    return shown;
}

using PayOff = ObjectFileFixture;

TEST_F(PayOff, PayoutsStackLargestFirstOnTheSeatsRowAndHoldStill) {
    WriteTableArt(Cd);
    TTickOwner owner;
    WriteSpriteFile(&owner, "payoff", Members("anm", 18), Rows);
    const struct {
        i16 Seat;
        double Amount;
        i16 Row;
        TStacks Stacks;
    } cases[] = {
        // clang-format off
        {1, 1234.0, 0, {{4, {0, 0, 0}}, {3, {1, -2, 1}}, {2, {0, -6, 3}}, {1, {0, -8, 4}},
                        {0, {3, -10, 5}}}},
        {0, 100000.0, 1, {}},
        {2, 100030.0, 2, {{2, {0, 0, 0}}, {1, {0, -2, 1}}}},
        {0, 99999.99, 1, {{5, {8, 0, 0}}, {4, {8, -18, 9}}, {3, {8, -36, 18}}, {2, {2, -54, 27}},
                          {1, {3, -60, 30}}, {0, {3, -68, 34}}}},
        {-1, 5.0, 2, {{1, {0, 0, 0}}}},  {1, 0.75, 0, {}},  {0, -1234.0, 1, {}},
        {2, std::nan(""), 2, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Amount);
        auto payoff = TCBetPayOff::Make(&owner, TFileMode("payoff", 0, FM_LEVEL_NOW));
        payoff->Play(0);
        // What another row showed stays; the row paid loses every stack of its last payout.
        const auto other = static_cast<i16>((c.Row + 1) % 3);
        payoff->LayOutPayoutChips(std::array<i16, 3>{1, 0, 2}[static_cast<size_t>(other)],
                                  TMoney(6.0));
        payoff->LayOutPayoutChips(c.Seat, TMoney(99999.0));
        payoff->LayOutPayoutChips(c.Seat, TMoney(c.Amount));
        EXPECT_FALSE(payoff->HasFlags(JOF_TIMED_ON)) << "drawn from the next frame on";
        TickHeld(*payoff, owner);
        for (i16 row = 0; row < 3; ++row) {
            const TStacks six = row == other ? TStacks{{1, {0, 0, 0}}, {0, {0, -2, 1}}} : TStacks{};
            EXPECT_EQ(Shown(*payoff, row), row == c.Row ? c.Stacks : six) << "row " << row;
        }
        payoff->Hide();
        EXPECT_TRUE(Shown(*payoff, 0).empty() && Shown(*payoff, 1).empty() &&
                    Shown(*payoff, 2).empty());
    }
}

} // namespace
