// The wave mixer heard in the mix the headless clock pulls: a written sprite list's waves at
// their frames, plays started together, room made from detached sounds, re-queuing, stray
// notices, the sound switch, and plays that cannot start.
#include "SoundFixture.h"
#include "SpriteSupport.h"

namespace {

constexpr u32 HalfSecond = 11025;

class WaveMixPlay : public SoundFixture {
protected:
    void SetUp() override {
        SoundFixture::SetUp();
        StartSound();
        for (const auto& [name, level] : {std::pair{"a", 1000}, {"b", 3000}, {"c", 100}})
            WriteWave(name, LevelWave(static_cast<i16>(level), 2 * HalfSecond));
    }
    static bool Stopped(const TWav& wav) { return wav.HasFlags(JOF_STOP_REQUESTED); }
};

TEST_F(WaveMixPlay, AWrittenSpriteListSoundsItsWavesFromTheirRows) {
    WriteWave("short", LevelWave(3000, HalfSecond / 5));
    {
        TSpriteList list(Window, TFileMode("chime.spl", 0, 0), nullptr);
        list.Add(MakeTableSprite(Window, "chime", {{0, 0, "a.wav", 0}, {2, 0, "short.wav", 0}})
                     .release());
        ASSERT_TRUE(list.Save(nullptr));
    }
    const TFileMode mode("chime.spl", 0, FM_LEVEL_NOW);
    auto list = TJorpBase::CreateAttached<TSpriteList>(mode, true, false, Window, mode, nullptr);
    ASSERT_EQ(list->GetCount(), 1);
    const u32 first = Window->FrameCount + 1;
    ASSERT_TRUE(list->UseAt(0, first));
    for (int i = 0; i < 8; ++i)
        RunFrame({list.get()});
    const u64 low = FrameOfPump(first), high = FrameOfPump(first + 2);
    EXPECT_EQ(FirstSound(), static_cast<i64>(low));
    EXPECT_EQ(Heard(low), 1000);
    EXPECT_EQ(Heard(high - 1), 1000);
    EXPECT_EQ(Heard(high), 4000);
    EXPECT_EQ(Heard(high + HalfSecond / 5), 1000);
    EXPECT_EQ(FirstSound(low + 2 * HalfSecond), -1);
    // Both ended by themselves: the sprite's waves are done and every channel is free.
    EXPECT_TRUE(list->GetAt(0)->HasFlags(SPF_WAVS_DONE));
    EXPECT_EQ(Mixer().FreeChannelCount(), WAVEMIX_CHANNELS);
}

TEST_F(WaveMixPlay, PlaysQueuedInOneFrameStartOnTheSameSample) {
    TWav& a = Wav("a");
    TWav& b = Wav("b");
    const u32 t = RunFrame({}, [&](u32 now) { a.Play(now), b.Play(now); });
    // The lower channel is held, the last one releases both.
    EXPECT_EQ(Mixer().GetChannel(0)->GetParams().dwFlags, 9U);
    EXPECT_EQ(Mixer().GetChannel(1)->GetParams().dwFlags, 5U);
    EXPECT_EQ(FirstSound(), static_cast<i64>(FrameOfPump(t)));
    EXPECT_EQ(Heard(FrameOfPump(t)), 4000);
}

TEST_F(WaveMixPlay, TheNinthPlayWaitsUntilRoomIsMadeFromDetachedSounds) {
    std::vector<TJorpBase*> all;
    for (int i = 0; i < 8; ++i)
        all.push_back(&Wav("c", 1));
    all.push_back(&Wav("b"));
    const u32 t = RunFrame(all, [&](u32 now) {
        for (TJorpBase* w : all)
            w->Play(now);
    });
    EXPECT_EQ(Heard(FrameOfPump(t)), 800);
    EXPECT_EQ(Mixer().GetQueue().GetCount(), 1);
    // Their duration ran out: the eight sound on, no longer owning their channels, until the
    // next pump stops them for the one that waited.
    RunFrame(all);
    EXPECT_EQ(Heard(FrameOfPump(t + 1) - 1), 800);
    EXPECT_EQ(Heard(FrameOfPump(t + 1)), 3000);
    EXPECT_EQ(Mixer().FreeChannelCount(), WAVEMIX_CHANNELS - 1);
}

TEST_F(WaveMixPlay, ASoundIsQueuedAgainOnlyOnceItsPlayIsNoLongerItsOwn) {
    TWav& a = Wav("a");
    const u32 t = RunFrame({}, [&](u32 now) { a.Play(now); });
    EXPECT_FALSE(Mixer().QueuePlay(&a, 0));
    Mixer().DetachSound(&a);
    EXPECT_TRUE(Mixer().QueuePlay(&a, 0));
    RunFrame();
    // The first play sounds on beside the second.
    EXPECT_EQ(Heard(FrameOfPump(t + 1) - 1), 1000);
    EXPECT_EQ(Heard(FrameOfPump(t + 1)), 2000);
}

TEST_F(WaveMixPlay, OnlyTheNoticeOfItsOwnWaveEndsAChannel) {
    TWav& a = Wav("a");
    TWav& b = Wav("b");
    Mixer().SetWaveClass(&b, 4);
    RunFrame({}, [&](u32 now) { a.Play(now); });
    TWaveMixControlData& channel = *Mixer().GetChannel(0);
    PostMessage(channel.GetNotifyWindow(), MM_WOM_DONE, 0,
                reinterpret_cast<LPARAM>(b.GetCacheRef()->Entry->Wave));
    App.PumpWaitingMessages();
    EXPECT_TRUE(channel.IsPlaying());
    EXPECT_FALSE(Stopped(a));
    Wait(1100);
    EXPECT_FALSE(channel.IsInUse());
    EXPECT_TRUE(Stopped(a));
}

TEST_F(WaveMixPlay, MutingStopsEveryPlayAndTellsEachSoundAndUnmutingStartsNothing) {
    TWav& sounding = Wav("a");
    TWav& queued = Wav("a");
    RunFrame({}, [&](u32 now) { sounding.Play(now); });
    queued.Play(Window->FrameCount);
    const u32 t = Window->FrameCount + 1;
    Mixer().SetMuted(true);
    EXPECT_TRUE(Stopped(sounding) && Stopped(queued));
    EXPECT_EQ(Settings.Effects, 0);
    RunFrame();
    Mixer().SetMuted(false);
    EXPECT_EQ(Settings.Effects, 1);
    RunFrame();
    EXPECT_FALSE(Mixer().IsPlaying());
    EXPECT_EQ(FirstSound(FrameOfPump(t)), -1);
}

TEST_F(WaveMixPlay, AChannelWithoutAnOpenWaveNeitherHoldsTheOthersNorShowsABox) {
    WriteWave("broken", {'R', 'I', 'F', 'F', 8, 0, 0, 0, 'W', 'A', 'V', 'E'});
    TWav& a = Wav("a");
    TWav& broken = Wav("broken");
    const u32 t = RunFrame({}, [&](u32 now) { a.Play(now), broken.Play(now); });
    EXPECT_EQ(Heard(FrameOfPump(t)), 1000);
    EXPECT_TRUE(Stopped(broken));
    EXPECT_FALSE(Mixer().GetChannel(1)->IsInUse());
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST_F(WaveMixPlay, RefusedPlaysEndTheHeldOnesAndOnlyFiveAreReported) {
    TWav& a = Wav("a");
    TWav& b = Wav("b");
    TWaveMix::Get()->WaveMixCloseChannel(Mixer().GetSession(), 1, 0);
    RunFrame({}, [&](u32 now) { a.Play(now), b.Play(now); });
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Error - Audio");
    EXPECT_EQ(Boxes.Boxes[0].Text, "Device ID out of range");
    EXPECT_TRUE(Stopped(a) && Stopped(b));
    EXPECT_EQ(Mixer().FreeChannelCount(), WAVEMIX_CHANNELS);
    EXPECT_EQ(FirstSound(), -1);
    // Alone, a plays on the channel that works; b keeps being refused, silently after five.
    const u32 t = RunFrame({}, [&](u32 now) { a.Play(now); });
    EXPECT_EQ(Heard(FrameOfPump(t)), 1000);
    for (int i = 0; i < 5; ++i)
        RunFrame({}, [&](u32 now) { a.Play(now), b.Play(now); });
    EXPECT_EQ(Mixer().GetErrorCount(), 6);
    EXPECT_EQ(Boxes.Boxes.size(), 5U);
}

} // namespace
