// The odds-carrying ledgers' own answers: worked collections, what comes back when, which
// payout is announced, and lay odds paid only right after a win test.
#include "craps/bets/ComeBets.h"
#include "craps/bets/LineBets.h"

#include <gtest/gtest.h>

#include <limits>

TEST(OddsLedgerTest, WorkedCollectionsOnTheNumbers) {
    struct TCase {
        bool Lay;
        i16 Number;
        double Stake, Odds;
        i16 Die1, Die2;
        double Win, Collected;
    };
    const TCase cases[] = {
        {true, 4, 10, 24, 2, 3, 30, 64},        // $24 laid against the six, then a seven
        {false, 4, 10, 25, 2, 2, 40, 75},       // $25 behind the six, then a six
        {false, 7, 10, 7, 3, 4, 20, 37},        // $7 on the nine wins 3 x 3 + 1
        {true, 2, 10, 7, 0, 5, 13.5, 30.5},     // $7 against the four wins $3.50
        {false, 8, 6, 10.5, 4, 4, 26, 42.5},    // the cents of odds come back, unpaid
        {false, 4, 10, 4, 1, 3, 14, 28},        // under $5 on the six: even money
        {false, 3, 10, 1, 0, 3, 11, 22},        // $1 on the five: even money
        {true, 6, 10, 1.5, 1, 4, 11.25, 22.75}, // lay odds keep their cents
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Collected);
        std::unique_ptr<TCBetLedger> bet;
        bet.reset(c.Lay ? new TBetDoNotComeNumLedger(c.Number) : new TBetComeNumLedger(c.Number));
        bet->SetAmount(2, TMoney(c.Stake));
        ASSERT_EQ(bet->AddChips(2, TMoney(c.Odds), 1, -1), TMoney());
        EXPECT_EQ(bet->GetSpotId(2), c.Lay ? 155 : 154);
        ASSERT_TRUE(bet->TestWin(c.Die1, c.Die2, -1, 1, {}));
        const auto sum = static_cast<i16>(c.Die1 + c.Die2);
        EXPECT_NEAR(bet->GetWinAmount(2, sum).GetValue(), c.Win, 1e-12);
        EXPECT_NEAR(bet->CollectWin(2, sum).GetValue(), c.Collected, 1e-12);
        EXPECT_FALSE(bet->HasAmount(2));
        EXPECT_EQ(bet->GetSpotId(2), c.Lay ? 55 : 54);
    }
}

// A travelled stake is replaced only by travel and never taken down: only its odds come back.
TEST(OddsLedgerTest, OnlyOddsComeBackFromANumber) {
    TBetComeNumLedger five(3);
    five.SetAmount(1, TMoney(5.0));
    five.SetAmount(1, TMoney(10.0)); // replaced, not added
    five.AddChips(1, TMoney(15.0), 0, 4);
    five.SetAmount(1, TMoney(-3.0));
    five.SetAmount(1, TMoney(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(five.TakeDown(1, 1).GetValue(), 15.0);
    EXPECT_EQ(five.TakeDown(1, 0), TMoney());
    EXPECT_FALSE(five.CanRemoveChips(1, TMoney(2.0), 0, 4));
    EXPECT_EQ(five.GetAmount(1).GetValue(), 10.0);
}

TEST(OddsLedgerTest, LineBetsAreLockedOnceThePointIsOn) {
    TBetPassLedger pass;
    TBetDoNotPassLedger dontPass;
    for (TBetPassLedger* line : {&pass, static_cast<TBetPassLedger*>(&dontPass)}) {
        SCOPED_TRACE(line->GetBetKind());
        EXPECT_EQ(line->AddChips(0, TMoney(10.0), 1, -1), TMoney());
        EXPECT_TRUE(line->CanRemoveChips(0, TMoney(2.0), 1, -1));
        EXPECT_FALSE(line->CanRemoveChips(0, TMoney(2.0), 0, 4));
        EXPECT_EQ(line->AddChips(0, TMoney(20.0), 0, 3), TMoney());
        EXPECT_EQ(line->GetSpotId(0), line->GetBetKind() == 1 ? 152 : 153);
        EXPECT_EQ(line->TakeDown(0, 0).GetValue(), 20.0);
        EXPECT_EQ(line->TakeDown(0, 1).GetValue(), 10.0);
        EXPECT_EQ(line->AddChips(0, TMoney(5.0), 0, 3).GetValue(), 5.0); // no line, no odds
    }
    TBetComeLedger come;
    EXPECT_FALSE(come.CanAddChips(0, TMoney(2.0), 1, -1));
    EXPECT_EQ(come.AddChips(0, TMoney(10.0), 1, -1).GetValue(), 10.0);
    EXPECT_TRUE(come.CanAddChips(0, TMoney(2.0), 0, 4));
}

TEST(OddsLedgerTest, LayOddsArePaidOnlyRightAfterAWinTest) {
    TBetDoNotPassLedger dontPass;
    for (i16 seat = 0; seat < 3; ++seat) {
        dontPass.AddChips(seat, TMoney(10.0), 1, -1);
        dontPass.AddChips(seat, TMoney(30.0), 0, 7); // against the nine: wins $20
    }
    EXPECT_EQ(dontPass.OddsWin(TMoney(30.0), 5), TMoney()); // no seven seen yet
    ASSERT_TRUE(dontPass.TestWin(2, 3, 7, 0, {}));
    EXPECT_EQ(dontPass.CollectWin(0, 5).GetValue(), 70.0);
    EXPECT_EQ(dontPass.CollectWin(1, 5).GetValue(), 50.0); // stake and odds back, no lay win
    ASSERT_TRUE(dontPass.TestWin(2, 3, 7, 0, {}));
    EXPECT_EQ(dontPass.CollectWin(2, 5).GetValue(), 70.0);
}
