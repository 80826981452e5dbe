// Starting the wave mixer: the [WaveMix] settings, libraries and systems that refuse it, and
// the library's users.
#include "SoundFixture.h"

#include "platform/audio/WaveOut.h"
#include "platform/host/Library.h"

namespace {

// "jwmix32.dll" as a test builds it: the platform's mixer behind entry points that note the
// session calls and refuse them when told.
namespace standin {

std::vector<std::string> Calls;
bool RefuseInit = false;
bool RefuseActivate = false;

TWaveMixSession* Init() {
    Calls.push_back("init");
    return RefuseInit ? nullptr : WaveMixInit();
}
TWaveMixSession* Configure(const MIXCONFIG* c) {
    Calls.push_back("configure " + std::to_string(c->wSize) + " " + std::to_string(c->dwFlags) +
                    " " + std::to_string(c->wChannels) + " " + std::to_string(c->wSamplingRate));
    return WaveMixConfigureInit(c);
}
u32 Activate(TWaveMixSession* session, bool on) {
    Calls.push_back(on ? "activate" : "deactivate");
    return on && RefuseActivate ? MMSYSERR_ALLOCATED : WaveMixActivate(session, on);
}
u32 CloseSession(TWaveMixSession* session) {
    Calls.push_back("close");
    return WaveMixCloseSession(session);
}

template <class T> TLibraryEntry Entry(const char* name, T* f) {
    return {name, reinterpret_cast<TProcAddress>(f)};
}

void Register(bool withPump) {
    std::vector<TLibraryEntry> entries = {
        Entry("WaveMixGetInfo", &WaveMixGetInfo),
        Entry("WaveMixInit", &Init),
        Entry("WaveMixConfigureInit", &Configure),
        Entry("WaveMixActivate", &Activate),
        Entry("WaveMixOpenWave", &WaveMixOpenWave),
        Entry("WaveMixOpenChannel", &WaveMixOpenChannel),
        Entry("WaveMixPlay", &WaveMixPlay),
        Entry("WaveMixFlushChannel", &WaveMixFlushChannel),
        Entry("WaveMixCloseChannel", &WaveMixCloseChannel),
        Entry("WaveMixFreeWave", &WaveMixFreeWave),
        Entry("WaveMixCloseSession", &CloseSession),
    };
    if (withPump)
        entries.push_back(Entry("WaveMixPump", &WaveMixPump));
    RegisterBuiltinLibrary("jwmix32.dll", entries);
}

} // namespace standin

using TTexts = std::vector<std::string>;

class WaveMixInit : public SoundFixture {
protected:
    void TearDown() override {
        SetWaveOutDeviceCountOverride(std::nullopt);
        SoundFixture::TearDown();
    }
    void Start(bool withPump = true) {
        standin::Calls.clear();
        Boxes.Boxes.clear();
        standin::Register(withPump);
        StartSound();
    }
    TTexts Texts() const {
        TTexts texts;
        for (const TMessageBoxRequest& box : Boxes.Boxes)
            texts.push_back(box.Caption == "Error - Audio" ? box.Text : box.Caption);
        return texts;
    }
};

TEST_F(WaveMixInit, TheSettingsChooseTheLibrarysDefaultsOrAConfiguration) {
    const struct {
        const char *Channels, *Rate, *Call;
    } cases[] = {
        {"", "", "init"},
        {"3", "48", "init"},
        {"-1", "22050", "init"},
        {"1", "", "configure 10 1 1 0"},
        {"0", "44", "configure 10 2 0 44"},
        {"2", "11", "configure 10 3 2 11"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Call);
        Settings.WriteString("WaveMix", "NumChannels", c.Channels);
        Settings.WriteString("WaveMix", "SampleRate", c.Rate);
        Start();
        EXPECT_EQ(standin::Calls.at(0), c.Call);
        EXPECT_TRUE(Mixer().IsInitialised() && Mixer().IsActive());
        EXPECT_TRUE(Boxes.Boxes.empty());
        StopSound();
    }
}

TEST_F(WaveMixInit, WhatCannotStartIsReportedAndGivenBack) {
    const struct {
        const char* Case;
        bool RefuseInit, RefuseActivate, WithPump, NoDevice;
        TTexts Calls, Texts;
    } cases[] = {
        {"no session",
         true,
         false,
         true,
         false,
         {"init"},
         {"Couldn't initialize WaveMix", "Error Initializing Audio"}},
        {"activation refused before and after the reload",
         false,
         true,
         true,
         false,
         {"init", "activate", "close", "init", "activate", "close"},
         {"Device already allocated", "Attempting to reload WaveMix", "Device already allocated",
          "Error Initializing Audio"}},
        {"a library without its last entry point",
         false,
         false,
         false,
         false,
         {},
         {"Error Initializing Audio"}},
        {"no wave device: said, and started anyway",
         false,
         false,
         true,
         true,
         {"init", "activate"},
         {"System reports there is no wave out devices"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        standin::RefuseInit = c.RefuseInit;
        standin::RefuseActivate = c.RefuseActivate;
        SetWaveOutDeviceCountOverride(c.NoDevice ? std::optional<u32>(0) : std::nullopt);
        Start(c.WithPump);
        EXPECT_EQ(standin::Calls, c.Calls);
        EXPECT_EQ(Texts(), c.Texts);
        EXPECT_EQ(Manager->GetWaveMix() != nullptr, c.NoDevice);
        StopSound();
        EXPECT_EQ(TWaveMix::Get(), nullptr);
    }
}

TEST_F(WaveMixInit, TheLibraryStaysWhileAnotherUserHoldsIt) {
    StartSound();
    ASSERT_TRUE(TWaveMix::LoadWaveMix());
    StopSound();
    ASSERT_NE(TWaveMix::Get(), nullptr);
    EXPECT_TRUE(TWaveMix::Get()->IsLoaded());
    EXPECT_EQ(TWaveMix::Get()->GetUseCount(), 1);
    EXPECT_TRUE(TWaveMix::UnloadWaveMix(false));
    EXPECT_EQ(TWaveMix::Get(), nullptr);
}

} // namespace
