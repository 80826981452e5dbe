// The sessions in view: the ring of twenty shifting, the graph series, and damaged records.
#include "StatCalcFixture.h"

#include <cmath>
#include <limits>
#include <random>

using CalcSessions = StatCalcFixture;

TEST_F(CalcSessions, TwentyOneSessionsDropTheOldestAndShiftLeft) {
    for (int i = 1; i <= 21; ++i)
        Play(60, 100.0 * i, 100.0 * i + 1.0);
    Fill();
    EXPECT_EQ(Calc.GetLastIndex(), 19);
    EXPECT_EQ(Cell(9, 1), "$200");
    EXPECT_EQ(Cell(9, 20), "$2100");
    EXPECT_EQ(Cell(9, 21), "");
    EXPECT_EQ(Total(9), "$200");
    EXPECT_EQ(Total(10), "$2101");
    EXPECT_EQ(Total(11), "$20");
}

TEST_F(CalcSessions, GraphSeriesFollowTheOldestSessionsUpToTheCapacity) {
    for (int i = 1; i <= 12; ++i) {
        TCCSession& s = Play(60, 100.0, 100.0 + i, 10.0 * i);
        s.BetsWon = static_cast<u16>(i);
        s.BetsLost = 1;
        s.PeakBankroll = TMoney(150.0 + i);
        s.LowBankroll = TMoney(50.0 - i);
        s.SevenOuts = static_cast<u16>(60'000 + i);
    }
    Calc.Calculate();
    struct {
        int Id;
        float First, Fifth;
    } cases[] = {
        {6, 2.0f, 6.0f},  {7, 10.0f, 50.0f},    {8, 5.0f, 50.0f / 6.0f}, {11, 1.0f, 5.0f},
        {14, 1.0f, 5.0f}, {15, 151.0f, 155.0f}, {16, 49.0f, 45.0f},      {25, 60'001.0f, 60'005.0f},
    };
    for (const auto& c : cases) {
        float values[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
        ASSERT_TRUE(Calc.GetGraphData(c.Id, values, 5)) << c.Id;
        EXPECT_FLOAT_EQ(values[0], c.First) << c.Id;
        EXPECT_FLOAT_EQ(values[4], c.Fifth) << c.Id;
        EXPECT_EQ(values[5], -1.0f) << c.Id;
    }
    for (const int refused : {0, 1, 2, 9, 12, 13, 19, 29, 55, 138, 500, -3}) {
        float value = -1.0f;
        EXPECT_FALSE(Calc.GetGraphData(refused, &value, 1)) << refused;
        EXPECT_EQ(value, -1.0f) << refused;
    }
    EXPECT_TRUE(Calc.GetGraphData(7, nullptr, 0));
    EXPECT_TRUE(Calc.GetGraphData(7, nullptr, -4));
    float all[20] = {};
    ASSERT_TRUE(Calc.GetGraphData(7, all, 20));
    EXPECT_EQ(all[11], 120.0f);
    EXPECT_EQ(all[12], 0.0f);
}

TEST_F(CalcSessions, AnOpenSessionGraphsNoResultYet) {
    Play(60, 100.0, 130.0);
    Open(130.0, 25.0);
    Calc.Calculate();
    float values[2] = {};
    ASSERT_TRUE(Calc.GetGraphData(11, values, 2));
    EXPECT_EQ(values[0], 30.0f);
    EXPECT_EQ(values[1], 0.0f);
}

TEST_F(CalcSessions, NonNumbersAndHugeAmountsShowAsTextNeverAsACrash) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TCCSession& s = Play(60, nan, inf, -inf);
    s.PeakBankroll = TMoney(inf);
    s.LowBankroll = TMoney(nan);
    s.RightTotalBet = TMoney(1e300);
    s.RightShoots = 1;
    s.RightMostLost = TMoney(-inf);
    s.BetByRow[0] = TMoney(nan);
    s.NetByRow[0] = TMoney(1e30);
    s.BetByRow[1] = TMoney(-1e300);
    s.NetByRow[1] = TMoney(1e300);
    s.BetsWon = 65'535;
    s.BetsLost = 65'535;
    Fill();
    const std::pair<int, const char*> shown[] = {
        {7, "$0"},  {8, "$0"},  {9, "$0"},  {10, "$0"}, {11, "$0"}, {12, "0.00"},
        {13, "$0"}, {15, "$0"}, {16, "$0"}, {40, "$0"}, {56, "$0"}, {110, "0.00"},
    };
    for (const auto& [id, text] : shown) {
        EXPECT_EQ(Cell(id, 1), text) << id;
        EXPECT_EQ(Total(id), text) << id;
    }
    EXPECT_EQ(Cell(6, 1), "131070");
    float values[1] = {};
    for (const int id : {7, 8, 11, 15, 16}) {
        ASSERT_TRUE(Calc.GetGraphData(id, values, 1));
        EXPECT_TRUE(std::isfinite(values[0])) << id;
    }
}

TEST_F(CalcSessions, AnyBytesDecodedIntoARecordGiveTextsAndFiniteSeries) {
    std::mt19937 random(26);
    std::vector<u8> bytes(TCasinoPlayerData::EncodedSize);
    int roundsWithSessions = 0;
    for (int round = 0; round < 40; ++round) {
        for (u8& b : bytes)
            b = static_cast<u8>(random());
        // Half the rounds keep the ring in order so that the walk reaches the sessions.
        if (round % 2 == 0) {
            for (size_t slot = 0; slot < 20; ++slot)
                bytes[TCasinoPlayerData::HistoryAt + TCasinoCData::SessionsAt + slot * 656] = 1;
            bytes[TCasinoPlayerData::HistoryAt] = static_cast<u8>(round % 20);
            bytes[TCasinoPlayerData::HistoryAt + 1] = 0;
        }
        ASSERT_TRUE(Record.Decode(bytes.data(), bytes.size()));
        Fill();
        EXPECT_LE(Calc.GetLastIndex(), 19);
        roundsWithSessions += Calc.GetLastIndex() >= 0 ? 1 : 0;
        EXPECT_FALSE(Total(1).empty());
        float values[20];
        for (const int id : {6, 7, 8, 11, 14, 15, 16, 20, 28}) {
            ASSERT_TRUE(Calc.GetGraphData(id, values, 20));
            for (int p = 0; p <= Calc.GetLastIndex(); ++p)
                EXPECT_TRUE(std::isfinite(values[p])) << id;
        }
    }
    EXPECT_GE(roundsWithSessions, 20);
}
