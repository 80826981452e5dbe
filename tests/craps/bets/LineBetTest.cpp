// Line and come bets with odds carried through the book over every pair of rolls, against the
// casino's pay table and its exact house edges.
#include "LineRounds.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace bettest;

namespace {

constexpr ELineKind AllKinds[] = {ELineKind::Pass, ELineKind::DoNotPass, ELineKind::Come,
                                  ELineKind::DoNotCome};

const char* Name(ELineKind kind) {
    constexpr const char* names[] = {"pass", "don't pass", "come", "don't come"};
    return names[static_cast<int>(kind)];
}

// The most odds a $10 bet takes behind each total, and what they win there: free odds are
// double (2.5 times on 6 and 8) at 2:1, 3:2, 6:5; lay odds are laid to win $20 at 1:2, 2:3,
// 5:6.
struct TOddsRule {
    double Odds, Win;
};
TOddsRule MaxOdds(bool doSide, int total) {
    const int pair = total == 4 || total == 10 ? 0 : total == 5 || total == 9 ? 1 : 2;
    constexpr TOddsRule free[3] = {{20, 40}, {20, 30}, {25, 30}};
    constexpr TOddsRule lay[3] = {{40, 20}, {30, 20}, {24, 20}};
    return doSide ? free[pair] : lay[pair];
}

bool IsBox(int total) {
    return total >= 4 && total <= 10 && total != 7;
}

// The casino's table for a $10 bet with the most odds behind its number.
TRoundResult Expected(ELineKind kind, int total1, int total2) {
    const bool doSide = IsDoSide(kind);
    const bool natural = total1 == 7 || total1 == 11;
    const bool craps = total1 == 2 || total1 == 3 || total1 == 12;
    if (natural || craps) {
        if (total1 == 12 && !doSide) {
            return {};
        }
        return natural == doSide ? TRoundResult{EDecision::Win, 20.0}
                                 : TRoundResult{EDecision::Lose, 0.0};
    }
    const TOddsRule odds = MaxOdds(doSide, total1);
    if (total2 == (doSide ? total1 : 7)) {
        return {EDecision::Win, 20.0 + odds.Odds + odds.Win, true};
    }
    if (total2 == (doSide ? 7 : total1)) {
        return {EDecision::Lose, 0.0, true};
    }
    return {EDecision::None, 0.0, true};
}

struct TFraction {
    i64 Num = 0;
    i64 Den = 1;
    TFraction operator+(TFraction o) const {
        TFraction sum{Num * o.Den + o.Num * Den, Den * o.Den};
        const i64 g = std::gcd(sum.Num, sum.Den);
        return {sum.Num / g, sum.Den / g};
    }
    TFraction Scaled(i64 num, i64 den) const {
        return TFraction{Num * num, Den * den} + TFraction{};
    }
    bool operator==(const TFraction&) const = default;
};

// The bettor's exact expectation, in dollars, on a bet of `line` with `odds` behind its
// number (0: none), from the book's answers: a first roll that sets the number is followed to
// its decision, which comes from the deciding second rolls in their proportions.
TFraction Expectation(ELineKind kind, double line, double odds) {
    TFraction total;
    for (int a = 0; a < 6; ++a) {
        for (int b = 0; b < 6; ++b) {
            const TRoundResult first = PlayRound(kind, line, odds, a, b);
            if (!first.Moved) {
                const double net = first.Decision == EDecision::None ? 0.0 : first.Collected - line;
                total = total + TFraction{static_cast<i64>(net), 36};
                continue;
            }
            i64 netSum = 0;
            i64 decisions = 0;
            for (int c = 0; c < 36; ++c) {
                const TRoundResult r = PlayRound(kind, line, odds, a, b, c / 6, c % 6);
                if (r.Decision != EDecision::None) {
                    const double net = r.Collected - line - odds;
                    EXPECT_EQ(net, static_cast<double>(static_cast<i64>(net)));
                    netSum += static_cast<i64>(net);
                    ++decisions;
                }
            }
            total = total + TFraction{netSum, decisions * 36};
        }
    }
    return total;
}

} // namespace

TEST(LineBetTest, EveryPairOfRollsPaysAsTheCasinoTable) {
    int checked = 0;
    for (const ELineKind kind : AllKinds) {
        for (int first = 0; first < 36; ++first) {
            const int total1 = first / 6 + first % 6 + 2;
            for (int second = 0; second < 36; ++second) {
                const int total2 = second / 6 + second % 6 + 2;
                const double odds = IsBox(total1) ? MaxOdds(IsDoSide(kind), total1).Odds : 0.0;
                const TRoundResult got =
                    PlayRound(kind, 10.0, odds, first / 6, first % 6, second / 6, second % 6);
                const TRoundResult want = Expected(kind, total1, total2);
                SCOPED_TRACE(std::string(Name(kind)) + " " + std::to_string(total1) + " then " +
                             std::to_string(total2));
                EXPECT_EQ(got.Decision, want.Decision);
                EXPECT_EQ(got.Collected, want.Collected);
                EXPECT_EQ(got.Moved, want.Moved);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 4 * 36 * 36);
}

TEST(LineBetTest, HouseEdgesAreExactWithAndWithoutOdds) {
    struct TCase {
        ELineKind Kind;
        TFraction Edge;
    };
    const TCase cases[] = {{ELineKind::Pass, {7, 495}},
                           {ELineKind::Come, {7, 495}},
                           {ELineKind::DoNotPass, {3, 220}},
                           {ELineKind::DoNotCome, {3, 220}}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(Name(c.Kind));
        const TFraction loss = c.Edge.Scaled(-60, 1);
        EXPECT_EQ(Expectation(c.Kind, 60.0, 0.0), loss);
        // Free odds in multiples of 5 and lay odds that win whole dollars add nothing to it.
        EXPECT_EQ(Expectation(c.Kind, 60.0, 60.0), loss);
    }
}

namespace {

// The bettor's mean result per decision on the odds alone, once the number is `total1` (as
// the first roll's dice), from the book's answers: with the odds less without them.
double OddsResultPerDecision(ELineKind kind, double odds, int die1, int die2) {
    double diff = 0.0;
    int decisions = 0;
    for (int c = 0; c < 36; ++c) {
        const TRoundResult with = PlayRound(kind, 10.0, odds, die1, die2, c / 6, c % 6);
        const TRoundResult without = PlayRound(kind, 10.0, 0.0, die1, die2, c / 6, c % 6);
        if (with.Decision != EDecision::None) {
            diff += (with.Collected - odds) - without.Collected;
            ++decisions;
        }
    }
    return diff / decisions;
}

} // namespace

TEST(LineBetTest, OddsAreFreeButForTheWholeDollarRule) {
    struct TCase {
        ELineKind Kind;
        int Die1, Die2; // the number
        double Odds;
        double EdgeNum, EdgeDen; // the house's share of the odds
    };
    const TCase cases[] = {
        {ELineKind::Pass, 0, 3, 1, 1, 5},       {ELineKind::Come, 3, 4, 1, 1, 5},
        {ELineKind::Pass, 2, 2, 4, 1, 11},      {ELineKind::Come, 2, 4, 3, 1, 11},
        {ELineKind::Come, 3, 3, 1, 1, 11},      {ELineKind::Pass, 0, 2, 7, 0, 1},
        {ELineKind::Pass, 2, 4, 10, 0, 1},      {ELineKind::Come, 2, 2, 25, 0, 1},
        {ELineKind::Come, 1, 1, 20, 0, 1},      {ELineKind::Pass, 3, 4, 11, 1, 55},
        {ELineKind::DoNotPass, 0, 3, 7, 0, 1},  {ELineKind::DoNotPass, 2, 2, 13.5, 0, 1},
        {ELineKind::DoNotCome, 4, 4, 23, 0, 1}, {ELineKind::DoNotCome, 3, 3, 0.75, 0, 1},
        {ELineKind::DoNotCome, 1, 2, 11, 0, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(Name(c.Kind)) + " total " + std::to_string(c.Die1 + c.Die2 + 2) +
                     " odds " + std::to_string(c.Odds));
        EXPECT_NEAR(OddsResultPerDecision(c.Kind, c.Odds, c.Die1, c.Die2),
                    -c.Odds * c.EdgeNum / c.EdgeDen, 1e-12);
    }
}
