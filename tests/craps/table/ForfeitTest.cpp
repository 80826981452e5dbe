// A gambler who gets up, or a table that is closed, while a bet stands that may not be taken
// down: the house keeps the stake, his statistics count it as a bet lost so that they agree
// with his bankroll, and the player is asked first.
#include "MoneyLog.h"
#include "RoundDriver.h"

#include "casino/CasinoPlayerData.h"
#include "casino/GamblerDialog.h"
#include "craps/table/MoneyLedger.h"
#include "platform/framework/ResourceRegistry.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

// Named: the unity build puts this file beside others with helpers of the same names.
namespace forfeit_test {

using table_spot::DontPass;
using table_spot::FirstComeNumber;
using table_spot::FirstDontComeNumber;
using table_spot::PassLine;

// What the lord gave back and what the house kept, by spot.
class TTakings : public TMoneyLedger {
public:
    void Lost(i16, i16, TMoney) override {}
    void Forfeited(i16 spot, i16, TMoney amount) override { Kept[spot] += amount; }
    void Paid(i16, i16, TMoney, TMoney) override {}
    void OddsReturned(i16, i16, TMoney) override {}
    void Travelled(i16, i16, TMoney) override {}
    void Placed(i16, i16, TMoney, TMoney) override {}
    void TookDown(i16 spot, i16, TMoney amount) override { Given[spot] += amount; }

    std::map<i16, TMoney> Kept;
    std::map<i16, TMoney> Given;
};

class ForfeitTable : public CrapsTable {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        TResourceRegistry::Get().Clear();
        RegisterResources();
        MakeCrapsTable(1000.0, 1000.0, 1000.0);
        Lord().StartSession();
        Lord().SetMoneyLedger(&Takings);
    }
    void TearDown() override {
        if (CrapsWindow != nullptr && CrapsWindow->GetMainGameObject() != nullptr)
            Lord().SetMoneyLedger(nullptr);
        TResourceRegistry::Get().Clear();
        CrapsTable::TearDown();
    }
    // The stake, then the odds once the point (a sum) is on, paid from the seat's bankroll as
    // the hand would pay them.
    void Put(i16 seat, i16 spot, double stake, double odds = 0, i16 point = 6) {
        ASSERT_EQ(Spot(spot).AddToAmount(seat, TMoney(stake), 1, -1, 0), TMoney());
        Lord().SubtractFromBankroll(seat, TMoney(stake));
        PointOn(point);
        if (odds == 0)
            return;
        ASSERT_EQ(Spot(spot).AddChips(seat, TMoney(odds), 0, static_cast<i16>(point - 2)),
                  TMoney());
        Lord().SubtractFromBankroll(seat, TMoney(odds));
    }
    void PointOn(i16 point) {
        Lord().ComeOutFlag = 0;
        Lord().Point = static_cast<i16>(point - 2);
    }
    TCCSession Session(i16 seat) {
        TCasinoPlayerData data;
        EXPECT_TRUE(data.Decode(Lord().GetSeatPlayerData(seat), TCasinoPlayerData::EncodedSize));
        const TCCSession* session = data.GetHistory().GetCurrentSession();
        return session != nullptr ? *session : TCCSession();
    }

    TTakings Takings;
};

// A contract bet with its odds, and how the gambler goes: the table closed, or he alone gets
// up.
struct TForfeitCase {
    const char* Name;
    i16 Spot;
    double Stake, Odds;
    size_t Row, OddsRow;
    bool Right;
    bool TableClosed;
};

void PrintTo(const TForfeitCase& c, std::ostream* out) {
    *out << c.Name;
}

class ForfeitStatistics : public ForfeitTable,
                          public ::testing::WithParamInterface<TForfeitCase> {};

TEST_P(ForfeitStatistics, TheStakeKeptCountsAsABetLostAndTheOddsComeBack) {
    const TForfeitCase& c = GetParam();
    Put(0, c.Spot, c.Stake, c.Odds);
    const TCCSession before = Session(0);
    if (c.TableClosed)
        Lord().Update();
    else
        Lord().UpdateSeat(0);

    EXPECT_EQ(Takings.Kept[c.Spot], TMoney(c.Stake));
    EXPECT_EQ(Takings.Given[c.Spot], TMoney(c.Odds));
    const TMoney bankroll = Lord().GetBankroll(0);
    EXPECT_EQ(bankroll, TMoney(1000 - c.Stake));
    const TCCSession s = Session(0);
    ASSERT_FALSE(s.IsOpen());
    // Every figure of the session tells the same loss as the bankroll.
    EXPECT_EQ(s.EndBankroll - s.StartBankroll, TMoney(-c.Stake));
    EXPECT_EQ(s.TotalWon - s.TotalLost, s.EndBankroll - s.StartBankroll);
    EXPECT_EQ(s.BetsLost, 1);
    EXPECT_EQ(s.BetsDecided, 1);
    EXPECT_EQ(s.BetsWon, 0);
    EXPECT_EQ(s.TotalBet, TMoney(c.Stake));
    EXPECT_EQ(s.TotalLost, TMoney(c.Stake));
    EXPECT_EQ(s.BetByRow[c.Row], TMoney(c.Stake));
    EXPECT_EQ(s.NetByRow[c.Row], TMoney(-c.Stake));
    EXPECT_EQ(s.BetByRow[c.OddsRow], TMoney());
    EXPECT_EQ(s.NetByRow[c.OddsRow], TMoney());
    EXPECT_EQ(s.HighPercentageBets, 1);
    EXPECT_EQ(s.LowPercentageBets, 0);
    EXPECT_EQ(c.Right ? s.RightTotalBet : s.WrongTotalBet, TMoney(c.Stake));
    EXPECT_EQ(c.Right ? s.RightNet : s.WrongNet, TMoney(-c.Stake));
    EXPECT_EQ(c.Right ? s.WrongTotalBet : s.RightTotalBet, TMoney());
    // No roll decided it: the shoot's figures are as they were.
    EXPECT_EQ(s.RightThisShoot, before.RightThisShoot);
    EXPECT_EQ(s.WrongThisShoot, before.WrongThisShoot);
    EXPECT_EQ(s.RightShootNet, before.RightShootNet);
    EXPECT_EQ(s.WrongShootNet, before.WrongShootNet);
    EXPECT_EQ(s.TotalShoots, before.TotalShoots);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ForfeitStatistics,
    ::testing::Values(TForfeitCase{"PassLine", PassLine, 100, 20, 0, 1, true, true},
                      TForfeitCase{"DontPass", DontPass, 50, 30, 2, 3, false, true},
                      TForfeitCase{"Come6", FirstComeNumber + 2, 25, 10, 4, 5, true, true},
                      TForfeitCase{"DontCome8", FirstDontComeNumber + 3, 15, 12, 6, 7, false, true},
                      TForfeitCase{"PassLineGotUp", PassLine, 100, 20, 0, 1, true, false},
                      TForfeitCase{"Come6GotUp", FirstComeNumber + 2, 25, 10, 4, 5, true, false}),
    [](const auto& test) { return std::string(test.param.Name); });

// What may be taken down comes back and counts nowhere: the line before a point, a field bet.
TEST_F(ForfeitTable, BetsThatComeDownCountNowhere) {
    Put(0, PassLine, 100);
    Lord().ComeOutFlag = 1;
    Lord().Point = -1;
    Put(1, table_spot::Field, 40);
    Lord().ComeOutFlag = 1;
    Lord().Update();
    EXPECT_EQ(Lord().GetBankroll(0), TMoney(1000));
    EXPECT_EQ(Lord().GetBankroll(1), TMoney(1000));
    for (i16 seat : {0, 1}) {
        EXPECT_EQ(Session(seat).BetsDecided, 0) << seat;
        EXPECT_EQ(Session(seat).TotalBet, TMoney()) << seat;
    }
    EXPECT_TRUE(Takings.Kept.empty());
}

// The box's list and the forfeit agree on every spot, with a point on and before one: what the
// lord says a gambler would leave is what his take-down leaves.
TEST_F(ForfeitTable, WhatTheBoxNamesIsWhatTheTakeDownLeaves) {
    for (const u8 comeOut : {u8{1}, u8{0}}) {
        for (i16 spot = 0; spot < table_spot::Count; ++spot) {
            Lord().ComeOutFlag = comeOut;
            Lord().Point = comeOut != 0 ? i16{-1} : i16{4};
            Spot(spot).AddToAmount(0, TMoney(10), comeOut, Lord().Point, 0);
            const TMoney named = Lord().StakeLeftBehind(spot, 0);
            Spot(spot).TakeDown(0, comeOut);
            EXPECT_EQ(named, Spot(spot).GetAmount(0) + Spot(spot).GetOddsAmount(0))
                << SpotName(spot) << (comeOut != 0 ? " on the come-out" : " with a point on");
            Spot(spot).ForfeitSeat(0);
        }
    }
}

class LeaveBox : public ForfeitTable {
protected:
    // Joe's line bet and Ann's don't pass and come 6 stand; Bob's field bet may come down.
    void SetUp() override {
        ForfeitTable::SetUp();
        Put(0, PassLine, 100, 20);
        Put(1, DontPass, 10);
        Put(1, FirstComeNumber + 2, 25.5);
        Put(2, table_spot::Field, 40);
    }
};

TEST_F(LeaveBox, NamesEachGamblersStandingBetsAndNoChangesNothing) {
    Boxes.QueueAnswer(IDNO);
    EXPECT_FALSE(CrapsWindow->CanClose());
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Bets Left on the Table");
    EXPECT_EQ(Boxes.Boxes[0].Text,
              "These bets may not be taken down until the dice decide them. Leave now and the "
              "house keeps them:\n\n"
              "Joe Gambler: $100 on the Pass Line\n"
              "Ann: $10 on the Don't Pass, $25.50 on the Come 6\n\n"
              "Leave the table anyway?");
    EXPECT_EQ(Boxes.Boxes[0].Flags, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_KEEPONCLOSE);
    // Nothing moved and nobody's session ended.
    EXPECT_EQ(Spot(PassLine).GetAmount(0), TMoney(100));
    EXPECT_EQ(Spot(PassLine).GetOddsAmount(0), TMoney(20));
    EXPECT_EQ(Lord().GetBankroll(0), TMoney(880));
    for (i16 seat = 0; seat < 3; ++seat)
        EXPECT_TRUE(Session(seat).IsOpen()) << seat;
}

TEST_F(LeaveBox, YesLetsTheTableCloseAndNothingLeftAsksNothing) {
    Boxes.QueueAnswer(IDYES);
    EXPECT_TRUE(CrapsWindow->CanClose());
    EXPECT_EQ(Boxes.Boxes.size(), 1U);
    // Unanswered, the box says No.
    EXPECT_FALSE(CrapsWindow->CanClose());
    // With the bets gone, or while a roll is under way (every bet then stays where it is), there
    // is nothing to ask.
    Lord().SessionCloseMode = 1;
    EXPECT_TRUE(CrapsWindow->CanClose());
    Lord().SessionCloseMode = 0;
    for (i16 seat = 0; seat < 3; ++seat)
        Lord().UpdateSeat(seat);
    EXPECT_TRUE(CrapsWindow->CanClose());
    EXPECT_EQ(Boxes.Boxes.size(), 2U);
}

// The gambler list asks before one gambler gets up, about his bets alone, and only when the
// table would let him go (a refusal has a box of its own).
TEST_F(LeaveBox, TheGamblerListAsksAboutTheLeavingGamblersOwnBets) {
    TGamblerDialog list(nullptr, IDD_GAMBLER, *Mgr, 0);
    Boxes.QueueAnswer(IDNO);
    EXPECT_FALSE(list.AgreesToLeave(1));
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_NE(Boxes.Boxes[0].Text.find("\nAnn: $10 on the Don't Pass, $25.50 on the Come 6\n"),
              std::string::npos);
    EXPECT_EQ(Boxes.Boxes[0].Text.find("Joe"), std::string::npos);
    EXPECT_TRUE(list.AgreesToLeave(2));
    Lord().PlayersChangeable = 0;
    EXPECT_TRUE(list.AgreesToLeave(0));
    EXPECT_EQ(Boxes.Boxes.size(), 1U);
}

} // namespace forfeit_test
