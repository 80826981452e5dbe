// Line and come bets with odds carried through the book to their decision, against the
// casino's pay table.
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
