// Every bet kind over all 36 rolls, come-out and each point, options on and off, against the
// casino's pay table for a $60 stake.
#include "BetFixtures.h"

#include "craps/bets/BoxNumberBets.h"
#include "craps/bets/NumberBets.h"
#include "craps/bets/OneRollBets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>

using namespace bettest;

namespace {

// One kind as a layout has it: a name for failures, a maker and the buy flag it is placed with.
struct TBetKindCase {
    std::string Name;
    std::function<std::unique_ptr<TCBetLedger>()> Make;
    u8 BuyFlag = 0;
};

template <class T, class... Args> TBetKindCase Kind(const std::string& name, Args... args) {
    return {name, [=] { return std::unique_ptr<TCBetLedger>(new T(args...)); }};
}
TBetKindCase Bought(const std::string& name, i16 number, i16 id) {
    TBetKindCase kind = Kind<TBetBuyLedger>(name, number, id);
    kind.BuyFlag = 1;
    return kind;
}

struct TSettled {
    EDecision Decision = EDecision::None;
    double Collected = 0.0;
};

// Places the stake on seat 0 the way the table does (buy flag for the box numbers), runs the
// tests with the given options, and collects a win.
TSettled SettleOne(const TBetKindCase& kind, i16 die1, i16 die2, i16 point, u8 comeOut,
                   const TCrapsBetOptions& options) {
    const auto bet = kind.Make();
    bet->AddToAmount(0, TMoney(60.0), comeOut, point, kind.BuyFlag);
    const bool win = bet->TestWin(die1, die2, point, comeOut, options);
    const bool lose = bet->TestLose(die1, die2, point, comeOut, options);
    if (win && lose) {
        return {EDecision::None, -1.0}; // never valid: flagged by the comparison
    }
    if (win) {
        return {EDecision::Win, bet->CollectWin(0, static_cast<i16>(die1 + die2)).GetValue()};
    }
    return {lose ? EDecision::Lose : EDecision::None, 0.0};
}

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

using OneRoll = TBet1RollLedger;
using AnyCraps = TBetAnyCrapsLedger;
using Field = TBetFieldLedger;
using Craps11 = TBetCraps11Ledger;
using Big = TBetBigLedger;
using Hard = TBetHardLedger;
using Place = TBetBuyLedger;
using Lay = TBetLayLedger;

std::vector<TRule> Rules() {
    const int hardOption = OptionHardwaysOnComeOut;
    const int boxOption = OptionBuyPlaceOnComeOut;
    return {
        {Kind<OneRoll>("any 7", 5, 85), {{7, 300}}, AllBut({7})},
        {Kind<OneRoll>("two", 0, 87), {{2, 1860}}, AllBut({2})},
        {Kind<OneRoll>("three", 1, 88), {{3, 960}}, AllBut({3})},
        {Kind<OneRoll>("eleven", 9, 89), {{11, 960}}, AllBut({11})},
        {Kind<OneRoll>("twelve", 10, 90), {{12, 1860}}, AllBut({12})},
        {Kind<AnyCraps>("any craps", 86), {{2, 480}, {3, 480}, {12, 480}}, AllBut({2, 3, 12})},
        {Kind<Field>("field", 62),
         {{2, 180}, {3, 120}, {4, 120}, {9, 120}, {10, 120}, {11, 120}, {12, 240}},
         {5, 6, 7, 8}},
        // Halves of $30: the craps half wins 7 to 1, the eleven half 15 to 1, the other is lost.
        {Kind<Craps11>("C and E", 92, u8{0}),
         {{2, 240}, {3, 240}, {12, 240}, {11, 480}},
         AllBut({2, 3, 11, 12})},
        // Quarters of $15: 2 and 12 win 30 to 1, 3 and 11 win 15 to 1, three quarters are lost.
        {Kind<Craps11>("Horn", 91, u8{1}),
         {{2, 465}, {12, 465}, {3, 240}, {11, 240}},
         AllBut({2, 3, 11, 12})},
        {Kind<Big>("big 6", 4, 60), {{6, 120}}, {7}},
        {Kind<Big>("big 8", 6, 61), {{8, 120}}, {7}},
        {Kind<Hard>("hard 4", 2, 81), {{4, 480}}, {7}, 4, hardOption},
        {Kind<Hard>("hard 6", 4, 82), {{6, 600}}, {7}, 6, hardOption},
        {Kind<Hard>("hard 8", 6, 83), {{8, 600}}, {7}, 8, hardOption},
        {Kind<Hard>("hard 10", 8, 84), {{10, 480}}, {7}, 10, hardOption},
        {Kind<Place>("place 4", 2, 63), {{4, 168}}, {7}, 0, boxOption},
        {Kind<Place>("place 5", 3, 64), {{5, 144}}, {7}, 0, boxOption},
        {Kind<Place>("place 6", 4, 65), {{6, 130}}, {7}, 0, boxOption},
        {Kind<Place>("place 8", 6, 66), {{8, 130}}, {7}, 0, boxOption},
        {Kind<Place>("place 9", 7, 67), {{9, 144}}, {7}, 0, boxOption},
        {Kind<Place>("place 10", 8, 68), {{10, 168}}, {7}, 0, boxOption},
        {Bought("buy 4", 2, 63), {{4, 177}}, {7}, 0, boxOption},
        {Bought("buy 5", 3, 64), {{5, 147}}, {7}, 0, boxOption},
        {Bought("buy 6", 4, 65), {{6, 129}}, {7}, 0, boxOption},
        {Bought("buy 8", 6, 66), {{8, 129}}, {7}, 0, boxOption},
        {Bought("buy 9", 7, 67), {{9, 147}}, {7}, 0, boxOption},
        {Bought("buy 10", 8, 68), {{10, 177}}, {7}, 0, boxOption},
        {Kind<Lay>("lay 4", 2, 75), {{7, 87}}, {4}},
        {Kind<Lay>("lay 5", 3, 76), {{7, 97}}, {5}},
        {Kind<Lay>("lay 6", 4, 77), {{7, 107}}, {6}},
        {Kind<Lay>("lay 8", 6, 78), {{7, 107}}, {8}},
        {Kind<Lay>("lay 9", 7, 79), {{7, 97}}, {9}},
        {Kind<Lay>("lay 10", 8, 80), {{7, 87}}, {10}},
    };
}

} // namespace

// One come-out option off at a time tells which of them a kind reads.
TEST(PayoffTableTest, EveryKindOverEveryRollMatchesTheCasinoTable) {
    struct TTableState {
        u8 ComeOut;
        i16 Point;
    };
    const TTableState states[] = {{1, -1}, {0, 2}, {0, 3}, {0, 4}, {0, 6}, {0, 7}, {0, 8}};
    TCrapsBetOptions hardOff = AllOn, boxOff = AllOn;
    hardOff[OptionHardwaysOnComeOut] = boxOff[OptionBuyPlaceOnComeOut] = 0;
    const TCrapsBetOptions optionSets[] = {AllOn, AllOff, hardOff, boxOff};
    int checked = 0;
    for (const TRule& rule : Rules()) {
        for (const TTableState& state : states) {
            for (int set = 0; set < 4; ++set) {
                for (i16 die1 = 0; die1 < 6; ++die1) {
                    for (i16 die2 = 0; die2 < 6; ++die2) {
                        const TCrapsBetOptions& options = optionSets[set];
                        const TSettled want = Expected(rule, die1, die2, state.ComeOut, options);
                        const TSettled got =
                            SettleOne(rule.Kind, die1, die2, state.Point, state.ComeOut, options);
                        SCOPED_TRACE(rule.Kind.Name + " dice " + std::to_string(die1 + 1) + "-" +
                                     std::to_string(die2 + 1) + " come-out " +
                                     std::to_string(state.ComeOut) + " options " +
                                     std::to_string(set));
                        EXPECT_EQ(static_cast<int>(got.Decision), static_cast<int>(want.Decision));
                        EXPECT_DOUBLE_EQ(got.Collected, want.Collected);
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 33 * 7 * 4 * 36);
}

// $60 makes every payout whole, so the bettor's summed result over the 36 rolls is exact and the
// house's edge (loss per dollar per decision) compares as a cross product.
TEST(PayoffTableTest, EachKindKeepsTheHouseItsExactShare) {
    const std::map<std::string, std::pair<i64, i64>> edges = {
        {"any 7", {1, 6}},     {"two", {5, 36}},      {"three", {1, 9}},    {"eleven", {1, 9}},
        {"twelve", {5, 36}},   {"any craps", {1, 9}}, {"field", {1, 36}},   {"C and E", {1, 9}},
        {"Horn", {1, 8}},      {"big 6", {1, 11}},    {"big 8", {1, 11}},   {"hard 4", {1, 9}},
        {"hard 6", {1, 11}},   {"hard 8", {1, 11}},   {"hard 10", {1, 9}},  {"place 4", {1, 15}},
        {"place 5", {1, 25}},  {"place 6", {1, 66}},  {"place 8", {1, 66}}, {"place 9", {1, 25}},
        {"place 10", {1, 15}}, {"buy 4", {1, 60}},    {"buy 5", {1, 50}},   {"buy 6", {1, 44}},
        {"buy 8", {1, 44}},    {"buy 9", {1, 50}},    {"buy 10", {1, 60}},  {"lay 4", {1, 30}},
        {"lay 5", {3, 100}},   {"lay 6", {3, 110}},   {"lay 8", {3, 110}},  {"lay 9", {3, 100}},
        {"lay 10", {1, 30}},
    };
    for (const TRule& rule : Rules()) {
        SCOPED_TRACE(rule.Kind.Name);
        const auto edge = edges.find(rule.Kind.Name);
        ASSERT_NE(edge, edges.end());
        double net = 0.0;
        i64 decisions = 0;
        for (i16 die1 = 0; die1 < 6; ++die1) {
            for (i16 die2 = 0; die2 < 6; ++die2) {
                const TSettled settled = SettleOne(rule.Kind, die1, die2, 4, 0, AllOn);
                if (settled.Decision != EDecision::None) {
                    net += settled.Decision == EDecision::Win ? settled.Collected - 60.0 : -60.0;
                    ++decisions;
                }
            }
        }
        ASSERT_EQ(net, std::round(net));
        EXPECT_EQ(static_cast<i64>(-net) * edge->second.second,
                  edge->second.first * decisions * 60);
    }
}
