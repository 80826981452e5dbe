// Sprites and their tables: the ".sp" and cell layouts of every version, the writer's bytes and
// member order, durations, the hold, driven sprites and the fatal reports.
#include "SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/foundation/FileMgrParts.h"
#include "engine/media/Anm.h"
#include "engine/media/Sound.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

namespace {

// A 2.4 cell.
TBytes& Cell24(TBytes& b, const std::string& name, u8 kind, u32 duration, i16 direction,
               std::initializer_list<i32> xyzFirst = {0, 0, 0, 0}) {
    return b.Header("Cell", 2, 4).Str(name).D(duration).W({kind, direction, 0}).W(xyzFirst);
}

TEST(SpriteFile, EachVersionsLayoutAndTheMembersOfMask0x81) {
    const struct {
        const char* Case;
        u16 Minor, Id, Type, Keep, WantId, WantType;
    } cases[] = {{"1.0 has no object type", 0, 7, 0, 1, 7, 0},
                 {"1.1 stores it", 1, 7, 21, 0, 7, 21},
                 {"1.2 is read as 1.0", 2, 7, 0, 1, 7, 0},
                 {"a negative id reads 0", 1, 0x8001, 3, 0, 0, 3}};
    TTickOwner owner;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TBytes b;
        b.Header("SPR ", 1, c.Minor).W({c.Id});
        if (c.Minor == 1)
            b.W({c.Type});
        b.W({c.Keep}).D(40).W({3, 4, 5}).Header("TBL ", 1, 2).W({1}).Header("ROW ", 1, 2).B(0x81);
        Cell24(Cell24(b, "a.anm", 1, 6, 1), "w.wav", 0, 2, 1);
        auto sprite = TSprite::MakeEmbedded(b.Address(), &owner, TFileMode("s", 0, 0));
        ASSERT_EQ(sprite->GetBytesRead(), static_cast<i32>(b.Data.size()));
        EXPECT_EQ(sprite->GetId(), c.WantId);
        EXPECT_EQ(sprite->GetObjectType(), c.WantType);
        EXPECT_EQ(sprite->HasFlags(SPF_KEEP_DURATION), c.Keep != 0);
        EXPECT_EQ(sprite->Duration, 40U);
        EXPECT_EQ(sprite->GetHome(), (TGrPoint{3, 4, 5}));
        EXPECT_EQ(sprite->GetFileMode().Name.GetText(), "s.sp");
        EXPECT_EQ(sprite->GetTable(), nullptr);
        ASSERT_EQ(sprite->GetAnmList()->GetCount() + sprite->GetWavList()->GetCount(), 2);
        // The cell's place is offset by the sprite's position.
        EXPECT_EQ(sprite->GetAnm(0)->GetCurrentData().Position, (TGrPoint{3, 4, 5}));
        EXPECT_EQ(sprite->GetAnm(0)->Duration, 6U);
        EXPECT_EQ(sprite->GetWav(0)->Duration, 2U);
    }
}

class SpriteFiles : public ObjectFileFixture {
protected:
    std::string Saved(TSprite& sprite) {
        EXPECT_TRUE(sprite.SaveIfNeeded());
        return Cd.ReadHostFile(sprite.GetFileMode().Name.GetText());
    }
    TTickOwner Owner;
};

TEST_F(SpriteFiles, TheWriterWrites11WithCells24AndMembersComeRowByRowThenSlotBySlot) {
    auto sprite = MakeTableSprite(&Owner, "order",
                                  {{0, 5, "r0s5.anm", 1, 3, 1, 1, 2, 3},
                                   {0, 1, "r0s1.anm", 1, 4, -1},
                                   {2, 3, "", 1, 9, 1},
                                   {2, 2, "r2s2.wav", 0, 7, 1},
                                   {2, 0, "r2s0.anm", 1, 10, 0}});
    sprite->SetId(9);
    sprite->SetObjectType(30);
    sprite->SetPosition({100, 50, 2});
    sprite->SetFlags(SPF_KEEP_DURATION);
    sprite->Duration = 12;
    TBytes want;
    want.Header("SPR ", 1, 1).W({9, 30, 1}).D(12).W({100, 50, 2}).Header("TBL ", 1, 2).W({3});
    Cell24(Cell24(want.Header("ROW ", 1, 2).B(0x22), "r0s1.anm", 1, 4, -1), "r0s5.anm", 1, 3, 1,
           {1, 2, 3, 0});
    want.Header("ROW ", 1, 2).B(0).Header("ROW ", 1, 2).B(0x0D);
    Cell24(Cell24(Cell24(want, "r2s0.anm", 1, 10, 0), "r2s2.wav", 0, 7, 1), "", 1, 9, 1);
    EXPECT_EQ(Saved(*sprite), std::string(want.Data.begin(), want.Data.end()));

    auto read = TSprite::MakeNamed(true, false, &Owner, TFileMode("order", 0, FM_LEVEL_NOW));
    const struct {
        const char* Name;
        i16 Delay;
        i32 Direction;
    } anms[] = {{"r0s1.anm", 0, -1}, {"r0s5.anm", 0, 1}, {"r2s0.anm", 2, 0}};
    ASSERT_EQ(read->GetAnmList()->GetCount(), 3);
    for (i16 i = 0; i < 3; ++i) {
        EXPECT_EQ(read->GetAnm(i)->GetFileMode().Name.GetText(), anms[i].Name);
        EXPECT_EQ(read->GetAnm(i)->StartDelay, anms[i].Delay);
        EXPECT_EQ(read->GetAnm(i)->GetCurrentData().Direction, anms[i].Direction);
    }
    EXPECT_EQ(read->GetAnm(1)->GetCurrentData().Position, (TGrPoint{101, 52, 5}));
    ASSERT_EQ(read->GetWavList()->GetCount(), 1);
    EXPECT_EQ(read->GetWav(0)->StartDelay, 2);
}

TEST_F(SpriteFiles, DurationsComeFromTheLongestMemberUnlessKept) {
    // An animation from tick 2 for 10 ticks ends at 11, the wave at 4: the sprite lasts 12.
    auto longest = MakeTableSprite(&Owner, "long", {});
    longest->AddAnmByName(TFileMode("a.anm", 1, 1), 0);
    longest->AddWavByName(TFileMode("w.wav", 1, 1), 5);
    longest->GetAnm(0)->StartDelay = 2;
    longest->GetAnm(0)->Duration = 10;
    auto empty = MakeTableSprite(&Owner, "empty", {});
    auto kept = MakeTableSprite(&Owner, "kept", {});
    kept->AddAnmByName(TFileMode("a.anm", 1, 1), 0);
    kept->GetAnm(0)->Duration = 30;
    kept->SetFlags(SPF_KEEP_DURATION);
    kept->Duration = 77;
    for (TSprite* s : {longest.get(), empty.get(), kept.get()})
        Saved(*s);
    EXPECT_EQ(longest->Duration, 12U);
    EXPECT_EQ(empty->Duration, 1U);
    EXPECT_EQ(kept->Duration, 77U);
}

TEST_F(SpriteFiles, CellsOfEveryVersion) {
    Manager->GetData().SetEntry(3, "gfx");
    auto old = [](u16 kind, u16 forward) {
        return TBytes().Header("Cell", 1, 2).Name9("abcdefgh").D(5).W({kind, forward, 1, 1, 2, 3});
    };
    auto v2 = [](u16 minor, i16 direction) {
        return TBytes().Header("Cell", 2, minor).Str("n.anm").D(5).W({1, direction, 0, 1, 2, 3, 6});
    };
    const struct {
        const char* Case;
        TBytes Image;
        std::string Name; // empty: the read fails
        i32 Direction;
        i16 First;
    } cases[] = {
        {"1.2 animation", old(1, 0), "gfx\\abcdefgh.anm", -1, 0},
        {"1.2 wave", old(0, 1), "gfx\\abcdefgh.wav", 1, 0},
        {"2.0 forward flag 0", v2(0, 0), "n.anm", -1, 0},
        {"2.3 direction 0 holds", v2(3, 0), "n.anm", 0, 0},
        {"2.4 first frame", v2(4, -1), "n.anm", -1, 6},
        {"2.1", v2(1, 1), "", 0, 0},
        {"1.3", TBytes().Header("Cell", 1, 3).Name9("n").D(5).W({1, 1, 0, 1, 2, 3}), "", 0, 0},
        {"3.4", TBytes().Header("Cell", 3, 4).Str("n.anm").D(5).W({1, 1, 0, 1, 2, 3, 6}), "", 0, 0},
        {"2.4 cut short", TBytes().Header("Cell", 2, 4).Str("n.anm").D(5).W({1}), "", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        auto cell = TJorpBase::CreateLoadedAt<TSpriteCell>(c.Image.Address(), true, &Owner,
                                                           TFileMode("s.sp", 0, 0, 0, 3), nullptr);
        ASSERT_EQ(cell->GetBytesRead() >= 0, !c.Name.empty());
        if (c.Name.empty())
            continue;
        EXPECT_EQ(cell->GetName(), c.Name);
        EXPECT_EQ(cell->Direction, c.Direction);
        EXPECT_EQ(cell->FirstFrame, c.First);
        EXPECT_EQ((TGrPoint{cell->X, cell->Y, cell->Z}), (TGrPoint{1, 2, 3}));
    }
}

TEST(SpriteCells, AWaveTakesOnlyTheLow16BitsOfItsDurationAsSigned) {
    TTickOwner owner;
    TSprite sprite(&owner);
    TSpriteCell cell(&owner, TFileMode("s.sp", 0, 0), &sprite);
    cell.SetName("w.wav");
    cell.Kind = 0;
    for (const auto& [duration, want] :
         {std::pair<u32, u32>{65536 + 5, 5}, {65536 + 40000, 0}, {32767, 32767}}) {
        cell.Duration = duration;
        std::unique_ptr<TWav> wav(cell.MakeWav(4));
        EXPECT_EQ(wav->Duration, want) << duration;
    }
}

TEST(SpriteTimeline, TheHoldPassesTicksButNotPostTicks) {
    TTickOwner owner;
    const auto bytes = TAnmEncoder::Encode({3, MakeFrame(2, 2, 0, 0, &AllOpaque)}, 0, 0);
    for (bool openAtOnce : {false, true}) {
        TSprite sprite(&owner);
        auto* anm = new TAnm(&owner, TFileMode("a.anm", 1, 1), TAnmData());
        anm->LoadAt({bytes.data(), static_cast<u32>(bytes.size())}, true);
        ASSERT_TRUE(sprite.AddAnm(anm));
        if (openAtOnce)
            sprite.SetFlags(JOF_START_NOW);
        sprite.Play(0);
        for (u32 t = 1; t <= 5; ++t) {
            sprite.Tick(t);
            sprite.PostTick(t);
        }
        // Held open, the animation is stepped but never told it reached its last frame.
        EXPECT_EQ(anm->GetCurrentData().CurrentFrame, 2);
        EXPECT_EQ(anm->HasFlags(JOF_STOP_REQUESTED), !openAtOnce) << openAtOnce;
        EXPECT_EQ(sprite.HasFlags(SPF_ANMS_DONE), !openAtOnce) << openAtOnce;
    }
}

TEST(SpriteTimeline, ADrivenSpritePlaysOnlyItsAnimationsButWavesOneByOne) {
    TTickOwner owner;
    TSprite sprite(&owner);
    sprite.AddAnmByName(TFileMode("a.anm", 1, 1), 0);
    sprite.AddWavByName(TFileMode("w.wav", 1, 1), 3);
    sprite.GetAnm(0)->StartDelay = 4;
    sprite.GetWav(0)->StartDelay = 2;
    sprite.ClearStartDelays();
    EXPECT_EQ(sprite.GetAnm(0)->StartDelay + sprite.GetWav(0)->StartDelay, 0);
    owner.Tick = 50;
    sprite.Play(50);
    EXPECT_EQ(sprite.GetAnm(0)->GetStartTick(), 50U);
    EXPECT_EQ(sprite.GetWav(0)->PlayStartTick, 0U);
    // Its waves never counted in: a driven sprite is not finished by that.
    EXPECT_FALSE(sprite.HasFlags(SPF_WAVS_DONE));
    owner.Tick = 60;
    sprite.PlayWavAt(0);
    EXPECT_EQ(sprite.GetWav(0)->PlayStartTick, 60U);
}

// A sprite at rest does not pass its settled pictures, but a picture touched since is passed
// again at the next tick, and a wave waiting for its start still starts on time.
TEST(SpriteTimeline, ASpriteAtRestStillPassesATouchedPictureAndAWaitingWave) {
    TTickOwner owner;
    const auto bytes = TAnmEncoder::Encode({MakeFrame(2, 2, 0, 0, &AllOpaque)}, 0, 0);
    TSprite sprite(&owner);
    auto* anm = new TAnm(&owner, TFileMode("a.anm", 1, 1), TAnmData());
    anm->LoadAt({bytes.data(), static_cast<u32>(bytes.size())}, true);
    ASSERT_TRUE(sprite.AddAnm(anm));
    sprite.AddWavByName(TFileMode("w.wav", 1, 1), 3);
    TWav* wav = sprite.GetWav(0);
    wav->StartDelay = 6;
    sprite.Play(0);
    for (u32 t = 1; t <= 4; ++t) {
        sprite.Tick(t);
        sprite.PostTick(t);
    }
    ASSERT_TRUE(sprite.GetAnmList()->IsSettled());
    anm->GetCurrentData().CurrentFrame = 0;
    EXPECT_FALSE(sprite.GetAnmList()->IsSettled());
    sprite.Tick(5);
    EXPECT_TRUE(sprite.GetAnmList()->IsSettled());
    EXPECT_FALSE(wav->HasFlags(JOF_ON));
    sprite.Tick(6);
    EXPECT_TRUE(wav->HasFlags(JOF_ON));
}

TEST(SpriteFatal, ReportsEndTheProgramWithTheirTexts) {
    TTickOwner owner;
    TSprite sprite(&owner, TFileMode("c:\\data\\btn", 0, 0));
    const std::string head = "Sprite name: Button\n Sprite file name: c:\\data\\btn.sp\n"
                             " Description: \nno face";
    const struct {
        void (*Call)(TSprite&);
        const char* Caption;
        std::string Text;
    } cases[] = {
        {[](TSprite& s) { s.FatalAnmSetup("Button", "no face", 3); }, "Fatal Error - Anm Setup",
         head + "\n Num: 3\n Exiting Program"},
        {[](TSprite& s) { s.FatalWavSetup("Button", "no face", -1); }, "Fatal Error - Wav Setup",
         head + "\n Exiting Program"},
        // Its file is not there, so no table was read.
        {[](TSprite& s) { s.AttachNamed(true, false); }, "Fatal Error - Sprite Ctor",
         "(Sprite Table == NULL) when needed to createlists"},
    };
    for (const auto& c : cases) {
        TMessageBoxRecorder boxes;
        TExitTrap trap;
        EXPECT_THROW(c.Call(sprite), TProcessExit);
        ASSERT_EQ(boxes.Boxes.size(), 1U);
        EXPECT_EQ(boxes.Boxes[0].Caption, c.Caption);
        EXPECT_EQ(boxes.Boxes[0].Text, c.Text);
    }
}

} // namespace
