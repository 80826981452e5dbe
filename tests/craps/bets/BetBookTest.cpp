// One roll settled over the book: per-seat options, shared spots paid in full, and money kept.
#include "craps/bets/BetBook.h"

#include "BetFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>
#include <vector>

using namespace bettest;

namespace {

constexpr std::array<bool, 3> AllSeated = {true, true, true};

TMoney Collected(std::span<const TBetEvent> events, i16 spot, i16 seat, EBetEvent kind) {
    for (const TBetEvent& event : events) {
        if (event.Spot == spot && event.Seat == seat && event.Kind == kind) {
            return event.Amount;
        }
    }
    return TMoney(-1.0);
}

} // namespace

TEST(BetBookTest, SeatsOnOneSpotAreJudgedByTheirOwnComeOutOptions) {
    TCrapsBetOptions hardAndBoxOff = AllOn;
    hardAndBoxOff[OptionHardwaysOnComeOut] = 0;
    hardAndBoxOff[OptionBuyPlaceOnComeOut] = 0;
    const std::array<TCrapsBetOptions, 3> options = {AllOn, hardAndBoxOff, AllOn};
    struct TCase {
        i16 Die1, Die2;
        EBetEvent Seat0; // seat 1 always stands
    };
    for (const TCase c : {TCase{3, 3, EBetEvent::Won}, TCase{2, 3, EBetEvent::Lost}}) {
        TBetBook book;
        for (i16 seat = 0; seat < 2; ++seat) {
            book.PlaceBet(15, seat, TMoney(10.0), 1, -1, options[seat]); // hard 8
            book.PlaceBet(20, seat, TMoney(12.0), 1, -1, options[seat]); // place 8
        }
        const auto events = book.ResolveRoll(c.Die1, c.Die2, -1, 1, options, AllSeated);
        ASSERT_EQ(events.size(), 2u);
        for (const TBetEvent& event : events) {
            EXPECT_EQ(event.Seat, 0);
            EXPECT_EQ(event.Kind, c.Seat0);
        }
        EXPECT_EQ(book.GetSpot(15)->GetAmount(1).GetValue(), 10.0);
        EXPECT_EQ(book.GetSpot(20)->GetAmount(1).GetValue(), 12.0);
    }
}

TEST(BetBookTest, EverySeatOnAOneRollSpotIsPaidInFull) {
    TBetBook book;
    const std::array<TCrapsBetOptions, 3> options = {AllOn, AllOn, AllOn};
    for (i16 seat = 0; seat < 3; ++seat) {
        for (const i16 spot : {4, 41, 42}) {
            book.PlaceBet(spot, seat, TMoney(4.0), 0, 4, AllOn);
        }
    }
    const auto events = book.ResolveRoll(5, 5, 4, 0, options, AllSeated); // twelve
    ASSERT_EQ(events.size(), 9u);
    EXPECT_EQ(events[0].Seat, 2); // winners from seat 2 down
    for (i16 seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(Collected(events, 4, seat, EBetEvent::Won).GetValue(), 16.0);
        EXPECT_EQ(Collected(events, 41, seat, EBetEvent::Won).GetValue(), 16.0);
        EXPECT_EQ(Collected(events, 42, seat, EBetEvent::Won).GetValue(), 31.0);
    }
}

TEST(BetBookTest, AStandingBetIsNeverPaidAndBadIndicesTakeNothing) {
    TBetBook book;
    const std::array<TCrapsBetOptions, 3> options = {AllOn, AllOn, AllOn};
    book.PlaceBet(5, 0, TMoney(10.0), 0, 4, AllOn);                             // big 6
    EXPECT_EQ(book.PlaceBet(0, 0, TMoney(10.0), 0, 4, AllOn).GetValue(), 10.0); // odds, no line
    EXPECT_EQ(book.PlaceBet(43, 0, TMoney(10.0), 0, 4, AllOn).GetValue(), 10.0);
    EXPECT_TRUE(book.ResolveRoll(1, 2, 4, 0, options, AllSeated).empty());
    EXPECT_TRUE(book.ResolveRoll(2, 6, 4, 0, options, AllSeated).empty()); // a bad die
    EXPECT_TRUE(book.ResolveRoll(2, 2, 4, 0, options, {false, true, true}).empty());
    EXPECT_EQ(book.GetSpot(5)->GetAmount(0).GetValue(), 10.0);
}

TEST(BetBookTest, EachSeatsOptionsDecideWhetherItsOddsWorkOnTheComeOut) {
    // Seat 0 keeps every odds working, seat 1 none, seat 2 only the lay odds (the default).
    std::array<TCrapsBetOptions, 3> options = {AllOn, AllOff, AllOff};
    options[2][OptionDontComeOddsOnComeOut] = 1;
    struct TCase {
        i16 Die1, Die2;
        // Per seat: come six's odds returned, come six collected, don't come six collected.
        double Returned[3], Come[3], DontCome[3];
    };
    const TCase cases[] = {
        {2, 2, {0, 25 + 24, 25}, {75, 20, 20}, {-1, -1, -1}}, // six: come wins, don't loses
        {1, 4, {0, 25 + 24, 25}, {-1, -1, -1}, {64, 20, 64}}, // seven: the reverse
        {3, 3, {0, 0, 0}, {-1, -1, -1}, {-1, -1, -1}},        // eight: nothing moves
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Die1 + c.Die2 + 2);
        TBetBook book;
        for (i16 seat = 0; seat < 3; ++seat) {
            book.GetSpot(25)->SetAmount(seat, TMoney(10.0));
            book.GetSpot(37)->SetAmount(seat, TMoney(10.0));
            ASSERT_EQ(book.PlaceBet(25, seat, TMoney(25.0), 1, -1, options[seat]), TMoney());
            ASSERT_EQ(book.PlaceBet(37, seat, TMoney(24.0), 1, -1, options[seat]), TMoney());
        }
        const auto events = book.ResolveRoll(c.Die1, c.Die2, -1, 1, options, AllSeated);
        for (i16 seat = 0; seat < 3; ++seat) {
            SCOPED_TRACE(seat);
            double returned = 0.0;
            for (const TBetEvent& event : events) {
                returned += event.Seat == seat && event.Kind == EBetEvent::OddsReturned
                                ? event.Amount.GetValue()
                                : 0.0;
            }
            EXPECT_EQ(returned, c.Returned[seat]);
            EXPECT_EQ(Collected(events, 25, seat, EBetEvent::Won).GetValue(), c.Come[seat]);
            EXPECT_EQ(Collected(events, 37, seat, EBetEvent::Won).GetValue(), c.DontCome[seat]);
        }
    }
}

// The table hands returned odds back one spot at a time: seat 2, 1, 0, and within a seat every
// come number before any don't come number, whatever order the numbers lie in.
TEST(BetBookTest, ComeOutOddsComeBackSeatBySeatComeNumbersFirst) {
    const std::array<TCrapsBetOptions, 3> options = {AllOff, AllOff, AllOff};
    const i16 spots[] = {40, 23, 36, 27}; // don't come 10, come 4, don't come 5, come 9
    TBetBook book;
    for (i16 seat = 0; seat < 3; ++seat) {
        for (const i16 spot : spots) {
            book.GetSpot(spot)->SetAmount(seat, TMoney(10.0));
            ASSERT_EQ(book.PlaceBet(spot, seat, TMoney(10.0 + seat), 1, -1, AllOff), TMoney());
        }
    }
    // A seven: every number's odds come back, but seat 1 is away and is not settled.
    const auto events = book.ResolveRoll(1, 4, -1, 1, options, {true, false, true});
    std::vector<std::pair<i16, i16>> returned;
    for (const TBetEvent& event : events) {
        if (event.Kind == EBetEvent::OddsReturned) {
            returned.emplace_back(event.Seat, event.Spot);
            EXPECT_EQ(event.Amount.GetValue(), 10.0 + event.Seat);
        }
    }
    const std::vector<std::pair<i16, i16>> expected = {{2, 23}, {2, 27}, {2, 36}, {2, 40},
                                                       {0, 23}, {0, 27}, {0, 36}, {0, 40}};
    EXPECT_EQ(returned, expected);
    EXPECT_EQ(book.GetSpot(36)->GetOddsAmount(1).GetValue(), 11.0);
}

TEST(BetBookTest, EverySeatLayingOddsIsPaidInFullOnASevenOut) {
    TBetBook book;
    for (i16 seat = 0; seat < 3; ++seat) {
        book.PlaceBet(1, seat, TMoney(10.0), 1, -1, AllOn);
        ASSERT_EQ(book.PlaceBet(1, seat, TMoney(30.0), 0, 7, AllOn), TMoney()); // against 9
    }
    const auto events = book.ResolveRoll(2, 3, 7, 0, {AllOn, AllOn, AllOn}, AllSeated);
    ASSERT_EQ(events.size(), 3u);
    for (i16 seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(Collected(events, 1, seat, EBetEvent::Won).GetValue(), 70.0);
    }
}

TEST(BetBookTest, ComeBetsTravelAndAddToAStakeStillThere) {
    TBetBook book;
    const std::array<TCrapsBetOptions, 3> options = {AllOn, AllOn, AllOn};
    for (i16 seat = 0; seat < 3; ++seat) {
        book.PlaceBet(2, seat, TMoney(5.0 * (seat + 1)), 0, 7, AllOn);
        book.PlaceBet(3, seat, TMoney(7.0), 0, 7, AllOn);
        book.GetSpot(25)->SetAmount(seat, TMoney(10.0)); // come six
        book.GetSpot(37)->SetAmount(seat, TMoney(4.0));  // don't come six
    }
    // Seat 2 has left the table: its bets stand undecided, but its stakes still move.
    const auto events = book.ResolveRoll(2, 2, 7, 0, options, {true, true, false});
    EXPECT_EQ(Collected(events, 25, 0, EBetEvent::Won).GetValue(), 20.0);
    EXPECT_EQ(Collected(events, 37, 1, EBetEvent::Lost).GetValue(), 4.0);
    const double come[3] = {5, 10, 25};
    const double dontCome[3] = {7, 7, 11};
    for (i16 seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(book.GetSpot(25)->GetAmount(seat).GetValue(), come[seat]);
        EXPECT_EQ(book.GetSpot(37)->GetAmount(seat).GetValue(), dontCome[seat]);
        EXPECT_FALSE(book.GetSpot(2)->HasAmount(seat));
        EXPECT_FALSE(book.GetSpot(3)->HasAmount(seat));
        EXPECT_EQ(Collected(events, 25, seat, EBetEvent::Travelled).GetValue(), 5.0 * (seat + 1));
    }
    // The travelled stakes are decided on their number from then on.
    const auto next = book.ResolveRoll(1, 4, 7, 0, options, AllSeated);
    EXPECT_EQ(Collected(next, 25, 2, EBetEvent::Lost).GetValue(), 25.0);
    EXPECT_EQ(Collected(next, 37, 2, EBetEvent::Won).GetValue(), 22.0);
}

// Three seats on every spot through shooter rounds, odds at the limit wherever allowed, each
// seat with its own options: every dollar is on the table, credited or lost, checked every
// 1000 rolls so the sums stay small enough for doubles to hold a millionth of a dollar.
TEST(BetBookTest, MoneyBalancesOverASeededRun) {
    TBetBook book;
    std::mt19937 dice(20261206);
    std::uniform_int_distribution<int> face(0, 5);
    std::array<TCrapsBetOptions, 3> options = {AllOn, AllOff, AllOn};
    options[2][OptionBuy4And10] = options[2][OptionComeOddsOnComeOut] = 0;
    const auto onTable = [&book] {
        double sum = 0.0;
        for (i16 spot = 0; spot < TBetBook::SpotCount; ++spot) {
            for (i16 seat = 0; seat < 3; ++seat) {
                sum +=
                    (book.GetSpot(spot)->GetAmount(seat) + book.GetSpot(spot)->GetOddsAmount(seat))
                        .GetValue();
            }
        }
        return sum;
    };
    u8 comeOut = 1;
    i16 point = -1;
    int withOdds = 0, travelled = 0, unbalanced = 0;
    double before = 0.0, moved = 0.0; // moved: staked + wins - losses - credited
    for (int roll = 1; roll <= 100000; ++roll) {
        for (i16 spot = 0; spot < TBetBook::SpotCount; ++spot) {
            TCBetLedger* bet = book.GetSpot(spot);
            const bool odds = spot < 2 || (spot >= 23 && spot < 29) || (spot >= 35 && spot < 41);
            for (i16 seat = 0; seat < 3; ++seat) {
                const bool held = bet->HasAmount(seat);
                if (held && (!odds || !bet->CanAddChips(seat, TMoney(2.0), comeOut, point))) {
                    continue;
                }
                const double offer = held ? 200.0 : 1.0 + (spot + seat) % 7 + 0.25 * seat;
                moved +=
                    offer - book.PlaceBet(spot, seat, TMoney(offer), comeOut, point, options[seat])
                                .GetValue();
                withOdds += held && bet->GetOddsAmount(seat) > TMoney();
            }
        }
        const auto die1 = static_cast<i16>(face(dice));
        const auto die2 = static_cast<i16>(face(dice));
        for (const TBetEvent& e :
             book.ResolveRoll(die1, die2, point, comeOut, options, AllSeated)) {
            const double amount = e.Amount.GetValue();
            moved += e.Kind == EBetEvent::Won            ? e.Win.GetValue() - amount
                     : e.Kind == EBetEvent::Lost         ? -amount
                     : e.Kind == EBetEvent::OddsReturned ? -amount
                                                         : 0.0;
            travelled += e.Kind == EBetEvent::Travelled;
        }
        if (roll % 1000 == 0) {
            const double after = onTable();
            unbalanced += std::abs(after - (before + moved)) > 1e-6;
            before = after;
            moved = 0.0;
        }
        const int sum = die1 + die2;
        if (comeOut != 0 && sum >= 2 && sum <= 8 && sum != 5) {
            point = static_cast<i16>(sum);
            comeOut = 0;
        } else if (comeOut == 0 && (sum == point || sum == 5)) {
            point = -1;
            comeOut = 1;
        }
    }
    EXPECT_EQ(unbalanced, 0);
    EXPECT_GT(withOdds, 10000);
    EXPECT_GT(travelled, 10000);
}
