// The same fifty rolls at the fastest game speed and at the richest, on the built data set with
// one pinned seed: the fastest settles a roll in at most half the richest's time (the round's
// fixed waits aside), its puck, losers and payoffs still come with the dealer's gestures, and
// the mix never reaches full scale.
#include "InnermostState.h"
#include "ProgramSupport.h"

#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/MoneyLedger.h"
#include "craps/table/RoundStates.h"
#include "engine/framework/Skit.h"
#include "engine/framework/SkitCat.h"
#include "engine/framework/SkitList.h"
#include "tools/databuild/content/SkitContent.h"

#include <algorithm>
#include <iostream>
#include <map>

namespace {

constexpr int Rolls = 50;
// The round's own waits, which no skit shortens: after each payoff, per further odds return,
// and for the standing message after the returns.
constexpr u32 PayoffWait = 11;
constexpr u32 OddsReturnWait = TCAct2State::OddsReturnTicks;
constexpr u32 StandingWait = TCAct2State::StandingMessageTicks;

// Payoffs and odds returns, counted as the table makes them.
class TWaitCounter : public TMoneyLedger {
public:
    void Lost(i16, i16, TMoney) override {}
    void Forfeited(i16, i16, TMoney) override {}
    void Paid(i16, i16, TMoney, TMoney) override { ++Payoffs; }
    void OddsReturned(i16, i16, TMoney) override { ++OddsReturns; }
    void Travelled(i16, i16, TMoney) override {}
    void Placed(i16, i16, TMoney, TMoney) override {}
    void TookDown(i16, i16, TMoney) override {}
    u32 Payoffs = 0;
    u32 OddsReturns = 0;
};

// One roll: ticks from the Roll key to the next betting state, and the fixed waits among them.
struct TRollTime {
    u32 Ticks = 0;
    u32 Fixed = 0;
};

// A dealer's skit started: its list's and its own file stem, and the point then (a sum index,
// -1 for none).
struct TStart {
    std::string List;
    std::string Skit;
    i16 Point = -1;
};

struct TSpeedRun {
    int Exit = -1;
    std::vector<std::string> Boxes;
    std::vector<TRollTime> Times;
    std::vector<TStart> Starts;
    u64 Samples = 0;
    u64 Clipped = 0;
};

std::string Stem(const std::string& path) {
    std::string name = path.substr(path.find_last_of("\\/") + 1);
    name = name.substr(0, name.find('.'));
    std::ranges::transform(name, name.begin(),
                           [](char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

u32 Median(std::vector<u32> values) {
    if (values.empty())
        return 0;
    std::ranges::sort(values);
    return values[values.size() / 2];
}

// The program run once at a game speed on a copy of a built data folder, betting and rolling
// as soon as each betting state opens.
class TTimedTable {
public:
    TTimedTable(const std::filesystem::path& data, int speed) {
        TResourceRegistry::Get().Clear();
        RegisterResources();
        RegisterWinGLibrary();
        RegisterWaveMixLibrary();
        std::filesystem::copy(data, Dir.Host("data"), std::filesystem::copy_options::recursive);
        Dir.WriteHostFile("otcraps.ini",
                          "[Intro]\nShow=0\n[Craps]\nDetail Level=" + std::to_string(speed) + "\n");
    }
    ~TTimedTable() { TResourceRegistry::Get().Clear(); }

    TSpeedRun Run() {
        TPinnedSeed seed(27);
        TScopedRandomSource installed(seed);
        Watch();
        CloseAt(Session.Backend().Now() + 1'800'000);
        char program[] = "otcraps";
        char* argv[] = {program, nullptr};
        try {
            Result.Exit = OwlMain(1, argv);
        } catch (const TProcessExit& exit) {
            Result.Exit = exit.Code;
        }
        for (const auto& box : Boxes.Boxes)
            Result.Boxes.push_back(box.Caption + ": " + box.Text);
        return Result;
    }

private:
    static TCasinoCGameLord* Lord() {
        auto* frame = dynamic_cast<TCasOTCrapsGFW*>(TJorpApp::GetApp()->GetFrame());
        return dynamic_cast<TCasinoCGameLord*>(frame->GetModeWindow()->GetMainGameObject());
    }
    static TState* Innermost() { return InnermostState(Lord()); }

    void CloseAt(u64 ms) {
        THeadlessBackend& backend = Session.Backend();
        backend.At(ms, [&backend] {
            TInputEvent close;
            close.Kind = TInputKind::Close;
            backend.At(backend.Now(), close);
        });
    }

    // The samples pulled since the last look, any at full scale counted, then dropped.
    void Listen() {
        THeadlessAudio& audio = Session.Backend().Audio();
        for (i16 s : audio.GetSamples())
            Result.Clipped += s >= 32767 || s <= -32767 ? 1 : 0;
        Result.Samples += audio.GetSamples().size();
        audio.Keep(false);
        audio.Keep(true);
    }

    // Each skit of the lord's lists marked as started, the mark taken off again.
    void NoteStarts() {
        TSkitCat* catalogue = Lord()->GetSkitCat();
        for (i16 n = 0; catalogue != nullptr && n < catalogue->GetCount(); ++n) {
            TSkitList* list = catalogue->GetSkitList(n);
            for (i16 i = 0; list != nullptr && i < list->GetCount(); ++i) {
                TSkit* skit = list->GetSkit(i);
                if (skit == nullptr || !skit->HasFlags(JOF_ON))
                    continue;
                skit->ClearFlags(JOF_ON);
                Result.Starts.push_back({Stem(list->GetFileMode().Name.GetText()),
                                         Stem(skit->GetFileMode().Name.GetText()),
                                         Lord()->GetPoint()});
            }
        }
    }

    // Pass line or come, the field, a place number, a hardway, any seven or the horn.
    void Bet(int roll) {
        TCasinoCGameLord* lord = Lord();
        const bool comeOut = lord->GetPoint() < 0;
        const std::pair<i16, double> bets[] = {
            {4, 1.0},
            {static_cast<i16>(17 + roll % 6), 5.0},
            {static_cast<i16>(13 + roll % 4), 1.0},
            {static_cast<i16>(roll % 2 == 0 ? 8 : 42), 1.0},
            {comeOut ? i16{0} : i16{2}, 5.0},
        };
        for (const auto& [spot, amount] : bets) {
            lord->AddToBetInHand(TMoney(amount));
            lord->PlaceBet(spot);
            lord->ClearBetInHand();
        }
    }

    // Every 20 ms (a tick is 167): a betting state seen after any other state is a fresh one;
    // it ends the roll before it and starts the next.
    void Watch() {
        Session.Backend().After(20, [this] {
            TCasinoCGameLord* lord = Lord();
            const u32 tick = lord->GetOwnerTick();
            if (!Started) {
                Started = true;
                lord->SetMoneyLedger(&Waits);
                Session.Backend().Audio().Keep(true);
            }
            NoteStarts();
            Listen();
            TState* state = Innermost();
            const bool betting = dynamic_cast<TCAct1State*>(state) != nullptr ||
                                 dynamic_cast<TCRemoveState*>(state) != nullptr;
            if (betting && !WasBetting) {
                if (Rolling) {
                    const u32 returns = Waits.OddsReturns;
                    const u32 fixed =
                        PayoffWait * Waits.Payoffs +
                        (returns > 0 ? OddsReturnWait * (returns - 1) + StandingWait : 0);
                    Result.Times.push_back({tick - RollTick, fixed});
                    Rolling = false;
                }
                if (static_cast<int>(Result.Times.size()) == Rolls) {
                    CloseAt(Session.Backend().Now() + 1000);
                } else {
                    Bet(static_cast<int>(Result.Times.size()));
                    Waits.Payoffs = Waits.OddsReturns = 0;
                    RollTick = tick;
                    Rolling = true;
                    Session.Backend().Key(VK_RETURN, '\r');
                }
            }
            WasBetting = betting;
            Watch();
        });
    }

    TTempDir Dir;
    THeadlessSession Session;
    // The question before leaving bets to the house is answered Yes and kept apart.
    TLeavingRecorder Boxes;
    TExitTrap Exits;
    TWaitCounter Waits;
    TSpeedRun Result;
    bool Started = false;
    bool WasBetting = false;
    bool Rolling = false;
    u32 RollTick = 0;
};

// The dealer's beat sprites of each skit ("f1dl", the gesture's letter, its argument...), by
// list and skit stem.
std::map<std::string, std::map<std::string, std::vector<std::string>>>
GesturesOf(const TDataSet& set) {
    std::map<std::string, std::map<std::string, std::vector<std::string>>> gestures;
    for (const TSkitCatModel& catalogue : set.SkitCats)
        for (const TSkitListModel& list : catalogue.Lists)
            for (const TSkitModel& skit : list.Skits)
                for (const TSkitCellModel& cell : skit.Cells)
                    gestures[Stem(list.Name)][Stem(skit.Name)].push_back(Stem(cell.Sprite));
    return gestures;
}

bool Carries(const std::vector<std::string>& sprites, const std::string& start) {
    return std::any_of(sprites.begin(), sprites.end(),
                       [&](const std::string& s) { return s.rfind(start, 0) == 0; });
}

// The number box (0-5: 4, 5, 6, 8, 9, 10) of a point held as a sum index.
int BoxOf(i16 point) {
    static const std::map<i16, int> Boxes = {{2, 0}, {3, 1}, {4, 2}, {6, 3}, {7, 4}, {8, 5}};
    const auto box = Boxes.find(point);
    return box != Boxes.end() ? box->second : -1;
}

TEST(FastestSpeed, FiftyRollsSettleInHalfTheTimeWithEveryGestureAndNoClippedSample) {
    TTempDir built('e');
    std::string error;
    TResourceRegistry::Get().Clear();
    ASSERT_TRUE(PutDataSet(built.Host("data"), error)) << error;
    auto gestures = GesturesOf(MadeSet());

    std::map<int, TSpeedRun> runs;
    std::map<int, u32> medians;
    for (int speed : {0, 3}) {
        SCOPED_TRACE("game speed " + std::to_string(speed));
        TSpeedRun run = TTimedTable(built.Host("data"), speed).Run();
        EXPECT_EQ(run.Exit, 0);
        for (const std::string& box : run.Boxes)
            ADD_FAILURE() << box;
        ASSERT_EQ(run.Times.size(), static_cast<size_t>(Rolls));
        // Heard for the whole run, never at full scale.
        EXPECT_GT(run.Samples, 0U);
        EXPECT_EQ(run.Clipped, 0U);
        std::vector<u32> variable;
        for (const TRollTime& t : run.Times) {
            ASSERT_GE(t.Ticks, t.Fixed);
            variable.push_back(t.Ticks - t.Fixed);
        }
        medians[speed] = Median(variable);
        runs[speed] = std::move(run);
    }
    std::cout << "median ticks from Roll to a settled table, fixed waits aside: fastest "
              << medians[0] << ", richest " << medians[3] << '\n';
    EXPECT_GT(medians[0], 0U);
    EXPECT_LE(2 * medians[0], medians[3]);

    // At the fastest speed the dealer still sets the puck on the point with his hand, lifts it
    // off, sweeps the losers and pays. Only the list's last resort, which the chooser may reach
    // whatever the point, carries the puck to the middle of the numbers.
    std::map<std::string, int> seen;
    int anyPoint = 0;
    for (const TStart& start : runs[0].Starts) {
        const std::vector<std::string>& sprites = gestures[start.List][start.Skit];
        ++seen[start.List];
        if (start.List == "f100kcpm") {
            const bool mid = Carries(sprites, "f1dlmx");
            anyPoint += mid ? 1 : 0;
            EXPECT_TRUE(mid || Carries(sprites, "f1dlm" + std::to_string(BoxOf(start.Point))))
                << start.Skit << " for point " << start.Point;
        } else if (start.List == "f100kcgm") {
            EXPECT_TRUE(Carries(sprites, "f1dll")) << start.Skit;
        } else if (start.List == "f100kcya") {
            EXPECT_TRUE(Carries(sprites, "f1dly")) << start.Skit;
        }
    }
    for (const char* list : {"f100kcpm", "f100kcgm", "f100kcya", "f100kccl"})
        EXPECT_GT(seen[list], 0) << list << " never played in fifty rolls";
    EXPECT_LT(anyPoint, seen["f100kcpm"]);
    std::cout << "points marked " << seen["f100kcpm"] << ", by the last resort " << anyPoint
              << '\n';
}

} // namespace
