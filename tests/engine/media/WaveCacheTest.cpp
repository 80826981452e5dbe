// The wave cache: bucket hashing, one open wave per name, the purges by priority and of unused
// entries, the byte totals, and the data-file manager reaching it through the media services.
#include "SoundFixture.h"

#include "engine/foundation/FileMgr.h"
#include "engine/foundation/MemMgr.h"

namespace {

constexpr u32 Frames = 1000;

class WaveCache : public SoundFixture {
protected:
    void SetUp() override {
        SoundFixture::SetUp();
        StartSound();
    }
    // A wave of its own file, opened and then resting in the class.
    TWav& Resting(const std::string& name, i8 cls) {
        WriteWave(name, LevelWave(500, Frames));
        TWav& wav = Wav(name);
        Mixer().SetWaveClass(&wav, 4);
        Mixer().SetWaveClass(&wav, cls);
        return wav;
    }
    static TAudioData& Entry(const TWav& wav) { return *wav.GetCacheRef()->Entry; }
    TAudioDSArray& Cache() { return *Mixer().GetCache(); }
    static u32 WaveBytes() { return static_cast<u32>(LevelWave(0, Frames).size()); }
};

TEST_F(WaveCache, NamesHashAsSignedCharactersIntoTwoHundredBuckets) {
    const struct {
        std::string Name;
        u16 Bucket;
    } cases[] = {{"ab", 92}, {"", 0}, {"\xff", 95}, {"a\xff", 193}};
    for (const auto& c : cases)
        EXPECT_EQ(TAudioDSArray::Hash(c.Name), c.Bucket) << c.Name;
}

TEST_F(WaveCache, SoundsOfOneFileShareAnEntryWhoseWaveOpensOnce) {
    WriteWave("bell", LevelWave(500, Frames));
    TWav& a = Wav("bell");
    TWav& b = Wav("bell");
    TAudioData& entry = Entry(a);
    ASSERT_EQ(&entry, &Entry(b));
    EXPECT_EQ(entry.References, 2);
    EXPECT_EQ(entry.ClassCounts[0], 2);
    EXPECT_FALSE(entry.IsOpen());
    Mixer().SetWaveClass(&a, 4);
    const TMixWave* opened = entry.Wave;
    ASSERT_NE(opened, nullptr);
    Mixer().SetWaveClass(&b, 4);
    EXPECT_EQ(entry.Wave, opened);
    EXPECT_EQ(JorpWaveBytes, WaveBytes());
    EXPECT_EQ(Mixer().GetOpenWaveBytes(), WaveBytes());
    // A class out of range counts as 0.
    Mixer().SetWaveClass(&b, 9);
    EXPECT_EQ(entry.ClassCounts[0], 1);
    EXPECT_EQ(entry.Priority, 4);
}

TEST_F(WaveCache, APurgeFreesIdleWavesUpToItsPriorityAndSparesBusyAndHigherOnes) {
    TWav& zero = Resting("zero", 0);
    TWav& one = Resting("one", 1);
    TWav& two = Resting("two", 2);
    // Past its duration it rests in class 1, but its play sounds on.
    WriteWave("busy", LevelWave(500, 22050));
    TWav& busy = Wav("busy", 1);
    RunFrame({&busy}, [&](u32 t) { busy.Play(t); });
    ASSERT_EQ(Entry(busy).Priority, 1);
    u32 freed = 0;
    EXPECT_FALSE(Mixer().PurgeUntil(1, 0xFFFFFFFF, &freed));
    EXPECT_EQ(freed, 2 * WaveBytes());
    EXPECT_FALSE(Entry(zero).IsOpen() || Entry(one).IsOpen());
    EXPECT_TRUE(Entry(two).IsOpen() && Entry(busy).IsOpen());
    EXPECT_EQ(JorpWaveBytes, WaveBytes() + Entry(busy).Size);
}

TEST_F(WaveCache, APurgeThatMissesAsksOneBucketFewerThanAllAndStopsBeforeItsStart) {
    TWav& kept = Resting("bell", 2);
    const i16 bucket = static_cast<i16>(TAudioDSArray::Hash(kept.GetFileMode().Name.GetText()));
    const i16 after = static_cast<i16>((bucket + 1) % TAudioDSArray::BucketCount);
    // Each miss leaves the cursor one bucket back, until it is just after the wave's bucket.
    u32 freed = 0;
    for (i16 cursor = 0; cursor != after; cursor = Cache().GetPurgeCursor()) {
        ASSERT_FALSE(Mixer().PurgeUntil(0, 1, &freed));
        ASSERT_EQ(Cache().GetPurgeCursor(), (cursor + 199) % 200);
    }
    // From there the wave's bucket would be the two hundredth: it is not asked.
    EXPECT_FALSE(Mixer().PurgeUntil(2, 1, &freed));
    EXPECT_TRUE(Entry(kept).IsOpen());
    EXPECT_EQ(Cache().GetPurgeCursor(), bucket);
    EXPECT_TRUE(Mixer().PurgeUntil(2, 1, &freed));
    EXPECT_EQ(freed, WaveBytes());
}

TEST_F(WaveCache, AnEntryOutlivesItsLastSoundUntilUnusedWavesArePurged) {
    const std::string name = Resting("bell", 4).GetFileMode().Name.GetText();
    Objects.clear();
    TAudioData* entry = Cache().Bucket(name).FindByName(name);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->References, 0);
    EXPECT_EQ(JorpWaveBytes, WaveBytes());
    Mixer().PurgeUnusedWaves();
    EXPECT_EQ(Cache().Bucket(name).FindByName(name), nullptr);
    EXPECT_EQ(JorpWaveBytes, 0U);
}

TEST_F(WaveCache, AWaveTheLibraryCannotOpenHoldsNoBytes) {
    WriteWave("broken", {'R', 'I', 'F', 'F', 0, 0, 0, 0});
    TWav& broken = Wav("broken");
    Mixer().SetWaveClass(&broken, 4);
    EXPECT_FALSE(Entry(broken).IsOpen());
    EXPECT_EQ(JorpWaveBytes, 0U);
    EXPECT_EQ(Mixer().GetOpenWaveBytes(), 0U);
}

TEST_F(WaveCache, TheDataFileManagerFreesIdleWavesThroughTheMediaServices) {
    TWav& idle = Resting("idle", 0);
    WriteWave("bell", LevelWave(500, 22050));
    TWav& playing = Wav("bell");
    RunFrame({}, [&](u32 t) { playing.Play(t); });
    const u32 before = JorpWaveBytes;
    TEngineContext::FileMgr->PurgeLowClasses();
    EXPECT_FALSE(Entry(idle).IsOpen());
    EXPECT_TRUE(Entry(playing).IsOpen());
    EXPECT_EQ(JorpWaveBytes, before - WaveBytes());
}

} // namespace
