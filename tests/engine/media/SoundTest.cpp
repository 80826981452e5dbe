// Sound objects on the real mixer: waves with and without one, their start and end on the
// timeline, the list's notice to the sprite, opening ahead of a play, music that cannot start,
// and the media services' answers.
#include "SoundFixture.h"
#include "SpriteSupport.h"

#include "engine/media/CursorMgr.h"
#include "engine/media/WaveCache.h"

#include <gtest/gtest.h>

namespace {

class Sounds : public SoundFixture {
protected:
    void SetUp() override {
        SoundFixture::SetUp();
        WriteWave("bell", LevelWave(1000, 22050));
    }
    // A sprite whose only member is a wave of the duration, starting after the delay.
    std::unique_ptr<TSprite> WaveSprite(i16 duration, i16 delay = 0) {
        auto sprite = std::make_unique<TSprite>(Window);
        sprite->AddWavByName(TFileMode("bell", 1, 1), duration);
        sprite->GetWav(0)->StartDelay = delay;
        return sprite;
    }
    void Tick(TSprite& sprite, u32 t) {
        Window->FrameCount = t;
        sprite.Tick(t);
    }
    // Plays of the wave the mixer holds: queued, or on a channel it still owns.
    i16 PlaysOf(const TWav& wav) {
        i16 n = 0;
        for (i16 c = 0; c < WAVEMIX_CHANNELS; ++c)
            if (Mixer().GetChannel(c)->GetSound() == &wav)
                ++n;
        const TPlayQ& queue = Mixer().GetQueue();
        for (i16 i = 0; i < queue.GetCount(); ++i)
            if (static_cast<const TPlayQData*>(queue.GetAt(i))->Sound == &wav)
                ++n;
        return n;
    }
    static const TAudioData& Entry(const TWav& wav) { return *wav.GetCacheRef()->Entry; }
};

TEST_F(Sounds, WithoutAMixerEveryWaveCountsOutAsItStarts) {
    auto sprite = WaveSprite(5);
    Window->FrameCount = 10;
    sprite->Play(10);
    EXPECT_TRUE(sprite->GetWav(0)->HasFlags(JOF_STOP_REQUESTED));
    EXPECT_EQ(sprite->GetWavList()->GetPlayingCount(), 0);
    // Nor has it animations: the sprite is finished within Play.
    EXPECT_TRUE(sprite->HasFlags(SPF_WAVS_DONE | SPF_ANMS_DONE | JOF_STOP_REQUESTED));
}

TEST_F(Sounds, ADelayedWaveStartsAtItsTickAndAPastOneAtOnce) {
    StartSound();
    auto delayed = WaveSprite(0, 3);
    Window->FrameCount = 10;
    delayed->Play(10);
    EXPECT_EQ(PlaysOf(*delayed->GetWav(0)), 0);
    EXPECT_EQ(delayed->GetWavList()->GetPlayingCount(), 1);
    for (u32 t = 11; t <= 12; ++t)
        Tick(*delayed, t);
    EXPECT_EQ(PlaysOf(*delayed->GetWav(0)), 0);
    Tick(*delayed, 13);
    EXPECT_EQ(PlaysOf(*delayed->GetWav(0)), 1);
    // Played with a tick the counter has passed: started now, not waited for.
    auto late = WaveSprite(0);
    Window->FrameCount = 20;
    late->GetWav(0)->Play(15);
    EXPECT_EQ(PlaysOf(*late->GetWav(0)), 1);
}

TEST_F(Sounds, AtTheEndOfItsDurationAWaveIsDetachedOrCut) {
    StartSound();
    for (bool cut : {false, true}) {
        SCOPED_TRACE(cut ? "cut" : "detached");
        auto sprite = WaveSprite(5, 3);
        TWav& wav = *sprite->GetWav(0);
        wav.SetCut(cut);
        Window->FrameCount = 10;
        sprite->Play(10);
        Tick(*sprite, 13);
        Mixer().Pump();
        TWaveMixControlData& channel = *Mixer().GetChannel(0);
        ASSERT_TRUE(channel.IsPlaying());
        // Started at 13 for 5 ticks: it ends at 17.
        for (u32 t = 13; t <= 16; ++t)
            wav.PostTick(t);
        EXPECT_TRUE(channel.IsOwned());
        wav.PostTick(17);
        // Detached, it sounds on, no longer its own; cut, it stops.
        EXPECT_EQ(channel.IsInUse(), !cut);
        EXPECT_FALSE(channel.IsOwned());
        EXPECT_TRUE(wav.HasFlags(JOF_STOP_REQUESTED) && !wav.HasFlags(WAVF_ON_MIXER));
        EXPECT_TRUE(sprite->HasFlags(SPF_WAVS_DONE));
        EXPECT_EQ(Entry(wav).Priority, 1);
        Mixer().StopAll(false);
    }
}

TEST_F(Sounds, MutedRefusedAndReleasedPlaysCountOut) {
    StartSound();
    const struct {
        const char* Case;
        bool Mute, Deactivate, Release;
    } cases[] = {
        {"muted: the list stops within Play", true, false, false},
        {"refused while the application is inactive", false, true, false},
        {"the channel let go", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Mixer().SetMuted(c.Mute);
        c.Deactivate ? Mixer().Deactivate() : Mixer().Activate();
        auto sprite = WaveSprite(0);
        Window->FrameCount = 4;
        sprite->Play(4);
        EXPECT_NE(sprite->HasFlags(SPF_WAVS_DONE), c.Release);
        if (c.Release)
            Mixer().StopAll(true);
        EXPECT_TRUE(sprite->HasFlags(SPF_WAVS_DONE));
        EXPECT_TRUE(sprite->GetWav(0)->HasFlags(JOF_STOP_REQUESTED));
        EXPECT_EQ(PlaysOf(*sprite->GetWav(0)), 0);
    }
}

TEST_F(Sounds, AWaveIsOpenedAheadOnlyForAPlayThatIsNearAndLeavesTheCacheWhenDeleted) {
    StartSound();
    Window->FrameCount = 100;
    TAudioData* entry = nullptr;
    {
        auto sprite = WaveSprite(0);
        TWav& wav = *sprite->GetWav(0);
        entry = wav.GetCacheRef()->Entry;
        wav.Acquire(161);
        EXPECT_FALSE(entry->IsOpen());
        wav.Acquire(160);
        EXPECT_TRUE(entry->IsOpen());
        EXPECT_EQ(entry->References, 1);
    }
    // The entry stays, unreferenced, with its wave open, until unused waves are purged.
    EXPECT_EQ(entry->References, 0);
    EXPECT_TRUE(entry->IsOpen());
    TWav horn(Window, TFileMode("bell", 1, 1), 0, false, true);
    EXPECT_EQ(horn.GetCacheRef()->Entry, entry);
}

TEST_F(Sounds, MusicThatCannotStartIsMarkedStopped) {
    // Without a sound manager, and with one whose player finds no file.
    for (bool manager : {false, true}) {
        SCOPED_TRACE(manager ? "player" : "no manager");
        if (manager)
            StartSound();
        TMidi piece(Window);
        piece.Play(0);
        EXPECT_TRUE(piece.HasFlags(JOF_STOP_REQUESTED));
        EXPECT_FALSE(piece.Loop());
    }
}

TEST_F(Sounds, TheServicesAnswerForTheMixerAndTheWaitCursor) {
    u32 freed = 0;
    EXPECT_FALSE(Services.IsSoundPlaying() || Services.PurgeWaves(3, 1, freed));
    StartSound();
    auto sprite = WaveSprite(0);
    Window->FrameCount = 1;
    sprite->Play(1);
    EXPECT_FALSE(Services.IsSoundPlaying());
    Mixer().Pump();
    EXPECT_TRUE(Services.IsSoundPlaying());
    // The wave plays: no purge frees it.
    EXPECT_FALSE(Services.PurgeWaves(3, 1, freed));
    Mixer().StopAll(true);
    EXPECT_FALSE(Services.IsSoundPlaying());
    EXPECT_TRUE(Services.PurgeWaves(1, 1, freed));
    EXPECT_EQ(freed, LevelWave(1000, 22050).size());

    TCursorMgr cursors(nullptr);
    Services.SetCursorMgr(&cursors);
    Services.SetFileWaitCursor(true);
    EXPECT_EQ(cursors.GetSlot(CURSOR_SLOT_FILE_WAIT), TCursorData(nullptr, 32514));
    Services.SetFileWaitCursor(false);
    EXPECT_FALSE(cursors.GetSlot(CURSOR_SLOT_FILE_WAIT).IsSet());
    Services.SetCursorMgr(nullptr);
}

} // namespace
