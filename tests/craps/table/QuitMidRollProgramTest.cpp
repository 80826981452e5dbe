// The real program, Joe Gambler's $100 on the field and $5 on the twelve, and the window closed
// while the roll is under way: the save file holds the bankroll the dice thrown leave him, and
// his session counts the bets, at whichever step of the roll the close arrives.
#include "PlayedTable.h"
#include "RollStep.h"

namespace {

class QuitMidRollProgram : public PlayedTable, public ::testing::WithParamInterface<const char*> {
protected:
    QuitMidRollProgram() { Build(); }

    // Past the intro, the $100 chip on the field, the hand emptied and a $5 chip on the twelve,
    // Roll clicked with no wait after it, and the window closed as soon as the roll stands at
    // the step asked for.
    TSteps Script(const std::string& step) {
        TSteps s = PastTheIntro();
        Append(s, Chip(3));
        Append(s, ClickSpot(table_spot::Field));
        Append(s, PressButton(table_button::Clear));
        Append(s, Chip(1));
        Append(s, ClickSpot(static_cast<i16>(table_spot::FirstOneRoll + 3)));
        Append(s,
               {Do([this] {
                    for (const TTableButton& b : TableButtons())
                        if (b.Number == static_cast<u16>(table_button::Roll))
                            Session.Backend().Click(
                                OnMode((b.Box.L + b.Box.R) / 2, (b.Box.T + b.Box.B) / 2));
                }),
                Until([step] { return RollStep(Innermost()) == step; }, step, 20'000), Do([this] {
                    Die1 = Lord()->GetDie1();
                    Die2 = Lord()->GetDie2();
                    CloseAt(Now());
                    Stopped = true;
                })});
        return s;
    }

    i16 Die1 = -1;
    i16 Die2 = -1;
};

TEST_P(QuitMidRollProgram, TheSaveHoldsTheRollSettled) {
    // Dice whose first roll is double six, which wins both bets, so that the payoff of the
    // field comes before the twelve's.
    TPinnedSeed dice(9);
    TScopedRandomSource installed(dice);
    PlanOnce([this] { return Script(GetParam()); });
    EXPECT_EQ(Play(120'000), 0);
    ASSERT_NE(Die1, -1) << "the roll never reached the " << GetParam()
                        << " (a seed whose first roll loses the field has no payoff)";
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;

    ASSERT_EQ(Die1 + Die2, 10) << "the seed no longer throws double six first";
    // The field pays 3 to 1 on twelve, the twelve 30 to 1: $500 less $105 bet, plus $400 and
    // $155 paid. The bets are left neither on the table nor out of the statistics.
    TCasinoPlayerData joe = SavedJoe();
    EXPECT_EQ(joe.GetName(), "Joe Gambler");
    EXPECT_EQ(joe.GetBankroll(), 950.0);
    const TCCSession* session = joe.GetHistory().GetCurrentSession();
    ASSERT_NE(session, nullptr);
    EXPECT_FALSE(session->IsOpen());
    EXPECT_EQ(session->TotalBet, TMoney(105.0));
    EXPECT_EQ(session->TotalWon, TMoney(450.0));
}

INSTANTIATE_TEST_SUITE_P(Steps, QuitMidRollProgram,
                         ::testing::Values("pick-up", "throw", "resolution", "payoff"),
                         [](const auto& test) {
                             std::string name = test.param;
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
