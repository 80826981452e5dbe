// Sound objects: waves with no mixer and with a recording one, their start and end on the timeline,
// the list's notice to the sprite, music without a player, and the media services.
#include "SpriteSupport.h"

#include "engine/foundation/EngineContext.h"
#include "engine/media/AudioWaveMix.h"
#include "engine/media/CursorMgr.h"
#include "engine/media/MediaServices.h"
#include "engine/media/Sound.h"
#include "engine/media/SoundMgr.h"

#include <gtest/gtest.h>

namespace {

using TCalls = std::vector<std::string>;

// Records what the waves ask of the mixer, and accepts or refuses plays as told.
struct TRecordingMix : TAudioWaveMix {
    bool QueuePlay(TWav* wav, u16) override { return Log(wav, "queue"), Accept; }
    bool StopSound(TWav* wav) override { return Log(wav, "stop"), true; }
    void DetachSound(TWav* wav) override { Log(wav, "detach"); }
    void RegisterWave(TWav* wav) override { Log(wav, "register"); }
    void UnregisterWave(TWav* wav) override { Log(wav, "unregister"); }
    void SetWaveClass(TWav* wav, i8 cls) override { Log(wav, "class " + std::to_string(cls)); }
    bool IsMuted() const override { return Muted; }
    bool IsPlaying() const override { return Playing; }
    bool PurgeUntil(u8 priority, u32 needed, u32& freed) override {
        return (freed += priority) >= needed;
    }
    void Log(const TWav* wav, const std::string& what) {
        Calls.push_back(wav->GetFileMode().Name.GetName() + " " + what);
    }
    TCalls Calls;
    bool Accept = true, Muted = false, Playing = false;
};

struct TMixerSoundMgr : TJorpSoundMgr {
    TAudioWaveMix* GetWaveMix() const override { return Mix; }
    TAudioWaveMix* Mix = nullptr;
};

class Sounds : public ::testing::Test {
protected:
    void SetUp() override { TEngineContext::Media = &Services; }
    void TearDown() override { TEngineContext::Media = nullptr; }
    void UseMixer() {
        Manager.Mix = &Mix;
        Services.SetSoundMgr(&Manager);
    }
    // A sprite whose only member is a wave of the duration, starting after the delay.
    std::unique_ptr<TSprite> WaveSprite(i16 duration, i16 delay = 0) {
        auto sprite = std::make_unique<TSprite>(&Owner);
        sprite->AddWavByName(TFileMode("bell", 1, 1), duration);
        sprite->GetWav(0)->StartDelay = delay;
        Mix.Calls.clear();
        return sprite;
    }
    void Tick(TSprite& sprite, u32 t) {
        Owner.Tick = t;
        sprite.Tick(t);
    }

    TTickOwner Owner;
    TMediaServices Services;
    TMixerSoundMgr Manager;
    TRecordingMix Mix;
};

TEST_F(Sounds, WithoutAMixerEveryWaveCountsOutAsItStarts) {
    auto sprite = WaveSprite(5);
    Owner.Tick = 10;
    sprite->Play(10);
    EXPECT_TRUE(sprite->GetWav(0)->HasFlags(JOF_STOP_REQUESTED));
    EXPECT_EQ(sprite->GetWavList()->GetPlayingCount(), 0);
    // Nor has it animations: the sprite is finished within Play.
    EXPECT_TRUE(sprite->HasFlags(SPF_WAVS_DONE | SPF_ANMS_DONE | JOF_STOP_REQUESTED));
}

TEST_F(Sounds, ADelayedWaveStartsAtItsTickAndAPastOneAtOnce) {
    UseMixer();
    auto delayed = WaveSprite(0, 3);
    Owner.Tick = 10;
    delayed->Play(10);
    EXPECT_TRUE(Mix.Calls.empty());
    EXPECT_EQ(delayed->GetWavList()->GetPlayingCount(), 1);
    for (u32 t = 11; t <= 13; ++t)
        Tick(*delayed, t);
    EXPECT_EQ(Mix.Calls, (TCalls{"bell class 4", "bell queue"}));
    // Played with a tick the counter has passed: started now, not waited for.
    auto late = WaveSprite(0);
    Owner.Tick = 20;
    late->GetWav(0)->Play(15);
    EXPECT_EQ(Mix.Calls, (TCalls{"bell class 4", "bell queue"}));
}

TEST_F(Sounds, AtTheEndOfItsDurationAWaveIsDetachedOrCut) {
    UseMixer();
    for (bool cut : {false, true}) {
        auto sprite = WaveSprite(5, 3);
        TWav& wav = *sprite->GetWav(0);
        wav.SetCut(cut);
        Owner.Tick = 10;
        sprite->Play(10);
        Tick(*sprite, 13);
        Mix.Calls.clear();
        // Started at 13 for 5 ticks: it ends at 17.
        for (u32 t = 13; t <= 16; ++t)
            wav.PostTick(t);
        EXPECT_TRUE(Mix.Calls.empty());
        wav.PostTick(17);
        EXPECT_EQ(Mix.Calls, (TCalls{cut ? "bell stop" : "bell detach", "bell class 1"}));
        EXPECT_TRUE(wav.HasFlags(JOF_STOP_REQUESTED) && !wav.HasFlags(WAVF_ON_MIXER));
        EXPECT_TRUE(sprite->HasFlags(SPF_WAVS_DONE));
    }
}

TEST_F(Sounds, MutedRefusedAndReleasedPlaysCountOut) {
    UseMixer();
    const struct {
        const char* Case;
        bool Accept, Muted, Release;
        TCalls Calls;
    } cases[] = {
        {"muted: the list stops within Play", true, true, false, {}},
        {"refused", false, false, false, {"bell class 4", "bell queue"}},
        {"the channel let go", true, false, true, {"bell class 4", "bell queue", "bell class 1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Mix.Accept = c.Accept;
        Mix.Muted = c.Muted;
        auto sprite = WaveSprite(0);
        Owner.Tick = 4;
        sprite->Play(4);
        EXPECT_NE(sprite->HasFlags(SPF_WAVS_DONE), c.Release);
        if (c.Release)
            sprite->GetWav(0)->OnChannelReleased();
        EXPECT_EQ(Mix.Calls, c.Calls);
        EXPECT_TRUE(sprite->HasFlags(SPF_WAVS_DONE));
        EXPECT_TRUE(sprite->GetWav(0)->HasFlags(JOF_STOP_REQUESTED));
    }
}

TEST_F(Sounds, AWaveIsOpenedAheadOnlyForAPlayThatIsNearAndLeavesTheCacheWhenDeleted) {
    UseMixer();
    Owner.Tick = 100;
    {
        auto sprite = WaveSprite(0);
        sprite->GetWav(0)->Acquire(161);
        EXPECT_TRUE(Mix.Calls.empty());
        sprite->GetWav(0)->Acquire(160);
        EXPECT_EQ(Mix.Calls, TCalls{"bell class 4"});
        Mix.Calls.clear();
    }
    EXPECT_EQ(Mix.Calls, TCalls{"bell unregister"});
    TWav horn(&Owner, TFileMode("horn", 1, 1), 0, false, true);
    EXPECT_EQ(Mix.Calls.back(), "horn register");
}

TEST_F(Sounds, MusicWithoutAPlayerIsMarkedStopped) {
    TJorpSoundMgr* managers[] = {nullptr, &Manager};
    for (TJorpSoundMgr* manager : managers) {
        Services.SetSoundMgr(manager);
        TMidi piece(&Owner);
        piece.Play(0);
        EXPECT_TRUE(piece.HasFlags(JOF_STOP_REQUESTED));
        EXPECT_FALSE(piece.Loop());
    }
}

TEST_F(Sounds, TheServicesAnswerForTheMixerAndTheWaitCursor) {
    u32 freed = 0;
    EXPECT_FALSE(Services.IsSoundPlaying() || Services.PurgeWaves(3, 1, freed));
    UseMixer();
    Mix.Playing = true;
    EXPECT_TRUE(Services.IsSoundPlaying());
    EXPECT_FALSE(Services.PurgeWaves(3, 5, freed));
    EXPECT_TRUE(Services.PurgeWaves(2, 5, freed));

    TCursorMgr cursors(nullptr);
    Services.SetCursorMgr(&cursors);
    Services.SetFileWaitCursor(true);
    EXPECT_EQ(cursors.GetSlot(CURSOR_SLOT_FILE_WAIT), TCursorData(nullptr, 32514));
    Services.SetFileWaitCursor(false);
    EXPECT_FALSE(cursors.GetSlot(CURSOR_SLOT_FILE_WAIT).IsSet());
}

} // namespace
