// The craps rows: sums, longest and most, averages per shoot, returns by bet kind, accuracy,
// unsigned counters, the grid copy's rows, and the row labels.
#include "StatCalcFixture.h"

#include "platform/framework/ResourceRegistry.h"
#include "resources/Resources.h"

using CrapsRows = StatCalcFixture;

TEST_F(CrapsRows, MostWonAndLostKeepTheExtremesAndLongestIsNotASum) {
    struct {
        double MostLost[2], MostWon[2];
        u16 Longest[2];
        const char *Lost, *Won, *LongestText;
    } cases[] = {
        {{-40.0, -15.0}, {10.0, 25.5}, {5, 3}, "-$40", "$25", "5"},
        {{0.0, 0.0}, {0.0, 0.0}, {3, 4}, "$0", "$0", "4"},
        {{-15.99, -40.01}, {-5.0, -1.0}, {0, 0}, "-$40", "$0", "0"},
    };
    for (const auto& c : cases) {
        History().Clear();
        for (int i = 0; i < 2; ++i) {
            TCCSession& s = Play(60, 100.0, 100.0);
            s.RightMostLost = TMoney(c.MostLost[i]);
            s.RightMostWon = TMoney(c.MostWon[i]);
            s.WrongMostLost = TMoney(c.MostLost[i]);
            s.WrongMostWon = TMoney(c.MostWon[i]);
            s.LongestShoot = c.Longest[i];
            s.TotalShoots = c.Longest[i];
        }
        Fill();
        EXPECT_EQ(Total(40), c.Lost);
        EXPECT_EQ(Total(52), c.Lost);
        EXPECT_EQ(Total(39), c.Won);
        EXPECT_EQ(Total(51), c.Won);
        EXPECT_EQ(Total(26), c.LongestText);
        EXPECT_EQ(Total(19), std::to_string(c.Longest[0] + c.Longest[1]));
    }
}

TEST_F(CrapsRows, AveragesPerShootDivideWholeDollarsByShoots) {
    struct {
        double Bet, Net;
        u16 Shoots;
        const char *Average, *AverageNet;
    } cases[] = {
        {12.90, -7.50, 3, "4.00", "-2.33"},
        {100.0, 50.0, 0, "0.00", "0.00"},
        {0.0, 0.0, 4, "0.00", "0.00"},
    };
    for (const auto& c : cases) {
        History().Clear();
        TCCSession& s = Play(60, 100.0, 100.0);
        s.RightTotalBet = s.WrongTotalBet = TMoney(c.Bet);
        s.RightNet = s.WrongNet = TMoney(c.Net);
        s.RightShoots = s.WrongShoots = c.Shoots;
        Fill();
        for (const int id : {33, 45}) {
            EXPECT_EQ(Cell(id, 1), c.Average) << id << " " << c.Bet;
            EXPECT_EQ(Total(id), c.Average) << id << " " << c.Bet;
            EXPECT_EQ(Cell(id + 4, 1), c.AverageNet) << id << " " << c.Bet;
            EXPECT_EQ(Total(id + 4), c.AverageNet) << id << " " << c.Bet;
        }
    }
}

TEST_F(CrapsRows, ReturnOfEachBetKindComesFromItsOwnBetAndNet) {
    struct {
        size_t Kind;
        double Bet, Net;
        const char* Return;
    } cases[] = {
        {0, 25.0, 35.0, "240.00"},
        {13, 25.0, -25.0, "0.00"},
        {23, 0.0, 0.0, "0.00"},
        {8, 99.60, -4.80, "95.96"},
    };
    for (const auto& c : cases) {
        History().Clear();
        TCCSession& s = Play(60, 100.0, 100.0);
        s.BetByRow[c.Kind] = TMoney(c.Bet);
        s.NetByRow[c.Kind] = TMoney(c.Net);
        Fill();
        const int k = static_cast<int>(c.Kind);
        EXPECT_EQ(Cell(110 + k, 1), c.Return) << k;
        EXPECT_EQ(Total(110 + k), c.Return) << k;
        EXPECT_EQ(Cell(56 + k, 1), TCasinoStatCalc::FormatMoney(c.Bet)) << k;
        EXPECT_EQ(Cell(84 + k, 1), TCasinoStatCalc::FormatMoney(c.Net)) << k;
        // Every other kind had nothing bet.
        EXPECT_EQ(Total(110 + (k + 1) % 24), "0.00");
    }
}

TEST_F(CrapsRows, CumulativeReturnSumsTheSessionsBeforeTakingWholeDollars) {
    for (const double net : {17.60, 17.60}) {
        TCCSession& s = Play(60, 100.0, 100.0);
        s.BetByRow[4] = TMoney(12.70);
        s.NetByRow[4] = TMoney(net);
    }
    Fill();
    EXPECT_EQ(Cell(110 + 4, 1), "241.67"); // (17 + 12) / 12
    EXPECT_EQ(Total(56 + 4), "$25");
    EXPECT_EQ(Total(84 + 4), "$35");
    EXPECT_EQ(Total(110 + 4), "240.00");
}

TEST_F(CrapsRows, CountersAreUnsignedAndAccuracyUsesWonPlusLost) {
    TCCSession& a = Play(60, 100.0, 100.0);
    a.PassWins = 40'000;
    a.HighPercentageBets = 3;
    a.LowPercentageBets = 1;
    a.BetsWon = 2;
    a.BetsLost = 2;
    a.BetsDecided = 100;
    TCCSession& b = Play(60, 100.0, 100.0);
    b.PassWins = 65'535;
    b.HighPercentageBets = 1;
    b.BetsWon = 4;
    Fill();
    EXPECT_EQ(Cell(20, 1), "40000");
    EXPECT_EQ(Cell(20, 2), "65535");
    EXPECT_EQ(Total(20), "105535");
    EXPECT_EQ(Cell(138, 1), "75.00");
    EXPECT_EQ(Cell(138, 2), "25.00");
    EXPECT_EQ(Total(138), "50.00");
    EXPECT_EQ(Total(136), "4");
    EXPECT_EQ(Total(137), "1");
    EXPECT_EQ(Total(6), "8");
}

TEST_F(CrapsRows, TheGridCopyFillsExactlyTheDataRowsOfEachSession) {
    TCCSession& s = Play(60, 100.0, 100.0);
    s.BetByRow.fill(TMoney(1.0));
    s.NetByRow.fill(TMoney(1.0));
    Owner.Grid.Clear();
    Owner.Grid.Cells[4][1] = "kept";
    Owner.Grid.Cells[7][2] = "kept";
    Calc.FillDialog();
    int rows = 0;
    for (int id = 0; id < TStatGrid::Rows; ++id) {
        const bool data = TStatCalcCraps::IsDataRow(id);
        rows += data ? 1 : 0;
        if (id == 4) {
            EXPECT_EQ(Cell(id, 1), "kept");
            continue;
        }
        EXPECT_EQ(!Cell(id, 1).empty(), data) << id;
        EXPECT_EQ(!Total(id).empty(), data && id != 3) << id;
        EXPECT_EQ(Cell(id, 0), "") << id;
    }
    EXPECT_EQ(rows, 122);
    EXPECT_EQ(Cell(7, 2), "kept");
}

TEST_F(CrapsRows, EveryLabeledRowHasItsStringAndSeparatorsHaveNone) {
    RegisterResources();
    const auto& strings = TResourceRegistry::Get();
    for (int id = 1; id <= 138; ++id) {
        const bool separator = id == 4 || id == 17 || id == 29 || id == 41 || id == 53 ||
                               id == 80 || id == 108 || id == 134;
        EXPECT_EQ(strings.FindString(IDS_STAT_LABEL + static_cast<u32>(id)).has_value(), !separator)
            << id;
        if (TStatCalcCraps::IsDataRow(id)) {
            EXPECT_FALSE(separator) << id;
        }
    }
    const std::pair<int, const char*> labels[] = {
        {1, "Date"},
        {21, "   # naturals"},
        {56, "Pass Bets $"},
        {84, "Pass Bets $"},
        {110, "Pass Bets"},
        {133, "Proposition Bets"},
        {107, "Proposition Bets $"},
        {138, "   % Play Accuracy"},
        {55, "Total $ Bets"},
    };
    for (const auto& [id, text] : labels)
        EXPECT_EQ(strings.FindString(IDS_STAT_LABEL + static_cast<u32>(id)).value_or(""), text);
}
