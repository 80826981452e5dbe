// The rows every casino game shares, from sessions played on a fake clock: hours, open
// sessions, returns, dates, levels, and a gambler with no session.
#include "StatCalcFixture.h"

#include "platform/host/MessageBox.h"

#include <vector>

using GameRows = StatCalcFixture;

TEST_F(GameRows, ShortSessionsShowAMinuteWhileTheTotalAddsTheirTrueSeconds) {
    struct {
        std::vector<u32> Seconds;
        std::vector<const char*> Cells;
        const char* Total;
    } cases[] = {
        {{30}, {"00:01"}, "00:00"},
        {{30, 29}, {"00:01", "00:01"}, "00:00"},
        {{30, 30}, {"00:01", "00:01"}, "00:01"},
        {{90'120, 59}, {"25:02", "00:01"}, "25:02"},
    };
    for (const auto& c : cases) {
        History().Clear();
        for (const u32 s : c.Seconds)
            Play(s, 100.0, 100.0);
        Fill();
        for (size_t i = 0; i < c.Cells.size(); ++i)
            EXPECT_EQ(Cell(2, static_cast<int>(i) + 1), c.Cells[i]) << c.Total << " " << i;
        EXPECT_EQ(Total(2), c.Total);
    }
}

TEST_F(GameRows, AnEndBeforeItsStartCountsNoTime) {
    TCCSession& backwards = Play(600, 100.0, 40.0);
    backwards.EndTime = backwards.StartTime - 3600U;
    Play(120, 40.0, 40.0);
    Fill();
    // Raised to the minute like any short stay; the total has only the second session.
    EXPECT_EQ(Cell(2, 1), "00:01");
    EXPECT_EQ(Total(2), "00:02");
    // A loss over one minute is a loss of 60 an hour, not a rate over a wrapped count.
    EXPECT_EQ(Cell(13, 1), "-$3600");
}

TEST_F(GameRows, AnOpenSessionShowsInPlayForItsResultsButItsTimeAndBets) {
    TCCSession& closed = Play(3600, 200.0, 180.0, 50.0);
    closed.BetsWon = 3;
    closed.BetsLost = 7;
    TCCSession& open = Open(180.0, 30.0);
    open.BetsWon = 2;
    open.BetsLost = 1;
    open.PeakBankroll = TMoney(210.0);
    open.LowBankroll = TMoney(150.5);
    Clock.Advance(1800 * 1000);
    Fill();

    for (const int id : {1, 10, 11, 12, 13})
        EXPECT_EQ(Cell(id, 2), "in play") << id;
    const std::pair<int, const char*> shown[] = {
        {2, "00:30"}, {3, "Craps"}, {6, "3"},     {7, "$30"},
        {8, "$10"},   {9, "$180"},  {15, "$210"}, {16, "$150"},
    };
    for (const auto& [id, text] : shown)
        EXPECT_EQ(Cell(id, 2), text) << id;

    // The open session's bets count, its result does not: -20 over 80 bet.
    EXPECT_EQ(Total(7), "$80");
    EXPECT_EQ(Total(11), "-$20");
    EXPECT_EQ(Total(12), "75.00");
    EXPECT_EQ(Total(2), "01:00");
    EXPECT_EQ(Total(13), "-$20");
    EXPECT_EQ(Total(10), "in play");
    EXPECT_EQ(Cell(10, 1), "$180");
    EXPECT_EQ(Total(14), Total(11));
}

TEST_F(GameRows, EndingBankrollIsInPlayWhenAnOlderSessionIsStillOpen) {
    TCCSession& older = Play(600, 100.0, 120.0);
    Play(600, 120.0, 130.0);
    older.Open = 1;
    Fill();
    EXPECT_EQ(Cell(10, 1), "in play");
    EXPECT_EQ(Cell(10, 2), "$130");
    EXPECT_EQ(Total(10), "in play");
    EXPECT_EQ(Total(11), "$10");
}

TEST_F(GameRows, ReturnsAndAveragesUseWholeDollars) {
    struct {
        double Start, End, Bet;
        u16 Won, Lost;
        const char *WonLost, *Return, *Average;
    } cases[] = {
        {100.0, 95.20, 99.60, 10, 5, "-$4", "95.96", "$6"},
        {100.0, 95.0, 100.0, 1, 0, "-$5", "95.00", "$100"},
        {100.0, 110.0, 100.0, 0, 2, "$10", "110.00", "$50"},
        {100.0, 100.0, 0.0, 0, 0, "$0", "0.00", "$0"},
        {100.0, 99.60, 0.40, 0, 0, "-$0", "0.00", "$0"},
    };
    for (const auto& c : cases) {
        History().Clear();
        TCCSession& s = Play(3600, c.Start, c.End, c.Bet);
        s.BetsWon = c.Won;
        s.BetsLost = c.Lost;
        s.BetsDecided = 999;
        Fill();
        EXPECT_EQ(Cell(11, 1), c.WonLost) << c.Return;
        EXPECT_EQ(Cell(12, 1), c.Return);
        EXPECT_EQ(Cell(8, 1), c.Average) << c.Return;
        EXPECT_EQ(Cell(6, 1), std::to_string(c.Won + c.Lost));
        EXPECT_EQ(Total(12), c.Return);
        EXPECT_EQ(Cell(14, 1), Cell(11, 1));
        EXPECT_EQ(Cell(55, 1), Cell(7, 1));
        EXPECT_EQ(Total(55), Total(7));
    }
}

TEST_F(GameRows, DatesOfSessionsAroundTheCenturyAndTheLatestStart) {
    struct {
        i64 Wall;
        const char* Text;
    } cases[] = {
        {946'641'600, "12/31/99"},   // 1999-12-31 12:00 UTC
        {946'728'000, "01/01/00"},   // 2000-01-01 12:00 UTC
        {2'082'801'600, "01/01/36"}, // 2036-01-01 12:00 UTC
    };
    for (const auto& c : cases) {
        TFakeClock clock(0, c.Wall);
        TScopedClockSource use(clock);
        History().Clear();
        History().BeginSession(TMoney(10.0), 1, TMoney(5.0));
        History().EndSession(TMoney(10.0));
        Fill();
        EXPECT_EQ(Cell(1, 1), c.Text);
        EXPECT_EQ(Total(1), c.Text);
    }
}

TEST_F(GameRows, PeakNeverBelowZeroAndLowNeverAboveTheOldestStart) {
    TCCSession& first = Play(60, -50.0, -80.0);
    first.PeakBankroll = TMoney(-20.5);
    first.LowBankroll = TMoney(-90.9);
    TCCSession& second = Play(60, 500.0, 400.0);
    second.PeakBankroll = TMoney(-10.0);
    second.LowBankroll = TMoney(300.0);
    Fill();
    EXPECT_EQ(Total(15), "$0");
    EXPECT_EQ(Total(16), "-$90");

    History().Clear();
    TCCSession& rich = Play(60, 1000.75, 1200.0);
    rich.PeakBankroll = TMoney(1500.99);
    rich.LowBankroll = TMoney(1100.0);
    Fill();
    EXPECT_EQ(Total(15), "$1500");
    EXPECT_EQ(Total(16), "$1000");
}

TEST_F(GameRows, NoSessionShowsTodayAndTheCurrentBankroll) {
    Record.SetBankroll(1234.5);
    Fill();
    EXPECT_EQ(Calc.GetLastIndex(), -1);
    const std::pair<int, const char*> totals[] = {
        {1, "12/22/24"}, {2, "00:00"}, {3, ""},       {6, "0"},      {7, "$0"},
        {8, "$0"},       {9, "$1234"}, {10, "$1234"}, {11, "$0"},    {12, "0.00"},
        {13, "$0"},      {14, "$0"},   {15, "$0"},    {16, "$1234"}, {55, "$0"},
    };
    for (const auto& [id, text] : totals)
        EXPECT_EQ(Total(id), text) << id;
    for (int id = 1; id < TStatGrid::Rows; ++id)
        EXPECT_EQ(Cell(id, 1), "") << id;
}

TEST_F(GameRows, ANullRecordKeepsTheGridAndForgetsTheSessions) {
    Play(60, 10.0, 20.0);
    Fill();
    EXPECT_EQ(Calc.GetLastIndex(), 0);
    Owner.Record = nullptr;
    Calc.FillDialog();
    EXPECT_EQ(Calc.GetLastIndex(), -1);
    EXPECT_EQ(Cell(11, 1), "$10");
    float value = 7.0f;
    EXPECT_TRUE(Calc.GetGraphData(11, &value, 1));
    EXPECT_EQ(value, 7.0f);

    TStatCalcCraps ownerless(nullptr);
    ownerless.FillDialog();
    EXPECT_EQ(ownerless.GetLastIndex(), -1);
}

TEST_F(GameRows, TheSharedCalculatorHasNoSessionsToGather) {
    TMessageBoxRecorder boxes;
    Play(60, 10.0, 20.0);
    TCasinoStatCalc base(&Owner);
    base.FillDialog();
    ASSERT_EQ(boxes.Boxes.size(), 2U); // Refresh runs twice in a fill
    EXPECT_EQ(boxes.Boxes[0].Text, "base GetSessionPtrs() called.\nAbout to blow up.");
    EXPECT_EQ(boxes.Boxes[0].Caption, "Error");
    EXPECT_EQ(base.GetLastIndex(), -1);
    float value = 0.0f;
    EXPECT_FALSE(base.GetGraphData(7, &value, 1));
    EXPECT_EQ(Cell(11, 1), "");
}
