// The real program, Joe Gambler's $100 on the pass line and a point on, then File > Exit: the
// player is asked once; No keeps him at the table with his bet, Yes leaves it to the house, and
// a quit signal leaves it without asking. Whichever way he goes, the save counts the bet lost
// and his statistics agree with his bankroll.
#include "PlayedTable.h"

#include "platform/host/QuitSignals.h"

#include <csignal>

namespace {

class ForfeitProgram : public PlayedTable, public ::testing::WithParamInterface<bool> {
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
    static TMoney JoesLine() { return Lord()->GetBetSpot(table_spot::PassLine)->GetAmount(0); }

    bool SawNo = false;
};

// The parameter: whether the first Exit is answered Yes; after a No the run is ended by SIGTERM.
TEST_P(ForfeitProgram, TheLineBetLeftIsAskedAboutOnceAndCountedLost) {
    const bool yes = GetParam();
    // The first roll of this seed makes a point.
    TPinnedSeed dice(3);
    TScopedRandomSource installed(dice);
    bool planned = false;
    Plan = [&] {
        if (planned)
            return false;
        planned = true;
        TSteps s = ToThePoint();
        if (yes) {
            s.push_back(Exit(IDYES));
        } else {
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
                SawNo = Lord() != nullptr && JoesLine() == TMoney(100) && Running<TCAct1State>() &&
                        Boxes.Boxes.size() == 1;
                std::raise(SIGTERM);
            }));
        }
        s.push_back(Do([this] { Stopped = true; }));
        Then(std::move(s));
        return true;
    };
    EXPECT_EQ(Play(120'000), 0);
    if (!yes) {
        EXPECT_TRUE(SawNo) << "after No the table did not go on with the bet standing";
    }
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Bets Left on the Table");
    EXPECT_NE(Boxes.Boxes[0].Text.find("Joe Gambler: $100 on the Pass Line\n"), std::string::npos)
        << Boxes.Boxes[0].Text;

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

INSTANTIATE_TEST_SUITE_P(Answers, ForfeitProgram, ::testing::Bool(), [](const auto& test) {
    return test.param ? std::string("ExitYes") : std::string("ExitNoThenSignal");
});

} // namespace
