// The dealer's lists against table states drawn at random within the program's rules: every level
// the chooser can draw has a skit for the state, a silent dealer says nothing, the puck moves
// with his hand on the right number, the fastest speed plays brisk skits, and the build refuses
// a puck skit without the hand or a line a silent dealer would say.
#include "MadeSet.h"

#include "tools/databuild/content/DealerLines.h"
#include "tools/databuild/content/SkitContent.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/writer/SkitChecks.h"
#include "tools/databuild/writer/WaveLevels.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <random>
#include <set>

namespace {

using namespace cond;

using TState = std::array<i8, 139>;

// A state of the table as the program answers the conditions; chance conditions are left out.
class TStates {
public:
    explicit TStates(u32 seed) : Random(seed) {}

    TState Draw(int talk, int speed) {
        TState s{};
        for (i8& v : s)
            v = Coin() ? 1 : -1;
        OneOf(s, 0, 2, Below(3));
        s[8] = 1;
        s[12] = s[10] == 1 && s[11] == -1 ? 1 : -1;
        SetPoint(s, Coin() ? -1 : Below(6));
        OneOf(s, 19, 29, Below(11));
        OneOf(s, 32, 42, Below(11));
        OneOf(s, 76, 78, Below(3));
        OneOf(s, 80, 84, Below(5));
        OneOf(s, 85, 87, talk < 3 ? talk : -1);
        OneOf(s, 130, 133, talk);
        if (s[101] == 1)
            s[102] = 1;
        const int losers = Below(9);
        s[107] = losers == 1 ? 1 : -1;
        s[108] = losers >= 1 ? 1 : -1;
        s[109] = losers >= 2 ? 1 : -1;
        s[110] = losers >= 7 ? 1 : -1;
        if (s[134] == 1)
            s[135] = 1;
        s[136] = speed >= 2 ? 1 : -1;
        s[137] = speed >= 1 ? 1 : -1;
        s[138] = speed == 3 ? 1 : -1;
        return s;
    }

    // The state as the round has it when it plays the list: the puck is set on a point that a
    // come-out roll made, and taken off when the point is made or a seven comes.
    void Situate(TState& s, const std::string& list) {
        const int box = Below(6);
        if (list == "kcpm") {
            SetPoint(s, box);
            SetRoll(s, BoxPoint(box));
            s[ComeOut] = 1;
        } else if (list == "kcgm") {
            SetPoint(s, box);
            SetRoll(s, Coin() ? BoxPoint(box) : 7);
            s[ComeOut] = -1;
        }
    }

    // Box -1: no point.
    static void SetPoint(TState& s, int box) {
        OneOf(s, 13, 18, box);
        OneOf(s, 95, 100, box);
    }
    static void SetRoll(TState& s, int total) { OneOf(s, 32, 42, total - 2); }

private:
    static void OneOf(TState& s, int first, int last, int which) {
        for (int c = first; c <= last; ++c)
            s[static_cast<size_t>(c)] = c - first == which ? 1 : -1;
    }
    bool Coin() { return Below(2) == 1; }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Random); }

    std::mt19937 Random;
};

// Whether the skit's criteria hold; a chance condition holds when lucky.
bool Holds(const TSkitModel& skit, const TState& state, bool lucky) {
    for (const auto& [condition, answer] : skit.Criteria) {
        if (IsChanceCondition(condition)) {
            if (!lucky)
                return false;
            continue;
        }
        if (state[condition] != answer)
            return false;
    }
    return true;
}

const TSkitCatModel& Lords() {
    for (const TSkitCatModel& catalogue : MadeSet().SkitCats)
        if (catalogue.Name == TableFile("f1glrd00.skc"))
            return catalogue;
    throw std::logic_error("no lord catalogue");
}

const TSkitListModel& List(const std::string& suffix) {
    for (const TSkitListModel& list : Lords().Lists)
        if (list.Name == TableFile("f100" + suffix + ".skl"))
            return list;
    throw std::logic_error("no list " + suffix);
}

bool Speaks(const TSkitModel& skit) {
    const TSpriteListModel* sprites = MadeSet().FindSpriteList(Lords().SpriteList);
    for (const TSkitCellModel& cell : skit.Cells)
        for (const TCellModel& member : sprites->Find(cell.Sprite)->GetCells())
            if (!member.IsAnm && WaveRoleOf(member.File) == TWaveRole::Voice)
                return true;
    return false;
}

u32 Ticks(const TSkitModel& skit) {
    u32 ticks = 0;
    for (const TSkitCellModel& cell : skit.Cells)
        ticks = std::max(ticks, cell.Row + cell.Duration);
    return ticks;
}

bool Carries(const TSkitModel& skit, const std::string& sprite) {
    return std::any_of(skit.Cells.begin(), skit.Cells.end(),
                       [&](const TSkitCellModel& c) { return c.Sprite.rfind(sprite, 0) == 0; });
}

TEST(DealerSkitStates, EveryLevelHasASkitForEveryStateAndASilentDealerSaysNothing) {
    TStates states(5);
    for (const TSkitListModel& list : Lords().Lists) {
        std::set<i16> levels;
        for (const TSkitModel& skit : list.Skits)
            levels.insert(skit.Level);
        for (int talk = 0; talk < 4; ++talk)
            for (int speed = 0; speed < 4; ++speed)
                for (int draw = 0; draw < 12; ++draw) {
                    TState state = states.Draw(talk, speed);
                    states.Situate(state, list.Name.substr(list.Name.size() - 8, 4));
                    std::set<i16> answered;
                    for (const TSkitModel& skit : list.Skits) {
                        // The last resort does not count: it would hide a level left short.
                        if (!skit.Criteria.empty() && Holds(skit, state, false))
                            answered.insert(skit.Level);
                        if (talk == 0 && Holds(skit, state, true)) {
                            EXPECT_FALSE(Speaks(skit)) << skit.Name << " at talk 0";
                        }
                    }
                    EXPECT_EQ(answered, levels)
                        << list.Name << " talk " << talk << " speed " << speed;
                }
    }
}

TEST(DealerSkitStates, ThePuckMovesWithTheDealersHandOnThePointsNumber) {
    TStates states(7);
    const std::string mark = GestureSpriteStart(TGesture::MarkPuck);
    const std::string lift = GestureSpriteStart(TGesture::LiftPuck);
    for (int box = 0; box < 6; ++box)
        for (int draw = 0; draw < 60; ++draw) {
            TState state = states.Draw(draw % 4, draw / 4 % 4);
            TStates::SetPoint(state, box);
            // The come-out roll that set the point; then the point made, or a seven.
            TStates::SetRoll(state, BoxPoint(box));
            state[ComeOut] = 1;
            for (const TSkitModel& skit : List("kcpm").Skits) {
                const std::string where = skit.Criteria.empty() ? "x" : std::to_string(box);
                if (Holds(skit, state, true)) {
                    EXPECT_TRUE(Carries(skit, mark + where)) << skit.Name << " for box " << box;
                }
            }
            TStates::SetRoll(state, draw % 2 == 0 ? BoxPoint(box) : 7);
            state[ComeOut] = -1;
            for (const TSkitModel& skit : List("kcgm").Skits) {
                const std::string where = skit.Criteria.empty() ? "x" : std::to_string(box);
                if (Holds(skit, state, true)) {
                    EXPECT_TRUE(Carries(skit, lift + where)) << skit.Name << " for box " << box;
                }
            }
        }
}

TEST(DealerSkitStates, AtTheFastestSpeedTheRoundsSkitsAreBrisk) {
    // The longest a skit may last at the fastest speed: the puck's and the losers' ticks are
    // the program's, a call takes a word or two, every other moment a few ticks.
    const std::map<std::string, u32> longest = {{"kcpm", 11}, {"kcgm", 7}, {"kccl", 5}};
    TStates states(9);
    for (const TSkitListModel& list : Lords().Lists) {
        const std::string suffix = list.Name.substr(list.Name.size() - 8, 4);
        // The greeting, the stalls and the refusal to roll without a bet are no part of a roll.
        if (suffix == "kccg" || suffix.rfind("kcl", 0) == 0 || suffix.rfind("kcb", 0) == 0)
            continue;
        const auto limit = longest.find(suffix);
        const u32 most = limit != longest.end()        ? limit->second
                         : suffix.rfind("kcr", 0) == 0 ? 5
                                                       : 3;
        for (int draw = 0; draw < 100; ++draw) {
            const TState state = states.Draw(draw % 4, 0);
            for (const TSkitModel& skit : list.Skits) {
                if (Holds(skit, state, true)) {
                    EXPECT_LE(Ticks(skit), most) << skit.Name;
                }
            }
        }
    }
}

TEST(DealerSkitStates, TheBuildRefusesAPuckWithoutAHandOrALineForASilentDealer) {
    const auto skits = [](TDataSet& set, const std::string& suffix) -> std::vector<TSkitModel>& {
        for (TSkitCatModel& catalogue : set.SkitCats)
            for (TSkitListModel& list : catalogue.Lists)
                if (list.Name == TableFile("f100" + suffix + ".skl"))
                    return list.Skits;
        throw std::logic_error("no list");
    };
    // A sprite of the call of a come-out seven: a line and no puck.
    const std::string call = [&] {
        TDataSet copy = MadeSet();
        for (const TSkitModel& skit : skits(copy, "kcre"))
            if (Speaks(skit))
                return skit.Cells.front().Sprite;
        return std::string();
    }();
    ASSERT_FALSE(call.empty());
    EXPECT_NO_THROW(CheckDealerSkits(MadeSet()));
    const struct Case {
        const char* Fault;
        std::string List;
        std::function<void(TSkitModel&)> Alter;
        const char* Said;
    } cases[] = {
        {"a mark that only talks", "kcpm",
         [&](TSkitModel& skit) { skit.Cells.front().Sprite = call; }, "without the dealer's hand"},
        {"a lift that only talks", "kcgm",
         [&](TSkitModel& skit) { skit.Cells.front().Sprite = call; }, "without the dealer's hand"},
        {"a call for any talk setting", "kcre",
         [&](TSkitModel& skit) {
             skit.Criteria.clear();
             skit.Cells.front().Sprite = call;
         },
         "keep quiet"},
        {"a call that needs the calls-only setting", "kcre",
         [&](TSkitModel& skit) {
             skit.Criteria = {Yes(Talk1)};
             skit.Cells.front().Sprite = call;
         },
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Fault);
        TDataSet set = MadeSet();
        TSkitModel& skit = skits(set, c.List).at(3);
        c.Alter(skit);
        if (c.Said == nullptr) {
            EXPECT_NO_THROW(CheckDealerSkits(set));
            continue;
        }
        try {
            CheckDealerSkits(set);
            ADD_FAILURE() << "accepted";
        } catch (const TBuildError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(skit.Name, 0), 0U) << error.what();
            EXPECT_NE(std::string(error.what()).find(c.Said), std::string::npos) << error.what();
        }
    }
}

} // namespace
