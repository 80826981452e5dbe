// The regression run through the real program's input: three gamblers made and seated through
// the menus, chips and spots clicked for every kind of bet with odds, bets taken down, options
// changed in their dialog, the expert and the statistics opened by their buttons, gamblers
// standing up and sitting down; every money event goes to a log that must match the one kept
// in tests/golden, so any change to a payout or to how input reaches the table shows as a
// diff. An optimized build plays all 2,000 rolls; under the sanitizers, where a roll through
// the whole program costs about a fifth of a second, the first 100 are compared with the
// log's beginning.
#include "PlayedSession.h"
#include "RegressionPlan.h"

#include "support/KeptLog.h"

#include <array>

namespace {

// Under the sanitizers the run is the first rolls of the kept log.
#if defined(__SANITIZE_ADDRESS__)
constexpr int PlayedRolls = 100;
#else
constexpr int PlayedRolls = RegressionRolls;
#endif

using namespace table_spot;

class PlayedRegression : public PlayedSession {
protected:
    PlayedRegression() {
        Build();
        // The fastest game speed, as a player who set it in an earlier session.
        Dir.WriteHostFile("otcraps.ini", "[Craps]\nDetail Level=0\n");
        Dice.Seed(20240611);
        Bets.Seed(1987);
        Plan = [this] { return PlanMore(); };
    }

    bool PlanMore() {
        if (!Opened) {
            Opened = true;
            TSteps s = Opening();
            // Each gambler takes his first option page.
            for (size_t seat = 0; seat < 3; ++seat) {
                Append(s, Options(RegressionOptionPages[seat]));
                Append(s, ClickSeatStrip());
            }
            Then(std::move(s));
            return true;
        }
        // The program then closes with the last shoot's bets still down: what its end hands
        // back or keeps is logged too.
        if (Roll == PlayedRolls) {
            Played = Log->Text;
            Done = true;
            return false;
        }
        TSteps steps = Between(Roll);
        steps.push_back(Round([this] { return Turn(Roll); }));
        Then(std::move(steps));
        return true;
    }

    // Between rolls: options changed, the expert asked, the statistics read, gamblers up and
    // back down again.
    TSteps Between(int roll) {
        TSteps s;
        if (roll % 40 == 20) {
            const size_t page = static_cast<size_t>(roll / 40) % RegressionOptionPages.size();
            s.push_back(Do([this, page] {
                Note("seat " + std::to_string(Seat()) + " options page " + std::to_string(page));
            }));
            Append(s, Options(RegressionOptionPages[page]));
        }
        if (roll % 100 == 50)
            Append(s, {DialogButton(table_button::Expert), Shown<TAskTheExpertDialog>("the expert"),
                       Do([this, roll] {
                           const std::string advice =
                               Showing<TAskTheExpertDialog>()->GetAdviceEdit()->GetText();
                           EXPECT_FALSE(advice.empty()) << "roll " << roll;
                           Asked += advice.empty() ? 0 : 1;
                           Note("expert asked");
                       }),
                       ClickControl<TAskTheExpertDialog>(IDOK),
                       Gone<TAskTheExpertDialog>("the expert")});
        if (roll % 150 == 75)
            Append(s, {DialogButton(table_button::Statistics),
                       Shown<TCasinoStatDlg>("the statistics"), Do([this] {
                           TCasinoStatDlg* stats = Showing<TCasinoStatDlg>();
                           const TCCSession* session =
                               stats->GetStatRecord()->GetHistory().GetCurrentSession();
                           ASSERT_NE(session, nullptr);
                           Note("stats seat " + std::to_string(Seat()) + " peak " +
                                Amount(session->PeakBankroll) + " low " +
                                Amount(session->LowBankroll));
                       }),
                       ClickControl<TCasinoStatDlg>(IDOK), Gone<TCasinoStatDlg>("the statistics")});
        if (roll % 250 == 125) {
            Leaver = static_cast<i16>(1 + (roll / 250) % 3);
            Append(s, StandOrSit(Leaver, false));
        }
        if (roll % 250 == 200)
            Append(s, StandOrSit(Leaver, true));
        return s;
    }

    // One gambler's turn, planned as it starts: the hand emptied, the line or the odds behind
    // it, a come bet with odds on its number, then spots taken round the whole layout, and now
    // and then a bet taken down.
    TSteps Turn(int roll) {
        const i16 seat = Seat();
        const bool dark = seat == 1;
        const i16 line = dark ? DontPass : PassLine;
        TSteps s;
        if (Lord()->GetBetInHand() > TMoney())
            Append(s, PressButton(table_button::Clear));
        if (Lord()->GetComeOutFlag() == 1) {
            Append(s, Chip(Five));
            Append(s, ClickSpot(line));
        } else {
            // Odds behind the line, once: $10, a multiple that every number pays whole.
            if (Spot(line).HasAmount(seat) && Spot(line).GetOddsAmount(seat) == TMoney()) {
                Append(s, Chip(Five));
                Append(s, Chip(Five));
                Append(s, ClickSpot(line));
            }
            Append(s, Chip(Five));
            Append(s, ClickSpot(dark ? DontCome : Come));
            const i16 first = dark ? FirstDontComeNumber : FirstComeNumber;
            for (i16 k = 0; k < 6; ++k) {
                const auto number = static_cast<i16>(first + k);
                if (Spot(number).HasAmount(seat) && Spot(number).GetOddsAmount(seat) == TMoney()) {
                    Append(s, Chip(Five));
                    Append(s, Chip(Five));
                    Append(s, ClickSpot(number));
                    break;
                }
            }
        }
        // Two spots a roll from a walk round the layout, each seat a step apart.
        for (int k = 0; k < 2; ++k) {
            const auto spot = static_cast<i16>((roll * 2 + k + seat * 15) % 43);
            Append(s, Chip(Bets.Next() % 4 == 3 ? Five : One));
            if (Bets.Next() % 8 == 0)
                Append(s, Chip(One, TMouseButton::Right));
            Append(s, ClickSpot(spot));
        }
        if (Bets.Next() % 7 == 0)
            Append(s, {Do([this, seat] {
                       i16 held = -1;
                       for (i16 spot = Field; spot < 43 && held < 0; ++spot)
                           if (Spot(spot).HasAmount(seat))
                               held = spot;
                       if (held >= 0)
                           Then(TakeDown(seat, held));
                   })});
        return s;
    }

    TLcgRandom Dice;
    TLcgRandom Bets;
    bool Opened = false;
    bool Done = false;
    // The log as the last roll left it, before the program's end.
    std::string Played;
    int Asked = 0;
    i16 Leaver = 1;
};

TEST_F(PlayedRegression, RollsPlayedThroughTheWindowsPayAsTheKeptLogSays) {
    TScopedRandomSource installed(Dice);
    EXPECT_EQ(Play(PlayedRolls * 600'000ULL), 0);
    ASSERT_TRUE(Done) << "stopped at roll " << Roll;
    EXPECT_EQ(Roll, PlayedRolls);
    EXPECT_EQ(Asked, (PlayedRolls + 49) / 100);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
    ASSERT_NE(Log, nullptr);
    const std::string& log = Log->Text;
    if (PlayedRolls == RegressionRolls) {
        for (i16 spot = 0; spot < 43; ++spot)
            EXPECT_NE(log.find(std::string(" ") + SpotName(spot) + " paid "), std::string::npos)
                << SpotName(spot);
    }

    // A shorter run is the kept log's beginning, up to the end of its last roll.
    CheckKeptLog("played_money.log", PlayedRolls == RegressionRolls ? log : Played,
                 PlayedRolls != RegressionRolls);
}

} // namespace
