// Edge cases of the lord's seats, hand and settling, each played through the real spots.
#include "RoundDriver.h"

#include <gtest/gtest.h>

namespace {

class LordEdges : public CrapsTable {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        MakeCrapsTable(1000.0, 1000.0, 1000.0);
        Lord().StartSession();
    }
    TMessageBoxRecorder Boxes;
};

TEST(LordChipSound, TheSoundCountsTheFewestChipsOfTheWholeDollars) {
    const struct {
        double Amount;
        u16 Sound;
    } cases[] = {{10000, 1}, {30, 2}, {131, 2}, {17, 3},   {100001, 5},
                 {0.75, 5},  {1, 1},  {4, 2},   {5.99, 1}, {100000, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(TCasinoCGameLord::ChipSoundClass(TMoney(c.Amount)), c.Sound) << c.Amount;
}

TEST_F(LordEdges, OppositeHardwayOptionsAreEachSeatsOwnOnAComeOutSevenAndHardSix) {
    SetOptions(0, {0, 0, 0, 0, 0, 0, 1});
    SetOptions(1, {0, 0, 0, 0, 0, 0, 0});
    for (const i16 seat : {0, 1}) {
        Lord().RefreshSeat(seat);
        Lord().ClearBetInHand();
        Lord().AddToBetInHand(TMoney(10));
        Lord().PlaceBet(14);
    }
    ASSERT_EQ(Spot(14).GetAmount(0), TMoney(10));
    ASSERT_EQ(Spot(14).GetAmount(1), TMoney(10));
    // A come-out seven: only the gambler whose hardways work on the come-out loses.
    Lord().Die1 = 2;
    Lord().Die2 = 3;
    Lord().TestLosingSpots();
    EXPECT_EQ(Spot(14).GetAmount(0), TMoney());
    EXPECT_EQ(Spot(14).GetAmount(1), TMoney(10));
    // He bets again; a come-out hard six pays him and leaves the other's bet standing.
    Lord().RefreshSeat(0);
    Lord().ClearBetInHand();
    Lord().AddToBetInHand(TMoney(10));
    Lord().PlaceBet(14);
    const TMoney before0 = Lord().GetBankroll(0);
    const TMoney before1 = Lord().GetBankroll(1);
    Lord().Die1 = 2;
    Lord().Die2 = 2;
    Lord().TestLosingSpots();
    ASSERT_TRUE(Lord().TestWinningSpots());
    EXPECT_EQ(Lord().GetWinningSpot(), 14);
    EXPECT_TRUE(Lord().PayOutSpot(14));
    EXPECT_FALSE(Lord().PayOutSpot(14));
    EXPECT_GT(Lord().GetBankroll(0), before0 + TMoney(10));
    EXPECT_EQ(Lord().GetBankroll(1), before1);
    EXPECT_EQ(Spot(14).GetAmount(1), TMoney(10));
}

TEST_F(LordEdges, WithNoCurrentSeatTheHandAndBetsDoNothing) {
    Lord().CurrentSeat = -1;
    const TMoney before = Lord().GetBankroll(0);
    EXPECT_EQ(Lord().AddToBetInHand(TMoney(25)), 1);
    EXPECT_EQ(Lord().PlaceBet(0), 1);
    EXPECT_EQ(Lord().TakeDownBet(0), 1);
    Lord().CopyBettingOptions();
    EXPECT_EQ(Lord().GetBetInHand(), TMoney());
    EXPECT_EQ(Lord().GetBankroll(0), before);
    EXPECT_FALSE(Lord().TableHasAnyBet());
    EXPECT_FALSE(Lord().SeatHasAnyBet(-1));
}

TEST_F(LordEdges, RepeatingTheLastBetNeverLiftsTheHandAboveTheBankroll) {
    Lord().RefreshSeat(1);
    Lord().SetBankroll(1, TMoney(25.5));
    Seat(1).LastBet = TMoney(25.5);
    Lord().ClearBetInHand();
    Seat(1).LastBet = TMoney(25.5);
    Lord().AddToBetInHand(TMoney(0.25));
    Lord().PlaceBet(4);
    // 0.25 in hand plus a last bet of 25.50 would be 25.75: the field gets the bankroll.
    EXPECT_EQ(Spot(4).GetAmount(1), TMoney(25.5));
    EXPECT_EQ(Lord().GetBankroll(1), TMoney());
}

TEST_F(LordEdges, ARefreshCarriesTheLastBetOnlyWhenTheBankrollExceedsIt) {
    const struct {
        double Bankroll;
        double Hand;
        double LastBet;
    } cases[] = {{5.00, 0.0, 0.0}, {5.01, 5.0, 5.0}, {100.0, 5.0, 5.0}};
    for (const auto& c : cases) {
        Lord().RefreshSeat(0);
        Lord().SetBankroll(2, TMoney(c.Bankroll));
        Seat(2).LastBet = TMoney(5.0);
        Lord().RefreshSeat(2);
        EXPECT_EQ(Lord().GetBetInHand(), TMoney(c.Hand)) << c.Bankroll;
        EXPECT_EQ(Seat(2).InHand, TMoney(c.Hand)) << c.Bankroll;
        EXPECT_EQ(Seat(2).LastBet, TMoney(c.LastBet)) << c.Bankroll;
    }
}

} // namespace
