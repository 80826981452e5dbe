// Sprites and their tables: the ".sp" and cell layouts of every version, the writer's bytes, member
// order, durations, the hold, driven sprites and the fatal reports.
#include "SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/foundation/FileMgrParts.h"
#include "engine/media/Anm.h"
#include "engine/media/Sound.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

namespace {

// A 2.4 cell body.
TBytes& Cell24(TBytes& b, const std::string& name, u8 kind, u32 duration, i16 direction, i16 x = 0,
               i16 y = 0, i16 z = 0, i16 first = 0) {
    return b.Header("Cell", 2, 4)
        .Str(name)
        .U32(duration)
        .U16(kind)
        .U16(static_cast<u16>(direction))
        .U16(0)
        .U16(static_cast<u16>(x))
        .U16(static_cast<u16>(y))
        .U16(static_cast<u16>(z))
        .U16(static_cast<u16>(first));
}

// A sprite header and body of the version, then a one-row table holding an animation in slot
// 0 and a wave in slot 7.
TBytes SpriteImage(u16 minor, u16 id, u16 type, u16 keep) {
    TBytes b;
    b.Header("SPR ", 1, minor).U16(id);
    if (minor == 1)
        b.U16(type);
    b.U16(keep).U32(40).U16(3).U16(4).U16(5);
    b.Header("TBL ", 1, 2).U16(1).Header("ROW ", 1, 2).U8(0x81);
    Cell24(b, "a.anm", 1, 6, 1);
    Cell24(b, "w.wav", 0, 2, 1);
    return b;
}

TEST(SpriteFile, EachVersionsLayoutAndTheMembersOfMask0x81) {
    const struct {
        const char* Case;
        u16 Minor, Id, Type, Keep;
        u16 WantId, WantType;
    } cases[] = {
        {"1.0 has no object type", 0, 7, 0, 1, 7, 0},
        {"1.1 stores the object type", 1, 7, 21, 0, 7, 21},
        {"1.2 is read as 1.0", 2, 7, 0, 1, 7, 0},
        {"a negative id reads 0", 1, 0x8001, 3, 0, 0, 3},
    };
    TTickOwner owner;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        const TBytes image = SpriteImage(c.Minor, c.Id, c.Type, c.Keep);
        auto sprite = TSprite::MakeEmbedded(image.Address(), &owner, TFileMode("s", 0, 0));
        ASSERT_EQ(sprite->GetBytesRead(), static_cast<i32>(image.Data.size()));
        EXPECT_EQ(sprite->GetId(), c.WantId);
        EXPECT_EQ(sprite->GetObjectType(), c.WantType);
        EXPECT_EQ(sprite->HasFlags(SPF_KEEP_DURATION), c.Keep != 0);
        EXPECT_EQ(sprite->Duration, 40U);
        EXPECT_EQ(sprite->GetPosition(), (TGrPoint{3, 4, 5}));
        EXPECT_EQ(sprite->GetHome(), (TGrPoint{3, 4, 5}));
        EXPECT_EQ(sprite->GetFileMode().Name.GetText(), "s.sp");
        // The table is set-up data only.
        EXPECT_EQ(sprite->GetTable(), nullptr);
        ASSERT_EQ(sprite->GetAnmList()->GetCount(), 1);
        ASSERT_EQ(sprite->GetWavList()->GetCount(), 1);
        const TAnm& anm = *sprite->GetAnm(0);
        EXPECT_EQ(anm.GetFileMode().Name.GetText(), "a.anm");
        EXPECT_EQ(anm.Duration, 6U);
        // The cell's place is offset by the sprite's position.
        EXPECT_EQ(anm.GetCurrentData().Position, (TGrPoint{3, 4, 5}));
        EXPECT_EQ(sprite->GetWav(0)->Duration, 2U);
    }
}

TEST(SpriteFile, EveryCutOfTheImageFailsCleanly) {
    const TBytes image = SpriteImage(1, 1, 1, 0);
    TTickOwner owner;
    for (size_t cut = 0; cut < image.Data.size(); ++cut) {
        const std::vector<u8> part(image.Data.begin(), image.Data.begin() + static_cast<long>(cut));
        auto sprite = TSprite::MakeEmbedded({part.data(), static_cast<u32>(part.size())}, &owner,
                                            TFileMode("s", 0, 0));
        EXPECT_EQ(sprite->GetBytesRead(), -1) << cut;
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
    const std::string bytes = Saved(*sprite);

    TBytes want;
    want.Header("SPR ", 1, 1).U16(9).U16(30).U16(1).U32(12).U16(100).U16(50).U16(2);
    want.Header("TBL ", 1, 2).U16(3);
    want.Header("ROW ", 1, 2).U8(0x22);
    Cell24(want, "r0s1.anm", 1, 4, -1);
    Cell24(want, "r0s5.anm", 1, 3, 1, 1, 2, 3);
    want.Header("ROW ", 1, 2).U8(0x00);
    want.Header("ROW ", 1, 2).U8(0x0D);
    Cell24(want, "r2s0.anm", 1, 10, 0);
    Cell24(want, "r2s2.wav", 0, 7, 1);
    Cell24(want, "", 1, 9, 1);
    EXPECT_EQ(bytes, std::string(want.Data.begin(), want.Data.end()));

    auto read = TSprite::MakeNamed(true, false, &Owner, TFileMode("order", 0, FM_LEVEL_NOW));
    ASSERT_EQ(read->GetAnmList()->GetCount(), 3);
    const struct {
        const char* Name;
        i16 Delay;
        i32 Direction;
    } anms[] = {{"r0s1.anm", 0, -1}, {"r0s5.anm", 0, 1}, {"r2s0.anm", 2, 0}};
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
    ASSERT_TRUE(longest->AddAnmByName(TFileMode("a.anm", 1, 1), 0));
    ASSERT_TRUE(longest->AddWavByName(TFileMode("w.wav", 1, 1), 5));
    longest->GetAnm(0)->StartDelay = 2;
    longest->GetAnm(0)->Duration = 10;
    auto empty = MakeTableSprite(&Owner, "empty", {});
    auto kept = MakeTableSprite(&Owner, "kept", {});
    ASSERT_TRUE(kept->AddAnmByName(TFileMode("a.anm", 1, 1), 0));
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
    const struct {
        const char* Case;
        TBytes Image;
        bool Reads;
        std::string Name;
        i32 Direction;
        i16 First;
    } cases[] = {
        {"1.2 animation",
         std::move(TBytes()
                       .Header("Cell", 1, 2)
                       .Name9("abcdefgh")
                       .U32(5)
                       .U16(1)
                       .U16(0)
                       .U16(1)
                       .U16(1)
                       .U16(2)
                       .U16(3)),
         true, "gfx\\abcdefgh.anm", -1, 0},
        {"1.2 wave",
         std::move(TBytes()
                       .Header("Cell", 1, 2)
                       .Name9("abcdefgh")
                       .U32(5)
                       .U16(0)
                       .U16(1)
                       .U16(0)
                       .U16(1)
                       .U16(2)
                       .U16(3)),
         true, "gfx\\abcdefgh.wav", 1, 0},
        {"2.0 forward flag 0",
         std::move(TBytes()
                       .Header("Cell", 2, 0)
                       .Str("n.anm")
                       .U32(5)
                       .U16(1)
                       .U16(0)
                       .U16(0)
                       .U16(1)
                       .U16(2)
                       .U16(3)),
         true, "n.anm", -1, 0},
        {"2.3 direction 0 holds",
         std::move(TBytes()
                       .Header("Cell", 2, 3)
                       .Str("n.anm")
                       .U32(5)
                       .U16(1)
                       .U16(0)
                       .U16(0)
                       .U16(1)
                       .U16(2)
                       .U16(3)),
         true, "n.anm", 0, 0},
        {"2.4 first frame",
         std::move(Cell24(*std::make_unique<TBytes>(), "n.anm", 1, 5, -1, 1, 2, 3, 6)), true,
         "n.anm", -1, 6},
        {"2.1", std::move(TBytes().Header("Cell", 2, 1).Str("n.anm").U32(5)), false, "", 0, 0},
        {"1.3", std::move(TBytes().Header("Cell", 1, 3).Name9("n").U32(5)), false, "", 0, 0},
        {"3.4", std::move(TBytes().Header("Cell", 3, 4).Str("n.anm").U32(5)), false, "", 0, 0},
        {"2.4 cut short", std::move(TBytes().Header("Cell", 2, 4).Str("n.anm").U32(5).U16(1)),
         false, "", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        auto cell = TJorpBase::CreateLoadedAt<TSpriteCell>(c.Image.Address(), true, &Owner,
                                                           TFileMode("s.sp", 0, 0, 0, 3), nullptr);
        ASSERT_EQ(cell->GetBytesRead() >= 0, c.Reads);
        if (!c.Reads)
            continue;
        EXPECT_EQ(cell->GetName(), c.Name);
        EXPECT_EQ(cell->Direction, c.Direction);
        EXPECT_EQ(cell->FirstFrame, c.First);
        EXPECT_EQ(cell->Duration, 5U);
        EXPECT_EQ((TGrPoint{cell->X, cell->Y, cell->Z}), (TGrPoint{1, 2, 3}));
    }
}

TEST(SpriteCells, AWaveTakesOnlyTheLow16BitsOfItsDurationAsSigned) {
    TTickOwner owner;
    TSprite sprite(&owner);
    TSpriteCell cell(&owner, TFileMode("s.sp", 0, 0));
    cell.SetSprite(&sprite);
    cell.SetName("w.wav");
    cell.Kind = 0;
    for (const auto& [duration, want] :
         {std::pair<u32, u32>{65536 + 5, 5}, {65536 + 40000, 0}, {32767, 32767}, {0, 0}}) {
        cell.Duration = duration;
        std::unique_ptr<TWav> wav(cell.MakeWav(4));
        EXPECT_EQ(wav->Duration, want) << duration;
        EXPECT_EQ(wav->StartDelay, 4);
    }
}

TEST(SpriteTimeline, TheHoldPassesTicksButNotPostTicks) {
    TTickOwner owner;
    const std::vector<TAnmFrameSource> three(3, MakeFrame(2, 2, 0, 0, &AllOpaque));
    const std::vector<u8> anm = TAnmEncoder::Encode(three, 0, 0);
    for (bool openAtOnce : {false, true}) {
        SCOPED_TRACE(openAtOnce);
        TSprite sprite(&owner);
        auto member = std::make_unique<TAnm>(&owner, TFileMode("a.anm", 1, 1), TAnmData());
        member->LoadAt({anm.data(), static_cast<u32>(anm.size())}, true);
        TAnm& a = *member;
        ASSERT_TRUE(sprite.AddAnm(member.release()));
        if (openAtOnce)
            sprite.SetFlags(JOF_START_NOW);
        sprite.Play(0);
        for (u32 t = 1; t <= 5; ++t) {
            owner.Tick = t;
            sprite.Tick(t);
            sprite.PostTick(t);
        }
        // Held open, the animation is stepped but never told it reached its last frame.
        EXPECT_EQ(a.HasFlags(JOF_STOP_REQUESTED), !openAtOnce);
        EXPECT_EQ(sprite.HasFlags(SPF_ANMS_DONE), !openAtOnce);
        EXPECT_EQ(a.GetCurrentData().CurrentFrame, 2);
    }
}

TEST(SpriteTimeline, ADrivenSpritePlaysOnlyItsAnimationsButWavesOneByOne) {
    TTickOwner owner;
    TSprite sprite(&owner);
    ASSERT_TRUE(sprite.AddAnmByName(TFileMode("a.anm", 1, 1), 0));
    ASSERT_TRUE(sprite.AddWavByName(TFileMode("w.wav", 1, 1), 3));
    sprite.GetAnm(0)->StartDelay = 4;
    sprite.GetWav(0)->StartDelay = 2;
    sprite.ClearStartDelays();
    EXPECT_TRUE(sprite.HasFlags(SPF_DRIVEN));
    EXPECT_EQ(sprite.GetAnm(0)->StartDelay, 0);
    EXPECT_EQ(sprite.GetWav(0)->StartDelay, 0);
    owner.Tick = 50;
    sprite.Play(50);
    EXPECT_EQ(sprite.GetAnm(0)->GetStartTick(), 50U);
    EXPECT_EQ(sprite.GetWav(0)->PlayStartTick, 0U);
    // Its animation list finished (no image), yet a driven sprite is never stopped by it.
    EXPECT_FALSE(sprite.HasFlags(JOF_STOP_REQUESTED));
    owner.Tick = 60;
    sprite.PlayWavAt(0);
    EXPECT_EQ(sprite.GetWav(0)->PlayStartTick, 60U);
}

TEST(SpriteFatal, ReportsEndTheProgramWithTheirTexts) {
    TTickOwner owner;
    TSprite sprite(&owner);
    sprite.SetFileName("c:\\data\\btn");
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
        {[](TSprite& s) { s.AttachNamed(true, false); }, "Fatal Error - Sprite Ctor",
         "(Sprite Table == NULL) when needed to createlists"},
    };
    for (const auto& c : cases) {
        TMessageBoxRecorder boxes;
        TExitTrap trap;
        TSprite named(&owner, TFileMode("c:\\data\\btn", 0, 0));
        TSprite& target = c.Caption == std::string("Fatal Error - Sprite Ctor") ? named : sprite;
        EXPECT_THROW(c.Call(target), TProcessExit);
        ASSERT_EQ(boxes.Boxes.size(), 1U);
        EXPECT_EQ(boxes.Boxes[0].Caption, c.Caption);
        EXPECT_EQ(boxes.Boxes[0].Text, c.Text);
    }
}

} // namespace
