// The dealer's skits as built: every played list can always give a skit, every skit's sprites and
// waves are there in the mixer's format and keep the round's exact ticks, and the build refuses
// content that breaks those rules, naming it.
#include "tools/databuild/content/Content.h"
#include "tools/databuild/content/ContentDealer.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/SkitLists.h"
#include "tools/databuild/model/TableLayout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <set>

namespace {

// One build for the whole suite: the content is the same every time.
const TDataSet& Built() {
    static const TDataSet set = MakeDataSet();
    return set;
}

const TSkitCatModel& LordCatalogue(const TDataSet& set) {
    for (const TSkitCatModel& catalogue : set.SkitCats)
        if (catalogue.Name == TableFile("f1glrd00.skc"))
            return catalogue;
    throw std::logic_error("no lord catalogue");
}

u16 Le16(const std::vector<u8>& b, size_t at) {
    return static_cast<u16>(b[at] | b[at + 1] << 8);
}
u32 Le32(const std::vector<u8>& b, size_t at) {
    return static_cast<u32>(Le16(b, at) | Le16(b, at + 2) << 16);
}

// Whether an animation file's frame covers a screen point, the frame's top left at (left, top):
// read run by run as the engine draws it.
bool Covers(const std::vector<u8>& b, u16 frame, i32 left, i32 top, i32 x, i32 y) {
    const u32 at = Le32(b, 22 + 4 * size_t{frame});
    const i32 width = static_cast<i16>(Le16(b, at));
    const i32 height = static_cast<i16>(Le16(b, at + 2));
    const i32 row = y - top + static_cast<i16>(Le16(b, at + 6));
    const i32 column = x - left + static_cast<i16>(Le16(b, at + 4));
    if (row < 0 || row >= height || column < 0 || column >= width)
        return false;
    const u32 runs = Le32(b, at + 20 + 4 * static_cast<size_t>(row));
    for (u16 r = 0; r < Le16(b, runs); ++r) {
        const u32 run = Le32(b, runs + 2 + 4 * size_t{r});
        const i32 from = static_cast<i16>(Le16(b, run));
        if (column >= from && column < from + Le16(b, run + 2))
            return true;
    }
    return false;
}

// What the dealer's gesture shows at a tick: any of its animations covering the point.
class TBeatPicture {
public:
    TBeatPicture(TDataSet& set, const TBeat& beat) : Set(set) {
        Sprite = TableSprites(set).Find(BeatSprite(set, beat).Name);
    }
    bool Shows(u32 tick, i32 x, i32 y) const {
        for (const TCellModel& cell : Sprite->GetCells()) {
            // The torso and the resting arms stand still; the gesture moves.
            if (!cell.IsAnm || cell.Direction != PLAY_FORWARD || tick < cell.Row ||
                tick >= cell.Row + cell.Duration)
                continue;
            if (Covers(Set.FindRaw(cell.File)->Bytes, static_cast<u16>(tick - cell.Row), cell.X + 1,
                       cell.Y + 1, x, y))
                return true;
        }
        return false;
    }
    u32 Ticks() const { return Sprite->Duration(); }

private:
    TDataSet& Set;
    const TSpriteModel* Sprite;
};

TEST(SkitContent, TheDealerLetsGoOfThePuckAndTheDiceJustAsTheProgramShowsThem) {
    TDataSet set = Built();
    const TBox dc = DontComeBox();
    // The same moments in the brisk gestures of the fastest speed.
    for (const bool brisk : {false, true}) {
        SCOPED_TRACE(brisk ? "brisk" : "natural");
        const auto beat = [brisk](TGesture gesture, i32 arg, const std::string& line) {
            return TBeat{gesture, arg, line, brisk};
        };
        for (int box = 0; box < 6; ++box) {
            const TBox number = NumberBox(box);
            for (const std::string line : {"", "Mark it! The point is on the way, shooter."}) {
                // Carried onto the number until the tick the program shows its own puck there.
                const TBeatPicture mark(set, beat(TGesture::MarkPuck, box, line));
                const u32 on = PuckTick(box);
                EXPECT_TRUE(mark.Shows(on - 1, number.CentreX(), number.CentreY())) << box;
                EXPECT_FALSE(mark.Shows(on, number.CentreX(), number.CentreY())) << box;
                EXPECT_TRUE(mark.Shows(1, dc.CentreX(), dc.CentreY())) << box;
                // Lifted at tick 3, laid in the don't-come box two ticks before the end.
                const TBeatPicture lift(set, beat(TGesture::LiftPuck, box, line));
                const u32 off = lift.Ticks() - 2;
                EXPECT_FALSE(lift.Shows(2, number.CentreX(), number.CentreY())) << box;
                EXPECT_TRUE(lift.Shows(3, number.CentreX(), number.CentreY())) << box;
                EXPECT_TRUE(lift.Shows(off - 1, dc.CentreX(), dc.CentreY())) << box;
                EXPECT_FALSE(lift.Shows(off, dc.CentreX(), dc.CentreY())) << box;
            }
        }
        // Not knowing the point, the hand takes the puck to the middle of the numbers and lets
        // go at the first tick the program may show it; lifts it there and lays it off.
        const i32 middleX = (NumberBox(2).R + NumberBox(3).L) / 2;
        const i32 middleY = NumberBox(2).CentreY();
        const TBeatPicture anyMark(set, beat(TGesture::MarkPuck, -1, ""));
        EXPECT_TRUE(anyMark.Shows(PuckTick(0) - 1, middleX, middleY));
        EXPECT_FALSE(anyMark.Shows(PuckTick(0), middleX, middleY));
        EXPECT_GE(anyMark.Ticks(), PuckTick(5) + 1);
        const TBeatPicture anyLift(set, beat(TGesture::LiftPuck, -1, ""));
        EXPECT_TRUE(anyLift.Shows(3, middleX, middleY));
        EXPECT_TRUE(anyLift.Shows(anyLift.Ticks() - 3, dc.CentreX(), dc.CentreY()));
        for (int seat = 0; seat < 3; ++seat) {
            // The dice stay in front of the shooter until the program's own appear. (The brisk
            // push is silent: at the fastest speed the dealer hands the dice over without a word.)
            for (const std::string line : {"", "Here are your dice, shooter."}) {
                if (brisk && !line.empty())
                    continue;
                const TBeatPicture push(set, beat(TGesture::PushDice, seat, line));
                EXPECT_TRUE(push.Shows(push.Ticks() - 1, SeatX(seat) - 5, SEAT_LINE_Y - 24))
                    << seat << " " << line;
            }
        }
        for (int place = 0; place < 3; ++place) {
            // The dice come to rest where the program shows the big dice, on the last tick.
            const TBeatPicture land(set, beat(TGesture::Land, place, ""));
            const TBox die = BigDieBox(place, 0);
            EXPECT_TRUE(land.Shows(land.Ticks() - 1, die.R - 3, die.CentreY())) << place;
        }
    }
    // Brisk is brisk: the push, the sweep, the payment and the dice take a few ticks.
    const auto ticks = [&set](TGesture gesture, i32 arg) {
        return TBeatPicture(set, TBeat{gesture, arg, "", true}).Ticks();
    };
    EXPECT_EQ(ticks(TGesture::PushDice, 0), 3U);
    EXPECT_EQ(ticks(TGesture::Sweep, 0), 5U);
    EXPECT_EQ(ticks(TGesture::Pay, -1), 2U);
    EXPECT_EQ(ticks(TGesture::Shake, 0), 2U);
    EXPECT_EQ(ticks(TGesture::Throw, 0), 2U);
    EXPECT_EQ(ticks(TGesture::Land, 0), 2U);
    EXPECT_EQ(ticks(TGesture::LiftPuck, 0), 7U);
}

TEST(SkitContent, EveryPlayedListHasAFallbackSkitAndTheTableTalksInManySkits) {
    const TSkitCatModel& catalogue = LordCatalogue(Built());
    std::map<std::string, const TSkitListModel*> lists;
    size_t skits = 0;
    for (const TSkitListModel& list : catalogue.Lists) {
        lists[list.Name] = &list;
        skits += list.Skits.size();
    }
    for (const TSkitListEntry& entry : SkitLists()) {
        const TSkitListModel* list = lists.at(TableFile("f100" + entry.Suffix + ".skl"));
        bool fallback = false;
        for (const TSkitModel& skit : list->Skits)
            fallback = fallback || (skit.Level == 9 && skit.Criteria.empty());
        // PreSpinCom shares a played file: only the three early shakes stay empty.
        const bool played = entry.Played || entry.Suffix == "kcrc";
        EXPECT_EQ(fallback, played) << entry.Label << " " << entry.Suffix;
        EXPECT_EQ(list->Skits.empty(), !played) << entry.Label;
    }
    EXPECT_GE(skits, 180U);
    // Variants use the portfolio's levels, not level 9 alone.
    std::set<i16> levels;
    for (const TSkitListModel& list : catalogue.Lists)
        for (const TSkitModel& skit : list.Skits)
            levels.insert(skit.Level);
    EXPECT_GE(levels.size(), 8U);
}

TEST(SkitContent, EverySkitsWavesAreThereInTheMixersFormatAndFitTheirCells) {
    const TDataSet& set = Built();
    const TSkitCatModel& catalogue = LordCatalogue(set);
    const TSpriteListModel* sprites = set.FindSpriteList(catalogue.SpriteList);
    ASSERT_NE(sprites, nullptr);
    std::set<std::string> lines;
    for (const TSkitListModel& list : catalogue.Lists)
        for (const TSkitModel& skit : list.Skits) {
            size_t waves = 0;
            for (const TSkitCellModel& cell : skit.Cells) {
                const TSpriteModel* sprite = sprites->Find(cell.Sprite);
                ASSERT_NE(sprite, nullptr) << skit.Name;
                EXPECT_EQ(cell.Duration, sprite->Duration()) << skit.Name;
                for (u16 w = 0; w < sprite->WaveCount(); ++w) {
                    const TCellModel* wave = sprite->Wave(w);
                    const TRawFile* file = set.FindRaw(wave->File);
                    ASSERT_NE(file, nullptr) << wave->File;
                    const std::vector<u8>& b = file->Bytes;
                    ASSERT_GE(b.size(), 46U) << wave->File;
                    EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0) << wave->File;
                    EXPECT_EQ(Le16(b, 20), 1) << wave->File << " is PCM";
                    EXPECT_EQ(Le16(b, 22), 1) << wave->File << " is mono";
                    EXPECT_EQ(Le32(b, 24), WAVE_RATE) << wave->File;
                    EXPECT_EQ(Le16(b, 34), 16) << wave->File;
                    // The cell lets the whole wave sound, and its length survives 15 bits.
                    const u32 samples = Le32(b, 40) / 2;
                    EXPECT_GT(samples, 0U) << wave->File;
                    EXPECT_GE(wave->Duration * TICK_MS * WAVE_RATE / 1000, samples) << wave->File;
                    EXPECT_LT(wave->Duration, WAVE_DURATION_LIMIT) << wave->File;
                    ++waves;
                    lines.insert(wave->File);
                }
            }
            EXPECT_LE(waves, 3U) << skit.Name;
        }
    // The dealer speaks: calls, chatter and the dice's own sounds.
    EXPECT_GE(lines.size(), 120U);
}

TEST(SkitContent, TheRoundsExactTicksFallInsideEverySkitAndOneDealerPlaysAtATime) {
    const TDataSet& set = Built();
    const TSkitCatModel& catalogue = LordCatalogue(set);
    const TSpriteListModel* sprites = set.FindSpriteList(catalogue.SpriteList);
    std::map<std::string, u32> minima;
    for (const TSkitListEntry& entry : SkitLists())
        minima[TableFile("f100" + entry.Suffix + ".skl")] = entry.MinTicks;
    EXPECT_EQ(minima.at(TableFile("f100kcpm.skl")), 11U);
    EXPECT_EQ(minima.at(TableFile("f100kcgm.skl")), 6U);
    EXPECT_EQ(minima.at(TableFile("f100kccl.skl")), 5U);
    for (const TSkitListModel& list : catalogue.Lists)
        for (const TSkitModel& skit : list.Skits) {
            u32 length = 0;
            // Per set, the ticks its sprites hold: a later one starts after the earlier ends.
            std::map<u16, std::vector<std::pair<u32, u32>>> held;
            for (const TSkitCellModel& cell : skit.Cells) {
                length = std::max(length, cell.Row + cell.Duration);
                const u16 spriteSet = sprites->Find(cell.Sprite)->GetSet();
                EXPECT_NE(spriteSet, 0) << skit.Name;
                for (const auto& [from, to] : held[spriteSet])
                    EXPECT_TRUE(cell.Row >= to || cell.Row + cell.Duration <= from)
                        << skit.Name << " overlaps in set " << spriteSet;
                held[spriteSet].push_back({cell.Row, cell.Row + cell.Duration});
            }
            EXPECT_GE(length, minima.at(list.Name)) << skit.Name;
        }
    // The puck is let go of exactly when the program shows it.
    const std::vector<u32> puck = {PuckTick(0), PuckTick(1), PuckTick(2),
                                   PuckTick(3), PuckTick(4), PuckTick(5)};
    EXPECT_EQ(puck, (std::vector<u32>{7, 8, 8, 9, 9, 10}));
}

TEST(SkitContent, TheBuildStopsNamingTheListOrSkitThatBreaksARule) {
    const std::string list = TableFile("f100kcr1.skl");
    const std::string firstSkit = TableFile("kcr1_00.sk");
    const auto skits = [&](TDataSet& set) -> std::vector<TSkitModel>& {
        for (TSkitCatModel& catalogue : set.SkitCats)
            for (TSkitListModel& l : catalogue.Lists)
                if (l.Name == list)
                    return l.Skits;
        throw std::logic_error("no list");
    };
    const std::string spokenSprite = [&] {
        TDataSet copy = Built();
        return skits(copy).at(0).Cells.at(0).Sprite;
    }();
    const struct Case {
        const char* Fault;
        std::function<void(TDataSet&)> Alter;
        std::string Named;
    } cases[] = {
        {"no fallback on level 9",
         [&](TDataSet& set) {
             for (TSkitModel& skit : skits(set))
                 if (skit.Level == 9)
                     skit.Level = 8;
         },
         list},
        {"a fallback with a criterion",
         [&](TDataSet& set) {
             for (TSkitModel& skit : skits(set))
                 if (skit.Level == 9)
                     skit.Criteria.push_back({10, 1});
         },
         list},
        {"four waves in a skit",
         [&](TDataSet& set) {
             TSkitModel& skit = skits(set).at(0);
             const TSkitCellModel cell = skit.Cells.at(0);
             for (int i = 0; i < 3; ++i)
                 skit.Cells.push_back({static_cast<u16>(cell.Row + 40 * (i + 1)), 0, cell.Object,
                                       cell.Sprite, cell.Duration});
         },
         firstSkit},
        {"a condition the program does not answer",
         [&](TDataSet& set) {
             skits(set).at(1).Criteria.push_back({139, 1});
         },
         TableFile("kcr1_01.sk")},
        {"a dealer's wave cell of 32,768 ticks",
         [&](TDataSet& set) {
             TSpriteListModel& sprites = TableSprites(set);
             const std::string name = skits(set).at(0).Cells.at(0).Sprite;
             for (TCellModel& cell : sprites.Find(name)->GetCells())
                 if (!cell.IsAnm)
                     cell.Duration = 32768;
         },
         spokenSprite},
    };
    Built().Check();
    for (const Case& c : cases) {
        TDataSet set = Built();
        c.Alter(set);
        try {
            set.Check();
            ADD_FAILURE() << c.Fault << " passes";
        } catch (const TBuildError& error) {
            EXPECT_NE(std::string(error.what()).find(c.Named), std::string::npos)
                << c.Fault << ": " << error.what();
        }
    }
}

} // namespace
