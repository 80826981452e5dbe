// One roll settled over the book: per-seat options, shared spots paid in full, and money kept.
#include "craps/bets/BetBook.h"

#include "BetFixtures.h"

#include <gtest/gtest.h>

#include <random>

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

TEST(BetBookTest, AStandingBetIsNeverPaidAndEmptyIndicesDecideNothing) {
    TBetBook book;
    const std::array<TCrapsBetOptions, 3> options = {AllOn, AllOn, AllOn};
    book.PlaceBet(5, 0, TMoney(10.0), 0, 4, AllOn); // big 6
    EXPECT_EQ(book.PlaceBet(0, 0, TMoney(10.0), 0, 4, AllOn).GetValue(), 10.0);
    EXPECT_EQ(book.PlaceBet(43, 0, TMoney(10.0), 0, 4, AllOn).GetValue(), 10.0);
    EXPECT_TRUE(book.ResolveRoll(1, 2, 4, 0, options, AllSeated).empty());
    EXPECT_TRUE(book.ResolveRoll(2, 6, 4, 0, options, AllSeated).empty()); // a bad die
    EXPECT_TRUE(book.ResolveRoll(2, 2, 4, 0, options, {false, true, true}).empty());
    EXPECT_EQ(book.GetSpot(5)->GetAmount(0).GetValue(), 10.0);
}

TEST(BetBookTest, MoneyBalancesOverASeededRun) {
    TBetBook book;
    std::mt19937 dice(20261206);
    std::uniform_int_distribution<int> face(0, 5);
    std::uniform_int_distribution<int> coin(0, 1);
    std::array<TCrapsBetOptions, 3> options = {AllOn, AllOff, AllOn};
    options[2][OptionBuy4And10] = 0;
    double staked = 0.0, credited = 0.0, wins = 0.0, losses = 0.0;
    for (int roll = 0; roll < 20000; ++roll) {
        const u8 comeOut = static_cast<u8>(coin(dice));
        for (i16 seat = 0; seat < 3; ++seat) {
            for (i16 spot = 4; spot < TBetBook::SpotCount; ++spot) {
                if (book.GetSpot(spot) != nullptr && !book.GetSpot(spot)->HasAmount(seat)) {
                    const double offer = 1.0 + (spot + seat) % 7 + 0.25 * seat;
                    staked += offer;
                    staked -= book.PlaceBet(spot, seat, TMoney(offer), comeOut, 4, options[seat])
                                  .GetValue();
                }
            }
        }
        for (const TBetEvent& event :
             book.ResolveRoll(static_cast<i16>(face(dice)), static_cast<i16>(face(dice)), 4,
                              comeOut, options, AllSeated)) {
            if (event.Kind == EBetEvent::Won) {
                credited += event.Amount.GetValue();
                wins += event.Win.GetValue();
            } else {
                losses += event.Amount.GetValue();
            }
        }
    }
    double onTable = 0.0;
    for (i16 spot = 0; spot < TBetBook::SpotCount; ++spot) {
        for (i16 seat = 0; seat < 3; ++seat) {
            onTable += book.GetSpot(spot) ? book.GetSpot(spot)->GetAmount(seat).GetValue() : 0.0;
        }
    }
    EXPECT_GT(wins, 0.0);
    EXPECT_GT(losses, 0.0);
    EXPECT_NEAR(onTable + credited, staked + wins - losses, 1e-6);
}
