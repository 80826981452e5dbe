// Fifty rolls of the real program on the built data set with a pinned seed: Joe Gambler bets on
// many spots each roll; no message box and no fatal ending, every cent accounted for, and every
// dealer's skit list that started a line is heard in the mix the headless device pulls.
#include "InnermostState.h"
#include "ProgramSupport.h"

#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/MoneyLedger.h"
#include "craps/table/RoundStates.h"
#include "engine/framework/Skit.h"
#include "engine/framework/SkitCat.h"
#include "engine/framework/SkitList.h"
#include "platform/host/RuntimeRandom.h"
#include "tools/databuild/content/DealerSounds.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

namespace {

// Bankroll moves the table makes that are not money changing places between bankroll and bets.
class TTally : public TMoneyLedger {
public:
    void Lost(i16, i16 seat, TMoney amount) override { Net[seat] -= amount; }
    void Forfeited(i16, i16 seat, TMoney amount) override { Net[seat] -= amount; }
    void Paid(i16, i16 seat, TMoney, TMoney win) override { Net[seat] += win; }
    void OddsReturned(i16, i16, TMoney) override {}
    void Travelled(i16, i16, TMoney) override {}
    void Placed(i16, i16, TMoney, TMoney) override {}
    void TookDown(i16, i16, TMoney) override {}
    TMoney Net[3];
};

// The lowercase file stem of a path: "\\dir\\name.ext" -> "name".
std::string Stem(const std::string& path) {
    std::string name = path.substr(path.find_last_of("\\/") + 1);
    name = name.substr(0, name.find('.'));
    std::ranges::transform(name, name.begin(),
                           [](char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

// A wave of a skit: from its tick in the skit, for as many ticks as it lasts.
struct TWaveCue {
    u32 Offset = 0;
    u32 Ticks = 0;
};

// A skit started, at the tick it was seen.
struct TStarted {
    std::string List;
    std::string Skit;
    u32 Tick = 0;
};

// The loudest sample pulled between two looks, with the tick seen at the second.
struct TListen {
    u32 Tick = 0;
    i32 Peak = 0;
};

// The bets of one roll, by table spot: pass line, come, field, a place number, a hardway, any
// seven and the horn's 11 in turn.
struct TBet {
    i16 Spot;
    double Amount;
};

constexpr i16 TableSpots = 43;
constexpr int Rolls = 50;
// Quieter than this is silence: the synthesized lines peak far above it.
constexpr i32 Silence = 200;

class FiftyRounds : public ProgramFixture {
protected:
    static TCasinoCGameLord* Lord() {
        return dynamic_cast<TCasinoCGameLord*>(Mode()->GetMainGameObject());
    }
    static TState* Innermost() { return InnermostState(Lord()); }
    // Seat 0's bankroll and everything it has in hand and on the table.
    static TMoney Holding() {
        TCasinoCGameLord* lord = Lord();
        TMoney total = lord->GetBankroll(0) + lord->GetBetInHand();
        for (i16 spot = 0; spot < TableSpots; ++spot)
            total +=
                lord->GetBetSpot(spot)->GetAmount(0) + lord->GetBetSpot(spot)->GetOddsAmount(0);
        return total;
    }

    // The waves each skit of each dealer's list plays, read from the model the build writes.
    void NoteWaves(const TDataSet& set) {
        for (const TSkitCatModel& catalogue : set.SkitCats) {
            const TSpriteListModel* sprites = set.FindSpriteList(catalogue.SpriteList);
            for (const TSkitListModel& list : catalogue.Lists)
                for (const TSkitModel& skit : list.Skits) {
                    std::vector<TWaveCue>& cues = Waves[Stem(list.Name)][Stem(skit.Name)];
                    for (const TSkitCellModel& cell : skit.Cells) {
                        const TSpriteModel* sprite =
                            sprites != nullptr ? sprites->Find(cell.Sprite) : nullptr;
                        if (sprite == nullptr)
                            continue;
                        for (const TCellModel& member : sprite->GetCells())
                            if (!member.IsAnm)
                                if (const TRawFile* wave = set.FindRaw(member.File))
                                    cues.push_back({u32{cell.Row} + member.Row, WaveTicks(*wave)});
                    }
                }
        }
    }

    // Each started skit of the lord's lists, marked so by its start; the mark taken off again
    // so that the next start shows.
    void NoteStarts(u32 tick) {
        TSkitCat* catalogue = Lord()->GetSkitCat();
        for (i16 n = 0; catalogue != nullptr && n < catalogue->GetCount(); ++n) {
            TSkitList* list = catalogue->GetSkitList(n);
            if (list == nullptr)
                continue;
            for (i16 i = 0; i < list->GetCount(); ++i) {
                TSkit* skit = list->GetSkit(i);
                if (skit == nullptr || !skit->HasFlags(JOF_ON))
                    continue;
                skit->ClearFlags(JOF_ON);
                Started.push_back({Stem(list->GetFileMode().Name.GetText()),
                                   Stem(skit->GetFileMode().Name.GetText()), tick});
            }
        }
    }

    void Listen(u32 tick) {
        THeadlessAudio& audio = Session.Backend().Audio();
        i32 peak = 0;
        for (i16 s : audio.GetSamples())
            peak = std::max(peak, std::abs(i32{s}));
        Heard.push_back({tick, peak});
        // Dropped, then kept afresh: each look holds only what came since the last.
        audio.Keep(false);
        audio.Keep(true);
    }

    void Bet(int roll) {
        TCasinoCGameLord* lord = Lord();
        const bool comeOut = lord->GetPoint() < 0;
        std::vector<TBet> bets = {{4, 1.0},
                                  {static_cast<i16>(17 + roll % 6), 5.0},
                                  {static_cast<i16>(13 + roll % 4), 1.0},
                                  {static_cast<i16>(roll % 2 == 0 ? 8 : 42), 1.0}};
        bets.push_back(comeOut ? TBet{0, 5.0} : TBet{2, 5.0});
        for (const TBet& bet : bets) {
            lord->AddToBetInHand(TMoney(bet.Amount));
            lord->PlaceBet(bet.Spot);
            lord->ClearBetInHand();
        }
    }

    // Every 20 ms: skit starts and the mix noted; at each fresh betting state the money
    // checked, then the bets and the roll, until the last roll is settled.
    void Watch() {
        Session.Backend().After(20, [this] {
            TCasinoCGameLord* lord = Lord();
            const u32 tick = lord->GetOwnerTick();
            if (Ledger == nullptr) {
                Ledger = std::make_unique<TTally>();
                lord->SetMoneyLedger(Ledger.get());
                Start = Holding();
                Session.Backend().Audio().Keep(true);
            }
            NoteStarts(tick);
            Listen(tick);
            auto* betting = dynamic_cast<TCAct1State*>(Innermost());
            if (betting != nullptr && Betting.insert(betting->GetSerial()).second) {
                Drift.push_back((Holding() - (Start + Ledger->Net[0])).GetValue());
                if (Rolled == Rolls) {
                    CloseAt(Session.Backend().Now() + 3000);
                    Closing = true;
                }
                if (Closing) {
                    Watch();
                    return;
                }
                Bet(Rolled++);
                Session.Backend().Key(VK_RETURN, '\r');
            }
            Watch();
        });
    }

    std::map<std::string, std::map<std::string, std::vector<TWaveCue>>> Waves;
    std::unique_ptr<TTally> Ledger;
    TMoney Start;
    // The serials of the betting states seen: a new one is a new round.
    std::set<u32> Betting;
    int Rolled = 0;
    bool Closing = false;
    std::vector<double> Drift;
    std::vector<TStarted> Started;
    std::vector<TListen> Heard;
};

TEST_F(FiftyRounds, FiftyRollsPlayWithoutABoxEveryCentKeptAndEverySpokenListHeard) {
    Build([this](TDataSet& set) { NoteWaves(set); });
    Dir.WriteHostFile("otcraps.ini", "[Intro]\nShow=0\n");
    TPinnedSeed seed(27);
    TScopedRandomSource installed(seed);
    Watch();
    CloseAt(Session.Backend().Now() + 1'800'000);
    EXPECT_EQ(RunOwlMain(), 0);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
    EXPECT_EQ(Rolled, Rolls);
    ASSERT_EQ(Drift.size(), static_cast<size_t>(Rolls) + 1);
    for (size_t i = 0; i < Drift.size(); ++i)
        EXPECT_NEAR(Drift[i], 0.0, 1e-9) << "before roll " << i;

    // A wave is heard when the mix is louder than silence from its tick until it has had its
    // length and a second more (a line may wait for the channel).
    constexpr u32 Slack = 6;
    ASSERT_FALSE(Heard.empty());
    std::map<std::string, std::pair<int, int>> lists; // spoken starts, heard starts
    std::set<std::string> used;
    for (const TStarted& start : Started) {
        used.insert(start.List);
        const auto list = Waves.find(start.List);
        ASSERT_NE(list, Waves.end()) << start.List;
        const auto skit = list->second.find(start.Skit);
        ASSERT_NE(skit, list->second.end()) << start.List << " " << start.Skit;
        for (const TWaveCue& cue : skit->second) {
            const u32 from = start.Tick + cue.Offset, to = from + cue.Ticks + Slack;
            // A line still due when the program closed is not judged.
            if (to > Heard.back().Tick)
                continue;
            i32 peak = 0;
            for (const TListen& look : Heard)
                if (look.Tick > from && look.Tick <= to)
                    peak = std::max(peak, look.Peak);
            auto& [spoken, heard] = lists[start.List];
            ++spoken;
            heard += peak > Silence ? 1 : 0;
            EXPECT_GT(peak, Silence) << start.List << " " << start.Skit << " at tick " << start.Tick
                                     << " wave at " << cue.Offset;
        }
    }
    // The dealer spoke from many lists over fifty rolls: calls, points, payouts and the rest.
    EXPECT_GE(used.size(), 15U);
    EXPECT_GE(lists.size(), 10U);
    for (const auto& [name, counts] : lists)
        EXPECT_EQ(counts.second, counts.first) << name;
    std::cout << "skit lists started " << used.size() << ", spoken " << lists.size() << ", skits "
              << Started.size() << '\n';
}

} // namespace
