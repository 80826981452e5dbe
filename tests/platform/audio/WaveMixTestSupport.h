// A test fixture over the wave-mixing entry points: sessions closed after each test, notices
// recorded as the window thread would receive them.
#pragma once

#include "WaveImage.h"
#include "platform/audio/WaveMix.h"
#include "platform/audio/WaveMixOutput.h"
#include "platform/audio/WaveMixSession.h"

#include <gtest/gtest.h>

#include <vector>

class TWaveMixFixture : public testing::Test {
protected:
    void SetUp() override {
        SetWaveMixPoster([this](TWindow* w, u32 msg, std::uintptr_t wp, std::intptr_t lp) {
            Posted.push_back({w, msg, wp, lp});
        });
    }

    void TearDown() override {
        for (TWaveMixSession* s : Sessions)
            WaveMixCloseSession(s);
        SetWaveMixPoster(nullptr);
    }

    // A session with its eight channels open, active unless told otherwise.
    TWaveMixSession* OpenSession(u16 channels = 1, u16 kHz = 22, bool active = true) {
        MIXCONFIG config;
        config.dwFlags = WMIX_CONFIG_CHANNELS | WMIX_CONFIG_SAMPLINGRATE;
        config.wChannels = channels;
        config.wSamplingRate = kHz;
        TWaveMixSession* s = WaveMixConfigureInit(&config);
        EXPECT_NE(s, nullptr);
        Sessions.push_back(s);
        EXPECT_EQ(WaveMixOpenChannel(s, 8, WMIX_OPENALL), MMSYSERR_NOERROR);
        EXPECT_EQ(active ? WaveMixActivate(s, true) : MMSYSERR_NOERROR, MMSYSERR_NOERROR);
        return s;
    }

    TMixWave* Open(TWaveMixSession* s, const std::vector<u8>& image) {
        MMIOINFO info;
        info.fccIOProc = FOURCC_MEM;
        info.pchBuffer = image.data();
        info.cchBuffer = static_cast<i32>(image.size());
        TMixWave* wave = WaveMixOpenWave(s, &info, nullptr, WMIX_MEMORY);
        EXPECT_NE(wave, nullptr);
        return wave;
    }

    u32 Play(TWaveMixSession* s, i32 channel, TMixWave* wave, u32 flags, u16 loops = 0) {
        MIXPLAYPARAMS params;
        params.hMixSession = s;
        params.iChannel = channel;
        params.lpMixWave = wave;
        params.hWndNotify = Window;
        params.dwFlags = flags;
        params.wLoops = loops;
        return WaveMixPlay(&params);
    }

    static std::vector<i16> Pull(TWaveMixSession* s, u32 frames) {
        std::vector<i16> out(static_cast<std::size_t>(frames) * s->GetFormat().Channels, 7);
        s->Pull(out.data(), frames);
        return out;
    }

    static TWaveMixNotice Done(i32 channel, TMixWave* wave) {
        return {Window, MM_WOM_DONE, static_cast<std::uintptr_t>(channel),
                reinterpret_cast<std::intptr_t>(wave)};
    }

    std::vector<TWaveMixNotice> Delivered() {
        Posted.clear();
        WaveMixPump();
        return Posted;
    }

    // Never dereferenced by the mixer; any distinct address will do.
    inline static TWindow* const Window = reinterpret_cast<TWindow*>(std::uintptr_t{0x1000});

    std::vector<TWaveMixSession*> Sessions;
    std::vector<TWaveMixNotice> Posted;
};
