// Edge cases of the lord's seats, hand and settling, each played through the real spots.
#include "RoundDriver.h"
#include "casino/GamblerRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

class LordEdges : public CrapsTable {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        MakeCrapsTable(1000.0, 1000.0, 1000.0);
        Lord().StartSession();
    }
    // The seat's hand cleared, then filled with the amount and put on the spot.
    u16 Bet(i16 seat, i16 spot, double amount) {
        Lord().RefreshSeat(seat);
        Lord().ClearBetInHand();
        Lord().AddToBetInHand(TMoney(amount));
        return Lord().PlaceBet(spot);
    }
    void Roll(i16 die1, i16 die2) {
        Lord().Die1 = die1;
        Lord().Die2 = die2;
    }
    size_t Limits() const {
        size_t n = 0;
        for (const TMessageBoxRequest& box : Boxes.Boxes)
            n += box.Caption == "Table Limit" ? 1 : 0;
        return n;
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

TEST_F(LordEdges, ChipsFillTheHandUpToTheBankrollAndTheTableLimit) {
    const struct {
        double Bankroll, Hand, Chip, After;
        u16 Result;
    } cases[] = {
        {500, 0, 1000, 500, 1},       {500, 500, 1, 500, 1},          {500, 400, 100, 500, 1},
        {500, 300, 100, 400, 1},      {200000, 99999, 1, 100000, 1},  {200000, 99995, 5, 100000, 1},
        {200000, 99996, 5, 99996, 0}, {200000, 100000, 1, 100000, 0}, {0.75, 0, 1, 0, 1}};
    for (const auto& c : cases) {
        Lord().SetBankroll(0, TMoney(c.Bankroll));
        Lord().ClearBetInHand();
        Lord().AddToBetInHand(TMoney(c.Hand));
        const size_t limits = Limits();
        EXPECT_EQ(Lord().AddToBetInHand(TMoney(c.Chip)), c.Result) << c.Hand << " + " << c.Chip;
        EXPECT_EQ(Lord().GetBetInHand(), TMoney(c.After)) << c.Hand << " + " << c.Chip;
        EXPECT_EQ(Seat(0).InHand, TMoney(c.After));
        EXPECT_EQ(Limits() - limits, c.Result == 0 ? 1u : 0u);
    }
}

TEST_F(LordEdges, AmountsThatAreNoChipLeaveTheHandAlone) {
    Lord().ClearBetInHand();
    Lord().AddToBetInHand(TMoney(25));
    const double inf = std::numeric_limits<double>::infinity();
    for (const double amount : {std::nan(""), inf, -inf, -5.0}) {
        EXPECT_EQ(Lord().AddToBetInHand(TMoney(amount)), 1);
        EXPECT_EQ(Lord().TakeFromBetInHand(TMoney(amount)), 1);
        EXPECT_EQ(Lord().GetBetInHand(), TMoney(25)) << amount;
    }
    for (const double amount : {std::nan(""), -inf, -5.0})
        EXPECT_EQ(TCasinoCGameLord::ChipSoundClass(TMoney(amount)), 5) << amount;
}

// A stored bankroll that is no number or infinite bets as nothing; a huge one bets normally.
TEST_F(LordEdges, DamagedBankrollsBetAsNothingAndHugeOnesWithinTheLimit) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const double stored : {std::nan(""), inf, -inf}) {
        TGamblerRecord(std::span(Lord().GetSeatPlayerData(1), TCasinoPlayerData::EncodedSize))
            .SetBankroll(stored);
        Seat(1).LastBet = TMoney(5);
        EXPECT_EQ(Bet(1, 4, 25), 1) << stored;
        EXPECT_FALSE(Spot(4).HasAmount(1)) << stored;
        EXPECT_EQ(Lord().GetBankroll(1), TMoney()) << stored;
    }
    Lord().SetBankroll(2, TMoney(1e300));
    EXPECT_EQ(Bet(2, 4, 100000), 1);
    EXPECT_EQ(Spot(4).GetAmount(2), TMoney(100000));
    EXPECT_EQ(Bet(2, 4, 1), 0);
    EXPECT_EQ(Spot(4).GetAmount(2), TMoney(100000));
}

TEST_F(LordEdges, PlacingTestsTheLimitOnTheStakeComeOnTheComeOutAndTheLastBet) {
    Lord().SetBankroll(0, TMoney(200000));
    ASSERT_EQ(Bet(0, 4, 60000), 1);
    Lord().ClearBetInHand();
    Lord().AddToBetInHand(TMoney(40001));
    EXPECT_EQ(Lord().PlaceBet(4), 0);
    EXPECT_EQ(Lord().GetBetInHand(), TMoney(40001));
    EXPECT_EQ(Spot(4).GetAmount(0), TMoney(60000));
    EXPECT_EQ(Bet(0, 4, 40000), 1);
    EXPECT_EQ(Spot(4).GetAmount(0), TMoney(100000));
    EXPECT_EQ(Lord().GetBankroll(0), TMoney(100000));
    // The come on a come-out roll: nothing placed, nothing said.
    const size_t boxes = Boxes.Boxes.size();
    EXPECT_EQ(Bet(1, 2, 25), 1);
    EXPECT_FALSE(Spot(2).HasAmount(1));
    EXPECT_EQ(Lord().GetBankroll(1), TMoney(1000));
    EXPECT_EQ(Boxes.Boxes.size(), boxes);
    // An empty hand repeats the last bet; after a clear it places nothing.
    Seat(1).LastBet = TMoney(25);
    Lord().PlaceBet(7);
    EXPECT_EQ(Spot(7).GetAmount(1), TMoney(25));
    Lord().ClearBetInHand();
    Lord().PlaceBet(8);
    EXPECT_FALSE(Spot(8).HasAmount(1));
    EXPECT_EQ(Seat(1).LastBet, TMoney());
}

TEST_F(LordEdges, AGamblerLeavingTakesDownWhatMayComeDownAndTheLastLeavesAnEmptyTable) {
    const struct {
        i16 Point;
        double Back;
    } cases[] = {{-1, 10}, {4, 20}};
    for (const auto& c : cases) {
        Lord().ComeOutFlag = 1;
        Lord().Point = -1;
        Bet(0, 0, 10);
        if (c.Point != -1) {
            Lord().Point = c.Point;
            Lord().ComeOutFlag = 0;
            Bet(0, 0, 20);
            ASSERT_EQ(Spot(0).GetOddsAmount(0), TMoney(20));
        }
        const TMoney before = Lord().GetBankroll(0);
        ASSERT_TRUE(Mgr->DeactivatePlayer(0));
        EXPECT_EQ(Mgr->GetBankroll(0), before.GetValue() + c.Back) << c.Point;
        EXPECT_FALSE(Spot(0).HasAnyAmount()) << c.Point;
        ASSERT_TRUE(Mgr->ActivatePlayer(0, 0));
    }
    for (const i16 record : {0, 1, 2})
        ASSERT_TRUE(Mgr->DeactivatePlayer(record));
    EXPECT_EQ(Lord().GetCurrentSeat(), -1);
    EXPECT_EQ(Lord().GetShooterSeat(), -1);
    EXPECT_EQ(Lord().GetBetInHand(), TMoney());
}

TEST_F(LordEdges, RoundsStartWithTheShooterAndTheDicePassAfterASevenOut) {
    EXPECT_EQ(Lord().GetDie1(), -1);
    Lord().RefreshSeat(2);
    Lord().StartRound();
    EXPECT_EQ(Lord().LastRoll, (std::array<i16, 2>{0, 0}));
    EXPECT_EQ(Lord().NewShooter, 1);
    EXPECT_EQ(Lord().GetCurrentSeat(), 0);
    // Seat 1 leaves; seat 2 shoots and sevens out: the dice go round to seat 0.
    ASSERT_TRUE(Mgr->DeactivatePlayer(1));
    Lord().ShooterSeat = 2;
    const struct {
        u8 Before, After;
        i16 Die1, Die2, Shooter;
    } rounds[] = {{0, 0, 1, 2, 2}, {0, 1, 2, 3, 0}, {1, 1, 2, 3, 0}};
    // A point roll keeps the shooter; the seven-out passes the dice; a come-out seven keeps them.
    for (const auto& r : rounds) {
        Lord().FirstRollPending = 0;
        Lord().ComeOutFlag = r.Before;
        Lord().StartRound();
        Roll(r.Die1, r.Die2);
        Lord().ComeOutFlag = r.After;
        Lord().StartRound();
        EXPECT_EQ(Lord().GetShooterSeat(), r.Shooter);
        EXPECT_EQ(Lord().GetCurrentSeat(), r.Shooter);
    }
}

TEST_F(LordEdges, TheGameLeavingMidRollClosesSessionsAndLeavesTheBets) {
    Bet(1, 4, 30);
    Lord().SessionCloseMode = 1;
    Lord().Update();
    EXPECT_EQ(Spot(4).GetAmount(1), TMoney(30));
    for (const i16 seat : {0, 1, 2}) {
        TCasinoPlayerData data;
        ASSERT_TRUE(data.Decode(Lord().GetSeatPlayerData(seat), TCasinoPlayerData::EncodedSize));
        EXPECT_EQ(data.GetSessionCode(), 0u);
        EXPECT_FALSE(data.GetHistory().GetCurrentSession()->IsOpen());
        EXPECT_EQ(data.GetHistory().GetCurrentSession()->EndBankroll,
                  TMoney(seat == 1 ? 970 : 1000));
    }
}

TEST_F(LordEdges, APointIsSetOnlyOnBoxNumbersAndEndedBySevenOrItself) {
    // The puck lands on the point at the place-mark skit's tick for that number.
    const struct {
        i16 Die1, Die2;
        bool Set;
        u32 Landing;
    } rolls[] = {{2, 3, false, 99}, {4, 5, false, 99}, {0, 0, false, 99}, {0, 1, false, 99},
                 {5, 5, false, 99}, {2, 2, true, 8},   {0, 2, true, 7},   {5, 3, true, 10},
                 {1, 2, true, 8},   {3, 3, true, 9},   {3, 4, true, 9}};
    for (const auto& r : rolls) {
        Lord().Point = -1;
        Roll(r.Die1, r.Die2);
        EXPECT_EQ(Lord().SetPoint(), r.Set) << r.Die1 << r.Die2;
        EXPECT_EQ(Lord().GetPoint(), r.Set ? r.Die1 + r.Die2 : -1);
        u32 start = 5, duration = 0, landing = 99;
        Lord().StartPlaceMarkSkit(start, duration, landing);
        EXPECT_EQ(landing, r.Landing) << r.Die1 << r.Die2;
        Lord().Point = -1;
        Lord().ComeOutFlag = 0;
        EXPECT_EQ(Lord().IsPointOrSeven(), r.Die1 + r.Die2 == 5);
    }
}

TEST_F(LordEdges, ComeBetsTravelToTheNumberRolledAndNothingElseMoves) {
    const struct {
        i16 Die1, Die2, Come, DontCome;
    } rolls[] = {{0, 2, 23, 35}, {1, 2, 24, 36}, {2, 2, 25, 37}, {3, 3, 26, 38},
                 {3, 4, 27, 39}, {4, 4, 28, 40}, {2, 3, -1, -1}, {4, 5, -1, -1}};
    Lord().ComeOutFlag = 0;
    Lord().Point = 4;
    for (const auto& r : rolls) {
        Bet(1, 2, 10);
        Bet(1, 3, 15);
        Roll(r.Die1, r.Die2);
        Lord().MoveComeBets();
        if (r.Come == -1) {
            EXPECT_EQ(Spot(2).GetAmount(1), TMoney(10));
        } else {
            EXPECT_FALSE(Spot(2).HasAmount(1));
            EXPECT_FALSE(Spot(3).HasAmount(1));
            EXPECT_EQ(Spot(r.Come).GetAmount(1), TMoney(10));
            EXPECT_EQ(Spot(r.DontCome).GetAmount(1), TMoney(15));
            Spot(r.Come).ClearAll();
            Spot(r.DontCome).ClearAll();
        }
        Spot(2).ClearAll();
        Spot(3).ClearAll();
    }
}

// Odds that are off on the come-out go back seat 2 first, cents and all, one per call.
TEST_F(LordEdges, ComeOddsOffOnTheComeOutGoBackOneSeatAtATimeToTheCent) {
    for (const i16 seat : {0, 1, 2})
        SetOptions(seat, {0, 0, 0, seat == 0 ? u8{1} : u8{0}, 0, 0, 0});
    Lord().ComeOutFlag = 0;
    Lord().Point = 6;
    const double odds[3] = {10, 0.5, 20};
    for (const i16 seat : {0, 1, 2}) {
        Spot(25).SetAmount(seat, TMoney(10));
        Bet(seat, 25, odds[seat]);
        ASSERT_EQ(Spot(25).GetOddsAmount(seat), TMoney(odds[seat]));
    }
    Lord().ComeOutFlag = 1;
    Roll(2, 3);
    const TMoney before1 = Lord().GetBankroll(1);
    EXPECT_TRUE(Lord().ReturnOffOdds());
    EXPECT_EQ(Spot(25).GetOddsAmount(2), TMoney());
    EXPECT_EQ(Lord().GetOddsReturnSpot(), 25);
    EXPECT_TRUE(Lord().ReturnOffOdds());
    EXPECT_EQ(Lord().GetBankroll(1), before1 + TMoney(0.5));
    EXPECT_FALSE(Lord().ReturnOffOdds());
    EXPECT_EQ(Lord().GetCurrentSeat(), 0);
    // Seat 0's odds work on the come-out and lose with the stake.
    EXPECT_EQ(Spot(25).GetOddsAmount(0), TMoney(10));
}

// On a come-out seven every number's odds that are off come back, one per call: seat 2, 1,
// 0, each seat's come numbers before its don't come numbers, as the bet book settles them.
TEST_F(LordEdges, ReturnedOddsComeBackComeNumbersFirstInTheBooksOrder) {
    const i16 spots[] = {40, 23, 36, 27}; // don't come 10, come 4, don't come 5, come 9
    TBetBook book;
    Lord().ComeOutFlag = 0;
    Lord().Point = 6;
    for (const i16 seat : {0, 1, 2}) {
        SetOptions(seat, {0, 0, 0, 0, 0, 0, 0});
        for (const i16 spot : spots) {
            Spot(spot).SetAmount(seat, TMoney(10));
            ASSERT_EQ(Bet(seat, spot, 10), 1);
            ASSERT_EQ(Spot(spot).GetOddsAmount(seat), TMoney(10));
            book.GetSpot(spot)->SetAmount(seat, TMoney(10));
            ASSERT_EQ(book.PlaceBet(spot, seat, TMoney(10), 0, 6, {}), TMoney());
        }
    }
    Lord().ComeOutFlag = 1;
    Roll(1, 4);
    std::vector<std::pair<i16, i16>> returned;
    for (int call = 0; call < 20 && Lord().ReturnOffOdds(); ++call)
        returned.emplace_back(Lord().GetCurrentSeat(), Lord().GetOddsReturnSpot());
    std::vector<std::pair<i16, i16>> expected;
    for (const i16 seat : {2, 1, 0})
        for (const i16 spot : {23, 27, 36, 40})
            expected.emplace_back(seat, spot);
    EXPECT_EQ(returned, expected);
    std::vector<std::pair<i16, i16>> booked;
    for (const TBetEvent& e : book.ResolveRoll(1, 4, -1, 1, {}, {true, true, true}))
        if (e.Kind == EBetEvent::OddsReturned)
            booked.emplace_back(e.Seat, e.Spot);
    EXPECT_EQ(booked, expected);
}

} // namespace
