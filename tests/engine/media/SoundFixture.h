// A sound manager on the frame of a headless desktop, found by the sounds through the media
// services; waves written by the test and read through the data-file manager; the mix kept as
// the virtual clock pulls it.
#pragma once

#include "../../platform/audio/WaveImage.h"
#include "MediaFixture.h"

#include "engine/media/AudioWaveMix.h"
#include "engine/media/MediaServices.h"
#include "engine/media/Sound.h"
#include "engine/media/SoundMgr.h"
#include "engine/media/WaveCache.h"
#include "engine/media/WaveMixChannel.h"
#include "engine/media/WaveMixDll.h"
#include "platform/audio/WaveMix.h"
#include "platform/host/MessageBox.h"

#include <functional>
#include <map>

// One level held for a number of frames: onsets and ends are plain in the mix, and levels
// that differ tell overlapping plays apart.
inline std::vector<u8> LevelWave(i16 level, u32 frames) {
    return wave_image::Mono16(std::vector<i16>(frames, level));
}

class SoundFixture : public MediaFixture {
protected:
    void SetUp() override {
        MediaFixture::SetUp();
        RegisterWaveMixLibrary();
        TEngineContext::Media = &Services;
        Session.Backend().Audio().Keep(true);
    }
    void TearDown() override {
        Objects.clear();
        StopSound();
        MediaFixture::TearDown();
    }
    TJorpSoundMgr& StartSound() {
        Manager = std::make_unique<TJorpSoundMgr>(Frame);
        Services.SetSoundMgr(Manager.get());
        return *Manager;
    }
    void StopSound() {
        Services.SetSoundMgr(nullptr);
        Manager.reset();
    }
    TAudioWaveMix& Mixer() { return *Manager->GetWaveMix(); }
    void WriteWave(const std::string& name, const std::vector<u8>& image) {
        Cd.WriteHostFile(name + ".wav", std::string(image.begin(), image.end()));
    }
    TWav& Wav(const std::string& name, i16 duration = 0) {
        Objects.push_back(
            std::make_unique<TWav>(Window, TFileMode(name, 1, 1), duration, false, true));
        return static_cast<TWav&>(*Objects.back());
    }

    // One frame as the mode window builds it, then a frame's time: the objects tick, the
    // hook runs, the mixer is pumped, the objects post-tick.
    u32 RunFrame(const std::vector<TJorpBase*>& objects = {},
                 const std::function<void(u32)>& hook = nullptr) {
        const u32 t = ++Window->FrameCount;
        for (TJorpBase* object : objects)
            object->Tick(t);
        if (hook)
            hook(t);
        PumpTime[t] = Session.Backend().Now();
        if (Manager != nullptr && Manager->GetWaveMix() != nullptr)
            Mixer().Pump();
        for (TJorpBase* object : objects)
            object->PostTick(t);
        Wait(167);
        return t;
    }
    void Wait(u64 ms) {
        Session.Backend().Advance(ms);
        App.PumpWaitingMessages();
    }

    // The kept mix's left channel, frame by frame.
    i16 Heard(u64 frame) {
        const std::vector<i16>& s = Session.Backend().Audio().GetSamples();
        return 2 * frame < s.size() ? s[static_cast<size_t>(2 * frame)] : i16{0};
    }
    // The kept frame at which frame t's pump came.
    u64 FrameOfPump(u32 t) {
        const THeadlessAudio& audio = Session.Backend().Audio();
        return audio.FrameAt(PumpTime[t]) - audio.GetFirstKeptFrame();
    }
    // The first kept frame from `from` on that is not silent; -1 for none.
    i64 FirstSound(u64 from = 0) {
        for (u64 f = from; 2 * f < Session.Backend().Audio().GetSamples().size(); ++f)
            if (Heard(f) != 0)
                return static_cast<i64>(f);
        return -1;
    }

    TMediaServices Services;
    TMessageBoxRecorder Boxes;
    std::unique_ptr<TJorpSoundMgr> Manager;
    std::vector<std::unique_ptr<TJorpBase>> Objects;
    std::map<u32, u64> PumpTime;
};
