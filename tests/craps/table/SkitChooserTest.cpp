// Table 1's dealer skit choosers on the built data set: which list each moment of the round
// plays, found by leaving only one list playable.
#include "TableBindingSupport.h"

#include "engine/framework/DetailLevelHost.h"
#include "platform/host/Clock.h"
#include "platform/host/RuntimeRandom.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace {

class SkitLord : public TBoundLord {
public:
    using TBoundLord::TBoundLord;
    using TCasinoCGameLord::ComeOutFlag;
    using TCasinoCGameLord::DiceGiven;
    using TCasinoCGameLord::LastRoll;
    using TCasinoCGameLord::NewShooter;
    using TCasinoCGameLord::PickSprites;
    using TCasinoCGameLord::PlayersChangeable;
    using TCasinoCGameLord::Point;
    using TCasinoCGameLord::PointRollCount;
    using TCasinoCGameLord::RollBeforeLast;
    using TCasinoCGameLord::RollCount;
    using TCasinoCGameLord::ShakeCount;
    using TCasinoCGameLord::ShooterComeOuts;
    using TCasinoCGameLord::ShooterSeat;
    using TCasinoCGameLord::SkitLists;
    using TCasinoCGameLord::StallCount;
    using TCasinoCGameLord::TalkSetting;
};

// The lord as the only member of its mode: the skits' cells find its sprites through here.
class TLordOnlyWindow : public TReadingWindow, public TDetailLevelHost {
public:
    i16 GetDetailLevel() const override { return Level; }
    void SetDetailLevel(i16 level) override { Level = level; }
    std::string GetSettingsSection() const override { return "Craps"; }
    i16 Level = 3;
    i16 GetGameObjectIndex(const std::string&) const override { return Lord != nullptr ? 0 : -1; }
    i16 GetSpriteIndex(i16 object, const std::string& name) const override {
        return object == 0 && Lord != nullptr ? Lord->FindSpriteIndex(name) : i16{-1};
    }
    u32 GetSpriteDuration(i16 object, i16 sprite) const override {
        return object == 0 && Lord != nullptr ? Lord->GetSpriteDuration(sprite) : 0;
    }
    bool CanActivateSprite(i16 object, i16 sprite, u32 key) override {
        return object == 0 && Lord != nullptr && Lord->CanActivateSpriteAt(sprite, key);
    }
    bool UseSprite(i16 object, i16 sprite, u32 key) override {
        return object == 0 && Lord != nullptr && Lord->UseSpriteAt(sprite, key);
    }
    TGObjSp* Lord = nullptr;
};

// Numbers handed out in order, then 0s.
class TQueuedRandom : public TRandomSource {
public:
    void Seed(u32) override {}
    i32 Next() override {
        if (Values.empty())
            return 0;
        const i32 v = Values.front();
        Values.pop_front();
        return v;
    }
    std::deque<i32> Values;
};

using TChooser = bool (TCasinoCGameLord::*)(u32&, u32&);

class SkitTable : public TableBindingFixture {
protected:
    void SetUp() override {
        TableBindingFixture::SetUp();
        BuildWithout();
        const TFileMode file(TJorpFileName("\\f1glrd00\\f1glrd00.go"), 0, FM_LEVEL_NOW);
        Skits = TJorpBase::CreateAttached<SkitLord>(file, true, false, &Mode);
        Mode.Lord = Skits.get();
        Skits->LoadTable();
    }
    void TearDown() override {
        Skits.reset();
        TableBindingFixture::TearDown();
    }
    // Each call starts well clear of the skits already started.
    bool Run(TChooser chooser) {
        Start += 1000;
        u32 start = Start, duration = 0;
        const bool played = (Skits.get()->*chooser)(start, duration);
        EXPECT_TRUE(!played || duration > 0);
        return played;
    }
    // Whether the chooser plays with only `place` playable, and with every list but it.
    std::pair<bool, bool> Alone(TChooser chooser, i16 place) {
        const auto real = Skits->SkitLists;
        Skits->SkitLists.fill(TCasinoCGameLord::NoIndex);
        Skits->SkitLists[static_cast<size_t>(place)] = real[static_cast<size_t>(place)];
        const bool only = Run(chooser);
        Skits->SkitLists = real;
        Skits->SkitLists[static_cast<size_t>(place)] = TCasinoCGameLord::NoIndex;
        const bool without = Run(chooser);
        Skits->SkitLists = real;
        return {only, without};
    }
    // The chooser plays that list and no other.
    void ExpectPlays(TChooser chooser, i16 place) {
        const auto [only, without] = Alone(chooser, place);
        EXPECT_TRUE(only) << "list " << place;
        EXPECT_FALSE(without) << "list " << place;
    }

    TLordOnlyWindow Mode;
    std::unique_ptr<SkitLord> Skits;
    u32 Start = 0;
};

TEST_F(SkitTable, ShooterListsGoBySeatAndAnEmptyShooterPlaysNothing) {
    const struct {
        TChooser Chooser;
        i16 First;
    } families[] = {{&TCasinoCGameLord::ChooseGiveDiceSkit, table_skit::FirstGiveDice},
                    {&TCasinoCGameLord::ChooseStallSkit, table_skit::FirstStall},
                    {&TCasinoCGameLord::ChooseShakeSkit, table_skit::FirstShake},
                    {&TCasinoCGameLord::ChooseThrowSkit, table_skit::FirstThrow},
                    {&TCasinoCGameLord::ChooseNoComeSkit, table_skit::FirstNoComeCom}};
    // Seat 1 plays the first variant, seat 0 the second.
    const i16 variantOfSeat[3] = {1, 0, 2};
    for (const auto& f : families)
        for (i16 seat = 0; seat < 3; ++seat) {
            Skits->ShooterSeat = seat;
            ExpectPlays(f.Chooser, static_cast<i16>(f.First + variantOfSeat[seat]));
        }
    Skits->ShooterSeat = -1;
    Skits->DiceGiven = 0;
    const u16 stalls = Skits->StallCount;
    for (const auto& f : families)
        EXPECT_FALSE(Run(f.Chooser));
    // Handing the dice over and stalling count even when nobody can be played to.
    EXPECT_EQ(Skits->DiceGiven, 1);
    EXPECT_EQ(Skits->StallCount, stalls + 1);
}

TEST_F(SkitTable, TheRollIsCalledByItsTotalAndTheRoundsState) {
    const struct {
        i16 Die1, Die2, Point;
        u8 ComeOut;
        i16 Result; // 1 to 28, 0 for none
    } rolls[] = {
        {0, 0, -1, 1, 1}, {2, 3, -1, 1, 14}, {5, 4, -1, 1, 25}, {5, 5, -1, 1, 27},
        {2, 3, 6, 0, 15}, {3, 3, 6, 0, 17},  {2, 4, 4, 0, 18},  {1, 1, 2, 0, 6},
        {4, 4, 8, 0, 23}, {0, 1, 6, 0, 4},   {5, 5, 3, 0, 28},  {0, 0, 2, 0, 2},
        {2, 2, 7, 0, 13}, {1, 2, 3, 0, 9},   {5, 4, 8, 0, 26},  {-1, -1, -1, 1, 0},
    };
    for (const auto& r : rolls) {
        SCOPED_TRACE(testing::Message() << r.Die1 << "-" << r.Die2 << " point " << r.Point);
        Skits->Die1 = r.Die1;
        Skits->Die2 = r.Die2;
        Skits->Point = r.Point;
        Skits->ComeOutFlag = r.ComeOut;
        if (r.Result == 0)
            EXPECT_FALSE(Run(&TCasinoCGameLord::ChooseResultSkit));
        else
            ExpectPlays(&TCasinoCGameLord::ChooseResultSkit,
                        static_cast<i16>(table_skit::FirstResult + r.Result - 1));
    }
}

TEST_F(SkitTable, ThePointCallNamesTheBoxNumberOnly) {
    const i16 points[6] = {2, 3, 4, 6, 7, 8};
    for (i16 k = 0; k < 6; ++k) {
        Skits->Point = points[k];
        ExpectPlays(&TCasinoCGameLord::ChoosePointComSkit,
                    static_cast<i16>(table_skit::FirstPointCom + k));
    }
    for (i16 point : {i16{-1}, i16{5}, i16{0}, i16{10}}) {
        Skits->Point = point;
        EXPECT_FALSE(Run(&TCasinoCGameLord::ChoosePointComSkit)) << point;
    }
}

TEST_F(SkitTable, TheLandingDrawPicksTheVariantAndItsList) {
    TQueuedRandom random;
    TScopedRandomSource scoped(random);
    const struct {
        i32 Draw;
        u16 Variant;
    } draws[] = {{0, 1}, {50, 1}, {51, 2}, {98, 2}, {99, 3}, {199, 3}, {150, 1}};
    for (const auto& d : draws) {
        // Each run draws the landing, then the engine draws the list's level.
        random.Values = {d.Draw, 0, d.Draw, 0};
        ExpectPlays(&TCasinoCGameLord::ChooseDiceLandSkit,
                    static_cast<i16>(table_skit::FirstDiceLand + d.Variant - 1));
        EXPECT_EQ(Skits->DiceLandVariant, d.Variant) << d.Draw;
    }
}

TEST_F(SkitTable, ConditionsOnTheRoundsCountersAnswerPlusOrMinusOne) {
    SkitLord& l = *Skits;
    // Each row: set the table up, then the conditions that must hold (+1) and must not (-1).
    const struct {
        std::function<void()> Set;
        std::vector<u16> Hold, Fail;
    } rows[] = {
        {[&] { l.RollCount = 8; }, {8, 9}, {}},
        {[&] { l.RollCount = 7; }, {}, {9}},
        {[&] { l.ComeOutFlag = 1, l.NewShooter = 0; }, {10, 12}, {11}},
        {[&] { l.ComeOutFlag = 1, l.NewShooter = 1; }, {10, 11}, {12}},
        {[&] { l.Point = 7; }, {17, 99}, {13, 14, 15, 16, 18, 95, 100}},
        {[&] { l.Point = -1; }, {}, {13, 18, 95}},
        {[&] {
             l.LastRoll = {3, 3}, l.RollBeforeLast = {2, 3};
         },
         {25, 30},
         {27, 31}},
        {[&] {
             l.LastRoll = {1, 4}, l.RollBeforeLast = {0, 5};
         },
         {24, 31},
         {30}},
        {[&] {
             l.LastRoll = {5, 5};
         },
         {29},
         {30}},
        {[&] { l.Die1 = 2, l.Die2 = 2; }, {36, 43}, {35}},
        {[&] { l.Die1 = 0, l.Die2 = 0; }, {32}, {43}},
        // Before the first roll the dice are no hard pair and no total.
        {[&] { l.Die1 = -1, l.Die2 = -1; }, {}, {43, 32}},
        {[&] { l.DiceLandVariant = 2, l.DiceGiven = 1; }, {77, 79}, {76, 78}},
        {[&] { l.StallCount = 0; }, {80}, {81, 84}},
        {[&] { l.StallCount = 3; }, {83}, {80, 84}},
        {[&] { l.StallCount = 9; }, {84}, {83}},
        {[&] { l.TalkSetting = 2; }, {87, 132}, {85, 86, 130, 133}},
        {[&] { l.TalkSetting = 3; }, {133}, {85, 86, 87}},
        {[&] { l.PointRollCount = 10, l.ShooterComeOuts = 4; }, {111, 112, 113}, {114, 129}},
        {[&] { l.ShooterComeOuts = 6; }, {112, 114}, {113, 115}},
        {[&] { l.ShooterComeOuts = 20; }, {128}, {127, 129}},
        {[&] { l.ShooterComeOuts = 21; }, {129}, {128}},
        {[&] { l.ShakeCount = 1; }, {134, 135}, {}},
        {[&] { l.ShakeCount = 12; }, {}, {134, 135}},
        {[&] { Mode.Level = 3; }, {136, 137, 138}, {}},
        {[&] { Mode.Level = 2; }, {136, 137}, {138}},
        {[&] { Mode.Level = 1; }, {137}, {136, 138}},
        {[&] { Mode.Level = 0; }, {}, {136, 137, 138}},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        rows[i].Set();
        for (u16 c : rows[i].Hold)
            EXPECT_EQ(l.TestSkitCondition(c), 1) << "row " << i << " condition " << c;
        for (u16 c : rows[i].Fail)
            EXPECT_EQ(l.TestSkitCondition(c), -1) << "row " << i << " condition " << c;
    }
    for (u16 c : {u16{139}, u16{199}, u16{0xFFFF}})
        EXPECT_EQ(l.TestSkitCondition(c), 0) << c;
}

TEST_F(SkitTable, TheHolidayRunsFromTheTwentySecondOfDecemberToTheSecondOfJanuary) {
    // Noon UTC, so that no time zone moves the date.
    const struct {
        i64 Wall;
        i16 Answer;
    } days[] = {{1703246400, 1},   // 22 December 2023
                {1703160000, -1},  // 21 December 2023
                {1704024000, 1},   // 31 December 2023
                {1704196800, 1},   // 2 January 2024
                {1704283200, -1},  // 3 January 2024
                {1719835200, -1}}; // 1 July 2024
    for (const auto& d : days) {
        TFakeClock clock(0, d.Wall);
        TScopedClockSource scoped(clock);
        EXPECT_EQ(Skits->TestSkitCondition(3), d.Answer) << d.Wall;
    }
}

TEST_F(SkitTable, ChanceConditionsDrawAFreshNumberAtEachAsk) {
    TQueuedRandom random;
    TScopedRandomSource scoped(random);
    const u16 conditions[7] = {88, 89, 90, 91, 92, 93, 94};
    const i32 below[7] = {5, 10, 20, 30, 40, 50, 75};
    for (int k = 0; k < 7; ++k) {
        random.Values = {below[k] - 1, below[k], 100 + below[k] - 1};
        EXPECT_EQ(Skits->TestSkitCondition(conditions[k]), 1);
        EXPECT_EQ(Skits->TestSkitCondition(conditions[k]), -1);
        EXPECT_EQ(Skits->TestSkitCondition(conditions[k]), 1);
    }
}

TEST_F(SkitTable, TheOddsReturnPlaysItsAnimationAndAnEmptyTableNoPickUp) {
    u32 start = 40, duration = 0;
    EXPECT_TRUE(Skits->PlayOddsReturn(start, duration));
    EXPECT_GT(duration, 0U);
    // Nobody sits at this table: the shooter's pick-up leaves the table open.
    for (i16 seat : {i16{-1}, i16{0}, i16{1}, i16{2}}) {
        Skits->ShooterSeat = seat;
        Skits->PlayersChangeable = 1;
        u32 s = 100, d = 0;
        EXPECT_FALSE(Skits->PlayShooterPickUp(s, d)) << seat;
        EXPECT_EQ(Skits->PlayersChangeable, 1) << seat;
        EXPECT_EQ(d, 0U);
    }
}

} // namespace
