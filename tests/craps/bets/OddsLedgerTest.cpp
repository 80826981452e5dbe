// The odds-carrying ledgers' own answers: worked collections, what comes back when, which
// payout is announced, and lay odds paid only right after a win test.
#include "craps/bets/ComeBets.h"
#include "craps/bets/LineBets.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr TCrapsBetOptions NoOptions = {};

} // namespace

TEST(OddsLedgerTest, WorkedCollectionsOnTheNumbers) {
    struct TCase {
        bool Lay;
        i16 Number;
        double Stake, Odds;
        i16 Die1, Die2;
        double Win, Collected;
    };
    const TCase cases[] = {
        {true, 4, 10, 24, 2, 3, 30, 64},  // $24 laid against the six, then a seven
        {false, 4, 10, 25, 2, 2, 40, 75}, // $25 behind the six, then a six
        {false, 7, 10, 7, 3, 4, 20, 37},  // $7 on the nine wins 3 x 3 + 1
        {true, 2, 10, 7, 0, 5, 13.5, 30.5},
        {false, 8, 6, 10.5, 4, 4, 26, 42.5}, // the cents of odds come back, unpaid
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Collected);
        std::unique_ptr<TCBetLedger> bet;
        if (c.Lay) {
            bet = std::make_unique<TBetDoNotComeNumLedger>(c.Number);
        } else {
            bet = std::make_unique<TBetComeNumLedger>(c.Number);
        }
        bet->SetAmount(2, TMoney(c.Stake));
        ASSERT_EQ(bet->AddChips(2, TMoney(c.Odds), 1, -1), TMoney());
        EXPECT_EQ(bet->GetSpotId(2), c.Lay ? 155 : 154);
        ASSERT_TRUE(bet->TestWin(c.Die1, c.Die2, -1, 1, NoOptions));
        const auto sum = static_cast<i16>(c.Die1 + c.Die2);
        EXPECT_NEAR(bet->GetWinAmount(2, sum).GetValue(), c.Win, 1e-12);
        EXPECT_NEAR(bet->CollectWin(2, sum).GetValue(), c.Collected, 1e-12);
        EXPECT_FALSE(bet->HasAmount(2));
        EXPECT_EQ(bet->GetOddsAmount(2), TMoney());
        EXPECT_EQ(bet->GetSpotId(2), c.Lay ? 55 : 54);
    }
}

TEST(OddsLedgerTest, OddsComeBackOnlyWhenTheyShould) {
    struct TCase {
        const char* Name;
        i16 Die1, Die2;
        double Returned;
    };
    // Come six with $10 and $25 of odds: off odds come back on the rolls that would decide.
    const TCase cases[] = {
        {"six", 2, 2, 25}, {"seven", 1, 4, 25}, {"eight", 3, 3, 0}, {"bad die", 6, 0, 0}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TBetComeNumLedger six(4);
        six.SetAmount(0, TMoney(10.0));
        six.AddChips(0, TMoney(25.0), 0, 3);
        EXPECT_EQ(six.ReturnOffOdds(0, c.Die1, c.Die2).GetValue(), c.Returned);
        EXPECT_EQ(six.GetOddsAmount(0).GetValue(), 25.0 - c.Returned);
        EXPECT_EQ(six.GetAmount(0).GetValue(), 10.0);
    }
    TBetComeNumLedger five(3);
    five.SetAmount(1, TMoney(5.0));
    five.SetAmount(1, TMoney(10.0)); // replaced, not added
    five.AddChips(1, TMoney(15.0), 0, 4);
    five.SetAmount(1, TMoney(-3.0));
    five.SetAmount(1, TMoney(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(five.GetAmount(1).GetValue(), 10.0);
    EXPECT_TRUE(five.CanRemoveChips(1, TMoney(2.0), 1, -1));
    EXPECT_EQ(five.TakeDown(1, 1).GetValue(), 15.0); // only the odds: the stake is working
    EXPECT_EQ(five.TakeDown(1, 0), TMoney());
    EXPECT_FALSE(five.CanRemoveChips(1, TMoney(2.0), 0, 4));
    EXPECT_EQ(five.GetAmount(1).GetValue(), 10.0);
}

TEST(OddsLedgerTest, LineBetsAreLockedOnceThePointIsOn) {
    TBetPassLedger pass;
    TBetDoNotPassLedger dontPass;
    for (TBetPassLedger* line : {&pass, static_cast<TBetPassLedger*>(&dontPass)}) {
        SCOPED_TRACE(line->GetBetKind());
        EXPECT_FALSE(line->CanRemoveChips(0, TMoney(2.0), 1, -1));
        EXPECT_EQ(line->AddChips(0, TMoney(10.0), 1, -1), TMoney());
        EXPECT_TRUE(line->CanRemoveChips(0, TMoney(2.0), 1, -1));
        EXPECT_FALSE(line->CanRemoveChips(0, TMoney(2.0), 0, 4));
        EXPECT_EQ(line->TakeDown(0, 0), TMoney()); // the line stays
        EXPECT_EQ(line->AddChips(0, TMoney(20.0), 0, 3), TMoney());
        EXPECT_EQ(line->GetSpotId(0), line->GetBetKind() == 1 ? 152 : 153);
        EXPECT_EQ(line->TakeDown(0, 0).GetValue(), 20.0);
        EXPECT_EQ(line->GetAmount(0).GetValue(), 10.0);
        EXPECT_EQ(line->TakeDown(0, 1).GetValue(), 10.0);
        EXPECT_EQ(line->AddChips(0, TMoney(5.0), 0, 3).GetValue(), 5.0); // no line, no odds
    }
}

TEST(OddsLedgerTest, ComeSpotsTakeBetsOnlyWithAPointOn) {
    TBetComeLedger come;
    TBetDoNotComeLedger dontCome;
    for (TBetComeLedger* spot : {&come, static_cast<TBetComeLedger*>(&dontCome)}) {
        EXPECT_FALSE(spot->CanAddChips(0, TMoney(2.0), 1, -1));
        EXPECT_EQ(spot->AddChips(0, TMoney(10.0), 1, -1).GetValue(), 10.0);
        EXPECT_TRUE(spot->CanAddChips(0, TMoney(2.0), 0, 4));
        EXPECT_FALSE(spot->CanRemoveChips(0, TMoney(2.0), 0, 4));
        EXPECT_EQ(spot->AddChips(0, TMoney(10.0), 0, 4), TMoney());
        EXPECT_TRUE(spot->CanRemoveChips(0, TMoney(2.0), 0, 4));
        EXPECT_EQ(spot->GetWinAmount(0, 9).GetValue(), 10.0);
    }
    EXPECT_FALSE(dontCome.TestWin(5, 5, 4, 0, NoOptions)); // twelve: the bet stays
    EXPECT_FALSE(dontCome.TestLose(5, 5, 4, 0, NoOptions));
    EXPECT_TRUE(come.TestLose(5, 5, 4, 0, NoOptions));
}

TEST(OddsLedgerTest, LayOddsArePaidOnlyRightAfterAWinTest) {
    TBetDoNotPassLedger dontPass;
    for (i16 seat = 0; seat < 3; ++seat) {
        dontPass.AddChips(seat, TMoney(10.0), 1, -1);
        dontPass.AddChips(seat, TMoney(30.0), 0, 7); // against the nine: wins $20
    }
    EXPECT_EQ(dontPass.OddsWin(TMoney(30.0), 5), TMoney()); // no seven seen yet
    ASSERT_TRUE(dontPass.TestWin(2, 3, 7, 0, NoOptions));
    EXPECT_EQ(dontPass.CollectWin(0, 5).GetValue(), 70.0);
    EXPECT_EQ(dontPass.CollectWin(1, 5).GetValue(), 50.0); // stake and odds back, no lay win
    ASSERT_TRUE(dontPass.TestWin(2, 3, 7, 0, NoOptions));
    EXPECT_EQ(dontPass.CollectWin(2, 5).GetValue(), 70.0);
}
