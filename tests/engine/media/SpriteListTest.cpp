// Sprite lists: a list with sets written and read back, the older versions, failed reads, starting
// sprites within their sets, idle alternatives, saving, and losing or replacing a sprite.
#include "SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/foundation/FileMgrParts.h"
#include "engine/media/SpriteSet.h"
#include "platform/host/RuntimeRandom.h"

#include <gtest/gtest.h>

namespace {

// The loading reports a list makes.
class TRecordingProgress : public TJorpProgress {
public:
    void SelectGauge(i32 gauge) override { Calls.push_back("select " + std::to_string(gauge)); }
    void SetGaugeRange(i32 low, i32 high, i32) override {
        Calls.push_back("range " + std::to_string(low) + " " + std::to_string(high));
    }
    void SetItemText(const std::string& text) override { Calls.push_back("item " + text); }
    void IncrementGauge(i32) override { Calls.push_back("step"); }
    std::vector<std::string> Calls;
};

class SpriteLists : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        Owner.Progress = &Progress;
    }
    // A list read from the file through the creator, which then looks sprites up in it.
    std::unique_ptr<TSpriteList> Read(const std::string& name) {
        const TFileMode mode(name, 0, FM_LEVEL_NOW);
        auto list =
            TJorpBase::CreateAttached<TSpriteList>(mode, true, false, &Owner, mode, &Creator);
        Creator.List = list.get();
        return list;
    }
    void WriteImage(const std::string& name, const TBytes& b) {
        Cd.WriteHostFile(name, std::string(b.Data.begin(), b.Data.end()));
    }

    TTickOwner Owner;
    TRecordingProgress Progress;
    TFakeCreator Creator{&Owner};
};

TEST_F(SpriteLists, AListWithSetsIsWrittenAndReadBackSorted) {
    {
        TSpriteList list(&Owner, TFileMode("cast.spl", 0, 0), nullptr);
        const struct {
            const char* Name;
            u16 Id, Type;
        } sprites[] = {{"c", 0, 10}, {"a", 1, 11}, {"b", 2, 12}};
        for (const auto& s : sprites) {
            auto sprite = MakeTableSprite(&Owner, s.Name, {{0, 0, "x.anm"}});
            sprite->SetId(s.Id);
            sprite->SetObjectType(s.Type);
            sprite->SetFlags(SPF_KEEP_DURATION);
            ASSERT_TRUE(list.Add(sprite.release()));
        }
        ASSERT_TRUE(list.AddActiveList("dealerlongname"));
        ASSERT_TRUE(list.AddStateToSet(1));
        ASSERT_TRUE(list.AddStateToSet(1));
        ASSERT_TRUE(list.AddMemberToSetState(1, 0, "a.sp"));
        ASSERT_TRUE(list.AddMemberToSetState(1, 0, "b.sp"));
        ASSERT_TRUE(list.AddMemberToSetState(1, 1, "c.sp"));
        ASSERT_TRUE(list.AddActiveList("empty"));
        ASSERT_TRUE(list.Save(nullptr));
    }
    auto list = Read("cast.spl");
    ASSERT_TRUE(list->HasFlags(JOF_LOADED));
    ASSERT_EQ(list->GetCount(), 3);
    for (i16 i = 0; i < 3; ++i)
        EXPECT_EQ(list->GetSpriteFileName(i), std::string(1, static_cast<char>('a' + i)) + ".sp");
    // The creator was asked in file order with the stored types, once prepared.
    EXPECT_EQ(Creator.Made,
              (std::vector<std::pair<std::string, u16>>{{"c.sp", 10}, {"a.sp", 11}, {"b.sp", 12}}));
    EXPECT_EQ(Creator.Prepared, 1);
    EXPECT_EQ(Progress.Calls,
              (std::vector<std::string>{"select 1", "range 0 2", "item c.sp", "step", "item a.sp",
                                        "step", "item b.sp", "step"}));
    ASSERT_EQ(list->GetActiveListCount(), 3);
    EXPECT_EQ(list->GetSetName(0), "none");
    EXPECT_EQ(list->GetSetName(1), "dealerlo");
    EXPECT_EQ(list->GetStateCount(1), 2);
    EXPECT_EQ(list->GetStateMemberName(1, 0, 1), "b.sp");
    EXPECT_EQ(list->GetStateMemberName(1, 1, 0), "c.sp");
    EXPECT_EQ(list->GetStateCount(2), 0);
    // Missing sets, states and members answer quietly.
    EXPECT_EQ(list->GetStateMemberName(1, 1, 1), "");
    EXPECT_EQ(list->GetSetState(7), -1);
    EXPECT_FALSE(list->SetSetState(7, 0));
    // Each sprite belongs to the set its id names.
    EXPECT_EQ(list->SetOfSprite(list->GetSprite(0)), 1);
    EXPECT_EQ(list->SetOfSprite(list->GetSprite(2)), 0);
}

TEST_F(SpriteLists, OlderVersionsAndReadsThatFail) {
    Manager->GetData().SetEntry(4, "cast");
    const TBytes sprite = [] {
        TBytes b;
        b.Header("SPR ", 1, 1).U16(0).U16(0).U16(1).U32(3).U16(0).U16(0).U16(0);
        b.Header("TBL ", 1, 2).U16(0);
        return b;
    }();
    Creator.Types["cast\\dealer.sp"] = 42;
    const struct {
        const char* Case;
        TBytes Image;
        bool Reads;
        std::vector<std::pair<std::string, u16>> Made;
        int Prepared;
    } cases[] = {
        {"1.2 without sprites prepares nothing",
         std::move(TBytes().Header("PLST", 1, 2).U16(0).U16(1)),
         true,
         {},
         0},
        {"1.2 asks the creator for the type",
         std::move(TBytes().Header("PLST", 1, 2).U16(1).Name9("dealer").U16(1).Raw(sprite.Data)),
         true,
         {{"cast\\dealer.sp", 42}},
         1},
        {"1.3 stores it",
         std::move(TBytes()
                       .Header("PLST", 1, 3)
                       .U16(1)
                       .Name9("dealer")
                       .U16(7)
                       .U16(2)
                       .Name9("idle")
                       .U16(1)
                       .U16(1)
                       .Name9("dealer")
                       .Raw(sprite.Data)),
         true,
         {{"cast\\dealer.sp", 7}},
         1},
        {"1.1", std::move(TBytes().Header("PLST", 1, 1).U16(0).U16(1)), false, {}, 0},
        {"2.1", std::move(TBytes().Header("PLST", 2, 1).U16(0).U16(1)), false, {}, 0},
        {"a sprite that cannot be read",
         std::move(TBytes()
                       .Header("PLST", 2, 3)
                       .U16(1)
                       .Str("d.sp")
                       .U16(0)
                       .U16(1)
                       .Raw(std::vector<u8>(sprite.Data.begin(), sprite.Data.end() - 1))),
         false,
         {{"d.sp", 0}},
         1},
        {"a sprite the creator refuses",
         std::move(
             TBytes().Header("PLST", 2, 3).U16(1).Str("no.sp").U16(0).U16(1).Raw(sprite.Data)),
         false,
         {{"no.sp", 0}},
         1},
        {"more sprites than places",
         std::move(TBytes().Header("PLST", 2, 3).U16(40000)),
         false,
         {},
         0},
    };
    Creator.RefuseName = "no.sp";
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Creator.Made.clear();
        Creator.Prepared = 0;
        Progress.Calls.clear();
        // A file name of its own: the manager keeps images it has read.
        const std::string name = "old" + std::to_string(++n) + ".spl";
        WriteImage(name, c.Image);
        const TFileMode mode(name, 0, FM_LEVEL_NOW, 0, 4);
        auto list =
            TJorpBase::CreateAttached<TSpriteList>(mode, true, false, &Owner, mode, &Creator);
        EXPECT_EQ(list->GetBytesRead() >= 0, c.Reads);
        EXPECT_EQ(Creator.Made, c.Made);
        EXPECT_EQ(Creator.Prepared, c.Prepared);
        EXPECT_EQ(Progress.Calls.empty(), c.Made.empty());
        EXPECT_EQ(list->GetCount(), c.Reads ? static_cast<i16>(c.Made.size()) : i16{0});
        EXPECT_LE(list->GetCapacity(), 1);
    }
    // The 1.3 list's idle set names its member by its full file name.
    const TFileMode mode("old3.spl", 0, FM_LEVEL_NOW, 0, 4);
    auto list = TJorpBase::CreateAttached<TSpriteList>(mode, true, false, &Owner, mode, &Creator);
    EXPECT_EQ(list->GetStateMemberName(1, 0, 0), "cast\\dealer.sp");
}

// A sprite that counts as the save of a sprite that failed.
class TUnsavedSprite : public TSprite {
public:
    using TSprite::TSprite;
    bool SaveIfNeeded() override { return false; }
};

TEST_F(SpriteLists, SavingReportsASpriteThatFailed) {
    TSpriteList list(&Owner, TFileMode("two.spl", 0, 0), nullptr);
    auto good = MakeTableSprite(&Owner, "good", {});
    auto bad = std::make_unique<TUnsavedSprite>(&Owner);
    bad->SetFileName("bad");
    list.Add(good.release());
    list.Add(bad.release());
    EXPECT_FALSE(list.SaveIfNeeded());
    // The rest is saved all the same.
    EXPECT_FALSE(Cd.ReadHostFile("good.sp").empty());
    EXPECT_FALSE(Cd.ReadHostFile("two.spl").empty());
}

// Sprites that finish as soon as they are played (they have no members), in a list whose
// creator looks sprites up in it.
class SpriteSets : public ::testing::Test {
protected:
    TSprite* AddSprite(const std::string& name, u16 id, u32 duration = 0) {
        auto sprite = std::make_unique<TSprite>(&Owner);
        sprite->SetFileName(name);
        sprite->SetId(id);
        sprite->Duration = duration;
        TSprite* raw = sprite.get();
        EXPECT_TRUE(List.Add(sprite.release()));
        List.SortByName();
        return raw;
    }
    void Frame(u32 t) {
        Owner.Tick = t;
        List.Tick(t);
        List.PostTick(t);
    }

    TTickOwner Owner;
    TFakeCreator Creator{&Owner};
    TSpriteList List{&Owner, &Creator};
    void SetUp() override { Creator.List = &List; }
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
    EXPECT_TRUE(List.CanActivate(next, 0));
    // An id that names no set belongs to set 0, where anything may start.
    EXPECT_EQ(List.SetOfSprite(loose), 0);
    EXPECT_TRUE(List.Use(loose, 15));
    EXPECT_TRUE(List.Use(loose, 15));
}

TEST_F(SpriteSets, IdleAlternativesAreChosenAtRandomAndGiveWayToUsedSprites) {
    List.AddActiveList("idle");
    for (const char* name : {"i0", "i1", "i2"})
        AddSprite(name, 0);
    TSprite* used = AddSprite("used", 1, 4);
    ASSERT_TRUE(List.AddStateToSet(1));
    for (const char* name : {"i0.sp", "i1.sp", "i2.sp"})
        ASSERT_TRUE(List.AddMemberToSetState(1, 0, name));
    List.Resolve();
    TSpriteSet& state = *List.GetSet(1)->GetState(0);

    TLcgRandom random;
    random.Seed(77);
    TScopedRandomSource source(random);
    TLcgRandom expected;
    expected.Seed(77);
    ASSERT_TRUE(List.SetSetState(1, 0));
    EXPECT_EQ(state.GetCurrentIndex(), expected.Next() % 3);
    // Setting the state it is in changes nothing and draws no number.
    ASSERT_TRUE(List.SetSetState(1, 0));
    EXPECT_EQ(random.GetState(), expected.GetState());
    // The first alternative is found finished by the first frame's second pass; from then on
    // each alternative ends as it starts, so each frame chooses again.
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
    List.AddActiveList("idle");
    List.AddStateToSet(1);
    List.AddMemberToSetState(1, 0, "ghost.sp");
    List.Resolve();
    List.SetSetState(1, 0);
    TSpriteSet& state = *List.GetSet(1)->GetState(0);
    for (u32 t = 1; t <= 3; ++t) {
        Frame(t);
        EXPECT_EQ(state.GetCurrent()->Done, 1) << t;
    }
}

TEST_F(SpriteSets, ARemovedSpriteIsForgottenAndAReplacedOneLookedUpAgain) {
    List.AddActiveList("idle");
    TSprite* gone = AddSprite("gone", 1);
    AddSprite("stay", 0);
    List.AddStateToSet(1);
    List.AddMemberToSetState(1, 0, "gone.sp");
    List.AddMemberToSetState(1, 0, "stay.sp");
    List.Resolve();
    List.Acquire(0);
    ASSERT_TRUE(List.Use(gone, 3));
    const TSpriteSet& state = *List.GetSet(1)->GetState(0);
    ASSERT_EQ(state.GetMember(0)->GetSprite(), gone);

    EXPECT_TRUE(List.RemoveSprite("gone.sp"));
    EXPECT_FALSE(List.RemoveSprite("gone.sp"));
    EXPECT_EQ(Owner.Resolves, 1);
    EXPECT_EQ(state.GetMember(0)->GetSprite(), nullptr);
    EXPECT_FALSE(List.GetSet(1)->AnyRunning());
    Frame(3);

    auto fresh = MakeTableSprite(&Owner, "stay", {});
    TSprite* freshRaw = fresh.get();
    const i16 at = List.IndexOf("stay.sp");
    std::unique_ptr<TSprite> old(List.ReplaceSpriteAt(at, fresh.release()));
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(state.GetMember(1)->GetSprite(), freshRaw);
    // The alternative holds its use on the sprite it found.
    EXPECT_EQ(freshRaw->GetUseCount(), 1);
}

} // namespace
