// Line and come bets with odds carried through the book to their decision, against the
// casino's pay table and its exact house edges.
#include "craps/bets/BetBook.h"

#include "BetFixtures.h"

#include <gtest/gtest.h>

using namespace bettest;

namespace {

// Spots 0 pass, 1 don't pass, 2 come, 3 don't come.
constexpr i16 Kinds[] = {0, 1, 2, 3};

struct TRound {
    EDecision Decision = EDecision::None;
    double Collected = 0.0;
    bool OnNumber = false; // the first roll made its total the bet's number
};

TRound Settle(TBetBook& book, int die1, int die2, i16 point, u8 comeOut) {
    TRound round;
    for (const TBetEvent& event :
         book.ResolveRoll(static_cast<i16>(die1), static_cast<i16>(die2), point, comeOut,
                          {AllOn, AllOn, AllOn}, {true, true, true})) {
        round.Decision = event.Kind == EBetEvent::Won    ? EDecision::Win
                         : event.Kind == EBetEvent::Lost ? EDecision::Lose
                                                         : round.Decision;
        round.Collected += event.Kind == EBetEvent::Won ? event.Amount.GetValue() : 0.0;
        round.OnNumber = round.OnNumber || event.Kind == EBetEvent::Travelled;
    }
    return round;
}

// Seat 0 bets `line` on `kind`, rolls faces die1/die2 (0-5); when that gives the bet a
// number, it takes `odds` behind it (Collected -1 when any comes back) and rolls second1/2.
TRound PlayRound(i16 kind, double line, double odds, int die1, int die2, int second1 = -1,
                 int second2 = -1) {
    TBetBook book;
    const bool onLine = kind < 2;
    const i16 tablePoint = onLine ? -1 : 3; // the come bets never read it
    book.PlaceBet(kind, 0, TMoney(line), onLine ? 1 : 0, tablePoint, AllOn);
    TRound first = Settle(book, die1, die2, tablePoint, onLine ? 1 : 0);
    const auto number = static_cast<i16>(die1 + die2);
    const bool box = number >= 2 && number <= 8 && number != 5;
    first.OnNumber = onLine ? box && first.Decision == EDecision::None : first.OnNumber;
    if (!first.OnNumber || second1 < 0) {
        return first;
    }
    const i16 oddsSpot =
        onLine ? kind : static_cast<i16>((kind == 2 ? 23 : 35) + number - 2 - (number > 5 ? 1 : 0));
    const i16 point = onLine ? number : tablePoint;
    if (book.PlaceBet(oddsSpot, 0, TMoney(odds), 0, point, AllOn) != TMoney()) {
        return {EDecision::None, -1.0, true};
    }
    TRound second = Settle(book, second1, second2, point, 0);
    second.OnNumber = true;
    return second;
}

// The casino's table for $10 with the most odds behind the number: double free odds (2.5
// times on 6 and 8) at 2:1, 3:2, 6:5; lay odds laid to win $20 at 1:2, 2:3, 5:6.
struct TOdds {
    double Odds, Win;
};
TOdds MaxOdds(bool doSide, int total) {
    const int pair = total == 4 || total == 10 ? 0 : total == 5 || total == 9 ? 1 : 2;
    constexpr TOdds free[3] = {{20, 40}, {20, 30}, {25, 30}};
    constexpr TOdds lay[3] = {{40, 20}, {30, 20}, {24, 20}};
    return doSide ? free[pair] : lay[pair];
}

TRound Expected(bool doSide, int total1, int total2) {
    const bool natural = total1 == 7 || total1 == 11;
    if (natural || total1 == 2 || total1 == 3 || total1 == 12) {
        if (total1 == 12 && !doSide) {
            return {};
        }
        return natural == doSide ? TRound{EDecision::Win, 20.0} : TRound{EDecision::Lose, 0.0};
    }
    const TOdds odds = MaxOdds(doSide, total1);
    if (total2 == (doSide ? total1 : 7)) {
        return {EDecision::Win, 20.0 + odds.Odds + odds.Win, true};
    }
    return {total2 == (doSide ? 7 : total1) ? EDecision::Lose : EDecision::None, 0.0, true};
}

// The bettor's mean result on `line` with `odds` behind the number, from the book's answers,
// times 36 x 990: a number's second rolls count in the proportion of those that decide
// (9, 10 or 11 of them, all dividing 990).
i64 ScaledExpectation(i16 kind, double line, double odds) {
    i64 total = 0;
    for (int first = 0; first < 36; ++first) {
        const TRound r = PlayRound(kind, line, odds, first / 6, first % 6);
        if (!r.OnNumber) {
            total += r.Decision == EDecision::None ? 0 : static_cast<i64>(r.Collected - line) * 990;
            continue;
        }
        i64 net = 0, decisions = 0;
        for (int second = 0; second < 36; ++second) {
            const TRound s =
                PlayRound(kind, line, odds, first / 6, first % 6, second / 6, second % 6);
            if (s.Decision != EDecision::None) {
                EXPECT_EQ(s.Collected, static_cast<double>(static_cast<i64>(s.Collected)));
                net += static_cast<i64>(s.Collected - line - odds);
                ++decisions;
            }
        }
        total += net * 990 / decisions;
    }
    return total;
}

} // namespace

TEST(LineBetTest, EveryPairOfRollsPaysAsTheCasinoTable) {
    for (const i16 kind : Kinds) {
        for (int first = 0; first < 36; ++first) {
            const int total1 = first / 6 + first % 6 + 2;
            for (int second = 0; second < 36; ++second) {
                const int total2 = second / 6 + second % 6 + 2;
                const bool doSide = kind % 2 == 0;
                const bool box = total1 >= 4 && total1 <= 10 && total1 != 7;
                const double odds = box ? MaxOdds(doSide, total1).Odds : 0.0;
                const TRound got =
                    PlayRound(kind, 10.0, odds, first / 6, first % 6, second / 6, second % 6);
                const TRound want = Expected(doSide, total1, total2);
                SCOPED_TRACE("spot " + std::to_string(kind) + ": " + std::to_string(total1) +
                             " then " + std::to_string(total2));
                EXPECT_EQ(got.Decision, want.Decision);
                EXPECT_EQ(got.Collected, want.Collected);
                EXPECT_EQ(got.OnNumber, want.OnNumber);
            }
        }
    }
}

TEST(LineBetTest, HouseEdgesAreExactWithAndWithoutOdds) {
    // Pass and come 7/495, don't pass and don't come 3/220 per bet made (12 a standoff);
    // $60 of odds (free: a multiple of every ratio's denominator) leave the edge as it is.
    const i64 edges[4][2] = {{7, 495}, {3, 220}, {7, 495}, {3, 220}};
    for (const i16 kind : Kinds) {
        SCOPED_TRACE(kind);
        for (const double odds : {0.0, 60.0}) {
            const i64 scaled = ScaledExpectation(kind, 60.0, odds);
            EXPECT_EQ(-scaled * edges[kind][1], 60 * edges[kind][0] * 36 * 990);
        }
    }
}

// Odds alone, per decision: free odds cost nothing on multiples of the ratio's denominator
// but the whole-dollar rule keeps the rest (1/5 of $1 on 5 or 9, 1/11 of $1 to $4 on 6 or 8);
// lay odds cost nothing on any amount.
TEST(LineBetTest, OddsAreFreeButForTheWholeDollarRule) {
    struct TCase {
        i16 Kind;
        int Die1, Die2; // giving the number
        double Odds, Edge;
    };
    const TCase cases[] = {
        {0, 0, 3, 1, 1.0 / 5},  {2, 3, 4, 1, 1.0 / 5},  {0, 2, 2, 4, 1.0 / 11},
        {2, 2, 4, 3, 1.0 / 11}, {2, 3, 3, 1, 1.0 / 11}, {0, 0, 2, 7, 0},
        {0, 2, 4, 10, 0},       {2, 2, 2, 25, 0},       {0, 3, 4, 11, 1.0 / 55},
        {1, 0, 3, 7, 0},        {1, 2, 2, 13.5, 0},     {3, 4, 4, 23, 0},
        {3, 3, 3, 0.75, 0},     {3, 1, 2, 11, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Kind) + " on " + std::to_string(c.Die1 + c.Die2 + 2));
        double diff = 0.0;
        int decisions = 0;
        for (int s = 0; s < 36; ++s) {
            const TRound with = PlayRound(c.Kind, 10.0, c.Odds, c.Die1, c.Die2, s / 6, s % 6);
            const TRound without = PlayRound(c.Kind, 10.0, 0.0, c.Die1, c.Die2, s / 6, s % 6);
            if (with.Decision != EDecision::None) {
                diff += with.Collected - c.Odds - without.Collected;
                ++decisions;
            }
        }
        EXPECT_NEAR(diff / decisions, -c.Odds * c.Edge, 1e-12);
    }
}
