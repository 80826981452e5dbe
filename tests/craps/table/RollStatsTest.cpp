// The seated gamblers' sessions filled by the real lord: each decided bet of a roll, each shoot
// folded at the next come-out, and the money they record against the bankrolls.
#include "RoundDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Place bets work on the come-out for both; seat 0 places, seat 1 buys every number and keeps
// come odds working on the come-out.
constexpr TCrapsBetOptions PlaceOptions = {0, 0, 0, 0, 0, 1, 1};
constexpr TCrapsBetOptions BuyOptions = {1, 1, 1, 1, 1, 1, 1};

class RollStats : public CrapsTable {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        MakeCrapsTable(1000.0, 1000.0, 1000.0);
        SetOptions(0, PlaceOptions);
        SetOptions(1, BuyOptions);
        Lord().StartSession();
        Lord().StartRound();
    }
    TCCSession Current(i16 seat) {
        TCasinoPlayerData data;
        EXPECT_TRUE(data.Decode(Lord().GetSeatPlayerData(seat), TCasinoPlayerData::EncodedSize));
        const TCCSession* session = data.GetHistory().GetCurrentSession();
        return session != nullptr ? *session : TCCSession();
    }
    void Bet(i16 seat, i16 spot, double amount) {
        Lord().RefreshSeat(seat);
        Lord().ClearBetInHand();
        Lord().AddToBetInHand(TMoney(amount));
        Lord().PlaceBet(spot);
    }
    // The roll settled as the resolution state settles it; the next round start is separate.
    void Throw(i16 die1, i16 die2) {
        Lord().Die1 = die1;
        Lord().Die2 = die2;
        SettleRoll(
            Lord(), [] {}, [] {});
    }
    void Round(i16 die1, i16 die2) {
        Throw(die1, die2);
        Lord().StartRound();
    }
};

// One bet decided by a roll: on the come-out, after a point with odds put behind it, or a
// come bet travelled to the 6 with odds that a come-out decides (seat 0 keeps those odds off,
// so only the stake counts). Its counts, rows, house-edge counter and side, and the shoot it
// closes.
struct TBetCase {
    const char* Name;
    i16 Seat, Spot;
    double Stake, Odds;
    i16 Die1, Die2;
    bool Won;
    size_t Row;
    double Net, OddsNet;
    u16 High;
    int Side; // 0 none, 1 right, 2 wrong
};

void PrintTo(const TBetCase& c, std::ostream* os) {
    *os << c.Name;
}

class RollStatsKinds : public RollStats, public ::testing::WithParamInterface<TBetCase> {};

TEST_P(RollStatsKinds, ADecidedBetFindsItsRowCounterAndSide) {
    const TBetCase& c = GetParam();
    const bool come = c.Spot >= 23 && c.Spot < 29;
    if (come)
        Round(1, 1);
    Bet(c.Seat, come ? i16{2} : c.Spot, c.Stake);
    if (c.Odds != 0) {
        Round(1, 3);
        Bet(c.Seat, c.Spot, c.Odds);
    }
    if (come)
        Round(0, 2);
    Throw(c.Die1, c.Die2);
    const TCCSession s = Current(c.Seat);
    const double odds = c.OddsNet != 0 ? c.Odds : 0;
    const u16 bets = odds != 0 ? 2 : 1;
    EXPECT_EQ(c.Won ? s.BetsWon : s.BetsLost, bets);
    EXPECT_EQ(s.BetsDecided, bets);
    EXPECT_EQ(s.TotalBet, TMoney(c.Stake + odds));
    const TMoney net(c.Net + c.OddsNet);
    EXPECT_EQ(s.TotalWon - s.TotalLost, net);
    EXPECT_EQ(s.BetByRow[c.Row], TMoney(c.Stake));
    EXPECT_EQ(s.NetByRow[c.Row], TMoney(c.Net));
    if (c.Row + 1 < TCCSession::StatRows) {
        EXPECT_EQ(s.NetByRow[c.Row + 1], TMoney(c.OddsNet));
    }
    EXPECT_EQ(s.HighPercentageBets, c.High);
    EXPECT_EQ(s.LowPercentageBets, c.High != 0 ? 0 : 1);
    EXPECT_EQ(s.RightShootNet, c.Side == 1 ? net : TMoney());
    EXPECT_EQ(s.WrongShootNet, c.Side == 2 ? net : TMoney());
    EXPECT_EQ(s.RightThisShoot + 2 * s.WrongThisShoot, c.Side);
    EXPECT_EQ(Current(2).BetsDecided, 0);
    if (!Lord().GetComeOutFlag())
        return;
    Lord().StartRound();
    const TCCSession shoot = Current(c.Seat);
    EXPECT_EQ(shoot.RightShootNet + shoot.WrongShootNet, TMoney());
    EXPECT_EQ(shoot.RightShootsWon + shoot.WrongShootsWon, c.Side != 0 && c.Won ? 1 : 0);
    EXPECT_EQ(shoot.RightShootsLost + shoot.WrongShootsLost, c.Side != 0 && !c.Won ? 1 : 0);
    EXPECT_EQ(shoot.RightMostWon + shoot.WrongMostWon + shoot.RightMostLost + shoot.WrongMostLost,
              c.Side != 0 ? net : TMoney());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RollStatsKinds,
    ::testing::Values(TBetCase{"PassOddsMade", 0, 0, 10, 20, 1, 3, true, 0, 10, 24, 2, 1},
                      TBetCase{"PassOddsSevenOut", 0, 0, 10, 20, 2, 3, false, 0, -10, -20, 2, 1},
                      TBetCase{"ComeOddsOffSix", 0, 25, 10, 20, 1, 3, true, 4, 10, 0, 1, 1},
                      TBetCase{"ComeOddsOnSix", 1, 25, 10, 20, 1, 3, true, 4, 10, 24, 2, 1},
                      TBetCase{"ComeOddsOffSeven", 0, 25, 10, 20, 2, 3, false, 4, -10, 0, 1, 1},
                      TBetCase{"ComeOddsOnSeven", 1, 25, 10, 20, 2, 3, false, 4, -10, -20, 2, 1},
                      TBetCase{"PassNatural", 0, 0, 10, 0, 2, 3, true, 0, 10, 0, 1, 1},
                      TBetCase{"DontPassThree", 0, 1, 10, 0, 0, 1, true, 2, 10, 0, 1, 2},
                      TBetCase{"PlaceSix", 0, 19, 12, 0, 1, 3, true, 13, 14, 0, 1, 1},
                      TBetCase{"PlaceSixSeven", 0, 19, 12, 0, 2, 3, false, 13, -12, 0, 1, 1},
                      TBetCase{"BuySix", 1, 19, 20, 0, 1, 3, true, 19, 23, 0, 0, 1},
                      TBetCase{"BuyFour", 1, 17, 20, 0, 0, 2, true, 11, 39, 0, 0, 1},
                      TBetCase{"PlaceFour", 0, 17, 10, 0, 0, 2, true, 17, 18, 0, 0, 1},
                      TBetCase{"BigSix", 0, 5, 10, 0, 2, 2, true, 10, 10, 0, 0, 1},
                      TBetCase{"FieldTwelve", 0, 4, 10, 0, 5, 5, true, 8, 30, 0, 0, 0},
                      TBetCase{"FieldLost", 0, 4, 10, 0, 2, 3, false, 8, -10, 0, 0, 0},
                      TBetCase{"HardSix", 0, 14, 10, 0, 2, 2, true, 9, 90, 0, 0, 0},
                      TBetCase{"EasySix", 0, 14, 10, 0, 1, 3, false, 9, -10, 0, 0, 0},
                      TBetCase{"LayFour", 0, 29, 20, 0, 2, 3, true, 20, 9, 0, 0, 2},
                      TBetCase{"AnyCraps", 0, 7, 10, 0, 0, 0, true, 23, 70, 0, 0, 0},
                      TBetCase{"Eleven", 0, 11, 10, 0, 4, 5, true, 23, 150, 0, 0, 0}),
    [](const auto& test) { return std::string(test.param.Name); });

// The dice are compared as totals: naturals, craps and seven-outs are seen as such.
TEST_F(RollStats, ComeOutsAndSevenOutsFoldIntoStreaksAndDontPassCounts) {
    EXPECT_EQ(Current(0).TotalShoots, 0);
    const struct {
        i16 Die1, Die2;
        u16 Naturals, PointsMade, PassStreak, DontPass, CrapOuts, SevenOuts, DontStreak, Shoots;
    } steps[] = {{2, 3, 1, 0, 1, 0, 0, 0, 0, 1}, {4, 5, 2, 0, 2, 0, 0, 0, 0, 2},
                 {5, 5, 2, 0, 0, 0, 0, 0, 0, 3}, {0, 0, 2, 0, 0, 1, 1, 0, 1, 4},
                 {0, 1, 2, 0, 0, 2, 2, 0, 2, 5}, {1, 1, 2, 0, 0, 2, 2, 0, 2, 5},
                 {2, 3, 2, 0, 0, 3, 2, 1, 3, 6}, {1, 2, 2, 0, 0, 3, 2, 1, 3, 6},
                 {2, 1, 2, 1, 1, 3, 2, 1, 0, 7}};
    for (const auto& step : steps) {
        Round(step.Die1, step.Die2);
        const TCCSession s = Current(1);
        SCOPED_TRACE(step.Die1 + step.Die2 + 2);
        EXPECT_EQ(s.Naturals, step.Naturals);
        EXPECT_EQ(s.PointsMade, step.PointsMade);
        EXPECT_EQ(s.PassStreak, step.PassStreak);
        EXPECT_EQ(s.DontPassWins, step.DontPass);
        EXPECT_EQ(s.CrapOuts, step.CrapOuts);
        EXPECT_EQ(s.SevenOuts, step.SevenOuts);
        EXPECT_EQ(s.DontPassStreak, step.DontStreak);
        EXPECT_EQ(s.TotalShoots, step.Shoots);
    }
    EXPECT_EQ(Current(1).LongestPassStreak, 2);
    EXPECT_EQ(Current(1).LongestDontPassStreak, 3);
}

TEST_F(RollStats, TheLongestShootIsKeptAndEveryShootCountsFromZero) {
    for (const u16 rolls : {5, 3, 4}) {
        Round(1, 1);
        for (u16 roll = 1; roll < rolls; ++roll)
            Round(2, 4);
        EXPECT_EQ(Current(0).ShootRolls, rolls);
        Round(0, 2);
        EXPECT_EQ(Current(0).ShootRolls, 0);
        EXPECT_EQ(Current(0).LongestShoot, 5);
    }
}

TEST_F(RollStats, AnEmptySeatIsSkippedAndTheCurrentSeatKeepsItsOptions) {
    ASSERT_TRUE(Mgr->DeactivatePlayer(2));
    ASSERT_EQ(Lord().GetSeatPlayerData(2), nullptr);
    SetOptions(1, {0, 0, 0, 0, 0, 0, 0});
    for (i16 seat : {0, 1})
        Bet(seat, 19, 12);
    Lord().RefreshSeat(1);
    Lord().CopyBettingOptions();
    Lord().Die1 = 1;
    Lord().Die2 = 3;
    Lord().RecordRollStatistics();
    EXPECT_EQ(Lord().CurrentSeat, 1);
    EXPECT_EQ(Lord().GetBetOptions()[OptionBuyPlaceOnComeOut], 0);
    // Each seat by its own options: seat 0's place bet works on the come-out, seat 1's is off.
    EXPECT_EQ(Current(0).NetByRow[13], TMoney(14));
    EXPECT_EQ(Current(1).BetsDecided, 0);
    // A current slot outside the ring (a damaged file) leaves the whole record as it was.
    u8* record = Lord().GetSeatPlayerData(0);
    JorpPutU16(record + TCasinoPlayerData::HistoryAt, 25);
    const std::vector<u8> before(record, record + TCasinoPlayerData::EncodedSize);
    Lord().RecordRollStatistics();
    EXPECT_TRUE(std::equal(before.begin(), before.end(), record));
}

// Seeded play with nobody leaving: whatever a gambler has won less lost is what his money,
// bankroll and bets still standing, has moved.
TEST_F(RollStats, TheRecordedNetIsWhatEachBankrollAndItsStandingBetsMoved) {
    const auto moved = [this](i16 seat) {
        double money = Lord().GetBankroll(seat).GetValue();
        for (const auto& spot : Spots)
            money += (spot->GetAmount(seat) + spot->GetOddsAmount(seat)).GetValue();
        const TCCSession s = Current(seat);
        return money - (s.TotalWon - s.TotalLost).GetValue();
    };
    double base[3];
    for (i16 seat = 0; seat < 3; ++seat) {
        Lord().SetBankroll(seat, TMoney(5e6));
        base[seat] = moved(seat);
    }
    for (const u32 seed : {3u, 1999u, 20261207u}) {
        SCOPED_TRACE(seed);
        TLcgRandom dice;
        TScopedRandomSource installed(dice);
        TLcgRandom bets;
        dice.Seed(seed);
        bets.Seed(seed + 1);
        for (int roll = 0; roll < 600 && !HasFailure(); ++roll) {
            for (int turn = 0; turn < 3; ++turn) {
                PlaceSeededBets(Lord(), bets, [](const char*) {});
                // Come and don't-come bets with odds behind them, so that odds kept off on the
                // come-out go back often.
                const i16 seat = Lord().CurrentSeat;
                Bet(seat, static_cast<i16>(2 + roll % 2), 5);
                for (i16 spot = 23; spot < 41; spot = static_cast<i16>(spot == 28 ? 35 : spot + 1))
                    if (Spot(spot).HasAmount(seat))
                        Bet(seat, spot, 10);
                Lord().RefreshNextSeat();
            }
            Lord().RollDice();
            SettleRoll(
                Lord(), [] {}, [] {});
            Lord().StartRound();
            for (i16 seat = 0; seat < 3; ++seat)
                ASSERT_NEAR(moved(seat), base[seat], 0.005) << "seat " << seat << " roll " << roll;
        }
    }
    // Money went both ways and odds came back on come-outs, for every gambler.
    for (i16 seat = 0; seat < 3; ++seat) {
        EXPECT_GT(Current(seat).BetsWon, 100);
        EXPECT_GT(Current(seat).BetsLost, 100);
    }
}

} // namespace
