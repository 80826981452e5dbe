// The regression run through the real program's input: three gamblers made and seated through
// the menus, chips and spots clicked for every kind of bet with odds, bets taken down, options
// changed in their dialog, the expert and the statistics opened by their buttons, gamblers
// standing up and sitting down; every money event goes to a log that must match the one kept
// in tests/golden, so any change to a payout or to how input reaches the table shows as a
// diff. An optimized build plays all 2,000 rolls; under the sanitizers, where a roll through
// the whole program costs about a quarter of a second, the first 150 are compared with the
// log's beginning.
#include "PlayedTable.h"

#include "casino/CasinoPlayerData.h"
#include "casino/GamblerCreateDialog.h"
#include "casino/GamblerDialog.h"
#include "casino/GamblerMsgDlg.h"
#include "craps/stats/CasinoStatDlg.h"
#include "craps/table/BetOptionsDlg.h"
#include "engine/framework/AskTheExpertDialog.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Edit.h"
#include "support/KeptLog.h"
#include "support/ScratchDir.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int Rolls = 150;
#else
constexpr int Rolls = 2000;
#endif

using namespace table_spot;
using TOptions = std::array<u8, 7>;

// Chip indexes: $1 and $5.
constexpr int One = 0, Five = 1;
// The gamblers made, in record order after Joe Gambler's record 0.
constexpr std::array<const char*, 3> Names = {"Ann", "Bob", "Cy"};
constexpr i16 Records = 4;
constexpr int GamblerList = 100, ActivateButton = 200, DoneButton = 201, CreateButton = 203;
constexpr int StartWith2500 = 207, CreateGambler = 208;
// The option pages the gamblers switch between, as in the options dialog: buy (1) or place on
// 4 and 10, 5 and 9, 6 and 8, then come odds, don't-come odds, place bets and hardways working
// on the come-out.
constexpr std::array<TOptions, 4> OptionPages = {
    {{0, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1, 1}, {1, 0, 1, 0, 1, 0, 1}, {0, 1, 0, 1, 0, 1, 0}}};
constexpr std::array<int, 3> BuyIds = {105, 108, 111}, PlaceIds = {106, 109, 112};
constexpr std::array<int, 4> WorkingIds = {114, 115, 116, 117};
constexpr int AcceptChanges = 103;

class PlayedRegression : public PlayedTable {
protected:
    PlayedRegression() {
        Build();
        // The fastest game speed, as a player who set it in an earlier session.
        Dir.WriteHostFile("otcraps.ini", "[Craps]\nDetail Level=0\n");
        Dice.Seed(20240611);
        Bets.Seed(1987);
        Plan = [this] { return PlanMore(); };
    }

    void Note(const std::string& text) {
        if (Log != nullptr)
            Log->Note(text);
    }
    i16 Seat() const { return Lord()->GetCurrentSeat(); }
    static TCBetSpot& Spot(i16 spot) { return *Lord()->GetBetSpot(spot); }

    bool PlanMore() {
        if (!Opened) {
            Opened = true;
            Then(Opening());
            return true;
        }
        // The program then closes with the last shoot's bets still down: what its end hands
        // back or keeps is logged too.
        if (Roll == Rolls) {
            Played = Log->Text;
            Done = true;
            return false;
        }
        TSteps steps = Between(Roll);
        steps.push_back(Do([this] {
            TSteps turns;
            const int seated = Lord()->CountOccupiedSeats();
            for (int turn = 0; turn < seated; ++turn) {
                turns.push_back(Do([this] { Then(Turn(Roll)); }));
                if (seated > 1)
                    Append(turns, ClickSeatStrip());
            }
            Append(turns, RollDice());
            Then(std::move(turns));
        }));
        Then(std::move(steps));
        return true;
    }
    static void Append(TSteps& to, TSteps more) {
        for (TStep& step : more)
            to.push_back(std::move(step));
    }

    // Past the intro with a click, Joe Gambler stood up and three gamblers of $2,500 made,
    // each seated as he is made; then each takes his first option page.
    TSteps Opening() {
        TSteps s = {
            Until([] { return Frame() != nullptr && Mode() != nullptr; }, "the frame"),
            Until([this] { return Now() >= 1500; }, "the intro"),
            Do([this] { Session.Backend().Click(OnMode(320, 240)); }),
            Until(
                [] {
                    return CurrentModeId() == TCasOTCrapsGFW::CrapsModeId && Lord() != nullptr &&
                           Running<TCAct1State>();
                },
                "the table"),
        };
        Append(s, Menu(0, 0));
        Append(s,
               {Shown<TGamblerDialog>("the gambler list"), ClickRow<TGamblerDialog>(GamblerList, 0),
                ClickControl<TGamblerDialog>(ActivateButton),
                Until([] { return !Mgr().IsActive(0); }, "Joe Gambler to stand up")});
        for (const char* name : Names)
            Append(s, {ClickControl<TGamblerDialog>(CreateButton),
                       Shown<TGamblerCreateDialog>("the create dialog"), Do([this, name] {
                           for (const char* c = name; *c != '\0'; ++c)
                               Session.Backend().Type(*c);
                       }),
                       ClickControl<TGamblerCreateDialog>(StartWith2500),
                       ClickControl<TGamblerCreateDialog>(CreateGambler),
                       Shown<TGamblerMsgDlg>("the gambler message"), Do([this, name] {
                           auto* text =
                               dynamic_cast<TStatic*>(Showing<TGamblerMsgDlg>()->GetDlgItem(100));
                           ASSERT_NE(text, nullptr);
                           EXPECT_EQ(text->GetText(), "Gambler " + std::string(name) +
                                                          " was also activated for your "
                                                          "convenience.\n\nYou should see an "
                                                          "asterisk next to the name.");
                       }),
                       ClickControl<TGamblerMsgDlg>(IDOK), Gone<TGamblerMsgDlg>("the message"),
                       Gone<TGamblerCreateDialog>("the create dialog")});
        Append(s,
               {ClickControl<TGamblerDialog>(DoneButton), Gone<TGamblerDialog>("the list"),
                Until([] { return Lord()->CountOccupiedSeats() == 3; }, "three seated"), Do([this] {
                    for (i16 record = 1; record < Records; ++record)
                        EXPECT_EQ(Bankroll(record), TMoney(2500.0)) << record;
                    Log = std::make_unique<TMoneyLog>(*Lord());
                    Lord()->SetMoneyLedger(Log.get());
                    Start = TotalCents(Records);
                })});
        for (size_t seat = 0; seat < 3; ++seat) {
            Append(s, Options(OptionPages[seat]));
            Append(s, ClickSeatStrip());
        }
        return s;
    }

    // The options dialog from the Options menu, its buttons clicked to the page, accepted.
    TSteps Options(const TOptions& page) {
        TSteps s = Menu(1, 0);
        Append(s, {Shown<TCasinoCrapsBetOptionsDlg>("the options"), Do([this, page] {
                       auto* dialog = Showing<TCasinoCrapsBetOptionsDlg>();
                       const auto click = [&](int id) {
                           Session.Backend().Click(
                               Centre(TDesktop::Get().ScreenClientRect(dialog->GetDlgItem(id))));
                       };
                       for (size_t i = 0; i < BuyIds.size(); ++i)
                           click(page[i] != 0 ? BuyIds[i] : PlaceIds[i]);
                       for (size_t i = 0; i < WorkingIds.size(); ++i) {
                           auto* box = dynamic_cast<TCheckBox*>(dialog->GetDlgItem(WorkingIds[i]));
                           if ((box->GetCheck() == BF_CHECKED) != (page[BuyIds.size() + i] != 0))
                               click(WorkingIds[i]);
                       }
                   }),
                   ClickControl<TCasinoCrapsBetOptionsDlg>(AcceptChanges),
                   Gone<TCasinoCrapsBetOptionsDlg>("the options")});
        return s;
    }

    // Between rolls: options changed, the expert asked, the statistics read, gamblers up and
    // back down again.
    TSteps Between(int roll) {
        TSteps s;
        if (roll % 40 == 20) {
            const size_t page = static_cast<size_t>(roll / 40) % OptionPages.size();
            s.push_back(Do([this, page] {
                Note("seat " + std::to_string(Seat()) + " options page " + std::to_string(page));
            }));
            Append(s, Options(OptionPages[page]));
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

    // A table button that opens a dialog: its click, with no wait for frames, which stop
    // while the dialog is up.
    TStep DialogButton(i16 button) {
        return Do([this, button] {
            for (const TTableButton& b : TableButtons())
                if (b.Number == static_cast<u16>(button))
                    Session.Backend().Click(
                        OnMode((b.Box.L + b.Box.R) / 2, (b.Box.T + b.Box.B) / 2));
        });
    }

    // A gambler's row in the list, then Activate or DeActivate.
    TSteps StandOrSit(i16 record, bool sit) {
        TSteps s = {Do([this, record, sit] {
            std::string where;
            if (!sit)
                for (i16 seat = 0; seat < 3; ++seat)
                    if (Lord()->GetSeatPlayerData(seat) == Mgr().GetDataBlock(record))
                        where = " from seat " + std::to_string(seat);
            Note("record " + std::to_string(record) + (sit ? " sits down" : " stands up") + where);
        })};
        Append(s, Menu(0, 0));
        Append(s,
               {Shown<TGamblerDialog>("the gambler list"),
                ClickRow<TGamblerDialog>(GamblerList, record),
                Until([record] { return Showing<TGamblerDialog>()->GetSelectedRecord() == record; },
                      "the gambler's row"),
                ClickControl<TGamblerDialog>(ActivateButton),
                Until([record, sit] { return Mgr().IsActive(record) == sit; },
                      sit ? "the gambler seated" : "the gambler stood up"),
                ClickControl<TGamblerDialog>(DoneButton), Gone<TGamblerDialog>("the list")});
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

    // The take-down button, a click on the spot, and the button again if the state is still
    // taking bets down (a seat left with nothing ends it by itself).
    TSteps TakeDown(i16 seat, i16 spot) {
        TSteps s = {Do([this, seat] { Note("seat " + std::to_string(seat) + " takes down"); })};
        Append(s, PressButton(table_button::TakeDown));
        s.push_back(Until([] { return Running<TCRemoveState>(); }, "the take-down state", 5'000));
        Append(s, ClickSpot(spot));
        s.push_back(Do([this] {
            if (Running<TCRemoveState>())
                Then(PressButton(table_button::TakeDown));
        }));
        s.push_back(Until([] { return Running<TCAct1State>(); }, "betting again", 5'000));
        return s;
    }

    // Roll clicked; the roll's line goes before the events it caused, and the money is
    // counted once betting opens again.
    TSteps RollDice() {
        auto before = std::make_shared<std::pair<std::string, std::string>>();
        TSteps s = {Do([this, before] {
            const bool comeOut = Lord()->GetComeOutFlag() == 1;
            before->second = comeOut ? std::string("come_out")
                                     : "point " + std::to_string(Lord()->GetPoint() + 2);
            EXPECT_TRUE(Lord()->TableHasAnyBet()) << "roll " << Roll;
            before->first = std::move(Log->Text);
            Log->Text.clear();
        })};
        Append(s, PressButton(table_button::Roll));
        Append(s, {Until([] { return !Running<TCAct1State>() && !Running<TCRemoveState>(); },
                         "the roll", 10'000),
                   Until([] { return Running<TCAct1State>(); }, "betting after the roll"),
                   Do([this, before] {
                       const std::string settled = std::move(Log->Text);
                       Log->Text = std::move(before->first);
                       ++Roll;
                       Note("roll " + std::to_string(Roll) + ' ' +
                            std::to_string(Lord()->GetDie1() + 1) + '+' +
                            std::to_string(Lord()->GetDie2() + 1) + ' ' + before->second);
                       Log->Text += settled;
                       EXPECT_EQ(TotalCents(Records), Start) << "roll " << Roll;
                   })});
        return s;
    }

    TLcgRandom Dice;
    TLcgRandom Bets;
    bool Opened = false;
    bool Done = false;
    // The log as the last roll left it, before the program's end.
    std::string Played;
    int Roll = 0;
    int Asked = 0;
    i16 Leaver = 1;
    i64 Start = 0;
};

TEST_F(PlayedRegression, RollsPlayedThroughTheWindowsPayAsTheKeptLogSays) {
    TScopedRandomSource installed(Dice);
    EXPECT_EQ(Play(Rolls * 600'000ULL), 0);
    ASSERT_TRUE(Done) << "stopped at roll " << Roll;
    EXPECT_EQ(Roll, Rolls);
    EXPECT_EQ(Asked, (Rolls + 49) / 100);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
    ASSERT_NE(Log, nullptr);
    const std::string& log = Log->Text;
    if (Rolls == 2000) {
        for (i16 spot = 0; spot < 43; ++spot)
            EXPECT_NE(log.find(std::string(" ") + SpotName(spot) + " paid "), std::string::npos)
                << SpotName(spot);
    }

    const std::filesystem::path golden = KeptLogPath("played_money.log");
    if (UpdatingKeptLogs() && Rolls == 2000) {
        std::ofstream(golden, std::ios::binary) << log;
        std::cout << "rewrote " << golden << '\n';
        return;
    }
    const std::string want = ReadText(golden);
    ASSERT_FALSE(want.empty()) << "no golden log " << golden
                               << " (run an optimized build with OTCRAPS_UPDATE_GOLDEN=1)";
    // A shorter run is the kept log's beginning, up to the end of its last roll.
    const std::string& got = Rolls == 2000 ? log : Played;
    const std::string kept = Rolls == 2000 ? want : want.substr(0, got.size());
    if (kept != got) {
        const std::filesystem::path actual = MakeUniqueDir("golden") / "played_money.log";
        std::ofstream(actual, std::ios::binary) << got;
        ADD_FAILURE() << "the money log differs from " << golden << " at "
                      << FirstDifference(kept, got) << "; the whole log now is in " << actual;
    }
}

} // namespace
