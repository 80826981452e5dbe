// How much odds each line and number takes, for every number and every line from $1 to $200
// with and without cents, and whether the cursor's answer agrees with what is taken.
#include "craps/bets/ComeBets.h"
#include "craps/bets/LineBets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// The table's rule: free odds double, two and a half times on 6 and 8 when the line's whole
// dollars are even; lay odds to win twice the line, on 6 and 8 twice the line's whole dollars
// raised to a multiple of $5 (cents kept).
double RuleLimit(bool lay, i16 number, double line) {
    const bool sixOrEight = number == 4 || number == 6;
    if (!lay) {
        return sixOrEight && static_cast<i64>(line) % 2 == 0 ? 2.5 * line : 2.0 * line;
    }
    if (!sixOrEight) {
        return number == 2 || number == 8 ? 4.0 * line : 3.0 * line;
    }
    i64 win = static_cast<i64>(2.0 * line);
    while (win % 5 != 0) {
        ++win;
    }
    return (static_cast<double>(win) + 2.0 * line - std::floor(2.0 * line)) * 6.0 / 5.0;
}

// Kinds 0 pass, 1 don't pass (at point `number`), 2 come and 3 don't-come number `number`
// (offered odds under another point), holding `line` and `odds` on seat 1.
struct TOddsBet {
    std::unique_ptr<TCBetLedger> Bet;
    i16 Point;
    TMoney Offer(double amount) { return Bet->AddChips(1, TMoney(amount), 0, Point); }
    bool Cursor() const { return Bet->CanAddChips(1, TMoney(2.0), 0, Point); }
};

TOddsBet MakeBet(int kind, i16 number, double line, double odds = 0.0) {
    TOddsBet made{nullptr, kind < 2 ? number : static_cast<i16>(number == 3 ? 8 : 3)};
    if (kind < 2) {
        made.Bet = kind == 0 ? std::unique_ptr<TCBetLedger>(new TBetPassLedger)
                             : std::unique_ptr<TCBetLedger>(new TBetDoNotPassLedger);
        made.Bet->AddChips(1, TMoney(line), 1, -1);
    } else {
        made.Bet = kind == 2 ? std::unique_ptr<TCBetLedger>(new TBetComeNumLedger(number))
                             : std::unique_ptr<TCBetLedger>(new TBetDoNotComeNumLedger(number));
        made.Bet->SetAmount(1, TMoney(line));
    }
    made.Offer(odds);
    return made;
}

// What AddChips does with the cursor's $2 probe, tried on a twin.
bool TakesProbe(int kind, i16 number, double line, double odds) {
    return MakeBet(kind, number, line, odds).Offer(2.0) < TMoney(2.0);
}

} // namespace

TEST(OddsLimitTest, EveryLineTakesExactlyItsLimitAndTheCursorAgrees) {
    for (int kind = 0; kind < 4; ++kind) {
        for (const i16 number : {2, 3, 4, 6, 7, 8}) {
            for (int dollars = 1; dollars <= 200; ++dollars) {
                for (const double line : {dollars + 0.0, dollars + 0.37, dollars + 0.5}) {
                    const double limit = RuleLimit(kind % 2 == 1, number, line);
                    SCOPED_TRACE(std::to_string(kind) + " on " + std::to_string(number) + " line " +
                                 std::to_string(line));
                    TOddsBet bet = MakeBet(kind, number, line);
                    ASSERT_TRUE(bet.Cursor());
                    EXPECT_EQ(bet.Offer(1.0), TMoney());
                    EXPECT_NEAR(bet.Offer(limit + 3.37).GetValue(), 4.37, 1e-9);
                    EXPECT_NEAR(bet.Bet->GetOddsAmount(1).GetValue(), limit, 1e-9);
                    EXPECT_FALSE(bet.Cursor());
                    EXPECT_EQ(bet.Offer(2.0).GetValue(), 2.0);
                    EXPECT_EQ(bet.Bet->GetAmount(1).GetValue(), line);
                }
            }
        }
    }
}

TEST(OddsLimitTest, TheCursorAgreesWithAddChipsOnTheEdges) {
    struct TCase {
        int Kind;
        i16 Number;
        double Line, Odds;
    };
    const TCase cases[] = {
        {0, 4, 0, 0},     {0, 2, 0.75, 0}, {1, 2, 0, 0},   {1, 4, 0.5, 0},    {1, 6, 10, 23.99},
        {1, 3, 10, 0.5},  {2, 4, 0, 0},    {2, 2, 0.5, 0}, {2, 6, 10, 24.99}, {3, 7, 0.25, 0},
        {3, 8, 10, 0.75}, {3, 4, 10, 24},  {2, 5, 10, 0},  {1, 5, 10, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Kind) + " line " + std::to_string(c.Line) + " odds " +
                     std::to_string(c.Odds));
        EXPECT_EQ(MakeBet(c.Kind, c.Number, c.Line, c.Odds).Cursor(),
                  TakesProbe(c.Kind, c.Number, c.Line, c.Odds));
    }
    // Off the box numbers nothing is taken, so nothing can go unpaid.
    EXPECT_FALSE(TakesProbe(2, 5, 10, 0));
    EXPECT_FALSE(TakesProbe(1, 5, 10, 0));
}

TEST(OddsLimitTest, LayOddsUnderADollarAreKeptOrHandedBack) {
    TOddsBet four = MakeBet(3, 2, 10.0, 0.75);
    EXPECT_EQ(four.Offer(10.0), TMoney());
    EXPECT_EQ(four.Bet->GetOddsAmount(1).GetValue(), 10.75);
    EXPECT_EQ(four.Offer(30.0).GetValue(), 0.75);
    EXPECT_EQ(four.Bet->GetOddsAmount(1).GetValue(), 40.0);
}
