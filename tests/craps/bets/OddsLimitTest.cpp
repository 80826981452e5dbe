// How much odds each line and number takes, for every number and every line from $1 to $200
// with and without cents, and whether the cursor's answer agrees with what is taken.
#include "craps/bets/ComeBets.h"
#include "craps/bets/LineBets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr i16 BoxNumbers[] = {2, 3, 4, 6, 7, 8};
constexpr i16 Seat = 1;

// The table's rule: free odds double, two and a half times on 6 and 8 when the line's whole
// dollars are even; lay odds to win twice the line, on 6 and 8 twice the line's whole
// dollars raised to a multiple of $5 (cents kept).
double RuleLimit(bool lay, i16 number, double line) {
    const bool sixOrEight = number == 4 || number == 6;
    if (!lay) {
        return sixOrEight && static_cast<i64>(line) % 2 == 0 ? 2.5 * line : 2.0 * line;
    }
    if (!sixOrEight) {
        return number == 2 || number == 8 ? 4.0 * line : 3.0 * line;
    }
    const double twice = 2.0 * line;
    i64 win = static_cast<i64>(twice);
    while (win % 5 != 0) {
        ++win;
    }
    return (static_cast<double>(win) + (twice - std::floor(twice))) * 6.0 / 5.0;
}

// A bet holding `line` on seat 1, with the point (or, for a come number, its own number)
// `number`; come numbers are offered their odds under a different table point.
struct TOddsBet {
    std::unique_ptr<TCBetLedger> Bet;
    i16 Point;
};

TOddsBet MakeBet(int kind, i16 number, double line) {
    TOddsBet made;
    if (kind < 2) {
        made.Bet = kind == 0 ? std::unique_ptr<TCBetLedger>(std::make_unique<TBetPassLedger>())
                             : std::make_unique<TBetDoNotPassLedger>();
        made.Bet->AddChips(Seat, TMoney(line), 1, -1);
        made.Point = number;
    } else {
        made.Bet = kind == 2
                       ? std::unique_ptr<TCBetLedger>(std::make_unique<TBetComeNumLedger>(number))
                       : std::make_unique<TBetDoNotComeNumLedger>(number);
        made.Bet->SetAmount(Seat, TMoney(line));
        made.Point = number == 3 ? 8 : 3;
    }
    return made;
}

// What AddChips does with the cursor's $2 probe, tried on a twin built the same way.
bool TakesProbe(int kind, i16 number, double line, double odds) {
    TOddsBet twin = MakeBet(kind, number, line);
    twin.Bet->AddChips(Seat, TMoney(odds), 0, twin.Point);
    return twin.Bet->AddChips(Seat, TMoney(2.0), 0, twin.Point) < TMoney(2.0);
}

} // namespace

TEST(OddsLimitTest, EveryLineTakesExactlyItsLimitAndTheCursorAgrees) {
    int checked = 0;
    for (int kind = 0; kind < 4; ++kind) {
        const bool lay = kind % 2 == 1;
        for (const i16 number : BoxNumbers) {
            for (int dollars = 1; dollars <= 200; ++dollars) {
                for (const double cents : {0.0, 0.37, 0.5}) {
                    const double line = dollars + cents;
                    const double limit = RuleLimit(lay, number, line);
                    SCOPED_TRACE("kind " + std::to_string(kind) + " number " +
                                 std::to_string(number) + " line " + std::to_string(line));
                    TOddsBet bet = MakeBet(kind, number, line);
                    TCBetLedger& b = *bet.Bet;
                    ASSERT_TRUE(b.CanAddChips(Seat, TMoney(2.0), 0, bet.Point));
                    ASSERT_TRUE(TakesProbe(kind, number, line, 0.0));
                    EXPECT_EQ(b.AddChips(Seat, TMoney(1.0), 0, bet.Point), TMoney());
                    const double back =
                        b.AddChips(Seat, TMoney(limit + 3.37), 0, bet.Point).GetValue();
                    EXPECT_NEAR(b.GetOddsAmount(Seat).GetValue(), limit, 1e-9);
                    EXPECT_NEAR(back, 4.37, 1e-9);
                    EXPECT_FALSE(b.CanAddChips(Seat, TMoney(2.0), 0, bet.Point));
                    EXPECT_FALSE(TakesProbe(kind, number, line, limit + 1.0));
                    EXPECT_EQ(b.GetAmount(Seat).GetValue(), line);
                    ++checked;
                }
            }
        }
    }
    EXPECT_EQ(checked, 4 * 6 * 200 * 3);
}

TEST(OddsLimitTest, TheCursorAgreesWithAddChipsOnTheEdges) {
    struct TCase {
        const char* Name;
        int Kind;
        i16 Number;
        double Line, Odds;
    };
    const TCase cases[] = {
        {"pass, no line", 0, 4, 0.0, 0.0},
        {"pass, line under a dollar", 0, 2, 0.75, 0.0},
        {"don't pass, no line", 1, 2, 0.0, 0.0},
        {"don't pass, line under a dollar", 1, 4, 0.5, 0.0},
        {"don't pass, one cent below the limit", 1, 6, 10.0, 23.99},
        {"don't pass, odds under a dollar", 1, 3, 10.0, 0.5},
        {"come number, no stake", 2, 4, 0.0, 0.0},
        {"come number, stake under a dollar", 2, 2, 0.5, 0.0},
        {"come number, one cent below the limit", 2, 6, 10.0, 24.99},
        {"don't come number, stake under a dollar", 3, 7, 0.25, 0.0},
        {"don't come number, odds under a dollar", 3, 8, 10.0, 0.75},
        {"don't come number, at the limit", 3, 4, 10.0, 24.0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TOddsBet bet = MakeBet(c.Kind, c.Number, c.Line);
        bet.Bet->AddChips(Seat, TMoney(c.Odds), 0, bet.Point);
        EXPECT_EQ(bet.Bet->CanAddChips(Seat, TMoney(2.0), 0, bet.Point),
                  TakesProbe(c.Kind, c.Number, c.Line, c.Odds));
    }
}

TEST(OddsLimitTest, LayOddsUnderADollarAreKeptOrHandedBack) {
    TBetDoNotComeNumLedger four(2);
    four.SetAmount(0, TMoney(10.0));
    EXPECT_EQ(four.AddChips(0, TMoney(0.75), 0, 3), TMoney());
    EXPECT_EQ(four.AddChips(0, TMoney(10.0), 0, 3), TMoney());
    EXPECT_EQ(four.GetOddsAmount(0).GetValue(), 10.75);
    EXPECT_EQ(four.AddChips(0, TMoney(30.0), 0, 3).GetValue(), 0.75);
    EXPECT_EQ(four.GetOddsAmount(0).GetValue(), 40.0);
}

TEST(OddsLimitTest, NumbersOffTheBoxTakeNoOddsAndPayNone) {
    TBetComeNumLedger seven(5);
    seven.SetAmount(0, TMoney(10.0));
    TBetDoNotPassLedger dontPass;
    dontPass.AddChips(0, TMoney(10.0), 1, -1);
    for (TCBetLedger* bet : std::initializer_list<TCBetLedger*>{&seven, &dontPass}) {
        EXPECT_EQ(bet->AddChips(0, TMoney(5.0), 0, 5).GetValue(), 5.0);
        EXPECT_FALSE(bet->CanAddChips(0, TMoney(2.0), 0, 5));
        EXPECT_EQ(bet->OddsWin(TMoney(30.0), 5), TMoney());
    }
    EXPECT_FALSE(seven.TestWin(2, 3, 5, 0, {}));
    EXPECT_FALSE(dontPass.TestWin(2, 3, 5, 0, {})); // a seven under no point wins nothing
}
