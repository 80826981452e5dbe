// The real program, Joe Gambler's $100 on the pass line and a point on, then the table left:
// the player is asked once; No keeps him at the table with his bet, Yes leaves it to the house,
// a close of the window while the question is up leaves it up, and a quit signal or the end of
// a script leaves the bet without asking. Whichever way he goes, the save counts the bet lost
// and his statistics agree with his bankroll.
#include "PlayedTable.h"

#include "platform/framework/dialogs/MessageBoxUi.h"
#include "platform/headless/HeadlessScript.h"
#include "platform/host/QuitSignals.h"

#include <csignal>
#include <optional>

namespace {

// How the table is left.
enum class TLeaving {
    ExitYes,
    // File > Exit answered No, then SIGTERM.
    ExitNoThenSignal,
    // The window's close twice back to back, as a double click on its close box sends it,
    // then Yes.
    DoubleCloseThenYes,
    // The window's close, again once the question is up, then SIGTERM.
    CloseAgainThenSignal,
    // A script whose last step comes with the bet standing.
    ScriptEnds,
};

// Every box goes to the recorder but the question before leaving, which is drawn and run as
// the player sees it, so that closes and signals reach it while it is up.
class TDrawnLeaving : public TMessageBoxPresenter {
public:
    explicit TDrawnLeaving(TLeavingRecorder& others) : Others(others) {
        SetMessageBoxPresenter(this);
    }
    int Show(const TMessageBoxRequest& request) override {
        if (request.Caption != TLeavingRecorder::LeavingCaption)
            return Others.Show(request);
        Leaving.push_back(request);
        return Drawn.Show(request);
    }
    std::vector<TMessageBoxRequest> Leaving;

private:
    TLeavingRecorder& Others;
    TMessageBoxUi Drawn;
};

class ForfeitProgram : public PlayedTable, public ::testing::WithParamInterface<TLeaving> {
protected:
    ForfeitProgram() {
        Build();
        // The question is this test's to answer.
        Boxes.AnswerLeaving = false;
    }
    void SetUp() override { TQuitSignals::Install(); }
    void TearDown() override { TQuitSignals::Uninstall(); }

    // Past the intro, the $100 chip on the pass line, and Roll until the point is on.
    TSteps ToThePoint() {
        TSteps s = PastTheIntro();
        Append(s, Chip(3));
        Append(s, ClickSpot(table_spot::PassLine));
        Append(s, PressButton(table_button::Roll));
        s.push_back(Until(
            [] {
                const auto* betting = dynamic_cast<const TCAct1State*>(Innermost());
                return betting != nullptr && betting->GetDiceRolled() == 0 &&
                       Lord()->GetComeOutFlag() == 0;
            },
            "a point (the seed's first roll must make one)", 30'000));
        return s;
    }
    // File > Exit, answered by the recorder.
    TStep Exit(int answer) {
        return Do([this, answer] {
            Boxes.QueueAnswer(answer);
            Post(CM_EXITGAME);
        });
    }
    TStep HostClose(int times) {
        return Do([this, times] {
            TInputEvent close;
            close.Kind = TInputKind::Close;
            for (int i = 0; i < times; ++i)
                Session.Backend().At(Now(), close);
        });
    }
    TStep Wait(u64 ms) {
        return Until(
            [this, ms, until = u64{0}]() mutable {
                if (until == 0)
                    until = Now() + ms;
                return Now() >= until;
            },
            "the time to pass", ms + 1000);
    }
    static HWND DrawnBox() {
        return TDesktop::Get().FindWindow(nullptr, TLeavingRecorder::LeavingCaption);
    }
    TStep Answer(int id) {
        return Do([this, id] {
            HWND box = DrawnBox();
            if (box == nullptr) {
                ADD_FAILURE() << "no box to answer";
                return;
            }
            for (TWindow* button : box->GetChildren())
                if (button->Attr.Id == static_cast<u32>(id))
                    Session.Backend().Click(TDesktop::Get().ClientToScreen(button, {5, 5}));
        });
    }
    static TMoney JoesLine() { return Lord()->GetBetSpot(table_spot::PassLine)->GetAmount(0); }
    // What stands while the question is up (or after No): the table, the bet, one question.
    void NoteStanding() {
        const size_t asked = Drawn ? Drawn->Leaving.size() : Boxes.Boxes.size();
        Standing = Lord() != nullptr && JoesLine() == TMoney(100) && asked == 1;
    }

    TSteps Script(TLeaving leaving) {
        TSteps s = ToThePoint();
        switch (leaving) {
        case TLeaving::ExitYes:
            s.push_back(Exit(IDYES));
            break;
        case TLeaving::ExitNoThenSignal:
            s.push_back(Exit(IDNO));
            s.push_back(Until([this] { return !Boxes.Boxes.empty(); }, "the box", 10'000));
            // Frames go on at the table, the bet where it was, and the signal ends the run.
            s.push_back(Until(
                [this, since = u32{0}]() mutable {
                    if (since == 0)
                        since = Frames();
                    return Frames() >= since + 10;
                },
                "the table to go on", 10'000));
            s.push_back(Do([this] {
                NoteStanding();
                Standing = Standing && Running<TCAct1State>();
                std::raise(SIGTERM);
            }));
            break;
        case TLeaving::DoubleCloseThenYes:
        case TLeaving::CloseAgainThenSignal: {
            const bool twice = leaving == TLeaving::DoubleCloseThenYes;
            s.push_back(HostClose(twice ? 2 : 1));
            s.push_back(Until([] { return DrawnBox() != nullptr; }, "the box", 10'000));
            if (!twice)
                s.push_back(HostClose(1));
            s.push_back(Wait(2'000));
            s.push_back(Do([this] {
                NoteStanding();
                Standing = Standing && DrawnBox() != nullptr;
            }));
            if (twice)
                s.push_back(Answer(IDYES));
            else
                s.push_back(Do([] { std::raise(SIGTERM); }));
            break;
        }
        case TLeaving::ScriptEnds:
            s.push_back(Do([this] {
                std::vector<THeadlessStep> steps;
                std::string error;
                ASSERT_TRUE(
                    ParseHeadlessScript(std::to_string(Now() + 300) + " move 5 5\n", steps, error))
                    << error;
                ScheduleHeadlessScript(Session.Backend(), steps);
            }));
            break;
        }
        s.push_back(Do([this] { Stopped = true; }));
        return s;
    }

    std::optional<TDrawnLeaving> Drawn;
    bool Standing = false;
};

TEST_P(ForfeitProgram, TheLineBetLeftIsAskedAboutOnceAndCountedLost) {
    const TLeaving leaving = GetParam();
    // The first roll of this seed makes a point.
    TPinnedSeed dice(3);
    TScopedRandomSource installed(dice);
    if (leaving == TLeaving::DoubleCloseThenYes || leaving == TLeaving::CloseAgainThenSignal)
        Drawn.emplace(Boxes);
    PlanOnce([this, leaving] { return Script(leaving); });
    // The closes that end a session cut short may be refused with the bet standing: a signal
    // then ends it, and the test fails.
    bool cutShort = false;
    Session.Backend().At(125'000, [&cutShort] {
        cutShort = true;
        std::raise(SIGTERM);
    });
    EXPECT_EQ(Play(120'000), 0);
    EXPECT_FALSE(cutShort);
    if (leaving == TLeaving::ExitNoThenSignal) {
        EXPECT_TRUE(Standing) << "after No the table did not go on with the bet standing";
    } else if (Drawn) {
        EXPECT_TRUE(Standing) << "a close while the question was up changed something";
    }
    const std::vector<TMessageBoxRequest>& asked = Drawn ? Drawn->Leaving : Boxes.Boxes;
    if (leaving == TLeaving::ScriptEnds) {
        EXPECT_TRUE(asked.empty());
    } else {
        ASSERT_EQ(asked.size(), 1U);
        EXPECT_EQ(asked[0].Caption, "Bets Left on the Table");
        EXPECT_NE(asked[0].Text.find("Joe Gambler: $100 on the Pass Line\n"), std::string::npos)
            << asked[0].Text;
    }
    if (Drawn) {
        EXPECT_TRUE(Boxes.Boxes.empty());
    }

    TCasinoPlayerData joe = SavedJoe();
    ASSERT_EQ(joe.GetName(), "Joe Gambler");
    const TCCSession* session = joe.GetHistory().GetCurrentSession();
    ASSERT_NE(session, nullptr);
    EXPECT_FALSE(session->IsOpen());
    EXPECT_EQ(TMoney(joe.GetBankroll()), session->EndBankroll);
    EXPECT_EQ(session->EndBankroll - session->StartBankroll, TMoney(-100));
    EXPECT_EQ(session->TotalWon - session->TotalLost, TMoney(-100));
    EXPECT_EQ(session->BetsLost, 1);
    EXPECT_EQ(session->TotalBet, TMoney(100));
    EXPECT_EQ(session->BetByRow[0], TMoney(100));
    EXPECT_EQ(session->NetByRow[0], TMoney(-100));
}

std::string LeavingName(const ::testing::TestParamInfo<TLeaving>& info) {
    const char* names[] = {"ExitYes", "ExitNoThenSignal", "DoubleCloseThenYes",
                           "CloseAgainThenSignal", "ScriptEnds"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Answers, ForfeitProgram,
                         ::testing::Values(TLeaving::ExitYes, TLeaving::ExitNoThenSignal,
                                           TLeaving::DoubleCloseThenYes,
                                           TLeaving::CloseAgainThenSignal, TLeaving::ScriptEnds),
                         LeavingName);

} // namespace
