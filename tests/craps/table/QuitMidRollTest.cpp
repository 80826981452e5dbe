// Leaving the table while a roll is under way (the window closed, a quit signal, the mode left):
// the roll is settled by the dice already chosen before anyone gets up, so every gambler ends
// with the money and the statistics that the roll played out and a quit after it leave him.
#include "RollStep.h"
#include "SessionDriver.h"

#include "platform/host/Clock.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Named: the unity build puts this file beside others with helpers of the same names.
namespace quit_mid_roll {

using table_spot::AnyCraps;
using table_spot::AnySeven;
using table_spot::Big6;
using table_spot::Big8;
using table_spot::Come;
using table_spot::CrapsEleven;
using table_spot::DontCome;
using table_spot::DontPass;
using table_spot::Field;
using table_spot::FirstBuy;
using table_spot::FirstComeNumber;
using table_spot::FirstDontComeNumber;
using table_spot::FirstHard;
using table_spot::FirstLay;
using table_spot::FirstOneRoll;
using table_spot::Horn;
using table_spot::PassLine;
using table_spot::Three;

constexpr i16 Two = FirstOneRoll;
constexpr i16 Eleven = FirstOneRoll + 2;
constexpr i16 Twelve = FirstOneRoll + 3;

// The generator as loaded dice: the two faces of the next roll, and 0 for every other draw.
class TLoadedDice : public TRandomSource {
public:
    void Seed(u32) override {}
    i32 Next() override {
        if (Faces.empty())
            return 0;
        const i32 next = Faces.front();
        Faces.pop_front();
        return next;
    }
    void Load(i16 face1, i16 face2) { Faces = {face1 - 1, face2 - 1}; }

private:
    std::deque<i32> Faces;
};

struct TBet {
    i16 Seat;
    i16 Spot;
    int Dollars;
};

// The bets made before a roll and the faces it shows.
struct TRound {
    std::vector<TBet> Bets;
    i16 Face1, Face2;
};

// A table that plays rounds through its states and is left when told.
class QuitTable : public SessionTable {
public:
    // Three gamblers of $5,000; the third buys the 4 and 10 instead of placing them.
    void Open(TLoadedDice& dice) {
        Dice = &dice;
        OpenSession(5000.0, 5000.0, 5000.0);
        TCrapsBetOptions buy{};
        buy[OptionBuy4And10] = 1;
        SetOptions(2, buy);
    }
    // The bets, chip by chip into the seat's emptied hand and onto the spot, then the dealer
    // given time to hand the shooter the dice.
    void Bet(const std::vector<TBet>& bets) {
        for (const TBet& bet : bets) {
            for (int turn = 0; turn < 3 && Lord().CurrentSeat != bet.Seat; ++turn)
                NextSeat();
            ASSERT_EQ(Lord().CurrentSeat, bet.Seat);
            Press(table_button::Clear);
            int left = bet.Dollars;
            for (const int chip : {3, 2, 1, 0}) {
                const int worth = chip == 3 ? 100 : chip == 2 ? 25 : chip == 1 ? 5 : 1;
                for (; left >= worth; left -= worth)
                    Chip(chip);
            }
            Click(bet.Spot);
        }
        ASSERT_TRUE(RunUntil([&] {
            const TCAct1State* betting = Running<TCAct1State>();
            return betting != nullptr && betting->GetGiveDiceDone() != 0;
        }));
    }
    // Roll pressed and released with the round's dice loaded.
    void PressRoll(const TRound& round) {
        Dice->Load(round.Face1, round.Face2);
        Lord().LastButtonCode = TCasButton::CodeLeftRelease;
        Lord().ButtonFlags[TCasinoCGameLord::RollButton] = 1;
    }
    // True once the roll has been settled and the next betting round has begun.
    bool RollEnded() {
        const TCAct1State* betting = Running<TCAct1State>();
        return betting != nullptr && betting->GetDiceRolled() == 0 &&
               Lord().ButtonFlags[TCasinoCGameLord::RollButton] == 0;
    }
    void PlayRound(const TRound& round) {
        Bet(round.Bets);
        PressRoll(round);
        ASSERT_TRUE(RunUntil([&] { return Running<TCAct2State>() != nullptr; }));
        ASSERT_TRUE(RunUntil([&] { return RollEnded(); }));
    }
    // Every round but the last played out, and the last one's bets down.
    void Reach(const std::vector<TRound>& rounds) {
        for (size_t r = 0; r + 1 < rounds.size(); ++r)
            PlayRound(rounds[r]);
        Bet(rounds.back().Bets);
    }
    std::string Phase() { return RollStep(Innermost()); }
    // The table left as the mode window leaves it when it is closed or switched away.
    void Quit() { CrapsWindow->UpdateGameObjects(); }
    // The Expert's button released just before, and Roll, when held, still down.
    void PressAsTheTableIsLeft(bool rollHeld) {
        Lord().ButtonFlags[TCAct1State::ExpertButton] = 1;
        if (rollHeld)
            Lord().LastButtonCode = TCasButton::CodePress;
    }
    std::string AdviceText() { return Lord().GetAdviceText(); }
    // The table is left from inside the round's update that takes the first losing bet; the
    // serial of the resolution state then running is kept.
    void QuitOnFirstLoss() {
        Inside = std::make_unique<TLossHook>(Lord());
        Lord().SetMoneyLedger(Inside.get());
        Inside->OnLoss = [this] {
            if (QuitAt != 0)
                return;
            const TCAct2State* resolution = Running<TCAct2State>();
            QuitAt = resolution != nullptr ? resolution->GetSerial() : 1;
            Quit();
        };
    }
    u32 QuitInside() const { return QuitAt; }
    u32 ResolutionSerial() {
        const TCAct2State* resolution = Running<TCAct2State>();
        return resolution != nullptr ? resolution->GetSerial() : 0;
    }

    using SessionTable::RunUntil;
    using SessionTable::Step;
    std::string Records() const {
        std::string all;
        for (i16 record = 0; record < 3; ++record)
            all.append(reinterpret_cast<const char*>(Mgr->GetDataBlock(record)),
                       TCasinoPlayerData::EncodedSize);
        return all;
    }
    TCCSession Session(i16 record) const {
        TCasinoPlayerData data;
        EXPECT_TRUE(data.Decode(Mgr->GetDataBlock(record), TCasinoPlayerData::EncodedSize));
        const TCCSession* session = data.GetHistory().GetCurrentSession();
        return session != nullptr ? *session : TCCSession();
    }
    TMoney BankrollOf(i16 record) const { return Bankroll(record); }
    const std::string& Events() const { return Log->Text; }
    i64 Total() const { return TotalCents(); }
    i64 StartTotal() const { return Start; }

private:
    // The log's ledger, telling of the first loss as well.
    class TLossHook : public TMoneyLog {
    public:
        using TMoneyLog::TMoneyLog;
        void Lost(i16 spot, i16 seat, TMoney amount) override {
            TMoneyLog::Lost(spot, seat, amount);
            if (OnLoss)
                OnLoss();
        }
        std::function<void()> OnLoss;
    };

    TLoadedDice* Dice = nullptr;
    std::unique_ptr<TLossHook> Inside;
    u32 QuitAt = 0;
};

using TTable = TStandalone<QuitTable>;

// What a table ends with once it has been left.
struct TLeft {
    std::string Phase;
    std::vector<i64> Cents;
    std::string Records;
    std::string Events;
};

TLeft Leave(QuitTable& table, const std::string& phase) {
    table.Quit();
    TLeft left{phase, {}, table.Records(), table.Events()};
    for (i16 record = 0; record < 3; ++record)
        left.Cents.push_back(Cents(table.BankrollOf(record)));
    // Nothing came from nowhere or went nowhere.
    EXPECT_EQ(table.Total(), table.StartTotal()) << phase;
    return left;
}

class QuitMidRoll : public ::testing::Test {
protected:
    // The last round's roll played out and the table left, then the same table left at each
    // step the roll goes through: every frame at which its step or its money changes.
    void CheckEveryQuit(const std::vector<TRound>& rounds) {
        TLeft played;
        std::vector<std::string> phases;
        std::vector<size_t> quits;
        {
            TTable table;
            table.Open(Dice);
            table.Reach(rounds);
            table.PressRoll(rounds.back());
            std::string last;
            for (size_t frame = 0; frame < 2000 && !table.RollEnded(); ++frame) {
                table.Step();
                const std::string phase = table.Phase();
                const std::string mark = phase + '/' + std::to_string(table.Events().size());
                phases.push_back(phase);
                if (phase != "betting" && mark != last)
                    quits.push_back(frame);
                last = mark;
            }
            ASSERT_TRUE(table.RollEnded());
            played = Leave(table, "played out");
        }
        for (const char* step : {"call", "pick-up", "throw", "landed", "resolution", "payoff"})
            EXPECT_NE(std::find(phases.begin(), phases.end(), step), phases.end()) << step;
        for (const size_t quit : quits) {
            TTable table;
            table.Open(Dice);
            table.Reach(rounds);
            table.PressRoll(rounds.back());
            for (size_t frame = 0; frame <= quit; ++frame)
                table.Step();
            ASSERT_EQ(table.Phase(), phases[quit]) << "frame " << quit;
            const TLeft left = Leave(table, phases[quit]);
            EXPECT_EQ(left.Cents, played.Cents)
                << "left at the " << left.Phase << ", frame " << quit;
            EXPECT_EQ(left.Events, played.Events) << "left at the " << left.Phase;
            // The roll counts in every gambler's statistics as it would have played out.
            EXPECT_TRUE(left.Records == played.Records) << "left at the " << left.Phase;
        }
    }

    TFakeClock Clock{0, 1'700'000'000};
    TScopedClockSource ClockScope{Clock};
    TLoadedDice Dice;
    TScopedRandomSource Installed{Dice};
};

// The come-out: the line both ways, a field and a craps bet; a hard 4 sets the point.
const TRound ComeOut{
    {{0, PassLine, 10}, {1, DontPass, 10}, {2, PassLine, 10}, {2, Field, 5}, {2, AnyCraps, 5}},
    2,
    2};

// With the 4 on: odds behind both lines, come and don't come, place, buy and lay, the field,
// the props, hardways and big 6 and 8; an easy 6 takes the come bets to the 6.
const TRound PointOn{
    {{0, PassLine, 20},     {0, Come, 10},        {0, FirstBuy + 2, 12}, {0, FirstHard + 1, 5},
     {0, Big8, 10},         {1, DontPass, 20},    {1, DontCome, 10},     {1, FirstLay + 5, 20},
     {1, Field, 5},         {2, FirstBuy, 20},    {2, FirstBuy + 1, 10}, {2, FirstBuy + 4, 10},
     {2, FirstHard + 3, 5}, {2, Big6, 10},        {2, AnySeven, 5},      {2, Horn, 4},
     {2, CrapsEleven, 2},   {2, Eleven, 5},       {2, Twelve, 5},        {2, Two, 5},
     {2, Three, 5},         {2, FirstHard + 2, 5}},
    2,
    4};

// Odds on the come and don't-come 6, new come bets, and one-roll bets for every seat; a hard 6
// decides the 6s and takes the new come bets there.
const TRound Pressed{{{0, FirstComeNumber + 2, 10},
                      {0, Come, 10},
                      {0, Field, 5},
                      {0, Horn, 4},
                      {1, FirstDontComeNumber + 2, 12},
                      {1, DontCome, 10},
                      {1, AnyCraps, 5},
                      {1, FirstHard, 5},
                      {2, Field, 10},
                      {2, AnyCraps, 5},
                      {2, Eleven, 5},
                      {2, CrapsEleven, 2},
                      {2, FirstHard, 5},
                      {2, Big8, 10}},
                     3,
                     3};

TRound Rolling(const TRound& bets, i16 face1, i16 face2) {
    return {bets.Bets, face1, face2};
}

TEST_F(QuitMidRoll, ASevenOutLeftAtAnyStepPaysAndCountsAsPlayedOut) {
    CheckEveryQuit({ComeOut, PointOn, Pressed, Rolling(Pressed, 3, 4)});
}

TEST_F(QuitMidRoll, APointMadeLeftAtAnyStepPaysAndCountsAsPlayedOut) {
    CheckEveryQuit({ComeOut, PointOn, Pressed, Rolling(Pressed, 2, 2)});
}

// After the point is made the come bets keep their odds, which a come-out 11 hands back.
TEST_F(QuitMidRoll, AComeOutThatReturnsOddsLeftAtAnyStepPaysAndCountsAsPlayedOut) {
    const TRound next{{{0, PassLine, 10}, {1, DontPass, 10}, {2, Field, 5}, {2, Eleven, 5}}, 5, 6};
    CheckEveryQuit({ComeOut, PointOn, Pressed, Rolling(Pressed, 2, 2), next});
}

// A lone $100 on the field and the window closed while the dice fly: the roll is settled and
// counted, whether the field loses or wins. The way out neither waits for a Roll button still
// held down nor answers a button pressed just before it.
TEST_F(QuitMidRoll, AFieldBetLeftMidRollIsSettledAndCounted) {
    const struct {
        i16 Face1, Face2;
        const char* Phase;
        bool Held;
        i64 Cents;
    } cases[] = {{3, 4, "throw", false, 490000},
                 {6, 6, "throw", false, 530000},
                 {6, 6, "pick-up", true, 530000},
                 {4, 5, "resolution", false, 510000}};
    for (const auto& c : cases) {
        TTable table;
        table.Open(Dice);
        table.Bet({{0, Field, 100}});
        table.PressRoll({{}, c.Face1, c.Face2});
        ASSERT_TRUE(table.RunUntil([&] { return table.Phase() == c.Phase; })) << c.Phase;
        table.PressAsTheTableIsLeft(c.Held);
        table.Quit();
        EXPECT_EQ(Cents(table.BankrollOf(0)), c.Cents) << c.Phase;
        const TCCSession session = table.Session(0);
        EXPECT_EQ(session.TotalBet, TMoney(100)) << c.Phase;
        EXPECT_EQ(session.TotalLost, TMoney(c.Cents < 500000 ? 100 : 0)) << c.Phase;
        EXPECT_FALSE(session.IsOpen()) << c.Phase;
        EXPECT_EQ(table.AdviceText(), "") << c.Phase;
    }
}

// A close that arrives while the round's own update is still on the stack (a dialog it opened
// running its loop) cannot run the round on to its end under that update: the states stay as
// they are for the update to return to.
TEST_F(QuitMidRoll, ALeavingFromInsideTheRoundsUpdateLeavesTheStatesToIt) {
    TTable table;
    table.Open(Dice);
    table.Bet({{0, Field, 100}, {1, AnySeven, 5}});
    table.QuitOnFirstLoss();
    table.PressRoll({{}, 3, 4});
    ASSERT_TRUE(table.RunUntil([&] { return table.QuitInside() != 0; }));
    EXPECT_EQ(table.QuitInside(), table.ResolutionSerial());
    EXPECT_EQ(table.Phase(), "resolution");
}

} // namespace quit_mid_roll
