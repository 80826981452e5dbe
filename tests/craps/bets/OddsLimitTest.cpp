// How much odds each line and number takes, with and without cents, and whether the cursor's
// answer agrees with what is taken.
#include "craps/bets/ComeBets.h"
#include "craps/bets/LineBets.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

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

// Free odds double, two and a half times on 6 and 8 when the line's whole dollars are even;
// lay odds to win twice the line, on 6 and 8 twice the line's whole dollars raised to a
// multiple of $5 (cents kept).
TEST(OddsLimitTest, EveryLineTakesExactlyItsLimitAndTheCursorAgrees) {
    struct TCase {
        int Kind;
        i16 Number;
        double Line, Limit;
    };
    const TCase cases[] = {
        {0, 4, 10, 25},      {0, 6, 11, 22},        {0, 4, 10.5, 26.25}, {2, 2, 10.37, 20.74},
        {2, 3, 7, 14},       {1, 2, 10, 40},        {1, 7, 10.5, 31.5},  {1, 4, 10, 24},
        {1, 6, 11, 30},      {3, 4, 10.37, 24.888}, {3, 6, 12.5, 30},    {3, 8, 1, 4},
        {3, 4, 1.37, 6.888}, {2, 6, 200.5, 501.25},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Kind) + " on " + std::to_string(c.Number) + " line " +
                     std::to_string(c.Line));
        TOddsBet bet = MakeBet(c.Kind, c.Number, c.Line);
        ASSERT_TRUE(bet.Cursor());
        EXPECT_EQ(bet.Offer(1.0), TMoney());
        EXPECT_NEAR(bet.Offer(c.Limit + 3.37).GetValue(), 4.37, 1e-9);
        EXPECT_NEAR(bet.Bet->GetOddsAmount(1).GetValue(), c.Limit, 1e-9);
        EXPECT_FALSE(bet.Cursor());
        EXPECT_EQ(bet.Offer(2.0).GetValue(), 2.0);
        EXPECT_EQ(bet.Bet->GetAmount(1).GetValue(), c.Line);
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
