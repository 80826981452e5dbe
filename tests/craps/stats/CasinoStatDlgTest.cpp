// The statistics dialog on a headless screen: paging with beeps at the ends, session columns
// from the newest four up to 22, the 10-character cut, the gambler list and switch, nobody to
// show, and goldens.
#include "StatDlgFixture.h"

#include "support/Golden.h"

#include <string>
#include <vector>

namespace {

constexpr int PageUp = 110;
constexpr int PageDown = 111;
constexpr int Left = 112;
constexpr int Right = 113;

using StatDlgTest = StatDlgFixture;

TEST_F(StatDlgTest, PagingWalksTheSectionsAndBeepsAtEitherEnd) {
    const struct {
        int Button;
        int Top;
        const char* Title;
        const char* FirstLabel;
        int Beeps;
    } steps[] = {
        {PageUp, 1, "", "Date", 1},
        {PageDown, 5, "", "WIN/LOSS STATS", 0},
        {PageDown, 18, "", "SHOOT STATS", 0},
        {PageDown, 30, "", "RIGHT BETTOR STATS", 0},
        {PageDown, 42, "", "WRONG BETTOR STATS", 0},
        {PageDown, 54, "", "TOTAL $ BET", 0},
        {PageDown, 70, "TOTAL $ BET (cont'd)", "Place 8 Bets $", 0},
        {PageDown, 81, "", "TOTAL $ WON/LOST", 0},
        {PageDown, 97, "TOTAL $ WON/LOST (cont'd)", "Place 6 Bets $", 0},
        {PageDown, 109, "", "% RETURN", 0},
        {PageDown, 125, "% RETURN (cont'd)", "Place 9 Bets", 0},
        {PageDown, 125, "% RETURN (cont'd)", "Place 9 Bets", 1},
        {PageUp, 109, "", "% RETURN", 0},
        {PageUp, 97, "TOTAL $ WON/LOST (cont'd)", "Place 6 Bets $", 0},
    };
    Run(0, [&](TCasinoStatDlg& d) {
        for (const auto& s : steps) {
            const int before = GetMessageBeepCount();
            Press(d, s.Button);
            EXPECT_EQ(GetMessageBeepCount() - before, s.Beeps) << s.Top;
            EXPECT_EQ(d.GetTopRow(), s.Top);
            EXPECT_EQ(d.GetCellText(0, 0), s.Title) << s.Top;
            EXPECT_EQ(d.GetCellText(1, 0), s.FirstLabel) << s.Top;
        }
    });
}

TEST_F(StatDlgTest, TheLastPageEndsInTwoBlankRows) {
    Gambler("Ann", 2);
    Run(1, [&](TCasinoStatDlg& d) {
        for (int i = 0; i < 10; ++i)
            Press(d, PageDown);
        ASSERT_EQ(d.GetTopRow(), 125);
        EXPECT_EQ(d.GetCellText(14, 0), "   % Play Accuracy");
        EXPECT_NE(d.GetCellText(14, 1), "");
        for (int k = 15; k <= 16; ++k)
            for (int c = 0; c < 6; ++c)
                EXPECT_EQ(d.GetCellText(k, c), "") << k << "," << c;
    });
}

TEST_F(StatDlgTest, ColumnsOpenOnTheNewestFourAndScrollFromOneTo22) {
    const struct {
        int Sessions;
        int First;
    } cases[] = {{0, 1}, {3, 1}, {4, 1}, {5, 2}, {20, 17}, {25, 17}};
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "Player" + std::to_string(++n);
        const i16 r = Gambler(name.c_str(), c.Sessions);
        Run(r, [&](TCasinoStatDlg& d) {
            EXPECT_EQ(d.GetFirstColumn(), c.First) << c.Sessions;
            EXPECT_EQ(Header(d)[1], std::to_string(c.First));
            EXPECT_EQ(Header(d)[4], std::to_string(c.First + 3));
            EXPECT_EQ(Header(d)[5], "Cumulative");
            // Row 1 is the date: a session's column has one, the columns past the last none.
            for (int j = 0; j < 4; ++j)
                EXPECT_EQ(d.GetCellText(1, j + 1).empty(), c.First + j > std::min(c.Sessions, 20))
                    << c.Sessions << " column " << c.First + j;
            int beeps = GetMessageBeepCount();
            for (int col = c.First; col < 22; ++col)
                Press(d, Right);
            EXPECT_EQ(GetMessageBeepCount(), beeps);
            EXPECT_EQ(d.GetFirstColumn(), 22);
            EXPECT_EQ(Header(d)[4], "25");
            for (int j = 1; j <= 4; ++j)
                EXPECT_EQ(d.GetCellText(1, j), "");
            Press(d, Right);
            EXPECT_EQ(GetMessageBeepCount(), ++beeps);
            EXPECT_EQ(d.GetFirstColumn(), 22);
            for (int col = 22; col > 1; --col)
                Press(d, Left);
            EXPECT_EQ(GetMessageBeepCount(), beeps);
            EXPECT_EQ(Header(d)[1], "1");
            Press(d, Left);
            EXPECT_EQ(GetMessageBeepCount(), ++beeps);
            EXPECT_EQ(d.GetFirstColumn(), 1);
        });
    }
}

TEST_F(StatDlgTest, TextsOfTenCharactersOrMoreAreCutAndMarked) {
    const struct {
        std::string Text, Shown;
    } cases[] = {
        {"", ""},
        {"123456789", "123456789"},
        {"1234567890", "1234567890+"},
        {"-$12345678901", "-$12345678+"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCasinoStatDlg::CutCellText(c.Text), c.Shown) << c.Text;
    Run(0, [&](TCasinoStatDlg& d) {
        TStatGrid& grid = d.GetStatGrid();
        for (size_t i = 0; i < std::size(cases); ++i) {
            grid.Cells[7][1 + i] = cases[i].Text;
            grid.Cumulative[7] = "$1234567890";
        }
        Press(d, Right);
        Press(d, Left);
        ASSERT_EQ(d.GetFirstColumn(), 1);
        for (size_t i = 0; i < std::size(cases); ++i)
            EXPECT_EQ(d.GetCellText(7, static_cast<int>(1 + i)), cases[i].Shown) << cases[i].Text;
        EXPECT_EQ(d.GetCellText(7, 5), "$123456789+");
    });
}

TEST_F(StatDlgTest, TheGamblerShownFirstAndTheSwitch) {
    Gambler("Ann", 3);
    Gambler("Bob", 1);
    const struct {
        i16 Record;
        int Selected;
        const char* Caption;
    } cases[] = {
        {2, 2, "Craps Statistics for Bob"},         {1, 1, "Craps Statistics for Ann"},
        {0, 0, "Craps Statistics for Joe Gambler"}, {-1, 0, "Craps Statistics for Joe Gambler"},
        {7, 0, "Craps Statistics for Joe Gambler"},
    };
    for (const auto& c : cases)
        Run(c.Record, [&](TCasinoStatDlg& d) {
            EXPECT_EQ(d.GetGamblerList(), (std::vector<u16>{0, 1, 2}));
            EXPECT_EQ(d.GetSelectedIndex(), c.Selected) << c.Record;
            EXPECT_EQ(d.GetCaption(), c.Caption) << c.Record;
            auto* combo = dynamic_cast<TComboBox*>(d.GetDlgItem(115));
            EXPECT_EQ(combo->GetSelIndex(), c.Selected);
            EXPECT_EQ(combo->GetString(1), "Ann");
        });

    // A switch recomputes and goes back to the first page and the newest sessions.
    std::vector<std::string> seen;
    Run(2, [&](TCasinoStatDlg& d) {
        Press(d, PageDown);
        Press(d, Left);
        Choose(d, 1);
        seen = {d.GetCaption(), std::to_string(d.GetTopRow()), Header(d)[1], Header(d)[3],
                d.GetCellText(0, 0)};
        EXPECT_FALSE(d.GetCellText(1, 3).empty());
        EXPECT_TRUE(d.GetCellText(1, 4).empty());
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"Craps Statistics for Ann", "1", "1", "3", ""}));
}

TEST_F(StatDlgTest, WithOneGamblerChoosingHimAgainChangesNothing) {
    Run(0, [&](TCasinoStatDlg& d) {
        ASSERT_EQ(d.GetGamblerList().size(), 1u);
        Press(d, PageDown);
        Choose(d, 0);
        EXPECT_EQ(d.GetTopRow(), 5);
    });
}

// The record comes from what the run has of it: a disk that refuses reads hides nobody. With
// nobody to show, the table is empty.
TEST_F(StatDlgTest, ARecordIsShownAsTheRunHasItAndNobodyShowsAnEmptyTable) {
    Gambler("Ann", 3);
    Host.Armed = TFaultyHost::FailRead;
    Run(1, [&](TCasinoStatDlg& d) {
        ASSERT_NE(d.GetStatRecord(), nullptr);
        EXPECT_EQ(d.GetCaption(), "Craps Statistics for Ann");
    });
    Host.Armed = TFaultyHost::None;
    for (i16 r = 0; r < Mgr->GetTableSize(); ++r)
        ASSERT_TRUE(Mgr->DeactivatePlayer(r) && Mgr->DeletePlayer(r));
    Run(1, [&](TCasinoStatDlg& d) {
        EXPECT_EQ(d.GetStatRecord(), nullptr);
        EXPECT_EQ(d.GetCaption(), "Craps Statistics for Nobody");
        EXPECT_EQ(d.GetCellText(1, 0), "Date");
        EXPECT_EQ(Header(d)[1], "1");
        for (int k = 1; k < 17; ++k)
            for (int c = 1; c < 6; ++c)
                EXPECT_EQ(d.GetCellText(k, c), "") << k << "," << c;
    });
}

TEST_F(StatDlgTest, ShowGraphOpensTheGraphOnTheShownGambler) {
    Gambler("Ann", 3);
    std::string graphCaption;
    std::vector<float> values;
    Run(
        1, [&](TCasinoStatDlg&) {},
        [&](TCasinoStatDlg& d) {
            Session.Backend().After(30, [&] {
                for (HWND w : TDesktop::Get().GetTopLevelWindows())
                    if (auto* graph = dynamic_cast<TCasinoGraphDlg*>(w)) {
                        graphCaption = graph->GetCaption();
                        values.assign(graph->GetValues().begin(), graph->GetValues().begin() + 4);
                        graph->CmClose();
                    }
            });
            Press(d, 137);
        });
    EXPECT_EQ(graphCaption, "Craps - Total $ Bet");
    EXPECT_EQ(values, (std::vector<float>{40, 80, 120, 0}));
}

TEST_F(StatDlgTest, Goldens) {
    Gambler("Ann", 3, true);
    Gambler("Bob", 20);
    Gambler("Cy", 4);
    const struct {
        const char* Golden;
        i16 Record;
        int PagesDown;
        bool Nobody;
    } cases[] = {
        {"stats_three_sessions", 1, 0, false},
        {"stats_return_contd", 3, 10, false},
        {"stats_twenty_sessions", 2, 0, false},
        {"stats_nobody", 3, 0, true},
    };
    for (const auto& c : cases) {
        // Nobody to show: no gambler is left.
        for (i16 r = 0; c.Nobody && r < Mgr->GetTableSize(); ++r)
            ASSERT_TRUE(Mgr->DeactivatePlayer(r) && Mgr->DeletePlayer(r));
        Run(
            c.Record,
            [&](TCasinoStatDlg& d) {
                EXPECT_TRUE(
                    MatchesGolden(TDesktop::Get().GetScreen(), c.Golden, d.GetWindowRect()));
            },
            [&](TCasinoStatDlg& d) {
                for (int i = 0; i < c.PagesDown; ++i)
                    Press(d, PageDown);
            });
    }
}

} // namespace
