// Sprite lists: a list with sets written and read back, older versions and failed reads, starting
// sprites within their sets, idle alternatives, saving, and losing or replacing a sprite.
#include "SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/foundation/FileMgrParts.h"
#include "engine/media/SpriteSet.h"
#include "platform/host/RuntimeRandom.h"

#include <gtest/gtest.h>

namespace {

// The loading reports a list makes.
struct TRecordingProgress : TJorpProgress {
    void SelectGauge(i32 gauge) override { Calls.push_back("select " + std::to_string(gauge)); }
    void SetGaugeRange(i32 low, i32 high, i32) override {
        Calls.push_back("range " + std::to_string(low) + " " + std::to_string(high));
    }
    void SetItemText(const std::string& text) override { Calls.push_back(text); }
    void IncrementGauge(i32) override { Calls.push_back("step"); }
    std::vector<std::string> Calls;
};

class SpriteLists : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        Owner.Progress = &Progress;
    }
    std::unique_ptr<TSpriteList> Read(const std::string& name, u8 location = FM_NO_LOCATION) {
        const TFileMode mode(name, 0, FM_LEVEL_NOW, 0, location);
        auto list =
            TJorpBase::CreateAttached<TSpriteList>(mode, true, false, &Owner, mode, &Creator);
        Creator.List = list.get();
        return list;
    }

    TTickOwner Owner;
    TRecordingProgress Progress;
    TFakeCreator Creator{&Owner};
};

TEST_F(SpriteLists, AListWithSetsIsWrittenAndReadBackSorted) {
    {
        TSpriteList list(&Owner, TFileMode("cast.spl", 0, 0), nullptr);
        for (const auto& [name, id] : {std::pair{"c", 0}, {"a", 1}, {"b", 2}}) {
            auto sprite = MakeTableSprite(&Owner, name, {{0, 0, "x.anm"}});
            sprite->SetId(static_cast<u16>(id));
            sprite->SetObjectType(static_cast<u16>(10 + id));
            list.Add(sprite.release());
        }
        list.AddActiveList("dealerlongname");
        list.AddStateToSet(1);
        list.AddStateToSet(1);
        list.AddMemberToSetState(1, 0, "a.sp");
        list.AddMemberToSetState(1, 0, "b.sp");
        list.AddMemberToSetState(1, 1, "c.sp");
        list.AddActiveList("empty");
        ASSERT_TRUE(list.Save(nullptr));
    }
    auto list = Read("cast.spl");
    ASSERT_TRUE(list->HasFlags(JOF_LOADED));
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->GetSpriteFileName(0) + list->GetSpriteFileName(1) + list->GetSpriteFileName(2),
              "a.spb.spc.sp");
    // The creator was asked in file order with the stored types, once prepared.
    EXPECT_EQ(Creator.Made,
              (std::vector<std::pair<std::string, u16>>{{"c.sp", 10}, {"a.sp", 11}, {"b.sp", 12}}));
    EXPECT_EQ(Creator.Prepared, 1);
    EXPECT_EQ(Progress.Calls, (std::vector<std::string>{"select 1", "range 0 2", "c.sp", "step",
                                                        "a.sp", "step", "b.sp", "step"}));
    ASSERT_EQ(list->GetActiveListCount(), 3);
    EXPECT_EQ(list->GetSetName(0) + list->GetSetName(1), "nonedealerlo");
    EXPECT_EQ(list->GetStateCount(1), 2);
    EXPECT_EQ(list->GetStateMemberName(1, 0, 1), "b.sp");
    EXPECT_EQ(list->GetStateMemberName(1, 1, 0), "c.sp");
    EXPECT_EQ(list->GetStateCount(2), 0);
    // Missing sets, states and members answer quietly.
    EXPECT_EQ(list->GetStateMemberName(1, 1, 1), "");
    EXPECT_EQ(list->GetSetState(7), -1);
    EXPECT_FALSE(list->SetSetState(7, 0));
}

TEST_F(SpriteLists, OlderVersionsAndReadsThatFail) {
    Manager->GetData().SetEntry(4, "cast");
    Creator.Types["cast\\dealer.sp"] = 42;
    Creator.RefuseName = "no.sp";
    const std::vector<u8> sprite = TBytes()
                                       .Header("SPR ", 1, 1)
                                       .W({0, 0, 1})
                                       .D(3)
                                       .W({0, 0, 0})
                                       .Header("TBL ", 1, 2)
                                       .W({0})
                                       .Data;
    auto list = [](u16 major, u16 minor) { return TBytes().Header("PLST", major, minor); };
    const struct {
        const char* Case;
        TBytes Image;
        std::vector<std::pair<std::string, u16>> Made;
        bool Reads;
    } cases[] = {
        {"1.2 without sprites prepares nothing", list(1, 2).W({0, 1}), {}, true},
        {"1.2 asks the creator for the type",
         list(1, 2).W({1}).Name9("dealer").W({1}).Raw(sprite),
         {{"cast\\dealer.sp", 42}},
         true},
        {"1.3 stores it",
         list(1, 3).W({1}).Name9("dealer").W({7, 2}).Name9("idle").W({1, 1}).Name9("dealer").Raw(
             sprite),
         {{"cast\\dealer.sp", 7}},
         true},
        {"1.1", list(1, 1).W({0, 1}), {}, false},
        {"2.1", list(2, 1).W({0, 1}), {}, false},
        {"a sprite cut short",
         list(2, 3).W({1}).Str("d.sp").W({0, 1}).Raw({sprite.begin(), sprite.end() - 1}),
         {{"d.sp", 0}},
         false},
        {"a sprite the creator refuses",
         list(2, 3).W({1}).Str("no.sp").W({0, 1}).Raw(sprite),
         {{"no.sp", 0}},
         false},
        {"more sprites than places", list(2, 3).W({40000}), {}, false},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Creator.Made.clear();
        Creator.Prepared = 0;
        Progress.Calls.clear();
        // A name of its own: the manager keeps the images it has read.
        const std::string name = "old" + std::to_string(++n) + ".spl";
        Cd.WriteHostFile(name, std::string(c.Image.Data.begin(), c.Image.Data.end()));
        auto read = Read(name, 4);
        EXPECT_EQ(read->GetBytesRead() >= 0, c.Reads);
        EXPECT_EQ(Creator.Made, c.Made);
        EXPECT_EQ(Creator.Prepared, c.Made.empty() ? 0 : 1);
        EXPECT_EQ(Progress.Calls.empty(), c.Made.empty());
        EXPECT_EQ(read->GetCount(), c.Reads ? static_cast<i16>(c.Made.size()) : i16{0});
        EXPECT_LE(read->GetCapacity(), 1);
        // The 1.3 list's idle set names its member by its full file name.
        EXPECT_EQ(read->GetStateMemberName(1, 0, 0), n == 3 ? "cast\\dealer.sp" : "");
    }
}

// A sprite whose save fails.
struct TUnsavedSprite : TSprite {
    using TSprite::TSprite;
    bool SaveIfNeeded() override { return false; }
};

TEST_F(SpriteLists, SavingReportsASpriteThatFailedAndSavesTheRest) {
    TSpriteList list(&Owner, TFileMode("two.spl", 0, 0), nullptr);
    list.Add(MakeTableSprite(&Owner, "good", {}).release());
    auto* bad = new TUnsavedSprite(&Owner);
    bad->SetFileName("bad");
    list.Add(bad);
    EXPECT_FALSE(list.SaveIfNeeded());
    EXPECT_FALSE(Cd.ReadHostFile("good.sp").empty());
    EXPECT_FALSE(Cd.ReadHostFile("two.spl").empty());
}

// Sprites without members, which finish as soon as they are played, in a list whose creator
// looks sprites up in it.
class SpriteSets : public ::testing::Test {
protected:
    void SetUp() override { Creator.List = &List; }
    TSprite* AddSprite(const std::string& name, u16 id, u32 duration = 0) {
        auto* sprite = new TSprite(&Owner);
        sprite->SetFileName(name);
        sprite->SetId(id);
        sprite->Duration = duration;
        List.Add(sprite);
        List.SortByName();
        return sprite;
    }
    void Frame(u32 t) {
        Owner.Tick = t;
        List.Tick(t);
        List.PostTick(t);
    }
    // A set with one state of alternatives.
    TSpriteSet& IdleSet(std::initializer_list<const char*> names) {
        List.AddActiveList("idle");
        List.AddStateToSet(1);
        for (const char* name : names)
            List.AddMemberToSetState(1, 0, name);
        List.Resolve();
        return *List.GetSet(1)->GetState(0);
    }

    TTickOwner Owner;
    TFakeCreator Creator{&Owner};
    TSpriteList List{&Owner, &Creator};
};

TEST_F(SpriteSets, ASpriteStartsOnlyWhenItsSetIsFree) {
    List.AddActiveList("one");
    List.AddActiveList("two");
    TSprite* running = AddSprite("run", 2, 16);
    TSprite* next = AddSprite("next", 2, 10);
    TSprite* loose = AddSprite("loose", 5, 10);
    ASSERT_TRUE(List.Use(running, 15));
    // 15 to 30 is taken: 10 to 20 overlaps, 31 to 41 does not.
    EXPECT_FALSE(List.CanActivate(next, 10));
    EXPECT_FALSE(List.Use(next, 30));
    EXPECT_TRUE(List.CanActivate(next, 31));
    // An id that names no set belongs to set 0, where anything may start.
    EXPECT_EQ(List.SetOfSprite(loose), 0);
    EXPECT_TRUE(List.Use(loose, 15) && List.Use(loose, 15));
}

TEST_F(SpriteSets, IdleAlternativesAreChosenAtRandomAndGiveWayToUsedSprites) {
    for (const char* name : {"i0", "i1", "i2"})
        AddSprite(name, 0);
    TSprite* used = AddSprite("used", 1, 4);
    TSpriteSet& state = IdleSet({"i0.sp", "i1.sp", "i2.sp"});
    TLcgRandom random, expected;
    random.Seed(77);
    expected.Seed(77);
    TScopedRandomSource source(random);
    ASSERT_TRUE(List.SetSetState(1, 0));
    EXPECT_EQ(state.GetCurrentIndex(), expected.Next() % 3);
    // The state it is in changes nothing and draws no number.
    ASSERT_TRUE(List.SetSetState(1, 0));
    // The first alternative is found finished by the first frame's second pass; from then on
    // each one ends as it starts, so each frame chooses again.
    Frame(1);
    EXPECT_EQ(random.GetState(), expected.GetState());
    for (u32 t = 2; t <= 6; ++t) {
        Frame(t);
        EXPECT_EQ(state.GetCurrentIndex(), expected.Next() % 3) << t;
    }
    // A used sprite of the set silences the idle state while it runs.
    used->SetFlags(SPF_DRIVEN);
    ASSERT_TRUE(List.Use(used, 7));
    Frame(7);
    EXPECT_EQ(state.GetCurrentIndex(), -1);
    EXPECT_EQ(random.GetState(), expected.GetState());
}

TEST_F(SpriteSets, AnAlternativeNamingNoSpriteDoesNotSilenceItsState) {
    TSpriteSet& state = IdleSet({"ghost.sp"});
    List.SetSetState(1, 0);
    for (u32 t = 1; t <= 3; ++t) {
        Frame(t);
        EXPECT_EQ(state.GetCurrent()->Done, 1) << t;
    }
}

TEST_F(SpriteSets, ARemovedSpriteIsForgottenAndAReplacedOneLookedUpAgain) {
    TSprite* gone = AddSprite("gone", 1);
    AddSprite("stay", 0);
    const TSpriteSet& state = IdleSet({"gone.sp", "stay.sp"});
    List.Acquire(0);
    ASSERT_TRUE(List.Use(gone, 3));
    ASSERT_EQ(state.GetMember(0)->GetSprite(), gone);
    EXPECT_TRUE(List.RemoveSprite("gone.sp"));
    EXPECT_FALSE(List.RemoveSprite("gone.sp"));
    EXPECT_EQ(Owner.Resolves, 1);
    EXPECT_EQ(state.GetMember(0)->GetSprite(), nullptr);
    EXPECT_FALSE(List.GetSet(1)->AnyRunning());
    Frame(3);

    TSprite* fresh = MakeTableSprite(&Owner, "stay", {}).release();
    std::unique_ptr<TSprite> old(List.ReplaceSpriteAt(List.IndexOf("stay.sp"), fresh));
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(state.GetMember(1)->GetSprite(), fresh);
    // The alternative holds its use on the sprite it found.
    EXPECT_EQ(fresh->GetUseCount(), 1);
}

} // namespace
