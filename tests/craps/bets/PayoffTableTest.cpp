// Every bet kind over all 36 rolls, come-out and each point, options on and off, against the
// casino's pay table for a $60 stake.
#include "BetFixtures.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace bettest;

namespace {

// What a casino pays: totals that win (with the whole amount collected on $60), totals that
// lose, the hardway total (won only as doubles) and the option that keeps it working on a
// come-out roll (-1: always working).
struct TRule {
    TBetKindCase Kind;
    std::map<int, double> Collects;
    std::set<int> Loses;
    int HardTotal = 0;
    int ComeOutOption = -1;
};

TSettled Expected(const TRule& rule, int die1, int die2, u8 comeOut,
                  const TCrapsBetOptions& options) {
    if (comeOut != 0 && rule.ComeOutOption >= 0 && options[rule.ComeOutOption] == 0) {
        return {};
    }
    const int total = die1 + die2 + 2;
    if (rule.HardTotal != 0 && total == rule.HardTotal) {
        return die1 == die2 ? TSettled{EDecision::Win, rule.Collects.at(total)}
                            : TSettled{EDecision::Lose, 0.0};
    }
    if (const auto it = rule.Collects.find(total); it != rule.Collects.end()) {
        return {EDecision::Win, it->second};
    }
    return {rule.Loses.contains(total) ? EDecision::Lose : EDecision::None, 0.0};
}

std::set<int> AllBut(std::set<int> winners) {
    std::set<int> losers;
    for (int total = 2; total <= 12; ++total) {
        if (!winners.contains(total)) {
            losers.insert(total);
        }
    }
    return losers;
}

std::vector<TRule> Rules() {
    const int hardOption = OptionHardwaysOnComeOut;
    const int boxOption = OptionBuyPlaceOnComeOut;
    return {
        {OneRoll("any 7", 5, 85), {{7, 300}}, AllBut({7})},
        {OneRoll("two", 0, 87), {{2, 1860}}, AllBut({2})},
        {OneRoll("three", 1, 88), {{3, 960}}, AllBut({3})},
        {OneRoll("eleven", 9, 89), {{11, 960}}, AllBut({11})},
        {OneRoll("twelve", 10, 90), {{12, 1860}}, AllBut({12})},
        {AnyCraps(), {{2, 480}, {3, 480}, {12, 480}}, AllBut({2, 3, 12})},
        {Field(),
         {{2, 180}, {3, 120}, {4, 120}, {9, 120}, {10, 120}, {11, 120}, {12, 240}},
         {5, 6, 7, 8}},
        // Halves of $30: the craps half wins 7 to 1, the eleven half 15 to 1, the other is lost.
        {CAndE(), {{2, 240}, {3, 240}, {12, 240}, {11, 480}}, AllBut({2, 3, 11, 12})},
        // Quarters of $15: 2 and 12 win 30 to 1, 3 and 11 win 15 to 1, three quarters are lost.
        {Horn(), {{2, 465}, {12, 465}, {3, 240}, {11, 240}}, AllBut({2, 3, 11, 12})},
        {Big("big 6", 4, 60), {{6, 120}}, {7}},
        {Big("big 8", 6, 61), {{8, 120}}, {7}},
        {Hard("hard 4", 2, 81), {{4, 480}}, {7}, 4, hardOption},
        {Hard("hard 6", 4, 82), {{6, 600}}, {7}, 6, hardOption},
        {Hard("hard 8", 6, 83), {{8, 600}}, {7}, 8, hardOption},
        {Hard("hard 10", 8, 84), {{10, 480}}, {7}, 10, hardOption},
        {Place("place 4", 2, 63, 0), {{4, 168}}, {7}, 0, boxOption},
        {Place("place 5", 3, 64, 0), {{5, 144}}, {7}, 0, boxOption},
        {Place("place 6", 4, 65, 0), {{6, 130}}, {7}, 0, boxOption},
        {Place("place 8", 6, 66, 0), {{8, 130}}, {7}, 0, boxOption},
        {Place("place 9", 7, 67, 0), {{9, 144}}, {7}, 0, boxOption},
        {Place("place 10", 8, 68, 0), {{10, 168}}, {7}, 0, boxOption},
        {Place("buy 4", 2, 63, 1), {{4, 177}}, {7}, 0, boxOption},
        {Place("buy 5", 3, 64, 1), {{5, 147}}, {7}, 0, boxOption},
        {Place("buy 6", 4, 65, 1), {{6, 129}}, {7}, 0, boxOption},
        {Place("buy 8", 6, 66, 1), {{8, 129}}, {7}, 0, boxOption},
        {Place("buy 9", 7, 67, 1), {{9, 147}}, {7}, 0, boxOption},
        {Place("buy 10", 8, 68, 1), {{10, 177}}, {7}, 0, boxOption},
        {Lay("lay 4", 2, 75), {{7, 87}}, {4}},
        {Lay("lay 5", 3, 76), {{7, 97}}, {5}},
        {Lay("lay 6", 4, 77), {{7, 107}}, {6}},
        {Lay("lay 8", 6, 78), {{7, 107}}, {8}},
        {Lay("lay 9", 7, 79), {{7, 97}}, {9}},
        {Lay("lay 10", 8, 80), {{7, 87}}, {10}},
    };
}

const char* Name(EDecision decision) {
    switch (decision) {
    case EDecision::Win:
        return "win";
    case EDecision::Lose:
        return "lose";
    default:
        return "none";
    }
}

} // namespace

TEST(PayoffTableTest, EveryKindOverEveryRollMatchesTheCasinoTable) {
    struct TTableState {
        u8 ComeOut;
        i16 Point;
    };
    const TTableState states[] = {{1, -1}, {0, 2}, {0, 3}, {0, 4}, {0, 6}, {0, 7}, {0, 8}};
    int checked = 0;
    for (const TRule& rule : Rules()) {
        for (const TTableState& state : states) {
            for (const TCrapsBetOptions& options : {AllOn, AllOff}) {
                for (i16 die1 = 0; die1 < 6; ++die1) {
                    for (i16 die2 = 0; die2 < 6; ++die2) {
                        const TSettled want = Expected(rule, die1, die2, state.ComeOut, options);
                        const TSettled got = SettleOne(rule.Kind, 60.0, die1, die2, state.Point,
                                                       state.ComeOut, options);
                        SCOPED_TRACE(rule.Kind.Name + " dice " + std::to_string(die1 + 1) + "-" +
                                     std::to_string(die2 + 1) + " come-out " +
                                     std::to_string(state.ComeOut) + " options " +
                                     std::to_string(options[0]));
                        EXPECT_STREQ(Name(got.Decision), Name(want.Decision));
                        EXPECT_DOUBLE_EQ(got.Collected, want.Collected);
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 33 * 7 * 2 * 36);
}
