// Rounds of the real program on the built data set, watched tick by tick: the puck laid on a
// new point, the losers taken and the puck lifted off a decided point each happen once, at
// their tick inside the dealer's skit, or at the skit's end when it is shorter or none plays;
// and the shooter's pick-up chosen by the shooter's sex.
#include "InnermostState.h"
#include "ProgramSupport.h"

#include "craps/bets/spots/BetSpot.h"
#include "craps/table/CrapsGameLord.h"
#include "craps/table/MoneyLedger.h"
#include "craps/table/Puck.h"
#include "craps/table/RoundStates.h"
#include "engine/media/Anm.h"
#include "platform/host/RuntimeRandom.h"

#include <map>
#include <set>

namespace {

// The lord's fields the test sets, named through member pointers on the program's own lord.
class TLordFields : public TC1GameLord {
public:
    using TCasinoCGameLord::ShooterSeat;
};

// The tick of every lost bet.
class TLosses : public TMoneyLedger {
public:
    explicit TLosses(const TCasinoCGameLord* lord) : Lord(lord) {}
    void Lost(i16 spot, i16, TMoney) override { Ticks.emplace_back(Lord->GetOwnerTick(), spot); }
    void Forfeited(i16, i16, TMoney) override {}
    void Paid(i16, i16, TMoney, TMoney) override {}
    void OddsReturned(i16, i16, TMoney) override {}
    void Travelled(i16, i16, TMoney) override {}
    void Placed(i16, i16, TMoney, TMoney) override {}
    void TookDown(i16, i16, TMoney) override {}
    const TCasinoCGameLord* Lord;
    std::vector<std::pair<u32, i16>> Ticks;
};

// What the table showed after a tick's frame.
struct TSeen {
    bool PuckOn = false;
    u32 PuckFrame = 0;
    i16 Point = -1;
};

constexpr i16 PassLine = 0;
constexpr i16 AnySeven = 8;

// The tick inside the place-mark skit at which the puck lands on the point (a sum index).
u32 Landing(i16 point) {
    return point == 2 ? 7 : point <= 4 ? 8 : point <= 7 ? 9 : 10;
}

class PuckTicks : public ProgramFixture {
protected:
    static TCasinoCGameLord* Lord() {
        return dynamic_cast<TCasinoCGameLord*>(Mode()->GetMainGameObject());
    }
    static TCPuck* Puck() {
        for (i16 n = 0; n <= Lord()->LastSpriteIndex(); ++n)
            if (auto* puck = dynamic_cast<TCPuck*>(Lord()->GetSpriteAt(n)))
                return puck;
        return nullptr;
    }
    static TState* Innermost() { return InnermostState(Lord()); }
    // Every 20 ms (several looks a frame): the table noted by tick, a fresh betting state given
    // the pass line and a dollar on any seven, then the roll.
    void Watch(int rolls) {
        Session.Backend().After(20, [this, rolls] {
            TCasinoCGameLord* lord = Lord();
            if (Ledger == nullptr) {
                Ledger = std::make_unique<TLosses>(lord);
                lord->SetMoneyLedger(Ledger.get());
            }
            const TAnm* picture = Puck()->GetPicture();
            Seen[lord->GetOwnerTick()] = {(Puck()->GetFlags() & JOF_SHOWN) != 0,
                                          picture->GetCurrentData().CurrentFrame, lord->GetPoint()};
            auto* betting = dynamic_cast<TCAct1State*>(Innermost());
            int left = rolls;
            if (betting != nullptr && Betting.insert(betting->GetSerial()).second && left-- > 0) {
                LeftOnTable += lord->GetBetSpot(AnySeven)->HasAmount(0) ? 1 : 0;
                for (i16 spot : {PassLine, AnySeven}) {
                    lord->AddToBetInHand(TMoney(spot == PassLine ? 5.0 : 1.0));
                    lord->PlaceBet(spot);
                    lord->ClearBetInHand();
                }
                Session.Backend().Key(VK_RETURN, '\r');
            }
            if (left >= 0)
                Watch(left);
            else
                CloseAt(Session.Backend().Now() + 100);
        });
    }
    std::unique_ptr<TLosses> Ledger;
    std::map<u32, TSeen> Seen;
    // The serials of the betting states seen: a new one is a new round.
    std::set<u32> Betting;
    int LeftOnTable = 0;
};

TEST_F(PuckTicks, ThePuckAndTheLosersEachMoveOnceAtTheirTickOrAtTheSkitsEnd) {
    struct Case {
        const char* Name;
        // 0: the built lengths; 1: one tick each; -1: no skit in the lists.
        int Length;
        u32 PuckOn, Losers, PuckOff;
    };
    // From the tick the point is set: the puck on it, and the losers taken; from the tick the
    // point is over: the puck shown off. The built skits: place mark 11 ticks, losers at tick 4
    // of a 5-tick skit, the puck lifted at tick 3 and laid off at tick 4 of get mark.
    const Case cases[] = {
        {"built skits", 0, 12, 17, 5}, {"one-tick skits", 1, 2, 4, 1}, {"no skits", -1, 1, 2, 1}};
    // How long the built skits may hold a move back: a line the dealer is still saying.
    constexpr u32 Window = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Build([&](TDataSet& set) {
            for (TSkitCatModel& catalogue : set.SkitCats)
                for (TSkitListModel& list : catalogue.Lists)
                    for (const char* stem : {"f100kcpm", "f100kccl", "f100kcgm"})
                        if (c.Length != 0 && list.Name.find(stem) != std::string::npos) {
                            if (c.Length < 0)
                                list.Skits.clear();
                            for (TSkitModel& skit : list.Skits)
                                for (TSkitCellModel& cell : skit.Cells)
                                    cell.Duration = static_cast<u32>(c.Length);
                        }
        });
        Dir.WriteHostFile("otcraps.ini", "[Intro]\nShow=0\n");
        TPinnedSeed seed(22);
        TScopedRandomSource installed(seed);
        Ledger.reset();
        Seen.clear();
        Betting.clear();
        LeftOnTable = 0;
        Watch(18);
        CloseAt(Session.Backend().Now() + 900'000);
        EXPECT_EQ(RunOwlMain(), 0);
        for (const auto& box : Boxes.Boxes)
            ADD_FAILURE() << box.Caption << ": " << box.Text;
        ASSERT_NE(Ledger, nullptr);
        EXPECT_EQ(LeftOnTable, 0) << "a lost bet stayed on the table";
        // Each change of the point is followed by exactly one change of the puck, at its tick.
        // The built skits vary in length with what the dealer says and may wait for him to
        // finish a line: there the puck and the losers move once within the next skits.
        std::map<u32, u32> expected;
        std::vector<std::pair<u32, u32>> built;
        int set = 0, over = 0;
        i16 point = -1;
        for (const auto& [tick, seen] : Seen) {
            if (seen.Point == point)
                continue;
            if (seen.Point >= 0) {
                ++set;
                if (c.Length == 0) {
                    built.push_back(
                        {tick + 1 + Landing(seen.Point), TCPuck::FrameOfPoint(seen.Point)});
                    // The first loss after the mark: no sooner than its skit allows.
                    const auto lost =
                        std::find_if(Ledger->Ticks.begin(), Ledger->Ticks.end(),
                                     [&](const std::pair<u32, i16>& t) {
                                         return t.second == AnySeven && t.first > tick;
                                     });
                    ASSERT_NE(lost, Ledger->Ticks.end()) << "point set at " << tick;
                    EXPECT_GE(lost->first, tick + c.Losers - 2) << "point set at " << tick;
                    EXPECT_LE(lost->first, tick + c.Losers + Window) << "point set at " << tick;
                } else {
                    expected[tick + c.PuckOn] = TCPuck::FrameOfPoint(seen.Point);
                    EXPECT_EQ(std::count(Ledger->Ticks.begin(), Ledger->Ticks.end(),
                                         std::pair<u32, i16>{tick + c.Losers, AnySeven}),
                              1)
                        << "point set at " << tick;
                }
            } else {
                ++over;
                if (c.Length == 0)
                    built.push_back({tick + c.PuckOff, 0});
                else
                    expected[tick + c.PuckOff] = 0;
            }
            point = seen.Point;
        }
        EXPECT_GE(set, 3);
        EXPECT_GE(over, 3);
        std::map<u32, u32> frames;
        u32 last = 0;
        for (const auto& [tick, seen] : Seen)
            if (seen.PuckOn && tick > 1 && seen.PuckFrame != last)
                frames[tick] = last = seen.PuckFrame;
        if (c.Length != 0) {
            EXPECT_EQ(frames, expected);
        } else {
            // In order, each at or after its earliest tick and before the next change is due.
            ASSERT_EQ(frames.size(), built.size());
            auto shown = frames.begin();
            for (size_t i = 0; i < built.size(); ++i, ++shown) {
                EXPECT_EQ(shown->second, built[i].second) << "change " << i;
                EXPECT_GE(shown->first, built[i].first) << "change " << i;
                EXPECT_LE(shown->first, built[i].first + Window) << "change " << i;
            }
        }
        // Any seven loses every roll but a seven, once.
        std::set<u32> lost;
        for (const auto& [tick, spot] : Ledger->Ticks)
            if (spot == AnySeven) {
                EXPECT_TRUE(lost.insert(tick).second);
            }
        EXPECT_GE(lost.size(), 10U);
    }
}

// Joe, alone in the first seat, picks the dice up as a man or as a woman; nobody in the
// second seat picks them up at all.
TEST_F(PuckTicks, TheShootersPickUpIsChosenByTheShootersSex) {
    Build();
    Dir.WriteHostFile("otcraps.ini", "[Intro]\nShow=0\n");
    struct Case {
        u8 Sex;
        i16 Seat;
        i16 Pick;
    };
    // Seat 0 plays the second pair of pick-ups: 2 for a man, 3 for a woman.
    const Case cases[] = {{1, 0, 2}, {0, 0, 3}, {1, 1, -1}, {0, 2, -1}};
    std::vector<std::pair<bool, std::set<i16>>> started;
    Session.Backend().At(800, [&] {
        TCasinoCGameLord* lord = Lord();
        std::set<i16> before;
        for (const Case& c : cases) {
            lord->GetSeatPlayerData(0)[14] = c.Sex;
            lord->*(&TLordFields::ShooterSeat) = c.Seat;
            u32 start = lord->GetOwnerTick() + 1, duration = 0;
            const bool played = lord->PlayShooterPickUp(start, duration);
            std::set<i16> now, fresh;
            for (i16 n = 0; n < TCasinoCGameLord::PickCount; ++n)
                if (lord->IsSpriteInUse(static_cast<i16>(lord->GetPickSprite(n)))) {
                    now.insert(n);
                    if (before.count(n) == 0)
                        fresh.insert(n);
                }
            started.emplace_back(played && duration > 0, fresh);
            before = now;
        }
    });
    CloseAt(900);
    EXPECT_EQ(RunOwlMain(), 0);
    ASSERT_EQ(started.size(), std::size(cases));
    for (size_t i = 0; i < started.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(started[i].first, cases[i].Pick >= 0);
        EXPECT_EQ(started[i].second,
                  cases[i].Pick >= 0 ? std::set<i16>{cases[i].Pick} : std::set<i16>{});
    }
}

} // namespace
