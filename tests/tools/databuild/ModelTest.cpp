// The sprite model against the engine: members numbered and durations worked out as the engine
// does once it reads the list back, and stored indices equal to positions in the read list.
#include "../../engine/foundation/FileMgrFixture.h"
#include "engine/media/Anm.h"
#include "engine/media/Sound.h"
#include "engine/media/Sprite.h"
#include "engine/media/SpriteList.h"
#include "tools/databuild/writer/EngineFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(SpriteModelTest, MembersFillRowsSlotBySlotAndAreNumberedAnimationsApartFromWaves) {
    TSpriteModel sprite("\\a\\s.sp", 0);
    for (int i = 0; i < 10; ++i)
        sprite.AddAnm("\\a\\m" + std::to_string(i) + ".anm", 0, 0, 0);
    sprite.AddWave("\\a\\w.wav");
    sprite.AddAnmAt(0, "\\a\\late.anm", 0, 0, 0, 0, PLAY_HOLD);
    EXPECT_EQ(sprite.AnmCount(), 11);
    EXPECT_EQ(sprite.WaveCount(), 1);
    EXPECT_EQ(sprite.Anm(7)->Row, 0);
    EXPECT_EQ(sprite.Anm(8)->File, "\\a\\late.anm") << "row 0 before row 1";
    EXPECT_EQ(sprite.Anm(9)->File, "\\a\\m8.anm");
    EXPECT_EQ(sprite.Wave(0)->Row, 1);
    EXPECT_EQ(sprite.Wave(0)->Slot, 2);
    EXPECT_EQ(sprite.Anm(11), nullptr);
    // Placed by screen position: the engine adds 1 to the cell's point.
    EXPECT_EQ(sprite.Anm(0)->X, -1);
}

class SpriteModelRoundTrip : public ObjectFileFixture {};

TEST_F(SpriteModelRoundTrip, TheEngineReadsTheSameMembersDurationsAndIndices) {
    TSpriteListModel model("\\a\\list.spl");
    // Added out of name order: stored indices count in the order the engine sorts by.
    TSpriteModel late("\\a\\zeta.sp", 0);
    late.AddAnmAt(3, "\\a\\one.anm", 10, 20, 5, 0, PLAY_HOLD); // delay 3, no duration: 1 + 2
    TSpriteModel timed("\\a\\alpha.sp", 7, 1);
    timed.AddAnm("\\a\\one.anm", 0, 0, 0, 5, PLAY_FORWARD);
    timed.AddWaveAt(4, "\\a\\one.wav", 9); // 4 + 9 - 1 = 12
    TSpriteModel wrapped("\\a\\mid.sp", 0);
    wrapped.AddWaveAt(2, "\\a\\one.wav", 40000);              // negative in 16 bits: counts as 0
    wrapped.AddAnm("\\a\\one.anm", 0, 0, 0, 2, PLAY_FORWARD); // joins row 2: 2 + 2 - 1
    model.Add(late);
    model.Add(timed);
    model.Add(wrapped);
    model.Sets.push_back({"dealer", {{"\\a\\alpha.sp"}}});
    // The engine's writers make no folders.
    std::filesystem::create_directories(Cd.Host("a"));
    WriteSpriteListFile(model);

    const TFileMode mode("\\a\\list.spl", 0, FM_LEVEL_NOW);
    auto list = TJorpBase::CreateAttached<TSpriteList>(mode, true, false, nullptr, mode, nullptr);
    ASSERT_TRUE(list->HasFlags(JOF_LOADED));
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->GetStateMemberName(1, 0, 0), "\\a\\alpha.sp");
    const struct {
        const char* Name;
        u32 Duration;
    } expected[] = {{"\\a\\zeta.sp", 3}, {"\\a\\alpha.sp", 13}, {"\\a\\mid.sp", 4}};
    for (const auto& e : expected) {
        const TSpriteModel* m = model.Find(e.Name);
        const i16 index = model.IndexOf(e.Name);
        EXPECT_EQ(list->IndexOf(e.Name), index) << e.Name;
        TSprite* sprite = list->GetSprite(index);
        EXPECT_EQ(m->Duration(), e.Duration) << e.Name;
        EXPECT_EQ(sprite->Duration, e.Duration) << e.Name;
        EXPECT_EQ(sprite->CalcDuration(), e.Duration) << e.Name;
        EXPECT_EQ(sprite->GetObjectType(), m->GetType());
        EXPECT_EQ(sprite->GetId(), m->GetSet());
        for (u16 i = 0; i < m->AnmCount(); ++i)
            EXPECT_EQ(sprite->GetAnm(static_cast<i16>(i))->GetFileMode().Name.GetText(),
                      m->Anm(i)->File);
    }
    EXPECT_EQ(model.IndexOf("\\a\\none.sp"), -1);
}

} // namespace
