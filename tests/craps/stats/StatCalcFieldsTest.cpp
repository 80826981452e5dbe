// Each craps row reads the session field its label names: every field is given a value of its
// own, so a row that reads a neighbour's field shows the neighbour's number. The row-to-field
// table is written out here, not taken from the calculator. The base calculator's bet count is
// reached through a subclass that keeps it.
#include "StatCalcFixture.h"

#include <cstdio>
#include <tuple>

namespace {

using CCSession = TCCSession;

struct TCounterRow {
    int Id;
    u16 CCSession::*Field;
    bool Maximum; // else a sum
};

// Counter rows and the field each names.
const TCounterRow CounterRows[] = {
    {19, &CCSession::TotalShoots, false},
    {20, &CCSession::PassWins, false},
    {21, &CCSession::Naturals, false},
    {22, &CCSession::PointsMade, false},
    {23, &CCSession::DontPassWins, false},
    {24, &CCSession::CrapOuts, false},
    {25, &CCSession::SevenOuts, false},
    {26, &CCSession::LongestShoot, true},
    {27, &CCSession::LongestPassStreak, true},
    {28, &CCSession::LongestDontPassStreak, true},
    {31, &CCSession::RightShoots, false},
    {34, &CCSession::RightShootsWon, false},
    {35, &CCSession::RightShootsLost, false},
    {38, &CCSession::RightLongestWinStreak, true},
    {43, &CCSession::WrongShoots, false},
    {46, &CCSession::WrongShootsWon, false},
    {47, &CCSession::WrongShootsLost, false},
    {50, &CCSession::WrongLongestWinStreak, true},
    {136, &CCSession::HighPercentageBets, false},
    {137, &CCSession::LowPercentageBets, false},
};

enum class TKeep { Sum, Maximum, Minimum };

struct TMoneyRow {
    int Id;
    TMoney CCSession::*Field;
    TKeep Keep;
};

const TMoneyRow MoneyRows[] = {
    {32, &CCSession::RightTotalBet, TKeep::Sum},    {36, &CCSession::RightNet, TKeep::Sum},
    {39, &CCSession::RightMostWon, TKeep::Maximum}, {40, &CCSession::RightMostLost, TKeep::Minimum},
    {44, &CCSession::WrongTotalBet, TKeep::Sum},    {48, &CCSession::WrongNet, TKeep::Sum},
    {51, &CCSession::WrongMostWon, TKeep::Maximum}, {52, &CCSession::WrongMostLost, TKeep::Minimum},
    {82, &CCSession::TotalWon, TKeep::Sum},         {83, &CCSession::TotalLost, TKeep::Sum},
};

// A value of the row's own in each session: no two fields share one.
u16 CountFor(int id, int session) {
    return static_cast<u16>(id * 3 + session * 500 + 1);
}
// Whole dollars of the row's own, plus cents that the rows drop; the "most lost" rows hold
// losses.
double MoneyFor(int id, int session, bool loss) {
    const double dollars = 1000.0 * (session + 1) + id;
    return (loss ? -dollars : dollars) + (loss ? -0.20 : 0.20);
}

std::string Dollars(i64 value) {
    return value < 0 ? "-$" + std::to_string(-value) : "$" + std::to_string(value);
}

class StatCalcFields : public StatCalcFixture {
protected:
    // Two closed sessions with every field set.
    void PlayTwo() {
        for (int session = 0; session < 2; ++session) {
            TCCSession& s = Play(3600, 500.0, 500.0);
            for (const TCounterRow& row : CounterRows)
                s.*row.Field = CountFor(row.Id, session);
            for (const TMoneyRow& row : MoneyRows)
                s.*row.Field = TMoney(MoneyFor(row.Id, session, row.Keep == TKeep::Minimum));
            for (size_t k = 0; k < s.BetByRow.size(); ++k) {
                s.BetByRow[k] = TMoney(MoneyFor(56 + static_cast<int>(k), session, false));
                s.NetByRow[k] = TMoney(-MoneyFor(84 + static_cast<int>(k), session, false));
            }
        }
    }
};

TEST_F(StatCalcFields, EveryCounterRowShowsItsOwnField) {
    PlayTwo();
    Fill();
    for (const TCounterRow& row : CounterRows) {
        SCOPED_TRACE(row.Id);
        const i32 first = CountFor(row.Id, 0);
        const i32 second = CountFor(row.Id, 1);
        EXPECT_EQ(Cell(row.Id, 1), std::to_string(first));
        EXPECT_EQ(Cell(row.Id, 2), std::to_string(second));
        EXPECT_EQ(Total(row.Id), std::to_string(row.Maximum ? second : first + second));
    }
}

TEST_F(StatCalcFields, EveryMoneyRowShowsItsOwnFieldInWholeDollars) {
    PlayTwo();
    Fill();
    for (const TMoneyRow& row : MoneyRows) {
        SCOPED_TRACE(row.Id);
        const bool loss = row.Keep == TKeep::Minimum;
        const i64 first = static_cast<i64>(MoneyFor(row.Id, 0, loss));
        const i64 second = static_cast<i64>(MoneyFor(row.Id, 1, loss));
        EXPECT_EQ(Cell(row.Id, 1), Dollars(first));
        EXPECT_EQ(Cell(row.Id, 2), Dollars(second));
        const i64 kept = row.Keep == TKeep::Sum ? first + second : second;
        EXPECT_EQ(Total(row.Id), Dollars(kept));
    }
    for (int k = 0; k < 24; ++k) {
        SCOPED_TRACE(k);
        const i64 bet = static_cast<i64>(MoneyFor(56 + k, 0, false)) +
                        static_cast<i64>(MoneyFor(56 + k, 1, false));
        const i64 net = static_cast<i64>(-MoneyFor(84 + k, 0, false)) +
                        static_cast<i64>(-MoneyFor(84 + k, 1, false));
        EXPECT_EQ(Total(56 + k), Dollars(bet));
        EXPECT_EQ(Total(84 + k), Dollars(net));
    }
}

TEST_F(StatCalcFields, RightAndWrongAveragesReadTheirOwnSides) {
    PlayTwo();
    Fill();
    // Row 37 is the right side's net per right shoot; 49 the wrong side's per wrong shoot.
    for (const auto& [id, net, shoots] : {std::tuple{37, 36, 31}, std::tuple{49, 48, 43},
                                          std::tuple{33, 32, 31}, std::tuple{45, 44, 43}}) {
        SCOPED_TRACE(id);
        const double dollars = static_cast<double>(static_cast<i64>(MoneyFor(net, 0, false)));
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", static_cast<float>(dollars / CountFor(shoots, 0)));
        EXPECT_EQ(Cell(id, 1), text);
    }
}

// The base calculator with a way into the sessions and nothing else of the craps rows.
class TBaseCalc : public TCasinoStatCalc {
public:
    using TCasinoStatCalc::TCasinoStatCalc;
    const std::string& RowText(int id, int position) const {
        return Row(id).Sessions[static_cast<size_t>(position)];
    }
    const std::string& RowTotal(int id) const { return Row(id).Cumulative; }

protected:
    void GetSessionPtrs() override {
        LastIndex = -1;
        if (Record == nullptr)
            return;
        TCasinoCData& history = Record->GetHistory();
        for (i16 slot = history.FirstSession(); slot != -1 && LastIndex + 1 < MaxSessions;
             slot = history.NextSession())
            Sessions[static_cast<size_t>(++LastIndex)] = history.GetSession(slot);
    }
};

TEST_F(StatCalcFields, TheBaseCalculatorCountsTheBetsDecided) {
    for (const u16 decided : {7, 12}) {
        TCCSession& s = Play(60, 100.0, 100.0);
        s.BetsDecided = decided;
        s.BetsWon = 100;
        s.BetsLost = 200;
    }
    TBaseCalc base(&Owner);
    base.Calculate();
    base.Format();
    EXPECT_EQ(base.RowText(6, 0), "7");
    EXPECT_EQ(base.RowText(6, 1), "12");
    EXPECT_EQ(base.RowTotal(6), "19");
    // The craps calculator counts won and lost bets instead.
    Fill();
    EXPECT_EQ(Total(6), "600");
}

} // namespace
