// The ledgers' money handling: worked payouts, per-seat kinds, and bad input.
#include "BetFixtures.h"

#include "craps/bets/BoxNumberBets.h"
#include "craps/bets/NumberBets.h"
#include "craps/bets/OneRollBets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace bettest;

namespace {

// Runs the win test on a roll given as dice faces (1 to 6), as the table does before paying.
bool Roll(TCBetLedger& bet, int face1, int face2, u8 comeOut = 0,
          const TCrapsBetOptions& options = AllOn) {
    return bet.TestWin(static_cast<i16>(face1 - 1), static_cast<i16>(face2 - 1), 4, comeOut,
                       options);
}

} // namespace

TEST(LedgerTest, CombinationBetPaysNothingOnARollItsTestDidNotWin) {
    TBetCraps11Ledger horn(91, 1);
    horn.AddChips(0, TMoney(4.0), 0, 4);
    EXPECT_EQ(horn.GetWinAmount(0, 0).GetValue(), 0.0); // no roll tested yet
    ASSERT_FALSE(Roll(horn, 3, 4));
    EXPECT_EQ(horn.GetWinAmount(0, 0).GetValue(), 0.0);
}

TEST(LedgerTest, BoxNumberPayoutsAreExact) {
    struct TCase {
        bool Lay;
        i16 Number;
        u8 BuyFlag;
        double Stake, Win;
    };
    const TCase cases[] = {
        {false, 4, 0, 5, 35.0 / 6.0}, // $5 placed on 6
        {false, 2, 1, 25, 48.75},     // $25 bought on 4
        {false, 8, 1, 20, 39},        // $20 bought on 10
        {true, 4, 0, 30, 23.5},       // $30 laid against 6
        {false, 3, 0, 3, 4.2},        // odd dollars placed on 5 keep their cents
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Stake);
        std::unique_ptr<TCBetLedger> bet;
        if (c.Lay) {
            bet = std::make_unique<TBetLayLedger>(c.Number, 77);
        } else {
            bet = std::make_unique<TBetBuyLedger>(c.Number, 63);
        }
        EXPECT_EQ(bet->AddToAmount(2, TMoney(c.Stake), 0, 4, c.BuyFlag).GetValue(), 0.0);
        EXPECT_NEAR(bet->GetWinAmount(2, c.Number).GetValue(), c.Win, 1e-12);
        EXPECT_NEAR(bet->CollectWin(2, c.Number).GetValue(), c.Win + c.Stake, 1e-12);
        EXPECT_EQ(bet->GetAmount(2).GetValue(), 0.0);
    }
}

TEST(LedgerTest, EachSeatOnABuySpotIsPaidAndAnnouncedByItsOwnKind) {
    TBetBuyLedger five(3, 64);
    five.AddToAmount(0, TMoney(10.0), 0, 4, 1);
    five.AddToAmount(0, TMoney(10.0), 0, 4, 0); // the last placement decides the seat's kind
    five.AddToAmount(1, TMoney(20.0), 0, 4, 1);
    EXPECT_EQ(five.GetSpotId(0), 70);
    EXPECT_EQ(five.GetSpotId(1), 64);
    EXPECT_EQ(five.GetSpotId(7), 64); // the spot itself follows the last placement
    EXPECT_EQ(five.GetWinAmount(0, 3).GetValue(), 28.0);
    EXPECT_EQ(five.GetWinAmount(1, 3).GetValue(), 29.0);
    // Taking the stake down leaves the seat's kind as it was.
    EXPECT_EQ(five.TakeDown(1, 0).GetValue(), 20.0);
    EXPECT_EQ(five.TakeDown(1, 0).GetValue(), 0.0);
    EXPECT_TRUE(five.IsBought(1));

    five.ForfeitSeat(1);
    EXPECT_FALSE(five.IsBought(1));
    EXPECT_EQ(five.GetAmount(0).GetValue(), 20.0);

    five.ClearAll();
    EXPECT_FALSE(five.HasAnyAmount());
    EXPECT_FALSE(five.IsBought(0));
}

TEST(LedgerTest, BadOffersAndSeatsChangeNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct TCase {
        const char* Name;
        i16 Seat;
        double Offer;
        double Refused;
    };
    const TCase cases[] = {
        {"negative", 0, -5.0, -5.0},
        {"not a number", 0, nan, 0.0},
        {"infinite", 0, inf, 0.0},
        {"minus infinity", 0, -inf, 0.0},
        {"seat -1", -1, 5.0, 5.0},
        {"seat 3", 3, 5.0, 5.0},
        {"overflowing", 0, 1.7e308, 1.7e308},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TBetBuyLedger six(4, 65);
        six.AddToAmount(0, TMoney(1.7e308), 0, 4, 1);
        TBetFieldLedger field(62);
        field.AddChips(0, TMoney(1.7e308), 0, 4);
        EXPECT_EQ(six.AddToAmount(c.Seat, TMoney(c.Offer), 0, 4, 0).GetValue(), c.Refused);
        EXPECT_EQ(field.AddChips(c.Seat, TMoney(c.Offer), 0, 4).GetValue(), c.Refused);
        EXPECT_EQ(six.GetAmount(0).GetValue(), 1.7e308);
        EXPECT_TRUE(six.IsBought(0));
        EXPECT_EQ(six.GetSpotId(-1), 65);
        EXPECT_EQ(field.GetAmount(0).GetValue(), 1.7e308);
        for (i16 seat = 0; seat < 3; ++seat) {
            EXPECT_TRUE(std::isfinite(six.GetAmount(seat).GetValue()));
        }
    }
    TBetBigLedger big(4, 60);
    big.AddChips(0, TMoney(10.0), 0, 4);
    for (const i16 seat : {-1, 3, 200}) {
        EXPECT_EQ(big.TakeDown(seat, 0).GetValue(), 0.0);
        EXPECT_EQ(big.CollectWin(seat, 4).GetValue(), 0.0);
        EXPECT_EQ(big.GetWinAmount(seat, 4).GetValue(), 0.0);
        EXPECT_FALSE(big.HasAmount(seat));
        big.ForfeitSeat(seat);
    }
    EXPECT_EQ(big.GetAmount(0).GetValue(), 10.0);
}

TEST(LedgerTest, DiceOffTheFacesDecideNothing) {
    const std::pair<i16, i16> badDice[] = {{-1, 5}, {5, -1}, {6, 0}, {0, 6}, {-32768, 32767}};
    TBetFieldLedger field(62);
    ASSERT_TRUE(Roll(field, 6, 6)); // records a twelve
    for (const auto& [die1, die2] : badDice) {
        TBet1RollLedger two(0, 87);
        TBetAnyCrapsLedger craps(86);
        TBetHardLedger hard4(2, 81);
        TBetLayLedger lay4(2, 75);
        TBetBuyLedger buy4(2, 63);
        TBetCraps11Ledger horn(91, 1);
        for (TCBetLedger* bet : std::initializer_list<TCBetLedger*>{&field, &two, &craps, &hard4,
                                                                    &lay4, &buy4, &horn}) {
            EXPECT_FALSE(bet->TestWin(die1, die2, 4, 0, AllOn));
            EXPECT_FALSE(bet->TestLose(die1, die2, 4, 0, AllOn));
        }
    }
    EXPECT_EQ(field.GetPayoutMultiplier(), 3); // the last real roll still stands
}
