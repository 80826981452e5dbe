// The craps graph on a headless screen over a calculator that hands out set series: the list,
// the title, the scale chosen for the values, the cap, refused statistics, a screen too small,
// and goldens of the chart.
#include "craps/stats/CrapsGraph.h"
#include "craps/stats/StatCalcCraps.h"

#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/draw/Color.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/host/MessageBox.h"
#include "resources/Resources.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <map>
#include <vector>

namespace {

// Hands out the series set for each id, or refuses every id.
class TSeriesCalc : public TStatCalcCraps {
public:
    TSeriesCalc() : TStatCalcCraps(nullptr) {}
    bool GetGraphData(int id, float* values, int capacity) override {
        Asked.push_back(id);
        if (Refuse)
            return false;
        const std::vector<float>& series = Series[id];
        for (int i = 0; i < capacity && i < static_cast<int>(series.size()); ++i)
            values[i] = series[static_cast<size_t>(i)];
        return true;
    }

    std::map<int, std::vector<float>> Series;
    std::vector<int> Asked;
    bool Refuse = false;
};

// A graph of the base class on a template of the given width, for layouts the craps graph's
// template never has.
class TNarrowGraph : public TCasinoGraphDlg {
public:
    TNarrowGraph(TCasinoStatCalc* calc, u32 resId) : TCasinoGraphDlg(nullptr, calc, resId) {
        GameName = "Narrow";
        StringBase = 560;
        StatIds[0] = 6;
        StatIds[1] = 7;
        LastEntry = 1;
    }
};

constexpr int TotalBet = 7;
constexpr int WonLost = 11;

class CrapsGraphTest : public ::testing::Test {
protected:
    CrapsGraphTest() {
        TResourceRegistry::Get().Clear();
        RegisterResources();
    }
    ~CrapsGraphTest() override { TResourceRegistry::Get().Clear(); }

    // Runs the graph; `first` acts on it once it is up, `seen` looks at it once it has
    // painted again, then OK closes it.
    int Run(TCasinoGraphDlg& graph, const std::function<void(TCasinoGraphDlg&)>& seen,
            const std::function<void(TCasinoGraphDlg&)>& first = {}) {
        Session.Backend().After(30, [&, this] {
            if (first)
                first(graph);
            Session.Backend().After(30, [&, this] {
                seen(graph);
                const TRect r = TDesktop::Get().ScreenClientRect(graph.GetDlgItem(123));
                Session.Backend().Click(r.TopLeft().Offset(r.Width() / 2, r.Height() / 2));
            });
        });
        return graph.Execute();
    }
    // The pixels of the colour inside the plot frame.
    static int CountColour(TCasinoGraphDlg& graph, TColor colour) {
        const TRect client = TDesktop::Get().ScreenClientRect(&graph);
        const TRect frame = graph.GetPlotFrame().OffsetBy(client.left, client.top);
        const TScreenSurface& screen = TDesktop::Get().GetScreen();
        const u32 want = 0xFF000000U | (static_cast<u32>(colour.Red()) << 16) |
                         (static_cast<u32>(colour.Green()) << 8) | colour.Blue();
        int n = 0;
        for (i32 y = frame.top; y < frame.bottom; ++y)
            for (i32 x = frame.left; x < frame.right; ++x)
                n += (screen.GetPixel(x, y) | 0xFF000000U) == want;
        return n;
    }

    THeadlessSession Session{TSize{800, 600}};
    TApplication App{"otcraps"};
    TMessageBoxRecorder Boxes;
    TSeriesCalc Calc;
};

TEST_F(CrapsGraphTest, OpensOnTotalBetWithTheSixteenStatisticsListed) {
    Calc.Series[TotalBet] = {120, 40, 310};
    TCrapsGraph graph(nullptr, &Calc);
    std::vector<std::string> listed;
    std::string caption;
    EXPECT_EQ(Run(graph,
                  [&](TCasinoGraphDlg& g) {
                      auto* combo = dynamic_cast<TComboBox*>(g.GetDlgItem(124));
                      ASSERT_NE(combo, nullptr);
                      for (int i = 0; i < combo->GetCount(); ++i)
                          listed.push_back(combo->GetString(i));
                      EXPECT_EQ(combo->GetSelIndex(), 1);
                      caption = g.GetCaption();
                  }),
              IDCANCEL);
    EXPECT_EQ(caption, "Craps - Total $ Bet");
    ASSERT_EQ(listed.size(), 16u);
    EXPECT_EQ(listed[0], "Total # of Bets");
    EXPECT_EQ(listed[1], "Total $ Bet");
    EXPECT_EQ(listed[8], "   # naturals");
    EXPECT_EQ(listed[15], "Longest Don't Pass Streak");
    EXPECT_EQ(Calc.Asked, std::vector<int>{TotalBet});
    for (const auto& b : Boxes.Boxes)
        ADD_FAILURE() << b.Caption << ": " << b.Text;
}

TEST_F(CrapsGraphTest, TheLayoutIsFixedAtSetUp) {
    TCrapsGraph graph(nullptr, &Calc);
    Run(graph, [&](TCasinoGraphDlg& g) {
        const TRect window = g.GetWindowRect();
        // Centred on the 800 by 600 screen.
        EXPECT_EQ(window.left, (800 - window.Width()) / 2);
        EXPECT_EQ(window.top, (600 - window.Height()) / 2);
        const TRect frame = g.GetPlotFrame();
        EXPECT_EQ(frame.left, 15);
        EXPECT_EQ(frame.top, 40);
        EXPECT_EQ(frame.right, window.Width() - 15);
        EXPECT_EQ(g.GetOrigin().x, 80);
        EXPECT_EQ(g.GetOrigin().y, frame.bottom - 25);
        EXPECT_GE(g.GetDivisions(), 1);
        EXPECT_LE(g.GetDivisions(), 19);
        const auto& edges = g.GetBarEdges();
        const int w = edges[1] - edges[0];
        EXPECT_GT(w, 0);
        for (int i = 0; i <= 20; ++i)
            EXPECT_EQ(edges[i], 80 + i * w) << i;
        EXPECT_LE(edges[20], frame.right - 10);
        EXPECT_TRUE(g.Fits());
    });
}

TEST_F(CrapsGraphTest, TheScaleFollowsTheValues) {
    const struct {
        const char* Name;
        std::vector<float> Values;
        float Min, Max;
        bool Negative, Positive;
    } cases[] = {
        {"three sessions, the empty positions at 0", {120, 40, 310}, 0, 310, false, true},
        {"all negative hangs from the zero line", {-30, -75, -5}, -75, 0, true, false},
        {"all zero", {}, 0, 0, false, false},
        {"mixed", {-200, 350, 0, 90}, -200, 350, true, true},
    };
    for (const auto& c : cases) {
        Calc.Series[WonLost] = c.Values;
        Calc.Series[TotalBet] = c.Values;
        TCrapsGraph graph(nullptr, &Calc);
        Run(graph, [&](TCasinoGraphDlg& g) {
            EXPECT_EQ(g.GetMinimum(), c.Min) << c.Name;
            EXPECT_EQ(g.GetMaximum(), c.Max) << c.Name;
            const float unit = g.GetUnit();
            // The scale reaches from its base past the maximum and covers the minimum.
            EXPECT_LE(g.GetScaleBase(), c.Min) << c.Name;
            EXPECT_GE(g.GetScaleBase() + unit * (g.GetDivisions() - 1), c.Max) << c.Name;
            EXPECT_EQ(g.GetScaleBase() % static_cast<int>(unit), 0) << c.Name;
            // The zero line lies on the tick whose label is 0.
            const int p = (g.GetOrigin().y - (g.GetPlotFrame().top + 5)) / g.GetDivisions();
            EXPECT_EQ(g.GetZeroLine(),
                      g.GetOrigin().y + static_cast<int>(g.GetScaleBase() / unit) * p)
                << c.Name;
            EXPECT_EQ(CountColour(g, TColor(179, 0, 0)) > 0, c.Negative) << c.Name;
            EXPECT_EQ(CountColour(g, TColor(7, 103, 0)) > 0, c.Positive) << c.Name;
        });
    }
}

TEST_F(CrapsGraphTest, ValuesAboveSixteenMillionAreDrawnAndKeptAsSixteenMillion) {
    Calc.Series[TotalBet] = {2e7f, 16e6f, std::numeric_limits<float>::infinity(), 5};
    TCrapsGraph graph(nullptr, &Calc);
    Run(graph, [&](TCasinoGraphDlg& g) {
        const auto& v = g.GetValues();
        EXPECT_EQ(v[0], 16e6f);
        EXPECT_EQ(v[1], 16e6f);
        EXPECT_EQ(v[2], 16e6f);
        EXPECT_EQ(v[3], 5.0f);
        EXPECT_EQ(g.GetUnit(), 1e6f);
    });
}

TEST_F(CrapsGraphTest, FarBelowZeroTheZeroLineAndBarsStayInTheFrame) {
    // The labels, counted from a start far below with the largest unit, never reach 0.
    Calc.Series[TotalBet] = {-3e9f, std::numeric_limits<float>::quiet_NaN(),
                             -std::numeric_limits<float>::infinity()};
    TCrapsGraph graph(nullptr, &Calc);
    Run(graph, [&](TCasinoGraphDlg& g) {
        const TRect frame = g.GetPlotFrame();
        EXPECT_GE(g.GetZeroLine(), frame.top);
        EXPECT_LE(g.GetZeroLine(), frame.bottom);
        EXPECT_GT(CountColour(g, TColor(179, 0, 0)), 0);
    });
}

TEST_F(CrapsGraphTest, ChangingTheStatisticRefetchesRetitlesAndIgnoresNoSelection) {
    Calc.Series[TotalBet] = {10, 20};
    Calc.Series[26] = {5, 3, 4};
    TCrapsGraph graph(nullptr, &Calc);
    std::vector<std::string> captions;
    Run(graph, [&](TCasinoGraphDlg& g) {
        auto* combo = dynamic_cast<TComboBox*>(g.GetDlgItem(124));
        combo->ListChose(13);
        captions.push_back(g.GetCaption());
        EXPECT_EQ(g.GetValues()[2], 4.0f);
        EXPECT_EQ(g.GetValues()[1], 3.0f);
        combo->ListChose(-1);
        captions.push_back(g.GetCaption());
        EXPECT_EQ(g.GetSelectedEntry(), 13);
    });
    EXPECT_EQ(captions, (std::vector<std::string>{"Craps - Longest Shoot (# Rolls)",
                                                  "Craps - Longest Shoot (# Rolls)"}));
    EXPECT_EQ(Calc.Asked, (std::vector<int>{TotalBet, 26}));
}

TEST_F(CrapsGraphTest, ARefusedStatisticSaysSoAndShowsZeros) {
    Calc.Refuse = true;
    TCrapsGraph graph(nullptr, &Calc);
    Run(graph, [&](TCasinoGraphDlg& g) {
        for (float v : g.GetValues())
            EXPECT_EQ(v, 0.0f);
    });
    ASSERT_EQ(Boxes.Boxes.size(), 1u);
    EXPECT_EQ(Boxes.Boxes[0].Text, "Unknown error receiving data from statcalc");
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Error - Graph");
}

TEST_F(CrapsGraphTest, TooNarrowASessionAxisSaysSoOnceAndEndsBeforeDrawing) {
    constexpr u32 NarrowId = 9145;
    TDialogTemplate t = *TResourceRegistry::Get().FindDialog(IDD_GRAPH);
    t.W = 150;
    TResourceRegistry::Get().AddDialog(NarrowId, t);
    Calc.Series[TotalBet] = {50, 60};
    TNarrowGraph graph(&Calc, NarrowId);
    // Painted and ticked for a while: the box is not raised again and nothing is drawn.
    Session.Backend().After(200, [&] {
        if (graph.IsWindow())
            graph.Destroy(99);
    });
    EXPECT_EQ(graph.Execute(), IDCANCEL);
    EXPECT_FALSE(graph.Fits());
    ASSERT_EQ(Boxes.Boxes.size(), 1u);
    EXPECT_EQ(Boxes.Boxes[0].Text, "Inadequate resolution");
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Graph not available");
    EXPECT_EQ(Boxes.Boxes[0].Owner, &graph);
}

TEST_F(CrapsGraphTest, Goldens) {
    const struct {
        const char* Golden;
        int Stat;
        std::vector<float> Values;
    } cases[] = {
        {"graph_total_bet", TotalBet, {120, 40, 310, 95, 0, 180}},
        {"graph_won_lost_negative", WonLost, {-30, -75, -5, -42}},
        {"graph_all_zero", TotalBet, {}},
    };
    for (const auto& c : cases) {
        Calc.Series.clear();
        Calc.Series[c.Stat] = c.Values;
        TCrapsGraph graph(nullptr, &Calc);
        Run(
            graph,
            [&](TCasinoGraphDlg& g) {
                EXPECT_TRUE(
                    MatchesGolden(TDesktop::Get().GetScreen(), c.Golden, g.GetWindowRect()));
            },
            [&](TCasinoGraphDlg& g) {
                if (c.Stat != TotalBet)
                    dynamic_cast<TComboBox*>(g.GetDlgItem(124))->ListChose(3);
            });
    }
}

} // namespace
