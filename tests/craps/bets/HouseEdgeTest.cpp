// The house's exact edge on each bet kind, from the ledgers' own answers over the 36 rolls.
#include "BetFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace bettest;

namespace {

struct TEdgeCase {
    TBetKindCase Kind;
    i64 Num;
    i64 Den;
};

} // namespace

// $60 makes every payout whole, so the sum of the bettor's results is an exact integer and the
// edge (loss per dollar per decision) compares as a cross product.
TEST(HouseEdgeTest, EachKindKeepsTheHouseItsExactShare) {
    const TEdgeCase cases[] = {
        {OneRoll("any 7", 5, 85), 1, 6},
        {AnyCraps(), 1, 9},
        {OneRoll("two", 0, 87), 5, 36},
        {OneRoll("twelve", 10, 90), 5, 36},
        {OneRoll("three", 1, 88), 1, 9},
        {OneRoll("eleven", 9, 89), 1, 9},
        {Field(), 1, 36},
        {Big("big 6", 4, 60), 1, 11},
        {Big("big 8", 6, 61), 1, 11},
        {Hard("hard 4", 2, 81), 1, 9},
        {Hard("hard 10", 8, 84), 1, 9},
        {Hard("hard 6", 4, 82), 1, 11},
        {Hard("hard 8", 6, 83), 1, 11},
        {CAndE(), 1, 9},
        {Horn(), 1, 8},
        {Place("place 4", 2, 63, 0), 1, 15},
        {Place("place 10", 8, 68, 0), 1, 15},
        {Place("place 5", 3, 64, 0), 1, 25},
        {Place("place 9", 7, 67, 0), 1, 25},
        {Place("place 6", 4, 65, 0), 1, 66},
        {Place("place 8", 6, 66, 0), 1, 66},
        {Place("buy 4", 2, 63, 1), 1, 60},
        {Place("buy 10", 8, 68, 1), 1, 60},
        {Place("buy 5", 3, 64, 1), 1, 50},
        {Place("buy 9", 7, 67, 1), 1, 50},
        {Place("buy 6", 4, 65, 1), 1, 44},
        {Place("buy 8", 6, 66, 1), 1, 44},
        {Lay("lay 4", 2, 75), 1, 30},
        {Lay("lay 10", 8, 80), 1, 30},
        {Lay("lay 5", 3, 76), 3, 100},
        {Lay("lay 9", 7, 79), 3, 100},
        {Lay("lay 6", 4, 77), 3, 110},
        {Lay("lay 8", 6, 78), 3, 110},
    };
    constexpr double Stake = 60.0;
    for (const TEdgeCase& c : cases) {
        SCOPED_TRACE(c.Kind.Name);
        double net = 0.0;
        i64 decisions = 0;
        for (i16 die1 = 0; die1 < 6; ++die1) {
            for (i16 die2 = 0; die2 < 6; ++die2) {
                const TSettled settled = SettleOne(c.Kind, Stake, die1, die2, 4, 0, AllOn);
                if (settled.Decision == EDecision::Win) {
                    net += settled.Collected - Stake;
                    ++decisions;
                } else if (settled.Decision == EDecision::Lose) {
                    net -= Stake;
                    ++decisions;
                }
            }
        }
        ASSERT_EQ(net, std::round(net));
        const auto loss = static_cast<i64>(-net);
        EXPECT_EQ(loss * c.Den, c.Num * decisions * static_cast<i64>(Stake));
    }
}
