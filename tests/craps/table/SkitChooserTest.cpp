// Table 1's dealer skit choosers on the built data set: which list each moment of the round
// plays, found by leaving only one list playable.
#include "TableBindingSupport.h"

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
    using TCasinoCGameLord::PickSprites;
    using TCasinoCGameLord::PlayersChangeable;
    using TCasinoCGameLord::Point;
    using TCasinoCGameLord::RollBeforeLast;
    using TCasinoCGameLord::ShakeCount;
    using TCasinoCGameLord::ShooterComeOuts;
    using TCasinoCGameLord::ShooterSeat;
    using TCasinoCGameLord::SkitLists;
    using TCasinoCGameLord::StallCount;
    using TCasinoCGameLord::TalkSetting;
    using TCasinoCGameLord::PointRollCount;
    using TCasinoCGameLord::RollCount;
    using TCasinoCGameLord::LastRoll;
    using TCasinoCGameLord::NewShooter;
};

// The lord as the only member of its mode: the skits' cells find its sprites through here.
class TLordOnlyWindow : public TReadingWindow {
public:
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
        {0, 0, -1, 1, 1},  {2, 3, -1, 1, 14}, {5, 4, -1, 1, 25}, {5, 5, -1, 1, 27},
        {2, 3, 6, 0, 15},  {3, 3, 6, 0, 17},  {2, 4, 4, 0, 18},  {1, 1, 2, 0, 6},
        {4, 4, 8, 0, 23},  {0, 1, 6, 0, 4},   {5, 5, 3, 0, 28},  {0, 0, 2, 0, 2},
        {2, 2, 7, 0, 13},  {1, 2, 3, 0, 9},   {5, 4, 8, 0, 26},  {-1, -1, -1, 1, 0},
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

} // namespace
